#include "core/DrawHelpers.h"
#include "tests/support/TestSupport.h"

#include <gdiplus.h>
#include <gtest/gtest.h>
#include "core/TopDownDib.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// A memory device context over a 32-bit DIB section of the given size, filled with one colour.
class CTestCanvas {
public:
    CTestCanvas(int cx, int cy, COLORREF fill) : m_hdc(CreateCompatibleDC(nullptr))
    {
        void* bits = nullptr;
        m_hBitmap = CreateTopDownDib(m_hdc, cx, cy, &bits);
        m_hOld = SelectObject(m_hdc, m_hBitmap);
        Fill(0, 0, cx, cy, fill);
    }
    ~CTestCanvas()
    {
        SelectObject(m_hdc, m_hOld);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hdc);
    }
    void Fill(int x, int y, int cx, int cy, COLORREF color)
    {
        RECT r = {x, y, x + cx, y + cy};
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(m_hdc, &r, brush);
        DeleteObject(brush);
    }
    // Takes the bitmap out of the canvas, for the functions that select it themselves.
    HBITMAP Detach()
    {
        SelectObject(m_hdc, m_hOld);
        m_hOld = SelectObject(m_hdc, CreateCompatibleBitmap(m_hdc, 1, 1));
        HBITMAP b = m_hBitmap;
        m_hBitmap = static_cast<HBITMAP>(GetCurrentObject(m_hdc, OBJ_BITMAP));
        return b;
    }
    int Count(const RECT& r, COLORREF color) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += GetPixel(m_hdc, x, y) == color;
        return n;
    }
    COLORREF At(int x, int y) const { return GetPixel(m_hdc, x, y); }
    operator HDC() const { return m_hdc; }

private:
    HDC m_hdc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

// 10x10: left half red, right half magenta.
void PaintSource(CTestCanvas& c)
{
    c.Fill(0, 0, 5, 10, kRed);
    c.Fill(5, 0, 5, 10, kMagenta);
}

}  // namespace

