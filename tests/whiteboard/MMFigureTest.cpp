#include <gtest/gtest.h>

#include <set>

#include "WhiteboardTestSupport.h"
#include "whiteboard/LineIdSource.h"
#include "whiteboard/MMFigure.h"

using Gdiplus::PointF;
using wbtest::MakeFigure;
using wbtest::Narrow;

namespace {

class FixedClock {
public:
    explicit FixedClock(int64_t start) : m_now(start)
    {
        CLineIdSource::SetClockForTest([this] { return m_now; });
    }
    ~FixedClock() { CLineIdSource::SetClockForTest(nullptr); }
    void Set(int64_t now) { m_now = now; }
private:
    int64_t m_now;
};

std::string NewId()
{
    CMMFigure figure(PointF(0, 0), PointF(1, 1), 0, 1, 0, 1.0f, CString());
    return Narrow(figure.GetLineId());
}

}  // namespace

TEST(MMFigure, ConstructionFromOnePointKeepsItTwiceWithWidenedBounds)
{
    CMMFigure figure(PointF(10, 10), PointF(10, 10), 0x123456, 5, 0, 1.0f, CString(L"id"));
    EXPECT_EQ(figure.GetPointCount(), 2);
    EXPECT_TRUE(figure.IsTwoPoint());
    const S_FIGURE_RECT r = figure.GetRect();
    EXPECT_EQ(r.left, 5.0f);
    EXPECT_EQ(r.top, 5.0f);
    EXPECT_EQ(r.right, 15.0f);
    EXPECT_EQ(r.bottom, 15.0f);
    EXPECT_EQ(figure.GetSentChunks(), 0);
    EXPECT_EQ(Narrow(figure.GetLineId()), "id");
    EXPECT_TRUE(figure.BoundsContain(PointF(5, 15)));
    EXPECT_FALSE(figure.BoundsContain(PointF(4.9f, 10)));
}

TEST(MMFigure, SetLastPointMovesTheShapeButNotItsBounds)
{
    CMMFigure figure(PointF(0, 0), PointF(10, 10), 0, 1, 3, 1.0f, CString(L"id"));
    figure.SetLastPoint(PointF(100, 80));
    EXPECT_EQ(figure.GetPoint(1).X, 100.0f);
    EXPECT_EQ(figure.GetRect().right, 11.0f);
    figure.DuplicateLastPoint();
    EXPECT_EQ(figure.GetPointCount(), 3);
    EXPECT_EQ(figure.GetPoint(2).Y, 80.0f);
    EXPECT_EQ(figure.GetPoint(7).X, 0.0f);  // out of range reads as the origin
}

TEST(MMFigure, NewIdentifiersAreTheWrappedMillisecondClockInDecimal)
{
    FixedClock clock(1700000000000LL);
    EXPECT_EQ(NewId(), "-807049216");
    clock.Set(1700000000000LL + 10);
    EXPECT_EQ(NewId(), "-807049206");
    clock.Set(0x80000000LL + 0x100000000LL * 400);
    EXPECT_EQ(NewId(), "-2147483648");
}

TEST(MMFigure, FiguresMadeInTheSameMillisecondGetDifferentIdentifiers)
{
    FixedClock clock(5000);
    EXPECT_EQ(NewId(), "5000");
    EXPECT_EQ(NewId(), "5001");
    EXPECT_EQ(NewId(), "5002");
    clock.Set(4000);  // the clock stepped back
    EXPECT_EQ(NewId(), "5003");
    clock.Set(9000);
    EXPECT_EQ(NewId(), "9000");
    clock.Set(0x7FFFFFFF);  // across the 32-bit wrap the numbers stay distinct
    EXPECT_EQ(NewId(), "2147483647");
    EXPECT_EQ(NewId(), "-2147483648");
}

TEST(MMFigure, IdentifiersFromTheSystemClockAreUnique)
{
    std::set<std::string> ids;
    for (int i = 0; i < 2000; ++i)
        ids.insert(NewId());
    EXPECT_EQ(ids.size(), 2000u);
}

