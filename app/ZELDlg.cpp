// The main dialog's structure: start-up, the screens and their modes, layout and painting.
#include "app/ZELDlg.h"

#include <clocale>

#include "app/SystemTray.h"
#include "ui/host/DetailScreen.h"
#include "ui/host/MeetingScreen.h"
#include "app/main/ScreenMakers.h"
#include "core/AppControl.h"
#include "core/ClientMessages.h"
#include "core/CrashReportManager.h"
#include "core/LoginManager.h"
#include "core/SystemHelpers.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TPCClientManager.h"
#include "net/protocol/TasClientManager.h"
#include "platform/DC.h"
#include "platform/ResourceHandle.h"
#include "resources/resource.h"
#include "ui/controls/ToastPopup.h"
#include "ui/skin/MonitorInfo.h"
#include "ui/skin/SkinLookups.h"
#include "ui/skin/SkinManager.h"

namespace {

const wchar_t kWindowTitle[] = L"Brindlecast";
const wchar_t kPlacementName[] = L"CZELDlg";
const wchar_t kTrayMessage[] = L"ZEL Tray Notification Message";
const UINT kTrayIconId = 140;

// Whatever a maker returned: the window (shown or hidden later) and its interface.
template <class I>
CWnd* MakePart(const std::function<CWnd*(CWnd*, I**)>& maker, CWnd* pParent, I** ppPart)
{
    *ppPart = nullptr;
    if (!maker) return nullptr;
    CWnd* pWnd = maker(pParent, ppPart);
    if (!pWnd) *ppPart = nullptr;
    return pWnd;
}

}  // namespace

CZELDlg::CZELDlg(CWnd* pParent) : CDialogEx(IDD_MAIN_DLG, pParent)
{
    // Korean dates and texts in the run-time library's formatting, whatever the machine's locale.
    setlocale(LC_ALL, "korean");
}

CZELDlg::~CZELDlg()
{
    if (GetMainDlg() == this) SetMainDlg(nullptr);
}

BOOL CZELDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    BuildWindow();
    if (!m_bBuiltAhead) StartSession();
    return TRUE;
}

BOOL CZELDlg::CreateAhead()
{
    m_bBuiltAhead = TRUE;
    if (Create(IDD_MAIN_DLG, nullptr)) return TRUE;
    m_bBuiltAhead = FALSE;
    return FALSE;
}

INT_PTR CZELDlg::RunSession()
{
    if (!m_bBuiltAhead || !GetSafeHwnd()) return DoModal();
    StartSession();
    return RunModalCreated();
}

void CZELDlg::BuildWindow()
{
    SetMainDlg(this);
    ModifyStyle(0, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    // Magenta pixels of the window are see-through (the frame's rounded corners).
    ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, RGB(255, 0, 255), 255, LWA_COLORKEY);
    ModifyStyle(0, WS_CLIPCHILDREN);
    g_SkinManager.m_screens.CopyScreenByName(SKINSCREEN_MAIN, m_skinScreen);
    m_hAccel = ::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAIN_ACCEL));
    SetWindowText(kWindowTitle);
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_APP));
    if (m_hIcon) SetIcon(m_hIcon, TRUE);

    // A crash of the session leaves a dump beside the logs.
    CCrashReportManager::GetInstance()->Init(g_ApplicationLog.GetAppDataFolder());
    CreateLayers();
    PlaceWindow();
}

void CZELDlg::StartSession()
{
    CMeetingManager::GetInstance()->SetObserver(CLoginManager::GetInstance()->IsObserver());
    RegisterRawInput();
    CreateTrayIcon();
    ConnectSessionClients();
    m_bInitialized = TRUE;
    m_strUserId = CLoginManager::GetInstance()->GetUserIdAnsi();
    g_ApplicationLog.Log(2, L"Main dialog started for user %s", (LPCTSTR)m_strUserId);
    if (m_pList) m_pList->RefreshList();
}

