#pragma once
// CMySkinCalendarWnd: the window of an inline calendar (a DATE object of DATE_TYPE 3). It
// paints its calendar in WM_ERASEBKGND and posts a clicked day (1315) and month changes (1314)
// to the window that shows the object.
#include "platform/Wnd.h"
#include "ui/controls/MySkinCalendar.h"

struct SKIN_OBJECT;

class CMySkinCalendarWnd : public CWnd {
public:
    CMySkinCalendarWnd() = default;

    virtual BOOL Create(LPCTSTR lpszWindowName, const RECT& rect, CWnd* pParent, UINT nId);
    virtual BOOL CreatePopup(const RECT& rect, CWnd* pParent);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override { return CWnd::PreCreateWindow(cs); }

    // A child in the object's content rectangle, showing the month of its date.
    BOOL CreateForObject(SKIN_OBJECT* pObject, CWnd* pOwner, UINT nId, float fScale);
    static CRect GetWindowRectForObject(const SKIN_OBJECT* pObject, const RECT& rcObject);

    CMySkinCalendar& Calendar() { return m_calendar; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void UpdateSize();

    CMySkinCalendar m_calendar;
};
