// The attendee panel's window-less rules: one list reply sorted into cards and rows with the
// user's own flags, the count, the name filter, control of the presentation and the hand-over
// questions.
#include <gtest/gtest.h>

#include "features/attendees/AttendeeRules.h"
#include "resources/resource.h"

namespace {

Json::Value Person(int id, const char* name, const char* flags = "", const char* confirm = "")
{
    Json::Value e;
    e["userIdnfr"] = id;
    e["name"] = name;
    e["position"] = "P";
    e["deptName"] = "D";
    e["confirmYn"] = confirm;
    for (const char* f : {"mainYn", "ncryPtptYn", "hiddenUserYn", "presenceYn", "processYn"})
        e[f] = std::string(flags).find(std::string(f).substr(0, 3)) != std::string::npos ? "Y" : "N";
    return e;
}

TEST(AttendeeRules, HostAndHiddenOnlyLeaveAnEmptyList)
{
    Json::Value body;
    body["list"].append(Person(1, "host", "mai"));
    body["list"].append(Person(2, "hidden", "hid"));
    const SAttendeeList s = SortAttendees(body, 9, FALSE);
    EXPECT_TRUE(s.bHost);
    EXPECT_EQ(s.host.userIdnfr, 1);
    EXPECT_TRUE(s.rows.empty());
    EXPECT_EQ(MakeAttendeeCount(L"{P} / {T}", s.rows), CString(L"0 / 0"));
}

TEST(AttendeeRules, RowsKeepTheReplyOrderAndTheCountCountsPresence)
{
    Json::Value body;
    body["list"].append(Person(3, "c", "pre"));
    body["list"].append(Person(1, "a", "mai|pre"));
    body["list"].append(Person(2, "b"));
    body["list"].append(Person(4, "d", "pre|pro"));
    const SAttendeeList s = SortAttendees(body, 9, FALSE);
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[0].userIdnfr, 3);
    EXPECT_EQ(s.rows[2].userIdnfr, 4);
    EXPECT_EQ(s.rows[2].processYn, 1);
    EXPECT_EQ(MakeAttendeeCount(L"참석 {P}명 / 전체 {T}명", s.rows), CString(L"참석 2명 / 전체 3명"));
}

TEST(AttendeeRules, OwnEntrySetsApprovalPendingExceptAsApprover)
{
    const struct { const char* flags; BOOL report; int pending; BOOL found; } cases[] = {
        {"mai", FALSE, 1, TRUE},    // the host's own entry
        {"hid", FALSE, 1, TRUE},    // hidden
        {"", FALSE, 1, TRUE},       // a row
        {"ncr", TRUE, 1, FALSE},    // the report's approver entry: not the user's own flags
        {"ncr", FALSE, 1, TRUE},    // outside a report the flag means nothing
    };
    for (const auto& c : cases) {
        Json::Value body;
        body["list"].append(Person(7, "me", c.flags));
        const SAttendeeList s = SortAttendees(body, 7, c.report);
        EXPECT_EQ(s.bOwnFound, c.found) << c.flags;
        EXPECT_EQ(s.nApprovalPending, c.pending) << c.flags;
    }
    Json::Value answered;
    answered["list"].append(Person(7, "me", "", "Y"));
    EXPECT_EQ(SortAttendees(answered, 7, FALSE).nApprovalPending, 0);
}

TEST(AttendeeRules, ReportApproverIsACardNotARow)
{
    Json::Value body;
    body["list"].append(Person(1, "reporter", "mai"));
    body["list"].append(Person(2, "approver", "ncr"));
    body["list"].append(Person(3, "other"));
    const SAttendeeList s = SortAttendees(body, 9, TRUE);
    EXPECT_TRUE(s.bApprover);
    EXPECT_EQ(s.approver.userIdnfr, 2);
    ASSERT_EQ(s.rows.size(), 1u);
}

TEST(AttendeeRules, MissingKeysAndJunk)
{
    Json::Value body;
    body["list"].append(Json::Value(Json::objectValue));
    body["list"].append(Json::Value("junk"));
    const SAttendeeList s = SortAttendees(body, 9, FALSE);
    ASSERT_EQ(s.rows.size(), 2u) << "an entry without flags becomes a row";
    EXPECT_EQ(s.rows[0].userIdnfr, 0);
    EXPECT_TRUE(SortAttendees(Json::Value(), 9, FALSE).rows.empty());
}

TEST(AttendeeRules, SearchIsACaseSensitiveSubstring)
{
    _ATTENDEE_INFO a;
    a.name = L"Kim Minjun";
    const struct { const wchar_t* text; BOOL shown; } cases[] = {
        {L"", TRUE}, {L"Min", TRUE}, {L"min", FALSE}, {L"Kim Minjun", TRUE}, {L"Lee", FALSE},
    };
    for (const auto& c : cases) EXPECT_EQ(IsAttendeeShown(a, c.text), c.shown) << (int)wcslen(c.text);
}

TEST(AttendeeRules, ControlOfThePresentation)
{
    const struct { BOOL report, status, presenter; int type; BOOL main, expected; } cases[] = {
        {FALSE, FALSE, FALSE, 0, TRUE, TRUE},   // meeting: main person
        {FALSE, FALSE, TRUE, 0, FALSE, TRUE},   // meeting: presenter
        {FALSE, TRUE, FALSE, 2, FALSE, FALSE},  // meeting: neither
        {TRUE, TRUE, TRUE, 0, FALSE, TRUE},     // running report, presenter
        {TRUE, TRUE, FALSE, 2, FALSE, TRUE},    // running report, user type 2
        {TRUE, FALSE, TRUE, 2, TRUE, FALSE},    // report not running
    };
    for (const auto& c : cases) {
        SControlFacts f;
        f.bReport = c.report;
        f.bStatus12Or13 = c.status;
        f.bPresenterMe = c.presenter;
        f.nReportUserType = c.type;
        f.bMainYn = c.main;
        EXPECT_EQ(CanControlPresentation(f), c.expected);
    }
}

TEST(AttendeeRules, HandOverQuestions)
{
    const struct { char card; BOOL main; int type; UINT q, n; } cases[] = {
        {'H', TRUE, 0, IDS_HANDOVER_ASK_MAIN, IDS_HANDOVER_NOTE_MAIN},
        {'H', FALSE, 0, IDS_HANDOVER_ASK, IDS_HANDOVER_NOTE},
        {'A', TRUE, 2, IDS_HANDOVER_ASK, IDS_HANDOVER_NOTE},
        {'R', FALSE, 2, IDS_HANDOVER_ASK_MAIN, IDS_HANDOVER_NOTE_MAIN},
        {'R', FALSE, 1, IDS_HANDOVER_ASK_MAIN, IDS_HANDOVER_NOTE},
        {'L', TRUE, 0, IDS_HANDOVER_ASK, IDS_HANDOVER_NOTE},
    };
    for (const auto& c : cases) {
        UINT q = 0, n = 0;
        HandOverStrings(c.card, c.main, c.type, &q, &n);
        EXPECT_EQ(q, c.q) << c.card;
        EXPECT_EQ(n, c.n) << c.card;
    }
}

}  // namespace
