#pragma once
// CMyListWndBase: what the vertical and the horizontal owner-drawn lists share: the rows they
// own, the selected and hovered row, the list colours, the notifications to the parent, the
// wheel, line and arrow-key steps along the list's axis, and the plain window handling (no
// non-client area, no erasing, the arrow cursor, the arrow keys wanted).
#include "platform/List.h"
#include "platform/Pen.h"
#include "platform/Wnd.h"
#include "ui/skin/MyListItem.h"

class CMyListWndBase : public CWnd {
public:
    // nBar: SB_VERT for the vertical list, SB_HORZ for the horizontal one.
    explicit CMyListWndBase(int nBar) : m_nBar(nBar) {}
    ~CMyListWndBase() override;

    // The first row whose nIndex is the index, or null.
    virtual MYLIST_ITEM* FindItem(int nIndex);
    virtual void DeleteAll() = 0;
    virtual void Renumber();
    virtual void RedrawItem(int nPos);
    virtual void EnsureVisible(int nIndex) = 0;
    virtual void DrawBorder(CDC* pDC);
    virtual void GetScrollBarRect(RECT* pOut) = 0;

    void GetItemRect(RECT* pOut, int nIndex);
    void SetCurSel(int nPos);
    int GetCurSel() const { return m_nSelected; }
    int GetHotItem() const { return m_nHotItem; }
    int GetCount() const { return m_nCount; }
    void SetKeyNavigation(BOOL bKeyNav) { m_bKeyNav = bKeyNav; }
    static void FillFrame(CDC* pDC, CRect rc, int nWidth, COLORREF clr);
    void PreSubclassWindow() override;

    CList<MYLIST_ITEM*, MYLIST_ITEM*> m_Items;
    UINT m_nCtrlId = 0;
    int m_nCount = 0;
    int m_nSelected = -1;
    int m_nHotItem = -1;
    DWORD m_dwListStyle = 0;   // bit 0 check boxes, bit 1 separators
    bool m_bFocus = false;
    bool m_bTrackLeave = false;
    CPen m_penBar;
    bool m_bThumbDrag = false;
    POINT m_ptDrag = {0, 0};
    BOOL m_bKeyNav = FALSE;
    bool m_bAutoRecalc = true;
    COLORREF m_clrListBack = RGB(255, 255, 255);
    COLORREF m_clrHover = RGB(249, 250, 252);
    COLORREF m_clrSelected = RGB(238, 238, 238);
    COLORREF m_clrItem = RGB(255, 255, 255);
    COLORREF m_clrListBorder = RGB(200, 200, 200);
    int m_nBorderWidth = 0;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnDestroy();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    // Sends one notification to the parent and deletes it when the parent returns.
    void SendNotify(UINT nCode, int nIndex, const CString& strText, DWORD_PTR pItem, int nFlag, int nPos = 0,
                    int nObjectId = 0, SKIN_OBJECT* pObject = nullptr);
    MYLIST_ITEM* ItemAtPos(int nPos);
    int PosOfPoint(CPoint pt);
    // A click on a row (or on no row when pItem is null): notifies the parent, then selects the
    // row. Returns false when the parent destroyed the list while handling the notification.
    bool NotifyClick(int nPos, MYLIST_ITEM* pItem);
    // Arms leave tracking and moves the hovered row to the one under the point.
    void TrackHover(CPoint pt);
    // Fills a row by its state, draws the separator of style bit 1 and the row's text.
    void PaintRow(CDC* pDC, const CRect& rc, const MYLIST_ITEM* pItem, BOOL bSelected, COLORREF clrText);
    // Removes and deletes the row with that nIndex; the selection and hover keep their rows.
    MYLIST_ITEM* UnlinkItem(int nIndex, int& nRemovedPos);
    // The arrow keys: moves the selection by one row within the rows and notifies.
    void StepSelection(int nDelta);
    // Line and page steps of 50 pixels, limited at both ends.
    void StepScroll(bool bForward);
    void InvalidateScrollBar();

    int m_nBar;
};
