// The title bar as a real window on a stand-in main window: the buttons of each screen mode and
// where they go, presses reaching the listener and the main window, the remaining meeting time and
// the chat button with their timers driven by hand, the menu answered through its seams.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/host/DetailScreenStandIn.h"
#include "tests/host/MainDlgStandIn.h"
#include "tests/host/MeetingScreenStandIn.h"
#include "app/TitleLayer.h"
#include "app/TitleLayerDlg.h"
#include "app/TitleLayerMaker.h"
#include "ui/host/DetailScreen.h"
#include "ui/host/MainDlg.h"
#include "ui/host/MeetingScreen.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "core/SettingManager.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/controls/MySkinComboDlg.h"

namespace {

class CStandInDetail : public CDetailScreenStandIn {
public:
    BOOL chatPopup = FALSE;
    CString GetMeetingId() override { return L"M-1"; }
    void RefreshDetail() override {}
    void OnPushBroadcast01() override {}
    void OnPushBroadcast02() override {}
    void OnPushBroadcast03() override {}
    void OnPushBroadcast05(int) override {}
    void OnPushBroadcast08() override {}
    void OnPushBroadcast10() override {}
    void OnPushBroadcast14() override {}
    void OnPushBroadcast19() override {}
    void OnPushBroadcast20() override {}
    void OnPushBroadcast23(int, const CString&) override {}
    void OnPushBroadcast25() override {}
    void OnPushBroadcast28() override {}
    void OnPushSync03(const CString&, const CString&, const CString&, const CString&) override {}
    BOOL IsChatPopupVisible() override { return chatPopup; }
};

class CStandInMeeting : public CMeetingScreenStandIn {
public:
    BOOL chatOpen = FALSE;
    BOOL ended = FALSE;
    CString GetMeetingId() override { return L"M-1"; }
    CString GetCurrentDocumentId() override { return CString(); }
    CString GetMeetingType() override { return L"10"; }
    CString GetCurrentMeetingType() override { return L"10"; }
    BOOL IsMeetingType12() override { return FALSE; }
    BOOL IsMeetingRunning() override { return TRUE; }
    BOOL IsPageSync() override { return FALSE; }
    BOOL IsWhiteboardDocument() override { return FALSE; }
    BOOL IsEmbeddedDocument(const CString&) override { return FALSE; }
    void MarkMeetingEntered() override {}
    void OnMeetingStatusChanged(int) override {}
    int SaveBoardChanges(int, int, int) override { return 0; }
    void StartMeeting(int, int) override {}
    void RequestPresenceAndSync(int) override {}
    void RequestPresence() override {}
    void RequestDocumentList(const CString&) override {}
    void SetFollowPresenter(const CString&, const CString&, int, int) override {}
    void SetPendingFollow(const CString&, const CString&, int) override {}
    void ClearOtherMeetingDocument() override {}
    void OnSyncPagePush(const CString&, const CString&, int, int) override {}
    void ApplyPageCommand(const CString&, int, int, int, int) override {}
    void OpenBuiltInWhiteboard(BOOL) override {}
    void CloseMinutesViewer() override {}
    void EnableChat(BOOL) override {}
    void OnChatPush(const CString&, const CString&, const CString&, const CString&) override {}
    BOOL IsChatOpen() override { return chatOpen; }
    BOOL IsMeetingEnded() override { return ended; }
};

// The main window as the title bar sees it: its listener, its services, and a window that keeps
// the commands and the border presses it receives (without running the system's size loop).
class CStandInMain : public CWnd, public ITitleLayerEventListener, public CZELMainDlgStandIn {
public:
    std::vector<std::string> events;
    std::vector<UINT> commands;
    std::vector<std::pair<WPARAM, LPARAM>> ncPresses;
    std::vector<std::wstring> alerts;
    std::vector<std::wstring> pageSync;
    int popupAnswer = IDOK;
    BOOL keyNavigation = FALSE;
    CStandInDetail detail;
    CStandInMeeting meeting;
    CWnd drawTool;

    // ITitleLayerEventListener
    void OnTitleBack() override { events.push_back("back"); }
    void OnTitleRefresh() override { events.push_back("refresh"); }
    void OnTitleClose() override { events.push_back("close"); }
    void OnTitleFullScreen() override { events.push_back("fullscreen"); }
    void OnTitleVideoTest() override { events.push_back("videotest"); }
    void OnTitleVideo() override { events.push_back("video"); }
    void OnTitleChat() override { events.push_back("chat"); }
    void OnTitleReserved() override { events.push_back("reserved"); }

