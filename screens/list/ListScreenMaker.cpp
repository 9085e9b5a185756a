#include "screens/list/ListScreenMaker.h"

#include "screens/list/MainLayer.h"

CWnd* MakeListScreen(CWnd* pMainDlg, IListScreen** ppScreen)
{
    CMainLayer* screen = new CMainLayer(pMainDlg);
    if (!screen->CreateScreen(pMainDlg)) {
        delete screen;
        if (ppScreen) *ppScreen = nullptr;
        return nullptr;
    }
    if (ppScreen) *ppScreen = screen;
    return screen;
}
