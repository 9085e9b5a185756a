#include "app/TitleLayer.h"

#include "app/DataBoxUrl.h"
#include "app/ResourceText.h"
#include "app/TitleLayerDlg.h"
#include "app/ZELApp.h"
#include "ui/host/DetailScreen.h"
#include "ui/host/MainDlg.h"
#include "ui/host/MeetingScreen.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "core/SystemHelpers.h"
#include "platform/DC.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "ui/controls/MySkinComboDlg.h"
#include "ui/skin/SkinLookups.h"
#include "ui/skin/SkinManager.h"
#include "ui/skin/SkinObject.h"

namespace {

CTitleLayer::PFN_CHOOSE s_pfnChoose = nullptr;
CTitleLayer::PFN_OPEN_URL s_pfnOpenUrl = nullptr;

const COLORREF CLR_BAND = RGB(0, 155, 188);
const COLORREF CLR_REMAIN = RGB(0, 188, 212);
const COLORREF CLR_WHITE = RGB(255, 255, 255);

// The drop-down's width before it opens, so that it can end at the menu button's right edge.
int DropDownWidth(SKIN_OBJECT* pObject, float fScale)
{
    const SKIN_COMBO& combo = pObject->m_combo;
    if (combo.m_nSizeW == 0)
        return pObject->m_rcObject.Width();
    if (combo.m_nSizeW > 0)
        return int(combo.m_nSizeW * fScale);
    CMySkinComboDlg measure(nullptr);
    measure.SetObject(pObject);
    measure.SetScale(fScale);
    return measure.MeasureWidth();
}

CSize BitmapSize(CBitmap& bmp)
{
    BITMAP bm = {};
    if (!bmp.GetSafeHandle() || !::GetObjectW(bmp.GetSafeHandle(), sizeof bm, &bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

}  // namespace

BEGIN_MESSAGE_MAP(CTitleLayer, CZELWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETCURSOR()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CTitleLayer::CTitleLayer(ITitleLayerEventListener* pListener) : m_pListener(pListener), m_clock(*this) {}

CTitleLayer::~CTitleLayer()
{
    if (m_pTitleDlg) {
        if (::IsWindow(m_pTitleDlg->GetSafeHwnd()))
            m_pTitleDlg->DestroyWindow();
        delete m_pTitleDlg;
        m_pTitleDlg = nullptr;
    }
}

void CTitleLayer::SetMenuChooserForTest(PFN_CHOOSE pfn) { s_pfnChoose = pfn; }
void CTitleLayer::SetUrlOpenerForTest(PFN_OPEN_URL pfn) { s_pfnOpenUrl = pfn; }

BOOL CTitleLayer::CreateLayer(CWnd* pMainDlg)
{
    CRect rc;
    pMainDlg->GetClientRect(&rc);
    rc.bottom = rc.top + TITLE_BAR_HEIGHT;
    return Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pMainDlg, IDC_TITLE_BAR);
}

int CTitleLayer::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZELWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CreateControls();
    m_bmpLogo.LoadBitmap(IDB_TITLE_LOGO);
    m_bmpSpare.LoadBitmap(IDB_TITLE_SPARE);
    m_bmpLeft.LoadBitmap(IDB_TITLE_BACK_LEFT);
    m_bmpMiddle.LoadBitmap(IDB_TITLE_BACK_MIDDLE);
    m_bmpRight.LoadBitmap(IDB_TITLE_BACK_RIGHT);
    m_bmpClock.LoadBitmap(IDB_TITLE_CLOCK);
    m_brWhite.CreateSolidBrush(CLR_WHITE);
    m_brBand.CreateSolidBrush(CLR_BAND);
    Relayout();
    SetListTitle(FALSE);
    return 0;
}

void CTitleLayer::CreateControls()
{
    CRect rc;
    GetClientRect(&rc);
    const int L = rc.left, T = rc.top, R = rc.right, W = rc.Width();
    struct SButton {
        CxSkinButton* pButton;
        UINT nId;
        UINT nNormal, nPressed, nHover, nDisabled;
        BOOL bVisible;
        short nDrawMode;
        UINT nTip;   // 0: none
    };
    const SButton buttons[] = {
        {&m_btnMenu, IDC_TITLE_MENU, IDB_TITLE_MENU, IDB_TITLE_MENU_DOWN, IDB_TITLE_MENU_HOVER, IDB_TITLE_MENU_DISABLED, TRUE, 0, 0},
        {&m_btnMinimize, IDC_TITLE_MINIMIZE, IDB_TITLE_MIN, IDB_TITLE_MIN_DOWN, IDB_TITLE_MIN_HOVER, IDB_TITLE_MIN_DISABLED, TRUE, 0, IDS_TITLE_TIP_MINIMIZE},
        {&m_btnMaximize, IDC_TITLE_MAXIMIZE, IDB_TITLE_MAX, IDB_TITLE_MAX_DOWN, IDB_TITLE_MAX_HOVER, IDB_TITLE_MAX_DISABLED, TRUE, 0, IDS_TITLE_TIP_MAXIMIZE},
        {&m_btnClose, IDC_TITLE_CLOSE, IDB_TITLE_CLOSE, IDB_TITLE_CLOSE_DOWN, IDB_TITLE_CLOSE_HOVER, IDB_TITLE_CLOSE_DISABLED, TRUE, 0, IDS_TITLE_TIP_CLOSE},
        {&m_btnRestore, IDC_TITLE_MAXIMIZE, IDB_TITLE_RESTORE, IDB_TITLE_RESTORE_DOWN, IDB_TITLE_RESTORE_HOVER, IDB_TITLE_RESTORE_DISABLED, FALSE, 0, IDS_TITLE_TIP_RESTORE},
        {&m_btnFullScreen, IDC_TITLE_FULL_SCREEN, IDB_TITLE_FULL, IDB_TITLE_FULL_DOWN, IDB_TITLE_FULL_HOVER, IDB_TITLE_FULL_DISABLED, FALSE, 0, IDS_TITLE_TIP_FULL_SCREEN},
        {&m_btnRefresh, IDC_TITLE_REFRESH, IDB_TITLE_REFRESH, IDB_TITLE_REFRESH_DOWN, IDB_TITLE_REFRESH_HOVER, IDB_TITLE_REFRESH_DISABLED, FALSE, 0, IDS_TITLE_TIP_REFRESH},
        {&m_btnBack, IDC_TITLE_BACK, IDB_TITLE_BACK_BTN, IDB_TITLE_BACK_BTN_DOWN, IDB_TITLE_BACK_BTN_HOVER, IDB_TITLE_BACK_BTN_DISABLED, FALSE, 1, 0},
        {&m_btnVideo, IDC_TITLE_VIDEO, IDB_TITLE_VIDEO, IDB_TITLE_VIDEO_DOWN, IDB_TITLE_VIDEO_HOVER, IDB_TITLE_VIDEO_DISABLED, FALSE, 0, 0},
        {&m_btnFileBox, IDC_TITLE_FILE_BOX, IDB_TITLE_FILE_BOX, IDB_TITLE_FILE_BOX_DOWN, IDB_TITLE_FILE_BOX_HOVER, IDB_TITLE_FILE_BOX_DISABLED, FALSE, 0, IDS_FILE_BOX_HEADLINE},
        {&m_btnChat, IDC_TITLE_CHAT, IDB_TITLE_CHAT, IDB_TITLE_CHAT_DOWN, IDB_TITLE_CHAT_HOVER, IDB_TITLE_CHAT_DISABLED, FALSE, 0, IDS_TITLE_TIP_CHAT},
    };
    for (const SButton& b : buttons) {
        b.pButton->Create(L"", WS_CHILD | (b.bVisible ? WS_VISIBLE : 0) | BS_BITMAP, CRect(0, 0, 15, 15), this, b.nId);
        b.pButton->SetSkin(b.nNormal, b.nPressed, b.nHover, b.nDisabled, b.nNormal, 0, b.nDrawMode, 0, 0);
        if (b.nTip)
            b.pButton->SetToolTipText(LoadResourceText(b.nTip));
    }
    m_btnVideo.SetToolTipText(L"Video Meeting");

    m_stcListTitle.Create(LoadResourceText(IDS_TITLE_LIST_INITIAL), WS_CHILD | SS_LEFT | SS_CENTERIMAGE,
                          CRect(L + 15, T + 51, 120, 69), this, IDC_TITLE_LIST_TITLE);
    m_stcListTitle.SetWindowText(L"온라인 회의");
    m_stcCaption.Create(L"", WS_CHILD | SS_CENTER | SS_ENDELLIPSIS | SS_NOPREFIX, CRect(L + 300, T + 13, R - 300, 32), this,
                        IDC_TITLE_CAPTION);
    m_stcRemain.Create(L"", WS_CHILD | SS_CENTER, CRect(W - 120, T + 46, R - 45, 65), this, IDC_TITLE_REMAIN);
    m_stcElapsed.Create(L"", WS_CHILD | SS_CENTER, CRect(0, 0, 0, 0), this, IDC_TITLE_ELAPSED);
}

CWnd* CTitleLayer::GetControl(UINT nId)
{
    switch (nId) {
    case IDC_TITLE_MENU: return &m_btnMenu;
    case IDC_TITLE_MINIMIZE: return &m_btnMinimize;
    case IDC_TITLE_MAXIMIZE: return &m_btnMaximize;
    case IDC_TITLE_CLOSE: return &m_btnClose;
    case IDC_TITLE_LIST_TITLE: return &m_stcListTitle;
    case IDC_TITLE_REFRESH: return &m_btnRefresh;
    case IDC_TITLE_BACK: return &m_btnBack;
    case IDC_TITLE_CAPTION: return &m_stcCaption;
    case IDC_TITLE_FULL_SCREEN: return &m_btnFullScreen;
    case IDC_TITLE_REMAIN: return &m_stcRemain;
    case IDC_TITLE_VIDEO: return &m_btnVideo;
    case IDC_TITLE_FILE_BOX: return &m_btnFileBox;
    case IDC_TITLE_CHAT: return &m_btnChat;
    case IDC_TITLE_ELAPSED: return &m_stcElapsed;
    default: return nullptr;
    }
}

CWnd* CTitleLayer::MainWindow() const
{
    CWnd* pParent = GetParent();
    return pParent ? pParent : AfxGetMainWnd();
}

BOOL CTitleLayer::IsMainMaximized() const
{
    CWnd* pMain = MainWindow();
    return pMain && ::IsZoomed(pMain->GetSafeHwnd());
}

BOOL CTitleLayer::IsReport() const
{
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    return pMeetings && pMeetings->IsReport();
}

int CTitleLayer::CloseAlarmMinutes() const
{
    CSettingManager* pSettings = CSettingManager::GetInstance();
    return pSettings ? pSettings->m_nCloseAlarm : 0;
}

CWnd* CTitleLayer::DrawToolWindow() const
{
    IZELMainDlg* pMain = GetMainDlg();
    return pMain ? pMain->GetDrawToolWnd() : nullptr;
}

// ---- Modes and layout ----

void CTitleLayer::SetMode(int nMode)
{
    m_nMode = nMode;
    if (m_pTitleDlg) {
        m_pTitleDlg->SetMode(nMode);
        for (CWnd* p : {static_cast<CWnd*>(&m_btnMenu), static_cast<CWnd*>(&m_btnMinimize),
                        static_cast<CWnd*>(&m_btnMaximize), static_cast<CWnd*>(&m_btnRestore),
                        static_cast<CWnd*>(&m_btnClose), static_cast<CWnd*>(&m_btnFullScreen)})
            p->ShowWindow(SW_HIDE);
        return;
    }
    m_btnRefresh.ShowWindow(SW_SHOW);
    m_btnFileBox.ShowWindow(SW_SHOW);
    switch (nMode) {
    case 0:
        m_stcCaption.SetWindowText(L"");
        m_stcListTitle.ShowWindow(SW_SHOW);
        m_stcCaption.ShowWindow(SW_HIDE);
        m_btnBack.ShowWindow(SW_HIDE);
        m_btnVideo.ShowWindow(SW_HIDE);
        m_btnChat.ShowWindow(SW_HIDE);
        break;
    case 1:
        m_stcCaption.SetWindowText(L"");
        m_stcListTitle.ShowWindow(SW_HIDE);
        m_stcCaption.ShowWindow(SW_SHOW);
        m_btnBack.ShowWindow(SW_SHOW);
        m_btnVideo.ShowWindow(SW_SHOW);
        break;
    case 2: {
        m_stcListTitle.ShowWindow(SW_HIDE);
        m_stcCaption.ShowWindow(SW_SHOW);
        m_btnBack.ShowWindow(SW_SHOW);
        m_btnVideo.ShowWindow(SW_SHOW);
        m_stcRemain.ShowWindow(SW_HIDE);
        // Asked of the meeting record, not of the screen: the screen has no meeting yet while
        // it is being entered, and a screen without one counts as closed.
        CMeetingManager* pMeetings = CMeetingManager::GetInstance();
        const BOOL bEnded = pMeetings && pMeetings->IsMeetingEnded();
        m_btnRefresh.EnableWindow(!bEnded);
        m_btnFileBox.EnableWindow(!bEnded);
        break;
    }
    default:
        break;
    }
    // The counter belongs to the meeting screen: it does not outlive it.
    if (nMode != 2)
        SetElapsedTime(-1, TRUE);
    SetChatBlink(0);
    LayoutControls();
    Invalidate(TRUE);
}

void CTitleLayer::SetListTitle(BOOL bReport)
{
    switch (m_nMode) {
    case 0:
        m_stcListTitle.SetWindowText(bReport ? L"온라인 보고" : L"온라인 회의");
        break;
    case 1:
        m_btnChat.ShowWindow(SW_SHOW);
        LayoutControls();
        break;
    case 2: {
        CMeetingManager* pMeetings = CMeetingManager::GetInstance();
        const BOOL bAllowed = pMeetings && !pMeetings->IsReport() && !pMeetings->IsNotStarted();
        m_btnFullScreen.ShowWindow(bAllowed ? SW_SHOW : SW_HIDE);
        LayoutControls();
        break;
    }
    default:
        break;
    }
}

void CTitleLayer::SetTitleText(const CString& strText)
{
    m_stcCaption.SetWindowText(strText);
}

void CTitleLayer::EnableRefreshButton(BOOL bEnable) { m_btnRefresh.EnableWindow(bEnable); }
void CTitleLayer::EnableBackButton(BOOL bEnable) { m_btnBack.EnableWindow(bEnable); }

void CTitleLayer::LayoutControls()
{
    STitleLayoutInput in;
    in.nMode = m_nMode;
    GetClientRect(&in.rcClient);
    auto visible = [](CWnd& w) { return (w.GetStyle() & WS_VISIBLE) != 0 ? TRUE : FALSE; };
    in.bChatVisible = visible(m_btnChat);
    in.bFileBoxVisible = visible(m_btnFileBox);
    in.bVideoVisible = visible(m_btnVideo);
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    in.bFullScreenAllowed = pMeetings && !pMeetings->IsReport() && !pMeetings->IsNotStarted();
    CWnd* pDrawTool = DrawToolWindow();
    if (pDrawTool && ::IsWindow(pDrawTool->GetSafeHwnd())) {
        // The palette was made at its skin screen's size.
        CRect rcTool;
        pDrawTool->GetWindowRect(&rcTool);
        in.sizeDrawTool = rcTool.Size();
    }
    const STitleLayout out = LayoutTitleControls(in);
    auto place = [](CWnd& w, const CRect& rc) {
        if (!rc.IsRectEmpty())
            w.MoveWindow(&rc, FALSE);
    };
    place(m_btnClose, out.rcClose);
    place(m_btnBack, out.rcBack);
    place(m_stcCaption, out.rcCaption);
    place(m_btnRefresh, out.rcRefresh);
    place(m_btnMenu, out.rcMenu);
    place(m_btnMinimize, out.rcMinimize);
    place(m_btnMaximize, out.rcMaximize);
    place(m_btnRestore, out.rcMaximize);
    place(m_btnFullScreen, out.rcFullScreen);
    place(m_btnChat, out.rcChat);
    place(m_btnFileBox, out.rcFileBox);
    place(m_btnVideo, out.rcVideo);
    place(m_stcRemain, out.rcRemain);
    if (m_nMode == 2) {
        m_btnFullScreen.ShowWindow(out.bShowFullScreen ? SW_SHOW : SW_HIDE);
        m_btnRefresh.ShowWindow(SW_HIDE);
        CRect rcElapsed(in.rcClient.Width() / 2 - 60, 46, in.rcClient.Width() / 2 + 60, 65);
        m_stcElapsed.MoveWindow(&rcElapsed, FALSE);
    } else {
        m_btnFullScreen.ShowWindow(SW_HIDE);
        m_btnRefresh.ShowWindow(SW_SHOW);
    }
    if (pDrawTool && ::IsWindow(pDrawTool->GetSafeHwnd())) {
        if (out.bShowDrawTool) {
            CRect rcTool = out.rcDrawTool;
            ClientToScreen(&rcTool);
            // A child palette is placed in its parent's coordinates.
            if (pDrawTool->GetStyle() & WS_CHILD)
                pDrawTool->GetParent()->ScreenToClient(&rcTool);
            // Placed above its owner with a showing flag even while it shows: a layout of the
            // screen under it (the right-hand pane opening) left the display with the main
            // window's pixels where the palette stands, and a plain z-order request that changes
            // nothing in the window list does not reach the display.
            pDrawTool->SetWindowPos(&CWnd::wndTop, rcTool.left, rcTool.top, rcTool.Width(), rcTool.Height(),
                                    SWP_NOACTIVATE | SWP_SHOWWINDOW);
        } else {
            pDrawTool->ShowWindow(SW_HIDE);
        }
    }
    // The buttons were moved without drawing: each paints itself at its new place, or the place
    // keeps the picture of the button that stood there before (a second chat button, say).
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CTitleLayer::UpdateMaxRestoreButtons()
{
    IZELMainDlg* pMain = GetMainDlg();
    if (pMain && pMain->IsKeyNavigationMode())
        return;
    if (m_pTitleDlg)
        return;
    const BOOL bZoomed = IsMainMaximized();
    m_btnMaximize.ShowWindow(bZoomed ? SW_HIDE : SW_SHOW);
    m_btnRestore.ShowWindow(bZoomed ? SW_SHOW : SW_HIDE);
}

void CTitleLayer::Relayout()
{
    if (m_pTitleDlg && ::IsWindow(m_pTitleDlg->GetSafeHwnd())) {
        CRect rc;
        GetClientRect(&rc);
        m_pTitleDlg->MoveWindow(&rc);
    }
    UpdateMaxRestoreButtons();
    LayoutControls();
    Invalidate(TRUE);
}

void CTitleLayer::OnSize(UINT nType, int cx, int cy)
{
    CZELWnd::OnSize(nType, cx, cy);
    if (::IsWindow(m_btnClose.GetSafeHwnd()))
        Relayout();
}

CRect CTitleLayer::GetChatButtonScreenRect()
{
    CRect rc;
    if (::IsWindow(m_btnChat.GetSafeHwnd()))
        m_btnChat.GetWindowRect(&rc);
    return rc;
}

void CTitleLayer::AttachTitleDlg(CTitleLayerDlg* pDlg)
{
    m_pTitleDlg = pDlg;
    if (!pDlg)
        return;
    if (!::IsWindow(pDlg->GetSafeHwnd()))
        pDlg->CreateOn(this);
    SetMode(m_nMode);
    Relayout();
}

// ---- Commands ----

BOOL CTitleLayer::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nId = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    if (nCode != BN_CLICKED && nCode != 0)
        return CZELWnd::OnCommand(wParam, lParam);
    // The buttons the main dialog acts on, each with its listener operation.
    static const struct {
        UINT nId;
        void (ITitleLayerEventListener::*pfn)();
    } kListened[] = {
        {IDC_TITLE_BACK, &ITitleLayerEventListener::OnTitleBack},
        {IDC_TITLE_REFRESH, &ITitleLayerEventListener::OnTitleRefresh},
        {IDC_TITLE_CLOSE, &ITitleLayerEventListener::OnTitleClose},
        {IDC_TITLE_FULL_SCREEN, &ITitleLayerEventListener::OnTitleFullScreen},
        {IDC_TITLE_VIDEO, &ITitleLayerEventListener::OnTitleVideo},
        {IDC_TITLE_CHAT, &ITitleLayerEventListener::OnTitleChat},
    };
    for (const auto& l : kListened) {
        if (l.nId != nId)
            continue;
        if (m_pListener)
            (m_pListener->*l.pfn)();
        if (nId == IDC_TITLE_CHAT)
            SetChatBlink(0);
        return TRUE;
    }
    CWnd* pMain = MainWindow();
    switch (nId) {
    case IDC_TITLE_MENU:
        ShowMenu();
        return TRUE;
    case IDC_TITLE_MINIMIZE:
        if (pMain)
            pMain->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return TRUE;
    case IDC_TITLE_MAXIMIZE:
        ToggleMaximize();
        return TRUE;
    case IDC_TITLE_FILE_BOX:
        OpenFileBox();
        return TRUE;
    case IDC_TITLE_SYNC_OFF:
        AskSync(IDS_TITLE_SYNC_OFF_ASK, 0);
        return TRUE;
    case IDC_TITLE_SYNC_ON:
        AskSync(IDS_TITLE_SYNC_ON_ASK, 1);
        return TRUE;
    case IDC_TITLE_SYNC_NONE:
        return TRUE;
    default:
        return CZELWnd::OnCommand(wParam, lParam);
    }
}

void CTitleLayer::ToggleMaximize()
{
    CWnd* pMain = MainWindow();
    if (!pMain)
        return;
    if (IsMainMaximized()) {
        pMain->SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    } else {
        pMain->SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        pMain->ShowWindow(SW_SHOW);
    }
}

void CTitleLayer::ShowMenu()
{
    SKIN_OBJECT* pMenu = g_SkinManager.FindObject(SKINSCREEN_MAIN, SKINOBJECT_TITLE_MENU);
    if (!pMenu)
        return;
    pMenu->m_combo.SetItemVisible(2, 0);
    pMenu->m_combo.SetItemVisible(4, 0);
    pMenu->m_combo.SetItemVisible(6, 0);
    CRect rcButton;
    m_btnMenu.GetWindowRect(&rcButton);
    const int x = rcButton.right - DropDownWidth(pMenu, g_SkinManager.m_fRatio);
    const int y = rcButton.bottom;
    const int nValue = s_pfnChoose ? s_pfnChoose(this, x, y) : pMenu->m_combo.ShowDropDown(this, x, y);
    // The drop-down's modal loop held the pointer: the button never heard it leave.
    if (::IsWindow(m_btnMenu.GetSafeHwnd()))
        m_btnMenu.RefreshHover();
    if (nValue == -1)
        return;
    CWnd* pMain = MainWindow();
    if (pMain && ::IsWindow(pMain->GetSafeHwnd()))
        pMain->PostMessage(WM_COMMAND, MAKEWPARAM(TitleMenuCommand(nValue), 0), 0);
}

CString CTitleLayer::MakeFileBoxUrl() const
{
    CSettingManager* pSettings = CSettingManager::GetInstance();
    CString strMeetingId;
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    if (m_nMode != 0 && pMeetings && pMeetings->GetCurrentMeeting())
        strMeetingId = pMeetings->GetCurrentMeeting()->GetMeetingId();
    CLoginManager* pLogin = CLoginManager::GetInstance();
    return MakeDataBoxUrl(pSettings && pSettings->GetUseHttps(), pSettings ? pSettings->GetTMSAddress() : CString(),
                          pSettings ? pSettings->GetTMSPort() : 0, strMeetingId,
                          pLogin ? pLogin->GetSawonNo() : CString());
}

void CTitleLayer::OpenFileBox()
{
    const CString strUrl = MakeFileBoxUrl();
    if (s_pfnOpenUrl)
        s_pfnOpenUrl(strUrl);
    else
        RunProgram(strUrl, nullptr, FALSE);
    g_ApplicationLog.Log(2, L"FileBox URL : [%s]\n", strUrl.GetString());
}

void CTitleLayer::AskSync(UINT nTextId, int bOn)
{
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain)
        return;
    if (pMain->ShowMessagePopup(LoadResourceText(IDS_POPUP_TITLE), LoadResourceText(nTextId)) == IDOK)
        SetSyncState(bOn);
}

void CTitleLayer::SetSyncState(int bOn)
{
    // The buttons have no windows; showing them is a no-op, the state still reaches the dialog.
    if (::IsWindow(m_btnSyncOff.GetSafeHwnd()) && ::IsWindow(m_btnSyncOn.GetSafeHwnd())) {
        m_btnSyncOn.ShowWindow(bOn ? SW_HIDE : SW_SHOW);
        m_btnSyncOff.ShowWindow(bOn ? SW_SHOW : SW_HIDE);
    }
    if (IZELMainDlg* pMain = GetMainDlg())
        pMain->SetPageSync(bOn ? L"Y" : L"N");
}

// ---- Mouse ----

void CTitleLayer::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd* pMain = MainWindow();
    CRect rc;
    GetClientRect(&rc);
    const LRESULT nHit = IsMainMaximized() ? HTNOWHERE : TitleBorderHitTest(point, rc);
    if (nHit != HTNOWHERE) {
        if (pMain)
            pMain->PostMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(point.x, point.y));
    } else if (point.y < 45) {
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    }
    CZELWnd::OnLButtonDown(nFlags, point);
}

