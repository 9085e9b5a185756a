// The application profile of CWinApp: registry values under the current user's key once
// SetRegistryKey was called, an ini file otherwise.
#include "platform/WinApp.h"

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

static CString AppKeyPath(const CWinApp& app)
{
    CString path(L"Software\\");
    path += app.m_pszRegistryKey;
    path += L"\\";
    path += app.m_pszProfileName;
    return path;
}

static HKEY OpenSection(const CWinApp& app, LPCTSTR section, bool create, REGSAM access = KEY_READ)
{
    if (!app.m_pszRegistryKey || !app.m_pszProfileName || !section) return nullptr;
    CString path = AppKeyPath(app);
    path += L"\\";
    path += section;
    return OpenKey(HKEY_CURRENT_USER, path, create, access);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (!m_pszRegistryKey || !m_pszProfileName) return nullptr;
    return OpenKey(HKEY_CURRENT_USER, AppKeyPath(*this), true);
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    return OpenSection(*this, lpszSection, true);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (!m_pszRegistryKey)
        return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    KeyHolder key(OpenSection(*this, lpszSection, false));
    DWORD value = 0, type = 0, size = sizeof(value);
    if (!key.get() || ::RegQueryValueExW(key.get(), lpszEntry, nullptr, &type, (LPBYTE)&value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return (UINT)nDefault;
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (!m_pszRegistryKey) {
        wchar_t text[16];
        _snwprintf(text, 15, L"%d", nValue);
        text[15] = 0;
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    KeyHolder key(OpenSection(*this, lpszSection, true));
    DWORD value = (DWORD)nValue;
    return key.get() && ::RegSetValueExW(key.get(), lpszEntry, 0, REG_DWORD, (const BYTE*)&value, sizeof(value)) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString fallback(lpszDefault ? lpszDefault : L"");
    if (!m_pszRegistryKey) {
        std::vector<wchar_t> buffer(4096);
        for (;;) {
            DWORD got = ::GetPrivateProfileStringW(lpszSection, lpszEntry, fallback, buffer.data(),
                                                   (DWORD)buffer.size(), m_pszProfileName);
            if (got + 1 < buffer.size()) return CString(buffer.data(), (int)got);
            buffer.resize(buffer.size() * 2);
        }
    }
    KeyHolder key(OpenSection(*this, lpszSection, false));
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

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (!m_pszRegistryKey) return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (!lpszEntry) {
        KeyHolder app(GetAppRegistryKey());
        return app.get() && lpszSection && ::RegDeleteKeyW(app.get(), lpszSection) == ERROR_SUCCESS;
    }
    if (!lpszValue) {
        // Nothing to delete is no failure.
        KeyHolder key(OpenSection(*this, lpszSection, false, KEY_SET_VALUE));
        if (!key.get()) return TRUE;
        const LONG status = ::RegDeleteValueW(key.get(), lpszEntry);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    KeyHolder key(OpenSection(*this, lpszSection, true));
    const DWORD bytes = (DWORD)((wcslen(lpszValue) + 1) * sizeof(wchar_t));
    return key.get() && ::RegSetValueExW(key.get(), lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue, bytes) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (!m_pszRegistryKey) return FALSE;
    KeyHolder key(OpenSection(*this, lpszSection, false));
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

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (!m_pszRegistryKey) return FALSE;
    KeyHolder key(OpenSection(*this, lpszSection, true));
    return key.get() && ::RegSetValueExW(key.get(), lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
