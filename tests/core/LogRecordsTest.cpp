#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/LogRecords.h"

namespace {

std::wstring TextAt(const BYTE* p, size_t maxUnits)
{
    std::wstring s;
    const wchar_t* w = reinterpret_cast<const wchar_t*>(p);
    for (size_t i = 0; i < maxUnits && w[i]; ++i) s += w[i];
    return s;
}

struct ShortLineCase {
    int level;
    size_t textUnits;
    size_t expectedBytes;
    uint16_t expectedLevel;
};

class ShortLineSize : public ::testing::TestWithParam<ShortLineCase> {};

TEST_P(ShortLineSize, HasTheRecordLengthAndLevelOfTheText)
{
    const ShortLineCase& c = GetParam();
    std::wstring text(c.textUnits, L'x');
    size_t cb = 0;
    auto rec = BuildLogShortLine(c.level, L"C:\\logs\\ZELLog.txt", text.c_str(), text.size(), &cb);
    ASSERT_TRUE(rec);
    EXPECT_EQ(cb, c.expectedBytes);
    uint16_t level = 0;
    memcpy(&level, rec.get(), 2);
    EXPECT_EQ(level, c.expectedLevel);
    EXPECT_EQ(TextAt(rec.get() + 2, 261), L"C:\\logs\\ZELLog.txt");
    EXPECT_EQ(TextAt(rec.get() + 524, c.textUnits + 1), text);
    // The text's terminator is the record's last unit.
    EXPECT_EQ(rec[cb - 1], 0);
    EXPECT_EQ(rec[cb - 2], 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortLineSize, ::testing::Values(
    ShortLineCase{2, 0, 526, 2},
    ShortLineCase{4, 1000, 2526, 4},
    ShortLineCase{65537, 3, 532, 1},
    ShortLineCase{7, 100000, 200526, 7}));

TEST(LogRecords, LongKeysAreCutInsideTheirFields)
{
    std::wstring longPath(400, L'p');
    std::wstring folder(300, L'f');
    size_t cb = 0;
    auto line = BuildLogShortLine(2, longPath.c_str(), L"text", 4, &cb);
    ASSERT_TRUE(line);
    ASSERT_EQ(cb, 534u);
    // 259 units and a terminator; the text that follows is intact.
    EXPECT_EQ(TextAt(line.get() + 2, 261), longPath.substr(0, 259));
    EXPECT_EQ(TextAt(line.get() + 524, 5), L"text");

    auto reg = BuildLogRegistration(folder.c_str(), longPath.c_str(), 30, 1, 1, 0);
    ASSERT_TRUE(reg);
    EXPECT_EQ(std::wstring(reg->szFolder), folder.substr(0, 259));
    EXPECT_EQ(std::wstring(reg->szPath), longPath.substr(0, 259));
    EXPECT_EQ(reg->nKeepDays, 30);
}

TEST(LogRecords, RegistrationCarriesTheFourSwitchesAtTheirOffsets)
{
    auto reg = BuildLogRegistration(L"C:\\a\\Log", L"C:\\a\\ZELLog.txt", 30, 1, 2, 0);
    ASSERT_TRUE(reg);
    const BYTE* p = reinterpret_cast<const BYTE*>(reg.get());
    int32_t v[4];
    memcpy(v, p + 1040, sizeof v);
    EXPECT_EQ(v[0], 30);
    EXPECT_EQ(v[1], 1);
    EXPECT_EQ(v[2], 2);
    EXPECT_EQ(v[3], 0);
    EXPECT_EQ(TextAt(p, 260), L"C:\\a\\Log");
    EXPECT_EQ(TextAt(p + 520, 260), L"C:\\a\\ZELLog.txt");
}

}  // namespace
