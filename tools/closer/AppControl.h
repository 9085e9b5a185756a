#pragma once
// The control message that ZEL's main dialog and ZELLog understand; ZELClose uses it to ask them to
// quit. The values are shared with those programs and must not change.
#include <windows.h>

#define UWM_APP_CONTROL (WM_USER + 513)
#define APP_CONTROL_QUIT 0x606
