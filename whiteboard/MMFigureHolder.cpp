#include "whiteboard/MMFigureHolder.h"

#include <algorithm>
#include <exception>

#include "platform/List.h"
#include "whiteboard/LayerPaintFrame.h"
#include "whiteboard/WhiteboardLog.h"

using Gdiplus::PointF;

void CMMFigureHolder::Add(const FigurePtr& figure)
{
    m_figures.push_back(figure);
}

void CMMFigureHolder::Clear()
{
    m_figures.clear();
}

BOOL CMMFigureHolder::HasFigures() const
{
    return !m_figures.empty();
}

int CMMFigureHolder::GetCount() const
{
    return (int)m_figures.size();
}

BOOL CMMFigureHolder::ContainsLineId(const CString& lineId) const
{
    return FindByLineId(lineId) ? TRUE : FALSE;
}

CMMFigureHolder::FigurePtr CMMFigureHolder::FindByLineId(const CString& lineId) const
{
    for (const FigurePtr& figure : m_figures) {
        if (figure && figure->LineIdRef() == lineId)
            return figure;
    }
    return FigurePtr();
}

void CMMFigureHolder::RemoveByLineId(const CString& lineId)
{
    FigurePtr figure = FindByLineId(lineId);
    if (figure)
        Remove(figure);
}

BOOL CMMFigureHolder::Remove(const FigurePtr& figure)
{
    if (m_figures.empty())
        return FALSE;
    m_figures.erase(std::remove(m_figures.begin(), m_figures.end(), figure), m_figures.end());
    return TRUE;
}

CMMFigureHolder::FigurePtr CMMFigureHolder::FindTopmostAt(const PointF& point) const
{
    for (auto it = m_figures.rbegin(); it != m_figures.rend(); ++it) {
        if (*it && (*it)->BoundsContain(point))
            return *it;
    }
    return FigurePtr();
}

std::vector<CMMFigureHolder::FigurePtr> CMMFigureHolder::HitTest(HitTestFn test, const PointF& a,
                                                                  const PointF& b) const
{
    std::vector<FigurePtr> hits;
    for (auto it = m_figures.rbegin(); it != m_figures.rend(); ++it) {
        if (*it && ((**it).*test)(a, b, (*it)->GetFigureType()))
            hits.push_back(*it);
    }
    return hits;
}

std::vector<CMMFigureHolder::FigurePtr> CMMFigureHolder::HitTestRect(const PointF& a, const PointF& b) const
{
    return HitTest(&CMMFigure::HitTestRect, a, b);
}

std::vector<CMMFigureHolder::FigurePtr> CMMFigureHolder::HitTestSegment(const PointF& a, const PointF& b) const
{
    return HitTest(&CMMFigure::HitTestSegment, a, b);
}

void CMMFigureHolder::CopyToList(CPtrList& list) const
{
    for (const FigurePtr& figure : m_figures) {
        if (figure)
            list.AddTail(new CMMFigure(*figure));
    }
}

void CMMFigureHolder::Draw(HDC dc, int left, int top, int right, int bottom, float zoom) const
{
    if (m_figures.empty())
        return;
    Gdiplus::Graphics graphics(dc);
    CLayerPaintFrame frame(graphics, left, top, right, bottom, zoom);
    try {
        for (size_t i = 0; i < m_figures.size(); ++i) {
            const FigurePtr& figure = m_figures.at(i);
            if (!figure)
                break;
            figure->Draw(graphics, figure->GetFigureType());
        }
    } catch (const std::exception& e) {
        CWhiteboardLog::Log(2, L"Draw figure error : %hs", e.what());
    }
}

void CMMFigureHolder::AppendSvg(std::wstring& out) const
{
    for (const FigurePtr& figure : m_figures) {
        if (figure)
            figure->AppendSvg(out);
    }
}

CString CMMFigureHolder::ToSvg() const
{
    std::wstring out;
    AppendSvg(out);
    return CString(out.c_str(), (int)out.size());
}
