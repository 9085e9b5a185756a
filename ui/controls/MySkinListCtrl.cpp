#include "ui/controls/MySkinListCtrl.h"

#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinObject.h"

BEGIN_MESSAGE_MAP(CMySkinListCtrl, CMyBaseListCtrlV)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_NCLBUTTONDOWN()
    ON_MESSAGE(WM_SKIN_OBJECT_EVENT, &CMySkinListCtrl::OnSkinObjectEvent)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CMySkinListCtrl::CMySkinListCtrl()
{
    m_bKeyNav = TRUE;
}

CMySkinListCtrl::~CMySkinListCtrl()
{
    ReleaseBackBuffer();
    // Rows left when the window never existed still own their screens.
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        delete item->pScreen;
        item->pScreen = nullptr;
    }
}

BOOL CMySkinListCtrl::LoadItemScreen(CWnd* pParent, SKIN_OBJECT* pPlaceholder, UINT nId, const CString& strItemScreen)
{
    m_clrListBack = pPlaceholder->m_clrColor;
    m_strItemScreen = strItemScreen;
    RECT rc = pPlaceholder->m_rcObject;
    pPlaceholder->DeflateToContent(rc);
    return Create(pParent, CRect(rc), nId, WS_CHILD | WS_VISIBLE);
}

int CMySkinListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMyBaseListCtrlV::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_ItemTemplate.SetOwner(this)->LoadScreen(m_strItemScreen);
    return 0;
}

MYLIST_ITEM* CMySkinListCtrl::AddItem(int nType, const CString& strText, SKIN_SCREEN* pScreen, DWORD_PTR dwData,
                                      int nHeight, POSITION posAfter)
{
    if (nHeight == 0 && pScreen)
        nHeight = pScreen->m_rcScreen.Height();
    const BOOL bBarBefore = ::IsWindow(m_hWnd) && IsScrollBarNeeded();
    if (pScreen && ::IsWindow(m_hWnd)) {
        CRect area;
        GetItemArea(&area);
        pScreen->Layout(this, area.Width(), nHeight);
    }
    MYLIST_ITEM* item = new MYLIST_ITEM;
    item->nType = nType;
    item->dwData = dwData;
    item->pScreen = pScreen;
    item->strText = strText;
    InsertItem(item, nHeight, posAfter);
    // The row that brings the scroll bar narrows every row.
    if (::IsWindow(m_hWnd) && IsScrollBarNeeded() != bBarBefore) {
        CRect client;
        GetClientRect(&client);
        LayoutScreens(client.Width(), client.Height());
    }
    return item;
}

int CMySkinListCtrl::AddItemScreen(DWORD_PTR dwData)
{
    const bool bFirst = m_nCount == 0;
    SKIN_SCREEN* screen = new SKIN_SCREEN;
    screen->SetOwner(this)->LoadScreen(m_strItemScreen);
    // The spacing is part of the row before it is measured for the scroll range.
    const BOOL bAuto = m_bAutoRecalc;
    m_bAutoRecalc = false;
    MYLIST_ITEM* item = AddItem(2, CString(), screen, dwData, 0);
    m_bAutoRecalc = bAuto != FALSE;
    item->nHoverObjectId = 0;
    item->nReserved4 = 0;
    item->nSpacing = bFirst ? 0 : 5;
    if (m_bAutoRecalc)
        RecalcScrollBar();
    return GetItemCount();
}

void CMySkinListCtrl::SetEmptyScreen(const CString& strName)
{
    m_strEmptyScreen = strName;
    m_EmptyScreen.LoadScreen(strName);
    CRect client;
    if (::IsWindow(m_hWnd))
        GetClientRect(&client);
    m_EmptyScreen.Layout(nullptr, client.Width(), client.Height());
}

void CMySkinListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CMyBaseListCtrlV::OnSize(nType, cx, cy);
    LayoutScreens(cx, cy);
}

void CMySkinListCtrl::LayoutScreens(int cx, int cy)
{
    if (IsScrollBarNeeded())
        cx -= 12;
    if (!m_strEmptyScreen.IsEmpty())
        m_EmptyScreen.Layout(nullptr, cx, cy);
    m_ItemTemplate.Layout(this, cx, m_ItemTemplate.m_rcScreen.Height());
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->pScreen)
            item->pScreen->Layout(this, cx, item->nHeight);
    }
}

void CMySkinListCtrl::HideItemEditWindows()
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->pScreen)
            item->pScreen->HideEditWindows();
    }
}

