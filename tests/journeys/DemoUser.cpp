// The demo's user when no one sits at the screen: waits for ZEL.exe's login window, logs in with
// the demo account by mouse and keyboard, and saves a picture of each screen it reaches.
//   zel_demo_user.exe [--id kim] [--password 1234] [--screenshots <folder>] [--wait <seconds>]
#include <winsock2.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/journeys/DisplayPicture.h"
#include "tests/journeys/JourneySupport.h"
#include "tests/journeys/SharedMeeting.h"
#include "tests/journeys/UserDriver.h"

namespace {

std::wstring g_folder = L".";

DWORD g_pid = 0;
int g_nFaults = 0;

// The screen as the display shows it and as the program paints it; a window whose two pictures
// disagree, or that is a block of one or two colours, is reported.
void Shot(const wchar_t* name)
{
    ::Sleep(1500);   // let the screen finish painting what its replies brought
    const std::string faults = journey::ShootAndJudge(g_pid, g_folder, name);
    std::printf("demo: screenshot %s\\%s.png%s\n", zeltest::Narrow(g_folder).c_str(), zeltest::Narrow(name).c_str(),
                journey::HasDisplayPicture() ? " and _display.png" : "");
    if (!faults.empty()) {
        ++g_nFaults;
        std::printf("demo: not shown as painted in %s:\n%s", zeltest::Narrow(name).c_str(), faults.c_str());
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring id = L"kim", password = L"1234";
    DWORD waitMs = 60000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring key = argv[i];
        if (key == L"--id") id = argv[i + 1];
        else if (key == L"--password") password = argv[i + 1];
        else if (key == L"--screenshots") g_folder = argv[i + 1];
        else if (key == L"--wait") waitMs = (DWORD)_wtoi(argv[i + 1]) * 1000;
    }
    ::SetProcessDPIAware();
    DWORD pid = 0;
    journey::WaitUntil([&] {
        const auto ids = journey::ProcessIds(L"ZEL.exe");
        if (!ids.empty()) pid = ids.front();
        return pid != 0;
    }, waitMs);
    g_pid = pid;
    if (!pid) {
        std::printf("demo: ZEL.exe did not start\n");
        return 1;
    }
    HWND login = journey::WaitForDialogWithChild(pid, 1012, waitMs);
    if (!login) {
        std::printf("demo: no login window\n");
        return 1;
    }
    Shot(L"demo_login");
    if (!journey::LogIn(login, id, password)) {
        std::printf("demo: the login window did not take the input\n");
        return 1;
    }
    std::printf("demo: logged in as %s\n", zeltest::Narrow(id).c_str());
    HWND main = nullptr;
    journey::WaitUntil([&] { return (main = journey::FindMainWindow(pid, login)) != nullptr; }, waitMs);
    if (!main) {
        if (HWND box = journey::FindMessageBox(pid)) {
            std::printf("demo: the client says: %s\n",
                        zeltest::Narrow(journey::WindowText(::GetDlgItem(box, 0xFFFF))).c_str());
            Shot(L"demo_login_message");
        } else {
            std::printf("demo: no main window after the login\n");
        }
        return 1;
    }
    Shot(L"demo_main");
    // The meeting list's first row opens the meeting's detail.
    journey::ClickAt(main, 450, 230);
    Shot(L"demo_detail");
    // The meeting's first document opens the meeting screen on it; the presenter marks a line
    // on the page with the red pen.
    journey::DoubleClickAt(main, 490, 333);
    ::Sleep(3000);
    std::string why;
    if (journey::TakeRedPen(pid, main, why)) {
        journey::DragAt(main, {{392, 214}, {450, 212}, {520, 214}, {600, 213}});
        journey::DragAt(main, {{392, 296}, {450, 294}, {520, 296}, {600, 295}});
    } else {
        std::printf("demo: %s\n", why.c_str());
    }
    Shot(L"demo_meeting");
    return g_nFaults ? 2 : 0;
}