void CZELDlg::CreateLayers()
{
    // The palette first: the title bar places it in the meeting mode.
    m_pDrawToolMain = new CDrawToolMain(this, this, CString());
    if (!m_pDrawToolMain->CreatePalette()) {
        g_ApplicationLog.Log(3, L"Drawing palette not created");
        delete m_pDrawToolMain;
        m_pDrawToolMain = nullptr;
    }
    m_pBoardDrawing.reset(MakeBoardDrawing());
    const SScreenMakers& makers = GetScreenMakers();
    m_pTitleWnd = MakePart(makers.makeTitleBar, this, &m_pTitleBar);
    m_pListWnd = MakePart(makers.makeList, this, &m_pList);
    m_pDetailWnd = MakePart(makers.makeDetail, this, &m_pDetail);
    m_pMeetingWnd = MakePart(makers.makeMeeting, this, &m_pMeeting);
    for (CWnd* pWnd : {m_pTitleWnd, m_pListWnd, m_pDetailWnd, m_pMeetingWnd})
        if (pWnd && pWnd->GetSafeHwnd()) pWnd->ModifyStyle(0, WS_CLIPCHILDREN);
    if (m_pTitleWnd && m_pTitleWnd->GetSafeHwnd()) m_pTitleWnd->ShowWindow(SW_SHOW);
    m_nMode = ZEL_MODE_LIST;
    m_bLayersCreated = TRUE;
    LayoutChildren();
    ShowOnly(m_pListWnd);
}

void CZELDlg::CreateTrayIcon()
{
    m_pToast = new CToastPopup(this);
    if (m_pToast->Create(IDD_TOAST, this)) {
        m_pToast->ModifyStyle(0, WS_CHILD);
    } else {
        delete m_pToast;
        m_pToast = nullptr;
    }
    m_nTrayMessage = ::RegisterWindowMessageW(kTrayMessage);
    m_pSystemTray = new CSystemTray();
    m_pSystemTray->SetCommandTarget(this);
    const CString strTip = LoadText(IDS_TRAY_TIP);
    if (!m_pSystemTray->CreateIcon(nullptr, m_nTrayMessage, strTip, m_hIcon, kTrayIconId, FALSE, nullptr, nullptr,
                                   0, 10))
        g_ApplicationLog.Log(3, L"Tray icon not added");
    m_trayPopup.CreatePopup(this);
}

void CZELDlg::ConnectSessionClients()
{
    CSettingManager* pSettings = CSettingManager::GetInstance();
    CTPCClientManager* pPush = CTPCClientManager::GetInstance();
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    // The event windows first: a push server that refuses at once is reported here.
    pTas->SetEventWindow(m_hWnd);
    pPush->SetEventWindow(m_hWnd);
    pPush->SetListener(m_hWnd);
    pPush->Connect(pSettings->GetTPCAddress(), pSettings->GetTPCPort());
    const CString strTds = pSettings->GetTDSAddress();
    if (!strTds.IsEmpty()) {
        CTDSClientManager* pTds = CTDSClientManager::GetInstance();
        pTds->SetEventWindow(m_hWnd);
        pTds->SetListener(m_hWnd, &m_sync);
        pTds->Connect(strTds, pSettings->GetTDSPort());
    }
}

void CZELDlg::PlaceWindow()
{
    if (RestoreWindowRect(kPlacementName, this)) return;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, ZEL_MIN_WIDTH, ZEL_MIN_HEIGHT, SWP_NOZORDER | SWP_NOACTIVATE);
    // Brought to the front without staying on top.
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// ---- Screens and modes ----

void CZELDlg::ShowOnly(CWnd* pVisible)
{
    for (CWnd* pWnd : {m_pListWnd, m_pDetailWnd, m_pMeetingWnd})
        if (pWnd && pWnd->GetSafeHwnd()) pWnd->ShowWindow(pWnd == pVisible ? SW_SHOW : SW_HIDE);
    // The area of a screen without a maker is the dialog's own background.
    Invalidate();
}

