// The real ZEL.exe under Wine: what it logs on the way up and down (through the log service it
// starts), the language library chosen by the user's language, the clear errors when a library
// or the skin is missing, a second start handing over to the first, and nothing left running.
#include <gtest/gtest.h>

#include <shlobj.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "core/AppControl.h"
#include "core/HttpMultipartClient.h"
#include "core/LogRecords.h"
#include "app/main/UpgradeDownload.h"
#include "tests/app/AppTestSupport.h"
#include "tests/journeys/JourneySupport.h"
#include "tests/support/TestSupport.h"
#include "tools/logviewer/DecodeHexLogLine.h"

namespace {

std::wstring BinFolder() { return zeltest::BinaryDir() + L"\\bin\\"; }

std::wstring DataFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, path);
    return std::wstring(path) + L"\\TALVORA\\Brindlecast\\";
}

std::wstring ReadText(const std::wstring& path) { return journey::ReadClientLog(path); }

bool WaitFor(const std::function<bool()>& pred, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    while (!pred()) {
        if (::GetTickCount() - start > ms) return false;
        ::Sleep(50);
    }
    return true;
}

HWND LogService() { return ::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr); }

void StopLogService()
{
    if (HWND h = LogService()) ::SendMessageW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
    WaitFor([] { return LogService() == nullptr; }, 10000);
}

int CountProcesses(const wchar_t* exe)
{
    HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W pe = {};
    pe.dwSize = sizeof pe;
    int n = 0;
    for (BOOL more = ::Process32FirstW(snap, &pe); more; more = ::Process32NextW(snap, &pe))
        if (_wcsicmp(pe.szExeFile, exe) == 0) ++n;
    ::CloseHandle(snap);
    return n;
}

// The text of a message box of the process, when it shows one.
struct BoxFinder {
    DWORD pid;
    HWND box = nullptr;
    HWND window = nullptr;
    static BOOL CALLBACK Visit(HWND h, LPARAM lp)
    {
        BoxFinder* self = reinterpret_cast<BoxFinder*>(lp);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(h, &pid);
        wchar_t cls[32] = {};
        ::GetClassNameW(h, cls, 32);
        if (pid == self->pid && wcscmp(cls, L"#32770") == 0 && ::IsWindowVisible(h)) {
            // A message box carries its text in the static 0xFFFF; any other dialog is a window
            // of the program (the login window).
            if (::GetDlgItem(h, 0xFFFF)) self->box = h;
            else self->window = h;
            return self->box == nullptr;
        }
        return TRUE;
    }
};

struct RunResult {
    bool ended = false;
    bool sawLoginWindow = false;   // and closed it with its close button
    std::vector<std::wstring> boxes;   // the texts of the message boxes it showed, answered OK
};

// Starts the program with extra environment variables and answers its message boxes until it
// ends (or the time is up, when it is killed).
RunResult RunProgram(const std::wstring& exe, const std::wstring& workDir,
                     const std::vector<std::pair<std::wstring, std::wstring>>& env = {}, DWORD ms = 40000)
{
    std::vector<std::pair<std::wstring, std::wstring>> saved;
    for (const auto& e : env) {
        wchar_t old[512] = {};
        const DWORD n = ::GetEnvironmentVariableW(e.first.c_str(), old, 512);
        saved.push_back({e.first, n ? old : L"\x1"});
        ::SetEnvironmentVariableW(e.first.c_str(), e.second.c_str());
    }
    RunResult result;
    zeltest::ChildProcess proc;
    const bool started = proc.Start(L"\"" + exe + L"\"", workDir);
    for (const auto& s : saved)
        ::SetEnvironmentVariableW(s.first.c_str(), s.second == L"\x1" ? nullptr : s.second.c_str());
    EXPECT_TRUE(started);
    if (!started) return result;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        if (proc.Wait(100)) {
            result.ended = true;
            break;
        }
        BoxFinder finder{proc.Pid()};
        ::EnumWindows(BoxFinder::Visit, reinterpret_cast<LPARAM>(&finder));
        if (finder.window && !finder.box && !result.sawLoginWindow) {
            result.sawLoginWindow = true;
            ::PostMessageW(finder.window, WM_COMMAND, MAKEWPARAM(IDC_LOGIN_CLOSE, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(finder.window, IDC_LOGIN_CLOSE)));
        }
        if (finder.box) {
            wchar_t text[512] = {};
            ::GetDlgItemTextW(finder.box, 0xFFFF, text, 512);
            result.boxes.push_back(text);
            ::PostMessageW(finder.box, WM_COMMAND, IDOK, 0);
            WaitFor([&] { return !::IsWindow(finder.box) || !::IsWindowVisible(finder.box); }, 5000);
        }
    }
    if (!result.ended) proc.Kill();
    return result;
}

class ZELProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StopLogService();
        ::DeleteFileW((DataFolder() + L"ZELLog.txt").c_str());
        ::DeleteFileW((DataFolder() + L"TASLog.txt").c_str());
    }
    void TearDown() override { StopLogService(); }

    // Waits until the application log holds the line (the service writes a moment later).
    static bool LogHas(const wchar_t* file, const std::wstring& text, DWORD ms = 10000)
    {
        return WaitFor([&] { return ReadText(DataFolder() + file).find(text) != std::wstring::npos; }, ms);
    }
};

TEST_F(ZELProgramTest, StartsInOrderShowsTheLoginWindowAndEndsWithNothingLeftRunning)
{
    const RunResult run = RunProgram(BinFolder() + L"ZEL.exe", BinFolder());
    ASSERT_TRUE(run.ended) << "ZEL.exe did not end after its login window was closed";
    EXPECT_TRUE(run.sawLoginWindow);
    EXPECT_TRUE(run.boxes.empty()) << zeltest::Narrow(run.boxes.empty() ? L"" : run.boxes[0]);
    EXPECT_EQ(CountProcesses(L"ZEL.exe"), 0);
    EXPECT_NE(LogService(), nullptr) << "ZELLog was started and stays as the log service";

    ASSERT_TRUE(LogHas(L"ZELLog.txt", L"ZEL Log end"));
    const std::wstring log = ReadText(DataFolder() + L"ZELLog.txt");
    const wchar_t* inOrder[] = {
        L"ZEL Log start", L"===================[4.2.0.0.2024122702]===================",
        L"Language library Res_", L"Load Skin fRatio=1.000000", L"Init skin",
        L"Login window closed: result 1",
        L"Shut-down: resources", L"Shut-down: settings", L"Shut-down: network", L"Shut-down: skin images",
        L"Shut-down: gdiplus", L"ZEL Log end"};
    size_t at = 0;
    for (const wchar_t* line : inOrder) {
        const size_t found = log.find(line, at);
        EXPECT_NE(found, std::wstring::npos) << "missing or out of order: " << zeltest::Narrow(line);
        if (found != std::wstring::npos) at = found;
    }
    EXPECT_TRUE(LogHas(L"TASLog.txt", L"TAS Log start"));
}

TEST_F(ZELProgramTest, MissingLanguageLibraryOrSkinIsAClearErrorAndAnOrderlyEnd)
{
    zeltest::TempDir dir;
    const std::wstring exe = dir.File(L"ZEL.exe");
    ASSERT_TRUE(::CopyFileW((BinFolder() + L"ZEL.exe").c_str(), exe.c_str(), FALSE));
    // The copy has no log service beside it: the installed one is running already.
    zeltest::ChildProcess service;
    ASSERT_TRUE(service.Start(L"\"" + BinFolder() + L"ZELLog.exe\"", BinFolder()));
    ASSERT_TRUE(WaitFor([] { return LogService() != nullptr; }, 20000));
    // Without any language library.
    RunResult run = RunProgram(exe, dir.Path());
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0], L"Error : Failed to initialize Resource!");
    EXPECT_TRUE(LogHas(L"ZELLog.txt", L"not loaded"));
    EXPECT_TRUE(LogHas(L"ZELLog.txt", L"Shut-down: network"));

    // With the libraries but without the skin: the skin's failure comes after the settings and
    // the server clients, which the shut-down still releases.
    for (const wchar_t* dll : {L"Res_Kor.dll", L"Res_Eng.dll", L"Res_Jpn.dll"})
        ASSERT_TRUE(::CopyFileW((BinFolder() + dll).c_str(), dir.File(dll).c_str(), FALSE));
    ::DeleteFileW((DataFolder() + L"ZELLog.txt").c_str());
    run = RunProgram(exe, dir.Path());
    ASSERT_TRUE(run.ended);
    ASSERT_FALSE(run.boxes.empty());
    EXPECT_EQ(run.boxes.back(), L"LoadSkin fail");
    EXPECT_TRUE(LogHas(L"ZELLog.txt", L"LoadSkin fail"));
    EXPECT_TRUE(LogHas(L"ZELLog.txt", L"Shut-down: network"));
    EXPECT_EQ(ReadText(DataFolder() + L"ZELLog.txt").find(L"Shut-down: skin images"), std::wstring::npos);
    EXPECT_EQ(CountProcesses(L"ZEL.exe"), 0);
}

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) { return ::DefWindowProcW(h, m, w, l); }

