#include <gtest/gtest.h>

#include "WhiteboardTestSupport.h"
#include "platform/Convert.h"
#include "whiteboard/LineEventReader.h"
#include "whiteboard/MMPageManager.h"

using Gdiplus::PointF;
using wbtest::MakeFigure;
using wbtest::FloatPoints;
using wbtest::Narrow;
using wbtest::Points;

namespace {

Json::Value ParseOk(const std::string& text)
{
    Json::Value v;
    EXPECT_TRUE(CLineEventReader::ParseContent(text.data(), text.size(), v)) << text;
    return v;
}

const char kInsert[] =
    "{\"line\":{\"Blue\":3,\"Green\":2,\"Red\":1,\"points\":[{\"x\":10,\"y\":20,\"z\":0},{\"x\":11.5,\"y\":21,\"z\":0}],"
    "\"isLastLine\":false,\"penType\":1,\"lineId\":\"S1\",\"mode\":\"insert\",\"width\":4,\"opacity\":1.00000, "
    "\"imgW\":400, \"imgH\":300, \"figuretype\":0}}";

// The insert event above with one member replaced.
std::string InsertWith(const char* key, const char* value)
{
    Json::Value v = ParseOk(kInsert);
    if (value)
        v["line"][key] = ParseOk(std::string("{\"v\":") + value + "}")["v"];
    else
        v["line"].removeMember(key);
    return Json::FastWriter().write(v);
}

}  // namespace

TEST(LineEvents, InsertQueuesItsPointsUnscaledAndTheyBuildOneFigure)
{
    CMMPageManager pages;
    pages.CreatePages(2);
    auto page = pages.GetPage(2);
    page->m_nImageWidth = 800;
    page->m_nImageHeight = 600;
    EXPECT_EQ(CLineEventReader::ApplyDrawingEvent(pages, 2, ParseOk(kInsert)), CLineEventReader::kQueued);
    EXPECT_EQ(page->GetIncomingCount(), 2);
    for (int i = 0; i < 2; ++i) {
        page->MoveIncomingEvent();
        page->ApplyNextEvent();
    }
    ASSERT_EQ(page->m_sharedLayer.GetCount(), 1);
    const CMMFigure& figure = *page->m_sharedLayer.GetFigures()[0];
    EXPECT_EQ(Points(figure), (FloatPoints{{10, 20}, {10, 20}, {11.5f, 21}}));
    EXPECT_EQ(figure.GetColor(), 1 | 2 << 8 | 3 << 16);
    EXPECT_EQ(figure.GetWidth(), 4);
    EXPECT_EQ(Narrow(figure.GetLineId()), "S1");
}

TEST(LineEvents, DeleteRemovesTheFigureFromTheLiveLayer)
{
    CMMPageManager pages;
    pages.CreatePages(1);
    auto page = pages.GetPage(1);
    page->m_sharedLayer.Add(MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"S1"));
    page->m_sharedLayer.Add(MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"S2"));
    const CString text = MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"S1")->ToDeleteJson();
    Json::Value content;
    ASSERT_TRUE(CLineEventReader::ParseContent(text, content));
    EXPECT_EQ(CLineEventReader::ApplyDrawingEvent(pages, 1, content), CLineEventReader::kRemoved);
    ASSERT_EQ(page->m_sharedLayer.GetCount(), 1);
    EXPECT_EQ(Narrow(page->m_sharedLayer.GetFigures()[0]->GetLineId()), "S2");
}

