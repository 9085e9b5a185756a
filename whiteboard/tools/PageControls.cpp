#include <winsock2.h>

#include "whiteboard/tools/PageControls.h"

#include <algorithm>

#include "ui/controls/OkCancelDlg.h"
#include "whiteboard/tools/ToolStrings.h"

void CPageControls::Attach(CWnd* pBar, ZELSlideBar* pSlider, CEdit* pEdit)
{
    m_pBar = pBar;
    m_pSlider = pSlider;
    m_pEdit = pEdit;
}

void CPageControls::Show(const S_PAGE_STATE& state)
{
    m_strTotal.Format(L"/ %d", state.total);
    m_nCurrent = state.current;
    m_nTotal = state.total;
    CString page;
    page.Format(L"%d", state.current);
    m_pEdit->SetWindowText(page);
    const S_PAGE_BUTTONS b = ComputePageButtons(state);
    if (state.total != 0)
        m_pSlider->SetPos(b.sliderPercent);
    CWnd* prev = m_pBar->GetDlgItem(m_ids.prevPage);
    CWnd* next = m_pBar->GetDlgItem(m_ids.nextPage);
    if (!state.meetingEnded) {
        prev->EnableWindow(b.prevEnabled);
        next->EnableWindow(b.nextEnabled);
        m_pSlider->EnableWindow(b.sliderEnabled);
        m_pEdit->EnableWindow(b.editEnabled);
    }
    prev->ShowWindow(b.prevShown ? SW_SHOW : SW_HIDE);
    next->ShowWindow(b.nextShown ? SW_SHOW : SW_HIDE);
    m_pBar->GetDlgItem(m_ids.prevDoc)->ShowWindow(b.prevDocShown ? SW_SHOW : SW_HIDE);
    m_pBar->GetDlgItem(m_ids.nextDoc)->ShowWindow(b.nextDocShown ? SW_SHOW : SW_HIDE);
    RECT rcText = {82, 6, 122, 32};
    m_pBar->InvalidateRect(&rcText);
}

void CPageControls::ShowPreview(int page, int total)
{
    if (!m_pBar || !m_pEdit)
        return;
    m_strTotal.Format(L"/ %d", total);
    CString text;
    text.Format(L"%d", page);
    m_pEdit->SetWindowText(text);
    RECT rcText = {82, 6, 122, 32};
    m_pBar->InvalidateRect(&rcText);
}

void CPageControls::Paint(HDC dc, const RECT& rcTotal, UINT format, const RECT& rcFrame, COLORREF textColor) const
{
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0,
                    L"Malgun Gothic");
    HGDIOBJ old = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColor);
    RECT rc = rcTotal;
    ::DrawTextW(dc, m_strTotal, m_strTotal.GetLength(), &rc, format | DT_SINGLELINE);
    ::SelectObject(dc, old);
    HBRUSH frame = ::CreateSolidBrush(RGB(232, 232, 232));
    ::FrameRect(dc, &rcFrame, frame);
    ::DeleteObject(frame);
}

BOOL CPageControls::OnEnter(const MSG* pMsg, IBoardOptCtrlEventListener* pListener)
{
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_RETURN || !m_pEdit || pMsg->hwnd != m_pEdit->GetSafeHwnd())
        return FALSE;
    CString text;
    m_pEdit->GetWindowText(text);
    const int n = _wtoi(text);
    if (n >= 1 && n <= m_nTotal) {
        m_nCurrent = n;
        if (pListener)
            pListener->OnGoToPage(n);
        return TRUE;
    }
    ShowOkCancel(LoadResourceString(IDS_WBT_PAGE_RANGE), LoadResourceString(IDS_WBT_POPUP_TITLE), TRUE, FALSE);
    CString page;
    page.Format(L"%d", m_nCurrent);
    m_pEdit->SetWindowText(page);
    return TRUE;
}

BOOL CPageControls::OnCommand(UINT id, int docIndex, IBoardOptCtrlEventListener* pListener)
{
    if (id == m_ids.prevPage)
        pListener->OnPrevPage();
    else if (id == m_ids.nextPage)
        pListener->OnNextPage();
    else if (id == m_ids.prevDoc)
        pListener->OnOpenDocument((WPARAM)(docIndex - 1), 1003);
    else if (id == m_ids.nextDoc)
        pListener->OnOpenDocument((WPARAM)(docIndex + 1), 1002);
    else
        return FALSE;
    return TRUE;
}

void CSlideState::SlideIn(int target, int duration)
{
    m_pBar->KillTimer(kTimerOut);
    m_nTarget = target;
    m_nHeight = 0;
    m_place(0);
    m_pBar->ShowWindow(SW_SHOW);
    m_pBar->SetTimer(kTimerIn, Interval(duration, target), nullptr);
}

void CSlideState::SlideOut(BOOL immediately, int duration)
{
    m_pBar->KillTimer(kTimerIn);
    if (immediately) {
        m_pBar->KillTimer(kTimerOut);
        m_nState = 0;
        m_nHeight = 0;
        m_pBar->ShowWindow(SW_HIDE);
        return;
    }
    m_pBar->SetTimer(kTimerOut, Interval(duration, std::max(2, m_nTarget)), nullptr);
}

BOOL CSlideState::OnTimer(UINT_PTR id)
{
    if (id != kTimerIn && id != kTimerOut)
        return FALSE;
    if (id == kTimerIn) {
        m_nHeight = std::min(m_nTarget, m_nHeight + kStep);
        if (m_nHeight >= m_nTarget) {
            m_pBar->KillTimer(kTimerIn);
            m_nState = 2;
        }
        m_place(m_nHeight);
        return TRUE;
    }
    m_nHeight -= kStep;
    if (m_nHeight <= 0) {
        m_nHeight = 0;
        m_nState = 0;
        m_pBar->KillTimer(kTimerOut);
        m_pBar->ShowWindow(SW_HIDE);
        return TRUE;
    }
    m_place(m_nHeight);
    return TRUE;
}
