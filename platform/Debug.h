#pragma once
// Diagnostic macros in the shape of the usual Windows class library. In release builds (no
// _DEBUG) ASSERT and TRACE cost nothing and do not evaluate their arguments, but still compile
// them, so a debug build cannot break on code only it sees; VERIFY always evaluates.
#include <windows.h>

#include "platform/CString.h"

namespace zel {

// Writes a formatted line to the debugger (OutputDebugString); arguments as CString::Format.
template <typename... A>
void Trace(const wchar_t* format, const A&... args)
{
    CStringW text;
    text.Format(format, args...);
    ::OutputDebugStringW(text);
}

template <typename... A>
void Trace(const char* format, const A&... args)
{
    CStringA text;
    text.Format(format, args...);
    ::OutputDebugStringA(text);
}

// Reports a failed assertion to the debugger as "file(line): assertion failed: expression".
void ReportAssertion(const char* file, int line, const char* expression);

} // namespace zel

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : ::zel::ReportAssertion(__FILE__, __LINE__, #f))
#define VERIFY(f) ASSERT(f)
#define TRACE(...) ::zel::Trace(__VA_ARGS__)
#define ASSERT_VALID(p) (ASSERT((p) != nullptr), (p) ? (p)->AssertValid() : (void)0)
#define DEBUG_ONLY(f) (f)
#else
#define ASSERT(f) ((void)sizeof(!(f)))
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)(false && (::zel::Trace(__VA_ARGS__), true)))
#define ASSERT_VALID(p) ((void)sizeof(p))
#define DEBUG_ONLY(f) ((void)0)
#endif

#define TRACE0(text) TRACE(text)
#define TRACE1(format, a) TRACE(format, a)
#define TRACE2(format, a, b) TRACE(format, a, b)
#define TRACE3(format, a, b, c) TRACE(format, a, b, c)
