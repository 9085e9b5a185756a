#pragma once
// A local date and time as an OLE DATE: days since 1899-12-30 with the time of day as the
// fraction, to the second. Years 100 to 9999. Before 1899-12-30 the value is negative and its
// fraction still counts forward from midnight (-1.25 is 1899-12-29 06:00), as OLE defines it.
#include <windows.h>
#include <oleauto.h>

#include "platform/CString.h"
#include "platform/OleDateTimeSpan.h"

#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(DATE date) : m_dt(date) {}
    COleDateTime(const SYSTEMTIME& st) { *this = st; }
    // A FILETIME in UTC, shown in local time.
    COleDateTime(const FILETIME& ft);
    // Seconds since 1970 UTC, shown in local time.
    explicit COleDateTime(__time64_t time);
    COleDateTime(int year, int month, int day, int hour, int minute, int second)
    {
        SetDateTime(year, month, day, hour, minute, second);
    }

    // The local time now, to the second.
    static COleDateTime GetCurrentTime();

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // 0 when the fields make a valid date and time (day checked against the month), else 1 with
    // the status invalid.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    int SetTime(int hour, int minute, int second) { return SetDateTime(1899, 12, 30, hour, minute, second); }
    COleDateTime& operator=(const SYSTEMTIME& st);
    COleDateTime& operator=(DATE date) { m_dt = date; m_status = valid; return *this; }

    // Field getters give -1 (and GetAsSystemTime false) when the value is not a valid date.
    bool GetAsSystemTime(SYSTEMTIME& st) const;
    int GetYear() const { return Field(0); }
    int GetMonth() const { return Field(1); }
    int GetDay() const { return Field(2); }
    int GetHour() const { return Field(3); }
    int GetMinute() const { return Field(4); }
    int GetSecond() const { return Field(5); }
    int GetDayOfWeek() const { return Field(6); }  // 1 = Sunday ... 7 = Saturday
    int GetDayOfYear() const { return Field(7); }   // 1 = 1 January

    // strftime codes on the fields; "" when invalid.
    CString Format(LPCTSTR format) const;

    operator DATE() const { return m_dt; }
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const { return *this + (-span); }
    COleDateTimeSpan operator-(const COleDateTime& other) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
    COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
    bool operator==(const COleDateTime& o) const { return m_status == o.m_status && m_dt == o.m_dt; }
    bool operator!=(const COleDateTime& o) const { return !(*this == o); }
    bool operator<(const COleDateTime& o) const { return Linear() < o.Linear(); }
    bool operator>(const COleDateTime& o) const { return Linear() > o.Linear(); }
    bool operator<=(const COleDateTime& o) const { return Linear() <= o.Linear(); }
    bool operator>=(const COleDateTime& o) const { return Linear() >= o.Linear(); }

    DATE m_dt = 0;
    DateTimeStatus m_status = valid;

private:
    // The DATE as a plain number line of days, where negative values are ordered correctly.
    double Linear() const;
    int Field(int which) const;
};
