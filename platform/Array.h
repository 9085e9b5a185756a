#pragma once
// CArray: a growable array indexed by INT_PTR, and the named arrays of the usual Windows class
// library (CStringArray, CPtrArray, CDWordArray, CUIntArray, CByteArray, CWordArray, CObArray).
// Indexes outside the array throw std::out_of_range instead of reading or writing wild memory.
#include <windows.h>

#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/CString.h"
#include "platform/Object.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
    // std::vector<bool> has no addressable elements; use BOOL as the original library does.
    static_assert(!std::is_same_v<TYPE, bool>, "use CArray<BOOL>");

public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_items.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    // New elements are value-initialised (zero for numbers and pointers). growBy is accepted for
    // compatibility; growth is amortised anyway.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1)
    {
        if (newSize < 0)
            throw std::invalid_argument("CArray::SetSize negative size");
        m_items.resize(static_cast<size_t>(newSize));
    }
    void FreeExtra() { m_items.shrink_to_fit(); }
    void RemoveAll() { m_items.clear(); }

    const TYPE& GetAt(INT_PTR index) const { return m_items[Checked(index)]; }
    TYPE& GetAt(INT_PTR index) { return m_items[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE element) { m_items[Checked(index)] = element; }
    const TYPE& ElementAt(INT_PTR index) const { return GetAt(index); }
    TYPE& ElementAt(INT_PTR index) { return GetAt(index); }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return GetAt(index); }
    const TYPE* GetData() const { return m_items.data(); }
    TYPE* GetData() { return m_items.data(); }

    // Stores at index, growing the array first when needed.
    void SetAtGrow(INT_PTR index, ARG_TYPE element)
    {
        if (index < 0)
            throw std::out_of_range("CArray::SetAtGrow negative index");
        TYPE copy(element);  // element may live in this array, which is about to move
        if (index >= GetSize())
            SetSize(index + 1);
        m_items[static_cast<size_t>(index)] = std::move(copy);
    }
    // Returns the index of the new element.
    INT_PTR Add(ARG_TYPE element)
    {
        m_items.push_back(element);
        return GetSize() - 1;
    }
    // Returns the index of the first appended element.
    INT_PTR Append(const CArray& other)
    {
        INT_PTR first = GetSize();
        if (&other == this) {
            std::vector<TYPE> items(m_items);
            m_items.insert(m_items.end(), items.begin(), items.end());
        } else {
            m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        }
        return first;
    }
    void Copy(const CArray& other)
    {
        if (&other != this)
            m_items = other.m_items;
    }

    // Inserts count copies at index; an index past the end first grows the array to it.
    void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1)
    {
        if (index < 0 || count < 0)
            throw std::out_of_range("CArray::InsertAt negative index or count");
        TYPE copy(element);
        if (index > GetSize())
            SetSize(index);
        m_items.insert(m_items.begin() + index, static_cast<size_t>(count), copy);
    }
    void InsertAt(INT_PTR startIndex, const CArray* other)
    {
        if (other == nullptr || startIndex < 0)
            throw std::invalid_argument("CArray::InsertAt bad array or index");
        std::vector<TYPE> items(other->m_items);
        if (startIndex > GetSize())
            SetSize(startIndex);
        m_items.insert(m_items.begin() + startIndex, items.begin(), items.end());
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        if (index < 0 || count < 0 || index + count > GetSize())
            throw std::out_of_range("CArray::RemoveAt range outside the array");
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }

private:
    size_t Checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            throw std::out_of_range("CArray index out of range");
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> m_items;
};

// Real classes rather than typedefs, so that they can be declared ahead ("class CPtrArray;").
class CStringArray : public CArray<CString, const CString&> {};
class CPtrArray : public CArray<void*, void*> {};
class CObArray : public CArray<CObject*, CObject*> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CWordArray : public CArray<WORD, WORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};
