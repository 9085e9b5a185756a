// Layout of a screen's objects for a client size: alignment, collapse of GONE objects, growth
// of texts and edits to their content, and the "CSS_DISPLAY:" flex flows.
#include "ui/skin/SkinScreen.h"

#include "platform/DC.h"
#include "platform/Wnd.h"
#include "ui/skin/SkinManager.h"
#include "ui/skin/SkinTextCells.h"
#include "ui/skin/SkinValues.h"

// One layout or flex pass: the owner's client DC, taken at the first object that needs it and
// given back at the end, and the measuring rules.
class CSkinLayout {
public:
    CSkinLayout(SKIN_SCREEN& screen, CWnd* pOwner) : m_screen(screen), m_pOwner(pOwner) {}
    ~CSkinLayout()
    {
        if (m_dc.GetSafeHdc()) {
            HDC hdc = m_dc.Detach();
            ::ReleaseDC(m_hwnd, hdc);
        }
    }
    CSkinLayout(const CSkinLayout&) = delete;
    CSkinLayout& operator=(const CSkinLayout&) = delete;

    CDC* Dc()
    {
        if (!m_dc.GetSafeHdc()) {
            m_hwnd = m_pOwner ? m_pOwner->GetSafeHwnd() : nullptr;
            m_dc.Attach(::GetDC(m_hwnd));
        }
        return &m_dc;
    }

    void AutoSize(SKIN_OBJECT* o);
    void Flex();
    static int HorizontalExtra(const SKIN_OBJECT* o);
    static int VerticalExtra(const SKIN_OBJECT* o);
    // The rectangle a text needs in the width of q, by the wrapping rule its painting uses:
    // selectable texts break between characters, all others between words.
    CRect MeasureTextBlock(SKIN_OBJECT* o, const CRect& q, const CString& text);

private:
    int FlexWidth(SKIN_OBJECT* child, int containerWidth, int cursor);
    int FlexHeight(SKIN_OBJECT* child, int containerHeight, int cursor, bool full);
    int SiblingsExtent(const SKIN_OBJECT* child, bool horizontal) const;

    SKIN_SCREEN& m_screen;
    CWnd* m_pOwner;
    HWND m_hwnd = nullptr;
    CDC m_dc;
};

namespace {

int Scaled(int n)
{
    return ScaleSkinValue(n, GetSkinRatio());
}

// The first four characters of the value, ignoring case, are "FLEX".
int FlexModeOf(const SKIN_OBJECT* o)
{
    if (o->m_nType != SKINTYPE_CUSTOM)
        return 0;
    const CString value = o->GetCustomValue(L"CSS_DISPLAY:");
    if (value.Left(4).CompareNoCase(L"FLEX") != 0)
        return 0;
    if (value.CompareNoCase(L"FLEX_TOP") == 0)
        return 2;
    if (value.CompareNoCase(L"FLEX_RIGHT") == 0)
        return 3;
    if (value.CompareNoCase(L"FLEX_BOTTOM") == 0)
        return 4;
    if (value.CompareNoCase(L"FLEX_TOP_FULL") == 0)
        return 5;
    if (value.CompareNoCase(L"FLEX_BOTTOM_FULL") == 0)
        return 6;
    return 1;
}

// The size an object grows to: what its content needs, at most the limit (when there is one),
// never less than it has.
int Grown(int needed, int limit, int current)
{
    if (limit > 0 && limit < needed)
        needed = limit;
    return needed < current ? current : needed;
}

} // namespace

int CSkinLayout::HorizontalExtra(const SKIN_OBJECT* o)
{
    return Scaled(o->MarginL()) + Scaled(o->m_nBorderSize) + Scaled(o->PaddingL()) + Scaled(o->PaddingR()) +
           Scaled(o->m_nBorderSize) + Scaled(o->MarginR());
}

int CSkinLayout::VerticalExtra(const SKIN_OBJECT* o)
{
    return Scaled(o->MarginT()) + Scaled(o->m_nBorderSize) + Scaled(o->PaddingT()) + Scaled(o->PaddingB()) +
           Scaled(o->m_nBorderSize) + Scaled(o->MarginB());
}

