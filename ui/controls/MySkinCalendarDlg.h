#pragma once
// CMySkinCalendarDlg: the pop-up that picks the date (a month calendar), AM or PM, the hour or
// the minute of a DATE object. A click on a day or an entry confirms (IDOK), a click outside
// cancels (IDCANCEL); ApplySelection then writes the choice into a time.
#include "platform/Dialog.h"
#include "platform/List.h"
#include "ui/controls/MySkinCalendar.h"
#include "ui/controls/PopupDialogTemplate.h"
#include "ui/controls/PopupListScroller.h"

struct SKIN_OBJECT;

// One entry of a time list.
struct PICKER_ITEM {
    CString strText;
    RECT rcItem;
    int nValue;
};
PICKER_ITEM* CreatePickerItem(const CString& strText, int nValue, const RECT& rc);

class CMySkinCalendarDlg : public CDialog {
public:
    enum Mode { MODE_DATE = 0, MODE_AMPM = 1, MODE_HOUR = 2, MODE_MINUTE = 3 };

    explicit CMySkinCalendarDlg(CWnd* pOwner);
    ~CMySkinCalendarDlg() override;

    void SetMode(int nMode) { m_nMode = nMode; }
    void SetAnchor(POINT pt) { m_ptAnchor = pt; }
    void SetScale(float fScale) { m_fScale = fScale; }
    CMySkinCalendar& Calendar() { return m_calendar; }
    // Applies the choice to the time and returns its index (the day cell or the entry).
    int ApplySelection(SYSTEMTIME& st) const;
    // The time-list rule alone: entry value v chosen in the mode.
    static void ApplyTimeChoice(int nMode, int nValue, SYSTEMTIME& st);

    BOOL OnInitDialog() override;

    // For tests: the entries, the list geometry and the hover row.
    int GetItemCount() const { return int(m_items.GetCount()); }
    const PICKER_ITEM* GetItem(int nIndex) const;
    const CPopupListScroller& Scroller() const { return m_scroller; }
    int GetHoverIndex() const { return m_nHover; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()

private:
    void InitTimeList(int nVisibleRows);
    void AddItem(const CString& strText, int nValue);
    void PositionWindow(int cx, int cy);
    void LayoutItems();
    std::vector<RECT*> ItemRects();
    CRect CalendarArea() const;
    bool IsOutside(CPoint ptClient) const;
    void Close(int nResult);
    void DrawList(CDC* pDC);
    void TrackMouse(CPoint pt);

    float m_fScale = 1.0f;
    int m_nMode = MODE_DATE;
    int m_nItemWidth = 60;
    int m_nItemHeight = 30;
    int m_nVisibleRows = 10;
    COLORREF m_clrBorder = RGB(128, 128, 128);
    COLORREF m_clrBack = RGB(255, 255, 255);
    COLORREF m_clrSelect = RGB(230, 230, 230);
    COLORREF m_clrThumb = RGB(200, 200, 200);
    int m_nHover = -1;
    int m_nChosen = -1;
    CWnd* m_pOwner = nullptr;
    CPoint m_ptAnchor;
    CMySkinCalendar m_calendar;
    CRect m_rcMargins;   // left, top, right, bottom space
    CPopupDialogTemplate m_template;
    CPtrList m_items;
    CPopupListScroller m_scroller;
};
