#include <winsock2.h>  // before the class library pulls in windows.h

#include "screens/list/MainLayer.h"

#include "ui/host/MainDlg.h"
#include "ui/host/TitleBar.h"
#include "core/ClientMessages.h"
#include "core/DrawHelpers.h"
#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "platform/MessageBox.h"
#include "platform/ResourceHandle.h"
#include "resources/resource.h"
#include "screens/list/ListPaint.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinObject.h"

#include <algorithm>

namespace {

const COLORREF kBack = RGB(0xE8, 0xE9, 0xF0);
const COLORREF kWhite = RGB(255, 255, 255);
const UINT_PTR TIMER_WATCH = 1;        // a busy screen looks whether its page reply is lost
const UINT kWatchMs = 2000;
const UINT_PTR TIMER_DAY_CHECK = 2;    // today's count and box follow a change of date
const UINT kDayCheckMs = 60 * 1000;
const CRect kTodayBox(12, 137, 266, 234);
const CRect kCountArea(12, 180, 264, 220);

const Json::Value& BodyOf(const CTasResponse* reply)
{
    static const Json::Value kEmpty(Json::objectValue);
    return (reply && reply->GetBody()) ? *reply->GetBody() : kEmpty;
}

void ShowResultError(const wchar_t* pszMessage, int nStatus)
{
    CString text;
    text.Format(L"The results of the %s : %d", pszMessage, nStatus);
    AfxMessageBox(text);
}

// The seconds after which the server client itself has given a request up: two idle time-outs
// in a row, and a margin.
long long GiveUpSeconds()
{
    const _CLIENT_TIMINGS timings = CTasClientManager::GetInstance()->GetTimings();
    return 2LL * timings.dwIdleTimeout / 1000 + 10;
}

}  // namespace

BEGIN_MESSAGE_MAP(CMainLayer, CDialog)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_CTLCOLOR()
    ON_WM_TIMER()
    ON_MESSAGE(WM_USER + 101, &CMainLayer::OnCountsReply)
    ON_MESSAGE(WM_USER + 102, &CMainLayer::OnPageReply)
    ON_MESSAGE(WM_USER + 103, &CMainLayer::OnAttendeesReply)
    ON_MESSAGE(WM_USER + 105, &CMainLayer::OnUserInfoReply)
    ON_MESSAGE(WM_USER + 112, &CMainLayer::OnMonthReply)
    ON_MESSAGE(WM_LIST_ATTENDANCE_CHECKED, &CMainLayer::OnAttendanceChecked)
    ON_MESSAGE(WM_SCROLLBAR_POS, &CMainLayer::OnScrollBarPos)
END_MESSAGE_MAP()

CMainLayer::CMainLayer(CWnd* pParent) : CDialog(IDD_MAIN_LAYER, pParent), m_calendar(this), m_pList(new CMainListCtrl)
{
}

CMainLayer::~CMainLayer()
{
    if (m_pSearch) {
        if (m_pSearch->GetSafeHwnd()) m_pSearch->DestroyWindow();
        delete m_pSearch;
    }
    if (m_pList->GetSafeHwnd()) m_pList->DestroyWindow();
    delete m_pList;
}

BOOL CMainLayer::CreateScreen(CWnd* pParent)
{
    return Create(IDD_MAIN_LAYER, pParent);
}

// ------------------------------------------------------------------------------ set-up

BOOL CMainLayer::OnInitDialog()
{
    // The screen is a child of the main dialog and is not made a layered window: a layered child
    // with a constant alpha would show the whole list half-transparent where the system supports
    // layered children, and the main dialog's own colour key already covers the window.
    CDialog::OnInitDialog();
    CLoginManager* login = CLoginManager::GetInstance();
    SetUserLabel(login->GetUserName(), login->GetDeptName());
    m_tToday = ListNow();
    m_tEnd = StartOfDay(m_tToday);
    m_tStart = SameDayPreviousMonth(m_tEnd);
    InitControls();
    // The list: rows of "MainListItem" on white, the empty look of "MainListItemEmpty".
    SKIN_OBJECT placeholder;
    placeholder.m_rcObject = CRect(286, 95, 586, 395);
    placeholder.m_clrColor = kWhite;
    m_pList->LoadItemScreen(this, &placeholder, IDC_LIST_LIST, L"MainListItem");
    m_pList->SetEmptyScreen(L"MainListItemEmpty");
    m_pList->SetFont(GetFont());
    m_pList->SetRowFont(GetFont());
    m_pList->Fill(1, 1, 0);
    if (CWnd* decor = GetDlgItem(IDC_LIST_DECOR_1005)) decor->ShowWindow(SW_HIDE);
    SetTimer(TIMER_DAY_CHECK, kDayCheckMs);
    CRect client;
    GetClientRect(&client);
    OnSize(0, client.Width(), client.Height());
    return TRUE;
}

