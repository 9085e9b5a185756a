#pragma once
// CInfoThumbnailCtrl: the thumbnail page of the side panel. One row per page of the document on
// the board, in page order, with a placeholder until the page's thumbnail arrives. A click moves
// the board to the page; every page move of the board selects the page's row here and tells the
// board whether the page is a favourite.
#include <functional>
#include <string>

#include "platform/CString.h"
#include "platform/WorkQueue.h"
#include "screens/meeting/panels/PageStripCtrl.h"

class CMMPage;

class CInfoThumbnailCtrl : public CInfoPageStripCtrl {
public:
    enum : UINT { kControlId = 34870 };

    // Removes every row and picture.
    void ClearItems();
    // One placeholder row per page of a document of nTotal pages.
    void InitPages(int nTotal);
    // A page's thumbnail (encoded picture) and favourite flag; a page without picture bytes keeps
    // its placeholder. Pages beyond the rows change nothing. The favourite mark shows at once;
    // the thumbnail is rendered on a worker and shows when it arrives (for the rows of now: rows
    // made again meanwhile take nothing of it).
    void SetPageImage(int nPage, const BYTE* pData, size_t nSize, BOOL bFavorite);
    // The same from a page of the board's model ("Y" favourite, in any case).
    void SetPageImage(CMMPage* pPage, const CString& strIsFavorite);
    // Selects the board's current page (with bSelect); returns its row index.
    int SelectCurrentPage(BOOL bSelect);
    // The board moved to the page (1-based).
    void SelectPage(int nPage);
    // The page whose row the slide bar keeps in view (0: no rows).
    int GetSlidePage() const;
    // The page's favourite flag, as the rows show it.
    void SetItemImage(int nPage, BOOL bFavorite);
    BOOL IsPageFavorite(int nPage) const;
    void OnSyncStateChanged(int) {}
    // The page's rendered thumbnail, null while it has none.
    std::shared_ptr<S_PAGE_THUMB> GetThumb(int nPage) const { return ThumbOf(nPage); }
    int GetLastSelectedPage() const { return m_nLastSelectedPage; }
    // Told of each rendered thumbnail once the strip keeps it (the bookmarks show it too).
    using ThumbListener = std::function<void(int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb)>;
    void SetThumbListener(ThumbListener listener) { m_onThumb = std::move(listener); }
    // Thumbnails asked for and not yet rendered.
    size_t GetPendingThumbCount() { return m_renderer.PendingCount(); }

protected:
    BOOL IsRowFavorite(int nRow) const override;
    BOOL RepaintsFlatBar() const override { return FALSE; }
    void OnUserSelected(int nRow) override;

    afx_msg LRESULT OnThumbRendered(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void ApplyThumb(int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb, BOOL bFavorite, BOOL bHadBytes);
    // Renders the page's thumbnail from its encoded picture on the worker.
    void RenderLater(int nPage, std::string bytes);
    // The rows are made again: thumbnails under way belong to the rows before.
    void ForgetRendering();

    // Behind the board's decoder, whose pictures the user waits for.
    CWorkQueue m_renderer{THREAD_PRIORITY_BELOW_NORMAL};
    // Counts the times the rows were made; a rendered thumbnail names the count it was asked in.
    unsigned m_nRowsSerial = 0;
    ThumbListener m_onThumb;

    int m_nLastSelectedPage = 1;
    BOOL m_bHasPages = FALSE;
};
