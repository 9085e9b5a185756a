#include "whiteboard/FigureGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace FigureGeometry {

namespace {

// The angle conversions use this value of pi, so outline points land on the same pixels as the
// ones every other client computes.
const double kPi = 3.141592;

// Margin around the outline's corner box that covers the truncations of the outline formulas.
const float kOutlineMargin = 2.0f;

// Visits the outline points of a segment; stops early when the visitor returns true.
template <typename Visit>
bool VisitSegment(const PointF& p, const PointF& q, Visit visit)
{
    const double dx = q.X - p.X;
    const double dy = q.Y - p.Y;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double angle = std::atan2(dx, dy) * 180.0 / kPi;
    const double s = std::sin(angle * kPi / 180.0);
    const double c = std::cos(angle * kPi / 180.0);
    for (int i = 0; i < length; ++i) {
        if (visit(PointF(p.X + (int)(i * s), p.Y + (int)(i * c))))
            return true;
    }
    return false;
}

template <typename Visit>
bool VisitRectangle(const PointF& p, const PointF& q, Visit visit)
{
    const float x0 = std::min(p.X, q.X);
    const float y0 = std::min(p.Y, q.Y);
    const int w = (int)std::fabs(q.X - p.X);
    const int h = (int)std::fabs(q.Y - p.Y);
    for (int i = 0; i < w; ++i)
        if (visit(PointF(x0 + i, y0)))
            return true;
    for (int i = 0; i < h; ++i)
        if (visit(PointF(x0 + w, y0 + i)))
            return true;
    for (int i = 0; i < w; ++i)
        if (visit(PointF(x0 + w - i, y0 + h)))
            return true;
    for (int i = 0; i < h; ++i)
        if (visit(PointF(x0, y0 + h - i)))
            return true;
    return false;
}

template <typename Visit>
bool VisitEllipse(const PointF& p, const PointF& q, Visit visit)
{
    const float rx = std::fabs(q.X - p.X) / 2.0f;
    const float ry = std::fabs(q.Y - p.Y) / 2.0f;
    const int cx = (int)((int)std::min(p.X, q.X) + rx);
    const int cy = (int)((int)std::min(p.Y, q.Y) + ry);
    for (int i = 0; i < 360; ++i) {
        const double rad = i * kPi / 180.0;
        if (visit(PointF((float)(cx + (int)(std::sin(rad) * rx)), (float)(cy + (int)(std::cos(rad) * ry)))))
            return true;
    }
    return false;
}

bool BoxMayTouch(const CEraserRect& eraser, const PointF& p, const PointF& q)
{
    return eraser.MayTouch(std::min(p.X, q.X) - kOutlineMargin, std::min(p.Y, q.Y) - kOutlineMargin,
                           std::max(p.X, q.X) + kOutlineMargin, std::max(p.Y, q.Y) + kOutlineMargin);
}

}  // namespace

bool IsUsablePoint(float x, float y)
{
    return std::isfinite(x) && std::isfinite(y) && std::fabs(x) <= kMaxCoordinate && std::fabs(y) <= kMaxCoordinate;
}

S_FIGURE_RECT BoundsOfTwo(const PointF& a, const PointF& b, int width)
{
    S_FIGURE_RECT r;
    r.left = std::min(a.X, b.X) - width;
    r.top = std::min(a.Y, b.Y) - width;
    r.right = std::max(a.X, b.X) + width;
    r.bottom = std::max(a.Y, b.Y) + width;
    return r;
}

void GrowBounds(S_FIGURE_RECT& r, const PointF& p, int width)
{
    r.left = std::min(r.left + width, p.X) - width;
    r.top = std::min(r.top + width, p.Y) - width;
    r.right = std::max(r.right - width, p.X) + width;
    r.bottom = std::max(r.bottom - width, p.Y) + width;
}

int RoundCoord(float v)
{
    return (int)(v + 0.5f);
}

void CheckMarkPoints(int x, int y, PointF out[3])
{
    out[0] = PointF((float)(x - 5), (float)(y - 10));
    out[1] = PointF((float)x, (float)y);
    out[2] = PointF((float)(x + 15), (float)(y - 20));
}

int RoundRectDiameter(int w, int h)
{
    if (w == 1 || h == 1)
        return 0;
    return (w < 20 || h < 20) ? 1 : 20;
}

void AppendSegmentOutline(const PointF& p, const PointF& q, std::vector<PointF>& out)
{
    VisitSegment(p, q, [&](const PointF& pt) { out.push_back(pt); return false; });
}

