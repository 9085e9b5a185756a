#include "platform/OleDateTime.h"

#include <cmath>
#include <ctime>

#include "platform/CivilDate.h"
#include "platform/Time.h"

namespace {

using zel::CivilFromDays;
using zel::DaysFromCivil;

bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

const long long kEpochDay = DaysFromCivil(1899, 12, 30);
const long long kFirstDay = DaysFromCivil(100, 1, 1) - kEpochDay;
const long long kLastDay = DaysFromCivil(9999, 12, 31) - kEpochDay;

double ToLinear(DATE dt)
{
    if (dt >= 0)
        return dt;
    double whole = std::ceil(dt);
    return whole - (dt - whole);
}

DATE FromLinear(double v)
{
    if (v >= 0)
        return v;
    double whole = std::floor(v);
    return whole + (whole - v);
}

struct Fields {
    int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
};

// The fields of a DATE, rounded to the nearest second; false outside years 100-9999.
bool Split(DATE dt, Fields& f)
{
    double lin = ToLinear(dt);
    if (!(lin >= kFirstDay - 1 && lin <= kLastDay + 2))
        return false;
    long long secs = std::llround(lin * 86400.0);
    long long day = secs >= 0 ? secs / 86400 : -((-secs + 86399) / 86400);
    long long sod = secs - day * 86400;
    if (day < kFirstDay || day > kLastDay)
        return false;
    CivilFromDays(day + kEpochDay, f.year, f.month, f.day);
    f.hour = static_cast<int>(sod / 3600);
    f.minute = static_cast<int>(sod / 60 % 60);
    f.second = static_cast<int>(sod % 60);
    // 1899-12-30 was a Saturday (7).
    f.dayOfWeek = static_cast<int>(((day % 7 + 7) % 7 + 6) % 7 + 1);
    f.dayOfYear = static_cast<int>(day + kEpochDay - DaysFromCivil(f.year, 1, 1) + 1);
    return true;
}

} // namespace

COleDateTime::COleDateTime(const FILETIME& ft)
{
    FILETIME local;
    SYSTEMTIME st;
    if (::FileTimeToLocalFileTime(&ft, &local) && ::FileTimeToSystemTime(&local, &st))
        *this = st;
    else
        m_status = invalid;
}

COleDateTime::COleDateTime(__time64_t time)
{
    struct tm t;
    if (_localtime64_s(&t, &time) == 0)
        SetDateTime(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    else
        m_status = invalid;
}

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return COleDateTime(st);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    double days = static_cast<double>(DaysFromCivil(year, month, day) - kEpochDay);
    m_dt = FromLinear(days + (hour * 3600 + minute * 60 + second) / 86400.0);
    m_status = valid;
    return 0;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& st)
{
    SetDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    return *this;
}

double COleDateTime::Linear() const
{
    return ToLinear(m_dt);
}

int COleDateTime::Field(int which) const
{
    Fields f;
    if (m_status != valid || !Split(m_dt, f))
        return -1;
    const int values[] = { f.year, f.month, f.day, f.hour, f.minute, f.second, f.dayOfWeek, f.dayOfYear };
    return values[which];
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    Fields f;
    if (m_status != valid || !Split(m_dt, f))
        return false;
    st = SYSTEMTIME{};
    st.wYear = static_cast<WORD>(f.year);
    st.wMonth = static_cast<WORD>(f.month);
    st.wDay = static_cast<WORD>(f.day);
    st.wDayOfWeek = static_cast<WORD>(f.dayOfWeek - 1);
    st.wHour = static_cast<WORD>(f.hour);
    st.wMinute = static_cast<WORD>(f.minute);
    st.wSecond = static_cast<WORD>(f.second);
    return true;
}

CString COleDateTime::Format(LPCTSTR format) const
{
    Fields f;
    if (m_status != valid || !Split(m_dt, f))
        return CString();
    struct tm t = {};
    t.tm_year = f.year - 1900;
    t.tm_mon = f.month - 1;
    t.tm_mday = f.day;
    t.tm_hour = f.hour;
    t.tm_min = f.minute;
    t.tm_sec = f.second;
    t.tm_wday = f.dayOfWeek - 1;
    t.tm_yday = f.dayOfYear - 1;
    t.tm_isdst = -1;
    return zel::FormatTm(format, &t);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime r(FromLinear(Linear() + span.m_span));
    Fields f;
    if (m_status != valid || span.GetStatus() != COleDateTimeSpan::valid || !Split(r.m_dt, f)) {
        r.m_dt = 0;
        r.m_status = invalid;
    }
    return r;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const
{
    COleDateTimeSpan r(Linear() - other.Linear());
    if (m_status != valid || other.m_status != valid)
        r.SetStatus(COleDateTimeSpan::invalid);
    return r;
}
