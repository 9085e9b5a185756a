// The slider bar's value rules: thumb position for a percentage and back, inside the client.
#include <gtest/gtest.h>

#include "ui/controls/SlideBarMath.h"

namespace {

TEST(SlideBarMath, ThumbLeftForAPercentage)
{
    struct Case { int client, thumb; double percent; int left; } cases[] = {
        {200, 20, 50, 90},
        {200, 20, 0, 0},
        {200, 20, 100, 180},
        {200, 20, 33.3, 59},    // truncated
        {120, 12, 12.5, 13},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SlideThumbLeftForPercent(c.client, c.thumb, c.percent), c.left) << c.percent;
}

TEST(SlideBarMath, PointerPositionsAreKeptInsideTheClient)
{
    struct Case { int x, grab, left; } cases[] = {
        {100, 0, 100}, {100, 6, 94}, {3, 6, 0}, {-40, 0, 0}, {195, 0, 180}, {500, 10, 180},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SlideThumbLeftForPointer(c.x, c.grab, 200, 20), c.left) << c.x << "-" << c.grab;
}

TEST(SlideBarMath, PercentageOfTheTravelAndNoDivisionByZeroWithoutTravel)
{
    struct Case { int left, client, thumb; double percent; } cases[] = {
        {90, 200, 20, 50.0}, {0, 200, 20, 0.0}, {180, 200, 20, 100.0}, {45, 200, 20, 25.0},
        {0, 20, 20, 0.0},     // a thumb as wide as the bar has no travel
        {0, 10, 20, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(SlidePercentForThumbLeft(c.left, c.client, c.thumb), c.percent) << c.left << "/" << c.client;
}

}  // namespace