void CTitleLayer::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (point.y < 30)
        ToggleMaximize();
    CZELWnd::OnLButtonDblClk(nFlags, point);
}

BOOL CTitleLayer::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && !IsMainMaximized()) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        CRect rc;
        GetClientRect(&rc);
        if (LPCTSTR pszCursor = TitleBorderCursor(TitleBorderHitTest(pt, rc))) {
            ::SetCursor(::LoadCursorW(nullptr, pszCursor));
            return TRUE;
        }
    }
    return CZELWnd::OnSetCursor(pWnd, nHitTest, message);
}

// ---- Painting ----

void CTitleLayer::PaintBackground(CDC* pDC, const CRect& rc)
{
    const int W = rc.Width(), H = rc.Height();
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(pDC, W, H);
    CBitmap* pOldCanvas = mem.SelectObject(&canvas);
    CDC src;
    src.CreateCompatibleDC(pDC);
    const CSize szLeft = BitmapSize(m_bmpLeft), szMiddle = BitmapSize(m_bmpMiddle), szRight = BitmapSize(m_bmpRight);
    mem.FillSolidRect(0, 0, W, H, CLR_BAND);
    if (m_bmpLeft.GetSafeHandle()) {
        CBitmap* pOld = src.SelectObject(&m_bmpLeft);
        mem.BitBlt(0, 0, szLeft.cx, szLeft.cy, &src, 0, 0, SRCCOPY);
        src.SelectObject(&m_bmpMiddle);
        const int nMiddle = W - szRight.cx - szLeft.cx;
        if (nMiddle > 0 && m_bmpMiddle.GetSafeHandle())
            mem.StretchBlt(szLeft.cx, 0, nMiddle, szMiddle.cy, &src, 0, 0, szMiddle.cx, szMiddle.cy, SRCCOPY);
        src.SelectObject(&m_bmpRight);
        mem.BitBlt(W - szRight.cx, 0, szRight.cx, szRight.cy, &src, 0, 0, SRCCOPY);
        src.SelectObject(pOld);
    }
    if (m_bmpLogo.GetSafeHandle()) {
        const CSize sz = BitmapSize(m_bmpLogo);
        CBitmap* pOld = src.SelectObject(&m_bmpLogo);
        ::TransparentBlt(mem.GetSafeHdc(), 12, 7, sz.cx, sz.cy, src.GetSafeHdc(), 0, 0, sz.cx, sz.cy, RGB(255, 0, 255));
        src.SelectObject(pOld);
    }
    mem.FillSolidRect(0, 40, W, H - 40, CLR_WHITE);
    mem.FillSolidRect(0, H - 1, W, 1, RGB(192, 192, 192));
    if (m_nMode == 1 && m_nElapsedSec >= 0 && m_clock.IsRemainShown() && m_bmpClock.GetSafeHandle()) {
        CRect rcLabel;
        m_stcRemain.GetWindowRect(&rcLabel);
        ScreenToClient(&rcLabel);
        const CSize sz = BitmapSize(m_bmpClock);
        CBitmap* pOld = src.SelectObject(&m_bmpClock);
        mem.BitBlt(rcLabel.left - 20, rcLabel.top - 2, sz.cx, sz.cy, &src, 0, 0, SRCCOPY);
        src.SelectObject(pOld);
    }
    pDC->BitBlt(0, 0, W, H, &mem, 0, 0, SRCCOPY);
    mem.SelectObject(pOldCanvas);
}

