#include "ui/skin/MyMemDC.h"

CMyMemDC::CMyMemDC(CDC* pDC, COLORREF clrBack, const RECT* pRect) : m_pDC(pDC), m_bMemDC(!pDC->IsPrinting())
{
    if (pRect)
        m_rect = *pRect;
    else
        pDC->GetClipBox(&m_rect);
    if (m_bMemDC) {
        CreateCompatibleDC(pDC);
        // The surface is sized in pixels and follows the target's mapping (mode and extents),
        // so callers draw in the target's logical coordinates whatever its scale.
        CRect device = m_rect;
        pDC->LPtoDP(&device);
        device.NormalizeRect();
        m_bitmap.CreateCompatibleBitmap(pDC, device.Width(), device.Height());
        m_pOldBitmap = SelectObject(&m_bitmap);
        SetMapMode(pDC->GetMapMode());
        SetWindowExt(pDC->GetWindowExt());
        SetViewportExt(pDC->GetViewportExt());
        SetWindowOrg(m_rect.left, m_rect.top);
    } else {
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
    }
    FillSolidRect(&m_rect, clrBack);
}

CMyMemDC::~CMyMemDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
        SelectObject(m_pOldBitmap);
    } else {
        // The handles are the target's: it releases them.
        m_hDC = m_hAttribDC = nullptr;
    }
}
