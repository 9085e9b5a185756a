// The meeting screen's window-free rules.
#include <gtest/gtest.h>

#include "screens/meeting/MeetingLayer.h"
#include "screens/meeting/MeetingRules.h"

using namespace MeetingRules;

TEST(MeetingRules, ColumnsCollapseTo28AndTheBoardReachesUnderTheRightPane)
{
    struct Case {
        BOOL left, right;
        int leftW, boardX, boardW, rightX;
    } cases[] = {
        {TRUE, TRUE, 283, 283, 1280 - 566 + 5, 1280 - 283},
        {FALSE, TRUE, 28, 28, 1280 - 311 + 5, 1280 - 283},
        {TRUE, FALSE, 283, 283, 1280 - 311 + 5, 1280 - 28},
        {FALSE, FALSE, 28, 28, 1280 - 56 + 5, 1280 - 28},
    };
    for (const Case& c : cases) {
        CRect l, b, r;
        ColumnLayout(CRect(0, 0, 1280, 800), c.left, c.right, l, b, r);
        EXPECT_EQ(l.Width(), c.leftW);
        EXPECT_EQ(b.left, c.boardX);
        EXPECT_EQ(b.Width(), c.boardW);
        EXPECT_EQ(r.left, c.rightX);
        EXPECT_EQ(b.Height(), 800);
    }
}

TEST(MeetingRules, DocumentToastSplitsNamesLongerThan25Characters)
{
    const CString s = L"<%s>", l = L"<%s|%s>";
    EXPECT_EQ(DocumentToastText(L"abc", s, l), CString(L"<abc>"));
    EXPECT_EQ(DocumentToastText(L"1234567890123456789012345", s, l), CString(L"<1234567890123456789012345>"));
    EXPECT_EQ(DocumentToastText(L"12345678901234567890123456", s, l), CString(L"<1234567890123456789012345|6>"));
}

TEST(MeetingRules, DocumentToastOnlyWhenTheUserCanSeeIt)
{
    EXPECT_TRUE(ShouldShowDocumentToast(3, FALSE));
    EXPECT_TRUE(ShouldShowDocumentToast(1, TRUE));
    EXPECT_FALSE(ShouldShowDocumentToast(1, FALSE));
    EXPECT_FALSE(ShouldShowDocumentToast(2, TRUE));
}

TEST(MeetingRules, VideoNamesAndThePlayersQuotedAddress)
{
    EXPECT_TRUE(IsVideoFileName(L"talk.MP4"));
    EXPECT_TRUE(IsVideoFileName(L"a.b.ts"));
    EXPECT_FALSE(IsVideoFileName(L"song.mp3"));
    EXPECT_FALSE(IsVideoFileName(L""));
    EXPECT_FALSE(IsVideoFileName(L"report.pdf"));
    CString p;
    ASSERT_TRUE(MakePlayerParameters(L"http://h/v 1.mp4", p));
    EXPECT_EQ(p, CString(L"\"http://h/v 1.mp4\" /Task NowPlaying"));
    // An address cannot smuggle arguments past the quotes.
    EXPECT_FALSE(MakePlayerParameters(L"http://h/x.mp4\" /other", p));
    EXPECT_FALSE(MakePlayerParameters(L"http://h/x.mp4\r\n", p));
    EXPECT_FALSE(MakePlayerParameters(L"", p));
}

TEST(MeetingRules, ThumbnailSlicesStayInsideTheAttachment)
{
    EXPECT_TRUE(SliceFits(0, 10, 10));
    EXPECT_TRUE(SliceFits(5, 5, 10));
    EXPECT_FALSE(SliceFits(5, 6, 10));
    EXPECT_FALSE(SliceFits(0, 0, 10));
    EXPECT_FALSE(SliceFits(0, -1, 10));
    EXPECT_FALSE(SliceFits(11, 1, 10));
    EXPECT_FALSE(SliceFits(1, 0x7fffffffffffffffLL, 10));
}