void CMainLayer::InitControls()
{
    m_stUser.SubclassDlgItem(IDC_LIST_USER_LABEL, this);
    m_stUser.SetTextColor(RGB(0x33, 0x33, 0x33));
    m_stUser.SetBkColor(kBack);
    m_stUser.SetBold(FALSE);
    m_stUser.SetFontSize(GetDefaultFontSize());
    m_stUser.ModifyStyle(SS_LEFT | SS_CENTER, SS_RIGHT);
    if (CWnd* second = GetDlgItem(IDC_LIST_USER_LABEL2)) second->ShowWindow(SW_HIDE);

    m_tabAll.SubclassDlgItem(IDC_LIST_TAB_ALL, this);
    m_tabMiddle.SubclassDlgItem(IDC_LIST_TAB_MIDDLE, this);
    m_tabRight.SubclassDlgItem(IDC_LIST_TAB_RIGHT, this);
    m_tabFourth.SubclassDlgItem(IDC_LIST_TAB_FOURTH, this);
    m_tabReports.SubclassDlgItem(IDC_LIST_TAB_REPORTS, this);
    m_tabMeetings.SubclassDlgItem(IDC_LIST_TAB_MEETINGS, this);
    m_tabFourth.SetTab(&m_nMeetingMain, 3, IDB_LIST_TAB_FOURTH_SEL, IDB_LIST_TAB_FOURTH, IDB_LIST_TAB_FOURTH_HOVER);
    m_tabFourth.ShowWindow(SW_HIDE);
    SetKindTab(0);
    for (int id : {IDC_LIST_PREV_DAY, IDC_LIST_NEXT_DAY, IDC_LIST_STATUS_FILTER, IDC_LIST_DATE_LABEL,
                   IDC_LIST_DATE_BITMAP, IDC_LIST_BUSY_ICON, IDC_LIST_DECOR_1004, IDC_LIST_DECOR_1007,
                   IDC_LIST_DECOR_1009, IDC_LIST_DECOR_BITMAP})
        if (CWnd* hidden = GetDlgItem(id)) hidden->ShowWindow(SW_HIDE);

    m_calendar.SubclassDlgItem(IDC_LIST_CALENDAR, this);
    CRect cal(13, 246, 266, 505);
    cal.DeflateRect(3, 3);
    m_calendar.MoveWindow(cal.left, cal.top, cal.Width(), cal.Height());

    m_pSearch = new CMainSearch(this, this);
    if (m_pSearch->CreateBar()) {
        m_pSearch->ShowWindow(SW_HIDE);
        m_pSearch->SetDates(m_tStart, m_tEnd);
    }
}

void CMainLayer::SetUserLabel(const CString& strName, const CString& strDept)
{
    const CString text = MakeUserLabel(strName, strDept);
    if (m_stUser.GetSafeHwnd())
        m_stUser.SetText(text);
    else if (CWnd* label = GetDlgItem(IDC_LIST_USER_LABEL))
        label->SetWindowText(text);
    if (CWnd* second = GetDlgItem(IDC_LIST_USER_LABEL2)) second->ShowWindow(SW_HIDE);
}

CString CMainLayer::GetUserLabelText() const
{
    CString s;
    if (m_stUser.GetSafeHwnd()) m_stUser.GetWindowText(s);
    return s;
}

// ------------------------------------------------------------------------------ layout and paint

