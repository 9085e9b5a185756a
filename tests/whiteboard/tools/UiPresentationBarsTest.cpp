// The full view's presenter bars over a real canvas: the toolbar pages the board, cycles the
// board mode, and both bars slide to their height and away again.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "ui/controls/PopupAnswer.h"
#include "whiteboard/tools/PresentationBars.h"

using namespace toolstest;

namespace {

TEST(PresenterRules, ModeButtonCycle)
{
    struct Case {
        int mode;
        BOOL receiver;
        int next, sync;
    } cases[] = {{0, FALSE, 2, 2}, {1, FALSE, 0, 0}, {2, FALSE, 1, 1}, {2, TRUE, 3, 3},
                 {3, FALSE, 1, 1}, {4, FALSE, 4, 5}, {5, FALSE, 5, 4}, {6, FALSE, 6, -1}};
    for (const Case& c : cases) {
        int sync = 0;
        EXPECT_EQ(CPresentationOptCtrl::NextMode(c.mode, c.receiver, sync), c.next) << c.mode;
        EXPECT_EQ(sync, c.sync) << c.mode;
    }
    EXPECT_EQ(CSlideState::Interval(500, 34), 29u);
}

TEST(PresenterBars, ToolbarPagesTheBoardAndBothBarsSlide)
{
    BoardWithBars b;
    b.Open(3);
    CPresentationOptCtrl toolbar(b.Board());
    ASSERT_TRUE(toolbar.Create(b.Canvas()));
    CPresentationInfoCtrl banner(b.Board());
    ASSERT_TRUE(banner.Create(b.Canvas()));
    banner.SetText(L"2026년 3분기 사업 계획 (안).pdf");
    toolbar.SlideIn(34);
    banner.SlideDown(34);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return toolbar.GetSlideState() == 2 && banner.GetSlideState() == 2; }, 5000));
    EXPECT_EQ(banner.GetHeight(), 34);
    RECT rcBar, rcCanvas;
    toolbar.GetWindowRect(&rcBar);
    b.Canvas()->GetWindowRect(&rcCanvas);
    EXPECT_EQ(rcBar.bottom, rcCanvas.bottom);
    EXPECT_EQ(rcBar.bottom - rcBar.top, 34);

    toolbar.SetPage(1, 1);
    EXPECT_FALSE(toolbar.Button(CPresentationOptCtrl::kPrevPage)->IsWindowEnabled());
    EXPECT_FALSE(toolbar.Button(CPresentationOptCtrl::kNextPage)->IsWindowEnabled());
    EXPECT_FALSE(toolbar.PageEdit()->IsWindowEnabled());
    toolbar.SetPage(1, 3);
    ClickCentre(toolbar.Button(CPresentationOptCtrl::kNextPage));
    EXPECT_EQ(b.Board()->GetCurrentPage(), 2);
    // An empty or out-of-range page number is answered and the page shown again.
    int told = 0;
    SetPopupAnswerHook([&](const POPUP_QUESTION&) {
        ++told;
        return 1;
    });
    toolbar.SetPage(2, 3);
    MSG enter = {toolbar.PageEdit()->GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0};
    for (const wchar_t* typed : {L"", L"0", L"9"}) {
        toolbar.PageEdit()->SetWindowText(typed);
        EXPECT_TRUE(toolbar.PreTranslateMessage(&enter));
    }
    SetPopupAnswerHook(PopupAnswerHook());
    EXPECT_EQ(told, 3);
    CString shown;
    toolbar.PageEdit()->GetWindowText(shown);
    EXPECT_STREQ(shown.GetString(), L"2");
    toolbar.PageEdit()->SetWindowText(L"3");
    EXPECT_TRUE(toolbar.PreTranslateMessage(&enter));
    EXPECT_EQ(b.Board()->GetCurrentPage(), 3);
    // Tools reach the canvas through the board.
    ClickCentre(toolbar.Button(32727));
    EXPECT_EQ(b.Canvas()->GetMode(), CBoardDrawCtrl::kEraser);
    ClickCentre(toolbar.Button(32731));
    EXPECT_EQ(b.Canvas()->GetMode(), CBoardDrawCtrl::kPan);
    Settle(200);
    EXPECT_TRUE(canvastest::SaveScreenshot(b.host.GetSafeHwnd(), L"presenter_bars"));
    toolbar.SlideOut(FALSE);
    banner.SlideUp(FALSE);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return toolbar.GetSlideState() == 0 && banner.GetSlideState() == 0; }, 5000));
    EXPECT_FALSE(toolbar.IsWindowVisible());
    EXPECT_FALSE(banner.IsWindowVisible());
}

}  // namespace
