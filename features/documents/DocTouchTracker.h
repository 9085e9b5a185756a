#pragma once
// CDocTouchTracker: the fingers (and pens) on the document viewer, for pinch zoom, flick paging
// and telling a one-finger drag from a gesture. It keeps no window: the viewer feeds it each
// touch point in client coordinates.
#include <windows.h>

#include "platform/CString.h"


class CDocTouchTracker {
public:
    enum { MAX_POINTS = 32, SWIPE_MS = 299, SWIPE_PIXELS = 80 };

    struct POINT_INFO {
        int nPen;         // 1 when the point comes from a pen
        int nId;          // the system's touch id; 0 marks an empty slot
        int x, y;         // last accepted position
        DWORD dwTick;     // GetTickCount at touch-down
        int nStartX, nStartY;
    };

    CDocTouchTracker();

    int m_nMaxTouches;
    POINT_INFO m_points[MAX_POINTS];
    int m_nCount;
    int m_nCentreX, m_nCentreY;
    int m_nSpread;          // finger distance at the last down or up
    int m_nThreshold;       // movement below or at this many pixels is ignored
    float m_fStartZoom;     // the viewer's zoom when the first finger went down
    int m_bMultiTouch;      // a second point went down; cleared when the last goes up

    // FALSE when the table is full: a further point is ignored (and its moves and lift too).
    BOOL AddPoint(int x, int y, int nId, int nPen);
    BOOL MovePoint(int x, int y, int nId);
    void RemovePoint(int nId);
    POINT GetCentre() const;
    int GetSpread() const;

    BOOL OnTouchDown(int x, int y, const TOUCHINPUT& input);
    // TRUE when the point moved; with two or more points and a spread baseline, *pRatio is the
    // spread now over the baseline.
    BOOL OnTouchMove(int x, int y, const TOUCHINPUT& input, float* pRatio);
    void OnTouchUp(int x, int y, const TOUCHINPUT& input, int* pSwipe, int* pDirection);
    // A quick horizontal flick of the only finger: +1 leftwards (next page), -1 rightwards.
    BOOL CheckSwipe(int x, int y, int* pDirection) const;
    BOOL CanDrag() const;
    BOOL HasPen() const;
    CString Describe() const;

    // The clock behind the touch-down ticks and the flick's time limit (tests set their own).
    static DWORD (*s_pfnTick)();

private:
    int FindPoint(int nId) const;
    void Recompute();
};
