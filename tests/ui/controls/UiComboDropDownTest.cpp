// The combo drop-down's geometry and scrolling, seen from inside its modal loop.
#include <gtest/gtest.h>

#include <functional>

#include "tests/platform/UiTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/controls/MySkinComboDlg.h"

namespace {

// Opens the drop-down of a COMBO object and runs the check inside its loop, then closes it.
void WithDropDown(SKIN_OBJECT* combo, CWnd* owner, POINT anchor, const std::function<void(CMySkinComboDlg*)>& check)
{
    bool ran = false;
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        auto* popup = dynamic_cast<CMySkinComboDlg*>(wnd);
        if (!popup || ran)
            return;
        ran = true;
        check(popup);
        popup->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-40, -40));
    });
    uitest::Watchdog watchdog;
    EXPECT_EQ(combo->m_combo.ShowDropDownAt(owner, anchor.x, anchor.y, 1.0f, 0), 0);
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(watchdog.Fired());
}

std::wstring Entries(int count)
{
    std::wstring data;
    for (int i = 1; i <= count; ++i)
        data += (i > 1 ? L"\\n" : L"") + std::wstring(L"entry ") + std::to_wstring(i);
    return data;
}

std::wstring Screen(int itemH, const std::wstring& data, const wchar_t* extra = L"")
{
    return L"<SCREEN NAME=\"C\" RECT=\"0,0,200,100\" VISIBLE=\"1\"><OBJECT ID=\"1\" NAME=\"c\" TYPE=\"COMBO\" RECT=\"0,0,150,30\" "
           L"VISIBLE=\"1\" COMBO_SIZE_W=\"0\" COMBO_SIZE_H=\"300\" COMBO_ITEM_H=\"" +
           std::to_wstring(itemH) + L"\" COMBO_DATA=\"" + data + L"\" " + extra + L"/></SCREEN>";
}

class ComboDropDown : public ::testing::Test {
protected:
    SKIN_OBJECT* Load(const std::wstring& screen)
    {
        EXPECT_TRUE(skintest::LoadFixtureSkin(screen));
        owner.reset(new skintest::CTestSkinDialog(L"C"));
        EXPECT_TRUE(owner->Open(300, 200));
        return owner->m_Screen.FindObject(L"c");
    }
    void TearDown() override
    {
        if (owner)
            owner->DestroyWindow();
    }
    std::unique_ptr<skintest::CTestSkinDialog> owner;
};

TEST_F(ComboDropDown, ThreeEntriesFitWithoutABar)
{
    SKIN_OBJECT* combo = Load(Screen(30, Entries(3)));
    WithDropDown(combo, owner.get(), CPoint(400, 300), [](CMySkinComboDlg* popup) {
        CRect window;
        popup->GetWindowRect(&window);
        EXPECT_EQ(window.Height(), 90);
        EXPECT_EQ(window.Width(), 150);
        EXPECT_EQ(window.left, 401);   // one pixel right of the anchor
        EXPECT_EQ(window.top, 300);
        EXPECT_FALSE(popup->Scroller().m_bScrollable);
    });
}

TEST_F(ComboDropDown, TwentyEntriesScrollOneRowPerNotchUpToTheEnd)
{
    SKIN_OBJECT* combo = Load(Screen(30, Entries(20)));
    WithDropDown(combo, owner.get(), CPoint(400, 100), [](CMySkinComboDlg* popup) {
        const CPopupListScroller& s = popup->Scroller();
        ASSERT_TRUE(s.m_bScrollable);
        EXPECT_EQ(s.m_rcThumb.Height(), 150);
        for (int notch = 1; notch <= 12; ++notch) {
            popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
            const int expected = notch <= 10 ? notch * 30 : 300;
            EXPECT_EQ(s.m_rcList.top - popup->GetRow(0)->m_rcItem.top, expected) << notch;
        }
        EXPECT_EQ(popup->GetRow(19)->m_rcItem.bottom, s.m_rcList.bottom);
    });
}

