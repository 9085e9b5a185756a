#pragma once
// The floor of anything that only has to put a window's pixels on the screen: the whole client
// area copied from a picture of it.
#include <windows.h>

namespace benchblit {

// Milliseconds one copy of the window's client area from a memory picture took.
inline double BlitWindowMs(HWND hwnd)
{
    LARGE_INTEGER f, t0, t1;
    ::QueryPerformanceFrequency(&f);
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    HDC dc = ::GetDC(hwnd);
    HDC mem = ::CreateCompatibleDC(dc);
    HBITMAP bmp = ::CreateCompatibleBitmap(dc, rc.right, rc.bottom);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::BitBlt(mem, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
    ::QueryPerformanceCounter(&t0);
    ::BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
    ::GdiFlush();
    ::QueryPerformanceCounter(&t1);
    ::SelectObject(mem, old);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    ::ReleaseDC(hwnd, dc);
    return (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / (double)f.QuadPart;
}

}  // namespace benchblit
