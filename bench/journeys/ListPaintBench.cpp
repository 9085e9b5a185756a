// The log-in as the user of the real program sees it, against what it has to wait for, in one run:
//   Journey/login_to_list   ZEL.exe started anew each time; ID and password typed into its login
//                           window, then timed from the click on the log-in button (the release of
//                           the pressed button, where the button acts) until the main
//                           dialog shows the first row of today's meetings (dark title text where
//                           the row's title is painted)
//   Journey/floor           the round trips that road needs, bare and one after another: a new
//                           server client connects and logs in, then asks for the day's counts, the
//                           month's marks and the first page of the list (the program sends the
//                           last three together, so the floor is generous)
// Reported in milliseconds; the ratio login_to_list / floor is on the login_to_list line. The
// log-in is traced too (p50 of each step's time after the click, trace_*_ms): the servers' log
// gives when the log-in request came and its reply left, when the list's requests came and their
// replies left; the benchmark itself when the main dialog appeared and when the row was painted.
#include <winsock2.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>

#include "core/AppControl.h"
#include "core/LogRecords.h"
#include "core/LoginManager.h"
#include "core/ProgramGlobals.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/TasClientManager.h"
#include "net/socket/SocketBase.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "resources/resource.h"
#include "bench/journeys/JourneyBenchSupport.h"
#include "bench/support/StallProbe.h"
#include "tests/journeys/JourneySupport.h"
#include "tests/journeys/UserDriver.h"
#include "tests/net/protocol/RecordingWindow.h"

