#include "ui/skin/MyBaseListCtrlV.h"

#include "platform/DC.h"
#include "ui/skin/ListScrollMath.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinDrawing.h"

BEGIN_MESSAGE_MAP(CMyBaseListCtrlV, CMyListWndBase)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_VSCROLL()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CMyBaseListCtrlV::CMyBaseListCtrlV() : CMyListWndBase(SB_VERT)
{
    LOGFONT lf = {};
    lf.lfHeight = -24;
    lf.lfWeight = FW_NORMAL;
    wcsncpy(lf.lfFaceName, SKIN_DEFAULT_FACE, LF_FACESIZE - 1);
    m_fontList.CreateFontIndirect(&lf);
}

BOOL CMyBaseListCtrlV::Create(CWnd* pParent, CRect rect, UINT nId, DWORD dwStyle)
{
    LPCTSTR className = AfxRegisterWndClass(CS_DBLCLKS);
    if (!CWnd::Create(className, L"MyListCtrlV", dwStyle, rect, pParent, nId))
        return FALSE;
    m_nCtrlId = nId;
    m_nItemWidth = rect.Width();
    m_nPageHeight = rect.Height();
    m_nTotalHeight = 0;
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    SetScrollInfo(SB_VERT, &si, TRUE);
    return TRUE;
}

int CMyBaseListCtrlV::MeasureItem(MYLIST_ITEM* pItem, int nWidth)
{
    if (!pItem || (pItem->nType != 2 && pItem->nType != 3))
        return 0;
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&m_fontList);
    CRect r(0, 0, nWidth - 5, 0);
    const UINT flags = pItem->nType == 2 ? (DT_CALCRECT | DT_WORDBREAK | DT_EXTERNALLEADING)
                                         : (DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    dc.DrawText(pItem->strText, &r, flags);
    dc.SelectObject(old);
    return r.Height() + m_nItemPadding + 5;
}

int CMyBaseListCtrlV::InsertItem(MYLIST_ITEM* pItem, int nHeight, POSITION posAfter)
{
    if (!pItem)
        return m_nCount;
    if (nHeight != 0) {
        pItem->nHeight = nHeight;
        pItem->bFixedHeight = TRUE;
    } else {
        pItem->nHeight = MeasureItem(pItem, m_nItemWidth);
        pItem->bFixedHeight = FALSE;
    }
    if (posAfter) {
        m_Items.InsertAfter(posAfter, pItem);
        Renumber();
    } else {
        pItem->nIndex = m_nCount;
        m_Items.AddTail(pItem);
    }
    ++m_nCount;
    m_nTotalHeight += pItem->nHeight;
    if (m_bAutoRecalc)
        RecalcScrollBar();
    return m_nCount - 1;
}


BOOL CMyBaseListCtrlV::DeleteItem(int nIndex)
{
    int position = -1;
    MYLIST_ITEM* item = UnlinkItem(nIndex, position);
    if (!item)
        return FALSE;
    m_nTotalHeight -= item->nHeight;
    RemoveFromSelection(item);
    if (m_pLastClicked == item)
        m_pLastClicked = nullptr;
    if (m_pRangeFirst == item)
        m_pRangeFirst = nullptr;
    if (m_pRangeLast == item)
        m_pRangeLast = nullptr;
    delete item;
    Renumber();
    if (::IsWindow(m_hWnd)) {
        SetRangeAndPage();
        Invalidate(FALSE);
    }
    return TRUE;
}

void CMyBaseListCtrlV::SetRangeAndPage()
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = GetTotalHeight();
    si.nPage = UINT(m_nPageHeight);
    SetScrollInfo(SB_VERT, &si, TRUE);
}

void CMyBaseListCtrlV::DeleteAll()
{
    m_bOverBar = false;
    m_nTotalHeight = 0;
    m_nCount = 0;
    ClearSelection();
    m_pLastClicked = m_pRangeFirst = m_pRangeLast = nullptr;
    while (!m_Items.IsEmpty())
        delete m_Items.RemoveHead();
    m_nSelected = -1;
    m_nHotItem = -1;
}

int CMyBaseListCtrlV::RecalcHeights()
{
    m_nCount = 0;
    m_nTotalHeight = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        item->nIndex = m_nCount;
        if (!item->bFixedHeight)
            item->nHeight = MeasureItem(item, m_nItemWidth);
        ++m_nCount;
        m_nTotalHeight += item->nHeight;
    }
    return m_nTotalHeight;
}

int CMyBaseListCtrlV::GetTotalHeight()
{
    int total = m_nItemPadding + m_nTopOffset;
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        const MYLIST_ITEM* item = m_Items.GetNext(pos);
        total += item->nSpacing + item->nHeight;
    }
    return total;
}

BOOL CMyBaseListCtrlV::IsScrollBarNeeded()
{
    if (m_bForceScrollBar)
        return TRUE;
    CRect client;
    GetClientRect(&client);
    return client.Height() < GetTotalHeight();
}

void CMyBaseListCtrlV::GetItemArea(RECT* pOut)
{
    CRect r;
    GetClientRect(&r);
    if (m_nBorderWidth > 0)
        r.DeflateRect(m_nBorderWidth, m_nBorderWidth);
    r.top += m_nTopOffset;
    if (IsScrollBarNeeded())
        r.right -= 12;
    *pOut = r;
}

