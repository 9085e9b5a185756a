#pragma once
// Follows the touch points on a window for one-finger drags: how far a finger moved vertically
// since its last report, and whether two or more fingers are down (a pinch, not a drag).
#include <windows.h>

#include <map>

class CTouchDragTracker {
public:
    // Each returns TRUE when the point was taken.
    BOOL OnTouchDown(int x, int y, DWORD dwId);
    // nDistanceY: the finger's vertical move since its last point, upwards positive; bZoom:
    // more than one finger is down.
    BOOL OnTouchMove(int x, int y, DWORD dwId, BOOL& bZoom, int& nDistanceY);
    BOOL OnTouchUp(DWORD dwId);
    int GetTouchCount() const { return int(m_points.size()); }

    // One point of a window's touch input, for windows where a one-finger drag scrolls like the
    // wheel: a finger that moved more than nThreshold pixels vertically (and is not part of a
    // pinch) posts the window a WM_MOUSEWHEEL, a finger moving up turning the wheel towards the
    // user. pt is in the window's client coordinates. TRUE when the point was taken.
    BOOL ScrollByTouch(HWND hWnd, POINT pt, const TOUCHINPUT& input, int nThreshold);

private:
    std::map<DWORD, POINT> m_points;
};
