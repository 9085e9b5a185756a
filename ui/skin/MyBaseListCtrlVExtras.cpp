// The vertical list's multi-selection storage, template-object trackers and drawing helpers
// for derived lists.
#include "ui/skin/MyBaseListCtrlV.h"

#include "platform/DC.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/SkinDrawing.h"
#include "ui/skin/SkinScreen.h"

void CMyBaseListCtrlV::AddToSelection(MYLIST_ITEM* pItem)
{
    if (pItem)
        m_SelectedItems.AddTail(pItem);
}

bool CMyBaseListCtrlV::RemoveFromSelection(MYLIST_ITEM* pItem)
{
    POSITION pos = m_SelectedItems.Find(pItem);
    if (!pos)
        return false;
    m_SelectedItems.RemoveAt(pos);
    return true;
}

bool CMyBaseListCtrlV::IsItemSelected(MYLIST_ITEM* pItem) const
{
    return m_SelectedItems.Find(pItem) != nullptr;
}

void CMyBaseListCtrlV::ClearSelection()
{
    m_SelectedItems.RemoveAll();
}

void CMyBaseListCtrlV::SelectRange(MYLIST_ITEM* a, MYLIST_ITEM* b)
{
    if (!a || !b)
        return;
    const int lo = a->nIndex < b->nIndex ? a->nIndex : b->nIndex;
    const int hi = a->nIndex < b->nIndex ? b->nIndex : a->nIndex;
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (item->nIndex >= lo && item->nIndex <= hi)
            m_SelectedItems.AddTail(item);
    }
}

void CMyBaseListCtrlV::SetTemplateRect(int l, int t, int r, int b)
{
    m_rcTemplate = CRect(l, t, r, b);
}

void CMyBaseListCtrlV::AddTemplateObject(int l, int t, int r, int b, int nId)
{
    SKIN_OBJECT object;
    object.m_nId = nId;
    object.m_rcSkin = object.m_rcObject = CRect(l, t, r, b);
    m_TemplateObjects.AddTail(object);
}

void CMyBaseListCtrlV::AddTemplateObjectFrom(const SKIN_OBJECT* pObject, int nId)
{
    if (!pObject)
        return;
    SKIN_OBJECT object(*pObject);
    object.m_nId = nId;
    m_TemplateObjects.AddTail(object);
}

namespace {

// A template object's rectangle inside a row, by its alignment modes against the template.
CRect PlaceInRow(const SKIN_OBJECT& o, const CRect& tmpl, const CRect& row)
{
    const CRect& d = o.m_rcSkin;
    auto place = [](int mode, int design, int rowSize, int tmplSize, int tmplFar) {
        if (mode == 1)
            return rowSize / 2 + design - tmplSize / 2;
        if (mode == 2)
            return rowSize + design - tmplFar;
        return design;
    };
    CRect r(place(o.m_nAlign[0], d.left, row.Width(), tmpl.Width(), tmpl.right),
            place(o.m_nAlign[1], d.top, row.Height(), tmpl.Height(), tmpl.bottom),
            place(o.m_nAlign[2], d.right, row.Width(), tmpl.Width(), tmpl.right),
            place(o.m_nAlign[3], d.bottom, row.Height(), tmpl.Height(), tmpl.bottom));
    r.OffsetRect(row.left, row.top);
    return r;
}

} // namespace

void CMyBaseListCtrlV::TrackTemplateHover(CPoint pt)
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        const CRect row(item->rcItem);
        if (!row.PtInRect(pt)) {
            if (item->nHoverObjectId != 0) {
                item->nHoverObjectId = 0;
                item->nHoverState = 0;
                InvalidateRect(&row, TRUE);
            }
            continue;
        }
        m_TemplateObjects.ForEach([&](SKIN_OBJECT& o) {
            const CRect r = PlaceInRow(o, m_rcTemplate, row);
            const int state = r.PtInRect(pt) ? (o.m_bPressed ? 3 : 1) : 0;
            if (state != o.m_nHover) {
                o.m_nHover = state;
                item->nHoverState = state;
                InvalidateRect(&r, TRUE);
            }
            if (state != 0)
                item->nHoverObjectId = o.m_nId;
        });
    }
}

