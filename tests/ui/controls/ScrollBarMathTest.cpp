// The scroll bars' arithmetic: thumb sizes, thumb places, dragging and the empty track.
#include <gtest/gtest.h>

#include "ui/controls/ScrollBarMath.h"

namespace {

TEST(ScrollBarMath, ThumbHeights)
{
    const int percent[][3] = {
        // client height, percent, thumb
        {200, 10, 20},    // 17 is raised to 20
        {200, 50, 88},
        {200, 100, 177},
        {200, 0, 20},
        {100, 40, 30},
    };
    for (const auto& c : percent)
        EXPECT_EQ(ScrollThumbHeightPercent(c[0], c[1]), c[2]) << c[0] << " " << c[1];
    const struct {
        int height, visible;
        double range;
        int thumb;
    } items[] = {
        {200, 20, 20, 0},     // everything visible: no thumb
        {200, 0, 40, 0},      // nothing visible
        {200, 20, 40, 88},    // half of H - 23
        {200, 1, 100, 20},
        {200, 5, 0, 0},       // an empty range
    };
    for (const auto& c : items)
        EXPECT_EQ(ScrollThumbHeightItems(c.height, c.visible, c.range), c.thumb) << c.visible << "/" << c.range;
}

TEST(ScrollBarMath, ThumbPlaceForAPosition)
{
    const struct {
        int height, thumb;
        double pos, range;
        int top;
    } cases[] = {
        {200, 40, 50, 100, 78},    // (int)(137 x 0.5) + 10
        {200, 40, 0, 100, 10},
        {200, 40, 100, 100, 147},
        {200, 40, 150, 100, 215},  // beyond the track: the parent keeps positions in range
        {200, 40, 3, 0, 10},       // an empty range stays at the top
        {200, 88, 10, 40, 32},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScrollThumbTop(c.height, c.thumb, c.pos, c.range), c.top) << c.pos << "/" << c.range;
}

TEST(ScrollBarMath, DraggingTheThumb)
{
    const int clamp[][3] = {{200, 40, -50}, {200, 40, 10}, {200, 40, 78}, {200, 40, 147}, {200, 40, 500}};
    const int clamped[] = {10, 10, 78, 147, 147};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(ClampScrollDragTop(clamp[i][0], clamp[i][1], clamp[i][2]), clamped[i]) << clamp[i][2];
    EXPECT_EQ(ScrollPosFromThumbTop(200, 40, 147, 100.0), 100);
    EXPECT_EQ(ScrollPosFromThumbTop(200, 40, 10, 100.0), 0);
    EXPECT_EQ(ScrollPosFromThumbTop(200, 40, 78, 100.0), 49);   // truncated
    EXPECT_EQ(ScrollPosFromThumbTop(200, 40, 147, 40.0), 40);   // counted in items
    // A thumb that fills the whole track reports 0 instead of dividing by zero.
    EXPECT_EQ(ScrollPosFromThumbTop(200, 177, 10, 100.0), 0);
    EXPECT_EQ(ScrollPosFromThumbTop(30, 20, 10, 100.0), 0);
}

} // namespace
