// Mouse input of a screen: hover, press, click, toggle and radio buttons, the pickers of DATE
// objects, the drop-downs of COMBO objects, the edit windows of EDIT objects, and the selection
// and copying of selectable texts. Objects are hit-tested topmost (last painted) first.
#include "ui/skin/SkinScreen.h"

#include "platform/DC.h"
#include "platform/Wnd.h"
#include "ui/skin/SkinLookups.h"
#include "ui/skin/SkinManager.h"
#include "ui/skin/SkinTextCells.h"

namespace {

bool OwnerGone(CWnd* pOwner)
{
    return !pOwner || !::IsWindow(pOwner->GetSafeHwnd());
}

void InvalidateIn(CWnd* pOwner, const RECT& rc)
{
    if (!OwnerGone(pOwner))
        pOwner->InvalidateRect(&rc, TRUE);
}

CRect Moved(const RECT& rc, int dx, int dy)
{
    CRect r(rc);
    r.OffsetRect(dx, dy);
    return r;
}

CPoint ScreenPoint(CWnd* pOwner, int x, int y)
{
    CPoint pt(x, y);
    pOwner->ClientToScreen(&pt);
    return pt;
}

void PlaceEditWindow(SKIN_OBJECT* o, const CRect& rcObject)
{
    CMySkinEdit& edit = o->m_edit.m_edit;
    if (!::IsWindow(edit.GetSafeHwnd()))
        return;
    edit.MoveWindow(CMySkinEdit::GetEditRect(o, rcObject), TRUE);
    edit.ShowWindow(SW_SHOW);
    edit.SetFocus();
    edit.UpdateFormatRect();
}

} // namespace

void SKIN_SCREEN::OnMouseMove(CWnd* pOwner, int x, int y, int dx, int dy)
{
    const CPoint pt(x, y);
    for (POSITION pos = m_objects.GetTailPosition(); pos;) {
        SKIN_OBJECT* o = m_objects.PrevRecord(pos);
        if (!m_objects.IsLive(o))
            continue;
        if (o->m_nType == SKINTYPE_BUTTON || o->m_nType == SKINTYPE_COMBO) {
            const CRect r = Moved(o->m_rcObject, dx, dy);
            const int hover = r.PtInRect(pt) ? (o->m_bPressed ? 3 : 1) : 0;
            if (hover != o->m_nHover) {
                o->m_nHover = hover;
                InvalidateIn(pOwner, r);
            }
        } else if (o->m_nType == SKINTYPE_TEXT && m_nSelObjectId != 0 && o->m_nId == m_nSelObjectId) {
            m_bSelecting = true;
            const CPoint offset(dx, dy);
            CRect content;
            o->GetContentRect(content, &offset);
            m_nSelEnd = CharIndexAt(pOwner, content, x, y, o);
            InvalidateIn(pOwner, content);
        }
    }
}

int SKIN_SCREEN::OnLButtonDown(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent, void* pUserData,
                               int dx, int dy)
{
    const CPoint pt(x, y);
    int result = 0;
    for (POSITION pos = m_objects.GetTailPosition(); pos;) {
        SKIN_OBJECT* o = m_objects.PrevRecord(pos);
        if (!m_objects.IsLive(o))
            continue;
        const CRect r = Moved(o->m_rcObject, dx, dy);
        const bool inside = r.PtInRect(pt) != FALSE;
        switch (o->m_nType) {
        case SKINTYPE_BUTTON: {
            int hover = 0;
            int answer = 0;
            if (inside && (o->IsEnabledForClick() || o->m_bClickWhenDisabled)) {
                if (result == 0)
                    result = o->m_nId;
                hover = 3;
                o->m_bPressed = 1;
                if (pfnEvent) {
                    answer = pfnEvent(pOwner, WM_LBUTTONDOWN, o, pUserData);
                    if (OwnerGone(pOwner))
                        return -1;
                }
            }
            if (hover != o->m_nHover) {
                o->m_nHover = hover;
                InvalidateIn(pOwner, o->m_rcObject);
            }
            if (answer != 0)
                return -1;
            break;
        }
        case SKINTYPE_DATE:
        case SKINTYPE_COMBO:
        case SKINTYPE_CUSTOM:
            if (result == 0 && inside)
                result = o->m_nId;
            break;
        case SKINTYPE_EDIT:
            if (result == 0 && inside && o->IsEnabledForClick()) {
                result = o->m_nId;
                PlaceEditWindow(o, r);
            }
            break;
        case SKINTYPE_TEXT:
            if (result == 0 && inside && o->m_text.m_nCopyText && !OwnerGone(pOwner)) {
                pOwner->SetCapture();
                m_nSelObjectId = o->m_nId;
                const CPoint offset(dx, dy);
                CRect content;
                o->GetContentRect(content, &offset);
                m_nSelStart = CharIndexAt(pOwner, content, x, y, o);
                m_nSelEnd = -1;
                InvalidateIn(pOwner, content);
            }
            break;
        default:
            break;
        }
    }
    return result;
}

