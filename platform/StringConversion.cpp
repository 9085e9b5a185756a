#include "platform/StringConversion.h"

#include <cwchar>
#include <cstring>

namespace zel {

std::wstring ToWideString(const char* text, int length, UINT codePage)
{
    if (text == nullptr)
        return std::wstring();
    if (length < 0)
        length = static_cast<int>(std::strlen(text));
    if (length == 0)
        return std::wstring();
    int needed = ::MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
    if (needed <= 0)
        return std::wstring();
    std::wstring out(static_cast<size_t>(needed), L'\0');
    ::MultiByteToWideChar(codePage, 0, text, length, &out[0], needed);
    return out;
}

std::string ToMultiByteString(const wchar_t* text, int length, UINT codePage)
{
    if (text == nullptr)
        return std::string();
    if (length < 0)
        length = static_cast<int>(std::wcslen(text));
    if (length == 0)
        return std::string();
    int needed = ::WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string out(static_cast<size_t>(needed), '\0');
    ::WideCharToMultiByte(codePage, 0, text, length, &out[0], needed, nullptr, nullptr);
    return out;
}

} // namespace zel
