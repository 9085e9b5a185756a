#include "platform/WinApp.h"

#include "platform/Profile.h"
#include "platform/ResourceHandle.h"
#include "platform/UiState.h"
#include "platform/Wnd.h"

#include <cstdlib>
#include <exception>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {
CWinApp* g_app = nullptr;

void ReplaceString(LPCTSTR& field, LPCTSTR value)
{
    free(const_cast<LPTSTR>(field));
    field = value ? _wcsdup(value) : nullptr;
}
} // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    g_app = this;
    m_bAutoDelete = FALSE;
    // Static construction runs on the program's first thread, which becomes the UI thread.
    m_nThreadID = ::GetCurrentThreadId();
    if (lpszAppName) m_pszAppName = _wcsdup(lpszAppName);
}

CWinApp::~CWinApp()
{
    ReplaceString(m_pszAppName, nullptr);
    ReplaceString(m_pszExeName, nullptr);
    ReplaceString(m_pszRegistryKey, nullptr);
    ReplaceString(m_pszProfileName, nullptr);
    if (g_app == this) g_app = nullptr;
}

void CWinApp::SetDefaultNames()
{
    if (!m_hInstance) m_hInstance = ::GetModuleHandleW(nullptr);
    if (!m_pszExeName) {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(m_hInstance, path, MAX_PATH - 1);
        wchar_t* name = wcsrchr(path, L'\\');
        name = name ? name + 1 : path;
        if (wchar_t* dot = wcsrchr(name, L'.')) *dot = 0;
        m_pszExeName = _wcsdup(name);
    }
    if (!m_pszAppName) m_pszAppName = _wcsdup(m_pszExeName);
    if (!m_pszProfileName) {
        CString ini(m_pszExeName);
        ini += L".INI";
        m_pszProfileName = _wcsdup(ini);
    }
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    ReplaceString(m_pszRegistryKey, lpszRegistryKey);
    SetDefaultNames();
    ReplaceString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey()
{
    return zel::Profile(m_pszRegistryKey, m_pszProfileName).GetAppRegistryKey();
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    return zel::Profile(m_pszRegistryKey, m_pszProfileName).GetSectionKey(lpszSection);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    return zel::Profile(m_pszRegistryKey, m_pszProfileName).GetProfileInt(lpszSection, lpszEntry, nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    return zel::Profile(m_pszRegistryKey, m_pszProfileName).WriteProfileInt(lpszSection, lpszEntry, nValue);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    return zel::Profile(m_pszRegistryKey, m_pszProfileName).GetProfileString(lpszSection, lpszEntry, lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    return zel::Profile(m_pszRegistryKey, m_pszProfileName).WriteProfileString(lpszSection, lpszEntry, lpszValue);
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    return zel::Profile(m_pszRegistryKey, m_pszProfileName).GetProfileBinary(lpszSection, lpszEntry, ppData, pBytes);
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    return zel::Profile(m_pszRegistryKey, m_pszProfileName).WriteProfileBinary(lpszSection, lpszEntry, pData, nBytes);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconW(AfxGetResourceHandle(), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorW(AfxGetResourceHandle(), lpszResourceName);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    if (CWinThread* thread = AfxGetThread()) {
        if (CWnd* wnd = thread->GetMainWnd()) return wnd;
    }
    return g_app ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandleW(nullptr);
}

LPCTSTR AfxGetAppName()
{
    return g_app ? g_app->m_pszAppName : nullptr;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = hInstance;
    app->m_lpCmdLine = lpCmdLine;
    app->m_nCmdShow = nCmdShow;
    app->m_nThreadID = ::GetCurrentThreadId();
    app->SetDefaultNames();
    int code = -1;
    try {
        if (app->InitApplication() && app->InitInstance()) return app->Run();
        if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
        code = app->ExitInstance();
    } catch (const std::exception& e) {
        zel::TraceError(L"application", zel::ToWideString(e.what(), -1, CP_UTF8).c_str());
    } catch (...) {
        zel::TraceError(L"application", L"unknown exception");
    }
    return code;
}