void CMainLayer::OnSize(UINT, int cx, int cy)
{
    if (!m_stUser.GetSafeHwnd()) return;
    HDWP dwp = ::BeginDeferWindowPos(12);
    auto place = [&](CWnd* wnd, int x, int y, int w, int h, bool bShow) {
        if (!wnd || !wnd->GetSafeHwnd()) return;
        dwp = ::DeferWindowPos(dwp, wnd->GetSafeHwnd(), nullptr, x, y, std::max(0, w), std::max(0, h),
                               SWP_NOZORDER | SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    };
    place(&m_tabMeetings, 13, 14, 120, 112, true);
    place(&m_tabReports, 146, 14, 120, 112, true);
    place(&m_tabAll, 280, 52, 76, 34, true);
    place(&m_tabMiddle, 356, 52, 76, 34, true);
    place(&m_tabRight, 432, 52, 76, 34, true);
    place(&m_tabFourth, 508, 11, 76, 34, false);
    place(GetDlgItem(IDC_LIST_PREV_DAY), 296, 60, 30, 30, false);
    place(GetDlgItem(IDC_LIST_NEXT_DAY), 332, 60, 30, 30, false);
    place(&m_stUser, cx - 200, 22, 180, 16, true);
    place(m_pList, 286, 95, cx - 306, cy - 110, true);
    place(m_pSearch, 275, 0, cx - 485, 50, true);
    ::EndDeferWindowPos(dwp);
    Invalidate(FALSE);
}

BOOL CMainLayer::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

HBRUSH CMainLayer::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC) {
        if (pWnd && pWnd->GetSafeHwnd() == m_stUser.GetSafeHwnd()) return m_stUser.CtlColor(pDC, nCtlColor);
        pDC->SetBkMode(TRANSPARENT);
        return (HBRUSH)::GetStockObject(NULL_BRUSH);
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CMainLayer::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    // Drawn off-screen and copied in one go, so the panels never flicker.
    CMyMemDC mem(&dc, kBack, &client);
    Paint(mem.GetSafeHdc(), client);
}

void CMainLayer::Paint(HDC hdc, const CRect& client)
{
    HBRUSH back = ::CreateSolidBrush(kBack);
    ::FillRect(hdc, &client, back);
    ::DeleteObject(back);
    // The today box with its button picture at the lower right.
    FillRoundBox(hdc, kTodayBox, 7, kWhite);
    static const UINT kTodayBitmaps[3] = {IDB_LIST_TODAY, IDB_LIST_TODAY_HOVER, IDB_LIST_TODAY_DOWN};
    DrawResourceBitmap(hdc, kTodayBitmaps[m_nTodayState % 3], 246 - 2, 214 - 2, RGB(255, 0, 255));
    // The panel behind the calendar and the one behind the list.
    FillRoundBox(hdc, CRect(13, 246, 266, 505), 7, kWhite);
    FillRoundBox(hdc, CRect(279, 94, client.right - 15, client.bottom - 15), 7, kWhite);

    CString caption;
    caption.LoadString(m_nReportMode ? IDS_LIST_CAPTION_REPORTS : IDS_LIST_CAPTION_MEETINGS);
    HFONT captionFont = CreateListFont(hdc, -18, FW_BOLD);
    DrawListText(hdc, caption, CRect(13, 150, 264, 180), captionFont, RGB(0x75, 0x75, 0x75),
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::DeleteObject(captionFont);
    HFONT countFont = CreateListFont(hdc, -35, 900);
    DrawListText(hdc, m_strCount, kCountArea, countFont, RGB(0x00, 0xBC, 0xD4), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::DeleteObject(countFont);
}

// ------------------------------------------------------------------------------ mouse

void CMainLayer::OnMouseMove(UINT nFlags, CPoint point)
{
    if (HandleEdge(point, FALSE)) return;
    const int nState = kTodayBox.PtInRect(point) ? 1 : 0;
    if (nState != m_nTodayState && m_nTodayState != 2) {
        m_nTodayState = nState;
        InvalidateRect(&kTodayBox, FALSE);
    }
    CDialog::OnMouseMove(nFlags, point);
}

void CMainLayer::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (HandleEdge(point, TRUE)) return;
    if (point.x >= 12 && point.x <= 307 && point.y >= 153 && point.y <= 272) {
        m_nTodayState = 2;
        InvalidateRect(&kTodayBox, FALSE);
    }
    CDialog::OnLButtonDown(nFlags, point);
}

void CMainLayer::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (kTodayBox.PtInRect(point)) {
        m_nTodayState = 0;
        InvalidateRect(&kTodayBox, FALSE);
        RequestCounts();
        m_calendar.SetDate(ListNow(), 0);
        return;
    }
    if (m_nTodayState == 2) {
        m_nTodayState = 0;
        InvalidateRect(&kTodayBox, FALSE);
    }
    CDialog::OnLButtonUp(nFlags, point);
}

