#pragma once
// The few Windows types and functions the parsers of outside input use, for their Linux fuzz
// build only. Wide text keeps the Windows meaning: wchar_t holds UTF-16 code units (surrogate
// pairs for characters beyond the BMP), and the printf family keeps the Microsoft meaning of %s.
// windows.h, winsock2.h, tchar.h and oleauto.h forward here; gdiplus.h and objidl.h add the few
// painting and stream names as no-ops. Nothing else of the Windows headers is reproduced.
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <strings.h>

typedef int BOOL;
typedef int INT;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef uintptr_t ULONG_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef ULONG_PTR DWORD_PTR;
typedef ULONG_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef void* HANDLE;
typedef struct ShimInstance* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct ShimWnd* HWND;
typedef struct ShimDc* HDC;
typedef struct ShimBitmap* HBITMAP;
typedef wchar_t WCHAR;
typedef wchar_t TCHAR;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCWSTR;
typedef wchar_t* LPTSTR;
typedef const wchar_t* LPCTSTR;
typedef wchar_t* BSTR;
typedef int32_t HRESULT;

#define TRUE 1
#define FALSE 0
#define WINAPI
#define CALLBACK
#define MAX_PATH 260
#define MAXDWORD 0xffffffffu
#define CP_ACP 0
#define CP_UTF8 65001
#define _T(x) L##x
#define TEXT(x) L##x
#define IS_INTRESOURCE(p) ((((ULONG_PTR)(p)) >> 16) == 0)
#define MAKEINTRESOURCE(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCEW MAKEINTRESOURCE
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#define S_OK ((HRESULT)0)
#define E_OUTOFMEMORY ((HRESULT)0x8007000EL)
#define STG_E_MEDIUMFULL ((HRESULT)0x80030070L)

struct SYSTEMTIME {
    WORD wYear, wMonth, wDayOfWeek, wDay, wHour, wMinute, wSecond, wMilliseconds;
};
struct CRITICAL_SECTION {
    void* opaque;
};
struct FILETIME {
    DWORD dwLowDateTime, dwHighDateTime;
};
struct RECT {
    LONG left, top, right, bottom;
};
struct POINT {
    LONG x, y;
};
struct SIZE {
    LONG cx, cy;
};

// UTF-8 (CP_UTF8; the ANSI code page is taken as UTF-8 too) to UTF-16 and back, with the
// Windows calling convention: a null output or zero size asks for the size needed.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR out, int outSize);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int length, LPSTR out, int outSize,
                        LPCSTR defaultChar, BOOL* usedDefault);

// The printf family with the Microsoft meaning of %s, %S, %c, %C, %hs and %I64.
int _vscwprintf(const wchar_t* format, va_list args);
int _vsnwprintf(wchar_t* out, size_t count, const wchar_t* format, va_list args);
int _vscprintf(const char* format, va_list args);
int _vsnprintf(char* out, size_t count, const char* format, va_list args);
int _snwprintf(wchar_t* out, size_t count, const wchar_t* format, ...);
int swprintf_s(wchar_t* out, size_t count, const wchar_t* format, ...);
int _scwprintf(const wchar_t* format, ...);

LPWSTR CharLowerW(LPWSTR text);
LPWSTR CharUpperW(LPWSTR text);
int _wcsicoll(const wchar_t* a, const wchar_t* b);
int _stricoll(const char* a, const char* b);
int _wcsicmp(const wchar_t* a, const wchar_t* b);
int _wtoi(const wchar_t* text);
#define _stricmp strcasecmp
#define _strnicmp strncasecmp
// Opens by the UTF-8 form of the path.
FILE* _wfopen(const wchar_t* path, const wchar_t* mode);

int LoadStringW(HINSTANCE module, UINT id, LPWSTR buffer, int bufferMax);
BSTR SysAllocStringLen(const wchar_t* text, UINT length);
void OutputDebugStringA(LPCSTR text);
void OutputDebugStringW(LPCWSTR text);
#define OutputDebugString OutputDebugStringW
DWORD GetTickCount();
void GetSystemTimeAsFileTime(FILETIME* time);
void SetLastError(DWORD error);

// Only the ordinal, case-blind comparison of ASCII text the parsers ask for.
#define LOCALE_INVARIANT 0x007f
#define NORM_IGNORECASE 0x00000001
#define CSTR_LESS_THAN 1
#define CSTR_EQUAL 2
#define CSTR_GREATER_THAN 3
int CompareStringA(DWORD locale, DWORD flags, LPCSTR a, int lengthA, LPCSTR b, int lengthB);
