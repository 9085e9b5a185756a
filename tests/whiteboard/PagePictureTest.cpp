// Page images decoded ahead of a page turn, and the page that keeps them.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "WhiteboardTestSupport.h"
#include "whiteboard/MMPage.h"
#include "ui/skin/ImageSave.h"
#include "whiteboard/PagePicture.h"

namespace {

COLORREF PixelOf(const CPagePicture& picture, int x, int y)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, picture.Bitmap());
    const COLORREF c = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return c;
}

TEST(PagePicture, DecodesAtTheImagesOwnSizeWithinTheBudget)
{
    struct Case {
        const char* name;
        int width, height;
        bool pixels;
    };
    // 2048 x 2048 at 32 bits is the budget exactly; one row more passes it.
    for (const Case& c : {Case{"small", 40, 30, true}, Case{"at the budget", 2048, 2048, true},
                          Case{"past the budget", 2048, 2049, false}}) {
        SCOPED_TRACE(c.name);
        const std::vector<BYTE> bmp = wbtest::BmpBytes(c.width, c.height, RGB(200, 30, 40));
        const auto picture = CPagePicture::Decode(bmp.data(), bmp.size());
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Width(), c.width);
        EXPECT_EQ(picture->Height(), c.height);
        EXPECT_EQ(picture->HasPixels() != FALSE, c.pixels);
        EXPECT_LE(picture->Bytes(), CPagePicture::kMaxBytes);
        if (c.pixels) {
            EXPECT_EQ(PixelOf(*picture, 0, 0), RGB(200, 30, 40));
            EXPECT_EQ(PixelOf(*picture, c.width - 1, c.height - 1), RGB(200, 30, 40));
        }
    }
    const BYTE garbage[] = "this is not an image at all";
    EXPECT_FALSE(CPagePicture::Decode(garbage, sizeof garbage));
    EXPECT_FALSE(CPagePicture::Decode(nullptr, 0));
}

TEST(PagePicture, AScaledCopyHasTheSizeAskedForAndThePicturesColours)
{
    const std::vector<BYTE> bmp = wbtest::BmpBytes(400, 300, RGB(30, 160, 90));
    const auto picture = CPagePicture::Decode(bmp.data(), bmp.size());
    ASSERT_TRUE(picture);
    const auto half = picture->ScaledTo(200, 150);
    ASSERT_TRUE(half && half->HasPixels());
    EXPECT_EQ(half->Width(), 200);
    EXPECT_EQ(half->Height(), 150);
    EXPECT_EQ(PixelOf(*half, 100, 75), RGB(30, 160, 90));
    EXPECT_FALSE(picture->ScaledTo(0, 150));
    EXPECT_FALSE(picture->ScaledTo(4096, 4096));  // past the budget
    const std::vector<BYTE> large = wbtest::BmpBytes(2048, 2049);
    EXPECT_FALSE(CPagePicture::Decode(large.data(), large.size())->ScaledTo(100, 100));  // nothing to scale
}

// The window's thread holds a kept picture selected while it paints; a worker scales the same
// picture meanwhile (a bitmap is in one DC at a time, so the worker must not select it).
TEST(PagePicture, ScalingOnAWorkerWhileThePictureIsSelectedForPainting)
{
    const std::vector<BYTE> bmp = wbtest::BmpBytes(400, 300, RGB(220, 20, 30));
    const auto picture = CPagePicture::Decode(bmp.data(), bmp.size());
    ASSERT_TRUE(picture && picture->HasPixels());
    HDC painting = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(painting, picture->Bitmap());
    ASSERT_TRUE(old);
    std::shared_ptr<CPagePicture> scaled;
    std::thread worker([&] { scaled = picture->ScaledTo(100, 75); });
    worker.join();
    EXPECT_EQ(::GetPixel(painting, 200, 150), RGB(220, 20, 30));
    ::SelectObject(painting, old);
    ::DeleteDC(painting);
    ASSERT_TRUE(scaled && scaled->HasPixels());
    EXPECT_EQ(PixelOf(*scaled, 50, 37), RGB(220, 20, 30));
}

// Decoding runs on workers while the window's thread paints other pictures.
TEST(PagePicture, DecodesOnSeveralThreadsAtOnce)
{
    const std::vector<BYTE> bmp = wbtest::BmpBytes(300, 200, RGB(10, 120, 220));
    std::vector<std::shared_ptr<CPagePicture>> pictures(4);
    std::vector<std::thread> workers;
    for (size_t i = 0; i < pictures.size(); ++i)
        workers.emplace_back([&, i] { pictures[i] = CPagePicture::Decode(bmp.data(), bmp.size()); });
    for (std::thread& t : workers)
        t.join();
    for (const auto& picture : pictures) {
        ASSERT_TRUE(picture && picture->HasPixels());
        EXPECT_EQ(PixelOf(*picture, 150, 100), RGB(10, 120, 220));
    }
}

