// A test that fails while a window is shown leaves a picture of the screen in the build
// folder's "screenshots" (named failed-<suite>.<test>.png): the state of a display test is gone
// once the executable ends. The listener joins every test executable that links this library's
// TestSupport (see the reference at the end of TestSupport.cpp).
#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TestSupport.h"

namespace zeltest {

namespace {

// Any window counts, the test's own or one of a program it started: only display tests show
// windows, one test at a time.
BOOL CALLBACK FindShownWindow(HWND hWnd, LPARAM lParam)
{
    RECT rc;
    if (!IsWindowVisible(hWnd) || !GetWindowRect(hWnd, &rc) || rc.right <= rc.left || rc.bottom <= rc.top) return TRUE;
    *reinterpret_cast<bool*>(lParam) = true;
    return FALSE;
}

bool ShowsAWindow()
{
    bool bFound = false;
    EnumWindows(&FindShownWindow, (LPARAM)&bFound);
    return bFound;
}

std::wstring FileSafe(std::string text)
{
    for (char& c : text)
        if (!isalnum((unsigned char)c) && c != '.' && c != '_' && c != '-') c = '_';
    return Widen(text);
}

class ScreenshotOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestPartResult(const ::testing::TestPartResult& result) override
    {
        // Taken at the first failure, while the windows are still as the assertion saw them.
        if (!result.failed() || m_bTaken) return;
        m_bTaken = true;
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        if (!info || !ShowsAWindow() || BinaryDir().empty()) return;
        const std::wstring folder = BinaryDir() + L"\\screenshots";
        CreateDirectoryW(folder.c_str(), nullptr);
        const std::wstring path =
            folder + L"\\failed-" + FileSafe(std::string(info->test_suite_name()) + "." + info->name()) + L".png";
        if (SaveScreenPng(path)) std::fprintf(stderr, "screenshot of the failure: %s\n", Narrow(path).c_str());
    }
    void OnTestStart(const ::testing::TestInfo&) override { m_bTaken = false; }

    bool m_bTaken = false;
};

}  // namespace

bool InstallFailureScreenshots()
{
    static const bool bInstalled = [] {
        ::testing::UnitTest::GetInstance()->listeners().Append(new ScreenshotOnFailure);
        return true;
    }();
    return bInstalled;
}

bool SaveScreenPng(const std::wstring& path, HWND hWnd)
{
    RECT rc{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
    rc.right = rc.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    rc.bottom = rc.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (hWnd && !GetWindowRect(hWnd, &rc)) return false;
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0) return false;
    HDC hScreen = GetDC(nullptr);
    HDC hMem = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = SelectObject(hMem, hBitmap);
    BitBlt(hMem, 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY);
    SelectObject(hMem, hOld);
    bool bSaved = false;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
        {
            // The PNG encoder of GDI+.
            const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
            Gdiplus::Bitmap picture(hBitmap, nullptr);
            bSaved = picture.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
        }
        Gdiplus::GdiplusShutdown(token);
    }
    DeleteObject(hBitmap);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hScreen);
    return bSaved;
}

}  // namespace zeltest
