#include "ui/controls/MySkinComboDlg.h"

#include <functional>

#include "core/ColorText.h"
#include "platform/DC.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/MonitorInfo.h"
#include "ui/skin/SkinDrawing.h"
#include "ui/skin/SkinObject.h"
#include "ui/skin/SkinScreen.h"

BEGIN_MESSAGE_MAP(CMySkinComboDlg, CDialog)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace {

int Times(int n, float s)
{
    return int(float(n) * s);
}

} // namespace

CMySkinComboDlg::CMySkinComboDlg(CWnd* pOwner) : m_pOwner(pOwner)
{
    if (m_template.Get())
        InitModalIndirect(m_template.Get(), pOwner);
}

CMySkinComboDlg::~CMySkinComboDlg()
{
    delete m_pSubPopup;
    while (!m_rows.IsEmpty())
        delete static_cast<SKIN_COMBO_ITEM*>(m_rows.RemoveHead());
}

SKIN_COMBO* CMySkinComboDlg::Combo() const
{
    return m_pObject ? &m_pObject->m_combo : nullptr;
}

SKIN_COMBO_ITEM* CMySkinComboDlg::RowAt(int nIndex) const
{
    POSITION pos = m_rows.FindIndex(nIndex);
    return pos ? static_cast<SKIN_COMBO_ITEM*>(const_cast<CPtrList&>(m_rows).GetAt(pos)) : nullptr;
}

const SKIN_COMBO_ITEM* CMySkinComboDlg::GetRow(int nIndex) const
{
    return RowAt(nIndex);
}

int CMySkinComboDlg::GetItemValue(int nIndex) const
{
    const SKIN_COMBO_ITEM* row = RowAt(nIndex);
    return row ? row->m_nValue : 0;
}

std::vector<RECT*> CMySkinComboDlg::RowRects()
{
    std::vector<RECT*> rects;
    for (POSITION pos = m_rows.GetHeadPosition(); pos;)
        rects.push_back(&static_cast<SKIN_COMBO_ITEM*>(m_rows.GetNext(pos))->m_rcItem);
    return rects;
}

int CMySkinComboDlg::RowHeight(const SKIN_COMBO_ITEM& row) const
{
    return row.m_nParam2 == 1 ? Times(10, m_fScale) : m_nRowHeight;
}

void CMySkinComboDlg::CopyRows()
{
    const SKIN_COMBO* combo = Combo();
    if (!combo)
        return;
    m_bImageColumn = !combo->m_files.IsEmpty();
    combo->m_items.ForEach([&](const SKIN_COMBO_ITEM& item) {
        if (!item.m_bVisible || item.m_nParam1 != m_nLevel)
            return;
        m_rows.AddTail(new SKIN_COMBO_ITEM(item));
        if (item.m_nImage == -1)
            m_bImageColumn = true;
        if (item.m_nParam2 == 2)
            m_bSubLevels = true;
    });
}

int CMySkinComboDlg::MeasureWidth()
{
    const SKIN_COMBO* combo = Combo();
    if (!combo)
        return 0;
    const float s = m_fScale;
    const LOGFONT lf = combo->m_fontList.MakeLogFont();
    HFONT font = ::CreateFontIndirectW(&lf);
    HDC hdc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(hdc, font);
    int widest = 0;
    bool check = false, sub = false;
    combo->m_items.ForEach([&](const SKIN_COMBO_ITEM& item) {
        if (!item.m_bVisible || item.m_nParam1 != m_nLevel)
            return;
        SIZE size = {0, 0};
        ::GetTextExtentPoint32W(hdc, item.m_strText.GetString(), item.m_strText.GetLength(), &size);
        widest = size.cx > widest ? size.cx : widest;
        check = check || item.m_nImage == -1;
        sub = sub || item.m_nParam2 == 2;
    });
    ::SelectObject(hdc, old);
    ::ReleaseDC(m_hWnd, hdc);
    ::DeleteObject(font);
    const int leftGap = Times(combo->m_nLeftGap ? combo->m_nLeftGap : 5, s);
    const int padL = Times(combo->m_nPaddingL ? combo->m_nPaddingL : combo->m_nPadding, s);
    const int padR = Times(combo->m_nPaddingR ? combo->m_nPaddingR : combo->m_nPadding, s);
    int w = widest + padL + padR + leftGap + Times(combo->m_nTextGap, s) + Times(20, s);
    if (check)
        w += Times(combo->m_nItemH, s);
    if (sub)
        w += combo->m_fontList.m_nSize;
    return w;
}