    // IZELMainDlg
    CWnd* GetWnd() override { return this; }
    void SetScreenMode(int, const CString&) override {}
    int GetScreenMode() override { return 0; }
    int ShowMessagePopup(const CString&, const CString& strText, int, CWnd*, BOOL) override
    {
        alerts.push_back(L"ask:" + std::wstring(strText.GetString()));
        return popupAnswer;
    }
    int ShowConfirmPopup(const CString&) override { return IDOK; }
    void ShowToast(const CString&) override {}
    void ShowAlert(const CString& strText) override { alerts.push_back(strText.GetString()); }
    BOOL IsKeyNavigationMode() override { return keyNavigation; }
    IDetailScreen* GetDetailLayer() override { return &detail; }
    IMeetingScreen* GetMeetingLayer() override { return &meeting; }
    void SetPageSync(const CString& strYn) override { pageSync.push_back(strYn.GetString()); }
    CWnd* GetDrawToolWnd() override { return &drawTool; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0)
            commands.push_back(LOWORD(wParam));
        if (message == WM_NCLBUTTONDOWN) {
            ncPresses.emplace_back(wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

std::wstring Text(CWnd* pWnd)
{
    CString str;
    pWnd->GetWindowText(str);
    return str.GetString();
}

bool Visible(CWnd* pWnd) { return (pWnd->GetStyle() & WS_VISIBLE) != 0; }

// A control's rectangle in the title bar's client coordinates.
CRect Place(CTitleLayer* pLayer, CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pLayer->ScreenToClient(&rc);
    return rc;
}

class TitleLayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skintest::EnsureGdiplus();
        ASSERT_TRUE(language.IsLoaded());
        ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
        CSettingManager::GetInstance()->m_nCloseAlarm = 10;
        CMeetingManager::GetInstance()->ClearCurrentMeeting();
        ASSERT_TRUE(main.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"Main", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                  CRect(30, 30, 30 + kWidth, 30 + 400), nullptr, 0));
        ASSERT_TRUE(main.drawTool.CreateEx(0, AfxRegisterWndClass(0), L"Tools", WS_CHILD, CRect(0, 0, 300, 34), &main, 0));
        SetMainDlg(&main);
        ITitleBar* pBar = nullptr;
        CWnd* pWnd = MakeTitleLayer(&main, &pBar);
        layer = dynamic_cast<CTitleLayer*>(pWnd);
        ASSERT_NE(layer, nullptr);
        ASSERT_EQ(static_cast<ITitleBar*>(layer), pBar);
    }
    void TearDown() override
    {
        CTitleLayer::SetMenuChooserForTest(nullptr);
        CTitleLayer::SetUrlOpenerForTest(nullptr);
        CWnd::SetModalLoopHook(nullptr);
        if (layer) {
            layer->DestroyWindow();
            delete layer;
        }
        SetMainDlg(nullptr);
        main.DestroyWindow();
        CMeetingManager::GetInstance()->ClearCurrentMeeting();
    }
    // The current meeting: a report (kind 30) or a meeting, started (status 2) or not (status 0).
    void Meeting(bool report, bool started)
    {
        CMeetingManager* pMeetings = CMeetingManager::GetInstance();
        const CString id = report ? L"R-7" : L"M-1";
        pMeetings->FindOrCreateMeeting(id, report ? L"30" : L"10");
        pMeetings->SetCurrentMeeting(id)->SetStatus(started ? "2" : "0");
    }
    void Click(UINT nId)
    {
        CWnd* pButton = layer->GetControl(nId);
        ASSERT_TRUE(Visible(pButton)) << nId;
        CRect rc;
        pButton->GetClientRect(&rc);
        skintest::Click(pButton->m_hWnd, rc.CenterPoint().x, rc.CenterPoint().y);
        zeltest::PumpFor(30);
    }
    void Tick(UINT_PTR nTimer, int n = 1)
    {
        for (int i = 0; i < n; ++i)
            layer->SendMessage(WM_TIMER, nTimer, 0);
    }

