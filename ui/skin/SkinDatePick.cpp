// The pickers of a DATE object's segments: each runs the picker pop-up over its segment and, on
// a choice, writes it into the object's time and lays the shown object out again.
#include "ui/skin/SkinDate.h"

#include "ui/controls/MySkinCalendarDlg.h"
#include "ui/skin/SkinObject.h"

int SKIN_DATE::Pick(CWnd* pWnd, int x, int y, float fScale, int nMode)
{
    CMySkinCalendarDlg dlg(pWnd);
    dlg.SetMode(nMode);
    dlg.SetAnchor(CPoint(x, y));
    dlg.SetScale(fScale);
    dlg.Calendar().SetObject(m_pObject);
    if (nMode == CMySkinCalendarDlg::MODE_DATE) {
        dlg.Calendar().SetYearMonthOnly(m_time.wYear, m_time.wMonth);
        int nMin = -1, nMax = -1;
        m_wndCalendar.Calendar().GetRange(nMin, nMax);
        dlg.Calendar().SetRange(nMin, nMax);
    }
    if (dlg.DoModal() != IDOK)
        return -1;
    SYSTEMTIME st = m_time;
    const int index = dlg.ApplySelection(st);
    m_time = st;
    SetSystemTime(pWnd, m_time);
    return index;
}

int SKIN_DATE::PickDate(CWnd* pWnd, int x, int y, float fScale)
{
    return Pick(pWnd, x, y, fScale, CMySkinCalendarDlg::MODE_DATE);
}

int SKIN_DATE::PickMarker(CWnd* pWnd, int x, int y, float fScale)
{
    return Pick(pWnd, x, y, fScale, CMySkinCalendarDlg::MODE_AMPM);
}

int SKIN_DATE::PickHour(CWnd* pWnd, int x, int y, float fScale)
{
    return Pick(pWnd, x, y, fScale, CMySkinCalendarDlg::MODE_HOUR);
}

int SKIN_DATE::PickMinute(CWnd* pWnd, int x, int y, float fScale)
{
    return Pick(pWnd, x, y, fScale, CMySkinCalendarDlg::MODE_MINUTE);
}
