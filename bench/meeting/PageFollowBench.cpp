// Following the presenter, in one run against the local test servers:
//   follow  the synchronisation server sends the presenter's move to another document at a page;
//           timed from the control command until the attendee's board shows that page's image
//           (page push -> page sync request -> page-image reply -> HTTP download -> canvas)
//   floor   one bare HTTP download of a page image of the same size from the same web server
// Reported as p50 and p99 in milliseconds over ZEL_BENCH_MOVES moves (40 unless set), and the
// ratio of the follow p50 to the floor p50. Two stages of the follow time are reported too: the
// push reaching the screen (push_p50_ms) and the board holding the document's pages after its
// page-image reply (pages_p50_ms); the rest is the download and the canvas showing the page;
// follow_painted_p50_ms adds the canvas' paint of the page.
// Then page turns within the open document (all of its pages downloaded), forwards to the last
// page and back, as the presenter turns them: turn_*_ms from the push until the canvas has painted
// the page, turn_paint_*_ms the paint alone, against a blit of the whole canvas (blit_p50_ms, the
// floor of a turn that only has to put pixels on the screen; turn_paint_ratio_p50 over it).
#include <winsock2.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/support/BlitFloor.h"
#include "bench/support/Percentile.h"
#include "bench/support/StallProbe.h"
#include "core/MeetingManager.h"
#include "core/NetworkIdentity.h"
#include "core/ProgramGlobals.h"
#include "core/SettingManager.h"
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/socket/SocketBase.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "platform/ResourceHandle.h"
#include "platform/WinApp.h"
#include "screens/meeting/MeetingLayer.h"
#include "tests/screens/meeting/MeetingTestSupport.h"
#include "tests/support/LoopbackSocket.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "whiteboard/board/BoardImageFetcher.h"
#include "whiteboard/board/BoardLayer.h"