int CMySkinListCtrl::FindGroupValue(int nKey)
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        const MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->nType == 4 && item->nHoverObjectId == nKey)
            return item->bChecked;
    }
    return -1;
}

void CMySkinListCtrl::ShowGroup(int nKey, BOOL bShow)
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->nType != 4 && item->nHoverObjectId == nKey)
            item->nHeight = (bShow && item->pScreen) ? item->pScreen->m_rcScreen.Height() : 0;
    }
}

void CMySkinListCtrl::InvalidateOffset(CRect rc, int dx, int dy)
{
    rc.OffsetRect(dx, dy);
    InvalidateRect(&rc, FALSE);
}

void CMySkinListCtrl::DeleteAll()
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        delete item->pScreen;
        item->pScreen = nullptr;
    }
    ClearSelection();
    CMyBaseListCtrlV::DeleteAll();
}

// ---- Painting ----

void CMySkinListCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect update;
    dc.GetClipBox(&update);
    PaintTo(&dc, update);
}

void CMySkinListCtrl::ReleaseBackBuffer()
{
    if (m_backDC.m_hDC && m_pOldBackBitmap)
        m_backDC.SelectObject(m_pOldBackBitmap);
    m_pOldBackBitmap = nullptr;
    m_backBitmap.DeleteObject();
    m_backDC.DeleteDC();
    m_sizeBack = CSize(0, 0);
}

void CMySkinListCtrl::PaintTo(CDC* pTarget, const CRect& rcUpdate)
{
    if (pTarget->IsPrinting()) {
        CMyMemDC mem(pTarget, m_clrListBack, &rcUpdate);
        CRect area;
        GetItemArea(&area);
        if (m_nCount > 0)
            DrawItems(&mem, area);
        else
            DrawEmpty(&mem, area);
        return;
    }
    CRect client;
    GetClientRect(&client);
    if (!m_backDC.m_hDC || m_sizeBack != client.Size()) {
        ReleaseBackBuffer();
        m_backDC.CreateCompatibleDC(pTarget);
        m_backBitmap.CreateCompatibleBitmap(pTarget, client.Width(), client.Height());
        m_pOldBackBitmap = m_backDC.SelectObject(&m_backBitmap);
        m_sizeBack = client.Size();
    }
    // Only the update rectangle is drawn: rows outside it cost their clip test alone.
    const int nSaved = m_backDC.SaveDC();
    m_backDC.IntersectClipRect(&rcUpdate);
    m_backDC.FillSolidRect(&rcUpdate, m_clrListBack);
    CRect area;
    GetItemArea(&area);
    if (m_nCount > 0)
        DrawItems(&m_backDC, area);
    else
        DrawEmpty(&m_backDC, area);
    PaintScrollBar(&m_backDC);
    DrawBorder(&m_backDC);
    m_backDC.RestoreDC(nSaved);
    pTarget->BitBlt(rcUpdate.left, rcUpdate.top, rcUpdate.Width(), rcUpdate.Height(), &m_backDC, rcUpdate.left,
                    rcUpdate.top, SRCCOPY);
}

BOOL CMySkinListCtrl::DrawEmpty(CDC* pDC, CRect area)
{
    if (m_strEmptyScreen.IsEmpty())
        return TRUE;
    m_EmptyScreen.Draw(pDC, area);
    return TRUE;
}

void CMySkinListCtrl::DrawItems(CDC* pDC, CRect area)
{
    CFont* pOldFont = pDC->SelectObject(m_skinFont.GetFont());
    CRect row = area;
    row.top -= GetScrollPos(SB_VERT);
    int position = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++position) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        row.top += item->nSpacing;
        DrawOneItem(pDC, &row, item, position);
    }
    if (pOldFont)
        pDC->SelectObject(pOldFont);
}

void CMySkinListCtrl::DrawOneItem(CDC* pDC, CRect* pRow, MYLIST_ITEM* pItem, int nPos)
{
    pRow->bottom = pRow->top + pItem->nHeight;
    BOOL bSelected;
    if (m_bMultiSelect)
        bSelected = m_bMultiSelActive ? IsItemSelected(pItem) : pItem == m_pLastClicked;
    else
        bSelected = nPos == m_nSelected;
    DrawItem(pDC, *pRow, pItem, bSelected);
    pItem->rcItem = *pRow;
    pRow->top = pRow->bottom;
}

