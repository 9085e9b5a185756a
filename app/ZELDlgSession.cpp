// The main dialog's end of things: connection notices, log-out and logging in again, the quit
// request of the close program, power events, closing and the teardown.
#include "app/ZELDlg.h"

#include "app/SystemTray.h"
#include "app/main/SocketErrorText.h"
#include "app/main/UpgradeDlg.h"
#include "core/AppControl.h"
#include "core/CrashReportManager.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TPCClientManager.h"
#include "net/protocol/TasClientManager.h"
#include "platform/MessageBox.h"
#include "resources/resource.h"
#include "platform/StringConversion.h"
#include "ui/controls/OkCancelDlg.h"
#include "ui/controls/ToastPopup.h"
#include "ui/skin/MonitorInfo.h"

namespace {

std::function<ELoginResult()>& ReloginRunner()
{
    static std::function<ELoginResult()> runner;
    return runner;
}

}  // namespace

void CZELDlg::SetReloginRunnerForTest(std::function<ELoginResult()> runner)
{
    ReloginRunner() = std::move(runner);
}

// ---- Log-out ----

void CZELDlg::RequestLogout(BOOL bQuit)
{
    CloseOpenPopups();
    CLoginManager::GetInstance()->SetSawonNo(CString());
    m_bQuitAfterLogout = bQuit;
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    pTas->SetListener(m_hWnd);
    g_ApplicationLog.Log(2, L"Log-out requested (quit %d)", bQuit);
    pTas->RequestM00000023();
    CTDSClientManager::GetInstance()->RequestM00000002();
}

LRESULT CZELDlg::OnLogoutReply()
{
    if (m_bQuitAfterLogout) {
        g_ApplicationLog.Log(2, L"PostQuitMessage...");
        ::PostQuitMessage(0);
        m_push.ClearPushBlock();
        return 0;
    }
    m_push.ClearPushBlock();
    g_ApplicationLog.Log(2, L"Log out...");
    PostMessage(WM_MAIN_RELOGIN);
    return 0;
}

LRESULT CZELDlg::OnRelogin()
{
    CTasClientManager::GetInstance()->ResetClient();
    CTPCClientManager::GetInstance()->ResetClient();
    CTDSClientManager::GetInstance()->ResetClient();
    if (m_bFullView) {
        m_bFullView = FALSE;
        LeaveFullView();
    }
    ShowWindow(SW_HIDE);
    // The palette the window owns must not stay over the login window.
    ShowDrawToolForMode();
    ClearSavedLogin();
    m_bLoggingOut = TRUE;
    ELoginResult result;
    if (ReloginRunner()) {
        result = ReloginRunner()();
    } else {
        result = RunLoginWindow(nullptr).result;
    }
    if (result == ELoginResult::Success) {
        CTasClientManager::GetInstance()->DeleteRetiredClient();
        CTPCClientManager::GetInstance()->DeleteRetiredClient();
        CTDSClientManager::GetInstance()->DeleteRetiredClient();
        ConnectSessionClients();
        m_strUserId = CLoginManager::GetInstance()->GetUserIdAnsi();
        // The new session starts as a first one: today's meetings, no search of the last user,
        // the side panel on its attendees.
        if (m_pList) m_pList->ResetCalendarToToday();
        SetScreenMode(ZEL_MODE_LIST, CString());
        ShowWindow(SW_SHOW);
        CMeetingManager::GetInstance()->SetObserver(CLoginManager::GetInstance()->IsObserver());
        if (IInfoLayer* pInfo = GetInfoLayer()) pInfo->ShowMainTab();
        g_ApplicationLog.Log(2, L"Logged in again as %s", (LPCTSTR)m_strUserId);
    } else {
        // Given up, or the login window ended the program (its message has been shown).
        g_ApplicationLog.Log(2, L"No log-in again: the client ends");
        ::PostQuitMessage(0);
    }
    if (m_pSystemTray) m_pSystemTray->SetShellEnabled(TRUE);
    m_bLoggingOut = FALSE;
    return 0;
}

// ---- Connection notices ----

