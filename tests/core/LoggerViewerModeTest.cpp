#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "core/LogRecords.h"
#include "core/MyLogFile.h"
#include "tests/core/CoreTestHelpers.h"

namespace {

std::wstring WideAt(const std::string& bytes, size_t offset, size_t maxUnits)
{
    std::wstring s;
    for (size_t i = 0; i < maxUnits && offset + 2 * i + 1 < bytes.size(); ++i) {
        wchar_t c = (wchar_t)((unsigned char)bytes[offset + 2 * i] | ((unsigned char)bytes[offset + 2 * i + 1] << 8));
        if (!c) break;
        s += c;
    }
    return s;
}

int32_t IntAt(const std::string& bytes, size_t offset)
{
    int32_t v = 0;
    memcpy(&v, bytes.data() + offset, 4);
    return v;
}

uint16_t LevelOf(const coretest::CopyRecord& r)
{
    uint16_t v = 0;
    memcpy(&v, r.bytes.data(), 2);
    return v;
}

// A logger in viewer mode (no LOG.ini).
class ViewerLog {
public:
    ViewerLog() : m_log(m_dir.File(L"no-LOG.ini").c_str()) {}
    void Init(const std::wstring& path, int minLevel = 1)
    {
        m_log.Init(L"C:\\appdata\\Log", path.c_str(), 30, 1, minLevel, 0);
    }
    CMyLogFile* operator->() { return &m_log; }
private:
    zeltest::TempDir m_dir;
    CMyLogFile m_log;
};

TEST(LoggerViewerMode, RegistersOnceAndSendsEachLineToTheLogWindow)
{
    coretest::LogWindowFixture viewer;
    ASSERT_TRUE(viewer.Start());
    ViewerLog log;
    ASSERT_TRUE(log->IsViewerMode());
    log.Init(L"C:\\appdata\\ZELLog.txt", 2);
    EXPECT_TRUE(log->Takes(2));
    EXPECT_EQ(log->Log(2, L"page %d of %s", 3, L"doc"), 1);
    EXPECT_FALSE(log->Takes(1));
    EXPECT_EQ(log->Log(1, L"below the minimum"), 0);
    EXPECT_EQ(log->LogText(4, L"100% as is"), 1);
    EXPECT_EQ(log->Log(2, L""), 1);

    auto records = viewer.Records();
    ASSERT_EQ(records.size(), 4u);
    const std::string& reg = records[0].bytes;
    EXPECT_EQ(records[0].dwData, 0u);
    ASSERT_EQ(reg.size(), 9056u);
    EXPECT_EQ(WideAt(reg, 0, 260), L"C:\\appdata\\Log");
    EXPECT_EQ(WideAt(reg, 520, 260), L"C:\\appdata\\ZELLog.txt");
    EXPECT_EQ(IntAt(reg, 1040), 30);
    EXPECT_EQ(IntAt(reg, 1044), 1);
    EXPECT_EQ(IntAt(reg, 1048), 2);
    EXPECT_EQ(IntAt(reg, 1052), 0);

    struct Expect { uint16_t level; const wchar_t* text; };
    const Expect lines[] = {{2, L"page 3 of doc"}, {4, L"100% as is"}, {2, L""}};
    for (int i = 0; i < 3; ++i) {
        const coretest::CopyRecord& r = records[i + 1];
        EXPECT_EQ(r.dwData, 200u);
        EXPECT_EQ(r.bytes.size(), (wcslen(lines[i].text) + 263) * 2);
        EXPECT_EQ(LevelOf(r), lines[i].level);
        EXPECT_EQ(WideAt(r.bytes, 2, 261), L"C:\\appdata\\ZELLog.txt");
        EXPECT_EQ(WideAt(r.bytes, 524, 100), lines[i].text);
    }
}

TEST(LoggerViewerMode, WithoutTheLogWindowNothingIsSentAndTheResultIsZero)
{
    ASSERT_EQ(FindWindowW(L"Talvora_Log_Class", nullptr), nullptr);
    ViewerLog log;
    log.Init(L"C:\\appdata\\ZELLog.txt");
    EXPECT_EQ(log->Log(4, L"lost"), 0);
}

TEST(LoggerViewerMode, ARegistrationLostWhileTheWindowWasAbsentIsSentWithTheNextLine)
{
    ViewerLog log;
    log.Init(L"C:\\appdata\\TASLog.txt");
    coretest::LogWindowFixture viewer;
    ASSERT_TRUE(viewer.Start());
    EXPECT_EQ(log->Log(2, L"first"), 1);
    EXPECT_EQ(log->Log(2, L"second"), 1);
    auto records = viewer.Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].dwData, 0u);
    EXPECT_EQ(WideAt(records[0].bytes, 520, 260), L"C:\\appdata\\TASLog.txt");
    EXPECT_EQ(records[1].dwData, 200u);
    EXPECT_EQ(records[2].dwData, 200u);
}

