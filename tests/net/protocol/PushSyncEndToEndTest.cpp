// The push and document-synchronisation clients against the local test servers over TLS.
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TPCClientManager.h"
#include "tests/net/protocol/EndToEndSupport.h"

using namespace prototest;

namespace {

class PushSyncEndToEndTest : public EndToEndTest {
protected:
    void Configure(const char* key, int value)
    {
        Json::Value config;
        config["cmd"] = "config";
        config[key] = value;
        Control(config);
    }
    static void ShortTimings(CTasClientBaseManager& manager)
    {
        _CLIENT_TIMINGS timings = manager.GetTimings();
        timings.dwKeepAliveUnit = 100;
        timings.dwBackoffFirst = 100;
        manager.SetTimings(timings);
    }
};

// Runs on the user-interface thread, records what it was given.
class SyncRecorder : public ITDSSyncListener {
public:
    void OnSyncLine(const Json::Value& d) override { Add("line", d); }
    void OnSyncZoom(const Json::Value& d) override { Add("zoom", d); }
    void OnSyncPointer(const Json::Value& d) override { Add("pointer", d); }
    void Add(const char* kind, const Json::Value& d)
    {
        kinds.push_back(kind);
        data.push_back(d);
        threads.push_back(GetCurrentThreadId());
    }
    std::vector<std::string> kinds;
    std::vector<Json::Value> data;
    std::vector<DWORD> threads;
};

TEST_F(PushSyncEndToEndTest, PushKeySessionDeliveriesAndOneAcknowledgement)
{
    Configure("push_keepalive", 2);
    CTPCClientManager tpc;
    ShortTimings(tpc);
    ASSERT_TRUE(tpc.Init(zeltest::SourcePath(L"protocols/pps_protocol.xml").c_str()));
    m_listener.Expect(WM_TPC_PUSH_ITEM, RecordingWindow::LPARAM_PUSH_ITEM);
    // As the main dialog does: on the key, open the session.
    m_listener.OnMessage(WM_TPC_PUSH_KEY, [&tpc] { tpc.RequestConnect(); });
    tpc.Connect(CString(L"127.0.0.1"), ServerPort(PORT_PUSH));
    tpc.SetEventWindow(m_events.Handle());
    tpc.SetListener(m_listener.Handle());
    ASSERT_TRUE(m_listener.WaitFor(WM_TPC_SESSION_OPEN, 1, 15000)) << "no push session";
    EXPECT_EQ(tpc.GetKeepAliveInterval(), 2);
    EXPECT_EQ(CStringA(tpc.GetPushKey()).Left(3), "PK-");
    const Json::Value registration = Frames("push", "PPSE", "M00000005");
    ASSERT_EQ(registration.size(), 1u);
    EXPECT_EQ(registration[0]["body"]["deviceUuid"].asString(), "PPM-0A1B2C3D4E5F-W");
    EXPECT_EQ(registration[0]["body"]["locale"].asInt(), 1);

    Json::Value push;
    push["cmd"] = "push";
    Json::Value item;
    item["deviceMessageUuid"] = "u1";
    item["data"]["messageId"] = "broadcasting:01";
    item["data"]["mtngId"] = "7";
    push["items"].append(item);
    item = Json::Value();
    item["deviceMessageUuid"] = "u2";
    item["data"] = "{not json";
    push["items"].append(item);
    item = Json::Value();
    item["deviceMessageUuid"] = "u3";
    item["data"]["messageId"] = "synchronization:01";
    push["items"].append(item);
    Control(push);

    ASSERT_TRUE(m_listener.WaitFor(WM_TPC_PUSH_ITEM, 2, 10000));
    ASSERT_TRUE(WaitForFrames("push", "PFAP", "M00000002", 1)) << "no acknowledgement";
    const std::vector<RecordingWindow::Record> items = m_listener.RecordsOf(WM_TPC_PUSH_ITEM);
    EXPECT_EQ(items[0].json["messageId"].asString(), "broadcasting:01");
    EXPECT_EQ(items[1].json["messageId"].asString(), "synchronization:01");
    const Json::Value acks = Frames("push", "PFAP", "M00000002");
    ASSERT_EQ(acks.size(), 1u);
    const Json::Value& results = acks[0]["body"]["pushItemResultList"];
    ASSERT_EQ(results.size(), 3u);
    const char* uuids[] = {"u1", "u2", "u3"};
    for (Json::ArrayIndex i = 0; i < 3; ++i) {
        EXPECT_EQ(results[i]["deviceMessageUuid"].asString(), uuids[i]);
        EXPECT_EQ(results[i]["type"].asString(), "PPC");
        EXPECT_EQ(results[i]["status"].asInt(), 0);
    }
    // The session is kept alive at the interval the server named.
    EXPECT_TRUE(WaitForFrames("push", "PFAP", "M00000000", 2, 10000));
    EXPECT_EQ(Frames("push", "PPSE", "M00000005").size(), 1u) << "answered keep-alives need no reconnect";
}

TEST_F(PushSyncEndToEndTest, SynchronisationReachesTheHandlersOnTheUserInterfaceThread)
{
    Configure("tds_keepalive", 2);
    CTDSClientManager tds;
    ShortTimings(tds);
    ASSERT_TRUE(tds.Init(zeltest::SourcePath(L"protocols/tds_protocol.xml").c_str()));
    SyncRecorder sync;
    m_listener.Expect(WM_TDS_PAGE, RecordingWindow::LPARAM_JSON);
    tds.Connect(CString(L"127.0.0.1"), ServerPort(PORT_TDS));
    tds.SetEventWindow(m_events.Handle());
    tds.SetListener(m_listener.Handle(), &sync);
    ASSERT_TRUE(m_listener.WaitFor(WM_TDS_CONNECTED, 1, 15000)) << "no synchronisation session";
    EXPECT_EQ(tds.GetKeepAliveTime(), 2);
    const Json::Value connects = Frames("tds", "TD01", "M00000001");
    ASSERT_EQ(connects.size(), 1u);
    EXPECT_EQ(connects[0]["version"].asString(), "PHV106");
    EXPECT_EQ(connects[0]["body"]["WIFI_MAC"].asString(), "0A1B2C3D4E5F");
    ASSERT_TRUE(WaitForFrames("tds", "PFAP", "M00000000", 2, 10000)) << "no keep-alive cycle";

    const struct {
        const char* action;
        const char* data;
    } actions[] = {
        {"lines", R"({"mtngId":"7","attachId":"3","page":"1","metaType":"1","content":"{\"line\":{\"lineId\":\"L1\"}}"})"},
        {"zoom", R"({"mtngId":"7","attachId":"3","zoomFactor":"1.5","originX":"10","originY":"-20"})"},
        {"page", R"({"mtngId":"7","attachId":"3","page":"2"})"},
        {"pointer", R"({"mtngId":"7","userIdnfr":"1001","attcFileId":"3","page":"2","pointerX":"5","pointerY":"6"})"},
    };
    for (const auto& a : actions) {
        Json::Value command;
        command["cmd"] = "tds";
        command["action"] = a.action;
        command["data"] = a.data;   // sent as the text it is
        Control(command);
    }
    ASSERT_TRUE(PumpUntil([&] { return sync.kinds.size() == 3 && m_listener.Count(WM_TDS_PAGE) == 1; }));
    EXPECT_EQ(sync.kinds, (std::vector<std::string>{"line", "zoom", "pointer"}));
    EXPECT_EQ(sync.data[0]["content"].asString(), "{\"line\":{\"lineId\":\"L1\"}}");
    EXPECT_EQ(sync.data[1]["zoomFactor"].asString(), "1.5");
    EXPECT_EQ(sync.data[2]["pointerY"].asString(), "6");
    for (DWORD thread : sync.threads) EXPECT_EQ(thread, GetCurrentThreadId());
    EXPECT_EQ(m_listener.RecordsOf(WM_TDS_PAGE)[0].json["page"].asString(), "2");
    EXPECT_EQ(Frames("tds", "TD01", "M00000001").size(), 1u) << "the keep-alives kept the session";

    // Leaving: the disconnect request goes out on the live connection.
    tds.RequestDisconnect();
    EXPECT_TRUE(WaitForFrames("tds", "TD01", "M00000002", 1));
}

TEST_F(PushSyncEndToEndTest, SynchronisationReconnectsAfterTheServerCloses)
{
    CTDSClientManager tds;
    ShortTimings(tds);
    ASSERT_TRUE(tds.Init(zeltest::SourcePath(L"protocols/tds_protocol.xml").c_str()));
    SyncRecorder sync;
    tds.Connect(CString(L"127.0.0.1"), ServerPort(PORT_TDS));
    tds.SetListener(m_listener.Handle(), &sync);
    ASSERT_TRUE(m_listener.WaitFor(WM_TDS_CONNECTED, 1, 15000));
    Json::Value close;
    close["cmd"] = "close";
    close["server"] = "tds";
    Control(close);
    ASSERT_TRUE(m_listener.WaitFor(WM_TDS_CONNECTED, 2, 15000)) << "no new session after the close";
    EXPECT_EQ(Frames("tds", "TD01", "M00000001").size(), 2u);
}

}  // namespace
