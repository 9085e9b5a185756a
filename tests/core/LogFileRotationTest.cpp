#include <gtest/gtest.h>

#include "core/LogFileRotation.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(LogFileRotation, OnlyARealDateAndTheLogsOwnNameMakeACopyName)
{
    struct Case { const wchar_t* name; bool copy; int year, month, day; };
    const Case cases[] = {
        {L"2024-12-27_ZELLog.txt", true, 2024, 12, 27},
        {L"2024-02-29_zellog.TXT", true, 2024, 2, 29},   // letter case aside
        {L"0100-01-01_ZELLog.txt", true, 100, 1, 1},
        {L"2023-02-29_ZELLog.txt", false},                // no leap day that year
        {L"2024-01-45_ZELLog.txt", false},
        {L"1900-13-45_ZELLog.txt", false},
        {L"2024-00-10_ZELLog.txt", false},
        {L"0099-12-31_ZELLog.txt", false},
        {L"2024-1-027_ZELLog.txt", false},
        {L"2024+12+27_ZELLog.txt", false},
        {L"2024-12-2x_ZELLog.txt", false},
        {L"20241227__ZELLog.txt", false},
        {L"backup_ZELLog.txt", false},
        {L"_ZELLog.txt", false},
        {L"2024-12-27_ZELLog.txt.bak", false},
        {L"2024-12-27-ZELLog.txt", false},
        {L"2024-12-27_TASLog.txt", false},
        {L"x2024-12-27_ZELLog.txt", false},
    };
    for (const Case& c : cases) {
        SYSTEMTIME st = {};
        EXPECT_EQ(ParseLogCopyName(c.name, L"ZELLog.txt", &st), c.copy) << zeltest::Narrow(c.name);
        if (c.copy) {
            EXPECT_EQ(st.wYear, c.year);
            EXPECT_EQ(st.wMonth, c.month);
            EXPECT_EQ(st.wDay, c.day);
        }
    }
}

TEST(LogFileRotation, TheFileDateIsTheStartOfTheFirstLine)
{
    struct Case { std::string bytes; const wchar_t* date; };
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("2024-12-26 PM 01:00:00.000 <<Create log file>> \r\n")) utf16 += {c, '\0'};
    const Case cases[] = {
        {"2024-12-27 AM 09:00:00.000 <<Create log file>> \r\nnext\r\n", L"2024-12-27"},
        {utf16, L"2024-12-26"},
        {"2024-1\r\n2-27 on the second line\r\n", L"2024-1"},
        // A CR inside the line is dropped, not taken for its end.
        {"2024-\r12-27 AM\r\n", L"2024-12-27"},
        {"", L""},
    };
    zeltest::TempDir dir;
    for (const Case& c : cases) {
        zeltest::WriteFileBytes(dir.File(L"ZELLog.txt"), c.bytes);
        EXPECT_STREQ(ReadLogFileDate(dir.File(L"ZELLog.txt").c_str()), c.date) << c.bytes;
    }
    EXPECT_STREQ(ReadLogFileDate(dir.File(L"missing.txt").c_str()), L"");
}

TEST(LogFileRotation, TheCopyIsNamedByTheFileDateOrElseByItsLastWrite)
{
    zeltest::TempDir dir;
    std::wstring path = dir.File(L"ZELLog.txt");
    zeltest::WriteFileBytes(path, "x");
    ASSERT_TRUE(zeltest::SetLocalLastWriteTime(path, {2024, 12, 5, 20, 12, 0, 0, 0}));
    struct Case { const wchar_t* fileDate; const wchar_t* copyName; };
    const Case cases[] = {
        {L"2024-12-27", L"2024-12-27_ZELLog.txt"},
        {L"2024-12-27 AM", L"2024-12-27_ZELLog.txt"},
        {L"2024-1", L"2024-12-20_ZELLog.txt"},
        {L"2024-13-45", L"2024-12-20_ZELLog.txt"},
        {L"", L"2024-12-20_ZELLog.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::wstring(MakeLogCopyPath(L"C:\\logs\\Log", c.fileDate, path.c_str())),
                  std::wstring(L"C:\\logs\\Log\\") + c.copyName)
            << zeltest::Narrow(c.fileDate);
}

}  // namespace
