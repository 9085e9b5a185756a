#include "core/RegistryHelpers.h"

#include <vector>

#include "core/MyLogFile.h"

CString ReadRegistryString(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszName)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(hRoot, pszSubKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return CString();
    CString strResult;
    DWORD dwType = 0, cbData = 0;
    LONG lr = RegQueryValueExW(hKey, pszName, nullptr, &dwType, nullptr, &cbData);
    if (lr == ERROR_SUCCESS && dwType != REG_SZ && dwType != REG_EXPAND_SZ) {
        g_ApplicationLog.Log(3, L"registry value %s is not a text (type %lu)\n", pszName, dwType);
    } else if (lr == ERROR_SUCCESS && cbData > 0) {
        // Room for a terminator even when the stored data lacks one or has an odd length.
        std::vector<wchar_t> buffer(cbData / sizeof(wchar_t) + 2, L'\0');
        DWORD cbRead = cbData;
        if (RegQueryValueExW(hKey, pszName, nullptr, &dwType, reinterpret_cast<BYTE*>(buffer.data()),
                             &cbRead) == ERROR_SUCCESS &&
            cbRead <= cbData) {
            size_t nUnits = cbRead / sizeof(wchar_t);
            while (nUnits > 0 && buffer[nUnits - 1] == L'\0') --nUnits;
            strResult = CString(buffer.data(), (int)nUnits);
        }
    }
    RegCloseKey(hKey);
    return strResult;
}

DWORD ReadRegistryDword(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszName, DWORD dwDefault)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(hRoot, pszSubKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return dwDefault;
    DWORD dwType = 0, dwValue = 0, cbData = sizeof dwValue;
    LONG lr = RegQueryValueExW(hKey, pszName, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue),
                               &cbData);
    RegCloseKey(hKey);
    if (lr == ERROR_SUCCESS && dwType == REG_DWORD && cbData == sizeof dwValue) return dwValue;
    if (lr != ERROR_FILE_NOT_FOUND)
        g_ApplicationLog.Log(3, L"registry value %s is not a DWORD (type %lu, %lu bytes)\n", pszName,
                             dwType, cbData);
    return 0;
}

void WriteRegistryDword(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszName, DWORD dwValue)
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(hRoot, pszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                        &hKey, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                   sizeof dwValue);
    RegCloseKey(hKey);
}

LONG WriteRegistryString(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszName, LPCTSTR pszValue)
{
    HKEY hKey = nullptr;
    LONG lr = RegCreateKeyExW(hRoot, pszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                              nullptr, &hKey, nullptr);
    if (lr != ERROR_SUCCESS) return lr;
    if (pszValue == nullptr) pszValue = L"";
    DWORD cb = (DWORD)((wcslen(pszValue) + 1) * sizeof(wchar_t));
    lr = RegSetValueExW(hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszValue), cb);
    RegCloseKey(hKey);
    return lr;
}
