#include <gtest/gtest.h>

#include "whiteboard/canvas/CanvasView.h"

namespace {

CCanvasView ViewOf(int cx, int cy, int iw, int ih, float zoom)
{
    CCanvasView view;
    view.SetClientSize(cx, cy);
    view.SetImageSize(iw, ih);
    view.SetZoom(zoom);
    view.RecalcLayout();
    return view;
}

struct LayoutCase {
    const char* name;
    int cx, cy, iw, ih;
    float zoomIn;
    float zoom;
    RECT page;
};

TEST(CanvasView, LayoutByFitTypeAndZoom)
{
    const LayoutCase cases[] = {
        // Fit type 0 keeps 10 pixels in all on the tighter axis.
        {"fit whole page, wide client", 810, 610, 1000, 1000, 0.0f, 0.6f, {105, 5, 705, 605}},
        {"fit whole page, tall client", 510, 1010, 1000, 1000, 0.0f, 0.5f, {5, 255, 505, 755}},
        // Fit type 1 fills the larger ratio less 78 pixels.
        {"fill", 1078, 578, 1000, 1000, -1.0f, 1.0f, {39, -211, 1039, 789}},
        {"explicit zoom, centred", 800, 600, 400, 200, 1.5f, 1.5f, {100, 150, 700, 450}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CCanvasView view = ViewOf(c.cx, c.cy, c.iw, c.ih, c.zoomIn);
        EXPECT_FLOAT_EQ(view.Zoom(), c.zoom);
        EXPECT_EQ(view.Page().left, c.page.left);
        EXPECT_EQ(view.Page().top, c.page.top);
        EXPECT_EQ(view.Page().right, c.page.right);
        EXPECT_EQ(view.Page().bottom, c.page.bottom);
    }
}

TEST(CanvasView, GetZoomIsZeroWhileFitting)
{
    CCanvasView view = ViewOf(800, 600, 1000, 1000, 0.0f);
    EXPECT_EQ(view.GetZoom(), 0.0f);
    view.SetZoom(2.0f);
    EXPECT_EQ(view.GetZoom(), 2.0f);
    EXPECT_FALSE(view.IsFit());
}

TEST(CanvasView, NoImageLeavesNoLayout)
{
    CCanvasView view;
    view.SetClientSize(800, 600);
    view.SetImageSize(0, 0);
    EXPECT_FALSE(view.RecalcLayout());
    EXPECT_FALSE(view.HasImage());
}

TEST(CanvasView, OriginKeptAtCentreAndClampedToMargins)
{
    // A 2000 x 2000 page at zoom 1 on an 800 x 600 client.
    CCanvasView view = ViewOf(800, 600, 2000, 2000, 1.0f);
    view.SetOrigin(1000, 1000);
    view.RecalcLayout();
    EXPECT_EQ(view.Page().left, 400 - 1000);
    EXPECT_EQ(view.Page().top, 300 - 1000);
    EXPECT_EQ(view.Origin().x, 1000);
    EXPECT_EQ(view.Origin().y, 1000);

    // An origin near the top-left corner: the page stops at the 5-pixel margin.
    view.SetOrigin(10, 10);
    view.RecalcLayout();
    EXPECT_EQ(view.Page().left, 5);
    EXPECT_EQ(view.Page().top, 5);
    EXPECT_EQ(view.Origin().x, 395);
    EXPECT_EQ(view.Origin().y, 295);

    // Near the bottom-right corner: the right and bottom edges stay 5 pixels inside.
    view.SetOrigin(1990, 1990);
    view.RecalcLayout();
    EXPECT_EQ(view.Page().right, 795);
    EXPECT_EQ(view.Page().bottom, 595);
}

TEST(CanvasView, PageInsideClientCannotPanAndOriginFollowsCentre)
{
    CCanvasView view = ViewOf(800, 600, 400, 300, 1.0f);
    const RECT before = view.Page();
    EXPECT_FALSE(view.PanBy(POINT{100, 100}, POINT{300, 300}));
    EXPECT_TRUE(EqualRect(&before, &view.Page()));
    view.SetOrigin(50, 60);
    view.RecalcLayout();
    EXPECT_EQ(view.Origin().x, 200);  // page point at the client centre
    EXPECT_EQ(view.Origin().y, 150);
}

TEST(CanvasView, PanStopsAtMargins)
{
    CCanvasView view = ViewOf(800, 600, 2000, 1500, 1.0f);
    // Dragging far right and down stops the page's top-left corner at the 5-pixel margin.
    ASSERT_TRUE(view.PanBy(POINT{0, 0}, POINT{5000, 5000}));
    EXPECT_EQ(view.Page().left, 5);
    EXPECT_EQ(view.Page().top, 5);
    // Far the other way: the right and bottom edges stay 5 pixels inside the client.
    ASSERT_TRUE(view.PanBy(POINT{0, 0}, POINT{-9000, -9000}));
    EXPECT_EQ(view.Page().right, 795);
    EXPECT_EQ(view.Page().bottom, 595);
    EXPECT_EQ(view.Origin().x, 400 - view.Page().left);
}

struct AlignCase {
    const char* name;
    int iw, ih;
    LONG left, top;
    POINT origin;
};

TEST(CanvasView, AlignAfterPageMove)
{
    const AlignCase cases[] = {
        {"fits", 400, 300, 200, 150, {200, 150}},
        {"wider and taller", 2000, 1500, 5, 5, {0, 0}},
        {"only taller", 400, 1500, 200, 5, {200, 0}},
        {"only wider", 2000, 300, 5, 150, {0, 150}},
    };
    for (const AlignCase& c : cases) {
        SCOPED_TRACE(c.name);
        CCanvasView view = ViewOf(800, 600, c.iw, c.ih, 1.0f);
        view.AlignPageAfterMove();
        EXPECT_EQ(view.Page().left, c.left);
        EXPECT_EQ(view.Page().top, c.top);
        EXPECT_EQ(view.Origin().x, c.origin.x);
        EXPECT_EQ(view.Origin().y, c.origin.y);
    }
}

TEST(CanvasView, OriginZeroAfterTopLeftPlacementMeansCentred)
{
    CCanvasView view = ViewOf(800, 600, 2000, 1500, 1.0f);
    view.AlignPageAfterMove();
    ASSERT_EQ(view.Origin().x, 0);
    view.RecalcLayout();
    EXPECT_EQ(view.Page().left, 400 - 1000);  // centred again
}

TEST(CanvasView, WheelZoomSteps)
{
    struct {
        float current;
        BOOL in;
        float expected;
    } cases[] = {
        {1.0f, FALSE, 0.9f},
        {0.95f, FALSE, 0.9f},   // not 0.855
        {0.5f, FALSE, 0.5f},    // a zoom-out step never zooms in
        {1.0f, TRUE, 1.1f},
        {4.8f, TRUE, 5.0f},
        {6.0f, TRUE, 6.0f},     // a zoom-in step never zooms out
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(CCanvasView::WheelZoom(c.current, c.in), c.expected) << c.current << " in=" << c.in;
}

TEST(CanvasView, ScreenAndPageCoordinates)
{
    const CCanvasView view = ViewOf(800, 600, 400, 200, 2.0f);
    const Gdiplus::PointF p = view.ScreenToPage(POINT{view.Page().left + 30, view.Page().top + 50});
    EXPECT_FLOAT_EQ(p.X, 15.0f);
    EXPECT_FLOAT_EQ(p.Y, 25.0f);
    const POINT s = view.PageToScreen(Gdiplus::PointF(15.25f, 25.0f));
    EXPECT_EQ(s.x, view.Page().left + 30);
    EXPECT_EQ(s.y, view.Page().top + 50);
}

}  // namespace
