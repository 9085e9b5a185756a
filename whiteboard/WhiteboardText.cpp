#include "whiteboard/WhiteboardText.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>

namespace WhiteboardText {

void AppendFormat(std::wstring& out, const wchar_t* format, ...)
{
    wchar_t buffer[512];
    va_list args;
    va_start(args, format);
    int n = _vsnwprintf(buffer, sizeof(buffer) / sizeof(buffer[0]), format, args);
    va_end(args);
    if (n >= 0 && n < (int)(sizeof(buffer) / sizeof(buffer[0]))) {
        out.append(buffer, (size_t)n);
        return;
    }
    // Longer than the stack buffer (never for the whiteboard's number formats): size it first.
    va_start(args, format);
    const int needed = _vscwprintf(format, args);
    va_end(args);
    if (needed <= 0)
        return;
    std::wstring big((size_t)needed + 1, L'\0');
    va_start(args, format);
    _vsnwprintf(&big[0], big.size(), format, args);
    va_end(args);
    out.append(big.c_str(), (size_t)needed);
}

void AppendJsonEscaped(std::wstring& out, const wchar_t* text, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        const wchar_t c = text[i];
        switch (c) {
        case L'"': out += L"\\\""; break;
        case L'\\': out += L"\\\\"; break;
        case L'\r': out += L"\\r"; break;
        case L'\n': out += L"\\n"; break;
        case L'\t': out += L"\\t"; break;
        case L'\b': out += L"\\b"; break;
        case L'\f': out += L"\\f"; break;
        default:
            if (c < 0x20)
                AppendFormat(out, L"\\u%04x", (unsigned)c);
            else
                out += c;
        }
    }
}

}  // namespace WhiteboardText
