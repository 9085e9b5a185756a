#pragma once
// A page's thumbnail as the thumbnail and bookmark strips show it: the page picture scaled into
// a box of 150 x 105 pixels. Portrait pages sit centred in the box, landscape pages fill it from
// the left. One rendered thumbnail serves both strips.
#include <windows.h>
#include <objidl.h>

#include <memory>

#include "platform/Bitmap.h"

struct S_THUMB_BOX {
    int nScaledWidth = 0;    // the page's width at the thumbnail scale
    int nOffset = 0;         // left offset of the picture inside its box (0 for landscape pages)
    int nBoxWidth = 150;
    int nBoxHeight = 105;
};

// The box of a page of nWidth x nHeight pixels (both > 0).
S_THUMB_BOX ComputeThumbnailBox(int nWidth, int nHeight);

struct S_PAGE_THUMB {
    S_THUMB_BOX box;
    int nImageWidth = 0;     // the picture's own size
    int nImageHeight = 0;
    CBitmap bitmap;          // (box width - 2 x offset) x (box height - 3): what a row shows
    int Width() const { return box.nBoxWidth - 2 * box.nOffset; }
    int Height() const { return box.nBoxHeight - 3; }
};

// The thumbnail of an encoded picture (PNG, JPEG, BMP...), null when there are no bytes or they
// are no picture.
std::shared_ptr<S_PAGE_THUMB> RenderPageThumbnail(const BYTE* pData, size_t nSize);
std::shared_ptr<S_PAGE_THUMB> RenderPageThumbnail(IStream* pStream);
