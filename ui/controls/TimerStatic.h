#pragma once
// CTimerStatic: a digital clock label (HH:MM from digit bitmaps, 139 x 44) that also keeps its
// parent's date line current: the parent hands it the date it shows and that date's text
// (SetDateLine), and on every tick the clock rewrites both when the day changed and repaints
// the parent's date line.
#include "platform/Bitmap.h"
#include "platform/Static.h"
#include "platform/Time.h"

class CTimerStatic : public CStatic {
public:
    enum { TIMER_CLOCK = 2501 };

    CTimerStatic();

    void StartClock();
    // The four digits from the local time (or from a given time).
    void UpdateDigits();
    void UpdateDigits(int nHour, int nMinute);
    // The parent's date and its text; the clock writes them (null: no date line).
    void SetDateLine(CTime* pDate, CString* pText);
    // Today's date line, when the date shown differs from today in year, month or day.
    static BOOL RefreshDateLine(const CTime& today, CTime& shownDate, CString& shownText);

    const int* Digits() const { return m_nDigits; }

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CBitmap m_bmpDigits[11];
    int m_nDigits[4] = {0, 0, 0, 0};   // hour tens, hour units, minute tens, minute units
    CTime* m_pDate = nullptr;
    CString* m_pDateText = nullptr;
};