void CMySkinListCtrl::DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected)
{
    if (rc.Height() == 0 || !pItem->pScreen)
        return;
    CRect clip;
    pDC->GetClipBox(&clip);
    if (rc.bottom < clip.top || rc.top > clip.bottom)
        return;
    SKIN_SCREEN* screen = pItem->pScreen;
    // A row screen that names no pressed or hover colour keeps its background (not black).
    COLORREF clr = screen->m_clrBack;
    if (bSelected && !screen->m_strBgColorDown.IsEmpty())
        clr = screen->m_clrDown;
    else if (!bSelected && m_nHotItem == pItem->nIndex && !screen->m_strBgColorOver.IsEmpty())
        clr = screen->m_clrOver;
    screen->DrawScreenBackground(pDC, rc, clr, TRUE);
    if (screen->m_nBorderSize > 0)
        screen->DrawScreenBorder(pDC, rc);
    screen->Draw(pDC, rc);
}

// ---- Events ----

int CMySkinListCtrl::OnItemEvent(UINT, SKIN_OBJECT*, MYLIST_ITEM*)
{
    return 0;
}

int CMySkinListCtrl::ItemEventThunk(CWnd* pOwner, UINT nMessage, SKIN_OBJECT* pObject, void* pUserData)
{
    return static_cast<CMySkinListCtrl*>(pOwner)->OnItemEvent(nMessage, pObject, static_cast<MYLIST_ITEM*>(pUserData));
}

MYLIST_ITEM* CMySkinListCtrl::RowAt(CPoint pt, int* pPos)
{
    int position = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++position) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (CRect(item->rcItem).PtInRect(pt)) {
            if (pPos)
                *pPos = position;
            return item;
        }
    }
    return nullptr;
}

void CMySkinListCtrl::NotifyRow(UINT nCode, MYLIST_ITEM* pItem, SKIN_SCREEN* pScreen, int nHitId)
{
    SKIN_OBJECT* hit = (pScreen && nHitId > 0) ? pScreen->FindObjectById(nHitId) : nullptr;
    if (hit)
        SendNotify(nCode, pItem->nIndex, hit->m_strName, (DWORD_PTR)pItem, pItem->bChecked, 0, hit->m_nId, hit);
    else
        SendNotify(nCode, pItem->nIndex, pItem->strText, (DWORD_PTR)pItem, pItem->bChecked, 0, 0, nullptr);
}

BOOL CMySkinListCtrl::NotifyScrollEnd(BOOL bTop)
{
    if (bTop) {
        SendNotify(MYLIST_SCROLL_END, -1, CString(), (DWORD_PTR)FindItem(0), 0, 0);
    } else {
        MYLIST_ITEM* last = m_Items.IsEmpty() ? nullptr : m_Items.GetTail();
        SendNotify(MYLIST_SCROLL_END, m_nCount, CString(), (DWORD_PTR)last, 1, 3);
    }
    return TRUE;
}

void CMySkinListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (MYLIST_ITEM* row = RowAt(point)) {
        SKIN_SCREEN* screen = row->pScreen;
        if (screen) {
            const int hit = screen->OnLButtonDown(this, point.x, point.y, ItemEventThunk, row, row->rcItem.left,
                                                  row->rcItem.top);
            if (hit == -1 || !::IsWindow(m_hWnd))
                return;
            NotifyRow(MYLIST_ITEM_PRESS, row, screen, hit);
        } else {
            NotifyRow(MYLIST_ITEM_PRESS, row, nullptr, 0);
        }
        if (!::IsWindow(m_hWnd))
            return;
    }
    CMyBaseListCtrlV::OnLButtonDown(nFlags, point);
}

void CMySkinListCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    int position = -1;
    MYLIST_ITEM* row = RowAt(point, &position);
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->pScreen && item->pScreen->m_bSelecting)
            item->pScreen->EndTextSelection(this);
        if (item == row)
            break;
    }
    if (row) {
        m_nSelected = position;
        Invalidate(FALSE);
        int hit = 0;
        if (row->pScreen) {
            hit = row->pScreen->OnLButtonUp(this, point.x, point.y, ItemEventThunk, nullptr, row, row->rcItem.left,
                                            row->rcItem.top);
            if (hit == -1 || !::IsWindow(m_hWnd))
                return;
        }
        NotifyRow(MYLIST_ITEM_CLICK, row, row->pScreen, hit);
        if (!::IsWindow(m_hWnd))
            return;
        if (m_bMultiSelect)
            UpdateMultiSelection(row);
    }
    CMyBaseListCtrlV::OnLButtonUp(nFlags, point);
}

