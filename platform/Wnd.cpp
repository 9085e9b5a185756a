#include "platform/Wnd.h"

#include "platform/UiState.h"
#include "platform/WinApp.h"

#include <exception>
#include <mutex>
#include <set>
#include <string>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd()
{
    // A window that outlives its object would send its messages to freed memory.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
        if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
            // Another thread's window cannot be destroyed from here: give it its old procedure.
            if (m_pfnSuper && (WNDPROC)::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == ZelWindowProc)
                ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
            Detach();
        }
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? zel::PermanentWindows().Find(hWnd) : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd) return nullptr;
    if (CWnd* wnd = zel::PermanentWindows().Find(hWnd)) return wnd;
    return zel::ThreadState().tempWindows.FindOrAdd(hWnd, [hWnd] {
        CWnd* wnd = new CWnd;
        wnd->m_hWnd = hWnd;
        return wnd;
    });
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || m_hWnd) return FALSE;
    m_hWnd = hWndNew;
    zel::PermanentWindows().Set(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd) zel::PermanentWindows().Remove(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    WNDPROC old = (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)ZelWindowProc);
    if (!old) {
        Detach();
        return FALSE;
    }
    if (old != ZelWindowProc) m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd) return nullptr;
    if (m_pfnSuper) ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                           ::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

// The creation hook binds the object to its window before the window's first message, so that
// WM_NCCREATE and WM_CREATE already reach the object's message map.
LRESULT CALLBACK ZelCbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    zel::UiThreadState& state = zel::ThreadState();
    if (code == HCBT_CREATEWND && state.pWndInit) {
        HWND hWnd = (HWND)wParam;
        wchar_t className[16] = {};
        ::GetClassNameW(hWnd, className, 15);
        // The input-method window the system may create along with a thread's first window is
        // not the window asked for.
        const bool ime = (::GetClassLongPtrW(hWnd, GCL_STYLE) & CS_IME) != 0 ||
                         lstrcmpiW(className, L"IME") == 0;
        if (!ime) {
            CWnd* wnd = state.pWndInit;
            state.pWndInit = nullptr;
            // No C++ exception may unwind through the system's window creation that called us.
            try {
                wnd->Attach(hWnd);
                try {
                    wnd->PreSubclassWindow();
                } catch (...) {
                    zel::TraceError(L"PreSubclassWindow", L"exception");
                }
                WNDPROC old = (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)ZelWindowProc);
                if (old != ZelWindowProc) wnd->m_pfnSuper = old;
            } catch (...) {
                zel::TraceError(L"creation hook", L"exception");
            }
        }
    }
    return ::CallNextHookEx(state.cbtHook, code, wParam, lParam);
}

void CWnd::HookCreation()
{
    zel::UiThreadState& state = zel::ThreadState();
    if (state.cbtUsers++ == 0)
        state.cbtHook = ::SetWindowsHookExW(WH_CBT, ZelCbtHook, nullptr, ::GetCurrentThreadId());
    state.pWndInit = this;
}

void CWnd::UnhookCreation()
{
    zel::UiThreadState& state = zel::ThreadState();
    state.pWndInit = nullptr;
    if (--state.cbtUsers == 0 && state.cbtHook) {
        ::UnhookWindowsHookEx(state.cbtHook);
        state.cbtHook = nullptr;
    }
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd) return FALSE;
    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    HookCreation();
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    UnhookCreation();
    // On failure the object may already be detached and, if it deletes itself, gone.
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd) return FALSE;
    const bool permanent = FromHandlePermanent(hWnd) == this;
    // A permanent object detaches itself on WM_NCDESTROY and may delete itself there: do not
    // touch it afterwards.
    BOOL result = ::DestroyWindow(hWnd);
    if (!permanent) m_hWnd = nullptr;
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = zel::ThreadState().currentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

void CWnd::FinishNcDestroy()
{
    CWinThread* thread = AfxGetThread();
    if (thread && thread->m_pMainWnd == this) {
        // The application's main window going away ends the application's message loop.
        if (thread == AfxGetApp()) ::PostQuitMessage(0);
        thread->m_pMainWnd = nullptr;
    }
    CWinApp* app = AfxGetApp();
    if (app && app != thread && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    // A modal loop cannot outlive its window.
    m_nFlags &= ~kFlagContinueModal;
    if (m_pfnSuper && (WNDPROC)::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == ZelWindowProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

namespace {

void TraceException(const wchar_t* where, UINT message)
{
    wchar_t what[64];
    _snwprintf(what, 63, L"exception while handling message 0x%04X", message);
    what[63] = 0;
    zel::TraceError(where, what);
}

} // namespace

LRESULT CALLBACK ZelWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (!wnd) return ::DefWindowProcW(hWnd, message, wParam, lParam);
    zel::UiThreadState& state = zel::ThreadState();
    const MSG saved = state.currentMsg;
    state.currentMsg.hwnd = hWnd;
    state.currentMsg.message = message;
    state.currentMsg.wParam = wParam;
    state.currentMsg.lParam = lParam;
    LRESULT result = 0;
    // No C++ exception may unwind through the system's code that called us.
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (const std::exception& e) {
        zel::TraceError(L"window procedure", zel::ToWideString(e.what(), -1, CP_UTF8).c_str());
        TraceException(L"window procedure", message);
    } catch (...) {
        TraceException(L"window procedure", message);
    }
    // A handler that did not pass WM_NCDESTROY on still has to let go of the window.
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == wnd) {
        try {
            wnd->FinishNcDestroy();
        } catch (...) {
            TraceException(L"PostNcDestroy", message);
        }
    }
    state.currentMsg = saved;
    return result;
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::mutex lock;
    static std::set<std::wstring> names;
    HINSTANCE instance = AfxGetInstanceHandle();
    wchar_t name[96];
    _snwprintf(name, 95, L"ZelWnd:%p:%x:%p:%p:%p", (void*)instance, nClassStyle, (void*)hCursor,
               (void*)hbrBackground, (void*)hIcon);
    name[95] = 0;
    std::lock_guard<std::mutex> guard(lock);
    auto it = names.insert(name).first;
    WNDCLASSW wc = {};
    if (!::GetClassInfoW(instance, name, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = instance;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = it->c_str();
        ::RegisterClassW(&wc);
    }
    return it->c_str();
}

BOOL AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASSW existing = {};
    if (::GetClassInfoW(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing)) return TRUE;
    return ::RegisterClassW(lpWndClass) != 0;
}
