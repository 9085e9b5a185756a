#include "ui/controls/MySkinCalendarDlg.h"

#include "core/ColorText.h"
#include "platform/DC.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinObject.h"

BEGIN_MESSAGE_MAP(CMySkinCalendarDlg, CDialog)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

PICKER_ITEM* CreatePickerItem(const CString& strText, int nValue, const RECT& rc)
{
    PICKER_ITEM* p = new PICKER_ITEM;
    p->strText = strText;
    p->nValue = nValue;
    p->rcItem = rc;
    return p;
}

CMySkinCalendarDlg::CMySkinCalendarDlg(CWnd* pOwner) : m_pOwner(pOwner)
{
    if (m_template.Get())
        InitModalIndirect(m_template.Get(), pOwner);
}

CMySkinCalendarDlg::~CMySkinCalendarDlg()
{
    while (!m_items.IsEmpty())
        delete static_cast<PICKER_ITEM*>(m_items.RemoveHead());
}

const PICKER_ITEM* CMySkinCalendarDlg::GetItem(int nIndex) const
{
    POSITION pos = m_items.FindIndex(nIndex);
    return pos ? static_cast<const PICKER_ITEM*>(m_items.GetAt(pos)) : nullptr;
}

std::vector<RECT*> CMySkinCalendarDlg::ItemRects()
{
    std::vector<RECT*> rects;
    for (POSITION pos = m_items.GetHeadPosition(); pos;)
        rects.push_back(&static_cast<PICKER_ITEM*>(m_items.GetNext(pos))->rcItem);
    return rects;
}

void CMySkinCalendarDlg::AddItem(const CString& strText, int nValue)
{
    m_items.AddTail(CreatePickerItem(strText, nValue, CRect()));
}

BOOL CMySkinCalendarDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const SKIN_OBJECT* object = m_calendar.GetObjectPtr();
    const CStringArray* lang = object ? &object->m_date.m_arrLang : nullptr;
    if (m_nMode == MODE_DATE) {
        m_nItemWidth = int(60.0f * m_fScale);
        m_nItemHeight = int(30.0f * m_fScale);
        m_scroller.m_nBarWidth = int(10.0f * m_fScale);
        const int margin = int(20.0f * m_fScale);
        m_rcMargins = CRect(margin, margin, margin, margin);
        m_calendar.SetScale(m_fScale);
        const int w = int(196.0f * m_fScale), h = int(228.0f * m_fScale);
        m_calendar.SetSize(w, h);
        PositionWindow(w, h);
        m_calendar.Init(this);
    } else {
        if (m_nMode == MODE_AMPM) {
            AddItem(lang && lang->GetSize() >= 8 ? (*lang)[7] : CString(L"AM"), 0);
            AddItem(lang && lang->GetSize() >= 9 ? (*lang)[8] : CString(L"PM"), 1);
            InitTimeList(5);
        } else if (m_nMode == MODE_HOUR) {
            for (int h = 1; h <= 12; ++h) {
                CString text;
                text.Format(L"%d", h);
                AddItem(text, h);
            }
            InitTimeList(12);
        } else {
            for (int m = 0; m < 60; ++m) {
                CString text;
                text.Format(L"%02d", m);
                AddItem(text, m);
            }
            InitTimeList(10);
        }
    }
    SetCapture();
    return TRUE;
}

void CMySkinCalendarDlg::InitTimeList(int nVisibleRows)
{
    m_nVisibleRows = nVisibleRows;
    m_nItemWidth = int(60.0f * m_fScale);
    m_nItemHeight = int(30.0f * m_fScale);
    m_scroller.m_nBarWidth = int(10.0f * m_fScale);
    const int margin = int(1.0f * m_fScale);
    m_rcMargins = CRect(margin, margin, margin, margin);
    const int count = GetItemCount();
    PositionWindow(m_nItemWidth, m_nItemHeight * (count < m_nVisibleRows ? count : m_nVisibleRows));
    LayoutItems();
}

