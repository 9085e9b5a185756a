// The chat history with 1,000 messages: one page of them laid out and painted from nothing, and
// one message appended to them and painted. Each result carries "x_blit", its time over one
// BitBlt of the whole history window measured in the same run; BM_ChatWindowBlit is that floor
// on its own for scripts/bench.sh.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "features/chat/ChatPanel.h"
#include "features/chat/ChatViewCtrl.h"
#include "features/chat/MeetingChatCtrl.h"
#include "platform/ResourceHandle.h"

namespace {

const int kMessages = 1000;

double Now()
{
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

// The shipped Korean texts and pictures when the build's program folder is known.
void Setup()
{
    static bool done = false;
    if (done) return;
    done = true;
    wchar_t dir[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(L"ZEL_BINARY_DIR", dir, MAX_PATH)) {
        std::wstring path = std::wstring(dir) + L"\\bin\\Res_Kor.dll";
        for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
        if (HMODULE module = ::LoadLibraryW(path.c_str())) AfxSetResourceHandle(module);
    }
    SChatMeetingFacts facts;
    facts.hasMeeting = [] { return TRUE; };
    facts.canShare = [] { return FALSE; };
    SetChatMeetingFacts(facts);
}

// A history page as the server sends it, newest first, over two days, from four people.
Json::Value History()
{
    static const char* texts[] = {
        "자료 1쪽부터 보시면 됩니다.",
        "예산 현황표도 함께 띄워 주세요. 참고자료 2쪽의 집행률과 비교해 보면 좋겠습니다.",
        "네, 곧 공유하겠습니다.",
        "다음 안건으로 넘어가기 전에 질의응답 시간을 10분 정도 갖는 것이 좋겠습니다.",
    };
    Json::Value body;
    body["totalPage"] = 2;
    for (int i = kMessages; i >= 1; --i) {
        Json::Value e;
        e["messageId"] = std::to_string(10000 + i);
        e["senderId"] = std::to_string(1001 + i % 4);
        e["senderName"] = "참석자";
        e["message"] = texts[i % 4];
        char stamp[32];
        snprintf(stamp, sizeof(stamp), "202603%02d%02d%02d00", 15 + i / 600, 9 + (i / 60) % 10, i % 60);
        e["messageCreatedTime"] = stamp;
        body["list"].append(e);
    }
    return body;
}

struct Bench {
    CWnd host;
    CWnd* panel = nullptr;
    CChatViewCtrl* view = nullptr;
    CRect client;
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    bool ok = false;

    Bench()
    {
        Setup();
        if (!host.CreateEx(0, nullptr, L"bench", WS_POPUP, 0, 0, 300, 640, nullptr, nullptr)) return;
        panel = CreateChatPanel(&host, 1000);
        if (!panel) return;
        panel->MoveWindow(0, 0, 280, 600);
        AsChatPanel(panel)->SetMeeting(L"101", 1001);
        view = static_cast<CMeetingChatCtrl*>(panel)->GetChatView();
        view->GetClientRect(&client);
        HDC screen = ::GetDC(nullptr);
        dc.CreateCompatibleDC(CDC::FromHandle(screen));
        bitmap.CreateCompatibleBitmap(CDC::FromHandle(screen), client.Width(), client.Height());
        ::ReleaseDC(nullptr, screen);
        old = dc.SelectObject(&bitmap);
        ok = client.Width() > 0;
    }
    ~Bench()
    {
        if (old) dc.SelectObject(old);
        if (panel) panel->DestroyWindow();
        host.DestroyWindow();
    }
    // What the view's WM_PAINT does with the history at its current scroll position.
    void Paint()
    {
        view->OnPrepareDC(&dc);
        view->OnDraw(&dc);
        ::SetViewportOrgEx(dc.GetSafeHdc(), 0, 0, nullptr);
    }
    // Seconds for one BitBlt of the whole history window: the best of several batches.
    double BlitFloor()
    {
        CDC source;
        source.CreateCompatibleDC(&dc);
        CBitmap picture;
        picture.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
        CBitmap* pOld = source.SelectObject(&picture);
        source.FillSolidRect(&client, RGB(200, 210, 220));
        double best = 1e9;
        for (int batch = 0; batch < 7; ++batch) {
            const int n = 50;
            const double start = Now();
            for (int i = 0; i < n; ++i) dc.BitBlt(0, 0, client.Width(), client.Height(), &source, 0, 0, SRCCOPY);
            ::GdiFlush();
            best = std::min(best, (Now() - start) / n);
        }
        source.SelectObject(pOld);
        return best;
    }
};

template <typename Step>
void Run(benchmark::State& state, Bench& bench, Step step)
{
    const double floor = bench.BlitFloor();
    const double start = Now();
    for (auto _ : state) {
        step();
        bench.Paint();
    }
    ::GdiFlush();
    const double seconds = Now() - start;
    if (state.iterations() && floor > 0) {
        state.counters["x_blit"] = seconds / double(state.iterations()) / floor;
        state.counters["blit_us"] = floor * 1e6;
    }
}

// The 1,000 messages read, measured and laid out from nothing, then the end painted.
void BM_ChatHistoryLayoutAndPaint(benchmark::State& state)
{
    Bench bench;
    if (!bench.ok) {
        state.SkipWithError("the chat panel could not be made");
        return;
    }
    const Json::Value body = History();
    Run(state, bench, [&] {
        bench.view->Clear();
        bench.view->AppendPage(body, 1001);
        bench.view->ScrollToPosition(CPoint(0, bench.view->GetTotalHeight()));
    });
}
BENCHMARK(BM_ChatHistoryLayoutAndPaint)->Unit(benchmark::kMillisecond);

// One message appended to a history of 1,000 (and more, as the run goes on), then the end
// painted.
void BM_ChatHistoryAppendOne(benchmark::State& state)
{
    Bench bench;
    if (!bench.ok) {
        state.SkipWithError("the chat panel could not be made");
        return;
    }
    bench.view->AppendPage(History(), 1001);
    Run(state, bench, [&] {
        bench.view->AddItem(L"참석자", L"20260316180000", L"오후 6:00", L"확인했습니다.", L"", 0);
        bench.view->ScrollToPosition(CPoint(0, bench.view->GetTotalHeight()));
    });
}
BENCHMARK(BM_ChatHistoryAppendOne)->Unit(benchmark::kMicrosecond);

// The floor: one BitBlt of the whole history window.
void BM_ChatWindowBlit(benchmark::State& state)
{
    Bench bench;
    if (!bench.ok) {
        state.SkipWithError("the chat panel could not be made");
        return;
    }
    CDC source;
    source.CreateCompatibleDC(&bench.dc);
    CBitmap picture;
    picture.CreateCompatibleBitmap(&bench.dc, bench.client.Width(), bench.client.Height());
    CBitmap* pOld = source.SelectObject(&picture);
    for (auto _ : state) {
        bench.dc.BitBlt(0, 0, bench.client.Width(), bench.client.Height(), &source, 0, 0, SRCCOPY);
        ::GdiFlush();
    }
    source.SelectObject(pOld);
}
BENCHMARK(BM_ChatWindowBlit)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// The two halves of an append, apart: the end of the 1,000 messages painted again; one message
// added (records, layout, scroll range) without a paint.
void BM_ChatHistoryPaintOnly(benchmark::State& state)
{
    Bench bench;
    if (!bench.ok) {
        state.SkipWithError("the chat panel could not be made");
        return;
    }
    bench.view->AppendPage(History(), 1001);
    bench.view->ScrollToPosition(CPoint(0, bench.view->GetTotalHeight()));
    Run(state, bench, [] {});
}
BENCHMARK(BM_ChatHistoryPaintOnly)->Unit(benchmark::kMicrosecond);

void BM_ChatHistoryAddOnly(benchmark::State& state)
{
    Bench bench;
    if (!bench.ok) {
        state.SkipWithError("the chat panel could not be made");
        return;
    }
    bench.view->AppendPage(History(), 1001);
    for (auto _ : state)
        bench.view->AddItem(L"참석자", L"20260316180000", L"오후 6:00", L"확인했습니다.", L"", 0);
}
BENCHMARK(BM_ChatHistoryAddOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
