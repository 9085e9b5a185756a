#include "ui/skin/SkinComboItem.h"

SKIN_COMBO_ITEM* CreateComboItem(int nParam1, const CString& strText, int nValue, int nImage,
                                 int nParam2, const RECT& rcItem)
{
    SKIN_COMBO_ITEM* p = new SKIN_COMBO_ITEM;
    p->m_nParam1 = nParam1;
    p->m_strText = strText;
    p->m_nValue = nValue;
    p->m_nImage = nImage;
    p->m_nParam2 = nParam2;
    p->m_rcItem = rcItem;
    p->m_bVisible = 1;
    return p;
}
