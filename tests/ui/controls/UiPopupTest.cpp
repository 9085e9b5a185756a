// The message pop-ups on real windows: sizes from the measured text, placement, every way to
// answer them (mouse on the buttons, Enter, Esc, the close button, the test hook), modal and
// modeless, and what a notice tells its parent.
#include <gtest/gtest.h>

#include <functional>

#include "core/ClientMessages.h"
#include "resources/resource.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "ui/controls/ConfirmPopup.h"
#include "ui/controls/OkCancelDlg.h"
#include "ui/controls/PopupLayout.h"
#include "ui/controls/YesNoPopup.h"

namespace {

// Runs the action on the first window the modal loop reports (the pop-up), once.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(CWnd*)> action)
    {
        CWnd::SetModalLoopHook([this, action](CWnd* wnd) {
            if (m_ran)
                return;
            m_ran = true;
            action(wnd);
        });
    }
    ~ModalDriver() { CWnd::SetModalLoopHook(nullptr); }
    bool Ran() const { return m_ran; }
private:
    bool m_ran = false;
};

// Clicks a child button of the pop-up with the mouse.
void ClickChild(CWnd* popup, int id)
{
    CWnd* button = popup->GetDlgItem(id);
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(button->IsWindowVisible()) << id;
    CRect rc;
    button->GetClientRect(&rc);
    ctltest::Mouse(button, WM_MOUSEMOVE, rc.Width() / 2, rc.Height() / 2);
    ctltest::Mouse(button, WM_LBUTTONDOWN, rc.Width() / 2, rc.Height() / 2, MK_LBUTTON);
    ctltest::Mouse(button, WM_LBUTTONUP, rc.Width() / 2, rc.Height() / 2);
}

// The screen catches up with what the windows painted before it is captured.
void Snap(CWnd* popup, const wchar_t* name)
{
    zeltest::PumpFor(150);
    ctltest::SaveScreenshot(popup, name);
}

void Key(CWnd* popup, UINT vk)
{
    HWND focus = ::GetFocus();
    ::PostMessageW(focus ? focus : popup->GetSafeHwnd(), WM_KEYDOWN, vk, 1);
}

class Popups : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(main.Open(800, 600, 60, 40));
        app.m_pMainWnd = &main;
    }
    void TearDown() override
    {
        SetPopupAnswerHook(nullptr);
        app.m_pMainWnd = nullptr;
        main.DestroyWindow();
    }
    // The line height the pop-ups measure for their text, in the same font.
    static int ExpectedHeight(const CPopupMessage& message, int lines, int minimum)
    {
        const int h = (message.LineHeight() + message.Gap()) * lines + 155 - message.Gap();
        return h > minimum ? h : minimum;
    }
    ctltest::ShippedResources resources;
    CWinApp app;
    ctltest::CHostWnd main;
    uitest::Watchdog watchdog;
};

TEST_F(Popups, ConfirmAnswersOkByMouseEnterAndEscAndCloseButton)
{
    struct Case {
        const char* name;
        BOOL closeButton;
        std::function<void(CWnd*)> act;
        INT_PTR expected;
    } cases[] = {
        {"mouse on OK", FALSE, [](CWnd* p) { ClickChild(p, IDOK); }, 1},
        {"Enter", FALSE, [](CWnd* p) { Key(p, VK_RETURN); }, 1},
        {"Esc", FALSE, [](CWnd* p) { Key(p, VK_ESCAPE); }, 2},
        {"close button", TRUE, [](CWnd* p) { ClickChild(p, IDC_POPUP_CLOSE); }, 3},
    };
    for (const Case& c : cases) {
        CConfirmPopup popup(&main, 305, 137, 0, 0, L"알림", L"", L"저장했습니다.", FALSE);
        popup.SetShowCloseButton(c.closeButton);
        ModalDriver driver(c.act);
        EXPECT_EQ(popup.DoModal(), c.expected) << c.name;
        EXPECT_TRUE(driver.Ran()) << c.name;
        EXPECT_EQ(popup.GetResult(), (int)c.expected) << c.name;
    }
}

