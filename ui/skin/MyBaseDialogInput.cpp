// Mouse, keyboard and relayed events of the skinned dialog base, and its object operations.
#include "ui/skin/MyBaseDialog.h"

#include "platform/WinApp.h"

int CMyBaseDialog::ObjectEventThunk(CWnd* pOwner, UINT nMessage, SKIN_OBJECT* pObject, void*)
{
    return static_cast<CMyBaseDialog*>(pOwner)->OnObjectEvent(nMessage, pObject);
}

void CMyBaseDialog::ToolTipThunk(CWnd* pOwner, const CString& strText, int l, int t, int r, int b, int nId)
{
    static_cast<CMyBaseDialog*>(pOwner)->AddObjectToolTip(strText, CRect(l, t, r, b), UINT(nId));
}

int CMyBaseDialog::OnObjectEvent(UINT, SKIN_OBJECT*)
{
    return 0;
}

BOOL CMyBaseDialog::OnObjectDblClk(UINT nMessage, int nFlag)
{
    if (nMessage == WM_LBUTTONDBLCLK && nFlag == 0 && m_bResizable) {
        UpdateMaximizeButton();
        ToggleMaximize();
        return TRUE;
    }
    return FALSE;
}

LRESULT CMyBaseDialog::HitTestResizeBorder(CPoint pt) const
{
    CRect rc;
    GetClientRect(&rc);
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    const int x = pt.x, y = pt.y;
    if (t <= y && y <= t + 5) {
        if (l <= x && x <= l + 5)
            return HTTOPLEFT;
        if (r - 5 <= x && x <= r)
            return HTTOPRIGHT;
        return HTTOP;
    }
    if (b - 5 <= y && y <= b) {
        if (l <= x && x <= l + 5)
            return HTBOTTOMLEFT;
        if (r - 5 <= x && x <= r)
            return HTBOTTOMRIGHT;
        return HTBOTTOM;
    }
    if (l - 1 <= x && x <= l + 5)
        return HTLEFT;
    if (r - 5 <= x && x <= r)
        return HTRIGHT;
    return HTNOWHERE;
}

LRESULT CMyBaseDialog::OnNcHitTest(CPoint point)
{
    if (m_bResizable && !m_bMaximized) {
        CPoint client = point;
        ScreenToClient(&client);
        const LRESULT hit = HitTestResizeBorder(client);
        if (hit != HTNOWHERE)
            return hit;
    }
    return CDialog::OnNcHitTest(point);
}

BOOL CMyBaseDialog::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CDialog::OnSetCursor(pWnd, nHitTest, message);
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    for (POSITION pos = m_Screen.m_objects.GetHeadPosition(); pos;) {
        const SKIN_OBJECT* o = m_Screen.m_objects.NextRecord(pos);
        if (!o->m_nVisible || !o->m_rcObject.PtInRect(pt))
            continue;
        const bool clickable = (o->m_nType == SKINTYPE_BUTTON || o->m_nType == SKINTYPE_COMBO || o->m_nType == SKINTYPE_DATE) &&
                               o->m_nState != SKINSTATE_DIM;
        const bool customButton = o->m_nType == SKINTYPE_CUSTOM && !o->GetCustomValue(L"btn").IsEmpty();
        if (clickable || customButton) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}

void CMyBaseDialog::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int hit = m_Screen.OnLButtonDown(this, point.x, point.y, &CMyBaseDialog::ObjectEventThunk, nullptr);
    if (hit == -1 || !IsAlive())
        return;
    if (hit == 0 && !m_bMaximized) {
        CWnd* target = m_pDragWnd ? m_pDragWnd : this;
        target->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
        if (!IsAlive())
            return;
    }
    CDialog::OnLButtonDown(nFlags, point);
}

void CMyBaseDialog::OnLButtonUp(UINT nFlags, CPoint point)
{
    const int hit = m_Screen.OnLButtonUp(this, point.x, point.y, &CMyBaseDialog::ObjectEventThunk,
                                         &CMyBaseDialog::ToolTipThunk, nullptr);
    if (hit != -1 && IsAlive())
        CDialog::OnLButtonUp(nFlags, point);
}

void CMyBaseDialog::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    bool hitObject = false;
    for (POSITION pos = m_Screen.m_objects.GetHeadPosition(); pos;) {
        SKIN_OBJECT* o = m_Screen.m_objects.NextRecord(pos);
        if (!o->m_nVisible)
            continue;
        const bool inside = o->m_rcObject.PtInRect(point) != FALSE;
        if (o->m_nType == SKINTYPE_CUSTOM && inside)
            hitObject = true;
        if (o->m_nType != SKINTYPE_BUTTON)
            continue;
        int result = 0;
        int hover = 0;
        if (inside && (o->m_nState == -1 || o->m_bClickWhenDisabled)) {
            hitObject = true;
            o->m_bPressed = 1;
            result = OnObjectEvent(WM_LBUTTONDBLCLK, o);
            if (!IsAlive())
                return;
            hover = 3;
        }
        if (hover != o->m_nHover) {
            o->m_nHover = hover;
            InvalidateRect(&o->m_rcObject, TRUE);
        }
        if (result != 0)
            return;
    }
    if (hitObject) {
        CDialog::OnLButtonDblClk(nFlags, point);
        return;
    }
    if (OnObjectEvent(WM_LBUTTONDBLCLK, nullptr) != 0 || !IsAlive())
        return;
    if (!OnObjectDblClk(WM_LBUTTONDBLCLK, 0) && IsAlive())
        CDialog::OnLButtonDblClk(nFlags, point);
}