UINT CMainLayer::EdgeHit(CPoint point) const
{
    CRect client;
    GetClientRect(&client);
    const bool bLeft = point.x <= client.left + 4;
    const bool bRight = point.x >= client.right - 5;
    const bool bBottom = point.y >= client.bottom - 5;
    if (bBottom && bLeft) return HTBOTTOMLEFT;
    if (bBottom && bRight) return HTBOTTOMRIGHT;
    if (bLeft) return HTLEFT;
    if (bRight) return HTRIGHT;
    if (bBottom) return HTBOTTOM;
    return HTNOWHERE;
}

BOOL CMainLayer::HandleEdge(CPoint point, BOOL bPress)
{
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain || pMain->GetShowCmd() == SW_SHOWMAXIMIZED) return FALSE;
    const UINT nHit = EdgeHit(point);
    if (nHit == HTNOWHERE) return FALSE;
    LPCWSTR cursor = IDC_SIZEWE;
    if (nHit == HTBOTTOMLEFT) cursor = IDC_SIZENESW;
    else if (nHit == HTBOTTOMRIGHT) cursor = IDC_SIZENWSE;
    else if (nHit == HTBOTTOM) cursor = IDC_SIZENS;
    ::SetCursor(::LoadCursorW(nullptr, cursor));
    if (bPress && pMain->GetWnd()) {
        POINT screen = point;
        ::ClientToScreen(m_hWnd, &screen);
        pMain->GetWnd()->PostMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(screen.x, screen.y));
    }
    return TRUE;
}

BOOL CMainLayer::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (IsBusy()) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}

void CMainLayer::OnCancel()
{
    // Esc is the main window's hide command: it leaves full view first, closes the open pop-ups
    // and does nothing while the log-in again runs.
    IZELMainDlg* pMain = GetMainDlg();
    CWnd* wnd = pMain ? pMain->GetWnd() : nullptr;
    if (wnd && wnd->GetSafeHwnd()) wnd->SendMessage(WM_COMMAND, ID_CMD_HIDE_WINDOW, 0);
}

// ------------------------------------------------------------------------------ busy and clock

void CMainLayer::PostToMain(UINT nMessage)
{
    IZELMainDlg* pMain = GetMainDlg();
    CWnd* wnd = pMain ? pMain->GetWnd() : nullptr;
    if (wnd && wnd->GetSafeHwnd()) wnd->PostMessage(nMessage, 0, 0);
}

void CMainLayer::EndBusy()
{
    m_bBusy = FALSE;
    m_watch = SPageRequestWatch();
    KillTimer(TIMER_WATCH);
}

void CMainLayer::SetBusy(int bBusy)
{
    if (bBusy) {
        m_bBusy = TRUE;
        m_watch = SPageRequestWatch();
        m_watch.tSent = ListNow();
        SetTimer(TIMER_WATCH, kWatchMs);
        return;
    }
    EndBusy();
}

