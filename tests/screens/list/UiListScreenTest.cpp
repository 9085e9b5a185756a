// The meeting list screen as a user meets it, against the local test servers: the first list,
// paging with the "more" row, the filter and kind tabs, the search bar, the calendar's marks and
// its day box across midnight, a click that opens the detail (or asks first), and a lost list
// reply that must not leave the screen locked.
#include "tests/screens/list/ListScreenTestSupport.h"

#include "core/ClientMessages.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "net/protocol/TasClientManager.h"
#include "resources/resource.h"
#include "ui/skin/SkinObject.h"

using namespace listtest;

namespace {

const int kCrowdedDay = 3;     // the test data's day with 200 meetings
const int kReportDay = 2;      // the test data's day with four reports

CTime DayFromToday(int nDays)
{
    return StartOfDay(ListNow()) + CTimeSpan(nDays, 0, 0, 0);
}

TEST_F(ListScreenTest, FirstListCountsAndMarksOfToday)
{
    OpenScreen();
    const Json::Value counts = Frames("tas", nullptr, "M00000002");
    ASSERT_GE(counts.size(), 1u);
    EXPECT_EQ(counts[0]["body"]["mtngType"].asString(), "10");
    EXPECT_EQ(counts[0]["body"]["date"].asString(), std::string(CT2A(Today())));
    EXPECT_EQ(counts[0]["body"]["seperator"].asInt(), 1);
    const Json::Value month = Frames("tas", nullptr, "M00000013");
    ASSERT_GE(month.size(), 1u);
    EXPECT_EQ(month[0]["body"]["month"].asString(), std::string(CT2A(MonthText(ListNow()))));

    const Json::Value page = LastPage();
    EXPECT_EQ(page["startDate"].asString(), std::string(CT2A(Today())));
    EXPECT_EQ(page["endDate"].asString(), std::string(CT2A(Today())));
    EXPECT_EQ(page["pageNum"].asInt(), 30);
    EXPECT_EQ(page["startPage"].asInt(), 1);
    EXPECT_EQ(page["main"].asInt(), 0);
    EXPECT_EQ(page["seperator"].asString(), "1");

    // Today's meetings of the user (two of his own and one open meeting), no "more" row.
    const std::vector<std::wstring> ids = RowIds();
    EXPECT_EQ(ids, (std::vector<std::wstring>{L"101", L"106", L"102"}));
    EXPECT_FALSE(EndsWithMore());
    EXPECT_EQ(m_pScreen->GetCountText(), CString(L"3"));
    EXPECT_EQ(m_pScreen->GetUserLabelText(), CString(L"김민준 / 기획조정실"));
    const CCalendarModel& model = m_pScreen->GetCalendar().GetModel();
    EXPECT_TRUE(model.HasMeeting(DayText(ListNow())));
    EXPECT_TRUE(model.HasReport(DayText(ListNow())));
    // Today has both kinds: a meeting dot on the left and a report dot on the right.
    CRect dot;
    ASSERT_TRUE(model.MeetingDot(ListNow().GetDay(), dot));
    EXPECT_EQ(Pixel(m_pScreen->GetCalendar().GetSafeHwnd(), dot.left + 2, dot.top + 2), CAL_MEETING_DOT);
    ASSERT_TRUE(model.ReportDot(ListNow().GetDay(), dot));
    EXPECT_EQ(Pixel(m_pScreen->GetCalendar().GetSafeHwnd(), dot.left + 2, dot.top + 2), CAL_REPORT_DOT);
    EXPECT_FALSE(m_main.ids.size());
    EXPECT_TRUE(m_boxes.Texts().empty());

    // The count in the today box, the list panel and the calendar are painted.
    const HWND screen = m_pScreen->GetSafeHwnd();
    EXPECT_EQ(Pixel(screen, 5, 300), RGB(0xE8, 0xE9, 0xF0));
    EXPECT_EQ(Pixel(screen, 20, 145), RGB(255, 255, 255)) << "the today box";
    EXPECT_TRUE(SaveScreenshot(screen, L"meeting_list"));
    EXPECT_TRUE(SaveScreenshot(m_pScreen->GetCalendar().GetSafeHwnd(), L"calendar"));
}

TEST_F(ListScreenTest, CrowdedDayIsPagedByTheMoreRow)
{
    OpenScreen();
    size_t pages = PageFrames().size();
    ClickDay(DayFromToday(kCrowdedDay));
    pages = PageFrames().size();
    ASSERT_TRUE(WaitForPages(pages));
    EXPECT_EQ(LastPage()["startDate"].asString(), std::string(CT2A(DayText(DayFromToday(kCrowdedDay)))));
    EXPECT_EQ(RowIds().size(), 30u);
    EXPECT_TRUE(EndsWithMore());
    EXPECT_EQ(m_pScreen->GetTotalPages(), 7);
    EXPECT_EQ(m_pScreen->GetList()->CountRows(MAINLIST_ROW_MORE), 1);

    // Pressing a row and releasing on another does nothing.
    CMainListCtrl* list = m_pScreen->GetList();
    list->UpdateWindow();
    const CRect r0(list->FindItem(0)->rcItem);
    const CRect r1(list->FindItem(1)->rcItem);
    Click(list->GetSafeHwnd(), CPoint(r0.left + 50, r0.top + 30), CPoint(r1.left + 50, r1.top + 30));
    EXPECT_TRUE(m_main.modes.empty());

    ClickRow(list->GetItemCount() - 1);
    ASSERT_TRUE(WaitForPages(pages + 1));
    EXPECT_EQ(LastPage()["startPage"].asInt(), 2);
    EXPECT_EQ(RowIds().size(), 60u) << "page 2 appends";
    EXPECT_EQ(m_pScreen->GetList()->CountRows(MAINLIST_ROW_MORE), 1) << "exactly one more row after every fill";
    EXPECT_TRUE(EndsWithMore());
    EXPECT_EQ(RowIds()[30], L"50030");
    // Every page up to the last; the last has no "more" row.
    for (int page = 3; page <= 7; ++page) {
        ClickRow(m_pScreen->GetList()->GetItemCount() - 1);
        ASSERT_TRUE(WaitForPages(pages + page - 1));
    }
    EXPECT_EQ(RowIds().size(), 200u);
    EXPECT_FALSE(EndsWithMore());
    EXPECT_EQ(m_pScreen->GetCurrentPage(), 7);
}

TEST_F(ListScreenTest, FilterAndKindTabsAskWithTheirValues)
{
    OpenScreen();
    ClickDay(DayFromToday(kReportDay));
    size_t pages = PageFrames().size();
    ASSERT_TRUE(WaitForPages(pages));
    EXPECT_TRUE(RowIds().empty()) << "no meetings on the report day";
    // The empty look names the kind that is missing.
    CMainListCtrl* list = m_pScreen->GetList();
    EXPECT_EQ(list->m_EmptyScreen.FindObject(L"textMeeting")->m_nVisible, 1);
    EXPECT_EQ(list->m_EmptyScreen.FindObject(L"textReport")->m_nVisible, 0);
    EXPECT_FALSE(EndsWithMore());

    // Meetings: the middle tab is value 1, the right one 2; the selected tab asks nothing.
    ClickTab(IDC_LIST_TAB_MIDDLE);
    ASSERT_TRUE(WaitForPages(++pages));
    EXPECT_EQ(LastPage()["main"].asInt(), 1);
    ClickTab(IDC_LIST_TAB_MIDDLE);
    ClickTab(IDC_LIST_TAB_RIGHT);
    ASSERT_TRUE(WaitForPages(++pages));
    EXPECT_EQ(LastPage()["main"].asInt(), 2);
    EXPECT_EQ(PageFrames().size(), pages);

    // Reports: counts of the kind first, then the list of the day from their reply.
    ClickTab(IDC_LIST_TAB_REPORTS);
    ASSERT_TRUE(WaitForPages(++pages));
    EXPECT_EQ(m_pScreen->IsReportMode(), 1);
    const Json::Value counts = Frames("tas", nullptr, "M00000002");
    EXPECT_EQ(counts[counts.size() - 1]["body"]["mtngType"].asString(), "30");
    EXPECT_EQ(LastPage()["mtngType"].asString(), "30");
    EXPECT_EQ(LastPage()["main"].asInt(), 0) << "the kind starts unfiltered";
    EXPECT_EQ(RowIds(), (std::vector<std::wstring>{L"51000", L"51001", L"51002", L"51003"}));
    EXPECT_EQ(m_main.title.titles, (std::vector<std::wstring>{L"온라인 보고"}));
    CMainSearch* search = m_pScreen->GetSearch();
    EXPECT_EQ(search->m_pSearchBox->m_edit.m_strHint, CString(L"보고 제목을 입력하세요"));
    EXPECT_EQ(search->GetHintText(0), CString(L"회의 제목을 입력하세요"));
    EXPECT_TRUE(SaveScreenshot(m_pScreen->GetSafeHwnd(), L"meeting_list_reports"));

    ClickTab(IDC_LIST_TAB_MIDDLE);
    ASSERT_TRUE(WaitForPages(++pages));
    EXPECT_EQ(LastPage()["main"].asInt(), 2);
    EXPECT_EQ(RowIds(), (std::vector<std::wstring>{L"51003"})) << "ended reports";
    ClickTab(IDC_LIST_TAB_RIGHT);
    ASSERT_TRUE(WaitForPages(++pages));
    EXPECT_EQ(LastPage()["main"].asInt(), 1);
    EXPECT_EQ(RowIds().size(), 3u);
    // Back to meetings: the hint follows the kind, the filter starts again at 0.
    ClickTab(IDC_LIST_TAB_MEETINGS);
    ASSERT_TRUE(WaitForPages(++pages));
    EXPECT_EQ(m_pScreen->IsReportMode(), 0);
    EXPECT_EQ(LastPage()["main"].asInt(), 0);
    EXPECT_EQ(search->m_pSearchBox->m_edit.m_strHint, search->GetHintText(0));
    EXPECT_EQ(m_main.title.titles.back(), L"온라인 회의");
}

TEST_F(ListScreenTest, SearchAsksTheRangeAndRefreshRepeatsIt)
{
    OpenScreen();
    size_t pages = PageFrames().size();
    CMainSearch* search = m_pScreen->GetSearch();
    ASSERT_NE(search->m_pStartDate, nullptr);
    ASSERT_NE(search->m_pSearchBox, nullptr);
    search->SetDates(DayFromToday(-70), DayFromToday(40));
    // A start after the end moves the end, and an end before the start moves the start.
    SYSTEMTIME st;
    DayFromToday(50).GetAsSystemTime(st);
    search->m_pStartDate->m_date.SetSystemTime(search, st);
    search->OnObjectEvent(SKINEVENT_DATE_PICKED, search->m_pStartDate);
    EXPECT_EQ(DayText(search->GetEndDate()), DayText(DayFromToday(50)));
    DayFromToday(-70).GetAsSystemTime(st);
    search->m_pEndDate->m_date.SetSystemTime(search, st);
    search->OnObjectEvent(SKINEVENT_DATE_PICKED, search->m_pEndDate);
    EXPECT_EQ(DayText(search->GetStartDate()), DayText(DayFromToday(-70)));
    DayFromToday(40).GetAsSystemTime(st);
    search->m_pEndDate->m_date.SetSystemTime(search, st);
    search->OnObjectEvent(SKINEVENT_DATE_PICKED, search->m_pEndDate);

    // Typed text, then the search button.
    search->m_pSearchBox->m_edit.SetText(L"월간");
    search->OnObjectEvent(SKINEVENT_EDIT_CHANGE, search->m_pSearchBox);
    EXPECT_EQ(search->GetSearchText(), CString(L"월간"));
    SKIN_OBJECT* button = search->m_Screen.FindObject(L"btnSearch");
    ASSERT_NE(button, nullptr);
    const CRect rcButton(button->m_rcObject);
    Click(search->GetSafeHwnd(), rcButton.CenterPoint());
    ASSERT_TRUE(WaitForPages(++pages));
    Json::Value page = LastPage();
    EXPECT_EQ(page["searchString"].asString(), "월간");
    EXPECT_EQ(page["startDate"].asString(), std::string(CT2A(DayText(DayFromToday(-70)))));
    EXPECT_EQ(page["endDate"].asString(), std::string(CT2A(DayText(DayFromToday(40)))));
    EXPECT_EQ(RowIds(), (std::vector<std::wstring>{L"52002", L"107", L"52004"}));
    EXPECT_TRUE(m_pScreen->IsSearchMode());

    // The cancel button changes nothing; Ctrl+Enter does not search.
    SKIN_OBJECT* cancel = search->m_Screen.FindObject(L"btnSearchCancel");
    Click(search->GetSafeHwnd(), CRect(cancel->m_rcObject).CenterPoint());
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    search->OnObjectEvent(SKINEVENT_EDIT_ENTER, search->m_pSearchBox);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(PageFrames().size(), pages);
    EXPECT_EQ(search->GetSearchText(), CString(L"월간"));

    // A refresh repeats the searched range with the text now in the box, on page 1.
    search->m_pSearchBox->m_edit.SetText(L"");
    search->OnObjectEvent(SKINEVENT_EDIT_CHANGE, search->m_pSearchBox);
    m_pInterface->RefreshList();
    ASSERT_TRUE(WaitForPages(pages + 1));
    page = PageFrames()[(Json::ArrayIndex)pages]["body"];
    EXPECT_EQ(page["searchString"].asString(), "");
    EXPECT_EQ(page["startDate"].asString(), std::string(CT2A(DayText(DayFromToday(-70)))));
    EXPECT_EQ(page["startPage"].asInt(), 1);

    // Enter in the box searches; an empty text searches the whole range.
    pages = PageFrames().size();
    search->OnObjectEvent(SKINEVENT_EDIT_ENTER, search->m_pSearchBox);
    ASSERT_TRUE(WaitForPages(pages + 1));
    EXPECT_GE(RowIds().size(), 30u);
    EXPECT_EQ(LastPage()["searchString"].asString(), "");

    // A day picked on the calendar ends the search and asks that month's marks again.
    const size_t months = Frames("tas", nullptr, "M00000013").size();
    pages = PageFrames().size();
    ClickDay(StartOfDay(m_pScreen->GetCalendar().GetSelectedDate()));
    ASSERT_TRUE(WaitForPages(pages + 1));
    EXPECT_FALSE(m_pScreen->IsSearchMode());
    EXPECT_EQ(Frames("tas", nullptr, "M00000013").size(), months + 1);
}

TEST_F(ListScreenTest, CalendarMonthsMarksAndTheKindQuestion)
{
    OpenScreen();
    size_t pages = PageFrames().size();
    CMeetingCalendar& cal = m_pScreen->GetCalendar();
    const CTime today = StartOfDay(ListNow());
    // A day in the same month asks only its page; another month asks the month's marks first.
    const size_t months = Frames("tas", nullptr, "M00000013").size();
    ClickCalendarButton(IDC_CAL_NEXT_MONTH);
    ASSERT_TRUE(WaitForPages(++pages));
    EXPECT_EQ(Frames("tas", nullptr, "M00000013").size(), months + 1);
    EXPECT_EQ(cal.GetSelectedDate().GetDay(), 1);
    ClickCalendarButton(IDC_CAL_PREV_MONTH);
    ASSERT_TRUE(WaitForPages(++pages));
    EXPECT_EQ(Frames("tas", nullptr, "M00000013").size(), months + 2);
    EXPECT_EQ(cal.GetSelectedDate().GetMonth(), today.GetMonth());
    PumpUntil([&] { return cal.GetModel().HasMeeting(DayText(today)); }, 5000);

    // The report day has only reports: on the meetings tab the calendar asks to move; "no" loads
    // that day's meetings, "yes" selects it and switches to the reports tab.
    const CTime reportDay = DayFromToday(kReportDay);
    if (reportDay.GetMonth() == today.GetMonth()) {
        m_main.popupAnswer = IDCANCEL;
        ClickDay(reportDay);
        ASSERT_TRUE(WaitForPages(++pages));
        ASSERT_EQ(m_main.popups.size(), 1u);
        EXPECT_EQ(m_main.popups[0], L"보고만 있는 날짜 입니다. \n보고로 이동하시겠습니까?");
        EXPECT_EQ(m_pScreen->IsReportMode(), 0);
        m_main.popupAnswer = IDOK;
        ClickDay(today);
        ASSERT_TRUE(WaitForPages(++pages));
        ClickDay(reportDay);
        ASSERT_TRUE(WaitForPages(++pages));
        EXPECT_EQ(m_pScreen->IsReportMode(), 1);
        EXPECT_EQ(LastPage()["mtngType"].asString(), "30");
        EXPECT_EQ(LastPage()["startDate"].asString(), std::string(CT2A(DayText(reportDay))));
        EXPECT_EQ(RowIds().size(), 4u);
    }
    // Clicking the selected day again reloads it.
    const size_t before = PageFrames().size();
    ClickDay(StartOfDay(cal.GetSelectedDate()));
    ASSERT_TRUE(WaitForPages(before + 1));
}

TEST_F(ListScreenTest, TodayFollowsTheClockAcrossMidnight)
{
    CTime now(2026, 5, 13, 23, 59, 30);
    SetListClock([&] { return now; });
    OpenScreen(false);
    CMeetingCalendar& cal = m_pScreen->GetCalendar();
    EXPECT_EQ(DayText(cal.GetSelectedDate()), CString(L"20260513"));
    EXPECT_EQ(DayText(m_pScreen->GetEndDate()), CString(L"20260513"));
    EXPECT_EQ(DayText(m_pScreen->GetStartDate()), CString(L"20260413"));
    cal.SetDate(CTime(2026, 5, 20, 0, 0, 0), 1);   // another selected day, label only
    const CCalendarModel& model = cal.GetModel();
    auto boxPixel = [&](int nDay) {
        const CRect cell = model.GetCellRect(model.CellOfDay(nDay));
        return Pixel(cal.GetSafeHwnd(), cell.left + 3, cell.top + cell.Height() / 2);
    };
    EXPECT_EQ(boxPixel(13), CAL_TODAY_BOX);
    EXPECT_EQ(boxPixel(14), RGB(255, 255, 255));
    EXPECT_EQ(boxPixel(20), CAL_SELECTED_BOX);

    // Past midnight the box moves to the new day and today's count is asked for it, while the
    // list stays where the user left it.
    const size_t counts = Frames("tas", nullptr, "M00000002").size();
    now = CTime(2026, 5, 14, 0, 0, 30);
    m_pScreen->SendMessage(WM_TIMER, 2, 0);
    EXPECT_EQ(boxPixel(13), RGB(255, 255, 255));
    EXPECT_EQ(boxPixel(14), CAL_TODAY_BOX);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000002", counts + 1));
    const Json::Value frames = Frames("tas", nullptr, "M00000002");
    EXPECT_EQ(frames[frames.size() - 1]["body"]["date"].asString(), "20260514");
    PumpUntil([] { return false; }, 500);
    EXPECT_TRUE(PageFrames().empty()) << "the count of a new day does not reload the list";

    // The today box takes the calendar to the new day and loads it.
    const CPoint box(100, 200);
    Click(m_pScreen->GetSafeHwnd(), box);
    ASSERT_TRUE(WaitForPages(1));
    EXPECT_EQ(DayText(cal.GetSelectedDate()), CString(L"20260514"));
    EXPECT_EQ(LastPage()["startDate"].asString(), "20260514");

    // After a re-login the main dialog puts the calendar back on today.
    cal.SetDate(CTime(2026, 4, 2, 0, 0, 0), 1);
    m_pInterface->ResetCalendarToToday();
    ASSERT_TRUE(WaitForPages(2));
    EXPECT_EQ(DayText(cal.GetSelectedDate()), CString(L"20260514"));
}

TEST_F(ListScreenTest, ClickOpensTheDetailOrAsksFirstForAnOpenMeeting)
{
    OpenScreen();
    ClickRow(0);
    ASSERT_EQ(m_main.modes.size(), 1u);
    EXPECT_EQ(m_main.modes[0], ZEL_MODE_DETAIL);
    EXPECT_EQ(m_main.ids[0], L"101");

    // Meeting 106 is open to all and the user is no attendee: the attendees are asked first.
    m_main.popupAnswer = IDCANCEL;
    ClickRow(1);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000004", 1));
    EXPECT_EQ(Frames("tas", nullptr, "M00000004")[0]["body"]["mtngId"].asString(), "106");
    ASSERT_TRUE(PumpUntil([&] { return m_main.popups.size() == 1; }));
    CString question;
    question.LoadString(IDS_LIST_NOT_ATTENDEE);
    EXPECT_EQ(m_main.popups[0], question.GetString());
    EXPECT_EQ(m_main.modes.size(), 1u) << "no opens it not";
    m_main.popupAnswer = IDOK;
    ClickRow(1);
    ASSERT_TRUE(PumpUntil([&] { return m_main.modes.size() == 2; }));
    EXPECT_EQ(m_main.ids[1], L"106");
}

TEST_F(ListScreenTest, AttendanceAnswerForARowThatChangedOpensNothing)
{
    OpenScreen();
    Json::Value hold;
    hold["cmd"] = "hold";
    hold["server"] = "tas";
    hold["msg"] = "M00000004";
    Control(hold);
    m_main.popupAnswer = IDOK;
    ClickRow(1);   // the open meeting 106: its attendees are asked
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000004", 1));
    // Meanwhile the user moves to the crowded day: row 1 is another meeting now.
    ClickDay(DayFromToday(kCrowdedDay));
    Json::Value release;
    release["cmd"] = "release";
    Control(release);
    PumpUntil([] { return false; }, 800);
    EXPECT_TRUE(m_main.popups.empty());
    EXPECT_TRUE(m_main.modes.empty()) << "the answer was for meeting 106, which the row no longer shows";
}

TEST_F(ListScreenTest, LostListReplyDoesNotLockTheScreen)
{
    CTime now = ListNow();
    SetListClock([&] { return now; });
    OpenScreen();
    size_t pages = PageFrames().size();
    const CTime selected = m_pScreen->GetCalendar().GetSelectedDate();
    // The server keeps the next list reply.
    Json::Value hold;
    hold["cmd"] = "hold";
    hold["server"] = "tas";
    hold["msg"] = "M00000003";
    Control(hold);
    ClickDay(DayFromToday(kCrowdedDay).GetMonth() == selected.GetMonth() ? DayFromToday(kCrowdedDay)
                                                                          : StartOfDay(selected),
             false);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000003", ++pages));
    EXPECT_TRUE(m_pScreen->IsBusy());
    const CTime busyDay = m_pScreen->GetCalendar().GetSelectedDate();

    // While the reply is merely slow: no date change, no tab, no second request.
    m_pScreen->GetCalendar().SendMessage(WM_COMMAND, IDC_CAL_NEXT_MONTH, 0);
    EXPECT_EQ(m_pScreen->GetCalendar().GetSelectedDate(), busyDay);
    ClickTab(IDC_LIST_TAB_RIGHT);
    m_pInterface->RefreshList();
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(PageFrames().size(), pages);
    EXPECT_TRUE(m_pScreen->IsBusy());

    // Once the client itself would have given the request up, a refresh asks again and the list
    // comes. The late reply of the lost request, arriving while the new one is out, neither ends
    // the wait nor shows the older list.
    Json::Value delay;
    delay["cmd"] = "rule";
    delay["server"] = "tas";
    delay["msg"] = "M00000003";
    delay["delay"] = 2.0;
    Control(delay);
    now += CTimeSpan(0, 0, 5, 0);
    m_pInterface->RefreshList();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000003", pages + 1));
    EXPECT_TRUE(m_pScreen->IsBusy());
    Json::Value release;
    release["cmd"] = "release";
    Control(release);
    PumpUntil([] { return false; }, 600);
    EXPECT_TRUE(m_pScreen->IsBusy()) << "the late reply was taken for the new request";
    ASSERT_TRUE(WaitForPages(pages + 1));
    EXPECT_FALSE(m_pScreen->IsBusy());
    EXPECT_EQ(LastPage()["startDate"].asString(), std::string(CT2A(DayText(busyDay))));
    EXPECT_TRUE(m_boxes.Texts().empty());

    // A reply that goes to another window (another screen took the replies) is lost at once.
    Control(hold);
    ClickTab(IDC_LIST_TAB_MIDDLE);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000003", pages + 2));
    EXPECT_TRUE(m_pScreen->IsBusy());
    CTasClientManager::GetInstance()->SetListener(m_listener.Handle());
    EXPECT_FALSE(m_pScreen->IsBusy());
    Control(release);
}

TEST_F(ListScreenTest, MissingEmployeeNumberIsAskedAfterTheList)
{
    CLoginManager::GetInstance()->SetSawonNo(L"");
    OpenScreen();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000006", 1));
    EXPECT_EQ(Frames("tas", nullptr, "M00000006")[0]["body"]["userIdnfr"].asInt(), 1001);
    ASSERT_TRUE(PumpUntil([] { return !CLoginManager::GetInstance()->GetSawonNo().IsEmpty(); }));
    EXPECT_EQ(CLoginManager::GetInstance()->GetSawonNo(), CString(L"kim"));
}

TEST_F(ListScreenTest, WaitCursorAndEdgeResizingGoToTheMainDialog)
{
    OpenScreen();
    MSG msg;
    while (::PeekMessageW(&msg, m_host.GetSafeHwnd(), 0, 0, PM_REMOVE)) {
    }
    // A list request turns the main dialog's wait cursor on; its reply turns it off.
    ClickTab(IDC_LIST_TAB_MIDDLE);
    EXPECT_TRUE(::PeekMessageW(&msg, m_host.GetSafeHwnd(), WM_LIST_WAIT_CURSOR_ON, WM_LIST_WAIT_CURSOR_ON, PM_REMOVE));
    const size_t nOff = m_host.Count(WM_LIST_WAIT_CURSOR_OFF);
    ASSERT_TRUE(PumpUntil([&] { return !m_pScreen->GetBusyFlag(); }));
    EXPECT_TRUE(PumpUntil([&] { return m_host.Count(WM_LIST_WAIT_CURSOR_OFF) == nOff + 1; }));

    // A press on the screen's lower right corner starts the main window's own resize.
    CRect client;
    m_pScreen->GetClientRect(&client);
    ::SendMessageW(m_pScreen->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                   MAKELPARAM(client.right - 2, client.bottom - 2));
    ASSERT_TRUE(::PeekMessageW(&msg, m_host.GetSafeHwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(msg.wParam, (WPARAM)HTBOTTOMRIGHT);
    ::SendMessageW(m_pScreen->GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(client.right - 2, client.bottom - 2));
    // In the middle nothing is posted.
    ::SendMessageW(m_pScreen->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 600));
    EXPECT_FALSE(::PeekMessageW(&msg, m_host.GetSafeHwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    ::SendMessageW(m_pScreen->GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(150, 600));

    // Esc on the list is the main window's hide command; Enter does nothing.
    m_pScreen->SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(m_host.commands.empty());
    m_pScreen->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(m_host.commands, std::vector<UINT>{ID_CMD_HIDE_WINDOW});
}

TEST_F(ListScreenTest, MainDialogSwitchClearsBusyAndReplyErrorsAreShown)
{
    OpenScreen();
    m_pInterface->SetBusy(1);
    EXPECT_TRUE(m_pScreen->GetBusyFlag());
    m_pInterface->SetBusy(0);
    EXPECT_FALSE(m_pScreen->GetBusyFlag());

    Json::Value rule;
    rule["cmd"] = "status_next";
    rule["server"] = "tas";
    rule["msg"] = "M00000003";
    rule["status"] = 9;
    Control(rule);
    const std::vector<std::wstring> ids = RowIds();
    const size_t pages = PageFrames().size();
    ClickTab(IDC_LIST_TAB_MIDDLE);
    ASSERT_TRUE(WaitForPages(pages + 1));
    EXPECT_FALSE(m_pScreen->GetBusyFlag()) << "an error reply ends the wait too";
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_EQ(m_boxes.Texts()[0], L"The results of the M00000003 : 9");
    EXPECT_EQ(RowIds(), ids) << "the list keeps what it shows";
}

}  // namespace
