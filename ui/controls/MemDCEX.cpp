#include "ui/controls/MemDCEX.h"

CMemDCEX::CMemDCEX(CDC* pDC, const CRect* pRect) : m_pDC(pDC), m_rect(*pRect)
{
    CreateCompatibleDC(pDC);
    m_pBitmap = new CBitmap;
    m_pBitmap->CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
    m_pOldBitmap = SelectObject(m_pBitmap);
}

CMemDCEX::~CMemDCEX()
{
    ReleaseSurface();
}

void CMemDCEX::ReleaseSurface()
{
    if (!m_pBitmap)
        return;
    SelectObject(m_pOldBitmap);
    delete m_pBitmap;
    m_pBitmap = nullptr;
}

int CMemDCEX::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    CRect rc(*lpRect);
    rc.OffsetRect(-m_rect.left, -m_rect.top);
    return CDC::DrawText(lpszString, nCount, &rc, nFormat);
}

void CMemDCEX::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    CRect rc(*lpRect);
    rc.OffsetRect(-m_rect.left, -m_rect.top);
    CDC::FillSolidRect(&rc, clr);
}

void CMemDCEX::Flush(DWORD dwRop)
{
    if (!m_pBitmap)
        return;
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, 0, 0, dwRop);
    ReleaseSurface();
}
