// The modal message loop shared by modal dialogs and pop-ups. It is an ordinary loop of this
// library (PreTranslateMessage, then translate and dispatch), so a handler inside it can run
// another modal loop: the inner loop ends first, then the outer one notices its own end.
#include "platform/Wnd.h"

#include "platform/UiState.h"
#include "platform/WinThread.h"

#include <mutex>

namespace {

std::mutex g_hookLock;
std::function<void(CWnd*)> g_modalHook;

void CallModalHook(CWnd* wnd)
{
    std::function<void(CWnd*)> hook;
    {
        std::lock_guard<std::mutex> guard(g_hookLock);
        hook = g_modalHook;
    }
    if (hook) hook(wnd);
}

} // namespace

void CWnd::SetModalLoopHook(std::function<void(CWnd*)> hook)
{
    std::lock_guard<std::mutex> guard(g_hookLock);
    g_modalHook = std::move(hook);
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & kFlagContinueModal) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & kFlagContinueModal) {
        m_nFlags &= ~kFlagContinueModal;
        // Wake the loop if it is waiting for a message.
        if (m_hWnd) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    bool showOnIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    bool hookPending = true;
    m_nFlags |= kFlagModalLoop;
    zel::MessageLoopScope loop;
    MSG msg;
    while (ContinueModal()) {
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (showOnIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                showOnIdle = false;
            }
            loop.OnIdle();
            if (hookPending) {
                hookPending = false;
                CallModalHook(this);
                continue;
            }
        }
        if (!::GetMessageW(&msg, nullptr, 0, 0)) {
            // WM_QUIT ends every loop: pass it on to the loop outside this one.
            ::PostQuitMessage((int)msg.wParam);
            m_nFlags &= ~(kFlagModalLoop | kFlagContinueModal);
            return -1;
        }
        // Paint and timer messages come only when nothing else waits: the queue is as idle as it
        // gets. A window whose children run timers from their creation would otherwise never
        // find the queue empty and never be shown.
        if (showOnIdle && (msg.message == WM_TIMER || msg.message == WM_PAINT)) {
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
            showOnIdle = false;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    m_nFlags &= ~kFlagModalLoop;
    return m_nModalResult;
}
