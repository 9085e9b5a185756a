#include "core/CalendarText.h"
#include "core/DatePattern.h"
#include "tests/platform/StringPrinting.h"

#include <gtest/gtest.h>

namespace {

SYSTEMTIME Time(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    SYSTEMTIME st = {};
    st.wYear = WORD(y);
    st.wMonth = WORD(mo);
    st.wDay = WORD(d);
    st.wDayOfWeek = WORD(DayOfWeek(y, mo, d));
    st.wHour = WORD(h);
    st.wMinute = WORD(mi);
    st.wSecond = WORD(s);
    st.wMilliseconds = WORD(ms);
    return st;
}

CStringArray* SkinNames()
{
    static CStringArray names;
    if (names.GetSize() == 0) {
        for (const wchar_t* n : {L"\uc77c", L"\uc6d4", L"\ud654", L"\uc218", L"\ubaa9", L"\uae08",
                                 L"\ud1a0", L"\uc624\uc804", L"\uc624\ud6c4"})
            names.Add(n);
    }
    return &names;
}

}  // namespace

TEST(Calendar, Table)
{
    EXPECT_EQ(0, IsLeapYear(1900));
    EXPECT_EQ(1, IsLeapYear(2000));
    EXPECT_EQ(1, IsLeapYear(2024));
    EXPECT_EQ(0, IsLeapYear(2023));
    const struct {
        int year, month, days, firstWeekday;
    } months[] = {
        {2024, 2, 29, 4}, {2023, 2, 28, 3}, {1900, 2, 28, 4}, {2000, 2, 29, 2},
        {2024, 1, 31, 1}, {2024, 4, 30, 1}, {2024, 12, 31, 0}, {1, 1, 31, 1},
    };
    for (const auto& m : months) {
        SCOPED_TRACE(testing::Message() << m.year << "-" << m.month);
        EXPECT_EQ(m.days, DaysInMonth(m.year, m.month));
        EXPECT_EQ(m.firstWeekday, FirstWeekdayOfMonth(m.year, m.month));
    }
    EXPECT_EQ(1, DayOfWeek(2024, 1, 1));
    EXPECT_EQ(2, DayOfWeek(2024, 3, 5));
    EXPECT_EQ(3, DayOfWeek(2024, 12, 25));
    EXPECT_EQ(0, DaysInMonth(2024, 13));
}

TEST(Calendar, NamesAndKinds)
{
    EXPECT_EQ(CString(L"January"), GetMonthName(1));
    EXPECT_EQ(CString(), GetMonthName(0));
    EXPECT_EQ(CString(), GetMonthName(13));
    EXPECT_EQ(CString(L"May"), GetMonthShortName(5));
    EXPECT_EQ(CString(L"Sep."), GetMonthShortName(9));
    const struct {
        unsigned day;
        const wchar_t* suffix;
    } ordinals[] = {{1, L"st"}, {2, L"nd"}, {3, L"rd"}, {4, L"th"}, {11, L"th"}, {12, L"th"},
                    {13, L"th"}, {21, L"st"}, {22, L"nd"}, {23, L"rd"}, {31, L"st"}, {0, L"th"}};
    for (const auto& o : ordinals)
        EXPECT_EQ(CString(o.suffix), GetOrdinalSuffix(o.day)) << o.day;
    EXPECT_EQ(CString(L"Sat."), GetWeekdayShortName(6, nullptr));
    EXPECT_EQ(CString(L"\ud1a0"), GetWeekdayShortName(6, SkinNames()));
    EXPECT_EQ(CString(), GetWeekdayShortName(7, nullptr));
    EXPECT_EQ(1, GetPatternKind(L"yyyy.MM.dd"));
    EXPECT_EQ(1, GetPatternKind(L"w h"));
    EXPECT_EQ(2, GetPatternKind(L"hh:mm t"));
    EXPECT_EQ(2, GetPatternKind(L"SSS"));
    EXPECT_EQ(0, GetPatternKind(L"-- : --"));
}

TEST(DatePattern, FormatDatePatternTable)
{
    const struct {
        const wchar_t* pattern;
        SYSTEMTIME st;
        bool skinNames;
        const wchar_t* expected;
    } cases[] = {
        {L"yyyy.MM.dd w", Time(2024, 3, 5), false, L"2024.03.05 Tue."},
        {L"EE D", Time(2024, 3, 5), false, L"March 5th"},
        {L"E yy", Time(2024, 12, 24), false, L"Dec. 24"},
        {L"EE", Time(2024, 12, 1), false, L"December"},      // the "D" of "December" stays
        {L"DD d M", Time(2024, 1, 2), false, L"02nd 2 1"},
        {L"yyy", Time(2024, 1, 2), false, L"24y"},           // "yy" wins, the last "y" is copied
        {L"w", Time(2024, 3, 5), true, L"\ud654"},
        {L"[x] -", Time(2024, 3, 5), false, L"[x] -"},
        {L"", Time(2024, 3, 5), false, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (&c - cases));
        EXPECT_EQ(CString(c.expected),
                  FormatDatePattern(c.pattern, c.st, c.skinNames ? SkinNames() : nullptr));
    }
}

TEST(DatePattern, FormatTimeAndAmPmTable)
{
    const struct {
        const wchar_t* pattern;
        SYSTEMTIME st;
        const wchar_t* time;     // FormatTimePattern
        const wchar_t* final;    // then FormatAmPm with the built-in texts
    } cases[] = {
        {L"hh:mm:ss.SSS", Time(2024, 1, 1, 14, 5, 9, 7), L"14:05:09.007", L"14:05:09.007"},
        {L"h:mm t", Time(2024, 1, 1, 0, 30), L"12:30 t", L"12:30 AM"},
        {L"h:mm t", Time(2024, 1, 1, 12, 5), L"12:05 t", L"12:05 PM"},
        {L"hh:mm t", Time(2024, 1, 1, 13, 0), L"01:00 t", L"01:00 PM"},
        {L"h:m:s", Time(2024, 1, 1, 0, 3, 4), L"0:3:4", L"0:3:4"},
        {L"hh:mmtt", Time(2024, 1, 1, 23, 59), L"11:59tt", L"11:59"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (&c - cases));
        const CString time = FormatTimePattern(c.pattern, c.st);
        EXPECT_EQ(CString(c.time), time);
        EXPECT_EQ(CString(c.final), FormatAmPm(time, c.st, nullptr));
    }
    // The skin's texts replace "AM" and "PM"; a short list keeps the built-in ones.
    EXPECT_EQ(CString(L"3 \uc624\ud6c4"), FormatAmPm(L"3 t", Time(2024, 1, 1, 15), SkinNames()));
    CStringArray shortList;
    shortList.Add(L"x");
    EXPECT_EQ(CString(L"AM"), FormatAmPm(L"t", Time(2024, 1, 1, 1), &shortList));
}