    static constexpr int kWidth = 1200;
    apptest::LanguageLibrary language{L"Kor"};
    CStandInMain main;
    CTitleLayer* layer = nullptr;
};

TEST_F(TitleLayerTest, EachModeShowsItsButtons)
{
    struct Case {
        int mode;
        bool listTitle, caption, back, video, chat, refresh, fileBox;
    };
    const Case cases[] = {
        {0, true, false, false, false, false, true, true},
        {1, false, true, true, true, true, true, true},
        {2, false, true, true, true, true, false, true},
    };
    Meeting(false, true);
    for (const Case& c : cases) {
        layer->SetMode(c.mode);
        layer->SetListTitle(FALSE);
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(Visible(layer->GetControl(IDC_TITLE_LIST_TITLE)), c.listTitle);
        EXPECT_EQ(Visible(layer->GetControl(IDC_TITLE_CAPTION)), c.caption);
        EXPECT_EQ(Visible(layer->GetControl(IDC_TITLE_BACK)), c.back);
        EXPECT_EQ(Visible(layer->GetControl(IDC_TITLE_VIDEO)), c.video);
        EXPECT_EQ(Visible(layer->GetControl(IDC_TITLE_CHAT)), c.chat);
        EXPECT_EQ(Visible(layer->GetControl(IDC_TITLE_REFRESH)), c.refresh);
        EXPECT_EQ(Visible(layer->GetControl(IDC_TITLE_FILE_BOX)), c.fileBox);
        EXPECT_EQ(Visible(layer->GetControl(IDC_TITLE_FULL_SCREEN)), c.mode == 2);
        EXPECT_EQ(Visible(&main.drawTool), c.mode == 2);
        for (UINT id : {IDC_TITLE_MENU, IDC_TITLE_MINIMIZE, IDC_TITLE_MAXIMIZE, IDC_TITLE_CLOSE})
            EXPECT_TRUE(Visible(layer->GetControl(id))) << id;
    }
    // The list title follows the kind of list; leaving the list empties the meeting title.
    layer->SetMode(0);
    layer->SetListTitle(TRUE);
    EXPECT_EQ(Text(layer->GetControl(IDC_TITLE_LIST_TITLE)), L"온라인 보고");
    layer->SetListTitle(FALSE);
    EXPECT_EQ(Text(layer->GetControl(IDC_TITLE_LIST_TITLE)), L"온라인 회의");
    layer->SetTitleText(L"주간 회의");
    layer->SetMode(1);
    EXPECT_EQ(Text(layer->GetControl(IDC_TITLE_CAPTION)), L"");
}

TEST_F(TitleLayerTest, MeetingModeRowsForAStartedMeetingAndAReport)
{
    const int R = kWidth;
    layer->SetMode(1);
    layer->SetListTitle(FALSE);   // the detail screen shows the chat button
    for (bool report : {false, true}) {
        SCOPED_TRACE(report);
        Meeting(report, true);
        layer->SetMode(2);
        layer->SetListTitle(report);
        const CRect max = Place(layer, layer->GetControl(IDC_TITLE_MAXIMIZE));
        const CRect min = Place(layer, layer->GetControl(IDC_TITLE_MINIMIZE));
        const CRect menu = Place(layer, layer->GetControl(IDC_TITLE_MENU));
        if (!report) {
            EXPECT_TRUE(Visible(layer->GetControl(IDC_TITLE_FULL_SCREEN)));
            EXPECT_EQ(Place(layer, layer->GetControl(IDC_TITLE_FULL_SCREEN)), CRect(R - 55, 12, R - 40, 27));
            EXPECT_EQ(max, CRect(R - 82, 12, R - 67, 27));
            EXPECT_EQ(min, CRect(R - 109, 12, R - 94, 27));
        } else {
            EXPECT_FALSE(Visible(layer->GetControl(IDC_TITLE_FULL_SCREEN)));
            EXPECT_EQ(max, CRect(R - 55, 12, R - 40, 27));
            EXPECT_EQ(min, CRect(R - 82, 12, R - 67, 27));
        }
        EXPECT_EQ(menu.right, min.left - 17);
        // Chat where refresh would be, then the file box and video 42 pixels apart; the draw
        // tools end 12 pixels left of video.
        const CRect chat = Place(layer, layer->GetControl(IDC_TITLE_CHAT));
        const CRect fileBox = Place(layer, layer->GetControl(IDC_TITLE_FILE_BOX));
        const CRect video = Place(layer, layer->GetControl(IDC_TITLE_VIDEO));
        EXPECT_EQ(chat, CRect(R - 50, 45, R - 20, 75));
        EXPECT_EQ(fileBox, CRect(R - 92, 45, R - 62, 75));
        EXPECT_EQ(video, CRect(R - 134, 45, R - 104, 75));
        CRect tools;
        main.drawTool.GetWindowRect(&tools);
        layer->ScreenToClient(&tools);
        EXPECT_EQ(tools, CRect(video.left - 12 - 300, 43, video.left - 12, 77));
    }
    // Back in the detail the remaining time sits left of the video button.
    layer->SetMode(1);
    const CRect video = Place(layer, layer->GetControl(IDC_TITLE_VIDEO));
    EXPECT_EQ(Place(layer, layer->GetControl(IDC_TITLE_REMAIN)), CRect(video.left - 64, 53, video.left - 17, 65));
    EXPECT_FALSE(Visible(&main.drawTool));
}

// Whether the meeting is over is the meeting record's: the screen being entered has no meeting
// of its own yet and counts as closed, which greyed the file box for every running meeting.
TEST_F(TitleLayerTest, EndedMeetingDisablesRefreshAndFileBox)
{
    const struct {
        const char* status;   // nullptr: no current meeting
        BOOL screenClosed;
        BOOL enabled;
    } cases[] = {
        {"2", TRUE, TRUE},    // running, the screen still without its meeting
        {"2", FALSE, TRUE},
        {"1", TRUE, TRUE},    // waiting
        {"4", FALSE, FALSE},  // ended
        {"4", TRUE, FALSE},
        {nullptr, TRUE, TRUE},
    };
    for (const auto& c : cases) {
        CMeetingManager::GetInstance()->ClearCurrentMeeting();
        if (c.status) {
            Meeting(false, true);
            CMeetingManager::GetInstance()->GetCurrentMeeting()->SetStatus(c.status);
        }
        main.meeting.ended = c.screenClosed;
        layer->SetMode(2);
        const char* what = c.status ? c.status : "none";
        EXPECT_EQ(layer->GetControl(IDC_TITLE_FILE_BOX)->IsWindowEnabled(), c.enabled) << what;
        EXPECT_EQ(layer->GetControl(IDC_TITLE_REFRESH)->IsWindowEnabled(), c.enabled) << what;
    }
    main.meeting.ended = FALSE;
    layer->EnableBackButton(FALSE);
    EXPECT_FALSE(layer->GetControl(IDC_TITLE_BACK)->IsWindowEnabled());
}

TEST_F(TitleLayerTest, PressesReachTheListenerAndTheMainWindow)
{
    Meeting(false, true);
    layer->SetMode(1);
    layer->SetListTitle(FALSE);
    Click(IDC_TITLE_BACK);
    Click(IDC_TITLE_REFRESH);
    Click(IDC_TITLE_VIDEO);
    Click(IDC_TITLE_CHAT);
    layer->SetMode(2);
    layer->SetListTitle(FALSE);
    Click(IDC_TITLE_FULL_SCREEN);
    Click(IDC_TITLE_CLOSE);
    EXPECT_EQ(main.events, (std::vector<std::string>{"back", "refresh", "video", "chat", "fullscreen", "close"}));

    // Maximise shows the restore button in its place; restore goes back.
    layer->SetMode(0);
    Click(IDC_TITLE_MAXIMIZE);
    EXPECT_TRUE(::IsZoomed(main.m_hWnd));
    layer->UpdateMaxRestoreButtons();
    EXPECT_TRUE(Visible(layer->GetRestoreButton()));
    EXPECT_FALSE(Visible(layer->GetControl(IDC_TITLE_MAXIMIZE)));
    layer->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TITLE_MAXIMIZE, BN_CLICKED), 0);
    EXPECT_FALSE(::IsZoomed(main.m_hWnd));
    layer->UpdateMaxRestoreButtons();
    EXPECT_TRUE(Visible(layer->GetControl(IDC_TITLE_MAXIMIZE)));
    Click(IDC_TITLE_MINIMIZE);
    EXPECT_TRUE(::IsIconic(main.m_hWnd));
    main.ShowWindow(SW_RESTORE);
}

