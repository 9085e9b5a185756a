#include "core/ColorText.h"

#include <gtest/gtest.h>

TEST(ColorText, ParseHexColorTable)
{
    const struct {
        const wchar_t* text;
        COLORREF expected;
    } cases[] = {
        {L"FF8000", RGB(255, 128, 0)},
        {L"F", RGB(240, 0, 0)},          // the appended zeros fill the rest
        {L"  0000ff \t", RGB(0, 0, 255)},
        {L"zz", RGB(0, 0, 0)},
        {L"#FF8000", RGB(0, 0xF8, 0x00)},  // "#" ends the red reading; green "F8", blue "00"
        {L"", RGB(0, 0, 0)},
        {L"12345678", RGB(0x12, 0x34, 0x56)},
        {L"aBcDeF", RGB(0xAB, 0xCD, 0xEF)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(c.expected, ParseHexColor(c.text));
    }
}

TEST(ColorText, HexToIntStopsAtTheFirstOtherCharacter)
{
    EXPECT_EQ(0xAB, HexToInt(L"ABCD", 2));
    EXPECT_EQ(0xABCD, HexToInt(L"ABCD", 10));
    EXPECT_EQ(0xA, HexToInt(L"Ag", 2));
    EXPECT_EQ(0, HexToInt(L"#A", 2));
    EXPECT_EQ(0, HexToInt(L"", 2));
}

TEST(ColorText, DefaultsWhenEmpty)
{
    const COLORREF def = RGB(1, 2, 3);
    EXPECT_EQ(def, ParseHexColorOr(L"", def));
    EXPECT_EQ(RGB(255, 0, 0), ParseHexColorOr(L"FF0000", def));
    EXPECT_EQ(RGB(0, 255, 0), GetColorOrDefault(L"", L"00FF00", def));
    EXPECT_EQ(RGB(0, 0, 255), GetColorOrDefault(L"0000FF", L"00FF00", def));
    EXPECT_EQ(def, GetColorOrDefault(L"", L"", def));
}