TEST(DrawHelpers, IsNearPointTable)
{
    const struct {
        POINT a, b;
        BOOL isNear;
    } cases[] = {
        {{0, 0}, {2, -2}, TRUE}, {{0, 0}, {3, 0}, FALSE}, {{0, 0}, {0, -3}, FALSE},
        {{5, 5}, {5, 5}, TRUE},  {{-1, -1}, {1, 1}, TRUE}, {{10, 0}, {7, 1}, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.isNear, IsNearPoint(c.a, c.b)) << c.a.x << "," << c.a.y << " " << c.b.x << "," << c.b.y;
}

TEST(DrawHelpers, DrawTransparentBitmapLeavesTheTransparentColourOut)
{
    const struct {
        COLORREF transparent;
        COLORREF rightHalf;  // what the destination shows where the bitmap is magenta
    } cases[] = {{kMagenta, kBlue}, {RGB(0, 255, 0), kMagenta}};
    for (const auto& c : cases) {
        CTestCanvas source(10, 10, kWhite);
        PaintSource(source);
        HBITMAP bitmap = source.Detach();
        CTestCanvas dest(20, 20, kBlue);
        DrawTransparentBitmap(dest, bitmap, 5, 5, c.transparent);
        EXPECT_EQ(25, dest.Count({5, 5, 10, 10}, kRed));
        EXPECT_EQ(25, dest.Count({10, 5, 15, 10}, c.rightHalf));
        EXPECT_EQ(kBlue, dest.At(2, 2));
        EXPECT_EQ(kBlue, dest.At(16, 16));

        // The caller's bitmap comes back unchanged.
        HDC check = CreateCompatibleDC(dest);
        HGDIOBJ old = SelectObject(check, bitmap);
        EXPECT_EQ(kMagenta, GetPixel(check, 8, 3));
        EXPECT_EQ(kRed, GetPixel(check, 1, 3));
        SelectObject(check, old);
        DeleteDC(check);
        DeleteObject(bitmap);
    }
}

TEST(DrawHelpers, TransparentStretchBltCopiesOrStretches)
{
    CTestCanvas source(10, 10, kWhite);
    PaintSource(source);

    CTestCanvas same(40, 40, kBlue);
    ASSERT_TRUE(TransparentStretchBlt(same, 0, 0, 10, 10, source, 0, 0, 10, 10, kMagenta));
    EXPECT_EQ(50, same.Count({0, 0, 5, 10}, kRed));
    EXPECT_EQ(50, same.Count({5, 0, 10, 10}, kBlue));
    EXPECT_EQ(0, same.Count({0, 0, 40, 40}, kMagenta));
    EXPECT_EQ(50, same.Count({0, 0, 40, 40}, kRed));

    CTestCanvas stretched(40, 40, kBlue);
    ASSERT_TRUE(TransparentStretchBlt(stretched, 0, 0, 20, 20, source, 0, 0, 10, 10, kMagenta));
    EXPECT_EQ(200, stretched.Count({0, 0, 10, 20}, kRed));
    EXPECT_EQ(200, stretched.Count({10, 0, 20, 20}, kBlue));
    EXPECT_EQ(200, stretched.Count({0, 0, 40, 40}, kRed));

    // The destination's colours are given back.
    EXPECT_EQ(GetTextColor(same), RGB(0, 0, 0));
    SetTextColor(same, kRed);
    SetBkColor(same, kBlue);
    TransparentStretchBlt(same, 0, 0, 10, 10, source, 0, 0, 10, 10, kMagenta);
    EXPECT_EQ(kRed, GetTextColor(same));
    EXPECT_EQ(kBlue, GetBkColor(same));

    EXPECT_FALSE(TransparentStretchBlt(same, 0, 0, 10, 10, source, 0, 0, -5, 10, kMagenta));
}

TEST(DrawHelpers, DrawTextWithFontKeepsOrSetsTheColourAndRestoresTheContext)
{
    CTestCanvas canvas(200, 60, kWhite);
    SetTextColor(canvas, kRed);
    SetBkColor(canvas, RGB(1, 2, 3));
    SetBkMode(canvas, OPAQUE);
    RECT r = {0, 0, 200, 60};
    DrawTextWithFont(canvas, &r, L"WWWW", CLR_KEEP_DC_TEXT, kWhite, TRUE, 14,
                     DT_LEFT | DT_TOP | DT_SINGLELINE, 1);
    EXPECT_GT(canvas.Count(r, kRed), 10);
    EXPECT_EQ(0, canvas.Count(r, RGB(0, 0, 0)));
    EXPECT_EQ(kRed, GetTextColor(canvas));
    EXPECT_EQ(RGB(1, 2, 3), GetBkColor(canvas));
    EXPECT_EQ(OPAQUE, GetBkMode(canvas));

    // Through the class library's device context, with a colour of its own.
    canvas.Fill(0, 0, 200, 60, kWhite);
    CDC dc;
    dc.Attach(canvas);
    DrawTextWithFont(&dc, &r, L"WWWW", kBlue, kWhite, FALSE, 14, DT_LEFT | DT_TOP | DT_SINGLELINE, 0);
    dc.Detach();
    EXPECT_GT(canvas.Count(r, kBlue), 10);
    EXPECT_EQ(0, canvas.Count(r, kRed));
    EXPECT_EQ(kRed, GetTextColor(canvas));
}

TEST(DrawHelpers, DrawWrappedTextMeasuresAndBreaks)
{
    CTestCanvas canvas(300, 300, kWhite);
    const CRect one = DrawWrappedText(canvas, CRect(10, 20, 290, 290), L"ab", FALSE, 12);
    EXPECT_EQ(10, one.left);
    EXPECT_EQ(20, one.top);
    EXPECT_GT(one.Width(), 0);
    EXPECT_LT(one.Width(), 60);
    EXPECT_GT(one.Height(), 0);
    EXPECT_EQ(0, canvas.Count({0, 0, 300, 300}, RGB(0, 0, 0)));  // measured only

    const CRect many = DrawWrappedText(canvas, CRect(0, 0, 40, 290), L"abcdefghijklmnopqrst", TRUE, 12);
    EXPECT_GE(many.Height(), 3 * one.Height());
    EXPECT_GT(canvas.Count({0, 0, 60, 300}, RGB(0, 0, 0)), 0);

    const CRect lines = DrawWrappedText(canvas, CRect(0, 0, 290, 290), L"ab\rcd", FALSE, 12);
    EXPECT_GE(lines.Height(), 2 * one.Height());
}

TEST(DrawHelpers, HasWindowStyleReadsTheVisibleBit)
{
    HWND hWnd = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(0, HasWindowStyle(hWnd));
    SetWindowLongW(hWnd, GWL_STYLE, WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(1, HasWindowStyle(hWnd));
    CWnd wnd;
    wnd.Attach(hWnd);
    EXPECT_EQ(1, HasWindowStyle(&wnd));
    wnd.Detach();
    EXPECT_EQ(0, HasWindowStyle(static_cast<CWnd*>(nullptr)));
    DestroyWindow(hWnd);
}

TEST(DrawHelpers, IsImageFileValid)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    ASSERT_EQ(Gdiplus::Ok, Gdiplus::GdiplusStartup(&token, &input, nullptr));
    zeltest::TempDir dir;
    // A 1x1 24-bit bitmap file.
    const unsigned char bmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0,
                                 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0x13, 0x0b,
                                 0, 0, 0x13, 0x0b, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0};
    ASSERT_TRUE(zeltest::WriteFileBytes(dir.File(L"a.bmp"), std::string(reinterpret_cast<const char*>(bmp), sizeof(bmp))));
    ASSERT_TRUE(zeltest::WriteFileBytes(dir.File(L"b.bmp"), "not an image"));
    EXPECT_TRUE(IsImageFileValid(dir.File(L"a.bmp").c_str()));
    EXPECT_FALSE(IsImageFileValid(dir.File(L"b.bmp").c_str()));
    EXPECT_FALSE(IsImageFileValid(dir.File(L"missing.png").c_str()));
    EXPECT_FALSE(IsImageFileValid(L""));
    Gdiplus::GdiplusShutdown(token);
}
