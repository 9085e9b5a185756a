#include "platform/OleDateTime.h"
#include "StringPrinting.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Ymdhms {
    int y, mo, d, h, mi, s;
};

void ExpectFields(const COleDateTime& t, const Ymdhms& e)
{
    EXPECT_EQ(t.GetYear(), e.y);
    EXPECT_EQ(t.GetMonth(), e.mo);
    EXPECT_EQ(t.GetDay(), e.d);
    EXPECT_EQ(t.GetHour(), e.h);
    EXPECT_EQ(t.GetMinute(), e.mi);
    EXPECT_EQ(t.GetSecond(), e.s);
}

TEST(OleDateTimeTest, DateValuesIncludingBeforeTheEpoch)
{
    struct { Ymdhms when; double date; } cases[] = {
        { { 1899, 12, 30, 0, 0, 0 }, 0.0 },
        { { 1899, 12, 30, 12, 0, 0 }, 0.5 },
        { { 1900, 1, 1, 0, 0, 0 }, 2.0 },
        { { 1899, 12, 29, 6, 0, 0 }, -1.25 },  // negative day, forward fraction
        { { 1899, 12, 28, 18, 0, 0 }, -2.75 },
        { { 2000, 1, 1, 0, 0, 0 }, 36526.0 },
    };
    for (const auto& c : cases) {
        COleDateTime t(c.when.y, c.when.mo, c.when.d, c.when.h, c.when.mi, c.when.s);
        EXPECT_EQ(t.GetStatus(), COleDateTime::valid);
        EXPECT_DOUBLE_EQ(t.m_dt, c.date) << c.when.y << "-" << c.when.mo << "-" << c.when.d;
        ExpectFields(COleDateTime(DATE(c.date)), c.when);
    }
}

TEST(OleDateTimeTest, InvalidFieldsGiveInvalidStatus)
{
    Ymdhms bad[] = {
        { 2023, 2, 29, 0, 0, 0 }, { 99, 1, 1, 0, 0, 0 }, { 10000, 1, 1, 0, 0, 0 }, { 2024, 4, 31, 0, 0, 0 },
        { 2024, 1, 1, 24, 0, 0 }, { 2024, 1, 1, 0, 60, 0 }, { 2024, 1, 1, 0, 0, -1 },
    };
    for (const auto& b : bad) {
        COleDateTime t;
        EXPECT_EQ(t.SetDateTime(b.y, b.mo, b.d, b.h, b.mi, b.s), 1) << b.y << "-" << b.mo << "-" << b.d;
        EXPECT_EQ(t.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(t.GetYear(), -1);
        SYSTEMTIME st;
        EXPECT_FALSE(t.GetAsSystemTime(st));
        EXPECT_EQ(t.Format(L"%Y"), L"");
    }
    EXPECT_EQ(COleDateTime(2024, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::valid);
}

TEST(OleDateTimeTest, FieldsRoundToTheNearestSecond)
{
    ExpectFields(COleDateTime(DATE(1.0 - 1e-9)), { 1899, 12, 31, 0, 0, 0 });
    ExpectFields(COleDateTime(DATE(2.0 + 0.4 / 86400)), { 1900, 1, 1, 0, 0, 0 });
    ExpectFields(COleDateTime(DATE(2.0 + 0.6 / 86400)), { 1900, 1, 1, 0, 0, 1 });
}

TEST(OleDateTimeTest, WeekdayYearDaySystemTimeAndFormat)
{
    COleDateTime t(2024, 3, 5, 14, 7, 0);
    EXPECT_EQ(t.GetDayOfWeek(), 3);  // Tuesday
    EXPECT_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).GetDayOfWeek(), 7);
    EXPECT_EQ(COleDateTime(1899, 12, 29, 0, 0, 0).GetDayOfWeek(), 6);
    EXPECT_EQ(COleDateTime(2024, 12, 31, 0, 0, 0).GetDayOfYear(), 366);
    SYSTEMTIME st;
    ASSERT_TRUE(t.GetAsSystemTime(st));
    EXPECT_EQ(st.wDayOfWeek, 2);
    EXPECT_EQ(st.wHour, 14);
    st.wMilliseconds = 999;  // milliseconds are dropped
    EXPECT_EQ(COleDateTime(st), t);
    EXPECT_EQ(t.Format(L"%Y/%m/%d %H:%M"), L"2024/03/05 14:07");
}

TEST(OleDateTimeTest, SpanArithmetic)
{
    COleDateTime t(2024, 2, 28, 23, 0, 0);
    ExpectFields(t + COleDateTimeSpan(1, 2, 0, 0), { 2024, 3, 1, 1, 0, 0 });
    ExpectFields(t - COleDateTimeSpan(0, 0, 0, 1), { 2024, 2, 28, 22, 59, 59 });
    COleDateTime early(1899, 12, 29, 6, 0, 0);
    COleDateTime later(1899, 12, 30, 6, 0, 0);
    EXPECT_DOUBLE_EQ((later - early).m_span, 1.0);  // across the sign change of DATE
    EXPECT_TRUE(early < later);
    EXPECT_TRUE(COleDateTime(1899, 12, 29, 23, 0, 0) > early);
    ExpectFields(early + COleDateTimeSpan(0, 20, 0, 0), { 1899, 12, 30, 2, 0, 0 });
    COleDateTime u = t;
    u += COleDateTimeSpan(0, 1, 0, 0);
    ExpectFields(u, { 2024, 2, 29, 0, 0, 0 });
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_EQ((bad + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((bad - t).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
}

TEST(OleDateTimeSpanTest, WholeUnitsRoundToTheHalfSecond)
{
    const double second = 1.0 / 86400;
    struct { double seconds; double totalSeconds; } cases[] = {
        { 1.9999999, 2 }, { 1.4, 1 }, { 1.5, 2 }, { -1.6, -2 }, { -1.4, -1 }, { 0.0, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(COleDateTimeSpan(c.seconds * second).GetTotalSeconds(), c.totalSeconds) << c.seconds;
    COleDateTimeSpan s(0, 25, 61, 59);
    EXPECT_EQ(s.GetDays(), 1);
    EXPECT_EQ(s.GetHours(), 2);
    EXPECT_EQ(s.GetMinutes(), 1);
    EXPECT_EQ(s.GetSeconds(), 59);
    EXPECT_EQ(s.GetTotalMinutes(), 1561);
    EXPECT_EQ((s - COleDateTimeSpan(1, 0, 0, 0)).GetTotalHours(), 2);
    // A span from time differences that carries float noise still reads whole seconds.
    COleDateTime a(2024, 1, 1, 10, 0, 0), b(2024, 1, 1, 10, 0, 7);
    EXPECT_EQ((b - a).GetTotalSeconds(), 7);
    EXPECT_EQ((a - b).GetTotalSeconds(), -7);
}

TEST(OleDateTimeTest, CurrentTimeIsLocalTimeToTheSecond)
{
    SYSTEMTIME before;
    GetLocalTime(&before);
    COleDateTime now = COleDateTime::GetCurrentTime();
    COleDateTime then(before);
    EXPECT_LE(std::abs((now - then).GetTotalSeconds()), 2);
}

} // namespace
