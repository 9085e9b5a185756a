#include "ui/skin/MyListWndBase.h"

#include "platform/DC.h"
#include "ui/skin/ListScrollMath.h"
#include "ui/skin/SkinDrawing.h"

BEGIN_MESSAGE_MAP(CMyListWndBase, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_GETDLGCODE()
    ON_WM_DESTROY()
    ON_WM_SETCURSOR()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CMyListWndBase::~CMyListWndBase()
{
    while (!m_Items.IsEmpty())
        delete m_Items.RemoveHead();
}

void CMyListWndBase::PreSubclassWindow()
{
    ModifyStyle(WS_BORDER | WS_THICKFRAME, 0);
    CWnd::PreSubclassWindow();
}

MYLIST_ITEM* CMyListWndBase::FindItem(int nIndex)
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->nIndex == nIndex)
            return item;
    }
    return nullptr;
}

MYLIST_ITEM* CMyListWndBase::ItemAtPos(int nPos)
{
    POSITION pos = m_Items.FindIndex(nPos);
    return pos ? m_Items.GetAt(pos) : nullptr;
}

bool CMyListWndBase::NotifyClick(int nPos, MYLIST_ITEM* pItem)
{
    if (!pItem) {
        SendNotify(MYLIST_CLICK, -1, CString(), 0, 0);
        return ::IsWindow(m_hWnd) != FALSE;
    }
    SendNotify(MYLIST_CLICK, pItem->nIndex, pItem->strText, pItem->dwData, pItem->bChecked);
    if (!::IsWindow(m_hWnd))
        return false;
    m_nSelected = nPos;
    Invalidate(FALSE);
    return true;
}

int CMyListWndBase::PosOfPoint(CPoint pt)
{
    int position = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++position) {
        if (CRect(m_Items.GetNext(pos)->rcItem).PtInRect(pt))
            return position;
    }
    return -1;
}

void CMyListWndBase::GetItemRect(RECT* pOut, int nIndex)
{
    const MYLIST_ITEM* item = FindItem(nIndex);
    *pOut = item ? item->rcItem : CRect(0, 0, 0, 0);
}

void CMyListWndBase::Renumber()
{
    int i = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos;)
        m_Items.GetNext(pos)->nIndex = i++;
}

void CMyListWndBase::SetCurSel(int nPos)
{
    m_nSelected = nPos;
    Invalidate(TRUE);
}

void CMyListWndBase::RedrawItem(int nPos)
{
    if (nPos < 0 || nPos >= int(m_Items.GetCount()))
        return;
    if (MYLIST_ITEM* item = ItemAtPos(nPos))
        InvalidateRect(&item->rcItem, TRUE);
}

void CMyListWndBase::FillFrame(CDC* pDC, CRect rc, int nWidth, COLORREF clr)
{
    FillFrameStrips(pDC, rc, nWidth, clr);
}

void CMyListWndBase::DrawBorder(CDC* pDC)
{
    if (m_nBorderWidth <= 0)
        return;
    CRect client;
    GetClientRect(&client);
    FillFrame(pDC, client, m_nBorderWidth, m_clrListBorder);
}

void CMyListWndBase::SendNotify(UINT nCode, int nIndex, const CString& strText, DWORD_PTR pItem, int nFlag, int nPos,
                                int nObjectId, SKIN_OBJECT* pObject)
{
    SendListNotify(this, m_nCtrlId, nCode, nIndex, strText, pItem, nFlag, nPos, nObjectId, pObject);
}

void CMyListWndBase::TrackHover(CPoint pt)
{
    if (!m_bTrackLeave) {
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        m_bTrackLeave = ::TrackMouseEvent(&tme) != FALSE;
    }
    const int hot = PosOfPoint(pt);
    if (hot != m_nHotItem) {
        RedrawItem(m_nHotItem);
        m_nHotItem = hot;
        RedrawItem(m_nHotItem);
    }
}

