#pragma once
// CDataObjectList: the objects of a screen in ascending INDEX order (equal INDEX in the order
// they were added), and the visibility rules that follow the PARENTIDX tree.
#include "ui/skin/SkinObject.h"
#include "ui/skin/SkinRecordList.h"

class CDataObjectList : public CSkinRecordList<SKIN_OBJECT> {
public:
    // A copy inserted before the first object with a greater INDEX.
    POSITION Add(const SKIN_OBJECT& object);
    POSITION InsertBefore(const SKIN_OBJECT& object, POSITION pos);
    POSITION AddTail(const SKIN_OBJECT& object) { return AddCopy(object); }
    CDataObjectList& Copy(const CDataObjectList& other);
    // Takes the other list's pointers without copying or owning them anew: the caller makes sure
    // only one of the lists deletes them.
    void CopyPointers(const CDataObjectList& other);
    void ReleaseImages();
    void RemoveById(int nId);
    POSITION AddNew(const CString& strName, int nType, const RECT& rc);
    int GetMaxId() const;
    void Renumber();
    void SortByIndex();
    void Swap(SKIN_OBJECT* a, SKIN_OBJECT* b);
    void MoveAfter(SKIN_OBJECT* a, SKIN_OBJECT* b);

    SKIN_OBJECT* FindByName(const CString& strName) const;
    SKIN_OBJECT* FindById(int nId) const;
    SKIN_OBJECT* FindByIndex(int nIndex) const;
    SKIN_OBJECT* FindAtPos(int nPos) const { return RecordAtIndex(nPos); }
    POSITION FindPosById(int nId) const;
    POSITION FindPosByIndex(int nIndex) const;
    SKIN_OBJECT* CopyByName(const CString& strName, SKIN_OBJECT& out) const;
    SKIN_OBJECT* FindPrevSibling(const SKIN_OBJECT* object) const;
    SKIN_OBJECT* FindNextSibling(const SKIN_OBJECT* object) const;
    int FindIdByControl(int nControlId) const;

    BOOL IsVisibleChain(int nId) const;
    BOOL IsGoneChain(int nId) const;
    BOOL IsShownChain(int nId) const;
    BOOL IsDescendant(int nAncestorId, int nId) const;
    // Painted and hit: visible, not gone, every ancestor visible and none gone, all shown.
    BOOL IsLive(const SKIN_OBJECT* object) const;

private:
    // The flag is set on the object and on every object up its PARENTIDX chain.
    BOOL HoldsUpTheChain(int nId, int SKIN_OBJECT::*pFlag) const;
    SKIN_OBJECT* PopMinIndex();
    POSITION PosOf(const SKIN_OBJECT* object) const;
};
