#include "ui/skin/MyBaseListCtrlH.h"

#include "platform/DC.h"
#include "ui/skin/ListScrollMath.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinDrawing.h"
#include "ui/skin/SkinScreen.h"

BEGIN_MESSAGE_MAP(CMyBaseListCtrlH, CMyListWndBase)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CMyBaseListCtrlH::CMyBaseListCtrlH() : CMyListWndBase(SB_HORZ)
{
    m_penBar.CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
    m_clrListBack = RGB(0, 0, 0);
    m_clrItem = RGB(0, 0, 0);
}

BOOL CMyBaseListCtrlH::Create(CWnd* pParent, CRect rect, UINT nId, DWORD dwStyle)
{
    if (!CWnd::Create(AfxRegisterWndClass(CS_DBLCLKS), L"MyListCtrlH", dwStyle, rect, pParent, nId))
        return FALSE;
    m_nCtrlId = nId;
    m_nPageWidth = rect.Width();
    m_nItemHeight = rect.Height();
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    SetScrollInfo(SB_HORZ, &si, TRUE);
    return TRUE;
}

MYLIST_ITEM* CMyBaseListCtrlH::FindSameItem(const MYLIST_ITEM* pItem)
{
    return pItem ? FindItem(pItem->nIndex) : nullptr;
}

int CMyBaseListCtrlH::MeasureItem(MYLIST_ITEM* pItem, int nHeight)
{
    if (!pItem || pItem->nType != 2)
        return 0;
    CClientDC dc(this);
    CFont* old = m_pFont ? dc.SelectObject(m_pFont) : nullptr;
    CRect r(0, 0, 0, nHeight - 5);
    dc.DrawText(pItem->strText, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXTERNALLEADING);
    if (old)
        dc.SelectObject(old);
    return r.Width() + 10;
}

int CMyBaseListCtrlH::Insert(MYLIST_ITEM* pItem, int nWidth, bool bAtHead)
{
    if (!pItem)
        return m_nCount;
    pItem->nReserved = nWidth ? nWidth : MeasureItem(pItem, m_nItemHeight);
    pItem->nReserved2 = nWidth ? 1 : 0;
    if (bAtHead)
        m_Items.AddHead(pItem);
    else
        m_Items.AddTail(pItem);
    ++m_nCount;
    m_nTotalWidth += pItem->nReserved;
    Renumber();
    if (m_bAutoRecalc || bAtHead)
        UpdateScrollRange();
    return bAtHead ? 0 : m_nCount - 1;
}

int CMyBaseListCtrlH::AddItem(MYLIST_ITEM* pItem, int nWidth)
{
    return Insert(pItem, nWidth, false);
}

int CMyBaseListCtrlH::AddItemAtHead(MYLIST_ITEM* pItem, int nWidth)
{
    return Insert(pItem, nWidth, true);
}

BOOL CMyBaseListCtrlH::DeleteItem(int nIndex)
{
    int position = -1;
    MYLIST_ITEM* item = UnlinkItem(nIndex, position);
    if (!item)
        return FALSE;
    m_nTotalWidth -= item->nReserved;
    delete item;
    SetRangeAndPage();
    Renumber();
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
    return TRUE;
}

void CMyBaseListCtrlH::DeleteAll()
{
    m_nTotalWidth = 0;
    m_nCount = 0;
    while (!m_Items.IsEmpty())
        delete m_Items.RemoveHead();
    m_nSelected = -1;
    m_nHotItem = -1;
}

int CMyBaseListCtrlH::RecalcWidths()
{
    m_nCount = 0;
    m_nTotalWidth = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        item->nIndex = m_nCount++;
        if (!item->nReserved2)
            item->nReserved = MeasureItem(item, m_nItemHeight);
        m_nTotalWidth += item->nReserved;
    }
    return m_nTotalWidth;
}