void CMyBaseDialog::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        tme.dwHoverTime = 1;
        m_bTracking = ::TrackMouseEvent(&tme);
    }
    m_Screen.OnMouseMove(this, point.x, point.y);
    CDialog::OnMouseMove(nFlags, point);
}

void CMyBaseDialog::OnMouseLeave()
{
    m_Screen.m_objects.ForEach([&](SKIN_OBJECT& o) {
        if (o.m_nType == SKINTYPE_BUTTON && o.m_nHover != 0) {
            o.m_nHover = 0;
            InvalidateRect(&o.m_rcObject, TRUE);
        }
    });
    m_bTracking = FALSE;
    CDialog::OnMouseLeave();
}

BOOL CMyBaseDialog::PreTranslateMessage(MSG* pMsg)
{
    InitToolTips();
    if (m_ToolTip.GetSafeHwnd())
        m_ToolTip.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && ::GetKeyState(VK_CONTROL) < 0 &&
        (pMsg->wParam == 'D' || pMsg->wParam == 'G' || pMsg->wParam == 'L')) {
        if (CWnd* main = AfxGetMainWnd())
            main->PostMessage(WM_SKIN_OBJECT_EVENT, WM_KEYDOWN, LPARAM(pMsg->wParam));
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

LRESULT CMyBaseDialog::OnUserRelay(WPARAM wParam, LPARAM lParam)
{
    const int code = int(wParam);
    if (code == 16) {
        EndDialog(IDCANCEL);
    } else if (code == 24) {
        SetForegroundWindow();
    } else if ((code >= 1296 && code <= 1303) || (code >= 1314 && code <= 1318) || code == 1330 || code == 1331) {
        OnObjectEvent(UINT(code), reinterpret_cast<SKIN_OBJECT*>(lParam));
    }
    return 0;
}

void CMyBaseDialog::SetObjectVisible(SKIN_OBJECT* o, BOOL bVisible, BOOL bRepaint)
{
    if (!o || o->m_nVisible == bVisible || o->m_nGone)
        return;
    o->m_nVisible = bVisible;
    if (!o->m_button.m_strTooltip.IsEmpty()) {
        if (bVisible)
            AddObjectToolTip(o->m_button.m_strTooltip, o->m_rcObject, UINT(o->m_nId));
        else
            DelObjectToolTip(UINT(o->m_nId));
    }
    if (bRepaint && IsAlive())
        InvalidateRect(&o->m_rcObject, TRUE);
    if (o->m_nType == SKINTYPE_EDIT && ::IsWindow(o->m_edit.m_edit.GetSafeHwnd()))
        o->m_edit.m_edit.ShowWindow(bVisible ? SW_SHOW : SW_HIDE);
}

void CMyBaseDialog::SetObjectVisibleTree(SKIN_OBJECT* o, BOOL bVisible, BOOL bRepaint)
{
    if (!o)
        return;
    SetObjectVisible(o, bVisible, bRepaint);
    const int id = o->m_nId;
    m_Screen.m_objects.ForEach([&](SKIN_OBJECT& other) {
        if (m_Screen.m_objects.IsDescendant(id, other.m_nId))
            SetObjectVisible(&other, bVisible, bRepaint);
    });
}

void CMyBaseDialog::SetGoneFlag(SKIN_OBJECT* o, BOOL bGone, BOOL bRelayout)
{
    if (!o || o->m_nGone == bGone)
        return;
    o->m_nGone = bGone;
    if (bRelayout && IsAlive()) {
        CRect client;
        GetClientRect(&client);
        m_Screen.Layout(this, client.Width(), client.Height());
        Invalidate(TRUE);
    }
    if (!o->m_button.m_strTooltip.IsEmpty()) {
        if (o->m_nGone || !o->m_nVisible)
            DelObjectToolTip(UINT(o->m_nId));
        else
            AddObjectToolTip(o->m_button.m_strTooltip, o->m_rcObject, UINT(o->m_nId));
    }
    if (o->m_nType == SKINTYPE_EDIT && ::IsWindow(o->m_edit.m_edit.GetSafeHwnd()))
        o->m_edit.m_edit.ShowWindow(o->m_nVisible && !o->m_nGone ? SW_SHOW : SW_HIDE);
}

void CMyBaseDialog::SetObjectGone(SKIN_OBJECT* o, BOOL bGone, BOOL bRelayout)
{
    if (!o)
        return;
    SetGoneFlag(o, bGone, FALSE);
    const int id = o->m_nId;
    m_Screen.m_objects.ForEach([&](SKIN_OBJECT& other) {
        if (m_Screen.m_objects.IsDescendant(id, other.m_nId))
            SetGoneFlag(&other, bGone, FALSE);
    });
    if (bRelayout && IsAlive()) {
        CRect client;
        GetClientRect(&client);
        m_Screen.Layout(this, client.Width(), client.Height());
        Invalidate(TRUE);
    }
}

void CMyBaseDialog::EnableObjectImpl(SKIN_OBJECT* o, BOOL bEnable, BOOL bRepaint)
{
    if (!o)
        return;
    const int state = bEnable ? -1 : SKINSTATE_DIM;
    if (state != o->m_nState) {
        o->m_nState = state;
        if (bRepaint && IsAlive())
            InvalidateRect(&o->m_rcObject, TRUE);
    }
    if (o->m_nType == SKINTYPE_EDIT && ::IsWindow(o->m_edit.m_edit.GetSafeHwnd()))
        o->m_edit.m_edit.EnableWindow(bEnable);
    if (o->m_nType == SKINTYPE_DATE && o->m_date.m_nDateType == 3 && ::IsWindow(o->m_date.m_wndCalendar.GetSafeHwnd()))
        o->m_date.m_wndCalendar.EnableWindow(bEnable);
}
