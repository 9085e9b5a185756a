#pragma once
// Small text builders shared by the whiteboard's writers: printf-style numbers appended to a wide
// buffer (the Microsoft CRT formats, as every client writes them) and JSON string escaping.
#include <string>

namespace WhiteboardText {

// Appends the formatted text; meant for numbers and fixed text (no %s).
void AppendFormat(std::wstring& out, const wchar_t* format, ...);

// Appends the text as the inside of a JSON string: quote, backslash and control characters are
// escaped; CR and LF become \r and \n, so CR LF gives the four characters \r\n that peers expect.
void AppendJsonEscaped(std::wstring& out, const wchar_t* text, size_t length);

}  // namespace WhiteboardText
