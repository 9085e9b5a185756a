#pragma once
// One ini file bound to a path. Sections and keys are passed on as given.
#include <windows.h>

class CIniHelper {
public:
    explicit CIniHelper(LPCWSTR pszPath);
    virtual ~CIniHelper();

    UINT GetInt(LPCWSTR pszSection, LPCWSTR pszKey, int nDefault) const;
    DWORD GetString(LPCWSTR pszSection, LPCWSTR pszKey, LPCWSTR pszDefault, LPWSTR pszBuffer,
                    DWORD nSize) const;
    BOOL WriteInt(LPCWSTR pszSection, LPCWSTR pszKey, int nValue);
    BOOL WriteString(LPCWSTR pszSection, LPCWSTR pszKey, LPCWSTR pszValue);
    // Makes the platform write its cached copy of the file.
    BOOL Flush();
    // 1 when the file exists or could be created empty.
    int EnsureFile();

    LPCWSTR GetPath() const { return m_szPath; }

private:
    wchar_t m_szPath[260];   // at most 259 characters
    int m_bCreated;
};
