#pragma once
// CMySkinCalendar: a month calendar without a window of its own: a header with the month title
// and two arrows, a row of weekday names and 6 x 7 day cells from Sunday, painted with the
// fonts, colours and language list of a DATE object, and answering mouse positions.
#include <windows.h>

#include "platform/Array.h"
#include "platform/Font.h"
#include "platform/Geometry.h"

class CDC;
class CWnd;
struct SKIN_OBJECT;

class CMySkinCalendar {
public:
    CMySkinCalendar() = default;
    virtual ~CMySkinCalendar() = default;
    CMySkinCalendar(const CMySkinCalendar&) = delete;
    CMySkinCalendar& operator=(const CMySkinCalendar&) = delete;

    // Remembers the host, reads today's date, shows today's month unless one was set, lays out.
    void Init(CWnd* pHost);
    void Layout();
    void BuildMonth();
    void Draw(CDC* pDC, const RECT& rc);
    void OnMouseMove(CPoint pt, const RECT& rc);
    // 1 when a day within the range was chosen.
    int OnClick(CPoint pt, const RECT& rc);
    int OnLButtonUp(CPoint, const RECT&) { return 0; }
    // The selected cell (-1 none); its date and column go into the time when given.
    int GetSelected(SYSTEMTIME* pTime) const;
    // Earliest and latest date shown and chosen, as yyyymmdd; -1 for no limit.
    void SetRange(int nMin, int nMax);
    void GetRange(int& nMin, int& nMax) const
    {
        nMin = m_nRangeMin;
        nMax = m_nRangeMax;
    }
    void SetYearMonth(int nYear, int nMonth);
    void NextMonth();
    void PrevMonth();
    void SetHostWnd(CWnd* pHost) { m_pHost = pHost; }
    CWnd* GetHostWnd() const { return m_pHost; }
    CRect GetCellRect(int nIndex) const;
    static int GetDaysInPrevMonth(int nYear, int nMonth);
    static int GetDaysInNextMonth(int nYear, int nMonth);
    // Paints over the host's client area through an off-screen bitmap.
    int Paint(CDC* pDC);
    static COLORREF BlendColor(COLORREF a, COLORREF b);

    // Set before Init or Layout.
    void SetObject(SKIN_OBJECT* pObject) { m_pObject = pObject; }
    SKIN_OBJECT* GetObjectPtr() const { return m_pObject; }
    void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    CWnd* GetNotifyWnd() const { return m_pNotifyWnd; }
    void SetScale(float fScale) { m_fScale = fScale; }
    void SetSize(int nWidth, int nHeight)
    {
        m_nWidth = nWidth;
        m_nHeight = nHeight;
    }
    void SetYearMonthOnly(int nYear, int nMonth)
    {
        m_nYear = nYear;
        m_nMonth = nMonth;
    }
    int GetYear() const { return m_nYear; }
    int GetMonth() const { return m_nMonth; }
    int GetLeadingDays() const { return m_nLeadingDays; }
    const CUIntArray& GetDays() const { return m_days; }
    bool IsPrevAllowed() const { return m_bPrevAllowed; }
    bool IsNextAllowed() const { return m_bNextAllowed; }
    const CRect& GetTitleRect() const { return m_rcTitle; }
    const CRect& GetPrevRect() const { return m_rcPrev; }
    const CRect& GetNextRect() const { return m_rcNext; }
    const CRect& GetWeekRect() const { return m_rcWeek; }
    const CRect& GetGridRect() const { return m_rcGrid; }
    int GetHoverIndex() const { return m_nHover; }

private:
    void OnMonthChanged();
    CRect PlaceTextBox(const CRect& cell, int nBoxSize) const;
    CRect GetMarkRect(const CRect& box, const CRect& cell) const;
    void DrawArrow(CDC* pDC, const CRect& button, COLORREF clrArrow, COLORREF clrBack, bool bNext);
    bool InRange(int nDate) const;

    CWnd* m_pHost = nullptr;
    int m_nCellW = 28;
    int m_nCellH = 28;
    CRect m_rcTitle{0, 0, 196, 30};
    CRect m_rcPrev{0, 0, 30, 30};
    CRect m_rcMonth{30, 0, 166, 30};
    CRect m_rcNext{166, 0, 196, 30};
    CRect m_rcWeek{0, 30, 196, 60};
    CRect m_rcGrid{0, 60, 196, 228};
    bool m_bNextAllowed = true;
    bool m_bPrevAllowed = true;
    CFont m_font;
    SYSTEMTIME m_today = {};
    CUIntArray m_days;
    int m_nHover = -1;
    int m_nSelected = -1;
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nLeadingDays = 0;
    int m_nDaysInMonth = 0;
    SKIN_OBJECT* m_pObject = nullptr;
    CWnd* m_pNotifyWnd = nullptr;
    int m_nWidth = 196;
    int m_nHeight = 228;
    float m_fScale = 1.0f;
    COLORREF m_clrBackDefault = RGB(255, 255, 255);
    COLORREF m_clrNormalDefault = RGB(0, 0, 0);
    COLORREF m_clrOtherDefault = RGB(128, 128, 128);
    COLORREF m_clrSundayDefault = RGB(255, 0, 0);
    int m_nRangeMin = -1;
    int m_nRangeMax = -1;
};
