// Push latency, in one run over the same two threads (the push client's socket worker and this
// user-interface thread):
//   push   from the worker taking a push frame off the socket to the dispatcher's handler
//          running on this thread (the worker hands it over by SendMessage)
//   floor  a bare PostMessage from that worker to a window of this thread and back (the window
//          signals an event the worker waits on)
// Reported as p50 and p99 in microseconds over ZEL_BENCH_PUSHES pushes (10,000 unless set), and
// the ratio of the push p50 to the floor p50.
#include <winsock2.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <vector>

#include "bench/support/Percentile.h"
#include "app/main/PushDispatcher.h"
#include "core/NetworkIdentity.h"
#include "core/ProgramGlobals.h"
#include "net/protocol/TPCClientManager.h"
#include "net/socket/SocketBase.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "tests/app/main/PushWindow.h"
#include "tests/app/main/StandInScreens.h"
#include "tests/support/LoopbackSocket.h"
#include "tests/support/TestSupport.h"

namespace {

const UINT WM_BENCH_PING = WM_APP + 1;

LONGLONG Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double Micros(LONGLONG ticks)
{
    static LONGLONG freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return (double) ticks * 1e6 / (double) freq;
}

using benchstats::Percentile;

// The push client with a stopwatch on its socket worker: each frame is first timed through a
// bare PostMessage round trip to the window, then delivered as usual.
class TimedPushClient : public CTPCClientManager {
public:
    HWND hPing = nullptr;
    HANDLE hPong = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::vector<double> floor;
    std::atomic<LONGLONG> tReceived{0};

    void OnResponse(std::shared_ptr<CTasResponse> pResponse) override
    {
        if (hPing) {
            const LONGLONG t0 = Now();
            PostMessageW(hPing, WM_BENCH_PING, 0, 0);
            WaitForSingleObject(hPong, 5000);
            floor.push_back(Micros(Now() - t0));
        }
        tReceived = Now();
        CTPCClientManager::OnResponse(pResponse);
    }
};

void PushToHandler(benchmark::State& state)
{
    static bool started = CSocketBase::InitializeSockets(true, 4) && CTCPSocketAsyncSSL::InitializeSSL();
    static zeltest::PythonFixture servers;
    static bool serversUp = servers.Start(L"tests/servers/run_servers.py");
    if (!started || !serversUp) {
        state.SkipWithError("the socket library or the test servers did not start");
        return;
    }
    std::istringstream ports(servers.ReadyLine());
    std::vector<int> port;
    for (int p; ports >> p;) port.push_back(p);
    const SOCKET control = zeltest::ConnectLoopback(port[5]);
    g_strMacAddress = L"0A1B2C3D4E5F";

    appmaintest::StandInScreens screens;
    screens.mode = 2;
    screens.meetingId = L"101";
    // Timed when the handler calls the screen; the worker is still inside its SendMessage then,
    // so its receipt time belongs to this push.
    std::vector<double> push;
    TimedPushClient* pTpc = nullptr;
    screens.onCall = [&push, &pTpc](const char* name) {
        if (pTpc && strcmp(name, "meeting.OnSyncPagePush") == 0) push.push_back(Micros(Now() - pTpc->tReceived));
    };
    CPushDispatcher dispatcher(screens);
    TimedPushClient tpc;
    appmaintest::PushWindow window(dispatcher, tpc);
    window.onOther = [&tpc](UINT msg) {
        if (msg != WM_BENCH_PING) return false;
        SetEvent(tpc.hPong);
        return true;
    };
    tpc.Init(zeltest::SourcePath(L"protocols/pps_protocol.xml").c_str());
    tpc.Connect(CString(L"127.0.0.1"), port[1]);
    tpc.SetListener(window.Handle());
    if (!zeltest::PumpUntil([&] { return window.m_bSession; }, 15000)) {
        state.SkipWithError("no push session");
        return;
    }
    tpc.hPing = window.Handle();
    pTpc = &tpc;
    const char* env = getenv("ZEL_BENCH_PUSHES");
    const int nPushes = env ? atoi(env) : 10000;
    const std::string line = "{\"cmd\":\"push_sample\",\"id\":\"synchronization:01\",\"mtngId\":\"101\"}\n";
    const int kBatch = 50;
    for (auto _ : state) {
        for (int done = 0; done < nPushes; done += kBatch) {
            const size_t expected = push.size() + kBatch;
            // The commands go out without waiting for their answers: this thread must be free to
            // take each push when it comes.
            for (int i = 0; i < kBatch; ++i) send(control, line.data(), (int) line.size(), 0);
            if (!zeltest::PumpUntil([&] { return push.size() >= expected; }, 20000)) {
                state.SkipWithError("a push did not arrive");
                break;
            }
            for (int i = 0; i < kBatch; ++i) zeltest::ReadSocketLine(control);
            screens.calls.clear();
            screens.logLines.clear();
        }
    }
    tpc.hPing = nullptr;
    const double pushP50 = Percentile(push, 0.50), floorP50 = Percentile(tpc.floor, 0.50);
    state.counters["push_p50_us"] = pushP50;
    state.counters["push_p99_us"] = Percentile(push, 0.99);
    state.counters["floor_p50_us"] = floorP50;
    state.counters["floor_p99_us"] = Percentile(tpc.floor, 0.99);
    state.counters["ratio_p50"] = floorP50 > 0 ? pushP50 / floorP50 : 0;
    state.counters["pushes"] = (double) push.size();
    closesocket(control);
}

BENCHMARK(PushToHandler)->Name("Push/socket_to_handler")->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