BOOL CMainLayer::IsBusy()
{
    if (!m_bBusy) return FALSE;
    CTasClientManager* tas = CTasClientManager::GetInstance();
    bool bPending = true;
    if (m_watch.nTransactionId) {
        const std::vector<uint64_t> ids = tas->GetPendingTransactionIds();
        bPending = std::find(ids.begin(), ids.end(), m_watch.nTransactionId) != ids.end();
    }
    const bool bReplyWindow = tas->GetListener() == m_hWnd;
    if (!IsPageRequestLost(m_watch, ListNow(), GiveUpSeconds(), bPending, bReplyWindow)) return TRUE;
    // The reply will not come to this screen any more: the screen must not stay locked for it.
    g_ApplicationLog.Log(3, L"CMainLayer: the list page reply is lost, the screen is usable again\n");
    EndBusy();
    PostToMain(WM_LIST_WAIT_CURSOR_OFF);
    return FALSE;
}

void CMainLayer::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_WATCH) {
        IsBusy();
        return;
    }
    if (nIDEvent == TIMER_DAY_CHECK) {
        CheckDayChange();
        return;
    }
    CDialog::OnTimer(nIDEvent);
}

void CMainLayer::CheckDayChange()
{
    const CTime now = ListNow();
    m_calendar.CheckDayChange();
    if (IsSameDay(now, m_tToday)) return;
    m_tToday = now;
    // Today's count is the count of the new day; the list the user looks at stays.
    if (IsWindowVisible()) {
        m_bCountsOnly = TRUE;
        RequestCounts();
    }
}

// ------------------------------------------------------------------------------ requests

void CMainLayer::RequestCounts()
{
    CTasClientManager* tas = CTasClientManager::GetInstance();
    tas->SetListener(this);
    tas->RequestM00000002(KindText(), DayText(ListNow()), 1);
}

void CMainLayer::RequestMonthMarks(const CString& strMonth)
{
    CTasClientManager* tas = CTasClientManager::GetInstance();
    tas->SetListener(this);
    tas->RequestM00000013(strMonth, KindText(), L"");
}

void CMainLayer::RequestPage(const CTime& tStart, const CTime& tEnd, const CString& strText, int nPage)
{
    if (IsBusy()) return;
    m_bBusy = TRUE;
    PostToMain(WM_LIST_WAIT_CURSOR_ON);
    const CString strStart = DayText(tStart);
    const CString strEnd = DayText(tEnd);
    g_ApplicationLog.Log(2, L"RequestM00000003 Date : %s ~ %s, Page : %d\n", strStart.GetString(), strEnd.GetString(),
                         nPage);
    m_nCurrentPage = nPage;
    CTasClientManager* tas = CTasClientManager::GetInstance();
    tas->SetListener(this);
    // The watch starts before the request goes out: an earlier reply handled meanwhile must find
    // this request young, not judge it lost. Its id is the one the request was given (a look at
    // the pending requests afterwards missed it when the socket worker had its answer already).
    m_watch = SPageRequestWatch();
    m_watch.tSent = ListNow();
    m_watch.nTransactionId =
        tas->RequestM00000003(strStart, strEnd, KindText(), m_nReportMode ? m_nReportMain : m_nMeetingMain,
                              m_nReportMode ? m_nReportSub : m_nMeetingSub, nPage, 30, strText);
    SetTimer(TIMER_WATCH, kWatchMs);
}

CString CMainLayer::CurrentSearchText() const
{
    return m_pSearch ? m_pSearch->GetSearchText() : CString();
}

void CMainLayer::RefreshList()
{
    CLoginManager* login = CLoginManager::GetInstance();
    SetUserLabel(login->GetUserName(), login->GetDeptName());
    RequestCounts();
    RequestMonthMarks(MonthText(m_calendar.GetSelectedDate()));
    if (m_bSearchMode) {
        RequestPage(m_tStart, m_tEnd, CurrentSearchText(), 1);
        return;
    }
    const CTime day = StartOfDay(m_calendar.GetSelectedDate());
    m_tStart = m_tEnd = day;
    RequestPage(day, day, L"", 1);
}

void CMainLayer::ResetCalendarToToday()
{
    // The last session's search is forgotten with its day: box, dates and search mode.
    const CTime today = StartOfDay(ListNow());
    if (m_pSearch) m_pSearch->SetDates(today, today);
    m_calendar.SetDate(today, 0);
}

int CMainLayer::CanChangeDate(const CTime&)
{
    return IsBusy() ? 0 : 1;
}

