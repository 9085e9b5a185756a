#include "app/TitleLayerRules.h"

#include "resources/resource.h"

namespace {

// The function-button row grows to the left, 12 pixels between 30-pixel buttons.
void MoveSlotLeft(CRect& rc)
{
    rc.right = rc.left - 12;
    rc.left = rc.right - 30;
}

// The window-button row grows to the left, 12 pixels between 15-pixel buttons.
void MoveWindowSlotLeft(CRect& rc)
{
    rc.right = rc.left - 12;
    rc.left = rc.right - 15;
}

// Chat, file box and video, in this order, each visible one one slot further left.
void PlaceFunctionButtons(const STitleLayoutInput& in, CRect& slot, STitleLayout& out)
{
    const struct {
        BOOL bVisible;
        CRect* pPlace;
    } row[] = {{in.bChatVisible, &out.rcChat}, {in.bFileBoxVisible, &out.rcFileBox}, {in.bVideoVisible, &out.rcVideo}};
    for (const auto& b : row) {
        if (b.bVisible) {
            MoveSlotLeft(slot);
            *b.pPlace = slot;
        }
    }
}

}  // namespace

STitleLayout LayoutTitleControls(const STitleLayoutInput& in)
{
    STitleLayout out;
    const int L = in.rcClient.left, T = in.rcClient.top, R = in.rcClient.right, W = in.rcClient.Width();
    out.rcClose = CRect(R - 29, T + 12, R - 14, T + 27);
    out.rcBack = CRect(L + 12, T + 45, L + 57, T + 75);
    out.rcCaption = CRect(L + 300, T + 17, R - 300, 34);
    out.rcRefresh = CRect(W - 50, T + 45, R - 20, T + 75);
    CRect slot = out.rcRefresh;

    if (in.nMode != 2) {
        out.rcMenu = CRect(R - 160, T + 12, R - 99, T + 28);
        out.rcMinimize = CRect(R - 82, T + 12, R - 67, T + 27);
        out.rcMaximize = CRect(R - 55, T + 12, R - 40, T + 27);
        out.bShowRefresh = TRUE;
        if (in.nMode == 0) {
            if (in.bFileBoxVisible) {
                MoveSlotLeft(slot);
                out.rcFileBox = slot;
            }
        } else {
            PlaceFunctionButtons(in, slot, out);
            out.rcRemain = CRect(slot.left - 64, T + 53, slot.left - 17, 65);
        }
        return out;
    }

    CRect window(R - 55, T + 12, R - 40, T + 27);
    if (in.bFullScreenAllowed) {
        out.rcFullScreen = window;
        out.bShowFullScreen = TRUE;
        MoveWindowSlotLeft(window);
    }
    out.rcMaximize = window;
    MoveWindowSlotLeft(window);
    out.rcMinimize = window;
    out.rcMenu = CRect(window.left - 78, T + 12, window.left - 17, T + 28);
    // Without the refresh button the row starts one slot further right, so that its first
    // button lands where the refresh button would be.
    slot = CRect(W - 8, T + 45, R - 20, T + 75);
    PlaceFunctionButtons(in, slot, out);
    const int right = slot.left - 12;
    out.rcDrawTool = CRect(right - in.sizeDrawTool.cx, T + 43, right, T + 43 + in.sizeDrawTool.cy);
    out.bShowDrawTool = TRUE;
    return out;
}

LRESULT TitleBorderHitTest(CPoint pt, const CRect& rc)
{
    const bool left = pt.x >= rc.left && pt.x <= 4;
    const bool right = pt.x >= rc.right - 4 && pt.x <= rc.right;
    const bool top = pt.y >= rc.top && pt.y <= rc.top + 4;
    if (left && top)
        return HTTOPLEFT;
    if (right && top)
        return HTTOPRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    if (top)
        return HTTOP;
    return HTNOWHERE;
}

LPCTSTR TitleBorderCursor(LRESULT nHitCode)
{
    switch (nHitCode) {
    case HTTOPLEFT: return IDC_SIZENWSE;
    case HTTOPRIGHT: return IDC_SIZENESW;
    case HTLEFT:
    case HTRIGHT: return IDC_SIZEWE;
    case HTTOP: return IDC_SIZENS;
    default: return nullptr;
    }
}

UINT TitleMenuCommand(int nValue)
{
    switch (nValue) {
    case 1: return ID_CMD_SETTINGS;
    case 2: return ID_CMD_TIME_KEEPER;
    case 3: return ID_CMD_SIGNATURE;
    case 4: return ID_CMD_SETTINGS_VERSION;
    case 5: return ID_CMD_HIDE_WINDOW;
    case 6: return ID_CMD_CHANGE_PASSWORD;
    case 7: return ID_CMD_LOGOUT;
    case 8: return ID_CMD_EXIT;
    default: return 0;
    }
}

