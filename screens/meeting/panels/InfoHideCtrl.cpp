#include "screens/meeting/panels/InfoHideCtrl.h"

#include "platform/DC.h"
#include "resources/resource.h"
#include "screens/meeting/panels/InfoLayer.h"
#include "screens/meeting/panels/PanelEdge.h"

void PaintInfoLayerBands(CDC* pDC, const CRect& rc)
{
    CRect top = rc;
    top.bottom = rc.top + 40;
    pDC->FillSolidRect(&top, RGB(255, 255, 255));
    CRect rest = rc;
    rest.top = top.bottom;
    if (rest.bottom > rest.top)
        pDC->FillSolidRect(&rest, RGB(233, 233, 241));
}

BEGIN_MESSAGE_MAP(CInfoHideCtrl, CZELWnd)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(ID_EXPAND, &CInfoHideCtrl::OnExpand)
END_MESSAGE_MAP()

BOOL CInfoHideCtrl::Create(CWnd* pParent, const CRect& rc)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_CLIPCHILDREN, rc, pParent, kControlId);
}

int CInfoHideCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZELWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_btnExpand.Create(L"", WS_CHILD | WS_VISIBLE | BS_BITMAP, CRect(6, 9, 23, 30), this, ID_EXPAND);
    m_btnExpand.SetSkin(IDB_PANE_EXPANDED, IDB_PANE_EXPANDED_DOWN, IDB_PANE_EXPANDED_HOVER,
                        IDB_PANE_EXPANDED_DISABLED, IDB_PANE_EXPANDED, 0, 0, 0, 0);
    return 0;
}

BOOL CInfoHideCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    PaintInfoLayerBands(pDC, rc);
    return TRUE;
}

BOOL CInfoHideCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (PanelEdgeSetCursor(this))
        return TRUE;
    return CZELWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CInfoHideCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    PanelEdgeButtonDown(this, point);
    CZELWnd::OnLButtonDown(nFlags, point);
}

void CInfoHideCtrl::OnExpand()
{
    if (m_pLayer)
        m_pLayer->ShowPanel(TRUE, TRUE);
}
