// Page loading of the board: a 50-page document whose page pictures are about 300 KB each, served
// by the local web server; the page-image replies are answered at once (standing in for the
// application server). Measured: pages per second, and the longest stall of the user-interface
// thread's message loop while the pages load, against the same loop idle in the same run.
// Then page turns with every page loaded, forwards through the document and back as the user or
// the presenter turns them: each timed on the user-interface thread from the move until the
// canvas has painted the page (turn_*_ms, the background work of the turn let run for 30 ms
// between turns), against putting the whole canvas on the screen from a picture of it
// (blit_p50_ms; turn_ratio_p50 is the turn's p50 over it).
#include <benchmark/benchmark.h>

#include <winsock2.h>
#include <windows.h>
#include <gdiplus.h>

#include <json/json.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/canvas/LoopProbe.h"
#include "bench/support/BlitFloor.h"
#include "bench/support/Percentile.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowPicture.h"
#include "tests/whiteboard/board/BoardStandIns.h"
#include "whiteboard/board/BoardLayer.h"

namespace {

const int kPages = 50;
const int kKilobytes = 300;

// The meeting screen: passes the page-image "replies" to the board.
class ScreenWnd : public CWnd {
public:
    CBoardLayer* board = nullptr;
    int port = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP + 2 && board) {
            Json::Value body;
            body["attcFileId"] = "BENCH";
            body["page"] = (int)wParam;
            body["totalPage"] = kPages;
            body["imageUrl"] = "http://127.0.0.1:" + std::to_string(port) + "/img/BENCH/" + std::to_string(wParam)
                               + ".png?kb=" + std::to_string(kKilobytes);
            board->OnReceiveM00000024(body, 0);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

void BM_BoardPageLoading(benchmark::State& state)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    zeltest::PythonFixture servers;
    if (!servers.Start(L"tests/servers/run_servers.py")) {
        state.SkipWithError("the local servers did not start");
        return;
    }
    int ports[5] = {0};
    sscanf(servers.ReadyLine().c_str(), "%d %d %d %d %d", &ports[0], &ports[1], &ports[2], &ports[3], &ports[4]);
    for (auto _ : state) {
        const double floor = benchloop::LoopWithProbe(1000.0);
        ScreenWnd screen;
        screen.port = ports[4];
        screen.CreateEx(0, nullptr, L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 1280, 900, nullptr, nullptr);
        boardtest::StandInMeeting meeting;
        boardtest::RecordingServer server;
        // The page-image "reply" reaches the board through the meeting screen's message queue.
        const HWND window = screen.GetSafeHwnd();
        server.onPageImage = [window](int page) { ::PostMessageW(window, WM_APP + 2, (WPARAM)page, 0); };
        CBoardLayer board(&meeting, &server);
        board.Create(&screen, RECT{0, 0, 1280, 900});
        screen.board = &board;
        const double start = benchloop::Now();
        board.OpenDocument(L"MT1", L"BENCH", L"bench", L"", 1);
        int stallsOver = 0;
        const double stall = benchloop::LoopWithProbe(
            120000.0, [&] { return server.requested.size() >= (size_t)kPages && !board.IsLoadingImages(); }, &stallsOver);
        const double seconds = (benchloop::Now() - start) / 1000.0;
        int loaded = 0;
        for (int n = 1; n <= kPages; ++n)
            if (board.GetPageManager().HasPage(n) && board.GetPageManager().GetPage(n)->HasImage())
                ++loaded;
        std::vector<double> turns, blits, moves, stretches;
        HWND canvas = board.GetCanvas()->GetSafeHwnd();
        for (int round = 0; round < 2; ++round) {
            for (int k = 0; k < 2 * (kPages - 1); ++k) {
                const int page = k < kPages - 1 ? k + 2 : 2 * kPages - 1 - k - 1;
                benchloop::LoopWithProbe(30.0);
                const double t0 = benchloop::Now();
                board.MovePage(page);
                const double tMoved = benchloop::Now();
                ::UpdateWindow(canvas);
                turns.push_back(benchloop::Now() - t0);
                moves.push_back(tMoved - t0);
                blits.push_back(benchblit::BlitWindowMs(canvas));
                zeltest::WindowPicture target(canvas);
                {
                    // One part of a paint alone: a page picture (800 x 1131) scaled with
                    // halftoning to the canvas' height, as the canvas fits a page.
                    HDC src = ::CreateCompatibleDC(target.WindowDc());
                    HBITMAP picture = ::CreateCompatibleBitmap(target.WindowDc(), 800, 1131);
                    HGDIOBJ oldPage = ::SelectObject(src, picture);
                    const int h = target.Height(), w = h * 800 / 1131;
                    ::SetStretchBltMode(target.Dc(), HALFTONE);
                    const double t2 = benchloop::Now();
                    ::StretchBlt(target.Dc(), 0, 0, w, h, src, 0, 0, 800, 1131, SRCCOPY);
                    ::GdiFlush();
                    stretches.push_back(benchloop::Now() - t2);
                    ::SelectObject(src, oldPage);
                    ::DeleteObject(picture);
                    ::DeleteDC(src);
                }
            }
        }
        using benchstats::Percentile;
        state.counters["turn_p50_ms"] = Percentile(turns, 0.5);
        state.counters["turn_p95_ms"] = Percentile(turns, 0.95);
        state.counters["turn_p99_ms"] = Percentile(turns, 0.99);
        state.counters["blit_p50_ms"] = Percentile(blits, 0.5);
        // The turn's two parts: the board's move (bars, page counter) and the canvas' paint.
        state.counters["turn_move_p50_ms"] = Percentile(moves, 0.5);
        state.counters["halftone_stretch_p50_ms"] = Percentile(stretches, 0.5);
        state.counters["turn_ratio_p50"] = Percentile(blits, 0.5) > 0 ? Percentile(turns, 0.5) / Percentile(blits, 0.5) : 0;
        state.counters["pages_loaded"] = loaded;
        state.counters["pages_per_s"] = seconds > 0 ? loaded / seconds : 0;
        state.counters["longest_stall_ms"] = stall;
        state.counters["stalls_over_33ms"] = stallsOver;
        state.counters["floor_stall_ms"] = floor;
        state.counters["stall_over_floor"] = floor > 0 ? stall / floor : 0;
        screen.board = nullptr;
        board.DestroyWindow();
        screen.DestroyWindow();
    }
    Gdiplus::GdiplusShutdown(token);
}
BENCHMARK(BM_BoardPageLoading)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
