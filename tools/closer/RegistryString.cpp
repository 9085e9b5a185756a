#include "tools/closer/RegistryString.h"

CString ReadInstallationString(HKEY hRoot, LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyEx(hRoot, lpszKey, 0, CLOSER_KEY_ACCESS, &hKey) != ERROR_SUCCESS) return CString();
    BYTE buffer[2048];
    DWORD dwType = 0;
    DWORD cbData = sizeof(buffer);
    LONG lResult = ::RegQueryValueEx(hKey, lpszValue, nullptr, &dwType, buffer, &cbData);
    ::RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS) return CString();
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ) return CString();
    if (cbData % sizeof(TCHAR) != 0 || cbData < sizeof(TCHAR)) return CString();
    const TCHAR* pText = reinterpret_cast<const TCHAR*>(buffer);
    int nChars = (int)(cbData / sizeof(TCHAR));
    if (pText[nChars - 1] != 0) return CString();
    return CString(pText);
}

CString ReadLocalMachineString(LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    return ReadInstallationString(HKEY_LOCAL_MACHINE, lpszKey, lpszValue);
}

BOOL DeleteRegistryValue(HKEY hRoot, LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyEx(hRoot, lpszKey, 0, CLOSER_KEY_ACCESS, &hKey) != ERROR_SUCCESS) return FALSE;
    BOOL bDeleted = ::RegDeleteValue(hKey, lpszValue) == ERROR_SUCCESS;
    ::RegCloseKey(hKey);
    return bDeleted;
}
