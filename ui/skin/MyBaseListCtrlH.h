#pragma once
// CMyBaseListCtrlH: the horizontal twin of the vertical owner-drawn list: rows laid out from
// left to right, each as wide as its width, with a 12-pixel scroll bar of its own along the
// bottom.
#include "platform/List.h"
#include "platform/Pen.h"
#include "platform/Wnd.h"
#include "ui/skin/MyListItem.h"
#include "ui/skin/SkinFont.h"

namespace Gdiplus {
class Image;
}

class CMyBaseListCtrlH : public CWnd {
public:
    CMyBaseListCtrlH();
    ~CMyBaseListCtrlH() override;

    BOOL Create(CWnd* pParent, CRect rect, UINT nId, DWORD dwStyle);

    virtual MYLIST_ITEM* FindSameItem(const MYLIST_ITEM* pItem);
    virtual MYLIST_ITEM* FindItem(int nIndex);
    virtual void DrawScrollBar(CDC* pDC, RECT* pBar);
    virtual void DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected);
    // Takes the row (the list deletes it); width 0 measures it. Returns its position.
    virtual int AddItem(MYLIST_ITEM* pItem, int nWidth);
    virtual int AddItemAtHead(MYLIST_ITEM* pItem, int nWidth);
    virtual void DeleteAll();
    virtual BOOL DeleteItem(int nIndex);
    virtual void Renumber();
    virtual void EnsureVisible(int nIndex);
    virtual void RedrawItem(int nPos);
    virtual int MeasureItem(MYLIST_ITEM* pItem, int nHeight);
    virtual int RecalcWidths();
    virtual int GetTotalWidth();
    virtual void OnReserved(int) {}
    virtual void DrawBorder(CDC* pDC);

    void GetItemRect(RECT* pOut, int nIndex);
    void SetCurSel(int nPos);
    int GetCurSel() const { return m_nSelected; }
    DWORD GetListStyle() const { return m_dwListStyle; }
    void SetListStyle(DWORD dwStyle);
    void SetAutoRecalc(BOOL bAuto);
    void PageLeft();
    void PageRight();
    BOOL IsScrollBarNeeded();
    void RecalcScrollBar();
    void UpdateScrollRange();
    void GetItemArea(RECT* pOut);
    void GetScrollBarRect(RECT* pOut);
    void DrawImage(CDC* pDC, CRect rc, Gdiplus::Image* pImage);
    static void FillFrame(CDC* pDC, CRect rc, int nWidth, COLORREF clr);
    CRect GetThumbRect();

    void PreSubclassWindow() override;

    CList<MYLIST_ITEM*, MYLIST_ITEM*> m_Items;
    UINT m_nCtrlId = 0;
    int m_nTotalWidth = 0;
    int m_nCount = 0;
    int m_nItemHeight = 0;
    int m_nPageWidth = 0;
    CFont* m_pFont = nullptr;
    int m_nSelected = -1;
    int m_nHotItem = -1;
    DWORD m_dwListStyle = 0;
    bool m_bFocus = false;
    bool m_bTrackLeave = false;
    CPen m_penBar;
    bool m_bThumbDrag = false;
    POINT m_ptDrag = {0, 0};
    BOOL m_bKeyNav = FALSE;
    bool m_bAutoRecalc = true;
    COLORREF m_clrListBack = RGB(0, 0, 0);
    COLORREF m_clrHover = RGB(249, 250, 252);
    COLORREF m_clrSelected = RGB(238, 238, 238);
    COLORREF m_clrItem = RGB(0, 0, 0);
    COLORREF m_clrListBorder = RGB(200, 200, 200);
    int m_nBorderWidth = 0;
    COLORREF m_clrBarBack = RGB(240, 240, 240);
    int m_nLeftOffset = 0;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnDestroy();
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    void SetRangeAndPage();
    void ScrollTo(int nPos);
    void InvalidateScrollBar();
    MYLIST_ITEM* ItemAtPos(int nPos);
    int PosOfPoint(CPoint pt);
    int Insert(MYLIST_ITEM* pItem, int nWidth, bool bAtHead);
};
