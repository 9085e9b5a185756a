#include "ui/controls/ZELContainerWnd.h"

#include "core/ClientMessages.h"
#include "core/DrawHelpers.h"
#include "platform/WinApp.h"
#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CZELContainerWnd, CZELWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_BN_CLICKED(CZELContainerWnd::ID_TOGGLE, &CZELContainerWnd::OnToggleClicked)
    ON_BN_CLICKED(CZELContainerWnd::ID_OPTION, &CZELContainerWnd::OnOptionClicked)
END_MESSAGE_MAP()

int CZELContainerWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZELWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bmpBack.LoadBitmap(IDB_PANE_BACK);
    m_btnToggle.Create(L"", WS_CHILD | WS_VISIBLE | BS_BITMAP, CRect(8, 9, 25, 30), this, ID_TOGGLE);
    SkinToggle();
    CRect client;
    GetClientRect(&client);
    m_btnOption.Create(L"", WS_CHILD | WS_VISIBLE | BS_BITMAP, CRect(client.right - 68, 5, client.right - 8, 28), this,
                       ID_OPTION);
    UpdateOptionButton(0);
    m_btnOption.EnableWindow(FALSE);
    m_btnOption.ShowWindow(SW_HIDE);
    if (IsMeetingEnded())
        m_btnToggle.EnableWindow(FALSE);
    return 0;
}

void CZELContainerWnd::SkinToggle()
{
    if (m_bCollapsed)
        m_btnToggle.SetSkin(IDB_PANE_COLLAPSED, IDB_PANE_COLLAPSED_DOWN, IDB_PANE_COLLAPSED_HOVER,
                            IDB_PANE_COLLAPSED_DISABLED, IDB_PANE_COLLAPSED, 0, 0, 0, 0);
    else
        m_btnToggle.SetSkin(IDB_PANE_EXPANDED, IDB_PANE_EXPANDED_DOWN, IDB_PANE_EXPANDED_HOVER,
                            IDB_PANE_EXPANDED_DISABLED, IDB_PANE_EXPANDED, 0, 0, 0, 0);
}

void CZELContainerWnd::OnToggle()
{
    m_bCollapsed = m_bCollapsed ? 0 : 1;
    SkinToggle();
    ::SendMessageW(::GetParent(m_hWnd), WM_CONTAINER_TOGGLED, 0, 0);
    if (!m_bCollapsed)
        StopChatBlink();
}

void CZELContainerWnd::OnToggleClicked()
{
    OnToggle();
}

void CZELContainerWnd::UpdateOptionButton(int bFlag)
{
    if (bFlag)
        m_btnOption.SetSkin(IDB_PANE_OPTION_ON, IDB_PANE_OPTION_ON_DOWN, IDB_PANE_OPTION_ON_HOVER,
                            IDB_PANE_OPTION_ON_DISABLED, IDB_PANE_OPTION_ON, 0, 0, 0, 0);
    else
        m_btnOption.SetSkin(IDB_PANE_OPTION_OFF, IDB_PANE_OPTION_OFF_DOWN, IDB_PANE_OPTION_OFF_HOVER,
                            IDB_PANE_OPTION_OFF_DISABLED, IDB_PANE_OPTION_OFF, 0, 0, 0, 0);
    m_btnOption.ShowWindow(SW_HIDE);
    m_btnOption.Invalidate(TRUE);
    m_btnToggle.EnableWindow(!IsMeetingEnded());
}

void CZELContainerWnd::OnOptionClicked()
{
    m_bOption = m_bOption ? 0 : 1;
    UpdateOptionButton(m_bOption);
    ::SendMessageW(::GetParent(m_hWnd), WM_CONTAINER_OPTION, m_bOption ? 1 : 0, 0);
}

BOOL CZELContainerWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect r;
    GetClientRect(&r);
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    if (m_bmpBack.GetSafeHandle()) {
        CBitmap* old = mem.SelectObject(&m_bmpBack);
        pDC->BitBlt(0, 0, r.Width(), r.Height(), &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
    }
    const int H = 40;
    if (!m_bCollapsed) {
        CBitmap top, body, foot;
        top.LoadBitmap(IDB_PANE_TOP_LINE);
        body.LoadBitmap(IDB_PANE_BODY);
        foot.LoadBitmap(IDB_PANE_FOOT);
        CBitmap* old = mem.SelectObject(&top);
        pDC->BitBlt(0, 28, r.Width(), 2, &mem, 0, 0, SRCCOPY);
        mem.SelectObject(&body);
        pDC->StretchBlt(0, 29, r.Width(), r.Height() - 70, &mem, 0, 0, 283, 1, SRCCOPY);
        mem.SelectObject(&foot);
        pDC->BitBlt(0, r.Height() - 70, 283, 70, &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
        pDC->FillSolidRect(0, 0, r.right, H, RGB(255, 255, 255));
        CRect title(29, 11, 100, 32);
        DrawTextWithFont(pDC, &title, m_strTitle, 0x333333, 0, TRUE, 10, DT_LEFT | DT_TOP, 1);
    } else {
        pDC->FillSolidRect(0, 0, r.right, H, RGB(255, 255, 255));
        pDC->FillSolidRect(0, H, r.right, r.bottom - H, 0xF1E9E9);
    }
    return FALSE;
}

void CZELContainerWnd::OnPaint()
{
    CPaintDC dc(this);   // everything is drawn by the background
}

BOOL CZELContainerWnd::IsMainMaximised()
{
    CWnd* pMain = AfxGetMainWnd();
    return pMain && ::IsWindow(pMain->GetSafeHwnd()) && ::IsZoomed(pMain->GetSafeHwnd());
}

LRESULT CZELContainerWnd::EdgeHitCode(CPoint p, const CRect& r)
{
    if (r.bottom - 5 < p.y && p.y <= r.bottom && p.x <= r.right - 5)
        return HTBOTTOM;
    if (r.right - 5 < p.x && p.x <= r.right && r.top - 5 < p.y && p.y < r.bottom - 5)
        return HTRIGHT;
    if (r.right - 5 < p.x && p.x <= r.right && r.bottom - 5 < p.y && p.y <= r.bottom)
        return HTBOTTOMRIGHT;
    return HTNOWHERE;
}

LPCTSTR CZELContainerWnd::EdgeCursor(CPoint p, const CRect& r)
{
    if (r.bottom - 5 < p.y && p.y <= r.bottom && p.x <= r.right - 5)
        return IDC_SIZENS;
    if (r.right - 2 < p.x && p.x <= r.right && r.top - 2 < p.y && p.y < r.bottom - 2)
        return IDC_SIZEWE;
    if (r.right - 5 < p.x && p.x <= r.right && r.bottom - 5 < p.y && p.y <= r.bottom)
        return IDC_SIZENWSE;
    return nullptr;
}

BOOL CZELContainerWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (!IsMainMaximised()) {
        CPoint p;
        ::GetCursorPos(&p);
        ScreenToClient(&p);
        CRect r;
        GetClientRect(&r);
        if (LPCTSTR cursor = EdgeCursor(p, r)) {
            ::SetCursor(::LoadCursorW(nullptr, cursor));
            return TRUE;
        }
    }
    return CZELWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CZELContainerWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_nLastEdgeHit = HTNOWHERE;
    if (!IsMainMaximised()) {
        CRect r;
        GetClientRect(&r);
        // The resize itself needs a window that takes WM_NCLBUTTONDOWN for the pane; none is
        // bound, so the pane only keeps the code.
        m_nLastEdgeHit = EdgeHitCode(point, r);
    }
    CZELWnd::OnLButtonDown(nFlags, point);
}
