#include "platform/Time.h"
#include "StringPrinting.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(TimeTest, FieldsRoundTripInLocalTime)
{
    CTime t(2024, 7, 9, 14, 7, 9);
    EXPECT_EQ(t.GetYear(), 2024);
    EXPECT_EQ(t.GetMonth(), 7);
    EXPECT_EQ(t.GetDay(), 9);
    EXPECT_EQ(t.GetHour(), 14);
    EXPECT_EQ(t.GetMinute(), 7);
    EXPECT_EQ(t.GetSecond(), 9);
    EXPECT_EQ(t.GetDayOfWeek(), 3);  // Tuesday
    EXPECT_EQ(t.Format(L"%Y-%m-%d %H:%M:%S"), L"2024-07-09 14:07:09");
    SYSTEMTIME st;
    ASSERT_TRUE(t.GetAsSystemTime(st));
    EXPECT_EQ(st.wDayOfWeek, 2);
    EXPECT_EQ(CTime(st), t);
    EXPECT_EQ(CTime(t.GetTime()), t);
}

TEST(TimeTest, OutOfRangeFieldsThrow)
{
    struct { int y, mo, d, h, mi, s; } bad[] = {
        { 1899, 1, 1, 0, 0, 0 }, { 2024, 0, 1, 0, 0, 0 }, { 2024, 13, 1, 0, 0, 0 }, { 2024, 1, 0, 0, 0, 0 },
        { 2024, 1, 32, 0, 0, 0 }, { 2024, 1, 1, 24, 0, 0 }, { 2024, 1, 1, 0, 60, 0 }, { 2024, 1, 1, 0, 0, 60 },
        { 2024, 1, 1, -1, 0, 0 },
    };
    for (const auto& b : bad)
        EXPECT_THROW(CTime(b.y, b.mo, b.d, b.h, b.mi, b.s), std::invalid_argument) << b.y << "-" << b.mo << "-" << b.d;
    SYSTEMTIME old = {};
    old.wYear = 1601;
    old.wMonth = 1;
    old.wDay = 1;
    EXPECT_EQ(CTime(old).GetTime(), 0);  // before 1900: time 0, as the original library does
}

TEST(TimeTest, FileTimesAreUtc)
{
    SYSTEMTIME utc = {};
    utc.wYear = 2024;
    utc.wMonth = 1;
    utc.wDay = 15;
    utc.wHour = 12;
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
    struct tm t = {};
    t.tm_year = 124;
    t.tm_mon = 0;
    t.tm_mday = 15;
    t.tm_hour = 12;
    EXPECT_EQ(CTime(ft).GetTime(), _mkgmtime64(&t));
    EXPECT_EQ(CTime(ft).FormatGmt(L"%H:%M"), L"12:00");
}

TEST(TimeTest, ArithmeticWithSpans)
{
    CTime a(2024, 7, 10, 12, 0, 0);
    CTime b(2024, 7, 11, 0, 0, 0);
    EXPECT_EQ((b - a).GetTotalSeconds(), 12 * 3600);
    EXPECT_EQ((a - b).GetTotalSeconds(), -12 * 3600);
    CTime c = a + CTimeSpan(1, 2, 3, 4);
    EXPECT_EQ(c.Format(L"%d %H:%M:%S"), L"11 14:03:04");
    c -= CTimeSpan(1, 2, 3, 4);
    EXPECT_EQ(c, a);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(b >= a);
    EXPECT_NE(a, b);
    c += CTimeSpan(0, 0, 0, 1);
    EXPECT_EQ(c.GetSecond(), 1);
}

TEST(TimeTest, FormatHasNoLengthLimit)
{
    CTime t(2024, 7, 9, 14, 7, 9);
    CString format;
    for (int i = 0; i < 100; ++i)
        format += L"%Y;";
    EXPECT_EQ(t.Format(format).GetLength(), 500);
    EXPECT_EQ(t.Format(L""), L"");
    EXPECT_EQ(t.Format(static_cast<LPCTSTR>(nullptr)), L"");
}

TEST(TimeTest, CurrentTimeIsNow)
{
    __time64_t before = _time64(nullptr);
    CTime now = CTime::GetCurrentTime();
    __time64_t after = _time64(nullptr);
    EXPECT_GE(now.GetTime(), before);
    EXPECT_LE(now.GetTime(), after);
}

TEST(TimeSpanTest, PartsTotalsAndFormat)
{
    struct { CTimeSpan span; LONGLONG days; LONG hours, minutes, seconds; LONGLONG totalHours, totalMinutes, totalSeconds; } cases[] = {
        { CTimeSpan(1, 2, 3, 4), 1, 2, 3, 4, 26, 1563, 93784 },
        { CTimeSpan(0, 0, 0, 59), 0, 0, 0, 59, 0, 0, 59 },
        { CTimeSpan(0, 25, 61, 61), 1, 2, 2, 1, 26, 1562, 93721 },
        { CTimeSpan(-3661), 0, -1, -1, -1, -1, -61, -3661 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.span.GetDays(), c.days);
        EXPECT_EQ(c.span.GetHours(), c.hours);
        EXPECT_EQ(c.span.GetMinutes(), c.minutes);
        EXPECT_EQ(c.span.GetSeconds(), c.seconds);
        EXPECT_EQ(c.span.GetTotalHours(), c.totalHours);
        EXPECT_EQ(c.span.GetTotalMinutes(), c.totalMinutes);
        EXPECT_EQ(c.span.GetTotalSeconds(), c.totalSeconds);
    }
    EXPECT_EQ(CTimeSpan(1, 2, 3, 4).Format(L"%D days %H:%M:%S %% %x"), L"1 days 02:03:04 % %x");
    EXPECT_EQ(CTimeSpan(10) + CTimeSpan(5), CTimeSpan(15));
    EXPECT_TRUE(CTimeSpan(10) > CTimeSpan(5));
}

} // namespace
