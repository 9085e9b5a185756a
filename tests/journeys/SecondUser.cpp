// The second user of a shared meeting, in his own Wine prefix and on his own display (started by
// second_user.sh): writes his client's server settings, then takes one JSON command per line on a
// loopback port and answers each with one line, so that a test in the first user's prefix can make
// him start the client, log in, click, type, and tell what his screen shows.
//   zel_second_user.exe --ready-file <unix path> --tas N --push N --http N
// The port goes into the ready file; removing that file ends the client and the program.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/support/StallProbe.h"
#include "core/AppControl.h"
#include "resources/resource.h"
#include "tests/journeys/DisplayPicture.h"
#include "tests/journeys/JourneySupport.h"
#include "tests/journeys/UserDriver.h"

namespace {

struct Agent {
    zeltest::ChildProcess client;
    HWND hLogin = nullptr;
    HWND hMain = nullptr;
    std::wstring bin;
    // While a benchmark asks: how long the client's window thread keeps its user waiting.
    std::unique_ptr<benchstall::WindowStallProbe> probe;

    Json::Value Start(const Json::Value& c)
    {
        Json::Value a;
        if (!client.Start(L"\"" + bin + L"ZEL.exe\"", bin)) return Fail("ZEL.exe did not start");
        hLogin = journey::WaitForDialogWithChild(client.Pid(), IDC_LOGIN_ID, 60000);
        if (!hLogin) return Fail("no login window");
        if (!journey::LogIn(hLogin, zeltest::Widen(c["id"].asString()), zeltest::Widen(c["password"].asString())))
            return Fail("the login window took no input");
        if (!journey::WaitUntil([&] { return (hMain = journey::FindMainWindow(client.Pid(), hLogin)) != nullptr; },
                                30000))
            return Fail("no main dialog after the login");
        a["ok"] = true;
        return a;
    }

    Json::Value Pointer(const Json::Value& c)
    {
        if (!hMain) return Fail("not logged in");
        const int x = c["x"].asInt(), y = c["y"].asInt();
        if (c["double"].asBool()) journey::DoubleClickAt(hMain, x, y);
        else journey::ClickAt(hMain, x, y);
        return Ok();
    }

    // Pixels of the colour in a rectangle of the main window's client area; with "min", waits
    // until at least that many are there and tells when they were seen (microseconds of the
    // performance counter, which every process of this machine shares).
    Json::Value Count(const Json::Value& c)
    {
        if (!hMain) return Fail("not logged in");
        const Json::Value& r = c["rect"];
        const RECT rc = journey::ClientToScreenRect(hMain, RECT{r[0].asInt(), r[1].asInt(), r[2].asInt(), r[3].asInt()});
        const COLORREF colour = RGB(c["color"][0].asInt(), c["color"][1].asInt(), c["color"][2].asInt());
        const int tolerance = c.get("tolerance", 40).asInt();
        const int wanted = c.get("min", 0).asInt();
        const DWORD timeout = c.get("timeout", 10000).asUInt();
        const DWORD start = ::GetTickCount();
        int n = journey::CountScreenColour(rc, colour, tolerance);
        while (wanted > 0 && n < wanted && ::GetTickCount() - start < timeout) {
            ::Sleep(1);
            n = journey::CountScreenColour(rc, colour, tolerance);
        }
        Json::Value a = Ok();
        a["count"] = n;
        a["seen_us"] = (Json::Int64)NowMicroseconds();
        return a;
    }

    // The texts of the main window's visible edit boxes, in window order (the page number among
    // them).
    Json::Value Edits()
    {
        if (!hMain) return Fail("not logged in");
        Json::Value a = Ok();
        a["texts"] = Json::Value(Json::arrayValue);
        for (const std::wstring& text : journey::VisibleEditTexts(hMain)) a["texts"].append(zeltest::Narrow(text));
        return a;
    }

