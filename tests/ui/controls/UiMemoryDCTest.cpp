// The memory DCs over real device contexts, and the small static controls on a real window.
#include "ControlsTestResources.h"
#include "UiControlsSupport.h"
#include "ui/controls/MemDCEX.h"
#include "ui/controls/MemoryDC.h"
#include "ui/controls/StaticControls.h"

namespace {

using ctltest::Pixel;

// A 100 x 60 bitmap target filled white.
class Target {
public:
    Target()
    {
        HDC screen = ::GetDC(nullptr);
        dc.CreateCompatibleDC(CDC::FromHandle(screen));
        bitmap.CreateCompatibleBitmap(CDC::FromHandle(screen), 100, 60);
        ::ReleaseDC(nullptr, screen);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(CRect(0, 0, 100, 60), RGB(255, 255, 255));
    }
    ~Target() { dc.SelectObject(old); }
    COLORREF At(int x, int y) { return dc.GetPixel(x, y); }
    CDC dc;
    CBitmap bitmap;
    CBitmap* old;
};

TEST(MemDCEX, NothingReachesTheTargetWithoutFlush)
{
    Target target;
    {
        CRect rc(10, 10, 50, 40);
        CMemDCEX mem(&target.dc, &rc);
        mem.FillSolidRect(&rc, RGB(255, 0, 0));
        EXPECT_FALSE(mem.IsFlushed());
    }
    EXPECT_EQ(target.At(20, 20), RGB(255, 255, 255));
}

TEST(MemDCEX, OwnCallsTakeTargetCoordinatesOthersSurfaceCoordinates)
{
    Target target;
    CRect rc(10, 10, 50, 40);
    CMemDCEX mem(&target.dc, &rc);
    mem.FillSolidRect(&rc, RGB(0, 0, 255));                     // the whole surface
    mem->CDC::FillSolidRect(CRect(0, 0, 5, 5), RGB(0, 255, 0)); // surface corner
    CRect rcText(10, 10, 50, 40);
    mem.SetTextColor(RGB(255, 0, 0));
    mem.SetBkMode(TRANSPARENT);
    mem.DrawText(L"WWW", &rcText, DT_LEFT | DT_TOP | DT_SINGLELINE);
    mem.Flush(SRCCOPY);
    EXPECT_TRUE(mem.IsFlushed());
    EXPECT_EQ(target.At(9, 9), RGB(255, 255, 255));
    EXPECT_EQ(target.At(12, 12), RGB(0, 255, 0));   // surface (2, 2)
    EXPECT_EQ(target.At(49, 39), RGB(0, 0, 255));
    EXPECT_EQ(target.At(50, 40), RGB(255, 255, 255));
    // The text landed at the rectangle's corner, not 10 px further in.
    auto inked = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += (target.At(x, y) != RGB(0, 0, 255) && target.At(x, y) != RGB(0, 255, 0)) ? 1 : 0;
        return n;
    };
    EXPECT_GT(inked(15, 10, 20, 20), 0);
    mem.Flush(SRCCOPY);   // a second flush has nothing left to copy
}

TEST(MemoryDC, CopiesBackInTheTargetsMapping)
{
    Target target;
    target.dc.SetBkColor(RGB(0, 0, 200));
    // Logical units of half a pixel.
    target.dc.SetMapMode(MM_ANISOTROPIC);
    target.dc.SetWindowExt(CSize(2, 2));
    target.dc.SetViewportExt(CSize(1, 1));
    {
        CRect rc(20, 20, 120, 80);   // device 10,10 .. 60,40
        CMemoryDC mem(&target.dc, &rc);
        EXPECT_TRUE(mem.IsMemory());
        mem->FillSolidRect(CRect(20, 20, 40, 40), RGB(255, 0, 0));   // device 10..20
        EXPECT_EQ(target.At(12, 12), RGB(255, 255, 255));             // nothing yet
    }
    target.dc.SetMapMode(MM_TEXT);
    EXPECT_EQ(target.At(12, 12), RGB(255, 0, 0));
    EXPECT_EQ(target.At(30, 30), RGB(0, 0, 200));   // the rest: the target's background colour
    EXPECT_EQ(target.At(9, 9), RGB(255, 255, 255));
    EXPECT_EQ(target.At(61, 41), RGB(255, 255, 255));
}

