#include "net/protocol/ThreadAnsiText.h"

std::string ToThreadAnsi(const CString& text)
{
    const int n = WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return std::string();
    std::string result((size_t)n, '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, &result[0], n, nullptr, nullptr);
    result.resize((size_t)n - 1);
    return result;
}

CString FromThreadAnsi(const std::string& text)
{
    const int n = MultiByteToWideChar(CP_THREAD_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (n <= 1) return CString();
    std::wstring result((size_t)n, L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.c_str(), -1, &result[0], n);
    return CString(result.c_str());
}
