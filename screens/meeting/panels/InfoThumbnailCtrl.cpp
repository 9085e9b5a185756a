#include "screens/meeting/panels/InfoThumbnailCtrl.h"

#include "ui/host/MainDlg.h"
#include "core/ClientMessages.h"
#include "core/MyLogFile.h"
#include "whiteboard/MMPage.h"

void CInfoThumbnailCtrl::ClearItems()
{
    if (!m_pList)
        return;
    m_pList->DeleteAllItems();
    DropAllThumbs();
    m_bHasPages = FALSE;
    m_nRowCount = 1;
    m_nScrollTarget = 1;
    UpdateScrollBar();
    Invalidate();
}

void CInfoThumbnailCtrl::InitPages(int nTotal)
{
    if (!m_pList)
        return;
    m_pList->SetRedraw(FALSE);
    m_pList->DeleteAllItems();
    DropAllThumbs();
    for (int nPage = 1; nPage <= nTotal; ++nPage) {
        CString text;
        text.Format(L"%d", nPage);
        const int nRow = m_pList->InsertItem(nPage - 1, text);
        m_pList->SetItemData(nRow, 0);
    }
    m_pList->SetRedraw(TRUE);
    m_bHasPages = nTotal > 0;
    m_pScrollBar->SetRange(nTotal);
    m_nRowCount = nTotal > 0 ? nTotal : 1;
    UpdateScrollBar();
    Invalidate();
}

void CInfoThumbnailCtrl::SetPageImage(int nPage, const BYTE* pData, size_t nSize, BOOL bFavorite)
{
    ApplyThumb(nPage, RenderPageThumbnail(pData, nSize), bFavorite, pData && nSize);
}

void CInfoThumbnailCtrl::SetPageImage(CMMPage* pPage, const CString& strIsFavorite)
{
    if (!pPage)
        return;
    const BOOL bFavorite = strIsFavorite.CompareNoCase(L"Y") == 0;
    pPage->SetFavorite(bFavorite);
    ApplyThumb(pPage->m_nPageNumber, pPage->HasImage() ? RenderPageThumbnail(pPage->GetImageStream()) : nullptr,
               bFavorite, pPage->HasImage());
}

void CInfoThumbnailCtrl::ApplyThumb(int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb, BOOL bFavorite,
                                    BOOL bHadBytes)
{
    if (!bHadBytes)
        g_ApplicationLog.Log(2, L"Thumbnail image not found!-0\n");
    // Pictures that come before the rows exist, or for pages beyond them, are not kept.
    if (!m_bHasPages || nPage < 1 || nPage > m_pList->GetItemCount())
        return;
    SetItemImage(nPage, bFavorite);
    if (thumb) {
        KeepThumb(nPage, thumb);
        m_pList->RedrawItems(nPage - 1, nPage - 1);
    }
    if (nPage == m_nRowCount) {
        UpdateScrollBar();
        Invalidate();
    }
}

int CInfoThumbnailCtrl::SelectCurrentPage(BOOL bSelect)
{
    IZELMainDlg* pMain = GetMainDlg();
    const int nCurrent = pMain ? pMain->GetBoardCurrentPage() : 0;
    const int nIndex = nCurrent ? nCurrent - 1 : 0;
    if (bSelect && m_pList) {
        m_pScrollBar->SetPos(0, TRUE);
        SelectRowQuietly(nIndex, TRUE);
    }
    m_nScrollTarget = nIndex;
    return nIndex;
}

void CInfoThumbnailCtrl::SelectPage(int nPage)
{
    if (!m_pList || nPage < 1)
        return;
    SelectRowQuietly(nPage - 1, FALSE);
    ScrollToItem(nPage < m_nLastSelectedPage ? nPage - 1 : nPage);
    m_nLastSelectedPage = nPage;
    if (nPage - 1 < m_pList->GetItemCount()) {
        if (HWND hBoard = BoardWindow())
            ::PostMessageW(hBoard, WM_SIDEPANEL_PAGE_FAVORITE, (WPARAM)nPage, (LPARAM)IsPageFavorite(nPage));
    }
}

void CInfoThumbnailCtrl::SetItemImage(int nPage, BOOL bFavorite)
{
    if (!m_pList || nPage < 1 || nPage > m_pList->GetItemCount())
        return;
    m_pList->SetItemData(nPage - 1, bFavorite ? 1 : 0);
    m_pList->RedrawItems(nPage - 1, nPage - 1);
}

BOOL CInfoThumbnailCtrl::IsPageFavorite(int nPage) const
{
    if (!m_pList || nPage < 1 || nPage > m_pList->GetItemCount())
        return FALSE;
    return m_pList->GetItemData(nPage - 1) != 0;
}

BOOL CInfoThumbnailCtrl::IsRowFavorite(int nRow) const
{
    return m_pList->GetItemData(nRow) != 0;
}

void CInfoThumbnailCtrl::OnUserSelected(int nRow)
{
    if (HWND hBoard = BoardWindow())
        ::SendMessageW(hBoard, WM_SIDEPANEL_SELECT_PAGE, (WPARAM)nRow, 0);
    ScrollToItem(nRow - 1);
}