// A favourite of a thumbnail batch: the page right after a slide-bar jump's page is taken once and
// ends the jump; with no jump pending the page after 0 (page 1 outside a batch's first item) is not.
TEST(MeetingRules, ABatchFavouriteAfterTheJumpPageEndsTheJump)
{
    struct Case {
        int page, bookmark;
        BOOL taken;
        int bookmarkAfter;
    } cases[] = {
        {41, 40, TRUE, 0},    // right after the jump's page: taken, the jump is over
        {40, 40, TRUE, 40},   // the jump's own page
        {45, 40, TRUE, 40},   // further on
        {1, 0, FALSE, 0},     // after no jump
        {7, 0, TRUE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        int nBookmark = c.bookmark;
        EXPECT_EQ(TakeBatchFavourite(c.page, nBookmark), c.taken);
        EXPECT_EQ(nBookmark, c.bookmarkAfter);
    }
}

TEST(MeetingRules, AnUploadCountsOnlyWithAWhole200AndASentForm)
{
    EXPECT_TRUE(IsUploadAccepted(0, L"{\"code\":\"200\",\"filePath\":\"/x\"}"));
    EXPECT_TRUE(IsUploadAccepted(0, L"200"));
    EXPECT_FALSE(IsUploadAccepted(0, L"{\"code\":\"500\",\"id\":\"12005\"}"));
    EXPECT_FALSE(IsUploadAccepted(0, L""));
    EXPECT_FALSE(IsUploadAccepted(12029, L"200"));
}

TEST(MeetingRules, PrivateListScrolling)
{
    // Twelve rows in 300 pixels: eight fit, the thumb is 73 percent.
    EXPECT_EQ(PrivateThumbPercent(300, 12), 73);
    EXPECT_EQ(PrivateThumbPercent(300, 8), 0);
    EXPECT_EQ(PrivateFirstRow(300, 12, 50), 2);
    EXPECT_EQ(PrivateFirstRow(300, 12, 0), 0);
    EXPECT_EQ(PrivateFirstRow(300, 12, 100), 4);
    EXPECT_EQ(PrivateWheelPosition(50, -120), 54);
    EXPECT_EQ(PrivateWheelPosition(50, 120), 46);
    EXPECT_EQ(PrivateWheelPosition(98, -120), 100);
    EXPECT_EQ(PrivateWheelPosition(2, 120), 0);
}

TEST(MeetingRules, RightPaneLayoutAt542)
{
    CRect chat, docs;
    RightPaneLayout(283, 542, chat, docs);
    EXPECT_EQ(chat, CRect(8, 40, 8 + 274, 40 + 341));
    EXPECT_EQ(docs.top, 375);
    EXPECT_EQ(docs.Height(), 165);
}

TEST(MeetingRules, PageKeysActOnReleaseArrowsOnlyInFullView)
{
    const LPARAM up = (LPARAM)0x80000000, down = 0;
    struct Case {
        int code;
        WPARAM key;
        LPARAM flags;
        BOOL visible, full;
        int step;
    } cases[] = {
        {HC_ACTION, VK_NEXT, up, TRUE, FALSE, 1},   {HC_ACTION, VK_NEXT, down, TRUE, FALSE, 0},
        {HC_ACTION, VK_PRIOR, up, TRUE, FALSE, -1}, {HC_ACTION, VK_NEXT, up, FALSE, FALSE, 0},
        {HC_NOREMOVE, VK_NEXT, up, TRUE, FALSE, 0}, {HC_ACTION, VK_RIGHT, up, TRUE, FALSE, 0},
        {HC_ACTION, VK_RIGHT, up, TRUE, TRUE, 1},   {HC_ACTION, VK_DOWN, up, TRUE, TRUE, 1},
        {HC_ACTION, VK_LEFT, up, TRUE, TRUE, -1},   {HC_ACTION, VK_UP, up, TRUE, TRUE, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CMeetingLayer::PageKeyStep(c.code, c.key, c.flags, c.visible, c.full), c.step) << c.key;
}
