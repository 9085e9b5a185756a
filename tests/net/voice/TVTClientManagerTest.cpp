// The voice-conference client over scripted sockets: its requests, its replies, the voice channel
// it opens, its retries, and where its questions and notices go.
#include <winsock2.h>

#include <atomic>
#include <thread>

#include "core/MeetingManager.h"
#include "core/SettingManager.h"
#include "net/socket/SocketBase.h"
#include "net/voice/TVTClientManager.h"
#include "net/voice/TVTDataController.h"
#include "platform/MessageBox.h"
#include "tests/net/protocol/ManagerTestSupport.h"
#include "tests/net/protocol/ProtocolTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace prototest;

namespace {

// The answers the reconnect question gets, and the threads it was asked on.
int g_nAnswer = IDNO;
std::vector<DWORD> g_questionThreads;
std::vector<std::wstring> g_questions;

int AnswerQuestion(LPCTSTR pszText, LPCTSTR, UINT)
{
    g_questions.push_back(pszText);
    g_questionThreads.push_back(GetCurrentThreadId());
    return g_nAnswer;
}

class TvtManagerTest : public ManagerTest {
protected:
    void SetUp() override
    {
        ManagerTest::SetUp();
        ASSERT_TRUE(CSocketBase::InitializeSockets(true, 2));
        CSettingManager::GetInstance()->SetTVTAddress(L"127.0.0.1");
        CSettingManager::GetInstance()->SetTVTPort(16306);
        m_manager.reset(new CTVTClientManager());
        ASSERT_TRUE(m_manager->Init(zeltest::SourcePath(L"protocols/tvt_protocol.xml").c_str()));
        m_manager->SetListener(m_listener.Handle());
        m_listener.Expect(WM_TVT_RESPONSE, RecordingWindow::LPARAM_REPLY);
        zel::SetMessageBoxHook(AnswerQuestion);
        g_nAnswer = IDNO;
        g_questions.clear();
        g_questionThreads.clear();
    }
    void TearDown() override
    {
        m_manager.reset();
        zel::SetMessageBoxHook(nullptr);
        CMeetingManager::DestroyInstance();
        EXPECT_TRUE(CSocketBase::ShutdownSockets());
        ManagerTest::TearDown();
    }
    // Start, the connection up, the join request out; returns the join request.
    SentFrame Join(const CString& strGroup = L"MTG-9")
    {
        m_manager->Start(strGroup);
        Socket()->FireConnect();
        return Socket()->Frames().back();
    }
    static Json::Value Endpoints(unsigned short nSend, unsigned short nReceive)
    {
        Json::Value body;
        body["OUT_SENT_IP"] = "127.0.0.1";
        body["OUT_SENT_PORT"] = std::to_string(nSend);
        body["OUT_RECEIVE_IP"] = "127.0.0.1";
        body["OUT_RECEIVE_PORT"] = std::to_string(nReceive);
        body["OUT_TOTAL_CNT"] = 2;
        return body;
    }
    void SetMeetingStatus(const char* pszStatus)
    {
        CMeetingManager::GetInstance()->SetCurrentMeeting(L"7")->SetStatus(pszStatus);
    }

    std::unique_ptr<CTVTClientManager> m_manager;
};

TEST_F(TvtManagerTest, JoinRequestAndItsHeaders)
{
    EXPECT_EQ(FakeSocketHub::Sockets().size(), 1u) << "Init makes the client without connecting";
    EXPECT_EQ(Socket()->m_nConnectCalls, 0);
    const SentFrame join = Join();
    EXPECT_EQ(Socket()->m_host, "127.0.0.1");
    EXPECT_EQ(Socket()->m_port, 16306);
    EXPECT_EQ(Socket()->m_ulIdle, 20000u);
    EXPECT_EQ(Socket()->m_ulConnectTimeout, 30000u);
    EXPECT_EQ(join.version, "PHV102");
    EXPECT_EQ(join.app, "A002");
    EXPECT_EQ(join.msg, "CON000001");
    EXPECT_EQ(join.body["pushKey"].asString(), std::string("PPM-") + kTestMac + "-W");
    EXPECT_EQ(join.header["GROUPID"].asString(), "MTG-9");
    EXPECT_EQ(join.header["ACCOUNTID"].asString(), "1001");
    EXPECT_EQ(join.header["AUTHORITY_TYPE"].asString(), "0");
    for (const char* key : {"AUTHKEY", "APP_VERSION", "APP_UPDATE_URL", "ERRORMSG"})
        EXPECT_EQ(join.header[key].asString(), "") << key;
    EXPECT_EQ(join.header.size(), 7u);
}

TEST_F(TvtManagerTest, SpeakAndAuthorityRequests)
{
    Join();
    m_manager->RequestSpeak(1002);
    m_manager->RequestSpeakState(TRUE);
    m_manager->RequestSpeakState(FALSE);
    m_manager->RequestAuthority();
    std::vector<SentFrame> frames = Socket()->Frames();
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_EQ(frames[1].msg, "SAY000001");
    EXPECT_TRUE(frames[1].body["IN_REQ_TYPE"].isInt());
    EXPECT_EQ(frames[1].body["IN_REQ_TYPE"].asInt(), 1);
    EXPECT_EQ(frames[1].body["IN_ACCOUNTID"].asString(), "1002");
    EXPECT_EQ(frames[2].msg, "SAY000011");
    EXPECT_EQ(frames[2].body["IN_REQ_TYPE"].asString(), "1");
    EXPECT_EQ(frames[3].body["IN_REQ_TYPE"].asString(), "0");
    EXPECT_EQ(frames[4].msg, "MEET00009");
    EXPECT_EQ(frames[4].header["AUTHORITY_TYPE"].asString(), "1");
    EXPECT_TRUE(frames[4].bodySection.empty());
}

TEST_F(TvtManagerTest, JoinReplyOpensTheVoiceChannelAndReachesTheListener)
{
    const SentFrame join = Join();
    Socket()->FireData(ReplyTo(join, 0, Endpoints(40001, 40002)));
    ASSERT_TRUE(m_manager->GetDataChannel());
    EXPECT_TRUE(m_manager->IsSessionOpen());
    ASSERT_EQ(m_listener.Count(WM_TVT_RESPONSE), 1u);
    EXPECT_EQ(m_listener.Records()[0].messageId, "CON000001");
    // Replies passed on, and the one that is not.
    for (const char* msg : {"SAY000001", "SAY000011", "CALB00010", "MEET00009", "XYZ000001"})
        Socket()->FireData(ServerFrame("PHV102", "A002", msg, Json::Value(Json::objectValue)));
    std::vector<RecordingWindow::Record> records = m_listener.Records();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].messageId, "SAY000001");
    EXPECT_EQ(records[3].messageId, "CALB00010");
}

