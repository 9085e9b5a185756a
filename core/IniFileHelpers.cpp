#include "core/IniFileHelpers.h"

namespace {

const DWORD kIniBufferChars = 4096;

CString LowerKey(LPCTSTR pszKey)
{
    CString strKey = pszKey ? pszKey : L"";
    strKey.MakeLower();
    return strKey;
}

}  // namespace

DWORD ReadIniString(LPCTSTR pszSection, LPCTSTR pszKey, CString& strValue, LPCTSTR pszFile)
{
    wchar_t szBuffer[kIniBufferChars];
    CString strDefault = strValue;
    DWORD n = GetPrivateProfileStringW(pszSection, LowerKey(pszKey), strDefault, szBuffer,
                                       kIniBufferChars, pszFile);
    strValue = CString(szBuffer, (int)n);
    return n;
}

DWORD ReadIniInt(LPCTSTR pszSection, LPCTSTR pszKey, int& nValue, LPCTSTR pszFile)
{
    CString strValue;
    strValue.Format(L"%d", nValue);
    DWORD n = ReadIniString(pszSection, pszKey, strValue, pszFile);
    nValue = _wtoi(strValue);
    return n;
}

DWORD ReadIniIntAsString(LPCTSTR pszSection, LPCTSTR pszKey, int& nValue, LPCTSTR pszFile)
{
    return ReadIniInt(pszSection, pszKey, nValue, pszFile);
}

BOOL WriteIniString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue, LPCTSTR pszFile)
{
    return WritePrivateProfileStringW(pszSection, LowerKey(pszKey), pszValue, pszFile);
}

BOOL WriteIniInt(LPCTSTR pszSection, LPCTSTR pszKey, int nValue, LPCTSTR pszFile)
{
    CString strValue;
    strValue.Format(L"%d", nValue);
    return WriteIniString(pszSection, pszKey, strValue, pszFile);
}
