#include "screens/meeting/panels/PageThumbnail.h"

#include <shlwapi.h>

#include "ui/skin/GdiPlus.h"

namespace {

// GDI+ stays up for the rest of the process once a thumbnail was asked for; the program and the
// tests may have started it already (start-up calls are counted).
// Thumbnails are rendered on a worker while the window's thread may render one too: started once.
void EnsureGdiplus()
{
    static const ULONG_PTR s_token = [] {
        ULONG_PTR token = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token, &input, nullptr);
        return token;
    }();
    (void)s_token;
}

}  // namespace

S_THUMB_BOX ComputeThumbnailBox(int nWidth, int nHeight)
{
    S_THUMB_BOX box;
    if (nWidth <= 0 || nHeight <= 0)
        return box;
    const float fScaleW = 148.0f / (float)nWidth;
    const float fScaleH = 103.0f / (float)nHeight;
    const float fScale = fScaleW < fScaleH ? fScaleW : fScaleH;
    box.nScaledWidth = (int)((float)nWidth * fScale);
    if (nWidth > nHeight) {
        box.nOffset = 0;
        box.nBoxWidth = box.nScaledWidth + 13;
    } else {
        box.nOffset = 70 - box.nScaledWidth / 2;
        box.nBoxWidth = box.nScaledWidth + 2 * box.nOffset + 10;
    }
    box.nBoxHeight = 105;
    return box;
}

std::shared_ptr<S_PAGE_THUMB> RenderPageThumbnail(IStream* pStream)
{
    if (!pStream)
        return nullptr;
    EnsureGdiplus();
    LARGE_INTEGER zero = {};
    pStream->Seek(zero, STREAM_SEEK_SET, nullptr);
    std::unique_ptr<Gdiplus::Image> image(Gdiplus::Image::FromStream(pStream));
    if (!image || image->GetLastStatus() != Gdiplus::Ok || image->GetWidth() == 0 || image->GetHeight() == 0)
        return nullptr;
    auto thumb = std::make_shared<S_PAGE_THUMB>();
    thumb->nImageWidth = (int)image->GetWidth();
    thumb->nImageHeight = (int)image->GetHeight();
    thumb->box = ComputeThumbnailBox(thumb->nImageWidth, thumb->nImageHeight);
    const int cx = thumb->Width() > 0 ? thumb->Width() : 1;
    const int cy = thumb->Height();
    Gdiplus::Bitmap surface(cx, cy, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics graphics(&surface);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
        graphics.Clear(Gdiplus::Color(255, 0, 0, 0));
        graphics.DrawImage(image.get(), Gdiplus::Rect(0, 0, cx, cy));
    }
    HBITMAP hBitmap = nullptr;
    if (surface.GetHBITMAP(Gdiplus::Color(255, 0, 0, 0), &hBitmap) != Gdiplus::Ok || !hBitmap)
        return nullptr;
    thumb->bitmap.Attach(hBitmap);
    return thumb;
}

std::shared_ptr<S_PAGE_THUMB> RenderPageThumbnail(const BYTE* pData, size_t nSize)
{
    if (!pData || nSize == 0 || nSize > 0x7FFFFFFF)
        return nullptr;
    IStream* pStream = ::SHCreateMemStream(pData, (UINT)nSize);
    if (!pStream)
        return nullptr;
    std::shared_ptr<S_PAGE_THUMB> thumb = RenderPageThumbnail(pStream);
    pStream->Release();
    return thumb;
}
