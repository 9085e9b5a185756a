#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "WhiteboardTestSupport.h"
#include "whiteboard/FigureGeometry.h"

using Gdiplus::PointF;
using namespace FigureGeometry;

namespace {

std::vector<std::pair<int, int>> AsInts(const std::vector<PointF>& points)
{
    std::vector<std::pair<int, int>> out;
    for (const PointF& p : points)
        out.emplace_back((int)p.X, (int)p.Y);
    return out;
}

using IntPoints = std::vector<std::pair<int, int>>;

struct HitCase {
    const char* what;
    int type;
    std::vector<PointF> points;
    PointF a, b;
    bool expected;
};

}  // namespace

TEST(FigureGeometry, BoundsOfTwoPointsAreWidenedByTheWidth)
{
    const S_FIGURE_RECT r = BoundsOfTwo(PointF(10, 10), PointF(10, 10), 5);
    EXPECT_EQ(r.left, 5.0f);
    EXPECT_EQ(r.top, 5.0f);
    EXPECT_EQ(r.right, 15.0f);
    EXPECT_EQ(r.bottom, 15.0f);
}

TEST(FigureGeometry, GrowingBoundsKeepsTheWidthMargin)
{
    S_FIGURE_RECT r = BoundsOfTwo(PointF(30, 40), PointF(10, 20), 3);
    GrowBounds(r, PointF(50, 5), 3);
    EXPECT_EQ(r.left, 7.0f);
    EXPECT_EQ(r.top, 2.0f);
    EXPECT_EQ(r.right, 53.0f);
    EXPECT_EQ(r.bottom, 43.0f);
    GrowBounds(r, PointF(20, 20), 3);  // inside: unchanged
    EXPECT_EQ(r.left, 7.0f);
    EXPECT_EQ(r.bottom, 43.0f);
}

TEST(FigureGeometry, SegmentOutlineStepsOneUnitAndLeavesOutTheEnd)
{
    std::vector<PointF> out;
    AppendSegmentOutline(PointF(0, 0), PointF(3, 4), out);
    EXPECT_EQ(AsInts(out), (IntPoints{{0, 0}, {0, 0}, {1, 1}, {1, 2}, {2, 3}}));
    out.clear();
    AppendSegmentOutline(PointF(10, 5), PointF(14, 5), out);
    EXPECT_EQ(AsInts(out), (IntPoints{{10, 5}, {11, 5}, {12, 5}, {13, 5}}));
    out.clear();
    AppendSegmentOutline(PointF(7, 7), PointF(7, 7), out);
    EXPECT_TRUE(out.empty());
}

TEST(FigureGeometry, RectangleOutlineWalksTheFourEdges)
{
    std::vector<PointF> out;
    AppendRectangleOutline(PointF(2, 1), PointF(0, 0), out);
    EXPECT_EQ(AsInts(out), (IntPoints{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}}));
}

TEST(FigureGeometry, EllipseOutlineHas360PointsAroundTheTruncatedCentre)
{
    std::vector<PointF> out;
    AppendEllipseOutline(PointF(0, 0), PointF(20, 10), out);
    ASSERT_EQ(out.size(), 360u);
    // The degree conversion uses 3.141592, so sin 90 degrees stays just below 1 and truncates.
    EXPECT_EQ(AsInts({out[0], out[90], out[180]}), (IntPoints{{10, 10}, {19, 5}, {10, 1}}));
}

TEST(FigureGeometry, SegmentIntersectionTable)
{
    struct Case {
        PointF a1, a2, b1, b2;
        bool expected;
    } cases[] = {
        {{0, 0}, {10, 10}, {0, 10}, {10, 0}, true},
        {{0, 0}, {10, 0}, {0, 1}, {10, 1}, false},    // parallel
        {{0, 0}, {10, 0}, {5, 0}, {15, 0}, false},    // collinear counts as parallel
        {{0, 0}, {10, 0}, {10, 0}, {10, 10}, true},   // touching ends
        {{0, 0}, {4, 4}, {0, 10}, {10, 0}, false},    // would meet beyond the end
        {{3, 3}, {3, 3}, {0, 10}, {10, 0}, false},    // degenerate
        {{0.9f, 0}, {0.9f, 10}, {-5, 5}, {0.5f, 5}, true},  // apart, but both end at x = 0 once truncated
        {{0, 0}, {900000, 900000}, {0, 900000}, {900000, 0}, true},  // products beyond 32 bits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SegmentsIntersect(c.a1, c.a2, c.b1, c.b2), c.expected)
            << c.a1.X << "," << c.a1.Y << " " << c.a2.X << "," << c.a2.Y;
    }
}

TEST(FigureGeometry, RoundRectDiameterTable)
{
    EXPECT_EQ(RoundRectDiameter(100, 1), 0);
    EXPECT_EQ(RoundRectDiameter(1, 100), 0);
    EXPECT_EQ(RoundRectDiameter(100, 15), 1);
    EXPECT_EQ(RoundRectDiameter(19, 100), 1);
    EXPECT_EQ(RoundRectDiameter(20, 20), 20);
}

