#pragma once
// CMenuEx: the client's pop-up menu. Every item (and every item of its submenus) is owner-drawn
// in the client's flat colours: light grey items, a teal selection bar with white text, grey
// text for disabled items and thin separator lines. Built on the stack of the window that shows
// it, whose WM_MEASUREITEM and WM_DRAWITEM reach it through the class library.
#include "platform/Array.h"
#include "platform/Menu.h"
#include "platform/Wnd.h"

class CImageList;

// The owner-draw data of one item.
struct CMenuExItem {
    int nCmdId = 0;          // 0 separator, -1 an item that opens a submenu
    CString strText;
    int nMenuBar = 0;        // an item of a menu bar rather than of a pop-up
    int nImageList = -1;     // normal image list of the item's images
    int nDisabledList = -1;
    int nImage = -1;
    int nDisabledImage = -1;
};

// The drawing settings every menu shares; each construction writes them again.
struct MENUEX_SETTINGS {
    COLORREF clrMenuBar;
    COLORREF clrItem;
    COLORREF clrIconColumn;
    COLORREF clrText;
    COLORREF clrSelectedText;
    COLORREF clrDisabledText;
    COLORREF clrSeparator;
    COLORREF clrSelectionFrame;
    COLORREF clrSelection;
    COLORREF clrDisabledSelection;
    BOOL bSelectDisabled;
    CSize sizeIcon;
    CSize sizeIconMargin;
    CSize sizeTextOffset;
};
MENUEX_SETTINGS& MenuExSettings();

class CMenuEx : public CMenu {
public:
    explicit CMenuEx(CWnd* pOwner);
    ~CMenuEx() override;

    // Load or take a menu and make every item owner-drawn (a loaded menu's top items count as
    // menu-bar items).
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenu(LPCTSTR lpszResourceName);
    BOOL Attach(HMENU hMenu);
    int MakeOwnerDrawn(int nMenuBar);

    // Images of a toolbar's buttons for the items with the same command ids.
    void AddToolBarImages(CWnd* pToolBar);
    void SetItemImage(UINT nCmdId, int nImage, CWnd* pToolBar);

    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    int GetItemCount() const { return (int)m_items.GetSize(); }
    CMenuExItem* GetItem(int nPos) const { return static_cast<CMenuExItem*>(m_items[nPos]); }
    int GetSubMenuCount() const { return (int)m_subMenus.GetSize(); }
    CMenuEx* GetSubMenuEx(int n) const { return static_cast<CMenuEx*>(m_subMenus[n]); }

private:
    void Clear();

    CWnd* m_pOwner;
    CPtrArray m_subMenus;
    CPtrArray m_items;
    CPtrArray m_toolBars;
    CPtrArray m_imageLists;
};
