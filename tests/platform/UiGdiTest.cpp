// Device contexts and GDI objects: painting that lands in a window's pixels, selection that
// hands back the previous object, memory DCs, regions and fonts.
#include "platform/UI.h"

#include <gtest/gtest.h>

#include "tests/platform/UiTestSupport.h"

namespace {

const COLORREF kFill = RGB(200, 30, 60);
const COLORREF kFrame = RGB(10, 150, 20);

class CPaintedWnd : public CWnd {
public:
    CGdiObject* m_pRestoredPen = nullptr;
    bool m_penWasRestored = false;
protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        CBrush fill(kFill);
        dc.FillRect(&client, &fill);
        CPen frame(PS_SOLID, 3, kFrame);
        CPen* oldPen = dc.SelectObject(&frame);
        CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(10, 10, 60, 40);
        dc.SelectObject(oldBrush);
        CPen* restored = dc.SelectObject(oldPen);
        m_penWasRestored = restored && restored->m_hObject == frame.m_hObject;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintedWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(UiGdi, PaintLandsInTheWindowsPixels)
{
    CPaintedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"paint", WS_POPUP | WS_VISIBLE, 60, 60, 120, 80, nullptr, nullptr));
    wnd.UpdateWindow();
    EXPECT_EQ(uitest::PixelWhenSettled(wnd.m_hWnd, 100, 60, kFill), kFill);
    EXPECT_EQ(uitest::PixelWhenSettled(wnd.m_hWnd, 10, 25, kFrame), kFrame);
    // Inside the frame the null brush left the fill alone.
    EXPECT_EQ(uitest::PixelWhenSettled(wnd.m_hWnd, 35, 25, kFill), kFill);
    EXPECT_TRUE(wnd.m_penWasRestored);
}

TEST(UiGdi, SelectionReturnsThePreviousObjectOfTheRightClass)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 16, 8));
    CBitmap* oldBitmap = dc.SelectObject(&bitmap);
    ASSERT_NE(oldBitmap, nullptr);
    EXPECT_TRUE(oldBitmap->IsKindOf(RUNTIME_CLASS(CBitmap)));
    EXPECT_EQ(dc.GetCurrentBitmap()->m_hObject, bitmap.m_hObject);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, L"Arial"));
    CFont* oldFont = dc.SelectObject(&font);
    ASSERT_NE(oldFont, nullptr);
    EXPECT_TRUE(oldFont->IsKindOf(RUNTIME_CLASS(CFont)));
    // Wrappers of the same borrowed handle are one object.
    EXPECT_EQ(CFont::FromHandle((HFONT)oldFont->m_hObject), oldFont);
    CFont* replaced = dc.SelectObject(oldFont);
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(replaced->m_hObject, font.m_hObject);
    EXPECT_EQ(dc.GetCurrentFont()->m_hObject, oldFont->m_hObject);

    CGdiObject* oldPen = dc.SelectStockObject(WHITE_PEN);
    ASSERT_NE(oldPen, nullptr);
    EXPECT_TRUE(oldPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), nullptr);
    dc.SelectObject(oldBitmap);
    // Deleting the wrapper of a borrowed handle leaves the handle alone; the owner deletes it.
    EXPECT_EQ(::GetObjectType(bitmap.m_hObject), (DWORD)OBJ_BITMAP);
}

TEST(UiGdi, MemoryDcDrawsIntoItsBitmap)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 10));
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 20, 10, RGB(1, 2, 3));
    // FillSolidRect paints with the background colour and leaves it set.
    EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
    dc.SetPixel(5, 5, RGB(250, 0, 0));
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(250, 0, 0));
    EXPECT_EQ(dc.GetPixel(19, 9), RGB(1, 2, 3));
    dc.SelectObject(old);
    BITMAP info = {};
    ASSERT_NE(bitmap.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 20);
    EXPECT_EQ(info.bmHeight, 10);
}

TEST(UiGdi, RegionsCombine)
{
    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(20, 0, 30, 10));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(5, 5));
    EXPECT_FALSE(both.PtInRegion(15, 5));
    EXPECT_TRUE(both.PtInRegion(25, 5));
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 30, 10));
    CRgn round;
    ASSERT_TRUE(round.CreateRoundRectRgn(0, 0, 40, 40, 20, 20));
    EXPECT_FALSE(round.PtInRegion(0, 0));
    EXPECT_TRUE(round.PtInRegion(20, 20));
}

TEST(UiGdi, PointFontHeightFollowsTheResolution)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, L"Arial"));
    LOGFONT logFont = {};
    ASSERT_NE(font.GetLogFont(&logFont), 0);
    CClientDC screen(nullptr);
    EXPECT_EQ(logFont.lfHeight, -::MulDiv(screen.GetDeviceCaps(LOGPIXELSY), 120, 720));
    // A face name longer than LOGFONT holds is cut, not overrun.
    CFont longName;
    EXPECT_TRUE(longName.CreatePointFont(100, L"A face name that is much longer than thirty-one characters"));
}

TEST(UiGdi, StockObjectsAndAttachedHandles)
{
    CBrush white;
    ASSERT_TRUE(white.CreateStockObject(WHITE_BRUSH));
    EXPECT_EQ(white.m_hObject, ::GetStockObject(WHITE_BRUSH));
    LOGBRUSH logBrush = {};
    ASSERT_NE(white.GetLogBrush(&logBrush), 0);
    EXPECT_EQ(logBrush.lbColor, RGB(255, 255, 255));
    CPen pen(PS_SOLID, 2, RGB(1, 2, 3));
    HGDIOBJ handle = pen.Detach();
    EXPECT_EQ(pen.GetSafeHandle(), nullptr);
    EXPECT_EQ(::GetObjectType(handle), (DWORD)OBJ_PEN);
    CPen owner;
    owner.Attach(handle);
    owner.DeleteObject();
    EXPECT_EQ(::GetObjectType(handle), 0u);
    const CGdiObject* none = nullptr;
    EXPECT_EQ(none->GetSafeHandle(), nullptr);
}

TEST(UiGdi, ImageListAddsMaskedPicturesAndDrawsThem)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap strip;
    ASSERT_TRUE(strip.CreateCompatibleBitmap(&screen, 32, 16));
    CBitmap* old = dc.SelectObject(&strip);
    dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));   // first image: all key colour
    dc.FillSolidRect(16, 0, 16, 16, RGB(0, 0, 200));    // second image: blue
    dc.SelectObject(old);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    EXPECT_EQ(images.Add(&strip, RGB(255, 0, 255)), 0);
    EXPECT_EQ(images.GetImageCount(), 2);

    CBitmap target;
    ASSERT_TRUE(target.CreateCompatibleBitmap(&screen, 16, 16));
    old = dc.SelectObject(&target);
    dc.FillSolidRect(0, 0, 16, 16, RGB(10, 10, 10));
    ASSERT_TRUE(images.Draw(&dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(dc.GetPixel(8, 8), RGB(10, 10, 10));   // key colour left the target alone
    ASSERT_TRUE(images.Draw(&dc, 1, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(dc.GetPixel(8, 8), RGB(0, 0, 200));
    dc.SelectObject(old);

    CImageList copy;
    ASSERT_TRUE(copy.Create(&images));
    EXPECT_EQ(copy.GetImageCount(), 2);
}

}  // namespace