TEST(MemoryDC, APrinterDCIsDrawnOnDirectlyAndKept)
{
    Target target;
    target.dc.m_bPrinting = TRUE;
    {
        CRect rc(0, 0, 50, 50);
        CMemoryDC mem(&target.dc, &rc);
        EXPECT_FALSE(mem.IsMemory());
        EXPECT_EQ(mem.m_hDC, target.dc.m_hDC);
        mem.FillSolidRect(CRect(5, 5, 10, 10), RGB(0, 255, 0));
        EXPECT_EQ(target.At(6, 6), RGB(0, 255, 0));   // at once
    }
    target.dc.m_bPrinting = FALSE;
    EXPECT_NE(::GetObjectType(target.dc.m_hDC), 0u);   // not deleted
    EXPECT_EQ(target.At(6, 6), RGB(0, 255, 0));
}

class StaticControls : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Open(320, 140)); }
    ctltest::OwnResources resources;
    ctltest::CHostWnd host;
};

TEST_F(StaticControls, PictureLeavesItsMagentaOut)
{
    host.clrBack = RGB(255, 255, 255);
    CBmpStatic picture;
    ASSERT_TRUE(picture.Create(L"", WS_CHILD | SS_BITMAP, CRect(10, 10, 40, 40), &host, 20101));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_PICTURE));
    picture.SetBitmap(bitmap);
    picture.MoveWindow(10, 10, 16, 16);
    picture.ShowWindow(SW_SHOW);
    EXPECT_EQ(Pixel(&picture, 12, 8), RGB(0, 128, 0));
    EXPECT_EQ(Pixel(&picture, 3, 8), RGB(255, 255, 255));   // the host's white shows through

    CBmpStatic empty;
    ASSERT_TRUE(empty.Create(L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, CRect(50, 10, 70, 30), &host, 20102));
    empty.UpdateWindow();   // paints nothing, and does not fail
    EXPECT_EQ(empty.GetTransparentColor(), RGB(255, 0, 255));
}

TEST_F(StaticControls, ColourLabel)
{
    CColorStatic label;
    ASSERT_TRUE(label.Create(L"", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 50, 200, 80), &host, 20103));
    label.SetBkColor(RGB(30, 60, 90));
    label.SetTextColor(RGB(250, 250, 0));
    label.SetText(L"\ud68c\uc758\uc2e4 \u2588\u2588");
    EXPECT_EQ(Pixel(&label, 185, 25), RGB(30, 60, 90));
    int yellow = 0;
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 20; ++y)
            yellow += Pixel(&label, x, y) == RGB(250, 250, 0) ? 1 : 0;
    EXPECT_GT(yellow, 10);

    EXPECT_EQ(label.GetOwnFont(), nullptr);
    label.SetFontSize(14);
    CFont* first = label.GetOwnFont();
    ASSERT_NE(first, nullptr);
    LOGFONT lf = {};
    first->GetLogFont(&lf);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    const LONG height = lf.lfHeight;
    label.SetBold(FALSE);      // only for a font made later
    label.SetFontSize(20);     // none is: the first font stays
    EXPECT_EQ(label.GetOwnFont(), first);
    first->GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, height);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ((HFONT)label.SendMessage(WM_GETFONT), (HFONT)*first);
}

TEST_F(StaticControls, FlatButtonAndLockLayer)
{
    CColorBtn button;
    ASSERT_TRUE(button.Create(L"OK", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 90, 90, 120), &host, 20104));
    EXPECT_EQ(Pixel(&button, 40, 3), RGB(0xE6, 0xE6, 0xEB));   // COLORREF 0xEBE6E6
    button.SetFaceColor(RGB(10, 200, 10));
    button.SetTextColor(RGB(255, 255, 255));
    button.Invalidate();
    EXPECT_EQ(Pixel(&button, 40, 3), RGB(10, 200, 10));

    CLockLayer lock;
    ASSERT_TRUE(lock.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(200, 90, 300, 130), &host, 20105));
    EXPECT_EQ(Pixel(&lock, 50, 20), CLockLayer::kColor);
    EXPECT_TRUE(ctltest::SaveScreenshot(&host, L"StaticControls"));
}

} // namespace
