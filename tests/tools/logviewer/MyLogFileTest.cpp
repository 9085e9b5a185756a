#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "tests/tools/logviewer/LogViewerTestSupport.h"
#include "tools/logviewer/MyLogFile.h"

using zellog::CMyLogFile;

namespace {

// Counts the lines offered for display; optionally slow, blocked or sending to a window.
class TestDisplay : public zellog::ILogLineDisplay {
public:
    void FilterDisplayLine(const CString& name, const CString& line) override
    {
        ++count;
        lastName = name;
        if (delayMs) Sleep(delayMs);
        if (hGate) WaitForSingleObject(hGate, INFINITE);
        if (hSendTo) SendMessageW(hSendTo, WM_NULL, 0, 0);
    }
    std::atomic<int> count{0};
    CString lastName;
    DWORD delayMs = 0;
    HANDLE hGate = nullptr;
    HWND hSendTo = nullptr;
};

class MyLogFileTest : public ::testing::Test {
protected:
    void Open(CMyLogFile& log, int minLevel = 1, int fileFlag = 1)
    {
        log.Open(m_dir.File(L"Log").c_str(), LogPath().c_str(), 30, fileFlag, minLevel, 0);
    }
    std::wstring Ini(int threadUse, int crypto) { return logtest::WriteLogIni(m_ini, threadUse, crypto); }
    std::wstring LogPath() const { return m_dir.File(L"ZELLog.txt"); }
    std::wstring CopyPath(const wchar_t* date) const { return m_dir.File(L"Log") + L"\\" + date + L"_ZELLog.txt"; }

    zeltest::TempDir m_dir;
    zeltest::TempDir m_ini;
    logtest::FakeClock m_clock{2024, 1, 5};
};

TEST_F(MyLogFileTest, SwitchesDefaultToAWriterThreadAndHexadecimalLines)
{
    CMyLogFile log(m_ini.File(L"missing.ini").c_str());
    EXPECT_EQ(log.GetThreadUse(), 1);
    EXPECT_EQ(log.GetCrypto(), 1);
    CMyLogFile plain(Ini(0, 0).c_str());
    EXPECT_EQ(plain.GetThreadUse(), 0);
    EXPECT_EQ(plain.GetCrypto(), 0);
}

TEST_F(MyLogFileTest, LinesBelowTheMinimumLevelOrOfALogWithMinimumZeroAreDropped)
{
    CMyLogFile log(Ini(0, 0).c_str());
    Open(log, 2);
    EXPECT_EQ(log.WriteLine(1, L"debug"), 0);
    EXPECT_EQ(log.WriteLine(2, L"info"), 1);
    EXPECT_EQ(log.WriteLine(7, L"odd level"), 1);
    auto lines = logtest::ReadLogLines(LogPath());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], L"2024-01-05 AM 10:00:00.000 [INFO] info");
    EXPECT_EQ(lines[2], L"2024-01-05 AM 10:00:00.000 [] odd level");

    zeltest::TempDir other;
    CMyLogFile silent(Ini(0, 0).c_str());
    silent.Open(other.File(L"Log").c_str(), other.File(L"a.txt").c_str(), 30, 1, 0, 0);
    EXPECT_EQ(silent.WriteLine(4, L"error"), 0);
    EXPECT_EQ(logtest::ReadLogLines(other.File(L"a.txt")).size(), 1u);   // the header only

    CMyLogFile noFile(Ini(0, 0).c_str());
    noFile.Open(other.File(L"Log").c_str(), other.File(L"b.txt").c_str(), 30, 0, 1, 1);
    EXPECT_EQ(noFile.WriteLine(4, L"not written"), 0);
    EXPECT_EQ(logtest::ReadLogLines(other.File(L"b.txt")).size(), 1u);
}

TEST_F(MyLogFileTest, TheWriterKeepsEveryLineInOrderAcrossADayChange)
{
    TestDisplay display;
    CMyLogFile log(Ini(1, 1).c_str());
    log.SetDisplay(&display);
    Open(log);
    const int kLines = 6000;
    for (int i = 0; i < kLines; ++i) {
        if (i == kLines / 2) m_clock.Set(2024, 1, 6, 0, 0);
        ASSERT_EQ(log.WriteLine(2, (L"line " + std::to_wstring(i)).c_str()), 1);
    }
    ASSERT_TRUE(log.StopWriter(5000));
    EXPECT_FALSE(log.IsWriterRunning());
    auto before = logtest::ReadLogLines(CopyPath(L"2024-01-05"));
    auto after = logtest::ReadLogLines(LogPath());
    ASSERT_EQ(before.size(), kLines / 2 + 1u);
    ASSERT_EQ(after.size(), kLines / 2 + 1u);
    EXPECT_EQ(after[0], L"2024-01-06 AM 12:00:00.000 <<Create log file>> <<CRYPTO>>");
    for (int i = 0; i < kLines; ++i) {
        const std::wstring& line = i < kLines / 2 ? before[i + 1] : after[i - kLines / 2 + 1];
        std::wstring date = i < kLines / 2 ? L"2024-01-05" : L"2024-01-06";
        ASSERT_EQ(line.substr(0, 10), date) << i;
        ASSERT_EQ(line.substr(line.find(L"[INFO] ") + 7), L"line " + std::to_wstring(i));
    }
    // Every line and the two headers were offered for display, named by the log's file title.
    EXPECT_EQ(display.count, kLines + 2);
    EXPECT_EQ(display.lastName, L"ZELLog");
}

