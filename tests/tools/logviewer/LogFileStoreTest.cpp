#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tools/logviewer/LogViewerTestSupport.h"
#include "tools/logviewer/LogFileStore.h"

namespace {

SYSTEMTIME Day(int year, int month, int day, int hour = 9)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)year;
    st.wMonth = (WORD)month;
    st.wDay = (WORD)day;
    st.wHour = (WORD)hour;
    return st;
}

S_LOG_QUEUED_LINE Line(const SYSTEMTIME& st, const wchar_t* text)
{
    S_LOG_QUEUED_LINE item;
    item.stStamp = st;
    item.strLine = text;
    return item;
}

class LogFileStoreTest : public ::testing::Test {
protected:
    void Init(BOOL crypto)
    {
        m_store.Init(m_dir.File(L"Log").c_str(), m_dir.File(L"ZELLog.txt").c_str(), crypto);
        m_store.SetKeepDays(30);
    }
    std::wstring LogPath() const { return m_dir.File(L"ZELLog.txt"); }
    std::wstring CopyPath(const wchar_t* date) const { return m_dir.File(L"Log") + L"\\" + date + L"_ZELLog.txt"; }

    zeltest::TempDir m_dir;
    CLogFileStore m_store;
};

TEST_F(LogFileStoreTest, HexLinesEndInTheirOwnLineBreakAndTheHeaderStaysReadable)
{
    Init(TRUE);
    m_store.Prepare(Day(2024, 1, 5));
    m_store.AppendLines({Line(Day(2024, 1, 5), L"a \uD55C\n"), Line(Day(2024, 1, 5), L"two\nlines\n")}, TRUE);
    auto raw = logtest::ReadRawLines(LogPath());
    ASSERT_EQ(raw.size(), 3u);
    EXPECT_EQ(raw[0], "2024-01-05 AM 09:00:00.000 <<Create log file>> <<CRYPTO>>");
    EXPECT_EQ(raw[1], "6120ED959C0A");
    EXPECT_EQ(raw[2], "74776F0A6C696E65730A");
    auto lines = logtest::ReadLogLines(LogPath());
    EXPECT_EQ(lines[1], L"a \uD55C");
}

TEST_F(LogFileStoreTest, PlainLinesAreWrittenInTextMode)
{
    Init(FALSE);
    m_store.Prepare(Day(2024, 1, 5, 12));
    m_store.AppendLines({Line(Day(2024, 1, 5), L"two\nlines\n")}, TRUE);
    auto raw = logtest::ReadRawLines(LogPath());
    ASSERT_EQ(raw.size(), 3u);
    EXPECT_EQ(raw[0], "2024-01-05 PM 12:00:00.000 <<Create log file>> ");
    EXPECT_EQ(raw[1], "two");
    EXPECT_EQ(raw[2], "lines");
}

TEST_F(LogFileStoreTest, TheFirstLineOfANewDayCopiesTheFileUnderItsDateAndStartsItAgain)
{
    Init(FALSE);
    m_store.Prepare(Day(2024, 1, 5));
    m_store.AppendLines({Line(Day(2024, 1, 5, 23), L"late\n"), Line(Day(2024, 1, 6, 0), L"early\n"),
                         Line(Day(2024, 1, 6, 1), L"later\n")},
                        TRUE);
    auto copy = logtest::ReadLogLines(CopyPath(L"2024-01-05"));
    ASSERT_EQ(copy.size(), 2u);
    EXPECT_EQ(copy[1], L"late");
    auto now = logtest::ReadLogLines(LogPath());
    ASSERT_EQ(now.size(), 3u);
    EXPECT_EQ(now[0], L"2024-01-06 AM 12:00:00.000 <<Create log file>> ");
    EXPECT_EQ(now[1], L"early");
    EXPECT_EQ(now[2], L"later");
    EXPECT_EQ(m_store.GetFileDate(), L"2024-01-06");
}

TEST_F(LogFileStoreTest, AnExistingFileKeepsItsDateAndRollsOverWhenOpenedOnAnotherDay)
{
    Init(FALSE);
    zeltest::WriteFileBytes(LogPath(), "2024-01-03 AM 08:00:00.000 <<Create log file>> \r\nold\r\n");
    m_store.Prepare(Day(2024, 1, 3));
    EXPECT_EQ(m_store.GetFileDate(), L"2024-01-03");
    EXPECT_EQ(logtest::ReadLogLines(LogPath()).size(), 2u);
    m_store.Prepare(Day(2024, 1, 5));
    EXPECT_EQ(logtest::ReadLogLines(CopyPath(L"2024-01-03"))[1], L"old");
    EXPECT_EQ(logtest::ReadLogLines(LogPath()).size(), 1u);
}

