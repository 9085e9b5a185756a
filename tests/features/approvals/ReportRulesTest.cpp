#include <gtest/gtest.h>

#include "features/approvals/ReportRules.h"

namespace {

SYSTEMTIME At(int y, int mo, int d, int h, int mi, int s)
{
    SYSTEMTIME t = {};
    t.wYear = (WORD)y;
    t.wMonth = (WORD)mo;
    t.wDay = (WORD)d;
    t.wHour = (WORD)h;
    t.wMinute = (WORD)mi;
    t.wSecond = (WORD)s;
    return t;
}

TEST(ReportRules, ProposedTimeIsTheNextHalfHourWithTheSecondsKept)
{
    const struct {
        SYSTEMTIME now;
        const wchar_t* proposed;
    } cases[] = {
        {At(2027, 3, 4, 10, 29, 40), L"20270304103040"},
        {At(2027, 3, 4, 10, 30, 0), L"20270304110000"},
        {At(2027, 3, 4, 23, 45, 0), L"20270305000000"},
        {At(2027, 2, 28, 23, 59, 59), L"20270301000059"},   // across the month's end
        {At(2026, 12, 31, 23, 30, 5), L"20270101000005"},   // and the year's
        {At(2027, 3, 4, 0, 0, 0), L"20270304003000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatReportStamp(NextHalfHour(c.now)), CString(c.proposed)) << CStringA(c.proposed).GetString();
}

TEST(ReportRules, AChosenMinuteMustLieAtLeastASecondAhead)
{
    const SYSTEMTIME now = At(2027, 3, 4, 10, 29, 40);
    EXPECT_TRUE(IsChosenTimeAhead(At(2027, 3, 4, 10, 30, 40), now));
    // The chosen time counts from its minute: 10:29:59 is 10:29:00, behind 10:29:40.
    EXPECT_FALSE(IsChosenTimeAhead(At(2027, 3, 4, 10, 29, 59), now));
    EXPECT_FALSE(IsChosenTimeAhead(At(2027, 3, 4, 10, 29, 40), At(2027, 3, 4, 10, 29, 0)));
    EXPECT_TRUE(IsChosenTimeAhead(At(2027, 3, 4, 10, 30, 0), At(2027, 3, 4, 10, 29, 59)));
    EXPECT_EQ(FormatReportMinuteStamp(At(2027, 3, 4, 10, 30, 40)), CString(L"20270304103000"));
    EXPECT_EQ(UnescapeLineBreaks(L"a\\nb\\n"), CString(L"a\nb\n"));
}

}  // namespace
