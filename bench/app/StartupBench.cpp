// Process start to first window: ZEL.exe runs its whole start-up (single instance, logs through
// the running log service, language library, GDI+, settings, sockets and server clients, skin)
// up to where its login window (the dialog with the ID box) is shown; it is then ended. The floor is a minimal program that
// shows one window and ends once it is painted, started the same way. The ratio ZEL / floor is
// reported on the ZEL line.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/AppControl.h"
#include "core/LogRecords.h"
#include "resources/resource.h"
#include "tests/support/TestSupport.h"

namespace {

double g_dFloorMs = 0;

bool RunOnce(const std::wstring& exe, const std::wstring& dir)
{
    zeltest::ChildProcess child;
    if (!child.Start(L"\"" + exe + L"\"", dir))
        return false;
    return child.Wait(60000);
}

struct WindowSearch {
    DWORD pid;
    int nChildId;   // the shown window must have this child (the login window's ID box)
    bool found;
};

BOOL CALLBACK FindShownWindow(HWND hWnd, LPARAM lParam)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != search->pid || !::IsWindowVisible(hWnd)) return TRUE;
    if (!::GetDlgItem(hWnd, search->nChildId)) return TRUE;
    search->found = true;
    return FALSE;
}

// Starts the program and returns once its login window is shown; the program is ended then.
bool RunToFirstWindow(const std::wstring& exe, const std::wstring& dir)
{
    zeltest::ChildProcess child;
    if (!child.Start(L"\"" + exe + L"\"", dir)) return false;
    WindowSearch search{child.Pid(), IDC_LOGIN_ID, false};
    const DWORD start = ::GetTickCount();
    while (!search.found && ::GetTickCount() - start < 60000 && child.IsRunning()) {
        ::EnumWindows(&FindShownWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(1);
    }
    child.Kill();
    child.Wait(10000);
    return search.found;
}

double Percentile(std::vector<double> v, double p)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, (size_t)(p * (double)(v.size() - 1) + 0.5))];
}

// The mean over the iterations; p50_ms, p95_ms and p99_ms go into the counters.
double Measure(benchmark::State& state, const std::wstring& exe, const std::wstring& dir,
               bool (*run)(const std::wstring&, const std::wstring&) = &RunOnce)
{
    double total = 0;
    int n = 0;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!run(exe, dir)) {
            state.SkipWithError("the program did not start or end (set ZEL_BINARY_DIR to the build folder)");
            break;
        }
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        total += times.back();
        ++n;
    }
    state.counters["p50_ms"] = Percentile(times, 0.5);
    state.counters["p95_ms"] = Percentile(times, 0.95);
    state.counters["p99_ms"] = Percentile(times, 0.99);
    return n ? total / n : 0;
}

void BM_MinimalWindowProgram(benchmark::State& state)
{
    const std::wstring dir = zeltest::BinaryDir() + L"\\bench";
    g_dFloorMs = Measure(state, dir + L"\\bench_minimal_window.exe", dir);
    state.counters["ms"] = g_dFloorMs;
}

void BM_ZELStartToFirstWindow(benchmark::State& state)
{
    const std::wstring bin = zeltest::BinaryDir() + L"\\bin";
    // The log service runs on a user's machine all the time: start it once, outside the timing.
    if (!::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr)) RunToFirstWindow(bin + L"\\ZEL.exe", bin);
    const double ms = Measure(state, bin + L"\\ZEL.exe", bin, &RunToFirstWindow);
    state.counters["ms"] = ms;
    if (g_dFloorMs > 0)
        state.counters["ratio"] = ms / g_dFloorMs;
    if (HWND h = ::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr))
        ::SendMessageW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
}

BENCHMARK(BM_MinimalWindowProgram)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ZELStartToFirstWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
