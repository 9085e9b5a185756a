#include "app/TitleLayerMaker.h"

#include "app/TitleLayer.h"

CWnd* MakeTitleLayer(CWnd* pMainDlg, ITitleBar** ppTitleBar)
{
    if (ppTitleBar)
        *ppTitleBar = nullptr;
    if (!pMainDlg || !::IsWindow(pMainDlg->GetSafeHwnd()))
        return nullptr;
    auto* pLayer = new CTitleLayer(dynamic_cast<ITitleLayerEventListener*>(pMainDlg));
    if (!pLayer->CreateLayer(pMainDlg)) {
        delete pLayer;
        return nullptr;
    }
    pLayer->SetMode(0);
    if (ppTitleBar)
        *ppTitleBar = pLayer;
    return pLayer;
}
