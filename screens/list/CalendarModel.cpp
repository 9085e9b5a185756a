#include "screens/list/CalendarModel.h"

#include "core/CalendarText.h"
#include "core/JsonHelpers.h"

CString CCalendarModel::DayKey(int nYear, int nMonth, int nDay)
{
    CString s;
    s.Format(L"%d%02d%02d", nYear, nMonth, nDay);
    return s;
}

void CCalendarModel::SetSelected(const CTime& t)
{
    m_tSelected = t;
    m_nDaysInMonth = DaysInMonth(t.GetYear(), t.GetMonth());
}

int CCalendarModel::GetFirstColumn() const
{
    return FirstWeekdayOfMonth(GetYear(), GetMonth());
}

CTime CCalendarModel::MonthStep(int nStep) const
{
    int nYear = GetYear();
    int nMonth = GetMonth() + nStep;
    if (nMonth > 12) {
        nMonth = 1;
        ++nYear;
    } else if (nMonth < 1) {
        nMonth = 12;
        --nYear;
    }
    return CTime(nYear, nMonth, 1, 0, 0, 0);
}

void CCalendarModel::ClearMarks()
{
    m_meetings.clear();
    m_reports.clear();
}

void CCalendarModel::SetMarks(const Json::Value& list)
{
    ClearMarks();
    if (!list.isArray()) return;
    for (const Json::Value& entry : list) {
        if (!entry.isObject()) continue;
        CString strId;
        strId.Format(L"%d", GetJsonInt(entry, "mtngId"));
        const CString strType = GetJsonString(entry, "mtngType");
        const CString strDate = GetJsonString(entry, "date");
        if (strType == L"10")
            m_meetings[strDate] = strId;
        else if (strType == L"30")
            m_reports[strDate] = strId;
    }
}

CString CCalendarModel::MeetingOf(const CString& strKey) const
{
    auto it = m_meetings.find(strKey);
    return it == m_meetings.end() ? CString() : it->second;
}

void CCalendarModel::SetSize(int cx, int cy)
{
    m_nColumn = (cx - 20) / 7;
    m_nRow = (cy - 65) / 6;
}

CRect CCalendarModel::GetCellRect(int nCell) const
{
    const int col = nCell % 7;
    const int row = nCell / 7;
    return CRect(10 + col * m_nColumn, 65 + row * m_nRow, 10 + (col + 1) * m_nColumn, 65 + (row + 1) * m_nRow);
}

CString CCalendarModel::KeyOf(int nDay) const
{
    if (nDay < 1 || nDay > m_nDaysInMonth) return CString();
    return DayKey(GetYear(), GetMonth(), nDay);
}

COLORREF CCalendarModel::NumberColor(int nDay) const
{
    const CString key = KeyOf(nDay);
    if (!key.IsEmpty() && HasReport(key)) return CAL_MARKED;
    if (nDay > m_nDaysInMonth) return CAL_NEXT_MONTH;
    const int col = CellOfDay(nDay) % 7;
    if (col == 0) return CAL_SUNDAY;
    if (col == 6) return CAL_SATURDAY;
    if (!key.IsEmpty() && HasMeeting(key)) return CAL_MARKED;
    return CAL_TEXT;
}

namespace {

// A 5 x 5 circle whose bottom is 3 pixels above the cell's bottom, its left edge at x.
CRect Dot(const CRect& cell, int x)
{
    return CRect(x, cell.bottom - 3 - 5, x + 5, cell.bottom - 3);
}

}  // namespace

bool CCalendarModel::MeetingDot(int nDay, CRect& rc) const
{
    const CString key = KeyOf(nDay);
    if (key.IsEmpty() || !HasMeeting(key)) return false;
    const CRect cell = GetCellRect(CellOfDay(nDay));
    const int centre = cell.left + cell.Width() / 2;
    rc = Dot(cell, HasReport(key) ? centre - 6 : centre - 2);
    return true;
}

bool CCalendarModel::ReportDot(int nDay, CRect& rc) const
{
    const CString key = KeyOf(nDay);
    if (key.IsEmpty() || !HasReport(key)) return false;
    const CRect cell = GetCellRect(CellOfDay(nDay));
    const int centre = cell.left + cell.Width() / 2;
    rc = Dot(cell, HasMeeting(key) ? centre + 2 : centre - 2);
    return true;
}

int CCalendarModel::HitTestDay(CPoint pt) const
{
    for (int day = 1; day <= m_nDaysInMonth; ++day) {
        const CRect cell = GetCellRect(CellOfDay(day));
        if (pt.x >= cell.left && pt.x <= cell.right && pt.y >= cell.top && pt.y <= cell.bottom) return day;
    }
    return 0;
}
