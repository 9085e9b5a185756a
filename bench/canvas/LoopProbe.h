#pragma once
// The message loop of the benchmarks' user-interface thread, with a probe thread that posts a
// time stamp every 2 ms: the longest wait of a probe is the loop's longest stall.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "bench/support/StallProbe.h"

namespace benchloop {

const UINT kProbe = WM_APP + 1;

inline double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return (double)c.QuadPart * 1000.0 / (double)f.QuadPart;
}

// Runs the loop until done() or ms have passed; returns the longest stall in milliseconds, and
// in overBudget (when given) how many stalls passed the frame budget.
inline double LoopWithProbe(double ms, const std::function<bool()>& done = nullptr, int* overBudget = nullptr)
{
    std::atomic<bool> stop{false};
    const DWORD loopThread = ::GetCurrentThreadId();
    std::thread probe([&] {
        while (!stop) {
            double* stamp = new double(Now());
            if (!::PostThreadMessageW(loopThread, kProbe, 0, (LPARAM)stamp))
                delete stamp;
            ::Sleep(2);
        }
    });
    benchstall::StallTally tally;
    const double end = Now() + ms;
    while (Now() < end && !(done && done())) {
        MSG msg;
        while (Now() < end && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == kProbe && msg.hwnd == nullptr) {
                std::unique_ptr<double> stamp(reinterpret_cast<double*>(msg.lParam));
                tally.Add(Now() - *stamp);
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    stop = true;
    probe.join();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, kProbe, kProbe, PM_REMOVE))
        delete reinterpret_cast<double*>(msg.lParam);
    if (overBudget) *overBudget = tally.overBudget;
    return tally.longestMs;
}

}  // namespace benchloop
