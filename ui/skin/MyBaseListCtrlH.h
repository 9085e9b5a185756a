#pragma once
// CMyBaseListCtrlH: the horizontal twin of the vertical owner-drawn list: rows laid out from
// left to right, each as wide as its width, with a 12-pixel scroll bar of its own along the
// bottom.
#include "ui/skin/MyListWndBase.h"
#include "ui/skin/SkinFont.h"

namespace Gdiplus {
class Image;
}

class CMyBaseListCtrlH : public CMyListWndBase {
public:
    CMyBaseListCtrlH();
    ~CMyBaseListCtrlH() override = default;

    BOOL Create(CWnd* pParent, CRect rect, UINT nId, DWORD dwStyle);

    virtual MYLIST_ITEM* FindSameItem(const MYLIST_ITEM* pItem);
    virtual void DrawScrollBar(CDC* pDC, RECT* pBar);
    virtual void DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected);
    // Takes the row (the list deletes it); width 0 measures it. Returns its position.
    virtual int AddItem(MYLIST_ITEM* pItem, int nWidth);
    virtual int AddItemAtHead(MYLIST_ITEM* pItem, int nWidth);
    void DeleteAll() override;
    virtual BOOL DeleteItem(int nIndex);
    void EnsureVisible(int nIndex) override;
    virtual int MeasureItem(MYLIST_ITEM* pItem, int nHeight);
    virtual int RecalcWidths();
    virtual int GetTotalWidth();
    virtual void OnReserved(int) {}

    DWORD GetListStyle() const { return m_dwListStyle; }
    void SetListStyle(DWORD dwStyle);
    void SetAutoRecalc(BOOL bAuto);
    void PageLeft();
    void PageRight();
    BOOL IsScrollBarNeeded();
    void RecalcScrollBar();
    void UpdateScrollRange();
    void GetItemArea(RECT* pOut);
    void GetScrollBarRect(RECT* pOut) override;
    void DrawImage(CDC* pDC, CRect rc, Gdiplus::Image* pImage);
    CRect GetThumbRect();


    int m_nTotalWidth = 0;
    int m_nItemHeight = 0;
    int m_nPageWidth = 0;
    CFont* m_pFont = nullptr;
    COLORREF m_clrBarBack = RGB(240, 240, 240);
    int m_nLeftOffset = 0;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    void SetRangeAndPage();
    void ScrollTo(int nPos);
    int Insert(MYLIST_ITEM* pItem, int nWidth, bool bAtHead);
};