void CMainLayer::OnDateSelected(const CTime& tDate, int bLabelOnly)
{
    const CTime day = StartOfDay(tDate);
    if (bLabelOnly) {
        m_tStart = m_tEnd = day;
        return;
    }
    if (day.GetYear() != m_tEnd.GetYear() || day.GetMonth() != m_tEnd.GetMonth() || m_bSearchMode) {
        m_bSearchMode = 0;
        RequestMonthMarks(MonthText(day));
        m_calendar.Invalidate(FALSE);
    }
    m_tStart = m_tEnd = day;
    RequestPage(day, day, L"", 1);
}

void CMainLayer::OnSearch(const CTime& tStart, const CTime& tEnd, const CString& strText)
{
    m_bSearchMode = 1;
    m_tStart = tStart;
    m_tEnd = tEnd;
    m_strSearch = strText;
    RequestPage(tStart, tEnd, strText, 1);
}

void CMainLayer::RequestNextPage()
{
    const int nPage = m_nCurrentPage + 1;
    if (nPage > m_nTotalPages) return;
    RequestPage(m_tStart, m_tEnd, CurrentSearchText(), nPage);
}

void CMainLayer::OpenMeeting(const CString& strMeetingId)
{
    if (IZELMainDlg* pMain = GetMainDlg()) pMain->SetScreenMode(ZEL_MODE_DETAIL, strMeetingId);
}

// ------------------------------------------------------------------------------ tabs

BOOL CMainLayer::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDC_LIST_TAB_MEETINGS: OnKindTab(0); return TRUE;
    case IDC_LIST_TAB_REPORTS: OnKindTab(1); return TRUE;
    case IDC_LIST_TAB_ALL:
    case IDC_LIST_TAB_MIDDLE:
    case IDC_LIST_TAB_RIGHT: OnFilterTab(LOWORD(wParam)); return TRUE;
    case IDC_LIST_TAB_FOURTH:
    case IDC_LIST_PREV_DAY:
    case IDC_LIST_NEXT_DAY:
    case IDC_LIST_STATUS_FILTER: return TRUE;   // hidden controls
    default: return CDialog::OnCommand(wParam, lParam);
    }
}

void CMainLayer::SelectKindTab(int bReports)
{
    OnKindTab(bReports ? 1 : 0);
}

void CMainLayer::OnKindTab(int bReports)
{
    if (IsBusy() || m_nReportMode == bReports) return;
    if (bReports) {
        m_nReportSub = m_nReportMain = 0;
    } else {
        m_nMeetingSub = m_nMeetingMain = 0;
    }
    if (m_pSearch) m_pSearch->SetHint(bReports);
    SetKindTab(bReports);
    SelectFilterTab(0);
    RequestCounts();
    Invalidate(FALSE);
    if (IZELMainDlg* pMain = GetMainDlg())
        if (ITitleBar* title = pMain->GetTitleLayer()) title->SetListTitle(bReports);
}

namespace {

// Binds a tab to its value and shows its selected or normal picture at once.
void BindTab(CStaticTab& tab, int* pValue, int nValue, UINT nSelected, UINT nNormal, UINT nHover)
{
    tab.SetTab(pValue, nValue, nSelected, nNormal, nHover);
    if (!tab.GetSafeHwnd()) return;
    HBITMAP bitmap = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(*pValue == nValue ? nSelected : nNormal));
    HBITMAP previous = tab.SetBitmap(bitmap);
    if (previous && previous != bitmap) ::DeleteObject(previous);
}

}  // namespace

