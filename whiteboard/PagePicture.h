#pragma once
// A page image decoded once into a bitmap the canvas only has to scale: a 32-bit DIB section at
// the image's own size, laid over white. Decoding takes tens of milliseconds for a page, so it is
// done on a worker (the download's thread or the board's decoder) and never while the user waits
// for a page turn; GDI bitmaps belong to the process, so one made on a worker is drawn on the
// window's thread. A picture is not changed after it is made.
#include <windows.h>

#include <memory>

class CPagePicture {
public:
    // The most one page's decoded picture may take (2048 x 2048 pixels at 32 bits); a larger image
    // keeps only its size here and is decoded when painted.
    static constexpr size_t kMaxBytes = 16u * 1024u * 1024u;

    // Decodes an encoded image (PNG, JPEG, BMP, GIF). Null when the bytes are not an image; a
    // picture without pixels (HasPixels FALSE) when the image is larger than kMaxBytes.
    static std::shared_ptr<CPagePicture> Decode(const BYTE* bytes, size_t length);
    // The image's size read from its header alone (PNG, JPEG, GIF, BMP), without decoding it:
    // what the window's thread needs of a page while its picture is decoded elsewhere. FALSE
    // for any other format or a header cut short.
    static BOOL ReadSize(const BYTE* bytes, size_t length, int& width, int& height);

    // A copy scaled to width x height with halftoning, as the canvas scales a page to fit it (so
    // that showing it is a plain copy); null when it cannot be made or passes kMaxBytes.
    std::shared_ptr<CPagePicture> ScaledTo(int width, int height) const;

    ~CPagePicture();
    CPagePicture(const CPagePicture&) = delete;
    CPagePicture& operator=(const CPagePicture&) = delete;

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    BOOL HasPixels() const { return m_hBitmap != nullptr; }
    // Owned by the picture: select it into a DC, never delete it.
    HBITMAP Bitmap() const { return m_hBitmap; }
    size_t Bytes() const { return m_hBitmap ? (size_t)m_nWidth * (size_t)m_nHeight * 4u : 0u; }

private:
    // A 32-bit top-down DIB section of that size (its pixels in 'bits'), null past kMaxBytes.
    static HBITMAP NewBitmap(int width, int height, void** bits);
    CPagePicture(int width, int height, HBITMAP bitmap, const void* bits)
        : m_nWidth(width), m_nHeight(height), m_hBitmap(bitmap), m_pBits(bits)
    {
    }

    int m_nWidth;
    int m_nHeight;
    HBITMAP m_hBitmap;
    // The bitmap's pixels: a worker scales from them without selecting the bitmap, which the
    // window's thread may hold selected while it paints (a bitmap is in one DC at a time).
    const void* m_pBits;
};
