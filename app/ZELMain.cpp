#include <windows.h>

#include "app/TitleLayerMaker.h"
#include "app/ZELApp.h"
#include "app/main/ScreenMakers.h"
#include "platform/Wnd.h"
#include "screens/list/ListScreenMaker.h"

// The one application object (the logs and the tray's globals are built in their libraries).
CZELApp theApp;

namespace {

// The program is the one place that knows every screen: the main dialog only knows their
// interfaces and asks these makers for them.
void SetProgramScreens()
{
    SScreenMakers makers;
    makers.makeTitleBar = MakeTitleLayer;
    makers.makeList = MakeListScreen;
    SetScreenMakers(makers);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    SetProgramScreens();
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
