// The bitmap scroll bars on a real window: positions and thumb places, the reports a drag and a
// held arrow send the parent, the track that does nothing, painting, and a bar whose parent
// takes the mouse away or closes it while an arrow is held.
#include "UiControlsSupport.h"
#include "ui/controls/ZELScrollBar.h"

namespace {

using ctltest::Mouse;
using ctltest::Pixel;

const UINT kId = 20120;
const COLORREF kFace = RGB(235, 235, 235);
const COLORREF kThumb = RGB(170, 170, 170);
const COLORREF kThumbHeld = RGB(110, 110, 110);

// A host that can close the bar from inside its report.
class CClosingHost : public ctltest::CHostWnd {
public:
    CWnd* closeOnReport = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const LRESULT result = CHostWnd::WindowProc(message, wParam, lParam);
        if (message == WM_SCROLLBAR_POS && closeOnReport) {
            closeOnReport->DestroyWindow();
            closeOnReport = nullptr;
        }
        return result;
    }
};

class ScrollBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(host.Open(200, 240));
        ASSERT_TRUE(bar.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 24, 210), &host, kId));
    }
    std::vector<int> Reports() const
    {
        std::vector<int> out;
        for (const ctltest::Report& r : host.Only(WM_SCROLLBAR_POS)) {
            EXPECT_EQ(r.lParam, (LPARAM)kId);
            out.push_back((int)r.wParam);
        }
        return out;
    }
    ctltest::ShippedResources resources;
    CClosingHost host;
    ZELScrollBar bar;
};

TEST_F(ScrollBar, PositionsAndThumbPlaces)
{
    EXPECT_EQ(bar.GetUpRect(), CRect(-1, 0, 13, 10));
    EXPECT_EQ(bar.GetDownRect(), CRect(-1, 190, 13, 200));
    bar.SetThumbSize(10);
    EXPECT_EQ(bar.GetThumbRect().Height(), 20);
    bar.SetThumbSize(50);
    EXPECT_EQ(bar.GetThumbRect().Height(), 88);
    bar.SetThumbSize(23);
    ASSERT_EQ(bar.GetThumbRect().Height(), 40);
    bar.SetPos(50, FALSE);
    EXPECT_EQ(bar.GetThumbRect().top, 78);
    EXPECT_EQ(bar.GetThumbRect().Height(), 40);
    bar.SetPos(-5, FALSE);
    EXPECT_EQ(bar.GetPos(), 0);
    bar.SetPos(150, FALSE);
    EXPECT_EQ(bar.GetPos(), 150);   // no upper limit
    bar.SetRange(200);
    bar.SetPos(50, FALSE);
    EXPECT_EQ(bar.GetThumbRect().top, 44);   // (int)(137 x 0.25) + 10
    EXPECT_TRUE(Reports().empty());
    bar.SetPos(7, TRUE);
    EXPECT_EQ(Reports(), std::vector<int>{7});
}

TEST_F(ScrollBar, DraggingTheThumbReportsPercentOncePerChange)
{
    bar.SetThumbSize(23);
    bar.SetPos(0, FALSE);
    Mouse(&bar, WM_LBUTTONDOWN, 5, 15, MK_LBUTTON);
    EXPECT_EQ(bar.GetPressedPart(), CBitmapScrollBar::PART_THUMB);
    EXPECT_EQ(Pixel(&bar, 5, 30), kThumbHeld);
    Mouse(&bar, WM_MOUSEMOVE, 5, 1000, MK_LBUTTON);
    Mouse(&bar, WM_MOUSEMOVE, 5, 1100, MK_LBUTTON);   // the same position: nothing sent
    EXPECT_EQ(bar.GetThumbRect().top, 147);
    Mouse(&bar, WM_MOUSEMOVE, 5, -500, MK_LBUTTON);
    Mouse(&bar, WM_MOUSEMOVE, 5, 15 + 68, MK_LBUTTON);   // top 78
    Mouse(&bar, WM_LBUTTONUP, 5, 83);
    EXPECT_EQ(Reports(), (std::vector<int>{100, 0, 49}));
    EXPECT_EQ(bar.GetPos(), 49);
    EXPECT_EQ(bar.GetPressedPart(), CBitmapScrollBar::PART_NONE);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(Pixel(&bar, 5, 100), kThumb);
}

TEST_F(ScrollBar, TheEmptyTrackDoesNothing)
{
    bar.SetThumbSize(23);
    bar.SetPos(0, FALSE);
    Mouse(&bar, WM_LBUTTONDOWN, 5, 150, MK_LBUTTON);
    EXPECT_EQ(bar.GetPressedPart(), CBitmapScrollBar::PART_NONE);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    Mouse(&bar, WM_LBUTTONUP, 5, 150);
    zeltest::PumpFor(150);
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(bar.GetPos(), 0);
}

