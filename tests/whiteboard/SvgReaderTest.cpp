#include <gtest/gtest.h>

#include "WhiteboardTestSupport.h"
#include "platform/Convert.h"
#include "whiteboard/MMPage.h"
#include "whiteboard/SvgDocument.h"
#include "whiteboard/SvgFigureReader.h"
#include "whiteboard/SvgStyle.h"

using Gdiplus::PointF;
using wbtest::MakeFigure;
using wbtest::FloatPoints;
using wbtest::Narrow;
using wbtest::Points;

namespace {

const int kRgb123 = 1 | 2 << 8 | 3 << 16;
const char kGroup123[] = "<g style=\"stroke-opacity:1.0; stroke:RGB(1, 2, 3); stroke-width: 4;\">";
const char kPath123[] = "<path fill=\"none\" stroke-opacity=\"1.0\" stroke=\"RGB(1, 2, 3)\" stroke-width=\"4\" "
                        "stroke-linejoin=\"bevel\" figuretype=\"0\" d=\n\"";

// The page document of a layer, and its body (what stands between the header and the end).
std::string PageSvg(const CMMFigureHolder& layer, int width = 800, int height = 600)
{
    CMMPage page(1);
    page.m_nImageWidth = width;
    page.m_nImageHeight = height;
    page.m_ownLayer = layer;
    return Narrow(page.ToSvg());
}

std::string Body(const std::string& document)
{
    const size_t start = document.find(">\n", document.find("<svg")) + 2;
    return document.substr(start, document.size() - start - std::string("\n</svg>").size());
}

std::string Svg(const std::string& inner, const char* size = "width=\"800\" height=\"600\"")
{
    return std::string("<?xml version=\"1.0\"?>\n<svg ") + size + ">\n" + inner + "\n</svg>";
}

CMMFigureHolder ReadOk(const std::string& text, int width = 800, int height = 600)
{
    CMMFigureHolder layer;
    EXPECT_TRUE(CSvgFigureReader::Read(text, width, height, layer)) << text.substr(0, 200);
    return layer;
}

}  // namespace

TEST(SvgStyle, ParseRgbTextTable)
{
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"", 0xFFFFFF},
        {"0,0", 0xFFFFFF},         // four characters or fewer: white
        {"1, 2", 0xFFFFFF},
        {"10,20", 10 | 20 << 8 | 255 << 16},  // a missing component stays 255
        {"1, 2, 3", kRgb123},
        {"1,2,3,4", 1 | 2 << 8 | 4 << 16},    // a later number overwrites blue
        {" 255, 256, -1", 255 | 0 << 8 | 255 << 16},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseRgbText(c.text), c.expected) << c.text;
}

TEST(SvgStyle, ParseSvgStyleTable)
{
    struct Case {
        const char* style;
        bool ok;
        float opacity;
        int width, color;
    } cases[] = {
        {"stroke-opacity:0.4; stroke:RGB(1, 2, 3); stroke-width: 4;", true, 0.4f, 4, kRgb123},
        {"STROKE-WIDTH:7;;Stroke:rgb(1, 2, 3);stroke-opacity:1", true, 1.0f, 7, kRgb123},
        {"stroke:RGB(1, 2, 3); stroke-width: 4;", false, -1.0f, 4, kRgb123},
        {"stroke-opacity:1.0; stroke-width: 4;", false, 1.0f, 4, -1},
        {"", false, -1.0f, -1, -1},
    };
    for (const Case& c : cases) {
        float opacity = 0;
        int width = 0, color = 0;
        EXPECT_EQ(ParseSvgStyle(c.style, opacity, width, color), c.ok) << c.style;
        EXPECT_EQ(opacity, c.opacity) << c.style;
        EXPECT_EQ(width, c.width) << c.style;
        EXPECT_EQ(color, c.color) << c.style;
    }
}

