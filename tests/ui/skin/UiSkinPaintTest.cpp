// Painting of screens in real windows, checked with coarse pixel probes: button state strips and
// check colours, fill percentages, margins and borders, hints and password circles, dim fonts.
#include <gtest/gtest.h>

#include "tests/platform/UiTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

const DWORD kStripColours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};        // out: normal, over, dim, down
const DWORD kCheckedColours[4] = {0xFF00FFFF, 0xFFFF00FF, 0xFF808080, 0xFF000080};      // over image
COLORREF Ref(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

void WriteStrips(const wchar_t* name, const DWORD* colours)
{
    skintest::WritePicture(skintest::FixtureFolder() + L"\\" + name, 120, 30,
                           [colours](int x, int) { return colours[x / 30]; });
}

const wchar_t kScreen[] = LR"(<SCREEN NAME="P" RECT="0,0,300,220" VISIBLE="1" BGCOLOR="FFFFFF">
    <OBJECT ID="1" INDEX="1" NAME="btn" TYPE="BUTTON" RECT="10,10,120,30" VISIBLE="1" BTN_IMAGEOUT="$(TARGETDIR)\out.png"/>
    <OBJECT ID="2" INDEX="2" NAME="toggle" TYPE="BUTTON" RECT="150,10,120,30" VISIBLE="1" BTN_IMAGEOUT="$(TARGETDIR)\out.png"
            BTN_IMAGEOVER="$(TARGETDIR)\over.png"/>
    <OBJECT ID="3" INDEX="3" NAME="bar" TYPE="NULL" RECT="10,50,200,20" VISIBLE="1" COLOR="FF0000"/>
    <OBJECT ID="4" INDEX="4" NAME="framed" TYPE="NULL" RECT="10,80,100,40" VISIBLE="1" COLOR="00FF00" BORDERSIZE="2" BORDERCOLOR="0000FF"
            MARGINL="5" MARGINCOLORL="FF00FF"/>
    <OBJECT ID="5" INDEX="5" NAME="colour" TYPE="BUTTON" RECT="150,80,60,40" VISIBLE="1" BTN_CLROUT="808080" BTN_CLROVER="00FFFF"/>
    <OBJECT ID="6" INDEX="6" NAME="hidden" TYPE="NULL" RECT="220,80,60,40" VISIBLE="0" COLOR="FF0000"/>
    <OBJECT ID="7" INDEX="7" NAME="round" TYPE="NULL" RECT="10,130,60,60" VISIBLE="1" COLOR="0000FF" ROUND="30"/>
    <OBJECT ID="8" INDEX="8" NAME="text" TYPE="TEXT" RECT="100,130,180,30" VISIBLE="1" COLOR="FFFFFF" TEXT_TEXT="WWWWWWWW">
        <FONT NAME="STATIC_" SIZE="20" COLOR="000000" ALIGN="0" FACENAME="Tahoma"/></OBJECT>
    <OBJECT ID="9" INDEX="9" NAME="dimtext" TYPE="BUTTON" RECT="100,170,180,40" VISIBLE="1" COLOR="FFFFFF" BTN_TEXT="WWWWWWW">
        <FONT NAME="BTN_" SIZE="20" COLOR="FF0000" FACENAME="Tahoma"/></OBJECT>
    </SCREEN>)";

class SkinPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteStrips(L"out.png", kStripColours);
        WriteStrips(L"over.png", kCheckedColours);
        ASSERT_TRUE(skintest::LoadFixtureSkin(kScreen));
        dlg.reset(new skintest::CTestSkinDialog(L"P"));
        ASSERT_TRUE(dlg->Open());
    }
    void TearDown() override
    {
        if (dlg && ::IsWindow(dlg->m_hWnd))
            dlg->DestroyWindow();
        dlg.reset();
    }
    SKIN_OBJECT* Object(const wchar_t* name) { return dlg->m_Screen.FindObject(name); }
    COLORREF At(int x, int y) { return skintest::PaintedPixel(dlg.get(), x, y); }
    std::unique_ptr<skintest::CTestSkinDialog> dlg;
};

TEST_F(SkinPaint, ButtonStripByStateAndCheck)
{
    SKIN_OBJECT* btn = Object(L"btn");
    SKIN_OBJECT* toggle = Object(L"toggle");
    struct Case {
        int hover, state, check;
        COLORREF expected;
    };
    const Case cases[] = {
        {0, -1, 0, Ref(kStripColours[0])}, {1, -1, 0, Ref(kStripColours[1])}, {3, -1, 0, Ref(kStripColours[3])},
        {1, 2, 0, Ref(kStripColours[2])},  {0, -1, 1, Ref(kCheckedColours[0])}, {3, -1, 1, Ref(kCheckedColours[3])},
    };
    for (const Case& c : cases) {
        for (SKIN_OBJECT* o : {btn, toggle}) {
            o->m_nHover = c.hover;
            o->m_nState = c.state;
            o->m_button.m_nCheck = c.check;
        }
        // Checked, the toggle shows the strips of its OVER image.
        if (!c.check) {
            EXPECT_EQ(At(70, 25), c.expected) << c.hover << " " << c.state;
        }
        EXPECT_EQ(At(210, 25), c.expected) << c.hover << " " << c.state << " " << c.check;
    }
}

