// The owner-drawn lists: scroll thumb sizes, the bar appearing, clicks, check boxes, keys, the
// wheel, and the selection kept right when rows are deleted.
#include <gtest/gtest.h>

#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/MyBaseListCtrlH.h"
#include "ui/skin/MyBaseListCtrlV.h"

namespace {

struct Notice {
    UINT code;
    int index;
    DWORD_PTR item;
    int flag;
    std::wstring text;
};

// The list's parent, keeping a copy of every notification.
class CListParent : public CWnd {
public:
    CListParent() { CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP | WS_VISIBLE, 50, 50, 300, 300, nullptr, nullptr); }
    std::vector<Notice> notices;
    std::vector<UINT> Codes() const
    {
        std::vector<UINT> codes;
        for (const Notice& n : notices)
            codes.push_back(n.code);
        return codes;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            const MYLIST_NOTIFY* n = reinterpret_cast<const MYLIST_NOTIFY*>(lParam);
            notices.push_back({n->hdr.code, n->nIndex, n->pItem, n->nFlag, n->strText.GetString()});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class MyList : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(list.Create(&parent, CRect(0, 0, 200, 100), 11000, WS_CHILD | WS_VISIBLE)); }
    void TearDown() override
    {
        list.DestroyWindow();
        parent.DestroyWindow();
    }
    void AddRows(int n, int height = 30)
    {
        for (int i = 0; i < n; ++i) {
            MYLIST_ITEM* item = new MYLIST_ITEM;
            item->strText.Format(L"row %d", i);
            item->dwData = DWORD_PTR(1000 + i);
            list.InsertItem(item, height);
        }
        list.UpdateWindow();
    }
    CListParent parent;
    CMyBaseListCtrlV list;
};

TEST_F(MyList, ThumbLengthFollowsThePage)
{
    AddRows(10);
    EXPECT_EQ(list.GetTotalHeight(), 305);
    EXPECT_EQ(list.GetScrollPart(100).Height(), 32);   // 100 x 100 / 306
    list.DeleteAll();
    AddRows(1000);
    EXPECT_EQ(list.GetScrollPart(100).Height(), 20);
}

TEST_F(MyList, TheBarAppearsWhenRowsPassTheHeightAndNarrowsTheRows)
{
    AddRows(3);
    CRect area;
    list.GetItemArea(&area);
    EXPECT_EQ(area.Width(), 200);
    EXPECT_FALSE(list.IsScrollBarNeeded());
    AddRows(2);
    list.GetItemArea(&area);
    EXPECT_EQ(area.Width(), 188);
    CRect bar;
    list.GetScrollBarRect(&bar);
    EXPECT_EQ(bar.left, 188);
    // Measured rows are measured again at the new width.
    MYLIST_ITEM* wrapped = new MYLIST_ITEM;
    wrapped->strText = L"a text long enough to wrap in one hundred and eighty eight pixels or so";
    list.InsertItem(wrapped, 0);
    EXPECT_FALSE(wrapped->bFixedHeight);
    EXPECT_GT(wrapped->nHeight, 10);
}

TEST_F(MyList, ClicksNotifyWithTheRowOrNone)
{
    AddRows(2);
    skintest::Click(list.m_hWnd, 50, 45);
    skintest::Click(list.m_hWnd, 50, 90);   // below the rows
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{MYLIST_CLICK, MYLIST_CLICK}));
    EXPECT_EQ(parent.notices[0].index, 1);
    EXPECT_EQ(parent.notices[0].item, DWORD_PTR(1001));
    EXPECT_EQ(parent.notices[0].text, L"row 1");
    EXPECT_EQ(parent.notices[1].index, -1);
    EXPECT_EQ(parent.notices[1].item, DWORD_PTR(0));
    EXPECT_EQ(list.GetCurSel(), 1);
    skintest::SendMouse(list.m_hWnd, WM_RBUTTONDOWN, 50, 15, MK_RBUTTON);
    EXPECT_EQ(parent.notices.back().code, UINT(MYLIST_RCLICK));
    EXPECT_EQ(parent.notices.back().index, -1);
}