int SKIN_SCREEN::OnLButtonUp(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent,
                             SKIN_TOOLTIP_CALLBACK pfnTooltip, void* pUserData, int dx, int dy)
{
    EndTextSelection(pOwner);
    if (OwnerGone(pOwner))
        return -1;
    const CPoint pt(x, y);
    int result = 0;
    for (POSITION pos = m_objects.GetTailPosition(); pos;) {
        SKIN_OBJECT* o = m_objects.PrevRecord(pos);
        if (!m_objects.IsLive(o))
            continue;
        const CRect r = Moved(o->m_rcObject, dx, dy);
        const bool inside = r.PtInRect(pt) != FALSE;
        if (o->m_nType == SKINTYPE_BUTTON) {
            int clicked = 0, answer = 0;
            if (inside && (o->IsEnabledForClick() || o->m_bClickWhenDisabled)) {
                result = o->m_nId;
                clicked = 1;
                if (o->m_bPressed) {
                    SKIN_BUTTON& b = o->m_button;
                    o->m_bPressed = 0;
                    if (b.IsToggle()) {
                        if (b.m_nCheck == 0) {
                            b.m_nCheck = 1;
                            if (b.m_bRadio)
                                UncheckRadioGroup(pOwner, o);
                        } else if (b.m_bRadio) {
                            return result;   // a checked radio button stays checked
                        } else {
                            b.m_nCheck = 0;
                        }
                    }
                    if (pfnEvent) {
                        answer = pfnEvent(pOwner, WM_LBUTTONUP, o, pUserData);
                        if (OwnerGone(pOwner) || answer == -1)
                            return -1;
                    }
                    if (pfnTooltip && !b.m_strTooltipChecked.IsEmpty()) {
                        const CString& tip = b.m_nCheck == 1 ? b.m_strTooltipChecked : b.m_strTooltip;
                        pfnTooltip(pOwner, tip, o->m_rcObject.left, o->m_rcObject.top, o->m_rcObject.right,
                                   o->m_rcObject.bottom, o->m_nId);
                    }
                }
            }
            if (clicked != o->m_nHover && !OwnerGone(pOwner)) {
                CPoint cursor;
                ::GetCursorPos(&cursor);
                pOwner->ScreenToClient(&cursor);
                o->m_nHover = o->m_rcObject.PtInRect(cursor) ? 1 : 0;
                InvalidateIn(pOwner, o->m_rcObject);
            }
            o->m_bPressed = 0;
            if (answer == 1)
                return -1;
            continue;
        }
        if (result != 0 || !inside)
            continue;
        switch (o->m_nType) {
        case SKINTYPE_DATE:
            if (!o->IsEnabledForClick())
                break;
            result = o->m_nId;
            OpenDateSegments(pOwner, o, x, y, dx, dy);
            if (OwnerGone(pOwner))
                return -1;
            break;
        case SKINTYPE_COMBO:
            if (!o->IsEnabledForClick())
                break;
            result = o->m_nId;
            {
                const CPoint anchor = ScreenPoint(pOwner, r.left, r.bottom);
                const int chosen = o->m_combo.ShowDropDownAt(pOwner, anchor.x, anchor.y, GetSkinRatio(), 0);
                if (OwnerGone(pOwner))
                    return -1;
                if (chosen == 1)
                    pOwner->PostMessage(WM_SKIN_OBJECT_EVENT, SKINEVENT_COMBO_CHOSEN, (LPARAM)o);
                InvalidateIn(pOwner, r);
            }
            break;
        case SKINTYPE_EDIT:
            if (!o->IsEnabledForClick())
                break;
            result = o->m_nId;
            PlaceEditWindow(o, r);
            break;
        default:
            result = o->m_nId;
            break;
        }
    }
    return result;
}

