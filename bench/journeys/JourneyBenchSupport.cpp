#include "bench/journeys/JourneyBenchSupport.h"

#include <algorithm>
#include <sstream>

#include "core/ProgramGlobals.h"
#include "net/protocol/NetworkStop.h"
#include "net/socket/SocketBase.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "tests/journeys/JourneySupport.h"

namespace journeybench {

const std::vector<int>& Servers()
{
    static zeltest::PythonFixture servers;
    static std::vector<int> ports;
    static WSADATA wsa;
    static const bool started = ::WSAStartup(MAKEWORD(2, 2), &wsa) == 0;
    if (started && ports.empty() && servers.Start(L"tests/servers/run_servers.py")) {
        std::istringstream in(servers.ReadyLine());
        for (int p; in >> p;) ports.push_back(p);
        journey::RemoveServerSettings();
        if (ports.size() < 6 || !journey::WriteServerSettings(ports[PORT_TAS], ports[PORT_PUSH], ports[PORT_HTTP]))
            ports.clear();
    }
    return ports;
}

bool ReadyForBareClients(benchmark::State& state)
{
    static const bool library = CSocketBase::InitializeSockets(true, 10) && CTCPSocketAsyncSSL::InitializeSSL();
    if (Servers().empty() || !library) {
        state.SkipWithError("the test servers did not start");
        return false;
    }
    g_bNetworkStop = FALSE;
    g_strAppVersion = L"4.2.0.0";
    return true;
}

std::wstring BinFolder() { return zeltest::BinaryDir() + L"\\bin\\"; }

double Ms(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(f.QuadPart);
}

void ReportPercentiles(benchmark::State& state, const std::vector<double>& ms)
{
    state.counters["p50_ms"] = Percentile(ms, 0.5);
    state.counters["p95_ms"] = Percentile(ms, 0.95);
    state.counters["p99_ms"] = Percentile(ms, 0.99);
}

}  // namespace journeybench
