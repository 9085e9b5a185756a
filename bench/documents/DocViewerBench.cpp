// The document viewer against the local web server, in the same run:
//   FirstPage/viewer  the page request's reply (parsed from its text) handed to the viewer, which
//                     starts its thread, fetches page 20 of a 50-page document and shows it: until
//                     the window has painted the page
//   FirstPage/bare    the same reply parsed, the same page downloaded, read and drawn once at the
//                     view's size into a memory bitmap, all on this thread
//   Memory/perPage    private bytes per page of the 50-page document: after all are loaded, and
//                     after each has been shown once (the picture is decoded on first drawing)
#include <winsock2.h>

#include <benchmark/benchmark.h>

#include <objidl.h>
#include <gdiplus.h>
#include <psapi.h>

#include <algorithm>

#include <json/json.h>

#include "core/HttpDownload.h"
#include "core/SettingManager.h"
#include "core/JsonHelpers.h"
#include "features/documents/DocViewGeometry.h"
#include "features/documents/DocViewerDlg.h"
#include "tests/features/documents/DocViewerTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

struct Setup {
    doctest::Servers servers;
    bool ok = false;
    Setup()
    {
        ok = servers.Start() && doctest::LoadShippedSkinKorean();
        // The server draws each page once and keeps it: draw them before anything is timed.
        for (int i = 1; ok && i <= 50; ++i) {
            S_DOCVIEWER_DOWNLOAD rec = {};
            rec.nMode = 1;
            HttpGetToMemory(CString(servers.PrefixUrl("D1022").c_str()) + CString(std::to_wstring(i).c_str()), &rec);
            delete[] rec.pBody;
        }
    }
};

Setup& Shared()
{
    static Setup setup;
    return setup;
}

std::string ReplyText(const std::string& prefix)
{
    return "{\"mtngId\":\"102\",\"attcFileId\":\"D1022\",\"totalPage\":50,\"isEnc\":false,\"prefixUrl\":\"" + prefix +
           "\",\"aesKey\":\"\",\"isPIP\":true}";
}

std::unique_ptr<CTasResponse> ParseReply(const std::string& text)
{
    auto reply = std::make_unique<CTasResponse>();
    auto* body = new Json::Value;
    Json::Reader().parse(text, *body);
    reply->SetBody(body);
    return reply;
}

struct Viewer {
    doctest::KoreanResources resources;
    doctest::StandInHost host;
    CWnd owner;
    CDocViewerDlg dlg;
    Viewer() : dlg(&owner)
    {
        owner.CreateEx(0, AfxRegisterWndClass(0), L"meeting", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr);
        dlg.CreateViewer(&owner, &host);
    }
    ~Viewer()
    {
        dlg.DestroyWindow();
        owner.DestroyWindow();
    }
    void Open(const std::string& reply)
    {
        dlg.OpenDocument(L"102", L"D1022", L"bench", 0);
        dlg.ShowViewer();
        dlg.SetCurPage(19);
        auto r = ParseReply(reply);
        dlg.OnReceiveM00000024(r.get());
    }
    void Stop()
    {
        dlg.OpenDocument(L"", L"", L"", 0);
        zeltest::PumpUntil([&] { return dlg.CountThreads() == 0; }, 20000);
    }
};

void FirstPageViewer(benchmark::State& state)
{
    if (!Shared().ok) return state.SkipWithError("servers or skin missing");
    Viewer v;
    const std::string reply = ReplyText(Shared().servers.PrefixUrl("D1022"));
    LARGE_INTEGER freq, t0, t1, t2;
    QueryPerformanceFrequency(&freq);
    double loadMs = 0, paintMs = 0;
    for (auto _ : state) {
        QueryPerformanceCounter(&t0);
        v.Open(reply);
        zeltest::PumpUntil([&] { return v.dlg.GetPages().GetState(19) >= S_DOCVIEWER_PAGE::LOADED; }, 20000);
        QueryPerformanceCounter(&t1);
        v.dlg.UpdateWindow();   // the page is on screen once this paint is done
        QueryPerformanceCounter(&t2);
        loadMs += 1000.0 * (double)(t1.QuadPart - t0.QuadPart) / (double)freq.QuadPart;
        paintMs += 1000.0 * (double)(t2.QuadPart - t1.QuadPart) / (double)freq.QuadPart;
        state.PauseTiming();
        if (v.dlg.GetPages().GetState(19) != S_DOCVIEWER_PAGE::LOADED) state.SkipWithError("page not loaded");
        v.Stop();
        state.ResumeTiming();
    }
    // Where the time goes: until the page is stored, and the paint that shows it.
    state.counters["loadMs"] = loadMs / (double)state.iterations();
    state.counters["paintMs"] = paintMs / (double)state.iterations();
    // One whole repaint of the window with its page already read.
    v.Open(reply);
    zeltest::PumpUntil([&] { return v.dlg.GetPages().GetState(19) >= S_DOCVIEWER_PAGE::LOADED; }, 20000);
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < 5; ++i) {
        v.dlg.Invalidate(FALSE);
        v.dlg.UpdateWindow();
    }
    QueryPerformanceCounter(&t1);
    state.counters["windowPaintMs"] = 1000.0 * (double)(t1.QuadPart - t0.QuadPart) / (double)freq.QuadPart / 5;
    v.Stop();
}