void CMySkinCalendarDlg::PositionWindow(int cx, int cy)
{
    CRect r(m_ptAnchor.x, m_ptAnchor.y, m_ptAnchor.x + cx + m_rcMargins.left + m_rcMargins.right,
            m_ptAnchor.y + cy + m_rcMargins.top + m_rcMargins.bottom);
    const int screenW = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int screenH = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (r.right > screenW) {
        const int w = r.Width();
        r.right = screenW;
        r.left = screenW - w;
    }
    if (r.bottom > screenH) {
        const int shift = r.bottom - (screenH - 30);
        r.bottom -= shift;
        r.top -= shift;
    }
    SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_FRAMECHANGED);
}

void CMySkinCalendarDlg::LayoutItems()
{
    CRect client;
    GetClientRect(&client);
    CRect list(client.left + m_rcMargins.left, client.top + m_rcMargins.top, client.right - m_rcMargins.right,
               client.bottom - m_rcMargins.bottom);
    list.right -= m_scroller.m_nBarWidth;
    m_scroller.m_rcList = list;
    int top = list.top;
    int right = list.left, bottom = list.top;
    for (RECT* r : ItemRects()) {
        *r = CRect(list.left, top, list.left + m_nItemWidth, top + m_nItemHeight);
        top += m_nItemHeight;
        if (right == list.left)
            right = r->right;
        bottom = r->bottom;
    }
    m_scroller.m_rcContent = CRect(list.left, list.top, right, bottom);
    m_scroller.Update();
}

CRect CMySkinCalendarDlg::CalendarArea() const
{
    CRect client;
    GetClientRect(&client);
    return CRect(client.left + m_rcMargins.left, client.top + m_rcMargins.top, client.right - m_rcMargins.right,
                 client.bottom - m_rcMargins.bottom);
}

bool CMySkinCalendarDlg::IsOutside(CPoint ptClient) const
{
    return IsOutsideWindow(this, ptClient);
}

void CMySkinCalendarDlg::Close(int nResult)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    EndDialog(nResult);
}

void CMySkinCalendarDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsOutside(point)) {
        Close(IDCANCEL);
        return;
    }
    if (m_nMode != MODE_DATE) {
        const std::vector<RECT*> rows = ItemRects();
        if (m_scroller.Press(point, rows))
            Invalidate(TRUE);
    }
    CDialog::OnLButtonDown(nFlags, point);
}

void CMySkinCalendarDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nMode != MODE_DATE && m_scroller.m_bDragging) {
        m_scroller.Release(ItemRects());
        Invalidate(TRUE);
        CDialog::OnLButtonUp(nFlags, point);
        return;
    }
    if (IsOutside(point)) {
        Close(IDCANCEL);
        return;
    }
    if (m_nMode == MODE_DATE) {
        if (m_calendar.OnClick(point, CalendarArea()) == 1) {
            Close(IDOK);
            return;
        }
    } else if (m_nHover >= 0) {
        m_nChosen = m_nHover;
        Close(IDOK);
        return;
    }
    CDialog::OnLButtonUp(nFlags, point);
}

void CMySkinCalendarDlg::TrackMouse(CPoint pt)
{
    if (m_scroller.m_bDragging) {
        if (m_scroller.TrackDrag(pt.y, true))
            Invalidate(TRUE);
        return;
    }
    int hover = -1;
    if (m_scroller.m_bScrollable && m_scroller.m_rcTrack.PtInRect(pt)) {
        hover = -2;
    } else {
        int i = 0;
        for (RECT* r : ItemRects()) {
            if (CRect(*r).PtInRect(pt)) {
                hover = i;
                break;
            }
            ++i;
        }
    }
    if (hover != m_nHover) {
        m_nHover = hover;
        Invalidate(TRUE);
    }
}

void CMySkinCalendarDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nMode == MODE_DATE)
        m_calendar.OnMouseMove(point, CalendarArea());
    else
        TrackMouse(point);
    CDialog::OnMouseMove(nFlags, point);
}

BOOL CMySkinCalendarDlg::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (m_nMode != MODE_DATE && m_scroller.m_bScrollable) {
        const std::vector<RECT*> rows = ItemRects();
        const bool moved = zDelta < 0 ? m_scroller.WheelDown(rows, false) : m_scroller.WheelUp(rows);
        if (moved)
            Invalidate(TRUE);
    }
    return TRUE;
}

