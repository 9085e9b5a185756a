// The push and document-synchronisation clients over scripted sockets: their session exchange,
// keep-alives, deliveries, reconnects and the log-out hand-over.
#include <atomic>
#include <thread>

#include "net/protocol/JsonText.h"
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TPCClientManager.h"
#include "tests/net/protocol/ManagerTestSupport.h"
#include "tests/net/protocol/ProtocolTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace prototest;

namespace {

// Records the direct handlers' calls and the thread they run on.
class SyncRecorder : public ITDSSyncListener {
public:
    struct Call {
        std::string kind;
        Json::Value data;
        DWORD thread;
    };
    void OnSyncLine(const Json::Value& d) override { calls.push_back({"line", d, GetCurrentThreadId()}); }
    void OnSyncZoom(const Json::Value& d) override { calls.push_back({"zoom", d, GetCurrentThreadId()}); }
    void OnSyncPointer(const Json::Value& d) override { calls.push_back({"pointer", d, GetCurrentThreadId()}); }
    std::vector<Call> calls;
};

std::string DataBody(const std::string& dataText)
{
    Json::Value body;
    body["data"] = dataText;
    return StyledJson(body);
}

class TdsManagerTest : public ManagerTest {
protected:
    void SetUp() override
    {
        ManagerTest::SetUp();
        m_manager.reset(new CTDSClientManager());
        UseShortTimings(*m_manager);
        ASSERT_TRUE(m_manager->Init(zeltest::SourcePath(L"protocols/tds_protocol.xml").c_str()));
        m_manager->Connect(L"127.0.0.1", 16305);
        m_manager->SetEventWindow(m_events.Handle());
        m_manager->SetListener(m_listener.Handle(), &m_sync);
        m_listener.Expect(WM_TDS_PAGE, RecordingWindow::LPARAM_JSON);
    }
    void TearDown() override
    {
        m_manager.reset();
        ManagerTest::TearDown();
    }
    // The connect exchange: connect request out, reply with the keep-alive time.
    void OpenSession(int keepAlive)
    {
        Socket()->FireConnect();
        const SentFrame request = Socket()->Frames().back();
        ASSERT_EQ(request.msg, "M00000001");
        Json::Value body;
        body["keepAlliveTime"] = keepAlive;
        Socket()->FireData(ReplyTo(request, 0, body));
    }
    void Inject(const char* msg, const std::string& dataText)
    {
        FrameSpec spec;
        spec.version = "PHV106";
        spec.app = "TD01";
        spec.msg = msg;
        spec.bodySection = Counted(DataBody(dataText));
        Socket()->FireData(MakeFrame(spec));
    }

