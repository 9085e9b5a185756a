// The floor of the start-up benchmark: a program that registers a class, shows one window and
// ends as soon as that window has been painted.
#include <windows.h>

namespace {
LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        ::BeginPaint(hWnd, &ps);
        ::EndPaint(hWnd, &ps);
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = hInstance;
    wc.lpszClassName = L"ZelMinimalWindow";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowW(wc.lpszClassName, L"minimal", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                hInstance, nullptr);
    ::ShowWindow(hWnd, SW_SHOW);
    ::UpdateWindow(hWnd);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&msg);
    return 0;
}
