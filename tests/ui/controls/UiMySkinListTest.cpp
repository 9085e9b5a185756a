// The skinned list on a real window: rows made of a skin screen and painted in its state
// colours, the empty screen, and the notifications and row events that presses, clicks, right
// clicks, double clicks, the wheel and the arrow keys give.
#include "UiControlsSupport.h"
#include "ui/controls/MySkinListCtrl.h"
#include "ui/skin/SkinObject.h"

namespace {

using ctltest::Mouse;
using ctltest::Pixel;

const wchar_t kSkin[] = LR"(
<SCREEN NAME="Row" RECT="0,0,300,40" VISIBLE="1" BGCOLOR="F0F0F0" BGCOLOR_OVER="E0E0FF" BGCOLOR_DOWN="C0C0FF">
    <OBJECT ID="5" INDEX="1" NAME="btnGo" TYPE="BUTTON" RECT="240,8,40,24" VISIBLE="1" COLOR="00A000"/>
    <OBJECT ID="6" INDEX="2" NAME="title" TYPE="TEXT" RECT="10,8,200,24" VISIBLE="1" TEXT_TEXT="&#xD68C;&#xC758; &#xBAA9;&#xB85D;">
        <FONT NAME="STATIC_" SIZE="14" COLOR="000000" ALIGN="0" FACENAME="&#xB9D1;&#xC740; &#xACE0;&#xB515;"/></OBJECT>
</SCREEN>
<SCREEN NAME="PlainRow" RECT="0,0,300,40" VISIBLE="1" BGCOLOR="F0F0F0"/>
<SCREEN NAME="Empty" RECT="0,0,300,200" VISIBLE="1" BGCOLOR="FFEEDD">
    <OBJECT ID="1" INDEX="1" NAME="box" TYPE="BUTTON" RECT="100,80,100,40" VISIBLE="1" COLOR="DDAA00"/>
</SCREEN>)";

const COLORREF kRow = RGB(0xF0, 0xF0, 0xF0);
const COLORREF kRowOver = RGB(0xE0, 0xE0, 0xFF);
const COLORREF kRowDown = RGB(0xC0, 0xC0, 0xFF);
const COLORREF kListBack = RGB(250, 250, 250);
const UINT kItemEvent = WM_APP + 1;   // what the test list records of its row events

// A list that writes its row events into the host's log, so their order against the
// notifications shows.
class CTestList : public CMySkinListCtrl {
public:
    explicit CTestList(ctltest::CHostWnd& log) : m_log(log) {}
    int OnItemEvent(UINT nEvent, SKIN_OBJECT* pObject, MYLIST_ITEM* pItem) override
    {
        ctltest::Report r{kItemEvent, nEvent, (LPARAM)pItem};
        r.text = pObject ? pObject->m_strName.GetString() : L"";
        m_log.reports.push_back(r);
        return 0;
    }
    using CMySkinListCtrl::RowAt;

private:
    ctltest::CHostWnd& m_log;
};

class SkinList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skintest::LoadFixtureSkin(kSkin));
        ASSERT_TRUE(host.Open(340, 240));
        placeholder.m_rcObject = CRect(10, 10, 310, 210);
        placeholder.m_clrColor = kListBack;
        ASSERT_TRUE(list.LoadItemScreen(&host, &placeholder, 11000, L"Row"));
        ::SetCursorPos(0, 0);
    }
    void TearDown() override
    {
        list.DestroyWindow();
        skintest::ResetSkin();
    }
    void Rows(int n)
    {
        for (int i = 0; i < n; ++i)
            list.AddItemScreen(100 + i);
        list.UpdateWindow();
    }
    // The codes of the list's notifications and the row events, in order.
    std::vector<std::pair<UINT, UINT>> Log() const
    {
        std::vector<std::pair<UINT, UINT>> out;
        for (const ctltest::Report& r : host.reports)
            out.emplace_back(r.message, r.message == WM_NOTIFY ? r.code : (UINT)r.wParam);
        return out;
    }
    const ctltest::Report& Last(UINT code) const
    {
        for (auto it = host.reports.rbegin(); it != host.reports.rend(); ++it)
            if (it->message == WM_NOTIFY && it->code == code)
                return *it;
        static ctltest::Report none{};
        ADD_FAILURE() << "no notification " << code;
        return none;
    }
    MYLIST_ITEM* Row(int n) { return list.FindItem(n); }
    ctltest::CHostWnd host;
    SKIN_OBJECT placeholder;
    CTestList list{host};
};

TEST_F(SkinList, EmptyListPaintsItsBackgroundOrItsEmptyScreen)
{
    EXPECT_EQ(Pixel(&list, 150, 100), kListBack);
    list.SetEmptyScreen(L"Empty");
    list.Invalidate();
    EXPECT_EQ(Pixel(&list, 150, 100), RGB(0xDD, 0xAA, 0x00));   // the empty screen's objects
    EXPECT_EQ(Pixel(&list, 20, 20), kListBack);
    Rows(1);
    EXPECT_EQ(Pixel(&list, 150, 100), kListBack);   // rows hide the empty screen
}