void CMyListWndBase::PaintRow(CDC* pDC, const CRect& rc, const MYLIST_ITEM* pItem, BOOL bSelected, COLORREF clrText)
{
    pDC->SetBkMode(TRANSPARENT);
    const COLORREF fill = bSelected ? m_clrSelected : (m_nHotItem == pItem->nIndex ? m_clrHover : m_clrItem);
    pDC->FillSolidRect(&rc, fill);
    if (m_dwListStyle & 2) {
        CRect edge = rc;
        pDC->DrawEdge(&edge, BDR_SUNKENINNER, BF_BOTTOM | BF_FLAT);
    }
    const COLORREF old = pDC->SetTextColor(clrText);
    CRect text = rc;
    pDC->DrawText(pItem->strText, &text, DT_WORDBREAK);
    pDC->SetTextColor(old);
}

MYLIST_ITEM* CMyListWndBase::UnlinkItem(int nIndex, int& nRemovedPos)
{
    int position = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++position) {
        POSITION at = pos;
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->nIndex != nIndex)
            continue;
        m_Items.RemoveAt(at);
        --m_nCount;
        // The selection and the hover keep naming the rows they named; never a row that went.
        m_nSelected = ShiftAfterRemove(m_nSelected, position);
        m_nHotItem = ShiftAfterRemove(m_nHotItem, position);
        nRemovedPos = position;
        return item;
    }
    nRemovedPos = -1;
    return nullptr;
}

void CMyListWndBase::StepSelection(int nDelta)
{
    const int next = m_nSelected + nDelta;
    if (next < 0 || next >= m_nCount || next == m_nSelected)
        return;
    m_nSelected = next;
    EnsureVisible(m_nSelected);
    Invalidate(FALSE);
    const MYLIST_ITEM* item = FindItem(m_nSelected);
    SendNotify(MYLIST_CLICK, m_nSelected, CString(), item ? item->dwData : 0, 0);
}

void CMyListWndBase::StepScroll(bool bForward)
{
    const int position = GetScrollPos(m_nBar);
    const int limit = GetScrollLimit(m_nBar);
    if (bForward && position < limit)
        SetScrollPos(m_nBar, position + (50 < limit - position ? 50 : limit - position), TRUE);
    else if (!bForward && position > 0)
        SetScrollPos(m_nBar, position - (50 < position ? 50 : position), TRUE);
}

void CMyListWndBase::InvalidateScrollBar()
{
    CRect bar;
    GetScrollBarRect(&bar);
    InvalidateRect(&bar, TRUE);
}

BOOL CMyListWndBase::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

UINT CMyListWndBase::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CMyListWndBase::OnDestroy()
{
    CWnd::OnDestroy();
    DeleteAll();
}

BOOL CMyListWndBase::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

void CMyListWndBase::OnMouseLeave()
{
    m_bTrackLeave = false;
    m_nHotItem = -1;
    Invalidate(FALSE);
    InvalidateScrollBar();
    CWnd::OnMouseLeave();
}

BOOL CMyListWndBase::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    const int position = GetScrollPos(m_nBar);
    const int limit = GetScrollLimit(m_nBar);
    const int target = zDelta < 0 ? (position + 40 < limit ? position + 40 : limit) : (position - 40 > 0 ? position - 40 : 0);
    SetScrollPos(m_nBar, target, TRUE);
    UpdateWindow();
    Invalidate(TRUE);
    InvalidateScrollBar();
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

void CMyListWndBase::OnNcPaint()
{
    InvalidateScrollBar();
}

void CMyListWndBase::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    // No non-client area: the whole window is client.
}

void CMyListWndBase::OnRButtonDown(UINT nFlags, CPoint point)
{
    SendNotify(MYLIST_RCLICK, -1, CString(), 0, 0);
    if (::IsWindow(m_hWnd))
        CWnd::OnRButtonDown(nFlags, point);
}
