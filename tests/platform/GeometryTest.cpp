#include "platform/Geometry.h"

#include <gtest/gtest.h>

#include <ostream>

// Failure messages show rectangles as (left,top)-(right,bottom).
inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

TEST(GeometryTest, RectMeasuresAndCorners)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CPoint(110, 70));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    r.TopLeft() = CPoint(0, 0);  // the corners alias the fields
    EXPECT_EQ(r, CRect(0, 0, 110, 70));
    EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
    EXPECT_EQ(CRect(CPoint(1, 2), CPoint(3, 4)), CRect(1, 2, 3, 4));
    RECT raw = { 1, 2, 3, 4 };
    EXPECT_EQ(CRect(&raw), CRect(raw));
    EXPECT_TRUE(CRect(static_cast<const RECT*>(nullptr)).IsRectNull());
}

TEST(GeometryTest, EmptyNullAndHitTesting)
{
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect().IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 1, 10).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 1, 10).IsRectNull());
    CRect r(0, 0, 10, 10);
    struct { int x, y; BOOL in; } points[] = {
        { 0, 0, TRUE }, { 9, 9, TRUE }, { 10, 5, FALSE }, { 5, 10, FALSE }, { -1, 5, FALSE },
    };
    for (const auto& p : points)
        EXPECT_EQ(r.PtInRect(CPoint(p.x, p.y)), p.in) << p.x << "," << p.y;
}

TEST(GeometryTest, NormaliseInflateOffsetMove)
{
    CRect r(10, 20, 0, 5);
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(0, 5, 10, 20));
    r.InflateRect(1, 2);
    EXPECT_EQ(r, CRect(-1, 3, 11, 22));
    r.DeflateRect(1, 2);
    EXPECT_EQ(r, CRect(0, 5, 10, 20));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(1, 7, 7, 16));
    r.InflateRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(r, CRect(0, 5, 10, 20));
    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(5, 0, 15, 15));
    r.MoveToXY(100, 200);
    EXPECT_EQ(r, CRect(100, 200, 110, 215));
    r.MoveToX(0);
    r.MoveToY(0);
    EXPECT_EQ(r, CRect(0, 0, 10, 15));
    r += CPoint(1, 1);
    EXPECT_EQ(r, CRect(1, 1, 11, 16));
    r -= CSize(1, 1);
    EXPECT_EQ(r, CRect(0, 0, 10, 15));
    EXPECT_EQ(r + CPoint(2, 3), CRect(2, 3, 12, 18));
    EXPECT_EQ(r - CSize(2, 3), CRect(-2, -3, 8, 12));
    CRect m(10, 20, 30, 40);
    m.MulDiv(3, 2);
    EXPECT_EQ(m, CRect(15, 30, 45, 60));
}

TEST(GeometryTest, IntersectUnionSubtract)
{
    struct { CRect a, b, intersection, unionRect; BOOL intersects; } cases[] = {
        { { 0, 0, 10, 10 }, { 5, 5, 15, 15 }, { 5, 5, 10, 10 }, { 0, 0, 15, 15 }, TRUE },
        { { 0, 0, 10, 10 }, { 10, 0, 20, 10 }, { 0, 0, 0, 0 }, { 0, 0, 20, 10 }, FALSE },  // touching edges
        { { 0, 0, 10, 10 }, { 2, 2, 4, 4 }, { 2, 2, 4, 4 }, { 0, 0, 10, 10 }, TRUE },
        { { 0, 0, 10, 10 }, { 0, 0, 0, 0 }, { 0, 0, 0, 0 }, { 0, 0, 10, 10 }, FALSE },     // empty one is ignored
    };
    for (const auto& c : cases) {
        CRect got;
        EXPECT_EQ(got.IntersectRect(&c.a, &c.b), c.intersects);
        EXPECT_EQ(got, c.intersection);
        EXPECT_EQ(c.a & c.b, c.intersection);
        EXPECT_EQ(c.a | c.b, c.unionRect);
        CRect u;
        u.UnionRect(c.a, c.b);
        EXPECT_EQ(u, c.unionRect);
    }
    CRect rest;
    EXPECT_TRUE(rest.SubtractRect(CRect(0, 0, 10, 10), CRect(0, 0, 10, 4)));
    EXPECT_EQ(rest, CRect(0, 4, 10, 10));
    rest.SubtractRect(CRect(0, 0, 10, 10), CRect(2, 2, 4, 4));  // a hole leaves the whole
    EXPECT_EQ(rest, CRect(0, 0, 10, 10));
    CRect acc(0, 0, 10, 10);
    acc &= CRect(5, 5, 20, 20);
    EXPECT_EQ(acc, CRect(5, 5, 10, 10));
    acc |= CRect(0, 0, 1, 1);
    EXPECT_EQ(acc, CRect(0, 0, 10, 10));
}

TEST(GeometryTest, PointsAndSizes)
{
    CPoint p(3, 4);
    EXPECT_EQ(p + CSize(1, 1), CPoint(4, 5));
    EXPECT_EQ(p - CPoint(1, 1), CSize(2, 3));
    EXPECT_EQ(-p, CPoint(-3, -4));
    p.Offset(1, 1);
    EXPECT_EQ(p, CPoint(4, 5));
    p += CPoint(1, 1);
    EXPECT_EQ(p, CPoint(5, 6));
    EXPECT_EQ(CPoint(MAKELPARAM(static_cast<WORD>(-5), 7)), CPoint(-5, 7));  // signed mouse coordinates
    EXPECT_EQ(CSize(MAKELONG(static_cast<WORD>(-2), 3)), CSize(-2, 3));
    EXPECT_EQ(CSize(2, 3) + CSize(1, 1), CSize(3, 4));
    EXPECT_EQ(CSize(2, 3) + CPoint(1, 1), CPoint(3, 4));
    EXPECT_EQ(CPoint(1, 1) + CRect(0, 0, 2, 2), CRect(1, 1, 3, 3));
    POINT raw = p;
    EXPECT_EQ(raw.x, 5);
    EXPECT_NE(CPoint(1, 2), CPoint(2, 1));
}

} // namespace
