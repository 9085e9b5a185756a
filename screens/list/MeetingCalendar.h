#pragma once
// CMeetingCalendar: the month calendar in the lower left of the meeting list screen. It shows
// one month, boxes today and the selected day, marks days with meetings and reports, moves by
// month, lets the user pick a day and tells its listener about every change. "Today" is read from
// the list clock whenever it is drawn, and a minute timer repaints it when the date has changed,
// so the box follows the real date across midnight.
#include "platform/Wnd.h"
#include "screens/list/CalendarModel.h"
#include "ui/controls/xSkinButton.h"

class IMeetingCalendarEventListener {
public:
    virtual ~IMeetingCalendarEventListener() = default;
    // Non-zero allows the selected date to change.
    virtual int CanChangeDate(const CTime& tSelected) = 0;
    // The selected date has been set (label only: no list request).
    virtual void OnDateSelected(const CTime& tDate, int bLabelOnly) = 0;
    // The list screen's kind and its kind switch, for the question whether to move to the other
    // kind on a day that has only the other kind.
    virtual int IsReportMode() = 0;
    virtual void SelectKindTab(int bReports) = 0;
};

// Command ids of the month buttons.
const UINT IDC_CAL_NEXT_MONTH = 34070;
const UINT IDC_CAL_PREV_MONTH = 34071;

class CMeetingCalendar : public CWnd {
public:
    explicit CMeetingCalendar(IMeetingCalendarEventListener* pListener);
    ~CMeetingCalendar() override;

    // Selects the date (its month is shown), repaints and tells the listener. Returns 1.
    int SetDate(const CTime& tDate, int bLabelOnly);
    // The "list" of the month reply.
    void SetMarks(const Json::Value& list);
    const CTime& GetSelectedDate() const { return m_model.GetSelected(); }
    const CCalendarModel& GetModel() const { return m_model; }
    // The day box shows this day (read from the list clock).
    CTime GetToday() const;
    // Repaints when the date has changed since the last paint; true when it had.
    bool CheckDayChange();

    CxSkinButton m_btnNext;
    CxSkinButton m_btnPrev;

protected:
    void PreSubclassWindow() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void StepMonth(int nStep);
    // 1 when the user agreed to move to the other kind for that day.
    int AskSwitchKind(const CTime& tDate);
    void Paint(HDC hdc, const CRect& client);

    IMeetingCalendarEventListener* m_pListener;
    CCalendarModel m_model;
    CTime m_tPaintedToday;
};