TEST_F(Popups, ConfirmGrowsWithItsLinesAndOpensOverTheMainClientArea)
{
    CConfirmPopup popup(&main, 305, 137, 0, 0, L"알림", L"", L"첫째 줄\n둘째 줄\n셋째 줄", FALSE);
    CRect window;
    BOOL closeVisible = TRUE;
    ModalDriver driver([&](CWnd* p) {
        p->GetWindowRect(&window);
        closeVisible = p->GetDlgItem(IDC_POPUP_CLOSE)->IsWindowVisible();
        Snap(p, L"ConfirmPopup");
        // The frame's header is teal, the body white, the OK button teal.
        EXPECT_EQ(ctltest::Pixel(p, 150, 5), RGB(0, 150, 170));
        EXPECT_EQ(ctltest::Pixel(p, 20, 60), RGB(255, 255, 255));
        Key(p, VK_RETURN);
    });
    EXPECT_EQ(popup.DoModal(), 1);
    EXPECT_EQ(popup.Message().Lines().GetSize(), 3);
    EXPECT_EQ(window.Width(), 305);
    EXPECT_EQ(window.Height(), ExpectedHeight(popup.Message(), 3, 137));
    CRect client;
    main.GetClientRect(&client);
    main.ClientToScreen(&client);
    EXPECT_EQ(window.TopLeft(), PopupTargetRect(TRUE, client, 0, 0, window.Width(), window.Height()).TopLeft());
    EXPECT_FALSE(closeVisible);   // no close button unless asked for
}

TEST_F(Popups, ConfirmWithAPositionOpensExactlyThereAndEmptyTextIsOneLine)
{
    CConfirmPopup popup(&main, 305, 137, 120, 90, L"알림", L"", L"", FALSE);
    CRect window;
    ModalDriver driver([&](CWnd* p) {
        p->GetWindowRect(&window);
        Key(p, VK_RETURN);
    });
    EXPECT_EQ(popup.DoModal(), 1);
    EXPECT_EQ(window.TopLeft(), CPoint(120, 90));
    ASSERT_EQ(popup.Message().Lines().GetSize(), 1);
    EXPECT_STREQ(popup.Message().Lines()[0], L" ");
}

TEST_F(Popups, YesNoTwoButtonsAnswerAndAlwaysCentreOverTheParent)
{
    struct Case {
        int button;
        INT_PTR expected;
    } cases[] = {{IDOK, 1}, {IDCANCEL, 2}};
    for (const Case& c : cases) {
        CYesNoPopup popup(&main, 335, 137, 5, 5, L"알림", L"", L"회의를 종료하시겠습니까?", L"ctx", FALSE, FALSE);
        popup.SetShowCancelButton(TRUE);
        CRect window, yes, no;
        ModalDriver driver([&](CWnd* p) {
            p->GetWindowRect(&window);
            p->GetDlgItem(IDOK)->GetWindowRect(&yes);
            p->GetDlgItem(IDCANCEL)->GetWindowRect(&no);
            if (c.button == IDOK) {
                // Both buttons wear their pictures: teal Yes, grey No.
                EXPECT_EQ(ctltest::Pixel(p->GetDlgItem(IDOK), 6, 13), RGB(0, 150, 170));
                EXPECT_EQ(ctltest::Pixel(p->GetDlgItem(IDCANCEL), 6, 13), RGB(140, 140, 140));
                Snap(p, L"YesNoPopup");
            }
            ClickChild(p, c.button);
        });
        EXPECT_EQ(popup.DoModal(), c.expected);
        CRect parent;
        main.GetWindowRect(&parent);
        EXPECT_NEAR(window.CenterPoint().x, parent.CenterPoint().x, 1);
        EXPECT_NEAR(window.CenterPoint().y, parent.CenterPoint().y, 1);
        EXPECT_EQ(yes.left - window.left, window.Width() / 2 - 96);
        EXPECT_EQ(no.left - window.left, window.Width() / 2 + 6);
        EXPECT_EQ(yes.Size(), CSize(90, 27));
    }
}

