#include "ui/skin/DataScreenList.h"

SKIN_SCREEN* CDataScreenList::FindByName(const CString& strName) const
{
    return FindFirst([&](const SKIN_SCREEN& s) { return s.m_strName == strName; });
}

SKIN_SCREEN* CDataScreenList::CopyByName(const CString& strName, SKIN_SCREEN* pDest) const
{
    if (!pDest)
        return nullptr;
    return CopyScreenByName(strName, *pDest);
}

SKIN_SCREEN* CDataScreenList::CopyScreenByName(const CString& strName, SKIN_SCREEN& dest) const
{
    SKIN_SCREEN* master = FindByName(strName);
    if (master)
        dest = *master;
    return master;
}

POSITION CDataScreenList::FindInsertPos(int nIndex) const
{
    return FindPos([&](const SKIN_SCREEN& s) { return s.m_nIndex > nIndex; });
}

POSITION CDataScreenList::InsertSorted(const SKIN_SCREEN& screen)
{
    POSITION pos = FindInsertPos(screen.m_nIndex);
    if (!pos)
        return AddCopy(screen);
    return CPtrList::InsertBefore(pos, new SKIN_SCREEN(screen));
}

void CDataScreenList::RemoveById(int nId)
{
    POSITION pos = FindPosById(nId);
    if (pos) {
        DeleteAt(pos);
        Renumber();
    }
}

POSITION CDataScreenList::AddNew(const CString& strName, const RECT& rc)
{
    SKIN_SCREEN screen;
    screen.m_nId = GetMaxId() + 1;
    screen.m_nIndex = int(GetCount());
    screen.m_strName = strName;
    screen.m_rcScreen = rc;
    return InsertSorted(screen);
}

int CDataScreenList::GetMaxId() const
{
    int nMax = 0;
    ForEach([&](const SKIN_SCREEN& s) { nMax = s.m_nId > nMax ? s.m_nId : nMax; });
    return nMax;
}

CDataScreenList& CDataScreenList::Copy(const CDataScreenList& other)
{
    if (&other == this)
        return *this;
    RemoveAll();
    other.ForEach([&](const SKIN_SCREEN& s) { InsertSorted(s); });
    return *this;
}

void CDataScreenList::Renumber()
{
    int i = 0;
    ForEach([&](SKIN_SCREEN& s) { s.m_nIndex = i++; });
}

POSITION CDataScreenList::FindPosById(int nId) const
{
    return FindPos([&](const SKIN_SCREEN& s) { return s.m_nId == nId; });
}

POSITION CDataScreenList::FindPosByIndex(int nIndex) const
{
    return FindPos([&](const SKIN_SCREEN& s) { return s.m_nIndex == nIndex; });
}

SKIN_SCREEN* CDataScreenList::FindById(int nId) const
{
    return FindFirst([&](const SKIN_SCREEN& s) { return s.m_nId == nId; });
}

SKIN_SCREEN* CDataScreenList::FindByIndex(int nIndex) const
{
    return FindFirst([&](const SKIN_SCREEN& s) { return s.m_nIndex == nIndex; });
}

SKIN_OBJECT* CDataScreenList::FindObjectAtPos(POSITION pos) const
{
    SKIN_OBJECT* found = nullptr;
    ForEach([&](const SKIN_SCREEN& s) {
        if (found)
            return;
        for (POSITION p = s.m_objects.GetHeadPosition(); p;) {
            POSITION at = p;
            SKIN_OBJECT* o = s.m_objects.NextRecord(p);
            if (at == pos) {
                found = o;
                return;
            }
        }
    });
    return found;
}

SKIN_OBJECT* CDataScreenList::FindObjectById(int nScreenId, int nObjectId) const
{
    const SKIN_SCREEN* s = FindById(nScreenId);
    return s ? s->m_objects.FindById(nObjectId) : nullptr;
}