LRESULT CZELDlg::OnConnectionLost()
{
    // Messages the user sent and the server did not answer are shown as not sent while he decides.
    if (m_pMeeting) m_pMeeting->OnConnectionLost();
    const CString strText = LoadText(IDS_RECONNECT_QUESTION);
    int nAnswer = IDCANCEL;
    for (;;) {
        bool bReplaced = false, bAskedAgain = false;
        nAnswer = RunMessagePopup(CString(), strText, 137, nullptr, TRUE, &bReplaced, &bAskedAgain);
        // A question closed because the same question was asked again is answered by the new one.
        if (bAskedAgain) return 0;
        // Closed by another pop-up or a screen switch, whose modal loop has ended by now: the
        // connection is still down, so the user is asked again.
        if (!bReplaced) break;
        g_ApplicationLog.Log(2, L"Connection lost: the question was closed by another, asked again");
    }
    if (nAnswer == IDOK) {
        g_ApplicationLog.Log(2, L"Connection lost: reconnecting");
        CTasClientManager::GetInstance()->Reconnect();
    } else {
        g_ApplicationLog.Log(2, L"Connection lost: the client ends");
        ::PostQuitMessage(0);
    }
    return 0;
}

LRESULT CZELDlg::OnSocketError(LPARAM lParam)
{
    const int nCode = (int)lParam;
    // A code of 0 is no error: it neither shows nor silences a later real one.
    if (nCode == 0 || m_bSocketError) return 0;
    m_bSocketError = TRUE;
    const CString strText = MainSocketErrorText(nCode);
    g_ApplicationLog.Log(4, L"Socket error %d: %s", nCode, (LPCTSTR)strText);
    AfxMessageBox(strText, MB_OK);
    if (!m_bInitialized) {
        g_bNetworkStop = TRUE;
        CLoginManager::DestroyInstance();
        CTasClientManager::DestroyInstance();
        CTPCClientManager::DestroyInstance();
    }
    ::PostQuitMessage(0);
    return 0;
}

LRESULT CZELDlg::OnUpgradeNotice(LPARAM lParam)
{
    const CString strUrl = lParam ? *reinterpret_cast<const CString*>(lParam) : CString();
    const int nAnswer = ShowMessagePopup(LoadText(IDS_UPGRADE_CAPTION), LoadText(IDS_UPGRADE_TEXT), 137, nullptr, TRUE);
    if (nAnswer == IDCANCEL || nAnswer == IDABORT) {
        ::PostQuitMessage(0);
        return 0;
    }
    const CString strPath = RunUpgradeDownload(strUrl, this);
    if (!strPath.IsEmpty()) {
        const std::string strAnsi = (LPSTR)CW2A(strPath, CP_ACP);
        ::WinExec(strAnsi.c_str(), SW_SHOW);
    }
    ::PostQuitMessage(0);
    return 0;
}

void CZELDlg::LeaveMeetingForExit()
{
    if (!m_pMeeting) return;
    // Whoever leads or follows a page stops doing so before the session goes: otherwise the
    // others keep following a presenter who has left.
    if (m_nMode == ZEL_MODE_MEETING && m_pMeeting->IsPageSync()) {
        const CString strDocument = m_pMeeting->GetCurrentDocumentId();
        if (!strDocument.IsEmpty())
            CTasClientManager::GetInstance()->RequestM00000015(m_pMeeting->GetMeetingId(), strDocument, FALSE, 0, FALSE,
                                                               FALSE, FALSE);
    }
    m_pMeeting->LeaveMeeting();
}

LRESULT CZELDlg::OnQuitRequest(WPARAM wParam)
{
    if (wParam != APP_CONTROL_QUIT) return 0;
    g_ApplicationLog.Log(2, L"Quit requested by the close program");
    LeaveMeetingForExit();
    RequestLogout(TRUE);
    return 0;
}

LRESULT CZELDlg::OnPowerBroadcast(WPARAM wParam)
{
    if (wParam == PBT_APMQUERYSUSPEND) {
        g_ApplicationLog.Log(2, L"PBT_APMQUERYSUSPEND -> BROADCAST_QUERY_DENY\r\n");
        return BROADCAST_QUERY_DENY;
    }
    if (wParam == PBT_APMSUSPEND) {
        LeaveMeetingForExit();
        RequestLogout(TRUE);
        g_ApplicationLog.Log(2, L"PBT_APMSUSPEND -> BROADCAST_QUERY_DENY\r\n");
        return BROADCAST_QUERY_DENY;
    }
    g_ApplicationLog.Log(2, L"Powerbroadcast() >>> etc return TRUE;\r\n");
    return TRUE;
}

