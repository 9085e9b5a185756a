#pragma once
// A span of days with fractions (the difference of two COleDateTimes). The whole-unit getters
// round to the nearest half second first and then truncate, so 1.9999999 seconds read as 2.
#include <windows.h>

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double days) : m_span(days) {}
    COleDateTimeSpan(LONG days, int hours, int minutes, int seconds) { SetDateTimeSpan(days, hours, minutes, seconds); }

    void SetDateTimeSpan(LONG days, int hours, int minutes, int seconds);
    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }

    double GetTotalDays() const { return Rounded(1); }
    double GetTotalHours() const { return Rounded(24); }
    double GetTotalMinutes() const { return Rounded(24 * 60); }
    double GetTotalSeconds() const { return Rounded(24 * 60 * 60); }
    LONG GetDays() const { return static_cast<LONG>(GetTotalDays()); }
    LONG GetHours() const { return static_cast<LONG>(GetTotalHours()) % 24; }
    LONG GetMinutes() const { return static_cast<LONG>(GetTotalMinutes()) % 60; }
    LONG GetSeconds() const { return static_cast<LONG>(GetTotalSeconds()) % 60; }

    operator double() const { return m_span; }
    COleDateTimeSpan operator+(const COleDateTimeSpan& o) const { return Combine(m_span + o.m_span, o); }
    COleDateTimeSpan operator-(const COleDateTimeSpan& o) const { return Combine(m_span - o.m_span, o); }
    COleDateTimeSpan operator-() const { COleDateTimeSpan r(-m_span); r.m_status = m_status; return r; }
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& o) { return *this = *this + o; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& o) { return *this = *this - o; }
    bool operator==(const COleDateTimeSpan& o) const { return m_status == o.m_status && m_span == o.m_span; }
    bool operator!=(const COleDateTimeSpan& o) const { return !(*this == o); }
    bool operator<(const COleDateTimeSpan& o) const { return m_span < o.m_span; }
    bool operator>(const COleDateTimeSpan& o) const { return m_span > o.m_span; }
    bool operator<=(const COleDateTimeSpan& o) const { return m_span <= o.m_span; }
    bool operator>=(const COleDateTimeSpan& o) const { return m_span >= o.m_span; }

    double m_span = 0;
    DateTimeSpanStatus m_status = valid;

private:
    // The span in units of 1/perDay day, half a second away from zero, truncated.
    double Rounded(double perDay) const;
    COleDateTimeSpan Combine(double span, const COleDateTimeSpan& other) const
    {
        COleDateTimeSpan r(span);
        if (m_status != valid || other.m_status != valid)
            r.m_status = invalid;
        return r;
    }
};
