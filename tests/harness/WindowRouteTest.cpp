#include <windows.h>
#include <gtest/gtest.h>

namespace {

const COLORREF kPaintColour = RGB(200, 30, 60);

LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(kPaintColour);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(WindowRoute, PaintedPixelsReadBackFromTheScreen)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PaintProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZelHarnessPaint";
    ASSERT_NE(RegisterClassW(&wc), 0);

    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"harness", WS_POPUP | WS_VISIBLE,
                                50, 50, 120, 80, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr) << "no window: is an X display (Xvfb) available?";
    UpdateWindow(hwnd);

    // Let the X server catch up with the paint before reading back.
    COLORREF got = CLR_INVALID;
    for (int i = 0; i < 50 && got != kPaintColour; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        HDC dc = GetDC(hwnd);
        got = GetPixel(dc, 60, 40);
        ReleaseDC(hwnd, dc);
        if (got != kPaintColour) Sleep(20);
    }
    EXPECT_EQ(got, kPaintColour);
    DestroyWindow(hwnd);
}

}  // namespace
