// How long the shipped skin takes to load, and a full screen to lay out and to paint (through
// the off-screen bitmap the skinned dialogs use), at the DPI ratios the client meets.
#include <benchmark/benchmark.h>

#include "platform/DC.h"
#include "platform/MessageBox.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinManager.h"

namespace {

// The build's program folder: "..\bin\" beside the benchmark's own folder.
CString ProgramFolder()
{
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString folder = path;
    folder = folder.Left(folder.ReverseFind(L'\\'));
    folder = folder.Left(folder.ReverseFind(L'\\') + 1);
    return folder + L"bin\\";
}

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

bool Load(float ratio)
{
    g_SkinManager.ReleaseImages();
    g_SkinManager.m_screens.RemoveAll();
    g_SkinManager.SetProgramFolder(ProgramFolder());
    return g_SkinManager.LoadSkin(L"ZEL.kor.skin", ratio, L"맑은고딕") != FALSE;
}

void BM_LoadShippedSkin(benchmark::State& state)
{
    Setup();
    for (auto _ : state) {
        if (!Load(1.25f)) {
            state.SkipWithError("the skin did not load");
            return;
        }
    }
    state.counters["screens"] = double(g_SkinManager.m_screens.GetCount());
}
BENCHMARK(BM_LoadShippedSkin)->Unit(benchmark::kMillisecond);

// A window's own copy of a screen, with its pictures loaded.
void BM_CopyScreen(benchmark::State& state)
{
    Setup();
    Load(1.0f);
    for (auto _ : state) {
        SKIN_SCREEN screen;
        screen.LoadScreen(L"SettingPush");
        benchmark::DoNotOptimize(screen.m_objects.GetCount());
    }
}
BENCHMARK(BM_CopyScreen)->Unit(benchmark::kMicrosecond);

void LayoutAndPaint(benchmark::State& state, const wchar_t* name)
{
    Setup();
    const float ratio = float(state.range(0)) / 100.0f;
    Load(ratio);
    SKIN_SCREEN screen;
    screen.LoadScreen(name);
    if (screen.m_objects.GetCount() == 0) {
        state.SkipWithError("no such screen");
        return;
    }
    const CRect client(0, 0, screen.m_rcScreen.Width(), screen.m_rcScreen.Height());
    CDC target;
    target.Attach(::GetDC(nullptr));
    CDC surface;
    surface.CreateCompatibleDC(&target);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&target, client.Width(), client.Height());
    CBitmap* old = surface.SelectObject(&bitmap);
    for (auto _ : state) {
        screen.Layout(nullptr, client.Width(), client.Height());
        CMyMemDC mem(&surface, screen.m_clrBack, &client);
        screen.DrawScreen(&mem, client);
    }
    surface.SelectObject(old);
    ::ReleaseDC(nullptr, target.Detach());
    state.counters["objects"] = double(screen.m_objects.GetCount());
}

void BM_LayoutPaintSettingPush(benchmark::State& state)
{
    LayoutAndPaint(state, L"SettingPush");
}
BENCHMARK(BM_LayoutPaintSettingPush)->Arg(100)->Arg(125)->Arg(150)->Unit(benchmark::kMicrosecond);

void BM_LayoutPaintAnnouncement(benchmark::State& state)
{
    LayoutAndPaint(state, L"AnnouncementDlg");
}
BENCHMARK(BM_LayoutPaintAnnouncement)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
