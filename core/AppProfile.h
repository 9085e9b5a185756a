#pragma once
// The application's profile in the registry, under the current user's key
// "Software\<company>\<profile>\<section>". The application start-up names the company and
// profile once; the settings store writes its values through here.
#include <windows.h>
#include "platform/CString.h"

class CAppProfile {
public:
    static void SetRegistryKey(LPCTSTR pszCompany, LPCTSTR pszProfileName);
    // "Software\<company>\<profile>\<section>", or empty before SetRegistryKey.
    static CString GetSectionKey(LPCTSTR pszSection);
    static BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue);
    static BOOL WriteInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue);
};