TEST_F(TitleLayerTest, WithoutListenerTheButtonsDoNothing)
{
    CTitleLayer bare(nullptr);
    ASSERT_TRUE(bare.CreateLayer(&main));
    bare.SetMode(1);
    for (UINT id : {IDC_TITLE_BACK, IDC_TITLE_REFRESH, IDC_TITLE_CLOSE, IDC_TITLE_VIDEO, IDC_TITLE_CHAT})
        bare.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    EXPECT_TRUE(main.events.empty());
    bare.DestroyWindow();
}

TEST_F(TitleLayerTest, BorderPressesResizeOnlyANormalWindow)
{
    struct Case {
        int x, y;
        WPARAM hit;
    };
    const Case cases[] = {{2, 2, HTTOPLEFT}, {kWidth - 2, 2, HTTOPRIGHT}, {2, 30, HTLEFT}, {kWidth - 2, 60, HTRIGHT},
                          {600, 3, HTTOP}, {600, 20, HTCAPTION}};
    for (const Case& c : cases) {
        main.ncPresses.clear();
        skintest::SendMouse(layer->m_hWnd, WM_LBUTTONDOWN, c.x, c.y, MK_LBUTTON);
        skintest::SendMouse(layer->m_hWnd, WM_LBUTTONUP, c.x, c.y);
        zeltest::PumpFor(20);
        ASSERT_EQ(main.ncPresses.size(), 1u) << c.x << "," << c.y;
        EXPECT_EQ(main.ncPresses[0].first, c.hit);
    }
    // Below the band a press moves nothing; a maximised window is neither moved nor resized.
    main.ncPresses.clear();
    skintest::SendMouse(layer->m_hWnd, WM_LBUTTONDOWN, 600, 60, MK_LBUTTON);
    main.ShowWindow(SW_MAXIMIZE);
    skintest::SendMouse(layer->m_hWnd, WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
    zeltest::PumpFor(20);
    EXPECT_EQ(main.ncPresses.size(), 1u);   // only the caption drag of the top band
    if (!main.ncPresses.empty())
        EXPECT_EQ(main.ncPresses[0].first, WPARAM(HTCAPTION));
    main.ShowWindow(SW_RESTORE);
    // A double click in the top band maximises.
    skintest::SendMouse(layer->m_hWnd, WM_LBUTTONDBLCLK, 600, 20, MK_LBUTTON);
    EXPECT_TRUE(::IsZoomed(main.m_hWnd));
    main.ShowWindow(SW_RESTORE);
}

TEST_F(TitleLayerTest, RemainingTimeAlarmsOnceAndBlinksInTheLastFiveMinutes)
{
    Meeting(false, true);
    layer->SetMode(1);
    CWnd* label = layer->GetControl(IDC_TITLE_REMAIN);
    layer->SetRemainTime(L"12");
    EXPECT_TRUE(Visible(label));
    EXPECT_EQ(Text(label), L"00:12");
    Tick(TITLE_TIMER_MINUTE, 2);
    EXPECT_EQ(Text(label), L"00:10");
    layer->CheckRemainTime();   // the screens' minute check in the same minute
    ASSERT_EQ(main.alerts.size(), 1u);
    EXPECT_EQ(main.alerts[0], L"회의 종료 10분 전입니다.");
    EXPECT_FALSE(layer->IsRemainBlinking());
    // The clock picture left of the label.
    EXPECT_TRUE(apptest::SaveScreenshot(layer->m_hWnd, L"title_bar_remaining"));
    Tick(TITLE_TIMER_MINUTE, 5);
    EXPECT_EQ(Text(label), L"00:05");
    EXPECT_TRUE(layer->IsRemainBlinking());
    EXPECT_EQ(main.alerts.size(), 1u);
    // Red, then white on the blink timer: the colour the label is painted with.
    auto textColour = [&] {
        HDC dc = ::CreateCompatibleDC(nullptr);
        layer->SendMessage(WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(label->m_hWnd));
        const COLORREF clr = ::GetTextColor(dc);
        ::DeleteDC(dc);
        return clr;
    };
    EXPECT_EQ(textColour(), RGB(255, 0, 0));
    Tick(TITLE_TIMER_BLINK);
    EXPECT_TRUE(layer->GetRemainBlinkPhase());
    EXPECT_EQ(textColour(), RGB(255, 255, 255));
    layer->CheckRemainTime();   // the minute check keeps it blinking
    Tick(TITLE_TIMER_BLINK);
    EXPECT_EQ(textColour(), RGB(255, 0, 0));
    Tick(TITLE_TIMER_MINUTE, 5);
    EXPECT_FALSE(Visible(label));
    EXPECT_FALSE(layer->IsRemainShown());
}

TEST_F(TitleLayerTest, ReportCountsUpWithoutAlarmOrBlinking)
{
    Meeting(true, true);
    layer->SetMode(1);
    CWnd* label = layer->GetControl(IDC_TITLE_REMAIN);
    layer->SetRemainTime(L"0");
    EXPECT_TRUE(Visible(label));
    Tick(TITLE_TIMER_MINUTE);
    EXPECT_EQ(Text(label), L"00:01");
    Tick(TITLE_TIMER_MINUTE, 9);
    layer->CheckRemainTime();
    EXPECT_EQ(Text(label), L"00:10");
    EXPECT_FALSE(layer->IsRemainBlinking());
    EXPECT_TRUE(main.alerts.empty());
    Tick(TITLE_TIMER_MINUTE, 55);
    EXPECT_EQ(Text(label), L"01:05");
    layer->ClearRemainTime();
    EXPECT_FALSE(Visible(label));
}

TEST_F(TitleLayerTest, ChatButtonBlinksUntilPressedUnlessTheChatIsInView)
{
    Meeting(false, true);
    layer->SetMode(1);
    layer->SetListTitle(FALSE);
    layer->SetMode(2);
    layer->SetChatButtonState(1, 0);   // a chat message arrived
    main.meeting.chatOpen = TRUE;
    layer->SetChatBlink(1);
    EXPECT_FALSE(layer->IsChatBlinking());
    main.meeting.chatOpen = FALSE;
    layer->SetChatBlink(1);
    EXPECT_TRUE(layer->IsChatBlinking());
    EXPECT_FALSE(layer->IsChatPictureOn());   // starts with the opposite of the remembered state
    Tick(TITLE_TIMER_CHAT);
    EXPECT_TRUE(layer->IsChatPictureOn());
    Tick(TITLE_TIMER_CHAT);
    EXPECT_FALSE(layer->IsChatPictureOn());
    EXPECT_TRUE(layer->IsChatOn());
    Click(IDC_TITLE_CHAT);
    EXPECT_FALSE(layer->IsChatBlinking());
    EXPECT_TRUE(layer->IsChatPictureOn());
    EXPECT_EQ(main.events, std::vector<std::string>{"chat"});
    // In the detail the open chat pop-up keeps it still; a hidden button never blinks.
    layer->SetMode(1);
    main.detail.chatPopup = TRUE;
    layer->SetChatBlink(1);
    EXPECT_FALSE(layer->IsChatBlinking());
    layer->SetMode(0);
    main.detail.chatPopup = FALSE;
    layer->SetChatBlink(1);
    EXPECT_FALSE(layer->IsChatBlinking());
}

TEST_F(TitleLayerTest, MenuPostsTheChosenCommandToTheMainWindow)
{
    static int s_answer = 0;
    CTitleLayer::SetMenuChooserForTest([](CWnd*, int, int) { return s_answer; });
    const struct {
        int value;
        UINT command;
    } cases[] = {{1, 32777}, {2, 32786}, {3, 32787}, {4, 32778}, {5, 32779}, {6, 32805}, {7, 32785}, {8, 32774}, {9, 0}};
    for (const auto& c : cases) {
        main.commands.clear();
        s_answer = c.value;
        Click(IDC_TITLE_MENU);
        zeltest::PumpFor(20);
        ASSERT_EQ(main.commands.size(), 1u) << c.value;
        EXPECT_EQ(main.commands[0], c.command);
    }
    main.commands.clear();
    s_answer = -1;
    Click(IDC_TITLE_MENU);
    zeltest::PumpFor(20);
    EXPECT_TRUE(main.commands.empty());
}

// The title bar's buttons are plain push buttons: after a click (the menu closed with nothing
// chosen, the full view entered) each one looks as it did before, not held down until the next.
TEST_F(TitleLayerTest, AClickedButtonLooksReleasedAgain)
{
    CTitleLayer::SetMenuChooserForTest([](CWnd*, int, int) { return -1; });
    Meeting(false, true);
    layer->SetMode(2);
    layer->SetListTitle(FALSE);
    auto look = [&](CWnd* pButton) {
        ::RedrawWindow(pButton->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CRect rc;
        pButton->GetClientRect(&rc);
        std::vector<COLORREF> pixels;
        HDC dc = ::GetDC(pButton->m_hWnd);
        for (int y = 0; y < rc.Height(); ++y)
            for (int x = 0; x < rc.Width(); ++x)
                pixels.push_back(::GetPixel(dc, x, y));
        ::ReleaseDC(pButton->m_hWnd, dc);
        return pixels;
    };
    for (UINT nId : {IDC_TITLE_MENU, IDC_TITLE_FULL_SCREEN, IDC_TITLE_VIDEO}) {
        CWnd* pButton = layer->GetControl(nId);
        ::SetCursorPos(0, 0);
        const std::vector<COLORREF> before = look(pButton);
        Click(nId);
        ::SetCursorPos(0, 0);
        EXPECT_EQ(pButton->SendMessage(BM_GETCHECK), BST_UNCHECKED) << nId;
        EXPECT_TRUE(look(pButton) == before) << nId << " still looks pressed";
        Click(nId);
    }
}

TEST_F(TitleLayerTest, RealDropDownEndsAtTheMenuButtonAndHidesThreeEntries)
{
    CTitleLayer::SetMenuChooserForTest(nullptr);
    bool ran = false;
    CRect rcDrop;
    int rows = 0;
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        auto* popup = dynamic_cast<CMySkinComboDlg*>(wnd);
        if (!popup || ran)
            return;
        ran = true;
        popup->GetWindowRect(&rcDrop);
        rows = popup->GetRowCount();
        // The last entry ("종료", value 8): a click on its row.
        const CPoint row = CRect(popup->GetRow(rows - 1)->m_rcItem).CenterPoint();
        popup->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(row.x, row.y));
        popup->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.x, row.y));
        popup->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(row.x, row.y));
    });
    uitest::Watchdog watchdog;
    layer->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TITLE_MENU, BN_CLICKED), 0);
    zeltest::PumpFor(30);
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_TRUE(ran);
    EXPECT_EQ(rows, 5);
    CRect rcButton;
    layer->GetControl(IDC_TITLE_MENU)->GetWindowRect(&rcButton);
    EXPECT_NEAR(rcDrop.right, rcButton.right, 1);
    EXPECT_EQ(rcDrop.top, rcButton.bottom);
    EXPECT_EQ(main.commands, std::vector<UINT>{ID_CMD_EXIT});
}

