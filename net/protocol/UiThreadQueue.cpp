#include "net/protocol/UiThreadQueue.h"

#include "core/MyLogFile.h"

namespace {

const wchar_t kClassName[] = L"ZEL_ClientCallQueue";
const UINT WM_QUEUE_POSTED = WM_APP + 1;
const UINT WM_QUEUE_ARM = WM_APP + 2;

void RegisterQueueClass()
{
    static bool s_bRegistered = false;
    if (s_bRegistered) return;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    s_bRegistered = RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

template <class F>
void Barrier(const wchar_t* pszWhere, F f)
{
    try {
        f();
    } catch (...) {
        g_TasLog.Log(4, L"exception in CUiThreadQueue (%s)\n", pszWhere);
    }
}

}  // namespace

CUiThreadQueue::CUiThreadQueue()
{
    RegisterQueueClass();
    m_hWnd = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd) {
        g_TasLog.Log(4, L"CUiThreadQueue: no window (%d)\n", (int)GetLastError());
        return;
    }
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)&CUiThreadQueue::WindowProc);
}

CUiThreadQueue::~CUiThreadQueue()
{
    if (!m_hWnd) return;
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CUiThreadQueue::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CUiThreadQueue* self = reinterpret_cast<CUiThreadQueue*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self) {
        switch (uMsg) {
        case WM_QUEUE_POSTED:
            Barrier(L"posted call", [&] { self->RunPosted(); });
            return 0;
        case WM_QUEUE_ARM:
            Barrier(L"timer", [&] { self->ArmTimers(); });
            return 0;
        case WM_TIMER:
            Barrier(L"delayed call", [&] { self->RunTimer(wParam); });
            return 0;
        }
    }
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

void CUiThreadQueue::Post(std::function<void()> fn)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_posted.push_back(std::move(fn));
    }
    if (m_hWnd) PostMessageW(m_hWnd, WM_QUEUE_POSTED, 0, 0);
}

void CUiThreadQueue::RunPosted()
{
    for (;;) {
        std::function<void()> fn;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_posted.empty()) return;
            fn = std::move(m_posted.front());
            m_posted.pop_front();
        }
        Barrier(L"posted call", fn);
    }
}

void CUiThreadQueue::PostDelayed(UINT_PTR uId, DWORD ms, std::function<void()> fn)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_delayed[uId] = Delayed{ms, std::move(fn), false};
    }
    // The timer is set by the window's own thread.
    if (m_hWnd) PostMessageW(m_hWnd, WM_QUEUE_ARM, 0, 0);
}

void CUiThreadQueue::ArmTimers()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& entry : m_delayed) {
        if (entry.second.armed) continue;
        entry.second.armed = true;
        SetTimer(m_hWnd, entry.first, entry.second.ms ? entry.second.ms : 1, nullptr);
    }
}

void CUiThreadQueue::RunTimer(UINT_PTR uId)
{
    KillTimer(m_hWnd, uId);
    std::function<void()> fn;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_delayed.find(uId);
        if (it == m_delayed.end() || !it->second.armed) return;
        fn = std::move(it->second.fn);
        m_delayed.erase(it);
    }
    Barrier(L"delayed call", fn);
}

void CUiThreadQueue::Cancel(UINT_PTR uId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_delayed.erase(uId);
}

bool CUiThreadQueue::IsPending(UINT_PTR uId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_delayed.count(uId) != 0;
}
