#pragma once
// CInfoBookMarkCtrl: the bookmark page of the side panel: the thumbnails of the pages the user
// marked as favourites, sorted by page, with the page numbers. A click moves the board to the
// page; a page move of the board selects the page's row when it has one. Without bookmarks the
// page says so.
#include "screens/meeting/panels/PageStripCtrl.h"

class CInfoBookMarkCtrl : public CInfoPageStripCtrl {
public:
    enum : UINT { kControlId = 34890 };

    // Removes every row; the empty text shows.
    void Reset();
    // Appends a row for the page unless it has one (a thumbnail batch; SortByPage follows).
    void AddBookmark(int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb);
    // Selects the row of the board's current page.
    void SelectCurrentRow();
    // The board moved to the page (1-based).
    void SelectPage(int nPage);
    void SortByPage();
    // The page became a favourite (its row goes in page order) or stopped being one (its row
    // goes).
    void OnFavouriteChanged(int nPage, BOOL bFavorite, const std::shared_ptr<S_PAGE_THUMB>& thumb);
    // The page's thumbnail was rendered: its row (if the page has one) shows it.
    void UpdateThumb(int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb);
    int GetRenderedCount() const { return m_nRendered; }
    int GetLastSelectedRow() const { return m_nLastSelectedRow; }
    // The page the meeting screen keeps here between thumbnail batches.
    int GetPendingPage() const { return m_nPendingPage; }
    void SetPendingPage(int nPage) { m_nPendingPage = nPage; }
    // Sort order of the rows by page: -1, 0 or 1 (descending when not ascending).
    static int CALLBACK ComparePages(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

protected:
    BOOL IsRowFavorite(int) const override { return TRUE; }
    BOOL DrawsEmptyText() const override { return TRUE; }
    void OnUserSelected(int nRow) override;

private:
    int FindInsertIndex(int nPage) const;
    void ShowRowsOrEmptyText();

    int m_nRendered = 0;
    int m_nLastSelectedRow = 1;
    int m_nPendingPage = 0;
    BOOL m_bAscending = TRUE;
};
