#pragma once
// CInfoHideCtrl: the side panel collapsed to a narrow handle with one button that expands it.
#include "ui/controls/ZELWnd.h"
#include "ui/controls/xSkinButton.h"

class CInfoLayer;

class CInfoHideCtrl : public CZELWnd {
public:
    enum : UINT { kControlId = 34820, ID_EXPAND = 34830 };

    explicit CInfoHideCtrl(CInfoLayer* pLayer) : m_pLayer(pLayer) {}
    BOOL Create(CWnd* pParent, const CRect& rc);
    CxSkinButton& GetExpandButton() { return m_btnExpand; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnExpand();
    DECLARE_MESSAGE_MAP()

private:
    CInfoLayer* m_pLayer;
    CxSkinButton m_btnExpand;
};

// The panel's two bands: white under the tab bar, the pages' colour below.
void PaintInfoLayerBands(CDC* pDC, const CRect& rc);
