#include "ui/skin/MyBaseListCtrlH.h"

#include "platform/DC.h"
#include "ui/skin/ListScrollMath.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinDrawing.h"
#include "ui/skin/SkinScreen.h"

BEGIN_MESSAGE_MAP(CMyBaseListCtrlH, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_GETDLGCODE()
    ON_WM_DESTROY()
    ON_WM_RBUTTONDOWN()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEMOVE()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CMyBaseListCtrlH::CMyBaseListCtrlH()
{
    m_penBar.CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
}

CMyBaseListCtrlH::~CMyBaseListCtrlH()
{
    while (!m_Items.IsEmpty())
        delete m_Items.RemoveHead();
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

void CMyBaseListCtrlH::PreSubclassWindow()
{
    ModifyStyle(WS_BORDER | WS_THICKFRAME, 0);
    CWnd::PreSubclassWindow();
}

MYLIST_ITEM* CMyBaseListCtrlH::FindItem(int nIndex)
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->nIndex == nIndex)
            return item;
    }
    return nullptr;
}

MYLIST_ITEM* CMyBaseListCtrlH::FindSameItem(const MYLIST_ITEM* pItem)
{
    return pItem ? FindItem(pItem->nIndex) : nullptr;
}

MYLIST_ITEM* CMyBaseListCtrlH::ItemAtPos(int nPos)
{
    POSITION pos = m_Items.FindIndex(nPos);
    return pos ? m_Items.GetAt(pos) : nullptr;
}

void CMyBaseListCtrlH::GetItemRect(RECT* pOut, int nIndex)
{
    const MYLIST_ITEM* item = FindItem(nIndex);
    *pOut = item ? item->rcItem : CRect(0, 0, 0, 0);
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

void CMyBaseListCtrlH::Renumber()
{
    int i = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos;)
        m_Items.GetNext(pos)->nIndex = i++;
}

BOOL CMyBaseListCtrlH::DeleteItem(int nIndex)
{
    int position = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++position) {
        POSITION at = pos;
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->nIndex != nIndex)
            continue;
        m_Items.RemoveAt(at);
        m_nTotalWidth -= item->nReserved;
        --m_nCount;
        delete item;
        // The selection and hover keep naming the rows they named; never one that went.
        m_nSelected = ShiftAfterRemove(m_nSelected, position);
        m_nHotItem = ShiftAfterRemove(m_nHotItem, position);
        SetRangeAndPage();
        Renumber();
        if (::IsWindow(m_hWnd))
            Invalidate(FALSE);
        return TRUE;
    }
    return FALSE;
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

