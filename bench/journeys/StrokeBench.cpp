// A presenter's stroke as the attendee sees it, across two real ZEL.exe processes (the attendee in
// his own Wine prefix and on his own display), against the bare path the stroke takes, in one run:
//   Stroke/presenter_to_attendee   the presenter draws a short red stroke on the shared page; timed
//                                  from the release of the mouse button until the attendee's screen
//                                  shows the stroke's tail, the points that go out with the release
//                                  (his program reads the tail's band of his screen until the ink is
//                                  there). The times of the two processes come from the one
//                                  performance counter of the machine.
//   Stroke/floor                   the stroke's line event sent bare by a server client logged in as
//                                  the presenter, until a bare synchronisation client of another user
//                                  has it on its window's thread
// Reported in milliseconds with p50, p95 and p99; the ratio (p50 over the floor's p50) is on the
// presenter_to_attendee line, with the longest stall of each user's window thread while the strokes
// went round and how many stalls passed 33 ms.
#include <winsock2.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include "core/AppControl.h"
#include "core/LogRecords.h"
#include "core/LoginManager.h"
#include "core/ProgramGlobals.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/socket/SocketBase.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "bench/journeys/JourneyBenchSupport.h"
#include "bench/support/StallProbe.h"
#include "tests/journeys/SharedMeeting.h"
#include "tests/journeys/UserDriver.h"
#include "tests/net/protocol/RecordingWindow.h"

namespace {

using namespace journeybench;

double g_dFloorP50 = 0, g_dFloorP95 = 0;

long long NowMicroseconds()
{
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return (long long)(t.QuadPart * 1000000.0 / f.QuadPart);
}

// Counts the line events that reach the window's thread.
class LineCounter : public ITDSSyncListener {
public:
    void OnSyncLine(const Json::Value&) override { ++lines; }
    void OnSyncZoom(const Json::Value&) override {}
    void OnSyncPointer(const Json::Value&) override {}
    std::atomic<int> lines{0};
};

void Floor(benchmark::State& state)
{
    const std::vector<int>& ports = Servers();
    if (!ReadyForBareClients(state)) return;
    static prototest::RecordingWindow window;
    static LineCounter counter;
    CTasClientManager::DestroyInstance();
    CTasClientManager* tas = CTasClientManager::GetInstance();
    tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str());
    const UINT uLogin = tas->GetReplyMessage("M00000001"), uLine = tas->GetReplyMessage("M00000030");
    window.Expect(uLogin, prototest::RecordingWindow::LPARAM_REPLY);
    window.Expect(uLine, prototest::RecordingWindow::LPARAM_REPLY);
    tas->SetListener(window.Handle());
    tas->Connect(CString(L"127.0.0.1"), ports[PORT_TAS]);
    // The receiver's synchronisation session belongs to the user who logged in before it: an
    // attendee; then the presenter logs in on the same client and draws.
    const auto logIn = [&](const wchar_t* pszId) {
        const size_t n = window.Count(uLogin);
        tas->RequestM00000001(L"", pszId, L"1234");
        if (!window.WaitFor(uLogin, n + 1, 15000)) return false;
        CLoginManager::GetInstance()->SetSessionFromReply(window.RecordsOf(uLogin).back().json, true);
        return true;
    };
    CTDSClientManager* tds = CTDSClientManager::GetInstance();
    tds->Init(zeltest::SourcePath(L"protocols/tds_protocol.xml").c_str());
    tds->SetListener(window.Handle(), &counter);
    bool ok = logIn(L"lee");
    tds->Connect(CString(L"127.0.0.1"), ports[PORT_TDS]);
    ok = ok && zeltest::PumpUntil([&] { return tds->GetKeepAliveTime() > 0; }, 10000) && logIn(L"kim");
    ::Sleep(500);
    const CString line = L"{\"line\":{\"lineId\":\"bench\",\"mode\":\"insert\",\"points\":[{\"x\":1,\"y\":2,\"z\":0}]}}";
    std::vector<double> ms;
    for (auto _ : state) {
        if (!ok) break;
        const int before = counter.lines;
        const long long t0 = NowMicroseconds();
        tas->RequestM00000030(L"101", L"D1011", 1, line, 1);
        if (!zeltest::PumpUntil([&] { return counter.lines > before; }, 10000)) {
            ok = false;
            break;
        }
        const double took = (NowMicroseconds() - t0) / 1000.0;
        ms.push_back(took);
        state.SetIterationTime(took / 1000.0);
    }
    if (!ok) state.SkipWithError("the bare line event did not come round");
    tds->SetListener(nullptr, nullptr);
    CTDSClientManager::DestroyInstance();
    CTasClientManager::DestroyInstance();
    ReportPercentiles(state, ms);
    g_dFloorP50 = Percentile(ms, 0.5);
    g_dFloorP95 = Percentile(ms, 0.95);
}