TEST_F(TvtManagerTest, JoinReplyWithoutEndpointsOrWithAStatus)
{
    const SentFrame join = Join();
    Socket()->FireData(ReplyTo(join, 5, Endpoints(40001, 40002)));
    EXPECT_FALSE(m_manager->GetDataChannel()) << "a refused join opens no voice channel";
    EXPECT_FALSE(m_manager->IsSessionOpen());
    EXPECT_EQ(m_listener.Count(WM_TVT_RESPONSE), 0u);
    // The next idle time-out connects again.
    const size_t nSockets = FakeSocketHub::Sockets().size();
    Socket()->FireTimeout();
    EXPECT_EQ(FakeSocketHub::Sockets().size(), nSockets + 1);

    Socket()->FireConnect();
    Socket()->FireData(ReplyTo(Socket()->Frames().back(), 0, Json::Value(Json::objectValue)));
    EXPECT_TRUE(m_manager->GetDataChannel()) << "a channel with empty addresses and port 0";
}

TEST_F(TvtManagerTest, KeepAliveCycle)
{
    const SentFrame join = Join();
    const size_t nSockets = FakeSocketHub::Sockets().size();
    Socket()->FireData(ReplyTo(join, 0, Endpoints(40001, 40002)));
    Socket()->FireTimeout();
    EXPECT_EQ(Socket()->Frames().back().msg, "CON000000");
    EXPECT_TRUE(m_manager->IsKeepAliveSent());
    Socket()->FireData(ReplyTo(Socket()->Frames().back(), 0, Json::Value()));
    EXPECT_FALSE(m_manager->IsKeepAliveSent());
    Socket()->FireTimeout();
    EXPECT_EQ(Socket()->Frames().back().msg, "CON000000");
    // Unanswered at the next expiry: a new connection, without the old voice channel.
    Socket()->FireTimeout();
    EXPECT_EQ(FakeSocketHub::Sockets().size(), nSockets + 1);
    EXPECT_FALSE(m_manager->GetDataChannel());
    EXPECT_FALSE(m_manager->IsKeepAliveSent());
}

TEST_F(TvtManagerTest, IdleTimeOutWithoutAGroupDoesNothing)
{
    m_manager->Start(L"");
    Socket()->FireConnect();
    const size_t nFrames = Socket()->Frames().size();
    const size_t nSockets = FakeSocketHub::Sockets().size();
    Socket()->FireTimeout();
    EXPECT_EQ(Socket()->Frames().size(), nFrames);
    EXPECT_EQ(FakeSocketHub::Sockets().size(), nSockets);
}

TEST_F(TvtManagerTest, StopDropsRepliesAndTheNextTimeOutOnlyCloses)
{
    const SentFrame join = Join();
    const size_t nSockets = FakeSocketHub::Sockets().size();
    Socket()->FireData(ReplyTo(join, 0, Endpoints(40001, 40002)));
    m_manager->Stop();
    EXPECT_FALSE(m_manager->GetDataChannel());
    Socket()->FireData(ServerFrame("PHV102", "A002", "CALB00010", Json::Value(Json::objectValue)));
    EXPECT_EQ(m_listener.Count(WM_TVT_RESPONSE), 1u) << "a reply after Stop reached the listener";
    size_t nFrames = Socket()->Frames().size();
    Socket()->FireTimeout();
    EXPECT_TRUE(Socket()->m_bReleased) << "the connection ends";
    EXPECT_EQ(Socket()->Frames().size(), nFrames) << "no keep-alive after Stop";
    EXPECT_FALSE(m_manager->IsStopped());
    EXPECT_EQ(FakeSocketHub::Sockets().size(), nSockets);
}

