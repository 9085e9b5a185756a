#pragma once
// String-table ids of the whiteboard tools and the loaders they share.
#include <windows.h>

#include "platform/Bitmap.h"
#include "platform/CString.h"
#include "platform/DC.h"

#include "resources/resource.h"

inline CString LoadResourceString(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// Copies a bitmap of the language library to the DC (nothing when it is missing).
inline void BlitResourceBitmap(CDC& dc, UINT id, int x, int y, int cx, int cy)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(id))
        return;
    HDC mem = ::CreateCompatibleDC(dc.GetSafeHdc());
    HGDIOBJ prev = ::SelectObject(mem, (HBITMAP)bitmap);
    ::BitBlt(dc.GetSafeHdc(), x, y, cx, cy, mem, 0, 0, SRCCOPY);
    ::SelectObject(mem, prev);
    ::DeleteDC(mem);
}
