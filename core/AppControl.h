#pragma once
// The control message between the programs. ZEL's main dialog and ZELLog answer it; ZELClose sends
// the quit request, and a second ZELLog sends the visibility request to the running one. The
// values are shared by separately installed programs and must not change.
#include <windows.h>

#define UWM_APP_CONTROL (WM_USER + 513)

// wParam of UWM_APP_CONTROL.
#define APP_CONTROL_QUIT 0x606
// lParam: non-zero shows the log service's window, 0 hides it.
#define APP_CONTROL_VISIBLE 1
// lParam non-zero: the log service asks for its password before it shows its window.
#define APP_CONTROL_UNLOCK 0
