// The application-server client over scripted sockets: reply routing, transaction ids, re-login,
// idle time-outs, reconnects and the log-out hand-over.
#include <algorithm>
#include <atomic>
#include <thread>

#include "core/LoginManager.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasMessageCatalogue.h"
#include "tests/net/protocol/ManagerTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace prototest;

namespace {

class TasManagerTest : public ManagerTest {
protected:
    void SetUp() override
    {
        ManagerTest::SetUp();
        CTasClientManager::SetTransactionCounter(0);
        m_manager.reset(new CTasClientManager());
        UseShortTimings(*m_manager);
        ASSERT_TRUE(m_manager->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
        m_manager->SetListener(m_listener.Handle());
        m_manager->SetEventWindow(m_events.Handle());
        for (UINT msg = WM_USER + 99; msg <= WM_USER + 200; ++msg) m_listener.Expect(msg, RecordingWindow::LPARAM_REPLY);
        m_events.Expect(WM_TAS_UPGRADE, RecordingWindow::LPARAM_CSTRING);
    }
    void TearDown() override
    {
        m_manager.reset();
        ManagerTest::TearDown();
    }
    void ConnectUp()
    {
        m_manager->Connect(L"127.0.0.1", 16302);
        Socket()->FireConnect();
    }
    SentFrame LastFrame()
    {
        std::vector<SentFrame> frames = Socket()->Frames();
        return frames.empty() ? SentFrame() : frames.back();
    }
    void Answer(const SentFrame& request, int status = 0, const Json::Value& body = Json::Value(Json::objectValue))
    {
        Socket()->FireData(ReplyTo(request, status, body));
    }

    std::unique_ptr<CTasClientManager> m_manager;
};

TEST(TasCatalogue, ReplyMessagesFollowTheMessageNumbers)
{
    const struct {
        const char* id;
        UINT msg;
    } cases[] = {{"G00000001", WM_USER + 99}, {"M00000001", WM_USER + 100}, {"M00000009", WM_USER + 108},
                 {"M00000064", WM_USER + 163}, {"M00000067", WM_USER + 167}, {"M00000100", WM_USER + 200},
                 {"M00000034", 0},             {"M00000012", 0},             {"M00000065", 0},
                 {"X00000001", 0}};
    for (const auto& c : cases) EXPECT_EQ(TasMessageCatalogue::ReplyMessageOf(c.id), c.msg) << c.id;
    EXPECT_EQ(TasMessageCatalogue::DeliveredIds().size(), 52u);
}

TEST(TasCatalogue, TransactionIdsStartAtOneAndSkipTheLastValue)
{
    CTasClientManager::SetTransactionCounter(0);
    EXPECT_EQ(CTasClientManager::NextTransactionId(), 1u);
    CTasClientManager::SetTransactionCounter(4294967293u);
    EXPECT_EQ(CTasClientManager::NextTransactionId(), 4294967294u);
    EXPECT_EQ(CTasClientManager::NextTransactionId(), 0u);
    EXPECT_EQ(CTasClientManager::NextTransactionId(), 1u);
}

TEST(TasCatalogue, TransactionIdsAreUniqueAcrossThreads)
{
    CTasClientManager::SetTransactionCounter(0);
    std::vector<std::vector<uint32_t>> seen(4);
    std::vector<std::thread> threads;
    for (auto& ids : seen)
        threads.emplace_back([&ids] {
            for (int i = 0; i < 20000; ++i) ids.push_back(CTasClientManager::NextTransactionId());
        });
    for (auto& t : threads) t.join();
    std::vector<uint32_t> all;
    for (auto& ids : seen) all.insert(all.end(), ids.begin(), ids.end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << "an id was handed out twice";
    EXPECT_EQ(all.back(), 80000u);
}

TEST_F(TasManagerTest, LoginGoesOutWhenConnectedAndItsReplyReachesTheListener)
{
    m_manager->Connect(L"127.0.0.1", 16302);
    EXPECT_EQ(Socket()->m_ulConnectTimeout, 30000u);
    EXPECT_EQ(Socket()->m_ulIdle, 60000u);
    m_manager->RequestM00000001(L"G1", L"kim", L"pw");
    EXPECT_TRUE(Socket()->Written().empty()) << "not before the connection is up";
    Socket()->FireConnect();
    const SentFrame login = LastFrame();
    EXPECT_EQ(login.app, "PP01");
    EXPECT_EQ(login.msg, "M00000001");
    EXPECT_EQ(login.transactionId, 1u);
    EXPECT_EQ(login.header["userProfile"].asString(), "");
    EXPECT_EQ(login.header["udid"].asString(), "");
    EXPECT_EQ(login.body["appVer"].asString(), "4.2.0.0");

    Json::Value body;
    body["userSessionId"] = "s";
    Answer(login, 0, body);
    ASSERT_EQ(m_listener.Count(WM_USER + 100), 1u);
    const RecordingWindow::Record r = m_listener.RecordsOf(WM_USER + 100)[0];
    EXPECT_EQ(r.json["userSessionId"].asString(), "s");
    EXPECT_EQ(m_manager->GetPendingCount(), 0u);
}

TEST_F(TasManagerTest, RepliesWithoutPendingRequestsOrListenerAreDropped)
{
    ConnectUp();
    m_manager->RequestM00000005(L"7", L"10");
    const SentFrame request = LastFrame();
    // An unknown transaction id is still delivered while something is pending.
    SentFrame stranger = request;
    stranger.transactionId = 999;
    Answer(stranger);
    EXPECT_EQ(m_listener.Count(WM_USER + 104), 1u);
    EXPECT_EQ(m_manager->GetPendingCount(), 1u);
    Answer(request);
    EXPECT_EQ(m_listener.Count(WM_USER + 104), 2u);
    Answer(request);   // nothing pending any more
    EXPECT_EQ(m_listener.Count(WM_USER + 104), 2u);

    m_manager->RequestM00000034(L"");
    EXPECT_EQ(LastFrame().body["pcPushKey"].asString(), std::string("PPM-") + kTestMac + "-W");
    Answer(LastFrame());
    EXPECT_EQ(m_manager->GetPendingCount(), 0u) << "matched and removed";
    EXPECT_EQ(m_listener.Records().size(), 2u) << "and delivered nowhere";

    m_manager->RequestM00000005(L"7", L"10");
    m_manager->SetListener((HWND) nullptr);
    Answer(LastFrame());
    EXPECT_EQ(m_listener.Records().size(), 2u);
}

TEST_F(TasManagerTest, ExpiredSessionLogsInAgainAndResendsWithTheSameIds)
{
    ConnectUp();
    m_manager->RequestM00000003(L"20240101", L"20240131", L"10", 1, 0, 1, 10, L"");
    m_manager->RequestM00000005(L"7", L"10");
    std::vector<SentFrame> first = Socket()->Frames();
    ASSERT_EQ(first.size(), 2u);
    // The re-login's answer can reach a socket worker while the request is still being sent: by
    // then the manager must know which answer is the re-login's (it took one that came early
    // for an ordinary log-in reply, and the recovery waited for ever).
    uint64_t awaitedWhileSending = 0;
    Socket()->m_onWritten = [&] {
        const std::vector<SentFrame> frames = Socket()->Frames();
        if (!frames.empty() && frames.back().msg == "M00000001") awaitedWhileSending = m_manager->GetReloginTransactionId();
    };
    Answer(first[0], 2);
    Answer(first[1], 2);   // a second expiry during the first one starts nothing
    EXPECT_TRUE(m_manager->IsReloginRunning());
    EXPECT_EQ(Socket()->Frames().size(), 2u) << "the re-login waits for its pause";
    ASSERT_TRUE(zeltest::PumpUntil([&] { return Socket()->Frames().size() == 3; }, 3000));
    zeltest::PumpFor(100);
    ASSERT_EQ(Socket()->Frames().size(), 3u) << "one re-login only";
    const SentFrame relogin = Socket()->Frames()[2];
    EXPECT_EQ(relogin.msg, "M00000001");
    EXPECT_EQ(relogin.header["userSessionId"].asString(), "");
    EXPECT_EQ(relogin.body["sawonNo"].asString(), "kim");
    EXPECT_EQ(relogin.body["groupCoCd"].asString(), "G1");
    EXPECT_EQ(relogin.body["userPwd"].asString(), "pw");
    EXPECT_EQ(awaitedWhileSending, relogin.transactionId);
    Socket()->m_onWritten = nullptr;

    Json::Value session;
    session["userProfile"] = "profile-2";
    session["userSessionId"] = "session-2";
    session["userId"] = "1001";
    Answer(relogin, 0, session);
    EXPECT_FALSE(m_manager->IsReloginRunning());
    EXPECT_EQ(m_listener.Count(WM_USER + 100), 0u) << "the re-login answer is the client's own";
    std::vector<SentFrame> all = Socket()->Frames();
    ASSERT_EQ(all.size(), 5u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(all[3 + i].msg, first[i].msg);
        EXPECT_EQ(all[3 + i].transactionId, first[i].transactionId);
        EXPECT_EQ(all[3 + i].header["userSessionId"].asString(), "session-2");
        EXPECT_EQ(all[3 + i].header["userProfile"].asString(), "profile-2");
        EXPECT_EQ(all[3 + i].body, first[i].body);
    }
    EXPECT_EQ(CLoginManager::GetInstance()->GetUserSessionId(), "session-2");
    EXPECT_EQ(m_manager->GetPendingCount(), 2u);
}

TEST_F(TasManagerTest, ARefusedReloginStopsAndTellsTheEventWindow)
{
    for (int refusal : {16, 2}) {
        SCOPED_TRACE(refusal);
        m_events.Clear();
        ConnectUp();
        m_manager->RequestM00000005(L"7", L"10");
        const SentFrame request = LastFrame();
        Answer(request, 2);
        ASSERT_TRUE(zeltest::PumpUntil([&] { return LastFrame().msg == "M00000001"; }, 3000));
        const size_t written = Socket()->Frames().size();
        Answer(LastFrame(), refusal);
        EXPECT_FALSE(m_manager->IsReloginRunning());
        EXPECT_EQ(m_events.Count(WM_TAS_CONNECTION_LOST), 1u);
        zeltest::PumpFor(100);
        EXPECT_EQ(Socket()->Frames().size(), written) << "nothing resent with an empty session";
        EXPECT_EQ(m_manager->GetPendingCount(), 1u) << "the request stays pending";
        m_manager->ResetClient();
        m_manager->SetListener(m_listener.Handle());
    }
}

TEST_F(TasManagerTest, AnUpgradeAnswerEndsTheRecoveryAndNamesTheUrl)
{
    ConnectUp();
    m_manager->RequestM00000005(L"7", L"10");
    Answer(LastFrame(), 2);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return LastFrame().msg == "M00000001"; }, 3000));
    Json::Value upgrade;
    upgrade["upgrade"] = "true";
    upgrade["upgradeUrl"] = "http://127.0.0.1/\xEC\x97\x85";   // a Hangul syllable in UTF-8
    Answer(LastFrame(), 0, upgrade);
    ASSERT_EQ(m_events.Count(WM_TAS_UPGRADE), 1u);
    EXPECT_EQ(m_events.RecordsOf(WM_TAS_UPGRADE)[0].text, "http://127.0.0.1/\xEC\x97\x85");
    EXPECT_FALSE(m_manager->IsReloginRunning()) << "a later expiry can start a new re-login";
    EXPECT_EQ(m_manager->GetPendingCount(), 1u);
    EXPECT_EQ(LastFrame().msg, "M00000001") << "the pending request was not resent";
}

