// The main dialog's window-less services.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main/MainDialogServices.h"

using namespace MainDialogServices;

namespace {

TEST(MainDialogServicesTest, Base64OfUtf8IncludingFourByteCharacters)
{
    const struct {
        const wchar_t* text;
        const wchar_t* base64;
        const wchar_t* query;
    } cases[] = {
        {L"", L"", L""},
        {L"abc", L"YWJj", L"YWJj"},
        {L"\xD55C", L"7ZWc", L"7ZWc"},                          // 한: three bytes
        {L"\xD83D\xDE00", L"8J+YgA==", L"8J%2BYgA%3D%3D"},     // U+1F600: four bytes
        {L"\xD800", L"Pw==", L"Pw%3D%3D"},                     // a lone surrogate: "?"
        {L"\x00E9?", L"w6k/", L"w6k%2F"},                      // two bytes, then "/" in the text
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Base64Utf8(c.text), c.base64) << (int) c.text[0];
        EXPECT_EQ(UrlQueryBase64(c.text), c.query) << (int) c.text[0];
    }
}

TEST(MainDialogServicesTest, VideoCommandLineStartsWithTheQuotedProgram)
{
    EXPECT_EQ(VideoCommandLine(L"C:\\Program Files\\Chrome\\chrome.exe", L"https://h:33999/page/index.html?a=1"),
              L"\"C:\\Program Files\\Chrome\\chrome.exe\" --new-window --app=https://h:33999/page/index.html?a=1");
}

TEST(MainDialogServicesTest, WatermarkTakesTheFirstRealAddress)
{
    SYSTEMTIME st{};
    st.wYear = 2026;
    st.wMonth = 3;
    st.wDay = 7;
    const struct {
        std::vector<const wchar_t*> addresses;
        BOOL listed;
        const wchar_t* expected;
    } cases[] = {
        {{L"0.0.0.0"}, TRUE, L"김철수 기획팀\n20260307 0.0.0.0"},
        {{}, TRUE, L"김철수 기획팀\n20260307 "},
        {{L"0.0.0.0", L"10.1.2.3", L"10.9.9.9"}, TRUE, L"김철수 기획팀\n20260307 10.1.2.3"},
        {{}, FALSE, L"김철수 기획팀\n20260307 192.168.0.5"},
    };
    for (const auto& c : cases) {
        CStringArray addresses;
        for (const wchar_t* a : c.addresses) addresses.Add(a);
        EXPECT_EQ(WatermarkText(L"김철수", L"기획팀", st, c.listed, addresses, L"192.168.0.5"), c.expected);
    }
    CStringArray real;
    EXPECT_TRUE(GetAdapterAddresses(real));
    for (INT_PTR i = 0; i < real.GetSize(); ++i) EXPECT_EQ(real[i].SpanIncluding(L"0123456789."), real[i]);
}

TEST(MainDialogServicesTest, PathsBesideTheProgramAndInTheDataFolder)
{
    EXPECT_EQ(SignDataPath(L"C:\\Users\\kim\\AppData\\Local\\ZEL\\", 1234),
              L"C:\\Users\\kim\\AppData\\Local\\ZEL\\1234\\signdata");
    EXPECT_EQ(MeetingStartSoundPath(L"C:\\Program Files\\ZEL\\ZEL.exe"), L"C:\\Program Files\\ZEL\\MeettingStart.wav");
}

TEST(MainDialogServicesTest, FullViewGrowsOverTheTaskbarOnItsSide)
{
    const CRect desktop(0, 0, 1920, 1080);
    const struct {
        CRect work, taskbar, expected;
    } cases[] = {
        {CRect(0, 0, 1920, 1040), CRect(0, 1040, 1920, 1080), CRect(0, 0, 1920, 1080)},   // bottom
        {CRect(60, 0, 1920, 1080), CRect(0, 0, 60, 1080), CRect(0, 0, 1920, 1080)},       // left
        {CRect(0, 40, 1920, 1080), CRect(0, 0, 1920, 40), CRect(0, 0, 1920, 1080)},       // top
        {CRect(0, 0, 1920, 1080), CRect(), CRect(0, 0, 1920, 1080)},                      // no taskbar
        {CRect(1920, 0, 3840, 1040), CRect(0, 1040, 1920, 1080), CRect(1920, 0, 3840, 1040)},  // other monitor
    };
    for (const auto& c : cases) EXPECT_EQ(GrowOverTaskbar(c.work, desktop, c.taskbar), c.expected);
}

TEST(MainDialogServicesTest, FrameIsFourStripsInsideTheRectangle)
{
    HDC hScreen = GetDC(nullptr);
    CDC dc;
    dc.Attach(CreateCompatibleDC(hScreen));
    HBITMAP hBmp = CreateCompatibleBitmap(hScreen, 20, 20);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ old = SelectObject(dc.GetSafeHdc(), hBmp);
    dc.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    DrawFrame(&dc, 2, 2, 18, 18, 2, RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.GetSafeHdc(), 2, 10), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.GetSafeHdc(), 17, 10), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.GetSafeHdc(), 10, 3), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.GetSafeHdc(), 10, 16), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.GetSafeHdc(), 10, 10), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc.GetSafeHdc(), 1, 1), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc.GetSafeHdc(), 18, 10), RGB(255, 255, 255));
    SelectObject(dc.GetSafeHdc(), old);
    DeleteObject(hBmp);
    DeleteDC(dc.Detach());
}

