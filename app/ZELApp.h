#pragma once
// CZELApp: the client's application object. It starts the client in a fixed order (one
// instance, log service, logs, language library, GDI+, settings, sockets and server clients,
// window class, skin), runs the login window and then the main dialog modally, and releases
// everything in the reverse order in ExitInstance. InitInstance always answers FALSE, so the
// class library never runs a message loop of its own.
#include <windows.h>

#include <memory>

#include "app/DrawingWarmUp.h"
#include "platform/CString.h"
#include "platform/WinApp.h"

// The window class of the main dialog (a copy of the standard dialog class).
#define ZEL_MAIN_WINDOW_CLASS L"ZEL_Talvora_Class"
// The single-instance mutex, and the title a second instance looks for.
#define ZEL_INSTANCE_MUTEX L"Meeting_Mutex"

class CZELDlg;

class CZELApp : public CWinApp {
public:
    CZELApp();
    ~CZELApp() override;

    ULONG_PTR m_gdiplusToken = 0;
    HMODULE m_hResourceDll = nullptr;
    // Codecs, fonts and GDI+ drawing used once off the window's thread while the login waits.
    CDrawingWarmUp m_drawingWarmUp;

    BOOL InitInstance() override;
    int ExitInstance() override;

    BOOL CheckSingleInstance();
    void ActivateRunningInstance();
    void StartLogViewer();
    BOOL LoadResourceLibrary();
    void SelectResourceLibrary();
    void FreeResourceLibrary();
    BOOL InitNetwork();
    void ShutdownNetwork();
    // The login window, modally; TRUE when the user logged in. The main dialog is built while it
    // waits for the user.
    virtual BOOL RunLoginDialog();
    // The main dialog, modally, for as long as the user stays logged in.
    virtual void RunMainDialog();
    // The main dialog built while the login window waits (null until then, and once it runs).
    CZELDlg* GetMainDialogAhead() const { return m_pMainDlgAhead.get(); }

    float GetDpiRatio();
    CString GetDefaultFontName();
    int GetDefaultFontSize();
    int GetLargeFontSize();
    int GetDisplayFontSize();

    static DWORD GetWindowProcessId(HWND hWnd);
    static HWND FindTopWindowOfProcess(DWORD dwProcessId);
    static BOOL IsProcessRunning(const CString& strExeName);

    void OpenBrowserAppWindow(const CString& strUrl);
    int StartVpnAgent();
    bool IsVpnAgentRunning();

    // The language the library and the fonts are chosen by; GetUserDefaultLangID unless a test
    // sets one.
    LANGID GetLanguageId() const;
    void SetLanguageIdForTest(LANGID nLangId) { m_nLangIdOverride = nLangId; }

    // Where the shut-down has got to, for the program's diagnostics: the steps done, in order.
    const CString& GetShutdownTrace() const { return m_strShutdownTrace; }

private:
    void TraceShutdown(LPCTSTR pszStep);
    void BuildMainDialogAhead();
    void DiscardMainDialogAhead();
    std::unique_ptr<CZELDlg> m_pMainDlgAhead;
    LANGID m_nLangIdOverride = 0;
    BOOL m_bSkinLoaded = FALSE;
    int m_nThirdCheck = 0;   // the login window's third check box at the log-in
    CString m_strShutdownTrace;
};

// The browser-application start parameters: the page is reached through a small script, so the
// address is percent-encoded where it could end the quoted argument or the script's string.
CString MakeBrowserAppParameters(const CString& strUrl, int x, int y);
