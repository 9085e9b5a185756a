#include "platform/MessageBox.h"

#include "platform/CString.h"
#include "platform/WinApp.h"
#include "platform/Wnd.h"

#include <mutex>

namespace {
std::mutex g_lock;
zel::MessageBoxHook g_hook;
} // namespace

namespace zel {

void SetMessageBoxHook(MessageBoxHook hook)
{
    std::lock_guard<std::mutex> guard(g_lock);
    g_hook = std::move(hook);
}

int ShowMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type)
{
    MessageBoxHook hook;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        hook = g_hook;
    }
    if (hook) return hook(text ? text : L"", caption ? caption : L"", type);
    return ::MessageBoxW(owner, text, caption, type);
}

} // namespace zel

namespace {

UINT WithDefaultIcon(UINT type)
{
    if (type & MB_ICONMASK) return type;
    switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL: return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL: return type | MB_ICONQUESTION;
    default: return type;
    }
}

HWND BoxOwner()
{
    HWND owner = AfxGetMainWnd()->GetSafeHwnd();
    if (!owner) return nullptr;
    owner = ::GetLastActivePopup(owner);
    return ::IsWindowVisible(owner) ? owner : nullptr;
}

} // namespace

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    return zel::ShowMessageBox(BoxOwner(), lpszPrompt, m_pszAppName, WithDefaultIcon(nType));
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* app = AfxGetApp()) return app->DoMessageBox(lpszText, nType, nIDHelp);
    return zel::ShowMessageBox(BoxOwner(), lpszText, nullptr, WithDefaultIcon(nType));
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt)) {
        wchar_t what[48];
        _snwprintf(what, 47, L"string %u missing", nIDPrompt);
        what[47] = 0;
        OutputDebugStringW(what);
    }
    if (CWinApp* app = AfxGetApp()) return app->DoMessageBox(text, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
    return zel::ShowMessageBox(BoxOwner(), text, nullptr, WithDefaultIcon(nType));
}
