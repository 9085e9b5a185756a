#include "whiteboard/canvas/CanvasHistory.h"

#include "whiteboard/MMFigureHolder.h"

#include <algorithm>

namespace {
bool Holds(const CMMFigureHolder& layer, const std::shared_ptr<CMMFigure>& figure)
{
    const auto& figures = layer.GetFigures();
    return std::find(figures.begin(), figures.end(), figure) != figures.end();
}
}  // namespace

void CCanvasHistory::Push(const std::shared_ptr<CMMFigure>& figure, int action)
{
    if (m_bNewStep) {
        ++m_nStep;
        m_bNewStep = false;
    }
    m_undo.push_back(S_BOARD_HISTORY{figure, action, m_nStep});
    m_redo.clear();
}

void CCanvasHistory::Clear()
{
    m_undo.clear();
    m_redo.clear();
    m_bNewStep = true;
}

int CCanvasHistory::StepCount(const std::vector<S_BOARD_HISTORY>& entries)
{
    int count = 0;
    for (size_t i = 0; i < entries.size(); ++i)
        if (i == 0 || entries[i].step != entries[i - 1].step)
            ++count;
    return count;
}

BOOL CCanvasHistory::MoveStep(std::vector<S_BOARD_HISTORY>& from, std::vector<S_BOARD_HISTORY>& to,
                              CMMFigureHolder& layer, bool undo)
{
    if (from.empty())
        return FALSE;
    const int step = from.back().step;
    std::vector<S_BOARD_HISTORY> moved;
    while (!from.empty() && from.back().step == step) {
        moved.push_back(from.back());
        from.pop_back();
    }
    // Undo walks the step backwards; redo replays it in its original order.
    if (!undo)
        std::reverse(moved.begin(), moved.end());
    for (const S_BOARD_HISTORY& entry : moved) {
        const bool added = (entry.action % 2) == 0;
        if (added == undo) {
            layer.Remove(entry.figure);
        } else if (!Holds(layer, entry.figure)) {
            // A figure is never put back twice, whatever else removed or restored it meanwhile.
            layer.Add(entry.figure);
        }
    }
    // The other list keeps the step's entries in their original order.
    if (undo)
        std::reverse(moved.begin(), moved.end());
    to.insert(to.end(), moved.begin(), moved.end());
    return TRUE;
}

BOOL CCanvasHistory::Undo(CMMFigureHolder& layer)
{
    m_bNewStep = true;
    return MoveStep(m_undo, m_redo, layer, true);
}

BOOL CCanvasHistory::Redo(CMMFigureHolder& layer)
{
    m_bNewStep = true;
    return MoveStep(m_redo, m_undo, layer, false);
}
