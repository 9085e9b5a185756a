#pragma once
// The support staff's hidden right-click menu (menu 1153 of the resource library): 32801 starts
// the log viewer ("ZELLog.exe" beside the program with " show"), 32802 opens the program folder,
// 32803 the data folder.
#include <windows.h>

#include "platform/CString.h"

// Seams: a chooser that picks from the menu instead of tracking it, and a launcher that is told
// what would be started (bShell: opened by the shell, else run as a program).
typedef UINT (*PFN_SUPPORT_CHOOSE)(HMENU hMenu);
typedef void (*PFN_SUPPORT_LAUNCH)(const CString& strFile, const CString& strParams);

// Shows the menu at the cursor, owned by the window, and runs what is chosen.
void ShowSupportMenu(HWND hOwner, PFN_SUPPORT_CHOOSE pfnChoose, PFN_SUPPORT_LAUNCH pfnLaunch);
// Opens a file or folder with the shell (bShell) or runs it as a program with the parameters;
// with a launcher, only tells it.
void LaunchSupportTarget(const CString& strFile, const CString& strParams, bool bShell, PFN_SUPPORT_LAUNCH pfnLaunch);
// Runs one command of the menu; other commands do nothing.
void RunSupportCommand(UINT nCommand, PFN_SUPPORT_LAUNCH pfnLaunch);
