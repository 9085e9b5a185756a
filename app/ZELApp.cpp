#include <winsock2.h>  // before windows.h, which the headers below bring in

#include "app/ZELApp.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include "app/AppLanguage.h"
#include "core/FileHelpers.h"
#include "core/LogRecords.h"
#include "core/LoginManager.h"
#include "screens/login/LoginWindow.h"
#include "app/ZELDlg.h"
#include "core/MyLogFile.h"
#include "core/ProgramGlobals.h"
#include "core/SettingManager.h"
#include "core/SystemHelpers.h"
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TPCClientManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/socket/SocketBase.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "platform/MessageBox.h"
#include "platform/ResourceHandle.h"
#include "platform/Wnd.h"
#include "ui/controls/WndShadow.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/MonitorInfo.h"
#include "ui/skin/SkinManager.h"

#include <commctrl.h>

namespace {

const wchar_t kVersion[] = L"4.2.0.0";
const wchar_t kBuild[] = L"2024122702";
const wchar_t kLogViewerExe[] = L"ZELLog.exe";
const wchar_t kSkinFile[] = L"ZEL.kor.skin";
const wchar_t kSkinFace[] = L"맑은고딕";
// The faces the screens draw with: the skin's, and the board's as its banner names it.
const wchar_t* const kDrawingFaces[] = {kSkinFace, L"맑은 고딕", nullptr};
const UINT IDS_OFFLINE = 111;
const int kLogViewerPolls = 12;
const int kVpnPolls = 32;

void OpenLog(CMyLogFile& log, LPCTSTR pszFile)
{
    log.InitAppData(L"TALVORA", L"Brindlecast");
    const CString strFolder = log.GetAppDataFolder();
    log.Init(strFolder + L"Log", strFolder + pszFile, 30, 1, 1, 0);
}

} // namespace

CZELApp::CZELApp() : CWinApp(nullptr) {}

CZELApp::~CZELApp()
{
    DiscardMainDialogAhead();
}

LANGID CZELApp::GetLanguageId() const
{
    return m_nLangIdOverride ? m_nLangIdOverride : ::GetUserDefaultLangID();
}

BOOL CZELApp::InitInstance()
{
    if (!CheckSingleInstance())
        return FALSE;
    // Sizes come from the real display: the skin is scaled by the ratio below, not by the system.
    ::SetProcessDPIAware();
    StartLogViewer();

    OpenLog(g_ApplicationLog, L"ZELLog.txt");
    g_ApplicationLog.Log(2, L"/===================================");
    g_ApplicationLog.Log(2, L"ZEL Log start");
    g_ApplicationLog.Log(2, L"===================[%s.%s]===================", kVersion, kBuild);
    OpenLog(g_TasLog, L"TASLog.txt");
    g_TasLog.Log(2, L"/===================================");
    g_TasLog.Log(2, L"TAS Log start");

    SetPlacementPath(g_ApplicationLog.GetAppDataFolder());

    if (!LoadResourceLibrary()) {
        AfxMessageBox(L"Error : Failed to initialize Resource!", MB_OK);
        return FALSE;
    }
    if (!IsInternetConnected()) {
        AfxMessageBox(IDS_OFFLINE, MB_OK);
        return FALSE;
    }
    Gdiplus::GdiplusStartupInput gdiplusInput;
    if (Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplusInput, nullptr) != Gdiplus::Ok) {
        m_gdiplusToken = 0;
        AfxMessageBox(L"Error : Failed to initialize GDI+ library!", MB_OK);
        return FALSE;
    }
    m_drawingWarmUp.Start(kDrawingFaces);
    CSettingManager::GetInstance()->Load();
    if (!InitNetwork()) {
        AfxMessageBox(L"Error : Failed to initialize Socket library!", MB_OK);
        return FALSE;
    }
    g_strAppVersion = kVersion;

    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"TALVORA");

    WNDCLASS wc = {};
    if (::GetClassInfoW(AfxGetInstanceHandle(), L"#32770", &wc)) {
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = ZEL_MAIN_WINDOW_CLASS;
        AfxRegisterClass(&wc);
    }

    const float fRatio = GetDpiRatio();
    g_ApplicationLog.Log(2, L"Load Skin fRatio=%f", double(fRatio));
    if (!g_SkinManager.LoadSkin(kSkinFile, fRatio, kSkinFace)) {
        g_ApplicationLog.Log(4, L"LoadSkin fail");
        AfxMessageBox(L"LoadSkin fail", MB_OK);
        return FALSE;
    }
    m_bSkinLoaded = TRUE;
    g_ApplicationLog.Log(1, L"Init skin");
    CWndShadow::Initialize(AfxGetInstanceHandle());

    if (!RunLoginDialog()) {
        DiscardMainDialogAhead();
        return FALSE;
    }
    RunMainDialog();
    return FALSE;
}

