#pragma once
// An application profile: values under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section> when a registry key is given,
// else in the ini file named by the profile name. CWinApp keeps its profile through this, and code
// that runs without an application object can name a profile of its own the same way.
#include <windows.h>

#include "platform/CString.h"

namespace zel {

class Profile {
public:
    // The names are not copied: they must outlive the object. Without any name there is no profile:
    // reads give the default and writes fail.
    Profile(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName)
        : m_lpszRegistryKey(lpszRegistryKey), m_lpszProfileName(lpszProfileName) {}

    // Opened (and created) keys; the caller closes them. Null without a registry key.
    HKEY GetAppRegistryKey() const;
    HKEY GetSectionKey(LPCTSTR lpszSection) const;
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const;
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) const;
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr) const;
    // A null value deletes the entry, a null entry the whole section.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) const;
    // *ppData is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes) const;
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes) const;

private:
    // An ini file profile: no registry key, a file name. A null file name would reach the
    // system's own win.ini instead.
    bool UsesIniFile() const { return !m_lpszRegistryKey; }
    bool HasIniFile() const { return m_lpszProfileName && *m_lpszProfileName; }
    CString AppKeyPath() const;
    HKEY OpenSection(LPCTSTR lpszSection, bool bCreate, REGSAM access = KEY_READ) const;

    LPCTSTR m_lpszRegistryKey;
    LPCTSTR m_lpszProfileName;
};

} // namespace zel
