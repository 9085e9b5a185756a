#pragma once
// Message maps: each window class lists the messages it handles in a static table that chains to
// its base class's table. A table entry holds a small "thunk" that unpacks WPARAM/LPARAM into the
// handler's parameters; the thunks are captureless lambdas written inside the class's own
// GetThisMessageMap, so handlers may be protected or private.
//
//   class CMyWnd : public CWnd { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//       ON_WM_PAINT()
//       ON_MESSAGE(WM_USER + 1, &CMyWnd::OnMyMessage)
//   END_MESSAGE_MAP()
#include <windows.h>
#include <commctrl.h>
#include <type_traits>

class CCmdTarget;

#ifndef afx_msg
#define afx_msg
#endif

namespace zel {

// Unpacks one message for one handler; returns false when the handler declines it (the _EX
// forms and a reflected colour handler returning no brush), so the search goes on.
using MsgThunk = bool (*)(CCmdTarget* target, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* result);

struct MsgMapEntry {
    UINT message;              // 0 ends a table
    UINT code;                 // notification code of WM_COMMAND / WM_NOTIFY entries
    UINT firstId;              // control or command id range of WM_COMMAND / WM_NOTIFY entries
    UINT lastId;
    const UINT* registered;    // ON_REGISTERED_MESSAGE: the variable that holds the message id
    MsgThunk thunk;
};

struct MsgMap {
    const MsgMap* (*getBase)();
    const MsgMapEntry* entries;
};

// Pseudo messages that only ever appear in tables, never in a window's queue.
constexpr UINT kMsgCtlColor = 0x0019;        // any WM_CTLCOLORxxx; the handler gets the kind
// A notification reflected back to the control: beyond every real message number, so no
// message a window receives can be taken for one.
constexpr UINT kMsgReflectBase = 0x10000;

// Hides a pointer's origin from the optimiser, so that the GetSafeXxx accessors can test 'this'
// for null (they are called through null pointers by design).
template <typename T>
inline T* Opaque(T* p)
{
    __asm__("" : "+r"(p));
    return p;
}

// Calls a WPARAM/LPARAM style handler whether it returns a value or nothing.
template <typename T, typename F, typename... A>
LRESULT CallForResult(T* self, F fn, A... args)
{
    if constexpr (std::is_void_v<decltype((self->*fn)(args...))>) {
        (self->*fn)(args...);
        return 0;
    } else {
        return (LRESULT)(self->*fn)(args...);
    }
}

} // namespace zel

#define DECLARE_MESSAGE_MAP()                                  \
protected:                                                     \
    static const ::zel::MsgMap* GetThisMessageMap();           \
    const ::zel::MsgMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const ::zel::MsgMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const ::zel::MsgMap* theClass::GetThisMessageMap()                                  \
    {                                                                                   \
        typedef theClass ThisClass;                                                     \
        typedef baseClass TheBaseClass;                                                 \
        static const ::zel::MsgMapEntry entries_[] = {

#define END_MESSAGE_MAP()                                                  \
            { 0, 0, 0, 0, nullptr, nullptr } };                            \
        (void)sizeof(ThisClass*);                                          \
        static const ::zel::MsgMap map_ = { &TheBaseClass::GetThisMessageMap, entries_ }; \
        return &map_;                                                      \
    }

// The body of a thunk; 'self', 'message', 'wParam', 'lParam' and 'pResult' are in scope.
#define ZEL_THUNK(...)                                                                   \
    [](CCmdTarget* target_, [[maybe_unused]] UINT message, [[maybe_unused]] WPARAM wParam, \
       [[maybe_unused]] LPARAM lParam, [[maybe_unused]] LRESULT* pResult) -> bool {     \
        [[maybe_unused]] ThisClass* self = static_cast<ThisClass*>(target_);           \
        __VA_ARGS__;                                                                    \
        return true;                                                                    \
    }
#define ZEL_ENTRY(msg, ...) { (UINT)(msg), 0, 0, 0, nullptr, ZEL_THUNK(__VA_ARGS__) },
// (Not windowsx.h: its macros, SubclassWindow among them, clash with the class library's names.)
#define ZEL_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define ZEL_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
#define ZEL_POINT_LPARAM CPoint(ZEL_X_LPARAM(lParam), ZEL_Y_LPARAM(lParam))

// Any message, handler LRESULT fn(WPARAM, LPARAM) (a void handler gives 0).
#define ON_MESSAGE(msg, memberFxn) \
    ZEL_ENTRY(msg, *pResult = ::zel::CallForResult(self, memberFxn, wParam, lParam))
