#pragma once
// Turns a window's raw multi-touch input into three gestures: a two-finger pinch (a zoom factor),
// a one-finger vertical drag (a scroll distance) and a quick one-finger horizontal swipe (a
// direction). It holds no window: the owner feeds it every point's down, move and up in client
// pixels with the point's touch id, and acts on what comes back.
#include <windows.h>

class CZELTouchFunc {
public:
    enum { MAX_POINTS = 32 };
    typedef DWORD (*PFN_TICKS)();

    CZELTouchFunc();

    // Whether an owner should create a tracker and register for touch: Windows 7 (6.1) or later
    // with a digitizer. The version test must accept 10.0, whose minor number is 0.
    static BOOL IsTouchPlatform(DWORD dwMajor, DWORD dwMinor, int nDigitizer);
    // The same for this system.
    static BOOL IsTouchAvailable();

    // Each returns 1. A 33rd simultaneous point is ignored (its move and up find nothing).
    int OnTouchDown(int x, int y, int id);
    int OnTouchMove(int x, int y, int id, int* pZoomChanged, int* pScroll);
    int OnTouchUp(int x, int y, int id, int* pSwiped, int* pDirection);

    // The owner's drawing mode: swipes are reported only in mode 0. Setting it drops every
    // tracked point, as a new drawing mode starts a new gesture.
    void SyncMode(int nMode);
    void SetContentSize(int cx, int cy) { m_sizeContent.cx = cx; m_sizeContent.cy = cy; }

    // The owner's zoom after a layout (the pinch starts from it) and the smallest a pinch gives.
    void SetZoom(float fZoom) { m_fZoom = m_fBaseZoom = fZoom; }
    void SetMinZoom(float fZoom) { m_fMinZoom = fZoom; }
    float GetZoom() const { return m_fZoom; }
    float GetBaseZoom() const { return m_fBaseZoom; }
    float GetMinZoom() const { return m_fMinZoom; }
    int GetCount() const { return m_nCount; }
    POINT GetAnchor() const { return m_ptAnchor; }
    int GetBaseDistance() const { return m_nBaseDistance; }
    int IsGesture() const { return m_bGesture; }

    // Tests replace the tick source to time swipes.
    void SetTickSource(PFN_TICKS pfn) { m_pfnTicks = pfn ? pfn : &::GetTickCount; }

private:
    struct Point {
        int id;
        int x;
        int y;
        DWORD dwDownTick;
        int xDown;
        int yScroll;
    };
    int Find(int id) const;
    int DistanceSum() const;
    int SwipeTest(int x, int* pDirection) const;

    POINT m_ptAnchor;
    int m_nMode;
    int m_nCount;
    Point m_points[MAX_POINTS];
    int m_nBaseDistance;
    SIZE m_sizeContent;
    float m_fZoom;
    float m_fBaseZoom;
    float m_fMinZoom;
    int m_nScrollThreshold;
    int m_bGesture;
    PFN_TICKS m_pfnTicks;
};
