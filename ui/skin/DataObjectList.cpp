#include "ui/skin/DataObjectList.h"

POSITION CDataObjectList::Add(const SKIN_OBJECT& object)
{
    POSITION pos = FindPos([&](const SKIN_OBJECT& o) { return o.m_nIndex > object.m_nIndex; });
    if (!pos)
        return AddCopy(object);
    return CPtrList::InsertBefore(pos, new SKIN_OBJECT(object));
}

POSITION CDataObjectList::InsertBefore(const SKIN_OBJECT& object, POSITION pos)
{
    return CPtrList::InsertBefore(pos, new SKIN_OBJECT(object));
}

CDataObjectList& CDataObjectList::Copy(const CDataObjectList& other)
{
    if (&other == this)
        return *this;
    RemoveAll();
    other.ForEach([&](const SKIN_OBJECT& o) { Add(o); });
    return *this;
}

void CDataObjectList::CopyPointers(const CDataObjectList& other)
{
    CPtrList::RemoveAll();
    for (POSITION pos = other.GetHeadPosition(); pos;)
        CPtrList::AddTail(other.NextRecord(pos));
}

void CDataObjectList::ReleaseImages()
{
    ForEach([](SKIN_OBJECT& o) { o.ReleaseImages(); });
}

void CDataObjectList::RemoveById(int nId)
{
    POSITION pos = FindPosById(nId);
    if (pos) {
        DeleteAt(pos);
        Renumber();
    }
}

POSITION CDataObjectList::AddNew(const CString& strName, int nType, const RECT& rc)
{
    SKIN_OBJECT object;
    object.m_nId = GetMaxId() + 1;
    object.m_nIndex = int(GetCount());
    object.m_strName = strName;
    object.m_nType = nType;
    object.m_rcObject = rc;
    object.m_rcSkin = rc;
    return Add(object);
}

int CDataObjectList::GetMaxId() const
{
    int nMax = 0;
    ForEach([&](const SKIN_OBJECT& o) { nMax = o.m_nId > nMax ? o.m_nId : nMax; });
    return nMax;
}

void CDataObjectList::Renumber()
{
    int i = 0;
    ForEach([&](SKIN_OBJECT& o) { o.m_nIndex = i++; });
}

SKIN_OBJECT* CDataObjectList::PopMinIndex()
{
    POSITION best = nullptr;
    for (POSITION pos = GetHeadPosition(); pos;) {
        POSITION at = pos;
        const SKIN_OBJECT* o = NextRecord(pos);
        if (!best || o->m_nIndex < RecordAt(best)->m_nIndex)
            best = at;
    }
    if (!best)
        return nullptr;
    SKIN_OBJECT* o = RecordAt(best);
    CPtrList::RemoveAt(best);
    return o;
}

void CDataObjectList::SortByIndex()
{
    CPtrList sorted;
    while (SKIN_OBJECT* o = PopMinIndex())
        sorted.AddTail(o);
    for (POSITION pos = sorted.GetHeadPosition(); pos;)
        CPtrList::AddTail(sorted.GetNext(pos));
    Renumber();
}

POSITION CDataObjectList::PosOf(const SKIN_OBJECT* object) const
{
    return Find(const_cast<SKIN_OBJECT*>(object));
}

void CDataObjectList::Swap(SKIN_OBJECT* a, SKIN_OBJECT* b)
{
    POSITION pa = PosOf(a), pb = PosOf(b);
    if (!pa || !pb)
        return;
    SetAt(pa, b);
    SetAt(pb, a);
    Renumber();
}

void CDataObjectList::MoveAfter(SKIN_OBJECT* a, SKIN_OBJECT* b)
{
    POSITION pa = PosOf(a);
    if (!pa || !PosOf(b) || a == b)
        return;
    CPtrList::RemoveAt(pa);
    CPtrList::InsertAfter(PosOf(b), a);
    Renumber();
}

SKIN_OBJECT* CDataObjectList::FindByName(const CString& strName) const
{
    return FindFirst([&](const SKIN_OBJECT& o) { return o.m_strName == strName; });
}