TEST(LoggerViewerMode, PathsLongerThanTheirFieldsAreCutTheSameWayInEveryRecord)
{
    coretest::LogWindowFixture viewer;
    ASSERT_TRUE(viewer.Start());
    ViewerLog log;
    std::wstring longPath = L"C:\\" + std::wstring(300, L'd') + L"\\ZELLog.txt";
    log.Init(longPath);
    EXPECT_EQ(log->Log(2, L"after a long path"), 1);
    auto records = viewer.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].bytes.size(), 9056u);
    EXPECT_EQ(WideAt(records[0].bytes, 520, 260), longPath.substr(0, 259));
    EXPECT_EQ(WideAt(records[1].bytes, 2, 261), longPath.substr(0, 259));
    EXPECT_EQ(WideAt(records[1].bytes, 524, 100), L"after a long path");
}

TEST(LoggerViewerMode, AHugeLineTravelsWhole)
{
    coretest::LogWindowFixture viewer;
    ASSERT_TRUE(viewer.Start());
    ViewerLog log;
    log.Init(L"C:\\appdata\\ZELLog.txt");
    std::wstring text(200000, L'\uD55C');
    EXPECT_EQ(log->LogText(2, text.c_str()), 1);
    auto records = viewer.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].bytes.size(), (text.size() + 263) * 2);
    EXPECT_EQ(WideAt(records[1].bytes, 524, text.size() + 1), text);
}

TEST(LoggerViewerMode, AHungLogWindowDoesNotHangTheLoggingThread)
{
    coretest::LogWindowFixture viewer;
    ASSERT_TRUE(viewer.Start(20000));
    ViewerLog log;
    DWORD start = GetTickCount();
    log.Init(L"C:\\appdata\\ZELLog.txt");
    int result = log->Log(2, L"to a hung window");
    // Far below the window's 20 s: the sends gave up.
    EXPECT_LT(GetTickCount() - start, 15000u);
    EXPECT_EQ(result, 0);
}

// A thread that logs while it holds a lock must not run a message another thread sends it in the
// meantime: the handler would take the same lock (a reply handler sending the next request) and
// the thread would wait for itself.
std::atomic<bool> g_bInLog{false};
std::atomic<int> g_nHandledInLog{0};
std::atomic<int> g_nHandled{0};

LRESULT CALLBACK CountingProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_APP) {
        if (g_bInLog) ++g_nHandledInLog;
        ++g_nHandled;
        return 1;
    }
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

TEST(LoggerViewerMode, AMessageSentToTheLoggingThreadWaitsUntilTheLineIsDelivered)
{
    coretest::LogWindowFixture viewer;
    ASSERT_TRUE(viewer.Start(400));
    ViewerLog log;
    log.Init(L"C:\\appdata\\ZELLog.txt");
    WNDCLASSW wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LoggerSentMessageTarget";
    RegisterClassW(&wc);
    HWND target = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(target, nullptr);
    g_nHandledInLog = 0;
    g_nHandled = 0;
    std::thread sender([target] {
        Sleep(150);  // while the logging thread waits for the slow log window
        SendMessageW(target, WM_APP, 0, 0);
    });
    g_bInLog = true;
    const int result = log->Log(2, L"while a reply is sent to this thread");
    g_bInLog = false;
    // The sender is answered once this thread takes messages again.
    zeltest::PumpUntil([] { return g_nHandled > 0; }, 5000);
    sender.join();
    DestroyWindow(target);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(g_nHandled, 1);
    EXPECT_EQ(g_nHandledInLog, 0) << "the sent message ran inside the log call";
}

}  // namespace
