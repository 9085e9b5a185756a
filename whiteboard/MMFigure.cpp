#include "whiteboard/MMFigure.h"

#include <algorithm>
#include <cstdlib>

#include "whiteboard/LineIdSource.h"

using Gdiplus::PointF;

CMMFigure::CMMFigure() = default;

CMMFigure::CMMFigure(const PointF& first, const PointF& second, int color, int width, int figureType,
                     float opacity, const CString& lineId)
    : m_strLineId(lineId), m_nWidth(width), m_fOpacity(opacity), m_nColor(color), m_nFigureType(figureType)
{
    if (m_strLineId.IsEmpty())
        m_strLineId.Format(L"%ld", CLineIdSource::NextId());
    m_points.push_back(first);
    m_points.push_back(second);
    m_rcBounds = FigureGeometry::BoundsOfTwo(first, second, width);
}

CMMFigure::~CMMFigure() = default;

void CMMFigure::AddPoint(const PointF& point)
{
    m_points.push_back(point);
    FigureGeometry::GrowBounds(m_rcBounds, point, m_nWidth);
}

void CMMFigure::SetLastPoint(const PointF& point)
{
    if (m_points.size() >= 2)
        m_points.back() = point;
}

void CMMFigure::DuplicateLastPoint()
{
    if (!m_points.empty())
        m_points.push_back(m_points.back());
}

BOOL CMMFigure::IsTwoPoint() const
{
    return m_points.size() == 2;
}

PointF CMMFigure::GetPoint(int index) const
{
    if (index < 0 || index >= (int)m_points.size())
        return PointF(0.0f, 0.0f);
    return m_points[(size_t)index];
}

BOOL CMMFigure::BoundsContain(const PointF& p) const
{
    return p.X >= m_rcBounds.left && p.X <= m_rcBounds.right && p.Y >= m_rcBounds.top && p.Y <= m_rcBounds.bottom;
}

BOOL CMMFigure::HitTestRect(const PointF& a, const PointF& b, int figureType) const
{
    return FigureGeometry::HitTestRect(m_points, figureType, a, b) ? TRUE : FALSE;
}

BOOL CMMFigure::HitTestSegment(const PointF& a, const PointF& b, int figureType) const
{
    return FigureGeometry::HitTestSegment(m_points, figureType, a, b) ? TRUE : FALSE;
}

BOOL CMMFigure::HasPendingChunk() const
{
    return (int)m_points.size() >= m_nSentChunks * 8 + 8;
}

void CMMFigure::Draw(Gdiplus::Graphics& graphics, int figureType) const
{
    using namespace Gdiplus;
    if (m_points.size() < 2)
        return;
    // Peers may send an opacity outside 0..1; the alpha byte must not wrap around.
    const float opacity = std::min(1.0f, std::max(0.0f, m_fOpacity));
    const Color color((BYTE)(int)(opacity * 255.0), (BYTE)(m_nColor & 0xFF), (BYTE)((m_nColor >> 8) & 0xFF),
                      (BYTE)((m_nColor >> 16) & 0xFF));
    Pen pen(color, (REAL)m_nWidth);
    const int fx = FigureGeometry::RoundCoord(m_points.front().X);
    const int fy = FigureGeometry::RoundCoord(m_points.front().Y);
    const int lx = FigureGeometry::RoundCoord(m_points.back().X);
    const int ly = FigureGeometry::RoundCoord(m_points.back().Y);
    const int x = std::min(fx, lx);
    const int y = std::min(fy, ly);
    const int w = std::abs(lx - fx);
    const int h = std::abs(ly - fy);

    switch (figureType) {
    case FigureGeometry::kCurve:
        pen.SetStartCap(LineCapRound);
        pen.SetEndCap(LineCapRound);
        pen.SetDashCap(DashCapRound);
        pen.SetLineJoin(LineJoinRound);
        graphics.DrawCurve(&pen, m_points.data(), (INT)m_points.size(), 0.5f);
        break;
    case FigureGeometry::kLine: {
        GraphicsPath path;
        path.AddLine(fx, fy, lx, ly);
        path.CloseFigure();
        graphics.DrawPath(&pen, &path);
        break;
    }
    case FigureGeometry::kCheck: {
        pen.SetLineJoin(LineJoinMiter);
        PointF check[3];
        FigureGeometry::CheckMarkPoints(lx, ly, check);
        graphics.DrawLines(&pen, check, 3);
        break;
    }
    case FigureGeometry::kRectangle:
        graphics.DrawRectangle(&pen, x, y, w, h);
        break;
    case FigureGeometry::kRoundRect: {
        const int d = FigureGeometry::RoundRectDiameter(w, h);
        if (d == 0) {
            graphics.DrawRectangle(&pen, x, y, w, h);
            break;
        }
        GraphicsPath path;
        path.AddArc(x, y, d, d, 180.0f, 90.0f);
        path.AddArc(x + w - d, y, d, d, 270.0f, 90.0f);
        path.AddArc(x + w - d, y + h - d, d, d, 0.0f, 90.0f);
        path.AddArc(x, y + h - d, d, d, 90.0f, 90.0f);
        // The left edge is drawn as a line of its own: Wine strokes no closing segment of a closed
        // figure, and on Windows the closing segment is then of zero length, so both look alike.
        path.AddLine((REAL)x, y + h - d / 2.0f, (REAL)x, y + d / 2.0f);
        path.CloseAllFigures();
        graphics.DrawPath(&pen, &path);
        break;
    }
    case FigureGeometry::kEllipse:
        graphics.DrawEllipse(&pen, x, y, w, h);
        break;
    default:
        break;
    }
}
