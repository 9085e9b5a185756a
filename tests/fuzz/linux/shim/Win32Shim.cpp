#include "Win32Shim.h"

#include "objidl.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwctype>
#include <string>

namespace {

// The Microsoft meaning of a conversion, spelled for the C library: %s and %c take text of the
// function's own width, %S and %C of the other, h forces narrow and l or w wide; I64 is ll, I is z.
template <typename Char>
std::basic_string<Char> ToLibcFormat(const Char* f, bool wideFunction)
{
    std::basic_string<Char> out;
    while (*f) {
        if (*f != '%') {
            out += *f++;
            continue;
        }
        out += *f++;
        if (*f == '%') {
            out += *f++;
            continue;
        }
        while (*f == '-' || *f == '+' || *f == ' ' || *f == '#' || *f == '0') out += *f++;
        while (*f == '*' || (*f >= '0' && *f <= '9')) out += *f++;
        if (*f == '.') {
            out += *f++;
            while (*f == '*' || (*f >= '0' && *f <= '9')) out += *f++;
        }
        std::basic_string<Char> size;
        char forced = 0;   // 'h' narrow, 'l' wide
        for (;;) {
            if (f[0] == 'I' && f[1] == '6' && f[2] == '4') { size = {'l', 'l'}; f += 3; }
            else if (f[0] == 'I' && f[1] == '3' && f[2] == '2') { size.clear(); f += 3; }
            else if (f[0] == 'I') { size = {'z'}; ++f; }
            else if (f[0] == 'w') { size = {'l'}; forced = 'l'; ++f; }
            else if (f[0] == 'h') { size += 'h'; forced = 'h'; ++f; }
            else if (f[0] == 'l') { size += 'l'; forced = 'l'; ++f; }
            else if (f[0] == 'L' || f[0] == 'z' || f[0] == 'j' || f[0] == 't') { size += *f; ++f; }
            else break;
        }
        const Char c = *f;
        if (!c) break;
        ++f;
        if (c == 's' || c == 'c' || c == 'S' || c == 'C') {
            bool wide = (c == 's' || c == 'c') ? wideFunction : !wideFunction;
            if (forced) wide = forced == 'l';
            if (wide) out += 'l';
            out += (Char)(c == 'S' ? 's' : c == 'C' ? 'c' : c);
        } else {
            out += size;
            out += c;
        }
    }
    return out;
}

void PutUtf16(std::u16string& out, char32_t c)
{
    if (c >= 0x10000) {
        c -= 0x10000;
        out += (char16_t)(0xD800 + (c >> 10));
        out += (char16_t)(0xDC00 + (c & 0x3FF));
    } else {
        out += (char16_t)c;
    }
}

// UTF-8 to UTF-16; every byte that does not begin a well-formed sequence becomes U+FFFD.
std::u16string DecodeUtf8(const unsigned char* p, size_t n)
{
    std::u16string out;
    size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            out += (char16_t)b;
            ++i;
            continue;
        }
        int extra = b >= 0xF0 && b <= 0xF4 ? 3 : b >= 0xE0 ? (b <= 0xEF ? 2 : -1) : b >= 0xC2 ? 1 : -1;
        char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : b & 0x1F;
        bool ok = extra > 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80) ok = false;
            else c = (c << 6) | (p[i + k] & 0x3F);
        }
        if (ok && ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF))))
            ok = false;
        if (!ok) {
            out += (char16_t)0xFFFD;
            ++i;
            continue;
        }
        PutUtf16(out, c);
        i += 1 + extra;
    }
    return out;
}

