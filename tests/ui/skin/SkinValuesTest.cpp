// The value rules of the skin file, as tables: numbers, scaled numbers, rectangles at the three
// DPI ratios, colours, object types, stamps, text escapes.
#include <gtest/gtest.h>

#include "ui/skin/SkinManager.h"
#include "ui/skin/SkinValues.h"

namespace {

TEST(SkinValues, IntegersFollowTheStrToIntRule)
{
    struct Case {
        const wchar_t* text;
        int value;
    };
    const Case cases[] = {{L"42", 42}, {L"  -7", -7}, {L"+5x", 5}, {L"12ab", 12}, {L"ab", 0}, {L"", 0}, {L"- 3", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(SkinTextToInt(c.text), c.value) << c.text;
}

TEST(SkinValues, ScaledValuesTruncateTowardZero)
{
    struct Case {
        int value;
        float ratio;
        int scaled;
    };
    const Case cases[] = {{7, 1.25f, 8}, {10, 1.5f, 15}, {-7, 1.25f, -8}, {3, 1.5f, 4}, {101, 1.25f, 126}, {0, 1.5f, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ScaleSkinValue(c.value, c.ratio), c.scaled) << c.value << " x " << c.ratio;
}

TEST(SkinValues, RectanglesAreScaledPerNumberAtEveryRatio)
{
    struct Case {
        const wchar_t* text;
        float ratio;
        RECT rc;
    };
    const Case cases[] = {
        {L"10,20,101,31", 1.0f, {10, 20, 111, 51}},
        {L"10,20,101,31", 1.25f, {12, 25, 138, 63}},
        {L"10,20,101,31", 1.5f, {15, 30, 166, 76}},
        {L"10,20", 1.0f, {10, 20, 10, 20}},
        {L" 3,3,7,7 ", 1.25f, {3, 3, 11, 11}},
        {L"", 1.5f, {0, 0, 0, 0}},
        {L"garbage", 1.0f, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const CRect r = ParseSkinRect(c.text, c.ratio);
        EXPECT_TRUE(r.EqualRect(&c.rc)) << c.text << " at " << c.ratio << ": " << r.left << "," << r.top << ","
                                        << r.right << "," << r.bottom;
    }
}

TEST(SkinValues, ColoursReadThreeHexPairs)
{
    struct Case {
        const wchar_t* text;
        COLORREF colour;
    };
    const Case cases[] = {
        {L"FF8000", RGB(255, 128, 0)}, {L"#FF8000", RGB(0, 248, 0)}, {L"FF", RGB(255, 0, 0)},
        {L"  00ff00 ", RGB(0, 255, 0)}, {L"", RGB(0, 0, 0)},         {L"0A0B0C", RGB(10, 11, 12)},
        {L"GG1122", RGB(0, 17, 34)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSkinColor(c.text), c.colour) << c.text;
    EXPECT_EQ(ColorToText(RGB(255, 128, 1)), CString(L"FF8001"));
    EXPECT_EQ(ParseSkinColor(ColorToText(RGB(1, 2, 3))), RGB(1, 2, 3));
}

TEST(SkinValues, SetOnlyWhenNotEmpty)
{
    COLORREF clr = RGB(1, 1, 1);
    ParseSkinColorIfSet(L"   ", clr);
    EXPECT_EQ(clr, RGB(1, 1, 1));
    ParseSkinColorIfSet(L" 102030", clr);
    EXPECT_EQ(clr, RGB(16, 32, 48));
    RECT rc = {1, 2, 3, 4};
    ParseRectIfSet(L"", rc);
    EXPECT_EQ(rc.right, 3);
    ParseRectIfSet(L"5,6,10,20", rc);
    EXPECT_TRUE(CRect(rc).EqualRect(CRect(5, 6, 15, 26)));
    CString text = L"keep";
    ReplaceEscapedNewline(L" ", text);
    EXPECT_EQ(text, CString(L"keep"));
    ReplaceEscapedNewline(L" a\\nb ", text);
    EXPECT_EQ(text, CString(L"a\nb"));
}

TEST(SkinValues, ObjectTypesByNameIgnoringCaseOrByNumber)
{
    struct Case {
        const wchar_t* text;
        int type;
    };
    const Case cases[] = {{L"button", 1}, {L"Button", 1}, {L"1", 1},  {L"TEXT", 5},  {L"5", 5},   {L"combo", 17},
                          {L"custom", 15}, {L"99", 99},   {L"Slider", 0}, {L"", 0}, {L"null", 0}, {L"-3", -3}};
    for (const Case& c : cases)
        EXPECT_EQ(CSkinManager::ParseObjectType(c.text), c.type) << c.text;
}

TEST(SkinValues, StampsReadYearToSecondAndComputeTheWeekday)
{
    struct Case {
        const wchar_t* text;
        int y, mo, d, h, mi, s, weekday;
    };
    const Case cases[] = {
        {L"2024-03-05 14:30", 2024, 3, 5, 14, 30, 0, 2},
        {L"20241231235959", 2024, 12, 31, 23, 59, 59, 2},
        {L"2024.12.25", 2024, 12, 25, 0, 0, 0, 3},
        {L"", 0, 0, 0, 0, 0, 0, -1},
        {L"abcd", 0, 0, 0, 0, 0, 0, -1},
    };
    for (const Case& c : cases) {
        SYSTEMTIME st;
        ParseSkinStamp(c.text, st);
        EXPECT_EQ(st.wYear, c.y) << c.text;
        EXPECT_EQ(st.wMonth, c.mo) << c.text;
        EXPECT_EQ(st.wDay, c.d) << c.text;
        EXPECT_EQ(st.wHour, c.h) << c.text;
        EXPECT_EQ(st.wMinute, c.mi) << c.text;
        EXPECT_EQ(st.wSecond, c.s) << c.text;
        EXPECT_EQ(st.wMilliseconds, 0) << c.text;
        if (c.weekday >= 0) {
            EXPECT_EQ(st.wDayOfWeek, c.weekday) << c.text;
        }
    }
}

TEST(SkinValues, MillisecondStampsReadTheirOwnWay)
{
    SYSTEMTIME st;
    ParseTimeStampMs(L"20240305143015123", st);
    EXPECT_EQ(st.wYear, 2024);
    EXPECT_EQ(st.wSecond, 15);
    EXPECT_EQ(st.wMilliseconds, 123);
    EXPECT_EQ(st.wDayOfWeek, 0);
}

TEST(SkinValues, LineBreakEscapes)
{
    EXPECT_EQ(UnescapeNewline(L"a\\nb\\n"), CString(L"a\nb\n"));
    EXPECT_EQ(UnescapeNewline(L"a\\tb"), CString(L"a\\tb"));
    EXPECT_EQ(UnescapeCrLf(L"x\\r\\ny"), CString(L"x\r\ny"));
    EXPECT_EQ(EscapeCrLf(L"x\r\ny"), CString(L"x\\r\\ny"));
    EXPECT_EQ(RectToSkinText(CRect(12, 25, 138, 63)), CString(L"12,25,126,38"));
}

} // namespace
