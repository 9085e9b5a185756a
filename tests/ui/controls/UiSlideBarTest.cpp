// The slider bar on a real window, driven by the mouse: what it tells its parent and how it looks.
#include <gtest/gtest.h>

#include "core/ClientMessages.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "ui/controls/ZELSlideBar.h"

namespace {

class SlideBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(host.Open(300, 100, 60, 40));
        ASSERT_TRUE(slider.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 30), &host, 4321));
        host.reports.clear();
    }
    void TearDown() override
    {
        slider.DestroyWindow();
        host.DestroyWindow();
    }
    std::vector<ctltest::Report> Moves() const { return host.Only(WM_SLIDER_MOVING); }
    std::vector<ctltest::Report> Releases() const { return host.Only(WM_SLIDER_RELEASED); }
    ctltest::ShippedResources resources;
    ctltest::CHostWnd host;
    ZELSlideBar slider;
};

TEST_F(SlideBar, SetPosMovesTheThumbSilently)
{
    EXPECT_EQ(slider.ThumbRect().Width(), 12);   // the thumb picture
    slider.SetPos(50);
    EXPECT_EQ(slider.ThumbRect().left, (200 - 12) / 2);
    EXPECT_TRUE(host.reports.empty());
    EXPECT_EQ(slider.GetPosition(), -1.0);
    EXPECT_EQ(ctltest::Pixel(&slider, 94 + 6, 10), RGB(0, 150, 170));   // thumb
    EXPECT_EQ(ctltest::Pixel(&slider, 20, 3), RGB(255, 255, 255));      // background
    zeltest::PumpFor(100);
    ctltest::SaveScreenshot(&slider, L"ZELSlideBar");
}

TEST_F(SlideBar, PressOnTheTrackJumpsTheThumbAndReleaseAlwaysReports)
{
    ctltest::Mouse(&slider, WM_LBUTTONDOWN, 141, 10, MK_LBUTTON);
    EXPECT_EQ(slider.ThumbRect().left, 141);
    ASSERT_EQ(Moves().size(), 1u);
    EXPECT_EQ(Moves()[0].wParam, (WPARAM)(141 * 100 / 188));
    EXPECT_EQ(Moves()[0].lParam, 4321);
    ctltest::Mouse(&slider, WM_LBUTTONUP, 141, 10);
    ASSERT_EQ(Releases().size(), 1u);
    EXPECT_EQ(Releases()[0].wParam, (WPARAM)(141 * 100 / 188));
    // Far right: flush right, 100 %.
    ctltest::Mouse(&slider, WM_LBUTTONDOWN, 199, 10, MK_LBUTTON);
    ctltest::Mouse(&slider, WM_LBUTTONUP, 199, 10);
    EXPECT_EQ(slider.ThumbRect().right, 200);
    EXPECT_EQ(Releases().back().wParam, 100u);
    // A release where nothing moved still reports.
    const size_t moves = Moves().size();
    ctltest::Mouse(&slider, WM_LBUTTONDOWN, 195, 10, MK_LBUTTON);
    ctltest::Mouse(&slider, WM_LBUTTONUP, 195, 10);
    EXPECT_EQ(Releases().size(), 3u);
    EXPECT_EQ(Moves().size(), moves);   // pressed inside the thumb and not moved: no move report
}

TEST_F(SlideBar, DraggingOverTheSamePixelReportsOnce)
{
    slider.SetPos(0);
    ctltest::Mouse(&slider, WM_LBUTTONDOWN, 3, 10, MK_LBUTTON);   // inside the thumb, grabbed 3 px in
    EXPECT_TRUE(slider.IsDragging());
    EXPECT_EQ(ctltest::Pixel(&slider, 6, 10), RGB(0, 100, 120));   // pressed thumb
    const int path[] = {50, 50, 51, 50, 50, 400, 400};
    for (int x : path)
        ctltest::Mouse(&slider, WM_MOUSEMOVE, x, 10, MK_LBUTTON);
    const auto moves = Moves();
    ASSERT_EQ(moves.size(), 4u);   // thumb left 47, 48, 47, then flush right
    EXPECT_EQ(moves[0].wParam, (WPARAM)(47 * 100 / 188));
    EXPECT_EQ(moves[1].wParam, (WPARAM)(48 * 100 / 188));
    EXPECT_EQ(moves[2].wParam, (WPARAM)(47 * 100 / 188));
    EXPECT_EQ(moves.back().wParam, 100u);
    ctltest::Mouse(&slider, WM_LBUTTONUP, 400, 10);
    EXPECT_FALSE(slider.IsDragging());
    EXPECT_EQ(Releases().size(), 1u);
    EXPECT_EQ(::GetCapture(), nullptr);
}

}  // namespace
