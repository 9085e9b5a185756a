// The frame, tab, clock and loading overlay controls on real windows and memory DCs.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "ui/controls/SquareCtrl.h"
#include "ui/controls/StaticTab.h"
#include "ui/controls/TimerStatic.h"
#include "ui/controls/ZELLoadingBG.h"

namespace {

class FramedControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(host.Open(400, 300, 60, 40));
    }
    void TearDown() override { host.DestroyWindow(); }
    ctltest::ShippedResources resources;
    ctltest::CHostWnd host;
};

TEST_F(FramedControls, NineSliceRectanglesFollowThePieceSizes)
{
    // Corners 6 x 5, edges 2 wide or 3 high, centre 1 x 1.
    const SIZE s[CSquareCtrl::PIECES] = {{6, 5}, {2, 1}, {6, 5}, {1, 3}, {6, 5}, {2, 1}, {6, 5}, {1, 3}, {1, 1}};
    RECT r[CSquareCtrl::PIECES];
    CSquareCtrl::FrameRects(s, 10, 20, 100, 50, r);
    struct Case { int piece; RECT expected; } cases[] = {
        {CSquareCtrl::TOP_LEFT, {10, 20, 16, 25}},
        {CSquareCtrl::LEFT, {10, 25, 12, 65}},
        {CSquareCtrl::BOTTOM_LEFT, {10, 65, 16, 70}},
        {CSquareCtrl::BOTTOM, {16, 67, 104, 70}},
        {CSquareCtrl::BOTTOM_RIGHT, {104, 65, 110, 70}},
        {CSquareCtrl::RIGHT, {108, 25, 110, 65}},
        {CSquareCtrl::TOP_RIGHT, {104, 20, 110, 25}},
        {CSquareCtrl::TOP, {16, 20, 104, 23}},
        {CSquareCtrl::CENTRE, {12, 23, 108, 67}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CRect(r[c.piece]), CRect(c.expected)) << c.piece;
}

TEST_F(FramedControls, FramesDrawStretchedAndTiledWithTransparentCorners)
{
    CSquareCtrl square;
    square.SetBitmaps(202, 205, 208, 209, 210, 207, 204, 203, 206);
    for (bool tiled : {false, true}) {
        CClientDC screen(&host);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap surface;
        surface.CreateCompatibleBitmap(&screen, 120, 80);
        CBitmap* old = dc.SelectObject(&surface);
        const CRect all(0, 0, 120, 80);
        dc.FillSolidRect(&all, RGB(10, 20, 30));
        if (tiled)
            square.DrawFrameTiled(&dc, 0, 0, 120, 80);
        else
            square.DrawFrame(&dc, 0, 0, 120, 80);
        EXPECT_EQ(dc.GetPixel(0, 0), RGB(10, 20, 30)) << tiled;         // rounded corner: keyed out
        EXPECT_EQ(dc.GetPixel(60, 0), RGB(190, 200, 205)) << tiled;      // top border
        EXPECT_EQ(dc.GetPixel(119, 40), RGB(190, 200, 205)) << tiled;    // right border
        EXPECT_EQ(dc.GetPixel(60, 79), RGB(190, 200, 205)) << tiled;     // bottom border
        EXPECT_EQ(dc.GetPixel(60, 40), RGB(246, 248, 250)) << tiled;     // centre
        EXPECT_EQ(dc.GetPixel(119, 79), RGB(10, 20, 30)) << tiled;
        dc.SelectObject(old);
    }
}

TEST_F(FramedControls, TabShowsHoverOnlyWhenNotCurrentAndLeavesToItsOwnPicture)
{
    int current = 0;
    CStaticTab tab;
    ASSERT_TRUE(tab.Create(L"", WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_NOTIFY, CRect(10, 10, 100, 37), &host, 2001));
    tab.SetTab(&current, 1, IDB_OK_DOWN, IDB_OK, IDB_OK_HOVER);
    EXPECT_EQ(tab.GetShownBitmap(), 0u);   // nothing drawn before the pointer comes
    struct Step { int current; UINT message; UINT shown; } steps[] = {
        {0, WM_MOUSEHOVER, IDB_OK_HOVER},
        {0, WM_MOUSELEAVE, IDB_OK},
        {1, WM_MOUSELEAVE, IDB_OK_DOWN},
        {1, WM_MOUSEHOVER, IDB_OK_DOWN},   // the current tab keeps its selected picture
    };
    for (const Step& s : steps) {
        current = s.current;
        tab.SendMessage(s.message, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(tab.GetShownBitmap(), s.shown) << s.message << " " << s.current;
    }
    // Hover: the lighter teal of the hover picture.
    current = 0;
    tab.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(ctltest::Pixel(&tab, 45, 13), RGB(40, 190, 210));
    tab.DestroyWindow();
}

TEST_F(FramedControls, ClockShowsHoursAndMinutesInDigitBitmaps)
{
    CTimerStatic clock;
    ASSERT_TRUE(clock.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 149, 54), &host, 1003));
    clock.UpdateDigits(9, 5);
    EXPECT_EQ(clock.Digits()[0], 0);
    EXPECT_EQ(clock.Digits()[1], 9);
    EXPECT_EQ(clock.Digits()[2], 0);
    EXPECT_EQ(clock.Digits()[3], 5);
    clock.Invalidate();
    const COLORREF dark = RGB(60, 60, 60), white = RGB(255, 255, 255);
    struct Probe { int x, y; COLORREF clr; const char* what; } probes[] = {
        {0 + 5, 30, dark, "0: lower left segment"},
        {32 + 5, 30, white, "9: no lower left segment"},
        {32 + 15, 21, dark, "9: middle segment"},
        {64 + 6, 13, dark, "colon"},
        {75 + 15, 21, white, "0: no middle segment"},
        {107 + 5, 13, dark, "5: upper left segment"},
        {107 + 25, 13, white, "5: no upper right segment"},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(ctltest::Pixel(&clock, p.x, p.y), p.clr) << p.what;
    zeltest::PumpFor(100);
    ctltest::SaveScreenshot(&clock, L"TimerStatic");
    clock.DestroyWindow();
}

TEST_F(FramedControls, ClockRewritesTheDateLineOnlyWhenTheDayChanged)
{
    CTime shown(2024, 12, 4, 23, 59, 0);
    CString text = L"old";
    const CTime today(2024, 12, 5, 0, 0, 30);   // a Thursday
    EXPECT_TRUE(CTimerStatic::RefreshDateLine(today, shown, text));
    EXPECT_STREQ(text, L"2024\ub144 12\uc6d4 5\uc77c \ubaa9\uc694\uc77c");
    EXPECT_EQ(shown.GetDay(), 5);
    const CString kept = text;
    EXPECT_FALSE(CTimerStatic::RefreshDateLine(CTime(2024, 12, 5, 18, 0, 0), shown, text));
    EXPECT_STREQ(text, kept);
}

TEST_F(FramedControls, LoadingOverlaySpinsThroughFourFramesAndShowsItsMessages)
{
    struct Case { int mode, state; std::vector<UINT> strings; } cases[] = {
        {1, 0, {IDS_LOADING_LINE1, IDS_LOADING_LINE2, IDS_LOADING_LINE3}},
        {0, 0, {}},
        {0, 7, {IDS_LOADING_EMPTY}},
        {0, 1, {IDS_LOADING_FAILED}},
        {2, 1, {IDS_LOADING_FAILED}},
        {1, 5, {}},
    };
    for (const Case& c : cases) {
        ZELLoadingBG::LINE lines[3];
        const int n = ZELLoadingBG::LinesFor(c.mode, c.state, lines);
        ASSERT_EQ(n, (int)c.strings.size()) << c.mode << "/" << c.state;
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(lines[i].nString, c.strings[i]);
    }

    ZELLoadingBG overlay;
    ASSERT_TRUE(overlay.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &host, 1));
    overlay.Start(0xFBF7F6, 300);
    const int expected[] = {588, 589, 590, 591, 588};
    for (int id : expected) {
        overlay.SendMessage(WM_TIMER, ZELLoadingBG::TIMER_SPIN);
        EXPECT_EQ(overlay.GetSpinnerBitmap(), id);
    }
    EXPECT_EQ(ctltest::Pixel(&overlay, 5, 5), (COLORREF)0xFBF7F6);
    EXPECT_EQ(ctltest::Pixel(&overlay, 200 - 12 + 12, 150 - 12 + 4), RGB(0, 150, 170));   // the frame's dot
    overlay.SetMessageMode(1);
    zeltest::PumpFor(100);
    ctltest::SaveScreenshot(&overlay, L"ZELLoadingBG");
    overlay.DestroyWindow();
    // The spinner's timer went with the window.
    EXPECT_FALSE(::KillTimer(overlay.GetSafeHwnd(), ZELLoadingBG::TIMER_SPIN));
}

}  // namespace