// A picture of that size saved in a format GDI+ writes ("image/png", "image/jpeg"...).
std::vector<BYTE> Encoded(int width, int height, const wchar_t* mime)
{
    std::vector<BYTE> bytes;
    CLSID clsid;
    IStream* stream = nullptr;
    if (GetEncoderClsid(mime, &clsid) < 0 || ::CreateStreamOnHGlobal(nullptr, TRUE, &stream) != S_OK)
        return bytes;
    Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
    HGLOBAL memory = nullptr;
    if (bitmap.Save(stream, &clsid, nullptr) == Gdiplus::Ok && ::GetHGlobalFromStream(stream, &memory) == S_OK) {
        STATSTG stat = {};
        stream->Stat(&stat, STATFLAG_NONAME);
        const BYTE* data = static_cast<const BYTE*>(::GlobalLock(memory));
        bytes.assign(data, data + stat.cbSize.QuadPart);
        ::GlobalUnlock(memory);
    }
    stream->Release();
    return bytes;
}

TEST(PagePicture, TheSizeIsReadFromTheHeaderOfEachFormatAndNotFromOtherBytes)
{
    struct Case {
        const char* name;
        std::vector<BYTE> bytes;
        BOOL read;
        int width, height;
    };
    std::vector<BYTE> jpeg = Encoded(321, 123, L"image/jpeg");
    std::vector<BYTE> png = Encoded(640, 905, L"image/png");
    std::vector<BYTE> junk(200, 0x41);
    // A JPEG whose markers stop before its frame header.
    std::vector<BYTE> jpegCut(jpeg.begin(), jpeg.begin() + 20);
    std::vector<BYTE> pngCut(png.begin(), png.begin() + 20);
    for (const Case& c : {Case{"png", png, TRUE, 640, 905}, Case{"jpeg", jpeg, TRUE, 321, 123},
                          Case{"gif", Encoded(17, 9, L"image/gif"), TRUE, 17, 9},
                          Case{"bmp", wbtest::BmpBytes(40, 30), TRUE, 40, 30},
                          Case{"jpeg cut short", jpegCut, FALSE, 0, 0}, Case{"png cut short", pngCut, FALSE, 0, 0},
                          Case{"no image", junk, FALSE, 0, 0}, Case{"empty", {}, FALSE, 0, 0}}) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(!c.read || !c.bytes.empty());
        int width = -1, height = -1;
        EXPECT_EQ(CPagePicture::ReadSize(c.bytes.data(), c.bytes.size(), width, height), c.read);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
        // The page stores what has a size, and refuses bytes that are no image.
        CMMPage page(1);
        EXPECT_EQ(page.SetImage(c.bytes.data(), c.bytes.size()), c.read) << "stored";
        if (c.read) {
            EXPECT_EQ(page.m_nImageWidth, c.width);
            EXPECT_EQ(page.m_nImageHeight, c.height);
            EXPECT_TRUE(page.WantsPicture());
        }
    }
}

TEST(MMPage, AnImageDecodedElsewhereIsStoredWithItsSizeAndPictureAndANewImageDropsThePicture)
{
    CMMPage page(1);
    const std::vector<BYTE> bmp = wbtest::BmpBytes(40, 30);
    const std::shared_ptr<const CPagePicture> picture = CPagePicture::Decode(bmp.data(), bmp.size());
    ASSERT_TRUE(page.SetImage(bmp.data(), bmp.size(), picture));
    EXPECT_EQ(page.m_nImageWidth, 40);
    EXPECT_EQ(page.m_nImageHeight, 30);
    EXPECT_EQ(page.GetPicture(), picture);
    EXPECT_FALSE(page.WantsPicture());
    const unsigned first = page.GetImageSerial();
    // The bytes handed on for decoding are the image's own.
    EXPECT_EQ(page.CopyImageBytes(), std::string(bmp.begin(), bmp.end()));

    // A scaled copy stays beside its picture only, and is wanted again for another size.
    page.SetFittedPicture(picture->ScaledTo(20, 15));
    ASSERT_TRUE(page.GetFittedPicture());
    EXPECT_FALSE(page.WantsFitted(SIZE{20, 15}));
    EXPECT_TRUE(page.WantsFitted(SIZE{30, 20}));
    EXPECT_FALSE(page.WantsFitted(SIZE{0, 0}));
    page.DropPicture();
    EXPECT_TRUE(page.WantsPicture());
    EXPECT_FALSE(page.GetFittedPicture());
    page.SetFittedPicture(picture->ScaledTo(20, 15));
    EXPECT_FALSE(page.GetFittedPicture());
    page.SetPicture(picture);
    EXPECT_EQ(page.GetPicture(), picture);

    ASSERT_TRUE(page.SetImage(bmp.data(), bmp.size()));
    EXPECT_FALSE(page.GetPicture());
    EXPECT_NE(page.GetImageSerial(), first);
    EXPECT_TRUE(page.WantsPicture());

    // An image too large to keep decoded is not asked for again.
    const std::vector<BYTE> large = wbtest::BmpBytes(2048, 2049);
    ASSERT_TRUE(page.SetImage(large.data(), large.size(), CPagePicture::Decode(large.data(), large.size())));
    EXPECT_EQ(page.m_nImageWidth, 2048);
    EXPECT_FALSE(page.GetPicture());
    EXPECT_FALSE(page.WantsPicture());

    // Without an image there is nothing to decode or keep.
    CMMPage empty(2);
    empty.SetPicture(picture);
    EXPECT_FALSE(empty.GetPicture());
    EXPECT_FALSE(empty.WantsPicture());
    EXPECT_TRUE(empty.CopyImageBytes().empty());
}

}  // namespace