CString FormatRemainMinutes(int nMinutes)
{
    CString str;
    str.Format(L"%02d:%02d", nMinutes / 60, nMinutes % 60);
    return str;
}

CString FormatElapsedSeconds(int nSeconds)
{
    CString str;
    str.Format(L"%02d : %02d : %02d", nSeconds / 3600, nSeconds / 60 % 60, nSeconds % 60);
    return str;
}

void CRemainTimeClock::Set(const CString& strMinutes, BOOL bReport, int nCloseAlarm)
{
    m_nRemainMin = _wtoi(strMinutes);
    if (m_nRemainMin > 0) {
        m_bRemainShown = TRUE;
        Show(bReport, nCloseAlarm);
    } else {
        m_bRemainShown = FALSE;
    }
    // Shown in both cases; without a positive value it keeps its last text.
    m_view.ShowRemainLabel(TRUE);
    m_view.StopTimer(TITLE_TIMER_MINUTE);
    m_view.StartTimer(TITLE_TIMER_MINUTE, 60000);
    m_view.Repaint();
}

void CRemainTimeClock::OnMinuteTimer(BOOL bReport, int nCloseAlarm)
{
    m_nRemainMin += bReport ? 1 : -1;
    Show(bReport, nCloseAlarm);
}

void CRemainTimeClock::OnBlinkTimer(BOOL bReport, int nCloseAlarm)
{
    m_bBlinkPhase = !m_bBlinkPhase;
    Show(bReport, nCloseAlarm);
}

void CRemainTimeClock::Show(BOOL bReport, int nCloseAlarm)
{
    if (m_nRemainMin <= 0) {
        Clear();
        return;
    }
    m_view.SetRemainText(FormatRemainMinutes(m_nRemainMin));
    if (m_bBlink)
        return;
    // A report counts its time up: it has no close to warn of, so it neither alarms nor blinks.
    if (bReport)
        return;
    if (m_nRemainMin == nCloseAlarm && !m_bAlarmShown)
        Alarm(m_nRemainMin, nCloseAlarm);
    if (m_nRemainMin <= 5) {
        m_bBlink = TRUE;
        m_view.StartTimer(TITLE_TIMER_BLINK, 500);
    } else {
        m_bBlink = FALSE;
    }
}

void CRemainTimeClock::Alarm(int nMinutes, int nCloseAlarm)
{
    if (nCloseAlarm <= 0)
        return;
    m_view.ShowCloseAlarm(nMinutes);
    m_bAlarmShown = TRUE;
}

void CRemainTimeClock::Check(BOOL bReport, int nCloseAlarm)
{
    const int h = m_nRemainMin / 60, m = m_nRemainMin % 60;
    if (bReport || h > 0) {
        m_bAlarmShown = FALSE;
        m_bBlink = FALSE;
        m_view.StopTimer(TITLE_TIMER_BLINK);
        Show(bReport, nCloseAlarm);
    } else if (m == nCloseAlarm && m > 0) {
        // The minute timer may have shown it already this minute: once is enough.
        if (!m_bAlarmShown)
            Alarm(m, nCloseAlarm);
    } else if (m <= 5) {
        m_bBlink = TRUE;
        m_view.StartTimer(TITLE_TIMER_BLINK, 500);
        Show(bReport, nCloseAlarm);
    } else {
        m_bAlarmShown = FALSE;
        m_bBlink = FALSE;
        m_view.StopTimer(TITLE_TIMER_BLINK);
        Show(bReport, nCloseAlarm);
    }
}

void CRemainTimeClock::Clear()
{
    m_bRemainShown = FALSE;
    m_bAlarmShown = FALSE;
    m_bBlink = FALSE;
    m_view.Repaint();
    m_view.ShowRemainLabel(FALSE);
    m_view.StopTimer(TITLE_TIMER_MINUTE);
    m_view.StopTimer(TITLE_TIMER_BLINK);
}

LRESULT TitleDlgBorderHitTest(CPoint pt, const CRect& rc)
{
    const bool left = pt.x >= rc.left && pt.x <= 4;
    const bool right = pt.x >= rc.right - 4 && pt.x <= rc.right;
    const bool bottom = pt.y >= rc.bottom - 4 && pt.y <= rc.bottom;
    const bool top = pt.y >= rc.top && pt.y <= 4;
    if (left && bottom)
        return HTBOTTOMLEFT;
    if (right && bottom)
        return HTBOTTOMRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    if (bottom)
        return HTBOTTOM;
    if (top)
        return HTTOP;
    return HTNOWHERE;
}

LPCTSTR TitleDlgBorderCursor(LRESULT nHitCode)
{
    switch (nHitCode) {
    case HTBOTTOMLEFT: return IDC_SIZENESW;
    case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTLEFT:
    case HTRIGHT: return IDC_SIZEWE;
    case HTBOTTOM:
    case HTTOP: return IDC_SIZENS;
    default: return nullptr;
    }
}
