#pragma once
// CDataComboList: the entries of a COMBO object in display order.
#include "ui/skin/SkinComboItem.h"
#include "ui/skin/SkinRecordList.h"

class CDataComboList : public CSkinRecordList<SKIN_COMBO_ITEM> {
public:
    CDataComboList& Copy(const CDataComboList& other)
    {
        CopyFrom(other);
        return *this;
    }
    POSITION AddItem(int nParam1, const CString& strText, int nValue, int nImage, int nParam2)
    {
        SKIN_COMBO_ITEM item;
        item.m_nParam1 = nParam1;
        item.m_strText = strText;
        item.m_nValue = nValue;
        item.m_nImage = nImage;
        item.m_nParam2 = nParam2;
        return AddCopy(item);
    }
    SKIN_COMBO_ITEM* GetAt(int nIndex) const { return RecordAtIndex(nIndex); }
};