TEST_F(ZELProgramTest, SecondStartRaisesTheRunningWindowAndEndsSilently)
{
    // This process stands in for the running client: it holds the mutex and its window.
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, L"Meeting_Mutex");
    ASSERT_NE(mutex, nullptr);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZELProgramTestRunning";
    ::RegisterClassW(&wc);
    HWND running = ::CreateWindowW(wc.lpszClassName, L"Meeting_Mutex", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200,
                                   nullptr, nullptr, wc.hInstance, nullptr);
    ::ShowWindow(running, SW_MINIMIZE);
    zeltest::PumpFor(100);
    ASSERT_TRUE(::IsIconic(running));

    const DWORD start = ::GetTickCount();
    zeltest::ChildProcess proc;
    ASSERT_TRUE(proc.Start(L"\"" + BinFolder() + L"ZEL.exe\"", BinFolder()));
    bool ended = false;
    // Pump while waiting: the second instance talks to this window.
    ended = zeltest::PumpUntil([&] { return proc.Wait(0); }, 20000);
    EXPECT_TRUE(ended);
    EXPECT_LT(::GetTickCount() - start, 10000u) << "a second start ends at once";
    zeltest::PumpFor(100);
    EXPECT_FALSE(::IsIconic(running)) << "the running window is restored";
    EXPECT_EQ(LogService(), nullptr) << "a second start starts nothing";
    ::DestroyWindow(running);
    ::ReleaseMutex(mutex);
    ::CloseHandle(mutex);
}

// ---- The program after a login: the main dialog, and the server down at start-up ----

// The program's windows found by what they hold.
struct ProgramWindows {
    DWORD pid;
    HWND login = nullptr;     // the login window (its ID box)
    HWND main = nullptr;      // the main dialog
    HWND okCancel = nullptr;  // the OK/Cancel question
    HWND box = nullptr;       // a message box
    HWND question = nullptr;  // a skinned question (its message line)
    static BOOL CALLBACK Visit(HWND h, LPARAM lp)
    {
        ProgramWindows* self = reinterpret_cast<ProgramWindows*>(lp);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(h, &pid);
        wchar_t cls[32] = {}, title[64] = {};
        ::GetClassNameW(h, cls, 32);
        ::GetWindowTextW(h, title, 64);
        if (pid != self->pid || wcscmp(cls, L"#32770") != 0 || !::IsWindowVisible(h)) return TRUE;
        if (::GetDlgItem(h, IDC_LOGIN_ID)) self->login = h;
        else if (::GetDlgItem(h, IDC_OK_CANCEL_CLOSE)) self->okCancel = h;
        else if (::GetDlgItem(h, IDC_POPUP_MESSAGE)) self->question = h;
        else if (::GetDlgItem(h, 0xFFFF)) self->box = h;
        else if (wcscmp(title, L"Brindlecast") == 0) self->main = h;
        return TRUE;
    }
    static ProgramWindows Of(DWORD pid)
    {
        ProgramWindows w{pid};
        ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&w));
        return w;
    }
};

void TypeInto(HWND edit, const wchar_t* text)
{
    for (; *text; ++text) ::PostMessageW(edit, WM_CHAR, *text, 1);
    ::Sleep(200);
}

