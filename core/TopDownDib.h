#pragma once
#include <windows.h>

// A 32-bit top-down device-independent bitmap: row 0 is the top row, so its bits can be read and
// written in the order the screen shows them. Every memory canvas and picture reader uses this one
// description, so they agree on the byte layout.
inline BITMAPINFO TopDownDibInfo(int cx, int cy)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A new top-down 32-bit section of cx by cy pixels; *bits receives its pixels (null on failure).
inline HBITMAP CreateTopDownDib(HDC hdc, int cx, int cy, void** bits)
{
    const BITMAPINFO info = TopDownDibInfo(cx, cy);
    *bits = nullptr;
    return ::CreateDIBSection(hdc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}
