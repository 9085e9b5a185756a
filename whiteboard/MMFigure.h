#pragma once
// One stroke or shape of a whiteboard page: its pen, its points in page coordinates, its bounds and
// the identifier (lineId) that names it across all attendees.
#include <windows.h>
#include <gdiplus.h>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "whiteboard/FigureGeometry.h"

class CMMFigure {
public:
    // An empty figure (no points, empty lineId); only the target of a copy.
    CMMFigure();
    // A figure from two points (a stroke started from one point passes it twice). An empty lineId
    // makes the figure name itself from the clock.
    CMMFigure(const Gdiplus::PointF& first, const Gdiplus::PointF& second, int color, int width,
              int figureType, float opacity, const CString& lineId);
    virtual ~CMMFigure();
    CMMFigure(const CMMFigure&) = default;
    CMMFigure& operator=(const CMMFigure&) = default;

    void AddPoint(const Gdiplus::PointF& point);
    // Moves the last point of a shape being dragged; the bounds stay as they were.
    void SetLastPoint(const Gdiplus::PointF& point);
    void DuplicateLastPoint();
    BOOL IsTwoPoint() const;

    Gdiplus::PointF GetPoint(int index) const;
    const std::vector<Gdiplus::PointF>& GetPoints() const { return m_points; }
    int GetPointCount() const { return (int)m_points.size(); }
    int GetColor() const { return m_nColor; }
    int GetWidth() const { return m_nWidth; }
    float GetOpacity() const { return m_fOpacity; }
    int GetFigureType() const { return m_nFigureType; }
    CString GetLineId() const { return m_strLineId; }
    const CString& LineIdRef() const { return m_strLineId; }
    S_FIGURE_RECT GetRect() const { return m_rcBounds; }
    BOOL BoundsContain(const Gdiplus::PointF& point) const;

    // Draws the figure as the given type (callers pass the figure's own type).
    void Draw(Gdiplus::Graphics& graphics, int figureType) const;

    BOOL HitTestRect(const Gdiplus::PointF& a, const Gdiplus::PointF& b, int figureType) const;
    BOOL HitTestSegment(const Gdiplus::PointF& a, const Gdiplus::PointF& b, int figureType) const;

    // TRUE when 8 points beyond those already sent as insert events exist.
    BOOL HasPendingChunk() const;
    int GetSentChunks() const { return m_nSentChunks; }

    // Exchange texts: the SVG group and path forms, the insert chunk and the delete event.
    CString ToSvgGroup() const;
    CString ToSvgPath() const;
    CString ToInsertJson(int imageWidth, int imageHeight, int figureType, BOOL last);
    CString ToDeleteJson() const;
    // The same SVG forms appended to a buffer (whole layers and pages are built this way).
    void AppendSvgGroup(std::wstring& out) const;
    void AppendSvgPath(std::wstring& out) const;
    // The form a layer writes the figure in: path for curves, group for shapes.
    void AppendSvg(std::wstring& out) const;

private:
    void AppendRgbWidth(std::wstring& out, const wchar_t* format) const;
    void AppendGroupElement(std::wstring& out) const;

    CString m_strLineId;
    int m_nWidth = 0;
    float m_fOpacity = 0.0f;
    int m_nColor = 0;
    int m_nSentChunks = 0;
    int m_nFigureType = 0;
    S_FIGURE_RECT m_rcBounds;
    std::vector<Gdiplus::PointF> m_points;
};