TEST_F(MyList, CheckBoxesToggleAndNotifyTwice)
{
    list.SetListStyle(1);
    AddRows(2);
    // The box: from (left + 3, middle - 8), 15 x 15.
    skintest::Click(list.m_hWnd, 8, 15);
    ASSERT_EQ(parent.Codes(), (std::vector<UINT>{MYLIST_CHECK, MYLIST_CLICK}));
    EXPECT_EQ(parent.notices[0].flag, 1);
    EXPECT_EQ(parent.notices[1].flag, 1);
    skintest::Click(list.m_hWnd, 100, 15);   // the row, not its box
    EXPECT_EQ(parent.notices.back().code, UINT(MYLIST_CLICK));
    EXPECT_EQ(parent.notices.back().flag, 1);
    EXPECT_EQ(parent.notices.size(), 3u);
}

TEST_F(MyList, ArrowKeysMoveTheSelectionInsideTheRows)
{
    list.SetKeyNavigation(TRUE);
    AddRows(3);
    list.SetCurSel(2);
    list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(parent.notices.empty());
    list.SendMessage(WM_KEYDOWN, VK_UP, 0);
    ASSERT_EQ(parent.notices.size(), 1u);
    EXPECT_EQ(parent.notices[0].index, 1);
    EXPECT_EQ(parent.notices[0].item, DWORD_PTR(1001));
    list.SetCurSel(0);
    list.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(parent.notices.size(), 1u);
}

TEST_F(MyList, DeletingRowsKeepsTheSelectionOnItsRowOrClearsIt)
{
    list.SetKeyNavigation(TRUE);
    AddRows(5);
    list.SetCurSel(4);
    ASSERT_TRUE(list.DeleteItem(1));
    EXPECT_EQ(list.GetCurSel(), 3);   // the same row, one place up
    EXPECT_EQ(list.FindItem(3)->dwData, DWORD_PTR(1004));
    ASSERT_TRUE(list.DeleteItem(3));
    EXPECT_EQ(list.GetCurSel(), -1);   // its row went
    ASSERT_TRUE(list.DeleteItem(2));
    ASSERT_TRUE(list.DeleteItem(1));
    EXPECT_FALSE(list.DeleteItem(7));
    list.SetCurSel(0);
    list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);   // one row left: nowhere to go
    list.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(parent.notices.empty());
    EXPECT_EQ(list.GetCount(), 1);
}

TEST_F(MyList, WheelAndScrollSteps)
{
    AddRows(10);
    const int limit = list.GetScrollLimit(SB_VERT);
    EXPECT_EQ(limit, 305 - 99);
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), MAKELPARAM(60, 60));
    EXPECT_EQ(list.GetScrollPos(SB_VERT), 40);
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(list.GetScrollPos(SB_VERT), 90);
    list.SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(list.GetScrollPos(SB_VERT), 40);
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(60, 60));
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(60, 60));
    EXPECT_EQ(list.GetScrollPos(SB_VERT), 0);
    for (int i = 0; i < 10; ++i)
        list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(list.GetScrollPos(SB_VERT), limit);
}

TEST(MyListH, RowsNarrowerThanTheClientShowNoBar)
{
    CListParent parent;
    CMyBaseListCtrlH list;
    ASSERT_TRUE(list.Create(&parent, CRect(0, 0, 200, 60), 11001, WS_CHILD | WS_VISIBLE));
    for (int i = 0; i < 3; ++i) {
        MYLIST_ITEM* item = new MYLIST_ITEM;
        item->strText = L"x";
        list.AddItem(item, 50);
    }
    EXPECT_FALSE(list.IsScrollBarNeeded());
    CRect area;
    list.GetItemArea(&area);
    EXPECT_EQ(area.Height(), 60);
    MYLIST_ITEM* wide = new MYLIST_ITEM;
    list.AddItem(wide, 100);
    EXPECT_TRUE(list.IsScrollBarNeeded());
    list.GetItemArea(&area);
    EXPECT_EQ(area.Height(), 48);
    list.UpdateWindow();
    skintest::Click(list.m_hWnd, 75, 20);
    ASSERT_EQ(parent.notices.size(), 1u);
    EXPECT_EQ(parent.notices[0].index, 1);
    list.DestroyWindow();
    parent.DestroyWindow();
}

} // namespace
