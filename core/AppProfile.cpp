#include "core/AppProfile.h"

#include "platform/Profile.h"
#include "platform/WinApp.h"

namespace {

CString& CompanyName() { static CString s; return s; }
CString& ProfileName() { static CString s; return s; }

// Only complete names make a profile: a half-named one would fall back to an ini file.
zel::Profile StandInProfile()
{
    if (CompanyName().IsEmpty() || ProfileName().IsEmpty()) return zel::Profile(nullptr, nullptr);
    return zel::Profile(CompanyName(), ProfileName());
}

}  // namespace

void CAppProfile::SetRegistryKey(LPCTSTR pszCompany, LPCTSTR pszProfileName)
{
    CompanyName() = pszCompany ? pszCompany : L"";
    ProfileName() = pszProfileName ? pszProfileName : L"";
}

BOOL CAppProfile::WriteString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue)
{
    if (CWinApp* pApp = AfxGetApp()) return pApp->WriteProfileString(pszSection, pszEntry, pszValue);
    return StandInProfile().WriteProfileString(pszSection, pszEntry, pszValue);
}

BOOL CAppProfile::WriteInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue)
{
    if (CWinApp* pApp = AfxGetApp()) return pApp->WriteProfileInt(pszSection, pszEntry, nValue);
    return StandInProfile().WriteProfileInt(pszSection, pszEntry, nValue);
}
