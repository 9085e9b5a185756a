#include "core/JsonHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The body {"k": <value>} for one case; an empty value text means the key is absent.
Json::Value Body(const std::string& valueText)
{
    Json::Value root;
    Json::Reader reader;
    std::string text = valueText.empty() ? "{}" : "{\"k\":" + valueText + "}";
    EXPECT_TRUE(reader.parse(text, root)) << text;
    return root;
}

struct IntCase {
    const char* value;
    int expected;
};

struct FlagCase {
    const char* value;
    int expected;  // with the default 5 for a missing key
};

}  // namespace

TEST(JsonHelpers, GetJsonIntTable)
{
    const IntCase cases[] = {
        {"42", 42},         {"-7", -7},        {"true", 1},         {"false", 0},
        {"\"42\"", 42},     {"\" 12abc\"", 12}, {"\"abc\"", 0},       {"\"\"", 0},
        {"3.5", 0},         {"null", 0},       {"[1]", 0},          {"{\"a\":1}", 0},
        {"4294967296", 0},  // beyond int: an unsigned value to jsoncpp
        {"-4294967296", 0}, // below int: a 64-bit int, where asInt would throw
        {"18446744073709551615", 0},
        {"", 0},            // missing
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(c.expected, GetJsonInt(Body(c.value), "k"));
    }
}

TEST(JsonHelpers, GetJsonFlagTable)
{
    const FlagCase cases[] = {
        {"\"Y\"", 1},   {"\"y\"", 1},   {"\"true\"", 1}, {"\"TRUE\"", 1}, {"true", 1},
        {"1", 1},       {"-3", 1},      {"0.5", 1},      {"18446744073709551615", 1},
        {"\"N\"", 0},   {"\"n\"", 0},   {"\"false\"", 0}, {"\"\"", 0},    {"\"Yes\"", 0},
        {"false", 0},   {"0", 0},       {"0.0", 0},      {"null", 0},    {"[1]", 0},
        {"{\"a\":1}", 0},
        {"", 5},  // missing: the caller's default
    };
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(c.expected, GetJsonFlag(Body(c.value), "k", 5));
    }
}

TEST(JsonHelpers, NonObjectBodiesNeverThrow)
{
    const char* bodies[] = {"null", "[1,2]", "\"text\"", "7", "true"};
    for (const char* text : bodies) {
        SCOPED_TRACE(text);
        Json::Value v;
        Json::Reader reader;
        ASSERT_TRUE(reader.parse(text, v));
        EXPECT_EQ(nullptr, FindJsonMember(v, "k"));
        EXPECT_EQ(0, GetJsonInt(v, "k"));
        EXPECT_EQ(3, GetJsonFlag(v, "k", 3));
    }
}
