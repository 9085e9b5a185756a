#include <gtest/gtest.h>

#include "WhiteboardTestSupport.h"
#include "whiteboard/MMMemoList.h"
#include "whiteboard/MemoItemReader.h"

using Gdiplus::PointF;
using wbtest::Narrow;

namespace {

// Card pictures for the tests: a plain colour with a magenta border that must stay transparent.
class TestPictures {
public:
    TestPictures()
    {
        CMMMemo::SetPictureLoader([this](UINT id) -> Gdiplus::Bitmap* {
            requested.push_back(id);
            auto* bitmap = new Gdiplus::Bitmap(177, 134, PixelFormat32bppARGB);
            Gdiplus::Graphics g(bitmap);
            g.Clear(Gdiplus::Color(255, 255, 0, 255));
            const bool selected = id == 522 || id == 525 || id == 519 || id == 529;
            Gdiplus::SolidBrush fill(selected ? Gdiplus::Color(255, 0, 0, 255) : Gdiplus::Color(255, 255, 0, 0));
            g.FillRectangle(&fill, 20, 20, 137, 94);
            return bitmap;
        });
    }
    ~TestPictures() { CMMMemo::SetPictureLoader(nullptr); }
    std::vector<UINT> requested;
};

std::shared_ptr<CMMMemo> Memo(float x, float y, const wchar_t* text = L"", int bg = 1, int fg = 1)
{
    return std::make_shared<CMMMemo>(PointF(x, y), CString(text), bg, fg);
}

}  // namespace

TEST(MMMemo, CardRectangleIsInclusiveAroundThePosition)
{
    TestPictures pictures;
    auto memo = Memo(0, 0);
    const S_FIGURE_RECT r = memo->GetRect();
    EXPECT_EQ(r.left, -7.0f);
    EXPECT_EQ(r.top, -7.0f);
    EXPECT_EQ(r.right, 170.0f);
    EXPECT_EQ(r.bottom, 127.0f);
    EXPECT_TRUE(memo->Contains(PointF(-7, -7)));
    EXPECT_TRUE(memo->Contains(PointF(170, 127)));
    EXPECT_FALSE(memo->Contains(PointF(170.5f, 127)));
    memo->MoveBy(10, 5);
    EXPECT_EQ(memo->GetRect().left, 3.0f);
    EXPECT_EQ(memo->GetPosition().Y, 5.0f);
}

TEST(MMMemo, ClampToPageTable)
{
    TestPictures pictures;
    struct Case {
        PointF from, to;
    } cases[] = {
        {{700, -3}, {623, 0}},
        {{-5, 700}, {0, 466}},
        {{100, 100}, {100, 100}},
        {{630, 473}, {630, 473}},  // card ends exactly at the edges
        {{631, 474}, {623, 466}},
    };
    for (const Case& c : cases) {
        auto memo = Memo(c.from.X, c.from.Y);
        memo->ClampToPage(800, 600);
        EXPECT_EQ(memo->GetPosition().X, c.to.X) << c.from.X;
        EXPECT_EQ(memo->GetPosition().Y, c.to.Y) << c.from.Y;
    }
}

TEST(MMMemo, PicturesAndTextColoursByIndex)
{
    const UINT expected[][3] = {{1, 520, 522}, {2, 523, 525}, {3, 517, 519}, {4, 527, 529}, {9, 520, 522}};
    for (const auto& e : expected) {
        UINT normal = 0, selected = 0;
        CMMMemo::CardPictureIds((int)e[0], normal, selected);
        EXPECT_EQ(normal, e[1]);
        EXPECT_EQ(selected, e[2]);
    }
    TestPictures pictures;
    Memo(0, 0, L"", 9);
    EXPECT_EQ(pictures.requested, (std::vector<UINT>{520, 522}));

    EXPECT_EQ(CMMMemo::TextArgb(1), 0xFF000000u);
    EXPECT_EQ(CMMMemo::TextArgb(3), 0xFFE90000u);
    EXPECT_EQ(CMMMemo::TextArgb(4), 0xFF008A0Au);
    EXPECT_EQ(CMMMemo::TextArgb(5), 0xFF00056Cu);
    EXPECT_EQ(CMMMemo::TextArgb(9), 0xFF000000u);
}

TEST(MMMemoList, TopmostIsTheLaterOfOverlappingMemosAndRemoveKeepsOrder)
{
    TestPictures pictures;
    CMMMemoList list;
    auto first = Memo(0, 0), second = Memo(50, 50), third = Memo(400, 400);
    EXPECT_FALSE(list.Remove(first));
    list.Add(first);
    list.Add(second);
    list.Add(third);
    EXPECT_EQ(list.FindTopmostAt(PointF(60, 60)), second);
    EXPECT_EQ(list.FindTopmostAt(PointF(10, 10)), first);
    EXPECT_EQ(list.FindTopmostAt(PointF(300, 10)), nullptr);
    EXPECT_TRUE(list.Remove(Memo(0, 0)));
    EXPECT_TRUE(list.Remove(second));
    EXPECT_EQ(list.GetMemos(), (std::vector<CMMMemoList::MemoPtr>{first, third}));
}