void SKIN_SCREEN::OpenDateSegments(CWnd* pOwner, SKIN_OBJECT* o, int x, int y, int dx, int dy)
{
    SKIN_DATE& d = o->m_date;
    const CPoint pt(x, y);
    struct Segment {
        CRect rc;
        int* pressed;
        int mode;
        int event;
    };
    // The rectangles as they were clicked: a picker lays the object out again.
    const Segment segments[4] = {
        {Moved(d.m_rcDate, dx, dy), &d.m_bDatePressed, 0, SKINEVENT_DATE_PICKED},
        {Moved(d.m_rcAmPm, dx, dy), &d.m_bAmPmPressed, 1, SKINEVENT_AMPM_PICKED},
        {Moved(d.m_rcHour, dx, dy), &d.m_bHourPressed, 2, SKINEVENT_HOUR_PICKED},
        {Moved(d.m_rcMinute, dx, dy), &d.m_bMinutePressed, 3, SKINEVENT_MINUTE_PICKED},
    };
    for (const Segment& s : segments) {
        const bool dateSegment = s.mode == 0;
        const bool typeFits = dateSegment ? (d.m_nDateType == 0 || d.m_nDateType == 1)
                                          : (d.m_nDateType == 0 || d.m_nDateType == 2);
        if (!typeFits || !s.rc.PtInRect(pt))
            continue;
        *s.pressed = 1;
        InvalidateIn(pOwner, s.rc);
        const CPoint anchor = ScreenPoint(pOwner, s.rc.left, s.rc.bottom);
        int picked = -1;
        switch (s.mode) {
        case 0: picked = d.PickDate(pOwner, anchor.x, anchor.y, GetSkinRatio()); break;
        case 1: picked = d.PickMarker(pOwner, anchor.x, anchor.y, GetSkinRatio()); break;
        case 2: picked = d.PickHour(pOwner, anchor.x, anchor.y, GetSkinRatio()); break;
        default: picked = d.PickMinute(pOwner, anchor.x, anchor.y, GetSkinRatio()); break;
        }
        if (OwnerGone(pOwner))
            return;
        if (picked != -1)
            pOwner->PostMessage(WM_SKIN_OBJECT_EVENT, WPARAM(s.event), (LPARAM)o);
        *s.pressed = 0;
        InvalidateIn(pOwner, Moved(o->m_rcObject, dx, dy));
        return;
    }
}

int SKIN_SCREEN::OnRButton(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent, void* pUserData,
                           int dx, int dy, UINT nMessage)
{
    const CPoint pt(x, y);
    for (POSITION pos = m_objects.GetTailPosition(); pos;) {
        SKIN_OBJECT* o = m_objects.PrevRecord(pos);
        if (!m_objects.IsLive(o) || !Moved(o->m_rcObject, dx, dy).PtInRect(pt))
            continue;
        if (o->m_nType != SKINTYPE_BUTTON || !pfnEvent)
            return o->m_nId;
        const int answer = pfnEvent(pOwner, nMessage, o, pUserData);
        if (OwnerGone(pOwner))
            return -1;
        if ((nMessage == WM_RBUTTONDOWN && answer != 0) || (nMessage == WM_RBUTTONUP && answer == -1))
            return -1;
        return o->m_nId;
    }
    return 0;
}

int SKIN_SCREEN::OnRButtonDown(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent, void* pUserData,
                               int dx, int dy)
{
    return OnRButton(pOwner, x, y, pfnEvent, pUserData, dx, dy, WM_RBUTTONDOWN);
}

int SKIN_SCREEN::OnRButtonUp(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent, void* pUserData,
                             int dx, int dy)
{
    return OnRButton(pOwner, x, y, pfnEvent, pUserData, dx, dy, WM_RBUTTONUP);
}

int SKIN_SCREEN::EndTextSelection(CWnd* pOwner)
{
    const int old = m_nSelObjectId;
    if (old == 0)
        return 0;
    ::ReleaseCapture();
    if (m_bSelecting && !m_strSelText.IsEmpty()) {
        const CString text = m_strSelText;
        CPoint cursor;
        ::GetCursorPos(&cursor);
        HWND hwnd = OwnerGone(pOwner) ? nullptr : pOwner->GetSafeHwnd();
        if (SKIN_OBJECT* menu = g_SkinManager.FindObject(SKINSCREEN_MAIN, SKINOBJECT_COPY_MENU)) {
            if (menu->m_combo.ShowDropDownAt(pOwner, cursor.x, cursor.y, GetSkinRatio(), 1) == 1)
                CopyTextToClipboard(hwnd, text);
        } else {
            CopyTextToClipboard(hwnd, text);
        }
        if (!OwnerGone(pOwner))
            pOwner->Invalidate(TRUE);
    }
    m_nSelObjectId = 0;
    m_nSelStart = m_nSelEnd = -1;
    m_bSelecting = false;
    m_strSelText.Empty();
    return old;
}

