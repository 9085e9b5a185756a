#include "core/SupportMenu.h"

#include <shellapi.h>

#include "core/MyLogFile.h"
#include "core/SystemHelpers.h"
#include "platform/ResourceHandle.h"
#include "resources/resource.h"

void ShowSupportMenu(HWND hOwner, PFN_SUPPORT_CHOOSE pfnChoose, PFN_SUPPORT_LAUNCH pfnLaunch)
{
    HMENU hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_ABOUT_MENU));
    if (HMENU hSub = hMenu ? ::GetSubMenu(hMenu, 0) : nullptr) {
        POINT pt;
        ::GetCursorPos(&pt);
        const UINT nCommand =
            pfnChoose ? pfnChoose(hSub) : (UINT)::TrackPopupMenu(hSub, TPM_RETURNCMD, pt.x, pt.y, 0, hOwner, nullptr);
        RunSupportCommand(nCommand, pfnLaunch);
    }
    if (hMenu)
        ::DestroyMenu(hMenu);
}

void LaunchSupportTarget(const CString& strFile, const CString& strParams, bool bShell, PFN_SUPPORT_LAUNCH pfnLaunch)
{
    if (pfnLaunch)
        pfnLaunch(strFile, strParams);
    else if (bShell)
        ::ShellExecuteW(nullptr, nullptr, strFile, nullptr, nullptr, SW_SHOWNORMAL);
    else
        RunProgram(strFile, strParams, FALSE);
}

void RunSupportCommand(UINT nCommand, PFN_SUPPORT_LAUNCH pfnLaunch)
{
    auto launch = [pfnLaunch](const CString& strFile, const CString& strParams, bool bShell) {
        LaunchSupportTarget(strFile, strParams, bShell, pfnLaunch);
    };
    switch (nCommand) {
    case ID_SUPPORT_LOG: launch(GetModuleFolder() + L"ZELLog.exe", L" show", false); break;
    case ID_SUPPORT_PROGRAM: launch(GetModuleFolder(), L"", true); break;
    case ID_SUPPORT_DATA: launch(g_ApplicationLog.GetAppDataFolder(), L"", true); break;
    default: break;
    }
}
