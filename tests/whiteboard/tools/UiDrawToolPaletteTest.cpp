// The floating drawing palette and its pop-ups as real skinned windows: tool choices reach the
// main dialog's listener, second clicks open the pop-ups, their results come back, and the
// colours are kept in the user's "opt.ini".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "whiteboard/tools/DrawToolPalette.h"

using namespace toolstest;

namespace {

class RecordingMain : public IDrawToolEventListener {
public:
    void OnMoveMode() override { calls.push_back("move"); }
    void OnPen() override { calls.push_back("pen"); }
    void OnHighlighter() override { calls.push_back("highlighter"); }
    void OnEraser() override { calls.push_back("eraser"); }
    void OnPointerTool() override { calls.push_back("pointer"); }
    void OnColor(COLORREF c) override { calls.push_back("color " + std::to_string(c)); }
    void OnClearPage(int f) override { calls.push_back("clear " + std::to_string(f)); }
    void OnThickness(int w) override { calls.push_back("thickness " + std::to_string(w)); }
    void OnLineType(int n) override { calls.push_back("linetype " + std::to_string(n)); }
    void OnHistory(BOOL undo) override { calls.push_back(undo ? "undo" : "redo"); }
    std::vector<std::string> calls;
};

std::string Color(COLORREF c)
{
    return "color " + std::to_string(c);
}

class PaletteFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Open(640, 400));
        ini = dir.File(L"opt.ini").c_str();
        Open();
    }
    void TearDown() override
    {
        palette.reset();
        host.DestroyWindow();
    }
    void Open()
    {
        palette.reset(new CDrawToolMain(&host, &main, ini));
        ASSERT_TRUE(palette->CreatePalette());
        palette->SetWindowPos(nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    COLORREF ObjectColor(const wchar_t* name) { return palette->Object(name)->m_clrColor; }

    zeltest::TempDir dir;
    CString ini;
    canvastest::HostWindow host;
    RecordingMain main;
    std::unique_ptr<CDrawToolMain> palette;
};

TEST_F(PaletteFixture, DefaultColoursThenAChangedColourComesBackAfterARestart)
{
    EXPECT_EQ(ObjectColor(L"btnPen"), RGB(235, 81, 46));
    EXPECT_EQ(ObjectColor(L"btnHighlighter"), RGB(253, 251, 102));
    EXPECT_EQ(ObjectColor(L"btnSelectedColor2"), RGB(134, 185, 83));
    palette->Click(L"btnPen");
    EXPECT_EQ(main.calls, (std::vector<std::string>{"pen", Color(RGB(235, 81, 46)), "thickness 5"}));
    // A second click on the pen opens the colour pop-up instead of announcing the pen again.
    main.calls.clear();
    palette->Click(L"btnPen");
    EXPECT_TRUE(main.calls.empty());
    CDrawToolColor* colours = palette->ColorPopup();
    ASSERT_NE(colours, nullptr);
    EXPECT_TRUE(colours->IsWindowVisible());
    SKIN_OBJECT* blue = colours->FindColorObject(RGB(0, 67, 236));
    ASSERT_NE(blue, nullptr);
    colours->OnObjectEvent(514, blue);
    Settle(50);
    EXPECT_EQ(main.calls, (std::vector<std::string>{Color(RGB(0, 67, 236))}));
    EXPECT_EQ(ObjectColor(L"btnPen"), RGB(0, 67, 236));
    EXPECT_TRUE(colours->IsWindowVisible()) << "a colour click leaves the pop-up open";
    // Restart: the changed colour comes back from opt.ini.
    palette.reset();
    std::string text;
    ASSERT_TRUE(zeltest::ReadFileBytes(ini.GetString(), text));
    EXPECT_NE(text.find("[DrawToolMain]"), std::string::npos);
    EXPECT_NE(text.find("m_clrpen=" + std::to_string(RGB(0, 67, 236))), std::string::npos) << text;
    Open();
    EXPECT_EQ(ObjectColor(L"btnPen"), RGB(0, 67, 236));
}

TEST_F(PaletteFixture, RecentColourDuringTheEraserSwitchesToThePen)
{
    palette->Click(L"btnEraser");
    EXPECT_EQ(palette->GetToolMode(), 3);
    main.calls.clear();
    palette->Click(L"btnSelectedColor3");
    EXPECT_EQ(main.calls, (std::vector<std::string>{"pen", "thickness 5", Color(RGB(40, 95, 245))}));
    EXPECT_EQ(palette->GetToolMode(), 1);
    EXPECT_EQ(palette->GetColorSlot(), 3);
    EXPECT_EQ(ObjectColor(L"btnPen"), RGB(40, 95, 245));
    // A second eraser click asks to clear the page through its pop-up.
    palette->Click(L"btnEraser");
    palette->Click(L"btnEraser");
    ASSERT_NE(palette->EraserPopup(), nullptr);
    main.calls.clear();
    palette->EraserPopup()->OnObjectEvent(514, palette->EraserPopup()->Object(L"btnOK"));
    Settle(50);
    EXPECT_EQ(main.calls, (std::vector<std::string>{"clear 0"}));
    // A press and release anywhere on it does the same, once.
    palette->Click(L"btnEraser");
    CDrawToolEraser* eraser = palette->EraserPopup();
    ASSERT_TRUE(eraser->IsWindowVisible());
    main.calls.clear();
    eraser->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    eraser->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Settle(50);
    EXPECT_EQ(main.calls, (std::vector<std::string>{"clear 0"}));
    EXPECT_FALSE(eraser->IsWindowVisible());
}

TEST_F(PaletteFixture, ThicknessOnlyForPenAndHighlighterWithinTheirMaximum)
{
    palette->Click(L"btnMovemode");
    palette->Click(L"btnThickness");
    EXPECT_EQ(palette->ThicknessPopup(), nullptr);
    palette->Click(L"btnEraser");
    palette->Click(L"btnThickness");
    EXPECT_EQ(palette->ThicknessPopup(), nullptr);
    for (int tool : {1, 2}) {
        palette->Click(tool == 1 ? L"btnPen" : L"btnHighlighter");
        palette->Click(L"btnThickness");
        CDrawToolThickness* pop = palette->ThicknessPopup();
        ASSERT_NE(pop, nullptr);
        EXPECT_EQ(pop->GetValue(), 5);
        const CRect line = pop->Object(L"line")->m_rcObject;
        const CRect dot = pop->Object(L"dot")->m_rcObject;
        main.calls.clear();
        // Drag the thumb far past the right end.
        pop->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(dot.CenterPoint().x, dot.CenterPoint().y));
        pop->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(line.right + 60, dot.CenterPoint().y));
        pop->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(line.right + 60, dot.CenterPoint().y));
        Settle(50);
        const int maximum = tool == 1 ? 10 : 15;
        EXPECT_EQ(pop->GetValue(), maximum);
        EXPECT_EQ(main.calls, (std::vector<std::string>{"thickness " + std::to_string(maximum)}));
        // A press at the very left gives 1.
        pop->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(line.left, line.CenterPoint().y));
        pop->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(line.left, line.CenterPoint().y));
        EXPECT_EQ(pop->GetValue(), 1);
        Settle(50);
    }
}

