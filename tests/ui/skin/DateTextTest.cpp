// The texts, stamps and arithmetic of DATE objects.
#include <gtest/gtest.h>

#include "ui/skin/SkinObject.h"

namespace {

SYSTEMTIME Time(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    SYSTEMTIME st = {};
    st.wYear = WORD(y);
    st.wMonth = WORD(mo);
    st.wDay = WORD(d);
    st.wHour = WORD(h);
    st.wMinute = WORD(mi);
    st.wSecond = WORD(s);
    return st;
}

struct DateObject {
    SKIN_OBJECT object;
    SKIN_DATE& date = object.m_date;
    DateObject(const wchar_t* format, const SYSTEMTIME& st, const wchar_t* lang = L"일,월,화,수,목,금,토,오전,오후,yyyy. M")
    {
        object.m_nType = SKINTYPE_DATE;
        date.m_strFormat = format;
        date.SetLanguage(lang, L"");
        date.SetSystemTime(nullptr, st);
    }
};

TEST(DateText, TextsByTypeAndPattern)
{
    struct Case {
        const wchar_t* format;
        SYSTEMTIME time;
        const wchar_t* text;       // GetText
        const wchar_t* dateText;   // GetDateText
        const wchar_t* timeText;   // GetTimeText
    };
    const Case cases[] = {
        {L"yyyy.M.d | t h:mm", Time(2024, 3, 5, 14, 7), L"2024.3.5  오후 2:07", L"2024.3.5 ", L" 오후 2:07"},
        {L"yyyy.M.d | t h:mm", Time(2024, 3, 5, 0, 5), L"2024.3.5  오전 12:05", L"2024.3.5 ", L" 오전 12:05"},
        {L"yyyy.MM.dd", Time(2024, 3, 5), L"", L"", L""},
        {L"yyyy.MM.dd|", Time(2024, 3, 5), L"2024.03.05", L"2024.03.05", L""},
        {L"|HH:mm", Time(2024, 3, 5, 14, 7), L"HH:07", L"", L"HH:07"},
        {L"|h:mm", Time(2024, 3, 5, 14, 7), L"14:07", L"", L"14:07"},
        {L"|tt h", Time(2024, 3, 5, 14, 7), L" 2", L"", L" 2"},
        {L"E d, yyyy|", Time(2024, 12, 5), L"Dec. 5, 2024", L"Dec. 5, 2024", L""},
        {L"EE D|", Time(2024, 12, 22), L"December 22nd", L"December 22nd", L""},
        {L"M/d (w)|", Time(2024, 3, 5), L"3/5 (화)", L"3/5 (화)", L""},
        {L"|", Time(2024, 3, 5), L"", L"", L""},
    };
    for (const Case& c : cases) {
        DateObject d(c.format, c.time);
        EXPECT_EQ(d.date.GetText(), CString(c.text)) << CStringA(c.format).GetString();
        EXPECT_EQ(d.date.GetDateText(), CString(c.dateText)) << CStringA(c.format).GetString();
        EXPECT_EQ(d.date.GetTimeText(), CString(c.timeText)) << CStringA(c.format).GetString();
    }
}

TEST(DateText, ShortLanguageListsFallBackPerEntry)
{
    DateObject d(L"w|t h", Time(2024, 3, 6, 15), L"S0,M1,T2,W3");
    EXPECT_EQ(d.date.GetText(), CString(L"W3PM 3"));
    DateObject none(L"w|t h", Time(2024, 3, 9, 9), L"");
    EXPECT_EQ(none.date.GetText(), CString(L"Sat.AM 9"));
}

TEST(DateText, ListsSplitKeepingEmptyPieces)
{
    CStringArray parts;
    EXPECT_EQ(SKIN_DATE::SplitList(parts, L"", L","), 0);
    EXPECT_EQ(SKIN_DATE::SplitList(parts, L"a,,b,", L","), 4);
    EXPECT_EQ(SKIN_DATE::JoinList(parts), CString(L"a,,b,"));
}

TEST(DateText, Stamps)
{
    DateObject d(L"|", Time(2024, 2, 9, 7, 5, 3));
    d.date.m_time.wMilliseconds = 42;
    EXPECT_EQ(d.date.GetStampMs(), CString(L"20240209070503042"));
    EXPECT_EQ(d.date.GetStampMinute(), CString(L"20240209070500"));
    EXPECT_EQ(d.date.GetMonthFirstStamp(), CString(L"20240201"));
    EXPECT_EQ(d.date.GetMonthLastStamp(), CString(L"20240229"));
    d.date.SetDateTime(nullptr, L"2023-02-10 11:22");
    EXPECT_EQ(d.date.GetMonthLastStamp(), CString(L"20230228"));
    EXPECT_EQ(d.date.m_time.wDayOfWeek, 5);
}

TEST(DateText, DayArithmetic)
{
    DateObject d(L"|", Time(2024, 12, 31, 10));
    EXPECT_EQ(d.date.GetDateNumber(1), 20250101);
    EXPECT_EQ(d.date.GetDateNumber(0), 20241231);
    EXPECT_EQ(d.date.GetDateNumber(-366), 20231231);
    d.date.AddSpan(nullptr, 0, 14, 0, 0);
    EXPECT_EQ(d.date.GetStampMinute(), CString(L"20250101000000"));
    EXPECT_EQ(d.date.m_time.wDayOfWeek, 3);
    EXPECT_EQ(d.date.SecondsSinceStamp(L"2024-12-31 23:59", nullptr), 60);
    COleDateTimeSpan span;
    EXPECT_EQ(d.date.SecondsSince(Time(2025, 1, 1, 0, 0, 30), &span), -30);
    EXPECT_NEAR(span.GetTotalSeconds(), -30.0, 0.5);
}

TEST(DateText, ComparisonsWithToday)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    DateObject today(L"|", now);
    EXPECT_EQ(today.date.CompareDayWithToday(nullptr), 0);
    EXPECT_EQ(today.date.CompareYearWithThisYear(nullptr), 0);
    DateObject never(L"|", Time(0, 0, 0));
    EXPECT_EQ(never.date.CompareDayWithToday(nullptr), -1);
    EXPECT_EQ(never.date.CompareYearWithThisYear(nullptr), -1);
    DateObject later(L"|", Time(now.wYear + 1, 1, 1));
    EXPECT_EQ(later.date.CompareDayWithToday(nullptr), 1);
    EXPECT_EQ(later.date.CompareYearWithThisYear(nullptr), 1);
    DateObject earlier(L"|", Time(now.wYear - 1, 12, 31));
    EXPECT_EQ(earlier.date.CompareDayWithToday(nullptr), -1);
}

TEST(DateText, SettingWithoutAWindowOnlyStores)
{
    DateObject d(L"|h:mm", Time(2024, 1, 1, 9));
    d.date.m_rcHour = CRect(1, 1, 2, 2);
    d.date.SetDateTime(nullptr, L"2024-05-06 10:30");
    EXPECT_EQ(d.date.m_time.wHour, 10);
    EXPECT_TRUE(CRect(d.date.m_rcHour).EqualRect(CRect(1, 1, 2, 2)));
}

} // namespace