// The launcher against scripted system answers.
struct VideoWorld {
    std::vector<DWORD> windowThreads;   // what each look for "OPAL VIEW" finds, in turn
    int marker = 0;
    BOOL startOk = TRUE;
    std::vector<std::wstring> messages;
    std::vector<std::wstring> started;
    std::vector<UINT_PTR> closed;
    size_t looks = 0;

    MainDialogServices::CVideoLauncher::Seams Seams()
    {
        MainDialogServices::CVideoLauncher::Seams s;
        s.findWindow = [this](const wchar_t* title, HWND* phWnd) {
            EXPECT_STREQ(title, L"OPAL VIEW");
            const DWORD t = looks < windowThreads.size() ? windowThreads[looks] : 0;
            ++looks;
            *phWnd = t ? (HWND) (UINT_PTR) 0x1234 : nullptr;
            return t;
        };
        s.readMarker = [this] { return marker; };
        s.writeMarker = [this](int v) { marker = v; };
        s.createProcess = [this](const CString& program, const CString& line, PROCESS_INFORMATION* pi, DWORD* err) {
            started.push_back((LPCTSTR) (program + L"|" + line));
            if (!startOk) {
                *err = 2;
                return FALSE;
            }
            pi->dwProcessId = 4321;
            pi->hProcess = (HANDLE) (UINT_PTR) (0x100 + started.size());
            pi->hThread = (HANDLE) (UINT_PTR) (0x200 + started.size());
            return TRUE;
        };
        s.sleep = [](DWORD) {};
        s.message = [this](const CString& t) { messages.push_back((LPCTSTR) t); };
        s.closeHandle = [this](HANDLE h) { closed.push_back((UINT_PTR) h); };
        return s;
    }
};

TEST(VideoLauncherTest, RunningMarkerStopsASecondBrowserAndResetsWhenThePageIsGone)
{
    const struct {
        const char* name;
        std::vector<DWORD> windows;
        int markerBefore;
        BOOL startOk;
        size_t starts;
        const wchar_t* message;
        int markerAfter;
    } cases[] = {
        {"first start, page appears", {0, 88}, 0, TRUE, 1, nullptr, 1},
        {"page open, marker set: running", {77}, 77, TRUE, 0, L"화상회의가 실행중입니다.", 77},
        {"page closed, stale marker: starts again", {0, 0}, 5, TRUE, 1, nullptr, 0},
        {"start fails", {0}, 0, FALSE, 1, L"CreateProcess() failed: 2", 0},
    };
    for (const auto& c : cases) {
        VideoWorld world;
        world.windowThreads = c.windows;
        world.marker = c.markerBefore;
        world.startOk = c.startOk;
        MainDialogServices::CVideoLauncher launcher(world.Seams());
        EXPECT_EQ(launcher.LaunchVideoProcess(L"chrome.exe", L"\"chrome.exe\" --new-window --app=u"), 0) << c.name;
        EXPECT_EQ(world.started.size(), c.starts) << c.name;
        if (c.message) {
            ASSERT_EQ(world.messages.size(), 1u) << c.name;
            EXPECT_EQ(world.messages[0], c.message) << c.name;
        } else {
            EXPECT_TRUE(world.messages.empty()) << c.name;
        }
        EXPECT_EQ(world.marker, c.markerAfter) << c.name;
    }
}

// Every start hands back a process and a thread handle: the thread's is closed at once, the
// process's when the next start replaces it and when the launcher goes; none is left open.
TEST(VideoLauncherTest, NoHandleOfTheBrowserIsLeftOpen)
{
    VideoWorld world;
    world.windowThreads = {0, 0, 0, 0};
    {
        MainDialogServices::CVideoLauncher launcher(world.Seams());
        launcher.LaunchVideoProcess(L"chrome.exe", L"a");
        EXPECT_EQ(world.closed, (std::vector<UINT_PTR>{0x201}));
        EXPECT_EQ((UINT_PTR) launcher.GetProcessHandle(), 0x101u);
        launcher.LaunchVideoProcess(L"chrome.exe", L"b");
        EXPECT_EQ(world.closed, (std::vector<UINT_PTR>{0x201, 0x202, 0x101}));
        EXPECT_EQ((UINT_PTR) launcher.GetProcessHandle(), 0x102u);
    }
    EXPECT_EQ(world.closed, (std::vector<UINT_PTR>{0x201, 0x202, 0x101, 0x102}));

    // A start that fails gives no handle to close.
    VideoWorld failing;
    failing.startOk = FALSE;
    {
        MainDialogServices::CVideoLauncher launcher(failing.Seams());
        launcher.LaunchVideoProcess(L"chrome.exe", L"a");
    }
    EXPECT_TRUE(failing.closed.empty());
}

}  // namespace
