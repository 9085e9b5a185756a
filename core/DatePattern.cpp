#include "core/DatePattern.h"

#include "core/CalendarText.h"

namespace {

bool StartsWith(const CString& text, int pos, const wchar_t* token)
{
    for (int i = 0; token[i]; ++i) {
        if (pos + i >= text.GetLength() || text[pos + i] != token[i])
            return false;
    }
    return true;
}

CString Number(const wchar_t* format, int value)
{
    CString s;
    s.Format(format, value);
    return s;
}

CString NameOr(const CStringArray* pNames, int index, const wchar_t* fallback)
{
    if (pNames != nullptr && index < int(pNames->GetSize()))
        return pNames->GetAt(index);
    return fallback;
}

}  // namespace

CString FormatDatePattern(CString strPattern, const SYSTEMTIME& st, const CStringArray* pNames)
{
    const int day = st.wDay;
    // Longer tokens first, so that at one place "yyyy" wins over "yy" and "DD" over "D".
    struct Token {
        const wchar_t* text;
        CString value;
    };
    const Token tokens[] = {
        {L"yyyy", Number(L"%d", st.wYear)},
        {L"yy", Number(L"%02d", st.wYear % 100)},
        {L"MM", Number(L"%02d", st.wMonth)},
        {L"M", Number(L"%d", st.wMonth)},
        {L"EE", GetMonthName(st.wMonth)},
        {L"E", GetMonthShortName(st.wMonth)},
        {L"dd", Number(L"%02d", day)},
        {L"d", Number(L"%d", day)},
        {L"DD", Number(L"%02d", day) + GetOrdinalSuffix(unsigned(day))},
        {L"D", Number(L"%d", day) + GetOrdinalSuffix(unsigned(day))},
        {L"w", GetWeekdayShortName(st.wDayOfWeek, pNames)},
    };
    CString out;
    int pos = 0;
    while (pos < strPattern.GetLength()) {
        const Token* match = nullptr;
        for (const Token& t : tokens) {
            if (StartsWith(strPattern, pos, t.text)) {
                match = &t;
                break;
            }
        }
        if (match) {
            out += match->value;
            pos += int(wcslen(match->text));
        } else {
            out += strPattern[pos];
            ++pos;
        }
    }
    return out;
}

CString FormatTimePattern(CString strPattern, const SYSTEMTIME& st)
{
    int hour = st.wHour;
    if (strPattern.Find(L't') >= 0) {
        if (hour == 0)
            hour = 12;
        else if (hour > 12)
            hour -= 12;
    }
    // Replacements in this order; each produces digits only, so no later one can match them.
    strPattern.Replace(L"hh", Number(L"%02d", hour));
    strPattern.Replace(L"h", Number(L"%d", hour));
    strPattern.Replace(L"mm", Number(L"%02d", st.wMinute));
    strPattern.Replace(L"m", Number(L"%d", st.wMinute));
    strPattern.Replace(L"ss", Number(L"%02d", st.wSecond));
    strPattern.Replace(L"s", Number(L"%d", st.wSecond));
    strPattern.Replace(L"SSS", Number(L"%03d", st.wMilliseconds));
    return strPattern;
}

CString FormatAmPm(CString strPattern, const SYSTEMTIME& st, const CStringArray* pNames)
{
    strPattern.Replace(L"tt", L"");
    const CString text = st.wHour < 12 ? NameOr(pNames, 7, L"AM") : NameOr(pNames, 8, L"PM");
    strPattern.Replace(L"t", text);
    return strPattern;
}
