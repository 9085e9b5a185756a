// The pen canvas over a real owner window: strokes, the eraser, the owner's notifications, the
// document and picture it writes.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/canvas/CanvasTestSupport.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/canvas/PenCanvas.h"

using namespace canvastest;

namespace {

// The owner: paints white and hands painting to the canvas; counts the canvas' notifications.
class OwnerWindow : public HostWindow {
public:
    CPenCanvas* pen = nullptr;
    int changes = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PEN_CANVAS_CHANGED) {
            ++changes;
            return 0;
        }
        if (message == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(m_hWnd, &ps);
            RECT rc;
            ::GetClientRect(m_hWnd, &rc);
            ::FillRect(dc, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
            if (pen) {
                CDC* pDC = CDC::FromHandle(dc);
                pen->Draw(pDC);
            }
            ::EndPaint(m_hWnd, &ps);
            return 0;
        }
        return HostWindow::WindowProc(message, wParam, lParam);
    }
};

class Palette : public IPenPalette {
public:
    int GetToolMode() override { return tool; }
    int GetColor() override { return color; }
    int GetThickness() override { return thickness; }
    int GetLineType() override { return lineType; }
    void EnableUndoRedo(BOOL, BOOL) override {}
    void ApplyCurrent(BOOL) override {}
    int tool = 1, color = 0xFF0000, thickness = 5, lineType = 1;
};

class PenCanvasFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.Open(400, 300));
        pen.reset(new CPenCanvas(&owner, RECT{50, 40, 350, 240}));
        owner.pen = pen.get();
        owner.UpdateWindow();
    }
    void TearDown() override
    {
        owner.pen = nullptr;
        pen.reset();
        owner.DestroyWindow();
    }
    void Stroke(std::vector<POINT> path)
    {
        pen->OnLButtonDown(path.front());
        for (size_t i = 1; i < path.size(); ++i)
            pen->OnMouseMove(path[i]);
        pen->OnLButtonUp(path.back());
        zeltest::PumpFor(20);
    }
    CMMFigure* First() { return static_cast<CMMFigure*>(pen->GetStrokeList()->GetHead()); }

    OwnerWindow owner;
    std::unique_ptr<CPenCanvas> pen;
};

TEST_F(PenCanvasFixture, ClickWithoutMovementCreatesNothing)
{
    pen->OnLButtonDown(POINT{100, 100});
    pen->OnLButtonUp(POINT{100, 100});
    zeltest::PumpFor(20);
    EXPECT_FALSE(pen->HasStrokes());
    EXPECT_EQ(owner.changes, 0);
}

TEST_F(PenCanvasFixture, DefaultPenIsABlackCurveOfWidthTwo)
{
    Stroke({{100, 100}, {120, 110}, {140, 130}});
    ASSERT_TRUE(pen->HasStrokes());
    CMMFigure* f = First();
    EXPECT_EQ(f->GetColor(), 0);
    EXPECT_EQ(f->GetWidth(), 2);
    EXPECT_EQ(f->GetOpacity(), 1.0f);
    EXPECT_EQ(f->GetFigureType(), 0);
    // Points are relative to the canvas rectangle.
    EXPECT_FLOAT_EQ(f->GetPoint(0).X, 50.0f);
    EXPECT_FLOAT_EQ(f->GetPoint(0).Y, 60.0f);
    EXPECT_EQ(owner.changes, 1);
    EXPECT_TRUE(pen->IsModified());
    // Painted through the owner: ink under the stroke.
    EXPECT_NE(ScreenPixel(owner.GetSafeHwnd(), 120, 110), RGB(255, 255, 255));
}

TEST_F(PenCanvasFixture, OutsideTheRectangleNothingStarts)
{
    Stroke({{10, 10}, {60, 60}, {90, 90}});
    EXPECT_FALSE(pen->HasStrokes());
}

