#include "core/TextHelpers.h"

#include <stdexcept>

#include "core/CalendarText.h"
#include "core/MyLogFile.h"

CString IntToString(int nValue)
{
    CString str;
    str.Format(L"%d", nValue);
    return str;
}

CTime MakeTimeFromYmd(const CString& strYmd, const CString& strHour, const CString& strMinute)
{
    bool bValid = strYmd.GetLength() > 6;
    int nYear = 0, nMonth = 0, nDay = 0;
    const int nHour = _wtoi(strHour), nMinute = _wtoi(strMinute);
    if (bValid) {
        nYear = _wtoi(strYmd.Mid(0, 4));
        nMonth = _wtoi(strYmd.Mid(4, 2));
        nDay = _wtoi(strYmd.Mid(6, 2));
        // Dates before 1971 could fall before the epoch in local time.
        bValid = nYear >= 1971 && nYear <= 3000 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 &&
                 nDay <= DaysInMonth(nYear, nMonth) && nHour >= 0 && nHour <= 23 &&
                 nMinute >= 0 && nMinute <= 59;
    }
    if (!bValid) {
        g_ApplicationLog.Log(3, L"MakeTimeFromYmd: no date in [%s] [%s] [%s]\n", (LPCTSTR)strYmd,
                             (LPCTSTR)strHour, (LPCTSTR)strMinute);
        return CTime(static_cast<__time64_t>(-1));
    }
    try {
        return CTime(nYear, nMonth, nDay, nHour, nMinute, 0, -1);
    } catch (const std::exception&) {
        return CTime(static_cast<__time64_t>(-1));
    }
}

void SplitByComma(const CString& strText, CStringArray* pArray)
{
    if (pArray == nullptr) return;
    int nStart = 0;
    const int nLength = strText.GetLength();
    while (nStart <= nLength) {
        int nComma = strText.Find(L',', nStart);
        if (nComma < 0) nComma = nLength;
        if (nComma > nStart) pArray->Add(strText.Mid(nStart, nComma - nStart));
        nStart = nComma + 1;
    }
}

std::string ToTextModeBytes(const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}
