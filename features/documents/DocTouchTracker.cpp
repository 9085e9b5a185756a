#include "features/documents/DocTouchTracker.h"

#include <cmath>
#include <cstdlib>

DWORD (*CDocTouchTracker::s_pfnTick)() = ::GetTickCount;

namespace {

int Distance(int dx, int dy)
{
    return (int)std::sqrt((double)dx * dx + (double)dy * dy);
}

}  // namespace

CDocTouchTracker::CDocTouchTracker()
    : m_nMaxTouches(0), m_points{}, m_nCount(0), m_nCentreX(0), m_nCentreY(0), m_nSpread(0),
      m_nThreshold(1), m_fStartZoom(0.0f), m_bMultiTouch(0)
{
}

int CDocTouchTracker::FindPoint(int nId) const
{
    for (int i = 0; i < m_nCount; ++i)
        if (m_points[i].nId == nId) return i;
    return -1;
}

BOOL CDocTouchTracker::AddPoint(int x, int y, int nId, int nPen)
{
    if (m_nCount >= MAX_POINTS) return FALSE;
    m_points[m_nCount] = {nPen, nId, x, y, s_pfnTick(), x, y};
    ++m_nCount;
    return TRUE;
}

BOOL CDocTouchTracker::MovePoint(int x, int y, int nId)
{
    const int i = FindPoint(nId);
    if (i < 0) return FALSE;
    POINT_INFO& p = m_points[i];
    BOOL bChanged = FALSE;
    if (std::abs(x - p.x) > m_nThreshold) {
        p.x = x;
        bChanged = TRUE;
    }
    if (std::abs(y - p.y) > m_nThreshold) {
        p.y = y;
        bChanged = TRUE;
    }
    return bChanged;
}

void CDocTouchTracker::RemovePoint(int nId)
{
    const int i = FindPoint(nId);
    if (i < 0) return;
    for (int j = i; j + 1 < MAX_POINTS; ++j) m_points[j] = m_points[j + 1];
    m_points[MAX_POINTS - 1] = {};
    --m_nCount;
}

POINT CDocTouchTracker::GetCentre() const
{
    POINT pt = {0, 0};
    if (m_nCount <= 0) return pt;
    long long sx = 0, sy = 0;
    for (int i = 0; i < m_nCount; ++i) {
        if (m_points[i].nId == 0) continue;
        sx += m_points[i].x;
        sy += m_points[i].y;
    }
    pt.x = (LONG)(sx / m_nCount);
    pt.y = (LONG)(sy / m_nCount);
    return pt;
}

int CDocTouchTracker::GetSpread() const
{
    if (m_nCount <= 1) return 0;
    if (m_nCount == 2) {
        const POINT_INFO& a = m_points[0];
        const POINT_INFO& b = m_points[1];
        if (a.nId == 0 || b.nId == 0) return 0;
        return Distance(a.x - b.x, a.y - b.y);
    }
    const POINT c = GetCentre();
    int nMax = 0;
    for (int i = 0; i < m_nCount; ++i) {
        if (m_points[i].nId == 0) continue;
        const int d = Distance(m_points[i].x - c.x, m_points[i].y - c.y);
        if (d > nMax) nMax = d;
    }
    return nMax * 2;
}

void CDocTouchTracker::Recompute()
{
    const POINT c = GetCentre();
    m_nCentreX = c.x;
    m_nCentreY = c.y;
    m_nSpread = GetSpread();
}

BOOL CDocTouchTracker::OnTouchDown(int x, int y, const TOUCHINPUT& input)
{
    if (!AddPoint(x, y, (int)input.dwID, (input.dwFlags & TOUCHEVENTF_PEN) ? 1 : 0)) return FALSE;
    if (m_nCount > 1) m_bMultiTouch = 1;
    Recompute();
    return TRUE;
}

BOOL CDocTouchTracker::OnTouchMove(int x, int y, const TOUCHINPUT& input, float* pRatio)
{
    if (!MovePoint(x, y, (int)input.dwID)) return FALSE;
    if (m_nCount != 1) {
        const int s = GetSpread();
        if (pRatio && s != 0 && m_nSpread != 0) *pRatio = (float)s / (float)m_nSpread;
    }
    return TRUE;
}

void CDocTouchTracker::OnTouchUp(int x, int y, const TOUCHINPUT& input, int* pSwipe, int* pDirection)
{
    const int nId = (int)input.dwID;
    if (FindPoint(nId) < 0) return;   // a point the full table never took
    if (!m_bMultiTouch && m_nCount == 1 && m_points[0].nId == nId && pSwipe)
        *pSwipe = CheckSwipe(x, y, pDirection);
    RemovePoint(nId);
    Recompute();
    if (m_nCount == 0) m_bMultiTouch = 0;
}

BOOL CDocTouchTracker::CheckSwipe(int x, int y, int* pDirection) const
{
    if (!pDirection || m_nCount <= 0) return FALSE;
    const POINT_INFO& p = m_points[0];
    if ((DWORD)(s_pfnTick() - p.dwTick) > (DWORD)SWIPE_MS) return FALSE;
    if (std::abs(x - p.nStartX) <= SWIPE_PIXELS) return FALSE;
    *pDirection = (p.nStartX - x > 0) ? 1 : -1;
    return TRUE;
}

BOOL CDocTouchTracker::CanDrag() const
{
    return m_nCount == 0 || (m_nCount == 1 && !m_bMultiTouch);
}

BOOL CDocTouchTracker::HasPen() const
{
    for (int i = 0; i < m_nCount; ++i)
        if (m_points[i].nPen) return TRUE;
    return FALSE;
}

CString CDocTouchTracker::Describe() const
{
    CString s;
    s.Format(L"%d, c:%d,%d, d:%d, pen:%d", m_nCount, m_nCentreX, m_nCentreY, m_nSpread, HasPen());
    return s;
}
