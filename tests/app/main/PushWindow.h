#pragma once
// The main dialog's part in receiving pushes, for tests and benchmarks: the push client's
// listener window, which opens the session when the key arrives and hands every item to the
// dispatcher on the thread that created it.
#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "app/main/PushDispatcher.h"
#include "net/protocol/TPCClientManager.h"

namespace appmaintest {

class PushWindow {
public:
    PushWindow(CPushDispatcher& dispatcher, CTPCClientManager& tpc) : m_dispatcher(dispatcher), m_tpc(tpc)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &PushWindow::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZEL_PushTestWindow";
        RegisterClassW(&wc);
        m_hWnd = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
    }
    ~PushWindow() { DestroyWindow(m_hWnd); }
    PushWindow(const PushWindow&) = delete;
    PushWindow& operator=(const PushWindow&) = delete;
    HWND Handle() const { return m_hWnd; }

    bool m_bSession = false;
    std::vector<DWORD> m_threads;   // the thread each item was dispatched on
    // Any other message: true when handled.
    std::function<bool(UINT)> onOther;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NCCREATE)
            SetWindowLongPtrW(hWnd, GWLP_USERDATA, (LONG_PTR) ((CREATESTRUCTW*) lParam)->lpCreateParams);
        PushWindow* self = (PushWindow*) GetWindowLongPtrW(hWnd, GWLP_USERDATA);
        if (self) {
            switch (msg) {
            case WM_TPC_PUSH_KEY:
                self->m_tpc.RequestConnect();
                return 0;
            case WM_TPC_SESSION_OPEN:
                self->m_bSession = true;
                return 0;
            case WM_TPC_PUSH_ITEM:
                self->m_threads.push_back(GetCurrentThreadId());
                return self->m_dispatcher.OnPushMessage(wParam, lParam);
            default:
                if (self->onOther && self->onOther(msg)) return 0;
            }
        }
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }

    CPushDispatcher& m_dispatcher;
    CTPCClientManager& m_tpc;
    HWND m_hWnd;
};

}  // namespace appmaintest
