// The toast and the tray notice on real windows, their timers driven by hand so that no test
// waits on the clock.
#include <gtest/gtest.h>

#include <vector>

#include "resources/resource.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "ui/controls/PopupAnswer.h"
#include "ui/controls/ToastPopup.h"
#include "ui/controls/TrayPopup.h"

namespace {

class Notices : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(main.Open(800, 600, 60, 40));
        app.m_pMainWnd = &main;
        SetPopupAnswerHook([this](const POPUP_QUESTION& q) {
            told.push_back(q.strText);
            return 0;
        });
    }
    void TearDown() override
    {
        SetPopupAnswerHook(nullptr);
        app.m_pMainWnd = nullptr;
        main.DestroyWindow();
    }
    ctltest::ShippedResources resources;
    CWinApp app;
    ctltest::CHostWnd main;
    uitest::Watchdog watchdog;
    std::vector<CString> told;
};

TEST_F(Notices, ToastsQueueAndFollowEachOtherOnTheDisplayTimer)
{
    auto* toast = new CToastPopup(&main);
    ASSERT_TRUE(toast->Create(IDD_TOAST, &main));
    HWND hwnd = toast->GetSafeHwnd();
    CRect client;
    toast->GetClientRect(&client);

    toast->Show(0, 0, 400, 300, L"첫째 알림");
    toast->Show(100, 100, 700, 500, L"둘째 알림");
    toast->Show(100, 100, 700, 500, L"셋째 알림");
    EXPECT_TRUE(toast->IsWindowVisible());
    EXPECT_STREQ(toast->GetText(), L"첫째 알림");
    EXPECT_EQ(toast->QueuedCount(), 2u);
    // Every call centres the visible toast on the newest rectangle.
    CRect window;
    toast->GetWindowRect(&window);
    EXPECT_EQ(window.left, 400 - client.Width() / 2);
    EXPECT_EQ(window.top, 300 - client.Height() / 2);
    EXPECT_EQ(ctltest::Pixel(toast, 3, 3), RGB(0, 188, 212));
    zeltest::PumpFor(150);
    ctltest::SaveScreenshot(toast, L"ToastPopup");

    const wchar_t* expected[] = {L"둘째 알림", L"셋째 알림"};
    for (const wchar_t* text : expected) {
        toast->SendMessage(WM_TIMER, CToastPopup::TIMER_DISPLAY);
        EXPECT_STREQ(toast->GetText(), text);
        EXPECT_TRUE(toast->IsShowing());
    }
    toast->SendMessage(WM_TIMER, CToastPopup::TIMER_DISPLAY);
    EXPECT_FALSE(toast->IsShowing());
    EXPECT_FALSE(toast->IsWindowVisible());
    EXPECT_EQ(told.size(), 3u);

    toast->DestroyWindow();   // deletes itself
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(Notices, ToastUntilClosedSitsLowerAndHidesOnlyWhenClosed)
{
    auto* toast = new CToastPopup(&main);
    ASSERT_TRUE(toast->Create(IDD_TOAST, &main));
    CRect client;
    toast->GetClientRect(&client);
    toast->ShowUntilClosed(CRect(0, 0, 400, 300), L"연결 중입니다", 4000);
    CRect window;
    toast->GetWindowRect(&window);
    EXPECT_EQ(window.top, 150 + 22 - client.Height() / 2);
    EXPECT_TRUE(toast->IsWindowVisible());
    zeltest::PumpFor(100);   // no display timer runs: it stays
    EXPECT_TRUE(toast->IsWindowVisible());
    toast->ShowUntilClosed(CRect(0, 0, 400, 300), L"", 0);
    EXPECT_FALSE(toast->IsWindowVisible());
    EXPECT_FALSE(toast->IsShowing());
    toast->DestroyWindow();
}

// A long toast ends by itself when its time is up, or early on a call with time 0; the texts that
// came meanwhile follow for the ordinary time (before, they waited behind it for good).
TEST_F(Notices, ALongToastEndsByItselfOrEarlyAndWhatWaitedFollows)
{
    struct Case {
        bool bEarly;
        const char* why;
    } cases[] = {{false, "its time runs out"}, {true, "a call with time 0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        auto* toast = new CToastPopup(&main);
        ASSERT_TRUE(toast->Create(IDD_TOAST, &main));
        toast->SetDisplayTime(100);
        toast->ShowUntilClosed(CRect(0, 0, 400, 300), L"보안접속 진행중입니다.", c.bEarly ? 60000 : 300);
        toast->Show(0, 0, 400, 300, L"다음 알림");
        EXPECT_EQ(toast->QueuedCount(), 1u);
        zeltest::PumpFor(150);
        EXPECT_STREQ(toast->GetText(), L"보안접속 진행중입니다.") << "shown for its own time, not the ordinary one";
        if (c.bEarly) toast->ShowUntilClosed(CRect(0, 0, 400, 300), L"", 0);
        ASSERT_TRUE(zeltest::PumpUntil([&] { return toast->GetText() == CString(L"다음 알림"); }, 2000));
        EXPECT_TRUE(toast->IsWindowVisible());
        ASSERT_TRUE(zeltest::PumpUntil([&] { return !toast->IsShowing(); }, 2000)) << "the ordinary toast stays";
        EXPECT_FALSE(toast->IsWindowVisible());
        toast->DestroyWindow();
    }
}

TEST_F(Notices, NoticesWithoutTheirWindowsAreOnlyTold)
{
    CToastPopup toast(&main);   // never created
    toast.Show(0, 0, 400, 300, L"창 없음");
    EXPECT_FALSE(toast.IsShowing());
    CTrayPopup tray;
    tray.Notify(L"", L"창 없음", L"", 0, L"", FALSE);
    EXPECT_EQ(tray.GetState(), CTrayPopup::STATE_HIDDEN);
    EXPECT_EQ(told.size(), 2u);
}

TEST_F(Notices, ToastTextPlacementAndTitledText)
{
    EXPECT_EQ(CToastPopup::TextTop(60, 120, 300), 30 - 12);
    EXPECT_EQ(CToastPopup::TextTop(60, 300, 300), 30 - 24);
    EXPECT_EQ(CToastPopup::TextTop(60, 420, 300), 30 - 24);
    auto* toast = new CToastPopup(&main);
    ASSERT_TRUE(toast->Create(IDD_TOAST, &main));
    toast->SetTitledText(L"회의 알림\r\n\r\n10분 뒤 시작합니다");
    EXPECT_STREQ(toast->GetTitle(), L"회의 알림");
    EXPECT_STREQ(toast->GetText(), L"10분 뒤 시작합니다");
    toast->DestroyWindow();
}

class TrayNotices : public Notices {
protected:
    void SetUp() override
    {
        Notices::SetUp();
        ASSERT_TRUE(tray.CreatePopup(&main));
    }
    void TearDown() override
    {
        tray.DestroyWindow();
        Notices::TearDown();
    }
    int Drive(UINT timer, int limit = 1000)
    {
        int ticks = 0;
        const int state = tray.GetState();
        do {
            tray.SendMessage(WM_TIMER, timer);
            ++ticks;
        } while (tray.GetState() == state && ticks < limit);
        return ticks;
    }
    CTrayPopup tray;
};

TEST_F(TrayNotices, RisesAboveTheTaskbarWaitsAndSinks)
{
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    tray.Notify(L"설명 문구", L"2024.12.05 10:00 - 예산 회의", L"", 3, L"", FALSE);
    EXPECT_STREQ(tray.GetTitle(), L"[2024.12.05 10:00]");
    ASSERT_EQ(tray.Slide().nEdge, NOTICE_EDGE_BOTTOM);   // Xvfb: the work area is the screen
    EXPECT_EQ(tray.Slide().nAppearInterval, 9u);

    tray.SendMessage(WM_TIMER, CTrayPopup::TIMER_APPEAR);
    EXPECT_EQ(tray.GetState(), CTrayPopup::STATE_APPEARING);
    const int ticks = 1 + Drive(CTrayPopup::TIMER_APPEAR);
    EXPECT_EQ(ticks, 55);   // 54 steps, then the tick that finds it in place
    EXPECT_EQ(tray.GetState(), CTrayPopup::STATE_WAITING);
    CRect window;
    tray.GetWindowRect(&window);
    EXPECT_EQ(window.top, work.bottom - 108);
    EXPECT_EQ(window.Height(), 107);
    zeltest::PumpFor(150);
    ctltest::SaveScreenshot(&tray, L"TrayPopup");

    tray.SendMessage(WM_TIMER, CTrayPopup::TIMER_STAY);
    tray.SendMessage(WM_TIMER, CTrayPopup::TIMER_DISAPPEAR);
    EXPECT_EQ(tray.GetState(), CTrayPopup::STATE_DISAPPEARING);
    Drive(CTrayPopup::TIMER_DISAPPEAR);
    EXPECT_EQ(tray.GetState(), CTrayPopup::STATE_HIDDEN);
    EXPECT_FALSE(tray.IsWindowVisible());
    ASSERT_EQ(told.size(), 1u);
}

TEST_F(TrayNotices, ANoticeWhileAppearingOnlyRepaintsAndOneWhileSinkingComesBack)
{
    tray.Notify(L"", L"첫째", L"", 0, L"", FALSE);
    tray.SendMessage(WM_TIMER, CTrayPopup::TIMER_APPEAR);
    const int y = tray.Slide().nCurY;
    tray.Notify(L"", L"둘째", L"", 0, L"", FALSE);
    EXPECT_EQ(tray.GetState(), CTrayPopup::STATE_APPEARING);
    EXPECT_EQ(tray.Slide().nCurY, y);
    EXPECT_STREQ(tray.GetText(), L"둘째");

    Drive(CTrayPopup::TIMER_APPEAR);
    tray.SendMessage(WM_TIMER, CTrayPopup::TIMER_STAY);
    tray.SendMessage(WM_TIMER, CTrayPopup::TIMER_DISAPPEAR);
    tray.SendMessage(WM_TIMER, CTrayPopup::TIMER_DISAPPEAR);
    tray.Notify(L"", L"셋째", L"", 0, L"", FALSE);
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(tray.Slide().nCurY, work.bottom - 107);
    EXPECT_EQ(tray.Slide().nVisibleHeight, 107);
}

TEST_F(TrayNotices, ClosingWhileSinkingAgainLeavesNoTimerRunning)
{
    tray.Notify(L"", L"첫째", L"", 0, L"", FALSE);
    Drive(CTrayPopup::TIMER_APPEAR);
    Drive(CTrayPopup::TIMER_APPEAR);
    tray.SendMessage(WM_TIMER, CTrayPopup::TIMER_STAY);
    tray.SendMessage(WM_TIMER, CTrayPopup::TIMER_DISAPPEAR);
    tray.Notify(L"", L"둘째", L"", 0, L"", FALSE);   // back in view, waiting again
    ASSERT_EQ(tray.GetState(), CTrayPopup::STATE_DISAPPEARING);
    tray.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_POPUP_CLOSE, BN_CLICKED), 0);
    EXPECT_EQ(tray.GetState(), CTrayPopup::STATE_HIDDEN);
    // The wait started while sinking must not wake a hidden notice.
    for (UINT id : {CTrayPopup::TIMER_APPEAR, CTrayPopup::TIMER_STAY, CTrayPopup::TIMER_DISAPPEAR})
        EXPECT_FALSE(::KillTimer(tray.GetSafeHwnd(), id)) << id;
}

