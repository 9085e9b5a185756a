// The framed client over a scripted socket: queueing until the connection is up, writing whole
// frames without waiting, cutting received frames, and what stops it.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "net/protocol/NetworkStop.h"
#include "net/protocol/PlatformHeader.h"
#include "net/protocol/SocketErrorLog.h"
#include "net/protocol/TasClient.h"
#include "net/protocol/TasClientBaseManager.h"
#include "tests/net/protocol/FakeTasSocket.h"
#include "tests/net/protocol/ProtocolTestSupport.h"

using namespace prototest;

namespace {

// Records what the client reports, and what the socket had written when the connection was
// reported.
class StubManager : public CTasClientBaseManager {
public:
    void OnResponse(std::shared_ptr<CTasResponse> p) override { replies.push_back(p); }
    void OnConnect() override
    {
        ++connects;
        framesAtConnect = FakeSocketHub::Last() ? FakeSocketHub::Last()->Frames().size() : 0;
    }
    void OnTimeout(CTasClient*) override { ++timeouts; }
    void OnDisconnect(int code) override { disconnects.push_back(code); }

    std::vector<std::shared_ptr<CTasResponse>> replies;
    int connects = 0;
    size_t framesAtConnect = 0;
    int timeouts = 0;
    std::vector<int> disconnects;
};

class TasClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeSocketHub::Install();
        m_client.reset(new CTasClient(&m_manager, m_def.get(), 1, 1));
    }
    void TearDown() override
    {
        m_client.reset();
        FakeSocketHub::Uninstall();
        g_bNetworkStop = FALSE;
    }
    CTasRequest Request(const char* msg, int n)
    {
        PlatformHeader::_PHV102_VALUES v;
        v.strApplicationId = "PP01";
        v.strMessageId = msg;
        v.nTransactionId = (uint64_t)n;
        Json::Value* body = new Json::Value;
        (*body)["n"] = n;
        return CTasRequest(CTasRequest::HEADER_FORM_PHV102, PlatformHeader::BuildPhv102(v), nullptr, body);
    }
    FakeTasSocket* Socket() { return FakeSocketHub::Last(); }

    std::unique_ptr<CProtocolDef> m_def = LoadDefinitionText(kTestDefinition);
    StubManager m_manager;
    std::unique_ptr<CTasClient> m_client;
};

TEST_F(TasClientTest, RequestsBeforeTheConnectionGoFirstWhenItComesUp)
{
    ASSERT_TRUE(Socket());
    m_client->SetTimeout(60000);
    CTasRequest first = Request("M00000001", 1), second = Request("M00000001", 2);
    m_client->Send(&first);   // connects by itself
    m_client->Send(&second);
    EXPECT_EQ(Socket()->m_nConnectCalls, 1);
    EXPECT_TRUE(Socket()->Written().empty());
    EXPECT_EQ(m_client->GetQueuedCount(), 2u);
    EXPECT_EQ(Socket()->m_ulIdle, 60000u) << "every send arms the idle timer";

    Socket()->FireConnect();
    EXPECT_EQ(m_manager.connects, 1);
    EXPECT_EQ(m_manager.framesAtConnect, 2u) << "queued requests go out before the manager hears";
    std::vector<SentFrame> frames = Socket()->Frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].body["n"].asInt(), 1);
    EXPECT_EQ(frames[1].body["n"].asInt(), 2);
    // The caller keeps its request: the client sent a copy, and the lengths went into the copy.
    EXPECT_EQ(first.GetBodyLength(), 0u);

    CTasRequest third = Request("M00000001", 3);
    m_client->Send(&third);
    EXPECT_EQ(Socket()->Frames().size(), 3u) << "written at once while connected";
}

