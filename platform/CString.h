#pragma once
// Counted strings in the shape of the usual Windows class library: CString (UTF-16, the TCHAR of
// this UNICODE build), CStringA (multi-byte) and CStringW. Texts of the other width convert through
// the ANSI code page, as that library does; use the conversion classes for UTF-8.
#include <windows.h>
#include <tchar.h>

#include <cstdarg>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/StringConversion.h"

template <typename T> class CStringT;
typedef CStringT<wchar_t> CStringW;
typedef CStringT<char> CStringA;
typedef CStringW CString;

namespace zel::detail {

template <typename V> struct IsCString : std::false_type {};
template <typename T> struct IsCString<CStringT<T>> : std::true_type {};

// Printf-style arguments pass through C varargs, where a string object would arrive as the bytes
// of the object rather than its text. Strings are handed over as their character pointers and any
// other class type is refused at compile time.
template <typename V>
auto FormatArg(const V& value)
{
    if constexpr (IsCString<V>::value || std::is_base_of_v<CStringT<wchar_t>, V> ||
                  std::is_base_of_v<CStringT<char>, V>) {
        return value.GetString();
    } else if constexpr (std::is_array_v<V>) {
        return static_cast<const std::remove_extent_t<V>*>(value);
    } else {
        static_assert(std::is_arithmetic_v<V> || std::is_pointer_v<V> || std::is_enum_v<V> ||
                          std::is_null_pointer_v<V>,
                      "printf-style formatting takes numbers, pointers and CString only");
        return value;
    }
}

} // namespace zel::detail

template <typename T>
class CStringT {
public:
    typedef T XCHAR;
    typedef T* PXSTR;
    typedef const T* PCXSTR;
    typedef std::conditional_t<std::is_same_v<T, wchar_t>, char, wchar_t> YCHAR;
    typedef const YCHAR* PCYSTR;

    CStringT() = default;
    CStringT(const CStringT&) = default;
    CStringT(CStringT&&) noexcept = default;
    CStringT& operator=(const CStringT&) = default;
    CStringT& operator=(CStringT&&) noexcept = default;
    ~CStringT() = default;

    // A string resource id passed as MAKEINTRESOURCE(id) loads that string; null gives "".
    CStringT(PCXSTR text);
    CStringT(PCYSTR text) : m_s(Convert(text, -1)) {}
    CStringT(const CStringT<YCHAR>& other) : m_s(Convert(other.GetString(), other.GetLength())) {}
    CStringT(PCXSTR text, int length) : m_s(text ? std::basic_string<T>(text, Clamp0(length)) : std::basic_string<T>()) {}
    CStringT(PCYSTR text, int length) : m_s(Convert(text, Clamp0(length))) {}
    CStringT(T ch, int repeat = 1) : m_s(static_cast<size_t>(Clamp0(repeat)), ch) {}
    CStringT(YCHAR ch, int repeat = 1);

    CStringT& operator=(PCXSTR text) { SetString(text); return *this; }
    CStringT& operator=(PCYSTR text) { m_s = Convert(text, -1); return *this; }
    CStringT& operator=(const CStringT<YCHAR>& other) { m_s = Convert(other.GetString(), other.GetLength()); return *this; }
    CStringT& operator=(T ch) { m_s.assign(1, ch); return *this; }
    CStringT& operator=(YCHAR ch) { return *this = CStringT(ch); }

    // Size and access.
    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    PCXSTR GetString() const { return m_s.c_str(); }
    operator PCXSTR() const { return m_s.c_str(); }
    // Index 0..GetLength() (the terminator) is valid; anything else throws std::out_of_range.
    T GetAt(int index) const;
    T operator[](int index) const { return GetAt(index); }
    // Index 0..GetLength()-1; anything else throws std::out_of_range.
    void SetAt(int index, T ch);

