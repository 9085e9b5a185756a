#include "ui/controls/TouchDragTracker.h"

BOOL CTouchDragTracker::OnTouchDown(int x, int y, DWORD dwId)
{
    m_points[dwId] = POINT{x, y};
    return TRUE;
}

BOOL CTouchDragTracker::OnTouchMove(int x, int y, DWORD dwId, BOOL& bZoom, int& nDistanceY)
{
    auto it = m_points.find(dwId);
    if (it == m_points.end())
        return FALSE;
    bZoom = m_points.size() > 1;
    nDistanceY = it->second.y - y;
    it->second = POINT{x, y};
    return TRUE;
}

BOOL CTouchDragTracker::OnTouchUp(DWORD dwId)
{
    return m_points.erase(dwId) ? TRUE : FALSE;
}
