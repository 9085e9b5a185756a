#include <gtest/gtest.h>

#include "features/documents/DocumentListRules.h"

TEST(DocumentListRules, TypeIconByExtensionInAnyCase)
{
    const struct {
        const wchar_t* name;
        int icon;
    } cases[] = {
        {L"budget.PDF", 9},      {L"clip.mov", 10},       {L"clip.player", 10}, {L"archive.7z", 3},
        {L"no-extension", 3},    {L"report.final.HWP", 7}, {L"sheet.xlsx", 17},  {L"sheet.xls", 16},
        {L"picture.bmp", 1},     {L"notes.txt", 15},      {L"trailing.", 3},    {L"", 3},
        {L"회의자료.pptx", 13},   {L"a.zip", 18},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DocumentIconIndex(c.name), c.icon) << CStringA(c.name).GetString();
}

TEST(DocumentListRules, ReferenceCountReplacesEveryPlaceholder)
{
    EXPECT_EQ(ReferenceCountText(L"{C}건", 12), CString(L"12건"));
    EXPECT_EQ(ReferenceCountText(L"({C})", 0), CString(L"(0)"));
    EXPECT_EQ(ReferenceCountText(L"no count", 3), CString(L"no count"));
}

TEST(DocumentListRules, DualButtonHitFollowsTheTopRow)
{
    const CRect button(226, 5, 250, 29);   // inside a 258 x 34 row
    EXPECT_EQ(HitDualButtonRow(CPoint(230, 10), 0, 5, button), 0);
    EXPECT_EQ(HitDualButtonRow(CPoint(230, 34 + 10), 0, 5, button), 1);
    EXPECT_EQ(HitDualButtonRow(CPoint(230, 2), 0, 5, button), -1);      // above the button
    EXPECT_EQ(HitDualButtonRow(CPoint(100, 10), 0, 5, button), -1);     // on the name
    // Scrolled by two rows: the first shown row is row 2.
    EXPECT_EQ(HitDualButtonRow(CPoint(230, 10), 2, 5, button), 2);
    // Past the last row.
    EXPECT_EQ(HitDualButtonRow(CPoint(230, 5 * 34 + 10), 0, 5, button), -1);
    EXPECT_EQ(HitDualButtonRow(CPoint(230, 10), 0, 0, button), -1);
}
