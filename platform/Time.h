#pragma once
// A point in time as whole seconds since 1970-01-01 UTC, read and built in local time.
#include <windows.h>

#include <ctime>

#include "platform/CString.h"
#include "platform/TimeSpan.h"

// winbase.h maps GetCurrentTime() to GetTickCount(), which would rename the member below.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

namespace zel {
// wcsftime into a CString of any length; "" for a null or empty format or a null time.
CString FormatTm(LPCTSTR format, const struct tm* t);
} // namespace zel

class CTime {
public:
    CTime() = default;
    CTime(__time64_t time) : m_time(time) {}
    // Local time; nDST < 0 lets the C runtime decide on daylight saving time. Fields outside
    // year >= 1900, month 1-12, day 1-31, hour 0-23, minute 0-59, second 0-59, or a time the
    // runtime cannot represent, throw std::invalid_argument.
    CTime(int year, int month, int day, int hour, int minute, int second, int nDST = -1);
    // A SYSTEMTIME in local time; a year before 1900 gives time 0.
    CTime(const SYSTEMTIME& st, int nDST = -1);
    // A FILETIME in UTC (as file times are), converted to local time first.
    CTime(const FILETIME& ft, int nDST = -1);

    static CTime GetCurrentTime();

    __time64_t GetTime() const { return m_time; }
    int GetYear() const { return Local().tm_year + 1900; }
    int GetMonth() const { return Local().tm_mon + 1; }
    int GetDay() const { return Local().tm_mday; }
    int GetHour() const { return Local().tm_hour; }
    int GetMinute() const { return Local().tm_min; }
    int GetSecond() const { return Local().tm_sec; }
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const { return Local().tm_wday + 1; }

    // Fill *out and return it; null when the time cannot be represented.
    struct tm* GetLocalTm(struct tm* out) const;
    struct tm* GetGmtTm(struct tm* out) const;
    bool GetAsSystemTime(SYSTEMTIME& st) const;

    // strftime codes (%Y, %m, %d, %H, %M, %S, %A, %B, %p, %c, %x ...) in local time or UTC. The
    // result is not limited in length.
    CString Format(LPCTSTR format) const;
    CString Format(UINT formatId) const;
    CString FormatGmt(LPCTSTR format) const;
    CString FormatGmt(UINT formatId) const;

    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    CTime& operator+=(CTimeSpan span) { m_time += span.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan span) { m_time -= span.GetTimeSpan(); return *this; }
    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }
    bool operator>(CTime other) const { return m_time > other.m_time; }
    bool operator<=(CTime other) const { return m_time <= other.m_time; }
    bool operator>=(CTime other) const { return m_time >= other.m_time; }

private:
    struct tm Local() const;

    __time64_t m_time = 0;
};