void CZELDlg::SetScreenMode(int nMode, const CString& strMeetingId)
{
    m_strMeetingId = strMeetingId;
    CloseOpenPopups();
    if (m_pList) m_pList->SetBusy(FALSE);
    const int nPrevious = m_nMode;
    m_nMode = nMode;
    g_ApplicationLog.Log(2, L"Screen mode %d -> %d [%s]", nPrevious, nMode, (LPCTSTR)strMeetingId);
    switch (nMode) {
    case ZEL_MODE_LIST:
        // A meeting screen left for the list has left its meeting already (its caller saw to it).
        ClearRemainTime();
        if (nPrevious == ZEL_MODE_DETAIL && m_pDetail) m_pDetail->LeaveDetail();
        if (m_pTitleBar) m_pTitleBar->SetMode(nMode);
        ShowOnly(m_pListWnd);
        if (m_pList) m_pList->RefreshList();
        break;
    case ZEL_MODE_DETAIL:
        if (nPrevious == ZEL_MODE_MEETING && m_pMeeting) m_pMeeting->LeaveMeeting();
        if (m_pTitleBar) m_pTitleBar->SetMode(nMode);
        ShowOnly(m_pDetailWnd);
        if (m_pDetail) {
            m_pDetail->SetPreviousMode(nPrevious);
            m_pDetail->ShowMeeting(strMeetingId);
        }
        break;
    case ZEL_MODE_MEETING:
        if (m_pTitleBar) m_pTitleBar->SetMode(nMode);
        // The detail's pop-ups have closed with the others above.
        ShowOnly(m_pMeetingWnd);
        if (m_pMeeting) m_pMeeting->EnterMeeting(strMeetingId);
        break;
    default:
        break;
    }
    ShowDrawToolForMode();
}

void CZELDlg::ShowDrawToolForMode()
{
    if (!m_pDrawToolMain || !::IsWindow(m_pDrawToolMain->GetSafeHwnd())) return;
    // The title bar places and shows it in the meeting mode; elsewhere, and while the window is
    // hidden, it must not float over another screen or the desktop.
    if (m_nMode != ZEL_MODE_MEETING || !::IsWindowVisible(m_hWnd)) {
        m_pDrawToolMain->ShowWindow(SW_HIDE);
        return;
    }
    if (m_pTitleBar) m_pTitleBar->Relayout();
}

void CZELDlg::RefreshCurrentScreen()
{
    if (m_nMode == ZEL_MODE_LIST && m_pList) m_pList->RefreshList();
    else if (m_nMode == ZEL_MODE_DETAIL && m_pDetail) m_pDetail->RefreshDetail();
    else if (m_nMode == ZEL_MODE_MEETING && m_pMeeting) m_pMeeting->StartMeeting(0, 1);
}

void CZELDlg::ReloadScreen(BOOL bKeepPage, int nPage)
{
    // Mode 2: a started save restarts the meeting screen itself once it has finished.
    m_push.ReloadScreen(bKeepPage, nPage);
}

BOOL CZELDlg::CheckPageSyncBlocked()
{
    if (!m_pMeeting || !m_pMeeting->IsPageSync()) return FALSE;
    ShowToast(LoadText(IDS_SYNC_BLOCKED));
    return TRUE;
}

void CZELDlg::SetTitleText(const CString& strText)
{
    if (m_pTitleBar) m_pTitleBar->SetTitleText(strText);
}

void CZELDlg::ScheduleRefreshButton(BOOL bEnable, UINT nMs)
{
    SetTimer(bEnable ? TIMER_REFRESH_ON : TIMER_REFRESH_OFF, nMs, nullptr);
}

void CZELDlg::EnableRefreshButton(BOOL bEnable)
{
    if (m_pTitleBar) m_pTitleBar->EnableRefreshButton(bEnable);
}

void CZELDlg::EnableBackButton(BOOL bEnable)
{
    if (m_pTitleBar) m_pTitleBar->EnableBackButton(bEnable);
}

