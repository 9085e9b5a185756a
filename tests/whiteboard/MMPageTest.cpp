#include <gtest/gtest.h>

#include <thread>

#include "WhiteboardTestSupport.h"
#include "whiteboard/MMPageManager.h"

using Gdiplus::PointF;
using wbtest::MakeFigure;
using wbtest::Narrow;

namespace {

std::vector<std::pair<std::string, int>> Layer(const CMMFigureHolder& layer)
{
    std::vector<std::pair<std::string, int>> out;
    for (const auto& f : layer.GetFigures())
        out.emplace_back(Narrow(f->GetLineId()), f->GetPointCount());
    return out;
}

using LayerShape = std::vector<std::pair<std::string, int>>;

void Feed(CMMPage& page, const wchar_t* lineId, float x)
{
    page.QueueLineEvent(CString(lineId), PointF(x, x), 0x102030, 3, 1.0f, 0);
}

void ApplyIncoming(CMMPage& page)
{
    for (int n = page.GetIncomingCount(); n > 0; --n) {
        page.MoveIncomingEvent();
        page.ApplyNextEvent();
    }
}

const char kHeader800x600[] =
    "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
    "id=\"body\" width=\"800\" height=\"600\" viewBox=\"0 0 800 600\">\n";

}  // namespace

TEST(MMPage, EventsOfOneStrokeContinueItsFigureAndAnInterruptionStartsAnother)
{
    CMMPage page(1);
    for (const wchar_t* id : {L"A", L"A", L"A", L"B", L"B", L"A"})
        Feed(page, id, 1);
    EXPECT_EQ(page.GetIncomingCount(), 6);
    ApplyIncoming(page);
    EXPECT_EQ(Layer(page.m_sharedLayer), (LayerShape{{"A", 4}, {"B", 3}, {"A", 2}}));
    EXPECT_EQ(page.GetCurrentFigure(), page.m_sharedLayer.GetFigures().back());
    const auto& b = *page.m_sharedLayer.GetFigures()[1];
    EXPECT_EQ(b.GetColor(), 0x102030);
    EXPECT_EQ(b.GetWidth(), 3);
    page.ApplyNextEvent();  // nothing queued: nothing happens
    EXPECT_EQ(page.m_sharedLayer.GetCount(), 3);
}

TEST(MMPage, ReplayedFigureIsRebuiltWithItsFirstPointTwice)
{
    CMMPage page(1);
    auto figure = MakeFigure(0, {{1, 1}, {2, 2}, {3, 3}}, 0xFF, 4, 0.4f, L"R");
    page.QueueFigurePoints(figure);
    for (int i = 0; i < 3; ++i) {
        page.MoveReplayEvent();
        page.ApplyNextEvent();
    }
    ASSERT_EQ(page.m_sharedLayer.GetCount(), 1);
    const auto& rebuilt = *page.m_sharedLayer.GetFigures()[0];
    EXPECT_EQ(rebuilt.GetPointCount(), 4);
    EXPECT_EQ(rebuilt.GetOpacity(), 0.4f);
    EXPECT_EQ(Narrow(rebuilt.GetLineId()), "R");
}

TEST(MMPage, ApplyAllEventsEmptiesTheApplyQueueInOrder)
{
    CMMPage page(1);
    Feed(page, L"A", 1);
    Feed(page, L"A", 2);
    Feed(page, L"B", 3);
    for (int i = 0; i < 3; ++i)
        page.MoveIncomingEvent();
    page.MoveIncomingEvent();  // nothing left
    page.ApplyAllEvents();
    EXPECT_EQ(Layer(page.m_sharedLayer), (LayerShape{{"A", 3}, {"B", 2}}));
}

// The socket worker queues while the sharing thread applies: no event is lost or reordered.
TEST(MMPage, QueueingWhileApplyingOnAnotherThreadKeepsEveryPoint)
{
    CMMPage page(1);
    const int kStrokes = 200, kPoints = 50;
    std::thread producer([&] {
        for (int s = 0; s < kStrokes; ++s)
            for (int p = 0; p < kPoints; ++p)
                Feed(page, std::to_wstring(s).c_str(), (float)p);
    });
    int applied = 0;
    while (applied < kStrokes * kPoints) {
        const int n = page.GetIncomingCount();
        for (int i = 0; i < n; ++i) {
            page.MoveIncomingEvent();
            page.ApplyNextEvent();
        }
        applied += n;
    }
    producer.join();
    std::lock_guard<std::recursive_mutex> guard(page.GetLock());
    ASSERT_EQ(page.m_sharedLayer.GetCount(), kStrokes);
    for (int s = 0; s < kStrokes; ++s) {
        const auto& f = *page.m_sharedLayer.GetFigures()[s];
        EXPECT_EQ(Narrow(f.GetLineId()), std::to_string(s));
        EXPECT_EQ(f.GetPointCount(), kPoints + 1);
        EXPECT_EQ(f.GetPoint(kPoints).X, (float)(kPoints - 1));
    }
}

