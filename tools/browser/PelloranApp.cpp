#include "tools/browser/PelloranApp.h"

#include "tools/browser/PelloranDlg.h"
#include "tools/browser/SampleDlg.h"
#include "tools/browser/SettingManager.h"

#include <commctrl.h>

BOOL CPelloranApp::RegisterWindowClass()
{
    WNDCLASSEX wc = {};
    wc.cbSize = sizeof(wc);
    if (::GetClassInfoEx(::GetModuleHandle(nullptr), VISTREL_WINDOW_CLASS, &wc)) return TRUE;
    if (!::GetClassInfoEx(nullptr, WC_DIALOG, &wc)) return FALSE;
    wc.cbSize = sizeof(wc);
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.lpszClassName = VISTREL_WINDOW_CLASS;
    return ::RegisterClassEx(&wc) != 0;
}

BOOL CPelloranApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES | ICC_INTERNET_CLASSES |
                ICC_PAGESCROLLER_CLASS | ICC_NATIVEFNTCTL_CLASS | ICC_STANDARD_CLASSES | ICC_LINK_CLASS;
    ::InitCommonControlsEx(&icc);
    CWinApp::InitInstance();
    RegisterWindowClass();
    // Without the folder the browser keeps its data where it likes; the window still opens.
    CSettingManager::InitAppData(_T("TALVORA"), _T("PelloranWebView2"));

    CString strCmdLine = m_lpCmdLine ? m_lpCmdLine : _T("");
    if (!strCmdLine.IsEmpty()) {
        CSampleDlg dlg(strCmdLine, g_strUserDataFolder);
        m_pMainWnd = &dlg;
        dlg.DoModal();
    } else {
        CPelloranDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
    }
    m_pMainWnd = nullptr;
    return FALSE;
}