    Json::Value Quit()
    {
        if (client.IsRunning()) {
            if (hMain) ::PostMessageW(hMain, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
            if (!client.Wait(20000)) client.Kill();
        }
        return Ok();
    }

    Json::Value Run(const Json::Value& c)
    {
        const std::string cmd = c["cmd"].asString();
        if (cmd == "start") return Start(c);
        if (cmd == "click") return Pointer(c);
        if (cmd == "type") {
            journey::TypeText(zeltest::Widen(c["text"].asString()));
            return Ok();
        }
        if (cmd == "key") {
            journey::PressKey((WORD)c["vk"].asUInt());
            return Ok();
        }
        if (cmd == "count") return Count(c);
        if (cmd == "edits") return Edits();
        if (cmd == "shot") {
            // <folder>\<name>.png as the client paints it, <name>_display.png as his display shows it;
            // the windows that differ in "faults".
            const std::wstring path = zeltest::Widen(c["path"].asString());
            const size_t slash = path.find_last_of(L"\\/");
            std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
            if (name.size() > 4 && name.compare(name.size() - 4, 4, L".png") == 0) name.resize(name.size() - 4);
            Json::Value a;
            a["faults"] = journey::ShootAndJudge(client.Pid(), slash == std::wstring::npos ? L"." : path.substr(0, slash), name);
            a["ok"] = ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
            return a;
        }
        if (cmd == "probe") {
            if (!hMain) return Fail("not logged in");
            probe.reset(new benchstall::WindowStallProbe(hMain));
            return Ok();
        }
        if (cmd == "probe_end") {
            if (!probe) return Fail("no probe");
            const benchstall::StallTally tally = probe->Tally();
            probe.reset();
            Json::Value a = Ok();
            a["longest_ms"] = tally.longestMs;
            a["over_budget"] = tally.overBudget;
            return a;
        }
        if (cmd == "quit") return Quit();
        return Fail("unknown command");
    }

    static long long NowMicroseconds()
    {
        LARGE_INTEGER f, t;
        ::QueryPerformanceFrequency(&f);
        ::QueryPerformanceCounter(&t);
        return (long long)(t.QuadPart * 1000000.0 / f.QuadPart);
    }
    static Json::Value Ok()
    {
        Json::Value a;
        a["ok"] = true;
        return a;
    }
    static Json::Value Fail(const char* pszWhy)
    {
        Json::Value a;
        a["ok"] = false;
        a["error"] = pszWhy;
        return a;
    }
};

std::wstring WindowsPath(std::wstring unixPath)
{
    for (auto& c : unixPath) if (c == L'/') c = L'\\';
    return L"Z:" + unixPath;
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Waits until the socket can be read; false once the ready file is gone (the test has ended).
bool WaitReadable(SOCKET s, const std::wstring& readyFile)
{
    for (;;) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(s, &set);
        timeval tv{0, 300000};
        const int n = ::select(0, &set, nullptr, nullptr, &tv);
        if (n < 0) return false;
        if (n > 0) return true;
        if (!FileExists(readyFile)) return false;
    }
}

// The bytes up to the next "\n", or false when the peer went away or the ready file did. Reads
// what has arrived at once and keeps the rest for the next line: a wait and a read for each byte
// cost a command of a hundred bytes tens of milliseconds under Wine, which the timed commands
// (a stroke's arrival on his screen) would count as the program's.
bool ReadLine(SOCKET s, const std::wstring& readyFile, std::string& line)
{
    static std::string pending;
    line.clear();
    for (;;) {
        const size_t end = pending.find('\n');
        if (end != std::string::npos) {
            line.assign(pending, 0, end);
            pending.erase(0, end + 1);
            return true;
        }
        if (!WaitReadable(s, readyFile)) return false;
        char buffer[4096];
        const int n = ::recv(s, buffer, sizeof buffer, 0);
        if (n <= 0) return false;
        pending.append(buffer, (size_t)n);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring readyFile;
    int tas = 0, push = 0, http = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring key = argv[i];
        if (key == L"--ready-file") readyFile = WindowsPath(argv[i + 1]);
        else if (key == L"--tas") tas = _wtoi(argv[i + 1]);
        else if (key == L"--push") push = _wtoi(argv[i + 1]);
        else if (key == L"--http") http = _wtoi(argv[i + 1]);
    }
    ::SetProcessDPIAware();
    WSADATA wsa;
    ::WSAStartup(MAKEWORD(2, 2), &wsa);
    // Every run starts from the settings of a new installation (the panes' layout among them).
    journey::RemoveServerSettings();
    if (readyFile.empty() || !journey::WriteServerSettings(tas, push, http)) {
        std::printf("second user: no ready file or settings\n");
        return 2;
    }
    Agent agent;
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    agent.bin = self;
    agent.bin = agent.bin.substr(0, agent.bin.find_last_of(L'\\') + 1) + L"..\\bin\\";

    SOCKET listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int len = sizeof addr;
    if (::bind(listener, (sockaddr*)&addr, sizeof addr) != 0 || ::listen(listener, 1) != 0 ||
        ::getsockname(listener, (sockaddr*)&addr, &len) != 0)
        return 2;
    const std::string ready = std::to_string(ntohs(addr.sin_port)) + "\n";
    HANDLE hFile = ::CreateFileW(readyFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (hFile == INVALID_HANDLE_VALUE) return 2;
    ::WriteFile(hFile, ready.data(), (DWORD)ready.size(), &written, nullptr);
    ::CloseHandle(hFile);

    SOCKET s = WaitReadable(listener, readyFile) ? ::accept(listener, nullptr, nullptr) : INVALID_SOCKET;
    ::closesocket(listener);
    std::string line;
    Json::FastWriter writer;
    while (s != INVALID_SOCKET && ReadLine(s, readyFile, line)) {
        Json::Value command, answer;
        if (!Json::Reader().parse(line, command)) answer = Agent::Fail("not JSON");
        else answer = agent.Run(command);
        const std::string out = writer.write(answer);
        ::send(s, out.data(), (int)out.size(), 0);
        if (command["cmd"].asString() == "quit") break;
    }
    agent.Quit();
    if (s != INVALID_SOCKET) ::closesocket(s);
    ::WSACleanup();
    return 0;
}
