// The list screen's rules without a window: filter tabs, the user label, the default range, when
// a page request counts as lost, the calendar's grid, colours, markers and hits, and how a row
// shows its meeting.
#include <gtest/gtest.h>

#include <json/json.h>

#include "screens/list/CalendarModel.h"
#include "screens/list/ListRows.h"
#include "screens/list/ListRules.h"
#include "resources/resource.h"

namespace {

TEST(ListRules, FilterTabsSwapTheirValuesBetweenTheKinds)
{
    struct Case {
        int tab;
        BOOL reports;
        int value;
    } cases[] = {
        {1039, FALSE, 0}, {1040, FALSE, 1}, {1041, FALSE, 2},
        {1039, TRUE, 0}, {1040, TRUE, 2}, {1041, TRUE, 1},
        {1094, FALSE, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilterValueForTab(c.tab, c.reports), c.value) << c.tab << " reports " << c.reports;
        if (c.value >= 0) EXPECT_EQ(FilterTabForValue(c.value, c.reports), c.tab);
    }
}

TEST(ListRules, UserLabelIsCutAtThirtyCharacters)
{
    EXPECT_EQ(MakeUserLabel(L"김민준", L"기획조정실"), CString(L"김민준 / 기획조정실"));
    const CString label = MakeUserLabel(L"Alexandra Konstantinopoulou", L"Information Strategy Office");
    EXPECT_EQ(label.GetLength(), 33);
    EXPECT_EQ(label, CString(L"Alexandra Konstantinopoulou / ...").Left(30) + L"...");
    EXPECT_EQ(MakeUserLabel(L"1234567890123", L"12345678901234").GetLength(), 30) << "exactly 30 stays whole";
}

TEST(ListRules, DefaultRangeStartsOnTheSameDayOfThePreviousMonth)
{
    EXPECT_EQ(DayText(SameDayPreviousMonth(CTime(2026, 3, 15, 0, 0, 0))), CString(L"20260215"));
    EXPECT_EQ(DayText(SameDayPreviousMonth(CTime(2026, 3, 31, 0, 0, 0))), CString(L"20260228"));
    EXPECT_EQ(DayText(SameDayPreviousMonth(CTime(2024, 3, 30, 0, 0, 0))), CString(L"20240229"));
    EXPECT_EQ(DayText(SameDayPreviousMonth(CTime(2026, 1, 10, 0, 0, 0))), CString(L"20251210"));
    EXPECT_EQ(StartOfDay(CTime(2026, 5, 6, 13, 14, 15)), CTime(2026, 5, 6, 0, 0, 0));
    EXPECT_EQ(MonthText(CTime(2026, 5, 6, 13, 14, 15)), CString(L"202605"));
}

TEST(ListRules, APageRequestIsLostOnlyWhenItsReplyCannotComeAnyMore)
{
    SPageRequestWatch watch;
    watch.tSent = CTime(2026, 5, 6, 10, 0, 0);
    watch.nTransactionId = 77;
    const CTime soon = watch.tSent + CTimeSpan(0, 0, 0, 5);
    const CTime late = watch.tSent + CTimeSpan(0, 0, 1, 10);
    EXPECT_FALSE(IsPageRequestLost(watch, soon, 70, true, true)) << "a slow reply keeps the screen busy";
    EXPECT_TRUE(IsPageRequestLost(watch, soon, 70, false, true)) << "the client dropped the request";
    EXPECT_TRUE(IsPageRequestLost(watch, soon, 70, true, false)) << "another window takes the replies";
    EXPECT_TRUE(IsPageRequestLost(watch, late, 70, true, true)) << "older than the client's give-up time";
    watch.nTransactionId = 0;
    EXPECT_FALSE(IsPageRequestLost(watch, soon, 70, false, true)) << "an unknown id says nothing";
}

TEST(ListRules, TheClockCanBeReplaced)
{
    SetListClock([] { return CTime(2030, 1, 2, 3, 4, 5); });
    EXPECT_EQ(ListNow(), CTime(2030, 1, 2, 3, 4, 5));
    SetListClock(nullptr);
    EXPECT_GT(ListNow().GetYear(), 2020);
}

TEST(ListRules, PagingComesFromTheFirstRowOrElseFromTheReply)
{
    struct Case {
        const char* json;
        int nCurrent, nTotal;
        const char* why;
    } cases[] = {
        {R"({"curPage":9,"totalPage":9,"list":[{"curPage":2,"totalPage":5}]})", 2, 5, "the first row wins"},
        {R"({"curPage":2,"totalPage":5,"list":[{"mtngId":"101"}]})", 2, 5, "only on the reply"},
        {R"({"curPage":"3","totalPage":"4","list":[{"mtngId":"101"}]})", 3, 4, "digit strings on the reply"},
        {R"({"totalPage":6,"list":[{"curPage":2}]})", 2, 6, "one value in each place"},
        {R"({"list":[{"mtngId":"101"}]})", 1, 0, "nowhere"},
        {R"({"curPage":2,"totalPage":5,"list":[]})", 1, 0, "an empty list"},
        {R"({"curPage":2,"totalPage":5})", 1, 0, "no list"},
    };
    for (const Case& c : cases) {
        Json::Value body;
        ASSERT_TRUE(Json::Reader().parse(c.json, body)) << c.json;
        const SListPaging paging = ReadListPaging(body);
        EXPECT_EQ(paging.nCurrentPage, c.nCurrent) << c.why;
        EXPECT_EQ(paging.nTotalPages, c.nTotal) << c.why;
    }
}

// ---- Calendar ----

class Calendar : public ::testing::Test {
protected:
    void SetUp() override { model.SetSize(250, 65 + 6 * 30); }   // columns 32, rows 30
    CCalendarModel model;
};

TEST_F(Calendar, AMonthStartingOnSaturdayWithThirtyOneDaysFillsSixRows)
{
    model.SetSelected(CTime(2026, 8, 10, 0, 0, 0));   // 1 August 2026 is a Saturday
    EXPECT_EQ(model.GetFirstColumn(), 6);
    EXPECT_EQ(model.GetDaysInMonth(), 31);
    EXPECT_EQ(model.GetColumnWidth(), 32);
    EXPECT_EQ(model.GetCellRect(model.CellOfDay(1)), CRect(10 + 6 * 32, 65, 10 + 7 * 32, 95));
    EXPECT_EQ(model.CellOfDay(31) / 7, 5) << "the 31st is in the sixth row";
    // The cells after the last day show the next month's days in grey and cannot be hit.
    EXPECT_EQ(model.ShownNumber(32), 1);
    EXPECT_EQ(model.NumberColor(32), CAL_NEXT_MONTH);
    const CRect after = model.GetCellRect(model.CellOfDay(32));
    EXPECT_EQ(model.HitTestDay(after.CenterPoint()), 0);
    // Empty cells before the first day give no date either.
    EXPECT_EQ(model.HitTestDay(model.GetCellRect(0).CenterPoint()), 0);
    EXPECT_EQ(model.HitTestDay(model.GetCellRect(model.CellOfDay(15)).CenterPoint()), 15);
    EXPECT_EQ(model.NumberColor(1), CAL_SATURDAY);
    EXPECT_EQ(model.NumberColor(2), CAL_SUNDAY);
    EXPECT_EQ(model.NumberColor(3), CAL_TEXT);
}

TEST_F(Calendar, FebruaryFollowsLeapYears)
{
    model.SetSelected(CTime(2024, 2, 10, 0, 0, 0));
    EXPECT_EQ(model.GetDaysInMonth(), 29);
    model.SetSelected(CTime(2025, 2, 10, 0, 0, 0));
    EXPECT_EQ(model.GetDaysInMonth(), 28);
    EXPECT_EQ(DayText(model.MonthStep(1)), CString(L"20250301"));
    model.SetSelected(CTime(2025, 12, 31, 0, 0, 0));
    EXPECT_EQ(DayText(model.MonthStep(1)), CString(L"20260101"));
    model.SetSelected(CTime(2026, 1, 31, 0, 0, 0));
    EXPECT_EQ(DayText(model.MonthStep(-1)), CString(L"20251201"));
}

TEST_F(Calendar, MarksColourTheNumbersAndPlaceTheDots)
{
    model.SetSelected(CTime(2026, 3, 1, 0, 0, 0));   // 1 March 2026 is a Sunday
    Json::Value list(Json::arrayValue);
    auto add = [&](int id, const char* type, const char* date) {
        Json::Value e;
        e["mtngId"] = id;
        e["mtngType"] = type;
        e["date"] = date;
        list.append(e);
    };
    add(1, "10", "20260301");   // Sunday, meetings only
    add(2, "10", "20260304");   // both kinds
    add(3, "30", "20260304");
    add(4, "30", "20260307");   // Saturday, reports only
    add(5, "99", "20260309");   // another type is not marked
    add(6, "10", "20260304");   // a later entry of the same day and kind replaces the value
    model.SetMarks(list);
    EXPECT_EQ(model.MeetingOf(L"20260304"), CString(L"6"));
    EXPECT_EQ(model.GetMarkCount(), 4u);

    EXPECT_EQ(model.NumberColor(1), CAL_SUNDAY) << "a Sunday keeps its colour with meetings";
    EXPECT_EQ(model.NumberColor(4), CAL_MARKED);
    EXPECT_EQ(model.NumberColor(7), CAL_MARKED) << "reports colour even a Saturday";
    EXPECT_EQ(model.NumberColor(9), CAL_TEXT);

    const CRect cell1 = model.GetCellRect(model.CellOfDay(1));
    const int centre1 = cell1.left + cell1.Width() / 2;
    CRect dot;
    ASSERT_TRUE(model.MeetingDot(1, dot));
    EXPECT_EQ(dot, CRect(centre1 - 2, cell1.bottom - 8, centre1 + 3, cell1.bottom - 3));
    EXPECT_FALSE(model.ReportDot(1, dot));

    const CRect cell4 = model.GetCellRect(model.CellOfDay(4));
    const int centre4 = cell4.left + cell4.Width() / 2;
    ASSERT_TRUE(model.MeetingDot(4, dot));
    EXPECT_EQ(dot.left, centre4 - 6);
    EXPECT_EQ(dot.right, centre4 - 1);
    ASSERT_TRUE(model.ReportDot(4, dot));
    EXPECT_EQ(dot.left, centre4 + 2);

    model.SetMarks(Json::Value(Json::arrayValue));
    EXPECT_EQ(model.GetMarkCount(), 0u);
}

// ---- Rows ----

TEST(ListRows, StatusIconsAndColours)
{
    struct Case {
        int status;
        int delay;
        UINT icon;
        bool grey;
    } cases[] = {
        {1, 0, IDB_LIST_STATUS_1, false}, {2, 0, IDB_LIST_STATUS_2, false}, {3, 0, IDB_LIST_STATUS_3, true},
        {4, 0, IDB_LIST_STATUS_4, true},  {6, 0, IDB_LIST_STATUS_4, true},  {7, 0, IDB_LIST_STATUS_4, true},
        {11, 0, IDB_LIST_STATUS_11, false}, {12, 0, IDB_LIST_STATUS_12, false},
        {13, 0, IDB_LIST_STATUS_13, false}, {14, 0, IDB_LIST_STATUS_14, true},
        {5, 0, 0, false}, {1, 1, IDB_LIST_STATUS_13, false}, {14, 1, IDB_LIST_STATUS_13, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowStatusIcon(c.status, c.delay), c.icon) << c.status;
        EXPECT_EQ(RowAccentColor(c.status), c.grey ? RGB(0xB2, 0xB2, 0xB2) : RGB(0x00, 0xBC, 0xD4)) << c.status;
        EXPECT_EQ(RowTitleColor(c.status), c.grey ? RGB(0xB2, 0xB2, 0xB2) : RGB(0x5A, 0x5A, 0x5A)) << c.status;
    }
}

SListRowData Report(int status)
{
    SListRowData r;
    r.bReport = 1;
    r.nStatus = status;
    r.tStart = CTime(2026, 5, 6, 14, 30, 0);
    r.tEnd = CTime(2026, 5, 6, 15, 0, 0);
    return r;
}

TEST(ListRows, FirstLineOfReportsAndMeetings)
{
    // A delayed report that has ended keeps the delay colour for every piece.
    SListRowData delayed = Report(14);
    delayed.bDelay = 1;
    std::vector<SRowTextPart> parts = RowFirstLine(delayed);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].strText, CString(L"보고지연"));
    for (const SRowTextPart& p : parts) EXPECT_EQ(p.clr, RGB(0xF2, 0x59, 0x6F));
    EXPECT_EQ(parts[1].strText, CString(L" (대면)"));
    EXPECT_EQ(parts[2].strText.Right(6), CString(L" 14:30"));

    // A paper report shows its date without a time, in brown after the label.
    SListRowData paper = Report(12);
    paper.bPaper = 1;
    parts = RowFirstLine(paper);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].clr, RGB(0x66, 0x66, 0x66));
    EXPECT_EQ(parts[1].strText, CString(L" (서면)"));
    EXPECT_EQ(parts[1].clr, RGB(0x84, 0x3C, 0x0C));
    EXPECT_EQ(parts[2].strText.Left(12), CString(L" 2026.05.06("));
    EXPECT_EQ(parts[2].strText.Find(L":"), -1);

    SListRowData meeting;
    meeting.nStatus = 1;
    meeting.nMeetingType = 1;
    meeting.tStart = CTime(2026, 5, 6, 9, 5, 0);
    meeting.tEnd = CTime(2026, 5, 6, 10, 0, 0);
    parts = RowFirstLine(meeting);
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0].strText.Left(11), CString(L"2026.05.06("));
    EXPECT_EQ(parts[0].strText.Right(14), CString(L" 09:05 ~ 10:00"));
    meeting.nMeetingType = 2;
    EXPECT_TRUE(RowFirstLine(meeting).empty()) << "a meeting of type 2 has no first line";
}