TEST_F(TvtManagerTest, ThirdAttemptInARowTellsTheEventWindow)
{
    m_manager->SetEventWindow(m_events.Handle());
    SetMeetingStatus("02");
    const size_t nSockets = FakeSocketHub::Sockets().size();
    m_manager->Start(L"MTG-9");
    EXPECT_EQ(m_manager->GetRetryCount(), 1);
    Socket()->FireClose(10061);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return m_manager->GetRetryCount() == 2; }, 2000));
    Socket()->FireClose(10061);
    ASSERT_TRUE(m_events.WaitFor(WM_TVT_CONNECT_FAILED, 1, 2000));
    EXPECT_EQ(m_manager->GetRetryCount(), 0);
    EXPECT_EQ(FakeSocketHub::Sockets().size(), nSockets + 2) << "two connects, no third";
    // A successful connect starts the count again.
    m_manager->Start(L"MTG-9");
    Socket()->FireConnect();
    EXPECT_EQ(m_manager->GetRetryCount(), 0);
}

struct DisconnectCase {
    const char* status;   // current meeting's status; null: no current meeting
    bool reconnects;
};

TEST_F(TvtManagerTest, OtherErrorsReconnectOnlyWhileTheMeetingRuns)
{
    const DisconnectCase cases[] = {{nullptr, false}, {"00", false}, {"01", true}, {"02", true}, {"03", false},
                                    {"05", true}, {"10", false}, {"11", true}, {"12", true}, {"13", true}};
    for (const DisconnectCase& c : cases) {
        CMeetingManager::DestroyInstance();
        if (c.status) SetMeetingStatus(c.status);
        Join();
        size_t nSockets = FakeSocketHub::Sockets().size();
        Socket()->FireClose(0);
        EXPECT_FALSE(m_manager->IsSessionOpen());
        zeltest::PumpFor(50);
        EXPECT_EQ(FakeSocketHub::Sockets().size() > nSockets, c.reconnects) << (c.status ? c.status : "none");
    }
}

TEST_F(TvtManagerTest, UnreachableNetworkGoesToTheEventWindow)
{
    m_manager->SetEventWindow(m_events.Handle());
    for (int code : {10051, 10065}) {
        Join();
        Socket()->FireClose(code);
    }
    ASSERT_TRUE(m_events.WaitFor(WM_TVT_SOCKET_ERROR, 2, 2000));
    std::vector<RecordingWindow::Record> records = m_events.RecordsOf(WM_TVT_SOCKET_ERROR);
    EXPECT_EQ(records[0].lParam, 10051);
    EXPECT_EQ(records[1].lParam, 10065);
    EXPECT_TRUE(g_questions.empty());
}

TEST_F(TvtManagerTest, ReconnectQuestionIsAskedOnTheUserInterfaceThread)
{
    Join();
    size_t nSockets = FakeSocketHub::Sockets().size();
    g_nAnswer = IDYES;
    // The close arrives on a socket worker: the question must not be asked there.
    std::thread worker([&] { Socket()->FireClose(10065); });
    worker.join();
    EXPECT_TRUE(g_questions.empty()) << "asked on the worker";
    ASSERT_TRUE(zeltest::PumpUntil([&] { return !g_questions.empty(); }, 2000));
    EXPECT_EQ(g_questions[0], CTVTClientManager::kReconnectQuestion);
    EXPECT_EQ(g_questionThreads[0], GetCurrentThreadId());
    EXPECT_EQ(FakeSocketHub::Sockets().size(), nSockets + 1) << "Yes reconnects";

    g_nAnswer = IDNO;
    Socket()->FireClose(10051);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return g_questions.size() == 2; }, 2000));
    zeltest::PumpFor(50);
    EXPECT_EQ(FakeSocketHub::Sockets().size(), nSockets + 1) << "No ends the conference connection";
}

// The capture thread sends voice while the socket worker replaces the voice channel and the user
// stops the conference: the channel must outlive every send that still uses it.
TEST_F(TvtManagerTest, VoiceChannelOutlivesConcurrentSends)
{
    const SentFrame join = Join();
    std::atomic<bool> bDone(false);
    std::atomic<int> nSends(0);
    std::thread capture([&] {
        const BYTE frame[100] = {1, 2, 3};
        while (!bDone) {
            m_manager->SendVoice(frame, sizeof frame);
            ++nSends;
        }
    });
    for (int i = 0; i < 60; ++i) {
        Socket()->FireData(ReplyTo(join, 0, Endpoints(40001, 40002)));
        if (i % 3 == 0) m_manager->Stop();
        if (i % 3 == 1) m_manager->Start(L"MTG-9");
    }
    bDone = true;
    capture.join();
    EXPECT_GT(nSends.load(), 0);
}

}  // namespace
