#include "screens/detail/DetailScreenMaker.h"

#include "screens/detail/DetailLayer.h"
#include "resources/resource.h"
#include "screens/detail/DetailHooks.h"

namespace {

SDetailScreenHooks& Hooks()
{
    static SDetailScreenHooks hooks;
    return hooks;
}

}  // namespace

void SetDetailScreenHooks(const SDetailScreenHooks& hooks)
{
    Hooks() = hooks;
}

const SDetailScreenHooks& GetDetailScreenHooks()
{
    return Hooks();
}

CWnd* MakeDetailScreen(CWnd* pMainDlg, IDetailScreen** ppScreen)
{
    CDetailLayer* pLayer = new CDetailLayer(pMainDlg);
    if (!pLayer->Create(IDD_SKIN_CHILD, pMainDlg)) {
        delete pLayer;
        if (ppScreen)
            *ppScreen = nullptr;
        return nullptr;
    }
    if (ppScreen)
        *ppScreen = pLayer;
    return pLayer;
}