TEST_F(SkinList, RowsAreScreenCopiesFiveApart)
{
    Rows(3);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(Row(0)->nSpacing, 0);
    EXPECT_EQ(Row(1)->nSpacing, 5);
    EXPECT_EQ(Row(2)->nSpacing, 5);
    EXPECT_EQ(CRect(Row(0)->rcItem), CRect(0, 0, 300, 40));
    EXPECT_EQ(CRect(Row(1)->rcItem), CRect(0, 45, 300, 85));
    EXPECT_EQ(CRect(Row(2)->rcItem), CRect(0, 90, 300, 130));
    EXPECT_NE(Row(0)->pScreen, Row(1)->pScreen);
    EXPECT_EQ(Row(1)->dwData, 101u);
    EXPECT_EQ(Pixel(&list, 5, 50), kRow);
    EXPECT_EQ(Pixel(&list, 5, 42), kListBack);   // the gap
    EXPECT_EQ(Pixel(&list, 250, 60), RGB(0, 0xA0, 0));   // the row's button, at the row's place
}

TEST_F(SkinList, PressAndClickOnARowButton)
{
    Rows(3);
    Mouse(&list, WM_LBUTTONDOWN, 250, 60, MK_LBUTTON);
    Mouse(&list, WM_LBUTTONUP, 250, 60);
    const std::vector<std::pair<UINT, UINT>> expected = {
        {kItemEvent, WM_LBUTTONDOWN}, {WM_NOTIFY, MYLIST_ITEM_PRESS}, {WM_NOTIFY, MYLIST_CLICK},
        {kItemEvent, WM_LBUTTONUP}, {WM_NOTIFY, MYLIST_ITEM_CLICK}};
    EXPECT_EQ(Log(), expected);
    const ctltest::Report& press = Last(MYLIST_ITEM_PRESS);
    EXPECT_EQ(press.nIndex, 1);
    EXPECT_EQ(press.nObjectId, 5);
    EXPECT_EQ(press.text, L"btnGo");
    EXPECT_EQ(press.pItem, (DWORD_PTR)Row(1));
    EXPECT_EQ(host.reports[0].lParam, (LPARAM)Row(1));   // the row event names its row
    EXPECT_EQ(Last(MYLIST_ITEM_CLICK).nObjectId, 5);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(Pixel(&list, 5, 50), kRowDown);

    // Outside the button: the row's own text and no object.
    host.reports.clear();
    Mouse(&list, WM_LBUTTONDOWN, 220, 125, MK_LBUTTON);
    Mouse(&list, WM_LBUTTONUP, 220, 125);
    EXPECT_EQ(Last(MYLIST_ITEM_CLICK).nObjectId, 0);
    EXPECT_EQ(Last(MYLIST_ITEM_CLICK).nIndex, 2);
    EXPECT_EQ(host.Count(kItemEvent), 0);
}

TEST_F(SkinList, RightClickAndDoubleClick)
{
    Rows(3);
    Mouse(&list, WM_RBUTTONDOWN, 100, 10, MK_RBUTTON);
    Mouse(&list, WM_RBUTTONUP, 100, 10);
    const auto notes = host.Only(WM_NOTIFY);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].code, (UINT)MYLIST_RCLICK);
    EXPECT_EQ(notes[0].nIndex, 0);
    EXPECT_EQ(notes[1].code, (UINT)MYLIST_RCLICK);
    EXPECT_EQ(notes[1].nIndex, -1);   // the base's, without a row
    EXPECT_EQ(notes[2].code, (UINT)MYLIST_ITEM_RCLICK);
    EXPECT_EQ(list.GetCurSel(), 0);

    host.reports.clear();
    Mouse(&list, WM_LBUTTONDBLCLK, 100, 100, MK_LBUTTON);   // row 2 is not selected
    EXPECT_EQ(host.Count(WM_NOTIFY, MYLIST_DBLCLICK), 0);
    Mouse(&list, WM_LBUTTONDBLCLK, 100, 10, MK_LBUTTON);
    EXPECT_EQ(host.Count(WM_NOTIFY, MYLIST_DBLCLICK), 1);
    EXPECT_EQ(Last(MYLIST_DBLCLICK).nIndex, 0);
    EXPECT_EQ(host.Count(kItemEvent), 0);   // no row events from a double click
}

TEST_F(SkinList, HoverColourAndSkinControlEvents)
{
    Rows(2);
    Mouse(&list, WM_MOUSEMOVE, 100, 60);
    EXPECT_EQ(list.GetHotItem(), 1);
    EXPECT_EQ(Pixel(&list, 5, 50), kRowOver);
    EXPECT_EQ(Pixel(&list, 5, 10), kRow);

    SKIN_OBJECT* title = Row(0)->pScreen->FindObject(L"title");
    list.SendMessage(WM_SKIN_OBJECT_EVENT, SKINEVENT_EDIT_CHANGE, (LPARAM)title);
    list.SendMessage(WM_SKIN_OBJECT_EVENT, 16, (LPARAM)title);   // not one of the row codes
    list.SendMessage(WM_SKIN_OBJECT_EVENT, SKINEVENT_COMBO_CHOSEN, (LPARAM)title);
    const auto events = host.Only(kItemEvent);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].wParam, (WPARAM)SKINEVENT_EDIT_CHANGE);
    EXPECT_EQ(events[0].lParam, 0);   // without a row
    EXPECT_EQ(events[0].text, L"title");
    EXPECT_EQ(events[1].wParam, (WPARAM)SKINEVENT_COMBO_CHOSEN);
}