void CMainLayer::SetKindTab(int bReports)
{
    m_nReportMode = bReports;
    BindTab(m_tabMeetings, &m_nReportMode, 0, IDB_LIST_KIND_MEETINGS_SEL, IDB_LIST_KIND_MEETINGS,
            IDB_LIST_KIND_MEETINGS_HOVER);
    BindTab(m_tabReports, &m_nReportMode, 1, IDB_LIST_KIND_REPORTS_SEL, IDB_LIST_KIND_REPORTS,
            IDB_LIST_KIND_REPORTS_HOVER);
    int* pMain = bReports ? &m_nReportMain : &m_nMeetingMain;
    BindTab(m_tabAll, pMain, 0, IDB_LIST_TAB_ALL_SEL, IDB_LIST_TAB_ALL, IDB_LIST_TAB_ALL_HOVER);
    if (bReports) {
        BindTab(m_tabMiddle, pMain, 2, IDB_LIST_TAB_R2_SEL, IDB_LIST_TAB_R2, IDB_LIST_TAB_R2_HOVER);
        BindTab(m_tabRight, pMain, 1, IDB_LIST_TAB_R1_SEL, IDB_LIST_TAB_R1, IDB_LIST_TAB_R1_HOVER);
    } else {
        BindTab(m_tabMiddle, pMain, 1, IDB_LIST_TAB_M1_SEL, IDB_LIST_TAB_M1, IDB_LIST_TAB_M1_HOVER);
        BindTab(m_tabRight, pMain, 2, IDB_LIST_TAB_M2_SEL, IDB_LIST_TAB_M2, IDB_LIST_TAB_M2_HOVER);
    }
    if (m_tabFourth.GetSafeHwnd()) m_tabFourth.ShowWindow(SW_HIDE);
}

void CMainLayer::SelectFilterTab(int nValue)
{
    (m_nReportMode ? m_nReportMain : m_nMeetingMain) = nValue;
    SetKindTab(m_nReportMode);
}

void CMainLayer::OnFilterTab(int nTabId)
{
    const int nValue = FilterValueForTab(nTabId, m_nReportMode);
    if (nValue == GetMainFilter() || IsBusy()) return;
    SelectFilterTab(nValue);
    RequestPage(m_tStart, m_tEnd, CurrentSearchText(), 1);
}

// ------------------------------------------------------------------------------ rows

BOOL CMainLayer::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (hdr && hdr->idFrom == IDC_LIST_LIST) {
        const MYLIST_NOTIFY* note = reinterpret_cast<const MYLIST_NOTIFY*>(lParam);
        if (hdr->code == MYLIST_ITEM_PRESS) {
            m_pList->m_nPressedIndex = note->nIndex;
        } else if (hdr->code == MYLIST_ITEM_CLICK) {
            const int nPressed = m_pList->m_nPressedIndex;
            m_pList->m_nPressedIndex = -1;
            if (nPressed == note->nIndex) OnRowReleased(note->nIndex);
        }
        if (pResult) *pResult = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

void CMainLayer::OnRowReleased(int nIndex)
{
    MYLIST_ITEM* row = m_pList->FindItem(nIndex);
    if (!row) return;
    if (row->nType == MAINLIST_ROW_MORE) {
        RequestNextPage();
        return;
    }
    if (row->nType != MAINLIST_ROW_MEETING || !row->dwData) return;
    CMeeting* meeting = reinterpret_cast<CMeeting*>(row->dwData);
    if (meeting->CanShare()) {
        m_pList->m_nCheckIndex = nIndex;
        m_strCheckMeetingId = meeting->GetMeetingId();
        CTasClientManager* tas = CTasClientManager::GetInstance();
        tas->SetListener(this);
        tas->RequestM00000004(meeting->GetMeetingId(), L"");
        return;
    }
    OpenMeeting(meeting->GetMeetingId());
}

// ------------------------------------------------------------------------------ replies

LRESULT CMainLayer::OnCountsReply(WPARAM, LPARAM lParam)
{
    const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!reply) return 0;
    const BOOL bCountsOnly = m_bCountsOnly;
    m_bCountsOnly = FALSE;
    if (reply->GetStatusCode() != 0) {
        ShowResultError(L"M00000002", reply->GetStatusCode());
        return 0;
    }
    const Json::Value& body = BodyOf(reply);
    m_strCount.Format(L"%d", GetJsonInt(body, "mtngcnt"));
    InvalidateRect(&kCountArea, FALSE);
    if (!bCountsOnly) RequestPage(m_tEnd, m_tEnd, CurrentSearchText(), 1);
    return 0;
}

