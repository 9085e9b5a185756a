#include "platform/CivilDate.h"

#include <gtest/gtest.h>

namespace {

TEST(CivilDate, DayNumbersCountFromTheUnixEpoch)
{
    struct Case { int year, month, day; long long days; };
    const Case cases[] = {
        {1970, 1, 1, 0}, {1969, 12, 31, -1}, {2000, 3, 1, 11017}, {1899, 12, 30, -25569}, {2024, 12, 27, 20084},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zel::DaysFromCivil(c.year, c.month, c.day), c.days) << c.year << "-" << c.month << "-" << c.day;
        int y = 0, m = 0, d = 0;
        zel::CivilFromDays(c.days, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, c.year * 10000 + c.month * 100 + c.day);
    }
}

TEST(CivilDate, AnImpossibleDayRollsIntoTheNextMonth)
{
    EXPECT_EQ(zel::DaysFromCivil(2024, 2, 30), zel::DaysFromCivil(2024, 3, 1));
    EXPECT_EQ(zel::DaysFromCivil(2023, 2, 29), zel::DaysFromCivil(2023, 3, 1));
    EXPECT_EQ(zel::DaysFromCivil(2024, 12, 31) - zel::DaysFromCivil(2024, 1, 1), 365);
}

}  // namespace