TEST_F(TasManagerTest, IdleTimeoutReconnectsOnceThenReportsTheLostConnection)
{
    ConnectUp();
    FakeTasSocket* first = Socket();
    m_manager->RequestM00000005(L"7", L"10");
    first->FireTimeout();
    EXPECT_TRUE(first->m_bReleased);
    FakeTasSocket* second = Socket();
    ASSERT_NE(second, first);
    EXPECT_EQ(second->m_nConnectCalls, 1);
    second->FireConnect();
    ASSERT_EQ(second->Frames().size(), 1u);
    EXPECT_EQ(second->Frames()[0].msg, "M00000005");
    EXPECT_EQ(m_events.Count(WM_TAS_CONNECTION_LOST), 0u);

    second->FireTimeout();
    EXPECT_EQ(m_events.Count(WM_TAS_CONNECTION_LOST), 1u);
    EXPECT_EQ(Socket(), second) << "the second time-out only reports";

    // A reply in between starts the count again.
    m_manager->RequestM00000004(L"7", L"");
    Answer(second->Frames().back());
    second->FireTimeout();
    EXPECT_EQ(m_events.Count(WM_TAS_CONNECTION_LOST), 1u);
    EXPECT_NE(Socket(), second);
}

TEST_F(TasManagerTest, IdleTimeoutWithNothingPendingClosesQuietly)
{
    ConnectUp();
    FakeTasSocket* first = Socket();
    first->FireTimeout();
    EXPECT_TRUE(first->m_bReleased);
    EXPECT_EQ(FakeSocketHub::Sockets().size(), 1u);
    EXPECT_TRUE(m_events.Records().empty());
    // The next request connects again by itself.
    m_manager->RequestM00000004(L"7", L"");
    ASSERT_EQ(FakeSocketHub::Sockets().size(), 2u);
    EXPECT_EQ(Socket()->m_nConnectCalls, 1);
}

