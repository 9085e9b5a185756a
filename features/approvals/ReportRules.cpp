#include "features/approvals/ReportRules.h"

namespace {

ULONGLONG ToTicks(const SYSTEMTIME& t)
{
    FILETIME ft = {};
    ::SystemTimeToFileTime(&t, &ft);
    return (ULONGLONG(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

SYSTEMTIME FromTicks(ULONGLONG ticks)
{
    FILETIME ft = {DWORD(ticks & 0xFFFFFFFFu), DWORD(ticks >> 32)};
    SYSTEMTIME t = {};
    ::FileTimeToSystemTime(&ft, &t);
    return t;
}

const ULONGLONG kTicksPerSecond = 10000000ull;

}  // namespace

SYSTEMTIME NextHalfHour(const SYSTEMTIME& now)
{
    SYSTEMTIME base = now;
    base.wMilliseconds = 0;
    // Minutes to add so that the minute lands on 30 or on the next full hour.
    const int nAdd = now.wMinute < 30 ? 30 - now.wMinute : 60 - now.wMinute;
    return FromTicks(ToTicks(base) + ULONGLONG(nAdd) * 60 * kTicksPerSecond);
}

CString FormatReportStamp(const SYSTEMTIME& t)
{
    CString text;
    text.Format(L"%04d%02d%02d%02d%02d%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return text;
}

CString FormatReportMinuteStamp(const SYSTEMTIME& t)
{
    CString text;
    text.Format(L"%04d%02d%02d%02d%02d00", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
    return text;
}

BOOL IsChosenTimeAhead(const SYSTEMTIME& chosen, const SYSTEMTIME& now)
{
    SYSTEMTIME minute = chosen;
    minute.wSecond = 0;
    minute.wMilliseconds = 0;
    SYSTEMTIME current = now;
    current.wMilliseconds = 0;
    return ToTicks(minute) >= ToTicks(current) + kTicksPerSecond;
}

CString UnescapeLineBreaks(const CString& strText)
{
    CString text = strText;
    text.Replace(L"\\n", L"\n");
    return text;
}
