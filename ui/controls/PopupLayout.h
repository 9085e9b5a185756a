#pragma once
// The geometry of the message pop-ups, apart from their windows so that it can be checked
// without one: how a message grows the pop-up, where the buttons go, where the pop-up opens,
// and where the nine frame pieces land.
#include <windows.h>

#include "platform/Collections.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

// The message split at every "\n": each piece between line feeds, then what follows the last
// one (which may be empty).
void SplitPopupLines(const CString& strText, CStringArray& lines);

// Size of a pop-up for a measured message: width = text width + 100, height = (line height +
// gap) x lines + 155 - gap, each raised to the minimum.
CSize PopupSizeForText(int nTextWidth, int nLineHeight, int nLines, int nGap, CSize minimum);

// The 90 x 27 buttons at height - 50: one centred, or two (first at width / 2 - 96, second at
// width / 2 + 6).
struct POPUP_BUTTONS {
    CRect rcFirst;
    CRect rcSecond;   // empty with one button
};
POPUP_BUTTONS PopupButtonLayout(int nWidth, int nHeight, BOOL bTwoButtons);

// Where a pop-up base opens: at (x, y) when there is no main window or either is non-zero, else
// centred over the main window's client area (given in screen coordinates).
CRect PopupTargetRect(BOOL bHasMain, const CRect& rcMainClientOnScreen, int x, int y, int nWidth, int nHeight);

// Where the OK/Cancel dialog opens: 12 pixels left of the parent's horizontal centre,
// vertically centred on it.
CPoint OkCancelOrigin(const CRect& rcParentWindow, int nWidth, int nHeight);

// The nine frame pieces of a pop-up of W x H, bitmaps in the order top-left, top, top-right,
// left, centre, right, bottom-left, bottom, bottom-right. bInset puts the right and bottom
// pieces one pixel in from W and H (the rounded pop-ups); without it they sit flush.
struct POPUP_FRAME_PIECE {
    CRect rcDest;
    CSize szSource;   // the part of the bitmap that is copied (1-pixel strips for edges)
    BOOL bCorner;     // corners keep their transparent colour
};
void PopupFramePieces(int W, int H, const SIZE sizes[9], BOOL bInset, POPUP_FRAME_PIECE pieces[9]);
