#include <winsock2.h>  // before the class library pulls in windows.h

#include "screens/list/MeetingCalendar.h"

#include "ui/host/MainDlg.h"
#include "core/DrawHelpers.h"
#include "resources/resource.h"
#include "screens/list/ListPaint.h"
#include "ui/skin/MyMemDC.h"
#include "screens/list/ListRules.h"

namespace {

const UINT_PTR TIMER_DAY_CHECK = 1;
const UINT kDayCheckMs = 60 * 1000;
const wchar_t* const kWeekdays[7] = {L"일", L"월", L"화", L"수", L"목", L"금", L"토"};

}  // namespace

BEGIN_MESSAGE_MAP(CMeetingCalendar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMeetingCalendar::CMeetingCalendar(IMeetingCalendarEventListener* pListener) : m_pListener(pListener)
{
    m_model.SetSelected(ListNow());
    m_tPaintedToday = ListNow();
}

CMeetingCalendar::~CMeetingCalendar() = default;

void CMeetingCalendar::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    ModifyStyle(0, SS_NOTIFY);
    const CRect none(0, 0, 20, 20);
    m_btnNext.Create(L"", WS_CHILD | WS_VISIBLE | BS_BITMAP, none, this, IDC_CAL_NEXT_MONTH);
    m_btnNext.SetSkin(IDB_CAL_NEXT, IDB_CAL_NEXT_DOWN, IDB_CAL_NEXT_OVER, IDB_CAL_NEXT_DISABLED, IDB_CAL_NEXT, 0, 0,
                      0, 0);
    m_btnPrev.Create(L"", WS_CHILD | WS_VISIBLE | BS_BITMAP, none, this, IDC_CAL_PREV_MONTH);
    m_btnPrev.SetSkin(IDB_CAL_PREV, IDB_CAL_PREV_DOWN, IDB_CAL_PREV_OVER, IDB_CAL_PREV_DISABLED, IDB_CAL_PREV, 0, 0,
                      0, 0);
    CRect client;
    GetClientRect(&client);
    OnSize(0, client.Width(), client.Height());
    SetTimer(TIMER_DAY_CHECK, kDayCheckMs);
}

void CMeetingCalendar::OnDestroy()
{
    KillTimer(TIMER_DAY_CHECK);
    CWnd::OnDestroy();
}

void CMeetingCalendar::OnSize(UINT, int cx, int cy)
{
    m_model.SetSize(cx, cy);
    if (m_btnNext.GetSafeHwnd()) m_btnNext.MoveWindow(cx - 70, 13, 20, 20);
    if (m_btnPrev.GetSafeHwnd()) m_btnPrev.MoveWindow(50, 13, 20, 20);
}

CTime CMeetingCalendar::GetToday() const
{
    return ListNow();
}

bool CMeetingCalendar::CheckDayChange()
{
    const CTime now = ListNow();
    if (IsSameDay(now, m_tPaintedToday)) return false;
    m_tPaintedToday = now;
    if (GetSafeHwnd()) Invalidate(FALSE);
    return true;
}

void CMeetingCalendar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_DAY_CHECK) {
        CheckDayChange();
        return;
    }
    CWnd::OnTimer(nIDEvent);
}

int CMeetingCalendar::SetDate(const CTime& tDate, int bLabelOnly)
{
    m_model.SetSelected(tDate);
    if (GetSafeHwnd()) Invalidate(FALSE);
    if (m_pListener) m_pListener->OnDateSelected(m_model.GetSelected(), bLabelOnly);
    return 1;
}

void CMeetingCalendar::SetMarks(const Json::Value& list)
{
    m_model.SetMarks(list);
    if (GetSafeHwnd()) Invalidate(FALSE);
}

BOOL CMeetingCalendar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDC_CAL_NEXT_MONTH:
        StepMonth(1);
        return TRUE;
    case IDC_CAL_PREV_MONTH:
        StepMonth(-1);
        return TRUE;
    default:
        return CWnd::OnCommand(wParam, lParam);
    }
}

void CMeetingCalendar::StepMonth(int nStep)
{
    if (m_pListener && !m_pListener->CanChangeDate(m_model.GetSelected())) return;
    SetDate(m_model.MonthStep(nStep), 0);
}