TEST_F(TitleLayerTest, FileBoxOpensTheEncodedDataBoxAddress)
{
    static std::wstring s_url;
    CTitleLayer::SetUrlOpenerForTest([](const CString& url) { s_url = url.GetString(); });
    CSettingManager* pSettings = CSettingManager::GetInstance();
    pSettings->SetUseHttps(1);
    pSettings->SetTMSAddress(L"127.0.0.1");
    pSettings->SetTMSPort(8443);
    CLoginManager::GetInstance()->SetSawonNo(L"김>>");
    Meeting(false, true);
    layer->SetMode(0);
    Click(IDC_TITLE_FILE_BOX);
    EXPECT_EQ(s_url, L"https://127.0.0.1:8443/brindlecast/sso/ssoPage.jsp?actionFlag=databoxmain&mtngId=&sawonNo=6rmAPj4%3D");
    layer->SetMode(1);
    Click(IDC_TITLE_FILE_BOX);
    EXPECT_NE(s_url.find(L"&mtngId=M-1&"), std::wstring::npos);
    pSettings->SetUseHttps(0);
}

TEST_F(TitleLayerTest, CounterCountsSecondsInTheMeetingMode)
{
    Meeting(false, true);
    layer->SetMode(2);
    CWnd* counter = layer->GetControl(IDC_TITLE_ELAPSED);
    layer->SetCounter(59, FALSE);
    EXPECT_TRUE(Visible(counter));
    EXPECT_EQ(Text(counter), L"00 : 00 : 59");
    Tick(TITLE_TIMER_COUNTER, 3602);
    EXPECT_EQ(Text(counter), L"01 : 01 : 01");
    layer->SetCounter(-1, FALSE);
    EXPECT_FALSE(Visible(counter));
    layer->SetCounter(5, FALSE);
    layer->SetCounter(0, TRUE);
    EXPECT_FALSE(Visible(counter));
}