void AppendRectangleOutline(const PointF& p, const PointF& q, std::vector<PointF>& out)
{
    VisitRectangle(p, q, [&](const PointF& pt) { out.push_back(pt); return false; });
}

void AppendEllipseOutline(const PointF& p, const PointF& q, std::vector<PointF>& out)
{
    VisitEllipse(p, q, [&](const PointF& pt) { out.push_back(pt); return false; });
}

CEraserRect::CEraserRect(const PointF& a, const PointF& b)
{
    m_left = std::min(a.X, b.X);
    m_top = std::min(a.Y, b.Y);
    m_right = m_left + std::fabs(b.X - a.X);
    m_bottom = m_top + std::fabs(b.Y - a.Y);
}

bool CEraserRect::Contains(const PointF& p) const
{
    return p.X >= m_left && p.X < m_right && p.Y >= m_top && p.Y < m_bottom;
}

bool CEraserRect::MayTouch(float minX, float minY, float maxX, float maxY) const
{
    return maxX >= m_left && minX < m_right && maxY >= m_top && minY < m_bottom;
}

bool SegmentsIntersect(const PointF& p1, const PointF& p2, const PointF& p3, const PointF& p4)
{
    // 64-bit products: page coordinates far apart would overflow 32-bit ones.
    const int64_t x1 = (int)p1.X, y1 = (int)p1.Y, x2 = (int)p2.X, y2 = (int)p2.Y;
    const int64_t x3 = (int)p3.X, y3 = (int)p3.Y, x4 = (int)p4.X, y4 = (int)p4.Y;
    const int64_t d = (y4 - y3) * (x2 - x1) - (x4 - x3) * (y2 - y1);
    if (d == 0)
        return false;
    const float ua = (float)((x4 - x3) * (y1 - y3) - (y4 - y3) * (x1 - x3)) / (float)d;
    const float ub = (float)((x2 - x1) * (y1 - y3) - (y2 - y1) * (x1 - x3)) / (float)d;
    return ua >= 0.0f && ua <= 1.0f && ub >= 0.0f && ub <= 1.0f;
}

bool HitTestRect(const std::vector<PointF>& points, int type, const PointF& a, const PointF& b)
{
    if (points.size() < 2)
        return false;
    const CEraserRect eraser(a, b);
    auto inside = [&](const PointF& pt) { return eraser.Contains(pt); };
    const PointF& first = points.front();
    const PointF& last = points.back();
    switch (type) {
    case kCurve:
        return std::any_of(points.begin(), points.end(), inside);
    case kLine:
        return BoxMayTouch(eraser, first, last) && VisitSegment(first, last, inside);
    case kCheck: {
        PointF check[3];
        check[0] = PointF(last.X - 5, last.Y - 10);
        check[1] = last;
        check[2] = PointF(last.X + 15, last.Y - 20);
        if (!BoxMayTouch(eraser, PointF(check[0].X, check[2].Y), PointF(check[2].X, check[1].Y)))
            return false;
        return VisitSegment(check[0], check[1], inside) || VisitSegment(check[1], check[2], inside);
    }
    case kRectangle:
    case kRoundRect:
        return BoxMayTouch(eraser, first, last) && VisitRectangle(first, last, inside);
    case kEllipse:
        return BoxMayTouch(eraser, first, last) && VisitEllipse(first, last, inside);
    default:
        return false;
    }
}

bool HitTestSegment(const std::vector<PointF>& points, int type, const PointF& a, const PointF& b)
{
    if (points.size() < 2)
        return false;
    switch (type) {
    case kCurve: {
        // Pairs whose boxes lie apart from the eraser's cannot meet it (the intersection test
        // truncates both segments, each end by less than a pixel, hence two pixels of margin);
        // most pairs of a page end here.
        const float left = std::min(a.X, b.X) - 2, right = std::max(a.X, b.X) + 2;
        const float top = std::min(a.Y, b.Y) - 2, bottom = std::max(a.Y, b.Y) + 2;
        for (size_t i = 1; i < points.size(); ++i) {
            const PointF& p = points[i - 1];
            const PointF& q = points[i];
            if (std::max(p.X, q.X) < left || std::min(p.X, q.X) > right || std::max(p.Y, q.Y) < top ||
                std::min(p.Y, q.Y) > bottom)
                continue;
            if (SegmentsIntersect(p, q, a, b))
                return true;
        }
        return false;
    }
    case kLine:
        return SegmentsIntersect(points.front(), points.back(), a, b);
    default:
        return HitTestRect(points, type, a, b);
    }
}

}  // namespace FigureGeometry