CRect CSkinLayout::MeasureTextBlock(SKIN_OBJECT* o, const CRect& q, const CString& text)
{
    CDC* dc = Dc();
    if (o->m_text.m_nCopyText)
        return CSkinTextCells::Measure(dc->GetSafeHdc(), q, text, o->m_text.m_font.m_nAlign);
    if (text.IsEmpty())
        return q;
    CRect r = q;
    int align = 0;
    m_screen.SelectFont(dc, &o->m_text.m_font, &align);
    dc->DrawText(text, &r, UINT(align) | DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    r.left = q.left;
    r.right = q.right;
    return r;
}

void CSkinLayout::AutoSize(SKIN_OBJECT* o)
{
    CDC* dc = Dc();
    const int maxW = Scaled(o->m_nMaxWidth);
    const int maxH = Scaled(o->m_nMaxHeight);
    if (o->m_nType == SKINTYPE_TEXT) {
        CRect q = o->m_rcObject;
        o->DeflateToContent(q);
        CFont* oldFont = m_screen.SelectFont(dc, &o->m_text.m_font, nullptr);
        const CString& text = o->m_text.m_strText;
        if (o->m_nMaxWidth != 0) {
            q.right = q.left + (o->m_nMaxWidth == -1 ? 19200 : o->m_nMaxWidth);
            dc->DrawText(text, &q, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            o->m_rcObject.right = o->m_rcObject.left + Grown(q.Width() + HorizontalExtra(o), maxW, o->m_rcObject.Width());
        }
        if (o->m_nMaxHeight != 0) {
            q = MeasureTextBlock(o, q, text);
            o->m_rcObject.bottom = o->m_rcObject.top + Grown(q.Height() + VerticalExtra(o), maxH, o->m_rcObject.Height());
        }
        if (oldFont)
            dc->SelectObject(oldFont);
    } else if (o->m_nType == SKINTYPE_EDIT && o->m_nMaxHeight != 0) {
        CRect q = o->m_rcObject;
        o->DeflateToContent(q);
        if (o->m_edit.m_nVScroll)
            q.right -= 20;
        int align = 0;
        CFont* oldFont = m_screen.SelectFont(dc, &o->m_edit.m_font, &align);
        const CString text = o->m_edit.GetText();
        dc->DrawText(text, &q, UINT(align) | DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
        o->m_rcObject.bottom = o->m_rcObject.top + Grown(q.Height() + VerticalExtra(o), maxH, o->m_rcObject.Height());
        if (oldFont)
            dc->SelectObject(oldFont);
    }
}

int CSkinLayout::SiblingsExtent(const SKIN_OBJECT* child, bool horizontal) const
{
    int sum = 0;
    m_screen.m_objects.ForEach([&](const SKIN_OBJECT& o) {
        if (&o != child && o.m_nParentIdx == child->m_nParentIdx && o.m_nVisible)
            sum += horizontal ? o.m_rcObject.Width() : o.m_rcObject.Height();
    });
    return sum;
}

int CSkinLayout::FlexWidth(SKIN_OBJECT* child, int containerWidth, int cursor)
{
    if (child->m_nType != SKINTYPE_TEXT)
        return child->m_rcObject.Width();
    const int available = containerWidth - SiblingsExtent(child, true);
    CRect q = child->m_rcObject;
    child->DeflateToContent(q);
    q.left = cursor;
    q.right = q.left + available;
    CDC* dc = Dc();
    CFont* oldFont = m_screen.SelectFont(dc, &child->m_text.m_font, nullptr);
    dc->DrawText(child->m_text.m_strText, &q, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (oldFont)
        dc->SelectObject(oldFont);
    return q.Width() + HorizontalExtra(child);
}

int CSkinLayout::FlexHeight(SKIN_OBJECT* child, int containerHeight, int cursor, bool full)
{
    if (child->m_nType != SKINTYPE_TEXT)
        return child->m_rcObject.Height();
    const int available = containerHeight - SiblingsExtent(child, false);
    CRect q = child->m_rcObject;
    child->DeflateToContent(q);
    q.top = cursor;
    q.bottom = q.top + available;
    CDC* dc = Dc();
    CFont* oldFont = m_screen.SelectFont(dc, &child->m_text.m_font, nullptr);
    q = MeasureTextBlock(child, q, child->m_text.m_strText);
    if (oldFont)
        dc->SelectObject(oldFont);
    int h = q.Height() + VerticalExtra(child);
    if (!full && h > available)
        h = available;
    return h;
}

void CSkinLayout::Flex()
{
    int containerId = -1;
    int mode = 0;
    int cursor = 0;
    int size = 0;
    for (POSITION pos = m_screen.m_objects.GetHeadPosition(); pos;) {
        SKIN_OBJECT* o = m_screen.m_objects.NextRecord(pos);
        if (!o->m_nVisible || m_screen.CollapseIfGone(o))
            continue;
        if (const int newMode = FlexModeOf(o)) {
            containerId = o->m_nId;
            mode = newMode;
            const CRect& rc = o->m_rcObject;
            switch (mode) {
            case 1: cursor = rc.left; size = rc.Width(); break;
            case 3: cursor = rc.right; size = rc.Width(); break;
            case 4:
            case 6: cursor = rc.bottom; size = rc.Height(); break;
            default: cursor = rc.top; size = rc.Height(); break;
            }
            continue;
        }
        if (o->m_nParentIdx != containerId)
            continue;
        CRect& rc = o->m_rcObject;
        switch (mode) {
        case 1: {
            const int w = FlexWidth(o, size, cursor);
            rc.left = cursor;
            rc.right = rc.left + w;
            cursor = rc.right;
            break;
        }
        case 3: {
            const int w = FlexWidth(o, size, cursor);
            rc.right = cursor;
            rc.left = rc.right - w;
            cursor = rc.left;
            break;
        }
        case 2:
        case 5: {
            const int h = FlexHeight(o, size, cursor, mode == 5);
            rc.top = cursor;
            rc.bottom = rc.top + h;
            cursor = rc.bottom;
            break;
        }
        case 4:
        case 6: {
            const int h = FlexHeight(o, size, cursor, mode == 6);
            rc.bottom = cursor;
            rc.top = rc.bottom - h;
            cursor = rc.top;
            break;
        }
        default:
            break;
        }
        o->m_nFlexMode = mode;
    }
}

CRect SKIN_SCREEN::ComputeAlignedRect(const SKIN_OBJECT* o, int cx, int cy) const
{
    const CRect& D = o->m_rcSkin;
    CRect out = D;
    const int idx[4] = {o->m_nAlignIdxL, o->m_nAlignIdxT, o->m_nAlignIdxR, o->m_nAlignIdxB};
    LONG* edges[4] = {&out.left, &out.top, &out.right, &out.bottom};
    const LONG design[4] = {D.left, D.top, D.right, D.bottom};
    for (int i = 0; i < 4; ++i) {
        CRect C(0, 0, cx, cy);
        CRect S = m_rcScreen;
        if (idx[i] != 0) {
            if (const SKIN_OBJECT* ref = m_objects.FindById(idx[i])) {
                C = ref->m_rcObject;
                S = ref->m_rcSkin;
            }
        }
        const bool horizontal = (i % 2) == 0;
        const LONG cNear = horizontal ? C.left : C.top;
        const LONG cFar = horizontal ? C.right : C.bottom;
        const LONG cSize = horizontal ? C.Width() : C.Height();
        const LONG sNear = horizontal ? S.left : S.top;
        const LONG sFar = horizontal ? S.right : S.bottom;
        const LONG sSize = horizontal ? S.Width() : S.Height();
        switch (o->m_nAlign[i]) {
        case 0: *edges[i] = cNear + design[i] - sNear; break;
        case 1: *edges[i] = cNear + cSize / 2 + design[i] - sNear - sSize / 2; break;
        case 2: *edges[i] = cFar + design[i] - sFar; break;
        default: *edges[i] = design[i]; break;
        }
    }
    return out;
}

int SKIN_SCREEN::CollapseIfGone(SKIN_OBJECT* o) const
{
    if (!o->m_nGone && !m_objects.IsGoneChain(o->m_nId))
        return 0;
    CRect& rc = o->m_rcObject;
    switch (o->m_nAlign[0]) {
    case 0: rc.right = rc.left; break;
    case 1: rc.left = rc.right = rc.left + rc.Width() / 2; break;
    case 2: rc.left = rc.right; break;
    default: break;
    }
    switch (o->m_nAlign[1]) {
    case 0: rc.bottom = rc.top; break;
    case 1: rc.top = rc.bottom = rc.top + rc.Height() / 2; break;
    case 2: rc.top = rc.bottom; break;
    default: break;
    }
    return 1;
}

void SKIN_SCREEN::Layout(CWnd* pOwner, int cx, int cy)
{
    if (m_nBorderSize != 0) {
        cx += 2;
        cy += 2;
    }
    {
        CSkinLayout pass(*this, pOwner);
        for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
            SKIN_OBJECT* o = m_objects.NextRecord(pos);
            o->m_rcObject = ComputeAlignedRect(o, cx, cy);
            if (m_nBorderSize != 0)
                o->m_rcObject.OffsetRect(-1, -1);
            const int gone = CollapseIfGone(o);
            switch (o->m_nType) {
            case SKINTYPE_TEXT:
                if (!gone && (o->m_nMaxWidth != 0 || o->m_nMaxHeight != 0))
                    pass.AutoSize(o);
                break;
            case SKINTYPE_EDIT:
                if (o->m_nMaxHeight != 0)
                    pass.AutoSize(o);
                if (::IsWindow(o->m_edit.m_edit.GetSafeHwnd())) {
                    o->m_edit.m_edit.MoveWindow(CMySkinEdit::GetEditRect(o, o->m_rcObject), TRUE);
                    if (o->m_edit.m_nAlwaysShow)
                        o->m_edit.m_edit.UpdateFormatRect();
                }
                break;
            case SKINTYPE_DATE:
                if (o->m_date.m_nDateType == 3) {
                    if (::IsWindow(o->m_date.m_wndCalendar.GetSafeHwnd()))
                        o->m_date.m_wndCalendar.MoveWindow(CMySkinCalendarWnd::GetWindowRectForObject(o, o->m_rcObject), TRUE);
                } else if (o->m_date.m_nDateType != 4) {
                    CRect content;
                    o->GetContentRect(content, nullptr);
                    o->m_date.LayoutSegments(pOwner, content);
                }
                break;
            case SKINTYPE_CUSTOM:
                if (o->m_nMaxHeight != 0)
                    o->m_rcObject.bottom = o->m_rcObject.top + o->m_nMaxHeight;
                break;
            default:
                break;
            }
        }
    }
    {
        CSkinLayout flex(*this, pOwner);
        flex.Flex();
    }
    HideEditWindows();
}

int SKIN_SCREEN::LayoutAutoHeight(CWnd* pOwner, int cx, int cy, int& nHeightOut)
{
    nHeightOut = m_rcScreen.Height();
    Layout(pOwner, cx, cy);
    int fullContainer = -1;
    const SKIN_OBJECT* deciding = nullptr;
    for (POSITION pos = m_objects.GetHeadPosition(); pos && !deciding;) {
        const SKIN_OBJECT* o = m_objects.NextRecord(pos);
        if (!o->m_nVisible)
            continue;
        if (o->m_nType == SKINTYPE_CUSTOM && o->GetCustomValue(L"CSS_DISPLAY:") == L"FLEX_TOP_FULL") {
            fullContainer = o->m_nId;
            continue;
        }
        if ((o->m_nType == SKINTYPE_TEXT && o->m_nParentIdx == fullContainer) ||
            ((o->m_nType == SKINTYPE_TEXT || o->m_nType == SKINTYPE_EDIT) && o->m_nMaxHeight != 0))
            deciding = o;
    }
    if (!deciding || deciding->m_rcObject.Height() <= deciding->m_rcSkin.Height())
        return 0;
    const int newHeight = m_rcScreen.Height() + deciding->m_rcObject.Height() - deciding->m_rcSkin.Height();
    Layout(pOwner, cx, newHeight);
    nHeightOut = newHeight;
    return 1;
}