TEST(ListRows, UrgentPrefixOnlyForReportsAndFlagIconsFromTheRight)
{
    SListRowData meeting;
    meeting.bUrgent = 1;
    meeting.nMeetingType = 13;
    EXPECT_TRUE(RowTitlePrefix(meeting).IsEmpty());
    std::vector<SRowFlagIcon> icons = RowFlagIcons(meeting);
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].nBitmap, (UINT)IDB_LIST_FLAG_URGENT);
    EXPECT_EQ(icons[1].nBitmap, (UINT)IDB_LIST_FLAG_OPEN);

    SListRowData report = Report(11);
    report.bUrgent = 1;
    report.bFeedback = 1;
    report.bNote = 1;
    report.nReportUserType = 2;
    report.bHiddenUser = 1;
    EXPECT_EQ(RowTitlePrefix(report), CString(L"[긴급]"));
    icons = RowFlagIcons(report);
    const UINT order[] = {IDB_LIST_FLAG_FEEDBACK, IDB_LIST_FLAG_NOTE, IDB_LIST_FLAG_REPORTER, IDB_LIST_FLAG_URGENT,
                          IDB_LIST_FLAG_HIDDEN};
    ASSERT_EQ(icons.size(), 5u);
    for (size_t i = 0; i < icons.size(); ++i) EXPECT_EQ(icons[i].nBitmap, order[i]);
    EXPECT_EQ(icons[0].nStep, 60);
    EXPECT_EQ(icons[0].cx, 53);
    EXPECT_EQ(icons[1].nStep, 35);

    SListRowData type12;
    type12.nMeetingType = 12;
    icons = RowFlagIcons(type12);
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].cx, 17);
    EXPECT_EQ(icons[0].cy, 21);
    EXPECT_EQ(icons[0].y, 16);
}

}  // namespace
