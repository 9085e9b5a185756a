#pragma once
#include <windows.h>

#include "platform/CString.h"
#include "platform/Collections.h"

// Dates and times as text by a pattern of letter tokens. The optional name list (the skin's date
// object) replaces the weekday names with its entries 0-6 and "AM"/"PM" with entries 7 and 8,
// each only when the list is long enough; pNames may be null.

// Tokens yyyy yy MM M EE E dd d DD D w, the longest one winning at each place; every other
// character is copied, and produced text is never read again as a token.
CString FormatDatePattern(CString strPattern, const SYSTEMTIME& st, const CStringArray* pNames);
// Tokens hh h mm m ss s SSS; a "t" anywhere makes the hour a 12-hour one. The "t" itself stays
// for FormatAmPm.
CString FormatTimePattern(CString strPattern, const SYSTEMTIME& st);
// Removes every "tt", then puts the morning or afternoon text in place of every "t".
CString FormatAmPm(CString strPattern, const SYSTEMTIME& st, const CStringArray* pNames);
