// Journeys through the real ZEL.exe, started as a user starts it, against the local test servers:
// the user types and clicks; the tests read the servers' log and what the screens show.
#include "tests/journeys/JourneyFixture.h"

namespace {

using namespace journey;

// Found here: with the screens' timers running from their creation the main dialog's modal loop
// never saw an empty queue and never showed the window (only the tray icon appeared).
TEST_F(JourneyTest, LogInShowsTheMainDialogAndTheQuitRequestEndsTheClient)
{
    HWND login = StartClient();
    ASSERT_NE(login, nullptr) << "no login window";
    ExpectShownAsPainted(L"journey_login");
    ASSERT_TRUE(journey::LogIn(login, L"kim", L"1234"));
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000001", 1, 20000)) << "no login request reached the server";
    const Json::Value request = m_control.Frames("tas", "M00000001")[0];
    EXPECT_NE(request.toStyledString().find("kim"), std::string::npos) << request.toStyledString();

    ASSERT_TRUE(journey::WaitUntil([&] { return (m_hMain = journey::FindMainWindow(m_client.Pid(), login)) != nullptr; },
                                   30000))
        << "no main dialog after the login";
    ::Sleep(2000);
    ExpectShownAsPainted(L"journey_main");

    ::PostMessageW(m_hMain, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
    EXPECT_TRUE(m_client.Wait(20000)) << "the client did not end on the quit request";
}

// J2: the meeting list answers the calendar and the search; the window keeps answering meanwhile.
TEST_F(JourneyTest, TheMeetingListFollowsTheCalendarAndTheSearchWithoutStalling)
{
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    journey::StallProbe probe;
    probe.Start(m_hMain);
    ::Sleep(1000);  // start-up is over once the first page is painted

    probe.Mark("next month");
    const size_t marks = m_control.Frames("tas", "M00000013").size();
    journey::ClickAt(m_hMain, 204, 354);  // the calendar's next-month arrow
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000013", marks + 1, 10000)) << "no month marks for the next month";
    const Json::Value month = m_control.Frames("tas", "M00000013")[(Json::ArrayIndex)marks];
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const int next = now.wMonth == 12 ? (now.wYear + 1) * 100 + 1 : now.wYear * 100 + now.wMonth + 1;
    EXPECT_NE(month.toStyledString().find(std::to_string(next)), std::string::npos) << month.toStyledString();

    probe.Mark("search");
    const size_t pages = m_control.Frames("tas", "M00000003").size();
    journey::ClickAt(m_hMain, 766, 106);  // the search button
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000003", pages + 1, 10000)) << "the search asked for no page";
    ::Sleep(1500);
    ExpectShownAsPainted(L"journey_search");
    ExpectNoStall(probe);
}

bool ChooseFromTheMenu(HWND hMain, DWORD pid, int x, int y);

// J3 and J4: a meeting's row opens its detail, which asks for the meeting and its attendees; its
// first document opens the meeting screen, which asks for them again as the meeting's reply window
// and for the chat history.
TEST_F(JourneyTest, AMeetingRowOpensTheDetailAndItsDocumentTheMeetingScreen)
{
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    ::Sleep(1500);
    journey::StallProbe probe;
    probe.Start(m_hMain);

    probe.Mark("detail");
    m_control.Command("clear_log");
    journey::ClickAt(m_hMain, 450, 230);  // the first row of today's meetings
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000005", 1, 10000)) << "the detail asked for no meeting";
    EXPECT_TRUE(m_control.WaitForFrames("tas", "M00000004", 1, 10000)) << "the detail asked for no attendees";
    EXPECT_NE(m_control.Frames("tas", "M00000005")[0].toStyledString().find("101"), std::string::npos);
    ::Sleep(1500);
    ExpectShownAsPainted(L"journey_detail");

    probe.Mark("meeting");
    m_control.Command("clear_log");
    journey::DoubleClickAt(m_hMain, 490, 333);  // the meeting's first document
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000005", 1, 10000)) << "the meeting screen asked for no meeting";
    EXPECT_TRUE(m_control.WaitForFrames("tas", "M00000004", 1, 10000)) << "the meeting screen asked for no attendees";
    EXPECT_TRUE(m_control.WaitForFrames("tas", "M00000032", 1, 10000)) << "the meeting screen asked for no chat";
    ::Sleep(3000);

    // The drawing palette floats over the title bar and stays there when the user clicks the
    // meeting screen (under an X display the raised main window once covered it).
    probe.Mark("palette");
    HWND palette = journey::FindPalette(m_client.Pid(), m_hMain);
    ASSERT_NE(palette, nullptr) << "no drawing palette over the meeting screen";
    RECT rcPalette;
    ::GetWindowRect(palette, &rcPalette);
    journey::ClickAt(palette, 22, 63 - rcPalette.top);  // its move tool
    journey::ClickAt(m_hMain, 200, 300);                                  // then beside the page
    ::Sleep(1000);
    HDC hScreen = ::GetDC(nullptr);
    const COLORREF swatch = ::GetPixel(hScreen, rcPalette.left + 199, 63);  // the palette's red colour button
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(GetRValue(swatch) > 180 && GetGValue(swatch) < 140 && GetBValue(swatch) < 140)
        << "the palette is not on the screen: " << std::hex << swatch;
    ExpectShownAsPainted(L"journey_meeting");
    ExpectNoStall(probe);
    // The string table speaks the skin's language: no English label among the Korean ones.
    HWND status = journey::FindDescendant(m_hMain, 35030);
    ASSERT_NE(status, nullptr) << "no meeting status button";
    EXPECT_EQ(journey::WindowText(status), L"회의 종료");
    // The running meeting's file box can be opened from the title bar.
    HWND fileBox = journey::FindDescendant(m_hMain, 34592);
    ASSERT_NE(fileBox, nullptr) << "no file box button";
    EXPECT_TRUE(::IsWindowVisible(fileBox) && ::IsWindowEnabled(fileBox)) << "the file box button is greyed";

    // The chat and documents column, opened by its handle on the right.
    journey::ClickAt(m_hMain, 1010, 100);
    ::Sleep(1500);
    ExpectShownAsPainted(L"journey_meeting_chat");
    journey::ClickAt(m_hMain, 1010, 100);
    ::Sleep(500);

    // The full view and back by the presenter's banner: the window has its size again and the
    // screen's tools are painted anew.
    RECT before;
    ::GetWindowRect(m_hMain, &before);
    HWND fullView = journey::FindDescendant(m_hMain, 34580);
    HWND canvas = journey::FindDescendant(m_hMain, 32600, 22750);
    ASSERT_TRUE(fullView && canvas) << "no full-view button or no whiteboard";
    RECT rcFullView;
    ::GetWindowRect(fullView, &rcFullView);
    journey::Picture fullViewBefore, fullViewAfter;
    ASSERT_TRUE(journey::ReadProcessPicture(fullViewBefore, &rcFullView));
    ASSERT_TRUE(journey::Click(fullView));
    ::Sleep(1500);
    ExpectShownAsPainted(L"journey_full_view");
    RECT rcCanvas;
    ::GetClientRect(canvas, &rcCanvas);
    journey::MoveMouseTo(canvas, POINT{rcCanvas.right / 2, 0});  // the top edge opens the banner
    ::Sleep(1200);
    HWND leave = journey::FindDescendant(canvas, 35060);
    ASSERT_NE(leave, nullptr) << "no banner with its leave button";
    ASSERT_TRUE(journey::Click(leave));
    ::Sleep(1500);
    RECT after;
    ::GetWindowRect(m_hMain, &after);
    EXPECT_TRUE(::EqualRect(&before, &after)) << "the window did not get its size back after the full view";
    journey::MoveMouseTo(m_hMain, POINT{500, 300});
    ::Sleep(500);
    ExpectShownAsPainted(L"journey_after_full_view");
    // Back from the full view, its button shows released again.
    ASSERT_TRUE(journey::ReadProcessPicture(fullViewAfter, &rcFullView));
    EXPECT_TRUE(fullViewBefore.pixels == fullViewAfter.pixels) << "the full-view button stays pressed";

    // The title bar's menu over the meeting screen, closed again with Escape: once the pointer
    // has left it, its button looks as it did before.
    HWND menuButton = journey::FindDescendant(m_hMain, 34500);
    ASSERT_NE(menuButton, nullptr) << "no menu button";
    RECT rcMenuButton;
    ::GetWindowRect(menuButton, &rcMenuButton);
    journey::Picture menuBefore, menuAfter;
    ASSERT_TRUE(journey::ReadProcessPicture(menuBefore, &rcMenuButton));
    journey::ClickAt(m_hMain, 875, 20);
    ::Sleep(800);
    ExpectShownAsPainted(L"journey_meeting_menu");
    journey::PressKey(VK_ESCAPE);
    ::Sleep(300);
    journey::MoveMouseTo(m_hMain, POINT{500, 300});
    ::Sleep(500);
    ASSERT_TRUE(journey::ReadProcessPicture(menuAfter, &rcMenuButton));
    EXPECT_TRUE(menuBefore.pixels == menuAfter.pixels) << "the menu button stays pressed after Escape";

    // The side panel, opened by the handle on its collapsed strip.
    HWND sideHandle = journey::FindDescendant(m_hMain, 34830);
    ASSERT_NE(sideHandle, nullptr) << "no handle on the side panel's strip";
    ASSERT_TRUE(journey::Click(sideHandle));
    ::Sleep(1500);
    journey::MoveMouseTo(m_hMain, POINT{500, 300});
    ::Sleep(300);
    ExpectShownAsPainted(L"journey_meeting_side_panel");
    // With both side columns open the bottom bar is narrow: its status button still shows whole,
    // over none of the bar's other controls.
    HWND statusButton = journey::FindDescendant(m_hMain, 35030);
    ASSERT_NE(statusButton, nullptr) << "no meeting status button";
    EXPECT_TRUE(::IsWindowVisible(statusButton));
    RECT rcStatus, rcBar;
    ::GetWindowRect(statusButton, &rcStatus);
    ::GetWindowRect(::GetParent(statusButton), &rcBar);
    RECT inBar;
    ::IntersectRect(&inBar, &rcStatus, &rcBar);
    EXPECT_TRUE(::EqualRect(&inBar, &rcStatus)) << "the status button is cut by its bar";
    for (HWND sibling = ::GetWindow(::GetParent(statusButton), GW_CHILD); sibling;
         sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        RECT rcSibling, overlap;
        if (sibling == statusButton || !::IsWindowVisible(sibling)) continue;
        ::GetWindowRect(sibling, &rcSibling);
        EXPECT_FALSE(::IntersectRect(&overlap, &rcSibling, &rcStatus))
            << "the status button lies over control " << ::GetDlgCtrlID(sibling);
    }

    // A chat message pushed while the chat pane is closed: the tray notice names its sender and
    // shows the message.
    HWND rightPane = journey::FindDescendant(m_hMain, 22740);
    ASSERT_NE(rightPane, nullptr) << "no right-hand pane";
    RECT rcPane;
    ::GetWindowRect(rightPane, &rcPane);
    if (rcPane.right - rcPane.left > 100) {
        ASSERT_TRUE(journey::Click(journey::FindDescendant(rightPane, 34730)));
        ::Sleep(1000);
    }
    Json::Value chat;
    chat["cmd"] = "push_sample";
    chat["id"] = "synchronization:03";
    chat["mtngId"] = "101";
    ASSERT_EQ(m_control.Control(chat)["sent"].asInt(), 1);
    HWND notice = nullptr;
    EXPECT_TRUE(journey::WaitUntil([&] {
        return (notice = journey::FindProcessWindow(m_client.Pid(), [](HWND h) {
                    return journey::ClassOf(h) == L"ZELTrayNotice" && ::IsWindowVisible(h);
                })) != nullptr;
    }, 5000)) << "no tray notice for the pushed chat message";
    ::Sleep(1200);
    ExpectShownAsPainted(L"journey_chat_notice");

    // Closing the program from the meeting screen asks first.
    ASSERT_TRUE(ChooseFromTheMenu(m_hMain, m_client.Pid(), 876, 186)) << "no menu";  // exit
    ::Sleep(800);
    // The question itself shows as painted; the palette leaves the display under it (open).
    ReportShown(L"journey_close_question");
    ASSERT_TRUE(ClickPopupAt(m_hMain, m_client.Pid(), 449, 348)) << "no question before the end";  // OK
    EXPECT_TRUE(m_client.Wait(20000)) << "the program did not end from its menu";
}

// J6: a push from the push server reaches the running client: it acknowledges the delivery and
// brings its meeting list up to date.
TEST_F(JourneyTest, APushIsAcknowledgedAndRefreshesTheList)
{
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    ::Sleep(1500);
    journey::StallProbe probe;
    probe.Start(m_hMain);
    probe.Mark("push");
    m_control.Command("clear_log");
    Json::Value push;
    push["cmd"] = "push_sample";
    push["id"] = "broadcasting:01";
    push["mtngId"] = "101";
    const Json::Value sent = m_control.Control(push);
    ASSERT_EQ(sent["sent"].asInt(), 1) << sent.toStyledString();
    ASSERT_TRUE(m_control.WaitForFrames("push", "M00000002", 1, 10000)) << "the push was not acknowledged";
    EXPECT_NE(m_control.Frames("push", "M00000002")[0].toStyledString().find(sent["uuids"][0].asString()),
              std::string::npos);
    EXPECT_TRUE(m_control.WaitForFrames("tas", "M00000003", 1, 10000)) << "the list was not refreshed";
    ::Sleep(1000);
    ExpectShownAsPainted(L"journey_push");
    ExpectNoStall(probe);
}

// Opens the title bar's menu and clicks the item at the screen point.
bool ChooseFromTheMenu(HWND hMain, DWORD pid, int x, int y)
{
    journey::ClickAt(hMain, 875, 20);  // the menu button
    return ClickPopupAt(hMain, pid, x, y);
}

// J5: the user logs out from the title bar's menu, logs in again and ends the program from the
// same menu.
TEST_F(JourneyTest, LogOutFromTheMenuLogInAgainAndExit)
{
    const std::wstring logFile = journey::ClientDataFolder() + L"ZELLog.txt";
    std::string before;
    zeltest::ReadFileBytes(logFile, before);
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    ::Sleep(1500);
    m_control.Command("clear_log");
    ASSERT_TRUE(ChooseFromTheMenu(m_hMain, m_client.Pid(), 889, 152)) << "no menu";  // log out

    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000023", 1, 10000)) << "no log-out request";
    HWND login = journey::WaitForDialogWithChild(m_client.Pid(), IDC_LOGIN_ID, 20000);
    ASSERT_NE(login, nullptr) << "no login window after the log-out";
    ASSERT_TRUE(journey::LogIn(login, L"kim", L"1234"));
    ASSERT_TRUE(journey::WaitUntil([&] { return (m_hMain = journey::FindMainWindow(m_client.Pid(), login)) != nullptr; },
                                   30000))
        << "no main dialog after logging in again";
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000003", 1, 20000)) << "the list asked for no page";
    ::Sleep(1500);
    ASSERT_TRUE(ChooseFromTheMenu(m_hMain, m_client.Pid(), 876, 186)) << "no menu";  // exit
    ::Sleep(500);
    ExpectShownAsPainted(L"journey_exit_question");
    ASSERT_TRUE(ClickPopupAt(m_hMain, m_client.Pid(), 449, 348)) << "no question before the end";  // OK
    EXPECT_TRUE(m_client.Wait(20000)) << "the program did not end from its menu";
    // What the client's log kept of it, in order.
    std::wstring log;
    journey::WaitUntil([&] { return (log = journey::ReadClientLog(logFile, before.size())).find(L"ZEL Log end") !=
                                    std::wstring::npos; }, 10000);
    size_t at = 0;
    for (const wchar_t* line : {L"Main dialog started for user 1001", L"Log out...", L"Logged in again as 1001",
                                L"PostQuitMessage...", L"Main dialog ended", L"ZEL Log end"}) {
        const size_t found = log.find(line, at);
        EXPECT_NE(found, std::wstring::npos) << "missing or out of order in the log: " << zeltest::Narrow(line);
        if (found != std::wstring::npos) at = found;
    }
}

}  // namespace
