#pragma once
// Vistrel's one setting: the folder where the browser keeps its user data.
#include "platform/Base.h"

// The browser's user-data folder, ending in "\"; empty until CSettingManager::InitAppData succeeds.
extern CString g_strUserDataFolder;

class CSettingManager {
public:
    // Makes "<local application data>\<company>\<product>" level by level when it is missing and
    // keeps it (with a trailing "\") in g_strUserDataFolder. Says what failed in a message box.
    static bool InitAppData(LPCTSTR lpszCompany, LPCTSTR lpszProduct);

    // The same under another base folder; an empty base counts as "no local application data".
    static bool InitAppDataUnder(const CString& strBase, LPCTSTR lpszCompany, LPCTSTR lpszProduct);
};
