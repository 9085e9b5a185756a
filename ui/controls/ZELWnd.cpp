#include "ui/controls/ZELWnd.h"

#include "platform/WinApp.h"

IMPLEMENT_DYNAMIC(CZELWnd, CWnd)

BEGIN_MESSAGE_MAP(CZELWnd, CWnd)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CZELWnd::~CZELWnd() = default;

BOOL CZELWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
        // The main window's own handler, run at once (not queued), as a menu choice would.
        if (CWnd* pMain = AfxGetMainWnd())
            pMain->SendMessage(WM_COMMAND, MAKEWPARAM(ZEL_CMD_HIDE_WINDOW, 0), 0);
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

LRESULT CZELWnd::OnNcHitTest(CPoint point)
{
    return CWnd::OnNcHitTest(point);
}