    std::unique_ptr<CTDSClientManager> m_manager;
    SyncRecorder m_sync;
};

TEST_F(TdsManagerTest, ConnectExchangeOpensTheSessionAndSetsTheKeepAlive)
{
    EXPECT_EQ(Socket()->m_ulIdle, 10000u);
    Socket()->FireConnect();
    const SentFrame request = Socket()->Frames().back();
    EXPECT_EQ(request.version, "PHV106");
    EXPECT_EQ(request.app, "TD01");
    EXPECT_EQ(request.body["WIFI_MAC"].asString(), kTestMac);
    EXPECT_TRUE(request.headerSection.empty());
    Json::Value body;
    body["keepAlliveTime"] = 7;
    Socket()->FireData(ReplyTo(request, 0, body));
    EXPECT_TRUE(m_manager->IsSessionOpen());
    EXPECT_EQ(m_manager->GetKeepAliveTime(), 7);
    EXPECT_EQ(Socket()->m_ulIdle, 70u) << "7 keep-alive units";
    EXPECT_EQ(m_listener.Count(WM_TDS_CONNECTED), 1u);
}

TEST_F(TdsManagerTest, ZeroOrNegativeKeepAliveLeavesTheTimer)
{
    for (int value : {0, -3}) {
        Socket()->FireConnect();
        Json::Value body;
        body["keepAlliveTime"] = value;
        Socket()->FireData(ReplyTo(Socket()->Frames().back(), 0, body));
        EXPECT_EQ(Socket()->m_ulIdle, 10000u) << value;
    }
    EXPECT_EQ(m_manager->GetKeepAliveTime(), -3);
}

TEST_F(TdsManagerTest, PresenterActionsReachTheUserInterfaceThreadInOrder)
{
    OpenSession(10);
    Inject("M00000004", R"({"mtngId":"7","page":"1","metaType":"1"})");
    Inject("M00000006", R"({"mtngId":"7","page":"2"})");
    Inject("M00000005", R"({"zoomFactor":"1.5"})");
    Inject("M00000007", "not json");
    Inject("M00000006", "");
    EXPECT_TRUE(m_sync.calls.empty()) << "nothing runs inside the socket's callback";
    ASSERT_TRUE(zeltest::PumpUntil([&] { return m_sync.calls.size() == 3 && m_listener.Count(WM_TDS_PAGE) == 2; }, 2000));
    EXPECT_EQ(m_sync.calls[0].kind, "line");
    EXPECT_EQ(m_sync.calls[0].data["page"].asString(), "1");
    EXPECT_EQ(m_sync.calls[1].kind, "zoom");
    EXPECT_EQ(m_sync.calls[2].kind, "pointer");
    EXPECT_TRUE(m_sync.calls[2].data.isNull()) << "text that is not JSON is handed on as null";
    for (const auto& call : m_sync.calls) EXPECT_EQ(call.thread, GetCurrentThreadId());
    std::vector<RecordingWindow::Record> pages = m_listener.RecordsOf(WM_TDS_PAGE);
    EXPECT_EQ(pages[0].json["page"].asString(), "2");
    EXPECT_TRUE(pages[1].json.isNull());
    // Order across kinds: line, page, zoom, pointer, page.
    std::vector<RecordingWindow::Record> all = m_listener.Records();
    EXPECT_EQ(all.back().msg, (UINT)WM_TDS_PAGE);
}

TEST_F(TdsManagerTest, ActionsWithoutAListenerAndFailedRepliesAreDropped)
{
    OpenSession(10);
    Inject("M00000006", R"({"page":"9"})");
    m_manager->ResetClient();
    zeltest::PumpFor(50);
    EXPECT_EQ(m_listener.Count(WM_TDS_PAGE), 0u) << "queued for a listener that has gone";

    m_manager->Connect(L"127.0.0.1", 16305);
    m_manager->SetListener(m_listener.Handle(), &m_sync);
    Socket()->FireConnect();
    Socket()->FireData(ReplyTo(Socket()->Frames().back(), 5, Json::Value()));
    EXPECT_FALSE(m_manager->IsSessionOpen()) << "a status other than 0 is dropped";
    EXPECT_EQ(m_listener.Count(WM_TDS_CONNECTED), 1u);
}

TEST_F(TdsManagerTest, KeepAliveCycleAndReconnectWhenUnanswered)
{
    OpenSession(10);
    FakeTasSocket* first = Socket();
    first->FireTimeout();
    const SentFrame keepAlive = first->Frames().back();
    EXPECT_EQ(keepAlive.app, "PFAP");
    EXPECT_EQ(keepAlive.msg, "M00000000");
    EXPECT_TRUE(keepAlive.bodySection.empty());
    EXPECT_TRUE(m_manager->IsKeepAliveSent());
    first->FireData(ServerFrame("PHV106", "PFAP", "M00000000", Json::Value()));
    EXPECT_FALSE(m_manager->IsKeepAliveSent());

    first->FireTimeout();   // a keep-alive again, left unanswered
    first->FireTimeout();
    EXPECT_TRUE(first->m_bReleased);
    FakeTasSocket* second = Socket();
    ASSERT_NE(second, first);
    EXPECT_EQ(second->m_nConnectCalls, 1);
    second->FireConnect();
    EXPECT_EQ(second->Frames().back().msg, "M00000001") << "the connect request again";
}

TEST_F(TdsManagerTest, CloseReconnectsWithBackOffAndUnreachableIsReported)
{
    OpenSession(10);
    Socket()->FireClose(0);
    ASSERT_EQ(FakeSocketHub::Sockets().size(), 2u);
    Socket()->FireClose(10061);   // refused: the server is down
    EXPECT_EQ(FakeSocketHub::Sockets().size(), 2u);
    ASSERT_TRUE(zeltest::PumpUntil([] { return FakeSocketHub::Sockets().size() == 3; }, 2000));
    Socket()->FireClose(10061);
    ASSERT_TRUE(zeltest::PumpUntil([] { return FakeSocketHub::Sockets().size() == 4; }, 2000));
    OpenSession(10);   // a session again: the next close reconnects at once
    Socket()->FireClose(0);
    EXPECT_EQ(FakeSocketHub::Sockets().size(), 5u);

    Socket()->FireClose(WSAEHOSTUNREACH);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return m_events.Count(WM_CLIENT_SOCKET_ERROR) == 1; }, 2000));
    EXPECT_EQ(m_events.RecordsOf(WM_CLIENT_SOCKET_ERROR)[0].lParam, WSAEHOSTUNREACH);
    zeltest::PumpFor(200);
    EXPECT_EQ(FakeSocketHub::Sockets().size(), 5u) << "not retried";
}

