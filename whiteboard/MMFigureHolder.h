#pragma once
// One figure layer of a page: figures in drawing order (index 0 at the bottom), shared by pointer
// with the page's current figure and the canvas' undo lists. The holder takes no lock; the page
// that owns a layer used by two threads guards it.
#include <windows.h>
#include <gdiplus.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "whiteboard/MMFigure.h"

class CPtrList;

class CMMFigureHolder {
public:
    using FigurePtr = std::shared_ptr<CMMFigure>;

    CMMFigureHolder() = default;
    virtual ~CMMFigureHolder() = default;
    CMMFigureHolder(const CMMFigureHolder&) = default;
    CMMFigureHolder& operator=(const CMMFigureHolder&) = default;

    void Add(const FigurePtr& figure);
    void Clear();
    BOOL HasFigures() const;
    int GetCount() const;
    const std::vector<FigurePtr>& GetFigures() const { return m_figures; }

    BOOL ContainsLineId(const CString& lineId) const;
    FigurePtr FindByLineId(const CString& lineId) const;
    void RemoveByLineId(const CString& lineId);
    // Removes every element that points to the figure; FALSE only for an empty layer.
    BOOL Remove(const FigurePtr& figure);

    // Topmost figure whose bounds contain the point.
    FigurePtr FindTopmostAt(const Gdiplus::PointF& point) const;
    // Figures the eraser touches, top-down.
    std::vector<FigurePtr> HitTestRect(const Gdiplus::PointF& a, const Gdiplus::PointF& b) const;
    std::vector<FigurePtr> HitTestSegment(const Gdiplus::PointF& a, const Gdiplus::PointF& b) const;

    // Appends a new copy of each figure, bottom to top, to a list of CMMFigure pointers that owns them.
    void CopyToList(CPtrList& list) const;

    // Paints the layer into the destination rectangle of the device context at the zoom.
    void Draw(HDC dc, int left, int top, int right, int bottom, float zoom) const;

    // The layer's SVG text: path form for curves, group form for shapes, bottom to top.
    CString ToSvg() const;
    void AppendSvg(std::wstring& out) const;

private:
    using HitTestFn = BOOL (CMMFigure::*)(const Gdiplus::PointF&, const Gdiplus::PointF&, int) const;
    std::vector<FigurePtr> HitTest(HitTestFn test, const Gdiplus::PointF& a, const Gdiplus::PointF& b) const;

    std::vector<FigurePtr> m_figures;
};