namespace {

double Millis(LONGLONG ticks)
{
    static LONGLONG freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return (double)ticks * 1e3 / (double)freq;
}

LONGLONG Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

using benchstats::Percentile;

std::string Command(SOCKET control, const std::string& line)
{
    send(control, line.data(), (int)line.size(), 0);
    return zeltest::ReadSocketLine(control);
}

void PageChangeToBoardImage(benchmark::State& state)
{
    static bool started = CSocketBase::InitializeSockets(true, 4) && CTCPSocketAsyncSSL::InitializeSSL();
    static zeltest::PythonFixture servers;
    static bool serversUp = servers.Start(L"tests/servers/run_servers.py");
    if (!started || !serversUp) {
        state.SkipWithError("the socket library or the test servers did not start");
        return;
    }
    std::istringstream ports(servers.ReadyLine());
    std::vector<int> port;
    for (int p; ports >> p;) port.push_back(p);
    const SOCKET control = zeltest::ConnectLoopback(port[5]);
    g_strMacAddress = L"0A1B2C3D4E5F";
    const std::wstring dll = zeltest::BinaryDir() + L"\\bin\\Res_Kor.dll";
    HMODULE hLanguage = ::LoadLibraryW(dll.c_str());
    if (!hLanguage || !skintest::LoadShippedSkin(1.0f)) {
        state.SkipWithError("the language library or the skin did not load");
        return;
    }
    AfxSetResourceHandle(hLanguage);
    CSettingManager::GetInstance()->SetTMSAddress(L"127.0.0.1");
    CSettingManager::GetInstance()->SetTMSPort(port[4]);

    meetingtest::StandInMain main;
    meetingtest::MainWindow window;
    window.Open(1280, 800);
    main.pWnd = &window;
    window.pMain = &main;
    SetMainDlg(&main);
    prototest::RecordingWindow listener, events;
    if (!meetingtest::LogInAs("lee", port[0], listener, events.Handle())) {
        state.SkipWithError("no login");
        return;
    }
    CTDSClientManager tds;
    tds.Init(zeltest::SourcePath(L"protocols/tds_protocol.xml").c_str());
    tds.SetEventWindow(events.Handle());
    tds.Connect(CString(L"127.0.0.1"), port[2]);
    tds.SetListener(window.GetSafeHwnd(), nullptr);

    std::unique_ptr<CMeetingLayer> screen(new CMeetingLayer());
    CRect rc;
    window.GetClientRect(&rc);
    screen->Create(&window, rc);
    screen->ShowWindow(SW_SHOW);
    CBoardLayer* board = screen->GetBoardLayer();
    auto shows = [&](const wchar_t* doc, int page) {
        const auto p = board->GetPageManager().GetPage(page);
        return screen->GetCurrentDocumentId() == doc && p && p->HasImage() && board->GetCanvas()->GetPageNumber() == page;
    };
    screen->EnterMeeting(L"101");
    if (!zeltest::PumpUntil([&] { return shows(L"D1011", 1); }, 20000)) {
        state.SkipWithError("the first page did not show");
        return;
    }
    Command(control, "{\"cmd\":\"rule\",\"server\":\"tas\",\"msg\":\"M00000021\",\"body\":{\"mtngId\":\"101\","
                     "\"mtngStatus\":\"02\",\"attcFileId\":\"D1011\",\"page\":1,\"zoomFactor\":\"-1\"}}\n");
    screen->SendMessage(WM_USER + 2010, 4, 0);
    if (!zeltest::PumpUntil([&] { return screen->IsPageSync() && screen->GetOptMode() == 4; }, 15000)) {
        state.SkipWithError("following did not start");
        return;
    }
    const char* env = getenv("ZEL_BENCH_MOVES");
    const int moves = env ? atoi(env) : 40;
    std::vector<double> follow, floor, push, pages, painted;
    HWND canvas = board->GetCanvas()->GetSafeHwnd();
    // The screen's thread while the pages turn (the bare downloads run on it too, and are short).
    std::unique_ptr<benchstall::ThreadStallProbe> probe(new benchstall::ThreadStallProbe());
    for (auto _ : state) {
        for (int i = 0; i < moves; ++i) {
            // Each move goes to the other document, so the page is never cached.
            const wchar_t* doc = (i % 2 == 0) ? L"D1012" : L"D1011";
            const int page = 1 + (i % 4);
            std::ostringstream line;
            line << "{\"cmd\":\"tds\",\"action\":\"page\",\"data\":{\"mtngId\":\"101\",\"attachId\":\""
                 << ((i % 2 == 0) ? "D1012" : "D1011") << "\",\"page\":\"" << page << "\"}}\n";
            const std::string text = line.str();
            const LONGLONG t0 = Now();
            send(control, text.data(), (int)text.size(), 0);
            zeltest::PumpUntil([&] { return screen->GetCurrentDocumentId() == doc; }, 20000);
            push.push_back(Millis(Now() - t0));
            zeltest::PumpUntil([&] { return board->GetPageManager().GetPage(page) != nullptr; }, 20000);
            pages.push_back(Millis(Now() - t0));
            if (!zeltest::PumpUntil([&] { return shows(doc, page); }, 20000)) {
                state.SkipWithError("a page did not show");
                break;
            }
            follow.push_back(Millis(Now() - t0));
            ::UpdateWindow(canvas);
            painted.push_back(Millis(Now() - t0));
            zeltest::ReadSocketLine(control);
            std::ostringstream url;
            url << "http://127.0.0.1:" << port[4] << "/img/" << ((i % 2 == 0) ? "D1012" : "D1011") << "/" << page
                << ".png";
            std::string bytes;
            const LONGLONG t1 = Now();
            CBoardImageFetcher::HttpGet(CString(zeltest::Widen(url.str()).c_str()), 2000, 10000, bytes);
            floor.push_back(Millis(Now() - t1));
        }
    }
    // Turns within one document: D1011 open at page 1, all its pages downloaded first.
    std::vector<double> turn, turnPaint, blit;
    {
        const std::string open = "{\"cmd\":\"tds\",\"action\":\"page\",\"data\":{\"mtngId\":\"101\",\"attachId\":"
                                 "\"D1011\",\"page\":\"1\"}}\n";
        send(control, open.data(), (int)open.size(), 0);
        zeltest::ReadSocketLine(control);
        const int total = 12;
        const bool loaded = zeltest::PumpUntil([&] {
            if (!shows(L"D1011", 1) || board->GetPageManager().GetPageCount() != total) return false;
            for (int n = 1; n <= total; ++n)
                if (!board->GetPageManager().GetPage(n)->HasImage()) return false;
            return true;
        }, 30000);
        zeltest::PumpUntil([] { return false; }, 300);  // what the last page asked for settles
        std::vector<int> order;
        for (int n = 2; n <= total; ++n) order.push_back(n);
        for (int n = total - 1; n >= 1; --n) order.push_back(n);
        for (int k = 0; loaded && k < 2; ++k) {
            for (int page : order) {
                std::ostringstream line;
                line << "{\"cmd\":\"tds\",\"action\":\"page\",\"data\":{\"mtngId\":\"101\",\"attachId\":\"D1011\",\"page\":\""
                     << page << "\"}}\n";
                const std::string text = line.str();
                const LONGLONG t0 = Now();
                send(control, text.data(), (int)text.size(), 0);
                if (!zeltest::PumpUntil([&] { return shows(L"D1011", page); }, 20000)) break;
                const LONGLONG t1 = Now();
                ::UpdateWindow(canvas);
                turnPaint.push_back(Millis(Now() - t1));
                turn.push_back(Millis(Now() - t0));
                zeltest::ReadSocketLine(control);
                // The floor: the whole canvas put on the screen from a picture of it.
                blit.push_back(benchblit::BlitWindowMs(canvas));
            }
        }
        if (!loaded) state.SkipWithError("the document's pages did not all load");
    }
    state.counters["follow_painted_p50_ms"] = Percentile(painted, 0.5);
    state.counters["follow_painted_p99_ms"] = Percentile(painted, 0.99);
    state.counters["turns"] = (double)turn.size();
    state.counters["turn_p50_ms"] = Percentile(turn, 0.5);
    state.counters["turn_p95_ms"] = Percentile(turn, 0.95);
    state.counters["turn_p99_ms"] = Percentile(turn, 0.99);
    state.counters["turn_paint_p50_ms"] = Percentile(turnPaint, 0.5);
    state.counters["turn_paint_p99_ms"] = Percentile(turnPaint, 0.99);
    state.counters["blit_p50_ms"] = Percentile(blit, 0.5);
    state.counters["turn_paint_ratio_p50"] =
        Percentile(blit, 0.5) > 0 ? Percentile(turnPaint, 0.5) / Percentile(blit, 0.5) : 0;
    const double f50 = Percentile(follow, 0.5), b50 = Percentile(floor, 0.5);
    state.counters["follow_p50_ms"] = f50;
    state.counters["follow_p99_ms"] = Percentile(follow, 0.99);
    state.counters["floor_p50_ms"] = b50;
    state.counters["floor_p99_ms"] = Percentile(floor, 0.99);
    state.counters["ratio_p50"] = b50 > 0 ? f50 / b50 : 0;
    state.counters["push_p50_ms"] = Percentile(push, 0.5);
    state.counters["pages_p50_ms"] = Percentile(pages, 0.5);
    state.counters["moves"] = (double)follow.size();
    state.counters["follow_p95_ms"] = Percentile(follow, 0.95);
    state.counters["ratio_p99"] = b50 > 0 ? Percentile(follow, 0.99) / b50 : 0;
    state.counters["ui_stall_ms"] = probe->Tally().longestMs;
    state.counters["ui_stalls_over_33ms"] = probe->Tally().overBudget;
    probe.reset();
    screen.reset();
    CTasClientManager::DestroyInstance();
    CMeetingManager::DestroyInstance();
    SetMainDlg(nullptr);
    window.DestroyWindow();
    closesocket(control);
}

BENCHMARK(PageChangeToBoardImage)->Name("Meeting/page_change_to_board_image")->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
