// A 200-row skinned list: one full paint, and one paint after scrolling it by a page, at the DPI
// ratios 1.0 and 1.5. Each result carries "x_blit": its time over the time of one BitBlt of the
// whole list window, measured in the same run (the floor any paint through an off-screen
// bitmap pays).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "platform/MessageBox.h"
#include "ui/controls/MySkinListCtrl.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/SkinManager.h"

namespace {

// A meeting-list-like row: a title, a date line, a state label and two buttons.
const char kSkin[] = R"(<?xml version="1.0" encoding="UTF-8"?><TSKIN><SCREENLIST>
<SCREEN NAME="BenchRow" RECT="0,0,400,56" VISIBLE="1" BGCOLOR="FFFFFF" BGCOLOR_OVER="F4F7FB" BGCOLOR_DOWN="E6EEF8" BORDERSIZE="1" BORDERCOLOR="E0E0E0">
  <OBJECT ID="1" INDEX="1" NAME="title" TYPE="TEXT" RECT="12,6,260,22" VISIBLE="1" TEXT_TEXT="2026년 정기 운영위원회 회의">
    <FONT NAME="STATIC_" SIZE="14" COLOR="202020" ALIGN="0" FACENAME="맑은 고딕"/></OBJECT>
  <OBJECT ID="2" INDEX="2" NAME="date" TYPE="TEXT" RECT="12,30,260,20" VISIBLE="1" TEXT_TEXT="12월 10일 (목) 14:00 - 16:00">
    <FONT NAME="STATIC_" SIZE="12" COLOR="707070" ALIGN="0" FACENAME="맑은 고딕"/></OBJECT>
  <OBJECT ID="3" INDEX="3" NAME="state" TYPE="TEXT" RECT="280,16,50,24" VISIBLE="1" COLOR="DDF0E6" TEXT_TEXT="진행중">
    <FONT NAME="STATIC_" SIZE="12" COLOR="1E7B4F" ALIGN="1" FACENAME="맑은 고딕"/></OBJECT>
  <OBJECT ID="4" INDEX="4" NAME="btnOpen" TYPE="BUTTON" RECT="340,14,24,28" VISIBLE="1" COLOR="008080"/>
  <OBJECT ID="5" INDEX="5" NAME="btnMore" TYPE="BUTTON" RECT="368,14,24,28" VISIBLE="1" COLOR="C0C0C0"/>
</SCREEN></SCREENLIST></TSKIN>)";

const int kRows = 200;

void Setup()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    zel::SetMessageBoxHook([](LPCTSTR, LPCTSTR, UINT) { return IDOK; });
}

bool LoadSkin(float fRatio)
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp);
    const std::wstring path = folder + L"zel_list_bench.skin";
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    ::WriteFile(file, kSkin, DWORD(sizeof(kSkin) - 1), &written, nullptr);
    ::CloseHandle(file);
    g_SkinManager.ReleaseImages();
    g_SkinManager.m_screens.RemoveAll();
    g_SkinManager.m_fRatio = fRatio;
    g_SkinManager.SetProgramFolder(folder.c_str());
    return g_SkinManager.LoadSkinFile(path.c_str()) != FALSE;
}

// The list filled with its rows, in a hidden top-level window, sized for the ratio.
struct BenchList {
    CWnd host;
    CMySkinListCtrl list;
    CRect client;
    bool ok = false;

    explicit BenchList(float fRatio)
    {
        if (!LoadSkin(fRatio))
            return;
        const int cx = int(412 * fRatio), cy = int(600 * fRatio);
        if (!host.CreateEx(0, nullptr, L"bench", WS_POPUP, 0, 0, cx, cy, nullptr, nullptr))
            return;
        SKIN_OBJECT placeholder;
        placeholder.m_rcObject = CRect(0, 0, cx, cy);
        placeholder.m_clrColor = RGB(250, 250, 250);
        if (!list.LoadItemScreen(&host, &placeholder, 11000, L"BenchRow"))
            return;
        list.SetAutoRecalc(FALSE);
        for (int i = 0; i < kRows; ++i)
            list.AddItemScreen(i);
        list.SetAutoRecalc(TRUE);
        list.RecalcScrollBar();
        list.GetClientRect(&client);
        list.LayoutScreens(client.Width(), client.Height());
        ok = list.GetItemCount() == kRows && list.IsScrollBarNeeded();
    }
    ~BenchList()
    {
        list.DestroyWindow();
        host.DestroyWindow();
    }
    // One paint of the whole list as its WM_PAINT does it, into the target.
    void Paint(CDC* pTarget) { list.PaintTo(pTarget, client); }
};

// A target bitmap of the window's size, compatible with the screen.
struct Target {
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    explicit Target(const CRect& rc)
    {
        HDC screen = ::GetDC(nullptr);
        dc.CreateCompatibleDC(CDC::FromHandle(screen));
        bitmap.CreateCompatibleBitmap(CDC::FromHandle(screen), rc.Width(), rc.Height());
        ::ReleaseDC(nullptr, screen);
        old = dc.SelectObject(&bitmap);
    }
    ~Target() { dc.SelectObject(old); }
};

double Now()
{
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

// Seconds for one BitBlt of the whole window from a bitmap of its size into the target.
double BlitFloor(Target& target, const CRect& rc)
{
    Target source(rc);
    source.dc.FillSolidRect(&rc, RGB(200, 210, 220));
    // The best of several batches: the machine is shared, and the floor should not carry others'
    // load into the ratio.
    double best = 1e9;
    for (int batch = 0; batch < 7; ++batch) {
        const int n = 50;
        const double start = Now();
        for (int i = 0; i < n; ++i)
            target.dc.BitBlt(0, 0, rc.Width(), rc.Height(), &source.dc, 0, 0, SRCCOPY);
        ::GdiFlush();
        best = std::min(best, (Now() - start) / n);
    }
    return best;
}

// Runs the benchmark's loop, each iteration doing what 'before' says and then one paint of the
// whole list, and reports the time against the blit floor.
template <typename Before>
void RunPaints(benchmark::State& state, Before before)
{
    Setup();
    BenchList bench(float(state.range(0)) / 100.0f);
    if (!bench.ok) {
        state.SkipWithError("the list could not be made");
        return;
    }
    Target target(bench.client);
    const double floor = BlitFloor(target, bench.client);
    const double start = Now();
    for (auto _ : state) {
        before(bench.list);
        bench.Paint(&target.dc);
    }
    ::GdiFlush();
    const double seconds = Now() - start;
    if (state.iterations() == 0 || floor <= 0)
        return;
    state.counters["x_blit"] = seconds / double(state.iterations()) / floor;
    state.counters["blit_us"] = floor * 1e6;
}

void BM_SkinListPaint(benchmark::State& state)
{
    RunPaints(state, [](CMySkinListCtrl&) {});
}
BENCHMARK(BM_SkinListPaint)->Arg(100)->Arg(150)->Unit(benchmark::kMicrosecond);

// Scrolling by one page (down, then back up, alternately) and painting what it shows.
void BM_SkinListPageScroll(benchmark::State& state)
{
    int step = -1;
    RunPaints(state, [&step](CMySkinListCtrl& list) {
        CRect area;
        list.GetItemArea(&area);
        const int middle = list.GetScrollLimit(SB_VERT) / 2;
        step = step == 0 ? area.Height() : 0;
        list.SetScrollPos(SB_VERT, middle + step, FALSE);
    });
}
BENCHMARK(BM_SkinListPageScroll)->Arg(100)->Arg(150)->Unit(benchmark::kMicrosecond);

} // namespace