void CZELDlg::SetRemainTime(const CString& strMinutes)
{
    if (m_pTitleBar) m_pTitleBar->SetRemainTime(strMinutes);
}

void CZELDlg::ClearRemainTime()
{
    if (m_pTitleBar) m_pTitleBar->ClearRemainTime();
}

void CZELDlg::CheckRemainTime()
{
    if (m_pTitleBar) m_pTitleBar->CheckRemainTime();
}

void CZELDlg::SetTitleCounter(int nValue, BOOL bHide)
{
    if (m_pTitleBar) m_pTitleBar->SetCounter(nValue, bHide);
}

// ---- Layout ----

void CZELDlg::LayoutChildren()
{
    if (!m_bLayersCreated) return;
    CRect rc;
    GetClientRect(&rc);
    if (m_bFullView) {
        if (m_pTitleWnd && m_pTitleWnd->GetSafeHwnd()) m_pTitleWnd->ShowWindow(SW_HIDE);
        if (m_pMeetingWnd && m_pMeetingWnd->GetSafeHwnd()) m_pMeetingWnd->MoveWindow(&rc, TRUE);
        return;
    }
    const int nTitle = rc.Height() < ZEL_TITLE_HEIGHT ? rc.Height() : ZEL_TITLE_HEIGHT;
    if (m_pTitleWnd && m_pTitleWnd->GetSafeHwnd())
        m_pTitleWnd->MoveWindow(rc.left, rc.top, rc.Width(), nTitle, TRUE);
    const CRect rcScreen(rc.left, rc.top + nTitle, rc.right, rc.bottom);
    for (CWnd* pWnd : {m_pListWnd, m_pDetailWnd, m_pMeetingWnd})
        if (pWnd && pWnd->GetSafeHwnd()) pWnd->MoveWindow(&rcScreen, TRUE);
}

void CZELDlg::EnterFullView(BOOL bKeepRect)
{
    if (!bKeepRect) GetWindowRect(&m_rcBeforeFullView);
    m_bFullView = TRUE;
    const CRect rcWork = GetMonitorRect();
    RECT rcDesktop{};
    ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
    RECT rcTaskbar{};
    if (HWND hTaskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr)) ::GetWindowRect(hTaskbar, &rcTaskbar);
    const CRect rcFull = MainDialogServices::GrowOverTaskbar(rcWork, CRect(rcDesktop), CRect(rcTaskbar));
    if (!bKeepRect && !rcFull.IsRectEmpty())
        ::SetWindowPos(m_hWnd, nullptr, rcFull.left, rcFull.top, rcFull.Width(), rcFull.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    else
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    LayoutChildren();
    if (m_pMeeting) m_pMeeting->RelayoutPanels();
}