BOOL CZELApp::RunLoginDialog()
{
    // The login window's dialogs (server settings, announcement, upgrade) are the program's
    // composition's, set before the application starts.
    // The user reads and types for seconds; the main dialog's screens are built meanwhile, so that a
    // log-in goes straight on to the list's requests and the finished window.
    const SLoginRunResult run = RunLoginWindow(nullptr, [this] { BuildMainDialogAhead(); });
    m_nThirdCheck = run.nThirdCheck;
    g_ApplicationLog.Log(2, L"Login window closed: result %d", int(run.result));
    return run.result == ELoginResult::Success;
}

void CZELApp::RunMainDialog()
{
    // The whole session, log-outs and log-ins again included, runs in the main dialog's loop.
    std::unique_ptr<CZELDlg> pDlg = std::move(m_pMainDlgAhead);
    if (!pDlg) pDlg.reset(new CZELDlg(nullptr));
    m_pMainWnd = pDlg.get();
    const INT_PTR nResult = pDlg->RunSession();
    m_pMainWnd = nullptr;
    pDlg.reset();
    g_ApplicationLog.Log(2, L"Main dialog ended (%d)", (int)nResult);
    // The loop ends on the quit message, which the class library passes on: it is not for us.
    MSG msg;
    ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void CZELApp::BuildMainDialogAhead()
{
    if (m_pMainDlgAhead) return;
    std::unique_ptr<CZELDlg> pDlg(new CZELDlg(nullptr));
    if (!pDlg->CreateAhead()) {
        g_ApplicationLog.Log(3, L"Main dialog not built ahead: it is built after the log-in");
        if (pDlg->GetSafeHwnd()) pDlg->DestroyWindow();
        return;
    }
    g_ApplicationLog.Log(1, L"Main dialog built ahead");
    m_pMainDlgAhead = std::move(pDlg);
}

void CZELApp::DiscardMainDialogAhead()
{
    if (!m_pMainDlgAhead) return;
    if (m_pMainDlgAhead->GetSafeHwnd()) m_pMainDlgAhead->DestroyWindow();
    m_pMainDlgAhead.reset();
}

void CZELApp::TraceShutdown(LPCTSTR pszStep)
{
    if (!m_strShutdownTrace.IsEmpty())
        m_strShutdownTrace += L",";
    m_strShutdownTrace += pszStep;
    g_ApplicationLog.Log(1, L"Shut-down: %s", pszStep);
}

int CZELApp::ExitInstance()
{
    FreeResourceLibrary();
    TraceShutdown(L"resources");
    CSettingManager::DestroyInstance();
    TraceShutdown(L"settings");
    ShutdownNetwork();
    TraceShutdown(L"network");
    // The skin's master records hold GDI+ images (drop-down pictures load lazily into them);
    // deleting one after GdiplusShutdown is undefined, so they go first.
    if (m_bSkinLoaded) {
        g_SkinManager.ReleaseImages();
        m_bSkinLoaded = FALSE;
        TraceShutdown(L"skin images");
    }
    if (m_gdiplusToken) {
        m_drawingWarmUp.Wait();
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
        m_gdiplusToken = 0;
        TraceShutdown(L"gdiplus");
    }
    g_ApplicationLog.Log(2, L"ZEL Log end");
    return CWinApp::ExitInstance();
}

BOOL CZELApp::CheckSingleInstance()
{
    HANDLE hMutex = ::CreateMutexW(nullptr, TRUE, ZEL_INSTANCE_MUTEX);
    const DWORD dwError = ::GetLastError();
    if (hMutex && dwError == ERROR_ALREADY_EXISTS) {
        ::ReleaseMutex(hMutex);
        if (HWND hRunning = ::FindWindowW(nullptr, ZEL_INSTANCE_MUTEX)) {
            if (::IsIconic(hRunning))
                ::ShowWindow(hRunning, SW_RESTORE);
            ::SetForegroundWindow(::GetLastActivePopup(hRunning));
            ActivateRunningInstance();
        }
        ::OutputDebugStringW(L"instance already exist...skip initinstance...\n");
        return FALSE;
    }
    // The handle stays open: the mutex lives as long as this process.
    if (hMutex)
        ::ReleaseMutex(hMutex);
    return TRUE;
}

void CZELApp::ActivateRunningInstance()
{
    HANDLE hSnap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnap == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32W pe = {};
    pe.dwSize = sizeof(pe);
    for (BOOL bMore = ::Process32FirstW(hSnap, &pe); bMore; bMore = ::Process32NextW(hSnap, &pe)) {
        if (_wcsicmp(pe.szExeFile, L"ZEL.EXE") != 0)
            continue;
        ::CloseHandle(hSnap);
        if (HWND hWnd = FindTopWindowOfProcess(pe.th32ProcessID)) {
            ::ShowWindow(hWnd, SW_RESTORE);
            ::ShowWindow(hWnd, SW_SHOW);
            ::SetForegroundWindow(::GetLastActivePopup(hWnd));
        }
        return;
    }
    ::CloseHandle(hSnap);
}

DWORD CZELApp::GetWindowProcessId(HWND hWnd)
{
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    return dwPid;
}

HWND CZELApp::FindTopWindowOfProcess(DWORD dwProcessId)
{
    for (HWND hWnd = ::FindWindowW(nullptr, nullptr); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (::GetParent(hWnd) == nullptr && GetWindowProcessId(hWnd) == dwProcessId)
            return hWnd;
    }
    return nullptr;
}

BOOL CZELApp::IsProcessRunning(const CString& strExeName)
{
    HANDLE hSnap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnap == INVALID_HANDLE_VALUE)
        return FALSE;
    PROCESSENTRY32W pe = {};
    pe.dwSize = sizeof(pe);
    BOOL bFound = FALSE;
    if (::Process32FirstW(hSnap, &pe)) {
        while (::Process32NextW(hSnap, &pe)) {
            if (strExeName == pe.szExeFile) {
                bFound = TRUE;
                break;
            }
        }
    }
    ::CloseHandle(hSnap);
    return bFound;
}

