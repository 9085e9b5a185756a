// Mouse, keyboard and scrolling of the vertical owner-drawn list.
#include "ui/skin/MyBaseListCtrlV.h"

#include "ui/skin/ListScrollMath.h"

void CMyBaseListCtrlV::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bLButtonDown = TRUE;
    SetFocus();
    CRect bar;
    GetScrollBarRect(&bar);
    if (bar.PtInRect(point)) {
        m_bBarCapture = true;
        SetCapture();
        if (HitTestScrollBar(point.x, point.y) == 100) {
            m_si = {};
            m_si.cbSize = sizeof(m_si);
            m_si.fMask = SIF_ALL;
            GetScrollInfo(SB_VERT, &m_si, SIF_ALL);
            m_nDragStartPos = m_si.nPos;
            m_ptDrag = point;
            m_bThumbDrag = true;
        }
        return;
    }
    const int position = PosOfPoint(point);
    MYLIST_ITEM* item = position >= 0 ? ItemAtPos(position) : nullptr;
    if (item && (m_dwListStyle & 1)) {
        const CRect& r = item->rcItem;
        const CRect box(r.left + 3, r.top + (r.bottom - r.top) / 2 - 8, r.left + 3 + 15, r.top + (r.bottom - r.top) / 2 - 8 + 15);
        if (box.PtInRect(point)) {
            item->bChecked = !item->bChecked;
            SendNotify(MYLIST_CHECK, item->nIndex, item->strText, item->dwData, item->bChecked);
            if (!::IsWindow(m_hWnd))
                return;
        }
    }
    if (!NotifyClick(position, item))
        return;
    CWnd::OnLButtonDown(nFlags, point);
}

void CMyBaseListCtrlV::OnLButtonUp(UINT nFlags, CPoint point)
{
    ::ReleaseCapture();
    m_bLButtonDown = FALSE;
    m_bBarCapture = false;
    m_bThumbDrag = false;
    Invalidate(TRUE);
    InvalidateScrollBar();
    CWnd::OnLButtonUp(nFlags, point);
}

void CMyBaseListCtrlV::DragThumbTo(int, int y)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(SB_VERT, &si, SIF_ALL);
    const int span = GetScrollPart(101).Height() - GetScrollPart(100).Height();
    const int delta = span == 0 ? 0 : (si.nMax - si.nMin - int(si.nPage) + 1) * (y - m_ptDrag.y) / span;
    SetScrollPos(SB_VERT, si.nPos + delta, TRUE);
    m_ptDrag.y = y;
}

void CMyBaseListCtrlV::OnMouseMove(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_LBUTTON) && m_bThumbDrag) {
        DragThumbTo(point.x, point.y);
        UpdateWindow();
        Invalidate(FALSE);
        InvalidateScrollBar();
    }
    TrackHover(point);
    CWnd::OnMouseMove(nFlags, point);
}

void CMyBaseListCtrlV::OnRButtonDown(UINT nFlags, CPoint point)
{
    m_bRButtonDown = TRUE;
    CMyListWndBase::OnRButtonDown(nFlags, point);
}

void CMyBaseListCtrlV::OnRButtonUp(UINT nFlags, CPoint point)
{
    m_bRButtonDown = FALSE;
    CWnd::OnRButtonUp(nFlags, point);
}

void CMyBaseListCtrlV::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    switch (nSBCode) {
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        StepScroll(true);
        break;
    case SB_LINEUP:
    case SB_PAGEUP:
        StepScroll(false);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(SB_VERT, &si, SIF_TRACKPOS);
        SetScrollPos(SB_VERT, si.nTrackPos, nSBCode == SB_THUMBPOSITION);
        break;
    }
    default:
        break;
    }
    Invalidate(TRUE);
    UpdateWindow();
    InvalidateScrollBar();
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CMyBaseListCtrlV::PageUp()
{
    CRect area;
    GetItemArea(&area);
    SetScrollPos(SB_VERT, GetScrollPos(SB_VERT) - area.Height(), TRUE);
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlV::PageDown()
{
    CRect area;
    GetItemArea(&area);
    SetScrollPos(SB_VERT, GetScrollPos(SB_VERT) + area.Height(), TRUE);
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlV::ScrollToItem(int nIndex)
{
    int sum = 0;
    if (nIndex > 0) {
        for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
            const MYLIST_ITEM* item = m_Items.GetNext(pos);
            sum += item->nHeight;
            if (item->nIndex == nIndex)
                break;
        }
    }
    SetScrollPos(SB_VERT, sum, TRUE);
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlV::EnsureVisible(int nIndex)
{
    const MYLIST_ITEM* item = FindItem(nIndex);
    if (!item || m_Items.IsEmpty())
        return;
    const int position = GetScrollPos(SB_VERT);
    const int offset = item->rcItem.top - m_Items.GetHead()->rcItem.top;
    const int height = item->rcItem.bottom - item->rcItem.top;
    int target = position;
    if (offset < position)
        target = offset;
    else if (position + m_nPageHeight < offset + height)
        target = offset + height - m_nPageHeight;
    if (target == position)
        return;
    SetScrollPos(SB_VERT, target, TRUE);
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlV::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bKeyNav && (nChar == VK_UP || nChar == VK_DOWN)) {
        StepSelection(nChar == VK_UP ? -1 : 1);
        if (!::IsWindow(m_hWnd))
            return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}
