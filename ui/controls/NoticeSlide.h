#pragma once
// The arithmetic of the notices that slide in beside the taskbar, apart from their windows: which
// screen edge the taskbar is on, how often to step, and where the notice stands after each step.
#include <windows.h>

#include "platform/CString.h"
#include "platform/Geometry.h"

enum NOTICE_EDGE { NOTICE_EDGE_TOP = 1, NOTICE_EDGE_LEFT = 2, NOTICE_EDGE_RIGHT = 3, NOTICE_EDGE_BOTTOM = 4 };

// The taskbar's edge from the work area and the screen size: right when the work area is
// narrower and starts at x 0, left when narrower and starting elsewhere, top when lower and
// starting below y 0, else bottom (also with no taskbar).
int NoticeEdge(const RECT& rcWork, int cxScreen, int cyScreen);

// Milliseconds between two steps so that an extent slides in nTime: nTime / (extent / step). An
// extent under one step still slides, in one step (the plain division would divide by zero).
UINT NoticeStepInterval(UINT nTime, int nExtent, int nStep);

// One notice's slide: where it starts (out of view), where it is, how much of it shows.
struct NOTICE_SLIDE {
    int nEdge = NOTICE_EDGE_BOTTOM;
    int nWidth = 0, nHeight = 0, nStep = 2;
    int nStartX = 0, nStartY = 0, nCurX = 0, nCurY = 0;
    int nVisibleHeight = 0;
    UINT nAppearInterval = 0, nDisappearInterval = 0;

    // Starts a slide-in from the edge of the work area.
    void Begin(const RECT& rcWork, int edge, int W, int H, UINT nShowTime, UINT nHideTime);
    // One step in (or out); false when there was no step left to take.
    bool StepIn();
    bool StepOut();
    // Back to the fully shown position (a new notice while sliding out).
    void JumpShown(const RECT& rcWork);
    // The window's rectangle now: at a bottom taskbar only the visible height shows.
    CRect WindowRect() const;
};

// A toast text "heading\r\n\r\nbody": the title and text, when the separator comes after the
// first character; otherwise no title and the whole string.
void SplitTitledText(const CString& strValue, CString& strTitle, CString& strText);
// A tray notice's "[title]" taken from a text like "2024-12-05 10:00 - subject" when the message
// id is non-zero, no title was given and the first "-" stands at an index above 13.
void DeriveNoticeTitle(int nMessageId, CString& strTitle, CString& strText);
