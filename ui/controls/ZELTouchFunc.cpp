#include "ui/controls/ZELTouchFunc.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
const float kMaxZoom = 5.0f;
const float kMinZoomFloor = 0.46f;
const float kMinZoomStep = 0.01f;
const int kMoveStep = 4;          // pixels a coordinate must change before it counts
const DWORD kSwipeMaxMs = 299;
const int kSwipeMinDistance = 80;
}  // namespace

CZELTouchFunc::CZELTouchFunc()
    : m_ptAnchor{0, 0}, m_nMode(0), m_nCount(0), m_nBaseDistance(0), m_sizeContent{0, 0},
      m_fZoom(1.0f), m_fBaseZoom(1.0f), m_fMinZoom(1.0f), m_nScrollThreshold(3), m_bGesture(0),
      m_pfnTicks(&::GetTickCount)
{
    memset(m_points, 0, sizeof(m_points));
}

BOOL CZELTouchFunc::IsTouchPlatform(DWORD dwMajor, DWORD dwMinor, int nDigitizer)
{
    const BOOL bVersion = dwMajor > 6 || (dwMajor == 6 && dwMinor >= 1);
    return bVersion && nDigitizer != 0;
}

BOOL CZELTouchFunc::IsTouchAvailable()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return FALSE;
#pragma GCC diagnostic pop
    return IsTouchPlatform(info.dwMajorVersion, info.dwMinorVersion, GetSystemMetrics(SM_DIGITIZER));
}

int CZELTouchFunc::Find(int id) const
{
    for (int i = 0; i < m_nCount; ++i)
        if (m_points[i].id == id) return i;
    return -1;
}

int CZELTouchFunc::DistanceSum() const
{
    int nSum = 0;
    for (int i = 0; i < m_nCount && i + 1 < MAX_POINTS; ++i) {
        const Point& a = m_points[i];
        const Point& b = m_points[i + 1];
        if (a.id == 0 || b.id == 0) continue;
        const double dx = a.x - b.x;
        const double dy = a.y - b.y;
        nSum += (int) std::sqrt(dx * dx + dy * dy);
    }
    return nSum;
}

void CZELTouchFunc::SyncMode(int nMode)
{
    m_nMode = nMode;
    m_nCount = 0;
    memset(m_points, 0, sizeof(m_points));
    m_bGesture = 0;
}

int CZELTouchFunc::OnTouchDown(int x, int y, int id)
{
    if (m_nCount >= MAX_POINTS) return 1;
    Point& p = m_points[m_nCount];
    p.id = id;
    p.x = x;
    p.y = y;
    p.dwDownTick = m_pfnTicks();
    p.xDown = x;
    p.yScroll = y;
    ++m_nCount;
    if (m_nCount == 1) m_ptAnchor = POINT{m_points[0].x, m_points[0].y};
    m_nBaseDistance = DistanceSum();
    return 1;
}

int CZELTouchFunc::OnTouchMove(int x, int y, int id, int* pZoomChanged, int* pScroll)
{
    const int i = Find(id);
    if (i < 0) return 1;
    Point& p = m_points[i];
    BOOL bChanged = FALSE;
    if (std::abs(p.x - x) >= kMoveStep) {
        p.x = x;
        bChanged = TRUE;
    }
    if (std::abs(p.y - y) >= kMoveStep) {
        p.y = y;
        bChanged = TRUE;
    }
    if (!bChanged) return 1;

    if (m_nCount >= 2) {
        const int d = DistanceSum();
        m_bGesture = 1;
        float z = m_fZoom;
        if (d != 0 && m_nBaseDistance != 0) {
            z = (float) d / (float) m_nBaseDistance;
            z *= d > m_nBaseDistance ? m_fBaseZoom : m_fZoom;
        }
        if (m_fMinZoom > z) {
            z = m_fMinZoom;
            if (m_fMinZoom > kMinZoomFloor) m_fMinZoom -= kMinZoomStep;
        } else if (z > kMaxZoom) {
            z = kMaxZoom;
        }
        m_fZoom = z;
        if (pZoomChanged) *pZoomChanged = 1;
        return 1;
    }
    if (pScroll) {
        const int nStep = p.yScroll - y;
        if (std::abs(nStep) <= m_nScrollThreshold) {
            *pScroll = 0;
        } else {
            *pScroll = nStep;
            p.yScroll = y;
        }
    }
    return 1;
}

int CZELTouchFunc::SwipeTest(int x, int* pDirection) const
{
    const Point& p = m_points[0];
    if (!pDirection) return 0;
    if (m_pfnTicks() - p.dwDownTick > kSwipeMaxMs) return 0;
    if (std::abs(x - p.xDown) <= kSwipeMinDistance) return 0;
    *pDirection = p.xDown - x > 0 ? 1 : -1;
    return 1;
}

int CZELTouchFunc::OnTouchUp(int x, int y, int id, int* pSwiped, int* pDirection)
{
    if (m_nMode == 0 && m_bGesture != 1 && m_nCount == 1 && m_points[0].id == id && pSwiped)
        *pSwiped = SwipeTest(x, pDirection);
    m_fBaseZoom = m_fZoom;
    const int i = Find(id);
    if (i >= 0) {
        for (int j = i; j + 1 < m_nCount; ++j) m_points[j] = m_points[j + 1];
        memset(&m_points[m_nCount - 1], 0, sizeof(Point));
        --m_nCount;
        if (m_nCount == 1) m_ptAnchor = POINT{m_points[0].x, m_points[0].y};
        m_nBaseDistance = DistanceSum();
    }
    if (m_nCount == 0) m_bGesture = 0;
    return 1;
}