TEST_F(TasClientTest, ASocketThatTakesPartOfAFrameGetsTheRestWhenWritable)
{
    m_client->Connect("127.0.0.1", 1);
    Socket()->FireConnect();
    Socket()->m_nAccept = 100;
    CTasRequest a = Request("M00000001", 1), b = Request("M00000001", 2);
    m_client->Send(&a);   // returns at once with the tail kept
    EXPECT_EQ(Socket()->Written().size(), 100u);
    Socket()->m_nAccept = 0;   // would block
    m_client->Send(&b);   // queued behind the tail, without waiting
    Socket()->FireWritable();
    EXPECT_EQ(Socket()->Written().size(), 100u);
    Socket()->m_nAccept = -1;
    Socket()->FireWritable();
    std::vector<SentFrame> frames = Socket()->Frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].body["n"].asInt(), 2);
}

TEST_F(TasClientTest, WouldBlockKeepsTheFrameAndAnErrorDropsIt)
{
    m_client->Connect("127.0.0.1", 1);
    Socket()->FireConnect();
    Socket()->m_nSendError = WSAEWOULDBLOCK;
    CTasRequest a = Request("M00000001", 1);
    m_client->Send(&a);
    Socket()->m_nSendError = 0;
    Socket()->FireWritable();
    ASSERT_EQ(Socket()->Frames().size(), 1u);

    Socket()->m_nSendError = WSAECONNRESET;
    CTasRequest b = Request("M00000001", 2);
    m_client->Send(&b);
    Socket()->m_nSendError = 0;
    Socket()->FireWritable();
    EXPECT_EQ(Socket()->Frames().size(), 1u) << "a failed send is not repeated by the client";
}

TEST_F(TasClientTest, ReceivedFramesReachTheManagerInOrder)
{
    m_client->Connect("127.0.0.1", 1);
    Socket()->FireConnect();
    FrameSpec spec;
    spec.bodySection = Counted("{\"x\":1}");
    spec.transactionId = 5;
    std::string stream = MakeFrame(spec);
    spec.transactionId = 6;
    stream += MakeFrame(spec);
    Socket()->FireData(stream.substr(0, 3));
    Socket()->FireData(stream.substr(3));
    ASSERT_EQ(m_manager.replies.size(), 2u);
    EXPECT_EQ(m_manager.replies[0]->GetTransactionIdNumber(), 5u);
    EXPECT_EQ((*m_manager.replies[1]->GetBody())["x"].asInt(), 1);
}

TEST_F(TasClientTest, AFrameBeyondTheCapDropsTheConnection)
{
    m_client->Connect("127.0.0.1", 1);
    FakeTasSocket* first = Socket();
    first->FireConnect();
    m_client->GetFrameReader().SetMaxSectionBytes(1000);
    FrameSpec spec;
    spec.bodyLength = 5000;
    first->FireData(MakeFrame(spec));
    EXPECT_TRUE(first->m_bReleased);
    ASSERT_EQ(m_manager.disconnects.size(), 1u);
    EXPECT_EQ(m_manager.disconnects[0], CTasClient::kBrokenStreamError);
    EXPECT_TRUE(m_manager.replies.empty());
}

TEST_F(TasClientTest, NetworkStopAndClosedFlagStopEverything)
{
    m_client->Connect("127.0.0.1", 1);
    Socket()->FireConnect();
    FrameSpec spec;
    g_bNetworkStop = TRUE;
    Socket()->FireData(MakeFrame(spec));
    CTasRequest a = Request("M00000001", 1);
    m_client->Send(&a);
    EXPECT_EQ(m_client->Connect("127.0.0.1", 1), 0);
    g_bNetworkStop = FALSE;
    EXPECT_TRUE(m_manager.replies.empty());
    EXPECT_TRUE(Socket()->Written().empty());

    m_client->SetClosed();
    Socket()->FireData(MakeFrame(spec));
    Socket()->FireClose(0);
    EXPECT_TRUE(m_manager.replies.empty());
    EXPECT_TRUE(m_manager.disconnects.empty());
    EXPECT_EQ(m_client->Connect("127.0.0.1", 1), 0);
}