TEST_F(TitleLayerTest, SyncCommandsAskThenSetThePageSync)
{
    layer->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TITLE_SYNC_ON, BN_CLICKED), 0);
    main.popupAnswer = IDCANCEL;
    layer->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TITLE_SYNC_OFF, BN_CLICKED), 0);
    EXPECT_EQ(main.pageSync, std::vector<std::wstring>{L"Y"});
    EXPECT_EQ(main.alerts.size(), 2u);
}

TEST_F(TitleLayerTest, Screenshots)
{
    CLoginManager::GetInstance()->SetSawonNo(L"20231234");
    layer->SetMode(0);
    layer->SetListTitle(FALSE);
    EXPECT_TRUE(apptest::SaveScreenshot(layer->m_hWnd, L"title_bar_list"));
    Meeting(false, true);
    layer->SetMode(1);
    layer->SetListTitle(FALSE);
    layer->SetTitleText(L"2026년 상반기 예산 심의 회의 (기획재정팀)");
    layer->SetRemainTime(L"47");
    layer->SetChatButtonState(1, 0);
    EXPECT_TRUE(apptest::SaveScreenshot(layer->m_hWnd, L"title_bar"));
    layer->SetMode(2);
    layer->SetListTitle(FALSE);
    layer->SetTitleText(L"2026년 상반기 예산 심의 회의 (기획재정팀)");
    layer->SetCounter(1234, FALSE);
    EXPECT_TRUE(apptest::SaveScreenshot(layer->m_hWnd, L"title_bar_meeting"));
}

