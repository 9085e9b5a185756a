#include <windows.h>

#include "app/ProgramScreens.h"
#include "app/ZELApp.h"
#include "platform/Wnd.h"

// The one application object (the logs and the tray's globals are built in their libraries).
CZELApp theApp;


int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    SetProgramScreens();
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
