#include "core/ColorText.h"

int HexToInt(const CString& strText, int nCount)
{
    int value = 0;
    const int n = nCount < strText.GetLength() ? nCount : strText.GetLength();
    for (int i = 0; i < n; ++i) {
        const wchar_t c = strText[i];
        int d;
        if (c >= L'0' && c <= L'9')
            d = c - L'0';
        else if (c >= L'a' && c <= L'f')
            d = c - L'a' + 10;
        else if (c >= L'A' && c <= L'F')
            d = c - L'A' + 10;
        else
            break;
        value = value * 16 + d;
    }
    return value;
}

COLORREF ParseHexColor(const CString& strText)
{
    CString s = strText;
    s.Trim();
    s += L"000000";
    const int r = HexToInt(s.Mid(0, 2), 2);
    const int g = HexToInt(s.Mid(2, 2), 2);
    const int b = HexToInt(s.Mid(4, 2), 2);
    return RGB(r, g, b);
}

COLORREF ParseHexColorOr(const CString& strText, COLORREF clrDefault)
{
    return strText.IsEmpty() ? clrDefault : ParseHexColor(strText);
}

COLORREF GetColorOrDefault(const CString& strFirst, const CString& strSecond, COLORREF clrDefault)
{
    if (!strFirst.IsEmpty())
        return ParseHexColor(strFirst);
    if (!strSecond.IsEmpty())
        return ParseHexColor(strSecond);
    return clrDefault;
}