TEST(MMPage, SetImageKeepsTheBytesAndReadsTheSize)
{
    wbtest::LogCapture log;
    CMMPage page(1);
    const std::vector<BYTE> bmp = wbtest::BmpBytes(40, 30);
    ASSERT_TRUE(page.SetImage(bmp.data(), bmp.size()));
    EXPECT_TRUE(page.HasImage());
    EXPECT_EQ(page.m_nImageWidth, 40);
    EXPECT_EQ(page.m_nImageHeight, 30);
    Gdiplus::Image again(page.GetImageStream());
    EXPECT_EQ(again.GetWidth(), 40u);

    const BYTE garbage[] = "this is not an image at all";
    EXPECT_FALSE(page.SetImage(garbage, sizeof(garbage)));
    EXPECT_FALSE(page.HasImage());
    EXPECT_EQ(page.m_nImageWidth, 40);  // the previous size stays
    EXPECT_TRUE(log.Lines().empty());

    EXPECT_FALSE(page.SetImageIfAny(nullptr, 10));
    EXPECT_FALSE(page.SetImageIfAny(bmp.data(), 0));
    EXPECT_TRUE(page.SetImageIfAny(bmp.data(), bmp.size()));
}

TEST(MMPage, SvgDocumentGolden)
{
    CMMMemo::SetPictureLoader([](UINT) -> Gdiplus::Bitmap* { return nullptr; });
    CMMPage page(1);
    page.m_nImageWidth = 800;
    page.m_nImageHeight = 600;
    EXPECT_TRUE(page.ToSvg().IsEmpty());

    page.m_memos.Add(std::make_shared<CMMMemo>(PointF(10, 20), CString(L"x"), 1, 1));
    EXPECT_EQ(Narrow(page.ToSvg()), std::string(kHeader800x600) +
                                        "<rect x=\"10\" y=\"20\" width=\"20.0\" height=\"20.0\" "
                                        "style=\"stroke:#000000; fill:#ffff33\"/>\n<text x=\"17\" y=\"35\">1</text>\n"
                                        "\n</svg>");

    page.m_ownLayer.Add(MakeFigure(1, {{1, 2}, {3, 4}}, 0, 2));
    page.m_memos.Clear();
    EXPECT_EQ(Narrow(page.ToSvg()), std::string(kHeader800x600) +
                                        "<g style=\"stroke-opacity:1.0; stroke:RGB(0, 0, 0); stroke-width: 2;\">"
                                        "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" figuretype=\"1\" /></g>\n</svg>");
    CMMMemo::SetPictureLoader(nullptr);
}

TEST(MMPageManager, PageNumbersFollowPositions)
{
    CMMPageManager pages;
    EXPECT_TRUE(pages.IsEmpty());
    pages.CreatePages(3);
    EXPECT_EQ(pages.GetPageCount(), 3);
    EXPECT_EQ(pages.GetPage(0), nullptr);
    EXPECT_EQ(pages.GetPage(4), nullptr);
    EXPECT_FALSE(pages.HasPage(0));
    EXPECT_FALSE(pages.HasPage(4));
    EXPECT_TRUE(pages.HasPage(3));
    auto oldFirst = pages.GetPage(1);

    pages.InsertPage(4);  // count + 1: appended
    EXPECT_EQ(pages.GetPageCount(), 4);
    EXPECT_EQ(pages.GetPage(4)->m_nPageNumber, 4);
    pages.InsertPage(1);  // in front: the old first page becomes 2
    EXPECT_EQ(pages.GetPage(2), oldFirst);
    EXPECT_EQ(oldFirst->m_nPageNumber, 2);
    pages.InsertPage(0);
    pages.DeletePage(9);
    EXPECT_EQ(pages.GetPageCount(), 5);
    pages.DeletePage(1);
    EXPECT_EQ(pages.GetPage(1), oldFirst);
    for (int n = 1; n <= pages.GetPageCount(); ++n)
        EXPECT_EQ(pages.GetPage(n)->m_nPageNumber, n);
    pages.CreatePages(2);
    EXPECT_NE(pages.GetPage(1), oldFirst);
}

TEST(MMPageManager, ModifiedFlagsAndLayerClearing)
{
    CMMPageManager pages;
    pages.CreatePages(3);
    pages.GetPage(2)->m_ownLayer.Add(MakeFigure(0, {{0, 0}, {1, 1}}));
    EXPECT_TRUE(pages.HasOwnFigures());
    EXPECT_FALSE(pages.IsAnyPageModified());
    pages.ClearOwnLayers();
    EXPECT_FALSE(pages.HasOwnFigures());
    EXPECT_FALSE(pages.IsPageModified(1));
    EXPECT_TRUE(pages.IsPageModified(2));
    EXPECT_FALSE(pages.IsPageModified(3));
    EXPECT_FALSE(pages.IsPageModified(7));
    pages.SetPageModified(3, TRUE);
    pages.SetPageModified(0, TRUE);
    EXPECT_TRUE(pages.IsAnyPageModified());
    pages.ClearModifiedFlags();
    EXPECT_FALSE(pages.IsAnyPageModified());

    auto page = pages.GetPage(1);
    page->m_sharedLayer.Add(MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"x"));
    page->m_sharedLayer.Add(MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"y"));
    page->m_bFiguresLoaded = TRUE;
    EXPECT_TRUE(pages.HasSharedFigures());
    pages.RemoveSharedLine(1, CString(L"x"));
    EXPECT_EQ(Layer(page->m_sharedLayer), (LayerShape{{"y", 2}}));
    pages.RemoveSharedLine(4, CString());
    pages.RemoveSharedLine(1, CString());
    EXPECT_FALSE(page->m_sharedLayer.HasFigures());
    page->m_sharedLayer.Add(MakeFigure(0, {{0, 0}, {1, 1}}));
    pages.ClearSharedLayers();
    EXPECT_FALSE(pages.HasSharedFigures());
    EXPECT_FALSE(page->m_bFiguresLoaded);
}
