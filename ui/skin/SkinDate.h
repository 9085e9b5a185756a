#pragma once
// SKIN_DATE: the DATE part of a skin object: a date and time, its display pattern and language
// list, the texts and segment rectangles made from them, the digit stamps the screens exchange,
// and the pickers that change it.
#include <windows.h>

#include "platform/Collections.h"
#include "platform/CString.h"
#include "platform/OleDateTimeSpan.h"
#include "ui/controls/MySkinCalendarWnd.h"
#include "ui/skin/SkinFont.h"

class CWnd;
struct SKIN_OBJECT;

extern const wchar_t SKIN_DEFAULT_DATE_LANG[];     // the Korean weekday names, markers and title
extern const wchar_t SKIN_DEFAULT_DATE_FORMAT[];   // "yyyy.M.d | t h:mm"

struct SKIN_DATE {
    SYSTEMTIME m_time;               // the local time at construction
    int m_nDateType = 0;             // 0 date and time, 1 date, 2 time, 3 calendar, 4 nothing
    SKIN_FONT m_font;                // "DATE_"
    CString m_strFormat = SKIN_DEFAULT_DATE_FORMAT;
    SKIN_FONT m_fontCal;             // "DATE_CAL"
    int m_nShowTitle = 1;
    CString m_strColorDownRect;
    CString m_strColorBg;
    CString m_strColorBorder;
    CString m_strColorSelect;
    CString m_strColorTitle;
    CString m_strColorDayOfWeek;
    CString m_strColorSunday;
    CString m_strColorNormal;
    CString m_strColorPreNext;
    CString m_strLang;               // as written
    CStringArray m_arrLang;          // the effective list
    CMySkinCalendarWnd m_wndCalendar;
    RECT m_rcDate = {0, 0, 0, 0};
    RECT m_rcAmPm = {0, 0, 0, 0};
    RECT m_rcHour = {0, 0, 0, 0};
    RECT m_rcMinute = {0, 0, 0, 0};
    int m_bDatePressed = 0;
    int m_bAmPmPressed = 0;
    int m_bHourPressed = 0;
    int m_bMinutePressed = 0;
    SKIN_OBJECT* m_pObject = nullptr;

    SKIN_DATE();
    SKIN_DATE(const SKIN_DATE& other) : SKIN_DATE() { *this = other; }
    SKIN_DATE& operator=(const SKIN_DATE& other);

    // Setting the value; with a window the shown object is laid out again and repainted.
    void SetDateTime(CWnd* pWnd, const CString& strStamp);
    void SetSystemTime(CWnd* pWnd, const SYSTEMTIME& st);
    void SetDate(CWnd* pWnd, int nYear, int nMonth, int nDay);
    void SetNowPlus(CWnd* pWnd, int nDays, int nHours, int nMinutes, int nSeconds);
    void AddSpan(CWnd* pWnd, int nDays, int nHours, int nMinutes, int nSeconds);
    static void ParseStamp(const CString& strStamp, SYSTEMTIME& st);

    // The object's own list, or the skin-wide one when it has none, cut at ",".
    void SetLanguage(const CString& strLang, const CString& strCommonLang);
    void SetDefaultLanguage() { m_strLang = SKIN_DEFAULT_DATE_LANG; }
    // Cut at every separator, empty pieces kept; 0 entries for an empty text.
    static int SplitList(CStringArray& arr, const CString& strText, const CString& strSeparator);
    static CString JoinList(const CStringArray& arr);

    CString GetText() const;       // DATE_TYPE 0
    CString GetDateText() const;   // DATE_TYPE 1
    CString GetTimeText() const;   // DATE_TYPE 2
    // The text painting shows for the DATE_TYPE (empty for 3 and 4).
    CString GetDisplayText() const;

    // The rectangles of the date, AM/PM, hour and minute segments of the text as it is drawn
    // in the rectangle (single line, vertically centred, aligned by the DATE_ font).
    void LayoutSegments(CWnd* pWnd, const RECT& rc);
    void SetDateType(CWnd* pWnd, int nDateType);

    // The pickers: each runs its pop-up at a screen point and, when a choice was made, applies
    // it and returns its index; -1 when cancelled (the value stays).
    int PickDate(CWnd* pWnd, int x, int y, float fScale);
    int PickMarker(CWnd* pWnd, int x, int y, float fScale);
    int PickHour(CWnd* pWnd, int x, int y, float fScale);
    int PickMinute(CWnd* pWnd, int x, int y, float fScale);

    CString GetStampMs() const;
    CString GetStampMinute() const;
    CString GetMonthFirstStamp() const;
    CString GetMonthLastStamp() const;
    // yyyymmdd of the date moved by that many days.
    int GetDateNumber(int nDays) const;
    int SecondsSince(const SYSTEMTIME& st, COleDateTimeSpan* pSpan) const;
    int SecondsSinceStamp(const CString& strStamp, COleDateTimeSpan* pSpan) const;
    double SecondsSinceNow(COleDateTimeSpan* pSpan) const;
    // -1 before today (or never set: year 0), 0 today, 1 later.
    int CompareDayWithToday(COleDateTimeSpan* pSpan) const;
    int CompareYearWithThisYear(COleDateTimeSpan* pSpan) const;

private:
    int Pick(CWnd* pWnd, int x, int y, float fScale, int nMode);
};