int CMyBaseListCtrlH::GetTotalWidth()
{
    int total = 5 + m_nLeftOffset;
    for (POSITION pos = m_Items.GetHeadPosition(); pos;)
        total += m_Items.GetNext(pos)->nReserved;
    return total;
}

BOOL CMyBaseListCtrlH::IsScrollBarNeeded()
{
    CRect client;
    GetClientRect(&client);
    return client.Width() < GetTotalWidth();
}

void CMyBaseListCtrlH::GetItemArea(RECT* pOut)
{
    CRect r;
    GetClientRect(&r);
    if (m_nBorderWidth > 0)
        r.DeflateRect(m_nBorderWidth, m_nBorderWidth);
    r.left += m_nLeftOffset;
    if (IsScrollBarNeeded())
        r.bottom -= 12;
    *pOut = r;
}

void CMyBaseListCtrlH::GetScrollBarRect(RECT* pOut)
{
    CRect r;
    GetClientRect(&r);
    if (m_nBorderWidth > 0)
        r.DeflateRect(m_nBorderWidth - 1, m_nBorderWidth - 1);
    r.top = IsScrollBarNeeded() ? r.bottom - 12 : r.bottom;
    *pOut = r;
}

void CMyBaseListCtrlH::SetRangeAndPage()
{
    if (!::IsWindow(m_hWnd))
        return;
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = GetTotalWidth();
    si.nPage = UINT(m_nPageWidth);
    SetScrollInfo(SB_HORZ, &si, TRUE);
}

void CMyBaseListCtrlH::UpdateScrollRange()
{
    if (!::IsWindow(m_hWnd))
        return;
    SetRangeAndPage();
    UpdateWindow();
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlH::RecalcScrollBar()
{
    if (!::IsWindow(m_hWnd))
        return;
    CRect area;
    GetItemArea(&area);
    m_nItemHeight = area.Height();
    m_nPageWidth = area.Width();
    RecalcWidths();
    SetRangeAndPage();
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlH::SetListStyle(DWORD dwStyle)
{
    m_dwListStyle = dwStyle;
    RecalcScrollBar();
}

void CMyBaseListCtrlH::SetAutoRecalc(BOOL bAuto)
{
    m_bAutoRecalc = bAuto != FALSE;
    if (m_bAutoRecalc)
        RecalcScrollBar();
}

void CMyBaseListCtrlH::ScrollTo(int nPos)
{
    SetScrollPos(SB_HORZ, nPos, TRUE);
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlH::PageLeft()
{
    CRect client;
    GetClientRect(&client);
    ScrollTo(GetScrollPos(SB_HORZ) - client.Width());
}

void CMyBaseListCtrlH::PageRight()
{
    CRect client;
    GetClientRect(&client);
    ScrollTo(GetScrollPos(SB_HORZ) + client.Width());
}

void CMyBaseListCtrlH::EnsureVisible(int nIndex)
{
    int before = 0;
    const MYLIST_ITEM* target = nullptr;
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        const MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->nIndex == nIndex) {
            target = item;
            break;
        }
        before += item->nReserved;
    }
    if (!target)
        return;
    const int position = GetScrollPos(SB_HORZ);
    if (before < position)
        ScrollTo(before);
    else if (position + m_nPageWidth < before + target->nReserved)
        ScrollTo(before + target->nReserved - m_nPageWidth);
}

CRect CMyBaseListCtrlH::GetThumbRect()
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(SB_HORZ, &si, SIF_ALL);
    CRect bar;
    GetScrollBarRect(&bar);
    CRect window;
    GetWindowRect(&window);
    int start = 0, end = 0;
    if (!ComputeScrollThumb(window.Width() - m_nLeftOffset, si, start, end))
        return CRect(0, 0, 0, 0);
    return CRect(start + m_nLeftOffset, bar.top, end + m_nLeftOffset, bar.bottom);
}

