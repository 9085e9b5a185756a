#include <gtest/gtest.h>

#include "WhiteboardTestSupport.h"
#include "platform/List.h"
#include "whiteboard/MMFigureHolder.h"

using Gdiplus::PointF;
using wbtest::MakeFigure;
using wbtest::Narrow;

TEST(MMFigureHolder, FindAndRemoveByLineIdAreCaseSensitiveAndBottomUp)
{
    CMMFigureHolder layer;
    auto a1 = MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"a");
    auto a2 = MakeFigure(0, {{5, 5}, {6, 6}}, 0, 1, 1.0f, L"a");
    auto b = MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"B");
    EXPECT_FALSE(layer.ContainsLineId(CString(L"a")));
    layer.Add(a1);
    layer.Add(b);
    layer.Add(a2);
    layer.Add(a1);  // the same figure twice
    EXPECT_TRUE(layer.ContainsLineId(CString(L"B")));
    EXPECT_FALSE(layer.ContainsLineId(CString(L"b")));
    EXPECT_EQ(layer.FindByLineId(CString(L"a")), a1);
    EXPECT_EQ(layer.FindByLineId(CString(L"x")), nullptr);

    layer.RemoveByLineId(CString(L"a"));  // every element of the first match, not its namesake
    EXPECT_EQ(layer.GetFigures(), (std::vector<CMMFigureHolder::FigurePtr>{b, a2}));
    layer.RemoveByLineId(CString(L"x"));
    EXPECT_EQ(layer.GetCount(), 2);
}

TEST(MMFigureHolder, RemoveIsFalseOnlyForAnEmptyLayer)
{
    CMMFigureHolder layer;
    auto a = MakeFigure(0, {{0, 0}, {1, 1}});
    auto other = MakeFigure(0, {{0, 0}, {1, 1}});
    EXPECT_FALSE(layer.Remove(a));
    layer.Add(a);
    EXPECT_TRUE(layer.Remove(other));
    EXPECT_EQ(layer.GetCount(), 1);
    EXPECT_TRUE(layer.Remove(a));
    EXPECT_FALSE(layer.HasFigures());
}

TEST(MMFigureHolder, TopmostAtUsesBoundsAndHitTestsGoTopDown)
{
    CMMFigureHolder layer;
    auto bottom = MakeFigure(0, {{0, 50}, {100, 50}}, 0, 20, 1.0f, L"bottom");
    auto top = MakeFigure(1, {{40, 0}, {40, 100}}, 0, 2, 1.0f, L"top");
    layer.Add(bottom);
    layer.Add(top);
    EXPECT_EQ(layer.FindTopmostAt(PointF(41, 50)), top);
    EXPECT_EQ(layer.FindTopmostAt(PointF(80, 65)), bottom);  // inside the widened bounds, off the stroke
    EXPECT_EQ(layer.FindTopmostAt(PointF(80, 75)), nullptr);

    const auto hits = layer.HitTestRect(PointF(35, 45), PointF(45, 55));
    EXPECT_EQ(hits, (std::vector<CMMFigureHolder::FigurePtr>{top}));
    const auto crossed = layer.HitTestSegment(PointF(30, 40), PointF(50, 60));
    EXPECT_EQ(crossed, (std::vector<CMMFigureHolder::FigurePtr>{top, bottom}));
}

TEST(MMFigureHolder, CopiesShareTheFigures)
{
    CMMFigureHolder layer;
    layer.Add(MakeFigure(0, {{0, 0}, {1, 1}}));
    CMMFigureHolder copy = layer;
    copy.Add(MakeFigure(0, {{0, 0}, {1, 1}}));
    EXPECT_EQ(layer.GetCount(), 1);
    EXPECT_EQ(copy.GetFigures()[0], layer.GetFigures()[0]);
}

TEST(MMFigureHolder, DrawMapsPageCoordinatesByOffsetAndZoomAndClips)
{
    wbtest::MemoryCanvas canvas(600, 500);
    CMMFigureHolder layer;
    layer.Add(MakeFigure(3, {{10, 10}, {30, 30}}, 0x000000, 1));
    layer.Add(MakeFigure(1, {{-100, 100}, {300, 100}}, 0x000000, 2));
    layer.Draw(canvas.Dc(), 100, 50, 500, 450, 2.0f);
    EXPECT_TRUE(canvas.InkNear(120, 70, 1));   // page (10, 10)
    EXPECT_TRUE(canvas.InkNear(160, 110, 1));  // page (30, 30)
    EXPECT_FALSE(canvas.InkNear(140, 90, 2));
    EXPECT_TRUE(canvas.InkNear(300, 250, 1));  // page y 100 at zoom 2
    EXPECT_FALSE(canvas.InkNear(97, 250, 2));  // clipped left of the rectangle
    EXPECT_FALSE(canvas.InkNear(503, 250, 2)); // clipped right of it
}

TEST(MMFigureHolder, CopyToListAppendsOwnedCopiesBottomToTop)
{
    CMMFigureHolder layer;
    layer.Add(MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"first"));
    layer.Add(MakeFigure(3, {{2, 2}, {9, 9}}, 0, 1, 1.0f, L"second"));
    CPtrList list;
    list.AddTail(static_cast<void*>(nullptr));
    layer.CopyToList(list);
    ASSERT_EQ(list.GetCount(), 3);
    POSITION pos = list.GetHeadPosition();
    list.GetNext(pos);
    auto* first = static_cast<CMMFigure*>(list.GetNext(pos));
    auto* second = static_cast<CMMFigure*>(list.GetNext(pos));
    EXPECT_EQ(Narrow(first->GetLineId()), "first");
    EXPECT_EQ(Narrow(second->GetLineId()), "second");
    EXPECT_NE(first, layer.GetFigures()[0].get());
    EXPECT_EQ(second->GetPoint(1).X, 9.0f);
    delete first;
    delete second;
}