class ZELProgramLoginTest : public prototest::EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        StopLogService();
        ::DeleteFileW((DataFolder() + L"ZELLog.txt").c_str());
        ::DeleteFileW((DataFolder() + L"MainRect.ini").c_str());
        m_settings = DataFolder() + L"setting.ini";
        ::MoveFileExW(m_settings.c_str(), (m_settings + L".saved").c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    void TearDown() override
    {
        StopLogService();
        ::DeleteFileW(m_settings.c_str());
        ::MoveFileExW((m_settings + L".saved").c_str(), m_settings.c_str(), MOVEFILE_REPLACE_EXISTING);
        EndToEndTest::TearDown();
    }
    void WriteSettings(int nTasPort)
    {
        auto put = [&](const wchar_t* section, const wchar_t* key, const std::wstring& value) {
            ::WritePrivateProfileStringW(section, key, value.c_str(), m_settings.c_str());
        };
        put(L"ZEL", L"ip", L"127.0.0.1");
        put(L"ZEL", L"port", std::to_wstring(nTasPort));
        put(L"TPC", L"ip", L"127.0.0.1");
        put(L"TPC", L"port", std::to_wstring(ServerPort(PORT_PUSH)));
        put(L"TMS", L"ip", L"127.0.0.1");
        put(L"TMS", L"port", std::to_wstring(ServerPort(PORT_HTTP)));
    }
    // Types the user into the login window and presses its button.
    static void LogIn(HWND login)
    {
        TypeInto(::GetDlgItem(login, IDC_LOGIN_ID), L"kim");
        TypeInto(::GetDlgItem(login, IDC_LOGIN_PASSWORD), L"1234");
        ::PostMessageW(login, WM_COMMAND, MAKEWPARAM(IDC_LOGIN_BUTTON, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(login, IDC_LOGIN_BUTTON)));
    }
    static bool LogHas(const std::wstring& text, DWORD ms = 10000)
    {
        return WaitFor([&] { return ReadText(DataFolder() + L"ZELLog.txt").find(text) != std::wstring::npos; }, ms);
    }
    // Until the program ends (or the minute is up, when it is killed): its message boxes are
    // answered OK and their texts kept in 'boxes'; every other look at its windows goes to 'act'.
    static bool DriveUntilEnd(zeltest::ChildProcess& proc, std::vector<std::wstring>& boxes,
                              const std::function<void(const ProgramWindows&)>& act)
    {
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 60000) {
            if (proc.Wait(100)) return true;
            const ProgramWindows w = ProgramWindows::Of(proc.Pid());
            if (!w.box) {
                act(w);
                continue;
            }
            wchar_t text[512] = {};
            ::GetDlgItemTextW(w.box, 0xFFFF, text, 512);
            boxes.push_back(text);
            ::PostMessageW(w.box, WM_COMMAND, IDOK, 0);
            ::Sleep(300);
        }
        proc.Kill();
        return false;
    }

    std::wstring m_settings;
};

TEST_F(ZELProgramLoginTest, LogsInShowsTheMainDialogLogsOutAndInAgainAndEndsInOrderWhenClosed)
{
    WriteSettings(ServerPort(PORT_TAS));
    zeltest::ChildProcess proc;
    ASSERT_TRUE(proc.Start(L"\"" + BinFolder() + L"ZEL.exe\"", BinFolder()));
    int logins = 0, mainShown = 0;
    bool shot = false, asked = false;
    HWND lastMain = nullptr;
    std::vector<std::wstring> boxes;
    const bool ended = DriveUntilEnd(proc, boxes, [&](const ProgramWindows& w) {
        if (w.login && logins == mainShown) {
            ++logins;
            LogIn(w.login);
        } else if (w.okCancel && !asked) {
            asked = true;
            ::PostMessageW(w.okCancel, WM_COMMAND, IDOK, 0);
        } else if (w.main && mainShown < logins) {
            ++mainShown;
            ::Sleep(500);
            if (mainShown == 1) {
                lastMain = w.main;
                shot = apptest::SaveScreenshot(w.main, L"ZEL_main_dialog");
                RECT rc;
                ::GetWindowRect(w.main, &rc);
                EXPECT_EQ(rc.right - rc.left, 1024);
                EXPECT_EQ(rc.bottom - rc.top, 600);
                // The menu's log-out: the login window comes back inside the running session.
                ::PostMessageW(w.main, WM_COMMAND, ID_CMD_LOGOUT, 0);
            } else {
                EXPECT_EQ(w.main, lastMain) << "the same main dialog serves the new session";
                // The close box asks first; then the log-out's reply ends the program.
                ::PostMessageW(w.main, WM_CLOSE, 0, 0);
            }
        }
    });
    ASSERT_TRUE(ended) << "ZEL.exe did not end after its main dialog was closed";
    EXPECT_TRUE(shot) << "no main dialog";
    EXPECT_EQ(logins, 2);
    EXPECT_EQ(mainShown, 2);
    EXPECT_TRUE(asked) << "closing did not ask";
    EXPECT_TRUE(boxes.empty()) << zeltest::Narrow(boxes.empty() ? L"" : boxes[0]);
    EXPECT_EQ(CountProcesses(L"ZEL.exe"), 0);
    EXPECT_EQ(Frames("tas", nullptr, "M00000023").size(), 2u) << "both log-outs reached the server";
    EXPECT_EQ(Frames("push", "PPSE", "M00000001").size(), 2u) << "each session opened its push session";

    ASSERT_TRUE(LogHas(L"ZEL Log end"));
    const std::wstring log = ReadText(DataFolder() + L"ZELLog.txt");
    const wchar_t* inOrder[] = {L"Login window closed: result 0", L"Main dialog started for user 1001",
                                L"Log out...", L"Logged in again as 1001",
                                L"PostQuitMessage...", L"Main dialog closed", L"Main dialog ended",
                                L"Shut-down: resources", L"Shut-down: network", L"Shut-down: gdiplus", L"ZEL Log end"};
    size_t at = 0;
    for (const wchar_t* line : inOrder) {
        const size_t found = log.find(line, at);
        EXPECT_NE(found, std::wstring::npos) << "missing or out of order: " << zeltest::Narrow(line);
        if (found != std::wstring::npos) at = found;
    }
}

