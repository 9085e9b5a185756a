// The application-server client against the local test server over TLS: log-in, replies routed
// from the socket worker to the window, re-login, idle time-outs and a server that closes.
#include "core/LoginManager.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/socket/TlsPeerCheck.h"
#include "platform/Convert.h"
#include "tests/net/protocol/EndToEndSupport.h"

using namespace prototest;

namespace {

class TasEndToEndTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        NewManager();
        for (UINT msg = WM_USER + 99; msg <= WM_USER + 200; ++msg) m_listener.Expect(msg, RecordingWindow::LPARAM_REPLY);
    }
    void NewManager()
    {
        m_tas.reset(new CTasClientManager());
        _CLIENT_TIMINGS timings = m_tas->GetTimings();
        timings.dwIdleTimeout = 1500;
        timings.dwReloginDelay = 50;
        timings.dwBackoffFirst = 100;
        m_tas->SetTimings(timings);
        ASSERT_TRUE(m_tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
        m_tas->SetListener(m_listener.Handle());
        m_tas->SetEventWindow(m_events.Handle());
    }
    void TearDown() override
    {
        m_tas.reset();
        EndToEndTest::TearDown();
    }
    // Logs in as the login window does: the request goes out before the connection is up.
    void LogIn()
    {
        m_tas->Connect(CString(L"127.0.0.1"), ServerPort(PORT_TAS));
        m_tas->RequestM00000001(L"", L"kim", L"1234");
        ASSERT_TRUE(m_listener.WaitFor(WM_USER + 100, 1, 15000)) << "no login reply";
        const RecordingWindow::Record reply = m_listener.RecordsOf(WM_USER + 100)[0];
        ASSERT_EQ(reply.status, 0);
        CLoginManager* login = CLoginManager::GetInstance();
        login->SetGroupCode(L"");
        login->SetLoginId(L"kim");
        login->SetPassword(L"1234");
        login->SetSessionFromReply(reply.json, true);
        m_listener.Clear();
    }
    Json::Value Rule(const char* msg, int count)
    {
        Json::Value rule;
        rule["cmd"] = "rule";
        rule["server"] = "tas";
        rule["msg"] = msg;
        rule["count"] = count;
        return rule;
    }

    std::unique_ptr<CTasClientManager> m_tas;
};

TEST_F(TasEndToEndTest, LoginQueuedBeforeTheConnectionAndRepliesRoutedToTheWindow)
{
    m_tas->Connect(CString(L"127.0.0.1"), ServerPort(PORT_TAS));
    m_tas->RequestM00000001(L"", L"kim", L"1234");
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 100, 1, 15000));
    const RecordingWindow::Record login = m_listener.RecordsOf(WM_USER + 100)[0];
    EXPECT_EQ(login.status, 0);
    EXPECT_EQ(login.json["userName"].asString(), "\xEA\xB9\x80\xEB\xAF\xBC\xEC\xA4\x80");   // 김민준
    EXPECT_FALSE(login.json["userSessionId"].asString().empty());
    EXPECT_EQ(login.thread, GetCurrentThreadId()) << "delivered to the window's own thread";
    const Json::Value frames = Frames("tas", "PP01", "M00000001");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0]["tid"].asUInt64(), login.transactionId);
    EXPECT_EQ(frames[0]["header"]["userSessionId"].asString(), "");
    EXPECT_EQ(frames[0]["platform"]["macAddress"].asString(), "0A1B2C3D4E5F");

    CLoginManager::GetInstance()->SetSessionFromReply(login.json, true);
    m_tas->RequestM00000003(L"20240101", L"20241231", L"10", 1, 0, 1, 10, L"");
    m_tas->RequestM00000002(L"10", L"", 1);
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 102, 1, 10000));
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 101, 1, 10000));
    EXPECT_EQ(m_listener.RecordsOf(WM_USER + 102)[0].status, 0);
    EXPECT_TRUE(m_listener.RecordsOf(WM_USER + 102)[0].json["list"].isArray());
    EXPECT_EQ(m_tas->GetPendingCount(), 0u);
}

TEST_F(TasEndToEndTest, ExpiredSessionLogsInAgainAndResendsWithTheSameTransactionId)
{
    LogIn();
    const std::string oldSession = CLoginManager::GetInstance()->GetUserSessionId();
    // The server forgets the session for good (a one-shot "expired" answer let a resend after an
    // idle time-out on a loaded machine be answered with the old session).
    Json::Value expire;
    expire["cmd"] = "expire";
    Control(expire);
    m_tas->RequestM00000005(L"101", L"10");
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 104, 1, 15000)) << "no reply after the re-login";
    EXPECT_EQ(m_listener.RecordsOf(WM_USER + 104)[0].status, 0);
    EXPECT_EQ(m_listener.Count(WM_USER + 104), 1u) << "the request was answered to the window once";

    const Json::Value logins = Frames("tas", "PP01", "M00000001");
    ASSERT_EQ(logins.size(), 2u);
    EXPECT_EQ(logins[1]["header"]["userSessionId"].asString(), "");
    EXPECT_EQ(logins[1]["body"]["sawonNo"].asString(), "kim");
    const Json::Value details = Frames("tas", "PP01", "M00000005");
    ASSERT_GE(details.size(), 2u);
    EXPECT_EQ(details[0]["tid"], details[details.size() - 1]["tid"]);
    EXPECT_EQ(details[0]["header"]["userSessionId"].asString(), oldSession);
    const std::string newSession = CLoginManager::GetInstance()->GetUserSessionId();
    EXPECT_NE(newSession, oldSession);
    EXPECT_EQ(details[details.size() - 1]["header"]["userSessionId"].asString(), newSession);
    EXPECT_FALSE(m_tas->IsReloginRunning());
}

