#pragma once
// Conversions between UTF-16 and multi-byte text (ANSI code page, UTF-8 or any other code page),
// with the adaptor classes code written against the usual Windows class library expects:
// CW2A(wide, CP_UTF8) yields a char pointer valid for the adaptor's lifetime.
#include <windows.h>
#include <string>

namespace zel {

// A null pointer gives an empty result; a length of -1 means "up to the terminating NUL".
// Characters the code page cannot hold become its default character (wide to multi-byte) or
// U+FFFD (invalid multi-byte input); nothing is cut short.
std::wstring ToWideString(const char* text, int length, UINT codePage);
std::string ToMultiByteString(const wchar_t* text, int length, UINT codePage);

} // namespace zel

// Wide to multi-byte; a null source stays null.
class CW2A {
public:
    CW2A(LPCWSTR text, UINT codePage = CP_ACP)
        : m_null(text == nullptr), m_text(zel::ToMultiByteString(text, -1, codePage)) {}
    CW2A(const CW2A&) = delete;
    CW2A& operator=(const CW2A&) = delete;
    operator LPSTR() const { return m_null ? nullptr : const_cast<LPSTR>(m_text.c_str()); }
    int length() const { return static_cast<int>(m_text.size()); }
private:
    bool m_null;
    std::string m_text;
};

// Multi-byte to wide; a null source stays null.
class CA2W {
public:
    CA2W(LPCSTR text, UINT codePage = CP_ACP)
        : m_null(text == nullptr), m_text(zel::ToWideString(text, -1, codePage)) {}
    CA2W(const CA2W&) = delete;
    CA2W& operator=(const CA2W&) = delete;
    operator LPWSTR() const { return m_null ? nullptr : const_cast<LPWSTR>(m_text.c_str()); }
    int length() const { return static_cast<int>(m_text.size()); }
private:
    bool m_null;
    std::wstring m_text;
};

// Same-width "conversions" hand the pointer through, so TCHAR code reads the same in both builds.
template <typename Char>
class CPassThroughConversion {
public:
    CPassThroughConversion(const Char* text, UINT = CP_ACP) : m_text(const_cast<Char*>(text)) {}
    CPassThroughConversion(const CPassThroughConversion&) = delete;
    CPassThroughConversion& operator=(const CPassThroughConversion&) = delete;
    operator Char*() const { return m_text; }
private:
    Char* m_text;
};
typedef CPassThroughConversion<wchar_t> CW2W;
typedef CPassThroughConversion<char> CA2A;

// TCHAR is wchar_t in this build.
typedef CW2A CT2A;
typedef CW2A CT2CA;
typedef CW2A CW2CA;
typedef CA2W CA2T;
typedef CA2W CA2CT;
typedef CA2W CA2CW;
typedef CW2W CT2W;
typedef CW2W CW2T;
typedef CW2W CT2CW;
typedef CW2W CW2CT;
