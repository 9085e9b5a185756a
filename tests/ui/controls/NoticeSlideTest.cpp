// The tray notice's slide: taskbar edge, step interval and the positions of a whole slide.
#include <gtest/gtest.h>

#include "ui/controls/NoticeSlide.h"

namespace {

TEST(NoticeEdge, FromTheWorkAreaAgainstTheScreen)
{
    struct Case {
        RECT work;
        int expected;
    } cases[] = {
        {{0, 0, 1920, 1040}, NOTICE_EDGE_BOTTOM},
        {{0, 0, 1920, 1080}, NOTICE_EDGE_BOTTOM},   // no taskbar
        {{0, 0, 1860, 1080}, NOTICE_EDGE_RIGHT},
        {{60, 0, 1920, 1080}, NOTICE_EDGE_LEFT},
        {{0, 40, 1920, 1080}, NOTICE_EDGE_TOP},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NoticeEdge(c.work, 1920, 1080), c.expected) << c.work.left << "," << c.work.top;
}

TEST(NoticeStepInterval, TimeOverStepsAndNoDivisionByZeroForTinyExtents)
{
    struct Case {
        UINT time;
        int extent, step;
        UINT expected;
    } cases[] = {
        {500, 107, 2, 9},    // 53 steps
        {500, 275, 2, 3},    // 137 steps
        {500, 2, 2, 500},    // one step
        {500, 1, 2, 500},    // under one step: still one step, not a division by zero
        {500, 0, 2, 500},
        {500, 10, 0, 500},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NoticeStepInterval(c.time, c.extent, c.step), c.expected) << c.extent << "/" << c.step;
}

TEST(NoticeSlide, BottomRisesInFiftyFourStepsAndSinksBack)
{
    const RECT work = {0, 0, 1024, 728};
    NOTICE_SLIDE slide;
    slide.Begin(work, NOTICE_EDGE_BOTTOM, 275, 107, 500, 500);
    EXPECT_EQ(slide.nAppearInterval, 9u);
    EXPECT_EQ(slide.WindowRect(), CRect(749, 728, 1024, 728));
    int steps = 0;
    while (slide.StepIn()) ++steps;
    EXPECT_EQ(steps, 54);
    EXPECT_EQ(slide.nCurY, 728 - 108);
    EXPECT_EQ(slide.nVisibleHeight, 107);
    steps = 0;
    while (slide.StepOut()) ++steps;
    EXPECT_EQ(steps, 54);
    EXPECT_EQ(slide.nCurY, 728);
}

TEST(NoticeSlide, RightSlidesInAtFullHeightAndJumpsBackWhenRenotified)
{
    const RECT work = {0, 0, 964, 768};
    NOTICE_SLIDE slide;
    slide.Begin(work, NOTICE_EDGE_RIGHT, 275, 107, 500, 500);
    EXPECT_EQ(slide.nAppearInterval, 3u);
    slide.StepIn();
    EXPECT_EQ(slide.WindowRect(), CRect(962, 661, 1237, 768));
    while (slide.StepIn()) {}
    EXPECT_LE(slide.nCurX, 964 - 275);
    slide.StepOut();
    slide.StepOut();
    slide.JumpShown(work);
    EXPECT_EQ(slide.nCurX, 964 - 275);
}

TEST(NoticeSlide, NarrowNoticeStillEnds)
{
    const RECT work = {0, 0, 800, 600};
    NOTICE_SLIDE slide;
    slide.Begin(work, NOTICE_EDGE_LEFT, 1, 1, 500, 500);
    EXPECT_EQ(slide.nAppearInterval, 500u);
    int steps = 0;
    while (slide.StepIn() && steps < 10) ++steps;
    EXPECT_EQ(steps, 1);
}

TEST(NoticeTexts, TitledTextSplitsAfterTheFirstCharacterOnly)
{
    struct Case {
        const wchar_t *value, *title, *text;
    } cases[] = {
        {L"Heading\r\n\r\nBody", L"Heading", L"Body"},
        {L"\r\n\r\nBody", L"", L"\r\n\r\nBody"},
        {L"plain", L"", L"plain"},
        {L"a\r\n\r\nb\r\n\r\nc", L"a", L"b\r\n\r\nc"},
    };
    for (const Case& c : cases) {
        CString title = L"old", text;
        SplitTitledText(c.value, title, text);
        EXPECT_STREQ(title, c.title) << c.value;
        EXPECT_STREQ(text, c.text) << c.value;
    }
}

TEST(NoticeTexts, TitleFromTheDateBeforeADashPastIndexThirteen)
{
    struct Case {
        int id;
        const wchar_t *title, *text, *expectTitle, *expectText;
    } cases[] = {
        {7, L"", L"2024.12.05 10:00 - Budget review", L"[2024.12.05 10:00]", L" Budget review"},
        {7, L"", L"short title - body", L"", L"short title - body"},     // dash at 12
        {7, L"", L"abcdefghijkl - x", L"", L"abcdefghijkl - x"},         // dash at 13
        {7, L"", L"abcdefghijklm - x", L"[abcdefghijklm]", L" x"},        // dash at 14
        {7, L"", L"2024-12-05 10:00 - x", L"", L"2024-12-05 10:00 - x"},  // first dash at 4
        {0, L"", L"2024.12.05 10:00 - Budget review", L"", L"2024.12.05 10:00 - Budget review"},
        {7, L"Given", L"2024.12.05 10:00 - Budget review", L"Given", L"2024.12.05 10:00 - Budget review"},
        {7, L"", L"no dash in this long text", L"", L"no dash in this long text"},
    };
    for (const Case& c : cases) {
        CString title = c.title, text = c.text;
        DeriveNoticeTitle(c.id, title, text);
        EXPECT_STREQ(title, c.expectTitle) << c.text;
        EXPECT_STREQ(text, c.expectText) << c.text;
    }
}

}  // namespace
