#include "screens/meeting/panels/InfoThumbnailCtrl.h"

#include <algorithm>

#include "ui/host/MainDlg.h"
#include "core/ClientMessages.h"
#include "core/MyLogFile.h"
#include "whiteboard/MMPage.h"

namespace {

// A thumbnail rendered off the window's thread, for the rows made in serial 'rows'.
struct S_RENDERED_THUMB {
    unsigned rows = 0;
    int page = 0;
    std::shared_ptr<S_PAGE_THUMB> thumb;
};

}  // namespace

BEGIN_MESSAGE_MAP(CInfoThumbnailCtrl, CInfoPageStripCtrl)
    ON_MESSAGE(WM_SIDEPANEL_THUMB_RENDERED, &CInfoThumbnailCtrl::OnThumbRendered)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

void CInfoThumbnailCtrl::ClearItems()
{
    if (!m_pList)
        return;
    m_pList->DeleteAllItems();
    DropAllThumbs();
    ForgetRendering();
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
    ForgetRendering();
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
    const BOOL bHasBytes = pData && nSize;
    ApplyThumb(nPage, nullptr, bFavorite, bHasBytes);
    if (bHasBytes)
        RenderLater(nPage, std::string(reinterpret_cast<const char*>(pData), nSize));
}

void CInfoThumbnailCtrl::SetPageImage(CMMPage* pPage, const CString& strIsFavorite)
{
    if (!pPage)
        return;
    const BOOL bFavorite = strIsFavorite.CompareNoCase(L"Y") == 0;
    pPage->SetFavorite(bFavorite);
    ApplyThumb(pPage->m_nPageNumber, nullptr, bFavorite, pPage->HasImage());
    if (pPage->HasImage())
        RenderLater(pPage->m_nPageNumber, pPage->CopyImageBytes());
}

void CInfoThumbnailCtrl::RenderLater(int nPage, std::string bytes)
{
    // Pictures for pages without a row are not kept.
    if (!m_bHasPages || !m_pList || nPage < 1 || nPage > m_pList->GetItemCount() || bytes.empty())
        return;
    const HWND hWnd = GetSafeHwnd();
    const unsigned rows = m_nRowsSerial;
    auto owned = std::make_shared<std::string>(std::move(bytes));
    // Decoding and scaling a page picture takes tens of milliseconds: not on the window's thread,
    // which the pages of a whole document would hold up.
    m_renderer.Add([hWnd, rows, nPage, owned] {
        std::unique_ptr<S_RENDERED_THUMB> record(new S_RENDERED_THUMB);
        record->rows = rows;
        record->page = nPage;
        record->thumb = RenderPageThumbnail(reinterpret_cast<const BYTE*>(owned->data()), owned->size());
        if (::PostMessageW(hWnd, WM_SIDEPANEL_THUMB_RENDERED, 0, (LPARAM)record.get()))
            record.release();
    });
}

void CInfoThumbnailCtrl::ForgetRendering()
{
    m_renderer.DropQueued();
    ++m_nRowsSerial;
}

LRESULT CInfoThumbnailCtrl::OnThumbRendered(WPARAM, LPARAM lParam)
{
    std::unique_ptr<S_RENDERED_THUMB> record(reinterpret_cast<S_RENDERED_THUMB*>(lParam));
    if (!record || record->rows != m_nRowsSerial || !record->thumb || !m_pList || record->page < 1
        || record->page > m_pList->GetItemCount())
        return 0;
    const BOOL bFirst = ThumbOf(record->page) == nullptr && GetBoxWidth() != record->thumb->box.nBoxWidth;
    KeepThumb(record->page, record->thumb);
    m_pList->RedrawItems(record->page - 1, record->page - 1);
    // The box of the first picture sizes the rows and the scroll bar.
    if (bFirst || record->page == m_nRowCount) {
        UpdateScrollBar();
        Invalidate();
    }
    if (m_onThumb)
        m_onThumb(record->page, record->thumb);
    return 0;
}

void CInfoThumbnailCtrl::OnDestroy()
{
    // Nothing rendered is taken once the strip is gone: the worker stops, what it posted goes.
    m_renderer.Stop();
    MSG msg;
    while (::PeekMessageW(&msg, GetSafeHwnd(), WM_SIDEPANEL_THUMB_RENDERED, WM_SIDEPANEL_THUMB_RENDERED, PM_REMOVE))
        delete reinterpret_cast<S_RENDERED_THUMB*>(msg.lParam);
    CInfoPageStripCtrl::OnDestroy();
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

int CInfoThumbnailCtrl::GetSlidePage() const
{
    const int nRows = m_pList ? m_pList->GetItemCount() : 0;
    if (nRows == 0 || !m_pScrollBar)
        return 0;
    // Position p keeps row p - 1, page p, in view.
    return std::max(1, std::min(m_pScrollBar->GetPos(), nRows));
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
