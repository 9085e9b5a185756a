#include "screens/meeting/panels/InfoLayerSettings.h"

#include "core/IniFileHelpers.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"

namespace {
const wchar_t kSection[] = L"INFOLAYER";
}

CString GetInfoLayerIniPath()
{
    CSettingManager* pSettings = CSettingManager::GetInstance();
    CString path = pSettings ? pSettings->GetSettingIniPath() : CString();
    if (path.IsEmpty())
        path = g_ApplicationLog.GetAppDataFolder() + L"setting.ini";
    return path;
}

S_INFOLAYER_STATE LoadInfoLayerState()
{
    const CString path = GetInfoLayerIniPath();
    int nShow = 0;
    int nTab = 0;
    ReadIniInt(kSection, L"show", nShow, path);
    ReadIniInt(kSection, L"tab_index", nTab, path);
    S_INFOLAYER_STATE state;
    state.bShow = nShow != 0;
    state.nTab = (nTab == INFOLAYER_TAB_THUMBNAILS || nTab == INFOLAYER_TAB_BOOKMARKS) ? nTab : INFOLAYER_TAB_MEMBERS;
    return state;
}

void SaveInfoLayerShow(BOOL bShow)
{
    WriteIniInt(kSection, L"show", bShow ? 1 : 0, GetInfoLayerIniPath());
}

void SaveInfoLayerTab(int nTab)
{
    WriteIniInt(kSection, L"tab_index", nTab, GetInfoLayerIniPath());
}
