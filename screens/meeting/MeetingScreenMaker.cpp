#include "screens/meeting/MeetingScreenMaker.h"

#include "screens/meeting/MeetingLayer.h"

CWnd* MakeMeetingScreen(CWnd* pMainDlg, IMeetingScreen** ppScreen)
{
    CMeetingLayer* pScreen = new CMeetingLayer();
    CRect rc(0, 0, 1280, 800);
    if (pMainDlg && pMainDlg->GetSafeHwnd()) pMainDlg->GetClientRect(&rc);
    if (!pScreen->Create(pMainDlg, rc)) {
        delete pScreen;
        if (ppScreen) *ppScreen = nullptr;
        return nullptr;
    }
    if (ppScreen) *ppScreen = pScreen;
    return pScreen;
}
