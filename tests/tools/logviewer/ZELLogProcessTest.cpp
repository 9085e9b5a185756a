#include <gtest/gtest.h>

#include <string>

#include "core/LogRecords.h"
#include "core/MyLogFile.h"
#include "tests/tools/logviewer/LogViewerTestSupport.h"
#include "tools/logviewer/TessivarDlg.h"

// ZELLog as a process of its own, fed by the client's logger in this process.
namespace {

HWND FindService()
{
    return ::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr);
}

bool WaitFor(const std::function<bool()>& pred, DWORD ms)
{
    DWORD start = ::GetTickCount();
    while (!pred()) {
        if (::GetTickCount() - start > ms) return false;
        Sleep(20);
    }
    return true;
}

std::wstring Today(int addDays = 0)
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    ULARGE_INTEGER t = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    t.QuadPart += (ULONGLONG)(LONGLONG)addDays * 24 * 3600 * 10000000LL;
    ft = {t.LowPart, t.HighPart};
    FileTimeToSystemTime(&ft, &st);
    wchar_t buf[16];
    swprintf(buf, 16, L"%04d-%02d-%02d", st.wYear, st.wMonth, st.wDay);
    return buf;
}

class ZELLogProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A service left over by an earlier test is asked to go.
        if (HWND h = FindService()) ::SendMessageW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
        ASSERT_TRUE(WaitFor([] { return FindService() == nullptr; }, 10000));
    }
    void TearDown() override
    {
        if (HWND h = FindService()) ::SendMessageW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
        for (auto& p : m_processes) p->Wait(10000);
    }
    static std::wstring Program() { return zeltest::BinaryDir() + L"\\bin\\ZELLog.exe"; }
    static std::wstring ClockHost() { return zeltest::BinaryDir() + L"\\tests\\zellog_clock_host.exe"; }

    zeltest::ChildProcess* Start(const std::wstring& exe, const std::wstring& args = L"")
    {
        m_processes.emplace_back(new zeltest::ChildProcess);
        std::wstring cmd = L"\"" + exe + L"\"" + (args.empty() ? L"" : L" " + args);
        EXPECT_TRUE(m_processes.back()->Start(cmd, m_dir.Path()));
        return m_processes.back().get();
    }
    zeltest::ChildProcess* StartService(const std::wstring& exe, const std::wstring& args = L"")
    {
        zeltest::ChildProcess* p = Start(exe, args);
        EXPECT_TRUE(WaitFor([] { return FindService() != nullptr; }, 30000));
        return p;
    }
    // The client's logger: viewer mode (no LOG.ini), so every line goes to the service.
    std::unique_ptr<::CMyLogFile> Sender(const std::wstring& name)
    {
        std::unique_ptr<::CMyLogFile> log(new ::CMyLogFile(m_dir.File(L"no-LOG.ini").c_str()));
        log->Init(m_dir.File(L"Log").c_str(), m_dir.File(name).c_str(), 30, 1, 1, 0);
        return log;
    }
    LRESULT SendRecord(ULONG_PTR kind, const std::string& bytes)
    {
        COPYDATASTRUCT cds = {kind, (DWORD)bytes.size(), bytes.empty() ? nullptr : (void*)bytes.data()};
        DWORD_PTR result = 0;
        return ::SendMessageTimeoutW(FindService(), WM_COPYDATA, 0, (LPARAM)&cds, SMTO_ABORTIFHUNG, 5000, &result);
    }
    // "ZELLog.exe close" ends the running service, which writes what it has queued first.
    void Close(zeltest::ChildProcess* service)
    {
        zeltest::ChildProcess* closer = Start(Program(), L"close");
        EXPECT_TRUE(closer->Wait(20000));
        EXPECT_TRUE(service->Wait(20000));
        EXPECT_EQ(FindService(), nullptr);
    }

    zeltest::TempDir m_dir;
    std::vector<std::unique_ptr<zeltest::ChildProcess>> m_processes;
};

