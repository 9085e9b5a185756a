#include "ui/skin/SkinDate.h"

#include "core/CalendarText.h"
#include "core/DatePattern.h"
#include "platform/OleDateTime.h"
#include "platform/Wnd.h"
#include "ui/skin/SkinObject.h"
#include "ui/skin/SkinValues.h"

const wchar_t SKIN_DEFAULT_DATE_LANG[] = L"일,월,화,수,목,금,토,오전,오후,yyyy. M";
const wchar_t SKIN_DEFAULT_DATE_FORMAT[] = L"yyyy.M.d | t h:mm";

SKIN_DATE::SKIN_DATE()
{
    ::GetLocalTime(&m_time);
    m_fontCal.m_strColor.Empty();
}

SKIN_DATE& SKIN_DATE::operator=(const SKIN_DATE& other)
{
    if (this == &other)
        return *this;
    m_time = other.m_time;
    m_nDateType = other.m_nDateType;
    m_font = other.m_font;
    m_strFormat = other.m_strFormat;
    m_fontCal = other.m_fontCal;
    m_nShowTitle = other.m_nShowTitle;
    m_strColorDownRect = other.m_strColorDownRect;
    m_strColorBg = other.m_strColorBg;
    m_strColorBorder = other.m_strColorBorder;
    m_strColorSelect = other.m_strColorSelect;
    m_strColorTitle = other.m_strColorTitle;
    m_strColorDayOfWeek = other.m_strColorDayOfWeek;
    m_strColorSunday = other.m_strColorSunday;
    m_strColorNormal = other.m_strColorNormal;
    m_strColorPreNext = other.m_strColorPreNext;
    m_strLang = other.m_strLang;
    m_arrLang.Copy(other.m_arrLang);
    return *this;
}

void SKIN_DATE::SetDateTime(CWnd* pWnd, const CString& strStamp)
{
    SYSTEMTIME st;
    ParseStamp(strStamp, st);
    SetSystemTime(pWnd, st);
}

void SKIN_DATE::SetSystemTime(CWnd* pWnd, const SYSTEMTIME& st)
{
    m_time = st;
    m_time.wDayOfWeek = WORD(DayOfWeek(m_time.wYear, m_time.wMonth, m_time.wDay));
    if (pWnd && m_pObject && m_nDateType != 3 && m_nDateType != 4) {
        CRect rc = m_pObject->m_rcObject;
        m_pObject->DeflateToContent(rc);
        LayoutSegments(pWnd, rc);
        pWnd->InvalidateRect(rc, TRUE);
    }
}

void SKIN_DATE::SetDate(CWnd* pWnd, int nYear, int nMonth, int nDay)
{
    m_time.wYear = WORD(nYear);
    m_time.wMonth = WORD(nMonth);
    m_time.wDay = WORD(nDay);
    SetSystemTime(pWnd, m_time);
}

namespace {

bool ToSystemTime(const COleDateTime& dt, SYSTEMTIME& st)
{
    return dt.GetStatus() == COleDateTime::valid && dt.GetAsSystemTime(st);
}

} // namespace

void SKIN_DATE::SetNowPlus(CWnd* pWnd, int nDays, int nHours, int nMinutes, int nSeconds)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    SYSTEMTIME st;
    if (ToSystemTime(COleDateTime(now) + COleDateTimeSpan(nDays, nHours, nMinutes, nSeconds), st))
        SetSystemTime(pWnd, st);
}

void SKIN_DATE::AddSpan(CWnd* pWnd, int nDays, int nHours, int nMinutes, int nSeconds)
{
    SYSTEMTIME st;
    if (ToSystemTime(COleDateTime(m_time) + COleDateTimeSpan(nDays, nHours, nMinutes, nSeconds), st))
        SetSystemTime(pWnd, st);
}

void SKIN_DATE::ParseStamp(const CString& strStamp, SYSTEMTIME& st)
{
    ParseSkinStamp(strStamp, st);
}

void SKIN_DATE::SetLanguage(const CString& strLang, const CString& strCommonLang)
{
    SplitList(m_arrLang, strLang.IsEmpty() ? strCommonLang : strLang, L",");
}

int SKIN_DATE::SplitList(CStringArray& arr, const CString& strText, const CString& strSeparator)
{
    arr.RemoveAll();
    if (strText.IsEmpty())
        return 0;
    int start = 0;
    for (;;) {
        const int at = strText.Find(strSeparator.GetString(), start);
        if (at < 0 || strSeparator.IsEmpty()) {
            arr.Add(strText.Mid(start));
            break;
        }
        arr.Add(strText.Mid(start, at - start));
        start = at + strSeparator.GetLength();
    }
    return int(arr.GetSize());
}

