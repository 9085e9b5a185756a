// The owner-drawn menu: every item becomes owner-drawn (submenus too) and keeps its state; the
// measures and the look of items, separators and selections; and a real tracked menu whose
// items reach the menu object through the owner window.
#include "ControlsTestResources.h"
#include "UiControlsSupport.h"
#include "ui/controls/MenuEx.h"

namespace {

class MenuEx : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Open(300, 200)); }
    CMenuExItem* ItemData(HMENU hMenu, int nPos)
    {
        MENUITEMINFOW info = {sizeof(info), MIIM_DATA | MIIM_FTYPE};
        ::GetMenuItemInfoW(hMenu, nPos, TRUE, &info);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << nPos;
        return reinterpret_cast<CMenuExItem*>(info.dwItemData);
    }
    ctltest::OwnResources resources;
    ctltest::CHostWnd host;
};

// A 200 x 40 bitmap to draw items into.
class Canvas {
public:
    Canvas()
    {
        HDC screen = ::GetDC(nullptr);
        dc.CreateCompatibleDC(CDC::FromHandle(screen));
        bitmap.CreateCompatibleBitmap(CDC::FromHandle(screen), 200, 40);
        ::ReleaseDC(nullptr, screen);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(CRect(0, 0, 200, 40), RGB(1, 2, 3));
    }
    ~Canvas() { dc.SelectObject(old); }
    void Draw(CMenuEx& menu, CMenuExItem* item, UINT state, UINT action = ODA_DRAWENTIRE)
    {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemAction = action;
        dis.itemState = state;
        dis.hDC = dc.m_hDC;
        dis.rcItem = {0, 0, 200, 30};
        dis.itemData = (ULONG_PTR)item;
        menu.DrawItem(&dis);
    }
    int Count(COLORREF clr, const RECT& rc)
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += dc.GetPixel(x, y) == clr ? 1 : 0;
        return n;
    }
    CDC dc;
    CBitmap bitmap;
    CBitmap* old;
};

TEST_F(MenuEx, EveryItemBecomesOwnerDrawnAndKeepsItsState)
{
    CMenuEx menu(&host);
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    ASSERT_EQ(menu.GetItemCount(), 1);
    EXPECT_EQ(menu.GetItem(0)->nMenuBar, 1);
    EXPECT_EQ(menu.GetItem(0)->nCmdId, -1);
    EXPECT_EQ(menu.GetItem(0)->strText, CString(L"Context"));
    ASSERT_EQ(menu.GetSubMenuCount(), 1);
    CMenuEx* popup = menu.GetSubMenuEx(0);
    EXPECT_EQ(CMenu::FromHandlePermanent(::GetSubMenu(menu.m_hMenu, 0)), popup);
    ASSERT_EQ(popup->GetItemCount(), 5);
    const struct {
        int id;
        const wchar_t* text;
        UINT state;
    } items[] = {
        {ID_TEST_OPEN, L"&Open", 0},
        {0, L"", MF_SEPARATOR},
        {ID_TEST_GRAYED, L"Grayed", MF_GRAYED},
        {ID_TEST_CHECKED, L"Checked", MF_CHECKED},
        {-1, L"More", MF_POPUP},
    };
    for (int i = 0; i < 5; ++i) {
        CMenuExItem* item = popup->GetItem(i);
        EXPECT_EQ(item->nCmdId, items[i].id) << i;
        EXPECT_EQ(item->strText, CString(items[i].text)) << i;
        EXPECT_EQ(item->nMenuBar, 0) << i;
        EXPECT_EQ(ItemData(popup->m_hMenu, i), item);
        const UINT state = ::GetMenuState(popup->m_hMenu, i, MF_BYPOSITION);
        if (items[i].state)
            EXPECT_TRUE(state & items[i].state) << i;
    }
    EXPECT_EQ(::GetMenuItemID(popup->m_hMenu, 0), (UINT)ID_TEST_OPEN);
    ASSERT_EQ(popup->GetSubMenuCount(), 1);
    EXPECT_EQ(popup->GetSubMenuEx(0)->GetItem(0)->nCmdId, ID_TEST_SUB);
    EXPECT_EQ(ItemData(popup->GetSubMenuEx(0)->m_hMenu, 0), popup->GetSubMenuEx(0)->GetItem(0));
}

