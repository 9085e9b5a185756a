#include "tests/tools/closer/CloserTestSupport.h"

namespace closertest {

CTempRegKey::CTempRegKey()
{
    static LONG counter = 0;
    m_strPath.Format(L"Software\\ZELTest\\closer_%lu_%ld", GetCurrentProcessId(), InterlockedIncrement(&counter));
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, m_strPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) ==
        ERROR_SUCCESS)
        RegCloseKey(hKey);
}

CTempRegKey::~CTempRegKey()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, m_strPath);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, m_strPath);
}

bool CTempRegKey::SetString(LPCWSTR lpszName, LPCWSTR lpszValue, DWORD dwType)
{
    return SetRaw(lpszName, dwType, lpszValue, (DWORD)((wcslen(lpszValue) + 1) * sizeof(wchar_t)));
}

bool CTempRegKey::SetRaw(LPCWSTR lpszName, DWORD dwType, const void* pData, DWORD cbData)
{
    return RegSetKeyValueW(HKEY_LOCAL_MACHINE, m_strPath, lpszName, dwType, pData, cbData) == ERROR_SUCCESS;
}

bool CTempRegKey::HasValue(LPCWSTR lpszName) const
{
    return RegGetValueW(HKEY_LOCAL_MACHINE, m_strPath, lpszName, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

DWORD ExitCodeOf(const zeltest::ChildProcess& child)
{
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, child.Pid());
    DWORD code = 0;
    if (h) {
        GetExitCodeProcess(h, &code);
        CloseHandle(h);
    }
    return code;
}

std::vector<std::wstring> ListBoxLines(HWND hList)
{
    std::vector<std::wstring> lines;
    int n = (int)SendMessageW(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < n; ++i) {
        int len = (int)SendMessageW(hList, LB_GETTEXTLEN, i, 0);
        std::wstring line(len > 0 ? len + 1 : 1, L'\0');
        if (len > 0) SendMessageW(hList, LB_GETTEXT, i, (LPARAM)&line[0]);
        line.resize(len > 0 ? len : 0);
        lines.push_back(line);
    }
    return lines;
}

bool TouchFile(const std::wstring& path) { return zeltest::WriteFileBytes(path, ""); }

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace closertest