BOOL CTitleLayer::OnEraseBkgnd(CDC* pDC)
{
    if (m_pTitleDlg)
        return TRUE;
    CRect rc;
    GetClientRect(&rc);
    PaintBackground(pDC, rc);
    return TRUE;
}

void CTitleLayer::OnPaint()
{
    CPaintDC dc(this);   // everything is drawn by the background
}

HBRUSH CTitleLayer::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const UINT nId = pWnd ? UINT(::GetDlgCtrlID(pWnd->GetSafeHwnd())) : 0;
    if (nId != IDC_TITLE_REMAIN && nId != IDC_TITLE_CAPTION && nId != IDC_TITLE_LIST_TITLE && nId != IDC_TITLE_ELAPSED)
        return CZELWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    CString strFace = L"맑은 고딕";
    int nDefaultSize = 10;
    if (CZELApp* pApp = dynamic_cast<CZELApp*>(AfxGetApp())) {
        strFace = pApp->GetDefaultFontName();
        nDefaultSize = pApp->GetDefaultFontSize();
    }
    COLORREF clrText = RGB(0, 0, 0);
    HBRUSH hBrush = HBRUSH(m_brWhite.GetSafeHandle());
    COLORREF clrBack = CLR_WHITE;
    int nPoints = 11;
    if (nId == IDC_TITLE_REMAIN || nId == IDC_TITLE_ELAPSED) {
        nPoints = nDefaultSize - 1;
        clrText = CLR_REMAIN;
        if (nId == IDC_TITLE_REMAIN && m_clock.IsBlinking())
            clrText = m_clock.GetBlinkPhase() ? CLR_WHITE : RGB(255, 0, 0);
    } else if (nId == IDC_TITLE_CAPTION) {
        clrText = CLR_WHITE;
        clrBack = CLR_BAND;
        hBrush = HBRUSH(m_brBand.GetSafeHandle());
    }
    m_fontLabel.DeleteObject();
    m_fontLabel.CreateFont(-MulDiv(nPoints, pDC->GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, 700, 0, 0, 0, 129, 0, 0, 0,
                           FF_SWISS, strFace);
    pDC->SelectObject(&m_fontLabel);
    pDC->SetTextColor(clrText);
    pDC->SetBkColor(clrBack);
    return hBrush;
}