TEST_F(Popups, YesNoNoticePostsItsAnswerToTheParentButNotForTheCloseButton)
{
    struct Case {
        std::function<void(CWnd*)> act;
        INT_PTR expected;
        int posts;
        WPARAM answer;
    } cases[] = {
        {[](CWnd* p) { ClickChild(p, IDOK); }, 1, 1, 1},
        {[](CWnd* p) { Key(p, VK_ESCAPE); }, 2, 1, 0},
        {[](CWnd* p) { ClickChild(p, IDC_POPUP_CLOSE); }, 3, 0, 0},
    };
    for (const Case& c : cases) {
        main.reports.clear();
        CYesNoPopup popup(&main, 305, 157, 0, 0, L"알림", L"", L"회의가 시작되었습니다.", L"", TRUE, FALSE);
        popup.SetShowCloseButton(TRUE);
        ModalDriver driver(c.act);
        EXPECT_EQ(popup.DoModal(), c.expected);
        zeltest::PumpFor(50);
        const auto posts = main.Only(WM_YESNO_ANSWER);
        ASSERT_EQ((int)posts.size(), c.posts);
        if (c.posts)
            EXPECT_EQ(posts[0].wParam, c.answer);
        // The notice's empty heading is an empty first line above the text.
        EXPECT_EQ(popup.GetText(), CString(L"\n회의가 시작되었습니다."));
    }
}

TEST_F(Popups, ModelessNoticeAnsweredByTheHookHidesAndReports)
{
    POPUP_QUESTION asked;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) {
        asked = q;
        return 1;
    });
    auto* popup = new CYesNoPopup(&main, 305, 157, 0, 0, L"알림", L"회의", L"시작합니다", L"", TRUE, FALSE);
    ASSERT_TRUE(popup->Create(IDD_YES_NO_POPUP, &main));
    popup->ShowWindow(SW_SHOW);
    EXPECT_TRUE(zeltest::PumpUntil([&] { return main.Count(WM_YESNO_ANSWER) == 1; }, 2000));
    EXPECT_EQ(main.Only(WM_YESNO_ANSWER)[0].wParam, 1u);
    EXPECT_FALSE(popup->IsWindowVisible());
    EXPECT_EQ(popup->GetResult(), 1);
    EXPECT_EQ(asked.kind, POPUP_YES_NO);
    EXPECT_FALSE(asked.bModal);
    EXPECT_TRUE(asked.bNotice);
    EXPECT_STREQ(asked.strText, L"회의\n시작합니다");
    popup->DestroyWindow();
    delete popup;
}

TEST_F(Popups, NoticeAnswersTheLayerThatAskedAndNoOtherWindowWhenItClosed)
{
    for (bool closeLayerFirst : {false, true}) {
        main.reports.clear();
        auto* layer = new ctltest::CHostWnd;
        ASSERT_TRUE(layer->CreateEx(0, nullptr, L"layer", WS_CHILD | WS_VISIBLE, 0, 0, 200, 200, main.GetSafeHwnd(), nullptr));
        auto* popup = new CYesNoPopup(layer, 305, 157, 0, 0, L"알림", L"", L"발표를 시작할까요?", L"", TRUE, FALSE);
        ASSERT_TRUE(popup->Create(IDD_YES_NO_POPUP, nullptr));
        popup->ShowWindow(SW_SHOW);
        if (closeLayerFirst) {
            layer->DestroyWindow();
            delete layer;
            layer = nullptr;
        }
        ClickChild(popup, IDOK);
        zeltest::PumpFor(50);
        EXPECT_EQ(popup->GetResult(), 1);
        EXPECT_FALSE(popup->IsWindowVisible());
        // Never to the top-level window that merely owns the pop-up.
        EXPECT_EQ(main.Count(WM_YESNO_ANSWER), 0);
        if (layer) {
            ASSERT_EQ(layer->Count(WM_YESNO_ANSWER), 1);
            EXPECT_EQ(layer->Only(WM_YESNO_ANSWER)[0].wParam, 1u);
            layer->DestroyWindow();
            delete layer;
        }
        popup->DestroyWindow();
        delete popup;
    }
}

TEST_F(Popups, HookAnswersModalPopupsWithoutTheUser)
{
    struct Case {
        int answer;
        INT_PTR expected;
    } cases[] = {{1, 1}, {2, 2}, {3, 3}};
    for (const Case& c : cases) {
        int asked = 0;
        SetPopupAnswerHook([&](const POPUP_QUESTION& q) {
            ++asked;
            EXPECT_EQ(q.kind, POPUP_CONFIRM);
            EXPECT_TRUE(q.bModal);
            return c.answer;
        });
        CConfirmPopup popup(&main, 305, 137, 0, 0, L"알림", L"제목", L"본문", FALSE);
        popup.SetShowCloseButton(TRUE);
        EXPECT_EQ(popup.DoModal(), c.expected);
        EXPECT_EQ(asked, 1);
    }
}

