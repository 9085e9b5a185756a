#include "tools/browser/ShellBrowserEngine.h"

#include "tools/browser/ChildWindowController.h"

#include <shellapi.h>

namespace {

class CShellController : public CChildWindowController {
public:
    CShellController(HWND hWnd, CShellBrowserEngine::UrlOpener opener)
        : CChildWindowController(hWnd), m_opener(std::move(opener)) {}

    HRESULT Navigate(LPCWSTR lpszUrl) override
    {
        if (!GetWindow()) return E_UNEXPECTED;
        if (!lpszUrl) return E_INVALIDARG;
        bool bOpened = m_opener && m_opener(lpszUrl);
        std::wstring text = bOpened ? CShellBrowserEngine::OpenedText(lpszUrl) : CShellBrowserEngine::FailedText(lpszUrl);
        ::SetWindowTextW(GetWindow(), text.c_str());
        // What the window shows is this note either way, and it must be sized to be read.
        return S_OK;
    }

private:
    CShellBrowserEngine::UrlOpener m_opener;
};

class CShellEnvironment : public IBrowserEnvironment {
public:
    explicit CShellEnvironment(CShellBrowserEngine::UrlOpener opener) : m_opener(std::move(opener)) {}

    HRESULT CreateController(HWND hParent, ControllerCompleted completed) override
    {
        if (!::IsWindow(hParent)) return E_INVALIDARG;
        HWND hText = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                       0, 0, 0, 0, hParent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (!hText) return HRESULT_FROM_WIN32(::GetLastError());
        ::SendMessageW(hText, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
        std::shared_ptr<IBrowserController> controller = std::make_shared<CShellController>(hText, m_opener);
        if (completed) completed(S_OK, controller);
        return S_OK;
    }

private:
    CShellBrowserEngine::UrlOpener m_opener;
};

}  // namespace

CShellBrowserEngine::CShellBrowserEngine() : m_opener(&CShellBrowserEngine::OpenWithShell) {}

HRESULT CShellBrowserEngine::CreateEnvironment(LPCWSTR, LPCWSTR, EnvironmentCompleted completed)
{
    if (completed) completed(S_OK, std::make_shared<CShellEnvironment>(m_opener));
    return S_OK;
}

std::wstring CShellBrowserEngine::OpenedText(LPCWSTR lpszUrl)
{
    return std::wstring(L"No embedded browser is available on this computer. The page was opened in "
                        L"the default web browser:\r\n") + lpszUrl;
}

std::wstring CShellBrowserEngine::FailedText(LPCWSTR lpszUrl)
{
    return std::wstring(L"No embedded browser is available on this computer, and the default web "
                        L"browser could not open the page:\r\n") + lpszUrl;
}

bool CShellBrowserEngine::OpenWithShell(LPCWSTR lpszUrl)
{
    HINSTANCE hResult = ::ShellExecuteW(nullptr, nullptr, lpszUrl, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(hResult) > 32;
}