// ---- Closing ----

void CZELDlg::OnTitleClose()
{
    if (GetShowCmd() == SW_SHOWMINIMIZED) OnCmdRestoreWindow();
    // On the detail and the meeting screen the meeting screen decides: it stores unsaved drawing
    // first (and then ends the program itself once the save has finished) or asks, stops leading
    // or following the presenter and leaves the meeting before it logs out.
    if (m_nMode != ZEL_MODE_LIST && m_pMeeting) {
        m_pMeeting->LeaveMeetingByTitle();
        return;
    }
    if (ShowOkCancel(LoadText(IDS_EXIT_QUESTION), LoadText(IDS_POPUP_TITLE), FALSE, FALSE) != IDOK) return;
    if (m_pMeeting) m_pMeeting->LeaveMeeting();
    RequestLogout(TRUE);
}

void CZELDlg::OnClose()
{
    if (m_bSocketError) {
        DestroyWindow();
        return;
    }
    OnTitleClose();
}

void CZELDlg::OnDestroy()
{
    // Closed in the full view: the window's own rectangle is kept for the next start, not the
    // screen's.
    if (m_bFullView) LeaveFullView();
    // A window built ahead for a log-in that never came was never the user's: its place is not his.
    if (m_bInitialized && !::IsZoomed(m_hWnd) && !::IsIconic(m_hWnd)) SaveWindowRect(L"CZELDlg", this);
    UnregisterRawInput();
    KillTimer(TIMER_KEEP_AWAKE);
    if (m_pSystemTray) m_pSystemTray->RemoveTrayIcon();
    g_bNetworkStop = TRUE;
    // The clients stop talking to a window that is going.
    CTasClientManager::GetInstance()->SetEventWindow((HWND)nullptr);
    CTasClientManager::GetInstance()->SetListener((HWND)nullptr);
    CTPCClientManager::GetInstance()->SetEventWindow((HWND)nullptr);
    CTPCClientManager::GetInstance()->SetListener((HWND)nullptr);
    CTDSClientManager::GetInstance()->SetEventWindow((HWND)nullptr);
    CTDSClientManager::GetInstance()->SetListener((HWND)nullptr, nullptr);
    DestroySignWindow();
    CMeetingManager::DestroyInstance();
    for (CWnd** ppWnd : {&m_pTitleWnd, &m_pListWnd, &m_pDetailWnd, &m_pMeetingWnd}) {
        CWnd*& pWnd = *ppWnd;
        if (!pWnd) continue;
        if (::IsWindow(pWnd->GetSafeHwnd())) pWnd->DestroyWindow();
        delete pWnd;
        pWnd = nullptr;
    }
    m_pTitleBar = nullptr;
    m_pList = nullptr;
    m_pDetail = nullptr;
    m_pMeeting = nullptr;
    m_pBoardDrawing.reset();
    if (m_pDrawToolMain) {
        // Its window keeps the user's colours when it goes.
        if (::IsWindow(m_pDrawToolMain->GetSafeHwnd())) m_pDrawToolMain->DestroyWindow();
        delete m_pDrawToolMain;
        m_pDrawToolMain = nullptr;
    }
    if (m_pSystemTray) {
        if (::IsWindow(m_pSystemTray->GetSafeHwnd())) m_pSystemTray->DestroyWindow();
        delete m_pSystemTray;
        m_pSystemTray = nullptr;
    }
    if (::IsWindow(m_trayPopup.GetSafeHwnd())) m_trayPopup.DestroyWindow();
    // The toast deletes itself with its window.
    if (m_pToast && ::IsWindow(m_pToast->GetSafeHwnd())) m_pToast->DestroyWindow();
    m_pToast = nullptr;
    if (GetMainDlg() == this) SetMainDlg(nullptr);
    CCrashReportManager::DestroyInstance();
    g_ApplicationLog.Log(2, L"Main dialog closed");
}