TEST(FigureGeometry, HitTestRectTable)
{
    const HitCase cases[] = {
        {"curve crossed between its points", kCurve, {{0, 0}, {100, 0}}, {40, -5}, {50, 5}, false},
        {"curve point inside", kCurve, {{0, 0}, {45, 0}, {100, 0}}, {40, -5}, {50, 5}, true},
        {"point on the right edge is outside", kCurve, {{0, 0}, {50, 50}}, {40, 40}, {50, 50}, false},
        {"point on the left edge is inside", kCurve, {{0, 0}, {50, 50}}, {60, 60}, {50, 50}, true},
        {"line crossed between its ends", kLine, {{0, 0}, {100, 0}}, {40, -5}, {50, 5}, true},
        {"line missed", kLine, {{0, 0}, {100, 0}}, {40, 5}, {50, 15}, false},
        {"check far from its last point", kCheck, {{0, 0}, {200, 100}}, {-5, -5}, {5, 5}, false},
        {"check at its vertex", kCheck, {{0, 0}, {200, 100}}, {195, 95}, {205, 105}, true},
        {"check at its short arm", kCheck, {{0, 0}, {200, 100}}, {193, 88}, {197, 92}, true},
        {"check at its long arm", kCheck, {{0, 0}, {200, 100}}, {210, 84}, {216, 92}, true},
        {"rectangle interior", kRectangle, {{10, 10}, {50, 50}}, {25, 25}, {35, 35}, false},
        {"rectangle edge", kRectangle, {{10, 10}, {50, 50}}, {45, 20}, {55, 30}, true},
        {"rounded rectangle edge", kRoundRect, {{50, 50}, {10, 10}}, {5, 20}, {15, 30}, true},
        {"ellipse centre", kEllipse, {{0, 0}, {100, 50}}, {45, 20}, {55, 30}, false},
        {"ellipse right end", kEllipse, {{0, 0}, {100, 50}}, {95, 20}, {105, 30}, true},
        {"unknown type", 9, {{0, 0}, {100, 0}}, {-10, -10}, {110, 10}, false},
        {"a single point", kCurve, {{5, 5}}, {0, 0}, {10, 10}, false},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(HitTestRect(c.points, c.type, c.a, c.b), c.expected) << c.what;
}

TEST(FigureGeometry, HitTestSegmentTable)
{
    const HitCase cases[] = {
        {"curve crossed between its points", kCurve, {{0, 0}, {100, 0}}, {45, -5}, {45, 5}, true},
        {"curve passed by", kCurve, {{0, 0}, {100, 0}, {100, 100}}, {50, 10}, {90, 50}, false},
        {"curve crossed at its second stretch", kCurve, {{0, 0}, {100, 0}, {100, 100}}, {90, 50}, {110, 50}, true},
        {"line crossed", kLine, {{0, 0}, {100, 0}}, {45, -5}, {45, 5}, true},
        {"line crossed only by the middle points", kLine, {{0, 0}, {50, 50}, {100, 0}}, {45, 30}, {55, 30}, false},
        {"rectangle tested as a rectangle", kRectangle, {{10, 10}, {50, 50}}, {45, 20}, {55, 30}, true},
        {"rectangle crossed by a thin segment", kRectangle, {{10, 10}, {50, 50}}, {40, 30}, {60, 30}, false},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(HitTestSegment(c.points, c.type, c.a, c.b), c.expected) << c.what;
}

// The eraser test is defined on a GDI+ rectangle path; the plain test must agree with it on
// whole-pixel points, edges included.
TEST(FigureGeometry, EraserRectangleAgreesWithGdiplusOnWholePixels)
{
    const PointF a(10, 12), b(20, 17);
    CEraserRect eraser(b, a);
    Gdiplus::GraphicsPath path;
    path.AddRectangle(Gdiplus::RectF(10, 12, 10, 5));
    for (int y = 9; y <= 20; ++y) {
        for (int x = 8; x <= 22; ++x) {
            const PointF p((float)x, (float)y);
            EXPECT_EQ(eraser.Contains(p), path.IsVisible(p) != FALSE) << x << "," << y;
        }
    }
}

// The hit tests skip figures and stretches whose boxes lie apart from the eraser; the answers must
// be those of walking every outline point and every pair.
TEST(FigureGeometry, ShortcutsGiveTheAnswersOfTheFullWalk)
{
    std::mt19937 random(1);
    std::uniform_real_distribution<float> coord(0, 40), offset(-8, 8);
    int hits = 0;
    for (int round = 0; round < 20000; ++round) {
        const int type = round % 6;
        std::vector<PointF> points{{coord(random), coord(random)}};
        for (int i = 0; i < (type == kCurve ? 6 : 1); ++i)
            points.emplace_back(points.back().X + offset(random) * 4, points.back().Y + offset(random) * 4);
        const PointF a(coord(random), coord(random));
        const PointF b(a.X + offset(random), a.Y + offset(random));

        std::vector<PointF> outline;
        const PointF& f = points.front();
        const PointF& l = points.back();
        switch (type) {
        case kCurve: outline = points; break;
        case kLine: AppendSegmentOutline(f, l, outline); break;
        case kCheck:
            AppendSegmentOutline(PointF(l.X - 5, l.Y - 10), l, outline);
            AppendSegmentOutline(l, PointF(l.X + 15, l.Y - 20), outline);
            break;
        case kEllipse: AppendEllipseOutline(f, l, outline); break;
        default: AppendRectangleOutline(f, l, outline); break;
        }
        const CEraserRect eraser(a, b);
        const bool byRect = std::any_of(outline.begin(), outline.end(), [&](const PointF& p) { return eraser.Contains(p); });
        ASSERT_EQ(HitTestRect(points, type, a, b), byRect) << "round " << round;

        bool bySegment = byRect;
        if (type == kCurve) {
            bySegment = false;
            for (size_t i = 1; i < points.size(); ++i)
                bySegment = bySegment || SegmentsIntersect(points[i - 1], points[i], a, b);
        } else if (type == kLine) {
            bySegment = SegmentsIntersect(f, l, a, b);
        }
        ASSERT_EQ(HitTestSegment(points, type, a, b), bySegment) << "round " << round;
        hits += bySegment ? 1 : 0;
    }
    EXPECT_GT(hits, 100);  // the table above is not all misses
}
