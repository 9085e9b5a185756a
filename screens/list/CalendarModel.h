#pragma once
// What the month calendar of the list screen shows, without its window: the selected month, the
// days marked with meetings and reports, the 6 x 7 grid for a window size, the colour of each
// day number, the marker circles and which day a point hits.
#include <json/json.h>

#include <map>

#include "platform/CString.h"
#include "platform/Geometry.h"
#include "platform/Time.h"

// Colours of the calendar.
const COLORREF CAL_SUNDAY = RGB(0xF1, 0x33, 0x52);
const COLORREF CAL_SATURDAY = RGB(0x3C, 0x84, 0xE7);
const COLORREF CAL_TEXT = RGB(0x33, 0x33, 0x33);
const COLORREF CAL_MARKED = RGB(0x00, 0xBC, 0xD4);
const COLORREF CAL_NEXT_MONTH = RGB(0x99, 0x99, 0x99);
const COLORREF CAL_TODAY_BOX = RGB(0xE0, 0xFA, 0xFD);
const COLORREF CAL_SELECTED_BOX = RGB(0x80, 0xDF, 0xEB);
const COLORREF CAL_MEETING_DOT = RGB(0x5C, 0xB4, 0xEC);
const COLORREF CAL_REPORT_DOT = RGB(0xFF, 0xAE, 0x00);

class CCalendarModel {
public:
    // "%d%02d%02d" of the day.
    static CString DayKey(int nYear, int nMonth, int nDay);

    void SetSelected(const CTime& t);
    const CTime& GetSelected() const { return m_tSelected; }
    int GetYear() const { return m_tSelected.GetYear(); }
    int GetMonth() const { return m_tSelected.GetMonth(); }
    int GetDaysInMonth() const { return m_nDaysInMonth; }
    // Column (0 Sunday) of the selected month's first day.
    int GetFirstColumn() const;
    // The first day of the next (+1) or previous (-1) month, at midnight.
    CTime MonthStep(int nStep) const;

    // The "list" of the month reply: meetings ("mtngType" "10") and reports ("30") by day.
    void SetMarks(const Json::Value& list);
    void ClearMarks();
    bool HasMeeting(const CString& strKey) const { return m_meetings.count(strKey) != 0; }
    bool HasReport(const CString& strKey) const { return m_reports.count(strKey) != 0; }
    CString MeetingOf(const CString& strKey) const;
    size_t GetMarkCount() const { return m_meetings.size() + m_reports.size(); }

    // Grid of a window of that client size: columns (W - 20) / 7 wide from x 10, six rows of
    // (H - 65) / 6 from y 65; cell 0 is the top left.
    void SetSize(int cx, int cy);
    int GetColumnWidth() const { return m_nColumn; }
    int GetRowHeight() const { return m_nRow; }
    CRect GetCellRect(int nCell) const;
    // The cell of the running day number i (1 = the month's first day; past the month's end the
    // numbers go on into the next month's cells).
    int CellOfDay(int nDay) const { return GetFirstColumn() + nDay - 1; }
    // The number shown for the running day i: i itself, or the next month's day after the end.
    int ShownNumber(int nDay) const { return nDay > m_nDaysInMonth ? nDay - m_nDaysInMonth : nDay; }
    // Colour of the running day i's number.
    COLORREF NumberColor(int nDay) const;
    // The marker circles of a cell; false when the day has no mark.
    bool MeetingDot(int nDay, CRect& rc) const;
    bool ReportDot(int nDay, CRect& rc) const;
    // The day of the selected month under the point (edges included), 0 for none.
    int HitTestDay(CPoint pt) const;

private:
    CString KeyOf(int nDay) const;

    CTime m_tSelected;
    int m_nDaysInMonth = 0;
    int m_nColumn = 0;
    int m_nRow = 0;
    std::map<CString, CString> m_meetings;
    std::map<CString, CString> m_reports;
};
