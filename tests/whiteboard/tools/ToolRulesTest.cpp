// The tools' rules that need no window: the tool bar's colour grid and panel heights, the zoom
// choices, the approval's signature test, the page buttons, the remaining minutes, the memo
// scroll bar and the mini-map's rectangle.
#include <gtest/gtest.h>

#include <json/json.h>

#include "tests/support/TestSupport.h"
#include "whiteboard/tools/BoardDrawToolCtrl.h"
#include "whiteboard/tools/BoardInfoCtrl.h"
#include "whiteboard/tools/BoardNavigationDlg.h"
#include "whiteboard/tools/MemoLayer.h"
#include "whiteboard/tools/OptBarRules.h"

namespace {

TEST(DrawToolRules, ColourGridGivesIndexAndColour)
{
    EXPECT_EQ(CBoardDrawToolCtrl::ColorIndexOfGrid(0), 0);
    EXPECT_EQ(CBoardDrawToolCtrl::kColorTable[0], RGB(233, 0, 0));
    EXPECT_EQ(CBoardDrawToolCtrl::ColorIndexOfGrid(14), 2);
    EXPECT_EQ(CBoardDrawToolCtrl::kColorTable[2], RGB(0, 0, 0));
    // The third row runs from white to black.
    EXPECT_EQ(CBoardDrawToolCtrl::kColorTable[CBoardDrawToolCtrl::ColorIndexOfGrid(10)], RGB(255, 255, 255));
    EXPECT_EQ(CBoardDrawToolCtrl::kColorTable[CBoardDrawToolCtrl::ColorIndexOfGrid(13)], RGB(67, 67, 67));
    EXPECT_EQ(CBoardDrawToolCtrl::PanelHeight(0), 367);
    EXPECT_EQ(CBoardDrawToolCtrl::PanelHeight(2), 274);
    EXPECT_EQ(CBoardDrawToolCtrl::PanelHeight(5), 171);
}

TEST(InfoBarRules, ZoomChoicesAndTypedFactor)
{
    EXPECT_FLOAT_EQ(CBoardInfoCtrl::ZoomOfItem(0), 1.0f);
    EXPECT_FLOAT_EQ(CBoardInfoCtrl::ZoomOfItem(9), 5.0f);
    EXPECT_FLOAT_EQ(CBoardInfoCtrl::ZoomOfItem(10), -1.0f);
    EXPECT_FLOAT_EQ(CBoardInfoCtrl::ZoomOfItem(11), 0.0f);
    EXPECT_FLOAT_EQ(CBoardInfoCtrl::ZoomOfItem(14), 0.0f);
    EXPECT_STREQ(CBoardInfoCtrl::ZoomText(1.37f).GetString(), L"137 %");
}

TEST(InfoBarRules, TheSignatureMustBeAFileNotAFolder)
{
    zeltest::TempDir dir;
    const std::wstring file = dir.File(L"signdata");
    EXPECT_FALSE(CBoardInfoCtrl::SignatureExists(file.c_str()));
    ::CreateDirectoryW(file.c_str(), nullptr);
    EXPECT_FALSE(CBoardInfoCtrl::SignatureExists(file.c_str())) << "a folder named signdata is no signature";
    ::RemoveDirectoryW(file.c_str());
    ASSERT_TRUE(zeltest::WriteFileBytes(file, "PNG"));
    EXPECT_TRUE(CBoardInfoCtrl::SignatureExists(file.c_str()));
    EXPECT_FALSE(CBoardInfoCtrl::SignatureExists(L""));
}

TEST(OptBarRules, PageButtonsByPageAndDocument)
{
    struct Case {
        int current, total, docIndex, docCount;
        BOOL follower;
        BOOL prevOn, nextOn, sliderOn, prevShown, nextShown, prevDoc, nextDoc;
        int slider;
    } cases[] = {
        {1, 1, 0, 3, FALSE, FALSE, FALSE, FALSE, TRUE, FALSE, FALSE, TRUE, 0},
        {1, 1, 1, 3, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, TRUE, 0},
        {1, 5, 0, 1, FALSE, FALSE, TRUE, TRUE, TRUE, TRUE, FALSE, FALSE, 0},
        {3, 5, 0, 1, FALSE, TRUE, TRUE, TRUE, TRUE, TRUE, FALSE, FALSE, 50},
        {5, 5, 0, 2, FALSE, TRUE, FALSE, TRUE, TRUE, FALSE, FALSE, TRUE, 100},
        {1, 5, 1, 2, FALSE, FALSE, TRUE, TRUE, FALSE, TRUE, TRUE, FALSE, 0},
        {3, 5, 0, 1, TRUE, FALSE, FALSE, FALSE, TRUE, TRUE, FALSE, FALSE, 50},
    };
    for (const Case& c : cases) {
        S_PAGE_STATE s;
        s.current = c.current;
        s.total = c.total;
        s.docIndex = c.docIndex;
        s.docCount = c.docCount;
        s.follower = c.follower;
        const S_PAGE_BUTTONS b = ComputePageButtons(s);
        const std::string at = std::to_string(c.current) + "/" + std::to_string(c.total) + " doc " +
                               std::to_string(c.docIndex) + " of " + std::to_string(c.docCount);
        EXPECT_EQ(b.prevEnabled, c.prevOn) << at;
        EXPECT_EQ(b.nextEnabled, c.nextOn) << at;
        EXPECT_EQ(b.sliderEnabled, c.sliderOn) << at;
        EXPECT_EQ(b.prevShown, c.prevShown) << at;
        EXPECT_EQ(b.nextShown, c.nextShown) << at;
        EXPECT_EQ(b.prevDocShown, c.prevDoc) << at;
        EXPECT_EQ(b.nextDocShown, c.nextDoc) << at;
        EXPECT_EQ(b.sliderPercent, c.slider) << at;
    }
}

// The status button never lies over the slider or the tool buttons, and shows its text whole: a
// wide bar keeps the centred 180-pixel button and the full slider, a narrow one (both side
// columns of the meeting screen open) moves and narrows the button and shortens the slider.
TEST(OptBarRules, TheStatusButtonFitsBetweenTheSliderAndTheTools)
{
    const int kText = 58;  // the widest status text
    const struct Case {
        int width, toolsLeft;
        int sliderWidth;   // -1: whatever is left
        int statusLeft;    // -1: anywhere that fits
    } cases[] = {
        {1000, 805, 102, 410},  // one column open: centred, as before
        {740, 545, 102, 280},
        {600, 405, 102, -1},    // centred would touch the tools
        {462, 307, -1, -1},     // both columns open, no mode button
        {462, 267, -1, -1},     // and with the mode button
    };
    for (const Case& c : cases) {
        const S_OPT_BAR_ROW row = LayOutOptBarRow(c.width, 42, c.toolsLeft, kText);
        const int statusWidth = row.status.right - row.status.left;
        EXPECT_GE(statusWidth, kText + 8) << c.width << " " << c.toolsLeft;
        EXPECT_LE(statusWidth, 180) << c.width;
        EXPECT_LE(row.status.right, c.toolsLeft - 8) << c.width << " " << c.toolsLeft;
        EXPECT_GE(row.status.left, row.slider.right + 8) << c.width << " " << c.toolsLeft;
        EXPECT_EQ(row.slider.left, 151);
        EXPECT_GE(row.slider.right - row.slider.left, 0);
        EXPECT_EQ(row.status.top, 5);
        EXPECT_EQ(row.status.bottom, 37);
        if (c.sliderWidth >= 0) EXPECT_EQ(row.slider.right - row.slider.left, c.sliderWidth) << c.width;
        if (c.statusLeft >= 0) EXPECT_EQ(row.status.left, c.statusLeft) << c.width;
    }
}

TEST(OptBarRules, RemainingMinutesNeedAnEndTime)
{
    SYSTEMTIME now = {};
    now.wYear = 2026; now.wMonth = 3; now.wDay = 1; now.wHour = 9; now.wMinute = 30;
    Json::Value detail;
    detail["mtngEndYmd"] = "20260302";
    detail["mtngEndHour"] = "11";
    SYSTEMTIME end;
    ASSERT_TRUE(ReadMeetingEndTime(detail, end));
    EXPECT_EQ(end.wMinute, 0) << "a missing minute reads as 00";
    EXPECT_STREQ(RemainMinutesText(TRUE, end, now, FALSE).GetString(), L"1530");
    EXPECT_STREQ(RemainMinutesText(TRUE, end, now, TRUE).GetString(), L"-1530");
    // No end date (or a short one): no made-up remaining time.
    detail["mtngEndYmd"] = "202603";
    EXPECT_FALSE(ReadMeetingEndTime(detail, end));
    EXPECT_STREQ(RemainMinutesText(FALSE, end, now, FALSE).GetString(), L"0");
}

TEST(MemoRules, ScrollBarAppearsAboveTheVisibleLines)
{
    EXPECT_EQ(MemoThumbSize(9, 9), 0);
    EXPECT_EQ(MemoThumbSize(9, 7), 77);
    EXPECT_EQ(MemoThumbSize(20, 9), 45);
    EXPECT_EQ(MemoThumbSize(20, 7), 35);
    EXPECT_EQ(MemoLookOf(3).editorPicture, 516u);
    EXPECT_EQ(MemoLookOf(3).color, RGB(170, 225, 255));
    EXPECT_EQ(MemoLookOf(9).editorPicture, 530u);
}

TEST(MiniMapRules, ThumbnailAndViewRectangle)
{
    EXPECT_EQ(CBoardNavigationDlg::ThumbnailSize(800, 800).cx, 120);
    EXPECT_EQ(CBoardNavigationDlg::ThumbnailSize(2000, 1000).cy, 60);
    EXPECT_EQ(CBoardNavigationDlg::ThumbnailSize(1000, 2000).cx, 60);
    // A 1200-px-wide page in a 120-px thumbnail: 300 page pixels in are 30 thumbnail pixels in.
    const POINT offset = {300, 0};
    const RECT rc = CBoardNavigationDlg::ViewRect(SIZE{130, 130}, SIZE{120, 60}, SIZE{1200, 600}, SIZE{600, 300}, &offset);
    EXPECT_EQ(rc.left, 5 + 30);
    EXPECT_EQ(rc.right - rc.left, 60);
    // The whole page shown: the rectangle covers the whole thumbnail.
    const RECT all = CBoardNavigationDlg::ViewRect(SIZE{130, 130}, SIZE{120, 60}, SIZE{1200, 600}, SIZE{5000, 5000}, nullptr);
    EXPECT_EQ(all.left, 5);
    EXPECT_EQ(all.top, 35);
    EXPECT_EQ(all.right, 125);
    EXPECT_EQ(all.bottom, 95);
}

}  // namespace
