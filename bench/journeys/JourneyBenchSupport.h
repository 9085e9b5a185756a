#pragma once
// What the journey benchmarks share: the local test servers for the whole run (the client's
// settings pointed at them) and the program's folder.
#include <winsock2.h>
#include <windows.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/support/Percentile.h"

namespace journeybench {

enum { PORT_TAS, PORT_PUSH, PORT_TDS, PORT_VOICE, PORT_HTTP, PORT_CONTROL };

// The servers' ports (tas push tds voice http control ...), empty when they did not start.
const std::vector<int>& Servers();
std::wstring BinFolder();
// The servers and the socket library for the bare clients of a floor; false (the benchmark told
// why) when either is missing.
bool ReadyForBareClients(benchmark::State& state);
double Ms(const LARGE_INTEGER& from, const LARGE_INTEGER& to);
using benchstats::Percentile;
// p50_ms, p95_ms and p99_ms of the times taken.
void ReportPercentiles(benchmark::State& state, const std::vector<double>& ms);

}  // namespace journeybench
