#include <windows.h>

#include "app/ZELApp.h"
#include "platform/Wnd.h"

// Built before the application object, in this order (the two logs live in core).
UINT g_uTaskbarCreatedMsg = ::RegisterWindowMessageW(L"TaskbarCreated");
CWnd g_wndTray;
CZELApp theApp;

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