void PresenterToAttendee(benchmark::State& state)
{
    const std::vector<int>& ports = Servers();
    if (ports.empty()) {
        state.SkipWithError("the test servers did not start");
        return;
    }
    journey::ControlLink control;
    zeltest::ChildProcess client;
    journey::SecondUser second;
    std::string why;
    HWND main = nullptr;
    bool ok = control.Connect(ports[PORT_CONTROL]) &&
              (main = journey::StartAndLogIn(client, BinFolder(), L"kim", control, why)) != nullptr &&
              journey::OpenFirstMeeting(main, control, why) &&
              (second.Start(ports[PORT_TAS], ports[PORT_PUSH], ports[PORT_HTTP]) || (why = "no second user", false)) &&
              journey::SecondUserOpensFirstMeeting(second, "lee", why) &&
              journey::ShareAndFollow(main, second, control, why) && journey::TakeRedPen(client.Pid(), main, why);
    // The two processes' clocks must agree for the times to mean anything.
    Json::Value red = journey::ColourCount(journey::points::kPage, journey::points::kRedInk, 40);
    if (ok) {
        const long long before = NowMicroseconds();
        const Json::Value answer = journey::SecondCommand(second, "count", red);
        const long long after = NowMicroseconds(), theirs = answer["seen_us"].asInt64();
        if (answer.isNull() || theirs < before || theirs > after) ok = false, why = "the two processes' clocks differ";
    }
    std::vector<double> ms;
    int y = 190;
    std::unique_ptr<benchstall::WindowStallProbe> presenterProbe;
    if (ok) {
        presenterProbe.reset(new benchstall::WindowStallProbe(main));
        journey::SecondCommand(second, "probe", Json::Value(Json::objectValue));
    }
    for (auto _ : state) {
        if (!ok) break;
        // The presenter sends a stroke's points eight at a time while he draws and the rest when he
        // lets go. The head (four moves, which Wine turns into more than eight points) goes out
        // while the button is down; the tail, one move of 80 pixels to the right of it, goes out
        // only with the release, so its ink on the attendee's screen is the release's arrival.
        // Each stroke has a band of its own; the count looks at the tail's band only.
        const std::vector<POINT> head = {{430, y}, {455, y + 2}, {480, y + 4}, {505, y + 6}, {530, y + 8}};
        const POINT tail{610, y + 12};
        red["rect"] = Json::Value(Json::arrayValue);
        for (int v : {545, y + 2, 625, y + 20}) red["rect"].append(v);
        y += 24;
        if (!journey::PressAt(main, head.front())) {
            ok = false, why = "the presenter's board took no press";
            break;
        }
        for (size_t i = 1; i < head.size(); ++i) journey::MoveMouseTo(main, head[i]);
        // The head's chunk is on the attendee's screen before the tail starts.
        ::Sleep(60);
        const int seen = journey::SecondCommand(second, "count", red)["count"].asInt();
        journey::MoveMouseTo(main, tail);
        journey::ReleaseButton();
        const long long released = NowMicroseconds();
        red["min"] = seen + 40;
        const Json::Value answer = journey::SecondCommand(second, "count", red);
        red.removeMember("min");
        if (answer["count"].asInt() < seen + 40) {
            Json::Value shot;
            shot["path"] = zeltest::Narrow(zeltest::BinaryDir() + L"\\screenshots\\stroke_bench_attendee.png");
            journey::SecondCommand(second, "shot", shot);
            zeltest::SaveScreenPng(zeltest::BinaryDir() + L"\\screenshots\\stroke_bench_presenter.png");
            ok = false, why = "the stroke did not reach the attendee's screen";
            break;
        }
        const double took = std::max(0.0, (answer["seen_us"].asInt64() - released) / 1000.0);
        ms.push_back(took);
        state.SetIterationTime(took / 1000.0);
        // Nothing of this stroke still on its way when the next one starts.
        ::Sleep(100);
    }
    if (!ok) state.SkipWithError(why.c_str());
    ReportPercentiles(state, ms);
    if (presenterProbe) {
        const benchstall::StallTally presenter = presenterProbe->Tally();
        presenterProbe.reset();
        state.counters["presenter_stall_ms"] = presenter.longestMs;
        state.counters["presenter_stalls_over_33ms"] = presenter.overBudget;
        const Json::Value attendee = journey::SecondCommand(second, "probe_end", Json::Value(Json::objectValue));
        state.counters["attendee_stall_ms"] = attendee["longest_ms"].asDouble();
        state.counters["attendee_stalls_over_33ms"] = attendee["over_budget"].asInt();
    }
    if (!ms.empty() && g_dFloorP50 > 0) state.counters["ratio"] = Percentile(ms, 0.5) / g_dFloorP50;
    if (!ms.empty() && g_dFloorP95 > 0) state.counters["ratio_p95"] = Percentile(ms, 0.95) / g_dFloorP95;
    second.Stop();
    if (main) ::PostMessageW(main, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
    if (client.IsRunning() && !client.Wait(20000)) client.Kill();
    if (HWND h = ::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr))
        ::SendMessageTimeoutW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
}

BENCHMARK(Floor)->Name("Stroke/floor")->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);
BENCHMARK(PresenterToAttendee)
    ->Name("Stroke/presenter_to_attendee")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(14);

}  // namespace