void FirstPageBare(benchmark::State& state)
{
    if (!Shared().ok) return state.SkipWithError("servers or skin missing");
    Viewer v;   // only for the size of its view
    const CRect B = v.dlg.GetViewRect();
    const std::string reply = ReplyText(Shared().servers.PrefixUrl("D1022"));
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, B.right, B.bottom);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    LARGE_INTEGER freq, t0, t1, t2;
    QueryPerformanceFrequency(&freq);
    double loadMs = 0, paintMs = 0;
    for (auto _ : state) {
        QueryPerformanceCounter(&t0);
        auto r = ParseReply(reply);
        const CString prefix = GetJsonString(*r->GetBody(), "prefixUrl");
        S_DOCVIEWER_DOWNLOAD rec = {};
        rec.nMode = 1;
        if (!HttpGetToMemory(prefix + L"20", &rec)) state.SkipWithError("download failed");
        Gdiplus::Image* image = S_DOCVIEWER_PAGE::LoadDocImage(rec.pBody, rec.nBodyLength);
        delete[] rec.pBody;
        if (!image) {
            state.SkipWithError("no picture");
            break;
        }
        QueryPerformanceCounter(&t1);
        float zoom = 0;
        const CRect R = docview::FitImageRect(B, (int)image->GetWidth(), (int)image->GetHeight(), &zoom);
        {
            Gdiplus::Graphics g(dc);
            g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
            g.DrawImage(image, Gdiplus::Rect(R.left, R.top, R.Width(), R.Height()));
        }
        delete image;
        QueryPerformanceCounter(&t2);
        loadMs += 1000.0 * (double)(t1.QuadPart - t0.QuadPart) / (double)freq.QuadPart;
        paintMs += 1000.0 * (double)(t2.QuadPart - t1.QuadPart) / (double)freq.QuadPart;
    }
    state.counters["loadMs"] = loadMs / (double)std::max<benchmark::IterationCount>(state.iterations(), 1);
    state.counters["paintMs"] = paintMs / (double)std::max<benchmark::IterationCount>(state.iterations(), 1);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc);
    // Wine leaves PrivateUsage at 0: the committed pages the process uses are its page-file use.
    return pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage;
}

void MemoryPerPage(benchmark::State& state)
{
    if (!Shared().ok) return state.SkipWithError("servers or skin missing");
    Viewer v;
    const std::string reply = ReplyText(Shared().servers.PrefixUrl("D1022"));
    double loaded = 0, shown = 0;
    for (auto _ : state) {
        v.Stop();
        const SIZE_T before = PrivateBytes();
        v.Open(reply);
        zeltest::PumpUntil([&] { return v.dlg.CountThreads() == 0; }, 60000);
        const SIZE_T afterLoad = PrivateBytes();
        for (int i = 0; i < 50; ++i) {
            v.dlg.SetCurPage(i);
            v.dlg.UpdateWindow();
        }
        const SIZE_T afterShown = PrivateBytes();
        loaded = (double)(afterLoad - before) / 50;
        shown = (double)(afterShown - before) / 50;
    }
    state.counters["bytesPerLoadedPage"] = loaded;
    state.counters["bytesPerShownPage"] = shown;
}

}  // namespace

// Medians of a few repetitions: the page server and the machine's other work make single runs noisy.
BENCHMARK(FirstPageViewer)->Name("FirstPage/viewer")->Unit(benchmark::kMillisecond)->Iterations(15)
    ->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(FirstPageBare)->Name("FirstPage/bare")->Unit(benchmark::kMillisecond)->Iterations(15)
    ->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(MemoryPerPage)->Name("Memory/perPage")->Unit(benchmark::kMillisecond)->Iterations(1);
