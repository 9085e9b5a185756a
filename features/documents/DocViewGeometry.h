#pragma once
// Where the document viewer puts a page: fitted into the view, zoomed about a point, panned.
// B is the view rectangle, R the page's rectangle on screen, (w, h) the page image's size in
// pixels. Integer arithmetic truncates toward zero.
#include <windows.h>

#include "platform/Geometry.h"

namespace docview {

// The page fitted into B, centred on the axis with room to spare; *pZoom gets the scale.
// B itself for an image of no size.
CRect FitImageRect(const CRect& B, int w, int h, float* pZoom);
// The page at zoom, keeping the image point under (x, y) in place, centred on an axis where it
// is smaller than B and never uncovering B on an axis where it is larger. TRUE when the result
// is smaller than B on both axes.
BOOL ZoomImageRect(const CRect& R, const CRect& B, int x, int y, int w, int h, float fZoom, CRect* pOut);
// R moved by (dx, dy) on each axis where it is larger than B, stopped at B's edges.
CRect PanImageRect(const CRect& R, const CRect& B, int dx, int dy);
BOOL IsImageSmallerThan(const CRect& B, int w, int h);

const float kMaxZoom = 4.0f;
float ZoomInStep(float fZoom);
float ZoomOutStep(float fZoom);

}  // namespace docview
