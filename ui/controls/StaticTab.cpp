#include "ui/controls/StaticTab.h"

#include "platform/ResourceHandle.h"

BEGIN_MESSAGE_MAP(CStaticTab, CStatic)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSEHOVER, &CStaticTab::OnMouseHover)
    ON_MESSAGE(WM_MOUSELEAVE, &CStaticTab::OnMouseLeave)
END_MESSAGE_MAP()

CStaticTab::~CStaticTab()
{
    if (m_hWnd) {
        HBITMAP shown = SetBitmap(nullptr);
        if (shown) ::DeleteObject(shown);
    }
}

void CStaticTab::SetTab(int* pCurrentTab, int nValue, UINT nSelected, UINT nNormal, UINT nHover)
{
    m_pCurrentTab = pCurrentTab;
    m_nValue = nValue;
    m_nSelected = nSelected;
    m_nNormal = nNormal;
    m_nHover = nHover;
}

void CStaticTab::ShowBitmap(UINT nId)
{
    HBITMAP bitmap = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nId));
    HBITMAP previous = SetBitmap(bitmap);
    if (previous && previous != bitmap)
        ::DeleteObject(previous);
    m_nShown = nId;
}

void CStaticTab::OnMouseMove(UINT nFlags, CPoint point)
{
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE, m_hWnd, 1};
    ::TrackMouseEvent(&tme);
    CStatic::OnMouseMove(nFlags, point);
}

LRESULT CStaticTab::OnMouseHover(WPARAM, LPARAM)
{
    if (m_pCurrentTab && *m_pCurrentTab != m_nValue)
        ShowBitmap(m_nHover);
    return Default();
}

LRESULT CStaticTab::OnMouseLeave(WPARAM, LPARAM)
{
    ShowBitmap(m_pCurrentTab && *m_pCurrentTab == m_nValue ? m_nSelected : m_nNormal);
    return 0;
}
