// CWnd operations that take more than one call of the system.
#include "platform/Wnd.h"

#include "platform/Font.h"
#include "platform/Rgn.h"

namespace {

BOOL ChangeStyle(HWND hWnd, int index, DWORD remove, DWORD add, UINT flags)
{
    const DWORD style = (DWORD)::GetWindowLongPtrW(hWnd, index);
    const DWORD newStyle = (style & ~remove) | add;
    if (style == newStyle) return FALSE;
    ::SetWindowLongPtrW(hWnd, index, (LONG_PTR)newStyle);
    if (flags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

CWnd* FindDescendant(HWND hWnd, int id, BOOL onlyPermanent)
{
    // The direct children first (one fast lookup), then depth first.
    if (HWND child = ::GetDlgItem(hWnd, id)) {
        if (::GetTopWindow(child)) {
            if (CWnd* inner = FindDescendant(child, id, onlyPermanent)) return inner;
        }
        if (!onlyPermanent) return CWnd::FromHandle(child);
        if (CWnd* wnd = CWnd::FromHandlePermanent(child)) return wnd;
    }
    for (HWND child = ::GetTopWindow(hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (CWnd* wnd = FindDescendant(child, id, onlyPermanent)) return wnd;
    }
    return nullptr;
}

void SendToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL deep, BOOL onlyPermanent)
{
    for (HWND child = ::GetTopWindow(hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!onlyPermanent || CWnd::FromHandlePermanent(child))
            ::SendMessageW(child, message, wParam, lParam);
        if (deep && ::GetTopWindow(child)) SendToDescendants(child, message, wParam, lParam, deep, onlyPermanent);
    }
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ChangeStyle(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ChangeStyle(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND top = m_hWnd;
    if (!top) return nullptr;
    for (HWND up = ::GetParent(top); up; up = ::GetParent(up)) top = up;
    return FromHandle(top);
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return m_hWnd ? FindDescendant(m_hWnd, nID, bOnlyPerm) : nullptr;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    if (m_hWnd) SendToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                 lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    lpwndpl->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    const DWORD style = GetStyle();
    const bool child = (style & WS_CHILD) != 0;
    HWND center = pAlternateOwner->GetSafeHwnd();
    if (!center) center = child ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    // A hidden or minimised owner is no reference point.
    if (center && !child && (!::IsWindowVisible(center) || ::IsIconic(center))) center = nullptr;

    RECT window, area, reference;
    ::GetWindowRect(m_hWnd, &window);
    if (!child) {
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        ::GetMonitorInfoW(::MonitorFromWindow(center ? center : m_hWnd, MONITOR_DEFAULTTONEAREST), &info);
        area = info.rcWork;
        if (center) ::GetWindowRect(center, &reference);
        else reference = area;
    } else {
        HWND parent = ::GetParent(m_hWnd);
        ::GetClientRect(parent, &area);
        if (center) {
            ::GetClientRect(center, &reference);
            ::MapWindowPoints(center, parent, reinterpret_cast<LPPOINT>(&reference), 2);
        } else {
            reference = area;
        }
    }
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int x = (reference.left + reference.right) / 2 - width / 2;
    int y = (reference.top + reference.bottom) / 2 - height / 2;
    if (x + width > area.right) x = area.right - width;
    if (x < area.left) x = area.left;
    if (y + height > area.bottom) y = area.bottom - height;
    if (y < area.top) y = area.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
    ::InvalidateRgn(m_hWnd, pRgn ? (HRGN)pRgn->GetSafeHandle() : nullptr, bErase);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate ? (HRGN)prgnUpdate->GetSafeHandle() : nullptr, flags);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags)
{
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip,
                            prgnUpdate ? (HRGN)prgnUpdate->GetSafeHandle() : nullptr, lpRectUpdate, flags);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    ::SendMessageW(m_hWnd, WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), bRedraw);
}

CFont* CWnd::GetFont() const
{
    HFONT font = (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0);
    return font ? CFont::FromHandle(font) : nullptr;
}

void CWnd::GetWindowText(CString& rString) const
{
    const int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0) {
        rString.Empty();
        return;
    }
    ::GetWindowTextW(m_hWnd, rString.GetBuffer(length + 1), length + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND item = ::GetDlgItem(m_hWnd, nID);
    if (!item) return 0;
    const int length = ::GetWindowTextLengthW(item);
    if (length <= 0) return 0;
    ::GetWindowTextW(item, rString.GetBuffer(length + 1), length + 1);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

int CWnd::GetScrollLimit(int nBar) const
{
    int minPos = 0, maxPos = 0;
    ::GetScrollRange(m_hWnd, nBar, &minPos, &maxPos);
    SCROLLINFO info = {};
    if (GetScrollInfo(nBar, &info, SIF_PAGE)) {
        // nPage is unsigned: an empty page must not wrap round to a huge subtraction.
        const int page = (int)info.nPage;
        maxPos -= page > 1 ? page - 1 : 0;
    }
    return maxPos;
}
