#include "platform/ScrollView.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = { 0, 0 };

namespace {

CSize ToDevice(int mapMode, SIZE size)
{
    if (mapMode == MM_TEXT) return CSize(size.cx, size.cy);
    HDC screen = ::GetDC(nullptr);
    ::SetMapMode(screen, mapMode);
    POINT points[2] = { { 0, 0 }, { size.cx, size.cy } };
    ::LPtoDP(screen, points, 2);
    ::ReleaseDC(nullptr, screen);
    return CSize(abs(points[1].x - points[0].x), abs(points[1].y - points[0].y));
}

} // namespace

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = ToDevice(nMapMode, sizeTotal);
    m_pageDev = ToDevice(nMapMode, sizePage);
    m_lineDev = ToDevice(nMapMode, sizeLine);
    if (m_pageDev.cx == 0) m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0) m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0) m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0) m_lineDev.cy = m_pageDev.cy / 10;
    if (m_hWnd) {
        UpdateBars();
        Invalidate();
    }
}

CSize CScrollView::MaxPosition() const
{
    CRect client;
    GetClientRect(&client);
    return CSize(std::max(0L, m_totalDev.cx - client.Width()), std::max(0L, m_totalDev.cy - client.Height()));
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const
{
    CPoint position = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT) {
        CWindowDC dc(nullptr);
        dc.SetMapMode(m_nMapMode);
        dc.DPtoLP(&position);
    }
    return position;
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

void CScrollView::UpdateBars()
{
    // Setting one bar resizes the client area and comes back here through WM_SIZE.
    if (m_bUpdatingBars) return;
    m_bUpdatingBars = true;
    // The client area without any bar, and the bars the drawing needs there: one bar can make
    // the other necessary by taking its room.
    CRect client;
    GetClientRect(&client);
    const DWORD style = GetStyle();
    const LONG barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const LONG barHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    const CSize room(client.Width() + ((style & WS_VSCROLL) ? barWidth : 0),
                     client.Height() + ((style & WS_HSCROLL) ? barHeight : 0));
    bool needVertical = m_totalDev.cy > room.cy;
    bool needHorizontal = m_totalDev.cx > room.cx;
    if (needVertical && !needHorizontal) needHorizontal = m_totalDev.cx > room.cx - barWidth;
    if (needHorizontal && !needVertical) needVertical = m_totalDev.cy > room.cy - barHeight;
    const LONG pages[2] = { room.cx - (needVertical ? barWidth : 0), room.cy - (needHorizontal ? barHeight : 0) };
    const LONG totals[2] = { m_totalDev.cx, m_totalDev.cy };
    const int bars[2] = { SB_HORZ, SB_VERT };
    for (int i = 0; i < 2; ++i) {
        SCROLLINFO info = {};
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = totals[i] > 0 ? totals[i] - 1 : 0;
        info.nPage = (UINT)std::max(0L, pages[i]);
        info.nPos = (int)std::clamp((LONG)GetScrollPos(bars[i]), 0L, std::max(0L, totals[i] - pages[i]));
        SetScrollInfo(bars[i], &info, TRUE);
    }
    m_bUpdatingBars = false;
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    const CSize maxPos = MaxPosition();
    const CPoint old = GetDeviceScrollPosition();
    CPoint target(std::clamp(old.x + sizeScroll.cx, 0L, maxPos.cx), std::clamp(old.y + sizeScroll.cy, 0L, maxPos.cy));
    if (target == old) return FALSE;
    if (bDoScroll) {
        ScrollWindow(old.x - target.x, old.y - target.y);
        SetScrollPos(SB_HORZ, target.x);
        SetScrollPos(SB_VERT, target.y);
    }
    return TRUE;
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint device(pt);
    if (m_nMapMode != MM_TEXT) {
        CWindowDC dc(nullptr);
        dc.SetMapMode(m_nMapMode);
        dc.LPtoDP(&device);
        device.y = abs(device.y);
    }
    const CPoint old = GetDeviceScrollPosition();
    OnScrollBy(CSize(device.x - old.x, device.y - old.y), TRUE);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    pDC->SetMapMode(m_nMapMode);
    const CPoint position = GetDeviceScrollPosition();
    pDC->SetViewportOrg(-position.x, -position.y);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::ScrollByCode(int bar, UINT code)
{
    SCROLLINFO info = {};
    GetScrollInfo(bar, &info, SIF_ALL);
    const LONG page = bar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    const LONG line = bar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    const LONG maxPos = bar == SB_HORZ ? MaxPosition().cx : MaxPosition().cy;
    LONG target = info.nPos;
    switch (code) {
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = maxPos; break;
    case SB_LINEUP: target -= line; break;
    case SB_LINEDOWN: target += line; break;
    case SB_PAGEUP: target -= page; break;
    case SB_PAGEDOWN: target += page; break;
    // The 32-bit track position: the message's own is only 16 bits wide.
    case SB_THUMBTRACK: target = info.nTrackPos; break;
    case SB_THUMBPOSITION: target = info.nTrackPos; break;
    default: return;
    }
    const LONG delta = target - info.nPos;
    OnScrollBy(bar == SB_HORZ ? CSize(delta, 0) : CSize(0, delta), TRUE);
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar) {
        CView::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    ScrollByCode(SB_HORZ, nSBCode);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar) {
        CView::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    ScrollByCode(SB_VERT, nSBCode);
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const bool vertical = m_totalDev.cy > 0 && MaxPosition().cy > 0;
    const LONG line = vertical ? m_lineDev.cy : m_lineDev.cx;
    const LONG page = vertical ? m_pageDev.cy : m_pageDev.cx;
    LONG displacement = lines == WHEEL_PAGESCROLL ? page : ::MulDiv(line, (int)lines, 1);
    displacement = std::min(displacement, page > 0 ? page : displacement);
    displacement = ::MulDiv(-zDelta, displacement, WHEEL_DELTA);
    return OnScrollBy(vertical ? CSize(0, displacement) : CSize(displacement, 0), TRUE);
}
