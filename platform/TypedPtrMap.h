#pragma once
// A map with typed keys and pointer values over one of the named maps (CMapStringToPtr,
// CMapPtrToPtr, CMapWordToPtr, CMapStringToOb ...): the same table, no casts at the call.
#include "platform/Map.h"

template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS {
    typedef typename BASE_CLASS::BASE_KEY BaseKey;
    typedef typename BASE_CLASS::BASE_ARG_KEY BaseArgKey;
    typedef typename BASE_CLASS::BASE_VALUE BaseValue;

public:
    explicit CTypedPtrMap(INT_PTR blockSize = 10) : BASE_CLASS(blockSize) {}

    BOOL Lookup(BaseArgKey key, VALUE& value) const
    {
        BaseValue found{};
        if (!BASE_CLASS::Lookup(key, found))
            return FALSE;
        value = (VALUE)found;
        return TRUE;
    }
    VALUE& operator[](BaseArgKey key) { return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key)); }
    void SetAt(KEY key, VALUE value) { BASE_CLASS::SetAt((BaseArgKey)key, value); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey((BaseArgKey)key); }
    void GetNextAssoc(POSITION& pos, KEY& key, VALUE& value) const
    {
        BaseKey k{};
        BaseValue v{};
        BASE_CLASS::GetNextAssoc(pos, k, v);
        key = (KEY)k;
        value = (VALUE)v;
    }
};
