#include "core/Base64.h"
#include "core/HexText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string Decode(const std::string& text, bool* gotBuffer = nullptr)
{
    size_t n = 12345;
    unsigned char* p = Base64Decode(text.data(), text.size(), &n);
    if (gotBuffer)
        *gotBuffer = p != nullptr;
    std::string out = p ? std::string(reinterpret_cast<char*>(p), n) : std::string();
    if (!p) {
        EXPECT_EQ(0u, n);
    }
    std::free(p);
    return out;
}

std::string Encode(const std::string& bytes)
{
    return Base64Encode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

}  // namespace

TEST(Base64, EncodeDecodeTable)
{
    const struct {
        std::string bytes;
        const char* text;
    } cases[] = {
        {"abc", "YWJj"},
        {"ab", "YWI="},
        {"a", "YQ=="},
        {"", ""},
        {std::string("\x00\xff\xfe", 3), "AP/+"},
        {"Many hands make light work.", "TWFueSBoYW5kcyBtYWtlIGxpZ2h0IHdvcmsu"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.text, Encode(c.bytes));
        EXPECT_EQ(c.bytes, Decode(c.text));
    }
}

TEST(Base64, DecodeOfBadLengthsGivesNoBuffer)
{
    for (const char* text : {"", "Y", "YW", "YWJ", "YWJjY"}) {
        SCOPED_TRACE(text);
        bool got = true;
        Decode(text, &got);
        EXPECT_FALSE(got);
    }
    size_t n = 7;
    EXPECT_EQ(nullptr, Base64Decode(nullptr, 4, &n));
    EXPECT_EQ(0u, n);
}

TEST(Base64, DecodeIsNotValidatingButStaysInItsTable)
{
    // Characters outside the alphabet, including bytes above 0x7F, count as 0.
    EXPECT_EQ(std::string("\x00\x00\x00", 3), Decode("!!!!"));
    EXPECT_EQ(std::string("\x00\x00\x00", 3), Decode("\x80\xff\xc3\x9f"));
    EXPECT_EQ(std::string("\x00", 1), Decode("===="));
    EXPECT_EQ("a", Decode("YQ=="));
}

TEST(Base64, LargeRoundTrip)
{
    std::string bytes(1 << 20, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 131 + (i >> 9));
    std::string text = Encode(bytes);
    EXPECT_EQ(4 * ((bytes.size() + 2) / 3), text.size());
    EXPECT_EQ(bytes, Decode(text));
}

TEST(HexText, RoundTripIsUpperCase)
{
    const unsigned char bytes[] = {0x00, 0x1a, 0xff, 0x80, 0x7f};
    char text[11];
    BytesToHex(bytes, text, 5);
    EXPECT_STREQ("001AFF807F", text);
    unsigned char back[5] = {};
    EXPECT_TRUE(HexToBytes(text, back, 5));
    EXPECT_EQ(0, memcmp(bytes, back, 5));
}

TEST(HexText, HexToBytesTable)
{
    const struct {
        const char* text;
        bool complete;
        unsigned char expected[3];
    } cases[] = {
        {"0A1B2C", true, {0x0A, 0x1B, 0x2C}},
        {"0a1B2C", true, {0x00, 0x1B, 0x2C}},  // lower case ends the byte early
        {"A-1B2C", true, {0x0A, 0x1B, 0x2C}},  // so does any other character
        {"0A1B", false, {0x0A, 0x1B, 0x00}},   // short: stops at the terminator
        {"0A1", false, {0x0A, 0x01, 0x00}},
        {"", false, {0x00, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        // Bytes after the terminator must never be read: put digits there.
        std::string buffer = std::string(c.text) + '\0' + "FFFFFF";
        unsigned char out[3] = {0x55, 0x55, 0x55};
        EXPECT_EQ(c.complete, HexToBytes(buffer.c_str(), out, 3));
        EXPECT_EQ(0, memcmp(c.expected, out, 3));
    }
}

TEST(HexText, IsUpperHexText)
{
    EXPECT_TRUE(IsUpperHexText(L""));
    EXPECT_TRUE(IsUpperHexText(L"0123456789ABCDEF"));
    EXPECT_FALSE(IsUpperHexText(L"0a"));
    EXPECT_FALSE(IsUpperHexText(L"0G"));
    EXPECT_FALSE(IsUpperHexText(nullptr));
}