TEST(MMFigure, PendingChunkNeedsEightUnsentPoints)
{
    auto figure = MakeFigure(0, {{0, 0}, {1, 1}});
    for (int i = 2; i < 7; ++i)
        figure->AddPoint(PointF((float)i, 0));
    EXPECT_FALSE(figure->HasPendingChunk());  // 7 points
    figure->AddPoint(PointF(7, 0));
    EXPECT_TRUE(figure->HasPendingChunk());   // 8 points
    figure->ToInsertJson(0, 0, 0, FALSE);
    EXPECT_FALSE(figure->HasPendingChunk());
}

// Coarse pixel probes: each type is drawn where its geometry says, and nowhere else.
TEST(MMFigure, DrawPutsEachTypeWhereItsGeometrySays)
{
    struct Probe {
        int x, y;
        bool ink;
    };
    struct Case {
        const char* what;
        int type;
        std::vector<PointF> points;
        std::vector<Probe> probes;
    } cases[] = {
        {"curve", 0, {{10, 50}, {50, 52}, {90, 50}}, {{50, 51, true}, {50, 20, false}}},
        {"line", 1, {{10, 10}, {90, 90}}, {{50, 50, true}, {50, 20, false}}},
        {"check drawn only at its last point", 2, {{5, 90}, {50, 50}}, {{45, 40, true}, {50, 50, true}, {65, 30, true}, {5, 90, false}, {30, 70, false}}},
        {"rectangle", 3, {{80, 60}, {20, 20}}, {{20, 40, true}, {50, 20, true}, {80, 40, true}, {50, 40, false}}},
        {"rounded rectangle with round corners", 4, {{20, 20}, {80, 80}}, {{20, 50, true}, {20, 20, false}, {50, 50, false}}},
        {"rounded rectangle 15 high keeps square corners", 4, {{20, 20}, {80, 35}}, {{20, 20, true}, {80, 35, true}}},
        {"ellipse", 5, {{20, 20}, {80, 60}}, {{20, 40, true}, {50, 20, true}, {20, 20, false}, {50, 40, false}}},
    };
    for (const Case& c : cases) {
        wbtest::MemoryCanvas canvas(100, 100);
        Gdiplus::Graphics graphics(canvas.Dc());
        auto figure = MakeFigure(c.type, c.points, 0x000000, 2);
        figure->Draw(graphics, c.type);
        graphics.Flush(Gdiplus::FlushIntentionSync);
        for (const Probe& p : c.probes)
            EXPECT_EQ(canvas.InkNear(p.x, p.y, 1), p.ink) << c.what << " at " << p.x << "," << p.y;
    }
}

TEST(MMFigure, DrawNothingForUnknownTypesAndSinglePoints)
{
    wbtest::MemoryCanvas canvas(100, 100);
    {
        Gdiplus::Graphics graphics(canvas.Dc());
        MakeFigure(0, {{10, 10}, {90, 90}})->Draw(graphics, 6);
        CMMFigure empty;
        empty.Draw(graphics, 0);
    }
    for (int y = 0; y < 100; y += 3)
        for (int x = 0; x < 100; x += 3)
            ASSERT_FALSE(canvas.InkNear(x, y, 1)) << x << "," << y;
}

TEST(MMFigure, OpacityOutsideZeroToOneDoesNotWrapTheAlpha)
{
    wbtest::MemoryCanvas canvas(100, 100);
    {
        Gdiplus::Graphics graphics(canvas.Dc());
        MakeFigure(1, {{10, 50}, {90, 50}}, 0x000000, 6, 1.2f)->Draw(graphics, 1);
        MakeFigure(1, {{10, 20}, {90, 20}}, 0x000000, 6, 0.4f)->Draw(graphics, 1);
    }
    EXPECT_EQ(canvas.Pixel(50, 50), RGB(0, 0, 0));
    const COLORREF highlighted = canvas.Pixel(50, 20);
    EXPECT_GT(GetRValue(highlighted), 100);
    EXPECT_LT(GetRValue(highlighted), 200);
}
