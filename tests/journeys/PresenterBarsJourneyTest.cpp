// The full view of the meeting screen in the real client: the title bar's full-view button, then
// the pointer at the top edge of the whiteboard opens the presenter's banner and toolbar, and they
// slide closed a second after it left them.
#include "tests/journeys/JourneyFixture.h"

namespace {

bool IsShown(HWND h)
{
    return h && (::GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0;
}

int HeightOf(HWND h)
{
    RECT rc;
    ::GetWindowRect(h, &rc);
    return rc.bottom - rc.top;
}

}  // namespace

namespace journey {

TEST_F(JourneyTest, TheFullViewOpensThePresentersBarsAtTheWhiteboardsEdge)
{
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    ::Sleep(1500);
    journey::ClickAt(m_hMain, 450, 230);  // the first row of today's meetings
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000005", 1, 10000));
    ::Sleep(1500);
    m_control.Command("clear_log");
    journey::DoubleClickAt(m_hMain, 490, 333);  // the meeting's first document
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000032", 1, 10000)) << "no meeting screen";
    ::Sleep(3000);

    HWND canvas = FindDescendant(m_hMain, 32600, 22750);
    ASSERT_NE(canvas, nullptr) << "no whiteboard";
    HWND fullView = FindDescendant(m_hMain, 34580);
    ASSERT_TRUE(IsShown(fullView)) << "no full-view button on the title bar";
    ASSERT_TRUE(journey::Click(fullView));
    ::Sleep(1500);

    // The banner is the canvas' child that holds the leave button (35060), the toolbar the one
    // that holds the sticky-note button (32712).
    HWND banner = ::GetParent(FindDescendant(canvas, 35060));
    HWND toolbar = ::GetParent(FindDescendant(canvas, 32712));
    ASSERT_TRUE(banner && toolbar) << "the canvas made no presenter bars";
    EXPECT_FALSE(IsShown(banner));

    RECT rc;
    ::GetClientRect(canvas, &rc);
    journey::MoveMouseTo(canvas, POINT{rc.right / 2, rc.bottom / 2});
    ::Sleep(300);
    journey::MoveMouseTo(canvas, POINT{rc.right / 2, 0});
    ::Sleep(1200);
    EXPECT_TRUE(IsShown(banner)) << "the top edge opened no banner";
    EXPECT_EQ(HeightOf(banner), 34);
    EXPECT_TRUE(IsShown(toolbar));
    EXPECT_EQ(HeightOf(toolbar), 34);
    zeltest::SaveScreenPng(Screenshot(L"journey_full_view_bars"));

    journey::MoveMouseTo(canvas, POINT{rc.right / 2, rc.bottom / 2});
    ::Sleep(2500);
    EXPECT_FALSE(IsShown(banner)) << "the bars stayed open";
    EXPECT_FALSE(IsShown(toolbar));
}

}  // namespace journey
