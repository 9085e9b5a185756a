#pragma once
// CDataCustomList: an object's CUSTOM_LIST entries in the order they were added. Look-ups by
// name ignore case; look-ups by ID take the first match.
#include "ui/skin/SkinCustom.h"
#include "ui/skin/SkinRecordList.h"

class CDataCustomList : public CSkinRecordList<SKIN_CUSTOM> {
public:
    POSITION Add(const SKIN_CUSTOM& entry) { return AddCopy(entry); }
    // A new entry with the next free ID and that name.
    POSITION AddNamed(const CString& strName);
    int GetMaxId() const;
    CDataCustomList& Copy(const CDataCustomList& other);
    void RemoveById(int nId);
    void ReleaseImages();
    SKIN_CUSTOM* FindByName(const CString& strName) const;
    SKIN_CUSTOM* CopyByName(const CString& strName, SKIN_CUSTOM& out) const;
    CString GetValue(const CString& strName) const;
    SKIN_CUSTOM* FindById(int nId) const;
    SKIN_CUSTOM* GetAt(int nIndex) const { return RecordAtIndex(nIndex); }
    CString GetNameAt(int nIndex) const;
    SKIN_CUSTOM* GetAtPos(POSITION pos) const { return RecordAt(pos); }
};