// Writer -> reader -> writer: what changes is exactly the drift of the format (coordinates
// truncated once, corners normalised, an odd ellipse losing a pixel once, a curve gaining its first
// point again on every cycle); nothing else.
TEST(SvgReader, RoundTripsWithOnlyTheFormatsDrift)
{
    struct Case {
        const char* what;
        int type;
        std::vector<PointF> points;
        std::string second, third;
    } cases[] = {
        {"line", 1, {{1.7f, 2.2f}, {30.9f, 40.5f}},
         std::string(kGroup123) + "<line x1=\"1\" y1=\"2\" x2=\"30\" y2=\"40\" figuretype=\"1\" /></g>", ""},
        {"rectangle", 3, {{30.7f, 40.2f}, {10.9f, 60.8f}},
         std::string(kGroup123) + "<rect x=\"10\" y=\"40\" width=\"20\" height=\"20\" rx=\"0\" ry=\"0\" fill=\"none\" figuretype=\"3\" /></g>", ""},
        {"rounded rectangle", 4, {{30.7f, 40.2f}, {10.9f, 60.8f}},
         std::string(kGroup123) + "<rect x=\"10\" y=\"40\" width=\"20\" height=\"20\" rx=\"10\" ry=\"10\" fill=\"none\" figuretype=\"4\" /></g>", ""},
        {"ellipse", 5, {{10, 10}, {21, 31}},
         std::string(kGroup123) + "<ellipse cx=\"15.000000\" cy=\"20.000000\" rx=\"5\" ry=\"10\" fill=\"none\" figuretype=\"5\" /></g>", ""},
        {"check mark", 2, {{0, 0}, {100.5f, 50.4f}},
         std::string(kGroup123) + "<polyline points=\"96,40 101,50 116,30\" stroke-linejoin=\"miter\" fill=\"none\" figuretype=\"2\" /></g>", ""},
        {"curve", 0, {{1.5f, 2.5f}, {3, 4}, {5.9f, 6.1f}},
         std::string(kPath123) + "M 1 2 L 1 2 L 3 4 L 5 6 \"> </path>",
         std::string(kPath123) + "M 1 2 L 1 2 L 1 2 L 3 4 L 5 6 \"> </path>"},
    };
    for (const Case& c : cases) {
        CMMFigureHolder original;
        original.Add(MakeFigure(c.type, c.points, kRgb123, 4));
        const std::string first = PageSvg(original);
        const CMMFigureHolder read1 = ReadOk(first);
        ASSERT_EQ(read1.GetCount(), 1) << c.what;
        EXPECT_EQ(read1.GetFigures()[0]->GetFigureType(), c.type) << c.what;
        const std::string second = PageSvg(read1);
        EXPECT_EQ(Body(second), c.second) << c.what;
        const std::string third = PageSvg(ReadOk(second));
        EXPECT_EQ(Body(third), c.third.empty() ? c.second : c.third) << c.what;
    }
}

TEST(SvgReader, PenAndHighlighterOpacityRoundTripAndNamesAreNewAndDistinct)
{
    CMMFigureHolder layer;
    layer.Add(MakeFigure(0, {{1, 1}, {2, 2}}, 0xFF, 13, 0.4f, L"a"));
    layer.Add(MakeFigure(3, {{1, 1}, {9, 9}}, 0xFF00, 2, 1.0f, L"a"));
    const CMMFigureHolder read = ReadOk(PageSvg(layer));
    ASSERT_EQ(read.GetCount(), 2);
    EXPECT_FLOAT_EQ(read.GetFigures()[0]->GetOpacity(), 0.4f);
    EXPECT_EQ(read.GetFigures()[0]->GetWidth(), 13);
    EXPECT_EQ(read.GetFigures()[0]->GetColor(), 0xFF);
    EXPECT_EQ(read.GetFigures()[1]->GetColor(), 0xFF00);
    EXPECT_NE(read.GetFigures()[0]->GetLineId(), read.GetFigures()[1]->GetLineId());
}

TEST(SvgReader, MemoMarkersAndOtherElementsAreIgnored)
{
    CMMMemo::SetPictureLoader([](UINT) -> Gdiplus::Bitmap* { return nullptr; });
    CMMPage page(1);
    page.m_nImageWidth = 800;
    page.m_nImageHeight = 600;
    page.m_memos.Add(std::make_shared<CMMMemo>(PointF(10, 20), CString(L"x"), 1, 1));
    CMMMemo::SetPictureLoader(nullptr);
    CMMFigureHolder layer;
    layer.Add(MakeFigure(1, {{0, 0}, {5, 5}}));
    EXPECT_TRUE(CSvgFigureReader::Read(page.ToSvg(), 800, 600, layer));
    EXPECT_FALSE(layer.HasFigures());
}

