#include "platform/Profile.h"

#include <vector>

namespace {

// Reading never creates keys: only writes do.
HKEY OpenKey(HKEY parent, LPCTSTR path, bool create, REGSAM access = KEY_READ)
{
    HKEY key = nullptr;
    LONG status = create ? ::RegCreateKeyExW(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                         : ::RegOpenKeyExW(parent, path, 0, access, &key);
    return status == ERROR_SUCCESS ? key : nullptr;
}

class KeyHolder {
public:
    explicit KeyHolder(HKEY key) : m_key(key) {}
    ~KeyHolder() { if (m_key) ::RegCloseKey(m_key); }
    KeyHolder(const KeyHolder&) = delete;
    KeyHolder& operator=(const KeyHolder&) = delete;
    HKEY get() const { return m_key; }
private:
    HKEY m_key;
};

} // namespace

namespace zel {

CString Profile::AppKeyPath() const
{
    CString path(L"Software\\");
    path += m_lpszRegistryKey;
    path += L"\\";
    path += m_lpszProfileName;
    return path;
}

HKEY Profile::OpenSection(LPCTSTR lpszSection, bool bCreate, REGSAM access) const
{
    if (!m_lpszRegistryKey || !m_lpszProfileName || !lpszSection) return nullptr;
    CString path = AppKeyPath();
    path += L"\\";
    path += lpszSection;
    return OpenKey(HKEY_CURRENT_USER, path, bCreate, access);
}

HKEY Profile::GetAppRegistryKey() const
{
    if (!m_lpszRegistryKey || !m_lpszProfileName) return nullptr;
    return OpenKey(HKEY_CURRENT_USER, AppKeyPath(), true);
}

HKEY Profile::GetSectionKey(LPCTSTR lpszSection) const
{
    return OpenSection(lpszSection, true);
}

UINT Profile::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const
{
    if (UsesIniFile())
        return HasIniFile() ? ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_lpszProfileName)
                            : (UINT)nDefault;
    KeyHolder key(OpenSection(lpszSection, false));
    DWORD value = 0, type = 0, size = sizeof(value);
    if (!key.get() || ::RegQueryValueExW(key.get(), lpszEntry, nullptr, &type, (LPBYTE)&value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return (UINT)nDefault;
    return value;
}

BOOL Profile::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) const
{
    if (UsesIniFile()) {
        if (!HasIniFile()) return FALSE;
        wchar_t text[16];
        _snwprintf(text, 15, L"%d", nValue);
        text[15] = 0;
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, text, m_lpszProfileName);
    }
    KeyHolder key(OpenSection(lpszSection, true));
    DWORD value = (DWORD)nValue;
    return key.get() && ::RegSetValueExW(key.get(), lpszEntry, 0, REG_DWORD, (const BYTE*)&value, sizeof(value)) == ERROR_SUCCESS;
}

CString Profile::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const
{
    CString fallback(lpszDefault ? lpszDefault : L"");
    if (UsesIniFile()) {
        if (!HasIniFile()) return fallback;
        std::vector<wchar_t> buffer(4096);
        for (;;) {
            DWORD got = ::GetPrivateProfileStringW(lpszSection, lpszEntry, fallback, buffer.data(),
                                                   (DWORD)buffer.size(), m_lpszProfileName);
            if (got + 1 < buffer.size()) return CString(buffer.data(), (int)got);
            buffer.resize(buffer.size() * 2);
        }
    }
    KeyHolder key(OpenSection(lpszSection, false));
    DWORD type = 0, size = 0;
    if (!key.get() || ::RegQueryValueExW(key.get(), lpszEntry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return fallback;
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, 0);
    if (::RegQueryValueExW(key.get(), lpszEntry, nullptr, &type, (LPBYTE)text.data(), &size) != ERROR_SUCCESS)
        return fallback;
    // The stored value need not end with a terminator.
    text[size / sizeof(wchar_t)] = 0;
    return CString(text.data());
}

BOOL Profile::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) const
{
    if (UsesIniFile())
        return HasIniFile() && ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_lpszProfileName);
    if (!lpszEntry) {
        KeyHolder app(GetAppRegistryKey());
        return app.get() && lpszSection && ::RegDeleteKeyW(app.get(), lpszSection) == ERROR_SUCCESS;
    }
    if (!lpszValue) {
        // Nothing to delete is no failure.
        KeyHolder key(OpenSection(lpszSection, false, KEY_SET_VALUE));
        if (!key.get()) return TRUE;
        const LONG status = ::RegDeleteValueW(key.get(), lpszEntry);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    KeyHolder key(OpenSection(lpszSection, true));
    const DWORD bytes = (DWORD)((wcslen(lpszValue) + 1) * sizeof(wchar_t));
    return key.get() && ::RegSetValueExW(key.get(), lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue, bytes) == ERROR_SUCCESS;
}

BOOL Profile::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes) const
{
    *ppData = nullptr;
    *pBytes = 0;
    if (UsesIniFile()) return FALSE;
    KeyHolder key(OpenSection(lpszSection, false));
    DWORD type = 0, size = 0;
    if (!key.get() || ::RegQueryValueExW(key.get(), lpszEntry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return FALSE;
    LPBYTE data = new BYTE[size ? size : 1];
    if (::RegQueryValueExW(key.get(), lpszEntry, nullptr, &type, data, &size) != ERROR_SUCCESS) {
        delete[] data;
        return FALSE;
    }
    *ppData = data;
    *pBytes = size;
    return TRUE;
}

BOOL Profile::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes) const
{
    if (UsesIniFile()) return FALSE;
    KeyHolder key(OpenSection(lpszSection, true));
    return key.get() && ::RegSetValueExW(key.get(), lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

} // namespace zel