TEST_F(ComboDropDown, TheLastNotchStopsAtTheEndAndGoesBackTheSameWay)
{
    SKIN_OBJECT* combo = Load(Screen(40, Entries(8)));
    WithDropDown(combo, owner.get(), CPoint(400, 100), [](CMySkinComboDlg* popup) {
        const CPopupListScroller& s = popup->Scroller();
        auto offset = [&]() { return s.m_rcList.top - popup->GetRow(0)->m_rcItem.top; };
        popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
        EXPECT_EQ(offset(), 20);
        popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
        EXPECT_EQ(offset(), 20);
        popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
        EXPECT_EQ(offset(), 0);
        popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
        EXPECT_EQ(offset(), 0);
    });
}

TEST_F(ComboDropDown, SeparatorsAreThinAndNeverHovered)
{
    SKIN_OBJECT* combo = Load(Screen(30, L"a\\n0,0,0,1|\\nb"));
    WithDropDown(combo, owner.get(), CPoint(400, 100), [](CMySkinComboDlg* popup) {
        ASSERT_EQ(popup->GetRowCount(), 3);
        EXPECT_EQ(CRect(popup->GetRow(1)->m_rcItem).Height(), 10);
        CRect window;
        popup->GetWindowRect(&window);
        EXPECT_EQ(window.Height(), 70);
        const CPoint mid = CRect(popup->GetRow(1)->m_rcItem).CenterPoint();
        popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(mid.x, mid.y));
        EXPECT_EQ(popup->GetHoverIndex(), -1);
        const CPoint row = CRect(popup->GetRow(2)->m_rcItem).CenterPoint();
        popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(row.x, row.y));
        EXPECT_EQ(popup->GetHoverIndex(), 2);
    });
}

TEST_F(ComboDropDown, MeasuredWidthAndUpwardOpening)
{
    SKIN_OBJECT* combo = Load(Screen(30, L"-1,1,0,0|a fairly wide entry\\nb", L"COMBO_PADDING=\"2\""));
    combo->m_combo.m_nSizeW = -1;
    combo->m_combo.m_nFlags = SKIN_COMBO_OPEN_UPWARD;
    WithDropDown(combo, owner.get(), CPoint(400, 500), [](CMySkinComboDlg* popup) {
        CRect window;
        popup->GetWindowRect(&window);
        EXPECT_EQ(window.Width(), popup->MeasureWidth());
        EXPECT_EQ(window.bottom, 500);
        EXPECT_EQ(window.Height(), 64);
    });
    // A right click inside chooses nothing.
    bool ran = false;
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        auto* popup = dynamic_cast<CMySkinComboDlg*>(wnd);
        if (!popup || ran)
            return;
        ran = true;
        const CPoint row = CRect(popup->GetRow(0)->m_rcItem).CenterPoint();
        popup->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(row.x, row.y));
        popup->PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(row.x, row.y));
        popup->PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(row.x, row.y));
        popup->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-50, -50));
    });
    uitest::Watchdog watchdog;
    EXPECT_EQ(combo->m_combo.ShowDropDown(owner.get(), 400, 500), -1);
    CWnd::SetModalLoopHook(nullptr);
}

TEST_F(ComboDropDown, SkinnedMenusReportTheirCommand)
{
    Load(Screen(30, L""));
    SKIN_OBJECT* look = owner->m_Screen.FindObject(L"c");
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 4001, L"one");
    menu.AppendMenu(MF_STRING, 4002, L"two");
    CWnd::SetModalLoopHook([](CWnd* wnd) {
        auto* popup = dynamic_cast<CMySkinComboDlg*>(wnd);
        const CPoint row = CRect(popup->GetRow(1)->m_rcItem).CenterPoint();
        popup->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(row.x, row.y));
        popup->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.x, row.y));
        popup->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(row.x, row.y));
    });
    uitest::Watchdog watchdog;
    EXPECT_EQ(TrackSkinPopupMenu(0x20, 400, 400, owner.get(), &menu, look), 4002);
    EXPECT_EQ(look->m_combo.m_items.GetCount(), 0);   // the object given is not changed
    CWnd::SetModalLoopHook([](CWnd* wnd) { wnd->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-50, -50)); });
    EXPECT_EQ(TrackSkinPopupMenu(0, 400, 400, owner.get(), &menu, look), -1);
    CWnd::SetModalLoopHook(nullptr);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, owner->m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(int(msg.wParam), -1);
    // Without a look in the skin nothing is shown.
    EXPECT_EQ(TrackSkinPopupMenu(0, 400, 400, owner.get(), &menu, nullptr), 0);
}

} // namespace
