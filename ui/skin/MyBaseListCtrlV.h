#pragma once
// CMyBaseListCtrlV: the client's own vertical list window: rows of different heights painted
// through an off-screen bitmap, a 12-pixel scroll bar of its own inside the client area, the
// mouse wheel, thumb dragging, arrow-key selection, check boxes and separators, and
// notifications (MYLIST_NOTIFY) to its parent.
#include "ui/skin/DataObjectList.h"
#include "ui/skin/MyListWndBase.h"
#include "ui/skin/SkinFont.h"

namespace Gdiplus {
class Image;
}

class CMyBaseListCtrlV : public CMyListWndBase {
public:
    CMyBaseListCtrlV();
    ~CMyBaseListCtrlV() override = default;

    BOOL Create(CWnd* pParent, CRect rect, UINT nId, DWORD dwStyle);

    // Rows.
    virtual void DrawScrollBar(CDC* pDC, RECT* pBar);
    virtual void DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected);
    // Takes the row (the list deletes it); height 0 measures it. Returns its position.
    virtual int InsertItem(MYLIST_ITEM* pItem, int nHeight, POSITION posAfter = nullptr);
    void DeleteAll() override;
    virtual BOOL DeleteItem(int nIndex);
    virtual int MeasureItem(MYLIST_ITEM* pItem, int nWidth);
    virtual int RecalcHeights();
    virtual int GetTotalHeight();
    virtual void OnReserved(int) {}

    void EnsureVisible(int nIndex) override;
    void ScrollToItem(int nIndex);
    void PageUp();
    void PageDown();
    void RecalcScrollBar();
    void UpdateScrollRange();
    BOOL IsScrollBarNeeded();
    void GetItemArea(RECT* pOut);
    void GetScrollBarRect(RECT* pOut) override;
    DWORD GetListStyle() const { return m_dwListStyle; }
    void SetListStyle(DWORD dwStyle);
    void SetAutoRecalc(BOOL bAuto);

    // The thumb (100) or the whole track (101).
    CRect GetScrollPart(int nPart);
    int HitTestScrollBar(int x, int y);

    // Multi-selection storage of the derived lists.
    void AddToSelection(MYLIST_ITEM* pItem);
    bool RemoveFromSelection(MYLIST_ITEM* pItem);
    bool IsItemSelected(MYLIST_ITEM* pItem) const;
    void ClearSelection();
    void SelectRange(MYLIST_ITEM* a, MYLIST_ITEM* b);

    // Template objects placed inside every row, and the trackers that give them mouse states.
    void SetTemplateRect(int l, int t, int r, int b);
    void AddTemplateObject(int l, int t, int r, int b, int nId);
    void AddTemplateObjectFrom(const SKIN_OBJECT* pObject, int nId);
    void TrackTemplateHover(CPoint pt);
    void TrackTemplatePress(CPoint pt);
    void TrackTemplateRelease(CPoint pt);

    // Drawing for derived lists.
    void DrawFontText(CDC* pDC, CRect rc, const CString& strText, SKIN_FONT* pFont, UINT nFormat);
    void DrawImage(CDC* pDC, CRect rc, Gdiplus::Image* pImage);
    void DrawStateImage(CDC* pDC, CRect rc, Gdiplus::Image* pImage, int nState);
    void DrawStateImage2(CDC* pDC, CRect rc, Gdiplus::Image* pImage, int nState) { DrawStateImage(pDC, rc, pImage, nState); }
    void FillCircle(CDC* pDC, int cx, int cy, COLORREF clr, int nRadius);
    void FillEllipse(CDC* pDC, CRect rc, COLORREF clr);
    CString EllipsisText(CDC* pDC, const CString& strText, CRect rc);


    // Members the derived lists use.
    CDataObjectList m_TemplateObjects;
    CRect m_rcTemplate;
    bool m_bBarCapture = false;
    CPtrList m_SelectedItems;
    MYLIST_ITEM* m_pLastClicked = nullptr;
    MYLIST_ITEM* m_pRangeFirst = nullptr;
    MYLIST_ITEM* m_pRangeLast = nullptr;
    int m_nTotalHeight = 0;
    int m_nItemWidth = 0;
    int m_nPageHeight = 0;
    CFont m_fontList;
    bool m_bMultiSelActive = false;
    bool m_bOverBar = false;
    int m_nDragStartPos = 0;
    SCROLLINFO m_si = {};
    BOOL m_bLButtonDown = FALSE;
    BOOL m_bRButtonDown = FALSE;
    COLORREF m_clrBarPen = RGB(230, 230, 230);
    SKIN_FONT m_skinFont;
    int m_nTopOffset = 0;
    BOOL m_bForceScrollBar = FALSE;
    int m_nItemPadding = 5;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    void PaintScrollBar(CDC* pDC);
    void DragThumbTo(int x, int y);
    void SetRangeAndPage();
};
