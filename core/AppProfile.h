#pragma once
// The application's registry profile as the settings store reaches it: the application object's
// profile functions when there is an application object, else (tests, programs without one) a
// profile of the names given here, kept by the class library the same way. With the application
// object the values live where its SetRegistryKey put them, under the current user's
// "Software\<company>\<profile>\<section>".
#include <windows.h>
#include "platform/CString.h"

class CAppProfile {
public:
    // Names the profile used while no application object exists; without names (the start, or
    // nulls) nothing is written.
    static void SetRegistryKey(LPCTSTR pszCompany, LPCTSTR pszProfileName);
    static BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue);
    static BOOL WriteInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue);
};
