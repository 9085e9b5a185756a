// A stand-in for ZEL or ZELLog as ZELClose sees them: one top-level window of the program's class
// that reacts to the quit control message in one of several ways.
//
//   closer_fixture.exe [class=<window class>] [mode=quit|ignore|hung] [delay=<ms>] [life=<ms>]
//
// quit:   ends <delay> ms after the first quit request (exit code kCleanExit).
// ignore: answers every request and stays.
// hung:   never pumps its messages once the window exists.
// Without class= the class follows the executable's name ("ZEL.exe", "ZELLog.exe"), so that a copy
// named like the real program behaves like it. Every start appends its whole command line (UTF-8)
// to "started.txt" beside the executable and every quit request received adds a line "quit" to
// "<exe name>.requests.txt" there. The program ends by itself after <life> ms (default 60000, exit code kLifeExit).
#include <windows.h>

#include <string>

namespace {

const UINT kAppControl = WM_USER + 513;
const WPARAM kQuit = 0x606;
const int kCleanExit = 7;
const int kLifeExit = 9;
const UINT_PTR kQuitTimer = 1;
const UINT_PTR kLifeTimer = 2;

std::wstring g_exeFolder;
std::wstring g_exeName;
std::wstring g_mode = L"quit";
UINT g_delay = 0;
bool g_quitting = false;

void AppendUtf8(const std::wstring& file, const std::wstring& text)
{
    HANDLE h = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), &bytes[0], n, nullptr, nullptr);
    bytes += "\n";
    DWORD put = 0;
    WriteFile(h, bytes.data(), (DWORD)bytes.size(), &put, nullptr);
    CloseHandle(h);
}

LRESULT CALLBACK FixtureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == kAppControl && wp == kQuit) {
        AppendUtf8(g_exeFolder + g_exeName + L".requests.txt", L"quit");
        if (g_mode == L"quit" && !g_quitting) {
            g_quitting = true;
            if (g_delay == 0) DestroyWindow(hwnd);
            else SetTimer(hwnd, kQuitTimer, g_delay, nullptr);
        }
        return 0;
    }
    if (msg == WM_TIMER && wp == kQuitTimer) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (msg == WM_TIMER && wp == kLifeTimer) {
        ExitProcess(kLifeExit);
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(kCleanExit);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

std::wstring ClassForExe(const std::wstring& exeName)
{
    if (lstrcmpiW(exeName.c_str(), L"ZELLog.exe") == 0) return L"Talvora_Log_Class";
    return L"ZEL_Talvora_Class";
}

// The value of "key=value" in the command line's words, or the fallback.
std::wstring Arg(int argc, wchar_t** argv, const std::wstring& key, const std::wstring& fallback)
{
    for (int i = 1; i < argc; ++i) {
        std::wstring a = argv[i];
        if (a.compare(0, key.size() + 1, key + L"=") == 0) return a.substr(key.size() + 1);
    }
    return fallback;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, LPWSTR, int)
{
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, n);
    size_t slash = full.find_last_of(L'\\');
    g_exeFolder = full.substr(0, slash + 1);
    g_exeName = full.substr(slash + 1);
    AppendUtf8(g_exeFolder + L"started.txt", GetCommandLineW());

    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring cls = Arg(argc, argv, L"class", ClassForExe(g_exeName));
    g_mode = Arg(argc, argv, L"mode", L"quit");
    g_delay = (UINT)_wtoi(Arg(argc, argv, L"delay", L"0").c_str());
    UINT life = (UINT)_wtoi(Arg(argc, argv, L"life", L"60000").c_str());

    WNDCLASSW wc = {};
    wc.lpfnWndProc = FixtureProc;
    wc.hInstance = inst;
    wc.lpszClassName = cls.c_str();
    if (!RegisterClassW(&wc)) return 2;
    HWND hwnd = CreateWindowExW(0, cls.c_str(), L"closer fixture", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                nullptr, nullptr, inst, nullptr);
    if (!hwnd) return 3;
    if (g_mode == L"hung") {
        // The window exists but nothing ever answers it; only the life time ends the process.
        Sleep(life);
        return kLifeExit;
    }
    SetTimer(hwnd, kLifeTimer, life, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return (int)msg.wParam;
}