// Pixels of the band darker than the notice's white card: where text is drawn.
int InkIn(CWnd* pWnd, const RECT& rc)
{
    ::RedrawWindow(pWnd->GetSafeHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = ::GetDC(pWnd->GetSafeHwnd());
    int ink = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) {
            const COLORREF c = ::GetPixel(dc, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 600) ++ink;
        }
    ::ReleaseDC(pWnd->GetSafeHwnd(), dc);
    return ink;
}

// A pushed chat message names its sender on the first line and its words on the second; a
// notice with a description keeps the description there.
TEST_F(TrayNotices, AChatNoticeShowsItsSenderAndItsMessage)
{
    const RECT first{15, 50, 270, 70}, second{15, 76, 270, 91};
    struct Case {
        const wchar_t *description, *text, *sender;
        BOOL bAlt;
        bool bFirstInked, bSecondInked;
    } cases[] = {
        {L"", L"자료 1쪽부터 보시면 됩니다.", L"이서연", TRUE, true, true},
        {L"", L"", L"이서연", TRUE, true, false},
        {L"회의가 곧 시작됩니다", L"예산 회의", L"", FALSE, true, true},
    };
    for (const Case& c : cases) {
        tray.Notify(c.description, c.text, L"", 0, c.sender, c.bAlt);
        Drive(CTrayPopup::TIMER_APPEAR);
        Drive(CTrayPopup::TIMER_APPEAR);
        ASSERT_EQ(tray.GetState(), CTrayPopup::STATE_WAITING);
        EXPECT_EQ(InkIn(&tray, first) > 20, c.bFirstInked) << "case " << (&c - cases);
        EXPECT_EQ(InkIn(&tray, second) > 20, c.bSecondInked) << "case " << (&c - cases);
        if (c.bAlt && *c.text) ctltest::SaveScreenshot(&tray, L"TrayPopupChat");
        tray.Hide();
    }
}

TEST_F(TrayNotices, CloseButtonHidesAtOnceAndAClickRestoresAMinimisedMain)
{
    tray.Notify(L"", L"알림", L"", 0, L"", FALSE);
    Drive(CTrayPopup::TIMER_APPEAR);
    Drive(CTrayPopup::TIMER_APPEAR);
    ASSERT_EQ(tray.GetState(), CTrayPopup::STATE_WAITING);

    // A click with the main window in view restores nothing.
    main.reports.clear();
    tray.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, 60));
    EXPECT_EQ(main.Count(WM_COMMAND), 0);
    main.ShowWindow(SW_MINIMIZE);
    tray.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, 60));
    ASSERT_EQ(main.Count(WM_COMMAND), 1);
    EXPECT_EQ(LOWORD(main.Only(WM_COMMAND)[0].wParam), 32781);
    main.ShowWindow(SW_RESTORE);

    tray.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_POPUP_CLOSE, BN_CLICKED), (LPARAM)tray.GetDlgItem(IDC_POPUP_CLOSE)->GetSafeHwnd());
    EXPECT_EQ(tray.GetState(), CTrayPopup::STATE_HIDDEN);
    EXPECT_FALSE(tray.IsWindowVisible());
}

}  // namespace
