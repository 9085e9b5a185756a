#pragma once
// An array of typed pointers over CPtrArray or CObArray: the same storage, no casts at the call.
#include "platform/Array.h"

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(INT_PTR index) const { return static_cast<TYPE>(BASE_CLASS::GetAt(index)); }
    TYPE& ElementAt(INT_PTR index) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(index)); }
    void SetAt(INT_PTR index, TYPE ptr) { BASE_CLASS::SetAt(index, ptr); }
    void SetAtGrow(INT_PTR index, TYPE ptr) { BASE_CLASS::SetAtGrow(index, ptr); }
    INT_PTR Add(TYPE ptr) { return BASE_CLASS::Add(ptr); }
    INT_PTR Append(const CTypedPtrArray& other) { return BASE_CLASS::Append(other); }
    void Copy(const CTypedPtrArray& other) { BASE_CLASS::Copy(other); }
    void InsertAt(INT_PTR index, TYPE ptr, INT_PTR count = 1) { BASE_CLASS::InsertAt(index, ptr, count); }
    void InsertAt(INT_PTR startIndex, CTypedPtrArray* other) { BASE_CLASS::InsertAt(startIndex, other); }
    TYPE operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
};