TEST_F(TasEndToEndTest, IdleTimeoutResendsOnceThenReportsTheLostConnection)
{
    LogIn();
    Json::Value hold = Rule("M00000005", 2);
    hold["hold"] = true;
    Control(hold);
    m_tas->RequestM00000005(L"101", L"10");
    ASSERT_TRUE(WaitForFrames("tas", "PP01", "M00000005", 2, 15000)) << "not resent after the idle time-out";
    ASSERT_TRUE(m_events.WaitFor(WM_TAS_CONNECTION_LOST, 1, 15000)) << "second time-out not reported";
    const Json::Value details = Frames("tas", "PP01", "M00000005");
    EXPECT_EQ(details[0]["tid"], details[1]["tid"]);
    EXPECT_NE(details[0]["conn"], details[1]["conn"]) << "resent on a new connection";
    EXPECT_EQ(m_events.Count(WM_TAS_CONNECTION_LOST), 1u);

    // The held reply of the live connection still arrives and ends the trouble.
    Command("release");
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 104, 1, 10000));
    EXPECT_EQ(m_tas->GetPendingCount(), 0u);
}

TEST_F(TasEndToEndTest, CleanCloseByTheServerReconnectsAndResends)
{
    LogIn();
    Json::Value hold = Rule("M00000005", 1);
    hold["hold"] = true;
    Control(hold);
    m_tas->RequestM00000005(L"101", L"10");
    ASSERT_TRUE(WaitForFrames("tas", "PP01", "M00000005", 1));
    Json::Value close;
    close["cmd"] = "close";
    close["server"] = "tas";
    Control(close);
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 104, 1, 15000)) << "not resent after the close";
    const Json::Value details = Frames("tas", "PP01", "M00000005");
    ASSERT_EQ(details.size(), 2u);
    EXPECT_EQ(details[0]["tid"], details[1]["tid"]);
    EXPECT_TRUE(m_events.Records().empty()) << "a clean close is repaired, not reported";
}

// The server's certificate is not checked unless the settings ask for it; asked, the client
// connects only to the pinned certificate, or to one the system trusts (which the test servers'
// self-signed one is not). A refused server is reported with its own code.
TEST_F(TasEndToEndTest, ServerCertificateCheckedAsTheSettingsSay)
{
    const std::string der = ServerCertificateDer();
    ASSERT_FALSE(der.empty());
    const std::string sha256 = Sha256HexOf(der);
    std::string colons;
    for (size_t i = 0; i < sha256.size(); i += 2) colons += (i ? ":" : "") + sha256.substr(i, 2);
    CharUpperBuffA(&colons[0], (DWORD)colons.size());
    struct Case {
        const char* name;
        int mode;
        std::string pin;
        bool connects;
    };
    const Case cases[] = {
        {"not checked", CSettingManager::TLS_VERIFY_NONE, "", true},
        {"pinned", CSettingManager::TLS_VERIFY_PIN, sha256, true},
        {"pinned, upper case with colons", CSettingManager::TLS_VERIFY_PIN, colons, true},
        {"another pin", CSettingManager::TLS_VERIFY_PIN, std::string(64, 'a'), false},
        {"a pin that is no fingerprint", CSettingManager::TLS_VERIFY_PIN, "abc", false},
        {"system roots", CSettingManager::TLS_VERIFY_SYSTEM, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSettingManager::GetInstance()->SetTlsVerify(c.mode, Utf8ToWide(c.pin));
        m_tas.reset();
        Command("clear_log");
        NewManager();
        m_listener.Clear();
        m_events.Clear();
        m_tas->Connect(CString(L"127.0.0.1"), ServerPort(PORT_TAS));
        m_tas->RequestM00000001(L"", L"kim", L"1234");
        if (c.connects) {
            EXPECT_TRUE(m_listener.WaitFor(WM_USER + 100, 1, 15000)) << "no login reply";
            EXPECT_EQ(m_events.Count(WM_TAS_SOCKET_ERROR), 0u);
        } else {
            ASSERT_TRUE(m_events.WaitFor(WM_TAS_SOCKET_ERROR, 1, 15000)) << "the refusal was not reported";
            EXPECT_EQ((int)m_events.RecordsOf(WM_TAS_SOCKET_ERROR)[0].lParam, kTlsPeerRejectedError);
            EXPECT_EQ(m_listener.Count(WM_USER + 100), 0u);
            EXPECT_EQ(Frames("tas", "PP01", "M00000001").size(), 0u) << "the request went to a refused server";
        }
    }
    CSettingManager::DestroyInstance();
}

}  // namespace
