#pragma once
// Saving an image scaled, in the format its file name's extension asks for.
#include <windows.h>

#include "platform/CString.h"

namespace Gdiplus {
class Image;
}

// Fits the image inside the maximum size keeping its proportions; true when saved. pSize, when
// given, gets the new size whether or not saving worked.
bool SaveImageFit(Gdiplus::Image* pImage, int nMaxWidth, int nMaxHeight, const CString& strPath,
                  const CString& strExt, SIZE* pSize);
// Scales the image to the height (when it is at least as high as wide) or the width.
bool SaveImageScaled(Gdiplus::Image* pImage, int nWidth, int nHeight, const CString& strPath,
                     const CString& strExt, SIZE* pSize);
// "bmp", "jpg", "png", ... (any case) to their MIME type; "image/bmp" for anything else.
CString GetMimeTypeFromExt(const CString& strExt);
// The index of the encoder of that MIME type (exact match) and its class id; -1 when none.
int GetEncoderClsid(const CString& strMimeType, CLSID* pClsid);
// The sizes SaveImageFit and SaveImageScaled give.
SIZE FitImageSize(int nWidth, int nHeight, int nMaxWidth, int nMaxHeight);
SIZE ScaleImageSize(int nWidth, int nHeight, int nTargetWidth, int nTargetHeight);