TEST_F(TasManagerTest, CleanCloseReconnectsAndBacksOffWhileItRepeats)
{
    ConnectUp();
    m_manager->RequestM00000005(L"7", L"10");
    Socket()->FireClose(0);
    ASSERT_EQ(FakeSocketHub::Sockets().size(), 2u) << "the first reconnect goes at once";
    Socket()->FireConnect();
    EXPECT_EQ(Socket()->Frames().size(), 1u) << "the pending request again";
    Socket()->FireClose(0);
    EXPECT_EQ(FakeSocketHub::Sockets().size(), 2u) << "the next one waits";
    ASSERT_TRUE(zeltest::PumpUntil([] { return FakeSocketHub::Sockets().size() == 3; }, 3000));
    Socket()->FireConnect();
    EXPECT_EQ(Socket()->Frames().size(), 1u);
    EXPECT_TRUE(m_events.Records().empty());
}

TEST_F(TasManagerTest, ErrorsAndAFirstConnectionTimeOutAreReported)
{
    ConnectUp();
    Socket()->FireClose(10054);
    EXPECT_TRUE(zeltest::PumpUntil([&] { return m_events.Count(WM_TAS_SOCKET_ERROR) == 1; }, 2000));
    EXPECT_EQ(m_events.RecordsOf(WM_TAS_SOCKET_ERROR)[0].lParam, 10054);
    EXPECT_EQ(FakeSocketHub::Sockets().size(), 1u) << "no reconnect after an error";

    m_manager->ResetClient();
    m_manager->Connect(L"127.0.0.1", 16302);
    EXPECT_TRUE(m_manager->IsConnecting());
    Socket()->FireClose(-100);   // the connection time-out
    EXPECT_TRUE(zeltest::PumpUntil([&] { return m_events.Count(WM_TAS_SOCKET_ERROR) == 2; }, 2000));
    EXPECT_EQ(m_events.RecordsOf(WM_TAS_SOCKET_ERROR)[1].lParam, WSAETIMEDOUT);
    EXPECT_FALSE(m_manager->IsConnecting()) << "a later Connect can try again";
    m_manager->Connect(L"127.0.0.1", 16302);
    EXPECT_EQ(Socket()->m_nConnectCalls, 2);
}

