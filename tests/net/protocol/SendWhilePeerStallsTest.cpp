// The framed client over the socket library's real socket, against a loopback peer that stops
// reading: a request larger than the network takes must not hold the sending thread, so that a
// reply delivered meanwhile (a message sent from the socket's worker) can run a window handler that
// sends again. A watchdog ends the program when the sending thread hangs for good.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

#include "net/protocol/NetworkStop.h"
#include "net/protocol/PlatformHeader.h"
#include "net/protocol/TasClient.h"
#include "net/protocol/TasClientBaseManager.h"
#include "net/socket/SocketBase.h"
#include "tests/net/protocol/FakeTasSocket.h"
#include "tests/net/protocol/ProtocolTestSupport.h"
#include "tests/net/protocol/RecordingWindow.h"
#include "tests/support/TestSupport.h"

using namespace prototest;

namespace {

const UINT WM_TEST_REPLY = WM_APP + 41;

// Hands every reply to the window of the test's thread by SendMessage, as the application
// server's manager does.
class SendingManager : public CTasClientBaseManager {
public:
    explicit SendingManager(HWND hWnd) : m_hWnd(hWnd) {}
    void OnResponse(std::shared_ptr<CTasResponse> p) override { SendMessage(m_hWnd, WM_TEST_REPLY, 0, (LPARAM)p.get()); }
    void OnConnect() override { ++connects; }
    std::atomic<int> connects{0};

private:
    HWND m_hWnd;
};

// Ends the program when the test does not finish in time: a hung thread cannot be recovered.
class Watchdog {
public:
    explicit Watchdog(DWORD ms) : m_hDone(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        m_thread = std::thread([this, ms] {
            if (WaitForSingleObject(m_hDone, ms) == WAIT_OBJECT_0) return;
            std::fprintf(stderr, "FAILED: the sending thread hangs (no progress in %lu ms)\n", ms);
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        });
    }
    ~Watchdog()
    {
        SetEvent(m_hDone);
        m_thread.join();
        CloseHandle(m_hDone);
    }

private:
    HANDLE m_hDone;
    std::thread m_thread;
};

CTasRequest Request(const char* msg, uint64_t tid, const std::string& filler)
{
    PlatformHeader::_PHV102_VALUES v;
    v.strApplicationId = "PP01";
    v.strMessageId = msg;
    v.nTransactionId = tid;
    Json::Value* body = new Json::Value;
    (*body)["n"] = (Json::UInt64)tid;
    (*body)["filler"] = filler;
    return CTasRequest(CTasRequest::HEADER_FORM_PHV102, PlatformHeader::BuildPhv102(v), nullptr, body);
}

std::string ReplyFrame(uint64_t tid)
{
    FrameSpec spec;
    spec.transactionId = tid;
    spec.headerSection = Counted("{}\n");
    spec.bodySection = Counted("{\"answer\":1}");
    return MakeFrame(spec);
}

bool SendAll(SOCKET s, const std::string& bytes)
{
    for (size_t at = 0; at < bytes.size();) {
        const int n = send(s, bytes.data() + at, (int)(bytes.size() - at), 0);
        if (n <= 0) return false;
        at += (size_t)n;
    }
    return true;
}

class SendWhilePeerStallsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CSocketBase::InitializeSockets(true, 2));
        m_listen = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        ASSERT_NE(m_listen, INVALID_SOCKET);
        // A small receive buffer, inherited by the accepted socket: the stall comes sooner.
        const int nSmall = 8192;
        setsockopt(m_listen, SOL_SOCKET, SO_RCVBUF, (const char*)&nSmall, sizeof nSmall);
        sockaddr_in a = {};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(bind(m_listen, (sockaddr*)&a, sizeof a), 0);
        ASSERT_EQ(listen(m_listen, 1), 0);
        int len = sizeof a;
        getsockname(m_listen, (sockaddr*)&a, &len);
        m_nPort = ntohs(a.sin_port);
    }
    void TearDown() override
    {
        if (m_peer != INVALID_SOCKET) closesocket(m_peer);
        if (m_listen != INVALID_SOCKET) closesocket(m_listen);
        CSocketBase::ShutdownSockets();
        g_bNetworkStop = FALSE;
    }

    SOCKET m_listen = INVALID_SOCKET;
    SOCKET m_peer = INVALID_SOCKET;
    int m_nPort = 0;
};

TEST_F(SendWhilePeerStallsTest, AReplyDuringAStalledSendRunsAHandlerThatSendsAgain)
{
    Watchdog watchdog(30000);
    RecordingWindow window;
    window.Expect(WM_TEST_REPLY, RecordingWindow::LPARAM_REPLY);
    SendingManager manager(window.Handle());
    std::unique_ptr<CProtocolDef> def = LoadDefinitionText(kTestDefinition);
    CTasClient client(&manager, def.get(), 1, 0);

    ASSERT_EQ(client.Connect("127.0.0.1", m_nPort), 1);
    m_peer = accept(m_listen, nullptr, nullptr);
    ASSERT_NE(m_peer, INVALID_SOCKET);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return manager.connects > 0; }, 10000));

    // The handler of the reply sends the next request from inside the delivery.
    CTasRequest second = Request("M00000001", 2, "second");
    int nHandled = 0;
    window.OnMessage(WM_TEST_REPLY, [&] {
        ++nHandled;
        client.Send(&second);
    });

    // The reply is on its way before the large request is written; its delivery reaches this
    // thread only while it handles sent messages.
    ASSERT_TRUE(SendAll(m_peer, ReplyFrame(7)));
    // Far more than the socket's buffers (256 KiB) and the peer's take.
    const std::string filler(4 * 1024 * 1024, 'x');
    CTasRequest first = Request("M00000001", 1, filler);
    // The network takes part of the first at most; the next one finds it full.
    CTasRequest third = Request("M00000001", 3, "third");
    const DWORD dwStart = GetTickCount();
    EXPECT_EQ(client.Send(&first), 1);
    EXPECT_EQ(client.Send(&third), 1);
    EXPECT_LT(GetTickCount() - dwStart, 3000u) << "a send waited for the peer";

    ASSERT_TRUE(zeltest::PumpUntil([&] { return nHandled > 0; }, 10000)) << "the reply was not delivered";
    EXPECT_EQ(window.RecordsOf(WM_TEST_REPLY)[0].transactionId, 7u);

    // The peer reads again: every request arrives whole, in the order of the sends.
    std::atomic<bool> bReading{true};
    std::string received;
    std::thread reader([&] {
        char buffer[65536];
        for (;;) {
            const int n = recv(m_peer, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            received.append(buffer, (size_t)n);
            if (CutFrames(received).size() >= 3) break;
        }
        bReading = false;
    });
    zeltest::PumpUntil([&] { return !bReading; }, 30000);
    if (bReading) shutdown(m_peer, SD_BOTH);
    reader.join();
    const std::vector<SentFrame> frames = CutFrames(received);
    ASSERT_EQ(frames.size(), 3u) << received.size() << " bytes arrived";
    EXPECT_EQ(frames[0].transactionId, 1u);
    EXPECT_EQ(frames[0].body["filler"].asString().size(), filler.size());
    EXPECT_EQ(frames[1].body["filler"].asString(), "third");
    EXPECT_EQ(frames[2].body["filler"].asString(), "second");
}

}  // namespace
