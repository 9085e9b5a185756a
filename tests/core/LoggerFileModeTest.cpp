#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "core/MyLogFile.h"
#include "tests/core/CoreTestHelpers.h"
#include "tests/support/MessageBoxRecorder.h"

using coretest::SetFixedTime;

namespace {

// A logger in file mode, its files in a folder of its own, on the settable clock.
class FileLog {
public:
    explicit FileLog(int threadUse, const wchar_t* name = L"ZELLog.txt")
    {
        std::string ini = "[CMyLogFile]\r\nAppUse=0\r\nThreadUse=" + std::to_string(threadUse) + "\r\n";
        zeltest::WriteFileBytes(m_dir.File(L"LOG.ini"), ini);
        m_log.reset(new CMyLogFile(m_dir.File(L"LOG.ini").c_str()));
        m_log->SetLocalTimeSource(coretest::FixedTimeNow);
        m_path = m_dir.File(name);
        m_folder = m_dir.File(L"Log");
    }
    void Init(int minLevel = 1, int fileFlag = 1, int debugFlag = 0)
    {
        m_log->Init(m_folder.c_str(), m_path.c_str(), 30, fileFlag, minLevel, debugFlag);
    }
    CMyLogFile& operator*() { return *m_log; }
    CMyLogFile* operator->() { return m_log.get(); }
    std::string Content() const { std::string s; zeltest::ReadFileBytes(m_path, s); return s; }
    std::string Copy(const std::wstring& date) const
    {
        std::string s;
        zeltest::ReadFileBytes(m_folder + L"\\" + date + L"_ZELLog.txt", s);
        return s;
    }
    bool CopyExists(const std::wstring& name) const
    {
        return GetFileAttributesW((m_folder + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    const std::wstring& Path() const { return m_path; }
    const std::wstring& Folder() const { return m_folder; }
    const zeltest::TempDir& Dir() const { return m_dir; }

private:
    zeltest::TempDir m_dir;
    std::unique_ptr<CMyLogFile> m_log;
    std::wstring m_path, m_folder;
};

size_t Count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
    return n;
}

struct ClockCase {
    int hour, minute, second, ms;
    const wchar_t* expected;
};

TEST(LoggerTimeText, UsesATwelveHourClockWithAmAndPm)
{
    const ClockCase cases[] = {
        {0, 0, 0, 0, L"2024-12-27 AM 12:00:00.000"},
        {0, 30, 0, 0, L"2024-12-27 AM 12:30:00.000"},
        {11, 59, 59, 999, L"2024-12-27 AM 11:59:59.999"},
        {12, 0, 0, 0, L"2024-12-27 PM 12:00:00.000"},
        {12, 5, 0, 0, L"2024-12-27 PM 12:05:00.000"},
        {13, 0, 0, 0, L"2024-12-27 PM 01:00:00.000"},
        {15, 4, 5, 6, L"2024-12-27 PM 03:04:05.006"},
        {23, 59, 0, 0, L"2024-12-27 PM 11:59:00.000"},
    };
    for (const ClockCase& c : cases) {
        SYSTEMTIME st = {2024, 12, 5, 27, (WORD)c.hour, (WORD)c.minute, (WORD)c.second, (WORD)c.ms};
        EXPECT_STREQ(CMyLogFile::FormatTimeText(st), c.expected) << c.hour << ":" << c.minute;
    }
}

TEST(LoggerFileMode, StartsTheFileWithItsHeaderAndWritesUtf8LinesWithCrLf)
{
    SetFixedTime(2024, 12, 27, 15, 4, 5, 6);
    FileLog log(0);
    log.Init();
    EXPECT_EQ(log.Content(), "2024-12-27 PM 03:04:05.006 <<Create log file>> \r\n");
    // A CString object is an argument like any text.
    EXPECT_EQ(log->Log(2, L"user %s has %d pages", CString(L"\uD55C\uAE00"), 3), 1);
    EXPECT_EQ(log->Log(3, L"two\nlines"), 1);
    EXPECT_EQ(log.Content(),
              "2024-12-27 PM 03:04:05.006 <<Create log file>> \r\n"
              "2024-12-27 PM 03:04:05.006 [INFO] user \xED\x95\x9C\xEA\xB8\x80 has 3 pages\r\n"
              "2024-12-27 PM 03:04:05.006 [WARNING] two\r\nlines\r\n");
}

TEST(LoggerFileMode, FiltersByTheMinimumLevel)
{
    struct Case { int minLevel, level, result; const char* written; };
    const Case cases[] = {
        {0, 4, 0, nullptr}, {2, 1, 0, nullptr}, {2, 2, 1, "[INFO] x"}, {1, 1, 1, "[DEBUG] x"},
        {1, 4, 1, "[ERROR] x"}, {1, 7, 1, "[] x"}, {5, 4, 0, nullptr},
    };
    SetFixedTime(2024, 12, 27, 9, 0, 0);
    for (const Case& c : cases) {
        FileLog log(0);
        log.Init(c.minLevel);
        // A caller that asks first skips exactly the lines that would not be written.
        EXPECT_EQ(log->Takes(c.level), c.result == 1) << c.minLevel << "/" << c.level;
        EXPECT_EQ(log->Log(c.level, L"x"), c.result) << c.minLevel << "/" << c.level;
        std::string content = log.Content();
        EXPECT_EQ(Count(content, "\r\n"), c.written ? 2u : 1u) << c.minLevel << "/" << c.level;
        if (c.written) {
            EXPECT_NE(content.find(c.written), std::string::npos) << content;
        }
    }
}

TEST(LoggerFileMode, NothingIsWrittenBeforeInit)
{
    SetFixedTime(2024, 12, 27, 9, 0, 0);
    FileLog log(0);
    EXPECT_FALSE(log->Takes(4));
    EXPECT_EQ(log->Log(4, L"early"), 0);
    EXPECT_EQ(GetFileAttributesW(log.Path().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(LoggerFileMode, LogTextHonoursTheFileFlagAndDoesNotFormat)
{
    SetFixedTime(2024, 12, 27, 9, 0, 0);
    FileLog off(0);
    off.Init(1, 0);
    EXPECT_EQ(off->LogText(2, L"100% %d done"), 0);
    EXPECT_EQ(Count(off.Content(), "\r\n"), 1u);
    EXPECT_EQ(off->Log(2, L"Log ignores the file flag"), 1);

    FileLog on(0);
    on.Init(1, 1, 1);
    EXPECT_EQ(on->LogText(2, L"100% %d done"), 1);
    EXPECT_NE(on.Content().find("[INFO] 100% %d done\r\n"), std::string::npos);
}

TEST(LoggerFileMode, TheFirstLineOfANewDayRollsTheFileOver)
{
    SetFixedTime(2024, 12, 27, 23, 59, 0);
    FileLog log(0);
    log.Init();
    log->Log(2, L"old day");
    // An older copy of the same name is replaced.
    CreateDirectoryW(log.Folder().c_str(), nullptr);
    zeltest::WriteFileBytes(log.Folder() + L"\\2024-12-27_ZELLog.txt", "stale");
    std::string yesterday = log.Content();

    SetFixedTime(2024, 12, 28, 0, 0, 1);
    EXPECT_EQ(log->Log(2, L"new day"), 1);
    EXPECT_EQ(log.Copy(L"2024-12-27"), yesterday);
    EXPECT_EQ(log.Content(), "2024-12-28 AM 12:00:01.000 <<Create log file>> \r\n"
                             "2024-12-28 AM 12:00:01.000 [INFO] new day\r\n");
    EXPECT_STREQ(log->GetFileDate(), L"2024-12-28");
}

TEST(LoggerFileMode, AFailedCopyKeepsTheLogInsteadOfEmptyingIt)
{
    SetFixedTime(2024, 12, 27, 22, 0, 0);
    FileLog log(0);
    log.Init();
    log->Log(2, L"first day");
    // A file where the roll-over folder should be: neither the folder nor the copy can be made.
    zeltest::WriteFileBytes(log.Folder(), "in the way");

    SetFixedTime(2024, 12, 28, 8, 0, 0);
    EXPECT_EQ(log->Log(2, L"second day"), 1);
    std::string content = log.Content();
    EXPECT_NE(content.find("[INFO] first day"), std::string::npos);
    EXPECT_NE(content.find("[INFO] second day"), std::string::npos);

    // Once the folder can be made, the next line rolls over with everything kept.
    DeleteFileW(log.Folder().c_str());
    EXPECT_EQ(log->Log(2, L"later"), 1);
    std::string copy = log.Copy(L"2024-12-27");
    EXPECT_NE(copy.find("[INFO] first day"), std::string::npos);
    EXPECT_NE(copy.find("[INFO] second day"), std::string::npos);
    EXPECT_EQ(Count(log.Content(), "\r\n"), 2u);
    EXPECT_NE(log.Content().find("[INFO] later"), std::string::npos);
}

TEST(LoggerFileMode, RollOverDeletesOnlyItsOwnCopiesOlderThanTheKeepDays)
{
    SetFixedTime(2024, 12, 27, 10, 0, 0);
    FileLog log(0);
    log.Init();
    CreateDirectoryW(log.Folder().c_str(), nullptr);
    struct Copy { const wchar_t* name; bool kept; };
    // The roll-over runs on 2024-12-28: 30 days back is 2024-11-28. A name that matches the
    // copies' pattern without being a real date is not a copy of this log and stays.
    const Copy copies[] = {
        {L"2024-11-28_ZELLog.txt", true},  {L"2024-11-27_ZELLog.txt", false},
        {L"2023-06-01_zellog.TXT", false}, {L"2024-12-20_ZELLog.txt", true},
        {L"2024-11-27_TASLog.txt", true},  {L"1900-13-45_ZELLog.txt", true},
        {L"2020-01-45_ZELLog.txt", true},  {L"2023-02-29_ZELLog.txt", true},
        {L"backup_ZELLog.txt", true},      {L"old_copy_ZELLog.txt", true},
        {L"20200101_ZELLog.txt", true},    {L"x2020-01-01_ZELLog.txt", true},
    };
    for (const Copy& c : copies) zeltest::WriteFileBytes(log.Folder() + L"\\" + c.name, "x");

    SetFixedTime(2024, 12, 28, 10, 0, 0);
    log->Log(2, L"roll");
    for (const Copy& c : copies) EXPECT_EQ(log.CopyExists(c.name), c.kept) << zeltest::Narrow(c.name);
    EXPECT_TRUE(log.CopyExists(L"2024-12-27_ZELLog.txt"));
}

TEST(LoggerFileMode, ReadsTheDateOfAnExistingFile)
{
    struct Case { std::string bytes; const wchar_t* date; bool rolled; };
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("2024-12-26 PM 01:00:00.000 <<Create log file>> \r\n")) utf16 += {c, '\0'};
    const Case cases[] = {
        {"2024-12-27 AM 09:00:00.000 <<Create log file>> \r\nkept\r\n", L"2024-12-27", false},
        {"2024-12-26 AM 09:00:00.000 <<Create log file>> \r\nold\r\n", L"2024-12-26", true},
        {utf16, L"2024-12-26", true},
    };
    SetFixedTime(2024, 12, 27, 12, 0, 0);
    for (const Case& c : cases) {
        FileLog log(0);
        zeltest::WriteFileBytes(log.Path(), c.bytes);
        log.Init();
        EXPECT_EQ(log.CopyExists(std::wstring(c.date) + L"_ZELLog.txt"), c.rolled) << zeltest::Narrow(c.date);
        if (c.rolled) {
            EXPECT_EQ(log.Copy(c.date), c.bytes);
            EXPECT_EQ(Count(log.Content(), "\r\n"), 1u);
        } else {
            EXPECT_EQ(log.Content(), c.bytes);
        }
    }
}

TEST(LoggerFileMode, AFileWithoutADateIsRolledOverUnderTheDayItWasLastWritten)
{
    SetFixedTime(2024, 12, 27, 12, 0, 0);
    FileLog log(0);
    zeltest::WriteFileBytes(log.Path(), "2024-1 no header\r\n");
    ASSERT_TRUE(zeltest::SetLocalLastWriteTime(log.Path(), {2024, 12, 5, 20, 12, 0, 0, 0}));
    log.Init();
    EXPECT_EQ(log.Copy(L"2024-12-20"), "2024-1 no header\r\n");
    EXPECT_EQ(Count(log.Content(), "<<Create log file>>"), 1u);
}

TEST(LoggerFileMode, TheWriterThreadWritesEveryLineInOrderBeforeItStops)
{
    SetFixedTime(2024, 12, 27, 12, 0, 0);
    FileLog log(1);
    log.Init();
    ASSERT_TRUE(log->IsWriterThreadRunning());
    const int kThreads = 4, kLines = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < kLines; ++i) log->Log(2, L"t%d line %05d", t, i);
        });
    for (auto& th : threads) th.join();
    log->StopWriterThread();
    EXPECT_FALSE(log->IsWriterThreadRunning());
    std::string content = log.Content();
    EXPECT_EQ(Count(content, "[INFO]"), (size_t)(kThreads * kLines));
    for (int t = 0; t < kThreads; ++t) {
        size_t last = 0;
        for (int i = 0; i < kLines; i += 97) {
            char needle[32];
            snprintf(needle, sizeof needle, "t%d line %05d\r\n", t, i);
            size_t pos = content.find(needle);
            ASSERT_NE(pos, std::string::npos) << needle;
            EXPECT_GE(pos, last);
            last = pos;
        }
    }
}

TEST(LoggerFileMode, NoLineIsLostWhenTheDayChangesWhileThreadsLog)
{
    for (int threadUse = 0; threadUse <= 1; ++threadUse) {
        SetFixedTime(2024, 12, 27, 23, 59, 59);
        FileLog log(threadUse);
        log.Init();
        const int kThreads = 4, kLines = 300;
        // Every thread logs half its lines on the old day, then all of them meet the new day at
        // once: each finds the day changed, and one of them rolls the file over.
        HANDLE hNewDay = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::atomic<int> nHalfway{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&] {
                for (int i = 0; i < kLines; ++i) {
                    if (i == kLines / 2) {
                        ++nHalfway;
                        WaitForSingleObject(hNewDay, INFINITE);
                    }
                    log->Log(2, L"line %d", i);
                }
            });
        while (nHalfway < kThreads) Sleep(0);
        SetFixedTime(2024, 12, 28, 0, 0, 0);
        SetEvent(hNewDay);
        for (auto& th : threads) th.join();
        CloseHandle(hNewDay);
        log->StopWriterThread();
        const size_t nOldDay = Count(log.Copy(L"2024-12-27"), "[INFO]"), nNewDay = Count(log.Content(), "[INFO]");
        EXPECT_EQ(nOldDay + nNewDay, (size_t)(kThreads * kLines)) << "thread use " << threadUse;
        // Written on the callers' threads, each day's lines are in that day's file; the writer
        // thread may still hold lines of the old day when the file rolls over.
        if (!threadUse) {
            EXPECT_EQ(nOldDay, (size_t)(kThreads * kLines / 2));
        }
        EXPECT_EQ(Count(log.Content(), "<<Create log file>>"), 1u);
    }
}

TEST(LoggerMode, LogIniChoosesTheMode)
{
    zeltest::TempDir dir;
    CMyLogFile absent(dir.File(L"missing.ini").c_str());
    EXPECT_TRUE(absent.IsViewerMode());

    zeltest::WriteFileBytes(dir.File(L"LOG.ini"), "[CMyLogFile]\r\nAppUse=0\r\nThreadUse=0\r\n");
    CMyLogFile direct(dir.File(L"LOG.ini").c_str());
    EXPECT_FALSE(direct.IsViewerMode());
    SetFixedTime(2024, 12, 27, 12, 0, 0);
    direct.SetLocalTimeSource(coretest::FixedTimeNow);
    direct.Init(dir.File(L"Log").c_str(), dir.File(L"a.txt").c_str(), 30, 1, 1, 0);
    EXPECT_FALSE(direct.IsWriterThreadRunning());

    // Keys are read without regard to case; a value that is not a number reads as 0.
    zeltest::WriteFileBytes(dir.File(L"LOG2.ini"), "[CMyLogFile]\r\nappuse=abc\r\n");
    CMyLogFile lower(dir.File(L"LOG2.ini").c_str());
    EXPECT_FALSE(lower.IsViewerMode());
}

TEST(LoggerAppData, FindsAndCreatesTheFolderUnderLocalAppData)
{
    coretest::ScopedAppData appData;
    CMyLogFile log;
    EXPECT_TRUE(log.GetAppDataFolder().IsEmpty());
    ASSERT_TRUE(log.InitAppData(appData.Company().c_str(), appData.Product().c_str()));
    EXPECT_EQ(std::wstring(log.GetAppDataFolder()), appData.Folder());
    EXPECT_TRUE(CMyLogFile::PathExists(log.GetAppDataFolder(), TRUE));
    // A second call finds the folder that is there.
    EXPECT_TRUE(log.InitAppData(appData.Company().c_str(), appData.Product().c_str()));
}

TEST(LoggerAppData, AFolderThatCannotBeCreatedIsReportedAndLeftEmpty)
{
    coretest::ScopedAppData appData;
    zeltest::MessageBoxRecorder boxes;
    CMyLogFile log;
    // The company level is a file: nothing can be created under it.
    std::wstring companyFolder = appData.Folder().substr(0, appData.Folder().size() - appData.Product().size() - 2);
    zeltest::WriteFileBytes(companyFolder, "file");
    EXPECT_FALSE(log.InitAppData(appData.Company().c_str(), appData.Product().c_str()));
    EXPECT_TRUE(log.GetAppDataFolder().IsEmpty());
    EXPECT_EQ(boxes.LastText().rfind(L"CSettingManager::InitAppData CreateDirectories : ", 0), 0u)
        << zeltest::Narrow(boxes.LastText());
    DeleteFileW(companyFolder.c_str());
}

}  // namespace
