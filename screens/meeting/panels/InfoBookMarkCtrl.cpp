#include "screens/meeting/panels/InfoBookMarkCtrl.h"

#include "ui/host/MainDlg.h"
#include "core/ClientMessages.h"
#include "core/MyLogFile.h"

void CInfoBookMarkCtrl::Reset()
{
    if (!m_pList)
        return;
    m_pList->DeleteAllItems();
    DropAllThumbs();
    m_nRendered = 0;
    m_nRowCount = 1;
    m_pScrollBar->SetRange(1);
    UpdateScrollBar();
    m_pList->ShowWindow(SW_HIDE);
    Invalidate();
}

void CInfoBookMarkCtrl::AddBookmark(int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb)
{
    if (!m_pList || nPage < 1 || HasPage(nPage))
        return;
    g_ApplicationLog.Log(2, L"북마크 : %d\n", nPage);
    CString text;
    text.Format(L"%d", nPage);
    const int nRow = m_pList->InsertItem(m_pList->GetItemCount(), text);
    // The row's page is its sort key.
    m_pList->SetItemData(nRow, (DWORD_PTR)nPage);
    KeepThumb(nPage, thumb);
    ++m_nRendered;
    m_nRowCount = m_pList->GetItemCount();
    m_pScrollBar->SetRange(m_nRowCount);
    m_pList->ShowWindow(SW_SHOW);
    UpdateScrollBar();
    Invalidate();
}

void CInfoBookMarkCtrl::SelectCurrentRow()
{
    if (!m_pList)
        return;
    m_pScrollBar->SetPos(0, TRUE);
    IZELMainDlg* pMain = GetMainDlg();
    const int nPage = pMain ? pMain->GetBoardCurrentPage() : 0;
    const int nRow = FindRow(nPage ? nPage : 1);
    SelectRowQuietly(nRow, TRUE);
    m_nScrollTarget = nRow > 0 ? nRow : 0;
}

void CInfoBookMarkCtrl::SelectPage(int nPage)
{
    if (!m_pList)
        return;
    const int nRow = FindRow(nPage);
    SelectRowQuietly(nRow, FALSE);
    if (nRow >= 0) {
        ScrollToItem(nRow < m_nLastSelectedRow ? nRow - 1 : nRow);
        if (IZELMainDlg* pMain = GetMainDlg())
            pMain->EnableBoardInfoButton(TRUE);
    }
    m_nLastSelectedRow = nRow;
}

int CALLBACK CInfoBookMarkCtrl::ComparePages(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const CInfoBookMarkCtrl* pThis = reinterpret_cast<const CInfoBookMarkCtrl*>(lParamSort);
    const int nOrder = (lParam1 > lParam2) - (lParam1 < lParam2);
    return (pThis && !pThis->m_bAscending) ? -nOrder : nOrder;
}

void CInfoBookMarkCtrl::SortByPage()
{
    if (!m_pList)
        return;
    m_bAscending = TRUE;
    m_pList->SortItems(&CInfoBookMarkCtrl::ComparePages, (DWORD_PTR)this);
    m_pList->Invalidate();
}

int CInfoBookMarkCtrl::FindInsertIndex(int nPage) const
{
    const int n = m_pList->GetItemCount();
    for (int i = 0; i < n; ++i) {
        if (RowPage(i) > nPage)
            return i;
    }
    return n;
}

void CInfoBookMarkCtrl::UpdateThumb(int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb)
{
    const int nRow = FindRow(nPage);
    if (nRow < 0 || !thumb)
        return;
    KeepThumb(nPage, thumb);
    m_pList->RedrawItems(nRow, nRow);
}

void CInfoBookMarkCtrl::OnFavouriteChanged(int nPage, BOOL bFavorite, const std::shared_ptr<S_PAGE_THUMB>& thumb)
{
    if (!m_pList || nPage < 1)
        return;
    if (bFavorite) {
        if (!HasPage(nPage)) {
            CString text;
            text.Format(L"%d", nPage);
            const int nRow = m_pList->InsertItem(FindInsertIndex(nPage), text);
            m_pList->SetItemData(nRow, (DWORD_PTR)nPage);
            KeepThumb(nPage, thumb);
            ++m_nRendered;
            m_nRowCount = m_pList->GetItemCount();
            m_pScrollBar->SetRange(m_nRowCount);
        } else {
            KeepThumb(nPage, thumb);
        }
        ShowRowsOrEmptyText();
        SelectPage(nPage);
    } else {
        // The row of that page goes, whichever row is selected; without such a row nothing
        // changes.
        const int nRow = FindRow(nPage);
        if (nRow >= 0) {
            m_pList->DeleteItem(nRow);
            DropThumb(nPage);
            --m_nRendered;
            m_nRowCount = m_pList->GetItemCount();
            m_pScrollBar->SetRange(m_nRowCount > 0 ? m_nRowCount : 1);
            UpdateScrollBar();
        }
        ShowRowsOrEmptyText();
    }
}

void CInfoBookMarkCtrl::ShowRowsOrEmptyText()
{
    if (m_pList->GetItemCount() > 0) {
        m_pList->ShowWindow(SW_SHOW);
        UpdateScrollBar();
    } else {
        m_pScrollBar->ShowWindow(SW_HIDE);
        m_pList->ShowWindow(SW_HIDE);
    }
    Invalidate();
}

void CInfoBookMarkCtrl::OnUserSelected(int nRow)
{
    const int nPage = RowPage(nRow);
    if (nPage < 1)
        return;
    if (HWND hBoard = BoardWindow())
        ::SendMessageW(hBoard, WM_SIDEPANEL_SELECT_PAGE, (WPARAM)(nPage - 1), 0);
    ScrollToItem(nRow);
    if (IZELMainDlg* pMain = GetMainDlg())
        pMain->EnableBoardInfoButton(TRUE);
}