void CMeetingCalendar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pListener && !m_pListener->CanChangeDate(m_model.GetSelected())) return;
    const int nDay = m_model.HitTestDay(point);
    if (nDay > 0) {
        const CTime date(m_model.GetYear(), m_model.GetMonth(), nDay, 0, 0, 0);
        const int bAsk = AskSwitchKind(date);
        SetDate(date, bAsk);
        if (bAsk && m_pListener) m_pListener->SelectKindTab(m_pListener->IsReportMode() ? 0 : 1);
    }
    CWnd::OnLButtonDown(nFlags, point);
}

int CMeetingCalendar::AskSwitchKind(const CTime& tDate)
{
    if (!m_pListener) return 0;
    const CString key = CCalendarModel::DayKey(tDate.GetYear(), tDate.GetMonth(), tDate.GetDay());
    const bool bMeeting = m_model.HasMeeting(key);
    const bool bReport = m_model.HasReport(key);
    CString text;
    if (m_pListener->IsReportMode() && bMeeting && !bReport)
        text = L"회의만 있는 날짜 입니다. \n회의로 이동하시겠습니까?";
    else if (!m_pListener->IsReportMode() && bReport && !bMeeting)
        text = L"보고만 있는 날짜 입니다. \n보고로 이동하시겠습니까?";
    else
        return 0;
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain) return 0;
    CString title;
    title.LoadString(IDS_POPUP_TITLE);
    return pMain->ShowMessagePopup(title, text, 137, nullptr, TRUE) == IDOK ? 1 : 0;
}

BOOL CMeetingCalendar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CMeetingCalendar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    // Drawn off-screen and copied in one go, so the panels never flicker.
    CMyMemDC mem(&dc, RGB(255, 255, 255), &client);
    Paint(mem.GetSafeHdc(), client);
}

void CMeetingCalendar::Paint(HDC hdc, const CRect& client)
{
    m_tPaintedToday = ListNow();
    // The panel behind the calendar is the screen's white rounded panel.
    HBRUSH white = ::CreateSolidBrush(RGB(255, 255, 255));
    ::FillRect(hdc, &client, white);
    ::DeleteObject(white);
    const int W = client.Width();
    m_model.SetSize(W, client.Height());
    const int cw = m_model.GetColumnWidth();

    // Weekday header.
    HFONT header = CreateListFont(hdc, -12, FW_BOLD);
    for (int i = 0; i < 7; ++i) {
        const COLORREF clr = i == 0 ? CAL_SUNDAY : (i == 6 ? CAL_SATURDAY : CAL_TEXT);
        DrawListText(hdc, kWeekdays[i], CRect(10 + i * cw, 44, 10 + (i + 1) * cw, 65), header, clr,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    ::DeleteObject(header);

    // Title.
    CString title;
    title.Format(L"%4d.%02d", m_model.GetYear(), m_model.GetMonth());
    HFONT titleFont = CreateListFont(hdc, 14, FW_BOLD);
    DrawListText(hdc, title, CRect(0, 12, W, 40), titleFont, CAL_TEXT, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::DeleteObject(titleFont);

    const int nDays = m_model.GetDaysInMonth();
    if (nDays <= 0) return;
    const CTime today = m_tPaintedToday;
    const bool bTodayHere = today.GetYear() == m_model.GetYear() && today.GetMonth() == m_model.GetMonth();
    const int nSelected = m_model.GetSelected().GetDay();
    HFONT number = CreateListFont(hdc, GetDefaultFontSize() - 1, FW_NORMAL);
    const int nCells = 42 - m_model.GetFirstColumn();
    for (int i = 1; i <= nCells; ++i) {
        const CRect cell = m_model.GetCellRect(m_model.CellOfDay(i));
        if (bTodayHere && today.GetDay() == i) FillRoundBox(hdc, cell, 7, CAL_TODAY_BOX);
        if (nSelected == i) FillRoundBox(hdc, cell, 7, CAL_SELECTED_BOX);
        CString text;
        text.Format(L"%d", m_model.ShownNumber(i));
        DrawListText(hdc, text, cell, number, m_model.NumberColor(i), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        CRect dot;
        if (m_model.MeetingDot(i, dot)) FillRoundBox(hdc, dot, 5, CAL_MEETING_DOT);
        if (m_model.ReportDot(i, dot)) FillRoundBox(hdc, dot, 5, CAL_REPORT_DOT);
    }
    ::DeleteObject(number);
}
