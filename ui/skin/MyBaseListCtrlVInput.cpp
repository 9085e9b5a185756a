// Mouse, keyboard and scrolling of the vertical owner-drawn list.
#include "ui/skin/MyBaseListCtrlV.h"

#include "ui/skin/ListScrollMath.h"

void CMyBaseListCtrlV::SendNotify(UINT nCode, int nIndex, const CString& strText, DWORD_PTR pItem, int nFlag, int nPos,
                                  int nObjectId, SKIN_OBJECT* pObject)
{
    SendListNotify(this, m_nCtrlId, nCode, nIndex, strText, pItem, nFlag, nPos, nObjectId, pObject);
}

int CMyBaseListCtrlV::PosOfPoint(CPoint pt)
{
    int position = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++position) {
        if (CRect(m_Items.GetNext(pos)->rcItem).PtInRect(pt))
            return position;
    }
    return -1;
}

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
    if (MYLIST_ITEM* item = position >= 0 ? ItemAtPos(position) : nullptr) {
        if (m_dwListStyle & 1) {
            const CRect& r = item->rcItem;
            const CRect box(r.left + 3, r.top + (r.bottom - r.top) / 2 - 8, r.left + 3 + 15, r.top + (r.bottom - r.top) / 2 - 8 + 15);
            if (box.PtInRect(point)) {
                item->bChecked = !item->bChecked;
                SendNotify(MYLIST_CHECK, item->nIndex, item->strText, item->dwData, item->bChecked);
                if (!::IsWindow(m_hWnd))
                    return;
            }
        }
        SendNotify(MYLIST_CLICK, item->nIndex, item->strText, item->dwData, item->bChecked);
        if (!::IsWindow(m_hWnd))
            return;
        m_nSelected = position;
        Invalidate(FALSE);
    } else {
        SendNotify(MYLIST_CLICK, -1, CString(), 0, 0);
        if (!::IsWindow(m_hWnd))
            return;
    }
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
    if (!m_bTrackLeave) {
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        m_bTrackLeave = ::TrackMouseEvent(&tme) != FALSE;
    }
    if ((nFlags & MK_LBUTTON) && m_bThumbDrag) {
        DragThumbTo(point.x, point.y);
        UpdateWindow();
        Invalidate(FALSE);
        InvalidateScrollBar();
    }
    const int hot = PosOfPoint(point);
    if (hot != m_nHotItem) {
        RedrawItem(m_nHotItem);
        m_nHotItem = hot;
        RedrawItem(m_nHotItem);
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CMyBaseListCtrlV::OnMouseLeave()
{
    m_bTrackLeave = false;
    m_nHotItem = -1;
    Invalidate(FALSE);
    InvalidateScrollBar();
    CWnd::OnMouseLeave();
}

void CMyBaseListCtrlV::OnRButtonDown(UINT nFlags, CPoint point)
{
    m_bRButtonDown = TRUE;
    SendNotify(MYLIST_RCLICK, -1, CString(), 0, 0);
    if (::IsWindow(m_hWnd))
        CWnd::OnRButtonDown(nFlags, point);
}

void CMyBaseListCtrlV::OnRButtonUp(UINT nFlags, CPoint point)
{
    m_bRButtonDown = FALSE;
    CWnd::OnRButtonUp(nFlags, point);
}

BOOL CMyBaseListCtrlV::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    const int position = GetScrollPos(SB_VERT);
    const int limit = GetScrollLimit(SB_VERT);
    const int target = zDelta < 0 ? (position + 40 < limit ? position + 40 : limit) : (position - 40 > 0 ? position - 40 : 0);
    SetScrollPos(SB_VERT, target, TRUE);
    UpdateWindow();
    Invalidate(TRUE);
    InvalidateScrollBar();
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

void CMyBaseListCtrlV::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const int position = GetScrollPos(SB_VERT);
    const int limit = GetScrollLimit(SB_VERT);
    switch (nSBCode) {
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        if (position < limit)
            SetScrollPos(SB_VERT, position + (50 < limit - position ? 50 : limit - position), TRUE);
        break;
    case SB_LINEUP:
    case SB_PAGEUP:
        if (position > 0)
            SetScrollPos(SB_VERT, position - (50 < position ? 50 : position), TRUE);
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
    if (m_bKeyNav) {
        int next = m_nSelected;
        if (nChar == VK_UP && m_nSelected > 0)
            next = m_nSelected - 1;
        else if (nChar == VK_DOWN && m_nSelected < m_nCount - 1)
            next = m_nSelected + 1;
        if (next != m_nSelected) {
            m_nSelected = next;
            EnsureVisible(m_nSelected);
            Invalidate(FALSE);
            const MYLIST_ITEM* item = FindItem(m_nSelected);
            SendNotify(MYLIST_CLICK, m_nSelected, CString(), item ? item->dwData : 0, 0);
            if (!::IsWindow(m_hWnd))
                return;
        }
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}
