#pragma once
// Day numbers of calendar dates: days since 1970-01-01 in the proleptic Gregorian calendar, for
// any year. Date arithmetic (ages in days, date types) goes through these two.

namespace zel {

// An impossible day of a month (such as 02-30) rolls over into the next month.
long long DaysFromCivil(long long year, int month, int day);
void CivilFromDays(long long days, int& year, int& month, int& day);

} // namespace zel
