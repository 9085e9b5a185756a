#include "whiteboard/PagePicture.h"

#include <gdiplus.h>
#include <objidl.h>

#include <climits>
#include <cstring>
#include "core/TopDownDib.h"

namespace {

// A read-only stream over a copy of the bytes (GDI+ may read the stream while the image lives).
IStream* StreamOf(const BYTE* bytes, size_t length)
{
    if (!bytes || length == 0 || length > 0x7FFFFFFF)
        return nullptr;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, length);
    if (!memory)
        return nullptr;
    void* target = ::GlobalLock(memory);
    if (!target) {
        ::GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, bytes, length);
    ::GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (::CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK || !stream) {
        ::GlobalFree(memory);
        return nullptr;
    }
    return stream;
}

}  // namespace

HBITMAP CPagePicture::NewBitmap(int width, int height, void** bits)
{
    *bits = nullptr;
    if (width <= 0 || height <= 0 || (size_t)width * (size_t)height * 4u > kMaxBytes)
        return nullptr;
    return CreateTopDownDib(nullptr, width, height, bits);
}

std::shared_ptr<CPagePicture> CPagePicture::ScaledTo(int width, int height) const
{
    if (!m_hBitmap || !m_pBits)
        return nullptr;
    void* bits = nullptr;
    HBITMAP bitmap = NewBitmap(width, height, &bits);
    if (!bitmap)
        return nullptr;
    HDC target = ::CreateCompatibleDC(nullptr);
    BOOL done = FALSE;
    if (target) {
        const BITMAPINFO source = TopDownDibInfo(m_nWidth, m_nHeight);
        HGDIOBJ old = ::SelectObject(target, bitmap);
        ::SetStretchBltMode(target, HALFTONE);
        ::SetBrushOrgEx(target, 0, 0, nullptr);
        done = ::StretchDIBits(target, 0, 0, width, height, 0, 0, m_nWidth, m_nHeight, m_pBits, &source,
                               DIB_RGB_COLORS, SRCCOPY) != 0;
        ::GdiFlush();
        ::SelectObject(target, old);
        ::DeleteDC(target);
    }
    if (!done) {
        ::DeleteObject(bitmap);
        return nullptr;
    }
    return std::shared_ptr<CPagePicture>(new CPagePicture(width, height, bitmap, bits));
}

std::shared_ptr<CPagePicture> CPagePicture::Decode(const BYTE* bytes, size_t length)
{
    IStream* stream = StreamOf(bytes, length);
    if (!stream)
        return nullptr;
    std::shared_ptr<CPagePicture> result;
    {
        Gdiplus::Bitmap image(stream);
        const int width = (int)image.GetWidth(), height = (int)image.GetHeight();
        if (image.GetLastStatus() == Gdiplus::Ok && width > 0 && height > 0) {
            void* bits = nullptr;
            HBITMAP bitmap = NewBitmap(width, height, &bits);
            {
                HDC dc = bitmap ? ::CreateCompatibleDC(nullptr) : nullptr;
                if (dc) {
                    // As the canvas draws a page: the image over white, at its own size.
                    HGDIOBJ old = ::SelectObject(dc, bitmap);
                    BOOL drawn = FALSE;
                    {
                        Gdiplus::Graphics graphics(dc);
                        graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
                        drawn = graphics.DrawImage(&image, 0, 0, width, height) == Gdiplus::Ok;
                    }
                    ::GdiFlush();
                    ::SelectObject(dc, old);
                    ::DeleteDC(dc);
                    if (!drawn) {
                        ::DeleteObject(bitmap);
                        bitmap = nullptr;
                    }
                } else if (bitmap) {
                    ::DeleteObject(bitmap);
                    bitmap = nullptr;
                }
            }
            result.reset(new CPagePicture(width, height, bitmap, bitmap ? bits : nullptr));
        }
    }
    stream->Release();
    return result;
}

CPagePicture::~CPagePicture()
{
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
}