void CMyBaseListCtrlV::TrackTemplatePress(CPoint pt)
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        const CRect row(item->rcItem);
        if (!row.PtInRect(pt))
            continue;
        m_TemplateObjects.ForEach([&](SKIN_OBJECT& o) {
            const CRect r = PlaceInRow(o, m_rcTemplate, row);
            const bool hit = r.PtInRect(pt) && o.m_nState != SKINSTATE_DIM;
            o.m_nHover = hit ? 3 : 0;
            o.m_bPressed = hit ? 1 : 0;
            InvalidateRect(&r, TRUE);
        });
    }
}

void CMyBaseListCtrlV::TrackTemplateRelease(CPoint pt)
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        const CRect row(item->rcItem);
        if (!row.PtInRect(pt))
            continue;
        m_TemplateObjects.ForEach([&](SKIN_OBJECT& o) {
            const CRect r = PlaceInRow(o, m_rcTemplate, row);
            o.m_nHover = r.PtInRect(pt) && o.m_nState != SKINSTATE_DIM ? 1 : 0;
            InvalidateRect(&r, TRUE);
        });
    }
    m_TemplateObjects.ForEach([](SKIN_OBJECT& o) { o.m_bPressed = 0; });
}

void CMyBaseListCtrlV::DrawFontText(CDC* pDC, CRect rc, const CString& strText, SKIN_FONT* pFont, UINT nFormat)
{
    if (!pDC || !pDC->GetSafeHdc() || strText.IsEmpty() || !pFont)
        return;
    const LOGFONT lf = pFont->MakeLogFont();
    HFONT font = ::CreateFontIndirectW(&lf);
    HGDIOBJ old = ::SelectObject(pDC->GetSafeHdc(), font);
    if (pFont->HasColor())
        pDC->SetTextColor(pFont->m_clrText);
    pDC->SetBkMode(TRANSPARENT);
    const UINT align = pFont->m_nAlign == 1 ? DT_CENTER : (pFont->m_nAlign == 2 ? DT_RIGHT : DT_LEFT);
    pDC->DrawText(strText, &rc, nFormat | align);
    ::SelectObject(pDC->GetSafeHdc(), old);
    ::DeleteObject(font);
}

void CMyBaseListCtrlV::DrawImage(CDC* pDC, CRect rc, Gdiplus::Image* pImage)
{
    SKIN_SCREEN::DrawImage(pDC, rc, pImage, 0, 0);
}

void CMyBaseListCtrlV::DrawStateImage(CDC* pDC, CRect rc, Gdiplus::Image* pImage, int nState)
{
    SKIN_SCREEN::DrawStateImage(pDC, rc, pImage, nState);
}

void CMyBaseListCtrlV::FillCircle(CDC* pDC, int cx, int cy, COLORREF clr, int nRadius)
{
    FillEllipse(pDC, CRect(cx - nRadius, cy - nRadius, cx + nRadius, cy + nRadius), clr);
}

void CMyBaseListCtrlV::FillEllipse(CDC* pDC, CRect rc, COLORREF clr)
{
    if (!pDC || !pDC->GetSafeHdc())
        return;
    CBrush brush(clr);
    CBrush* old = pDC->SelectObject(&brush);
    pDC->Ellipse(&rc);
    pDC->SelectObject(old);
}

CString CMyBaseListCtrlV::EllipsisText(CDC* pDC, const CString& strText, CRect rc)
{
    CString text = strText;
    for (int n = 1; pDC->GetTextExtent(text).cx >= rc.Width(); ++n) {
        if (n >= strText.GetLength())
            return L"...";
        text = strText.Left(strText.GetLength() - n) + L"...";
    }
    return text;
}