// ---- Remaining time, counter and chat ----

void CTitleLayer::SetRemainTime(const CString& strMinutes)
{
    m_clock.Set(strMinutes, IsReport(), CloseAlarmMinutes());
}

void CTitleLayer::CheckRemainTime()
{
    m_clock.Check(IsReport(), CloseAlarmMinutes());
}

void CTitleLayer::ClearRemainTime()
{
    m_clock.Clear();
}

void CTitleLayer::SetRemainText(const CString& strText)
{
    m_strRemainText = strText;
    m_stcRemain.SetWindowText(strText);
    m_stcRemain.Invalidate(TRUE);
}

void CTitleLayer::ShowRemainLabel(BOOL bShow) { m_stcRemain.ShowWindow(bShow ? SW_SHOW : SW_HIDE); }
void CTitleLayer::StartTimer(UINT_PTR nId, UINT nMs) { SetTimer(nId, nMs, nullptr); }
void CTitleLayer::StopTimer(UINT_PTR nId) { KillTimer(nId); }
void CTitleLayer::Repaint() { Invalidate(TRUE); }

void CTitleLayer::ShowCloseAlarm(int nMinutes)
{
    CString strText;
    strText.Format(LoadResourceText(IDS_TITLE_CLOSE_ALARM), nMinutes);
    if (IZELMainDlg* pMain = GetMainDlg())
        pMain->ShowAlert(strText);
}