LRESULT CMainLayer::OnPageReply(WPARAM, LPARAM lParam)
{
    const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!reply) return 0;
    // The late answer of a request given up as lost must not end the wait for the request that
    // replaced it, nor show the older list over it.
    if (m_bBusy && m_watch.nTransactionId && reply->GetTransactionIdNumber() != m_watch.nTransactionId) {
        g_ApplicationLog.Log(3, L"CMainLayer: a page reply of an earlier request, ignored\n");
        return 0;
    }
    EndBusy();
    if (reply->GetStatusCode() != 0) {
        ShowResultError(L"M00000003", reply->GetStatusCode());
    } else {
        const Json::Value& body = BodyOf(reply);
        const Json::Value& list = body.isObject() && body["list"].isArray() ? body["list"] : Json::Value(Json::arrayValue);
        const SListPaging paging = ReadListPaging(body);
        m_nCurrentPage = paging.nCurrentPage;
        m_nTotalPages = paging.nTotalPages;
        const int nBefore = CMeetingManager::GetInstance()->FillFromList(m_nCurrentPage, m_nTotalPages, list);
        m_pList->Fill(m_nReportMode ? 30 : 1, m_nCurrentPage, nBefore);
    }
    CLoginManager* login = CLoginManager::GetInstance();
    if (login->GetSawonNo().IsEmpty()) CTasClientManager::GetInstance()->RequestM00000006(login->GetUserId());
    PostToMain(WM_LIST_WAIT_CURSOR_OFF);
    return 0;
}

LRESULT CMainLayer::OnAttendeesReply(WPARAM, LPARAM lParam)
{
    const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!reply || reply->GetStatusCode() != 0) return 0;
    const Json::Value& body = BodyOf(reply);
    const int nMe = CLoginManager::GetInstance()->GetUserIdNumber();
    int bFound = 0;
    if (body.isObject() && body["list"].isArray()) {
        for (const Json::Value& entry : body["list"]) {
            if (entry.isObject() && GetJsonInt(entry, "userIdnfr") == nMe) {
                bFound = 1;
                break;
            }
        }
    }
    PostMessage(WM_LIST_ATTENDANCE_CHECKED, 1, bFound);
    return 0;
}

LRESULT CMainLayer::OnAttendanceChecked(WPARAM wParam, LPARAM lParam)
{
    if (wParam != 1) return 0;
    MYLIST_ITEM* row = m_pList->FindItem(m_pList->m_nCheckIndex);
    m_pList->m_nCheckIndex = -1;
    if (!row || row->nType != MAINLIST_ROW_MEETING || !row->dwData) return 0;
    const CString strId = reinterpret_cast<CMeeting*>(row->dwData)->GetMeetingId();
    // The row now shows another meeting than the one the user clicked: open nothing.
    if (strId != m_strCheckMeetingId) return 0;
    if (!lParam) {
        IZELMainDlg* pMain = GetMainDlg();
        if (!pMain) return 0;
        CString title, text;
        title.LoadString(IDS_POPUP_TITLE);
        text.LoadString(IDS_LIST_NOT_ATTENDEE);
        if (pMain->ShowMessagePopup(title, text, 137, nullptr, TRUE) != IDOK) return 0;
    }
    OpenMeeting(strId);
    return 0;
}

LRESULT CMainLayer::OnUserInfoReply(WPARAM, LPARAM lParam)
{
    const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!reply || reply->GetStatusCode() != 0 || !IsWindowVisible()) return 0;
    const Json::Value& body = BodyOf(reply);
    CLoginManager* login = CLoginManager::GetInstance();
    if (GetJsonInt(body, "userIdnfr") == login->GetUserIdNumber()) login->SetSawonNo(GetJsonString(body, "sawonNo"));
    return 0;
}

LRESULT CMainLayer::OnMonthReply(WPARAM, LPARAM lParam)
{
    const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!reply) return 0;
    if (reply->GetStatusCode() != 0) {
        ShowResultError(L"M00000013", reply->GetStatusCode());
        return 0;
    }
    const Json::Value& body = BodyOf(reply);
    m_calendar.SetMarks(body.isObject() ? body["list"] : Json::Value());
    return 0;
}

LRESULT CMainLayer::OnScrollBarPos(WPARAM, LPARAM)
{
    return 0;
}