void CZELApp::StartLogViewer()
{
    if (::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr))
        return;
    RunProgram(GetModuleFolder() + kLogViewerExe, L"", FALSE);
    for (int i = 0; i < kLogViewerPolls; ++i) {
        if (::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr))
            break;
        ::Sleep(100);
    }
}

void CZELApp::SelectResourceLibrary()
{
    m_hResourceDll = ::LoadLibraryW(ResourceLibraryForLanguage(GetLanguageId()));
}

BOOL CZELApp::LoadResourceLibrary()
{
    SelectResourceLibrary();
    const LPCTSTR pszName = ResourceLibraryForLanguage(GetLanguageId());
    if (!m_hResourceDll) {
        const DWORD dwError = ::GetLastError();
        g_ApplicationLog.Log(4, L"Language library %s not loaded (error %u): %s", pszName, (UINT)dwError,
                             GetSystemErrorText(dwError));
        return FALSE;
    }
    g_ApplicationLog.Log(2, L"Language library %s (language %u)", pszName, (UINT)GetLanguageId());
    AfxSetResourceHandle(m_hResourceDll);
    return TRUE;
}

void CZELApp::FreeResourceLibrary()
{
    if (m_hResourceDll) {
        if (AfxGetResourceHandle() == m_hResourceDll)
            AfxSetResourceHandle(AfxGetInstanceHandle());
        ::FreeLibrary(m_hResourceDll);
        m_hResourceDll = nullptr;
    }
}

BOOL CZELApp::InitNetwork()
{
    if (!CSocketBase::InitializeSockets(true, 10))
        return FALSE;
    CTCPSocketAsyncSSL::InitializeSSL();
    // The definitions lie beside the program, wherever the process was started from.
    const CString strFolder = GetModuleFolder() + L"protocols\\";
    if (!CTasClientManager::GetInstance()->Init(strFolder + L"protocol.xml"))
        g_ApplicationLog.Log(3, L"TAS client: definitions not loaded");
    if (!CTPCClientManager::GetInstance()->Init(strFolder + L"pps_protocol.xml"))
        g_ApplicationLog.Log(3, L"TPC client: definitions not loaded");
    if (!CTDSClientManager::GetInstance()->Init(strFolder + L"tds_protocol.xml"))
        g_ApplicationLog.Log(3, L"TDS client: definitions not loaded");
    return TRUE;
}