TEST_F(MenuEx, MeasuresOfItemsSeparatorsAndMenuBarItems)
{
    CMenuEx menu(&host);
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMenuEx* popup = menu.GetSubMenuEx(0);
    auto measure = [&](CMenuEx& m, CMenuExItem* item) {
        MEASUREITEMSTRUCT mis = {};
        mis.CtlType = ODT_MENU;
        mis.itemData = (ULONG_PTR)item;
        m.MeasureItem(&mis);
        return CSize(mis.itemWidth, mis.itemHeight);
    };
    EXPECT_EQ(measure(menu, menu.GetItem(0)), CSize(7 * 5, 20));       // "Context"
    EXPECT_EQ(measure(*popup, popup->GetItem(1)).cy, 11);              // separator
    CClientDC dc(&host);
    CFont* font = CFont::FromHandle((HFONT)host.SendMessage(WM_GETFONT));
    CFont* old = font->GetSafeHandle() ? dc.SelectObject(font) : nullptr;
    const CSize text = dc.GetTextExtent(L"Grayed");
    if (old)
        dc.SelectObject(old);
    EXPECT_EQ(measure(*popup, popup->GetItem(2)), CSize(4 + text.cx + 4, text.cy + 10));
}

TEST_F(MenuEx, LookOfItemsAndSelections)
{
    CMenuEx menu(&host);
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMenuEx* popup = menu.GetSubMenuEx(0);
    const MENUEX_SETTINGS& s = MenuExSettings();
    const CRect all(0, 0, 200, 30);

    Canvas plain;
    plain.Draw(*popup, popup->GetItem(0), 0);
    EXPECT_GT(plain.Count(s.clrItem, all), 4000);
    EXPECT_EQ(plain.Count(s.clrSelection, all), 0);
    EXPECT_GT(plain.Count(s.clrText, CRect(0, 0, 60, 30)), 5);   // text from 4 px in
    EXPECT_EQ(plain.Count(s.clrText, CRect(0, 0, 4, 30)), 0);

    Canvas selected;
    selected.Draw(*popup, popup->GetItem(0), ODS_SELECTED);
    EXPECT_GT(selected.Count(s.clrSelection, all), 4000);
    EXPECT_GT(selected.Count(RGB(255, 255, 255), CRect(0, 0, 60, 30)), 5);   // white text
    EXPECT_EQ(selected.dc.GetPixel(0, 0), s.clrSelectionFrame);

    // A grayed item under the pointer keeps the plain look, with grey text.
    Canvas grayed;
    grayed.Draw(*popup, popup->GetItem(2), ODS_SELECTED | ODS_GRAYED);
    EXPECT_EQ(grayed.Count(s.clrSelection, all), 0);
    EXPECT_GT(grayed.Count(s.clrItem, all), 4000);
    EXPECT_GT(grayed.Count(s.clrDisabledText, all), 5);

    // The separator: a one-pixel line in the middle from 4 px in.
    Canvas separator;
    separator.Draw(*popup, popup->GetItem(1), 0);
    EXPECT_EQ(separator.dc.GetPixel(3, 15), s.clrItem);
    EXPECT_EQ(separator.dc.GetPixel(4, 15), s.clrSeparator);
    EXPECT_EQ(separator.dc.GetPixel(199, 15), s.clrSeparator);
    EXPECT_EQ(separator.dc.GetPixel(50, 14), s.clrItem);
    EXPECT_EQ(separator.dc.GetPixel(50, 16), s.clrItem);

    // A checked item draws the check mark; the text stays where it was.
    Canvas checked;
    checked.Draw(*popup, popup->GetItem(3), ODS_CHECKED);
    EXPECT_GT(checked.Count(s.clrText, CRect(0, 0, 60, 30)), 5);
}

TEST_F(MenuEx, TrackedMenuIsDrawnByTheMenuObject)
{
    CMenuEx menu(&host);
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_EQ(popup, menu.GetSubMenuEx(0));
    // While the menu is open: picture it, read an item's colour, then close it.
    static bool s_shot;
    static COLORREF s_item;
    s_shot = false;
    s_item = CLR_INVALID;
    ::SetCursorPos(700, 550);   // away from the menu: no item is hovered
    ::SetTimer(host.m_hWnd, 1, 300, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(hwnd, id);
        if (HWND hMenuWnd = ::FindWindowW(L"#32768", nullptr)) {
            s_shot = ctltest::SaveScreenshot(CWnd::FromHandle(hMenuWnd), L"MenuEx");
            HDC dc = ::GetDC(hMenuWnd);
            CRect rc;
            ::GetClientRect(hMenuWnd, &rc);
            s_item = ::GetPixel(dc, rc.Width() - 5, 3);
            ::ReleaseDC(hMenuWnd, dc);
        }
        ::EndMenu();
    });
    const UINT chosen = popup->TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, 60, 60, &host);
    EXPECT_EQ(chosen, 0u);
    EXPECT_TRUE(s_shot);
    EXPECT_EQ(s_item, MenuExSettings().clrItem);   // the first item, painted in the menu's own colour
}

} // namespace
