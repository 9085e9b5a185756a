#include <gtest/gtest.h>

#include <cstring>

#include "core/LogRecords.h"
#include "tests/tools/logviewer/LogViewerTestSupport.h"
#include "tools/logviewer/LogRecordReader.h"

namespace {

LogRecordStatus Read(ULONG_PTR kind, const std::string& bytes, S_LOG_RECORD* rec)
{
    return ReadLogRecord(kind, bytes.empty() ? nullptr : bytes.data(), (DWORD)bytes.size(), rec);
}

TEST(LogRecordReader, ReadsTheRecordsTheClientSends)
{
    S_LOG_RECORD rec;
    ASSERT_EQ(Read(LOGCOPY_REGISTER,
                   logtest::RegistrationRecord(L"C:\\data\\Log", L"C:\\data\\ZELLog.txt", 30, 1, 2, 0), &rec),
              LOG_RECORD_OK);
    EXPECT_EQ(rec.strFolder, L"C:\\data\\Log");
    EXPECT_EQ(rec.strPath, L"C:\\data\\ZELLog.txt");
    EXPECT_EQ(rec.nKeepDays, 30);
    EXPECT_EQ(rec.nFileFlag, 1);
    EXPECT_EQ(rec.nMinLevel, 2);
    EXPECT_EQ(rec.nDebugFlag, 0);

    ASSERT_EQ(Read(LOGCOPY_SHORTLINE, logtest::ShortLineRecord(3, L"C:\\data\\ZELLog.txt", L"\uD55C text"), &rec),
              LOG_RECORD_OK);
    EXPECT_EQ(rec.nLevel, 3);
    EXPECT_EQ(rec.strPath, L"C:\\data\\ZELLog.txt");
    EXPECT_EQ(rec.strText, L"\uD55C text");

    ASSERT_EQ(Read(LOGCOPY_LINE, logtest::FullLineRecord(4, L"C:\\data\\TASLog.txt", L"full"), &rec), LOG_RECORD_OK);
    EXPECT_EQ(rec.nLevel, 4);
    EXPECT_EQ(rec.strPath, L"C:\\data\\TASLog.txt");
    EXPECT_EQ(rec.strText, L"full");

    ASSERT_EQ(Read(LOGCOPY_SHORTLINE, logtest::ShortLineRecord(2, L"C:\\k.txt", L""), &rec), LOG_RECORD_OK);
    EXPECT_EQ(rec.strText, L"");
}

// Records that are cut short, carry strings without their terminator or are odd are refused
// whole; none of them is read beyond its own bytes.
struct BadRecord {
    const char* name;
    ULONG_PTR kind;
    std::string bytes;
};

std::string Without(std::string s, size_t keep) { s.resize(keep); return s; }

std::string Filled(std::string s, size_t from, size_t count, char c)
{
    memset(&s[from], c, count);
    return s;
}

class LogRecordReaderRefuses : public ::testing::TestWithParam<BadRecord> {};

TEST_P(LogRecordReaderRefuses, TheMalformedRecord)
{
    S_LOG_RECORD rec;
    EXPECT_EQ(Read(GetParam().kind, GetParam().bytes, &rec), LOG_RECORD_MALFORMED) << GetParam().name;
}

const std::string kReg = logtest::RegistrationRecord(L"C:\\Log", L"C:\\a.txt", 3, 1, 1, 0);
const std::string kShort = logtest::ShortLineRecord(2, L"C:\\a.txt", L"text");
const std::string kFull = logtest::FullLineRecord(2, L"C:\\a.txt", L"text");

INSTANTIATE_TEST_SUITE_P(
    Table, LogRecordReaderRefuses,
    ::testing::Values(
        BadRecord{"empty registration", LOGCOPY_REGISTER, ""},
        BadRecord{"registration cut before its switches", LOGCOPY_REGISTER, Without(kReg, 1050)},
        BadRecord{"registration folder without terminator", LOGCOPY_REGISTER, Filled(kReg, 0, 520, 'A')},
        BadRecord{"registration path without terminator", LOGCOPY_REGISTER, Filled(kReg, 520, 520, 'A')},
        BadRecord{"registration without a path", LOGCOPY_REGISTER, Filled(kReg, 520, 520, 0)},
        BadRecord{"short line of 3 bytes", LOGCOPY_SHORTLINE, Without(kShort, 3)},
        BadRecord{"short line cut inside its key", LOGCOPY_SHORTLINE, Without(kShort, 300)},
        BadRecord{"short line with nothing after its key", LOGCOPY_SHORTLINE, Without(kShort, 524)},
        BadRecord{"short line of odd length", LOGCOPY_SHORTLINE, kShort + std::string(1, '\0')},
        BadRecord{"short line text without terminator", LOGCOPY_SHORTLINE, Without(kShort, kShort.size() - 2)},
        BadRecord{"short line key without terminator", LOGCOPY_SHORTLINE, Filled(kShort, 2, 522, 'B')},
        BadRecord{"full line without text", LOGCOPY_LINE, Without(kFull, 1056)},
        BadRecord{"full line text without terminator", LOGCOPY_LINE, Without(kFull, kFull.size() - 2)},
        BadRecord{"full line key without terminator", LOGCOPY_LINE, Filled(kFull, 520, 520, 'C')}));

TEST(LogRecordReader, IgnoresKindsNoLoggerSends)
{
    S_LOG_RECORD rec;
    EXPECT_EQ(Read(7, kShort, &rec), LOG_RECORD_UNKNOWN_KIND);
    EXPECT_EQ(Read(201, kShort, &rec), LOG_RECORD_UNKNOWN_KIND);
}

TEST(LogRecordReader, AcceptsALongerRegistrationAndStopsAtTheFirstTerminator)
{
    S_LOG_RECORD rec;
    std::string reg = kReg.substr(0, 1056);   // the switches are all a reader needs
    ASSERT_EQ(Read(LOGCOPY_REGISTER, reg, &rec), LOG_RECORD_OK);
    EXPECT_EQ(rec.strPath, L"C:\\a.txt");
    std::string line = logtest::ShortLineRecord(1, L"C:\\a.txt", L"ab");
    line.resize(line.size() + 20, 'x');   // bytes after the terminator are not text
    ASSERT_EQ(Read(LOGCOPY_SHORTLINE, line, &rec), LOG_RECORD_OK);
    EXPECT_EQ(rec.strText, L"ab");
}

}  // namespace
