#pragma once
// How long a user-interface thread keeps the user waiting: a probe thread asks the thread to
// answer every 2 ms and records how late each answer came. A stall is a run of late answers; it is
// counted once, with its longest wait, when it passes the frame budget (33 ms: two frames).
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace benchstall {

const double kBudgetMs = 33.0;

inline double NowMs()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return (double)c.QuadPart * 1000.0 / (double)f.QuadPart;
}

// The stalls seen so far; Add takes each probe's wait in order.
struct StallTally {
    double longestMs = 0.0;
    int overBudget = 0;
    bool inStall = false;
    void Add(double waitMs)
    {
        longestMs = std::max(longestMs, waitMs);
        const bool late = waitMs > kBudgetMs;
        if (late && !inStall) ++overBudget;
        inStall = late;
    }
};

// Probes the thread of a window, in this process or another, with sent WM_NULL messages: a sent
// message is answered only when the thread's loop takes its messages.
class WindowStallProbe {
public:
    explicit WindowStallProbe(HWND hWnd)
        : m_thread([this, hWnd] {
              while (!m_stop) {
                  const double start = NowMs();
                  DWORD_PTR result = 0;
                  if (!::SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) && !::IsWindow(hWnd))
                      break;
                  {
                      std::lock_guard<std::mutex> lock(m_mutex);
                      m_tally.Add(NowMs() - start);
                  }
                  ::Sleep(2);
              }
          })
    {
    }
    ~WindowStallProbe()
    {
        m_stop = true;
        m_thread.join();
    }
    StallTally Tally()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_tally;
    }

private:
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    StallTally m_tally;
    std::thread m_thread;
};

// Probes the calling thread, whatever loop it runs: a message-only window of the thread takes
// time-stamped posts.
class ThreadStallProbe {
public:
    ThreadStallProbe()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &ThreadStallProbe::WindowProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZEL_BenchStallProbe";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)&m_tally);
        const HWND hWnd = m_hWnd;
        m_thread = std::thread([this, hWnd] {
            while (!m_stop) {
                double* stamp = new double(NowMs());
                if (!::PostMessageW(hWnd, WM_APP, 0, (LPARAM)stamp)) delete stamp;
                ::Sleep(2);
            }
        });
    }
    ~ThreadStallProbe()
    {
        m_stop = true;
        m_thread.join();
        MSG msg;
        while (::PeekMessageW(&msg, m_hWnd, WM_APP, WM_APP, PM_REMOVE)) delete reinterpret_cast<double*>(msg.lParam);
        ::DestroyWindow(m_hWnd);
    }
    // On the probed thread.
    const StallTally& Tally() const { return m_tally; }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
    {
        if (uMsg != WM_APP) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
        std::unique_ptr<double> stamp(reinterpret_cast<double*>(lParam));
        if (StallTally* tally = reinterpret_cast<StallTally*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA)))
            tally->Add(NowMs() - *stamp);
        return 0;
    }

    HWND m_hWnd = nullptr;
    std::atomic<bool> m_stop{false};
    StallTally m_tally;
    std::thread m_thread;
};

}  // namespace benchstall
