#pragma once
#include "platform/CString.h"
#include "platform/Collections.h"

// Calendar arithmetic of the proleptic Gregorian calendar (1 January of year 1 a Monday) and the
// built-in English names that the calendar and date controls show.

int IsLeapYear(int nYear);
// Days of a month 1-12; 0 for any other month.
int DaysInMonth(int nYear, int nMonth);
// 0 (Sunday) to 6.
int FirstWeekdayOfMonth(int nYear, int nMonth);
int DayOfWeek(int nYear, int nMonth, int nDay);

// "January".."December" and "Jan.".."Dec." for 1-12; empty otherwise.
CString GetMonthName(int nMonth);
CString GetMonthShortName(int nMonth);
// "st", "nd", "rd" or "th".
CString GetOrdinalSuffix(unsigned int nDay);
// The caller's name list entry when weekday is below its size, else "Sun.".."Sat." (empty for a
// weekday outside 0-6). pNames may be null.
CString GetWeekdayShortName(int nWeekday, const CStringArray* pNames);
// 1 for a date pattern (any of y M E d D w), 2 for a time pattern (any of t h m s S), else 0.
int GetPatternKind(const CString& strPattern);
