#include <gtest/gtest.h>

#include <vector>

#include "tests/tools/logviewer/LogViewerTestSupport.h"
#include "tools/logviewer/DecodeHexLogLine.h"
#include "tools/logviewer/LogFileLoader.h"

namespace {

struct HexCase {
    const wchar_t* line;
    const wchar_t* text;
};

class DecodeHex : public ::testing::TestWithParam<HexCase> {};

TEST_P(DecodeHex, GivesTheLinesText)
{
    EXPECT_EQ(std::wstring((LPCTSTR)DecodeHexLogLine(GetParam().line)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeHex,
    ::testing::Values(HexCase{L"41620A\n", L"Ab\n"},            // the physical "\n" is the odd last character
                      HexCase{L"616263", L"abc"},
                      HexCase{L"6a6B", L"jk"},                  // either letter case
                      HexCase{L"4G41", L"\x04" L"A"},           // a non-digit ends its pair
                      HexCase{L"41424", L"AB"},                 // odd length loses the last character
                      HexCase{L"4100420A", L"A"},               // a zero byte ends the text
                      HexCase{L"ED959C", L"\uD55C"},            // UTF-8
                      HexCase{L"", L""},
                      HexCase{L"G1", L""}));                    // 0 at once

struct ParseCase {
    const wchar_t* line;
    const wchar_t* date;
    const wchar_t* level;
    const wchar_t* text;
};

class ParseLine : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseLine, SplitsAtTheFirstBrackets)
{
    S_LOG_FILTER all;
    S_LOG_ROW row;
    ASSERT_TRUE(CLogFileLoader::ParseLogLine(GetParam().line, all, &row));
    EXPECT_EQ(std::wstring((LPCTSTR)row.strDate), GetParam().date);
    EXPECT_EQ(std::wstring((LPCTSTR)row.strLevel), GetParam().level);
    EXPECT_EQ(std::wstring((LPCTSTR)row.strText), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseLine,
    ::testing::Values(
        ParseCase{L"2024-01-05 AM 10:00:00.000 [INFO] text\n", L"2024-01-05 AM 10:00:00.000 ", L"[INFO]", L" text\n"},
        ParseCase{L"d [ERROR] a [b] c", L"d ", L"[ERROR]", L" a [b] c"},
        ParseCase{L"no brackets at all\n", L"", L"", L"no brackets at all\n"},
        ParseCase{L"only [ open", L"", L"", L"only [ open"},
        ParseCase{L"only ] close", L"", L"", L"only ] close"},
        ParseCase{L"a]b[c", L"a]b", L"", L"b[c"}));

TEST(LogFileLoader, LevelFlagsHideOnlyTheirLevelInAnyLetterCase)
{
    S_LOG_FILTER filter;
    filter.nDebug = 0;
    S_LOG_ROW row;
    EXPECT_FALSE(CLogFileLoader::ParseLogLine(L"t [DEBUG] x", filter, &row));
    EXPECT_FALSE(CLogFileLoader::ParseLogLine(L"t [debug] x", filter, &row));
    EXPECT_TRUE(CLogFileLoader::ParseLogLine(L"t [INFO] x", filter, &row));
    EXPECT_TRUE(CLogFileLoader::ParseLogLine(L"t [ DEBUG] x", filter, &row));
    EXPECT_TRUE(CLogFileLoader::ParseLogLine(L"DEBUG without brackets", filter, &row));
}

TEST(LogFileLoader, TheSearchTextIsLookedForCaseSensitivelyInTheTextOnly)
{
    S_LOG_FILTER filter;
    filter.strSearch = L"abc";
    S_LOG_ROW row;
    EXPECT_TRUE(CLogFileLoader::ParseLogLine(L"d [INFO] xabcx", filter, &row));
    EXPECT_FALSE(CLogFileLoader::ParseLogLine(L"d [INFO] xABCx", filter, &row));
    EXPECT_FALSE(CLogFileLoader::ParseLogLine(L"abc [INFO] x", filter, &row));
    EXPECT_TRUE(CLogFileLoader::ParseLogLine(L"no brackets abc", filter, &row));
}

class LoadFileTest : public ::testing::Test {
protected:
    std::vector<S_LOG_ROW> Load(const std::string& bytes, const S_LOG_FILTER& filter = S_LOG_FILTER())
    {
        zeltest::WriteFileBytes(m_dir.File(L"a.txt"), bytes);
        std::vector<S_LOG_ROW> rows;
        std::atomic<int> stop{0};
        int n = CLogFileLoader::LoadFile(m_dir.File(L"a.txt").c_str(), filter, stop,
                                         [&](const S_LOG_ROW& row) { rows.push_back(row); });
        EXPECT_EQ((size_t)n, rows.size());
        return rows;
    }
    zeltest::TempDir m_dir;
};

TEST_F(LoadFileTest, TheHeaderIsNeverARowInPlainAndHexFiles)
{
    auto plain = Load("2024-01-05 AM 10:00:00.000 <<Create log file>> \r\nd [INFO] one\r\nlast without break");
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(plain[0].strText, L" one\n");
    EXPECT_EQ(plain[1].strText, L"last without break");

    // "d [INFO] \xED\x95\x9C\n" and "x [DEBUG] y\n" in hexadecimal.
    auto hex = Load("2024-01-05 AM 10:00:00.000 <<Create log file>> <<CRYPTO>>\r\n"
                    "64205B494E464F5D20ED959C0A\r\n"
                    "78205B44454255475D20790A\r\n");
    ASSERT_EQ(hex.size(), 2u);
    EXPECT_EQ(hex[0].strLevel, L"[INFO]");
    EXPECT_EQ(hex[0].strText, L" \uD55C\n");
    EXPECT_EQ(hex[1].strLevel, L"[DEBUG]");

    EXPECT_TRUE(Load("").empty());
    EXPECT_TRUE(Load("header only\r\n").empty());
}

TEST_F(LoadFileTest, AFileMarkedUtf16IsReadAsUtf16)
{
    std::wstring text = L"header\r\nd [WARNING] \uD55C\r\n";
    auto rows = Load("\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].strLevel, L"[WARNING]");
    EXPECT_EQ(rows[0].strText, L" \uD55C\n");
}

TEST_F(LoadFileTest, AMissingFileGivesNoRowsAndAStopRequestEndsTheLoading)
{
    std::atomic<int> stop{0};
    int calls = 0;
    EXPECT_EQ(CLogFileLoader::LoadFile(m_dir.File(L"missing.txt").c_str(), S_LOG_FILTER(), stop,
                                       [&](const S_LOG_ROW&) { ++calls; }),
              0);
    std::string bytes = "header\r\n";
    for (int i = 0; i < 1000; ++i) bytes += "d [INFO] row\r\n";
    zeltest::WriteFileBytes(m_dir.File(L"big.txt"), bytes);
    int n = CLogFileLoader::LoadFile(m_dir.File(L"big.txt").c_str(), S_LOG_FILTER(), stop, [&](const S_LOG_ROW&) {
        if (++calls == 10) stop = 1;
    });
    EXPECT_EQ(n, 10);
}

}  // namespace