#define ON_REGISTERED_MESSAGE(msgVariable, memberFxn)                                   \
    { 0, 0, 0, 0, &(msgVariable),                                                       \
      ZEL_THUNK(*pResult = ::zel::CallForResult(self, memberFxn, wParam, lParam)) },

// Commands and control notifications (WM_COMMAND). Menu and accelerator commands have code 0,
// which is also BN_CLICKED, so ON_COMMAND answers button clicks as well.
#define ON_CONTROL(code, id, memberFxn) \
    { WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), nullptr, ZEL_THUNK((self->*(memberFxn))()) },
#define ON_CONTROL_RANGE(code, idFirst, idLast, memberFxn)                          \
    { WM_COMMAND, (UINT)(code), (UINT)(idFirst), (UINT)(idLast), nullptr,           \
      ZEL_THUNK((self->*(memberFxn))(LOWORD(wParam))) },
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn) ON_CONTROL_RANGE(0, idFirst, idLast, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// WM_NOTIFY from a control: void fn(NMHDR*, LRESULT*).
#define ON_NOTIFY(code, id, memberFxn)                                                  \
    { WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), nullptr,                         \
      ZEL_THUNK((self->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult)) },
#define ON_NOTIFY_RANGE(code, idFirst, idLast, memberFxn)                               \
    { WM_NOTIFY, (UINT)(code), (UINT)(idFirst), (UINT)(idLast), nullptr,                \
      ZEL_THUNK((self->*(memberFxn))((UINT)wParam, reinterpret_cast<NMHDR*>(lParam), pResult)) },

// Notifications reflected back to the control that sent them. The plain forms consume the
// notification; the _EX forms return BOOL, and FALSE lets the parent handle it too.
#define ON_CONTROL_REFLECT(code, memberFxn)                                             \
    { ::zel::kMsgReflectBase + WM_COMMAND, (UINT)(code), 0, 0, nullptr,                 \
      ZEL_THUNK((self->*(memberFxn))()) },
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                          \
    { ::zel::kMsgReflectBase + WM_COMMAND, (UINT)(code), 0, 0, nullptr,                 \
      ZEL_THUNK(if (!(self->*(memberFxn))()) return false) },
#define ON_NOTIFY_REFLECT(code, memberFxn)                                              \
    { ::zel::kMsgReflectBase + WM_NOTIFY, (UINT)(code), 0, 0, nullptr,                  \
      ZEL_THUNK((self->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult)) },
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                           \
    { ::zel::kMsgReflectBase + WM_NOTIFY, (UINT)(code), 0, 0, nullptr,                  \
      ZEL_THUNK(if (!(self->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult)) return false) },
#define ON_EN_CHANGE_REFLECT(memberFxn) ON_CONTROL_REFLECT(EN_CHANGE, memberFxn)
// HBRUSH CtlColor(CDC*, UINT nCtlColor); a null brush leaves the colours to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                        \
    ZEL_ENTRY(::zel::kMsgReflectBase + ::zel::kMsgCtlColor,                             \
              HBRUSH brush_ = self->CtlColor(CDC::FromHandle((HDC)wParam),              \
                                             message - WM_CTLCOLORMSGBOX);              \
              if (!brush_) return false; *pResult = (LRESULT)brush_)
#define ON_WM_DRAWITEM_REFLECT() \
    ZEL_ENTRY(::zel::kMsgReflectBase + WM_DRAWITEM, self->DrawItem((LPDRAWITEMSTRUCT)lParam); *pResult = TRUE)
#define ON_WM_MEASUREITEM_REFLECT() \
    ZEL_ENTRY(::zel::kMsgReflectBase + WM_MEASUREITEM, self->MeasureItem((LPMEASUREITEMSTRUCT)lParam); *pResult = TRUE)
