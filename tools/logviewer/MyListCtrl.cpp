#include "tools/logviewer/MyListCtrl.h"

BEGIN_MESSAGE_MAP(CMyListCtrl, CColWidthSaveListCtrl)
    ON_WM_CREATE()
END_MESSAGE_MAP()

void CMyListCtrl::PreSubclassWindow()
{
    SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    CColWidthSaveListCtrl::PreSubclassWindow();
}

int CMyListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CColWidthSaveListCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    return 0;
}

CRect CMyListCtrl::HighlightRect(int nItem, const CRect& rcRow) const
{
    CRect rc;
    GetItemRect(nItem, &rc, LVIR_LABEL);
    if (m_nHighlight == HIGHLIGHT_ROW) {
        rc.right = rcRow.right;
    } else if (m_nHighlight == HIGHLIGHT_CLIENT) {
        CRect rcClient;
        GetClientRect(&rcClient);
        rc.right = rcClient.right;
    }
    return rc;
}

void CMyListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int nItem = (int)lpDrawItemStruct->itemID;
    const CRect rcRow(lpDrawItemStruct->rcItem);
    const UINT nState = GetItemState(nItem, LVIS_SELECTED | LVIS_DROPHILITED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK);
    const bool bFocus = ::GetFocus() == m_hWnd;
    const bool bHighlight = (nState & LVIS_DROPHILITED) ||
                            ((nState & LVIS_SELECTED) && (bFocus || (GetStyle() & LVS_SHOWSELALWAYS)));
    const CRect rcHighlight = HighlightRect(nItem, rcRow);
    pDC->FillSolidRect(&rcHighlight, bHighlight ? ::GetSysColor(COLOR_HIGHLIGHT) : m_clrBkgnd);
    pDC->SetTextColor(::GetSysColor(bHighlight ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    pDC->SetBkMode(TRANSPARENT);

    CRect rcIcon;
    GetItemRect(nItem, &rcIcon, LVIR_ICON);
    int nStateImage = (int)((nState & LVIS_STATEIMAGEMASK) >> 12) - 1;
    if (CImageList* pState = GetImageList(LVSIL_STATE))
        if (nStateImage >= 0) pState->Draw(pDC, nStateImage, CPoint(rcIcon.left - 16, rcIcon.top), ILD_TRANSPARENT);
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = nItem;
    if (CImageList* pSmall = GetImageList(LVSIL_SMALL))
        if (GetItem(&item)) pSmall->Draw(pDC, item.iImage, rcIcon.TopLeft(), ILD_TRANSPARENT);

    const int nInset = 2 * pDC->GetTextExtent(L" ", 1).cx;
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    const int nColumns = pHeader ? pHeader->GetItemCount() : 1;
    for (int nCol = 0; nCol < nColumns; ++nCol) {
        CRect rcCell;
        if (nCol == 0) GetItemRect(nItem, &rcCell, LVIR_LABEL);
        else GetSubItemRect(nItem, nCol, LVIR_LABEL, rcCell);
        rcCell.DeflateRect(nInset, 0);
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT;
        GetColumn(nCol, &column);
        UINT nAlign = (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT ? DT_RIGHT
                      : (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER ? DT_CENTER : DT_LEFT;
        CString strText = GetItemText(nItem, nCol);
        pDC->DrawText(strText, &rcCell, nAlign | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((nState & LVIS_FOCUSED) && bFocus) pDC->DrawFocusRect(&rcHighlight);
}