TEST(MMMemoList, SvgMarkersGolden)
{
    TestPictures pictures;
    CMMMemoList list;
    list.Add(Memo(10.9f, 20.2f, L"not in the svg"));
    list.Add(Memo(100, 5));
    EXPECT_EQ(Narrow(list.ToSvg()),
              "<rect x=\"10\" y=\"20\" width=\"20.0\" height=\"20.0\" style=\"stroke:#000000; fill:#ffff33\"/>\n"
              "<text x=\"17\" y=\"35\">1</text>\n"
              "<rect x=\"100\" y=\"5\" width=\"20.0\" height=\"20.0\" style=\"stroke:#000000; fill:#ffff33\"/>\n"
              "<text x=\"107\" y=\"20\">2</text>\n");
}

TEST(MMMemo, JsonItemGoldenAndEscaping)
{
    TestPictures pictures;
    struct Case {
        const wchar_t* text;
        const char* message;
    } cases[] = {
        {L"a\r\nb", "a\\r\\nb"},
        {L"say \"hi\"", "say \\\"hi\\\""},
        {L"C:\\path", "C:\\\\path"},
        {L"tab\there\x01", "tab\\there\\u0001"},
        {L"\uD55C\uAE00", "\xED\x95\x9C\xEA\xB8\x80"},
    };
    for (const Case& c : cases) {
        auto memo = Memo(12.7f, 34.2f, c.text, 3, 4);
        EXPECT_EQ(Narrow(memo->ToJson(1)), std::string("{\"memoBGColor\" : \"3\",\"memoXpoint\" : \"12\","
                                                       "\"memoYpoint\" : \"34\",\"message\" : \"") +
                                               c.message +
                                               "\",\"messageColor\" : \"4\",\"messageSize\" : \"18\",\"msgId\" : \"2\"}");
    }
}

TEST(MemoItemReader, ItemsReadBackAsTheMemosThatWroteThem)
{
    TestPictures pictures;
    CMMMemoList saved;
    saved.Add(Memo(12.7f, 34.2f, L"line one\r\n\"two\" \\ three", 2, 5));
    saved.Add(Memo(300, 40, L"", 4, 1));
    Json::Value items(Json::arrayValue);
    for (const CString& text : saved.ToJsonList())
        items.append(Json::Value(Narrow(text)));

    CMMMemoList restored;
    EXPECT_EQ(CMemoItemReader::ReadList(items, restored), 2);
    ASSERT_EQ(restored.GetCount(), 2);
    const CMMMemo& a = *restored.GetMemos()[0];
    EXPECT_EQ(a.GetPosition().X, 12.0f);
    EXPECT_EQ(a.GetPosition().Y, 34.0f);
    EXPECT_EQ(Narrow(a.GetText()), "line one\r\n\"two\" \\ three");
    EXPECT_EQ(a.GetBGColor(), 2);
    EXPECT_EQ(a.GetTextColor(), 5);
    // Written again, the items are the same texts (the position was already whole).
    EXPECT_EQ(Narrow(restored.ToJsonList()[0]), Narrow(Memo(12, 34, L"line one\r\n\"two\" \\ three", 2, 5)->ToJson(0)));
    EXPECT_EQ(Narrow(restored.ToJsonList()[1]), Narrow(saved.ToJsonList()[1]));
}

TEST(MemoItemReader, BadItemsAreSkippedWithALogLine)
{
    TestPictures pictures;
    wbtest::LogCapture log;
    Json::Value items(Json::arrayValue);
    items.append("{not json");
    items.append(Json::Value(Json::objectValue));  // no position
    Json::Value numbers(Json::objectValue);
    numbers["memoXpoint"] = 5;
    numbers["memoYpoint"] = 6;
    numbers["message"] = "numbers accepted";
    items.append(numbers);
    Json::Value wrong = numbers;
    wrong["message"] = 7;
    items.append(wrong);
    CMMMemoList list;
    list.Add(Memo(0, 0));
    EXPECT_EQ(CMemoItemReader::ReadList(items, list), 1);
    EXPECT_EQ(list.GetMemos()[0]->GetBGColor(), 1);
    EXPECT_GE(log.Lines().size(), 3u);
}

TEST(MMMemo, DrawShowsTheCardWithItsMagentaBackgroundTransparent)
{
    TestPictures pictures;
    CMMMemoList list;
    auto memo = Memo(57, 57, L"");
    list.Add(memo);
    {
        wbtest::MemoryCanvas canvas(300, 250);
        list.Draw(canvas.Dc(), 0, 0, 300, 250, 1.0f);
        EXPECT_EQ(canvas.Pixel(138, 117), RGB(255, 0, 0));   // card centre
        EXPECT_EQ(canvas.Pixel(138, 61), RGB(255, 255, 255));  // inside the card's magenta top border
    }
    memo->SetSelected(TRUE);
    {
        wbtest::MemoryCanvas canvas(300, 250);
        list.Draw(canvas.Dc(), 0, 0, 300, 250, 1.0f);
        EXPECT_EQ(canvas.Pixel(138, 117), RGB(0, 0, 255));
    }
}

TEST(MMMemo, WithoutPicturesNothingIsDrawn)
{
    CMMMemo::SetPictureLoader([](UINT) -> Gdiplus::Bitmap* { return nullptr; });
    auto memo = Memo(57, 57, L"text");
    CMMMemo::SetPictureLoader(nullptr);
    CMMMemoList list;
    list.Add(memo);
    wbtest::MemoryCanvas canvas(300, 250);
    list.Draw(canvas.Dc(), 0, 0, 300, 250, 1.0f);
    for (int y = 0; y < 250; y += 5)
        for (int x = 0; x < 300; x += 5)
            ASSERT_FALSE(canvas.InkNear(x, y, 1)) << x << "," << y;
}
