#include "platform/Convert.h"
#include "StringPrinting.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ConvertTest, Utf8RoundTrips)
{
    struct { const char* utf8; const wchar_t* wide; } cases[] = {
        { "", L"" },
        { "plain", L"plain" },
        { "\xED\x9A\x8C\xEC\x9D\x98", L"\uD68C\uC758" },
        { "\xF0\x9F\x98\x80", L"\U0001F600" },  // outside the BMP: a surrogate pair
        { "a\xC3\xA9z", L"a\u00E9z" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToWide(c.utf8), c.wide) << c.utf8;
        EXPECT_EQ(WideToUtf8(c.wide), c.utf8) << c.utf8;
        EXPECT_EQ(Utf8ToWide(std::string(c.utf8)), c.wide) << c.utf8;
    }
}

TEST(ConvertTest, InvalidUtf8BecomesReplacementCharacters)
{
    CString w = Utf8ToWide("a\xFF" "b");
    EXPECT_EQ(w, L"a\uFFFDb");
}

TEST(ConvertTest, NullAndEmbeddedNul)
{
    EXPECT_EQ(Utf8ToWide(static_cast<const char*>(nullptr)), L"");
    EXPECT_EQ(AnsiToWide(static_cast<const char*>(nullptr)), L"");
    CString w = Utf8ToWide(std::string("a\0b", 3));
    EXPECT_EQ(w.GetLength(), 3);
    EXPECT_EQ(w.GetAt(2), L'b');
    EXPECT_EQ(WideToUtf8(w), std::string("a\0b", 3));
}

TEST(ConvertTest, AnsiRoundTripsAscii)
{
    EXPECT_EQ(AnsiToWide("ascii 123"), L"ascii 123");
    EXPECT_EQ(AnsiToWide(std::string("x")), L"x");
    EXPECT_EQ(WideToAnsi(L"ascii 123"), "ascii 123");
}

TEST(ConvertTest, AdaptorClassesTakeACodePage)
{
    CString korean = L"\uD68C\uC758";
    EXPECT_STREQ(CW2A(korean, CP_UTF8), "\xED\x9A\x8C\xEC\x9D\x98");
    EXPECT_STREQ(CA2W("\xED\x9A\x8C\xEC\x9D\x98", CP_UTF8), L"\uD68C\uC758");
    EXPECT_STREQ(CT2A(L"abc"), "abc");
    EXPECT_STREQ(CA2T("abc"), L"abc");
    const wchar_t* same = L"same";
    EXPECT_EQ(static_cast<wchar_t*>(CW2T(same)), same);
    EXPECT_EQ(static_cast<char*>(CW2A(nullptr)), nullptr);
    EXPECT_EQ(static_cast<wchar_t*>(CA2W(nullptr)), nullptr);
    CStringA viaAdaptor(CW2A(korean, CP_UTF8));
    EXPECT_EQ(viaAdaptor.GetLength(), 6);
}

} // namespace
