#pragma once
// The floor of anything that only has to put a window's pixels on the screen: the whole client
// area copied from a picture of it.
#include <windows.h>

#include "tests/support/WindowPicture.h"

namespace benchblit {

// Milliseconds one copy of the window's client area from a memory picture took.
inline double BlitWindowMs(HWND hwnd)
{
    LARGE_INTEGER f, t0, t1;
    ::QueryPerformanceFrequency(&f);
    zeltest::WindowPicture picture(hwnd);
    picture.CopyFromWindow();
    ::QueryPerformanceCounter(&t0);
    picture.CopyToWindow();
    ::GdiFlush();
    ::QueryPerformanceCounter(&t1);
    return (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / (double)f.QuadPart;
}

}  // namespace benchblit