// Events that do not hold up are dropped whole: one log line, the page as it was.
TEST(LineEvents, BadEventsAreDroppedAndLeaveThePageAsItWas)
{
    struct Case {
        const char* what;
        std::string content;
        int page;
    } cases[] = {
        {"unknown mode", InsertWith("mode", "\"scribble\""), 1},
        {"mode of the wrong type", InsertWith("mode", "7"), 1},
        {"no mode", InsertWith("mode", nullptr), 1},
        {"colour as text", InsertWith("Red", "\"1\""), 1},
        {"width as an object", InsertWith("width", "{}"), 1},
        {"width beyond int", InsertWith("width", "1e300"), 1},
        {"opacity as text", InsertWith("opacity", "\"1.0\""), 1},
        {"isLastLine as text", InsertWith("isLastLine", "\"true\""), 1},
        {"lineId as a number", InsertWith("lineId", "12"), 1},
        {"empty lineId", InsertWith("lineId", "\"\""), 1},
        {"missing points", InsertWith("points", nullptr), 1},
        {"points not an array", InsertWith("points", "{\"x\":1,\"y\":2}"), 1},
        {"point without y", InsertWith("points", "[{\"x\":1,\"y\":2},{\"x\":1}]"), 1},
        {"point with a text x", InsertWith("points", "[{\"x\":\"1\",\"y\":2}]"), 1},
        {"point that is a number", InsertWith("points", "[5]"), 1},
        {"point beyond any page", InsertWith("points", "[{\"x\":1e7,\"y\":2}]"), 1},
        {"line not an object", "{\"line\":[1,2]}", 1},
        {"no line", "{\"lines\":{}}", 1},
        {"content not an object", "[1]", 1},
        {"missing page", kInsert, 3},
        {"delete without lineId", "{\"line\":{\"mode\":\"delete\",\"points\":[]}}", 1},
    };
    for (const Case& c : cases) {
        CMMPageManager pages;
        pages.CreatePages(2);
        auto page = pages.GetPage(1);
        auto kept = MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"S1");
        page->m_sharedLayer.Add(kept);
        wbtest::LogCapture log;
        Json::Value content;
        ASSERT_TRUE(CLineEventReader::ParseContent(c.content.data(), c.content.size(), content)) << c.what;
        EXPECT_EQ(CLineEventReader::ApplyDrawingEvent(pages, c.page, content), CLineEventReader::kDropped) << c.what;
        EXPECT_EQ(page->GetIncomingCount(), 0) << c.what;
        EXPECT_EQ(page->m_sharedLayer.GetFigures(), (std::vector<CMMFigureHolder::FigurePtr>{kept})) << c.what;
        EXPECT_EQ(log.Lines().size(), 1u) << c.what;
    }
}

TEST(LineEvents, ContentTextIsCappedBeforeParsing)
{
    std::string nested;
    for (int i = 0; i < 5000; ++i)
        nested += "[";
    const std::string big(CLineEventReader::kMaxContentBytes + 1, ' ');
    const std::string outOfRange = "{\"line\":{\"points\":[{\"x\":1e999,\"y\":2}]}}";
    for (const std::string& text : {std::string("{\"line\":"), nested, big, outOfRange, std::string()}) {
        wbtest::LogCapture log;
        Json::Value v;
        EXPECT_FALSE(CLineEventReader::ParseContent(text.data(), text.size(), v)) << text.size();
        EXPECT_EQ(log.Lines().size(), 1u);
    }
}

// The page's stored figure list is what the sender's chunks were: read back, the figure has the
// sent points (whole pixels), and written again it gives the same chunks.
TEST(FigureList, ChunksOfAStrokeReadBackAsTheStroke)
{
    auto stroke = MakeFigure(0, {{0.5f, 0}, {1, 1}}, 0x030201, 5, 0.4f, L"777");
    for (int i = 2; i < 20; ++i)
        stroke->AddPoint(PointF((float)i, (float)(i * 2)));
    Json::Value items(Json::arrayValue);
    std::vector<std::string> sent;
    for (int chunk = 0; chunk < 2; ++chunk)
        sent.push_back(Narrow(stroke->ToInsertJson(800, 600, 0, FALSE)));
    sent.push_back(Narrow(stroke->ToInsertJson(800, 600, 0, TRUE)));
    for (const std::string& text : sent)
        items.append(ParseOk(text)["line"]);

    CMMFigureHolder layer;
    std::shared_ptr<CMMFigure> building;
    CLineEventReader::ReadFigureList(items, 800, 600, layer, building);
    EXPECT_EQ(building, nullptr);
    ASSERT_EQ(layer.GetCount(), 1);
    const auto read = layer.GetFigures()[0];
    EXPECT_EQ(read->GetPointCount(), 20);
    EXPECT_EQ(read->GetPoint(0).X, 0.0f);
    EXPECT_EQ(read->GetPoint(19).Y, 38.0f);
    EXPECT_EQ(read->GetColor(), 0x030201);
    EXPECT_FLOAT_EQ(read->GetOpacity(), 0.4f);
    EXPECT_EQ(Narrow(read->GetLineId()), "777");
    std::vector<std::string> again;
    for (int chunk = 0; chunk < 2; ++chunk)
        again.push_back(Narrow(read->ToInsertJson(800, 600, 0, FALSE)));
    again.push_back(Narrow(read->ToInsertJson(800, 600, 0, TRUE)));
    sent[0].replace(sent[0].find("{\"x\":0,"), 7, "{\"x\":0,");  // 0.5 was already sent as 0
    EXPECT_EQ(again, sent);
}