TEST_F(TasManagerTest, LogOutParksTheClientAndItsLateRepliesAreDropped)
{
    ConnectUp();
    FakeTasSocket* old = Socket();
    m_manager->RequestM00000005(L"7", L"10");
    const SentFrame request = LastFrame();
    m_manager->ResetClient();
    EXPECT_EQ(m_manager->GetPendingCount(), 0u);
    EXPECT_EQ(m_manager->GetListener(), (HWND) nullptr);
    m_manager->SetListener(m_listener.Handle());
    EXPECT_FALSE(old->m_bReleased) << "the parked client keeps its connection";
    old->FireData(ReplyTo(request, 0, Json::Value(Json::objectValue)));
    old->FireClose(0);
    EXPECT_TRUE(m_listener.Records().empty());
    EXPECT_EQ(FakeSocketHub::Sockets().size(), 2u) << "the parked client's close reconnects nothing";

    m_manager->Connect(L"127.0.0.1", 16302);
    Socket()->FireConnect();
    m_manager->FreeParkedClient();
    EXPECT_TRUE(old->m_bReleased);
}

// The main dialog's log-out drops the client whose reply it is handling, while the socket worker
// waits in SendMessage: no deadlock, and nothing more of that connection is delivered.
TEST_F(TasManagerTest, ListenerMayDropTheClientWhileItsReplyIsDelivered)
{
    ConnectUp();
    m_manager->RequestM00000005(L"7", L"10");
    const SentFrame request = LastFrame();
    FakeTasSocket* socket = Socket();
    m_listener.OnMessage(WM_USER + 104, [&] {
        m_manager->ResetClient();
        m_manager->FreeParkedClient();
        m_manager->SetListener(m_listener.Handle());
    });
    const std::string twoReplies = ReplyTo(request, 0, Json::Value()) + ReplyTo(request, 0, Json::Value());
    std::atomic<bool> done{false};
    std::thread worker([&] {
        socket->FireData(twoReplies);
        done = true;
    });
    EXPECT_TRUE(zeltest::PumpUntil([&] { return done.load(); }, 10000)) << "the worker stayed blocked";
    worker.join();
    EXPECT_EQ(m_listener.Count(WM_USER + 104), 1u);
    EXPECT_TRUE(socket->m_bReleased);
}

