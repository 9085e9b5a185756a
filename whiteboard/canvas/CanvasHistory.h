#pragma once
// Undo and redo of the user's own drawing layer. An entry with an even action records a figure
// that was added (undo takes it away), an odd one a figure that was erased (undo puts it back).
// Entries made by one user action (a stroke, or one eraser move that hit several figures) form
// one step and are undone and redone together.
#include <memory>
#include <vector>

#include "whiteboard/MMFigure.h"

class CMMFigureHolder;

struct S_BOARD_HISTORY {
    std::shared_ptr<CMMFigure> figure;
    int action = 0;
    int step = 0;  // entries of one user action share it
};

class CCanvasHistory {
public:
    // Undo stays possible while fewer than this many steps wait to be redone.
    static const int kMaxRedo = 10;

    // Starts a new user action: the next Push opens a new step.
    void BeginStep() { m_bNewStep = true; }
    // Records an entry of the current step and empties the redo list.
    void Push(const std::shared_ptr<CMMFigure>& figure, int action);
    void Clear();

    // One step back or forward on the layer; FALSE when there is nothing to do.
    BOOL Undo(CMMFigureHolder& layer);
    BOOL Redo(CMMFigureHolder& layer);

    BOOL CanUndo() const { return !m_undo.empty() && StepCount(m_redo) < kMaxRedo; }
    BOOL CanRedo() const { return !m_redo.empty(); }
    const std::vector<S_BOARD_HISTORY>& UndoEntries() const { return m_undo; }
    const std::vector<S_BOARD_HISTORY>& RedoEntries() const { return m_redo; }

private:
    static int StepCount(const std::vector<S_BOARD_HISTORY>& entries);
    // Moves the last step of 'from' to 'to', applying each entry (forward: redo meaning).
    static BOOL MoveStep(std::vector<S_BOARD_HISTORY>& from, std::vector<S_BOARD_HISTORY>& to,
                         CMMFigureHolder& layer, bool undo);

    std::vector<S_BOARD_HISTORY> m_undo;
    std::vector<S_BOARD_HISTORY> m_redo;
    int m_nStep = 0;
    bool m_bNewStep = true;
};
