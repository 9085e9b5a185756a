#pragma once
// A picture of a window's client area: a bitmap compatible with the window's screen, of the
// client's size, selected into a memory DC while the object lives. The tests save it; the
// benchmarks time copies to and from it (the floor of anything that only puts pixels on the
// screen).
#include <windows.h>

namespace zeltest {

class WindowPicture {
public:
    explicit WindowPicture(HWND hwnd) : m_hWnd(hwnd)
    {
        ::GetClientRect(hwnd, &m_rc);
        m_hWindowDc = ::GetDC(hwnd);
        m_hDc = ::CreateCompatibleDC(m_hWindowDc);
        m_hBitmap = ::CreateCompatibleBitmap(m_hWindowDc, Width(), Height());
        m_hOld = ::SelectObject(m_hDc, m_hBitmap);
    }
    ~WindowPicture()
    {
        Deselect();
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDc);
        ::ReleaseDC(m_hWnd, m_hWindowDc);
    }
    WindowPicture(const WindowPicture&) = delete;
    WindowPicture& operator=(const WindowPicture&) = delete;

    int Width() const { return m_rc.right; }
    int Height() const { return m_rc.bottom; }
    HDC WindowDc() const { return m_hWindowDc; }
    HDC Dc() const { return m_hDc; }
    // The window's pixels into the picture, and back.
    void CopyFromWindow() { ::BitBlt(m_hDc, 0, 0, Width(), Height(), m_hWindowDc, 0, 0, SRCCOPY); }
    void CopyToWindow() { ::BitBlt(m_hWindowDc, 0, 0, Width(), Height(), m_hDc, 0, 0, SRCCOPY); }
    // The bitmap, out of its DC (a bitmap handed to GDI+ must not be selected anywhere).
    HBITMAP Bitmap()
    {
        Deselect();
        return m_hBitmap;
    }

private:
    void Deselect()
    {
        if (m_hOld) {
            ::SelectObject(m_hDc, m_hOld);
            m_hOld = nullptr;
        }
    }

    HWND m_hWnd;
    RECT m_rc = {};
    HDC m_hWindowDc = nullptr;
    HDC m_hDc = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

}  // namespace zeltest
