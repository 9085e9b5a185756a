// Closing a stand-in for ZEL started from the test build (tests/closer_fixture.exe): the time from
// the first quit request until its window is gone, or until it has been ended by name.
#include "tools/closer/ProgramCloser.h"

#include "tests/support/TestSupport.h"

#include <benchmark/benchmark.h>

namespace {

const wchar_t* kClass = L"ZelCloserBenchClass";

void CloseStandIn(benchmark::State& state, const wchar_t* mode)
{
    std::wstring fixture = zeltest::BinaryDir() + L"\\tests\\closer_fixture.exe";
    for (auto _ : state) {
        state.PauseTiming();
        zeltest::ChildProcess child;
        if (!child.Start(L"\"" + fixture + L"\" class=" + kClass + L" mode=" + mode) ||
            !zeltest::PumpUntil([] { return FindWindowW(kClass, nullptr) != nullptr; }, 15000)) {
            state.SkipWithError("the stand-in did not start (set ZEL_BINARY_DIR to the build folder)");
            break;
        }
        state.ResumeTiming();
        CProgramCloser closer;
        closer.CloseRunningProgram(L"closer_fixture.exe", kClass);
        state.PauseTiming();
        child.Wait(5000);
        state.ResumeTiming();
    }
}

void BM_CloseCooperative(benchmark::State& state) { CloseStandIn(state, L"quit"); }
void BM_CloseAfterIgnoredRequests(benchmark::State& state) { CloseStandIn(state, L"ignore"); }
void BM_CloseHung(benchmark::State& state) { CloseStandIn(state, L"hung"); }

BENCHMARK(BM_CloseCooperative)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CloseAfterIgnoredRequests)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_CloseHung)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