TEST_F(PenCanvasFixture, PaletteHighlighterAndShapes)
{
    Palette palette;
    pen->SetPalette(&palette);
    pen->SetPaletteOption(1);
    palette.tool = 2;
    Stroke({{100, 100}, {150, 150}});
    EXPECT_EQ(First()->GetWidth(), 13);
    EXPECT_EQ(First()->GetOpacity(), 0.5f);
    pen->Clear();
    palette.tool = 1;
    palette.lineType = 4;  // rectangle
    Stroke({{60, 50}, {80, 60}, {95, 70}, {110, 80}});
    ASSERT_EQ(First()->GetFigureType(), 3);
    ASSERT_EQ(First()->GetPointCount(), 2);
    EXPECT_FLOAT_EQ(First()->GetPoint(0).X, 10.0f);
    EXPECT_FLOAT_EQ(First()->GetPoint(0).Y, 10.0f);
    EXPECT_FLOAT_EQ(First()->GetPoint(1).X, 60.0f);
    EXPECT_FLOAT_EQ(First()->GetPoint(1).Y, 40.0f);
}

TEST_F(PenCanvasFixture, EraserRemovesTouchedStrokesWithOneMessagePerMove)
{
    Stroke({{100, 100}, {200, 100}, {300, 100}});
    Stroke({{100, 120}, {200, 120}, {300, 120}});
    Stroke({{100, 200}, {200, 200}, {300, 200}});
    const int before = owner.changes;
    Palette palette;
    palette.tool = 3;
    pen->SetPalette(&palette);
    pen->SetPaletteOption(1);
    // One move over both upper strokes (the box reaches 5 pixels each way).
    pen->OnLButtonDown(POINT{200, 110});
    pen->OnMouseMove(POINT{200, 110});
    zeltest::PumpFor(20);
    EXPECT_EQ(pen->GetStrokeList()->GetCount(), 3);  // 10 pixels away: untouched
    pen->OnMouseMove(POINT{200, 104});
    pen->OnMouseMove(POINT{200, 117});
    pen->OnLButtonUp(POINT{200, 117});
    zeltest::PumpFor(20);
    EXPECT_EQ(pen->GetStrokeList()->GetCount(), 1);
    EXPECT_EQ(owner.changes - before, 2);
}

TEST_F(PenCanvasFixture, ClearEmptiesTheListAndTheFlag)
{
    EXPECT_FALSE(pen->Clear());
    EXPECT_FALSE(pen->IsModified());
    Stroke({{100, 100}, {150, 150}});
    ASSERT_TRUE(pen->IsModified());
    EXPECT_TRUE(pen->Clear());
    EXPECT_FALSE(pen->HasStrokes());
    EXPECT_EQ(pen->GetStrokeList()->GetCount(), 0);
    EXPECT_FALSE(pen->IsModified());
    // Drawing and going on after a clear is sound (the canvas' destructor deletes what is left).
    Stroke({{100, 100}, {150, 150}});
    EXPECT_TRUE(pen->HasStrokes());
}

TEST_F(PenCanvasFixture, ExternalListAndDocuments)
{
    CPtrList notes;
    pen->SetStrokeList(&notes);
    Stroke({{100, 100}, {150, 150}});
    EXPECT_EQ(notes.GetCount(), 1);
    const CString svg = pen->ToSvg(notes);
    EXPECT_NE(svg.Find(L"<svg"), -1);
    EXPECT_EQ(svg.Find(L"\""), -1);
    EXPECT_TRUE(pen->ToSvg(CPtrList()).IsEmpty());
    // The owner takes its strokes back before its list goes.
    pen->SetStrokeList(nullptr);
    while (!notes.IsEmpty())
        delete static_cast<CMMFigure*>(notes.RemoveTail());

    Stroke({{100, 100}, {200, 150}, {300, 200}});
    owner.Invalidate();
    owner.UpdateWindow();
    zeltest::TempDir dir;
    const std::wstring path = dir.File(L"sign.png");
    EXPECT_EQ(pen->SaveAsPng(path.c_str()), 0);
    Gdiplus::Bitmap saved(path.c_str());
    ASSERT_EQ(saved.GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(saved.GetWidth(), 300u);
    EXPECT_EQ(saved.GetHeight(), 200u);
    Gdiplus::Color c;
    saved.GetPixel(100, 85, &c);  // on the stroke from (50, 60) to (150, 110), relative
    EXPECT_LT(c.GetR(), 128);
}

}  // namespace