TEST_F(TasManagerTest, NetworkStopDropsRepliesAndSendsNothing)
{
    ConnectUp();
    m_manager->RequestM00000005(L"7", L"10");
    const SentFrame request = LastFrame();
    g_bNetworkStop = TRUE;
    Answer(request);
    m_manager->RequestM00000004(L"7", L"");
    g_bNetworkStop = FALSE;
    EXPECT_TRUE(m_listener.Records().empty());
    EXPECT_EQ(Socket()->Frames().size(), 1u);
}

TEST_F(TasManagerTest, PendingTableSurvivesSendsAndRepliesOnTwoThreads)
{
    ConnectUp();
    const int kRequests = 1000;
    std::atomic<bool> done{false};
    std::thread sender([&] {
        for (int i = 0; i < kRequests; ++i) m_manager->RequestM00000036(L"1");
        done = true;
    });
    // Replies are matched on this thread while the other one adds requests.
    size_t consumed = 0, answered = 0;
    for (;;) {
        const std::string written = Socket()->Written();
        std::vector<SentFrame> frames = CutFrames(written.substr(consumed));
        for (const SentFrame& f : frames) {
            consumed += 196 + f.headerSection.size() + f.bodySection.size();
            Answer(f);
            ++answered;
        }
        if (frames.empty()) {
            if (done && consumed == Socket()->Written().size()) break;
            Sleep(1);
        }
    }
    sender.join();
    EXPECT_EQ(answered, (size_t)kRequests);
    EXPECT_EQ(m_manager->GetPendingCount(), 0u);
    EXPECT_EQ(m_listener.Count(WM_USER + 135), (size_t)kRequests);
}

}  // namespace
