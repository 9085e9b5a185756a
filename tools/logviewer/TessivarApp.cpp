#include "tools/logviewer/TessivarApp.h"

#include <commctrl.h>

#include "core/LogRecords.h"
#include "core/SystemHelpers.h"
#include "tools/logviewer/TessivarDlg.h"

namespace {

const wchar_t kMutexName[] = L"TALVORA_LOG_APP";
// A running instance that does not answer does not hold up the one that asks it.
const UINT kControlTimeoutMs = 5000;

void SendControl(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR dwResult = 0;
    SendMessageTimeoutW(hWnd, UWM_APP_CONTROL, wParam, lParam, SMTO_ABORTIFHUNG, kControlTimeoutMs, &dwResult);
}

}  // namespace

CTessivarApp::CTessivarApp() : m_strTitle(LOG_APP_TITLE)
{
    m_hMutex = ::CreateMutexW(nullptr, TRUE, kMutexName);
    if (!m_hMutex) {
        m_dwMutexError = ::GetLastError();
    } else if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
}

CTessivarApp::~CTessivarApp()
{
    if (m_hMutex) {
        ::ReleaseMutex(m_hMutex);
        ::CloseHandle(m_hMutex);
    }
}

BOOL CTessivarApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES |
                                                ICC_USEREX_CLASSES | ICC_COOL_CLASSES | ICC_INTERNET_CLASSES |
                                                ICC_PAGESCROLLER_CLASS | ICC_NATIVEFNTCTL_CLASS | ICC_LINK_CLASS};
    ::InitCommonControlsEx(&icc);
    CWinApp::InitInstance();
    CTessivarDlg::RegisterWindowClass();

    if (m_dwMutexError != 0) {
        CString strText = GetSystemErrorText(m_dwMutexError);
        AfxMessageBox(strText.IsEmpty() ? CString(L"GetErrorMsg fail") : strText);
    }

    CString strCommand = m_lpCmdLine ? m_lpCmdLine : L"";
    strCommand.MakeLower();
    bool bVisible = false;
    if (strCommand == L"show") {
        if (HWND hRunning = ::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr)) SendControl(hRunning, APP_CONTROL_VISIBLE, 1);
        else bVisible = true;
    } else if (strCommand == L"close") {
        if (HWND hRunning = ::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr)) SendControl(hRunning, APP_CONTROL_QUIT, 0);
        return FALSE;
    }

    if (!IsFirstInstance()) {
        if (HWND hRunning = ::FindWindowW(nullptr, m_strTitle)) {
            ::ShowWindow(hRunning, SW_SHOW);
            ::SetForegroundWindow(hRunning);
        }
        return FALSE;
    }

    CTessivarDlg dlg;
    dlg.SetVisibleFlag(bVisible);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
