#include "platform/Time.h"

#include <cwchar>
#include <stdexcept>
#include <vector>

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int nDST)
{
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59)
        throw std::invalid_argument("CTime: date or time field out of range");
    struct tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = nDST;
    m_time = _mktime64(&t);
    if (m_time == -1)
        throw std::invalid_argument("CTime: time cannot be represented");
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
{
    if (st.wYear >= 1900)
        *this = CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST);
}

CTime::CTime(const FILETIME& ft, int nDST)
{
    FILETIME local;
    SYSTEMTIME st;
    if (!::FileTimeToLocalFileTime(&ft, &local) || !::FileTimeToSystemTime(&local, &st))
        throw std::invalid_argument("CTime: invalid FILETIME");
    *this = CTime(st, nDST);
}

CTime CTime::GetCurrentTime()
{
    return CTime(_time64(nullptr));
}

struct tm CTime::Local() const
{
    struct tm t = {};
    if (_localtime64_s(&t, &m_time) != 0)
        throw std::invalid_argument("CTime: time cannot be represented");
    return t;
}

struct tm* CTime::GetLocalTm(struct tm* out) const
{
    return out && _localtime64_s(out, &m_time) == 0 ? out : nullptr;
}

struct tm* CTime::GetGmtTm(struct tm* out) const
{
    return out && _gmtime64_s(out, &m_time) == 0 ? out : nullptr;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    struct tm t;
    if (!GetLocalTm(&t))
        return false;
    st = SYSTEMTIME{};
    st.wYear = static_cast<WORD>(t.tm_year + 1900);
    st.wMonth = static_cast<WORD>(t.tm_mon + 1);
    st.wDay = static_cast<WORD>(t.tm_mday);
    st.wDayOfWeek = static_cast<WORD>(t.tm_wday);
    st.wHour = static_cast<WORD>(t.tm_hour);
    st.wMinute = static_cast<WORD>(t.tm_min);
    st.wSecond = static_cast<WORD>(t.tm_sec);
    return true;
}

CString zel::FormatTm(LPCTSTR format, const struct tm* t)
{
    if (format == nullptr || *format == 0 || t == nullptr)
        return CString();
    // wcsftime reports 0 both for "too small" and for an empty result, and some runtimes (Wine's)
    // return a cut-off count instead: only a result with room to spare is known to be whole.
    for (size_t size = 128; size <= 65536; size *= 4) {
        std::vector<wchar_t> buffer(size);
        size_t n = std::wcsftime(buffer.data(), size, format, t);
        if (n > 0 && n < size - 1)
            return CString(buffer.data(), static_cast<int>(n));
    }
    return CString();
}

CString CTime::Format(LPCTSTR format) const
{
    struct tm t;
    return zel::FormatTm(format, GetLocalTm(&t));
}

CString CTime::FormatGmt(LPCTSTR format) const
{
    struct tm t;
    return zel::FormatTm(format, GetGmtTm(&t));
}

CString CTime::Format(UINT formatId) const
{
    CString format;
    return format.LoadString(formatId) ? Format(format) : CString();
}

CString CTime::FormatGmt(UINT formatId) const
{
    CString format;
    return format.LoadString(formatId) ? FormatGmt(format) : CString();
}
