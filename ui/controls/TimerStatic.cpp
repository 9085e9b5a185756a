#include "ui/controls/TimerStatic.h"

#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CTimerStatic, CStatic)
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CTimerStatic::CTimerStatic()
{
    for (int i = 0; i < 11; ++i)
        m_bmpDigits[i].LoadBitmap(IDB_CLOCK_DIGIT_0 + i);
    UpdateDigits();
}

void CTimerStatic::StartClock()
{
    SetTimer(TIMER_CLOCK, 1000);
}

void CTimerStatic::UpdateDigits()
{
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    UpdateDigits(now.wHour, now.wMinute);
}

void CTimerStatic::UpdateDigits(int nHour, int nMinute)
{
    m_nDigits[0] = nHour / 10;
    m_nDigits[1] = nHour % 10;
    m_nDigits[2] = nMinute / 10;
    m_nDigits[3] = nMinute % 10;
}

void CTimerStatic::SetDateLine(CTime* pDate, CString* pText)
{
    m_pDate = pDate;
    m_pDateText = pText;
}

BOOL CTimerStatic::RefreshDateLine(const CTime& today, CTime& shownDate, CString& shownText)
{
    if (shownDate.GetYear() == today.GetYear() && shownDate.GetMonth() == today.GetMonth() &&
        shownDate.GetDay() == today.GetDay())
        return FALSE;
    CString format, weekday;
    format.LoadString(IDS_DATE_LINE_FORMAT);
    weekday.LoadString(IDS_WEEKDAY_BASE + today.GetDayOfWeek());
    shownText.Format(format, today.GetYear(), today.GetMonth(), today.GetDay(), weekday.GetString());
    shownDate = today;
    return TRUE;
}

void CTimerStatic::OnTimer(UINT_PTR nIDEvent)
{
    UpdateDigits();
    Invalidate(TRUE);
    CWnd* parent = GetParent();
    if (parent && m_pDate && m_pDateText &&
        RefreshDateLine(CTime::GetCurrentTime(), *m_pDate, *m_pDateText)) {
        CRect line(15, 135, 305, 153);
        parent->InvalidateRect(&line, TRUE);
    }
    CStatic::OnTimer(nIDEvent);
}

BOOL CTimerStatic::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CTimerStatic::OnPaint()
{
    CPaintDC dc(this);
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    struct Place { int index, x, width; } places[] = {
        {m_nDigits[0], 0, 32}, {m_nDigits[1], 32, 32}, {10, 64, 14}, {m_nDigits[2], 75, 32}, {m_nDigits[3], 107, 32}};
    for (const Place& p : places) {
        if (p.index < 0 || p.index > 10 || !m_bmpDigits[p.index].GetSafeHandle())
            continue;
        CBitmap* old = mem.SelectObject(&m_bmpDigits[p.index]);
        dc.BitBlt(p.x, 0, p.width, 44, &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
    }
}

void CTimerStatic::OnDestroy()
{
    CStatic::OnDestroy();
    KillTimer(TIMER_CLOCK);
}
