#pragma once
// SKIN_COMBO_ITEM: one entry of a COMBO object's list (and of a skinned pop-up menu).
#include <windows.h>

#include "platform/CString.h"

struct SKIN_COMBO_ITEM {
    int m_nParam1 = 0;     // level: 0 top, else the value of the entry that opens its sub-list
    CString m_strText;
    int m_nRow = 0;        // row index in its drop-down; set in the copy a choice hands back
    RECT m_rcItem = {0, 0, 0, 0};
    int m_nValue = 0;
    int m_nImage = 0;      // 0 none, n >= 1 the n-th COMBO_IMAGE_FILE image, -1 a check mark
    int m_nParam2 = 0;     // 0 ordinary, 1 separator, 2 opens a sub-list
    int m_bVisible = 1;
};

// A new entry with those fields, visible; the caller owns it.
SKIN_COMBO_ITEM* CreateComboItem(int nParam1, const CString& strText, int nValue, int nImage,
                                 int nParam2, const RECT& rcItem);
