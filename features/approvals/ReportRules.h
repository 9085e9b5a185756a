#pragma once
// What the report dialogs decide without a window: the time proposed for handling a report, the
// texts the detail screen sends, and whether a chosen time still lies ahead.
#include <windows.h>

#include "platform/CString.h"

// The next half hour after now (minute 30 when now is before it, else minute 0 of the next hour,
// across midnight and month ends), seconds kept.
SYSTEMTIME NextHalfHour(const SYSTEMTIME& now);
// "%04d%02d%02d%02d%02d%02d".
CString FormatReportStamp(const SYSTEMTIME& t);
// The same with the seconds written as "00", as the detail screen sends a chosen time.
CString FormatReportMinuteStamp(const SYSTEMTIME& t);
// TRUE when the chosen minute (its seconds dropped) lies at least one second after now.
BOOL IsChosenTimeAhead(const SYSTEMTIME& chosen, const SYSTEMTIME& now);
// Every two-character "\n" of a skin text turned into a line break.
CString UnescapeLineBreaks(const CString& strText);