void CZELDlg::LeaveFullView()
{
    m_bFullView = FALSE;
    if (!m_rcBeforeFullView.IsRectEmpty())
        ::SetWindowPos(m_hWnd, nullptr, m_rcBeforeFullView.left, m_rcBeforeFullView.top,
                       m_rcBeforeFullView.Width(), m_rcBeforeFullView.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    else
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (m_pTitleWnd && m_pTitleWnd->GetSafeHwnd()) m_pTitleWnd->ShowWindow(SW_SHOW);
    LayoutChildren();
    if (m_pMeeting) m_pMeeting->RecalcLayout();
    if (m_pTitleBar) m_pTitleBar->Relayout();
    // The full-view page covered the bars and buttons of the screen: every window paints itself
    // again, or a button keeps the piece of the page drawn over it.
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

CRect CZELDlg::GetMonitorRect()
{
    CRect rc(0, 0, 0, 0);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR hMonitor = ::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST);
    if (hMonitor && ::GetMonitorInfoW(hMonitor, &info)) rc = CRect(info.rcWork);
    return rc;
}

int CZELDlg::GetShowCmd()
{
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    if (!::GetWindowPlacement(m_hWnd, &wp)) return 0;
    return (int)wp.showCmd;
}

BOOL CZELDlg::IsHiddenOrMinimized()
{
    return !(GetStyle() & WS_VISIBLE) || ::IsIconic(m_hWnd);
}

void CZELDlg::OnGetMinMaxInfo(MINMAXINFO* pInfo)
{
    const CRect rc = GetMonitorRect();
    if (!rc.IsRectEmpty()) {
        pInfo->ptMaxSize.x = pInfo->ptMaxTrackSize.x = rc.Width();
        pInfo->ptMaxSize.y = pInfo->ptMaxTrackSize.y = rc.Height();
        pInfo->ptMaxPosition.x = 0;
        pInfo->ptMaxPosition.y = 0;
    }
    pInfo->ptMinTrackSize.x = ZEL_MIN_WIDTH;
    pInfo->ptMinTrackSize.y = ZEL_MIN_HEIGHT;
}

// ---- Frame and painting ----

void CZELDlg::PaintFrame()
{
    if (m_skinScreen.m_nBorderSize == 0 || m_bFullView) return;
    HDC hdc = ::GetWindowDC(m_hWnd);
    if (!hdc) return;
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    CDC dc;
    dc.Attach(hdc);
    MainDialogServices::DrawFrame(&dc, 0, 0, rc.right - rc.left, rc.bottom - rc.top, 1, m_skinScreen.m_clrBorder);
    dc.Detach();
    ::ReleaseDC(m_hWnd, hdc);
}

LRESULT CZELDlg::OnNcCalcSize(WPARAM wParam, LPARAM lParam)
{
    if (!wParam) return 0;
    // One pixel of frame on every side; the system's sizing border is not drawn. The full view
    // has none: the board reaches the screen's edges, where the pointer opens the presenter's bars.
    NCCALCSIZE_PARAMS* pParams = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    if (!m_bFullView) ::InflateRect(&pParams->rgrc[0], -1, -1);
    PaintFrame();
    return 0;
}

void CZELDlg::OnLButtonDown(WPARAM, LPARAM lParam)
{
    const int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
    CRect rc;
    GetClientRect(&rc);
    WPARAM nHit = HTCAPTION;
    const bool bLeft = x <= 9, bRight = x > rc.right - 10 && x <= rc.right;
    const bool bTop = y <= 9, bBottom = y > rc.bottom - 10 && y <= rc.bottom;
    if (bTop && bLeft) nHit = HTTOPLEFT;
    else if (bTop && bRight) nHit = HTTOPRIGHT;
    else if (bBottom && bLeft) nHit = HTBOTTOMLEFT;
    else if (bBottom && bRight) nHit = HTBOTTOMRIGHT;
    PostMessage(WM_NCLBUTTONDOWN, nHit, lParam);
}

LRESULT CZELDlg::OnNcLButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (::IsZoomed(m_hWnd)) return 0;
    if (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT) {
        const bool bPrivateBox = m_pMeeting && m_pMeeting->GetCurrentMeetingType() == L"20";
        if (!bPrivateBox) {
            SendMessage(WM_SYSCOMMAND, SC_SIZE + (wParam - 9), lParam);
            return 0;
        }
    }
    return CDialogEx::WindowProc(WM_NCLBUTTONDOWN, wParam, lParam);
}

BOOL CZELDlg::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccel && ::TranslateAcceleratorW(m_hWnd, m_hAccel, pMsg)) return TRUE;
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'G' && (::GetKeyState(VK_CONTROL) & 0x8000))
        PostMessage(WM_MAIN_START_LOG_VIEWER, 256, 71);
    return CDialogEx::PreTranslateMessage(pMsg);
}

// ---- The window procedure ----

