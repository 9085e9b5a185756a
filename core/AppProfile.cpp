#include "core/AppProfile.h"

#include "core/RegistryHelpers.h"

namespace {
CString& CompanyName() { static CString s; return s; }
CString& ProfileName() { static CString s; return s; }
}

void CAppProfile::SetRegistryKey(LPCTSTR pszCompany, LPCTSTR pszProfileName)
{
    CompanyName() = pszCompany ? pszCompany : L"";
    ProfileName() = pszProfileName ? pszProfileName : L"";
}

CString CAppProfile::GetSectionKey(LPCTSTR pszSection)
{
    if (CompanyName().IsEmpty() || ProfileName().IsEmpty()) return CString();
    CString strKey;
    strKey.Format(L"Software\\%s\\%s\\%s", (LPCTSTR)CompanyName(), (LPCTSTR)ProfileName(),
                  pszSection ? pszSection : L"");
    return strKey;
}

BOOL CAppProfile::WriteString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue)
{
    CString strKey = GetSectionKey(pszSection);
    if (strKey.IsEmpty()) return FALSE;
    return WriteRegistryString(HKEY_CURRENT_USER, strKey, pszEntry, pszValue) == ERROR_SUCCESS;
}

BOOL CAppProfile::WriteInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue)
{
    CString strKey = GetSectionKey(pszSection);
    if (strKey.IsEmpty()) return FALSE;
    WriteRegistryDword(HKEY_CURRENT_USER, strKey, pszEntry, (DWORD)nValue);
    return TRUE;
}
