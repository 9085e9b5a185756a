#include "core/Utf8Text.h"

#include <windows.h>
#include <cstring>
#include <vector>

CString Utf8ToCString(const std::string& strUtf8)
{
    const int nBytes = (int)strnlen(strUtf8.c_str(), strUtf8.size());
    if (nBytes == 0) return CString();
    int n = MultiByteToWideChar(CP_UTF8, 0, strUtf8.c_str(), nBytes, nullptr, 0);
    if (n <= 0) return CString();
    std::vector<wchar_t> wide((size_t)n);
    MultiByteToWideChar(CP_UTF8, 0, strUtf8.c_str(), nBytes, wide.data(), n);
    return CString(wide.data(), n);
}
