#pragma once
// CWinApp: the one application object of a program. AfxWinMain runs InitInstance; when it
// returns TRUE the application's message loop (Run) follows, when FALSE the program goes
// straight to ExitInstance. A program's wWinMain hands over with
//     return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
#include "platform/CString.h"
#include "platform/WinThread.h"

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The object registers itself as the application (AfxGetApp); there is one per program.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    // Owned copies (malloc): code may free one and put its own _wcsdup in its place.
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    // Shows AfxMessageBox's boxes: the application's name as caption, owned by the main window.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Profile (zel::Profile of m_pszRegistryKey and m_pszProfileName): with a registry key the
    // values live under HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>, else
    // in the ini file named by m_pszProfileName.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    // Opened (and created) keys; the caller closes them. Null without a registry key.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    // A null value deletes the entry, a null entry the whole section.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Icons and cursors come from the resource library (AfxGetResourceHandle).
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIconW(nullptr, lpszIconName); }
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursorW(nullptr, lpszCursorName); }

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPTSTR, int);
    void SetDefaultNames();
};

CWinApp* AfxGetApp();
// The main window of the calling thread's thread object, else the application's.
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
LPCTSTR AfxGetAppName();
// Nothing to do here: there are no ActiveX controls to host.
inline void AfxEnableControlContainer() {}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
