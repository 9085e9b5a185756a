#pragma once
// The viewer's list: grid lines and whole-row selection, and a drawing of its own for lists
// created owner-drawn.
#include "tools/logviewer/ColWidthSaveListCtrl.h"

class CMyListCtrl : public CColWidthSaveListCtrl {
public:
    // How far a selected row is highlighted.
    enum { HIGHLIGHT_LABEL = 0, HIGHLIGHT_ROW = 1, HIGHLIGHT_CLIENT = 2 };

    CMyListCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) { return CColWidthSaveListCtrl::Create(dwStyle, rect, pParentWnd, nID); }

    void SetHighlightMode(int nMode) { m_nHighlight = nMode; }
    void SetBackgroundColor(COLORREF clr) { m_clrBkgnd = clr; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    CRect HighlightRect(int nItem, const CRect& rcRow) const;

    int m_nHighlight = HIGHLIGHT_ROW;
    COLORREF m_clrBkgnd = ::GetSysColor(COLOR_WINDOW);
};