void CMyBaseListCtrlH::DrawScrollBar(CDC* pDC, RECT* pBar)
{
    const CRect bar(pBar);
    if (!IsScrollBarNeeded()) {
        pDC->FillSolidRect(&bar, m_clrListBack);
        return;
    }
    CRect track = bar;
    track.DeflateRect(2, 1);
    pDC->FillSolidRect(&track, m_clrBarBack);
    if (GetScrollLimit(SB_HORZ) == 0)
        return;
    CRect thumb = GetThumbRect();
    thumb.DeflateRect(1, 2);
    DrawFilledRoundRect(pDC, thumb, -1, 1.0f, TRUE, RGB(189, 189, 189), TRUE, RGB(189, 189, 189), float(thumb.Width()));
}

void CMyBaseListCtrlH::DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected)
{
    PaintRow(pDC, rc, pItem, bSelected, RGB(0, 0, 0));
}

void CMyBaseListCtrlH::DrawImage(CDC* pDC, CRect rc, Gdiplus::Image* pImage)
{
    SKIN_SCREEN::DrawImage(pDC, rc, pImage, 0, 0);
}

void CMyBaseListCtrlH::OnPaint()
{
    CPaintDC dc(this);
    CMyMemDC mem(&dc, m_clrListBack);
    CFont* oldFont = m_pFont ? mem.SelectObject(m_pFont) : nullptr;
    CRect area;
    GetItemArea(&area);
    int left = area.left - GetScrollPos(SB_HORZ);
    int position = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++position) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        const CRect row(left, area.top, left + item->nReserved, area.bottom);
        DrawItem(&mem, row, item, position == m_nSelected);
        item->rcItem = row;
        left = row.right;
    }
    if (oldFont)
        mem.SelectObject(oldFont);
    CRect bar;
    GetScrollBarRect(&bar);
    DrawScrollBar(&mem, &bar);
    DrawBorder(&mem);
}

void CMyBaseListCtrlH::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcScrollBar();
}

void CMyBaseListCtrlH::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    CRect bar;
    GetScrollBarRect(&bar);
    if (bar.PtInRect(point)) {
        SetCapture();
        if (GetThumbRect().PtInRect(point)) {
            m_ptDrag = point;
            m_bThumbDrag = true;
        }
        return;
    }
    const int position = PosOfPoint(point);
    if (!NotifyClick(position, position >= 0 ? ItemAtPos(position) : nullptr))
        return;
    CWnd::OnLButtonDown(nFlags, point);
}

void CMyBaseListCtrlH::OnLButtonUp(UINT nFlags, CPoint point)
{
    ::ReleaseCapture();
    m_bThumbDrag = false;
    Invalidate(TRUE);
    InvalidateScrollBar();
    CWnd::OnLButtonUp(nFlags, point);
}

void CMyBaseListCtrlH::OnMouseMove(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_LBUTTON) && m_bThumbDrag) {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        GetScrollInfo(SB_HORZ, &si, SIF_ALL);
        CRect bar;
        GetScrollBarRect(&bar);
        const int span = bar.Width() - GetThumbRect().Width();
        const int delta = span == 0 ? 0 : (si.nMax - si.nMin - int(si.nPage) + 1) * (point.x - m_ptDrag.x) / span;
        m_ptDrag.x = point.x;
        ScrollTo(si.nPos + delta);
    }
    TrackHover(point);
    CWnd::OnMouseMove(nFlags, point);
}

void CMyBaseListCtrlH::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (nSBCode == SB_LINEDOWN || nSBCode == SB_PAGEDOWN || nSBCode == SB_LINEUP || nSBCode == SB_PAGEUP) {
        StepScroll(nSBCode == SB_LINEDOWN || nSBCode == SB_PAGEDOWN);
        Invalidate(FALSE);
        InvalidateScrollBar();
    }
    CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CMyBaseListCtrlH::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bKeyNav && (nChar == VK_LEFT || nChar == VK_RIGHT)) {
        StepSelection(nChar == VK_LEFT ? -1 : 1);
        if (!::IsWindow(m_hWnd))
            return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}
