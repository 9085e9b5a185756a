// The bitmap notice dialog: modal answers (Esc ignored), the modeless notice's rise, wait, sink
// and self-destruction with its timers driven by hand, and its drag and resize hit codes.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "ui/controls/CommonDlg.h"
#include "ui/controls/PopupAnswer.h"

namespace {

class CommonDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(main.Open(800, 600, 60, 40));
    }
    void TearDown() override
    {
        CWnd::SetModalLoopHook(nullptr);
        SetPopupAnswerHook(nullptr);
        main.DestroyWindow();
    }
    ctltest::ShippedResources resources;
    ctltest::CHostWnd main;
    uitest::Watchdog watchdog;
};

void Click(CWnd* button)
{
    ctltest::Mouse(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    ctltest::Mouse(button, WM_LBUTTONUP, 5, 5);
}

TEST_F(CommonDialog, ModalEndsWithOkOrCloseAndIgnoresEsc)
{
    for (int id : {IDOK, (int)IDC_POPUP_CLOSE}) {
        CCommonDlg dlg(&main, L"저장되었습니다.", L"확인", L"", TRUE, FALSE);
        CRect window;
        bool aliveAfterEsc = false;
        CWnd::SetModalLoopHook([&](CWnd* wnd) {
            wnd->GetWindowRect(&window);
            wnd->SendMessage(WM_COMMAND, IDCANCEL);   // Esc
            aliveAfterEsc = wnd->IsWindowVisible() != FALSE;
            if (id == IDOK) {
                zeltest::PumpFor(150);
                ctltest::SaveScreenshot(wnd, L"CommonDlg");
            }
            Click(wnd->GetDlgItem(id));
        });
        EXPECT_EQ(dlg.DoModal(), 1) << id;
        EXPECT_TRUE(aliveAfterEsc);
        CRect client;
        main.GetClientRect(&client);
        main.ClientToScreen(&client);
        EXPECT_EQ(window.left, client.left + (client.Width() - 275) / 2);
        EXPECT_EQ(window.top, client.top + (client.Height() - 107) / 2);
    }
}

TEST_F(CommonDialog, HookAnswersTheModalDialog)
{
    int asked = 0;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) {
        ++asked;
        EXPECT_EQ(q.kind, POPUP_COMMON);
        EXPECT_STREQ(q.strText, L"알림 내용");
        return 1;
    });
    CCommonDlg dlg(&main, L"알림 내용", L"확인", L"", TRUE, FALSE);
    EXPECT_EQ(dlg.DoModal(), 1);
    EXPECT_EQ(asked, 1);
}

TEST_F(CommonDialog, NoticeRisesWaitsSinksAndDestroysItself)
{
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    auto* dlg = new CCommonDlg(&main, L"새 회의가 등록되었습니다.", L"예산 회의", L"[알림]", FALSE, TRUE);
    ASSERT_TRUE(dlg->Create(IDD_COMMON_DLG, &main));
    dlg->ShowWindow(SW_SHOWNOACTIVATE);
    const HWND hwnd = dlg->GetSafeHwnd();
    EXPECT_FALSE(dlg->GetDlgItem(IDOK)->IsWindowVisible());   // no OK in the notice layout

    int steps = 0;
    CRect window;
    while (dlg->GetSlideInOffset() <= 107 && steps < 200) {
        dlg->SendMessage(WM_TIMER, CCommonDlg::TIMER_SLIDE_IN);
        ++steps;
    }
    EXPECT_EQ(steps, 54);
    dlg->GetWindowRect(&window);
    EXPECT_EQ(window.top, cy - 106);
    dlg->SendMessage(WM_TIMER, CCommonDlg::TIMER_SLIDE_IN);   // fully up: its timer stops
    // The picture is taken in the middle of the screen: the capture cannot read below its edge.
    dlg->SetWindowPos(nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    zeltest::PumpFor(150);
    ctltest::SaveScreenshot(dlg, L"CommonDlgNotice");

    dlg->SendMessage(WM_TIMER, CCommonDlg::TIMER_DISPLAY);
    steps = 0;
    while (::IsWindow(hwnd) && steps < 200) {
        ::SendMessageW(hwnd, WM_TIMER, CCommonDlg::TIMER_SLIDE_OUT, 0);
        ++steps;
    }
    EXPECT_EQ(steps, 55);   // 54 steps down, then the end
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(CommonDialog, CornersResizeAndTheRestDrags)
{
    const CRect client(0, 0, 275, 107);
    struct Case { CPoint p; LRESULT hit; } cases[] = {
        {{0, 0}, HTTOPLEFT}, {{9, 9}, HTTOPLEFT}, {{10, 9}, HTCAPTION},
        {{270, 3}, HTTOPRIGHT}, {{265, 3}, HTCAPTION},
        {{3, 100}, HTBOTTOMLEFT}, {{270, 100}, HTBOTTOMRIGHT},
        {{140, 50}, HTCAPTION}, {{3, 50}, HTCAPTION},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CCommonDlg::HitCodeFor(c.p, client), c.hit) << c.p.x << "," << c.p.y;
}

}  // namespace
