#include "platform/CString.h"

#include <oleauto.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <stdexcept>

#include "platform/ResourceHandle.h"

namespace {

// What differs between the two widths: the C runtime's formatting and character classes.
template <typename T> struct CharTraits;

template <>
struct CharTraits<wchar_t> {
    static int FormattedLength(const wchar_t* f, va_list a) { return _vscwprintf(f, a); }
    static int FormatInto(wchar_t* out, size_t n, const wchar_t* f, va_list a) { return _vsnwprintf(out, n, f, a); }
    static bool IsSpace(wchar_t c) { return std::iswspace(c) != 0; }
    // Outside ASCII the system's case tables apply (CharLowerW with a single character).
    static wchar_t Lower(wchar_t c)
    {
        if (c < 0x80)
            return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
        return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(::CharLowerW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
    }
    static wchar_t Upper(wchar_t c)
    {
        if (c < 0x80)
            return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
        return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
    }
    static int Collate(const wchar_t* a, const wchar_t* b) { return std::wcscoll(a, b); }
    static int CollateNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicoll(a, b); }
    static std::wstring FromOther(const char* text, int length) { return zel::ToWideString(text, length, CP_ACP); }
};

template <>
struct CharTraits<char> {
    static int FormattedLength(const char* f, va_list a) { return _vscprintf(f, a); }
    static int FormatInto(char* out, size_t n, const char* f, va_list a) { return _vsnprintf(out, n, f, a); }
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
    // Narrow strings often carry UTF-8, whose bytes above 0x7F must stay as they are.
    static char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
    static char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
    static int Collate(const char* a, const char* b) { return std::strcoll(a, b); }
    static int CollateNoCase(const char* a, const char* b) { return _stricoll(a, b); }
    static std::string FromOther(const wchar_t* text, int length) { return zel::ToMultiByteString(text, length, CP_ACP); }
};

template <typename T>
size_t Len(const T* s)
{
    return std::char_traits<T>::length(s);
}

template <typename T>
bool InSet(const T* set, T c)
{
    for (; *set; ++set)
        if (*set == c)
            return true;
    return false;
}

template <typename T>
const T* OrEmpty(const T* s)
{
    static const T empty[1] = {};
    return s ? s : empty;
}

// Characters compare as unsigned code units after folding, so "\xE9" sorts after "z" in both
// widths and "_" before "a" when case is ignored.
template <typename T, typename Fold>
int CompareFolded(const T* a, const T* b, Fold fold)
{
    typedef std::make_unsigned_t<T> U;
    for (;; ++a, ++b) {
        U ca = static_cast<U>(fold(*a)), cb = static_cast<U>(fold(*b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

template <typename T>
int Sign(T v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

} // namespace

template <typename T>
CStringT<T>::CStringT(PCXSTR text)
{
    if (text != nullptr && IS_INTRESOURCE(text))
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(text)));
    else
        SetString(text);
}

template <typename T>
CStringT<T>::CStringT(YCHAR ch, int repeat)
{
    YCHAR one[2] = { ch, 0 };
    std::basic_string<T> c = Convert(one, 1);
    for (int i = 0; i < repeat; ++i)
        m_s += c;
}

template <typename T>
std::basic_string<T> CStringT<T>::Convert(PCYSTR text, int length)
{
    return CharTraits<T>::FromOther(text, length);
}

template <typename T>
T CStringT<T>::GetAt(int index) const
{
    if (index < 0 || index > GetLength())
        throw std::out_of_range("CString::GetAt index out of range");
    return m_s.c_str()[index];
}

template <typename T>
void CStringT<T>::SetAt(int index, T ch)
{
    if (index < 0 || index >= GetLength())
        throw std::out_of_range("CString::SetAt index out of range");
    m_s[static_cast<size_t>(index)] = ch;
}

template <typename T>
typename CStringT<T>::PXSTR CStringT<T>::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_s.resize(static_cast<size_t>(minLength));
    return &m_s[0];
}

template <typename T>
typename CStringT<T>::PXSTR CStringT<T>::GetBufferSetLength(int length)
{
    m_s.resize(static_cast<size_t>(Clamp0(length)));
    return &m_s[0];
}

template <typename T>
void CStringT<T>::ReleaseBuffer(int newLength)
{
    // The buffer may have been filled by an API that wrote its own terminator anywhere inside it.
    size_t n = static_cast<size_t>(newLength);
    if (newLength < 0) {
        const T* nul = std::char_traits<T>::find(m_s.data(), m_s.size(), T(0));
        n = nul ? static_cast<size_t>(nul - m_s.data()) : m_s.size();
    }
    m_s.resize(std::min(n, m_s.size()));
}

template <typename T>
void CStringT<T>::Truncate(int newLength)
{
    if (newLength >= 0 && newLength < GetLength())
        m_s.resize(static_cast<size_t>(newLength));
}

template <typename T>
void CStringT<T>::SetString(PCXSTR text)
{
    if (text)
        m_s.assign(text);
    else
        m_s.clear();
}

template <typename T>
void CStringT<T>::SetString(PCXSTR text, int length)
{
    if (text && length > 0)
        m_s.assign(text, static_cast<size_t>(length));
    else
        m_s.clear();
}

template <typename T>
CStringT<T> CStringT<T>::Mid(int first, int count) const
{
    first = Clamp0(first);
    count = Clamp0(count);
    int len = GetLength();
    if (first > len)
        return CStringT();
    count = std::min(count, len - first);
    return CStringT(m_s.data() + first, count);
}

template <typename T>
CStringT<T> CStringT<T>::Left(int count) const
{
    return CStringT(m_s.data(), std::min(Clamp0(count), GetLength()));
}

template <typename T>
CStringT<T> CStringT<T>::Right(int count) const
{
    count = std::min(Clamp0(count), GetLength());
    return CStringT(m_s.data() + (GetLength() - count), count);
}

template <typename T>
CStringT<T> CStringT<T>::SpanIncluding(PCXSTR charSet) const
{
    size_t n = 0;
    if (charSet)
        while (n < m_s.size() && m_s[n] != 0 && InSet(charSet, m_s[n]))
            ++n;
    return Left(static_cast<int>(n));
}

template <typename T>
CStringT<T> CStringT<T>::SpanExcluding(PCXSTR charSet) const
{
    size_t n = 0;
    while (n < m_s.size() && m_s[n] != 0 && !(charSet && InSet(charSet, m_s[n])))
        ++n;
    return Left(static_cast<int>(n));
}

template <typename T>
CStringT<T> CStringT<T>::Tokenize(PCXSTR delimiters, int& start) const
{
    int len = GetLength();
    if (start < 0 || start >= len) {
        start = -1;
        return CStringT();
    }
    if (delimiters == nullptr || *delimiters == 0) {
        // The original leaves start unchanged here, so the usual loop would never end.
        CStringT rest = Mid(start);
        start = len;
        return rest;
    }
    int from = start;
    while (from < len && InSet(delimiters, m_s[static_cast<size_t>(from)]))
        ++from;
    if (from >= len) {
        start = -1;
        return CStringT();
    }
    int until = from;
    while (until < len && !InSet(delimiters, m_s[static_cast<size_t>(until)]))
        ++until;
    start = until + 1;
    return Mid(from, until - from);
}

template <typename T>
int CStringT<T>::Find(T ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t at = m_s.find(ch, static_cast<size_t>(start));
    return at == std::basic_string<T>::npos ? -1 : static_cast<int>(at);
}

template <typename T>
int CStringT<T>::Find(PCXSTR needle, int start) const
{
    if (needle == nullptr || start < 0 || start > GetLength())
        return -1;
    size_t at = m_s.find(needle, static_cast<size_t>(start));
    return at == std::basic_string<T>::npos ? -1 : static_cast<int>(at);
}

template <typename T>
int CStringT<T>::FindOneOf(PCXSTR charSet) const
{
    if (charSet == nullptr || *charSet == 0)
        return -1;
    size_t at = m_s.find_first_of(charSet);
    return at == std::basic_string<T>::npos ? -1 : static_cast<int>(at);
}

template <typename T>
int CStringT<T>::ReverseFind(T ch) const
{
    size_t at = m_s.rfind(ch);
    return at == std::basic_string<T>::npos ? -1 : static_cast<int>(at);
}

template <typename T>
int CStringT<T>::Replace(T oldCh, T newCh)
{
    if (oldCh == newCh)
        return 0;
    int count = 0;
    for (T& c : m_s)
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    return count;
}

template <typename T>
int CStringT<T>::Replace(PCXSTR oldText, PCXSTR newText)
{
    if (oldText == nullptr || *oldText == 0)
        return 0;
    size_t oldLen = Len(oldText);
    std::basic_string<T> with = newText ? newText : std::basic_string<T>();
    std::basic_string<T> out;
    int count = 0;
    size_t pos = 0;
    for (size_t at; (at = m_s.find(oldText, pos, oldLen)) != std::basic_string<T>::npos; pos = at + oldLen) {
        out.append(m_s, pos, at - pos);
        out += with;
        ++count;
    }
    if (count) {
        out.append(m_s, pos, std::basic_string<T>::npos);
        m_s.swap(out);
    }
    return count;
}

template <typename T>
int CStringT<T>::Remove(T ch)
{
    size_t before = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
    return static_cast<int>(before - m_s.size());
}

template <typename T>
int CStringT<T>::Insert(int index, T ch)
{
    index = std::min(Clamp0(index), GetLength());
    m_s.insert(static_cast<size_t>(index), 1, ch);
    return GetLength();
}

template <typename T>
int CStringT<T>::Insert(int index, PCXSTR text)
{
    index = std::min(Clamp0(index), GetLength());
    if (text)
        m_s.insert(static_cast<size_t>(index), text);
    return GetLength();
}

template <typename T>
int CStringT<T>::Delete(int index, int count)
{
    index = Clamp0(index);
    count = Clamp0(count);
    int len = GetLength();
    if (index < len && count > 0)
        m_s.erase(static_cast<size_t>(index), static_cast<size_t>(std::min(count, len - index)));
    return GetLength();
}

template <typename T>
CStringT<T>& CStringT<T>::TrimLeft()
{
    size_t n = 0;
    while (n < m_s.size() && CharTraits<T>::IsSpace(m_s[n]))
        ++n;
    m_s.erase(0, n);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::TrimLeft(T ch)
{
    size_t n = 0;
    while (n < m_s.size() && m_s[n] == ch)
        ++n;
    m_s.erase(0, n);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::TrimLeft(PCXSTR targets)
{
    if (targets == nullptr || *targets == 0)
        return *this;
    size_t n = 0;
    while (n < m_s.size() && InSet(targets, m_s[n]))
        ++n;
    m_s.erase(0, n);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::TrimRight()
{
    size_t n = m_s.size();
    while (n > 0 && CharTraits<T>::IsSpace(m_s[n - 1]))
        --n;
    m_s.resize(n);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::TrimRight(T ch)
{
    size_t n = m_s.size();
    while (n > 0 && m_s[n - 1] == ch)
        --n;
    m_s.resize(n);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::TrimRight(PCXSTR targets)
{
    if (targets == nullptr || *targets == 0)
        return *this;
    size_t n = m_s.size();
    while (n > 0 && InSet(targets, m_s[n - 1]))
        --n;
    m_s.resize(n);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::MakeLower()
{
    for (T& c : m_s)
        c = CharTraits<T>::Lower(c);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::MakeUpper()
{
    for (T& c : m_s)
        c = CharTraits<T>::Upper(c);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::MakeReverse()
{
    std::reverse(m_s.begin(), m_s.end());
    return *this;
}

template <typename T>
int CStringT<T>::Compare(PCXSTR other) const
{
    return CompareFolded(m_s.c_str(), OrEmpty(other), [](T c) { return c; });
}

template <typename T>
int CStringT<T>::CompareNoCase(PCXSTR other) const
{
    return CompareFolded(m_s.c_str(), OrEmpty(other), CharTraits<T>::Lower);
}

template <typename T>
int CStringT<T>::Collate(PCXSTR other) const
{
    return Sign(CharTraits<T>::Collate(m_s.c_str(), OrEmpty(other)));
}

template <typename T>
int CStringT<T>::CollateNoCase(PCXSTR other) const
{
    return Sign(CharTraits<T>::CollateNoCase(m_s.c_str(), OrEmpty(other)));
}

template <typename T>
void CStringT<T>::AppendFormatArgs(PCXSTR format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

template <typename T>
void CStringT<T>::AppendFormatV(PCXSTR format, va_list args)
{
    if (format == nullptr)
        return;
    va_list counting;
    va_copy(counting, args);
    int n = CharTraits<T>::FormattedLength(format, counting);
    va_end(counting);
    if (n <= 0)
        return;
    size_t old = m_s.size();
    m_s.resize(old + static_cast<size_t>(n));
    // The string always has room for its terminator one past size(), which the call writes.
    int written = CharTraits<T>::FormatInto(&m_s[old], static_cast<size_t>(n) + 1, format, args);
    m_s.resize(old + static_cast<size_t>(std::max(0, std::min(written, n))));
}

template <typename T>
BOOL CStringT<T>::LoadString(UINT id)
{
    return LoadString(AfxGetResourceHandle(), id);
}

template <typename T>
BOOL CStringT<T>::LoadString(HINSTANCE module, UINT id)
{
    // With a zero buffer size LoadStringW hands out a pointer into the loaded resource, so
    // strings of any length load whole.
    const wchar_t* text = nullptr;
    int n = ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (n <= 0 || text == nullptr)
        return FALSE;
    if constexpr (std::is_same_v<T, wchar_t>)
        m_s.assign(text, static_cast<size_t>(n));
    else
        m_s = Convert(text, n);
    return TRUE;
}

template <typename T>
BSTR CStringT<T>::AllocSysString() const
{
    if constexpr (std::is_same_v<T, wchar_t>) {
        return ::SysAllocStringLen(m_s.data(), static_cast<UINT>(m_s.size()));
    } else {
        std::wstring w = zel::ToWideString(m_s.data(), GetLength(), CP_ACP);
        return ::SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
    }
}

template class CStringT<wchar_t>;
template class CStringT<char>;
