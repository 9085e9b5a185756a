#include "ui/controls/TouchDragTracker.h"

#include <cstdlib>

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

BOOL CTouchDragTracker::ScrollByTouch(HWND hWnd, POINT pt, const TOUCHINPUT& input, int nThreshold)
{
    if (input.dwFlags & TOUCHEVENTF_DOWN)
        return OnTouchDown(pt.x, pt.y, input.dwID);
    if (input.dwFlags & TOUCHEVENTF_MOVE) {
        BOOL bZoom = FALSE;
        int nDistance = 0;
        const BOOL bTaken = OnTouchMove(pt.x, pt.y, input.dwID, bZoom, nDistance);
        if (!bZoom && std::abs(nDistance) > nThreshold) {
            POINT screen = pt;
            ::ClientToScreen(hWnd, &screen);
            ::PostMessageW(hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-nDistance), MAKELPARAM(screen.x, screen.y));
        }
        return bTaken;
    }
    if (input.dwFlags & TOUCHEVENTF_UP)
        return OnTouchUp(input.dwID);
    return FALSE;
}
