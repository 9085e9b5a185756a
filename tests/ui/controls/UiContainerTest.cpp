// The collapsing container pane on a real window: toggles and option clicks reported to the
// parent, its painted frame in both states, the meeting-ended rule and the edge hit codes.
#include <gtest/gtest.h>

#include "core/ClientMessages.h"
#include "resources/resource.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "ui/controls/ZELContainerWnd.h"

namespace {

class CTestPane : public CZELContainerWnd {
public:
    BOOL ended = FALSE;
    int blinkStops = 0;
protected:
    BOOL IsMeetingEnded() const override { return ended; }
    void StopChatBlink() override { ++blinkStops; }
};

class Container : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(host.Open(400, 560, 60, 40));
    }
    void TearDown() override
    {
        if (pane.GetSafeHwnd())
            pane.DestroyWindow();
        host.DestroyWindow();
    }
    void Open()
    {
        ASSERT_TRUE(pane.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 510), &host, 22730));
        host.reports.clear();
    }
    void ClickToggle()
    {
        CWnd* toggle = pane.GetDlgItem(CZELContainerWnd::ID_TOGGLE);
        ctltest::Mouse(toggle, WM_LBUTTONDOWN, 8, 10, MK_LBUTTON);
        ctltest::Mouse(toggle, WM_LBUTTONUP, 8, 10);
    }
    ctltest::ShippedResources resources;
    ctltest::CHostWnd host;
    CTestPane pane;
};

TEST_F(Container, ToggleFlipsTellsTheParentAndStopsTheBlinkWhenOpening)
{
    Open();
    pane.SetTitle(L"채팅");
    pane.Invalidate();
    EXPECT_EQ(ctltest::Pixel(&pane, 150, 5), RGB(255, 255, 255));      // white header
    EXPECT_EQ(ctltest::Pixel(&pane, 150, 200), RGB(250, 250, 250));    // body strip
    EXPECT_EQ(ctltest::Pixel(&pane, 0, 200), RGB(190, 200, 205));      // its edge
    zeltest::PumpFor(100);
    ctltest::SaveScreenshot(&pane, L"ZELContainerWnd");

    ClickToggle();
    EXPECT_TRUE(pane.IsCollapsed());
    EXPECT_EQ(host.Count(WM_CONTAINER_TOGGLED), 1);
    EXPECT_EQ(pane.blinkStops, 0);
    pane.Invalidate();
    EXPECT_EQ(ctltest::Pixel(&pane, 150, 200), RGB(0xE9, 0xE9, 0xF1));
    EXPECT_EQ(ctltest::Pixel(&pane, 150, 5), RGB(255, 255, 255));

    ClickToggle();
    EXPECT_FALSE(pane.IsCollapsed());
    EXPECT_EQ(host.Count(WM_CONTAINER_TOGGLED), 2);
    EXPECT_EQ(pane.blinkStops, 1);
}

TEST_F(Container, OptionClicksReportTheFlagWhileItsButtonStaysHidden)
{
    Open();
    CWnd* option = pane.GetDlgItem(CZELContainerWnd::ID_OPTION);
    EXPECT_FALSE(option->IsWindowVisible());
    EXPECT_FALSE(option->IsWindowEnabled());
    for (WPARAM expected : {1u, 0u}) {
        pane.SendMessage(WM_COMMAND, MAKEWPARAM(CZELContainerWnd::ID_OPTION, BN_CLICKED), (LPARAM)option->GetSafeHwnd());
        ASSERT_FALSE(host.Only(WM_CONTAINER_OPTION).empty());
        EXPECT_EQ(host.Only(WM_CONTAINER_OPTION).back().wParam, expected);
        EXPECT_FALSE(option->IsWindowVisible());
    }
    EXPECT_EQ(host.Count(WM_CONTAINER_OPTION), 2);
}

TEST_F(Container, AnEndedMeetingKeepsTheToggleDisabledButItStillFlips)
{
    pane.ended = TRUE;
    Open();
    CWnd* toggle = pane.GetDlgItem(CZELContainerWnd::ID_TOGGLE);
    EXPECT_FALSE(toggle->IsWindowEnabled());
    pane.OnToggle();
    EXPECT_TRUE(pane.IsCollapsed());
    EXPECT_EQ(host.Count(WM_CONTAINER_TOGGLED), 1);
    pane.SendMessage(WM_COMMAND, MAKEWPARAM(CZELContainerWnd::ID_OPTION, BN_CLICKED), 0);
    EXPECT_FALSE(toggle->IsWindowEnabled());
}

TEST_F(Container, SetTitleAloneAsksForNoRepaint)
{
    Open();
    pane.UpdateWindow();
    pane.SetTitle(L"참석자");
    EXPECT_FALSE(::GetUpdateRect(pane.GetSafeHwnd(), nullptr, FALSE));
    EXPECT_STREQ(pane.GetTitle(), L"참석자");
}

TEST_F(Container, EdgesGiveResizeCodesAndCursors)
{
    const CRect r(0, 0, 300, 500);
    struct Case { CPoint p; LRESULT hit; LPCTSTR cursor; } cases[] = {
        {{100, 498}, HTBOTTOM, IDC_SIZENS},
        {{299, 200}, HTRIGHT, IDC_SIZEWE},
        {{297, 200}, HTRIGHT, nullptr},           // the cursor band is narrower than the press band
        {{298, 498}, HTBOTTOMRIGHT, IDC_SIZENWSE},
        {{100, 200}, HTNOWHERE, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CZELContainerWnd::EdgeHitCode(c.p, r), c.hit) << c.p.x << "," << c.p.y;
        EXPECT_EQ(CZELContainerWnd::EdgeCursor(c.p, r), c.cursor) << c.p.x << "," << c.p.y;
    }
}

}  // namespace
