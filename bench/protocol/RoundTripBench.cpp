// Request to reply over TLS on loopback, in the same run:
//   RoundTrip/client   the application-server client's version-check request through the local
//                      test server, until the reply reaches the window (this thread pumps)
//   RoundTrip/echo     a bare TLS socket sending 400 bytes to an echo peer until they are back
//   RoundTrip/bare_frame  the same version-check frame, serialised once, sent by a bare TLS
//                      socket to the same test server until its reply's bytes are back: the server's
//                      own share, so that client / bare_frame is what the client adds
#include <winsock2.h>

#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <sstream>
#include <string>

#include "core/ProgramGlobals.h"
#include "net/protocol/PlatformHeader.h"
#include "net/protocol/ProtocolDef.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasRequest.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "tests/support/TestSupport.h"
#include "bench/support/BenchSocket.h"

namespace {

void StartLibrary()
{
    static bool started = CSocketBase::InitializeSockets(true, 10) && CTCPSocketAsyncSSL::InitializeSSL();
    if (!started) std::abort();
}

// Counts the replies that reach it.
class ReplyWindow {
public:
    ReplyWindow()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &ReplyWindow::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZEL_ProtocolBenchReplies";
        RegisterClassW(&wc);
        m_hWnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    HWND Handle() const { return m_hWnd; }
    static int s_nReplies;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg >= WM_USER + 99 && msg <= WM_USER + 200) {
            ++s_nReplies;
            return 0;
        }
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }
    HWND m_hWnd;
};
int ReplyWindow::s_nReplies = 0;

void ClientRoundTrip(benchmark::State& state)
{
    StartLibrary();
    static zeltest::PythonFixture servers;
    static bool started = servers.Start(L"tests/servers/run_servers.py");
    if (!started) {
        state.SkipWithError("the test servers did not start");
        return;
    }
    g_strAppVersion = L"4.2.0.0";
    static ReplyWindow window;
    std::unique_ptr<CTasClientManager> tas(new CTasClientManager());
    tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str());
    tas->SetListener(window.Handle());
    tas->Connect(CString(L"127.0.0.1"), servers.Port());
    tas->RequestM00000001(L"", L"kim", L"1234");
    int expected = ReplyWindow::s_nReplies;
    if (!zeltest::PumpUntil([&] { return ReplyWindow::s_nReplies > expected; }, 15000)) {
        state.SkipWithError("no login reply");
        return;
    }
    for (auto _ : state) {
        expected = ReplyWindow::s_nReplies;
        tas->RequestM00000095();
        if (!zeltest::PumpUntil([&] { return ReplyWindow::s_nReplies > expected; }, 10000)) {
            state.SkipWithError("no reply");
            break;
        }
    }
}


void BareFrameRoundTrip(benchmark::State& state)
{
    StartLibrary();
    static zeltest::PythonFixture servers;
    static bool started = servers.Start(L"tests/servers/run_servers.py");
    static CProtocolDef definition;
    static bool loaded = definition.Load(zeltest::SourcePath(L"protocols/protocol.xml").c_str()) != 0;
    BenchSocket* socket = new BenchSocket();
    if (!started || !loaded || !socket->ConnectTo((unsigned short)servers.Port())) {
        state.SkipWithError("the test server did not start");
        return;
    }
    const _PROTOCOL_INFO* p = definition.FindProtocol("PP01");
    Json::Value* body = new Json::Value;
    (*body)["appType"] = "7";
    (*body)["appVer"] = "4.2.0.0";
    CTasRequest request(CTasRequest::HEADER_FORM_PHV102,
                        PlatformHeader::BuildPhv102(PlatformHeader::ClientValues("PP01", "M00000095", 7, 5, "              ", 'W')),
                        nullptr, body);
    const std::string frame = request.Serialize(p->headerField, p->FindMessage("M00000095")->vecRequestFields);
    // The first exchange tells the reply's size.
    socket->SendAll(frame.data(), (int)frame.size());
    ::Sleep(500);
    const long long reply = socket->Received();
    long long total = reply;
    for (auto _ : state) {
        if (reply <= 0) break;
        socket->SendAll(frame.data(), (int)frame.size());
        total += reply;
        if (!socket->WaitForReceived(total)) {
            state.SkipWithError("no reply");
            break;
        }
    }
    if (reply <= 0) state.SkipWithError("no reply to the first frame");
    socket->OnSocketDelete();
}

void EchoRoundTrip(benchmark::State& state)
{
    StartLibrary();
    static zeltest::PythonFixture peer;
    static bool started = peer.Start(L"tests/servers/socket_stream_server.py", L"--tls 1.3 --mode echo");
    BenchSocket* socket = new BenchSocket();
    if (!started || !socket->ConnectTo((unsigned short)peer.Port())) {
        state.SkipWithError("no echo peer");
        return;
    }
    const std::string message(400, 'e');
    long long total = 0;
    for (auto _ : state) {
        socket->Send(message.data(), (int)message.size());
        total += (long long)message.size();
        if (!socket->WaitForReceived(total)) {
            state.SkipWithError("no echo");
            break;
        }
    }
    socket->OnSocketDelete();
}

BENCHMARK(ClientRoundTrip)->Name("RoundTrip/client")->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BareFrameRoundTrip)->Name("RoundTrip/bare_frame")->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(EchoRoundTrip)->Name("RoundTrip/echo")->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(3.0);

}  // namespace