void CMyBaseListCtrlV::GetScrollBarRect(RECT* pOut)
{
    CRect r;
    GetClientRect(&r);
    if (m_nBorderWidth > 0)
        r.DeflateRect(m_nBorderWidth - 1, m_nBorderWidth - 1);
    r.top += m_nTopOffset;
    r.left = IsScrollBarNeeded() ? r.right - 12 : r.right;
    *pOut = r;
}

void CMyBaseListCtrlV::RecalcScrollBar()
{
    if (!::IsWindow(m_hWnd))
        return;
    CRect area;
    GetItemArea(&area);
    m_nPageHeight = area.Height();
    m_nItemWidth = area.Width();
    RecalcHeights();
    SetRangeAndPage();
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlV::UpdateScrollRange()
{
    if (!::IsWindow(m_hWnd))
        return;
    SetRangeAndPage();
    UpdateWindow();
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlV::SetListStyle(DWORD dwStyle)
{
    m_dwListStyle = dwStyle;
    if (!::IsWindow(m_hWnd))
        return;
    RecalcHeights();
    SetRangeAndPage();
    Invalidate(FALSE);
    InvalidateScrollBar();
}

void CMyBaseListCtrlV::SetAutoRecalc(BOOL bAuto)
{
    m_bAutoRecalc = bAuto != FALSE;
    if (m_bAutoRecalc)
        RecalcScrollBar();
}

CRect CMyBaseListCtrlV::GetScrollPart(int nPart)
{
    CRect r;
    if (nPart == 100) {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        GetScrollInfo(SB_VERT, &si, SIF_ALL);
        if (si.nMin >= si.nMax)
            return CRect(0, 0, 0, 0);
        CRect window;
        GetWindowRect(&window);
        int start = 0, end = 0;
        ComputeScrollThumb(window.Height() - m_nTopOffset, si, start, end);
        r.top = start;
        r.bottom = end;
        r.left = 1;
        r.right = 12;
    } else {
        GetWindowRect(&r);
        r.OffsetRect(-r.left, -r.top);
        r.top += m_nTopOffset;
    }
    LONG* sides[4] = {&r.left, &r.top, &r.right, &r.bottom};
    for (LONG* side : sides) {
        if (*side > 12000 || *side < 0)
            *side = 0;
    }
    return r;
}

int CMyBaseListCtrlV::HitTestScrollBar(int x, int y)
{
    CRect window;
    GetWindowRect(&window);
    for (int part : {100, 101}) {
        CRect r = GetScrollPart(part);
        r.left = 0;
        r.right = window.Width();
        r.OffsetRect(0, m_nTopOffset);
        r.DeflateRect(1, 1);
        if (r.PtInRect(CPoint(x, y)))
            return part;
    }
    return 0;
}

void CMyBaseListCtrlV::PaintScrollBar(CDC* pDC)
{
    CRect bar;
    GetScrollBarRect(&bar);
    if (!IsScrollBarNeeded()) {
        pDC->FillSolidRect(&bar, m_clrListBack);
        return;
    }
    if (!m_penBar.GetSafeHandle())
        m_penBar.CreatePen(PS_SOLID, 1, m_clrBarPen);
    pDC->FillSolidRect(&bar, m_clrListBack);
    if (GetScrollLimit(SB_VERT) == 0)
        return;
    CRect thumb = GetScrollPart(100);
    thumb.left = bar.left;
    thumb.right = bar.right;
    thumb.OffsetRect(0, m_nTopOffset);
    thumb.DeflateRect(2, 1);
    DrawFilledRoundRect(pDC, thumb, -1, 1.0f, TRUE, RGB(189, 189, 189), TRUE, RGB(189, 189, 189), float(thumb.Width()));
}

void CMyBaseListCtrlV::DrawScrollBar(CDC* pDC, RECT* pBar)
{
    const CRect bar(pBar);
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(pDC, bar.Width(), bar.Height());
    CBitmap* old = mem.SelectObject(&bitmap);
    mem.SetWindowOrg(bar.left, bar.top);
    PaintScrollBar(&mem);
    mem.SetWindowOrg(0, 0);
    pDC->BitBlt(bar.left, bar.top, bar.Width(), bar.Height(), &mem, 0, 0, SRCCOPY);
    mem.SelectObject(old);
}

void CMyBaseListCtrlV::DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected)
{
    CRect clip;
    pDC->GetClipBox(&clip);
    if (rc.bottom < clip.top || rc.top > clip.bottom)
        return;
    PaintRow(pDC, rc, pItem, bSelected, m_skinFont.m_clrText);
}

void CMyBaseListCtrlV::OnPaint()
{
    CPaintDC dc(this);
    CMyMemDC mem(&dc, m_clrListBack);
    CFont* oldFont = mem.SelectObject(&m_fontList);
    CRect area;
    GetItemArea(&area);
    int top = area.top - GetScrollPos(SB_VERT);
    int position = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++position) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        const CRect row(area.left, top, area.right, top + item->nHeight);
        DrawItem(&mem, row, item, position == m_nSelected);
        item->rcItem = row;
        top = row.bottom;
    }
    mem.SelectObject(oldFont);
    PaintScrollBar(&mem);
    DrawBorder(&mem);
}

void CMyBaseListCtrlV::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcScrollBar();
}

void CMyBaseListCtrlV::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    m_bFocus = true;
    RedrawItem(m_nSelected);
}

void CMyBaseListCtrlV::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    m_bFocus = false;
    RedrawItem(m_nSelected);
}
