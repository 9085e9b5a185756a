#pragma once
// The owning pointer lists of the skin records: adding stores a new copy, removing deletes the
// record, and destroying the list deletes what it still holds. Copying a list replaces its
// records by copies of the other list's.
#include "platform/List.h"

template <class T>
class CSkinRecordList : public CPtrList {
public:
    CSkinRecordList() : CPtrList(10) {}
    CSkinRecordList(const CSkinRecordList&) = delete;
    CSkinRecordList& operator=(const CSkinRecordList&) = delete;
    virtual ~CSkinRecordList() { RemoveAll(); }

    // Deletes every record, from the head.
    void RemoveAll()
    {
        while (!IsEmpty())
            delete static_cast<T*>(RemoveHead());
    }
    POSITION AddCopy(const T& record) { return AddTail(new T(record)); }
    void CopyFrom(const CSkinRecordList& other)
    {
        if (&other == this)
            return;
        RemoveAll();
        for (POSITION pos = other.GetHeadPosition(); pos;)
            AddCopy(*other.NextRecord(pos));
    }

    T* RecordAt(POSITION pos) const { return static_cast<T*>(const_cast<CSkinRecordList*>(this)->CPtrList::GetAt(pos)); }
    T* NextRecord(POSITION& pos) const { return static_cast<T*>(const_cast<CSkinRecordList*>(this)->CPtrList::GetNext(pos)); }
    T* PrevRecord(POSITION& pos) const { return static_cast<T*>(const_cast<CSkinRecordList*>(this)->CPtrList::GetPrev(pos)); }
    // The record at a zero-based index, or null.
    T* RecordAtIndex(INT_PTR nIndex) const
    {
        POSITION pos = FindIndex(nIndex);
        return pos ? RecordAt(pos) : nullptr;
    }
    // Removes and deletes the record at pos.
    void DeleteAt(POSITION pos)
    {
        T* p = RecordAt(pos);
        CPtrList::RemoveAt(pos);
        delete p;
    }
    // The position of the first record for which pred holds, or null.
    template <class Pred>
    POSITION FindPos(Pred pred) const
    {
        for (POSITION pos = GetHeadPosition(); pos;) {
            POSITION at = pos;
            if (pred(*NextRecord(pos)))
                return at;
        }
        return nullptr;
    }
    template <class Pred>
    T* FindFirst(Pred pred) const
    {
        POSITION pos = FindPos(pred);
        return pos ? RecordAt(pos) : nullptr;
    }
    template <class Fn>
    void ForEach(Fn fn) const
    {
        for (POSITION pos = GetHeadPosition(); pos;)
            fn(*NextRecord(pos));
    }
};
