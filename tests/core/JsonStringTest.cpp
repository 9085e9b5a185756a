#include "core/JsonHelpers.h"
#include "tests/platform/StringPrinting.h"

#include <gtest/gtest.h>

TEST(JsonHelpers, GetJsonStringTable)
{
    Json::Value body;
    Json::Reader reader;
    ASSERT_TRUE(reader.parse(
        "{\"s\":\"\xea\xb0\x80 a\",\"i\":7,\"neg\":-12,\"low\":-4294967296,\"big\":4294967296,\"u\":18446744073709551615,"
        "\"r\":3.5,\"b\":true,\"n\":null,\"a\":[1],\"o\":{}}",
        body));
    const struct {
        const char* key;
        const wchar_t* expected;
    } cases[] = {
        {"s", L"\uac00 a"}, {"i", L"7"}, {"neg", L"-12"}, {"low", L"-4294967296"}, {"big", L""}, {"u", L""},
        {"r", L""},         {"b", L""},  {"n", L""},      {"a", L""},             {"o", L""},
        {"missing", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(CString(c.expected), GetJsonString(body, c.key));
    }
    EXPECT_EQ("\xea\xb0\x80 a", GetJsonUtf8(body, "s"));
    EXPECT_EQ(CString(L"7"), GetJsonStringAnsi(body, "i"));
    EXPECT_EQ(CString(), GetJsonString(Json::Value("text"), "s"));
}