TEST_F(TitleLayerTest, SkinnedFaceTakesTheModesAndPostsTheCommands)
{
    struct App : CWinApp {
        App() : CWinApp(L"TitleLayerTest") {}
    } app;
    app.m_pMainWnd = &main;
    Meeting(false, true);
    auto* dlg = new CTitleLayerDlg(layer);
    layer->AttachTitleDlg(dlg);
    ASSERT_TRUE(::IsWindow(dlg->m_hWnd));
    ASSERT_NE(dlg->m_pBtnPresentation, nullptr);
    CRect rcDlg;
    dlg->GetWindowRect(&rcDlg);
    EXPECT_EQ(rcDlg.Width(), kWidth);
    EXPECT_EQ(rcDlg.Height(), TITLE_BAR_HEIGHT);
    struct Case {
        int mode;
        bool back, desc, title, presentationGone;
    };
    for (const Case& c : {Case{0, false, true, false, true}, Case{1, true, false, true, true}, Case{2, true, false, true, false}}) {
        SCOPED_TRACE(c.mode);
        layer->SetMode(c.mode);
        EXPECT_EQ(layer->GetMode(), c.mode);
        EXPECT_EQ(dlg->m_pBtnBack->m_nVisible != 0, c.back);
        EXPECT_EQ(dlg->m_pTextDesc->m_nVisible != 0, c.desc);
        EXPECT_EQ(dlg->m_pTextTitle->m_nVisible != 0, c.title);
        EXPECT_EQ(dlg->m_pBtnPresentation->m_nGone != 0, c.presentationGone);
        // The layer's own window buttons stay hidden under the skinned face.
        for (UINT id : {IDC_TITLE_MENU, IDC_TITLE_MINIMIZE, IDC_TITLE_MAXIMIZE, IDC_TITLE_CLOSE, IDC_TITLE_FULL_SCREEN})
            EXPECT_FALSE(Visible(layer->GetControl(id))) << id;
    }
    layer->SetMode(7);   // an unknown mode changes nothing on the face
    EXPECT_FALSE(dlg->m_pBtnPresentation->m_nGone);
    layer->SetMode(2);
    EXPECT_TRUE(apptest::SaveScreenshot(layer->m_hWnd, L"title_bar_skinned"));
    apptest::ClickObject(dlg, dlg->m_pBtnPresentation);
    apptest::ClickObject(dlg, dlg->m_pBtnRefresh);
    zeltest::PumpFor(50);
    EXPECT_EQ(main.events, (std::vector<std::string>{"fullscreen", "refresh"}));
    // Enter and Escape do not end it.
    dlg->SendMessage(WM_COMMAND, IDOK, 0);
    dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(::IsWindow(dlg->m_hWnd));
    // Its bottom-left corner resizes a normal main window, not a maximised one.
    main.ncPresses.clear();
    skintest::SendMouse(dlg->m_hWnd, WM_LBUTTONDOWN, 2, TITLE_BAR_HEIGHT - 2, MK_LBUTTON);
    skintest::SendMouse(dlg->m_hWnd, WM_LBUTTONUP, 2, TITLE_BAR_HEIGHT - 2);
    zeltest::PumpFor(20);
    ASSERT_FALSE(main.ncPresses.empty());
    EXPECT_EQ(main.ncPresses[0].first, WPARAM(HTBOTTOMLEFT));
    main.ShowWindow(SW_MAXIMIZE);
    main.ncPresses.clear();
    skintest::SendMouse(dlg->m_hWnd, WM_LBUTTONDOWN, 2, TITLE_BAR_HEIGHT - 2, MK_LBUTTON);
    skintest::SendMouse(dlg->m_hWnd, WM_LBUTTONUP, 2, TITLE_BAR_HEIGHT - 2);
    zeltest::PumpFor(20);
    for (const auto& press : main.ncPresses)
        EXPECT_NE(press.first, WPARAM(HTBOTTOMLEFT));
    main.ShowWindow(SW_RESTORE);
}

}  // namespace
