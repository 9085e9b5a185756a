#include "ui/skin/ImageSave.h"

#include <vector>

#include "ui/skin/GdiPlus.h"

SIZE FitImageSize(int nWidth, int nHeight, int nMaxWidth, int nMaxHeight)
{
    const double ratio = nHeight ? double(nWidth) / double(nHeight) : 1.0;
    SIZE s = {nWidth, nHeight};
    if (nMaxWidth < s.cx) {
        s.cx = nMaxWidth;
        s.cy = LONG(double(nMaxWidth) / ratio);
    }
    if (nMaxHeight < s.cy) {
        s.cy = nMaxHeight;
        s.cx = LONG(double(nMaxHeight) * ratio);
    }
    return s;
}

SIZE ScaleImageSize(int nWidth, int nHeight, int nTargetWidth, int nTargetHeight)
{
    const double ratio = nHeight ? double(nWidth) / double(nHeight) : 1.0;
    SIZE s;
    if (nHeight >= nWidth) {
        s.cy = nTargetHeight;
        s.cx = LONG(double(nTargetHeight) * ratio);
    } else {
        s.cx = nTargetWidth;
        s.cy = LONG(double(nTargetWidth) / ratio);
    }
    return s;
}

CString GetMimeTypeFromExt(const CString& strExt)
{
    CString ext = strExt;
    ext.MakeLower();
    if (ext == L"jpeg" || ext == L"jpg" || ext == L"jpe" || ext == L"jfif")
        return L"image/jpeg";
    if (ext == L"gif")
        return L"image/gif";
    if (ext == L"tiff" || ext == L"tif")
        return L"image/tiff";
    if (ext == L"png")
        return L"image/png";
    return L"image/bmp";
}

int GetEncoderClsid(const CString& strMimeType, CLSID* pClsid)
{
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (size == 0)
        return -1;
    std::vector<BYTE> buffer;
    try {
        buffer.resize(size);
    } catch (...) {
        return -1;
    }
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok)
        return -1;
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, strMimeType.GetString()) == 0) {
            if (pClsid)
                *pClsid = codecs[i].Clsid;
            return int(i);
        }
    }
    return -1;
}

namespace {

bool SaveAtSize(Gdiplus::Image* pImage, SIZE size, const CString& strPath, const CString& strExt)
{
    if (!pImage || size.cx <= 0 || size.cy <= 0)
        return false;
    Gdiplus::Bitmap bitmap(size.cx, size.cy, pImage->GetPixelFormat());
    {
        Gdiplus::Graphics graphics(&bitmap);
        graphics.DrawImage(pImage, 0, 0, size.cx, size.cy);
    }
    CLSID clsid;
    if (GetEncoderClsid(GetMimeTypeFromExt(strExt), &clsid) < 0)
        return false;
    return bitmap.Save(strPath.GetString(), &clsid, nullptr) == Gdiplus::Ok;
}

} // namespace

bool SaveImageFit(Gdiplus::Image* pImage, int nMaxWidth, int nMaxHeight, const CString& strPath,
                  const CString& strExt, SIZE* pSize)
{
    if (!pImage)
        return false;
    const SIZE size = FitImageSize(int(pImage->GetWidth()), int(pImage->GetHeight()), nMaxWidth, nMaxHeight);
    if (pSize)
        *pSize = size;
    return SaveAtSize(pImage, size, strPath, strExt);
}

bool SaveImageScaled(Gdiplus::Image* pImage, int nWidth, int nHeight, const CString& strPath,
                     const CString& strExt, SIZE* pSize)
{
    if (!pImage)
        return false;
    const SIZE size = ScaleImageSize(int(pImage->GetWidth()), int(pImage->GetHeight()), nWidth, nHeight);
    if (pSize)
        *pSize = size;
    return SaveAtSize(pImage, size, strPath, strExt);
}