namespace {

using namespace journeybench;

double g_dFloorMs = 0;

// Dark pixels where the first row's title is painted (main window client coordinates).
bool FirstRowPainted(HWND hMain)
{
    RECT rc = {280, 220, 480, 240};
    ::MapWindowPoints(hMain, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    HDC hScreen = ::GetDC(nullptr);
    int dark = 0;
    for (int y = rc.top; y < rc.bottom && dark < 8; y += 2)
        for (int x = rc.left; x < rc.right && dark < 8; x += 2) {
            const COLORREF c = ::GetPixel(hScreen, x, y);
            if (c != CLR_INVALID && GetRValue(c) < 110 && GetGValue(c) < 110 && GetBValue(c) < 110) ++dark;
        }
    ::ReleaseDC(nullptr, hScreen);
    return dark >= 8;
}

// The pointer on the button and pressed; the release, where the button acts, is left to the caller.
void PressButton(HWND hButton)
{
    RECT rc;
    ::GetClientRect(hButton, &rc);
    POINT pt{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(hButton, &pt);
    ::SetForegroundWindow(::GetAncestor(hButton, GA_ROOT));
    ::SetCursorPos(pt.x, pt.y);
    ::Sleep(30);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ::SendInput(1, &in, sizeof in);
    ::Sleep(30);
}

void ReleaseButton()
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof in);
}

// The wall clock in milliseconds since 1970, as the servers' log writes it.
double WallMs()
{
    FILETIME ft;
    ::GetSystemTimePreciseAsFileTime(&ft);
    const ULONGLONG t = ((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    return (double)(t - 116444736000000000ULL) / 10000.0;
}

// The time (ms after 'from') of the first record of the application server's log of that kind
// and message at or after 'from'; negative when there is none.
double FirstAfter(const Json::Value& records, const char* msg, double from)
{
    for (const Json::Value& r : records) {
        const double t = r["time"].asDouble() * 1000.0;
        if (r["msg"].asString() == msg && t >= from - 1.0) return t - from;
    }
    return -1.0;
}

void LoginToList(benchmark::State& state)
{
    const std::vector<int>& ports = Servers();
    if (ports.empty()) {
        state.SkipWithError("the test servers did not start");
        return;
    }
    const std::wstring bin = BinFolder();
    double total = 0;
    int n = 0;
    std::vector<double> ms;
    benchstall::StallTally stalls;
    journey::ControlLink control;
    const bool tracing = control.Connect(ports[PORT_CONTROL]);
    std::map<std::string, std::vector<double>> trace;
    for (auto _ : state) {
        zeltest::ChildProcess client;
        HWND login = nullptr;
        if (client.Start(L"\"" + bin + L"ZEL.exe\"", bin)) login = journey::WaitForDialogWithChild(client.Pid(), IDC_LOGIN_ID, 60000);
        if (!login) {
            state.SkipWithError("no login window");
            break;
        }
        journey::Click(::GetDlgItem(login, IDC_LOGIN_ID));
        journey::TypeText(L"kim");
        journey::Click(::GetDlgItem(login, IDC_LOGIN_PASSWORD));
        journey::TypeText(L"1234");
        ::Sleep(200);
        // The pointer's way to the button and its press are the bench's, not the program's.
        PressButton(::GetDlgItem(login, IDC_LOGIN_BUTTON));
        LARGE_INTEGER t0, t1;
        ::QueryPerformanceCounter(&t0);
        const double wall0 = WallMs();
        double mainSeen = -1.0;
        ReleaseButton();
        HWND main = nullptr;
        // The program's user-interface thread: through its login window, then through the main
        // dialog once that is there (the login window is gone by then).
        std::unique_ptr<benchstall::WindowStallProbe> loginProbe(new benchstall::WindowStallProbe(login)), mainProbe;
        const bool painted = journey::WaitUntil(
            [&] {
                if (!main && (main = journey::FindMainWindow(client.Pid(), login)) != nullptr) {
                    mainSeen = WallMs() - wall0;
                    mainProbe.reset(new benchstall::WindowStallProbe(main));
                }
                return main && FirstRowPainted(main);
            },
            30000);
        ::QueryPerformanceCounter(&t1);
        if (tracing && painted) {
            Json::Value ask;
            ask["cmd"] = "log";
            ask["server"] = "tas";
            ask["kind"] = "frame";
            const Json::Value frames = control.Control(ask)["records"];
            ask["kind"] = "sent";
            const Json::Value sent = control.Control(ask)["records"];
            trace["trace_login_request_ms"].push_back(FirstAfter(frames, "M00000001", wall0));
            trace["trace_login_reply_ms"].push_back(FirstAfter(sent, "M00000001", wall0));
            trace["trace_main_dialog_ms"].push_back(mainSeen);
            trace["trace_list_request_ms"].push_back(FirstAfter(frames, "M00000003", wall0));
            trace["trace_list_reply_ms"].push_back(FirstAfter(sent, "M00000003", wall0));
            trace["trace_painted_ms"].push_back(Ms(t0, t1));
        }
        for (auto* probe : {&loginProbe, &mainProbe}) {
            if (!*probe) continue;
            const benchstall::StallTally tally = (*probe)->Tally();
            probe->reset();
            stalls.longestMs = std::max(stalls.longestMs, tally.longestMs);
            stalls.overBudget += tally.overBudget;
        }
        if (main) ::PostMessageW(main, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
        if (!client.Wait(20000)) client.Kill();
        if (!painted) {
            state.SkipWithError("the meeting list was not painted");
            break;
        }
        total += Ms(t0, t1);
        ms.push_back(Ms(t0, t1));
        ++n;
        state.SetIterationTime(Ms(t0, t1) / 1000.0);
    }
    if (n && g_dFloorMs > 0) state.counters["ratio"] = (total / n) / g_dFloorMs;
    ReportPercentiles(state, ms);
    for (const auto& step : trace) state.counters[step.first] = Percentile(step.second, 0.5);
    state.counters["ui_stall_ms"] = stalls.longestMs;
    state.counters["ui_stalls_over_33ms"] = stalls.overBudget;
    // The log service the program started stays with a user's session; not with a benchmark's.
    if (HWND h = ::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr))
        ::SendMessageTimeoutW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    journey::RemoveServerSettings();
}

void Floor(benchmark::State& state)
{
    const std::vector<int>& ports = Servers();
    if (!ReadyForBareClients(state)) return;
    static prototest::RecordingWindow window;
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CString day, month;
    day.Format(L"%04d%02d%02d", now.wYear, now.wMonth, now.wDay);
    month = day.Left(6);
    double total = 0;
    int n = 0;
    std::vector<double> ms;
    for (auto _ : state) {
        CTasClientManager::DestroyInstance();
        CTasClientManager* tas = CTasClientManager::GetInstance();
        tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str());
        const UINT uLogin = tas->GetReplyMessage("M00000001"), uCounts = tas->GetReplyMessage("M00000002"),
                   uMarks = tas->GetReplyMessage("M00000013"), uPage = tas->GetReplyMessage("M00000003");
        for (UINT msg : {uLogin, uCounts, uMarks, uPage}) window.Expect(msg, prototest::RecordingWindow::LPARAM_REPLY);
        tas->SetListener(window.Handle());
        LARGE_INTEGER t0, t1;
        ::QueryPerformanceCounter(&t0);
        tas->Connect(CString(L"127.0.0.1"), ports[PORT_TAS]);
        const size_t logins = window.Count(uLogin);
        tas->RequestM00000001(L"", L"kim", L"1234");
        bool ok = window.WaitFor(uLogin, logins + 1, 15000);
        if (ok) CLoginManager::GetInstance()->SetSessionFromReply(window.RecordsOf(uLogin).back().json, true);
        const size_t counts = window.Count(uCounts);
        tas->RequestM00000002(L"10", day, 1);
        ok = ok && window.WaitFor(uCounts, counts + 1, 15000);
        const size_t marks = window.Count(uMarks);
        tas->RequestM00000013(month, L"10", L"");
        ok = ok && window.WaitFor(uMarks, marks + 1, 15000);
        const size_t pages = window.Count(uPage);
        tas->RequestM00000003(day, day, L"10", 0, 0, 1, 30, L"");
        ok = ok && window.WaitFor(uPage, pages + 1, 15000);
        ::QueryPerformanceCounter(&t1);
        if (!ok) {
            state.SkipWithError("a bare round trip was not answered");
            break;
        }
        total += Ms(t0, t1);
        ms.push_back(Ms(t0, t1));
        ++n;
        state.SetIterationTime(Ms(t0, t1) / 1000.0);
    }
    CTasClientManager::DestroyInstance();
    ReportPercentiles(state, ms);
    if (n) g_dFloorMs = total / n;
}

BENCHMARK(Floor)->Name("Journey/floor")->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(LoginToList)->Name("Journey/login_to_list")->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
