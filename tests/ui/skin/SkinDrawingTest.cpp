// The drawing helpers: rounded path shapes, fill widths of the rounded bar, frames, the list
// memory DC, MIME types and the scaled image savers.
#include <gtest/gtest.h>

#include "platform/DC.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/ImageSave.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinDrawing.h"
#include "ui/skin/SkinScreen.h"
#include "core/TopDownDib.h"

namespace {

// A white 32-bit memory bitmap to draw on.
class Canvas {
public:
    Canvas(int w, int h)
    {
        m_dc.CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        m_bitmap = CreateTopDownDib(nullptr, w, h, &bits);
        m_old = ::SelectObject(m_dc.GetSafeHdc(), m_bitmap);
        m_dc.FillSolidRect(0, 0, w, h, RGB(255, 255, 255));
    }
    ~Canvas()
    {
        ::SelectObject(m_dc.GetSafeHdc(), m_old);
        ::DeleteObject(m_bitmap);
    }
    CDC* Dc() { return &m_dc; }
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }
    // The length of the run of the colour along a row from x.
    int RunLength(int x, int y, COLORREF clr) const
    {
        int n = 0;
        while (At(x + n, y) == clr)
            ++n;
        return n;
    }

private:
    CDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

TEST(SkinDrawing, RoundRectPathShapes)
{
    skintest::EnsureGdiplus();
    struct Probe {
        float x, y;
        bool inside;
    };
    struct Case {
        float w, h, r;
        const char* shape;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {100, 30, 0, "rectangle", {{0.5f, 0.5f, true}, {99, 29, true}, {1, 29, true}}},
        {100, 30, 15, "capsule", {{1, 1, false}, {50, 0.5f, true}, {1, 15, true}, {99, 1, false}}},
        {40, 40, 10, "rounded square", {{1, 1, false}, {5, 5, true}, {20, 0.5f, true}, {0.5f, 20, true}}},
        {40, 40, 20, "circle", {{5, 5, false}, {20, 0.5f, true}, {0.5f, 20, true}, {35, 35, false}}},
    };
    for (const Case& c : cases) {
        Gdiplus::GraphicsPath path;
        AddRoundRectPath(&path, 0, 0, c.w, c.h, c.r);
        Gdiplus::RectF bounds;
        path.GetBounds(&bounds);
        EXPECT_NEAR(bounds.Width, c.w, 0.01) << c.shape;
        EXPECT_NEAR(bounds.Height, c.h, 0.01) << c.shape;
        for (const Probe& p : c.probes)
            EXPECT_EQ(path.IsVisible(p.x, p.y) != FALSE, p.inside) << c.shape << " at " << p.x << "," << p.y;
    }
}

TEST(SkinDrawing, FilledBarWidthsByPercentage)
{
    skintest::EnsureGdiplus();
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
    {
        // 30 % of a 200-pixel bar: 60 pixels (the shape's path is one pixel narrower).
        Canvas canvas(220, 40);
        DrawFilledRoundRect(canvas.Dc(), CRect(10, 5, 210, 35), 30, 2.0f, TRUE, red, FALSE, blue, 0.0f);
        const int run = canvas.RunLength(10, 20, red);
        EXPECT_GE(run, 58);
        EXPECT_LE(run, 60);
        EXPECT_EQ(canvas.At(75, 20), white);
    }
    {
        // Outlined with 2: the bar becomes 198 pixels and 59 of them are filled; the outline
        // goes round the whole reduced bar.
        Canvas canvas(220, 40);
        DrawFilledRoundRect(canvas.Dc(), CRect(10, 5, 210, 35), 30, 2.0f, TRUE, red, TRUE, blue, 0.0f);
        EXPECT_EQ(canvas.At(40, 20), red);
        EXPECT_EQ(canvas.At(75, 20), white);
        EXPECT_NE(canvas.At(208, 20), white);
        EXPECT_EQ(canvas.At(100, 20), white);
    }
    {
        Canvas canvas(220, 40);
        DrawFilledRoundRect(canvas.Dc(), CRect(10, 5, 210, 35), -1, 0.0f, TRUE, red, FALSE, blue, 0.0f);
        const int run = canvas.RunLength(10, 20, red);
        EXPECT_GE(run, 198);
        EXPECT_LE(run, 200);
    }
}

TEST(SkinDrawing, FrameStripsAreAtLeastOnePixel)
{
    const COLORREF green = RGB(0, 255, 0);
    struct Case {
        int size;
        float scale;
        int strip;
    };
    const Case cases[] = {{1, 0.5f, 1}, {2, 1.0f, 2}, {2, 1.5f, 3}, {0, 1.0f, 0}};
    for (const Case& c : cases) {
        Canvas canvas(50, 50);
        DrawFrameRect(canvas.Dc(), 5, 5, 40, 40, green, c.size, c.scale);
        EXPECT_EQ(canvas.RunLength(5, 20, green), c.strip) << c.size << " " << c.scale;
        EXPECT_EQ(canvas.At(20, 44) == green, c.strip > 0);
        EXPECT_EQ(canvas.At(20, 44 - c.strip), RGB(255, 255, 255));
    }
}

TEST(SkinDrawing, ComboArrowAndBlends)
{
    EXPECT_EQ(SKIN_SCREEN::BlendColor(RGB(0, 100, 255), RGB(255, 100, 0)), RGB(127, 100, 127));
    Canvas canvas(40, 30);
    SKIN_SCREEN::DrawComboArrow(canvas.Dc(), CRect(0, 0, 40, 30), 1.0f, RGB(0, 0, 0), RGB(255, 255, 255));
    // The 10 x 6 box centred at (15, 12): the chevron's tip at the bottom middle, sides up.
    EXPECT_EQ(canvas.At(19, 16), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(19, 12), RGB(255, 255, 255));
}

TEST(SkinDrawing, ListMemoryDcCoversTheClipBoxAndDiscardsWhatLiesOutside)
{
    Canvas target(100, 100);
    HRGN clip = ::CreateRectRgn(20, 20, 60, 50);
    ::SelectClipRgn(target.Dc()->GetSafeHdc(), clip);
    ::DeleteObject(clip);
    {
        CMyMemDC mem(target.Dc(), RGB(0, 0, 255));
        EXPECT_TRUE(mem.GetRect().EqualRect(CRect(20, 20, 60, 50)));
        mem->FillSolidRect(0, 0, 100, 100, RGB(255, 0, 0));
        mem->FillSolidRect(30, 30, 5, 5, RGB(0, 255, 0));
    }
    ::SelectClipRgn(target.Dc()->GetSafeHdc(), nullptr);
    EXPECT_EQ(target.At(32, 32), RGB(0, 255, 0));
    EXPECT_EQ(target.At(21, 21), RGB(255, 0, 0));
    EXPECT_EQ(target.At(10, 10), RGB(255, 255, 255));
    EXPECT_EQ(target.At(70, 30), RGB(255, 255, 255));
}

TEST(SkinDrawing, MimeTypesByExtension)
{
    struct Case {
        const wchar_t* ext;
        const wchar_t* mime;
    };
    const Case cases[] = {{L"PNG", L"image/png"}, {L"jpg", L"image/jpeg"}, {L"JFIF", L"image/jpeg"}, {L"gif", L"image/gif"},
                          {L"tif", L"image/tiff"}, {L"rle", L"image/bmp"}, {L"webp", L"image/bmp"}, {L"", L"image/bmp"}};
    for (const Case& c : cases)
        EXPECT_EQ(GetMimeTypeFromExt(c.ext), CString(c.mime)) << CStringA(c.ext).GetString();
    skintest::EnsureGdiplus();
    CLSID clsid;
    EXPECT_GE(GetEncoderClsid(L"image/png", &clsid), 0);
    EXPECT_EQ(GetEncoderClsid(L"IMAGE/PNG", &clsid), -1);
}

TEST(SkinDrawing, SavedImagesFitTheirBox)
{
    struct Case {
        int w, h, boxW, boxH;
        SIZE fit;
        SIZE scaled;
    };
    const Case cases[] = {{400, 200, 100, 100, {100, 50}, {100, 50}},
                          {200, 400, 100, 100, {50, 100}, {50, 100}},
                          {50, 40, 100, 100, {50, 40}, {100, 80}}};
    for (const Case& c : cases) {
        const SIZE fit = FitImageSize(c.w, c.h, c.boxW, c.boxH);
        EXPECT_EQ(fit.cx, c.fit.cx);
        EXPECT_EQ(fit.cy, c.fit.cy);
        const SIZE scaled = ScaleImageSize(c.w, c.h, c.boxW, c.boxH);
        EXPECT_EQ(scaled.cx, c.scaled.cx);
        EXPECT_EQ(scaled.cy, c.scaled.cy);
    }
    const std::wstring source = skintest::FixtureFolder() + L"\\big.png";
    ASSERT_TRUE(skintest::WritePicture(source, 400, 200, [](int, int) { return 0xFF00FF00u; }));
    Gdiplus::Image image(source.c_str());
    const std::wstring out = skintest::FixtureFolder() + L"\\small.jpg";
    SIZE size = {};
    ASSERT_TRUE(SaveImageFit(&image, 100, 100, out.c_str(), L"jpg", &size));
    EXPECT_EQ(size.cx, 100);
    EXPECT_EQ(size.cy, 50);
    Gdiplus::Image saved(out.c_str());
    EXPECT_EQ(saved.GetWidth(), 100u);
    EXPECT_EQ(saved.GetHeight(), 50u);
    EXPECT_FALSE(SaveImageFit(&image, 100, 100, L"Z:\\no\\such\\dir\\x.png", L"png", &size));
    EXPECT_EQ(size.cx, 100);
}

} // namespace
