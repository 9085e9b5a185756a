// COMBO entries: their text form, menus turned into entries, and the entry operations.
#include <gtest/gtest.h>

#include "platform/Menu.h"
#include "ui/skin/SkinCombo.h"

namespace {

struct Entry {
    int image, value, param1, param2;
    const wchar_t* text;
};

void ExpectEntries(const SKIN_COMBO& combo, const std::vector<Entry>& expected, const char* what)
{
    ASSERT_EQ(combo.m_items.GetCount(), INT_PTR(expected.size())) << what;
    for (size_t i = 0; i < expected.size(); ++i) {
        const SKIN_COMBO_ITEM* item = combo.GetItemAt(int(i));
        EXPECT_EQ(item->m_nImage, expected[i].image) << what << " #" << i;
        EXPECT_EQ(item->m_nValue, expected[i].value) << what << " #" << i;
        EXPECT_EQ(item->m_nParam1, expected[i].param1) << what << " #" << i;
        EXPECT_EQ(item->m_nParam2, expected[i].param2) << what << " #" << i;
        EXPECT_EQ(item->m_strText, CString(expected[i].text)) << what << " #" << i;
        EXPECT_EQ(item->m_bVisible, 1) << what << " #" << i;
    }
}

TEST(ComboItems, ParsingTable)
{
    struct Case {
        const wchar_t* data;
        std::vector<Entry> entries;
    };
    const Case cases[] = {
        {L"one\\ntwo\\nthree", {{0, 1, 0, 0, L"one"}, {0, 2, 0, 0, L"two"}, {0, 3, 0, 0, L"three"}}},
        {L"0,10,0,0|A\\n-1,20,0,0|B", {{0, 10, 0, 0, L"A"}, {-1, 20, 0, 0, L"B"}}},
        {L"real\nbreak", {{0, 1, 0, 0, L"real"}, {0, 2, 0, 0, L"break"}}},
        {L"5,7|x", {{5, 1, 0, 0, L"x"}}},
        {L"5|x", {{0, 1, 0, 0, L"x"}}},
        {L"a|b|c", {{0, 1, 0, 0, L"b|c"}}},
        {L"1,2,3|t", {{1, 2, 0, 0, L"t"}}},
        {L"0,30,0,2|sub\\n0,31,30,0|inside", {{0, 30, 0, 2, L"sub"}, {0, 31, 30, 0, L"inside"}}},
        {L"", {}},
    };
    for (const Case& c : cases) {
        SKIN_COMBO combo;
        EXPECT_EQ(combo.SetItems(c.data), int(c.entries.size()));
        ExpectEntries(combo, c.entries, std::string(CStringA(c.data).GetString()).c_str());
    }
}

TEST(ComboItems, TextFormRoundTrips)
{
    SKIN_COMBO combo;
    combo.SetItems(L"0,10,0,0|A\\n-1,20,0,0|B");
    EXPECT_EQ(combo.GetItemsText(), CString(L"0,10,0,0|A\\n-1,20,0,0|B"));
    SKIN_COMBO again;
    again.SetItems(combo.GetItemsText());
    EXPECT_EQ(again.GetItemsText(), combo.GetItemsText());
    SKIN_COMBO plain;
    plain.SetItems(L"x\\ny");
    EXPECT_EQ(plain.GetItemsText(), CString(L"0,1,0,0|x\\n0,2,0,0|y"));
}

TEST(ComboItems, SelectionIsACopy)
{
    SKIN_COMBO combo;
    combo.SetItems(L"0,10,0,0|A\\n0,20,0,0|B");
    EXPECT_NE(combo.SelectByValue(20), nullptr);
    EXPECT_EQ(combo.GetSelectedValue(), 20);
    EXPECT_EQ(combo.SelectByValue(99), nullptr);
    EXPECT_EQ(combo.GetSelectedValue(), 20);
    combo.RemoveAt(1);
    EXPECT_EQ(combo.m_selected.m_strText, CString(L"B"));
    EXPECT_EQ(combo.SelectAt(5), nullptr);
    EXPECT_NE(combo.SelectAt(0), nullptr);
    EXPECT_EQ(combo.GetSelectedValue(), 10);
}

TEST(ComboItems, VisibilityAndChecks)
{
    SKIN_COMBO combo;
    combo.SetItems(L"a\\nb\\nc");
    EXPECT_NE(combo.SetItemVisible(2, 0), nullptr);
    EXPECT_EQ(combo.SetItemVisible(9, 0), nullptr);
    EXPECT_EQ(combo.FindItem(2)->m_bVisible, 0);
    combo.SetItemCheck(1, 3);
    EXPECT_EQ(combo.FindItem(3)->m_nImage, -1);
    combo.SetItemCheck(0, 3);
    EXPECT_EQ(combo.FindItem(3)->m_nImage, 0);
    combo.ShowItemChecked(1, 2);
    EXPECT_EQ(combo.FindItem(2)->m_bVisible, 1);
    EXPECT_EQ(combo.FindItem(2)->m_nImage, -1);
    combo.SetAllVisible(0);
    EXPECT_EQ(combo.FindItem(1)->m_bVisible, 0);
}

TEST(ComboItems, MenuItemsBecomeEntriesWithSeparatorsAndChecks)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 101, L"First");
    menu.AppendMenu(MF_SEPARATOR, 0, nullptr);
    menu.AppendMenu(MF_STRING | MF_CHECKED, 102, L"Second");
    SKIN_COMBO source;
    source.SetItems(L"3,101,0,0|icon");
    SKIN_COMBO combo;
    combo.SetItems(L"old");
    combo.SetItemsFromMenu(&source, &menu);
    ExpectEntries(combo, {{3, 101, 0, 0, L"First"}, {0, 0, 0, 1, L""}, {-1, 102, 0, 0, L"Second"}}, "menu");
}

TEST(ComboItems, SplitText)
{
    CStringArray pieces;
    EXPECT_EQ(SKIN_COMBO::SplitText(pieces, L"", L","), 0);
    EXPECT_EQ(SKIN_COMBO::SplitText(pieces, L"a,,b,", L","), 4);
    EXPECT_EQ(pieces[1], CString(L""));
    EXPECT_EQ(pieces[3], CString(L""));
}

} // namespace