TEST_F(Popups, HideAndShowMessagesKeepThePopupRunning)
{
    CConfirmPopup popup(&main, 305, 137, 0, 0, L"알림", L"", L"숨김 시험", FALSE);
    bool hidden = false, shownAgain = false;
    ModalDriver driver([&](CWnd* p) {
        p->SendMessage(WM_POPUP_HIDE);
        hidden = !p->IsWindowVisible();
        p->SendMessage(WM_POPUP_SHOW);
        shownAgain = p->IsWindowVisible() != FALSE;
        Key(p, VK_RETURN);
    });
    EXPECT_EQ(popup.DoModal(), 1);
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(shownAgain);
}

TEST_F(Popups, OwnerClosingUnderAModalPopupEndsItAsDismissed)
{
    ctltest::CHostWnd owner;
    ASSERT_TRUE(owner.Open(400, 300, 100, 100));
    CYesNoPopup popup(&owner, 305, 137, 0, 0, L"알림", L"", L"닫히는 창", L"", TRUE, FALSE);
    ModalDriver driver([&](CWnd*) { owner.DestroyWindow(); });
    EXPECT_EQ(popup.DoModal(), 2);
    EXPECT_FALSE(watchdog.Fired());

    ctltest::CHostWnd owner2;
    ASSERT_TRUE(owner2.Open(400, 300, 100, 100));
    COkCancelDlg dlg2(L"닫히는 창", L"알림", FALSE, FALSE, &owner2);
    ModalDriver driver2([&](CWnd*) { owner2.DestroyWindow(); });
    EXPECT_EQ(dlg2.DoModal(), IDCANCEL);
}

TEST_F(Popups, OkCancelSizesPlacementAndAnswers)
{
    struct Case {
        BOOL oneButton;
        std::function<void(CWnd*)> act;
        int expected;
    } cases[] = {
        {TRUE, [](CWnd* p) { ClickChild(p, IDOK); }, 1},
        {TRUE, [](CWnd* p) { Key(p, VK_RETURN); }, 1},
        {TRUE, [](CWnd* p) { Key(p, VK_ESCAPE); }, 2},
        {TRUE, [](CWnd* p) { ClickChild(p, IDC_OK_CANCEL_CLOSE); }, 2},
        {FALSE, [](CWnd* p) { ClickChild(p, IDCANCEL); }, 2},
        {FALSE, [](CWnd* p) { ClickChild(p, IDOK); }, 1},
    };
    for (const Case& c : cases) {
        CRect window;
        bool cancelVisible = true;
        ModalDriver driver([&](CWnd* p) {
            p->GetWindowRect(&window);
            cancelVisible = p->GetDlgItem(IDCANCEL)->IsWindowVisible() != FALSE;
            c.act(p);
        });
        EXPECT_EQ(ShowOkCancel(L"변경 내용을 저장할까요?\n저장하지 않으면 사라집니다.", L"알림", c.oneButton, FALSE), c.expected);
        EXPECT_EQ(cancelVisible, !c.oneButton);
        CRect parent;
        main.GetWindowRect(&parent);
        EXPECT_EQ(window.TopLeft(), OkCancelOrigin(parent, window.Width(), window.Height()));
        EXPECT_GE(window.Width(), 303);
    }
}

TEST_F(Popups, OkCancelEmptyTextKeepsTheMinimumWidthAndShowsTheFrame)
{
    COkCancelDlg dlg(L"", L"알림", FALSE, TRUE, &main);
    ModalDriver driver([&](CWnd* p) {
        Snap(p, L"OkCancelDlg");
        EXPECT_EQ(ctltest::Pixel(p, 150, 5), RGB(0, 150, 170));
        Key(p, VK_RETURN);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetWidth(), 303);
    EXPECT_EQ(dlg.GetHeight(), ExpectedHeight(dlg.Message(), 1, 155));
    ASSERT_EQ(dlg.Message().Lines().GetSize(), 1);
}

}  // namespace