BOOL CMySkinCalendarDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    const SKIN_OBJECT* object = m_calendar.GetObjectPtr();
    const COLORREF back = object ? ParseHexColorOr(object->m_date.m_strColorBg, m_clrBack) : m_clrBack;
    const COLORREF border = object ? ParseHexColorOr(object->m_date.m_strColorBorder, m_clrBorder) : m_clrBorder;
    CMyMemDC mem(pDC, back, &client);
    if (m_nMode == MODE_DATE)
        m_calendar.Draw(&mem, CalendarArea());
    else
        DrawList(&mem);
    CBrush frame(border);
    mem.FrameRect(&client, &frame);
    return TRUE;
}

void CMySkinCalendarDlg::DrawList(CDC* pDC)
{
    const SKIN_OBJECT* object = m_calendar.GetObjectPtr();
    const SKIN_FONT* calFont = object ? &object->m_date.m_fontCal : nullptr;
    const COLORREF select = object ? ParseHexColorOr(object->m_date.m_strColorSelect, m_clrSelect) : m_clrSelect;
    const COLORREF text = object ? GetColorOrDefault(object->m_date.m_strColorTitle, calFont->m_strColor, RGB(0, 0, 0))
                                 : RGB(0, 0, 0);
    const int align = calFont ? calFont->m_nAlign : 0;
    const UINT alignFlag = align == 1 ? DT_CENTER : (align == 2 ? DT_RIGHT : DT_LEFT);
    HFONT font = nullptr;
    if (calFont) {
        const LOGFONT lf = calFont->MakeLogFont();
        font = ::CreateFontIndirectW(&lf);
    }
    HGDIOBJ oldFont = font ? ::SelectObject(pDC->GetSafeHdc(), font) : nullptr;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(text);
    const int shift = m_scroller.DragShift();
    int i = 0;
    for (POSITION pos = m_items.GetHeadPosition(); pos; ++i) {
        const PICKER_ITEM* item = static_cast<const PICKER_ITEM*>(m_items.GetNext(pos));
        CRect r = item->rcItem;
        if (m_scroller.m_bScrollable)
            r.right -= m_scroller.m_nBarWidth;
        r.OffsetRect(0, -shift);
        if (i == m_nHover)
            pDC->FillSolidRect(&r, select);
        pDC->DrawText(item->strText, &r, alignFlag | DT_SINGLELINE | DT_VCENTER);
    }
    if (m_scroller.m_bScrollable) {
        CRect thumb = m_scroller.m_rcThumb;
        thumb.OffsetRect(0, m_scroller.m_bDragging ? m_scroller.m_nDragOffset : 0);
        pDC->FillSolidRect(&thumb, m_nHover == -2 ? m_clrThumb - 1000 : m_clrThumb);
    }
    if (oldFont)
        ::SelectObject(pDC->GetSafeHdc(), oldFont);
    if (font)
        ::DeleteObject(font);
}

void CMySkinCalendarDlg::ApplyTimeChoice(int nMode, int v, SYSTEMTIME& st)
{
    switch (nMode) {
    case MODE_AMPM:
        if (v == 0 && st.wHour > 11)
            st.wHour = WORD(st.wHour - 12);
        else if (v == 1 && st.wHour < 12)
            st.wHour = WORD(st.wHour + 12);
        break;
    case MODE_HOUR:
        if (v == 12)
            st.wHour = WORD(st.wHour > 11 ? 12 : 0);
        else
            st.wHour = WORD(st.wHour > 11 ? v + 12 : v);
        break;
    case MODE_MINUTE:
        st.wMinute = WORD(v);
        break;
    default:
        break;
    }
}

int CMySkinCalendarDlg::ApplySelection(SYSTEMTIME& st) const
{
    if (m_nMode == MODE_DATE)
        return m_calendar.GetSelected(&st);
    const PICKER_ITEM* item = GetItem(m_nChosen);
    if (item)
        ApplyTimeChoice(m_nMode, item->nValue, st);
    return m_nChosen;
}