TEST_F(LogFileStoreTest, AFileStartedByAUtf16MarkGivesItsDate)
{
    Init(FALSE);
    std::wstring header = L"2024-01-03 AM 08:00:00.000 <<Create log file>> \r\n";
    std::string bytes = "\xFF\xFE" + std::string(reinterpret_cast<const char*>(header.data()), header.size() * 2);
    zeltest::WriteFileBytes(LogPath(), bytes);
    EXPECT_EQ(m_store.ReadFileDate(), L"2024-01-03");
}

TEST_F(LogFileStoreTest, WhenTheCopyCannotBeMadeTheDaysLinesStay)
{
    Init(FALSE);
    m_store.Prepare(Day(2024, 1, 5));
    m_store.AppendLines({Line(Day(2024, 1, 5), L"kept\n")}, TRUE);
    // A file where the copy folder should be: no copy can be made.
    zeltest::WriteFileBytes(m_dir.File(L"Log"), "not a folder");
    m_store.AppendLines({Line(Day(2024, 1, 6), L"next day\n"), Line(Day(2024, 1, 6), L"again\n")}, TRUE);
    auto lines = logtest::ReadLogLines(LogPath());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], L"kept");
    EXPECT_EQ(lines[2], L"next day");
    EXPECT_EQ(lines[3], L"again");
    // Once the copy can be made, the roll-over happens.
    DeleteFileW(m_dir.File(L"Log").c_str());
    m_store.AppendLines({Line(Day(2024, 1, 6), L"after\n")}, TRUE);
    EXPECT_EQ(logtest::ReadLogLines(CopyPath(L"2024-01-05")).size(), 4u);
    EXPECT_EQ(logtest::ReadLogLines(LogPath()).size(), 2u);
}

TEST_F(LogFileStoreTest, AFileWithoutADateIsCopiedUnderTheDayOfItsLastWrite)
{
    Init(FALSE);
    zeltest::WriteFileBytes(LogPath(), "C:\\no date here\r\n");
    ASSERT_TRUE(zeltest::SetLocalLastWriteTime(LogPath(), Day(2023, 12, 24, 12)));
    m_store.Prepare(Day(2024, 1, 5));
    EXPECT_TRUE(logtest::FileExists(CopyPath(L"2023-12-24")));
    EXPECT_EQ(m_store.GetFileDate(), L"2024-01-05");
}

TEST_F(LogFileStoreTest, OnlyCopiesNamedByADateOlderThanTheKeepDaysAreDeleted)
{
    Init(FALSE);
    std::wstring folder = m_dir.File(L"Log");
    CreateDirectoryW(folder.c_str(), nullptr);
    struct Case { const wchar_t* name; bool kept; } cases[] = {
        {L"2024-01-01_ZELLog.txt", false},    // 4 days old
        {L"2023-02-10_zellog.TXT", false},    // letter case does not matter
        {L"2024-01-02_ZELLog.txt", true},     // exactly the keep-days
        {L"2024-01-05_ZELLog.txt", true},     // today
        {L"2024-02-01_ZELLog.txt", true},     // in the future
        {L"backup_ZELLog.txt", true},         // not a date
        {L"2020-01-45_ZELLog.txt", true},     // no such day
        {L"2020-02-30_ZELLog.txt", true},
        {L"20200101_ZELLog.txt", true},
        {L"x2020-01-01_ZELLog.txt", true},
        {L"2020-01-01_ZELLog.txt.bak", true},
        {L"2020-01-01_TASLog.txt", true},     // another log's copy
    };
    for (const Case& c : cases) zeltest::WriteFileBytes(folder + L"\\" + c.name, "x");
    m_store.DeleteOldCopies(Day(2024, 1, 5), 3);
    for (const Case& c : cases)
        EXPECT_EQ(logtest::FileExists(folder + L"\\" + c.name), c.kept) << zeltest::Narrow(c.name);
}

}  // namespace