BOOL CMySkinComboDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SKIN_COMBO* combo = Combo();
    if (!combo) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    const float s = m_fScale;
    auto side = [&](int own) { return Times(own ? own : combo->m_nPadding, s); };
    m_rcPadding = CRect(side(combo->m_nPaddingL), side(combo->m_nPaddingT), side(combo->m_nPaddingR), side(combo->m_nPaddingB));
    m_nLeftGap = Times(combo->m_nLeftGap ? combo->m_nLeftGap : 5, s);
    m_nTextGap = Times(combo->m_nTextGap, s);
    m_scroller.m_nBarWidth = Times(10, s);
    m_nRowHeight = Times(combo->m_nItemH, s);
    if (combo->m_nSizeW == 0)
        m_nWidth = m_pObject->m_rcObject.Width();
    else if (combo->m_nSizeW == -1)
        m_nWidth = MeasureWidth();
    else
        m_nWidth = Times(combo->m_nSizeW, s);
    m_nHeight = Times(combo->m_nSizeH, s);
    CopyRows();
    float needed = float(m_rcPadding.top + m_rcPadding.bottom);
    for (POSITION pos = m_rows.GetHeadPosition(); pos;) {
        const SKIN_COMBO_ITEM* row = static_cast<SKIN_COMBO_ITEM*>(m_rows.GetNext(pos));
        needed = float(int(needed + (row->m_nParam2 == 1 ? 10.0f * s : float(m_nRowHeight))));
    }
    if (int(needed) < m_nHeight)
        m_nHeight = int(needed);
    PositionWindow(m_nWidth, m_nHeight);
    LayoutItems();
    SetCapture();
    if (m_pParentPopup) {
        CRect window;
        GetWindowRect(&window);
        if (window.left < m_ptAnchor.x)
            SetWindowPos(nullptr, m_ptFlip.x - window.Width(), window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    return TRUE;
}

void CMySkinComboDlg::PositionWindow(int w, int h)
{
    CRect r(m_ptAnchor.x, m_ptAnchor.y, m_ptAnchor.x + w, m_ptAnchor.y + h);
    const SKIN_COMBO* combo = Combo();
    if (combo && (combo->m_nFlags & SKIN_COMBO_OPEN_UPWARD))
        r = CRect(m_ptAnchor.x, m_ptAnchor.y - h, m_ptAnchor.x + w, m_ptAnchor.y);
    CMonitorInfo monitors;
    monitors.FitToWorkArea(r);
    r.OffsetRect(1, 0);
    SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_FRAMECHANGED);
}

void CMySkinComboDlg::LayoutItems()
{
    CRect client;
    GetClientRect(&client);
    CRect list(client.left + m_rcPadding.left, client.top + m_rcPadding.top, client.right - m_rcPadding.right,
               client.bottom - m_rcPadding.bottom);
    list.right -= m_scroller.m_nBarWidth;
    m_scroller.m_rcList = list;
    float top = float(list.top);
    for (POSITION pos = m_rows.GetHeadPosition(); pos;) {
        SKIN_COMBO_ITEM* row = static_cast<SKIN_COMBO_ITEM*>(m_rows.GetNext(pos));
        const int rowTop = int(top);
        top = row->m_nParam2 == 1 ? float(int(top + 10.0f * m_fScale)) : top + float(m_nRowHeight);
        row->m_rcItem = CRect(list.left, rowTop, list.right + m_scroller.m_nBarWidth, int(top));
    }
    m_scroller.m_rcContent = CRect(list.left, list.top, list.right + m_scroller.m_nBarWidth, int(top));
    m_scroller.Update();
}

