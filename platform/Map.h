#pragma once
// CMap: a hash map walked with POSITIONs, and the named maps of the usual Windows class library
// (CMapStringToPtr, CMapStringToString, CMapStringToOb, CMapPtrToPtr, CMapPtrToWord,
// CMapWordToPtr, CMapWordToOb). The order of a walk is unspecified. The POSITION handed back by
// GetNextAssoc already names the next entry, so removing the entry just returned is safe:
//     POSITION pos = map.GetStartPosition();
//     while (pos) { map.GetNextAssoc(pos, key, value); if (Stale(value)) map.RemoveKey(key); }
// Adding entries during a walk is not.
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <unordered_map>

#include "platform/CString.h"
#include "platform/Object.h"
#include "platform/Position.h"

namespace zel::detail {
inline UINT FoldHash(size_t h)
{
    return static_cast<UINT>(h ^ (static_cast<unsigned long long>(h) >> 32));
}
} // namespace zel::detail

// The hash of a key as the map's argument type sees it; specialise for keys of your own.
// Strings given as character pointers hash their text, not their address.
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key)
{
    return zel::detail::FoldHash(std::hash<std::decay_t<ARG_KEY>>()(key));
}

template <>
inline UINT HashKey<LPCWSTR>(LPCWSTR key)
{
    return zel::detail::FoldHash(std::hash<std::wstring_view>()(key ? key : L""));
}

template <>
inline UINT HashKey<LPCSTR>(LPCSTR key)
{
    return zel::detail::FoldHash(std::hash<std::string_view>()(key ? key : ""));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
    struct Hasher {
        size_t operator()(const KEY& key) const { return HashKey<ARG_KEY>(key); }
    };
    typedef std::unordered_map<KEY, VALUE, Hasher> Table;
    typedef typename Table::value_type Entry;

public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    // The block size is accepted for compatibility.
    explicit CMap(INT_PTR blockSize = 10) {}

    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_table.size()); }
    INT_PTR GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return m_table.empty(); }

    BOOL Lookup(ARG_KEY key, VALUE& value) const
    {
        auto it = m_table.find(KEY(key));
        if (it == m_table.end())
            return FALSE;
        value = it->second;
        return TRUE;
    }
    // A missing key is added with a value-initialised value (zero, null or empty).
    VALUE& operator[](ARG_KEY key) { return m_table[KEY(key)]; }
    void SetAt(ARG_KEY key, ARG_VALUE value) { m_table[KEY(key)] = value; }
    BOOL RemoveKey(ARG_KEY key) { return m_table.erase(KEY(key)) != 0; }
    void RemoveAll() { m_table.clear(); }

    POSITION GetStartPosition() const { return m_table.empty() ? nullptr : ToPosition(*m_table.begin()); }
    // Hands out the entry at pos and moves pos to the next entry (null after the last one).
    void GetNextAssoc(POSITION& pos, KEY& key, VALUE& value) const
    {
        const Entry* entry = reinterpret_cast<const Entry*>(pos);
        auto it = entry ? m_table.find(entry->first) : m_table.end();
        if (it == m_table.end())
            throw std::invalid_argument("CMap::GetNextAssoc: no entry at this position");
        key = it->first;
        value = it->second;
        ++it;
        pos = it == m_table.end() ? nullptr : ToPosition(*it);
    }

    UINT GetHashTableSize() const { return static_cast<UINT>(m_table.bucket_count()); }
    // Sizes the table for about hashSize entries; the table also grows by itself.
    void InitHashTable(UINT hashSize, BOOL allocNow = TRUE) { m_table.reserve(hashSize); }

private:
    static POSITION ToPosition(const Entry& e) { return reinterpret_cast<POSITION>(const_cast<Entry*>(&e)); }

    Table m_table;
};

// Real classes rather than typedefs, so that they can be declared ahead ("class CMapPtrToPtr;").
#define ZEL_NAMED_MAP(name, K, AK, V, AV)                             \
    class name : public CMap<K, AK, V, AV> {                          \
    public:                                                           \
        explicit name(INT_PTR blockSize = 10) : CMap(blockSize) {}    \
    }
ZEL_NAMED_MAP(CMapStringToPtr, CString, LPCTSTR, void*, void*);
ZEL_NAMED_MAP(CMapStringToString, CString, LPCTSTR, CString, LPCTSTR);
ZEL_NAMED_MAP(CMapStringToOb, CString, LPCTSTR, CObject*, CObject*);
ZEL_NAMED_MAP(CMapPtrToPtr, void*, void*, void*, void*);
ZEL_NAMED_MAP(CMapPtrToWord, void*, void*, WORD, WORD);
ZEL_NAMED_MAP(CMapWordToPtr, WORD, WORD, void*, void*);
ZEL_NAMED_MAP(CMapWordToOb, WORD, WORD, CObject*, CObject*);
#undef ZEL_NAMED_MAP