TEST_F(ZELProgramLoginTest, ServerDownAtStartUpIsAClearMessageAndAnOrderlyEnd)
{
    // A port nothing listens on.
    SOCKET s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    int len = sizeof(addr);
    ASSERT_EQ(::bind(s, (sockaddr*)&addr, sizeof(addr)), 0);
    ::getsockname(s, (sockaddr*)&addr, &len);
    ::closesocket(s);
    WriteSettings(::ntohs(addr.sin_port));

    zeltest::ChildProcess proc;
    ASSERT_TRUE(proc.Start(L"\"" + BinFolder() + L"ZEL.exe\"", BinFolder()));
    bool loggedIn = false;
    std::vector<std::wstring> boxes;
    const bool ended = DriveUntilEnd(proc, boxes, [&](const ProgramWindows& w) {
        if (w.login && !loggedIn) {
            loggedIn = true;
            LogIn(w.login);
        }
    });
    ASSERT_TRUE(ended) << "ZEL.exe did not end with its server down";
    ASSERT_EQ(boxes.size(), 1u) << "one message tells the user";
    EXPECT_FALSE(boxes[0].empty());
    EXPECT_EQ(CountProcesses(L"ZEL.exe"), 0);
    ASSERT_TRUE(LogHas(L"ZEL Log end"));
    const std::wstring log = ReadText(DataFolder() + L"ZELLog.txt");
    EXPECT_NE(log.find(L"Login window closed: result 2"), std::wstring::npos);
    EXPECT_EQ(log.find(L"Main dialog started"), std::wstring::npos);
    EXPECT_NE(log.find(L"Shut-down: network"), std::wstring::npos);
}

