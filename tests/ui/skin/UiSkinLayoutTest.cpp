// Layout of small fixture screens at several sizes and ratios: object rectangles compared.
#include <gtest/gtest.h>

#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/SkinTextCells.h"

namespace {

std::string Rect(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// A screen copy laid out for a client size (no owner window: the screen's DC measures).
struct Laid {
    SKIN_SCREEN screen;
    explicit Laid(const wchar_t* name) { screen.LoadScreen(name); }
    CRect At(const wchar_t* object) const { return screen.FindObject(object)->m_rcObject; }
};

TEST(SkinLayout, AlignmentModesAtSeveralSizes)
{
    ASSERT_TRUE(skintest::LoadFixtureSkin(LR"(<SCREEN NAME="A" RECT="0,0,200,100" VISIBLE="1">
        <OBJECT ID="1" INDEX="1" NAME="pinned" TYPE="NULL" RECT="20,10,40,20" VISIBLE="1" ALIGNLTRB="0,0,0,0"/>
        <OBJECT ID="2" INDEX="2" NAME="far" TYPE="NULL" RECT="20,10,40,20" VISIBLE="1" ALIGNLTRB="2,2,2,2"/>
        <OBJECT ID="3" INDEX="3" NAME="stretch" TYPE="NULL" RECT="20,10,40,20" VISIBLE="1" ALIGNLTRB="0,0,2,2"/>
        <OBJECT ID="4" INDEX="4" NAME="centre" TYPE="NULL" RECT="20,10,40,20" VISIBLE="1" ALIGNLTRB="1,1,1,1"/>
        <OBJECT ID="5" INDEX="5" NAME="right" TYPE="NULL" RECT="20,10,40,20" VISIBLE="1" ALIGNLTRB="2,0,2,0"/>
        <OBJECT ID="6" INDEX="6" NAME="odd" TYPE="NULL" RECT="20,10,40,20" VISIBLE="1" ALIGNLTRB="7,7,7,7"/>
        </SCREEN>)"));
    struct Case {
        int cx, cy;
        const wchar_t* object;
        RECT expected;
    };
    const Case cases[] = {
        {200, 100, L"pinned", {20, 10, 60, 30}}, {300, 160, L"pinned", {20, 10, 60, 30}},
        {300, 160, L"far", {120, 70, 160, 90}},  {151, 101, L"far", {-29, 11, 11, 31}},
        {300, 160, L"stretch", {20, 10, 160, 90}}, {151, 101, L"stretch", {20, 10, 11, 31}},
        {300, 160, L"centre", {70, 40, 110, 60}}, {151, 101, L"centre", {-5, 10, 35, 30}},
        {300, 160, L"right", {120, 10, 160, 30}}, {300, 160, L"odd", {20, 10, 60, 30}},
    };
    for (const Case& c : cases) {
        Laid l(L"A");
        l.screen.Layout(nullptr, c.cx, c.cy);
        EXPECT_EQ(Rect(l.At(c.object)), Rect(c.expected)) << CStringA(c.object).GetString() << " at " << c.cx << "x" << c.cy;
    }
}

TEST(SkinLayout, ScaledScreenAtRatios)
{
    const std::wstring body = LR"(<SCREEN NAME="A" RECT="0,0,200,100" VISIBLE="1">
        <OBJECT ID="1" NAME="far" TYPE="NULL" RECT="150,60,40,30" VISIBLE="1" ALIGNLTRB="2,2,2,2"/></SCREEN>)";
    struct Case {
        float ratio;
        RECT expected;   // laid out in a client of twice the design size
    };
    const Case cases[] = {{1.0f, {350, 160, 390, 190}}, {1.25f, {437, 200, 487, 237}}, {1.5f, {525, 240, 585, 285}}};
    for (const Case& c : cases) {
        ASSERT_TRUE(skintest::LoadFixtureSkin(body, c.ratio));
        Laid l(L"A");
        const CRect design = l.screen.m_rcScreen;
        l.screen.Layout(nullptr, design.Width() * 2, design.Height() * 2);
        EXPECT_EQ(Rect(l.At(L"far")), Rect(c.expected)) << c.ratio;
        EXPECT_EQ(l.screen.FindObject(L"far")->m_fScale, c.ratio);
    }
}

TEST(SkinLayout, BorderedScreenMovesObjectsOutByOne)
{
    const wchar_t* objects = LR"(
        <OBJECT ID="1" NAME="tl" TYPE="NULL" RECT="0,0,10,10" VISIBLE="1"/>
        <OBJECT ID="2" NAME="br" TYPE="NULL" RECT="290,190,10,10" VISIBLE="1" ALIGNLTRB="2,2,2,2"/></SCREEN>)";
    ASSERT_TRUE(skintest::LoadFixtureSkin(std::wstring(LR"(<SCREEN NAME="B" RECT="0,0,300,200" BORDERSIZE="1">)") + objects));
    Laid bordered(L"B");
    bordered.screen.Layout(nullptr, 300, 200);
    EXPECT_EQ(Rect(bordered.At(L"tl")), "-1,-1,9,9");
    EXPECT_EQ(Rect(bordered.At(L"br")), "291,191,301,201");
    ASSERT_TRUE(skintest::LoadFixtureSkin(std::wstring(LR"(<SCREEN NAME="B" RECT="0,0,300,200">)") + objects));
    Laid plain(L"B");
    plain.screen.Layout(nullptr, 300, 200);
    EXPECT_EQ(Rect(plain.At(L"tl")), "0,0,10,10");
    EXPECT_EQ(Rect(plain.At(L"br")), "290,190,300,200");
}

TEST(SkinLayout, GoneObjectsCloseTheGapInvisibleOnesDoNot)
{
    ASSERT_TRUE(skintest::LoadFixtureSkin(LR"(<SCREEN NAME="G" RECT="0,0,200,40">
        <OBJECT ID="1" INDEX="1" NAME="a" TYPE="NULL" RECT="10,10,50,20" VISIBLE="1"/>
        <OBJECT ID="2" INDEX="2" NAME="b" TYPE="NULL" RECT="70,10,30,20" VISIBLE="1" ALIGNLTRB="2,0,2,0" ALIGNIDXL="1" ALIGNIDXR="1"/>
        <OBJECT ID="3" INDEX="3" NAME="child" TYPE="NULL" PARENTIDX="1" RECT="20,12,10,10" VISIBLE="1" ALIGNLTRB="1,0,0,0"/>
        <OBJECT ID="4" INDEX="4" NAME="ghost" TYPE="NULL" PARENTIDX="99" RECT="0,0,5,5" VISIBLE="1"/></SCREEN>)"));
    Laid l(L"G");
    l.screen.Layout(nullptr, 200, 40);
    EXPECT_EQ(Rect(l.At(L"b")), "70,10,100,30");
    l.screen.FindObject(L"a")->m_nVisible = 0;
    l.screen.Layout(nullptr, 200, 40);
    EXPECT_EQ(Rect(l.At(L"b")), "70,10,100,30");
    l.screen.FindObject(L"a")->m_nVisible = 1;
    l.screen.FindObject(L"a")->m_nGone = 1;
    l.screen.Layout(nullptr, 200, 40);
    EXPECT_EQ(Rect(l.At(L"a")), "10,10,10,10");
    EXPECT_EQ(Rect(l.At(L"b")), "20,10,50,30");
    // Below a GONE parent the child collapses by its own modes (centre, top).
    EXPECT_EQ(Rect(l.At(L"child")), "25,12,25,12");
    EXPECT_FALSE(l.screen.IsLive(l.screen.FindObject(L"ghost")));
}

class TextMeasure {
public:
    TextMeasure(const wchar_t* face, int size)
    {
        m_font.m_strFaceName = face;
        m_font.m_nSize = size;
        m_font.CreateFont();
        m_dc = ::GetDC(nullptr);
        m_old = ::SelectObject(m_dc, m_font.m_font.GetSafeHandle());
    }
    ~TextMeasure()
    {
        ::SelectObject(m_dc, m_old);
        ::ReleaseDC(nullptr, m_dc);
    }
    int Width(const wchar_t* text)
    {
        RECT r = {0, 0, 100000, 0};
        ::DrawTextW(m_dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return r.right;
    }
    int WrappedHeight(const wchar_t* text, int width)
    {
        RECT r = {0, 0, width, 0};
        ::DrawTextW(m_dc, text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
        return r.bottom;
    }
    int LineHeight()
    {
        TEXTMETRICW tm;
        ::GetTextMetricsW(m_dc, &tm);
        return tm.tmHeight;
    }
    HDC Dc() const { return m_dc; }

private:
    SKIN_FONT m_font;
    HDC m_dc;
    HGDIOBJ m_old;
};

TEST(SkinLayout, TextsGrowToTheirTextWithinLimitsAndNeverShrink)
{
    const wchar_t* text = L"Caption";
    struct Case {
        float ratio;
        int maxWidthExtra;   // MAXWIDTH: -1 unlimited, else the text's width plus this
        int designWidth;
        int expectedExtra;   // the expected width over the text's, -1 the design width
    };
    // Padding 4 adds int(4 x ratio).
    const Case cases[] = {
        {1.0f, -1, 20, 4},     // as wide as the text
        {1.5f, 100, 20, 6},    // within MAXWIDTH x ratio
        {1.0f, -1, 400, -1},   // never narrower than laid out
        {1.0f, 2, 20, 2},      // cut at MAXWIDTH
    };
    for (const Case& c : cases) {
        TextMeasure m(L"Tahoma", int(13.0f * c.ratio));
        const int width = m.Width(text);
        const int maxWidth = c.maxWidthExtra == -1 ? -1 : width + c.maxWidthExtra;
        wchar_t body[600];
        _snwprintf(body, 599,
                   L"<SCREEN NAME=\"T\" RECT=\"0,0,600,100\"><OBJECT ID=\"1\" NAME=\"t\" TYPE=\"TEXT\" RECT=\"0,0,%d,20\" "
                   L"VISIBLE=\"1\" MAXWIDTH=\"%d\" PADDINGL=\"4\" TEXT_TEXT=\"%s\"><FONT NAME=\"STATIC_\" SIZE=\"13\" "
                   L"FACENAME=\"Tahoma\"/></OBJECT></SCREEN>",
                   c.designWidth, maxWidth, text);
        body[599] = 0;
        ASSERT_TRUE(skintest::LoadFixtureSkin(body, c.ratio));
        Laid l(L"T");
        l.screen.Layout(nullptr, 600, 100);
        const int expected = c.expectedExtra == -1 ? int(float(c.designWidth) * c.ratio) : width + c.expectedExtra;
        EXPECT_EQ(l.At(L"t").Width(), expected) << c.ratio << " " << c.maxWidthExtra << " " << c.designWidth;
    }
}

TEST(SkinLayout, GrowingTextsAreMeasuredByTheWrappingTheirPaintingUses)
{
    TextMeasure m(L"Tahoma", 13);
    const wchar_t* text = L"aaaa bbbbbbbbbb cc";
    // A width where breaking between characters needs two lines and breaking between words three.
    const int width = m.Width(L"aaaa bbbbb") + 1;
    const int line = m.LineHeight();
    ASSERT_EQ(CSkinTextCells::Measure(m.Dc(), CRect(0, 0, width, 0), text, 0).Height(), 2 * line);
    ASSERT_EQ(m.WrappedHeight(text, width), 3 * line);
    for (int copyText = 0; copyText <= 1; ++copyText) {
        wchar_t body[700];
        _snwprintf(body, 699,
                   L"<SCREEN NAME=\"W\" RECT=\"0,0,400,200\"><OBJECT ID=\"1\" NAME=\"t\" TYPE=\"TEXT\" RECT=\"0,0,%d,10\" "
                   L"VISIBLE=\"1\" MAXHEIGHT=\"-1\" COPYTEXT=\"%d\" TEXT_TEXT=\"%s\"><FONT NAME=\"STATIC_\" SIZE=\"13\" "
                   L"ALIGN=\"0\" FACENAME=\"Tahoma\"/></OBJECT></SCREEN>",
                   width, copyText, text);
        body[699] = 0;
        ASSERT_TRUE(skintest::LoadFixtureSkin(body));
        Laid l(L"W");
        l.screen.Layout(nullptr, 400, 200);
        // Selectable texts are painted character by character, all others by words.
        EXPECT_EQ(l.At(L"t").Height(), (copyText ? 2 : 3) * line) << copyText;
    }
}

TEST(SkinLayout, FlexRowPlacesChildrenLeftToRightWithoutGaps)
{
    ASSERT_TRUE(skintest::LoadFixtureSkin(LR"(<SCREEN NAME="F" RECT="0,0,500,40">
        <OBJECT ID="10" INDEX="1" NAME="row" TYPE="CUSTOM" RECT="20,0,400,30" VISIBLE="1"><CUSTOM_LIST NAME="CSS_DISPLAY:" VALUE="flex"/></OBJECT>
        <OBJECT ID="11" INDEX="2" NAME="t1" TYPE="TEXT" PARENTIDX="10" RECT="0,0,10,30" VISIBLE="1" PADDINGL="3" PADDINGR="3" TEXT_TEXT="One"><FONT NAME="STATIC_" SIZE="13" FACENAME="Tahoma"/></OBJECT>
        <OBJECT ID="12" INDEX="3" NAME="hidden" TYPE="TEXT" PARENTIDX="10" RECT="300,0,10,30" VISIBLE="0" TEXT_TEXT="Hidden"/>
        <OBJECT ID="13" INDEX="4" NAME="t2" TYPE="TEXT" PARENTIDX="10" RECT="0,0,10,30" VISIBLE="1" MARGIN="2" TEXT_TEXT="Second"><FONT NAME="STATIC_" SIZE="13" FACENAME="Tahoma"/></OBJECT>
        <OBJECT ID="14" INDEX="5" NAME="b" TYPE="BUTTON" PARENTIDX="10" RECT="0,0,25,30" VISIBLE="1"/>
        <OBJECT ID="15" INDEX="6" NAME="t3" TYPE="TEXT" PARENTIDX="10" RECT="0,0,10,30" VISIBLE="1" BORDERSIZE="1" TEXT_TEXT="Three"><FONT NAME="STATIC_" SIZE="13" FACENAME="Tahoma"/></OBJECT>
        </SCREEN>)"));
    TextMeasure m(L"Tahoma", 13);
    Laid l(L"F");
    l.screen.Layout(nullptr, 500, 40);
    EXPECT_EQ(Rect(l.At(L"t1")), Rect(CRect(20, 0, 20 + m.Width(L"One") + 6, 30)));
    EXPECT_EQ(l.At(L"t2").left, l.At(L"t1").right);
    EXPECT_EQ(l.At(L"t2").Width(), m.Width(L"Second") + 4);
    EXPECT_EQ(l.At(L"b").left, l.At(L"t2").right);
    EXPECT_EQ(l.At(L"b").Width(), 25);
    EXPECT_EQ(l.At(L"t3").left, l.At(L"b").right);
    EXPECT_EQ(l.At(L"t3").Width(), m.Width(L"Three") + 2);
    EXPECT_EQ(Rect(l.At(L"hidden")), "300,0,310,30");
    EXPECT_EQ(l.screen.FindObject(L"t2")->m_nFlexMode, 1);

    // An invisible container places nothing.
    l.screen.FindObject(L"row")->m_nVisible = 0;
    l.screen.Layout(nullptr, 500, 40);
    EXPECT_EQ(Rect(l.At(L"t1")), "0,0,10,30");
}

TEST(SkinLayout, TopFlowsCutOrGrowAndTheScreenGrowsWithAFullFlow)
{
    const wchar_t* text = L"word word word word word word word word word word word word";
    for (int full = 0; full <= 1; ++full) {
        wchar_t body[900];
        _snwprintf(body, 899,
                   L"<SCREEN NAME=\"V\" RECT=\"0,0,120,80\">"
                   L"<OBJECT ID=\"1\" INDEX=\"1\" NAME=\"col\" TYPE=\"CUSTOM\" RECT=\"0,0,120,60\" VISIBLE=\"1\"><CUSTOM_LIST NAME=\"CSS_DISPLAY:\" VALUE=\"%s\"/></OBJECT>"
                   L"<OBJECT ID=\"2\" INDEX=\"2\" NAME=\"head\" TYPE=\"NULL\" PARENTIDX=\"1\" RECT=\"0,0,120,20\" VISIBLE=\"1\"/>"
                   L"<OBJECT ID=\"3\" INDEX=\"3\" NAME=\"t\" TYPE=\"TEXT\" PARENTIDX=\"1\" RECT=\"0,0,120,20\" VISIBLE=\"1\" TEXT_TEXT=\"%s\"><FONT NAME=\"STATIC_\" SIZE=\"13\" FACENAME=\"Tahoma\"/></OBJECT>"
                   L"</SCREEN>",
                   full ? L"FLEX_TOP_FULL" : L"FLEX_TOP", text);
        body[899] = 0;
        ASSERT_TRUE(skintest::LoadFixtureSkin(body));
        TextMeasure m(L"Tahoma", 13);
        const int needed = m.WrappedHeight(text, 120);
        ASSERT_GT(needed, 40);
        Laid l(L"V");
        int height = 0;
        const int grew = l.screen.LayoutAutoHeight(nullptr, 120, 80, height);
        EXPECT_EQ(l.At(L"head").top, 0);
        EXPECT_EQ(l.At(L"t").top, 20);
        if (full) {
            EXPECT_EQ(l.At(L"t").Height(), needed);
            EXPECT_EQ(grew, 1);
            EXPECT_EQ(height, 80 + needed - 20);
        } else {
            EXPECT_EQ(l.At(L"t").Height(), 40);   // what the container leaves
            EXPECT_EQ(grew, 0);
            EXPECT_EQ(height, 80);
        }
    }
}

TEST(SkinLayout, RadioButtonsNeedTheirGroupObjectFirst)
{
    ASSERT_TRUE(skintest::LoadFixtureSkin(LR"(<SCREEN NAME="R" RECT="0,0,200,40">
        <OBJECT ID="1" INDEX="1" NAME="early" TYPE="BUTTON" PARENTIDX="5" RECT="0,0,10,10" VISIBLE="1" BTN_CLROVER="FF0000"/>
        <OBJECT ID="5" INDEX="2" NAME="group" TYPE="CUSTOM" RECT="0,0,200,40" VISIBLE="1"><CUSTOM_LIST NAME="CSS_BTN_STYLE:" VALUE="radio"/></OBJECT>
        <OBJECT ID="2" INDEX="3" NAME="r1" TYPE="BUTTON" PARENTIDX="5" RECT="20,0,10,10" VISIBLE="1" BTN_CLROVER="FF0000"/>
        <OBJECT ID="3" INDEX="4" NAME="r2" TYPE="BUTTON" PARENTIDX="5" RECT="40,0,10,10" VISIBLE="1" BTN_CLROVER="FF0000"/>
        <OBJECT ID="4" INDEX="5" NAME="other" TYPE="BUTTON" RECT="60,0,10,10" VISIBLE="1"/></SCREEN>)"));
    Laid l(L"R");
    EXPECT_EQ(l.screen.FindObject(L"early")->m_button.m_bRadio, 0);
    EXPECT_EQ(l.screen.FindObject(L"r1")->m_button.m_bRadio, 1);
    EXPECT_EQ(l.screen.FindObject(L"r2")->m_button.m_bRadio, 1);
    EXPECT_EQ(l.screen.FindObject(L"other")->m_button.m_bRadio, 0);
    EXPECT_EQ(l.screen.GetRadioIndex(5), 1);   // none checked: the last
    EXPECT_EQ(l.screen.SetRadioIndex(5, 0, nullptr), 1);
    EXPECT_EQ(l.screen.GetRadioIndex(5), 0);
    EXPECT_EQ(l.screen.GetRadioIndex(77), -1);
}

TEST(SkinLayout, AMissingScreenLeavesAnEmptyScreen)
{
    ASSERT_TRUE(skintest::LoadFixtureSkin(LR"(<SCREEN NAME="X"/>)"));
    SKIN_SCREEN screen;
    screen.LoadScreen(L"Nope");
    screen.Layout(nullptr, 100, 100);
    EXPECT_EQ(screen.m_objects.GetCount(), 0);
    EXPECT_EQ(screen.FindObject(L"anything"), nullptr);
    EXPECT_EQ(screen.OnLButtonDown(nullptr, 1, 1, nullptr, nullptr), 0);
}

} // namespace