CString SKIN_DATE::JoinList(const CStringArray& arr)
{
    CString out;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
        if (i)
            out += L",";
        out += arr[i];
    }
    return out;
}

namespace {

enum PartKind { kNothing = 0, kDatePart = 1, kTimePart = 2 };

// The parts of a display pattern; none when it holds no "|".
int SplitFormat(const CString& strFormat, CStringArray& parts)
{
    if (strFormat.Find(L'|') < 0) {
        parts.RemoveAll();
        return 0;
    }
    return SKIN_DATE::SplitList(parts, strFormat, L"|");
}

} // namespace

namespace {

CString FormatPart(const CString& part, int kind, const SYSTEMTIME& st, const CStringArray& lang)
{
    if (kind == kDatePart)
        return FormatDatePattern(part, st, &lang);
    if (kind == kTimePart)
        return FormatAmPm(FormatTimePattern(part, st), st, &lang);
    return CString();
}

} // namespace

CString SKIN_DATE::GetText() const
{
    CStringArray parts;
    CString out;
    for (int i = 0, n = SplitFormat(m_strFormat, parts); i < n; ++i)
        out += FormatPart(parts[i], GetPatternKind(parts[i]), m_time, m_arrLang);
    return out;
}

CString SKIN_DATE::GetDateText() const
{
    CStringArray parts;
    for (int i = 0, n = SplitFormat(m_strFormat, parts); i < n; ++i) {
        if (GetPatternKind(parts[i]) == kDatePart)
            return FormatPart(parts[i], kDatePart, m_time, m_arrLang);
    }
    return CString();
}

CString SKIN_DATE::GetTimeText() const
{
    CStringArray parts;
    for (int i = 0, n = SplitFormat(m_strFormat, parts); i < n; ++i) {
        if (GetPatternKind(parts[i]) == kTimePart)
            return FormatPart(parts[i], kTimePart, m_time, m_arrLang);
    }
    return CString();
}

CString SKIN_DATE::GetDisplayText() const
{
    switch (m_nDateType) {
    case 0: return GetText();
    case 1: return GetDateText();
    case 2: return GetTimeText();
    default: return CString();
    }
}