// The main dialog is built while the login window waits for the user; when no one logs in it goes
// with the program, leaving nothing of a session behind: no connection, no place of a window the
// user never saw.
TEST_F(ZELProgramLoginTest, TheMainDialogBuiltWhileTheLoginWindowWaitsGoesWithoutTraceWhenNoOneLogsIn)
{
    WriteSettings(ServerPort(PORT_TAS));
    zeltest::ChildProcess proc;
    ASSERT_TRUE(proc.Start(L"\"" + BinFolder() + L"ZEL.exe\"", BinFolder()));
    bool closed = false;
    std::vector<std::wstring> boxes;
    const bool ended = DriveUntilEnd(proc, boxes, [&](const ProgramWindows& w) {
        if (!w.login || closed) return;
        ASSERT_TRUE(LogHas(L"Main dialog built ahead")) << "the main dialog was not built while the login window waited";
        EXPECT_EQ(ProgramWindows::Of(proc.Pid()).main, nullptr) << "the main dialog showed before a log-in";
        closed = true;
        ::PostMessageW(w.login, WM_COMMAND, MAKEWPARAM(IDC_LOGIN_CLOSE, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(w.login, IDC_LOGIN_CLOSE)));
    });
    ASSERT_TRUE(ended) << "ZEL.exe did not end after its login window was closed";
    EXPECT_TRUE(closed);
    EXPECT_TRUE(boxes.empty()) << zeltest::Narrow(boxes.empty() ? L"" : boxes[0]);
    EXPECT_EQ(CountProcesses(L"ZEL.exe"), 0);
    EXPECT_EQ(::GetFileAttributesW((DataFolder() + L"MainRect.ini").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the place of the unseen main dialog was saved";
    EXPECT_TRUE(Frames("tas", nullptr, "M00000001").empty());
    EXPECT_TRUE(Frames("push", "PPSE", "M00000001").empty()) << "a push session was opened without a log-in";
    ASSERT_TRUE(LogHas(L"ZEL Log end"));
    const std::wstring log = ReadText(DataFolder() + L"ZELLog.txt");
    EXPECT_NE(log.find(L"Login window closed: result 1"), std::wstring::npos);
    EXPECT_EQ(log.find(L"Main dialog started"), std::wstring::npos);
    EXPECT_NE(log.find(L"Shut-down: gdiplus"), std::wstring::npos);
}

// An upgrade offered by the log-in reply: the program downloads the installer from the web server
// and starts it, then ends (before it, nothing was downloaded and the program just ended).
TEST_F(ZELProgramLoginTest, AnUpgradeOfferedAtLogInDownloadsTheInstallerAndStartsIt)
{
    // The installer lies on the web server as an uploaded file does.
    const std::wstring installer = zeltest::BinaryDir() + L"\\tests\\zel_stand_in_installer.exe";
    CHttpMultipartClient http;
    ASSERT_EQ(http.Open(L"ZELProgramTest", L"127.0.0.1", (INTERNET_PORT)ServerPort(PORT_HTTP)), 0u);
    ASSERT_EQ(http.AddFile(L"file", L"setup.exe", installer.c_str()), 0u);
    LPWSTR pszReply = nullptr;
    DWORD dwStatus = 0;
    ASSERT_EQ(http.Post(L"/brindlecast/rest/fileRestService/upload", nullptr, nullptr, &pszReply, &dwStatus, FALSE), 0u);
    Json::Value stored;
    ASSERT_TRUE(Json::Reader().parse(zeltest::Narrow(pszReply ? pszReply : L""), stored));
    CHttpMultipartClient::FreeBuffer(pszReply);
    const std::string url =
        "http://127.0.0.1:" + std::to_string(ServerPort(PORT_HTTP)) + stored["filePath"].asString();
    Json::Value config;
    config["cmd"] = "config";
    config["upgrade_url"] = url;
    Control(config);

    const std::wstring target = CUpgradeDownload::TargetPath().GetString();
    ::DeleteFileW(target.c_str());
    zeltest::TempDir dir;
    const std::wstring mark = dir.File(L"installer-started.txt");
    WriteSettings(ServerPort(PORT_TAS));
    ::SetEnvironmentVariableW(L"ZEL_STAND_IN_MARK", mark.c_str());
    zeltest::ChildProcess proc;
    const bool started = proc.Start(L"\"" + BinFolder() + L"ZEL.exe\"", BinFolder());
    ::SetEnvironmentVariableW(L"ZEL_STAND_IN_MARK", nullptr);
    ASSERT_TRUE(started);
    bool loggedIn = false;
    int questions = 0;
    std::vector<std::wstring> boxes;
    const bool ended = DriveUntilEnd(proc, boxes, [&](const ProgramWindows& w) {
        if (w.question) {
            ++questions;
            ::PostMessageW(w.question, WM_COMMAND, IDOK, 0);
            ::Sleep(300);
        } else if (w.login && !loggedIn) {
            loggedIn = true;
            LogIn(w.login);
        }
    });
    config["upgrade_url"] = "";
    Control(config);
    ASSERT_TRUE(ended) << "ZEL.exe did not end after the upgrade";
    EXPECT_EQ(questions, 1) << "the upgrade is offered once";
    EXPECT_TRUE(boxes.empty()) << zeltest::Narrow(boxes.empty() ? L"" : boxes[0]);

    // The download went to the temporary folder, whole, and that file was started.
    std::string served, downloaded;
    ASSERT_TRUE(zeltest::ReadFileBytes(installer, served));
    ASSERT_TRUE(zeltest::ReadFileBytes(target, downloaded)) << "nothing was downloaded";
    EXPECT_TRUE(downloaded == served) << "the download is not the installer";
    std::string startedBy;
    EXPECT_TRUE(WaitFor([&] { return zeltest::ReadFileBytes(mark, startedBy) && !startedBy.empty(); }, 10000))
        << "the downloaded installer was not started";
    const std::wstring path((const wchar_t*)startedBy.data(), startedBy.size() / sizeof(wchar_t));
    EXPECT_EQ(_wcsicmp(path.c_str(), target.c_str()), 0) << zeltest::Narrow(path);
    EXPECT_EQ(CountProcesses(L"ZEL.exe"), 0);
    ::DeleteFileW(target.c_str());
}

}  // namespace