TEST_F(SkinPaint, FillPercentagesAndCheckColours)
{
    SKIN_OBJECT* bar = Object(L"bar");
    EXPECT_EQ(At(205, 60), RGB(255, 0, 0));
    bar->m_nFillPercent = 50;
    EXPECT_EQ(At(105, 60), RGB(255, 0, 0));
    EXPECT_EQ(At(115, 60), RGB(255, 255, 255));
    bar->m_nFillPercent = 0;
    EXPECT_EQ(At(12, 60), RGB(255, 255, 255));
    SKIN_OBJECT* colour = Object(L"colour");
    EXPECT_EQ(At(180, 100), RGB(128, 128, 128));
    colour->m_button.m_nCheck = 1;
    EXPECT_EQ(At(180, 100), RGB(0, 255, 255));
    EXPECT_EQ(At(250, 100), RGB(255, 255, 255));   // an invisible object paints nothing
}

TEST_F(SkinPaint, MarginsBordersAndRoundShapes)
{
    EXPECT_EQ(At(12, 100), RGB(255, 0, 255));   // the left margin strip
    EXPECT_EQ(At(15, 100), RGB(0, 0, 255));     // the border just inside the margin
    EXPECT_EQ(At(16, 100), RGB(0, 0, 255));
    EXPECT_EQ(At(18, 100), RGB(0, 255, 0));     // the fill
    EXPECT_EQ(At(108, 82), RGB(0, 0, 255));
    EXPECT_EQ(At(40, 160), RGB(0, 0, 255));      // middle of the circle
    EXPECT_EQ(At(11, 131), RGB(255, 255, 255));  // outside its corner
}

TEST_F(SkinPaint, DisabledButtonWithoutADimColourKeepsItsNormalFont)
{
    SKIN_OBJECT* text = Object(L"dimtext");
    auto redPixels = [&]() { return skintest::Snapshot(dlg.get()).Count(CRect(100, 170, 280, 210), RGB(255, 0, 0)); };
    const int normal = redPixels();
    EXPECT_GT(normal, 0);
    dlg->EnableObject(text, FALSE, TRUE);
    EXPECT_EQ(text->m_nState, SKINSTATE_DIM);
    EXPECT_EQ(redPixels(), normal);
    text->m_button.m_fontDim.m_strColor = L"0000FF";
    text->m_button.m_fontDim.m_clrText = RGB(0, 0, 255);
    text->m_button.m_fontDim.m_nSize = 20;
    text->m_button.m_fontDim.m_strFaceName = L"Tahoma";
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(SkinPaint, TheRealWindowShowsThePaintedScreen)
{
    dlg->Invalidate(TRUE);
    EXPECT_EQ(uitest::PixelWhenSettled(dlg->m_hWnd, 100, 60, RGB(255, 0, 0)), RGB(255, 0, 0));
    EXPECT_EQ(uitest::PixelWhenSettled(dlg->m_hWnd, 70, 25, Ref(kStripColours[0])), Ref(kStripColours[0]));
    // Invalidating without erase repaints as well.
    Object(L"bar")->m_nFillPercent = 10;
    dlg->Invalidate(FALSE);
    EXPECT_EQ(uitest::PixelWhenSettled(dlg->m_hWnd, 100, 60, RGB(255, 255, 255)), RGB(255, 255, 255));
}

TEST_F(SkinPaint, EditHintAndPasswordCircles)
{
    ASSERT_TRUE(skintest::LoadFixtureSkin(LR"(<SCREEN NAME="E" RECT="0,0,300,100" VISIBLE="1" BGCOLOR="FFFFFF">
        <OBJECT ID="1" NAME="pw" TYPE="EDIT" RECT="10,10,200,30" VISIBLE="1" ES_PASSWORD="1" HINT_TEXT="hint">
          <FONT NAME="EDIT_" SIZE="16" COLOR="000000" ALIGN="0" FACENAME="Tahoma"/>
          <FONT NAME="EDIT_HINT_" SIZE="16" COLOR="FF0000" ALIGN="0" FACENAME="Tahoma"/></OBJECT></SCREEN>)"));
    skintest::CTestSkinDialog edit(L"E");
    ASSERT_TRUE(edit.Open());
    SKIN_OBJECT* pw = edit.m_Screen.FindObject(L"pw");
    ASSERT_TRUE(::IsWindow(pw->m_edit.m_edit.m_hWnd));
    EXPECT_FALSE(pw->m_edit.m_edit.IsWindowVisible());
    auto count = [&](COLORREF clr) { return skintest::Snapshot(&edit).Count(CRect(10, 10, 210, 40), clr); };
    EXPECT_GT(count(RGB(255, 0, 0)), 0);   // the hint in its colour
    pw->SetEditText(&edit, L"abc", TRUE);
    EXPECT_EQ(pw->m_edit.GetText(), CString(L"abc"));
    EXPECT_EQ(count(RGB(255, 0, 0)), 0);
    EXPECT_GT(count(RGB(0, 0, 0)), 0);     // the circles
    edit.DestroyWindow();
}

} // namespace
