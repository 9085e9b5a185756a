#include <gtest/gtest.h>

#include "whiteboard/MMFigureHolder.h"
#include "whiteboard/canvas/CanvasHistory.h"

namespace {

std::shared_ptr<CMMFigure> Figure(const wchar_t* id)
{
    return std::make_shared<CMMFigure>(Gdiplus::PointF(1, 1), Gdiplus::PointF(20, 20), 0xFF, 3, 0, 1.0f, id);
}

void AddStroke(CCanvasHistory& history, CMMFigureHolder& layer, const std::shared_ptr<CMMFigure>& figure)
{
    layer.Add(figure);
    history.BeginStep();
    history.Push(figure, 0);
}

TEST(CanvasHistory, UndoRedoOfStrokes)
{
    CCanvasHistory history;
    CMMFigureHolder layer;
    AddStroke(history, layer, Figure(L"a"));
    AddStroke(history, layer, Figure(L"b"));
    ASSERT_TRUE(history.Undo(layer));
    EXPECT_EQ(layer.GetCount(), 1);
    EXPECT_TRUE(layer.ContainsLineId(L"a"));
    ASSERT_TRUE(history.Redo(layer));
    EXPECT_EQ(layer.GetCount(), 2);
    EXPECT_FALSE(history.Redo(layer));
    // A new action empties the redo list.
    ASSERT_TRUE(history.Undo(layer));
    AddStroke(history, layer, Figure(L"c"));
    EXPECT_FALSE(history.CanRedo());
}

TEST(CanvasHistory, OneUndoRestoresEveryFigureOfOneErase)
{
    CCanvasHistory history;
    CMMFigureHolder layer;
    auto a = Figure(L"a"), b = Figure(L"b"), c = Figure(L"c");
    for (auto& f : {a, b, c})
        AddStroke(history, layer, f);
    // One eraser move hits all three.
    history.BeginStep();
    for (auto& f : {a, b, c}) {
        layer.Remove(f);
        history.Push(f, 1);
    }
    ASSERT_EQ(layer.GetCount(), 0);
    ASSERT_TRUE(history.Undo(layer));
    EXPECT_EQ(layer.GetCount(), 3);
    // Redo erases all three again, undo brings them back again.
    ASSERT_TRUE(history.Redo(layer));
    EXPECT_EQ(layer.GetCount(), 0);
    ASSERT_TRUE(history.Undo(layer));
    EXPECT_EQ(layer.GetCount(), 3);
    // A stroke drawn after the erase is undone on its own.
    AddStroke(history, layer, Figure(L"d"));
    ASSERT_TRUE(history.Undo(layer));
    EXPECT_EQ(layer.GetCount(), 3);
    EXPECT_FALSE(layer.ContainsLineId(L"d"));
}

TEST(CanvasHistory, TenUndosDisableUndoUntilRedo)
{
    CCanvasHistory history;
    CMMFigureHolder layer;
    for (int i = 0; i < 12; ++i)
        AddStroke(history, layer, Figure(L"x"));
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(history.CanUndo()) << i;
        history.Undo(layer);
    }
    EXPECT_FALSE(history.CanUndo());
    history.Redo(layer);
    EXPECT_TRUE(history.CanUndo());
}

TEST(CanvasHistory, AFigureIsNeverPutBackTwice)
{
    CCanvasHistory history;
    CMMFigureHolder layer;
    auto a = Figure(L"a");
    AddStroke(history, layer, a);
    // Two erase entries for the same figure (what a second delete of an erased figure recorded).
    history.BeginStep();
    layer.Remove(a);
    history.Push(a, 1);
    history.BeginStep();
    history.Push(a, 1);
    history.Undo(layer);
    history.Undo(layer);
    EXPECT_EQ(layer.GetCount(), 1);
}

}  // namespace
