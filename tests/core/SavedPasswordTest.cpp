#include "core/SavedPassword.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string Encrypt(const wchar_t* text)
{
    std::unique_ptr<char[]> p(EncryptSavedPassword(text));
    return p.get();
}

std::string Decrypt(const wchar_t* hex)
{
    std::unique_ptr<char[]> p(DecryptSavedPassword(hex));
    return p.get();
}

}  // namespace

// Expected digits: openssl enc -aes-128-cbc -K <"plumvaneplumvane"> -iv 0 -nopad over the ANSI
// text, its terminator and zero fill to whole blocks.
TEST(SavedPassword, MatchesOpenSslAndRoundTrips)
{
    const struct {
        const wchar_t* text;
        const char* hex;
    } cases[] = {
        {L"", "416F0DB05A10D4831CFC355B0855136F"},
        {L"secret", "F3CA668F0FCA38C64906C88A31C9915F"},
        {L"abcdefghijklmno", "B3086E0E06715997697E2BA33FD2F8D9"},
        // 16 bytes and more are kept whole in further blocks.
        {L"abcdefghijklmnop",
         "412A9B770920E17AD99C0EBF4BE3CF60A9C65A0EFA25CD99B9CA578CAB17B4C6"},
        {L"0123456789abcdefghijklmnopqrstuvwxyz",
         "971C43C31B8242766B344B1E639D98122D81556BB700BDD13BCE3F289269CAA9"
         "17B2D3C04997CCA3C75BE26B09FF0E8C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(c.hex, Encrypt(c.text));
        std::wstring hex;
        for (const char* p = c.hex; *p; ++p)
            hex.push_back(wchar_t(*p));
        std::string expected;
        for (const wchar_t* p = c.text; *p; ++p)
            expected.push_back(char(*p));
        EXPECT_EQ(expected, Decrypt(hex.c_str()));
    }
}

TEST(SavedPassword, OldSingleBlockOfSixteenBytesStillReads)
{
    // Earlier versions kept only the first 16 bytes, without a terminator, in one block.
    EXPECT_EQ("abcdefghijklmnop", Decrypt(L"412A9B770920E17AD99C0EBF4BE3CF60"));
}

TEST(SavedPassword, LongPasswordGetsABufferLargeEnough)
{
    std::wstring text(2000, L'x');
    std::string hex = Encrypt(text.c_str());
    EXPECT_EQ(2 * 2016u, hex.size());
    std::wstring wide(hex.begin(), hex.end());
    EXPECT_EQ(std::string(2000, 'x'), Decrypt(wide.c_str()));
}

TEST(SavedPassword, CorruptValuesGiveEmptyText)
{
    const wchar_t* cases[] = {
        L"",
        L"416F0DB0",                             // short
        L"416F0DB05A10D4831CFC355B0855136",      // 31 digits
        L"416F0DB05A10D4831CFC355B0855136F41",   // not whole blocks
        L"416f0db05a10d4831cfc355b0855136f",     // lower case
        L"416F0DB05A10D4831CFC355B0855136G",
        nullptr,
    };
    for (const wchar_t* c : cases) {
        SCOPED_TRACE(c ? c : L"(null)");
        EXPECT_EQ("", Decrypt(c));
    }
}
