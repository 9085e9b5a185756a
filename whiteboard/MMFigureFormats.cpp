// The figure's texts in the exchange formats. The servers store these texts and other clients
// parse them, so element order, number formats and blanks are kept exactly as peers write them.
#include "whiteboard/MMFigure.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "whiteboard/WhiteboardText.h"

using Gdiplus::PointF;
using WhiteboardText::AppendFormat;

namespace {

int Red(int color) { return color & 0xFF; }
int Green(int color) { return (color >> 8) & 0xFF; }
int Blue(int color) { return (color >> 16) & 0xFF; }

CString ToCString(const std::wstring& text)
{
    return CString(text.c_str(), (int)text.size());
}

}  // namespace

void CMMFigure::AppendRgbWidth(std::wstring& out, const wchar_t* format) const
{
    AppendFormat(out, format, (double)m_fOpacity, Red(m_nColor), Green(m_nColor), Blue(m_nColor), m_nWidth,
                 m_nFigureType);
}

void CMMFigure::AppendGroupElement(std::wstring& out) const
{
    const PointF& f = m_points.front();
    const PointF& l = m_points.back();
    switch (m_nFigureType) {
    case FigureGeometry::kCurve:
        for (size_t i = 1; i < m_points.size(); ++i) {
            AppendFormat(out, L"<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" figuretype=\"%d\" />",
                         (int)m_points[i - 1].X, (int)m_points[i - 1].Y, (int)m_points[i].X, (int)m_points[i].Y,
                         m_nFigureType);
        }
        break;
    case FigureGeometry::kLine:
        AppendFormat(out, L"<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" figuretype=\"%d\" />", (int)f.X, (int)f.Y,
                     (int)l.X, (int)l.Y, m_nFigureType);
        break;
    case FigureGeometry::kCheck: {
        const int x = FigureGeometry::RoundCoord(l.X);
        const int y = FigureGeometry::RoundCoord(l.Y);
        AppendFormat(out,
                     L"<polyline points=\"%d,%d %d,%d %d,%d\" stroke-linejoin=\"miter\" fill=\"none\" "
                     L"figuretype=\"%d\" />",
                     x - 5, y - 10, x, y, x + 15, y - 20, m_nFigureType);
        break;
    }
    case FigureGeometry::kRectangle:
    case FigureGeometry::kRoundRect: {
        const int radius = m_nFigureType == FigureGeometry::kRoundRect ? 10 : 0;
        AppendFormat(out,
                     L"<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" rx=\"%d\" ry=\"%d\" fill=\"none\" "
                     L"figuretype=\"%d\" />",
                     (int)std::min(f.X, l.X), (int)std::min(f.Y, l.Y), std::abs((int)l.X - (int)f.X),
                     std::abs((int)l.Y - (int)f.Y), radius, radius, m_nFigureType);
        break;
    }
    case FigureGeometry::kEllipse: {
        const float cx = (int)std::min(f.X, l.X) + std::fabs(l.X - f.X) / 2.0f;
        const float cy = (int)std::min(f.Y, l.Y) + std::fabs(l.Y - f.Y) / 2.0f;
        AppendFormat(out, L"<ellipse cx=\"%f\" cy=\"%f\" rx=\"%d\" ry=\"%d\" fill=\"none\" figuretype=\"%d\" />",
                     (double)cx, (double)cy, std::abs((int)l.X - (int)f.X) / 2, std::abs((int)l.Y - (int)f.Y) / 2,
                     m_nFigureType);
        break;
    }
    default:
        break;
    }
}

void CMMFigure::AppendSvgGroup(std::wstring& out) const
{
    if (m_points.empty())
        return;
    AppendRgbWidth(out, L"<g style=\"stroke-opacity:%.1f; stroke:RGB(%d, %d, %d); stroke-width: %d;\">");
    AppendGroupElement(out);
    out += L"</g>";
}

void CMMFigure::AppendSvgPath(std::wstring& out) const
{
    if (m_points.empty())
        return;
    AppendRgbWidth(out, L"<path fill=\"none\" stroke-opacity=\"%.1f\" stroke=\"RGB(%d, %d, %d)\" "
                        L"stroke-width=\"%d\" stroke-linejoin=\"bevel\" figuretype=\"%d\" d=\n\"");
    AppendFormat(out, L"M %d %d ", (int)m_points[0].X, (int)m_points[0].Y);
    for (size_t i = 1; i < m_points.size(); ++i)
        AppendFormat(out, L"L %d %d ", (int)m_points[i].X, (int)m_points[i].Y);
    out += L"\"> </path>";
}

void CMMFigure::AppendSvg(std::wstring& out) const
{
    if (m_nFigureType == FigureGeometry::kCurve)
        AppendSvgPath(out);
    else
        AppendSvgGroup(out);
}

CString CMMFigure::ToSvgGroup() const
{
    std::wstring out;
    AppendSvgGroup(out);
    return ToCString(out);
}

CString CMMFigure::ToSvgPath() const
{
    std::wstring out;
    AppendSvgPath(out);
    return ToCString(out);
}

CString CMMFigure::ToInsertJson(int imageWidth, int imageHeight, int figureType, BOOL last)
{
    const size_t start = (size_t)m_nSentChunks * 8;
    if (m_points.size() < start)
        return CString();
    const size_t end = std::min(m_points.size(), start + 8);
    std::wstring out;
    AppendFormat(out, L"{\"line\":{\"Blue\":%d,\"Green\":%d,\"Red\":%d,\"points\":[", Blue(m_nColor), Green(m_nColor),
                 Red(m_nColor));
    for (size_t i = start; i < end; ++i) {
        if (i > start)
            out += L',';
        AppendFormat(out, L"{\"x\":%d,\"y\":%d,\"z\":%d}", (int)m_points[i].X, (int)m_points[i].Y, 0);
    }
    AppendFormat(out, L"],\"isLastLine\":%s,\"penType\":%d,\"lineId\":\"", last ? L"true" : L"false",
                 m_fOpacity == 1.0f ? 1 : 2);
    WhiteboardText::AppendJsonEscaped(out, m_strLineId.GetString(), (size_t)m_strLineId.GetLength());
    AppendFormat(out, L"\",\"mode\":\"insert\",\"width\":%d,\"opacity\":%.5f, \"imgW\":%d, \"imgH\":%d, "
                      L"\"figuretype\":%d}}",
                 m_nWidth, (double)m_fOpacity, imageWidth, imageHeight, figureType);
    m_nSentChunks = last ? 0 : m_nSentChunks + 1;
    return ToCString(out);
}

CString CMMFigure::ToDeleteJson() const
{
    std::wstring out = L"{\"line\":{\"isLastLine\":true,\"Blue\":0,\"Red\":0,\"Green\":0,\"width\":10,\"opacity\":0,"
                       L"\"points\":[],\"penType\":3,\"lineId\":\"";
    WhiteboardText::AppendJsonEscaped(out, m_strLineId.GetString(), (size_t)m_strLineId.GetLength());
    out += L"\",\"mode\":\"delete\"}}";
    return ToCString(out);
}