int CMySkinComboDlg::AddItem(int nParam1, const CString& strText, int nValue, int nImage, int nParam2)
{
    const int top = m_scroller.m_rcContent.bottom;
    CRect client(0, 0, m_nWidth, 0);
    if (::IsWindow(m_hWnd))
        GetClientRect(&client);
    const CRect rc(m_scroller.m_rcList.left, top, m_scroller.m_rcList.left + client.Width(), top + m_nRowHeight);
    SKIN_COMBO_ITEM* row = CreateComboItem(nParam1, strText, nValue, nImage, nParam2, rc);
    m_rows.AddTail(row);
    m_scroller.m_rcContent.bottom = rc.bottom;
    if (::IsWindow(m_hWnd)) {
        m_scroller.Update();
        Invalidate(TRUE);
    }
    return GetRowCount() - 1;
}

int CMySkinComboDlg::RemoveItem(int nIndex)
{
    POSITION pos = m_rows.FindIndex(nIndex);
    if (!pos)
        return 0;
    delete static_cast<SKIN_COMBO_ITEM*>(m_rows.GetAt(pos));
    m_rows.RemoveAt(pos);
    if (::IsWindow(m_hWnd)) {
        LayoutItems();
        Invalidate(TRUE);
    }
    return 1;
}

bool CMySkinComboDlg::IsOutside(CPoint ptClient) const
{
    return IsOutsideWindow(this, ptClient);
}

void CMySkinComboDlg::Close(int nResult)
{
    if (m_bClosing)
        return;
    m_bClosing = true;
    CloseSubList();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    EndDialog(nResult);
}

bool CMySkinComboDlg::TrackMouse(CPoint pt)
{
    if (m_scroller.m_bDragging) {
        if (m_scroller.TrackDrag(pt.y, false))
            Invalidate(TRUE);
        return false;
    }
    int hover = -1;
    if (m_scroller.m_bScrollable && m_scroller.m_rcTrack.PtInRect(pt)) {
        hover = -2;
    } else if (pt.y >= m_scroller.m_rcList.top && pt.y < m_scroller.m_rcList.bottom) {
        int i = 0;
        for (POSITION pos = m_rows.GetHeadPosition(); pos; ++i) {
            const SKIN_COMBO_ITEM* row = static_cast<SKIN_COMBO_ITEM*>(m_rows.GetNext(pos));
            if (CRect(row->m_rcItem).PtInRect(pt)) {
                if (!row->m_strText.IsEmpty())
                    hover = i;
                break;
            }
        }
    }
    if (hover == m_nHover)
        return false;
    m_nHover = hover;
    Invalidate(TRUE);
    return true;
}

void CMySkinComboDlg::HandleMove(CPoint pt)
{
    const int before = m_nHover;
    if (TrackMouse(pt)) {
        if (before >= 0 && before == m_nSubRow)
            CloseSubList();
        if (m_nHover >= 0) {
            const SKIN_COMBO_ITEM* row = RowAt(m_nHover);
            if (row && row->m_nParam2 == 2) {
                // A sub-list already running is replaced once it has closed; otherwise it opens
                // here, inside this mouse message.
                if (m_pSubPopup && ::IsWindow(m_pSubPopup->m_hWnd))
                    m_nPendingSubRow = m_nHover;
                else
                    OpenSubList(m_nHover);
            }
            return;
        }
    }
    if (m_pParentPopup && IsOutside(pt) && ::IsWindow(m_pParentPopup->m_hWnd)) {
        CPoint screen = pt;
        ClientToScreen(&screen);
        m_pParentPopup->ScreenToClient(&screen);
        m_pParentPopup->HandleMove(screen);
    }
}

void CMySkinComboDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    HandleMove(point);
    if (::IsWindow(m_hWnd))
        CDialog::OnMouseMove(nFlags, point);
}

void CMySkinComboDlg::CloseSubList()
{
    if (m_pSubPopup && ::IsWindow(m_pSubPopup->m_hWnd))
        m_pSubPopup->Close(IDCANCEL);
    m_nPendingSubRow = -1;
}

void CMySkinComboDlg::OpenSubList(int nRow)
{
    for (int row = nRow; row >= 0;) {
        const SKIN_COMBO_ITEM* item = RowAt(row);
        if (!item || item->m_nParam2 != 2)
            break;
        delete m_pSubPopup;
        m_pSubPopup = new CMySkinComboDlg(this);
        CMySkinComboDlg& sub = *m_pSubPopup;
        CPoint anchor(item->m_rcItem.right - 2, item->m_rcItem.top);
        if (m_scroller.m_bScrollable)
            anchor.x -= m_scroller.m_nBarWidth;
        ClientToScreen(&anchor);
        CPoint flip(item->m_rcItem.left + 2, item->m_rcItem.top);
        ClientToScreen(&flip);
        sub.SetAnchor(anchor);
        sub.SetFlipPoint(flip);
        sub.SetScale(m_fScale);
        sub.SetObject(m_pObject);
        sub.SetLevel(item->m_nValue);
        sub.SetParentPopup(this);
        sub.SetCloseOnRelease(m_nCloseOnRelease);
        m_nSubRow = row;
        m_nPendingSubRow = -1;
        const INT_PTR result = sub.DoModal();
        m_nSubRow = -1;
        if (!::IsWindow(m_hWnd))
            return;
        if (result == IDOK) {
            m_chosen = sub.GetChosen();
            Close(IDOK);
            return;
        }
        if (m_bClosing)
            return;
        SetCapture();
        row = m_nPendingSubRow;
        m_nPendingSubRow = -1;
    }
}

void CMySkinComboDlg::HandleButtonDown(CPoint pt)
{
    if (IsOutside(pt)) {
        if (!m_nCloseOnRelease)
            Close(IDCANCEL);
        return;
    }
    if (m_scroller.Press(pt, RowRects()))
        Invalidate(TRUE);
}

void CMySkinComboDlg::HandleButtonUp(CPoint pt)
{
    if (!IsOutside(pt)) {
        if (m_nHover >= 0) {
            if (const SKIN_COMBO_ITEM* row = RowAt(m_nHover)) {
                m_chosen = *row;
                m_chosen.m_nRow = m_nHover;
                Close(IDOK);
            }
        }
    } else if (m_nCloseOnRelease) {
        Close(IDCANCEL);
    }
}

void CMySkinComboDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    HandleButtonDown(point);
    if (::IsWindow(m_hWnd) && !m_bClosing)
        CDialog::OnLButtonDown(nFlags, point);
}

void CMySkinComboDlg::OnRButtonDown(UINT nFlags, CPoint point)
{
    HandleButtonDown(point);
    if (::IsWindow(m_hWnd) && !m_bClosing)
        CDialog::OnRButtonDown(nFlags, point);
}

void CMySkinComboDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_scroller.m_bScrollable && m_scroller.m_bDragging) {
        m_scroller.Release(RowRects());
        Invalidate(TRUE);
    }
    HandleButtonUp(point);
    if (::IsWindow(m_hWnd) && !m_bClosing)
        CDialog::OnLButtonUp(nFlags, point);
}

void CMySkinComboDlg::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (m_scroller.m_bDragging) {
        m_scroller.Release(RowRects());
        Invalidate(TRUE);
    }
    if (IsOutside(point)) {
        if (m_nCloseOnRelease)
            Close(IDCANCEL);
        return;
    }
    CDialog::OnRButtonUp(nFlags, point);
}

