#include "core/IniHelper.h"

#include <cstdio>
#include <cwchar>

#include "core/LogRecords.h"

CIniHelper::CIniHelper(LPCWSTR pszPath) : m_bCreated(0)
{
    CopyLogField(m_szPath, 260, pszPath);
}

CIniHelper::~CIniHelper()
{
    m_bCreated = 0;
    m_szPath[0] = 0;
}

UINT CIniHelper::GetInt(LPCWSTR pszSection, LPCWSTR pszKey, int nDefault) const
{
    return GetPrivateProfileIntW(pszSection, pszKey, nDefault, m_szPath);
}

DWORD CIniHelper::GetString(LPCWSTR pszSection, LPCWSTR pszKey, LPCWSTR pszDefault,
                            LPWSTR pszBuffer, DWORD nSize) const
{
    return GetPrivateProfileStringW(pszSection, pszKey, pszDefault, pszBuffer, nSize, m_szPath);
}

BOOL CIniHelper::WriteInt(LPCWSTR pszSection, LPCWSTR pszKey, int nValue)
{
    wchar_t szValue[256];
    _snwprintf(szValue, 256, L"%d", nValue);
    szValue[255] = 0;
    return WriteString(pszSection, pszKey, szValue);
}

BOOL CIniHelper::WriteString(LPCWSTR pszSection, LPCWSTR pszKey, LPCWSTR pszValue)
{
    if (!EnsureFile()) return FALSE;
    return WritePrivateProfileStringW(pszSection, pszKey, pszValue, m_szPath);
}

BOOL CIniHelper::Flush()
{
    if (!EnsureFile()) return FALSE;
    return WritePrivateProfileStringW(nullptr, nullptr, nullptr, m_szPath);
}

int CIniHelper::EnsureFile()
{
    if (m_bCreated || GetFileAttributesW(m_szPath) != INVALID_FILE_ATTRIBUTES) return 1;
    FILE* pFile = m_szPath[0] ? _wfopen(m_szPath, L"ab") : nullptr;
    if (!pFile) return 0;
    m_bCreated = 1;
    fclose(pFile);
    return 1;
}