#define ON_WM_HSCROLL_REFLECT() \
    ZEL_ENTRY(::zel::kMsgReflectBase + WM_HSCROLL, self->HScroll(LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_VSCROLL_REFLECT() \
    ZEL_ENTRY(::zel::kMsgReflectBase + WM_VSCROLL, self->VScroll(LOWORD(wParam), HIWORD(wParam)))

// Window messages with unpacked parameters.
#define ON_WM_CREATE() ZEL_ENTRY(WM_CREATE, *pResult = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_DESTROY() ZEL_ENTRY(WM_DESTROY, self->OnDestroy())
#define ON_WM_NCDESTROY() ZEL_ENTRY(WM_NCDESTROY, self->OnNcDestroy())
#define ON_WM_CLOSE() ZEL_ENTRY(WM_CLOSE, self->OnClose())
#define ON_WM_PAINT() ZEL_ENTRY(WM_PAINT, self->OnPaint())
#define ON_WM_ERASEBKGND() ZEL_ENTRY(WM_ERASEBKGND, *pResult = self->OnEraseBkgnd(CDC::FromHandle((HDC)wParam)))
#define ON_WM_NCPAINT() ZEL_ENTRY(WM_NCPAINT, self->OnNcPaint())
#define ON_WM_NCACTIVATE() ZEL_ENTRY(WM_NCACTIVATE, *pResult = self->OnNcActivate((BOOL)wParam))
#define ON_WM_NCCALCSIZE() \
    ZEL_ENTRY(WM_NCCALCSIZE, self->OnNcCalcSize((BOOL)wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)))
#define ON_WM_NCHITTEST() ZEL_ENTRY(WM_NCHITTEST, *pResult = self->OnNcHitTest(ZEL_POINT_LPARAM))
#define ON_WM_SIZE() ZEL_ENTRY(WM_SIZE, self->OnSize((UINT)wParam, (int)LOWORD(lParam), (int)HIWORD(lParam)))
#define ON_WM_SIZING() ZEL_ENTRY(WM_SIZING, self->OnSizing((UINT)wParam, (LPRECT)lParam); *pResult = TRUE)
#define ON_WM_MOVE() ZEL_ENTRY(WM_MOVE, self->OnMove(ZEL_X_LPARAM(lParam), ZEL_Y_LPARAM(lParam)))
#define ON_WM_MOVING() ZEL_ENTRY(WM_MOVING, self->OnMoving((UINT)wParam, (LPRECT)lParam); *pResult = TRUE)
#define ON_WM_ENTERSIZEMOVE() ZEL_ENTRY(WM_ENTERSIZEMOVE, self->OnEnterSizeMove())
#define ON_WM_EXITSIZEMOVE() ZEL_ENTRY(WM_EXITSIZEMOVE, self->OnExitSizeMove())
#define ON_WM_WINDOWPOSCHANGING() ZEL_ENTRY(WM_WINDOWPOSCHANGING, self->OnWindowPosChanging((WINDOWPOS*)lParam))
#define ON_WM_WINDOWPOSCHANGED() ZEL_ENTRY(WM_WINDOWPOSCHANGED, self->OnWindowPosChanged((WINDOWPOS*)lParam))
#define ON_WM_GETMINMAXINFO() ZEL_ENTRY(WM_GETMINMAXINFO, self->OnGetMinMaxInfo((MINMAXINFO*)lParam))
#define ON_WM_SHOWWINDOW() ZEL_ENTRY(WM_SHOWWINDOW, self->OnShowWindow((BOOL)wParam, (UINT)lParam))
#define ON_WM_ACTIVATE() \
    ZEL_ENTRY(WM_ACTIVATE, self->OnActivate(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam)))
