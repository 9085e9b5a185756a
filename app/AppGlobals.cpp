#include <windows.h>

#include "platform/Wnd.h"

// Built before the application object: the taskbar's "new taskbar" message, which the tray
// icon answers, and the hidden owner of windows sent to the tray.
UINT g_uTaskbarCreatedMsg = ::RegisterWindowMessageW(L"TaskbarCreated");
CWnd g_wndTray;
