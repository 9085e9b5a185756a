#pragma once
// Page-coordinate geometry of whiteboard figures: outline points, eraser hit tests, bounds and the
// shapes' derived measures. Plain arithmetic without GDI+ calls, so the eraser can test thousands
// of figures per mouse move and every rule can be checked directly.
#include <windows.h>
#include <gdiplus.h>
#include <vector>

// Float rectangle with inclusive edges: right and bottom are coordinates, not sizes.
struct S_FIGURE_RECT {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
};

namespace FigureGeometry {

using Gdiplus::PointF;

// Figure types as kept in every figure and written as "figuretype".
enum {
    kCurve = 0,
    kLine = 1,
    kCheck = 2,
    kRectangle = 3,
    kRoundRect = 4,
    kEllipse = 5,
};

// Largest coordinate magnitude a figure read from outside may have, in page pixels: far beyond any
// page image, and small enough that outline walks and integer products stay bounded.
const float kMaxCoordinate = 1000000.0f;

// Whether a point read from outside is a usable page coordinate (finite and within the limit).
bool IsUsablePoint(float x, float y);

// Bounds of two points widened by the pen width on every side.
S_FIGURE_RECT BoundsOfTwo(const PointF& a, const PointF& b, int width);
// Bounds grown to take in one more point (the width widening is kept).
void GrowBounds(S_FIGURE_RECT& bounds, const PointF& p, int width);

// Rounds a coordinate the way the figures are drawn and written: (int)(v + 0.5).
int RoundCoord(float v);

// The three corners of a check mark whose vertex is at (x, y).
void CheckMarkPoints(int x, int y, PointF out[3]);

// Corner arc diameter of a rounded rectangle w x h (sizes as absolute values); 0 draws a plain
// rectangle.
int RoundRectDiameter(int w, int h);

// Outline points of the eraser tests, one per unit step; appended to 'out'.
void AppendSegmentOutline(const PointF& p, const PointF& q, std::vector<PointF>& out);
void AppendRectangleOutline(const PointF& p, const PointF& q, std::vector<PointF>& out);
void AppendEllipseOutline(const PointF& p, const PointF& q, std::vector<PointF>& out);

// The eraser rectangle spanned by two corners. A point is inside when it lies in the half-open
// box [x, x + w) x [y, y + h), which is how GDI+ fills the rectangle path the test is defined on.
class CEraserRect {
public:
    CEraserRect(const PointF& a, const PointF& b);
    bool Contains(const PointF& p) const;
    // False when no point of the box [minX, maxX] x [minY, maxY] can be inside.
    bool MayTouch(float minX, float minY, float maxX, float maxY) const;
private:
    float m_left, m_top, m_right, m_bottom;
};

// Segment intersection on truncated integer coordinates; parallel or degenerate pairs never meet.
bool SegmentsIntersect(const PointF& p1, const PointF& p2, const PointF& p3, const PointF& p4);

// Whether the eraser rectangle spanned by a and b touches a figure of the given type with these
// points, and whether the eraser segment a-b does.
bool HitTestRect(const std::vector<PointF>& points, int type, const PointF& a, const PointF& b);
bool HitTestSegment(const std::vector<PointF>& points, int type, const PointF& a, const PointF& b);

}  // namespace FigureGeometry
