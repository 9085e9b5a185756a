#pragma once
// CInfoPageStripCtrl: what the thumbnail strip and the bookmark strip of the side panel share. A
// narrow owner-drawn list (one row per page: thumbnail, page number, favourite mark) beside the
// thumbnail scroll bar, the scroll bar's layout and its following of the selected row, the wheel,
// and the click filter while another user presents and this one follows the pages.
//
// Rows: the row's text is its page number; the pictures are kept by page number, so that sorting
// or inserting rows never separates a row from its picture. A selection made by the program
// (following the board) never reports back to the board; only the user's does.
#include <map>
#include <memory>
#include <vector>

#include "platform/ListCtrl.h"
#include "screens/meeting/panels/PageThumbnail.h"
#include "ui/controls/ZELScrollBar.h"
#include "ui/controls/ZELWnd.h"

class CInfoPageStripCtrl;

// The strip's list: no native scroll bars, no left/right keys, wheel and pointer moves shown to
// the strip first, and rows drawn by the strip.
class CInfoPageListCtrl : public CListCtrl {
public:
    explicit CInfoPageListCtrl(CInfoPageStripCtrl* pStrip) : m_pStrip(pStrip) {}
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CInfoPageStripCtrl* m_pStrip;
};

class CInfoPageStripCtrl : public CZELWnd {
public:
    enum : UINT { ID_LIST = 32897, ID_SCROLLBAR = 4000 };
    static const COLORREF kBackColor;   // RGB(233, 233, 241)
    static constexpr int kRowHeight = 105;

    CInfoPageStripCtrl();
    ~CInfoPageStripCtrl() override;

    BOOL Create(CWnd* pParent, const CRect& rc, UINT nId, DWORD dwStyle);

    // The pages of the rows, top to bottom.
    std::vector<int> GetRowPages() const;
    int GetSelectedRow() const;
    int FindRow(int nPage) const;
    BOOL HasPage(int nPage) const { return FindRow(nPage) >= 0; }
    CInfoPageListCtrl* GetList() const { return m_pList.get(); }
    CThumbnailScrollBar* GetScrollBar() const { return m_pScrollBar.get(); }
    int GetBoxWidth() const { return m_nBoxWidth; }
    int GetVisibleRows() const { return m_nVisibleRows; }

    void UpdateScrollBar();
    void ScrollToItem(int nIndex);
    void DrawRow(LPDRAWITEMSTRUCT lpDrawItemStruct);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The strips differ in these.
    virtual BOOL IsRowFavorite(int nRow) const = 0;
    virtual BOOL DrawsEmptyText() const { return FALSE; }
    virtual BOOL RepaintsFlatBar() const { return TRUE; }
    virtual void OnUserSelected(int nRow) = 0;

    // Selects (and focuses) the row without telling the board; -1 clears the selection.
    void SelectRowQuietly(int nRow, BOOL bFocus);
    // The page a row shows and its picture (null: none yet).
    int RowPage(int nRow) const;
    std::shared_ptr<S_PAGE_THUMB> ThumbOf(int nPage) const;
    void KeepThumb(int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb);
    void DropThumb(int nPage) { m_thumbs.erase(nPage); }
    void DropAllThumbs() { m_thumbs.clear(); }
    void DrawEmptyText(CDC* pDC);
    // The board layer's window (from the main dialog).
    static HWND BoardWindow();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnItemChanged(NMHDR* pNotify, LRESULT* pResult);
    afx_msg LRESULT OnScrollBarPos(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::unique_ptr<CInfoPageListCtrl> m_pList;
    std::unique_ptr<CThumbnailScrollBar> m_pScrollBar;
    CImageList m_rowHeight;     // sets the rows' height where the list asks no one
    int m_nBoxWidth = 150;
    int m_nBoxHeight = 105;
    int m_nRowCount = 1;
    int m_nScrollTarget = 1;
    int m_nVisibleRows = 0;
    int m_nListWidth = 269;
    BOOL m_bSelecting = FALSE;

private:
    std::map<int, std::shared_ptr<S_PAGE_THUMB>> m_thumbs;
};
