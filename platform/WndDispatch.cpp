// Message dispatch of CWnd: the message-map search, commands and notifications, reflection of
// control notifications back to the control objects, owner drawing, touch input and the
// PreTranslateMessage walk.
#include "platform/Wnd.h"

#include "platform/DataExchange.h"
#include "platform/ScrollBar.h"
#include "platform/UiState.h"

#include <vector>

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_MESSAGE(WM_DELETEITEM, &CWnd::OnReflectOwnerMessage)
    ON_MESSAGE(WM_COMPAREITEM, &CWnd::OnReflectOwnerMessage)
    ON_MESSAGE(WM_VKEYTOITEM, &CWnd::OnReflectOwnerMessage)
    ON_MESSAGE(WM_CHARTOITEM, &CWnd::OnReflectOwnerMessage)
    ON_MESSAGE(WM_TOUCH, &CWnd::OnTouchMessage)
END_MESSAGE_MAP()

namespace {

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Offers a notification to the object of the control that sent it.
BOOL ReflectMessage(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* child = CWnd::FromHandlePermanent(hWndChild);
    if (!child) return FALSE;
    LRESULT ignored = 0;
    return child->OnChildNotify(message, wParam, lParam, pResult ? pResult : &ignored);
}

// The menu object that owns an owner-drawn item: the permanent CMenu of the (sub)menu holding
// the item, or of its nearest ancestor that has one. Items are matched by id and item data,
// because separators and submenu items share ids.
CMenu* FindMenuOfItem(HMENU hMenu, UINT id, ULONG_PTR data, CMenu* inherited, int depth)
{
    if (!hMenu || depth > 16) return nullptr;
    CMenu* here = CMenu::FromHandlePermanent(hMenu);
    if (!here) here = inherited;
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(hMenu, (UINT)i, TRUE, &info)) continue;
        const bool idMatches = info.wID == id || (info.hSubMenu && (UINT)(UINT_PTR)info.hSubMenu == id);
        if (idMatches && info.dwItemData == data) return here;
        if (CMenu* found = FindMenuOfItem(info.hSubMenu, id, data, here, depth + 1)) return found;
    }
    return nullptr;
}

} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        result = 1;
    } else if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!header || !OnNotify(wParam, lParam, &result)) return FALSE;
    } else {
        if (message == WM_INITMENUPOPUP) zel::ThreadState().hTrackingMenu = (HMENU)wParam;
        const UINT key = IsCtlColor(message) ? zel::kMsgCtlColor : message;
        if (!CallMessageHandlers(key, 0, 0, message, wParam, lParam, &result)) return FALSE;
    }
    if (pResult) *pResult = result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const HWND hWndControl = (HWND)lParam;
    UINT code = HIWORD(wParam);
    if (!hWndControl) {
        // Menus and accelerators: both are plain commands.
        if (id == 0) return FALSE;
        code = 0;
    } else {
        if (ReflectMessage(hWndControl, WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
        if (id == 0) return FALSE;
    }
    LRESULT ignored = 0;
    return CallMessageHandlers(WM_COMMAND, code, id, WM_COMMAND, wParam, lParam, &ignored);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom && ReflectMessage(header->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    // The id of the sending window, as in WM_COMMAND; a tooltip (a pop-up) has id 0.
    const UINT id = header->hwndFrom ? (UINT)::GetDlgCtrlID(header->hwndFrom) : (UINT)header->idFrom;
    return CallMessageHandlers(WM_NOTIFY, header->code, id, WM_NOTIFY, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT ignored = 0;
    if (!pResult) pResult = &ignored;
    const UINT reflect = zel::kMsgReflectBase;
    switch (message) {
    case WM_COMMAND:
        return CallMessageHandlers(reflect + WM_COMMAND, HIWORD(wParam), 0, message, wParam, lParam, pResult);
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        return CallMessageHandlers(reflect + WM_NOTIFY, header->code, 0, message, wParam, lParam, pResult);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_PARENTNOTIFY:
        return CallMessageHandlers(reflect + message, 0, 0, message, wParam, lParam, pResult);
    default:
        if (IsCtlColor(message))
            return CallMessageHandlers(reflect + zel::kMsgCtlColor, 0, 0, message, wParam, lParam, pResult);
        return FALSE;
    }
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    const MSG& msg = zel::ThreadState().currentMsg;
    return ReflectMessage(hWndChild, msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = zel::ThreadState().currentMsg;
    LRESULT ignored = 0;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult ? pResult : &ignored);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd;) {
        CWnd* wnd = FromHandlePermanent(hWnd);
        if (wnd && wnd->PreTranslateMessage(pMsg)) return TRUE;
        if (hWnd == hWndStop) break;
        if (!(::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD)) break;
        hWnd = ::GetParent(hWnd);
    }
    return FALSE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const zel::DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT result = 0;
    if (pWnd && ReflectLastMsg(pWnd->m_hWnd, &result)) return (HBRUSH)result;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU) {
        if (CMenu* menu = CMenu::FromHandlePermanent((HMENU)lpDrawItemStruct->hwndItem)) {
            menu->DrawItem(lpDrawItemStruct);
            return;
        }
    } else if (ReflectLastMsg(lpDrawItemStruct->hwndItem)) {
        return;
    }
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU) {
        const UINT id = lpMeasureItemStruct->itemID;
        const ULONG_PTR data = lpMeasureItemStruct->itemData;
        CMenu* menu = FindMenuOfItem(zel::ThreadState().hTrackingMenu, id, data, nullptr, 0);
        if (!menu) menu = FindMenuOfItem(::GetMenu(m_hWnd), id, data, nullptr, 0);
        if (menu) {
            menu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    } else if (CWnd* child = GetDescendantWindow((int)lpMeasureItemStruct->CtlID, TRUE)) {
        if (child->SendChildNotifyLastMsg()) return;
    }
    Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar && ReflectLastMsg(pScrollBar->GetSafeHwnd())) return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar && ReflectLastMsg(pScrollBar->GetSafeHwnd())) return;
    Default();
}