TEST_F(PaletteFixture, LineTypeAndColourPopUps)
{
    palette->Click(L"btnLineType");
    CDrawToolLinetype* types = palette->LinetypePopup();
    ASSERT_NE(types, nullptr);
    main.calls.clear();
    types->OnObjectEvent(514, types->Object(L"btn4"));
    types->OnObjectEvent(514, types->Object(L"btnOK"));
    Settle(50);
    EXPECT_EQ(main.calls, (std::vector<std::string>{"linetype 4", "move", "linetype 4", "move"}));
    EXPECT_EQ(palette->GetLineType(), 4);
    EXPECT_FALSE(types->IsWindowVisible());
    // A colour that is not among the pop-up's: no marker, OK disabled.
    palette->Click(L"btnPen");
    palette->Click(L"btnPen");
    CDrawToolColor* colours = palette->ColorPopup();
    ASSERT_NE(colours, nullptr);
    colours->SetColor(RGB(1, 2, 3));
    EXPECT_EQ(colours->GetSelected(), nullptr);
    EXPECT_TRUE(colours->Object(L"check")->m_rcObject.IsRectEmpty());
    EXPECT_FALSE(colours->Object(L"btnOK")->IsEnabledForClick());
    palette->Click(L"btnUndo");
    palette->Click(L"btnRedo");
    EXPECT_EQ(main.calls.back(), "redo");
}

TEST_F(PaletteFixture, Screenshot)
{
    host.ShowWindow(SW_HIDE);
    palette->Click(L"btnPen");
    palette->Click(L"btnPen");
    Settle(300);
    RECT rcPalette, rcPopup, rc;
    palette->GetWindowRect(&rcPalette);
    palette->ColorPopup()->GetWindowRect(&rcPopup);
    ::UnionRect(&rc, &rcPalette, &rcPopup);
    ::InflateRect(&rc, 10, 10);
    EXPECT_TRUE(SaveScreenArea(rc, L"palette"));
}

TEST(PaletteRules, ThicknessStepNeverZero)
{
    EXPECT_EQ(ThicknessStep(168, 10), 18);
    EXPECT_EQ(ThicknessStep(5, 10), 1) << "a narrow track still steps";
    EXPECT_EQ(ThicknessFromX(20, 20, 18, 10), 1);
    EXPECT_EQ(ThicknessFromX(2000, 20, 18, 10), 10);
    EXPECT_EQ(ThicknessFromX(40, 20, 0, 15), 15) << "no division by zero";
}

}  // namespace
