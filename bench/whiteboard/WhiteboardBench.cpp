// Costs of the whiteboard model on a busy page: writing and reading the page drawing of 5,000
// strokes against a plain copy of the same text, and the eraser's hit tests against 5,000 figures.
#include <benchmark/benchmark.h>

#include <windows.h>
#include <gdiplus.h>
#include <random>

#include "platform/Convert.h"
#include "whiteboard/MMPage.h"
#include "tinyxml.h"
#include "whiteboard/SvgFigureReader.h"

using Gdiplus::PointF;

namespace {

const int kFigures = 5000;
const int kPageWidth = 2000, kPageHeight = 1500;

// 5,000 freehand strokes of 24 points each, spread over the page.
void FillStrokes(CMMFigureHolder& layer)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> x(0, kPageWidth - 100), y(0, kPageHeight - 100), step(-4, 8);
    for (int i = 0; i < kFigures; ++i) {
        PointF p(x(random), y(random));
        auto figure = std::make_shared<CMMFigure>(p, p, 0x2040FF, 3, 0, 1.0f, CString());
        for (int k = 0; k < 23; ++k) {
            p.X += step(random);
            p.Y += step(random);
            figure->AddPoint(p);
        }
        layer.Add(figure);
    }
}

// 5,000 figures of every type: about 55% strokes, the rest shapes up to 200 pixels wide.
void FillMixed(CMMFigureHolder& layer)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<float> x(0, kPageWidth - 200), y(0, kPageHeight - 200), size(5, 200), step(-4, 8);
    std::uniform_int_distribution<int> kind(0, 10);
    for (int i = 0; i < kFigures; ++i) {
        const int k = kind(random);
        const int type = k < 6 ? 0 : k - 5;  // about 55% curves, the rest types 1 to 5
        PointF a(x(random), y(random));
        PointF b(a.X + size(random), a.Y + size(random));
        auto figure = std::make_shared<CMMFigure>(a, type == 0 ? a : b, 0, 3, type, 1.0f, CString());
        if (type == 0) {
            for (int n = 0; n < 23; ++n) {
                a.X += step(random);
                a.Y += step(random);
                figure->AddPoint(a);
            }
        }
        layer.Add(figure);
    }
}

struct StrokePage {
    StrokePage() : page(1)
    {
        page.m_nImageWidth = kPageWidth;
        page.m_nImageHeight = kPageHeight;
        FillStrokes(page.m_ownLayer);
        text = page.ToSvg();
        utf8 = WideToUtf8(text);
    }
    CMMPage page;
    CString text;
    std::string utf8;
};

StrokePage& Page()
{
    static StrokePage page;
    return page;
}

void BM_WritePageSvg(benchmark::State& state)
{
    StrokePage& p = Page();
    for (auto _ : state) {
        CString text = p.page.ToSvg();
        benchmark::DoNotOptimize(text.GetString());
    }
    state.SetBytesProcessed(state.iterations() * p.text.GetLength() * 2);
    state.counters["chars"] = (double)p.text.GetLength();
}

void BM_CopyPageText(benchmark::State& state)
{
    StrokePage& p = Page();
    for (auto _ : state) {
        CString copy(p.text.GetString(), p.text.GetLength());
        benchmark::DoNotOptimize(copy.GetString());
    }
    state.SetBytesProcessed(state.iterations() * p.text.GetLength() * 2);
}

void BM_ReadPageSvg(benchmark::State& state)
{
    StrokePage& p = Page();
    for (auto _ : state) {
        CMMFigureHolder layer;
        CSvgFigureReader::Read(p.utf8, kPageWidth, kPageHeight, layer);
        benchmark::DoNotOptimize(layer.GetCount());
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)p.utf8.size());
    state.counters["bytes"] = (double)p.utf8.size();
}

void BM_ReadPageSvgFromWideText(benchmark::State& state)
{
    StrokePage& p = Page();
    for (auto _ : state) {
        CMMFigureHolder layer;
        CSvgFigureReader::Read(p.text, kPageWidth, kPageHeight, layer);
        benchmark::DoNotOptimize(layer.GetCount());
    }
}

// The parts of a read: the XML parser alone, and the nesting check made before it.
void BM_ParsePageSvgOnly(benchmark::State& state)
{
    StrokePage& p = Page();
    for (auto _ : state) {
        TiXmlDocument document;
        document.Parse(p.utf8.c_str(), nullptr, TIXML_ENCODING_UTF8);
        benchmark::DoNotOptimize(document.RootElement());
    }
}

void BM_NestingCheckOnly(benchmark::State& state)
{
    StrokePage& p = Page();
    for (auto _ : state)
        benchmark::DoNotOptimize(CSvgFigureReader::NestingDepth(p.utf8.data(), p.utf8.size(), 32));
}

void BM_CopyPageUtf8(benchmark::State& state)
{
    StrokePage& p = Page();
    for (auto _ : state) {
        std::string copy(p.utf8.data(), p.utf8.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)p.utf8.size());
}

CMMFigureHolder& Mixed()
{
    static CMMFigureHolder layer = [] {
        CMMFigureHolder l;
        FillMixed(l);
        return l;
    }();
    return layer;
}

// One eraser move: a 10 x 10 rectangle (or a 7-pixel diagonal segment) somewhere on the page.
template <typename HitTest>
void EraserMoves(benchmark::State& state, unsigned seed, float span, HitTest hitTest)
{
    CMMFigureHolder& layer = Mixed();
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> x(0, kPageWidth), y(0, kPageHeight);
    size_t hits = 0;
    for (auto _ : state) {
        const PointF a(x(random), y(random));
        hits += (layer.*hitTest)(a, PointF(a.X + span, a.Y + span)).size();
    }
    state.counters["hits/move"] = (double)hits / (double)state.iterations();
}

void BM_HitTestRect(benchmark::State& state)
{
    EraserMoves(state, 3, 10, &CMMFigureHolder::HitTestRect);
}

void BM_HitTestSegment(benchmark::State& state)
{
    EraserMoves(state, 5, 7, &CMMFigureHolder::HitTestSegment);
}

void BM_FindTopmostAt(benchmark::State& state)
{
    CMMFigureHolder& layer = Mixed();
    std::mt19937 random(9);
    std::uniform_real_distribution<float> x(0, kPageWidth), y(0, kPageHeight);
    for (auto _ : state)
        benchmark::DoNotOptimize(layer.FindTopmostAt(PointF(x(random), y(random))));
}

}  // namespace

BENCHMARK(BM_WritePageSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyPageText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPageSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPageSvgFromWideText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParsePageSvgOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NestingCheckOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyPageUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HitTestRect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitTestSegment)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindTopmostAt)->Unit(benchmark::kMicrosecond);
