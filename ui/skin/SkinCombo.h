#pragma once
// SKIN_COMBO: the COMBO part of a skin object: its look, its entries (from COMBO_DATA or a
// menu), the selected entry (a copy) and the drop-down that chooses one.
#include "platform/Collections.h"
#include "platform/CString.h"
#include "ui/skin/DataComboList.h"
#include "ui/skin/DataFileList.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImage.h"

class CMenu;
class CWnd;
struct SKIN_OBJECT;

// m_nFlags bit that opens the drop-down upward, its bottom edge at the given point.
const int SKIN_COMBO_OPEN_UPWARD = 32;

struct SKIN_COMBO {
    int m_nComboType = 0;
    CString m_strBgImage;           // resolved path
    int m_nImageWidth = 0;
    int m_nBgButton = 0;            // the background image is a four-strip state image
    int m_nDrawArrow = 0;
    SKIN_FONT m_font;               // "COMBO_": the closed combo's text
    SKIN_FONT m_fontList;           // "COMBO_LIST": the drop-down's entries
    int m_nSizeW = 200;             // 0 the object's width, -1 the widest entry
    int m_nSizeH = 300;
    int m_nItemH = 30;
    int m_nPadding = 0;
    int m_nPaddingL = 0;
    int m_nPaddingT = 0;
    int m_nPaddingR = 0;
    int m_nPaddingB = 0;
    int m_nLeftGap = 0;
    int m_nTextGap = 0;
    int m_nImageSize = 0;
    CDataComboList m_items;
    CDataFileList m_files;
    CString m_strColorBg;
    CString m_strColorBorder;
    CString m_strColorSelect;
    CString m_strColorScrollBg;
    CString m_strColorScrollBorder;
    CString m_strColorScroll;
    CString m_strColorLine;
    SKIN_IMAGE m_image;             // path = COMBO_BGIMAGE
    SKIN_COMBO_ITEM m_selected;
    SKIN_OBJECT* m_pObject = nullptr;
    int m_nFlags = 0;

    SKIN_COMBO();
    SKIN_COMBO(const SKIN_COMBO& other) : SKIN_COMBO() { *this = other; }
    SKIN_COMBO& operator=(const SKIN_COMBO& other);

    void ReleaseImage() { m_image.Free(); }

    // Replaces every entry by the entries of a COMBO_DATA text; returns their count.
    int SetItems(const CString& strData);
    // The entries as COMBO_DATA text ("%d,%d,%d,%d|%s" joined by backslash-"n").
    CString GetItemsText() const;
    // The pieces between separators (the last one included); 0 for an empty text.
    static int SplitText(CStringArray& arr, const CString& strText, const CString& strSeparator);
    // Replaces the entries by a menu's items; images of equal values come from pSource.
    void SetItemsFromMenu(const SKIN_COMBO* pSource, CMenu* pMenu);

    SKIN_COMBO_ITEM* FindItem(int nValue) const;
    SKIN_COMBO_ITEM* GetItemAt(int nIndex) const { return m_items.GetAt(nIndex); }
    SKIN_COMBO_ITEM* SelectAt(int nIndex);
    SKIN_COMBO_ITEM* SelectByValue(int nValue);
    int GetSelectedValue() const { return m_selected.m_nValue; }
    void RemoveAt(int nIndex);
    SKIN_COMBO_ITEM* SetItemVisible(int nValue, int bVisible);
    void SetAllVisible(int bVisible);
    void SetItemCheck(int bCheck, int nValue);
    void ShowItemChecked(int bCheck, int nValue);

    // Runs the drop-down modally at a screen point; 1 when an entry was chosen (it is then the
    // selected entry), 0 when cancelled. The low byte of the flags closes the list on a release
    // outside it instead of a press.
    int ShowDropDownAt(CWnd* pOwner, int x, int y, float fScale, int nFlags);
    // With the skin's DPI ratio and flags 0: the chosen value, or -1.
    int ShowDropDown(CWnd* pOwner, int x, int y);
};

// A Windows menu shown as a skinned drop-down at a screen point, in the look of pObject (or of
// the skin's "comboMenu" of the screen "PopupMenu"). Returns the chosen command, -1 when
// dismissed, 0 when there is no look. With flags 0 the result is also posted to the owner as
// WM_COMMAND; 0x20 opens the list upward.
int TrackSkinPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner, CMenu* pMenu, SKIN_OBJECT* pObject);