void CMyBaseListCtrlH::InvalidateScrollBar()
{
    CRect bar;
    GetScrollBarRect(&bar);
    InvalidateRect(&bar, TRUE);
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

void CMyBaseListCtrlH::SetCurSel(int nPos)
{
    m_nSelected = nPos;
    Invalidate(TRUE);
}

void CMyBaseListCtrlH::RedrawItem(int nPos)
{
    if (MYLIST_ITEM* item = nPos >= 0 ? ItemAtPos(nPos) : nullptr)
        InvalidateRect(&item->rcItem, TRUE);
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
    const COLORREF fill = bSelected ? m_clrSelected : (m_nHotItem == pItem->nIndex ? m_clrHover : m_clrItem);
    pDC->FillSolidRect(&rc, fill);
    if (m_dwListStyle & 2) {
        CRect edge = rc;
        pDC->DrawEdge(&edge, BDR_SUNKENINNER, BF_BOTTOM | BF_FLAT);
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->DrawText(pItem->strText, &rc, DT_WORDBREAK);
}

void CMyBaseListCtrlH::DrawBorder(CDC* pDC)
{
    if (m_nBorderWidth <= 0)
        return;
    CRect client;
    GetClientRect(&client);
    FillFrame(pDC, client, m_nBorderWidth, m_clrListBorder);
}

void CMyBaseListCtrlH::FillFrame(CDC* pDC, CRect rc, int nWidth, COLORREF clr)
{
    FillFrameStrips(pDC, rc, nWidth, clr);
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

BOOL CMyBaseListCtrlH::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

void CMyBaseListCtrlH::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcScrollBar();
}

UINT CMyBaseListCtrlH::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CMyBaseListCtrlH::OnDestroy()
{
    CWnd::OnDestroy();
    DeleteAll();
}

void CMyBaseListCtrlH::OnNcPaint()
{
    InvalidateScrollBar();
}

void CMyBaseListCtrlH::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
}

BOOL CMyBaseListCtrlH::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

int CMyBaseListCtrlH::PosOfPoint(CPoint pt)
{
    int position = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++position) {
        if (CRect(m_Items.GetNext(pos)->rcItem).PtInRect(pt))
            return position;
    }
    return -1;
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
    MYLIST_ITEM* item = position >= 0 ? ItemAtPos(position) : nullptr;
    if (item) {
        SendListNotify(this, m_nCtrlId, MYLIST_CLICK, item->nIndex, item->strText, item->dwData, item->bChecked);
        if (!::IsWindow(m_hWnd))
            return;
        m_nSelected = position;
        Invalidate(FALSE);
    } else {
        SendListNotify(this, m_nCtrlId, MYLIST_CLICK, -1, CString(), 0, 0);
        if (!::IsWindow(m_hWnd))
            return;
    }
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
    if (!m_bTrackLeave) {
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        m_bTrackLeave = ::TrackMouseEvent(&tme) != FALSE;
    }
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
    const int hot = PosOfPoint(point);
    if (hot != m_nHotItem) {
        RedrawItem(m_nHotItem);
        m_nHotItem = hot;
        RedrawItem(m_nHotItem);
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CMyBaseListCtrlH::OnMouseLeave()
{
    m_bTrackLeave = false;
    m_nHotItem = -1;
    Invalidate(FALSE);
    InvalidateScrollBar();
    CWnd::OnMouseLeave();
}

void CMyBaseListCtrlH::OnRButtonDown(UINT nFlags, CPoint point)
{
    SendListNotify(this, m_nCtrlId, MYLIST_RCLICK, -1, CString(), 0, 0);
    if (::IsWindow(m_hWnd))
        CWnd::OnRButtonDown(nFlags, point);
}

BOOL CMyBaseListCtrlH::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    const int position = GetScrollPos(SB_HORZ);
    const int limit = GetScrollLimit(SB_HORZ);
    ScrollTo(zDelta < 0 ? (position + 40 < limit ? position + 40 : limit) : (position - 40 > 0 ? position - 40 : 0));
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

void CMyBaseListCtrlH::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const int position = GetScrollPos(SB_HORZ);
    const int limit = GetScrollLimit(SB_HORZ);
    if ((nSBCode == SB_LINEDOWN || nSBCode == SB_PAGEDOWN) && position < limit)
        ScrollTo(position + (50 < limit - position ? 50 : limit - position));
    else if ((nSBCode == SB_LINEUP || nSBCode == SB_PAGEUP) && position > 0)
        ScrollTo(position - (50 < position ? 50 : position));
    CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CMyBaseListCtrlH::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bKeyNav) {
        int next = m_nSelected;
        if (nChar == VK_LEFT && m_nSelected > 0)
            next = m_nSelected - 1;
        else if (nChar == VK_RIGHT && m_nSelected < m_nCount - 1)
            next = m_nSelected + 1;
        if (next != m_nSelected) {
            m_nSelected = next;
            EnsureVisible(m_nSelected);
            Invalidate(FALSE);
            const MYLIST_ITEM* item = FindItem(m_nSelected);
            SendListNotify(this, m_nCtrlId, MYLIST_CLICK, m_nSelected, CString(), item ? item->dwData : 0, 0);
            if (!::IsWindow(m_hWnd))
                return;
        }
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}
