// The canvas' pen and finger rules without a window: the source of a mouse message, the mode the
// palette gives the pen, what a finger does while the pen draws, the flick that turns the page,
// and which finger moves a stroke takes.
#include <gtest/gtest.h>

#include "whiteboard/canvas/CanvasTouch.h"

namespace {

TEST(CanvasTouch, MouseEventSourceBySignature)
{
    struct Case {
        ULONG_PTR extra;
        int source;
    } cases[] = {
        {0, kMouseFromMouse},
        {0xFF515780, kMouseFromTouch},
        {0xFF5157FF, kMouseFromTouch},
        {0xFF515700, kMouseFromPen},
        {0xFF51577F, kMouseFromPen},
        {0xFF515880, kMouseFromMouse},   // another signature
        {0x00515780, kMouseFromMouse},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CCanvasTouch::MouseEventSource(c.extra), c.source) << std::hex << c.extra;
}

TEST(CanvasTouch, PaletteModeOfThePen)
{
    struct Case {
        BOOL penInput;
        int tool, lineType, mode;
    } cases[] = {
        {FALSE, 1, 1, 0},  {TRUE, 3, 4, 11}, {TRUE, 1, 1, 1},  {TRUE, 2, 2, 6},  {TRUE, 1, 3, 7},
        {TRUE, 1, 4, 8},   {TRUE, 1, 5, 9},  {TRUE, 1, 6, 10}, {TRUE, 1, 0, 0},  {TRUE, 1, 7, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CCanvasTouch::PaletteMode(c.penInput, c.tool, c.lineType), c.mode)
            << c.penInput << " " << c.tool << " " << c.lineType;
}

TEST(CanvasTouch, FlickTurnsOnlyAtThePageEdgeShown)
{
    const int client = 800;
    struct Case {
        int direction;
        RECT page;
        UINT_PTR timer;
    } cases[] = {
        {1, {100, 0, 700, 600}, 4001},    // whole page inside: to the left is the next page
        {-1, {100, 0, 700, 600}, 4002},
        {1, {-400, 0, 900, 600}, 0},      // zoomed: the right part is still off screen
        {-1, {-400, 0, 900, 600}, 0},
        {1, {-500, 0, 795, 600}, 4001},   // panned to its right edge
        {-1, {5, 0, 1300, 600}, 4002},    // panned to its left edge
        {0, {100, 0, 700, 600}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CCanvasTouch::FlickTimer(c.direction, c.page, client), c.timer)
            << c.direction << " " << c.page.left << ".." << c.page.right;
}

TEST(CanvasTouch, WithThePenAFingerPansAndAQuickSidewaysFlickTurnsThePage)
{
    struct Case {
        const char* what;
        int dx;
        DWORD ms;
        UINT_PTR timer;
    } cases[] = {
        {"quick to the left", -120, 150, 4001},
        {"quick to the right", 120, 150, 4002},
        {"slow: a pan", -120, 450, 0},
        {"short", -60, 100, 0},
        {"exactly 80 pixels", -80, 100, 0},
        {"exactly 300 ms", -120, 300, 4001},
    };
    for (const Case& c : cases) {
        CCanvasTouch touch;
        int mode = 1;
        ASSERT_TRUE(touch.PenInputDown(1, FALSE, POINT{400, 300}, 1000, 1, mode));
        EXPECT_EQ(mode, 0) << c.what << ": a finger pans";
        EXPECT_EQ(touch.PointerType(), kPointerTouch);
        EXPECT_TRUE(touch.PenInputMove(1, 1, mode));
        EXPECT_EQ(mode, 0) << c.what;
        UINT_PTR timer = 99;
        EXPECT_TRUE(touch.PenInputUp(1, POINT{400 + c.dx, 310}, 1000 + c.ms, mode, timer));
        EXPECT_EQ(timer, c.timer) << c.what;
        EXPECT_EQ(touch.PointerType(), kPointerNone);
    }
}

TEST(CanvasTouch, WithThePenThePenDrawsAndTwoFingersOnlyPan)
{
    CCanvasTouch touch;
    int mode = 0;
    // The pen takes the palette's mode (here the rectangle) and never flicks.
    ASSERT_TRUE(touch.PenInputDown(1, TRUE, POINT{100, 100}, 0, 8, mode));
    EXPECT_EQ(mode, 8);
    EXPECT_EQ(touch.PointerType(), kPointerPen);
    UINT_PTR timer = 0;
    EXPECT_TRUE(touch.PenInputUp(1, POINT{400, 100}, 50, mode, timer));
    EXPECT_EQ(timer, 0u);

    // Two fingers: outside the pan mode their moves and lifts are refused.
    mode = 1;
    ASSERT_TRUE(touch.PenInputDown(2, FALSE, POINT{100, 100}, 0, 1, mode));
    EXPECT_TRUE(touch.IsMultiTouch());
    EXPECT_FALSE(touch.PenInputMove(2, 1, mode));
    EXPECT_FALSE(touch.PenInputUp(2, POINT{100, 100}, 10, mode, timer));
    mode = 0;
    EXPECT_TRUE(touch.PenInputMove(2, 1, mode));
    EXPECT_EQ(mode, 0) << "a pinch keeps panning";

    // A lone finger move whose touch down was not seen takes the palette's mode again.
    CCanvasTouch fresh;
    mode = 0;
    EXPECT_TRUE(fresh.PenInputMove(1, 6, mode));
    EXPECT_EQ(mode, 6);
}

TEST(CanvasTouch, StrokeTakesEveryFewMovesPastTheTrembling)
{
    CCanvasTouch touch;
    touch.SetSensitivity(2, 3);
    touch.StartStroke(POINT{0, 0});
    // Moves 1, 4, 7, ... are looked at; of those only the ones past 3 pixels are taken.
    const POINT moves[] = {{10, 10}, {11, 10}, {12, 10}, {12, 12}, {13, 13}, {14, 14}, {30, 10}, {31, 10},
                           {32, 10}, {30, 10}};
    const bool taken[] = {true, false, false, false, false, false, true, false, false, false};
    for (size_t i = 0; i < sizeof moves / sizeof moves[0]; ++i)
        EXPECT_EQ(touch.TakeStrokePoint(moves[i]) != FALSE, taken[i]) << "move " << i + 1;

    CCanvasTouch every;
    every.SetSensitivity(0, 0);
    every.StartStroke(POINT{5, 5});
    EXPECT_FALSE(every.TakeStrokePoint(POINT{5, 5})) << "where the finger went down";
    EXPECT_TRUE(every.TakeStrokePoint(POINT{6, 6}));
    EXPECT_FALSE(every.TakeStrokePoint(POINT{6, 6})) << "an unchanged point";
    EXPECT_TRUE(every.TakeStrokePoint(POINT{6, 5}));
}

}  // namespace