TEST_F(ZELLogProcessTest, EveryLineLandsInOrderInTheFileOfItsDayAcrossADateChange)
{
    HANDLE hMap = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG),
                                       L"ZelLogTestClock");
    ASSERT_NE(hMap, nullptr);
    volatile LONG* dayOffset = static_cast<volatile LONG*>(::MapViewOfFile(hMap, FILE_MAP_WRITE, 0, 0, sizeof(LONG)));
    *dayOffset = 0;
    ::SetEnvironmentVariableW(L"ZELLOG_TEST_CLOCK", L"ZelLogTestClock");
    zeltest::ChildProcess* service = StartService(ClockHost());
    ::SetEnvironmentVariableW(L"ZELLOG_TEST_CLOCK", nullptr);

    const std::wstring today = Today();
    auto log = Sender(L"ZELLog.txt");
    const int kLines = 2000;
    for (int i = 0; i < kLines; ++i) {
        if (i == kLines / 2) ::InterlockedExchange(dayOffset, 1);
        ASSERT_EQ(log->Log(2, L"line %d \uD55C", i), 1) << i;
    }
    Close(service);
    ::UnmapViewOfFile((LPCVOID)dayOffset);
    ::CloseHandle(hMap);

    auto before = logtest::ReadLogLines(m_dir.File(L"Log") + L"\\" + today + L"_ZELLog.txt");
    auto after = logtest::ReadLogLines(m_dir.File(L"ZELLog.txt"));
    ASSERT_EQ(before.size(), kLines / 2 + 1u);
    ASSERT_EQ(after.size(), kLines / 2 + 1u);
    EXPECT_EQ(before[0].substr(0, 10), today);
    EXPECT_EQ(after[0].substr(0, 10), Today(1));
    EXPECT_NE(after[0].find(L"<<Create log file>> <<CRYPTO>>"), std::wstring::npos);
    for (int i = 0; i < kLines; ++i) {
        const std::wstring& line = i < kLines / 2 ? before[i + 1] : after[i - kLines / 2 + 1];
        ASSERT_EQ(line.substr(0, 10), i < kLines / 2 ? today : Today(1)) << i;
        ASSERT_EQ(line.substr(line.find(L" [INFO] ")), L" [INFO] line " + std::to_wstring(i) + L" \uD55C") << i;
    }
}

TEST_F(ZELLogProcessTest, MalformedAndTruncatedRecordsAreDroppedWithoutHarm)
{
    zeltest::ChildProcess* service = StartService(Program());
    auto log = Sender(L"ZELLog.txt");
    EXPECT_EQ(log->Log(2, L"before"), 1);
    std::string line = logtest::ShortLineRecord(4, m_dir.File(L"ZELLog.txt"), L"cut");
    std::string reg = logtest::RegistrationRecord(m_dir.File(L"Log"), m_dir.File(L"Evil.txt"), 1, 1, 1, 0);
    EXPECT_TRUE(SendRecord(LOGCOPY_SHORTLINE, line.substr(0, line.size() - 2)));
    EXPECT_TRUE(SendRecord(LOGCOPY_SHORTLINE, line.substr(0, 3)));
    EXPECT_TRUE(SendRecord(LOGCOPY_SHORTLINE, std::string(4000, '\x41')));
    EXPECT_TRUE(SendRecord(LOGCOPY_REGISTER, reg.substr(0, 1000)));
    EXPECT_TRUE(SendRecord(LOGCOPY_REGISTER, std::string(9056, 'A')));
    EXPECT_TRUE(SendRecord(LOGCOPY_LINE, std::string(2000, 'B')));
    EXPECT_TRUE(SendRecord(LOGCOPY_SHORTLINE, std::string()));
    EXPECT_EQ(log->Log(2, L"after"), 1);
    EXPECT_TRUE(service->IsRunning());
    Close(service);
    auto lines = logtest::ReadLogLines(m_dir.File(L"ZELLog.txt"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[1].find(L"[INFO] before"), std::wstring::npos);
    EXPECT_NE(lines[2].find(L"[INFO] after"), std::wstring::npos);
    EXPECT_FALSE(logtest::FileExists(m_dir.File(L"Evil.txt")));
}

TEST_F(ZELLogProcessTest, TheWindowStaysHiddenUntilShowAndCloseEndsTheRunningInstance)
{
    zeltest::ChildProcess* service = StartService(Program());
    HWND hWnd = FindService();
    // The title is set when the dialog initialises; other instances find the window by it.
    EXPECT_TRUE(WaitFor([] { return ::FindWindowW(nullptr, LOG_APP_TITLE) != nullptr; }, 5000));
    EXPECT_EQ(::FindWindowW(nullptr, LOG_APP_TITLE), hWnd);
    EXPECT_FALSE(::IsWindowVisible(hWnd));

    // A second start without a word ends at once and leaves the window hidden.
    zeltest::ChildProcess* second = Start(Program());
    EXPECT_TRUE(second->Wait(20000));
    EXPECT_FALSE(::IsWindowVisible(hWnd));
    EXPECT_TRUE(service->IsRunning());

    zeltest::ChildProcess* show = Start(Program(), L"SHOW");
    EXPECT_TRUE(show->Wait(20000));
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(hWnd) != FALSE; }, 5000));

    // Closing the window only hides it.
    ::SendMessageW(hWnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(hWnd));
    EXPECT_TRUE(service->IsRunning());
    Close(service);
}

TEST_F(ZELLogProcessTest, ShowAsTheFirstInstanceStartsVisibleAndTheQuitMessageEndsIt)
{
    zeltest::ChildProcess* service = StartService(Program(), L"show");
    HWND hWnd = FindService();
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(hWnd) != FALSE; }, 5000));
    ::SendMessageW(hWnd, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
    EXPECT_TRUE(service->Wait(20000));
}

}  // namespace
