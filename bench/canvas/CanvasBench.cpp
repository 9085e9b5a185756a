// The attendee's canvas under a stream of the presenter's points: 5,000 points a second arrive on
// a 2000 x 1500 page (strokes of 200 points) for two seconds while the user-interface thread runs
// its message loop. Measured: the longest time a message posted to the loop waited before it was
// handled (the loop's longest stall), against the same loop with the same probe and no canvas work
// in the same run (the floor), and the points the live layer holds at the end (nothing lost).
#include <benchmark/benchmark.h>

#include <windows.h>
#include <gdiplus.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/canvas/LoopProbe.h"
#include "ui/skin/ImageSave.h"
#include "whiteboard/MMPage.h"
#include "whiteboard/PagePicture.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"
#include "whiteboard/canvas/IBoardCanvasHost.h"

namespace {

const int kPageW = 2000, kPageH = 1500;
const int kPointsPerSecond = 5000;
const int kSeconds = 2;

class Board : public IBoardCanvasHost, public IBoardDrawCtrlEventListener {
public:
    CString GetMeetingId() override { return L"M"; }
    CString GetCurrentDocumentId() override { return L"D"; }
    BOOL IsPresenting() override { return FALSE; }
    BOOL IsPageSync() override { return TRUE; }
    int GetPresenterIdnfr() override { return 1; }
    void SetZoomCombo(float) override {}
    void ClearPagesLayer(int) override {}
    BOOL HasDrawingOnPages(int) override { return FALSE; }
    void MoveNextPage() override {}
    void MovePrevPage() override {}
    void ShowConfirmPopup(UINT) override {}
    void UpdateHistoryButtons(BOOL, BOOL) override {}
    void EnableClearButtons(BOOL, BOOL) override {}
    void SendDrawing(const S_BOARD_CONTENT&) override {}
    void OnZoomChanged(float, int, int) override {}
    void OnPointer(int, int, int, int, int) override {}
};

std::string PagePng()
{
    Gdiplus::Bitmap bitmap(kPageW, kPageH, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&bitmap);
        g.Clear(Gdiplus::Color(255, 250, 250, 250));
        Gdiplus::Pen pen(Gdiplus::Color(255, 180, 180, 190), 2.0f);
        for (int x = 0; x < kPageW; x += 50)
            g.DrawLine(&pen, x, 0, x, kPageH);
    }
    CLSID clsid = {};
    GetEncoderClsid(L"image/png", &clsid);
    IStream* stream = nullptr;
    ::CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    bitmap.Save(stream, &clsid, nullptr);
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    std::string bytes((size_t)stat.cbSize.QuadPart, '\0');
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(&bytes[0], (ULONG)bytes.size(), &read);
    stream->Release();
    return bytes;
}

void BM_IncomingPointsLoopStall(benchmark::State& state)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    const std::string png = PagePng();
    for (auto _ : state) {
        const double floor = benchloop::LoopWithProbe(kSeconds * 1000.0);

        HWND top = ::CreateWindowExW(0, L"STATIC", L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 1280, 900, nullptr, nullptr,
                                     nullptr, nullptr);
        Board board;
        CBoardDrawCtrl canvas(&board, &board);
        canvas.Create(CWnd::FromHandle(top), RECT{0, 0, 1280, 900});
        auto page = std::make_shared<CMMPage>(1);
        // As the program has it: the image decoded on the download's thread, stored here.
        std::shared_ptr<const CPagePicture> picture;
        std::thread download([&] {
            picture = CPagePicture::Decode(reinterpret_cast<const BYTE*>(png.data()), png.size());
        });
        download.join();
        page->SetImage(reinterpret_cast<const BYTE*>(png.data()), png.size(), picture);
        page->m_bApplyEvents = TRUE;
        canvas.SetPage(page);
        canvas.SetShareMode(1);
        canvas.StartSharedThread();
        // The page's first paint (its picture scaled once) is not part of the stream's cost.
        int firstPaintOver = 0;
        const double firstPaint = benchloop::LoopWithProbe(500.0, nullptr, &firstPaintOver);

        // The synchronisation client's thread: 50 points every 10 ms.
        std::atomic<bool> stop{false};
        std::atomic<int> queued{0};
        std::thread feeder([&] {
            int stroke = 0, inStroke = 0;
            const double start = benchloop::Now();
            while (!stop) {
                const int due = (int)((benchloop::Now() - start) * kPointsPerSecond / 1000.0);
                while (queued < due) {
                    if (inStroke == 200) {
                        ++stroke;
                        inStroke = 0;
                    }
                    const float x = (float)(50 + (stroke * 37) % (kPageW - 300) + inStroke);
                    const float y = (float)(50 + (stroke * 53) % (kPageH - 100));
                    page->QueueLineEvent(CString(std::to_wstring(stroke + 1).c_str()), Gdiplus::PointF(x, y),
                                         0xFF0000, 4, 1.0f, 0);
                    ++inStroke;
                    ++queued;
                }
                canvas.WakeSharedThread();
                ::Sleep(10);
            }
        });
        int stallsOver = 0;
        const double stall = benchloop::LoopWithProbe(kSeconds * 1000.0, nullptr, &stallsOver);
        stop = true;
        feeder.join();
        // Let the last points land.
        const double settle = benchloop::Now() + 500;
        while (benchloop::Now() < settle && page->GetIncomingCount() > 0)
            ::Sleep(5);
        canvas.StopSharedThread();
        int applied = 0;
        {
            std::lock_guard<std::recursive_mutex> guard(page->GetLock());
            for (const auto& f : page->m_sharedLayer.GetFigures())
                applied += f->GetPointCount() - 1;  // each stroke starts with its first point twice
        }
        state.counters["points_queued"] = queued.load();
        state.counters["points_applied"] = applied;
        state.counters["longest_stall_ms"] = stall;
        state.counters["floor_stall_ms"] = floor;
        state.counters["first_paint_stall_ms"] = firstPaint;
        state.counters["stalls_over_33ms"] = stallsOver + firstPaintOver;
        state.counters["stall_over_floor"] = floor > 0 ? stall / floor : 0;
        canvas.DestroyWindow();
        ::DestroyWindow(top);
    }
    Gdiplus::GdiplusShutdown(token);
}
BENCHMARK(BM_IncomingPointsLoopStall)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