    // Direct buffer access: write into the buffer, then ReleaseBuffer fixes the length (-1: up to
    // the first NUL within the buffer).
    PXSTR GetBuffer() { return &m_s[0]; }
    PXSTR GetBuffer(int minLength);
    PXSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);
    void ReleaseBufferSetLength(int newLength) { ReleaseBuffer(newLength < 0 ? 0 : newLength); }
    void Truncate(int newLength);
    void Preallocate(int length) { if (length > 0) m_s.reserve(static_cast<size_t>(length)); }
    void FreeExtra() { m_s.shrink_to_fit(); }
    int GetAllocLength() const { return static_cast<int>(m_s.capacity()); }

    void SetString(PCXSTR text);
    void SetString(PCXSTR text, int length);
    void Append(PCXSTR text) { if (text) m_s.append(text); }
    void Append(PCXSTR text, int length) { if (text && length > 0) m_s.append(text, static_cast<size_t>(length)); }
    void Append(const CStringT& other) { m_s.append(other.m_s); }
    void AppendChar(T ch) { m_s.push_back(ch); }

    CStringT& operator+=(const CStringT& other) { m_s.append(other.m_s); return *this; }
    CStringT& operator+=(PCXSTR text) { Append(text); return *this; }
    CStringT& operator+=(PCYSTR text) { m_s.append(Convert(text, -1)); return *this; }
    CStringT& operator+=(const CStringT<YCHAR>& other) { m_s.append(Convert(other.GetString(), other.GetLength())); return *this; }
    CStringT& operator+=(T ch) { m_s.push_back(ch); return *this; }
    CStringT& operator+=(YCHAR ch) { return *this += CStringT(ch); }

    // Extraction; out-of-range counts are clamped as the original library does.
    CStringT Mid(int first) const { return Mid(first, GetLength() - first); }
    CStringT Mid(int first, int count) const;
    CStringT Left(int count) const;
    CStringT Right(int count) const;
    CStringT SpanIncluding(PCXSTR charSet) const;
    CStringT SpanExcluding(PCXSTR charSet) const;
    // Skips leading delimiters and returns the next token; at the end returns "" and sets start
    // to -1. With no delimiters the rest of the string is the one token.
    CStringT Tokenize(PCXSTR delimiters, int& start) const;

    // Searching; -1 when not found or start is out of range. An empty needle is found at start.
    int Find(T ch, int start = 0) const;
    int Find(PCXSTR needle, int start = 0) const;
    int FindOneOf(PCXSTR charSet) const;
    int ReverseFind(T ch) const;

    // Changing; each returns what the original library returns (counts or the new length).
    int Replace(T oldCh, T newCh);
    int Replace(PCXSTR oldText, PCXSTR newText);
    int Remove(T ch);
    int Insert(int index, T ch);
    int Insert(int index, PCXSTR text);
    int Delete(int index, int count = 1);

    CStringT& Trim() { TrimRight(); return TrimLeft(); }
    CStringT& Trim(T ch) { TrimRight(ch); return TrimLeft(ch); }
    CStringT& Trim(PCXSTR targets) { TrimRight(targets); return TrimLeft(targets); }
    CStringT& TrimLeft();
    CStringT& TrimLeft(T ch);
    CStringT& TrimLeft(PCXSTR targets);
    CStringT& TrimRight();
    CStringT& TrimRight(T ch);
    CStringT& TrimRight(PCXSTR targets);

    CStringT& MakeLower();
    CStringT& MakeUpper();
    CStringT& MakeReverse();

    // Ordinal comparison, case-insensitive comparison (lower-case folding) and locale collation.
    int Compare(PCXSTR other) const;
    int CompareNoCase(PCXSTR other) const;
    int Collate(PCXSTR other) const;
    int CollateNoCase(PCXSTR other) const;

    // Printf-style formatting with the Microsoft meaning of %s (a string of this string's width)
    // and %S (the other width). The format may also be a string resource id.
    template <typename... A>
    void Format(PCXSTR format, const A&... args) { Empty(); AppendFormatArgs(format, zel::detail::FormatArg(args)...); }
    template <typename... A>
    void Format(UINT formatId, const A&... args) { CStringT f; f.LoadString(formatId); Format(f.GetString(), args...); }
    template <typename... A>
    void AppendFormat(PCXSTR format, const A&... args) { AppendFormatArgs(format, zel::detail::FormatArg(args)...); }
    template <typename... A>
    void AppendFormat(UINT formatId, const A&... args) { CStringT f; f.LoadString(formatId); AppendFormat(f.GetString(), args...); }
    void FormatV(PCXSTR format, va_list args) { Empty(); AppendFormatV(format, args); }
    // An invalid format appends nothing.
    void AppendFormatV(PCXSTR format, va_list args);

    // Loads a string resource from AfxGetResourceHandle() (or the given module); on failure the
    // string keeps its value and FALSE comes back.
    BOOL LoadString(UINT id);
    BOOL LoadString(HINSTANCE module, UINT id);
    BSTR AllocSysString() const;

    // Comparisons and concatenation.
    friend bool operator==(const CStringT& a, const CStringT& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CStringT& a, PCXSTR b) { return a.Compare(b) == 0; }
    friend bool operator==(PCXSTR a, const CStringT& b) { return b.Compare(a) == 0; }
    friend bool operator==(const CStringT& a, PCYSTR b) { return a == CStringT(b); }
    friend bool operator==(PCYSTR a, const CStringT& b) { return b == CStringT(a); }
    friend bool operator==(const CStringT& a, T ch) { return a.m_s.size() == 1 && a.m_s[0] == ch; }
    friend bool operator==(T ch, const CStringT& a) { return a == ch; }
    friend bool operator!=(const CStringT& a, const CStringT& b) { return !(a == b); }
    friend bool operator!=(const CStringT& a, PCXSTR b) { return !(a == b); }
    friend bool operator!=(PCXSTR a, const CStringT& b) { return !(a == b); }
    friend bool operator!=(const CStringT& a, PCYSTR b) { return !(a == b); }
    friend bool operator!=(PCYSTR a, const CStringT& b) { return !(a == b); }
    friend bool operator!=(const CStringT& a, T ch) { return !(a == ch); }
    friend bool operator!=(T ch, const CStringT& a) { return !(a == ch); }
    friend bool operator<(const CStringT& a, const CStringT& b) { return a.m_s < b.m_s; }
    friend bool operator<(const CStringT& a, PCXSTR b) { return a.Compare(b) < 0; }
    friend bool operator<(PCXSTR a, const CStringT& b) { return b.Compare(a) > 0; }
    friend bool operator>(const CStringT& a, const CStringT& b) { return b.m_s < a.m_s; }
    friend bool operator>(const CStringT& a, PCXSTR b) { return a.Compare(b) > 0; }
    friend bool operator>(PCXSTR a, const CStringT& b) { return b.Compare(a) < 0; }
    friend bool operator<=(const CStringT& a, const CStringT& b) { return !(b < a); }
    friend bool operator<=(const CStringT& a, PCXSTR b) { return a.Compare(b) <= 0; }
    friend bool operator<=(PCXSTR a, const CStringT& b) { return b.Compare(a) >= 0; }
    friend bool operator>=(const CStringT& a, const CStringT& b) { return !(a < b); }
    friend bool operator>=(const CStringT& a, PCXSTR b) { return a.Compare(b) >= 0; }
    friend bool operator>=(PCXSTR a, const CStringT& b) { return b.Compare(a) <= 0; }

    friend CStringT operator+(const CStringT& a, const CStringT& b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(const CStringT& a, PCXSTR b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(PCXSTR a, const CStringT& b) { CStringT r; r.SetString(a); r += b; return r; }
    friend CStringT operator+(const CStringT& a, PCYSTR b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(const CStringT& a, T ch) { CStringT r(a); r += ch; return r; }
    friend CStringT operator+(T ch, const CStringT& b) { CStringT r(ch); r += b; return r; }
    friend CStringT operator+(const CStringT& a, YCHAR ch) { CStringT r(a); r += ch; return r; }

    // The text as a standard string view (embedded NULs included).
    std::basic_string_view<T> View() const { return m_s; }

private:
    static int Clamp0(int n) { return n < 0 ? 0 : n; }
    static std::basic_string<T> Convert(PCYSTR text, int length);
    void AppendFormatArgs(PCXSTR format, ...);

    std::basic_string<T> m_s;
};

extern template class CStringT<wchar_t>;
extern template class CStringT<char>;

namespace std {
template <typename T>
struct hash<CStringT<T>> {
    size_t operator()(const CStringT<T>& s) const noexcept { return hash<basic_string_view<T>>()(s.View()); }
};
} // namespace std
