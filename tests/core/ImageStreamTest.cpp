#include <gtest/gtest.h>

#include <windows.h>
#include <gdiplus.h>

#include "core/ImageStream.h"
#include "tests/core/CoreTestHelpers.h"

namespace {

// A 2x1 24-bit bitmap file: one red and one blue pixel.
std::string TinyBmp()
{
    const unsigned char bytes[] = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
        40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 255, 255, 0, 0, 0, 0};
    return std::string((const char*)bytes, sizeof bytes);
}

ULONGLONG StreamSize(IStream* stream)
{
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    return stat.cbSize.QuadPart;
}

TEST(ImageStream, LoadsFilesIncludingEmptyOnesAndReportsMissingOnes)
{
    zeltest::TempDir dir;
    CImageStream image;
    zeltest::WriteFileBytes(dir.File(L"empty.bin"), "");
    EXPECT_TRUE(image.LoadFile(dir.File(L"empty.bin").c_str()));
    EXPECT_TRUE(image.IsLoaded());
    EXPECT_EQ(StreamSize(image.GetStream()), 0u);

    zeltest::WriteFileBytes(dir.File(L"big.bin"), std::string(5000, 'q'));
    EXPECT_TRUE(image.LoadFile(dir.File(L"big.bin").c_str()));
    EXPECT_EQ(StreamSize(image.GetStream()), 5000u);

    EXPECT_FALSE(image.LoadFile(dir.File(L"missing.bin").c_str()));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(image.IsLoaded());
    EXPECT_EQ(image.GetStream(), nullptr);
}

TEST(ImageStream, CopiesASourceStreamWholeFromWhereverItStands)
{
    IStream* source = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &source), S_OK);
    source->Write("0123456789", 10, nullptr);   // left positioned at its end
    CImageStream image;
    EXPECT_TRUE(image.LoadFromStream(source));
    EXPECT_EQ(StreamSize(image.GetStream()), 10u);
    char text[11] = {};
    ULONG read = 0;
    image.GetStream()->Read(text, 10, &read);
    EXPECT_STREQ(text, "0123456789");
    source->Release();

    EXPECT_FALSE(image.LoadFromStream(nullptr));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_ADDRESS);
}

TEST(ImageStream, ReleaseDropsOnlyItsOwnReference)
{
    std::string bmp = TinyBmp();
    CImageStream image;
    ASSERT_TRUE(image.LoadFromMemory(bmp.data(), (DWORD)bmp.size()));
    // An image made from the stream holds the stream while it lives.
    Gdiplus::Bitmap* bitmap = Gdiplus::Bitmap::FromStream(image.GetStream());
    ASSERT_NE(bitmap, nullptr);
    ASSERT_EQ(bitmap->GetLastStatus(), Gdiplus::Ok);
    IStream* held = image.GetStream();
    held->AddRef();
    EXPECT_EQ(image.Release(), 0);
    EXPECT_EQ(image.GetStream(), nullptr);
    // The stream is still alive for those who hold it.
    EXPECT_EQ(StreamSize(held), bmp.size());
    Gdiplus::Color pixel;
    EXPECT_EQ(bitmap->GetPixel(0, 0, &pixel), Gdiplus::Ok);
    EXPECT_EQ(pixel.GetR(), 255);
    delete bitmap;
    EXPECT_EQ(held->Release(), 0u);
}

}  // namespace
