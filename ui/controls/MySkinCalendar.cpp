#include "ui/controls/MySkinCalendar.h"

#include "core/CalendarText.h"
#include "core/ColorText.h"
#include "core/DatePattern.h"
#include "platform/DC.h"
#include "ui/skin/MyMemDC.h"
#include "platform/Wnd.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/SkinDrawing.h"
#include "ui/skin/SkinObject.h"
#include "ui/skin/SkinScreen.h"

namespace {

int Encode(int y, int m, int d)
{
    return y * 10000 + m * 100 + d;
}

int Truncated(float f)
{
    return int(f);
}

void FillEllipse(HDC hdc, const CRect& rc, COLORREF clr)
{
    Gdiplus::Graphics graphics(hdc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::SolidBrush brush(Gdiplus::Color(255, GetRValue(clr), GetGValue(clr), GetBValue(clr)));
    graphics.FillEllipse(&brush, float(rc.left), float(rc.top), float(rc.Width()), float(rc.Height()));
}

// Single-line centred text in the given colour; nothing for an empty text or without a font.
void DrawCellText(CDC* pDC, HFONT font, const CString& text, const CRect& rc, COLORREF clr)
{
    if (!font || text.IsEmpty())
        return;
    HGDIOBJ old = ::SelectObject(pDC->GetSafeHdc(), font);
    pDC->SetTextColor(clr);
    pDC->SetBkMode(TRANSPARENT);
    CRect r = rc;
    pDC->DrawText(text, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(pDC->GetSafeHdc(), old);
}

} // namespace

bool CMySkinCalendar::InRange(int nDate) const
{
    if (m_nRangeMin != -1 && nDate < m_nRangeMin)
        return false;
    if (m_nRangeMax != -1 && nDate > m_nRangeMax)
        return false;
    return true;
}

void CMySkinCalendar::Init(CWnd* pHost)
{
    m_pHost = pHost;
    m_font.DeleteObject();
    m_font.CreateFont(-Truncated(12.0f * m_fScale), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                      L"맑은 고딕");
    ::GetLocalTime(&m_today);
    if (m_nYear == 0 || m_nMonth == 0) {
        m_nYear = m_today.wYear;
        m_nMonth = m_today.wMonth;
    }
    BuildMonth();
    Layout();
}

void CMySkinCalendar::Layout()
{
    const int S = m_pObject ? m_pObject->m_date.m_fontCal.m_nSize : 12;
    const int h = Truncated(float(S + 18) * m_fScale);
    const bool showTitle = !m_pObject || m_pObject->m_date.m_nShowTitle != 0;
    m_rcTitle = CRect(0, 0, m_nWidth, showTitle ? h : 0);
    m_rcPrev = CRect(m_rcTitle.left, m_rcTitle.top, m_rcTitle.left + h, m_rcTitle.bottom);
    m_rcNext = CRect(m_rcTitle.right - h, m_rcTitle.top, m_rcTitle.right, m_rcTitle.bottom);
    m_rcMonth = CRect(m_rcPrev.right, m_rcTitle.top, m_rcNext.left, m_rcTitle.bottom);
    m_rcWeek = CRect(0, m_rcTitle.bottom, m_nWidth, m_rcTitle.bottom + h);
    m_rcGrid = CRect(0, m_rcWeek.bottom, m_nWidth, m_nHeight);
    m_nCellW = m_rcGrid.Width() / 7;
    m_nCellH = m_rcGrid.Height() / 6;
}

int CMySkinCalendar::GetDaysInPrevMonth(int nYear, int nMonth)
{
    return nMonth == 1 ? DaysInMonth(nYear - 1, 12) : DaysInMonth(nYear, nMonth - 1);
}

int CMySkinCalendar::GetDaysInNextMonth(int nYear, int nMonth)
{
    return nMonth == 12 ? DaysInMonth(nYear + 1, 1) : DaysInMonth(nYear, nMonth + 1);
}

void CMySkinCalendar::BuildMonth()
{
    m_nLeadingDays = FirstWeekdayOfMonth(m_nYear, m_nMonth);
    m_nDaysInMonth = DaysInMonth(m_nYear, m_nMonth);
    m_days.RemoveAll();
    const int prevYear = m_nMonth == 1 ? m_nYear - 1 : m_nYear;
    const int prevMonth = m_nMonth == 1 ? 12 : m_nMonth - 1;
    const int prevDays = DaysInMonth(prevYear, prevMonth);
    for (int i = m_nLeadingDays; i > 0; --i)
        m_days.Add(UINT(Encode(prevYear, prevMonth, prevDays - i + 1)));
    for (int d = 1; d <= m_nDaysInMonth; ++d)
        m_days.Add(UINT(Encode(m_nYear, m_nMonth, d)));
    const int nextYear = m_nMonth == 12 ? m_nYear + 1 : m_nYear;
    const int nextMonth = m_nMonth == 12 ? 1 : m_nMonth + 1;
    for (int d = 1; m_days.GetSize() < 42; ++d)
        m_days.Add(UINT(Encode(nextYear, nextMonth, d)));
    if (m_nRangeMin != -1)
        m_bPrevAllowed = m_nRangeMin / 100 < m_nYear * 100 + m_nMonth;
    if (m_nRangeMax != -1)
        m_bNextAllowed = m_nYear * 100 + m_nMonth < m_nRangeMax / 100;
}

void CMySkinCalendar::SetRange(int nMin, int nMax)
{
    m_nRangeMin = nMin;
    m_nRangeMax = nMax;
}

CRect CMySkinCalendar::GetCellRect(int nIndex) const
{
    CRect client(0, 0, 0, 0);
    if (m_pHost && ::IsWindow(m_pHost->GetSafeHwnd()))
        m_pHost->GetClientRect(&client);
    const int col = nIndex % 7, row = nIndex / 7;
    const int left = m_rcGrid.left + client.left + col * m_nCellW;
    const int top = m_rcGrid.top + client.top + row * m_nCellH;
    return CRect(left, top, left + m_nCellW, top + m_nCellH);
}

CRect CMySkinCalendar::PlaceTextBox(const CRect& cell, int B) const
{
    const int align = m_pObject ? m_pObject->m_date.m_fontCal.m_nAlign : 1;
    const int d = Truncated(5.0f * m_fScale);
    CRect box = cell;
    if (cell.Width() >= B + 2 * d) {
        box.DeflateRect(d, 0);
        if (align == 0) {
            box.right = box.left + B;
        } else if (align == 1) {
            box.left += (box.Width() - B) / 2;
            box.right = box.left + B;
        } else if (align == 2) {
            box.left = box.right - B;
        }
    }
    if (cell.Height() >= B + 2 * d) {
        const int v = Truncated(7.0f * m_fScale);
        box.top += v;
        box.bottom -= v;
        box.bottom = box.top + B;
    }
    return box;
}

CRect CMySkinCalendar::GetMarkRect(const CRect& box, const CRect& cell) const
{
    CRect mark = box;
    const int g = Truncated(5.0f * m_fScale);
    mark.InflateRect(g, g);
    CRect clipped;
    clipped.IntersectRect(&mark, &cell);
    return clipped;
}

COLORREF CMySkinCalendar::BlendColor(COLORREF a, COLORREF b)
{
    return SKIN_SCREEN::BlendColor(a, b);
}

void CMySkinCalendar::DrawArrow(CDC* pDC, const CRect& button, COLORREF clrArrow, COLORREF clrBack, bool bNext)
{
    CRect r = button;
    r.DeflateRect(Truncated(12.0f * m_fScale), Truncated(10.0f * m_fScale));
    const COLORREF soft = BlendColor(clrBack, clrArrow);
    DrawGlyphBitmap(pDC->GetSafeHdc(), r, 6, 10, clrBack, [&](HDC mem) {
        for (int i = 0; i <= 4; ++i) {
            const int x = bNext ? 4 - i : i;
            FillGlyphBlock(mem, x, 4 - i, soft);
            FillGlyphBlock(mem, x, 4 + i, soft);
        }
        for (int k = 0; k <= 3; ++k) {
            const int x = bNext ? 4 - k : 1 + k;
            ::SetPixel(mem, x, 4 - k, clrArrow);
            ::SetPixel(mem, x, 5 + k, clrArrow);
        }
    });
}

void CMySkinCalendar::Draw(CDC* pDC, const RECT& rcArea)
{
    if (!m_pObject || !pDC || !pDC->GetSafeHdc())
        return;
    SKIN_DATE& d = m_pObject->m_date;
    SKIN_FONT& calFont = d.m_fontCal;
    const CPoint o(rcArea.left, rcArea.top);
    auto moved = [&](const CRect& r) { CRect x = r; x.OffsetRect(o); return x; };
    const COLORREF back = ParseHexColorOr(d.m_strColorBg, m_clrBackDefault);
    pDC->FillSolidRect(&rcArea, back);

    CFont* oldFont = pDC->SelectObject(&m_font);
    pDC->SetBkMode(TRANSPARENT);
    const LOGFONT lf = calFont.MakeLogFont();
    HFONT font = ::CreateFontIndirectW(&lf);
    const CStringArray& lang = d.m_arrLang;

    if (d.m_nShowTitle) {
        const COLORREF title = GetColorOrDefault(d.m_strColorTitle, calFont.m_strColor, RGB(0, 0, 0));
        if (m_bPrevAllowed)
            DrawArrow(pDC, moved(m_rcPrev), title, back, false);
        if (m_bNextAllowed)
            DrawArrow(pDC, moved(m_rcNext), title, back, true);
        SYSTEMTIME st = {};
        st.wYear = WORD(m_nYear);
        st.wMonth = WORD(m_nMonth);
        const CString pattern = lang.GetSize() >= 10 ? lang[9] : CString(L"yyyy. M");
        DrawCellText(pDC, font, FormatDatePattern(pattern, st, &lang), moved(m_rcMonth), title);
    }

    HGDIOBJ prev = ::SelectObject(pDC->GetSafeHdc(), font);
    const int B = pDC->GetTextExtent(CString(L"30")).cx;
    ::SelectObject(pDC->GetSafeHdc(), prev);

    static const wchar_t* const kLetters[7] = {L"S", L"M", L"T", L"W", L"T", L"F", L"S"};
    for (int i = 0; i < 7; ++i) {
        const CString name = lang.GetSize() > i ? lang[i] : CString(kLetters[i]);
        const CRect cell(m_rcWeek.left + i * m_nCellW, m_rcWeek.top, m_rcWeek.left + (i + 1) * m_nCellW, m_rcWeek.bottom);
        CRect box = PlaceTextBox(cell, B);
        HGDIOBJ p = ::SelectObject(pDC->GetSafeHdc(), font);
        const int nameWidth = pDC->GetTextExtent(name).cx;
        ::SelectObject(pDC->GetSafeHdc(), p);
        if (nameWidth > box.Width()) {
            const int formerLeft = box.left;
            const int half = (nameWidth - box.Width()) / 2;
            box.left -= half;
            if (box.left < cell.left)
                box.left = formerLeft;
            box.right = box.left + nameWidth;
        }
        const COLORREF clr = i == 0 ? GetColorOrDefault(d.m_strColorSunday, calFont.m_strColor, m_clrSundayDefault)
                                    : GetColorOrDefault(d.m_strColorDayOfWeek, calFont.m_strColor, m_clrNormalDefault);
        DrawCellText(pDC, font, name, moved(box), clr);
    }

    for (int j = 0; j < 42 && j < int(m_days.GetSize()); ++j) {
        const int date = int(m_days[j]);
        if (!InRange(date))
            continue;
        const int col = j % 7, row = j / 7;
        const CRect cellLocal(m_rcGrid.left + col * m_nCellW, m_rcGrid.top + row * m_nCellH,
                              m_rcGrid.left + (col + 1) * m_nCellW, m_rcGrid.top + (row + 1) * m_nCellH);
        const CRect cell = moved(cellLocal);
        const CRect box = moved(PlaceTextBox(cellLocal, B));
        const CRect mark = GetMarkRect(box, cell);
        const int y = date / 10000, m = date / 100 % 100, day = date % 100;
        if (j == m_nHover && !d.m_strColorSelect.IsEmpty())
            FillEllipse(pDC->GetSafeHdc(), mark, ParseHexColor(d.m_strColorSelect));
        if (y == d.m_time.wYear && m == d.m_time.wMonth && day == d.m_time.wDay && !d.m_strColorSelect.IsEmpty()) {
            CRect outline = cell;
            outline.DeflateRect(2, 2);
            CBrush brush(ParseHexColor(d.m_strColorSelect));
            pDC->FrameRect(&outline, &brush);
        }
        COLORREF text;
        if (m != m_nMonth || y != m_nYear) {
            text = GetColorOrDefault(d.m_strColorPreNext, calFont.m_strColor, m_clrOtherDefault);
        } else if (y == m_today.wYear && m == m_today.wMonth && day == m_today.wDay) {
            FillEllipse(pDC->GetSafeHdc(), mark, RGB(50, 50, 50));
            text = RGB(255, 255, 255);
        } else if (col == 0) {
            text = GetColorOrDefault(d.m_strColorSunday, calFont.m_strColor, m_clrSundayDefault);
        } else {
            text = GetColorOrDefault(d.m_strColorNormal, calFont.m_strColor, m_clrNormalDefault);
        }
        CString number;
        number.Format(L"%d", day);
        DrawCellText(pDC, font, number, box, text);
        if (!d.m_strColorBorder.IsEmpty()) {
            CRect frame = cell;
            if (col > 0)
                frame.left -= 1;
            if (row > 0)
                frame.top -= 1;
            else
                frame.top -= m_rcWeek.Height();
            CBrush brush(ParseHexColor(d.m_strColorBorder));
            pDC->FrameRect(&frame, &brush);
        }
    }
    ::DeleteObject(font);
    pDC->SetBkMode(OPAQUE);
    if (oldFont)
        pDC->SelectObject(oldFont);
}

void CMySkinCalendar::OnMouseMove(CPoint pt, const RECT& rc)
{
    CRect grid = m_rcGrid;
    grid.OffsetRect(rc.left, rc.top);
    int hit = -1;
    if (grid.PtInRect(pt)) {
        for (int j = 0; j < 42; ++j) {
            CRect cell(grid.left + (j % 7) * m_nCellW, grid.top + (j / 7) * m_nCellH, 0, 0);
            cell.right = cell.left + m_nCellW;
            cell.bottom = cell.top + m_nCellH;
            if (cell.PtInRect(pt)) {
                hit = j;
                break;
            }
        }
    }
    if (hit != m_nHover && (hit != -1 || m_nHover != -1)) {
        m_nHover = hit;
        if (m_pHost && ::IsWindow(m_pHost->GetSafeHwnd()))
            m_pHost->Invalidate(TRUE);
    }
}

int CMySkinCalendar::OnClick(CPoint pt, const RECT& rc)
{
    const CPoint local(pt.x - rc.left, pt.y - rc.top);
    if (m_rcPrev.PtInRect(local) && m_bPrevAllowed) {
        PrevMonth();
        return 0;
    }
    if (m_rcNext.PtInRect(local) && m_bNextAllowed) {
        NextMonth();
        return 0;
    }
    if (!m_rcGrid.PtInRect(local))
        return 0;
    m_nSelected = -1;
    for (int j = 0; j < 42; ++j) {
        const CRect cell(m_rcGrid.left + (j % 7) * m_nCellW, m_rcGrid.top + (j / 7) * m_nCellH,
                         m_rcGrid.left + (j % 7 + 1) * m_nCellW, m_rcGrid.top + (j / 7 + 1) * m_nCellH);
        if (cell.PtInRect(local)) {
            m_nSelected = j;
            break;
        }
    }
    if (m_nSelected < 0 || m_nSelected >= int(m_days.GetSize()))
        return 0;
    return InRange(int(m_days[m_nSelected])) ? 1 : 0;
}

int CMySkinCalendar::GetSelected(SYSTEMTIME* pTime) const
{
    if (pTime && m_nSelected >= 0 && m_nSelected < int(m_days.GetSize())) {
        const int date = int(m_days[m_nSelected]);
        pTime->wYear = WORD(date / 10000);
        pTime->wMonth = WORD(date / 100 % 100);
        pTime->wDay = WORD(date % 100);
        pTime->wDayOfWeek = WORD(m_nSelected % 7);
    }
    return m_nSelected;
}

void CMySkinCalendar::OnMonthChanged()
{
    m_nHover = m_nSelected = -1;
    BuildMonth();
    if (m_pHost && ::IsWindow(m_pHost->GetSafeHwnd()))
        m_pHost->Invalidate(TRUE);
    if (m_pNotifyWnd && ::IsWindow(m_pNotifyWnd->GetSafeHwnd()))
        m_pNotifyWnd->PostMessage(WM_SKIN_OBJECT_EVENT, SKINEVENT_CALENDAR_MONTH, (LPARAM)m_pObject);
}

void CMySkinCalendar::SetYearMonth(int nYear, int nMonth)
{
    m_nYear = nYear;
    m_nMonth = nMonth;
    OnMonthChanged();
}

void CMySkinCalendar::NextMonth()
{
    if (++m_nMonth > 12) {
        m_nMonth = 1;
        ++m_nYear;
    }
    OnMonthChanged();
}

void CMySkinCalendar::PrevMonth()
{
    if (--m_nMonth < 1) {
        m_nMonth = 12;
        --m_nYear;
    }
    OnMonthChanged();
}

int CMySkinCalendar::Paint(CDC* pDC)
{
    if (!m_pHost || !pDC)
        return 0;
    CRect client;
    m_pHost->GetClientRect(&client);
    CMyMemDC mem(pDC, m_clrBackDefault, &client);
    Draw(&mem, client);
    return 1;
}
