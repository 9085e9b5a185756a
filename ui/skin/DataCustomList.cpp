#include "ui/skin/DataCustomList.h"

POSITION CDataCustomList::AddNamed(const CString& strName)
{
    SKIN_CUSTOM entry;
    entry.m_nId = GetMaxId() + 1;
    entry.m_strName = strName;
    return Add(entry);
}

int CDataCustomList::GetMaxId() const
{
    int nMax = 0;
    ForEach([&](const SKIN_CUSTOM& c) { nMax = c.m_nId > nMax ? c.m_nId : nMax; });
    return nMax;
}

CDataCustomList& CDataCustomList::Copy(const CDataCustomList& other)
{
    CopyFrom(other);
    return *this;
}

void CDataCustomList::RemoveById(int nId)
{
    POSITION pos = FindPos([&](const SKIN_CUSTOM& c) { return c.m_nId == nId; });
    if (pos)
        DeleteAt(pos);
}

void CDataCustomList::ReleaseImages()
{
    ForEach([](SKIN_CUSTOM& c) { c.m_image.Free(); });
}

SKIN_CUSTOM* CDataCustomList::FindByName(const CString& strName) const
{
    return FindFirst([&](const SKIN_CUSTOM& c) { return c.m_strName.CompareNoCase(strName) == 0; });
}

SKIN_CUSTOM* CDataCustomList::CopyByName(const CString& strName, SKIN_CUSTOM& out) const
{
    SKIN_CUSTOM* p = FindByName(strName);
    if (p)
        out = *p;
    return p;
}

CString CDataCustomList::GetValue(const CString& strName) const
{
    const SKIN_CUSTOM* p = FindByName(strName);
    return p ? p->m_strValue : CString();
}

SKIN_CUSTOM* CDataCustomList::FindById(int nId) const
{
    return FindFirst([&](const SKIN_CUSTOM& c) { return c.m_nId == nId; });
}

CString CDataCustomList::GetNameAt(int nIndex) const
{
    const SKIN_CUSTOM* p = GetAt(nIndex);
    return p ? p->m_strName : CString();
}
