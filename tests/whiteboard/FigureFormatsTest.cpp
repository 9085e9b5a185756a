#include <gtest/gtest.h>

#include <json/json.h>

#include "WhiteboardTestSupport.h"
#include "whiteboard/MMFigureHolder.h"

using Gdiplus::PointF;
using wbtest::MakeFigure;
using wbtest::Narrow;

namespace {

const int kRgb123 = 1 | 2 << 8 | 3 << 16;

Json::Value Parse(const CString& text)
{
    Json::Value v;
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    const std::string utf8 = Narrow(text);
    std::string errors;
    EXPECT_TRUE(reader->parse(utf8.data(), utf8.data() + utf8.size(), &v, &errors)) << errors << "\n" << utf8;
    return v;
}

}  // namespace

TEST(FigureFormats, GroupFormGoldenTable)
{
    struct Case {
        int type;
        std::vector<PointF> points;
        int color, width;
        float opacity;
        const char* expected;
    } cases[] = {
        {3, {{30.7f, 40.2f}, {10.9f, 60.8f}}, kRgb123, 4, 1.0f,
         "<g style=\"stroke-opacity:1.0; stroke:RGB(1, 2, 3); stroke-width: 4;\">"
         "<rect x=\"10\" y=\"40\" width=\"20\" height=\"20\" rx=\"0\" ry=\"0\" fill=\"none\" figuretype=\"3\" /></g>"},
        {4, {{30.7f, 40.2f}, {10.9f, 60.8f}}, kRgb123, 4, 0.4f,
         "<g style=\"stroke-opacity:0.4; stroke:RGB(1, 2, 3); stroke-width: 4;\">"
         "<rect x=\"10\" y=\"40\" width=\"20\" height=\"20\" rx=\"10\" ry=\"10\" fill=\"none\" figuretype=\"4\" /></g>"},
        {5, {{10, 10}, {21, 31}}, 0xFFFFFF, 1, 0.5f,
         "<g style=\"stroke-opacity:0.5; stroke:RGB(255, 255, 255); stroke-width: 1;\">"
         "<ellipse cx=\"15.500000\" cy=\"20.500000\" rx=\"5\" ry=\"10\" fill=\"none\" figuretype=\"5\" /></g>"},
        {2, {{0, 0}, {100.5f, 50.4f}}, 0, 3, 1.0f,
         "<g style=\"stroke-opacity:1.0; stroke:RGB(0, 0, 0); stroke-width: 3;\">"
         "<polyline points=\"96,40 101,50 116,30\" stroke-linejoin=\"miter\" fill=\"none\" figuretype=\"2\" /></g>"},
        {1, {{1.9f, 2.9f}, {5, 5}, {-3.5f, 4}}, 0x0000FF, 2, 1.0f,
         "<g style=\"stroke-opacity:1.0; stroke:RGB(255, 0, 0); stroke-width: 2;\">"
         "<line x1=\"1\" y1=\"2\" x2=\"-3\" y2=\"4\" figuretype=\"1\" /></g>"},
        {0, {{0, 0}, {1.5f, 1}, {2, 2}}, 0, 1, 1.0f,
         "<g style=\"stroke-opacity:1.0; stroke:RGB(0, 0, 0); stroke-width: 1;\">"
         "<line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\" figuretype=\"0\" />"
         "<line x1=\"1\" y1=\"1\" x2=\"2\" y2=\"2\" figuretype=\"0\" /></g>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Narrow(MakeFigure(c.type, c.points, c.color, c.width, c.opacity)->ToSvgGroup()), c.expected);
}

TEST(FigureFormats, PathFormGolden)
{
    auto figure = MakeFigure(0, {{1.5f, 2.5f}, {3, 4}, {5.9f, -6.1f}}, 0x0000FF, 2, 1.0f);
    EXPECT_EQ(Narrow(figure->ToSvgPath()),
              "<path fill=\"none\" stroke-opacity=\"1.0\" stroke=\"RGB(255, 0, 0)\" stroke-width=\"2\" "
              "stroke-linejoin=\"bevel\" figuretype=\"0\" d=\n\"M 1 2 L 3 4 L 5 -6 \"> </path>");
}

TEST(FigureFormats, EmptyFigureWritesNoSvg)
{
    CMMFigure empty;
    EXPECT_TRUE(empty.ToSvgGroup().IsEmpty());
    EXPECT_TRUE(empty.ToSvgPath().IsEmpty());
}

TEST(FigureFormats, LayerWritesCurvesAsPathsAndShapesAsGroupsBottomToTop)
{
    CMMFigureHolder layer;
    auto curve = MakeFigure(0, {{1, 1}, {2, 2}});
    auto line = MakeFigure(1, {{3, 3}, {4, 4}});
    layer.Add(curve);
    layer.Add(line);
    EXPECT_EQ(Narrow(layer.ToSvg()), Narrow(curve->ToSvgPath()) + Narrow(line->ToSvgGroup()));
}

TEST(FigureFormats, InsertChunkGolden)
{
    auto figure = MakeFigure(0, {{1, 2}, {3.7f, 4}, {5, 6}}, 10 | 20 << 8 | 30 << 16, 3, 1.0f, L"123");
    EXPECT_EQ(Narrow(figure->ToInsertJson(800, 600, 0, FALSE)),
              "{\"line\":{\"Blue\":30,\"Green\":20,\"Red\":10,\"points\":[{\"x\":1,\"y\":2,\"z\":0},"
              "{\"x\":3,\"y\":4,\"z\":0},{\"x\":5,\"y\":6,\"z\":0}],\"isLastLine\":false,\"penType\":1,"
              "\"lineId\":\"123\",\"mode\":\"insert\",\"width\":3,\"opacity\":1.00000, \"imgW\":800, "
              "\"imgH\":600, \"figuretype\":0}}");
    auto highlighter = MakeFigure(3, {{1, 2}, {3, 4}}, 0, 11, 0.4f, L"-77");
    EXPECT_EQ(Narrow(highlighter->ToInsertJson(0, 0, 3, TRUE)),
              "{\"line\":{\"Blue\":0,\"Green\":0,\"Red\":0,\"points\":[{\"x\":1,\"y\":2,\"z\":0},"
              "{\"x\":3,\"y\":4,\"z\":0}],\"isLastLine\":true,\"penType\":2,\"lineId\":\"-77\",\"mode\":\"insert\","
              "\"width\":11,\"opacity\":0.40000, \"imgW\":0, \"imgH\":0, \"figuretype\":3}}");
}

TEST(FigureFormats, DeleteEventGolden)
{
    EXPECT_EQ(Narrow(MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"123")->ToDeleteJson()),
              "{\"line\":{\"isLastLine\":true,\"Blue\":0,\"Red\":0,\"Green\":0,\"width\":10,\"opacity\":0,"
              "\"points\":[],\"penType\":3,\"lineId\":\"123\",\"mode\":\"delete\"}}");
}

// Our own identifiers are digits, but figures from other clients keep the identifier they came
// with; it must not break the JSON text.
TEST(FigureFormats, LineIdIsEscapedInJsonEvents)
{
    auto figure = MakeFigure(0, {{0, 0}, {1, 1}}, 0, 1, 1.0f, L"a\"b\\c\nd");
    for (const CString& text : {figure->ToDeleteJson(), figure->ToInsertJson(1, 1, 0, TRUE)}) {
        const Json::Value v = Parse(text);
        EXPECT_EQ(v["line"]["lineId"].asString(), "a\"b\\c\nd");
    }
}

TEST(FigureFormats, TwentyPointsTravelAsChunksOfEightEightAndFour)
{
    auto figure = MakeFigure(0, {{0, 0}, {1, 0}});
    std::vector<size_t> chunkSizes;
    for (int i = 2; i < 20; ++i) {
        figure->AddPoint(PointF((float)i, 0));
        if (figure->HasPendingChunk()) {
            EXPECT_TRUE(i + 1 == 8 || i + 1 == 16) << i + 1;
            const Json::Value v = Parse(figure->ToInsertJson(100, 100, 0, FALSE));
            chunkSizes.push_back(v["line"]["points"].size());
            EXPECT_FALSE(v["line"]["isLastLine"].asBool());
        }
    }
    const Json::Value last = Parse(figure->ToInsertJson(100, 100, 0, TRUE));
    chunkSizes.push_back(last["line"]["points"].size());
    EXPECT_TRUE(last["line"]["isLastLine"].asBool());
    EXPECT_EQ(last["line"]["points"][0]["x"].asInt(), 16);
    EXPECT_EQ(chunkSizes, (std::vector<size_t>{8, 8, 4}));
    EXPECT_EQ(figure->GetSentChunks(), 0);
}

TEST(FigureFormats, LastChunkAfterAllPointsWereSentHasNoPoints)
{
    auto figure = MakeFigure(0, {{0, 0}, {1, 0}});
    for (int i = 2; i < 16; ++i)
        figure->AddPoint(PointF((float)i, 0));
    figure->ToInsertJson(1, 1, 0, FALSE);
    figure->ToInsertJson(1, 1, 0, FALSE);
    const CString last = figure->ToInsertJson(1, 1, 0, TRUE);
    ASSERT_FALSE(last.IsEmpty());
    EXPECT_NE(Narrow(last).find("\"points\":[],\"isLastLine\":true"), std::string::npos);
}

TEST(FigureFormats, ChunkBeyondThePointsIsEmptyAndChangesNothing)
{
    auto figure = MakeFigure(0, {{0, 0}, {1, 0}});
    for (int i = 2; i < 8; ++i)
        figure->AddPoint(PointF((float)i, 0));
    figure->ToInsertJson(1, 1, 0, FALSE);  // points 0..7
    figure->ToInsertJson(1, 1, 0, FALSE);  // no points left: an empty chunk, counted
    EXPECT_EQ(figure->GetSentChunks(), 2);
    EXPECT_TRUE(figure->ToInsertJson(1, 1, 0, TRUE).IsEmpty());
    EXPECT_EQ(figure->GetSentChunks(), 2);
}