// UTF-16 units (held in wchar_t) to UTF-8; a lone surrogate becomes U+FFFD.
std::string EncodeUtf8(const wchar_t* p, size_t n)
{
    std::string out;
    for (size_t i = 0; i < n; ++i) {
        char32_t c = (char32_t)(uint32_t)p[i] & 0xFFFF;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && ((uint32_t)p[i + 1] & 0xFC00) == 0xDC00) {
            c = 0x10000 + ((c - 0xD800) << 10) + (((uint32_t)p[++i]) & 0x3FF);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += (char)c;
        } else if (c < 0x800) {
            out += (char)(0xC0 | (c >> 6));
            out += (char)(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += (char)(0xE0 | (c >> 12));
            out += (char)(0x80 | ((c >> 6) & 0x3F));
            out += (char)(0x80 | (c & 0x3F));
        } else {
            out += (char)(0xF0 | (c >> 18));
            out += (char)(0x80 | ((c >> 12) & 0x3F));
            out += (char)(0x80 | ((c >> 6) & 0x3F));
            out += (char)(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

int MultiByteToWideChar(UINT, DWORD, LPCSTR text, int length, LPWSTR out, int outSize)
{
    if (!text) return 0;
    const size_t n = length < 0 ? std::strlen(text) + 1 : (size_t)length;
    const std::u16string units = DecodeUtf8(reinterpret_cast<const unsigned char*>(text), n);
    if (!out || outSize == 0) return (int)units.size();
    if ((size_t)outSize < units.size()) return 0;
    for (size_t i = 0; i < units.size(); ++i) out[i] = (wchar_t)units[i];
    return (int)units.size();
}

int WideCharToMultiByte(UINT, DWORD, LPCWSTR text, int length, LPSTR out, int outSize, LPCSTR, BOOL* usedDefault)
{
    if (usedDefault) *usedDefault = FALSE;
    if (!text) return 0;
    const size_t n = length < 0 ? std::wcslen(text) + 1 : (size_t)length;
    const std::string bytes = EncodeUtf8(text, n);
    if (!out || outSize == 0) return (int)bytes.size();
    if ((size_t)outSize < bytes.size()) return 0;
    std::memcpy(out, bytes.data(), bytes.size());
    return (int)bytes.size();
}

int _vscwprintf(const wchar_t* format, va_list args)
{
    const std::wstring f = ToLibcFormat(format, true);
    wchar_t* buffer = nullptr;
    size_t size = 0;
    FILE* stream = open_wmemstream(&buffer, &size);
    if (!stream) return -1;
    const int n = std::vfwprintf(stream, f.c_str(), args);
    std::fclose(stream);
    std::free(buffer);
    return n;
}

int _vsnwprintf(wchar_t* out, size_t count, const wchar_t* format, va_list args)
{
    const std::wstring f = ToLibcFormat(format, true);
    return std::vswprintf(out, count, f.c_str(), args);
}

int _vscprintf(const char* format, va_list args)
{
    const std::string f = ToLibcFormat(format, false);
    return std::vsnprintf(nullptr, 0, f.c_str(), args);
}

int _vsnprintf(char* out, size_t count, const char* format, va_list args)
{
    const std::string f = ToLibcFormat(format, false);
    const int n = std::vsnprintf(out, count, f.c_str(), args);
    return n >= 0 && (size_t)n >= count ? -1 : n;
}

int _snwprintf(wchar_t* out, size_t count, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const int n = _vsnwprintf(out, count, format, args);
    va_end(args);
    return n;
}

int swprintf_s(wchar_t* out, size_t count, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const int n = _vsnwprintf(out, count, format, args);
    va_end(args);
    if (n < 0 && count) out[0] = 0;
    return n;
}

int _scwprintf(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const int n = _vscwprintf(format, args);
    va_end(args);
    return n;
}

LPWSTR CharLowerW(LPWSTR text)
{
    if (IS_INTRESOURCE(text)) return (LPWSTR)(ULONG_PTR)std::towlower((wint_t)(ULONG_PTR)text);
    for (wchar_t* p = text; *p; ++p) *p = (wchar_t)std::towlower((wint_t)*p);
    return text;
}

LPWSTR CharUpperW(LPWSTR text)
{
    if (IS_INTRESOURCE(text)) return (LPWSTR)(ULONG_PTR)std::towupper((wint_t)(ULONG_PTR)text);
    for (wchar_t* p = text; *p; ++p) *p = (wchar_t)std::towupper((wint_t)*p);
    return text;
}

int _wcsicoll(const wchar_t* a, const wchar_t* b) { return wcscasecmp(a, b); }
int _stricoll(const char* a, const char* b) { return strcasecmp(a, b); }
int _wcsicmp(const wchar_t* a, const wchar_t* b) { return wcscasecmp(a, b); }
int _wtoi(const wchar_t* text) { return (int)std::wcstol(text, nullptr, 10); }

FILE* _wfopen(const wchar_t* path, const wchar_t* mode)
{
    if (!path || !mode) return nullptr;
    return std::fopen(EncodeUtf8(path, std::wcslen(path)).c_str(), EncodeUtf8(mode, std::wcslen(mode)).c_str());
}

int LoadStringW(HINSTANCE, UINT, LPWSTR, int) { return 0; }
BSTR SysAllocStringLen(const wchar_t*, UINT) { return nullptr; }
void OutputDebugStringA(LPCSTR) {}
void OutputDebugStringW(LPCWSTR) {}

DWORD GetTickCount()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (DWORD)(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

void GetSystemTimeAsFileTime(FILETIME* time)
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    // 100 ns units since 1601.
    const uint64_t ticks = (uint64_t)ts.tv_sec * 10000000ull + (uint64_t)ts.tv_nsec / 100 + 116444736000000000ull;
    time->dwLowDateTime = (DWORD)ticks;
    time->dwHighDateTime = (DWORD)(ticks >> 32);
}

int CompareStringA(DWORD, DWORD flags, LPCSTR a, int lengthA, LPCSTR b, int lengthB)
{
    const size_t na = lengthA < 0 ? std::strlen(a) : (size_t)lengthA;
    const size_t nb = lengthB < 0 ? std::strlen(b) : (size_t)lengthB;
    const size_t n = na < nb ? na : nb;
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = (unsigned char)a[i], cb = (unsigned char)b[i];
        if (flags & NORM_IGNORECASE) {
            if (ca >= 'A' && ca <= 'Z') ca += 32;
            if (cb >= 'A' && cb <= 'Z') cb += 32;
        }
        if (ca != cb) return ca < cb ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
    }
    return na == nb ? CSTR_EQUAL : na < nb ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
}

void SetLastError(DWORD) {}

HRESULT CreateStreamOnHGlobal(HGLOBAL, BOOL, IStream** stream)
{
    *stream = nullptr;
    return E_OUTOFMEMORY;
}

HRESULT GetHGlobalFromStream(IStream*, HGLOBAL* memory)
{
    if (memory) *memory = nullptr;
    return E_OUTOFMEMORY;
}

void* GlobalLock(HGLOBAL)
{
    return nullptr;
}

BOOL GlobalUnlock(HGLOBAL)
{
    return FALSE;
}
