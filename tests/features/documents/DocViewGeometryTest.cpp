#include <gtest/gtest.h>

#include "features/documents/DocViewGeometry.h"

namespace {

using docview::FitImageRect;
using docview::PanImageRect;
using docview::ZoomImageRect;

std::string Text(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(DocViewGeometry, FitCentresOnTheAxisWithRoomAndGivesTheScale)
{
    const CRect B(10, 20, 810, 620);   // 800 x 600
    struct Case {
        int w, h;
        const char* rect;
        float zoom;
    } cases[] = {
        {800, 1131, "198,20,622,620", 600.0f / 1131},   // portrait page: pillar-boxed
        {1600, 600, "10,170,810,470", 0.5f},             // wide page: letter-boxed
        {400, 300, "10,20,810,620", 2.0f},               // same shape: fills B
        {0, 0, "10,20,810,620", 7.0f},                   // no size: B, zoom untouched
    };
    for (const Case& c : cases) {
        float zoom = 7.0f;
        const CRect r = FitImageRect(B, c.w, c.h, &zoom);
        EXPECT_EQ(Text(r), c.rect) << c.w << "x" << c.h;
        EXPECT_NEAR(zoom, c.zoom, 0.002f) << c.w << "x" << c.h;
    }
}

TEST(DocViewGeometry, ZoomKeepsThePointUnderTheCursorAndNeverUncoversTheView)
{
    const CRect B(0, 0, 800, 600);
    const CRect R(0, 0, 800, 600);   // a 1600 x 1200 page shown at 0.5
    CRect out;
    EXPECT_FALSE(ZoomImageRect(R, B, 400, 300, 1600, 1200, 1.0f, &out));
    EXPECT_EQ(Text(out), "-400,-300,1200,900");   // the page's centre stays under the cursor
    EXPECT_FALSE(ZoomImageRect(R, B, 100, 100, 1600, 1200, 1.0f, &out));
    EXPECT_EQ(Text(out), "-100,-100,1500,1100");
    EXPECT_FALSE(ZoomImageRect(R, B, 0, 0, 1600, 1200, 1.0f, &out));
    EXPECT_EQ(Text(out), "0,0,1600,1200");
    // Smaller than B: centred, and reported smaller.
    EXPECT_TRUE(ZoomImageRect(R, B, 700, 50, 1600, 1200, 0.25f, &out));
    EXPECT_EQ(Text(out), "200,150,600,450");
    // Wider but lower than B: centred vertically only.
    EXPECT_FALSE(ZoomImageRect(CRect(0, 200, 800, 400), B, 400, 300, 1600, 400, 1.0f, &out));
    EXPECT_EQ(Text(out), "-400,100,1200,500");
}

TEST(DocViewGeometry, PanMovesOnlyOverflowingAxesAndStopsAtTheEdges)
{
    const CRect B(0, 0, 800, 600);
    struct Case {
        CRect R;
        int dx, dy;
        const char* rect;
    } cases[] = {
        {CRect(-100, -100, 1500, 1100), 50, 50, "-50,-50,1550,1150"},
        {CRect(-100, -100, 1500, 1100), 500, 500, "0,0,1600,1200"},        // near edges stop at B
        {CRect(-100, -100, 1500, 1100), -5000, -5000, "-800,-600,800,600"},  // far edges stop at B
        {CRect(200, -100, 600, 1100), 80, 30, "200,-70,600,1130"},         // narrower: only vertical
        {CRect(200, 150, 600, 450), 80, 30, "200,150,600,450"},            // fits: nothing moves
    };
    for (const Case& c : cases) EXPECT_EQ(Text(PanImageRect(c.R, B, c.dx, c.dy)), c.rect) << Text(c.R);
}

TEST(DocViewGeometry, ZoomStepsInStopAtFourTimes)
{
    EXPECT_FLOAT_EQ(docview::ZoomInStep(1.0f), 1.1f);
    EXPECT_FLOAT_EQ(docview::ZoomInStep(3.9f), 4.0f);
    EXPECT_FLOAT_EQ(docview::ZoomOutStep(1.0f), 0.9f);
}

}  // namespace