namespace {

wchar_t RunKind(wchar_t c)
{
    return (c == L't' || c == L'h' || c == L'm') ? c : L'\0';
}

// The segment's rectangle: the band from x, as wide as the text.
CRect MeasureSegment(HDC hdc, const CRect& band, int x, const CString& text)
{
    CRect s(x, band.top, band.right, band.bottom);
    ::DrawTextW(hdc, text.GetString(), text.GetLength(), &s, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    return s;
}

} // namespace

void SKIN_DATE::LayoutSegments(CWnd* pWnd, const RECT& rc)
{
    if (!m_pObject)
        return;
    const CRect R(rc);
    HWND hwnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    HDC hdc = ::GetDC(hwnd);
    if (!hdc)
        return;
    const LOGFONT lf = m_font.MakeLogFont();
    HFONT font = ::CreateFontIndirectW(&lf);
    HGDIOBJ oldFont = ::SelectObject(hdc, font);

    UINT flags = DT_SINGLELINE | DT_VCENTER;
    if (m_font.m_nAlign == 1)
        flags |= DT_CENTER;
    else if (m_font.m_nAlign == 2)
        flags |= DT_RIGHT;
    const CString text = GetDisplayText();
    CRect M = R;
    ::DrawTextW(hdc, text.GetString(), text.GetLength(), &M, flags | DT_CALCRECT | DT_NOPREFIX);
    int x = M.left;
    if (m_font.m_nAlign == 1)
        x += (R.Width() - M.Width()) / 2;
    else if (m_font.m_nAlign == 2)
        x += R.Width() - M.Width();
    const int top = M.top + (R.Height() - M.Height()) / 2;
    const CRect band(M.left, top, M.right, top + M.Height());

    m_rcDate = m_rcAmPm = m_rcHour = m_rcMinute = CRect(0, 0, 0, 0);
    CStringArray parts;
    bool twelveHour = false;
    for (int i = 0, n = SplitFormat(m_strFormat, parts); i < n; ++i) {
        const CString& part = parts[i];
        const int kind = GetPatternKind(part);
        if (kind == kDatePart && (m_nDateType == 0 || m_nDateType == 1)) {
            const CRect s = MeasureSegment(hdc, band, x, FormatDatePattern(part, m_time, &m_arrLang));
            m_rcDate = s;
            x = s.right;
        } else if (kind == kTimePart && (m_nDateType == 0 || m_nDateType == 2)) {
            for (int at = 0; at < part.GetLength();) {
                const wchar_t k = RunKind(part[at]);
                int end = at + 1;
                while (end < part.GetLength() && RunKind(part[end]) == k)
                    ++end;
                const CString run = part.Mid(at, end - at);
                at = end;
                CString runText = run;
                if (k == L't') {
                    runText = FormatAmPm(run, m_time, &m_arrLang);
                    twelveHour = true;
                } else if (k == L'h') {
                    SYSTEMTIME st = m_time;
                    if (twelveHour)
                        st.wHour = WORD(st.wHour == 0 ? 12 : (st.wHour > 12 ? st.wHour - 12 : st.wHour));
                    runText = FormatTimePattern(run, st);
                } else if (k == L'm') {
                    runText = FormatTimePattern(run, m_time);
                }
                const CRect s = MeasureSegment(hdc, band, x, runText);
                x = s.right;
                if (k == L't')
                    m_rcAmPm = s;
                else if (k == L'h')
                    m_rcHour = s;
                else if (k == L'm')
                    m_rcMinute = s;
            }
        }
    }
    ::SelectObject(hdc, oldFont);
    ::DeleteObject(font);
    ::ReleaseDC(hwnd, hdc);
}

void SKIN_DATE::SetDateType(CWnd* pWnd, int nDateType)
{
    m_nDateType = nDateType;
    if (!m_pObject)
        return;
    CRect rc;
    m_pObject->GetContentRect(rc, nullptr);
    LayoutSegments(pWnd, rc);
}

CString SKIN_DATE::GetStampMs() const
{
    CString s;
    s.Format(L"%04d%02d%02d%02d%02d%02d%03d", int(m_time.wYear), int(m_time.wMonth), int(m_time.wDay),
             int(m_time.wHour), int(m_time.wMinute), int(m_time.wSecond), int(m_time.wMilliseconds));
    return s;
}

CString SKIN_DATE::GetStampMinute() const
{
    CString s;
    s.Format(L"%04d%02d%02d%02d%02d00", int(m_time.wYear), int(m_time.wMonth), int(m_time.wDay),
             int(m_time.wHour), int(m_time.wMinute));
    return s;
}

CString SKIN_DATE::GetMonthFirstStamp() const
{
    CString s;
    s.Format(L"%04d%02d%02d", int(m_time.wYear), int(m_time.wMonth), 1);
    return s;
}

CString SKIN_DATE::GetMonthLastStamp() const
{
    CString s;
    s.Format(L"%04d%02d%02d", int(m_time.wYear), int(m_time.wMonth), DaysInMonth(m_time.wYear, m_time.wMonth));
    return s;
}

int SKIN_DATE::GetDateNumber(int nDays) const
{
    SYSTEMTIME st = m_time;
    if (nDays != 0) {
        SYSTEMTIME moved;
        if (ToSystemTime(COleDateTime(m_time) + COleDateTimeSpan(nDays, 0, 0, 0), moved))
            st = moved;
    }
    return st.wYear * 10000 + st.wMonth * 100 + st.wDay;
}

int SKIN_DATE::SecondsSince(const SYSTEMTIME& st, COleDateTimeSpan* pSpan) const
{
    const COleDateTimeSpan span = COleDateTime(m_time) - COleDateTime(st);
    if (pSpan)
        *pSpan = span;
    return int(span.GetTotalSeconds());
}

int SKIN_DATE::SecondsSinceStamp(const CString& strStamp, COleDateTimeSpan* pSpan) const
{
    SYSTEMTIME st;
    ParseStamp(strStamp, st);
    return SecondsSince(st, pSpan);
}

double SKIN_DATE::SecondsSinceNow(COleDateTimeSpan* pSpan) const
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return SecondsSince(now, pSpan);
}

int SKIN_DATE::CompareDayWithToday(COleDateTimeSpan* pSpan) const
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    if (pSpan)
        *pSpan = COleDateTime(m_time) - COleDateTime(now);
    if (m_time.wYear == 0)
        return -1;
    const int mine = m_time.wYear * 10000 + m_time.wMonth * 100 + m_time.wDay;
    const int today = now.wYear * 10000 + now.wMonth * 100 + now.wDay;
    return mine < today ? -1 : (mine == today ? 0 : 1);
}

int SKIN_DATE::CompareYearWithThisYear(COleDateTimeSpan* pSpan) const
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    if (pSpan)
        *pSpan = COleDateTime(m_time) - COleDateTime(now);
    if (m_time.wYear == 0 || m_time.wYear < now.wYear)
        return -1;
    return m_time.wYear == now.wYear ? 0 : 1;
}
