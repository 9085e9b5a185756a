// The message pop-ups' geometry: how a measured message grows them, where their buttons and
// frame pieces go, where they open.
#include <gtest/gtest.h>

#include "ui/controls/PopupLayout.h"

namespace {

TEST(PopupLines, SplitAtEveryLineFeedKeepingTheEmptyRemainder)
{
    struct Case {
        const wchar_t* text;
        std::vector<const wchar_t*> lines;
    } cases[] = {
        {L"one", {L"one"}},
        {L"a\nb\nc", {L"a", L"b", L"c"}},
        {L"ends\n", {L"ends", L""}},
        {L"\nstarts", {L"", L"starts"}},
        {L" ", {L" "}},
    };
    for (const Case& c : cases) {
        CStringArray lines;
        SplitPopupLines(c.text, lines);
        ASSERT_EQ((size_t)lines.GetSize(), c.lines.size()) << c.text;
        for (size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_STREQ(lines[(INT_PTR)i], c.lines[i]) << c.text;
    }
}

TEST(PopupSize, GrowsWithTheTextAndNeverBelowTheMinimum)
{
    struct Case {
        int textWidth, lineHeight, lines, gap;
        CSize minimum, expected;
    } cases[] = {
        // one short line: the width stays, the height follows the formula ((16 + 5) + 150)
        {120, 16, 1, 5, {305, 137}, {305, 171}},
        // a line height small enough keeps the constructed size
        {120, 0, 1, 5, {305, 171}, {305, 171}},
        // three lines of 16: (16 + 5) x 3 + 150 = 213 for the confirm pop-up ...
        {120, 16, 3, 5, {305, 137}, {305, 213}},
        // ... and (16 + 10) x 3 + 145 = 223 for the yes/no pop-up
        {120, 16, 3, 10, {305, 137}, {305, 223}},
        // the OK/Cancel minimum: 150 wide text stays 303, 260 gives 360
        {150, 16, 1, 5, {303, 155}, {303, 171}},
        {260, 16, 1, 5, {303, 155}, {360, 171}},
        {120, 16, 3, 5, {303, 155}, {303, 213}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PopupSizeForText(c.textWidth, c.lineHeight, c.lines, c.gap, c.minimum), c.expected)
            << c.textWidth << " " << c.lines << " " << c.gap;
}

TEST(PopupButtons, OneCentredOrTwoAroundTheMiddle)
{
    POPUP_BUTTONS one = PopupButtonLayout(305, 137, FALSE);
    EXPECT_EQ(one.rcFirst, CRect(107, 87, 197, 114));
    EXPECT_TRUE(one.rcSecond.IsRectEmpty());
    POPUP_BUTTONS two = PopupButtonLayout(335, 160, TRUE);
    EXPECT_EQ(two.rcFirst, CRect(71, 110, 161, 137));
    EXPECT_EQ(two.rcSecond, CRect(173, 110, 263, 137));
}

TEST(PopupPlacement, CentredOverTheMainClientAreaOnlyAtTheOrigin)
{
    const CRect mainClient(100, 50, 900, 650);   // 800 x 600
    EXPECT_EQ(PopupTargetRect(TRUE, mainClient, 0, 0, 305, 137), CRect(348, 282, 653, 419));
    EXPECT_EQ(PopupTargetRect(TRUE, mainClient, 40, 0, 305, 137), CRect(40, 0, 345, 137));
    EXPECT_EQ(PopupTargetRect(FALSE, mainClient, 0, 0, 305, 137), CRect(0, 0, 305, 137));
}

TEST(PopupPlacement, OkCancelOpensTwelvePixelsLeftOfTheParentsCentre)
{
    EXPECT_EQ(OkCancelOrigin(CRect(0, 0, 1000, 700), 303, 155), CPoint(500 - 151 - 12, 272));
    EXPECT_EQ(OkCancelOrigin(CRect(200, 100, 500, 300), 360, 213), CPoint(350 - 180 - 12, 100 + (200 - 213) / 2));
}

TEST(PopupFrame, PiecesTileTheWholePopup)
{
    const SIZE sizes[9] = {{12, 45}, {1, 45}, {12, 45}, {12, 1}, {1, 1}, {12, 1}, {12, 12}, {1, 12}, {12, 12}};
    POPUP_FRAME_PIECE p[9];
    PopupFramePieces(305, 137, sizes, TRUE, p);
    EXPECT_EQ(p[0].rcDest, CRect(0, 0, 12, 45));
    EXPECT_EQ(p[1].rcDest, CRect(12, 0, 293, 45));
    EXPECT_EQ(p[2].rcDest, CRect(292, 0, 304, 45));       // one pixel in from the right
    EXPECT_EQ(p[3].rcDest, CRect(0, 45, 12, 125));
    EXPECT_EQ(p[4].rcDest, CRect(12, 45, 293, 125));
    EXPECT_EQ(p[5].rcDest, CRect(292, 45, 304, 125));
    EXPECT_EQ(p[6].rcDest, CRect(0, 124, 12, 136));       // one pixel up from the bottom
    EXPECT_EQ(p[7].rcDest, CRect(12, 124, 293, 136));
    EXPECT_EQ(p[8].rcDest, CRect(292, 124, 304, 136));
    EXPECT_EQ(p[1].szSource, CSize(1, 45));
    EXPECT_EQ(p[3].szSource, CSize(12, 1));
    EXPECT_TRUE(p[0].bCorner && p[2].bCorner && p[6].bCorner && p[8].bCorner);
    EXPECT_FALSE(p[4].bCorner);

    PopupFramePieces(303, 155, sizes, FALSE, p);   // flush with the client edge
    EXPECT_EQ(p[2].rcDest.right, 303);
    EXPECT_EQ(p[5].rcDest.right, 303);
    EXPECT_EQ(p[8].rcDest, CRect(291, 143, 303, 155));
    EXPECT_EQ(p[7].rcDest.bottom, 155);
}

}  // namespace