void CMySkinListCtrl::UpdateMultiSelection(MYLIST_ITEM* pItem)
{
    const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    const bool bShift = ::GetKeyState(VK_SHIFT) < 0;
    if (bCtrl) {
        m_bMultiSelActive = true;
        if (!RemoveFromSelection(pItem))
            AddToSelection(pItem);
        m_pRangeFirst = m_pRangeLast = nullptr;
    } else if (bShift) {
        m_bMultiSelActive = true;
        if (!m_pRangeFirst)
            m_pRangeFirst = m_pLastClicked ? m_pLastClicked : pItem;
        m_pRangeLast = pItem;
        SelectRange(m_pRangeFirst, m_pRangeLast);
    } else {
        m_bMultiSelActive = false;
        ClearSelection();
        AddToSelection(pItem);
        m_pRangeFirst = m_pRangeLast = nullptr;
    }
    m_pLastClicked = pItem;
}

void CMySkinListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    MYLIST_ITEM* row = RowAt(point);
    if (row && row->nIndex == m_nSelected) {
        int hit = 0;
        if (row->pScreen) {
            hit = row->pScreen->OnLButtonUp(this, point.x, point.y, nullptr, nullptr, nullptr, row->rcItem.left,
                                            row->rcItem.top);
            if (hit == -1 || !::IsWindow(m_hWnd))
                return;
        }
        NotifyRow(MYLIST_DBLCLICK, row, row->pScreen, hit);
        if (!::IsWindow(m_hWnd))
            return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CMySkinListCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (MYLIST_ITEM* row = RowAt(point)) {
        int hit = 0;
        if (row->pScreen) {
            hit = row->pScreen->OnRButtonDown(this, point.x, point.y, ItemEventThunk, row, row->rcItem.left,
                                              row->rcItem.top);
            if (hit == -1 || !::IsWindow(m_hWnd))
                return;
        }
        NotifyRow(MYLIST_RCLICK, row, row->pScreen, hit);
        if (!::IsWindow(m_hWnd))
            return;
    }
    CMyBaseListCtrlV::OnRButtonDown(nFlags, point);
}

void CMySkinListCtrl::OnRButtonUp(UINT nFlags, CPoint point)
{
    SetFocus();
    m_nSelected = -1;
    int position = -1;
    if (MYLIST_ITEM* row = RowAt(point, &position)) {
        m_nSelected = position;
        Invalidate(FALSE);
        int hit = 0;
        if (row->pScreen) {
            hit = row->pScreen->OnRButtonUp(this, point.x, point.y, ItemEventThunk, row, row->rcItem.left,
                                            row->rcItem.top);
            if (hit == -1 || !::IsWindow(m_hWnd))
                return;
        }
        NotifyRow(MYLIST_ITEM_RCLICK, row, row->pScreen, hit);
        if (!::IsWindow(m_hWnd))
            return;
    }
    CMyBaseListCtrlV::OnLButtonUp(nFlags, point);
}

void CMySkinListCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (MYLIST_ITEM* row = RowAt(point)) {
        if (row->pScreen)
            row->pScreen->OnMouseMove(this, point.x, point.y, row->rcItem.left, row->rcItem.top);
    }
    CMyBaseListCtrlV::OnMouseMove(nFlags, point);
}

BOOL CMySkinListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    HideItemEditWindows();
    const int position = GetScrollPos(SB_VERT);
    if (zDelta > 0 && position == 0)
        NotifyScrollEnd(TRUE);
    else if (zDelta < 0 && position == GetScrollLimit(SB_VERT))
        NotifyScrollEnd(FALSE);
    if (!::IsWindow(m_hWnd))
        return TRUE;
    return CMyBaseListCtrlV::OnMouseWheel(nFlags, zDelta, pt);
}

void CMySkinListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && m_nCount > 0 && m_nSelected == m_nCount - 1) {
        NotifyScrollEnd(FALSE);
        if (!::IsWindow(m_hWnd))
            return;
    }
    CMyBaseListCtrlV::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMySkinListCtrl::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    HideItemEditWindows();
    CMyBaseListCtrlV::OnNcLButtonDown(nHitTest, point);
}

LRESULT CMySkinListCtrl::OnSkinObjectEvent(WPARAM wParam, LPARAM lParam)
{
    const int code = (int)wParam;
    if ((code >= 1296 && code <= 1303) || (code >= 1314 && code <= 1318) || code == 1330 || code == 1331)
        OnItemEvent((UINT)code, reinterpret_cast<SKIN_OBJECT*>(lParam), nullptr);
    return 0;
}