LRESULT CZELDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INPUT:
        OnRawInput(lParam);
        break;
    case WM_SIZE: {
        const LRESULT r = CDialogEx::WindowProc(message, wParam, lParam);
        LayoutChildren();
        return r;
    }
    case WM_MOVE: {
        const LRESULT r = CDialogEx::WindowProc(message, wParam, lParam);
        POINT pt{0, 0};
        ::ClientToScreen(m_hWnd, &pt);
        m_nClientX = pt.x;
        m_nClientY = pt.y;
        if (m_pTitleBar) {
            m_pTitleBar->UpdateMaxRestoreButtons();
            m_pTitleBar->Relayout();
        }
        return r;
    }
    case WM_ACTIVATE: {
        const LRESULT r = CDialogEx::WindowProc(message, wParam, lParam);
        // The palette is owned by this window and belongs above it; under an X display the
        // activated owner was stacked over it and covered it, so it is raised with its owner.
        if (LOWORD(wParam) != WA_INACTIVE && m_pDrawToolMain && ::IsWindow(m_pDrawToolMain->GetSafeHwnd()) &&
            m_pDrawToolMain->IsWindowVisible())
            ::SetWindowPos(m_pDrawToolMain->GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return r;
    }
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_NCCALCSIZE:
        if (GetStyle() & WS_CHILD) break;
        return OnNcCalcSize(wParam, lParam);
    case WM_NCPAINT:
        PaintFrame();
        return 0;
    case WM_NCACTIVATE:
        if (GetStyle() & WS_CHILD) break;
        PaintFrame();
        return TRUE;
    case WM_ERASEBKGND: {
        RECT rc;
        ::GetClientRect(m_hWnd, &rc);
        HBRUSH hBack = ::CreateSolidBrush(m_skinScreen.m_strBgColor.IsEmpty() ? RGB(244, 245, 247)
                                                                              : m_skinScreen.m_clrBack);
        ::FillRect((HDC)wParam, &rc, hBack);
        ::DeleteObject(hBack);
        return TRUE;
    }
    case WM_QUERYDRAGICON:
        return (LRESULT)m_hIcon;
    case WM_LBUTTONDOWN:
        OnLButtonDown(wParam, lParam);
        break;
    case WM_NCLBUTTONDOWN:
        return OnNcLButtonDown(wParam, lParam);
    case WM_TIMER:
        OnTimerTick(wParam);
        return 0;
    case WM_COMMAND:
        if (lParam == 0 && OnCommandId(LOWORD(wParam))) return 0;
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_POWERBROADCAST:
        return OnPowerBroadcast(wParam);
    case WM_TPC_SESSION_OPEN:
    case WM_TDS_CONNECTED:
        return 0;
    case WM_TPC_PUSH_ITEM:
        return m_push.OnPushMessage(wParam, lParam);
    case WM_TPC_PUSH_KEY:
        return OnRegisterPushKey();
    case WM_TDS_PAGE:
        return m_sync.OnTdsPage(wParam, lParam);
    case WM_TAS_CONNECTION_LOST:
        return OnConnectionLost();
    case WM_TAS_SOCKET_ERROR:
        return OnSocketError(lParam);
    case WM_TAS_UPGRADE:
        return OnUpgradeNotice(lParam);
    case WM_MAIN_LOGOUT_REPLY:
        return OnLogoutReply();
    case WM_MAIN_RELOGIN:
        return OnRelogin();
    case UWM_APP_CONTROL:
        return OnQuitRequest(wParam);
    case WM_YESNO_ANSWER:
        return OnShareAnswer(wParam);
    case WM_MAIN_LOGOUT_WITH_LEAVE:
        m_bLeaveByCommand = TRUE;
        OnCmdLogout();
        return 0;
    case WM_MAIN_START_LOG_VIEWER:
        if (wParam == 256 && lParam == 71) RunProgram(GetModuleFolder() + L"ZELLog.exe", L" show", FALSE);
        return 0;
    case WM_MAIN_WAIT_CURSOR_ON:
        ++m_nWaitCursor;
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return 0;
    case UWM_END_WAIT_CURSOR:
        if (m_nWaitCursor > 0) --m_nWaitCursor;
        if (m_nWaitCursor == 0) ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        if (wParam) SetTimer(TIMER_REFRESH_ON, (UINT)lParam, nullptr);
        return 0;
    case WM_SETCURSOR:
        if (m_nWaitCursor > 0) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}