TEST(SvgReader, PenCanvasDocumentHasNoDoubleQuoteAndReadsBack)
{
    auto curve = MakeFigure(0, {{1, 1}, {5, 5}, {9, 1}}, kRgb123, 2, 0.5f);
    auto rect = MakeFigure(3, {{10, 10}, {50, 40}}, kRgb123, 2);
    const CString document = SvgDocument::PenCanvasDocument({curve.get(), rect.get()}, 300, 200);
    EXPECT_EQ(Narrow(document).find('"'), std::string::npos);
    EXPECT_NE(Narrow(document).find("width='300' height='200' viewBox='0 0 300 200'"), std::string::npos);
    EXPECT_TRUE(SvgDocument::PenCanvasDocument({}, 300, 200).IsEmpty());
    const CMMFigureHolder read = ReadOk(Narrow(document), 0, 0);
    ASSERT_EQ(read.GetCount(), 2);
    EXPECT_EQ(Points(*read.GetFigures()[0]), (FloatPoints{{1, 1}, {1, 1}, {5, 5}, {9, 1}}));
    EXPECT_EQ(Points(*read.GetFigures()[1]), (FloatPoints{{10, 10}, {50, 40}}));
}

TEST(SvgReader, CoordinatesAreScaledToThePageImage)
{
    CMMFigureHolder layer;
    layer.Add(MakeFigure(1, {{10, 10}, {20, 20}}));
    const std::string text = PageSvg(layer, 400, 300);
    EXPECT_EQ(Points(*ReadOk(text, 800, 900).GetFigures()[0]), (FloatPoints{{20, 30}, {40, 60}}));
    // No target size (sticky notes): unscaled.
    EXPECT_EQ(Points(*ReadOk(text, 0, 0).GetFigures()[0]), (FloatPoints{{10, 10}, {20, 20}}));
}

TEST(SvgReader, ZeroOrMissingDrawingSizeScalesByOne)
{
    const std::string line = std::string(kGroup123) + "<line x1=\"10\" y1=\"10\" x2=\"20\" y2=\"20\" figuretype=\"1\" /></g>";
    for (const char* size : {"width=\"0\" height=\"0\"", "", "width=\"abc\" height=\"-5\""}) {
        const CMMFigureHolder read = ReadOk(Svg(line, size), 800, 600);
        ASSERT_EQ(read.GetCount(), 1) << size;
        EXPECT_EQ(Points(*read.GetFigures()[0]), (FloatPoints{{10, 10}, {20, 20}})) << size;
    }
}

TEST(SvgReader, GroupsReadTheirFirstKindOfShapeAndItsFollowingSiblings)
{
    const std::string text = Svg(std::string(kGroup123) +
                                 "<rect x=\"0\" y=\"0\" width=\"5\" height=\"5\" />"
                                 "<line x1=\"0\" y1=\"0\" x2=\"10\" y2=\"10\" figuretype=\"1\" />"
                                 "<line x1=\"10\" y1=\"10\" x2=\"20\" y2=\"5\" figuretype=\"1\" /></g>"
                                 "<G style=\"stroke-opacity:1.0; stroke:RGB(1, 2, 3); stroke-width: 4;\">"
                                 "<ELLIPSE cx=\"50\" cy=\"50\" rx=\"10\" ry=\"5\" /></G>"
                                 "<PATH stroke-opacity=\"1\" stroke=\"rgb(1,2,3)\" stroke-width=\"1\" d=\"M 1 1 L 2 2\"/>");
    const CMMFigureHolder read = ReadOk(text);
    ASSERT_EQ(read.GetCount(), 3);
    EXPECT_EQ(Points(*read.GetFigures()[0]), (FloatPoints{{0, 0}, {10, 10}, {20, 5}}));
    EXPECT_EQ(read.GetFigures()[0]->GetFigureType(), 1);
    EXPECT_EQ(Points(*read.GetFigures()[1]), (FloatPoints{{40, 45}, {60, 55}}));
    EXPECT_EQ(read.GetFigures()[1]->GetFigureType(), 5);
    EXPECT_EQ(read.GetFigures()[2]->GetPointCount(), 3);
}