void CTitleLayer::SetElapsedTime(int nSeconds, BOOL bHide)
{
    if (bHide) {
        KillTimer(TITLE_TIMER_COUNTER);
        m_stcElapsed.ShowWindow(SW_HIDE);
        return;
    }
    m_nElapsedSec = nSeconds;
    m_clock.ClearRemainShown();
    if (nSeconds >= 0) {
        m_strElapsedText = FormatElapsedSeconds(nSeconds);
        m_stcElapsed.SetWindowText(m_strElapsedText);
        m_stcElapsed.ShowWindow(SW_SHOW);
    } else {
        m_stcElapsed.ShowWindow(SW_HIDE);
    }
    SetTimer(TITLE_TIMER_COUNTER, 1000, nullptr);
    Invalidate(TRUE);
}

void CTitleLayer::SkinChatButton(BOOL bOn)
{
    if (bOn)
        m_btnChat.SetSkin(IDB_TITLE_CHAT_ON, IDB_TITLE_CHAT_ON_DOWN, IDB_TITLE_CHAT_ON_HOVER, IDB_TITLE_CHAT_ON_DISABLED,
                          IDB_TITLE_CHAT_ON, 0, 0, 0, 0);
    else
        m_btnChat.SetSkin(IDB_TITLE_CHAT, IDB_TITLE_CHAT_DOWN, IDB_TITLE_CHAT_HOVER, IDB_TITLE_CHAT_DISABLED,
                          IDB_TITLE_CHAT, 0, 0, 0, 0);
    m_bChatPictureOn = bOn ? TRUE : FALSE;
    m_btnChat.Invalidate(TRUE);
}