BOOL CMySkinComboDlg::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (!m_scroller.m_bScrollable)
        return CDialog::OnMouseWheel(nFlags, zDelta, pt);
    const std::vector<RECT*> rows = RowRects();
    if (zDelta < 0 ? m_scroller.WheelDown(rows, true) : m_scroller.WheelUp(rows))
        Invalidate(TRUE);
    return TRUE;
}

namespace {

// Glyphs of size w x h times the scale, centred in the target.
void DrawGlyph(CDC* pDC, const CRect& target, int w, int h, float s, COLORREF back, const std::function<void(HDC)>& paint)
{
    const int dw = int(float(w) * s), dh = int(float(h) * s);
    const int x = target.left + (target.Width() - dw) / 2, y = target.top + (target.Height() - dh) / 2;
    DrawGlyphBitmap(pDC->GetSafeHdc(), CRect(x, y, x + dw, y + dh), w, h, back, paint);
}

void DrawCheckMark(CDC* pDC, const CRect& target, float s, COLORREF back, COLORREF fore)
{
    const COLORREF m = SKIN_SCREEN::BlendColor(back, fore);
    DrawGlyph(pDC, target, 10, 7, s, back, [&](HDC dc) {
        for (int i = 0; i <= 3; ++i)
            FillGlyphBlock(dc, i, 2 + i, m);
        for (int j = 0; j <= 4; ++j)
            FillGlyphBlock(dc, 4 + j, 4 - j, m);
        for (int k = 0; k <= 2; ++k)
            ::SetPixel(dc, 1 + k, 3 + k, fore);
        for (int l = 0; l <= 4; ++l)
            ::SetPixel(dc, 4 + l, 5 - l, fore);
    });
}

void DrawRightArrow(CDC* pDC, const CRect& target, float s, COLORREF back, COLORREF fore)
{
    const COLORREF m = SKIN_SCREEN::BlendColor(back, fore);
    DrawGlyph(pDC, target, 6, 10, s, back, [&](HDC dc) {
        for (int i = 0; i <= 4; ++i) {
            FillGlyphBlock(dc, 4 - i, 4 - i, m);
            FillGlyphBlock(dc, 4 - i, 4 + i, m);
        }
        for (int k = 0; k <= 3; ++k) {
            ::SetPixel(dc, 4 - k, 4 - k, fore);
            ::SetPixel(dc, 4 - k, 5 + k, fore);
        }
    });
}

} // namespace

