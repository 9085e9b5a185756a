#pragma once
// Helpers of the ZELClose tests: readable CString output, throw-away registry keys and files.
#include "platform/Base.h"

#include "tests/support/TestSupport.h"

#include <ostream>
#include <string>
#include <vector>

// GoogleTest shows CString values as text.
template <typename T>
void PrintTo(const CStringT<T>& s, std::ostream* os)
{
    *os << "L\"" << zeltest::Narrow(CStringW(s).GetString()) << "\"";
}

namespace closertest {

// A registry key under HKEY_LOCAL_MACHINE of the test prefix, unique to this object and removed
// with it, so that tests never meet each other's values.
class CTempRegKey {
public:
    CTempRegKey();
    ~CTempRegKey();
    CTempRegKey(const CTempRegKey&) = delete;
    CTempRegKey& operator=(const CTempRegKey&) = delete;

    const CString& Path() const { return m_strPath; }
    bool SetString(LPCWSTR lpszName, LPCWSTR lpszValue, DWORD dwType = REG_SZ);
    bool SetRaw(LPCWSTR lpszName, DWORD dwType, const void* pData, DWORD cbData);
    bool HasValue(LPCWSTR lpszName) const;

private:
    CString m_strPath;
};

// The exit code of a child that has ended (STILL_ACTIVE while it runs).
DWORD ExitCodeOf(const zeltest::ChildProcess& child);

// The lines of a list box, also of another process's.
std::vector<std::wstring> ListBoxLines(HWND hList);

// Creates an empty file (and nothing else).
bool TouchFile(const std::wstring& path);
bool FileExists(const std::wstring& path);

}  // namespace closertest