TEST(SvgReader, BadDocumentsAreRefusedAndLeaveTheLayerAsItWas)
{
    const std::string deep = "<svg>" + [] {
        std::string s;
        for (int i = 0; i < 200000; ++i)
            s += "<g>";
        return s;
    }() + "</svg>";
    std::string huge = Svg("<!--" + std::string(CSvgFigureReader::kMaxTextBytes, ' ') + "-->");
    struct Case {
        const char* what;
        const std::string& text;
    };
    const std::string empty, broken = Svg("<g><line></g>"), html = "<html><body/></html>", words = "not xml at all";
    const Case cases[] = {{"empty", empty},   {"not well-formed", broken}, {"root is not svg", html},
                          {"not xml", words}, {"deeply nested", deep},     {"too large", huge}};
    for (const Case& c : cases) {
        wbtest::LogCapture log;
        CMMFigureHolder layer;
        auto kept = MakeFigure(0, {{0, 0}, {1, 1}});
        layer.Add(kept);
        EXPECT_FALSE(CSvgFigureReader::Read(c.text, 800, 600, layer)) << c.what;
        ASSERT_EQ(layer.GetCount(), 1) << c.what;
        EXPECT_EQ(layer.GetFigures()[0], kept) << c.what;
        EXPECT_EQ(log.Lines().size(), 1u) << c.what;
    }
}

TEST(SvgReader, ElementsWithMissingOrUnusableAttributesAreSkipped)
{
    const std::string style = "style=\"stroke-opacity:1.0; stroke:RGB(1, 2, 3); stroke-width: 4;\"";
    struct Case {
        const char* what;
        std::string inner;
        int figures;
        bool logged;
    } cases[] = {
        {"path without stroke", "<path stroke-opacity=\"1\" stroke-width=\"1\" d=\"M 1 1 L 2 2\"/>", 0, true},
        {"path without d", "<path stroke-opacity=\"1\" stroke=\"rgb(1,2,3)\" stroke-width=\"1\"/>", 0, false},
        {"path with a broken point", "<path stroke-opacity=\"1\" stroke=\"rgb(1,2,3)\" stroke-width=\"1\" d=\"M 1 1 L x 2\"/>", 0, true},
        {"path with infinite opacity", "<path stroke-opacity=\"1e999\" stroke=\"rgb(1,2,3)\" stroke-width=\"1\" d=\"M 1 1\"/>", 0, true},
        {"group without attributes", "<g><line x1=\"1\" y1=\"1\" x2=\"2\" y2=\"2\"/></g>", 0, false},
        {"group without width", "<g style=\"stroke-opacity:1.0; stroke:RGB(1, 2, 3);\"><line x1=\"1\" y1=\"1\" x2=\"2\" y2=\"2\"/></g>", 0, true},
        {"group without shapes", "<g " + style + "><text>1</text></g>", 0, false},
        {"rect without height", "<g " + style + "><rect x=\"1\" y=\"1\" width=\"2\"/></g>", 0, true},
        {"line with a word for x1", "<g " + style + "><line x1=\"abc\" y1=\"1\" x2=\"2\" y2=\"2\"/></g>", 0, true},
        {"polyline with one point", "<g " + style + "><polyline points=\"1,1\"/></g>", 0, true},
        {"a bad shape after a good one", "<g " + style + "><line x1=\"1\" y1=\"1\" x2=\"2\" y2=\"2\"/><line x1=\"3\"/></g>", 1, true},
        {"a point beyond any page", "<g " + style + "><line x1=\"1\" y1=\"1\" x2=\"2000000\" y2=\"2\"/></g>", 0, true},
    };
    for (const Case& c : cases) {
        wbtest::LogCapture log;
        EXPECT_EQ(ReadOk(Svg(c.inner)).GetCount(), c.figures) << c.what;
        EXPECT_EQ(!log.Lines().empty(), c.logged) << c.what;
    }
}

TEST(SvgReader, ScaledPointsBeyondAnyPageAreSkipped)
{
    const std::string line = std::string(kGroup123) + "<line x1=\"1\" y1=\"1\" x2=\"5000\" y2=\"2\" figuretype=\"1\" /></g>";
    EXPECT_EQ(ReadOk(Svg(line, "width=\"1\" height=\"1\""), 800, 600).GetCount(), 0);
}

TEST(SvgReader, NestingDepthTable)
{
    struct Case {
        const char* text;
        int depth;
    } cases[] = {
        {"<a><b/><c><d></d></c></a>", 3},
        {"<?xml version=\"1.0\"?><!DOCTYPE a><a><!-- <b><c><d> --></a>", 1},
        {"<a t=\"x>y\" u='<b><c>'><b/></a>", 1},
        {"<a><![CDATA[<b><c><d>]]></a>", 1},
        {"<a><b><c>", 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CSvgFigureReader::NestingDepth(c.text, strlen(c.text), 10), c.depth) << c.text;
    const char many[] = "<a><a><a><a><a>";
    EXPECT_EQ(CSvgFigureReader::NestingDepth(many, strlen(many), 3), 4);
}
