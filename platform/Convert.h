#pragma once
// Whole-string conversions between CString (UTF-16) and byte strings in UTF-8 or the ANSI code
// page. Invalid UTF-8 becomes U+FFFD; characters the ANSI code page lacks become its default
// character. A null pointer converts to an empty string.
#include <string>

#include "platform/CString.h"

CString Utf8ToWide(const char* text);
CString Utf8ToWide(const std::string& text);
std::string WideToUtf8(const CString& text);

CString AnsiToWide(const char* text);
CString AnsiToWide(const std::string& text);
std::string WideToAnsi(const CString& text);
