#include "platform/TimeSpan.h"

CString CTimeSpan::Format(LPCTSTR format) const
{
    CString out;
    if (format == nullptr)
        return out;
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%' || p[1] == 0) {
            out += *p;
            continue;
        }
        switch (*++p) {
        case L'D': out.AppendFormat(L"%I64d", static_cast<__int64>(GetDays())); break;
        case L'H': out.AppendFormat(L"%02ld", GetHours()); break;
        case L'M': out.AppendFormat(L"%02ld", GetMinutes()); break;
        case L'S': out.AppendFormat(L"%02ld", GetSeconds()); break;
        case L'%': out += L'%'; break;
        default: out += L'%'; out += *p; break;
        }
    }
    return out;
}
