#include "screens/meeting/panels/PanelEdge.h"

#include "ui/host/MainDlg.h"
#include "platform/Wnd.h"

namespace {

const int kBorder = 5;

CWnd* SizableMainWindow()
{
    IZELMainDlg* pMain = GetMainDlg();
    CWnd* pWnd = pMain ? pMain->GetWnd() : nullptr;
    if (!pWnd || !pWnd->GetSafeHwnd() || ::IsZoomed(pWnd->GetSafeHwnd()))
        return nullptr;
    return pWnd;
}

}  // namespace

int PanelEdgeHitTest(const CRect& R, CPoint P)
{
    const bool bBottom = P.y > R.bottom - kBorder && P.y <= R.bottom;
    if (bBottom && P.x > R.left + kBorder)
        return HTBOTTOM;
    if (bBottom && P.x < R.left + kBorder)
        return HTBOTTOMLEFT;
    if (P.x <= R.left + kBorder && P.y < R.bottom - kBorder)
        return HTLEFT;
    return HTNOWHERE;
}

BOOL PanelEdgeSetCursor(CWnd* pWnd)
{
    if (!SizableMainWindow())
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    pWnd->ScreenToClient(&pt);
    CRect rc;
    pWnd->GetClientRect(&rc);
    LPCWSTR pszCursor = nullptr;
    switch (PanelEdgeHitTest(rc, pt)) {
    case HTBOTTOM: pszCursor = IDC_SIZENS; break;
    case HTBOTTOMLEFT: pszCursor = IDC_SIZENESW; break;
    case HTLEFT: pszCursor = IDC_SIZEWE; break;
    default: return FALSE;
    }
    ::SetCursor(::LoadCursorW(nullptr, pszCursor));
    return TRUE;
}

void PanelEdgeButtonDown(CWnd* pWnd, CPoint ptClient)
{
    CWnd* pMain = SizableMainWindow();
    if (!pMain)
        return;
    CRect rc;
    pWnd->GetClientRect(&rc);
    const int nHit = PanelEdgeHitTest(rc, ptClient);
    if (nHit == HTNOWHERE)
        return;
    // The system's sizing loop reads the point in screen coordinates.
    CPoint ptScreen = ptClient;
    pWnd->ClientToScreen(&ptScreen);
    pMain->PostMessage(WM_NCLBUTTONDOWN, (WPARAM)nHit, MAKELPARAM(ptScreen.x, ptScreen.y));
}
