// What the meeting detail screen and the minutes panels decide without a window.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "screens/detail/DetailRules.h"

using namespace detailrules;

namespace {

TEST(DetailRules, FileTypePictureByTheLastExtensionInAnyCase)
{
    const struct { const wchar_t* name; int image; } cases[] = {
        {L"REPORT.PDF", 9}, {L"a.tar.gz", 3}, {L"readme", 3}, {L"pdf", 9}, {L"plan.hwp", 7},
        {L"clip.MOV", 10}, {L"x.player", 10}, {L"sheet.xlsx", 17}, {L"old.etc", 4}, {L"data.csv", 3},
        {L"\xD68C\xC758\xC790\xB8CC.pptx", 13},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetFileTypeImage(c.name), c.image) << CStringA(c.name).GetString();
}

TEST(DetailRules, ButtonsAndStatusLineByKindStatusAndRole)
{
    struct Case {
        const char* what;
        int status; BOOL report; int userType; BOOL host; BOOL secretary; BOOL update; BOOL type12; int remain;
        UINT statusString; const wchar_t* statusText;
        BOOL confirm, reportEnd, feedback, start, end, restart;
    };
    const Case cases[] = {
        {"meeting 1, host", 1, 0, 1, 1, 0, 0, 0, 30, 0, L"", 0, 0, 0, 1, 0, 0},
        {"meeting 1, guest", 1, 0, 1, 0, 0, 0, 0, 30, IDS_DETAIL_NOT_STARTED, L"", 0, 0, 0, 0, 0, 0},
        {"meeting 2, host", 2, 0, 1, 1, 0, 0, 0, 30, 0, L"", 0, 0, 0, 0, 1, 0},
        {"meeting 2, guest", 2, 0, 1, 0, 0, 0, 0, 30, IDS_DETAIL_RUNNING, L"", 0, 0, 0, 0, 0, 0},
        {"meeting 4, host, time left", 4, 0, 1, 1, 0, 0, 0, 65, IDS_DETAIL_ENDED, L"", 0, 0, 0, 0, 0, 1},
        {"meeting 4, host, type 12", 4, 0, 1, 1, 0, 0, 1, 65, IDS_DETAIL_ENDED, L"", 0, 0, 0, 0, 0, 0},
        {"meeting 4, host, no time", 4, 0, 1, 1, 0, 0, 0, -5, IDS_DETAIL_ENDED, L"", 0, 0, 0, 0, 0, 0},
        {"report 11, secretary", 11, 1, 1, 0, 1, 0, 0, 0, 0, L"", 1, 0, 0, 0, 0, 0},
        {"report 11, other", 11, 1, 1, 0, 0, 0, 0, 0, 0, L"\xD574\xB2F9 \xBCF4\xACE0\xAC00 \xD655\xC815 \xC804\xC785\xB2C8\xB2E4.", 0, 0, 0, 0, 0, 0},
        {"report 12, user type 1", 12, 1, 1, 0, 0, 0, 0, 0, 0, L"", 0, 1, 0, 0, 0, 0},
        {"report 13, user type 2", 13, 1, 2, 0, 0, 0, 0, 0, 0, L"\xD574\xB2F9 \xBCF4\xACE0\xAC00 \xC9C4\xD589 \xC911\xC785\xB2C8\xB2E4.", 0, 0, 0, 0, 0, 0},
        {"report 14, updated", 14, 1, 1, 0, 0, 1, 0, 0, 0, L"\xBCF4\xACE0\xAC00 \xC644\xB8CC\xB418\xC5C8\xC2B5\xB2C8\xB2E4.", 0, 0, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SButtonInput in;
        in.nStatus = c.status; in.bReport = c.report; in.nReportUserType = c.userType; in.bHost = c.host;
        in.bSecretary = c.secretary; in.bUpdate = c.update; in.bType12 = c.type12; in.nRemainMinutes = c.remain;
        const SButtonState out = DecideButtons(in);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(out.nStatusString, c.statusString);
        EXPECT_EQ(out.strStatusText, CString(c.statusText));
        EXPECT_EQ(out.bReportConfirm, c.confirm);
        EXPECT_EQ(out.bReportEnd, c.reportEnd);
        EXPECT_EQ(out.bFeedbackUpdate, c.feedback);
        EXPECT_EQ(out.bStart, c.start);
        EXPECT_EQ(out.bEnd, c.end);
        EXPECT_EQ(out.bRestart, c.restart);
        EXPECT_EQ(out.bTimeGroup, c.restart);
        if (c.feedback) {
            EXPECT_FALSE(out.bStatusShown) << "the update button replaces the status line";
        }
    }
    SButtonInput in;
    in.nStatus = 4; in.bHost = TRUE; in.nRemainMinutes = 65;
    EXPECT_EQ(DecideButtons(in).strTime, CString(L"01:05"));
}

TEST(DetailRules, RemainingMinutesCountDownForMeetingsAndUpForReports)
{
    const CTime end(2027, 3, 4, 10, 30, 0);
    EXPECT_EQ(GetRemainMinutes(end, CTime(2027, 3, 4, 9, 25, 0), FALSE), 65);
    EXPECT_EQ(GetRemainMinutes(end, CTime(2027, 3, 4, 10, 40, 0), FALSE), -10);
    EXPECT_EQ(GetRemainMinutes(end, CTime(2027, 3, 5, 10, 40, 0), TRUE), 24 * 60 + 10);
    EXPECT_EQ(FormatRemainTime(65), CString(L"01:05"));
    EXPECT_EQ(FormatRemainTime(600), CString(L"10:00"));
}

TEST(DetailRules, AttendanceOnlyWhileTheMeetingRunsForTheUser)
{
    EXPECT_TRUE(ShouldSendAttendance(FALSE, 2, FALSE, FALSE));
    EXPECT_FALSE(ShouldSendAttendance(FALSE, 1, FALSE, TRUE));
    EXPECT_FALSE(ShouldSendAttendance(FALSE, 2, TRUE, FALSE)) << "an open meeting the user has not joined";
    EXPECT_TRUE(ShouldSendAttendance(FALSE, 2, TRUE, TRUE));
    EXPECT_TRUE(ShouldSendAttendance(TRUE, 12, FALSE, FALSE));
    EXPECT_TRUE(ShouldSendAttendance(TRUE, 13, FALSE, FALSE));
    EXPECT_FALSE(ShouldSendAttendance(TRUE, 2, FALSE, FALSE));
}

TEST(DetailRules, StatusChangeOfEveryButtonAndAnswer)
{
    struct Case {
        EAction action; int answer; BOOL paper;
        BOOL send; const wchar_t* status; BOOL rept; BOOL sentPaper; BOOL feedback; BOOL refresh;
    };
    const Case cases[] = {
        {ACTION_START, 1, 0, 1, L"02", 0, 0, 0, 0},
        {ACTION_START, 2, 0, 0, L"02", 0, 0, 0, 0},
        {ACTION_END, 1, 0, 1, L"04", 0, 0, 0, 0},
        {ACTION_RESTART, 1, 0, 1, L"02", 1, 0, 0, 0},
        {ACTION_REPORT_START, 1, 0, 1, L"13", 0, 0, 0, 0},
        {ACTION_REPORT_END, 1, 1, 1, L"14", 0, 1, 1, 0},
        {ACTION_REPORT_END, 2, 0, 1, L"14", 0, 0, 0, 1},
        {ACTION_REPORT_END, 3, 0, 0, L"14", 0, 0, 0, 0},
        {ACTION_FEEDBACK_UPDATE, 1, 0, 1, L"16", 0, 0, 1, 0},
        {ACTION_FEEDBACK_UPDATE, 2, 1, 1, L"16", 0, 1, 0, 1},
    };
    for (const Case& c : cases) {
        const SStatusRequest r = StatusRequestFor(c.action, c.answer, c.paper);
        SCOPED_TRACE(testing::Message() << "action " << c.action << " answer " << c.answer);
        EXPECT_EQ(r.bSend, c.send);
        if (!c.send)
            continue;
        EXPECT_EQ(r.strStatus, CString(c.status));
        EXPECT_EQ(r.bReptYn, c.rept);
        EXPECT_EQ(r.bPaper, c.sentPaper);
        EXPECT_EQ(r.bFeedback, c.feedback);
        EXPECT_EQ(r.bRefreshOnReply, c.refresh);
    }
}

// An answer with "200" inside a longer number or a path is no success.
TEST(DetailRules, UploadSucceedsOnlyOnAWhole200)
{
    const struct { DWORD error; DWORD http; const wchar_t* answer; BOOL ok; } cases[] = {
        {0, 200, L"{\"code\":\"200\",\"filePath\":\"/upload/1/a.pdf\"}", TRUE},
        {0, 200, L"{\"code\":200}", TRUE},
        {0, 200, L"200", TRUE},
        {0, 0, L"result=200;", TRUE},
        {0, 200, L"12003", FALSE},
        {0, 200, L"{\"code\":\"500\",\"filePath\":\"/upload/200/a.pdf\"}", FALSE},
        {0, 200, L"{\"code\":\"12003\"}", FALSE},
        {0, 500, L"200", FALSE},
        {12029, 0, L"", FALSE},
        {0, 200, L"", FALSE},
        {0, 200, L"   ", FALSE},
        {0, 200, L"answered by a rule 2001", FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsUploadAnswerSuccess(c.error, c.http, c.answer), c.ok) << CStringA(c.answer).GetString();
    // Nested past the reader's depth limit: no success, and nothing thrown at the caller.
    EXPECT_FALSE(IsUploadAnswerSuccess(0, 200, CString(L"{\"code\":\"500\",\"a\":") + CString(L'[', 3000)));
}

TEST(DetailRules, UploadNameFilterAndDataBoxMessages)
{
    EXPECT_EQ(UploadFileName(L"C:\\docs\\\xD68C\xC758.pdf", L"x"), CString(L"\xD68C\xC758.pdf"));
    EXPECT_EQ(UploadFileName(L"\\only", L"chosen"), CString(L"chosen"));
    EXPECT_EQ(UploadFileName(L"plain.pdf", L"plain.pdf"), CString(L"plain.pdf"));
    const CString filter = UploadFileFilter(L"Docs ");
    EXPECT_EQ(filter.Find(L"Docs (*.pdf, *.html"), 0);
    EXPECT_EQ(filter.Right(2), CString(L"||"));
    EXPECT_EQ(DataBoxErrorText(21, L""), CString(L"\xCD5C\xB300 \xD30C\xC77C \xCCA8\xBD80 \xD06C\xAE30 \xCD08\xACFC\xD558\xC600\xC2B5\xB2C8\xB2E4."));
    EXPECT_EQ(DataBoxErrorText(22, L"").Left(2), CString(L"\xC790\xB8CC"));
    EXPECT_EQ(DataBoxErrorText(22, L"server says"), CString(L"server says"));
    EXPECT_TRUE(DataBoxErrorText(7, L"").IsEmpty());
}

TEST(DetailRules, MinutesTextsFromFourteenDigitStamps)
{
    EXPECT_EQ(FormatMinutesPeriod(L"20270304090000", L"20270304103015", L"1:30:15"),
              CString(L"2027-03-04 09:00 ~ 2027-03-04 10:30(1:30:15)"));
    EXPECT_EQ(FormatMinutesRegistration(L"20270304101559"), CString(L"2027-03-04 10:15"));
    // A short stamp gives empty parts, never the seconds.
    EXPECT_EQ(FormatMinutesRegistration(L"2027030410"), CString(L"2027-03-04 10:"));
    EXPECT_EQ(FormatMinutesRegistration(L""), CString(L"-- :"));
}

TEST(DetailRules, MinutesDurationCountsTheWholeSpan)
{
    int h, m, s;
    ASSERT_TRUE(MinutesDuration(L"20270304090000", L"20270304103015", h, m, s));
    EXPECT_EQ(h * 10000 + m * 100 + s, 13015);
    ASSERT_TRUE(MinutesDuration(L"20270304230000", L"20270305010000", h, m, s));
    EXPECT_EQ(h * 10000 + m * 100 + s, 20000);
    EXPECT_FALSE(MinutesDuration(L"2027", L"20270305010000", h, m, s));
}

TEST(DetailRules, MinutesScrollArithmetic)
{
    EXPECT_EQ(WheelScrollPos(98, 120), 94);
    EXPECT_EQ(WheelScrollPos(98, -120), 100);
    EXPECT_EQ(WheelScrollPos(2, 120), 0);
    int first = 0, count = 0;
    RowsForScrollPos(10, 170, 50, first, count);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(count, 5);
    RowsForScrollPos(3, 170, 50, first, count);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(ScrollPosForSelection(10, 0, 170, 2), -1) << "in view";
    EXPECT_EQ(ScrollPosForSelection(10, 0, 170, 8), 90);
    EXPECT_EQ(ScrollPosForSelection(10, 0, 170, -1), -1);
}

}  // namespace