LRESULT CWnd::OnReflectOwnerMessage(WPARAM wParam, LPARAM lParam)
{
    const MSG& msg = zel::ThreadState().currentMsg;
    HWND hWndChild = nullptr;
    switch (msg.message) {
    case WM_DELETEITEM: hWndChild = reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_COMPAREITEM: hWndChild = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem; break;
    default: hWndChild = (HWND)lParam; break;
    }
    LRESULT result = 0;
    if (hWndChild && ReflectMessage(hWndChild, msg.message, wParam, lParam, &result)) return result;
    return Default();
}

void CWnd::OnNcDestroy()
{
    Default();
    FinishNcDestroy();
}

LRESULT CWnd::OnTouchMessage(WPARAM wParam, LPARAM lParam)
{
    const UINT count = LOWORD(wParam);
    HTOUCHINPUT handle = (HTOUCHINPUT)lParam;
    if (count > 0) {
        std::vector<TOUCHINPUT> inputs(count);
        if (::GetTouchInputInfo(handle, count, inputs.data(), sizeof(TOUCHINPUT)) &&
            OnTouchInputs(count, inputs.data())) {
            ::CloseTouchInputHandle(handle);
            return 0;
        }
    }
    // Default processing closes the handle.
    return Default();
}

BOOL CWnd::OnTouchInputs(UINT nInputsCount, PTOUCHINPUT pInputs)
{
    BOOL handled = FALSE;
    for (UINT i = 0; i < nInputsCount; ++i) {
        TOUCHINPUT input = pInputs[i];
        CPoint point(TOUCH_COORD_TO_PIXEL(input.x), TOUCH_COORD_TO_PIXEL(input.y));
        ScreenToClient(&point);
        if (OnTouchInput(point, (int)i, (int)nInputsCount, &input)) handled = TRUE;
    }
    return handled;
}

BOOL CWnd::OnTouchInput(CPoint, int, int, PTOUCHINPUT)
{
    return FALSE;
}

BOOL CWnd::RegisterTouchWindow(BOOL bRegister, ULONG ulFlags)
{
    return bRegister ? ::RegisterTouchWindow(m_hWnd, ulFlags) : ::UnregisterTouchWindow(m_hWnd);
}
