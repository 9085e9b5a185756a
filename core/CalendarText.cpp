#include "core/CalendarText.h"

namespace {

const int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
const wchar_t* const kMonthNames[12] = {L"January", L"February", L"March",     L"April",
                                        L"May",     L"June",     L"July",      L"August",
                                        L"September", L"October", L"November", L"December"};
const wchar_t* const kMonthShortNames[12] = {L"Jan.", L"Feb.", L"Mar.", L"Apr.", L"May",  L"Jun.",
                                             L"Jul.", L"Aug.", L"Sep.", L"Oct.", L"Nov.", L"Dec."};
const wchar_t* const kWeekdayShortNames[7] = {L"Sun.", L"Mon.", L"Tue.", L"Wed.",
                                              L"Thu.", L"Fri.", L"Sat."};

// Days from 1 January of year 1 up to the first of the month, plus one (that day is a Monday, 1).
long long DayNumberOfMonthStart(int nYear, int nMonth)
{
    const long long y = nYear - 1;
    long long days = 1 + 365 * y + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < nMonth && m <= 12; ++m)
        days += DaysInMonth(nYear, m);
    return days;
}

int Weekday(long long dayNumber)
{
    const int w = int(dayNumber % 7);
    return w < 0 ? w + 7 : w;
}

}  // namespace

int IsLeapYear(int nYear)
{
    return (nYear % 400 == 0 || (nYear % 4 == 0 && nYear % 100 != 0)) ? 1 : 0;
}

int DaysInMonth(int nYear, int nMonth)
{
    if (nMonth < 1 || nMonth > 12)
        return 0;
    return kMonthDays[nMonth - 1] + (nMonth == 2 ? IsLeapYear(nYear) : 0);
}

int FirstWeekdayOfMonth(int nYear, int nMonth)
{
    return Weekday(DayNumberOfMonthStart(nYear, nMonth));
}

int DayOfWeek(int nYear, int nMonth, int nDay)
{
    return Weekday(DayNumberOfMonthStart(nYear, nMonth) - 1 + nDay);
}

CString GetMonthName(int nMonth)
{
    return (nMonth >= 1 && nMonth <= 12) ? CString(kMonthNames[nMonth - 1]) : CString();
}

CString GetMonthShortName(int nMonth)
{
    return (nMonth >= 1 && nMonth <= 12) ? CString(kMonthShortNames[nMonth - 1]) : CString();
}

CString GetOrdinalSuffix(unsigned int nDay)
{
    switch (nDay) {
    case 1: case 21: case 31: return L"st";
    case 2: case 22: return L"nd";
    case 3: case 23: return L"rd";
    default: return L"th";
    }
}

CString GetWeekdayShortName(int nWeekday, const CStringArray* pNames)
{
    if (pNames != nullptr && nWeekday >= 0 && nWeekday < int(pNames->GetSize()))
        return pNames->GetAt(nWeekday);
    return (nWeekday >= 0 && nWeekday < 7) ? CString(kWeekdayShortNames[nWeekday]) : CString();
}

int GetPatternKind(const CString& strPattern)
{
    if (strPattern.FindOneOf(L"yMEdDw") >= 0)
        return 1;
    if (strPattern.FindOneOf(L"thmsS") >= 0)
        return 2;
    return 0;
}
