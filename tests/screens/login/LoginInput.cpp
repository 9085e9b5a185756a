#include "tests/screens/login/LoginInput.h"

#include <gdiplus.h>

#include "platform/ResourceHandle.h"
#include "platform/WinThread.h"
#include "tests/support/TestSupport.h"
#include "ui/skin/ImageSave.h"

namespace logintest {

ResourceLibrary::ResourceLibrary(const wchar_t* fileName) : m_previous(AfxGetResourceHandle())
{
    const std::wstring path = zeltest::BinaryDir() + L"\\bin\\" + fileName;
    m_module = ::LoadLibraryW(path.c_str());
    if (m_module) AfxSetResourceHandle(m_module);
}

ResourceLibrary::~ResourceLibrary()
{
    AfxSetResourceHandle(m_previous);
    if (m_module) ::FreeLibrary(m_module);
}

bool Drive(const std::function<bool()>& pred, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage((int)msg.wParam);
                return pred();
            }
            if (!AfxPreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        if (pred()) return true;
        if (::GetTickCount() - start >= ms) return pred();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void DriveFor(DWORD ms)
{
    Drive([] { return false; }, ms);
}

void PressKey(HWND hWnd, UINT vk)
{
    ::PostMessageW(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessageW(hWnd, WM_KEYUP, vk, 0xC0000001);
    DriveFor(30);
}

void Type(HWND hWnd, const wchar_t* text)
{
    // The characters as the system's translation of the key presses delivers them.
    for (; *text; ++text) {
        ::PostMessageW(hWnd, WM_CHAR, *text, 1);
        DriveFor(5);
    }
    DriveFor(30);
}

void Click(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    const LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    ::PostMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(hWnd, WM_LBUTTONUP, 0, at);
    DriveFor(30);
}

void RightClick(HWND hWnd)
{
    // The press alone: the window takes it for its gesture, and a release on an edit box would
    // open the box's own context menu.
    ::PostMessageW(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    DriveFor(10);
}

CString TextOf(HWND hWnd)
{
    wchar_t buffer[512] = {};
    ::GetWindowTextW(hWnd, buffer, 512);
    return buffer;
}

bool SaveScreenshot(HWND hWnd, const wchar_t* name)
{
    DriveFor(300);
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::BitBlt(mem, 0, 0, cx, cy, screen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);

    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    bool saved = false;
    {
        Gdiplus::Bitmap image(bmp, nullptr);
        CLSID png;
        const std::wstring folder = zeltest::BinaryDir() + L"\\screenshots";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        const std::wstring path = folder + L"\\" + name + L".png";
        if (GetEncoderClsid(L"image/png", &png) >= 0)
            saved = image.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    ::DeleteObject(bmp);
    return saved;
}

}  // namespace logintest
