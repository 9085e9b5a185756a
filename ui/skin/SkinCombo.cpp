#include "ui/skin/SkinCombo.h"

#include <cwchar>

#include "platform/Menu.h"

SKIN_COMBO::SKIN_COMBO()
{
    m_fontList.m_strColor.Empty();
}

SKIN_COMBO& SKIN_COMBO::operator=(const SKIN_COMBO& other)
{
    if (this == &other)
        return *this;
    m_nComboType = other.m_nComboType;
    m_strBgImage = other.m_strBgImage;
    m_nImageWidth = other.m_nImageWidth;
    m_nBgButton = other.m_nBgButton;
    m_nDrawArrow = other.m_nDrawArrow;
    m_font = other.m_font;
    m_fontList = other.m_fontList;
    m_nSizeW = other.m_nSizeW;
    m_nSizeH = other.m_nSizeH;
    m_nItemH = other.m_nItemH;
    m_nPadding = other.m_nPadding;
    m_nPaddingL = other.m_nPaddingL;
    m_nPaddingT = other.m_nPaddingT;
    m_nPaddingR = other.m_nPaddingR;
    m_nPaddingB = other.m_nPaddingB;
    m_nLeftGap = other.m_nLeftGap;
    m_nTextGap = other.m_nTextGap;
    m_nImageSize = other.m_nImageSize;
    m_items.Copy(other.m_items);
    m_files.Copy(other.m_files);
    m_strColorBg = other.m_strColorBg;
    m_strColorBorder = other.m_strColorBorder;
    m_strColorSelect = other.m_strColorSelect;
    m_strColorScrollBg = other.m_strColorScrollBg;
    m_strColorScrollBorder = other.m_strColorScrollBorder;
    m_strColorScroll = other.m_strColorScroll;
    m_strColorLine = other.m_strColorLine;
    m_image = other.m_image;
    m_selected = other.m_selected;
    m_pObject = other.m_pObject;
    m_nFlags = other.m_nFlags;
    return *this;
}

int SKIN_COMBO::SplitText(CStringArray& arr, const CString& strText, const CString& strSeparator)
{
    arr.RemoveAll();
    if (strText.IsEmpty())
        return 0;
    int start = 0;
    for (;;) {
        const int at = strSeparator.IsEmpty() ? -1 : strText.Find(strSeparator.GetString(), start);
        if (at < 0) {
            arr.Add(strText.Mid(start));
            break;
        }
        arr.Add(strText.Mid(start, at - start));
        start = at + strSeparator.GetLength();
    }
    return int(arr.GetSize());
}

int SKIN_COMBO::SetItems(const CString& strData)
{
    CString text = strData;
    text.Replace(L"\\n", L"\n");
    m_items.RemoveAll();
    CStringArray pieces;
    const int count = SplitText(pieces, text, L"\n");
    for (int i = 0; i < count; ++i) {
        const CString& piece = pieces[i];
        int nImage = 0, nValue = i + 1, nParam1 = 0, nParam2 = 0;
        CString strText = piece;
        const int bar = piece.Find(L'|');
        if (bar >= 0) {
            strText = piece.Mid(bar + 1);
            const CString head = piece.Left(bar);
            // A number counts only when a comma follows it; the fourth needs all three commas.
            const int c1 = head.Find(L',');
            if (c1 >= 0) {
                nImage = _wtoi(head.Left(c1).GetString());
                const int c2 = head.Find(L',', c1 + 1);
                if (c2 >= 0) {
                    nValue = _wtoi(head.Mid(c1 + 1, c2 - c1 - 1).GetString());
                    const int c3 = head.Find(L',', c2 + 1);
                    if (c3 >= 0) {
                        nParam1 = _wtoi(head.Mid(c2 + 1, c3 - c2 - 1).GetString());
                        nParam2 = _wtoi(head.Mid(c3 + 1).GetString());
                    }
                }
            }
        }
        m_items.AddItem(nParam1, strText, nValue, nImage, nParam2);
    }
    return int(m_items.GetCount());
}

CString SKIN_COMBO::GetItemsText() const
{
    CString out;
    bool first = true;
    m_items.ForEach([&](const SKIN_COMBO_ITEM& item) {
        if (!first)
            out += L"\\n";
        first = false;
        CString line;
        line.Format(L"%d,%d,%d,%d|%s", item.m_nImage, item.m_nValue, item.m_nParam1, item.m_nParam2,
                    item.m_strText.GetString());
        out += line;
    });
    return out;
}

void SKIN_COMBO::SetItemsFromMenu(const SKIN_COMBO* pSource, CMenu* pMenu)
{
    m_items.RemoveAll();
    HMENU hMenu = pMenu ? pMenu->m_hMenu : nullptr;
    if (!hMenu)
        return;
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        wchar_t buffer[512] = {0};
        ::GetMenuStringW(hMenu, UINT(i), buffer, 511, MF_BYPOSITION);
        const int nValue = int(::GetMenuItemID(hMenu, i));
        const UINT state = ::GetMenuState(hMenu, UINT(i), MF_BYPOSITION);
        int nImage = 0, nParam2 = 0;
        if (nValue != 0) {
            if (pSource) {
                if (const SKIN_COMBO_ITEM* src = pSource->FindItem(nValue))
                    nImage = src->m_nImage;
            }
            if (state != UINT(-1) && (state & MF_CHECKED))
                nImage = -1;
        } else {
            nParam2 = 1;   // a separator
        }
        m_items.AddItem(0, buffer, nValue, nImage, nParam2);
    }
}

SKIN_COMBO_ITEM* SKIN_COMBO::FindItem(int nValue) const
{
    return m_items.FindFirst([&](const SKIN_COMBO_ITEM& item) { return item.m_nValue == nValue; });
}

SKIN_COMBO_ITEM* SKIN_COMBO::SelectAt(int nIndex)
{
    SKIN_COMBO_ITEM* p = GetItemAt(nIndex);
    if (p)
        m_selected = *p;
    return p;
}

SKIN_COMBO_ITEM* SKIN_COMBO::SelectByValue(int nValue)
{
    SKIN_COMBO_ITEM* p = FindItem(nValue);
    if (p)
        m_selected = *p;
    return p;
}

void SKIN_COMBO::RemoveAt(int nIndex)
{
    POSITION pos = m_items.FindIndex(nIndex);
    if (pos)
        m_items.DeleteAt(pos);
}

SKIN_COMBO_ITEM* SKIN_COMBO::SetItemVisible(int nValue, int bVisible)
{
    SKIN_COMBO_ITEM* p = FindItem(nValue);
    if (p)
        p->m_bVisible = bVisible;
    return p;
}

void SKIN_COMBO::SetAllVisible(int bVisible)
{
    m_items.ForEach([&](SKIN_COMBO_ITEM& item) { item.m_bVisible = bVisible; });
}

void SKIN_COMBO::SetItemCheck(int bCheck, int nValue)
{
    if (SKIN_COMBO_ITEM* p = FindItem(nValue))
        p->m_nImage = bCheck ? -1 : 0;
}

void SKIN_COMBO::ShowItemChecked(int bCheck, int nValue)
{
    if (SKIN_COMBO_ITEM* p = FindItem(nValue)) {
        p->m_bVisible = 1;
        p->m_nImage = bCheck ? -1 : 0;
    }
}