void CMySkinComboDlg::DrawList(CDC* pDC)
{
    SKIN_COMBO* combo = Combo();
    const COLORREF back = ParseHexColorOr(combo->m_strColorBg, m_clrBack);
    const COLORREF select = ParseHexColorOr(combo->m_strColorSelect, m_clrSelect);
    const COLORREF line = ParseHexColorOr(combo->m_strColorLine, m_clrLine);
    const SKIN_FONT& listFont = combo->m_fontList;
    const COLORREF textColor = ParseHexColorOr(listFont.m_strColor, RGB(0, 0, 0));
    const UINT alignFlag = listFont.m_nAlign == 1 ? DT_CENTER : (listFont.m_nAlign == 2 ? DT_RIGHT : DT_LEFT);
    const LOGFONT lf = listFont.MakeLogFont();
    HFONT font = ::CreateFontIndirectW(&lf);
    HGDIOBJ oldFont = ::SelectObject(pDC->GetSafeHdc(), font);
    pDC->SetBkMode(TRANSPARENT);
    const int saved = pDC->SaveDC();
    CRect visible = m_scroller.m_rcList;
    visible.right += m_scroller.m_nBarWidth;
    pDC->IntersectClipRect(&visible);
    const int shift = m_scroller.DragShift();
    const int imageSize = m_nRowHeight ? (combo->m_nImageSize ? Times(combo->m_nImageSize, m_fScale) : m_nRowHeight) : 0;
    int i = 0;
    for (POSITION pos = m_rows.GetHeadPosition(); pos; ++i) {
        const SKIN_COMBO_ITEM* row = static_cast<SKIN_COMBO_ITEM*>(m_rows.GetNext(pos));
        CRect r = row->m_rcItem;
        if (m_scroller.m_bScrollable)
            r.right -= m_scroller.m_nBarWidth;
        r.OffsetRect(0, -shift);
        if (row->m_nParam2 == 1) {
            const int y = r.top + r.Height() / 2;
            pDC->FillSolidRect(r.left, y, r.Width(), 1, line);
            continue;
        }
        COLORREF rowBack = back;
        if (i == m_nHover) {
            pDC->FillSolidRect(&r, select);
            rowBack = select;
        }
        int left = r.left + m_nLeftGap;
        if (m_bImageColumn) {
            const CRect column(left, r.top, left + imageSize, r.bottom);
            if (row->m_nImage >= 1) {
                Gdiplus::Image* image = combo->m_files.GetImage(row->m_nImage - 1);
                if (image && image->GetLastStatus() == Gdiplus::Ok) {
                    const CRect square(column.left, r.top + (r.Height() - imageSize) / 2, column.left + imageSize,
                                       r.top + (r.Height() - imageSize) / 2 + imageSize);
                    SKIN_SCREEN::DrawImage(pDC, square, image, 0, 0);
                }
            } else if (row->m_nImage == -1) {
                DrawCheckMark(pDC, column, m_fScale, rowBack, textColor);
            }
            left = column.right;
        }
        CRect text(left + m_nTextGap, r.top, r.right, r.bottom);
        if (m_bSubLevels)
            text.right -= listFont.m_nSize;
        pDC->SetTextColor(textColor);
        pDC->DrawText(row->m_strText, &text, alignFlag | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (row->m_nParam2 == 2)
            DrawRightArrow(pDC, CRect(r.right - listFont.m_nSize, r.top, r.right, r.bottom), m_fScale, rowBack, textColor);
    }
    pDC->RestoreDC(saved);
    ::SelectObject(pDC->GetSafeHdc(), oldFont);
    ::DeleteObject(font);
}

void CMySkinComboDlg::DrawScrollBar(CDC* pDC)
{
    if (!m_scroller.m_bScrollable)
        return;
    const SKIN_COMBO* combo = Combo();
    const CRect& track = m_scroller.m_rcTrack;
    if (!combo->m_strColorScrollBg.IsEmpty())
        pDC->FillSolidRect(&track, ParseHexColor(combo->m_strColorScrollBg));
    CRect thumb = m_scroller.m_rcThumb;
    thumb.OffsetRect(0, m_scroller.m_bDragging ? m_scroller.m_nDragOffset : 0);
    thumb.DeflateRect(2, 1);
    COLORREF clr = ParseHexColorOr(combo->m_strColorScroll, m_clrThumb);
    if (m_nHover == -2) {
        auto adjust = [](int c) { return c < 50 ? c + 50 : c - 50; };
        clr = RGB(adjust(GetRValue(clr)), adjust(GetGValue(clr)), adjust(GetBValue(clr)));
    }
    DrawFilledRoundRect(pDC, thumb, -1, 1.0f, TRUE, clr, TRUE, clr, float(thumb.Width()));
    const COLORREF frame = GetColorOrDefault(combo->m_strColorScrollBorder, combo->m_strColorBg, RGB(255, 255, 255));
    CBrush brush(frame);
    pDC->FrameRect(&track, &brush);
}

BOOL CMySkinComboDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    const SKIN_COMBO* combo = Combo();
    if (!combo)
        return TRUE;
    CMyMemDC mem(pDC, ParseHexColorOr(combo->m_strColorBg, m_clrBack), &client);
    DrawList(&mem);
    DrawScrollBar(&mem);
    CBrush border(ParseHexColorOr(combo->m_strColorBorder, m_clrBorder));
    mem.FrameRect(&client, &border);
    return TRUE;
}
