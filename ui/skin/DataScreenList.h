#pragma once
// CDataScreenList: the master screens of the skin in ascending INDEX order (equal INDEX in the
// order they were added).
#include "ui/skin/SkinRecordList.h"
#include "ui/skin/SkinScreen.h"

class CDataScreenList : public CSkinRecordList<SKIN_SCREEN> {
public:
    // Copies the first screen of that name into the destination; the master screen, or null
    // (destination untouched). A null destination gives null.
    SKIN_SCREEN* CopyByName(const CString& strName, SKIN_SCREEN* pDest) const;
    // The same for a destination that is never null.
    SKIN_SCREEN* CopyScreenByName(const CString& strName, SKIN_SCREEN& dest) const;
    SKIN_SCREEN* FindByName(const CString& strName) const;
    POSITION InsertSorted(const SKIN_SCREEN& screen);
    POSITION FindInsertPos(int nIndex) const;
    void RemoveById(int nId);
    POSITION AddNew(const CString& strName, const RECT& rc);
    int GetMaxId() const;
    SKIN_SCREEN* GetAtPos(POSITION pos) const { return RecordAt(pos); }
    CDataScreenList& Copy(const CDataScreenList& other);
    void Renumber();
    POSITION FindPosById(int nId) const;
    POSITION FindPosByIndex(int nIndex) const;
    SKIN_SCREEN* FindById(int nId) const;
    SKIN_SCREEN* FindByIndex(int nIndex) const;
    SKIN_OBJECT* FindObjectAtPos(POSITION pos) const;
    SKIN_OBJECT* FindObjectById(int nScreenId, int nObjectId) const;
};
