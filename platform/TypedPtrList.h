#pragma once
// A list of typed pointers over CPtrList or CObList: the same nodes and POSITIONs, no casts at
// the call.
#include "platform/List.h"

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
public:
    explicit CTypedPtrList(INT_PTR blockSize = 10) : BASE_CLASS(blockSize) {}

    TYPE& GetHead() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead()); }
    TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
    TYPE& GetTail() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail()); }
    TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
    TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
    POSITION AddHead(TYPE ptr) { return BASE_CLASS::AddHead(ptr); }
    POSITION AddTail(TYPE ptr) { return BASE_CLASS::AddTail(ptr); }
    void AddHead(CTypedPtrList* other) { BASE_CLASS::AddHead(other); }
    void AddTail(CTypedPtrList* other) { BASE_CLASS::AddTail(other); }
    TYPE& GetNext(POSITION& pos) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(pos)); }
    TYPE GetNext(POSITION& pos) const { return static_cast<TYPE>(BASE_CLASS::GetNext(pos)); }
    TYPE& GetPrev(POSITION& pos) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(pos)); }
    TYPE GetPrev(POSITION& pos) const { return static_cast<TYPE>(BASE_CLASS::GetPrev(pos)); }
    TYPE& GetAt(POSITION pos) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(pos)); }
    TYPE GetAt(POSITION pos) const { return static_cast<TYPE>(BASE_CLASS::GetAt(pos)); }
    void SetAt(POSITION pos, TYPE ptr) { BASE_CLASS::SetAt(pos, ptr); }
    POSITION InsertBefore(POSITION pos, TYPE ptr) { return BASE_CLASS::InsertBefore(pos, ptr); }
    POSITION InsertAfter(POSITION pos, TYPE ptr) { return BASE_CLASS::InsertAfter(pos, ptr); }
};
