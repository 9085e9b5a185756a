#include "whiteboard/canvas/CanvasView.h"

#include <algorithm>

void CCanvasView::SetZoom(float zoom)
{
    if (zoom == 0.0f) {
        m_bFit = TRUE;
        m_nFitType = 0;
        m_fZoom = 1.0f;  // until laid out
    } else if (zoom == -1.0f) {
        m_bFit = TRUE;
        m_nFitType = 1;
    } else {
        m_bFit = FALSE;
        m_fZoom = zoom;
    }
}

BOOL CCanvasView::IsPageInsideClient() const
{
    return m_rcPage.left >= 0 && m_rcPage.top >= 0 && m_rcPage.right <= m_cx && m_rcPage.bottom <= m_cy;
}

void CCanvasView::PlacePageCentred(int width, int height)
{
    m_rcPage.left = m_cx / 2 - width / 2;
    m_rcPage.top = m_cy / 2 - height / 2;
    m_rcPage.right = m_rcPage.left + width;
    m_rcPage.bottom = m_rcPage.top + height;
}

void CCanvasView::ClampAxis(LONG& lo, LONG& hi, int size, int client, LONG centredLo) const
{
    if (size < client) {
        lo = centredLo;
    } else {
        if (lo > kMargin)
            lo = kMargin;
        if (lo + size < client - kMargin)
            lo = client - kMargin - size;
    }
    hi = lo + size;
}

void CCanvasView::PlaceAroundOrigin()
{
    const int width = m_rcPage.right - m_rcPage.left;
    const int height = m_rcPage.bottom - m_rcPage.top;
    const LONG centredLeft = m_rcPage.left, centredTop = m_rcPage.top;
    const POINT originOnScreen = PageToScreen(Gdiplus::PointF((float)m_ptOrigin.x, (float)m_ptOrigin.y));
    OffsetRect(&m_rcPage, m_cx / 2 - originOnScreen.x, m_cy / 2 - originOnScreen.y);
    ClampAxis(m_rcPage.left, m_rcPage.right, width, m_cx, centredLeft);
    ClampAxis(m_rcPage.top, m_rcPage.bottom, height, m_cy, centredTop);
}

BOOL CCanvasView::RecalcLayout()
{
    if (!HasImage()) {
        m_szImage.cx = m_szImage.cy = 0;
        return FALSE;
    }
    const float iw = (float)m_szImage.cx, ih = (float)m_szImage.cy;
    if (m_bFit) {
        if (m_nFitType == 0)
            m_fZoom = std::min((m_cx - 10) / iw, (m_cy - 10) / ih);
        else
            m_fZoom = std::max((m_cx - 78) / iw, (m_cy - 78) / ih);
        if (m_fZoom <= 0.0f)
            m_fZoom = 0.01f;  // a client area smaller than the margins
    }
    PlacePageCentred((int)(iw * m_fZoom), (int)(ih * m_fZoom));
    if (m_ptOrigin.x != 0 || m_ptOrigin.y != 0) {
        if (!IsPageInsideClient())
            PlaceAroundOrigin();
        const POINT centre = {m_cx / 2, m_cy / 2};
        m_ptOrigin = ScreenToPageInt(centre);
    }
    return TRUE;
}

void CCanvasView::AlignPageAfterMove()
{
    const int width = m_rcPage.right - m_rcPage.left;
    const int height = m_rcPage.bottom - m_rcPage.top;
    const BOOL wider = width > m_cx, taller = height > m_cy;
    PlacePageCentred(width, height);
    POINT at = {m_cx / 2, m_cy / 2};
    if (!m_bFit && (wider || taller)) {
        if (wider) {
            OffsetRect(&m_rcPage, kMargin - m_rcPage.left, 0);
            at.x = kMargin;
        }
        if (taller) {
            OffsetRect(&m_rcPage, 0, kMargin - m_rcPage.top);
            at.y = kMargin;
        }
    }
    m_ptOrigin = ScreenToPageInt(at);
}

BOOL CCanvasView::PanBy(POINT from, POINT to)
{
    if (IsPageInsideClient())
        return FALSE;
    const int width = m_rcPage.right - m_rcPage.left;
    const int height = m_rcPage.bottom - m_rcPage.top;
    LONG left = m_rcPage.left + (to.x - from.x);
    LONG top = m_rcPage.top + (to.y - from.y);
    if (left > 0)
        left = width < m_cx ? m_rcPage.left : kMargin;
    if (top > 0)
        top = height < m_cy ? m_rcPage.top : kMargin;
    if (left + width < m_cx)
        left = width < m_cx ? m_rcPage.left : m_cx - width - kMargin;
    if (top + height < m_cy)
        top = height < m_cy ? m_rcPage.top : m_cy - height - kMargin;
    OffsetRect(&m_rcPage, left - m_rcPage.left, top - m_rcPage.top);
    const POINT centre = {m_cx / 2, m_cy / 2};
    m_ptOrigin = ScreenToPageInt(centre);
    return TRUE;
}

void CCanvasView::ApplyPinchZoom(float zoom)
{
    if (!HasImage() || zoom <= 0.0f)
        return;
    m_fZoom = zoom;
    PlacePageCentred((int)(m_szImage.cx * zoom), (int)(m_szImage.cy * zoom));
    if (m_ptOrigin.x != 0 || m_ptOrigin.y != 0) {
        if (IsPageInsideClient()) {
            m_bFit = TRUE;
        } else {
            PlaceAroundOrigin();
            m_bFit = FALSE;
        }
        const POINT centre = {m_cx / 2, m_cy / 2};
        m_ptOrigin = ScreenToPageInt(centre);
    }
}

Gdiplus::PointF CCanvasView::ScreenToPage(POINT pt) const
{
    const float scale = 1.0f / m_fZoom;
    return Gdiplus::PointF((pt.x - m_rcPage.left) * scale, (pt.y - m_rcPage.top) * scale);
}

POINT CCanvasView::ScreenToPageInt(POINT pt) const
{
    const Gdiplus::PointF p = ScreenToPage(pt);
    return POINT{(LONG)p.X, (LONG)p.Y};
}

POINT CCanvasView::PageToScreen(const Gdiplus::PointF& pt) const
{
    return POINT{(LONG)(m_rcPage.left + pt.X * m_fZoom), (LONG)(m_rcPage.top + pt.Y * m_fZoom)};
}

float CCanvasView::WheelZoom(float current, BOOL zoomIn)
{
    if (zoomIn)
        return std::max(current, std::min(current * 1.1f, 5.0f));
    return std::min(current, std::max(current * 0.9f, 0.9f));
}