SKIN_OBJECT* CDataObjectList::FindById(int nId) const
{
    return FindFirst([&](const SKIN_OBJECT& o) { return o.m_nId == nId; });
}

SKIN_OBJECT* CDataObjectList::FindByIndex(int nIndex) const
{
    return FindFirst([&](const SKIN_OBJECT& o) { return o.m_nIndex == nIndex; });
}

POSITION CDataObjectList::FindPosById(int nId) const
{
    return FindPos([&](const SKIN_OBJECT& o) { return o.m_nId == nId; });
}

POSITION CDataObjectList::FindPosByIndex(int nIndex) const
{
    return FindPos([&](const SKIN_OBJECT& o) { return o.m_nIndex == nIndex; });
}

SKIN_OBJECT* CDataObjectList::CopyByName(const CString& strName, SKIN_OBJECT& out) const
{
    SKIN_OBJECT* p = FindByName(strName);
    if (p)
        out = *p;
    return p;
}

SKIN_OBJECT* CDataObjectList::FindPrevSibling(const SKIN_OBJECT* object) const
{
    SKIN_OBJECT* found = nullptr;
    for (POSITION pos = GetHeadPosition(); pos;) {
        SKIN_OBJECT* o = NextRecord(pos);
        if (o == object)
            return found;
        if (o->m_nParentIdx == object->m_nParentIdx)
            found = o;
    }
    return nullptr;
}

SKIN_OBJECT* CDataObjectList::FindNextSibling(const SKIN_OBJECT* object) const
{
    POSITION pos = PosOf(object);
    if (!pos)
        return nullptr;
    NextRecord(pos);
    while (pos) {
        SKIN_OBJECT* o = NextRecord(pos);
        if (o->m_nParentIdx == object->m_nParentIdx)
            return o;
    }
    return nullptr;
}

int CDataObjectList::FindIdByControl(int nControlId) const
{
    const SKIN_OBJECT* o = FindFirst([&](const SKIN_OBJECT& x) { return x.m_nControlId == nControlId; });
    return o ? o->m_nId : 0;
}

// The chains below stop at a missing parent, and at a parent loop after as many steps as there
// are objects, so a broken skin cannot hang them.
BOOL CDataObjectList::HoldsUpTheChain(int nId, int SKIN_OBJECT::*pFlag) const
{
    INT_PTR steps = GetCount();
    for (const SKIN_OBJECT* o = FindById(nId); o; o = FindById(o->m_nParentIdx)) {
        if (!(o->*pFlag))
            return FALSE;
        if (o->m_nParentIdx == 0 || steps-- <= 0)
            return TRUE;
        if (!FindById(o->m_nParentIdx))
            return FALSE;
    }
    return FALSE;
}

BOOL CDataObjectList::IsVisibleChain(int nId) const
{
    return HoldsUpTheChain(nId, &SKIN_OBJECT::m_nVisible);
}

BOOL CDataObjectList::IsGoneChain(int nId) const
{
    INT_PTR steps = GetCount();
    for (const SKIN_OBJECT* o = FindById(nId); o && steps-- >= 0; o = FindById(o->m_nParentIdx)) {
        if (o->m_nGone)
            return TRUE;
        if (o->m_nParentIdx == 0)
            return FALSE;
    }
    return FALSE;
}

BOOL CDataObjectList::IsShownChain(int nId) const
{
    return HoldsUpTheChain(nId, &SKIN_OBJECT::m_bShown);
}

BOOL CDataObjectList::IsDescendant(int nAncestorId, int nId) const
{
    const SKIN_OBJECT* o = FindById(nId);
    INT_PTR steps = GetCount();
    while (o && o->m_nParentIdx != 0 && steps-- > 0) {
        if (o->m_nParentIdx == nAncestorId)
            return TRUE;
        o = FindById(o->m_nParentIdx);
    }
    return FALSE;
}

BOOL CDataObjectList::IsLive(const SKIN_OBJECT* o) const
{
    if (!o->m_nVisible || o->m_nGone)
        return FALSE;
    if (o->m_nParentIdx != 0 && (!IsVisibleChain(o->m_nId) || IsGoneChain(o->m_nId)))
        return FALSE;
    return IsShownChain(o->m_nId);
}