TEST_F(TasClientTest, CloseForgetsAHalfFrameAndTheNextConnectionStartsClean)
{
    m_client->Connect("127.0.0.1", 1);
    Socket()->FireConnect();
    FrameSpec spec;
    spec.transactionId = 1;
    Socket()->FireData(MakeFrame(spec).substr(0, 100));
    m_client->Close();
    EXPECT_EQ(m_client->GetFrameReader().GetPendingBytes(), 0u);
    m_client->Connect("127.0.0.1", 1);
    ASSERT_EQ(FakeSocketHub::Sockets().size(), 2u) << "a new socket for the new connection";
    Socket()->FireConnect();
    spec.transactionId = 2;
    Socket()->FireData(MakeFrame(spec));
    ASSERT_EQ(m_manager.replies.size(), 1u);
    EXPECT_EQ(m_manager.replies[0]->GetTransactionIdNumber(), 2u);
}

TEST_F(TasClientTest, CloseAndTimeoutReachTheManager)
{
    m_client->Connect("127.0.0.1", 1);
    Socket()->FireClose(10061);
    Socket()->FireTimeout();
    ASSERT_EQ(m_manager.disconnects.size(), 1u);
    EXPECT_EQ(m_manager.disconnects[0], 10061);
    EXPECT_EQ(m_manager.timeouts, 1);
}

TEST_F(TasClientTest, WithoutASocketConnectFailsAndSendQueues)
{
    m_client.reset();
    FakeSocketHub::FailCreates(true);
    m_client.reset(new CTasClient(&m_manager, m_def.get(), 1, 1));
    EXPECT_EQ(m_client->Connect("127.0.0.1", 1), 0);
    CTasRequest a = Request("M00000001", 1);
    m_client->Send(&a);
    EXPECT_EQ(m_client->GetQueuedCount(), 1u);
    FakeSocketHub::FailCreates(false);
    // Once a socket can be made, the queued request goes out with the connection.
    EXPECT_EQ(m_client->Connect("127.0.0.1", 1), 1);
    Socket()->FireConnect();
    EXPECT_EQ(Socket()->Frames().size(), 1u);
}

// The socket library's failures inside its barriers reach the application log once any server
// client exists.
TEST_F(TasClientTest, TheSocketLibrarysErrorsGoToTheApplicationLog)
{
    EXPECT_NE(dynamic_cast<CSocketErrorLog*>(CErrorHandler::GetGlobalLog()), nullptr);
    CErrorHandler::CErrorLog* pAttached = CErrorHandler::GetGlobalLog();
    AttachSocketErrorLog();
    EXPECT_EQ(CErrorHandler::GetGlobalLog(), pAttached) << "attached once";
}

}  // namespace

namespace {

// As a reconnect does: the time-out drops the client's socket from inside its own callback, and
// the callback goes on in the manager a while after that.
class ReconnectingManager : public CTasClientBaseManager {
public:
    void OnResponse(std::shared_ptr<CTasResponse>) override {}
    void OnConnect() override {}
    void OnDisconnect(int) override {}
    void OnTimeout(CTasClient* pClient) override
    {
        pClient->Close();
        SetEvent(inCallback);
        Sleep(300);
        finished = true;
    }
    HANDLE inCallback = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> finished{false};
};

}  // namespace

TEST(TasClientLifetimeTest, DeletingWaitsForACallbackStillRunningThroughASocketItGaveUp)
{
    FakeSocketHub::Install();
    std::unique_ptr<CProtocolDef> def = LoadDefinitionText(kTestDefinition);
    ReconnectingManager manager;
    CTasClient* pClient = new CTasClient(&manager, def.get(), 1, 1);
    pClient->Connect("127.0.0.1", 1);
    FakeTasSocket* pSocket = FakeSocketHub::Last();
    std::thread worker([pSocket] { pSocket->FireTimeout(); });
    ASSERT_EQ(WaitForSingleObject(manager.inCallback, 5000), WAIT_OBJECT_0);
    delete pClient;
    // Had the deletion not waited, the manager (and in the program, the client's owner) would be
    // gone while the callback still runs in it.
    EXPECT_TRUE(manager.finished);
    worker.join();
    CloseHandle(manager.inCallback);
    FakeSocketHub::Uninstall();
}