void CZELApp::ShutdownNetwork()
{
    CLoginManager::DestroyInstance();
    CTasClientManager::DestroyInstance();
    CTPCClientManager::DestroyInstance();
    CTDSClientManager::DestroyInstance();
    CSocketBase::ShutdownSockets();
    CTCPSocketAsyncSSL::ShutdownSSL();
}

float CZELApp::GetDpiRatio()
{
    HDC hdc = ::GetDC(nullptr);
    const int nLogPixels = ::GetDeviceCaps(hdc, LOGPIXELSX);
    ::ReleaseDC(nullptr, hdc);
    return DpiRatioFromLogPixels(nLogPixels);
}

CString CZELApp::GetDefaultFontName() { return FontForLanguage(GetLanguageId()).pszFace; }
int CZELApp::GetDefaultFontSize() { return FontForLanguage(GetLanguageId()).nDefaultSize; }
int CZELApp::GetLargeFontSize() { return FontForLanguage(GetLanguageId()).nLargeSize; }
int CZELApp::GetDisplayFontSize() { return FontForLanguage(GetLanguageId()).nDisplaySize; }

CString MakeBrowserAppParameters(const CString& strUrl, int x, int y)
{
    // Characters that would end the quoted command-line argument, the script's string or the
    // markup are percent-encoded; a browser reads the same address back.
    CString strSafe;
    for (int i = 0; i < strUrl.GetLength(); ++i) {
        const wchar_t c = strUrl[i];
        if (c == L'"' || c == L'\'' || c == L'\\' || c == L'<' || c == L'>' || c < 0x20) {
            CString strHex;
            strHex.Format(L"%%%02X", (unsigned)c);
            strSafe += strHex;
        } else {
            strSafe += c;
        }
    }
    CString strParams;
    strParams.Format(L"--app=\"data:text/html,<html><body><script>window.resizeTo(%d,%d);window.moveTo(%d,%d);"
                     L"window.location='%s';</script></body></html>\"",
                     1140, 640, x, y, strSafe.GetString());
    return strParams;
}

void CZELApp::OpenBrowserAppWindow(const CString& strUrl)
{
    const int nWidth = ::GetSystemMetrics(SM_CXFULLSCREEN);
    const int nHeight = ::GetSystemMetrics(SM_CYFULLSCREEN);
    const CString strParams = MakeBrowserAppParameters(strUrl, (nWidth - 1140) / 2, (nHeight - 640) / 2);

    CString strCandidates[3];
    wchar_t szFolder[MAX_PATH] = {};
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, szFolder)))
        strCandidates[0].Format(L"%s\\Google\\Chrome\\Application\\chrome.exe", szFolder);
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, szFolder)))
        strCandidates[1].Format(L"%s\\Google\\Chrome\\Application\\chrome.exe", szFolder);
    strCandidates[2] = L"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe";
    for (const CString& strPath : strCandidates) {
        if (!strPath.IsEmpty() && FileExists(strPath, FALSE)) {
            RunProgram(strPath, strParams, FALSE);
            return;
        }
    }
    RunProgram(strUrl, L"", FALSE);
}

bool CZELApp::IsVpnAgentRunning()
{
    g_ApplicationLog.Log(2, L"axgateVPN Is Running...");
    return ::FindWindowW(nullptr, L"Axgate VPN Client") != nullptr;
}

int CZELApp::StartVpnAgent()
{
    int nRet = -1;
    if (IsVpnAgentRunning()) {
        nRet = 1;
    } else {
        wchar_t szFolder[MAX_PATH] = {};
        ::SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, szFolder);
        CString strPath;
        strPath.Format(L"%s\\AXGATE\\AXGATE VPN Client\\Bin\\%s", szFolder, L"AxgateVpnClient.exe");
        g_ApplicationLog.Log(2, L"VPN Path : [ %s ]...", strPath);
        if (RunProgram(strPath, L"", FALSE) == 0)
            nRet = 0;
        for (int i = 1; !::FindWindowW(nullptr, L"Axgate VPN Client"); ++i) {
            ::Sleep(100);
            if (i >= kVpnPolls) {
                nRet = 2;
                break;
            }
        }
    }
    g_ApplicationLog.Log(2, L"axgateVPNStart nRet = %d", nRet);
    return nRet;
}