void CTitleLayer::SetChatButtonState(int bOn, int bDoNotRemember)
{
    SkinChatButton(bOn);
    if (!bDoNotRemember)
        m_bChatOn = bOn ? 1 : 0;
}

BOOL CTitleLayer::IsChatInView() const
{
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain)
        return FALSE;
    if (m_nMode == 1) {
        IDetailScreen* pDetail = pMain->GetDetailLayer();
        return pDetail && pDetail->IsChatPopupVisible();
    }
    if (m_nMode == 2) {
        IMeetingScreen* pMeeting = pMain->GetMeetingLayer();
        return pMeeting && pMeeting->IsChatOpen();
    }
    return FALSE;
}

void CTitleLayer::SetChatBlink(int bOn)
{
    bOn = bOn ? 1 : 0;
    if (bOn == m_bChatBlink)
        return;
    if (bOn) {
        if (!(m_btnChat.GetStyle() & WS_VISIBLE) || IsChatInView())
            return;
        SetTimer(TITLE_TIMER_CHAT, 700, nullptr);
        SetChatBlinkPhase(!m_bChatOn);
    } else {
        KillTimer(TITLE_TIMER_CHAT);
        SetChatButtonState(m_bChatOn, 1);
    }
    m_bChatBlink = bOn;
}

void CTitleLayer::SetChatBlinkPhase(int bPhase)
{
    SetChatButtonState(bPhase, 1);
    m_bChatBlinkPhase = bPhase ? 1 : 0;
}

void CTitleLayer::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TITLE_TIMER_MINUTE:
        m_clock.OnMinuteTimer(IsReport(), CloseAlarmMinutes());
        break;
    case TITLE_TIMER_BLINK:
        m_clock.OnBlinkTimer(IsReport(), CloseAlarmMinutes());
        break;
    case TITLE_TIMER_COUNTER:
        if (m_nElapsedSec >= 0 && (m_stcElapsed.GetStyle() & WS_VISIBLE)) {
            ++m_nElapsedSec;
            m_strElapsedText = FormatElapsedSeconds(m_nElapsedSec);
            m_stcElapsed.SetWindowText(m_strElapsedText);
        }
        break;
    case TITLE_TIMER_CHAT:
        SetChatBlinkPhase(!m_bChatBlinkPhase);
        break;
    default:
        CZELWnd::OnTimer(nIDEvent);
        break;
    }
}