TEST_F(TdsManagerTest, ParkedClientTimerOnlyClosesIt)
{
    OpenSession(10);
    FakeTasSocket* old = Socket();
    m_manager->ResetClient();
    m_manager->RequestDisconnect();   // goes to the fresh client, queued until it connects
    old->FireTimeout();
    EXPECT_TRUE(old->m_bReleased);
    EXPECT_FALSE(m_manager->IsSessionOpen());
    EXPECT_EQ(old->Frames().back().msg, "M00000001") << "nothing more sent on the parked client";
    Socket()->FireConnect();
    EXPECT_EQ(Socket()->Frames().front().msg, "M00000002");
}

class TpcManagerTest : public ManagerTest {
protected:
    void SetUp() override
    {
        ManagerTest::SetUp();
        m_manager.reset(new CTPCClientManager());
        UseShortTimings(*m_manager);
        ASSERT_TRUE(m_manager->Init(zeltest::SourcePath(L"protocols/pps_protocol.xml").c_str()));
        m_manager->Connect(L"127.0.0.1", 16301);
        m_manager->SetEventWindow(m_events.Handle());
        m_manager->SetListener(m_listener.Handle());
        m_listener.Expect(WM_TPC_PUSH_ITEM, RecordingWindow::LPARAM_PUSH_ITEM);
    }
    void TearDown() override
    {
        m_manager.reset();
        ManagerTest::TearDown();
    }
    static std::string PushFrame(const char* app, const char* msg, const std::string& body, int status = 0)
    {
        FrameSpec spec;
        spec.app = app;
        spec.msg = msg;
        spec.status = status;
        spec.headerSection = Counted("{\"status\":0}");
        spec.bodySection = body;
        return MakeFrame(spec);
    }
    static std::string Item(const std::string& uuid, const std::string& data)
    {
        return Counted("app") + Counted("pkg") + Counted("action") + Counted(data) + Counted(uuid) + Counted("N") + U32(0);
    }
    std::unique_ptr<CTPCClientManager> m_manager;
};

TEST_F(TpcManagerTest, RegistrationSessionDeliveryAndOneAcknowledgement)
{
    EXPECT_EQ(Socket()->m_ulIdle, 30000u);
    Socket()->FireConnect();
    const SentFrame registration = Socket()->Frames().back();
    EXPECT_EQ(registration.app, "PPSE");
    EXPECT_EQ(registration.msg, "M00000005");
    EXPECT_EQ(registration.header["status"].asInt(), 0);
    const std::string mac = std::string("PPM-") + kTestMac + "-W";
    EXPECT_EQ(registration.bodySection, Counted("TPS") + Counted(CTPCClientManager::kAccessKey) + Counted(mac) + U32(1));

    Socket()->FireData(PushFrame("PPSE", "M00000005", Counted("PK-1")));
    EXPECT_EQ(m_listener.Count(WM_TPC_PUSH_KEY), 1u);
    EXPECT_EQ(CStringA(m_manager->GetPushKey()), "PK-1");
    m_manager->RequestConnect();
    EXPECT_EQ(Socket()->Frames().back().bodySection,
              Counted("TPS") + Counted(CTPCClientManager::kAccessKey) + Counted("PK-1") + U32(1));
    Socket()->FireData(PushFrame("PPSE", "M00000001", U32(3)));
    EXPECT_TRUE(m_manager->IsSessionOpen());
    EXPECT_EQ(Socket()->m_ulIdle, 30u);
    EXPECT_EQ(m_listener.Count(WM_TPC_SESSION_OPEN), 1u);

    Socket()->FireData(PushFrame("PFAP", "M00000001",
                                 U32(3) + Item("u1", R"({"messageId":"broadcasting:01","mtngId":"7"})") +
                                     Item("u2", "{broken") + Item("u3", R"({"messageId":"synchronization:01"})")));
    std::vector<RecordingWindow::Record> items = m_listener.RecordsOf(WM_TPC_PUSH_ITEM);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].json["messageId"].asString(), "broadcasting:01");
    EXPECT_EQ(items[1].json["messageId"].asString(), "synchronization:01");
    const SentFrame ack = Socket()->Frames().back();
    EXPECT_EQ(ack.app, "PFAP");
    EXPECT_EQ(ack.msg, "M00000002");
    EXPECT_EQ(ack.bodySection, U32(3) + Counted("u1") + Counted("PPC") + U32(0) + Counted("u2") + Counted("PPC") + U32(0) +
                                   Counted("u3") + Counted("PPC") + U32(0));
}