TEST_F(ScrollBar, HeldArrowStepsEvery100msAndOnceMoreOnRelease)
{
    bar.SetThumbSize(23);
    bar.SetPos(10, FALSE);
    Mouse(&bar, WM_LBUTTONDOWN, 5, 195, MK_LBUTTON);
    EXPECT_EQ(Pixel(&bar, 1, 1), kFace);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return Reports().size() == 3; }, 2000));
    Mouse(&bar, WM_LBUTTONUP, 5, 195);
    EXPECT_EQ(Reports(), (std::vector<int>{11, 12, 13, 14}));
    zeltest::PumpFor(250);
    EXPECT_EQ(Reports().size(), 4u);   // the timer ended with the press

    Mouse(&bar, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(&bar, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(Reports().back(), 13);
    // Released off the arrow: no extra step.
    Mouse(&bar, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(&bar, WM_LBUTTONUP, 5, 100);
    EXPECT_EQ(Reports().size(), 5u);
    EXPECT_TRUE(ctltest::SaveScreenshot(&host, L"ZELScrollBar"));
}

TEST_F(ScrollBar, LosingTheMouseStopsAHeldArrow)
{
    bar.SetThumbSize(23);
    Mouse(&bar, WM_LBUTTONDOWN, 5, 195, MK_LBUTTON);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return Reports().size() == 1; }, 2000));
    host.SetCapture();   // e.g. a pop-up takes the mouse: no button-up will reach the bar
    EXPECT_EQ(bar.GetPressedPart(), CBitmapScrollBar::PART_NONE);
    zeltest::PumpFor(300);
    EXPECT_EQ(Reports().size(), 1u);
    ::ReleaseCapture();
}

TEST_F(ScrollBar, AParentThatClosesTheBarOnAReportStopsIt)
{
    bar.SetThumbSize(23);
    Mouse(&bar, WM_LBUTTONDOWN, 5, 195, MK_LBUTTON);
    host.closeOnReport = &bar;
    ASSERT_TRUE(zeltest::PumpUntil([&] { return !::IsWindow(bar.m_hWnd); }, 2000));
    zeltest::PumpFor(300);
    EXPECT_EQ(Reports().size(), 1u);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(ScrollBar, FlatBarPaintsOnlyItsBackground)
{
    bar.SetThumbSize(23);
    bar.SetPos(50, FALSE);
    bar.SetBkColor(RGB(20, 40, 60));
    bar.Invalidate();
    EXPECT_EQ(Pixel(&bar, 1, 1), kFace);   // the up arrow's face
    EXPECT_EQ(Pixel(&bar, 7, 4), RGB(60, 60, 60));   // and its ink
    EXPECT_EQ(Pixel(&bar, 5, 90), kThumb);
    EXPECT_EQ(Pixel(&bar, 12, 150), RGB(20, 40, 60));
    bar.SetFlat(TRUE);
    bar.Invalidate();
    for (POINT p : {POINT{1, 1}, POINT{7, 4}, POINT{5, 90}, POINT{7, 195}})
        EXPECT_EQ(Pixel(&bar, p.x, p.y), RGB(20, 40, 60));
}

TEST(ThumbnailScrollBar, CountsInItems)
{
    ctltest::ShippedResources resources;
    ctltest::CHostWnd host;
    ASSERT_TRUE(host.Open(200, 240));
    CThumbnailScrollBar bar;
    ASSERT_TRUE(bar.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 24, 210), &host, kId));
    EXPECT_EQ(bar.GetRange(), 100.0);
    bar.SetRange(20);
    bar.SetThumbSize(20);
    EXPECT_EQ(bar.GetThumbRect().Height(), 0);
    EXPECT_EQ(Pixel(&bar, 5, 12), RGB(255, 255, 255));   // no thumb painted
    bar.SetRange(40);
    bar.SetThumbSize(20);
    EXPECT_EQ(bar.GetThumbRect().Height(), 88);
    bar.SetPos(50, FALSE);
    EXPECT_EQ(bar.GetPos(), 40);
    EXPECT_EQ(bar.GetThumbRect().top, 99);   // the bottom of the track
    bar.SetPos(-3, FALSE);
    EXPECT_EQ(bar.GetPos(), 0);
    // Dragged to the bottom: the last item.
    Mouse(&bar, WM_LBUTTONDOWN, 5, 15, MK_LBUTTON);
    Mouse(&bar, WM_MOUSEMOVE, 5, 500, MK_LBUTTON);
    Mouse(&bar, WM_LBUTTONUP, 5, 500);
    ASSERT_EQ(host.Count(WM_SCROLLBAR_POS), 1);
    EXPECT_EQ(host.Only(WM_SCROLLBAR_POS)[0].wParam, 40u);
    // An empty range keeps position 0 with the thumb at the top.
    bar.SetRange(0);
    bar.SetPos(5, FALSE);
    EXPECT_EQ(bar.GetPos(), 0);
    EXPECT_EQ(bar.GetThumbRect().top, 10);
}

} // namespace
