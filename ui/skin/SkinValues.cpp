#include "ui/skin/SkinValues.h"

#include <cwchar>

#include "core/CalendarText.h"
#include "core/ColorText.h"
#include "ui/skin/SkinCustom.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImage.h"

int SkinTextToInt(const CString& strText)
{
    const wchar_t* p = strText.GetString();
    while (*p == L' ' || *p == L'\t' || *p == L'\r' || *p == L'\n')
        ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-') {
        negative = *p == L'-';
        ++p;
    }
    // Unsigned arithmetic wraps on overflow as the system function does, without undefined
    // behaviour.
    unsigned int value = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p)
        value = value * 10u + unsigned(*p - L'0');
    return negative ? int(0u - value) : int(value);
}

int ScaleSkinValue(int nValue, float fRatio)
{
    const float product = float(nValue) * fRatio;
    return int(product);
}

CRect ParseSkinRect(const CString& strText, float fRatio)
{
    CString s = strText;
    s.Trim();
    int l = 0, t = 0, w = 0, h = 0;
    if (!s.IsEmpty())
        swscanf(s.GetString(), L"%d,%d,%d,%d", &l, &t, &w, &h);
    l = ScaleSkinValue(l, fRatio);
    t = ScaleSkinValue(t, fRatio);
    w = ScaleSkinValue(w, fRatio);
    h = ScaleSkinValue(h, fRatio);
    return MakeRectXYWH(l, t, w, h);
}

CRect MakeRectXYWH(int nLeft, int nTop, int nWidth, int nHeight)
{
    return CRect(nLeft, nTop, nLeft + nWidth, nTop + nHeight);
}

CString RectToSkinText(const RECT& rc)
{
    CString s;
    s.Format(L"%d,%d,%d,%d", int(rc.left), int(rc.top), int(rc.right - rc.left), int(rc.bottom - rc.top));
    return s;
}

COLORREF ParseSkinColor(const CString& strText)
{
    return ParseHexColor(strText);
}

CString ColorToText(COLORREF clr)
{
    CString s;
    s.Format(L"%02X%02X%02X", int(GetRValue(clr)), int(GetGValue(clr)), int(GetBValue(clr)));
    return s;
}

void ParseSkinColorIfSet(const CString& strText, COLORREF& clrOut)
{
    CString s = strText;
    s.Trim();
    if (!s.IsEmpty())
        clrOut = ParseSkinColor(s);
}

void ParseRectIfSet(const CString& strText, RECT& rcOut)
{
    CString s = strText;
    s.Trim();
    if (s.IsEmpty())
        return;
    int l = 0, t = 0, w = 0, h = 0;
    swscanf(s.GetString(), L"%d,%d,%d,%d", &l, &t, &w, &h);
    rcOut = MakeRectXYWH(l, t, w, h);
}

void ParseIntIfSet(const CString& strText, int& nOut)
{
    CString s = strText;
    s.Trim();
    if (!s.IsEmpty())
        nOut = SkinTextToInt(s);
}

void SetTextIfSet(const CString& strText, CString& strOut)
{
    CString s = strText;
    s.Trim();
    if (!s.IsEmpty())
        strOut = s;
}

void ReplaceEscapedNewline(const CString& strText, CString& strOut)
{
    CString s = strText;
    s.Trim();
    if (!s.IsEmpty())
        strOut = UnescapeNewline(s);
}

CString UnescapeNewline(const CString& strText)
{
    CString s = strText;
    s.Replace(L"\\n", L"\n");
    return s;
}

CString UnescapeCrLf(const CString& strText)
{
    CString s = strText;
    s.Replace(L"\\r\\n", L"\r\n");
    return s;
}

CString EscapeCrLf(const CString& strText)
{
    CString s = strText;
    s.Replace(L"\r\n", L"\\r\\n");
    return s;
}

namespace {

int Field(const CString& s, int nStart, int nCount)
{
    return _wtoi(s.Mid(nStart, nCount).GetString());
}

} // namespace

void ParseTimeStampMs(const CString& strText, SYSTEMTIME& st)
{
    ZeroMemory(&st, sizeof(st));
    st.wYear = WORD(Field(strText, 0, 4));
    st.wMonth = WORD(Field(strText, 4, 2));
    st.wDay = WORD(Field(strText, 6, 2));
    st.wHour = WORD(Field(strText, 8, 2));
    st.wMinute = WORD(Field(strText, 10, 2));
    st.wSecond = WORD(Field(strText, 12, 2));
    st.wMilliseconds = WORD(Field(strText, 14, 3));
}

void ParseSkinStamp(const CString& strText, SYSTEMTIME& st)
{
    CString s = strText;
    s.Remove(L' ');
    s.Remove(L'-');
    s.Remove(L':');
    s.Remove(L'.');
    if (s.GetLength() < 14)
        s += CString(L'0', 14 - s.GetLength());
    ZeroMemory(&st, sizeof(st));
    st.wYear = WORD(Field(s, 0, 4));
    st.wMonth = WORD(Field(s, 4, 2));
    st.wDay = WORD(Field(s, 6, 2));
    st.wHour = WORD(Field(s, 8, 2));
    st.wMinute = WORD(Field(s, 10, 2));
    st.wSecond = WORD(Field(s, 12, 2));
    st.wDayOfWeek = WORD(DayOfWeek(st.wYear, st.wMonth, st.wDay));
}

void ApplyCustomFont(const SKIN_CUSTOM* pCustom, SKIN_FONT& font)
{
    if (pCustom)
        font = pCustom->m_font;
    font.CreateFont();
}

void ApplyCustomImage(const SKIN_CUSTOM* pCustom, SKIN_IMAGE& image)
{
    if (pCustom)
        image.m_strPath = pCustom->m_image.m_strPath;
    image.Load();
}
