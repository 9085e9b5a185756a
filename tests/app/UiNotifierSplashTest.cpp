// The taskbar notifier's slide (edge from the work area, steps, delays, a window narrower than a
// step) and skin region, and the splash window's one-at-a-time rule and key dismissal.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/SplashWnd.h"
#include "app/TaskbarNotifier.h"
#include "tests/app/AppTestSupport.h"

namespace {

TEST(TaskbarNotifier, SlideFromTheTaskbarsEdge)
{
    const RECT work = {0, 0, 1600, 960};   // taskbar at the bottom of a 1600 x 1000 screen
    NOTIFIER_SLIDE s = ComputeNotifierSlide(work, 1600, 1000, 200, 100, 2, 500, 500);
    EXPECT_EQ(s.nEdge, NOTIFIER_EDGE_BOTTOM);
    EXPECT_EQ(s.ptStart.x, 1400);
    EXPECT_EQ(s.ptStart.y, 960);
    EXPECT_EQ(s.nDelayIn, 10) << "500 ms over 50 steps of 2 pixels";
    POINT pt = s.ptStart;
    int steps = 0;
    while (StepNotifier(s, 200, 100, 2, TRUE, pt)) ++steps;
    EXPECT_EQ(steps, 50);
    EXPECT_EQ(pt.y, 860) << "its bottom on the work area's bottom";
    while (StepNotifier(s, 200, 100, 2, FALSE, pt)) {}
    EXPECT_EQ(pt.y, 960);

    const struct {
        RECT work;
        int edge;
    } edges[] = {{{0, 0, 1540, 1000}, NOTIFIER_EDGE_RIGHT}, {{60, 0, 1600, 1000}, NOTIFIER_EDGE_LEFT},
                 {{0, 40, 1600, 1000}, NOTIFIER_EDGE_TOP}, {{0, 0, 1600, 1000}, NOTIFIER_EDGE_BOTTOM}};
    for (const auto& e : edges) EXPECT_EQ(NotifierEdge(e.work, 1600, 1000), e.edge);
}

TEST(TaskbarNotifier, WindowNarrowerThanAStepDoesNotDivideByZero)
{
    const RECT work = {0, 0, 1540, 1000};
    const NOTIFIER_SLIDE s = ComputeNotifierSlide(work, 1600, 1000, 1, 100, 2, 500, 300);
    EXPECT_EQ(s.nDelayIn, 500);
    EXPECT_EQ(s.nDelayOut, 300);
}

TEST(TaskbarNotifier, RegionLeavesOutTheTransparentColour)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, 8, 4);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, bmp);
    RECT all = {0, 0, 8, 4};
    HBRUSH white = ::CreateSolidBrush(RGB(255, 255, 255));
    ::FillRect(dc, &all, white);
    ::SetPixel(dc, 2, 1, RGB(255, 0, 255));
    ::SetPixel(dc, 7, 3, RGB(255, 0, 255));
    ::SelectObject(dc, old);
    HRGN rgn = RegionWithoutColor(bmp, RGB(255, 0, 255));
    ASSERT_NE(rgn, nullptr);
    EXPECT_FALSE(::PtInRegion(rgn, 2, 1));
    EXPECT_FALSE(::PtInRegion(rgn, 7, 3));
    EXPECT_TRUE(::PtInRegion(rgn, 3, 1));
    EXPECT_TRUE(::PtInRegion(rgn, 0, 0));
    ::DeleteObject(rgn);
    ::DeleteObject(white);
    ::DeleteDC(dc);
    ::DeleteObject(bmp);
    ::ReleaseDC(nullptr, screen);
}

TEST(SplashWnd, OneAtATimeAndAKeyHidesIt)
{
    apptest::LanguageLibrary language(L"Kor");
    ASSERT_TRUE(language.IsLoaded());
    const UINT kPicture = 1157;   // any bitmap of the language library
    EXPECT_FALSE(CSplashWnd::ShowSplashScreen(1000, kPicture, nullptr)) << "not enabled";
    CSplashWnd::EnableSplashScreen(TRUE);
    ASSERT_TRUE(CSplashWnd::ShowSplashScreen(10000, kPicture, nullptr));
    EXPECT_FALSE(CSplashWnd::ShowSplashScreen(10000, kPicture, nullptr));
    ASSERT_NE(CSplashWnd::GetActive(), nullptr);
    MSG key = {CSplashWnd::GetActive()->m_hWnd, WM_KEYDOWN, 'A', 0};
    EXPECT_TRUE(CSplashWnd::PreTranslateAppMessage(&key));
    EXPECT_EQ(CSplashWnd::GetActive(), nullptr);
    EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&key));
    CSplashWnd::EnableSplashScreen(FALSE);
}

}  // namespace