TEST_F(TpcManagerTest, EmptyDeliveryIsNotAcknowledgedAndFailedRegistrationRetries)
{
    Socket()->FireConnect();
    const size_t before = Socket()->Frames().size();
    Socket()->FireData(PushFrame("PFAP", "M00000001", U32(0)));
    EXPECT_EQ(Socket()->Frames().size(), before);
    EXPECT_TRUE(m_listener.Records().empty());

    Socket()->FireData(PushFrame("PPSE", "M00000005", Counted("PK-9"), 3));
    EXPECT_EQ(m_listener.Count(WM_TPC_PUSH_KEY), 0u);
    EXPECT_TRUE(m_manager->GetPushKey().IsEmpty());
    FakeTasSocket* first = Socket();
    first->FireTimeout();   // no session: reconnect and register again
    EXPECT_TRUE(first->m_bReleased);
    Socket()->FireConnect();
    EXPECT_EQ(Socket()->Frames().back().msg, "M00000005");
}

TEST_F(TpcManagerTest, DeliveryWithoutAListenerIsAcknowledgedInFull)
{
    Socket()->FireConnect();
    m_manager->SetListener((HWND) nullptr);
    Socket()->FireData(PushFrame("PFAP", "M00000001", U32(2) + Item("a", "{}") + Item("b", "{}")));
    EXPECT_TRUE(m_listener.Records().empty());
    EXPECT_EQ(Socket()->Frames().back().msg, "M00000002");
    EXPECT_EQ(Socket()->Frames().back().bodySection.substr(0, 4), U32(2));
}

}  // namespace

TEST_F(TpcManagerTest, AKeepAliveUnderWayOnTheWorkerFindsTheWholeClientUntilItEnds)
{
    Socket()->FireConnect();
    Socket()->FireData(PushFrame("PPSE", "M00000005", Counted("PK-1")));
    m_manager->RequestConnect();
    Socket()->FireData(PushFrame("PPSE", "M00000001", U32(3)));
    ASSERT_TRUE(m_manager->IsSessionOpen());

    // The keep-alive's write stalls on the worker while the client is destroyed on this thread;
    // when it goes on, the push client must still be itself, not a half-destroyed base that the
    // next virtual call would jump through.
    HANDLE inWrite = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> wholeAfterTheStall{-1};
    CSessionClientManager* pSession = m_manager.get();
    FakeTasSocket* pSocket = Socket();
    pSocket->m_onWritten = [&] {
        if (WaitForSingleObject(inWrite, 0) == WAIT_OBJECT_0) return;
        SetEvent(inWrite);
        Sleep(300);
        wholeAfterTheStall = dynamic_cast<CTPCClientManager*>(pSession) != nullptr ? 1 : 0;
    };
    std::thread worker([pSocket] { pSocket->FireTimeout(); });
    ASSERT_EQ(WaitForSingleObject(inWrite, 5000), WAIT_OBJECT_0);
    m_manager.reset();
    worker.join();
    CloseHandle(inWrite);
    EXPECT_EQ(wholeAfterTheStall, 1);
}