TEST_F(MyLogFileTest, QueuedLinesAreWrittenBeforeTheWriterEnds)
{
    TestDisplay display;
    display.delayMs = 1;   // the writer falls behind
    CMyLogFile log(Ini(1, 0).c_str());
    log.SetDisplay(&display);
    Open(log);
    for (int i = 0; i < 300; ++i) log.WriteLine(2, L"queued");
    EXPECT_TRUE(log.StopWriter(5000));
    EXPECT_EQ(logtest::ReadLogLines(LogPath()).size(), 301u);
}

TEST_F(MyLogFileTest, DrainingAtExitEndsWithinItsTime)
{
    TestDisplay display;
    display.delayMs = 20;
    CMyLogFile log(Ini(1, 0).c_str());
    log.SetDisplay(&display);
    Open(log);
    for (int i = 0; i < 500; ++i) log.WriteLine(2, L"slow");   // 10 s of writing
    DWORD start = GetTickCount();
    EXPECT_TRUE(log.StopWriter(1000));
    EXPECT_LT(GetTickCount() - start, 2000u);
    size_t written = logtest::ReadLogLines(LogPath()).size();
    EXPECT_GT(written, 1u);
    EXPECT_LT(written, 501u);
}

// A window of the test thread, which waits for the writer.
class SinkWindow {
public:
    SinkWindow()
    {
        m_hWnd = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    ~SinkWindow() { DestroyWindow(m_hWnd); }
    HWND Get() const { return m_hWnd; }
private:
    HWND m_hWnd;
};

TEST_F(MyLogFileTest, StoppingAWriterThatSendsToTheStoppingThreadDoesNotDeadlock)
{
    SinkWindow window;
    TestDisplay display;
    display.hSendTo = window.Get();
    CMyLogFile log(Ini(1, 0).c_str());
    log.SetDisplay(&display);
    Open(log);
    for (int i = 0; i < 200; ++i) log.WriteLine(2, L"sent to the waiting thread");
    DWORD start = GetTickCount();
    EXPECT_TRUE(log.StopWriter(5000));
    EXPECT_LT(GetTickCount() - start, 4000u);
    EXPECT_EQ(logtest::ReadLogLines(LogPath()).size(), 201u);
}

TEST_F(MyLogFileTest, AWriterThatDoesNotEndKeepsItsLoggerAndNoOtherThreadWritesItsFile)
{
    HANDLE gate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    TestDisplay display;
    display.hGate = gate;
    CMyLogFile* log = new CMyLogFile(Ini(1, 0).c_str());
    log->SetDisplay(&display);
    Open(*log);   // the writer blocks on the header's display
    log->WriteLine(2, L"stuck");
    EXPECT_FALSE(log->StopWriter(300));
    EXPECT_TRUE(log->IsWriterRunning());
    EXPECT_EQ(log->WriteLine(2, L"while stuck"), 0);
    SetEvent(gate);
    EXPECT_TRUE(log->WaitForStop(GetTickCount() + 5000));
    EXPECT_FALSE(log->IsWriterRunning());
    delete log;
    CloseHandle(gate);
    auto lines = logtest::ReadLogLines(LogPath());
    for (const auto& line : lines) EXPECT_EQ(line.find(L"while stuck"), std::wstring::npos);
}

TEST_F(MyLogFileTest, ADeletedFileComesBackWithAHeaderOnlyThroughTheWriter)
{
    CMyLogFile threaded(Ini(1, 0).c_str());
    Open(threaded);
    threaded.WriteLine(2, L"first");
    Sleep(200);
    ASSERT_TRUE(DeleteFileW(LogPath().c_str()));
    threaded.WriteLine(2, L"second");
    ASSERT_TRUE(threaded.StopWriter(5000));
    auto lines = logtest::ReadLogLines(LogPath());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(L"<<Create log file>>"), std::wstring::npos);
    EXPECT_NE(lines[1].find(L"second"), std::wstring::npos);

    zeltest::TempDir other;
    CMyLogFile direct(Ini(0, 0).c_str());
    direct.Open(other.File(L"Log").c_str(), other.File(L"d.txt").c_str(), 30, 1, 1, 0);
    ASSERT_TRUE(DeleteFileW(other.File(L"d.txt").c_str()));
    direct.WriteLine(2, L"again");
    lines = logtest::ReadLogLines(other.File(L"d.txt"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(L"again"), std::wstring::npos);
}

}  // namespace