// A row screen that names no pressed or hover colour keeps its background when its row is
// selected or under the pointer.
TEST_F(SkinList, RowsWithoutStateColoursKeepTheirBackground)
{
    list.DestroyWindow();
    CTestList plain(host);
    ASSERT_TRUE(plain.LoadItemScreen(&host, &placeholder, 11000, L"PlainRow"));
    plain.AddItemScreen(1);
    plain.AddItemScreen(2);
    plain.UpdateWindow();
    Mouse(&plain, WM_LBUTTONDOWN, 100, 10, MK_LBUTTON);
    Mouse(&plain, WM_LBUTTONUP, 100, 10);
    EXPECT_EQ(plain.GetCurSel(), 0);
    EXPECT_EQ(Pixel(&plain, 5, 10), kRow) << "the selected row";
    Mouse(&plain, WM_MOUSEMOVE, 100, 60);
    EXPECT_EQ(plain.GetHotItem(), 1);
    EXPECT_EQ(Pixel(&plain, 5, 50), kRow) << "the row under the pointer";
    plain.DestroyWindow();
}

TEST_F(SkinList, EndsOfTheListAreReported)
{
    Rows(10);
    ASSERT_TRUE(list.IsScrollBarNeeded());
    EXPECT_EQ(CRect(Row(0)->rcItem).Width(), 288);   // rows leave room for the bar
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(50, 50));
    ASSERT_EQ(host.Count(WM_NOTIFY, MYLIST_SCROLL_END), 1);
    const ctltest::Report top = Last(MYLIST_SCROLL_END);
    EXPECT_EQ(top.nPos, 0);
    EXPECT_EQ(top.nFlag, 0);
    EXPECT_EQ(top.nIndex, -1);
    EXPECT_EQ(top.pItem, (DWORD_PTR)Row(0));

    for (int i = 0; i < 20 && list.GetScrollPos(SB_VERT) < list.GetScrollLimit(SB_VERT); ++i)
        list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(50, 50));
    EXPECT_EQ(host.Count(WM_NOTIFY, MYLIST_SCROLL_END), 1);
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(50, 50));
    ASSERT_EQ(host.Count(WM_NOTIFY, MYLIST_SCROLL_END), 2);
    const ctltest::Report bottom = Last(MYLIST_SCROLL_END);
    EXPECT_EQ(bottom.nPos, 3);
    EXPECT_EQ(bottom.nFlag, 1);
    EXPECT_EQ(bottom.nIndex, 10);
    EXPECT_EQ(bottom.pItem, (DWORD_PTR)Row(9));

    list.SetCurSel(9);
    list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(host.Count(WM_NOTIFY, MYLIST_SCROLL_END), 3);
    list.SetCurSel(3);
    list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(host.Count(WM_NOTIFY, MYLIST_SCROLL_END), 3);
    EXPECT_EQ(list.GetCurSel(), 4);
    EXPECT_TRUE(ctltest::SaveScreenshot(&host, L"MySkinListCtrl"));
}

TEST_F(SkinList, CtrlAndShiftExtendTheSelection)
{
    list.m_bMultiSelect = TRUE;
    Rows(5);
    BYTE original[256];
    ::GetKeyboardState(original);
    auto click = [&](int row, BYTE vk) {
        BYTE keys[256];
        memcpy(keys, original, sizeof(keys));
        keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
        if (vk)
            keys[vk] = 0x80;
        ::SetKeyboardState(keys);
        const int y = row * 45 + 20;
        Mouse(&list, WM_LBUTTONDOWN, 100, y, MK_LBUTTON);
        Mouse(&list, WM_LBUTTONUP, 100, y);
        ::SetKeyboardState(original);
    };
    click(1, 0);
    EXPECT_TRUE(list.IsItemSelected(Row(1)));
    EXPECT_FALSE(list.m_bMultiSelActive);
    click(3, VK_CONTROL);
    EXPECT_TRUE(list.m_bMultiSelActive);
    EXPECT_TRUE(list.IsItemSelected(Row(1)));
    EXPECT_TRUE(list.IsItemSelected(Row(3)));
    click(1, VK_CONTROL);
    EXPECT_FALSE(list.IsItemSelected(Row(1)));
    click(4, VK_SHIFT);   // from the last clicked row (1) to 4
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(list.IsItemSelected(Row(i)), i >= 1) << i;
    EXPECT_EQ(Pixel(&list, 5, 2 * 45 + 5), kRowDown);
    click(0, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(list.IsItemSelected(Row(i)), i == 0) << i;
    list.DeleteAll();
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.m_SelectedItems.GetCount(), 0);
}

} // namespace
