#pragma once
// CList: a doubly linked list walked with POSITIONs, and the named lists of the usual Windows
// class library (CPtrList, CObList, CStringList). A POSITION names one node for as long as that
// node is in the list, so removing the element just returned while iterating works:
//     POSITION pos = list.GetHeadPosition();
//     while (pos) { POSITION at = pos; if (Unwanted(list.GetNext(pos))) list.RemoveAt(at); }
// Taking the head or tail of an empty list, or using a null POSITION, throws
// std::invalid_argument instead of touching freed memory.
#include <windows.h>

#include <stdexcept>

#include "platform/CString.h"
#include "platform/Object.h"
#include "platform/Position.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
    struct Node {
        explicit Node(ARG_TYPE value) : data(value) {}
        Node* next = nullptr;
        Node* prev = nullptr;
        TYPE data;
    };

public:
    // The block size is accepted for compatibility; nodes are allocated one by one.
    explicit CList(INT_PTR blockSize = 10) {}
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return NonNull(m_head)->data; }
    const TYPE& GetHead() const { return NonNull(m_head)->data; }
    TYPE& GetTail() { return NonNull(m_tail)->data; }
    const TYPE& GetTail() const { return NonNull(m_tail)->data; }

    TYPE RemoveHead()
    {
        TYPE value = GetHead();
        Unlink(m_head);
        return value;
    }
    TYPE RemoveTail()
    {
        TYPE value = GetTail();
        Unlink(m_tail);
        return value;
    }

    POSITION AddHead(ARG_TYPE value) { return LinkBefore(m_head, value); }
    POSITION AddTail(ARG_TYPE value) { return LinkAfter(m_tail, value); }
    // Adds copies of every element of the other list (which may be this one).
    void AddHead(const CList* other) { AddCopies(other, true); }
    void AddTail(const CList* other) { AddCopies(other, false); }
    void RemoveAll()
    {
        while (m_head)
            Unlink(m_head);
    }

    POSITION GetHeadPosition() const { return ToPosition(m_head); }
    POSITION GetTailPosition() const { return ToPosition(m_tail); }
    // Returns the element at pos and moves pos to the next (or previous) one, null at the end.
    TYPE& GetNext(POSITION& pos) { return Step(pos, true); }
    const TYPE& GetNext(POSITION& pos) const { return const_cast<CList*>(this)->Step(pos, true); }
    TYPE& GetPrev(POSITION& pos) { return Step(pos, false); }
    const TYPE& GetPrev(POSITION& pos) const { return const_cast<CList*>(this)->Step(pos, false); }
    TYPE& GetAt(POSITION pos) { return FromPosition(pos)->data; }
    const TYPE& GetAt(POSITION pos) const { return FromPosition(pos)->data; }
    void SetAt(POSITION pos, ARG_TYPE value) { FromPosition(pos)->data = value; }
    void RemoveAt(POSITION pos) { Unlink(FromPosition(pos)); }

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION pos, ARG_TYPE value) { return LinkBefore(pos ? FromPosition(pos) : m_head, value); }
    POSITION InsertAfter(POSITION pos, ARG_TYPE value) { return LinkAfter(pos ? FromPosition(pos) : m_tail, value); }

    // The first element equal to value after startAfter (from the head when null).
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const
    {
        for (Node* p = startAfter ? FromPosition(startAfter)->next : m_head; p; p = p->next)
            if (p->data == value)
                return ToPosition(p);
        return nullptr;
    }
    // The index-th element from the head; null when out of range.
    POSITION FindIndex(INT_PTR index) const
    {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* p = m_head;
        while (index-- > 0)
            p = p->next;
        return ToPosition(p);
    }

private:
    static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* FromPosition(POSITION pos) { return NonNull(reinterpret_cast<Node*>(pos)); }
    static Node* NonNull(Node* node)
    {
        if (node == nullptr)
            throw std::invalid_argument("CList: no element at this position (empty list or null POSITION)");
        return node;
    }

    // Counted, so that a list can take copies of itself.
    void AddCopies(const CList* other, bool atHead)
    {
        if (other == nullptr)
            throw std::invalid_argument("CList: null list to add");
        INT_PTR n = other->m_count;
        for (Node* p = atHead ? other->m_tail : other->m_head; n-- > 0; p = atHead ? p->prev : p->next)
            atHead ? AddHead(p->data) : AddTail(p->data);
    }

    TYPE& Step(POSITION& pos, bool forward)
    {
        Node* node = FromPosition(pos);
        pos = ToPosition(forward ? node->next : node->prev);
        return node->data;
    }

    // 'at' is null only when the list is empty.
    POSITION LinkBefore(Node* at, ARG_TYPE value) { return LinkBetween(at ? at->prev : nullptr, at, value); }
    POSITION LinkAfter(Node* at, ARG_TYPE value) { return LinkBetween(at, at ? at->next : nullptr, value); }
    POSITION LinkBetween(Node* prev, Node* next, ARG_TYPE value)
    {
        Node* node = new Node(value);
        node->prev = prev;
        node->next = next;
        Link(node);
        return ToPosition(node);
    }
    void Link(Node* node)
    {
        (node->prev ? node->prev->next : m_head) = node;
        (node->next ? node->next->prev : m_tail) = node;
        ++m_count;
    }
    void Unlink(Node* node)
    {
        NonNull(node);
        (node->prev ? node->prev->next : m_head) = node->next;
        (node->next ? node->next->prev : m_tail) = node->prev;
        --m_count;
        delete node;
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    INT_PTR m_count = 0;
};

// Real classes rather than typedefs, so that they can be declared ahead ("class CPtrList;").
class CPtrList : public CList<void*, void*> {
public:
    explicit CPtrList(INT_PTR blockSize = 10) : CList(blockSize) {}
};

class CObList : public CList<CObject*, CObject*> {
public:
    explicit CObList(INT_PTR blockSize = 10) : CList(blockSize) {}
};

class CStringList : public CList<CString, LPCTSTR> {
public:
    explicit CStringList(INT_PTR blockSize = 10) : CList(blockSize) {}
};