#define ON_WM_ACTIVATEAPP() ZEL_ENTRY(WM_ACTIVATEAPP, self->OnActivateApp((BOOL)wParam, (DWORD)lParam))
#define ON_WM_ENABLE() ZEL_ENTRY(WM_ENABLE, self->OnEnable((BOOL)wParam))
#define ON_WM_TIMER() ZEL_ENTRY(WM_TIMER, self->OnTimer((UINT_PTR)wParam))
#define ON_WM_SETFOCUS() ZEL_ENTRY(WM_SETFOCUS, self->OnSetFocus(CWnd::FromHandle((HWND)wParam)))
#define ON_WM_KILLFOCUS() ZEL_ENTRY(WM_KILLFOCUS, self->OnKillFocus(CWnd::FromHandle((HWND)wParam)))
#define ON_WM_SETCURSOR()                                                                  \
    ZEL_ENTRY(WM_SETCURSOR, *pResult = self->OnSetCursor(CWnd::FromHandle((HWND)wParam),   \
                                                         LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_CAPTURECHANGED() ZEL_ENTRY(WM_CAPTURECHANGED, self->OnCaptureChanged(CWnd::FromHandle((HWND)lParam)))
#define ON_WM_CTLCOLOR()                                                                   \
    ZEL_ENTRY(::zel::kMsgCtlColor,                                                         \
              *pResult = (LRESULT)self->OnCtlColor(CDC::FromHandle((HDC)wParam),           \
                                                   CWnd::FromHandle((HWND)lParam),         \
                                                   message - WM_CTLCOLORMSGBOX))
#define ON_WM_DRAWITEM() \
    ZEL_ENTRY(WM_DRAWITEM, self->OnDrawItem((int)wParam, (LPDRAWITEMSTRUCT)lParam); *pResult = TRUE)
#define ON_WM_MEASUREITEM() \
    ZEL_ENTRY(WM_MEASUREITEM, self->OnMeasureItem((int)wParam, (LPMEASUREITEMSTRUCT)lParam); *pResult = TRUE)
#define ON_WM_INITMENUPOPUP() \
    ZEL_ENTRY(WM_INITMENUPOPUP, self->OnInitMenuPopup(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), (BOOL)HIWORD(lParam)))
#define ON_WM_CONTEXTMENU() \
    ZEL_ENTRY(WM_CONTEXTMENU, self->OnContextMenu(CWnd::FromHandle((HWND)wParam), ZEL_POINT_LPARAM))

#define ZEL_MOUSE_ENTRY(msg, fn) ZEL_ENTRY(msg, self->fn((UINT)wParam, ZEL_POINT_LPARAM))
#define ON_WM_MOUSEMOVE() ZEL_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() ZEL_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() ZEL_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() ZEL_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() ZEL_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() ZEL_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() ZEL_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() ZEL_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() ZEL_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MOUSEHOVER() ZEL_MOUSE_ENTRY(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSELEAVE() ZEL_ENTRY(WM_MOUSELEAVE, self->OnMouseLeave())
#define ON_WM_MOUSEWHEEL()                                                                   \
    ZEL_ENTRY(WM_MOUSEWHEEL, *pResult = self->OnMouseWheel(GET_KEYSTATE_WPARAM(wParam),      \
                                                           GET_WHEEL_DELTA_WPARAM(wParam),   \
                                                           ZEL_POINT_LPARAM))
#define ON_WM_MOUSEHWHEEL()                                                                  \
    ZEL_ENTRY(WM_MOUSEHWHEEL, self->OnMouseHWheel(GET_KEYSTATE_WPARAM(wParam),               \
                                                  GET_WHEEL_DELTA_WPARAM(wParam), ZEL_POINT_LPARAM))
#define ZEL_NCMOUSE_ENTRY(msg, fn) ZEL_ENTRY(msg, self->fn((UINT)wParam, ZEL_POINT_LPARAM))
#define ON_WM_NCMOUSEMOVE() ZEL_NCMOUSE_ENTRY(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() ZEL_NCMOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() ZEL_NCMOUSE_ENTRY(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() ZEL_NCMOUSE_ENTRY(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() ZEL_NCMOUSE_ENTRY(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCMBUTTONDOWN() ZEL_NCMOUSE_ENTRY(WM_NCMBUTTONDOWN, OnNcMButtonDown)

#define ZEL_KEY_ENTRY(msg, fn) ZEL_ENTRY(msg, self->fn((UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_KEYDOWN() ZEL_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() ZEL_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() ZEL_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() ZEL_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_GETDLGCODE() ZEL_ENTRY(WM_GETDLGCODE, *pResult = self->OnGetDlgCode())

#define ON_WM_HSCROLL()                                                                      \
    ZEL_ENTRY(WM_HSCROLL, self->OnHScroll(LOWORD(wParam), HIWORD(wParam),                    \
                                          reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)lParam))))
#define ON_WM_VSCROLL()                                                                      \
    ZEL_ENTRY(WM_VSCROLL, self->OnVScroll(LOWORD(wParam), HIWORD(wParam),                    \
                                          reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)lParam))))

#define ON_WM_SYSCOMMAND() ZEL_ENTRY(WM_SYSCOMMAND, self->OnSysCommand((UINT)wParam, lParam))
#define ON_WM_SETTINGCHANGE() ZEL_ENTRY(WM_SETTINGCHANGE, self->OnSettingChange((UINT)wParam, (LPCTSTR)lParam))
#define ON_WM_COPYDATA() \
    ZEL_ENTRY(WM_COPYDATA, *pResult = self->OnCopyData(CWnd::FromHandle((HWND)wParam), (COPYDATASTRUCT*)lParam))
#define ON_WM_QUERYDRAGICON() ZEL_ENTRY(WM_QUERYDRAGICON, *pResult = (LRESULT)self->OnQueryDragIcon())
#define ON_WM_POWERBROADCAST() ZEL_ENTRY(WM_POWERBROADCAST, *pResult = self->OnPowerBroadcast((UINT)wParam, lParam))
#define ON_WM_INPUT() ZEL_ENTRY(WM_INPUT, self->OnRawInput(GET_RAWINPUT_CODE_WPARAM(wParam), (HRAWINPUT)lParam))