int SKIN_SCREEN::CharIndexAt(CWnd* pOwner, const RECT& rcContent, int x, int y, SKIN_OBJECT* pObject)
{
    if (!pObject || !pObject->m_text.m_nCopyText)
        return -1;
    HWND hwnd = OwnerGone(pOwner) ? nullptr : pOwner->GetSafeHwnd();
    CDC dc;
    dc.Attach(::GetDC(hwnd));
    CFont* previous = SelectFontOnly(&dc, &pObject->m_text.m_font);
    const std::vector<CSkinTextCells::Cell> cells = CSkinTextCells::Build(
        dc.GetSafeHdc(), rcContent, pObject->m_text.m_strText, pObject->m_text.m_font.m_nAlign, true);
    const CPoint pt(x, y);
    int result = -1;
    int n = 0;
    for (; n < int(cells.size()); ++n) {
        const CSkinTextCells::Cell& cell = cells[size_t(n)];
        if (cell.rc.bottom > rcContent.bottom)
            break;
        if (cell.rc.PtInRect(pt)) {
            result = x > cell.rc.left + cell.rc.Width() / 2 ? n + 1 : n;
            break;
        }
        if (y < cell.rc.top || (cell.lineStart && y >= cell.rc.top && y < cell.rc.bottom && x < cell.rc.left)) {
            result = n;
            break;
        }
    }
    if (result < 0 && n > 0) {
        const CRect& last = cells[size_t(n - 1)].rc;
        if (x > last.right || y > last.bottom)
            result = n;
    }
    if (previous)
        dc.SelectObject(previous);
    ::ReleaseDC(hwnd, dc.Detach());
    return result;
}

int SKIN_SCREEN::CopyTextToClipboard(HWND hWnd, const CString& strText)
{
    if (!::OpenClipboard(hWnd))
        return 1;
    ::EmptyClipboard();
    const SIZE_T bytes = SIZE_T(strText.GetLength()) * 2 + 2;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (memory) {
        if (void* p = ::GlobalLock(memory)) {
            memcpy(p, strText.GetString(), bytes - 2);
            ::GlobalUnlock(memory);
            if (!::SetClipboardData(CF_UNICODETEXT, memory))
                ::GlobalFree(memory);
        } else {
            ::GlobalFree(memory);
        }
    }
    ::CloseClipboard();
    return 1;
}

void SKIN_SCREEN::UncheckRadioGroup(CWnd* pOwner, SKIN_OBJECT* pClicked)
{
    m_objects.ForEach([&](SKIN_OBJECT& o) {
        if (&o == pClicked || o.m_nType != SKINTYPE_BUTTON || !o.m_button.m_bRadio ||
            o.m_nParentIdx != pClicked->m_nParentIdx)
            return;
        o.m_button.m_nCheck = 0;
        InvalidateIn(pOwner, o.m_rcObject);
    });
}

int SKIN_SCREEN::GetRadioIndex(int nGroupId) const
{
    int position = -1;
    for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
        const SKIN_OBJECT* o = m_objects.NextRecord(pos);
        if (o->m_nType != SKINTYPE_BUTTON || !o->m_button.m_bRadio || o->m_nParentIdx != nGroupId)
            continue;
        ++position;
        if (o->m_button.m_nCheck == 1)
            return position;
    }
    return position;
}

int SKIN_SCREEN::SetRadioIndex(int nGroupId, int nPos, CWnd* pWnd, int dx, int dy)
{
    const int previous = GetRadioIndex(nGroupId);
    int i = 0;
    m_objects.ForEach([&](SKIN_OBJECT& o) {
        if (o.m_nType != SKINTYPE_BUTTON || !o.m_button.m_bRadio || o.m_nParentIdx != nGroupId)
            return;
        o.m_button.m_nCheck = (i++ == nPos) ? 1 : 0;
        if (pWnd)
            InvalidateIn(pWnd, Moved(o.m_rcObject, dx, dy));
    });
    return previous;
}