TEST(FigureList, ExistingFiguresAreSkippedDeletesRemoveAndAnUnfinishedFigureIsHandedBack)
{
    CMMFigureHolder layer;
    layer.Add(MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"old"));
    layer.Add(MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"gone"));
    const std::string items = std::string("[") +
        "{\"mode\":\"insert\",\"lineId\":\"old\",\"points\":[{\"x\":5,\"y\":5},{\"x\":6,\"y\":6}],\"isLastLine\":true},"
        "{\"mode\":\"delete\",\"lineId\":\"gone\"},"
        "{\"mode\":\"insert\",\"lineId\":\"one\",\"points\":[{\"x\":5,\"y\":5}],\"isLastLine\":true},"
        "{\"mode\":\"insert\",\"lineId\":\"new\",\"points\":[{\"x\":1,\"y\":2},{\"x\":3,\"y\":4}],\"isLastLine\":true},"
        "{\"mode\":\"insert\",\"lineId\":\"open\",\"points\":[{\"x\":7,\"y\":8},{\"x\":9,\"y\":9},{\"x\":10,\"y\":10}]}]";
    std::shared_ptr<CMMFigure> building;
    CLineEventReader::ReadFigureList(ParseOk(items), 0, 0, layer, building);
    ASSERT_EQ(layer.GetCount(), 2);
    EXPECT_EQ(Narrow(layer.GetFigures()[0]->GetLineId()), "old");
    EXPECT_EQ(layer.GetFigures()[0]->GetPoint(0).X, 0.0f);
    EXPECT_EQ(Narrow(layer.GetFigures()[1]->GetLineId()), "new");
    ASSERT_NE(building, nullptr);
    EXPECT_EQ(Points(*building), (FloatPoints{{7, 8}, {9, 9}, {10, 10}}));
}

TEST(FigureList, PointsAreScaledFromTheSendersImageAndZeroSizesCountAsEqual)
{
    struct Case {
        int pageW, pageH, imgW, imgH;
        FloatPoints expected;
    } cases[] = {
        {800, 600, 400, 300, {{20, 40}, {60, 80}}},
        {800, 600, 0, 0, {{10, 20}, {30, 40}}},
        {0, 0, 400, 300, {{10, 20}, {30, 40}}},
        {0, 0, 0, 0, {{10, 20}, {30, 40}}},  // never 0 / 0
        {800, 0, 400, 0, {{20, 20}, {60, 40}}},
    };
    for (const Case& c : cases) {
        Json::Value items = ParseOk("[{\"mode\":\"insert\",\"lineId\":\"a\",\"points\":[{\"x\":10,\"y\":20},"
                                    "{\"x\":30,\"y\":40}],\"isLastLine\":true}]");
        items[0]["imgW"] = c.imgW;
        items[0]["imgH"] = c.imgH;
        CMMFigureHolder layer;
        std::shared_ptr<CMMFigure> building;
        CLineEventReader::ReadFigureList(items, c.pageW, c.pageH, layer, building);
        ASSERT_EQ(layer.GetCount(), 1);
        EXPECT_EQ(Points(*layer.GetFigures()[0]), c.expected) << c.pageW << " " << c.imgW;
    }
}

TEST(FigureList, MalformedItemsAreSkippedInOneLogLine)
{
    const std::string items = std::string("[7, {\"mode\":\"paint\",\"lineId\":\"x\"},") +
        "{\"mode\":\"insert\",\"lineId\":\"bad\",\"width\":\"3\",\"points\":[{\"x\":1,\"y\":2},{\"x\":3,\"y\":4}],\"isLastLine\":true},"
        "{\"mode\":\"delete\"},"
        "{\"mode\":\"insert\",\"lineId\":\"good\",\"points\":[{\"x\":1,\"y\":2},{\"x\":3,\"y\":4}],\"isLastLine\":true}]";
    wbtest::LogCapture log;
    CMMFigureHolder layer;
    std::shared_ptr<CMMFigure> building;
    CLineEventReader::ReadFigureList(ParseOk(items), 0, 0, layer, building);
    ASSERT_EQ(layer.GetCount(), 1);
    EXPECT_EQ(Narrow(layer.GetFigures()[0]->GetLineId()), "good");
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_TRUE(log.Contains(L"4 malformed"));
}
