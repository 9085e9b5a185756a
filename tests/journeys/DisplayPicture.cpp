#include "tests/journeys/DisplayPicture.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tests/support/TestSupport.h"
#include "core/TopDownDib.h"

namespace journey {

namespace {

uint32_t BigEndian32(const std::string& b, size_t at)
{
    return (uint32_t(uint8_t(b[at])) << 24) | (uint32_t(uint8_t(b[at + 1])) << 16) |
           (uint32_t(uint8_t(b[at + 2])) << 8) | uint32_t(uint8_t(b[at + 3]));
}

// The frame buffer's file, as a path of this Wine process (the Unix root is drive Z:).
std::wstring FramebufferPath()
{
    wchar_t value[1024] = {};
    const DWORD n = ::GetEnvironmentVariableW(L"ZEL_FRAMEBUFFER", value, 1024);
    if (n == 0 || n >= 1024 || value[0] != L'/') return std::wstring();
    std::wstring path = L"Z:";
    for (const wchar_t* p = value; *p; ++p) path += *p == L'/' ? L'\\' : *p;
    return path;
}

bool SameColour(uint32_t a, uint32_t b, int nTolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > nTolerance) return false;
    }
    return true;
}

struct ProcessWindows {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectShown(HWND hWnd, LPARAM lParam)
{
    auto* p = reinterpret_cast<ProcessWindows*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    RECT rc;
    if (pid == p->pid && ::IsWindowVisible(hWnd) && ::GetWindowRect(hWnd, &rc) && rc.right - rc.left >= 8 &&
        rc.bottom - rc.top >= 8)
        p->found.push_back(hWnd);
    return TRUE;
}

std::string WindowName(HWND hWnd)
{
    wchar_t cls[128] = {}, text[128] = {};
    ::GetClassNameW(hWnd, cls, 128);
    ::GetWindowTextW(hWnd, text, 128);
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    char where[96];
    std::snprintf(where, sizeof where, " %ldx%ld at %ld,%ld", rc.right - rc.left, rc.bottom - rc.top, rc.left, rc.top);
    return zeltest::Narrow(cls) + " \"" + zeltest::Narrow(text) + "\"" + where;
}

// What lies over the middle of a window whose picture is wrong: another top-level window there
// (a pop-up that its owner covered) reads differently from one that paints nothing.
std::string CoveredBy(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    const POINT middle{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    HWND top = ::GetAncestor(::WindowFromPoint(middle), GA_ROOT);
    if (!top || top == hWnd) return std::string();
    return ", covered by " + WindowName(top);
}

}  // namespace

Picture Picture::Crop(const RECT& rc) const
{
    Picture out;
    const int left = std::max(0, int(rc.left)), top = std::max(0, int(rc.top));
    const int right = std::min(cx, int(rc.right)), bottom = std::min(cy, int(rc.bottom));
    if (right <= left || bottom <= top) return out;
    out.cx = right - left;
    out.cy = bottom - top;
    out.pixels.reserve(size_t(out.cx) * size_t(out.cy));
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) out.pixels.push_back(At(x, y));
    return out;
}

bool ParseXwd(const std::string& b, Picture& out)
{
    if (b.size() < 100) return false;
    const uint32_t headerSize = BigEndian32(b, 0), version = BigEndian32(b, 4), format = BigEndian32(b, 8);
    const uint32_t width = BigEndian32(b, 16), height = BigEndian32(b, 20), byteOrder = BigEndian32(b, 28);
    const uint32_t bitsPerPixel = BigEndian32(b, 44), bytesPerLine = BigEndian32(b, 48);
    const uint32_t redMask = BigEndian32(b, 56), greenMask = BigEndian32(b, 60), blueMask = BigEndian32(b, 64);
    const uint32_t nColours = BigEndian32(b, 76);
    // Only what an Xvfb of 24 bits keeps: ZPixmap, 32 bits a pixel, 8 bits a channel.
    if (version != 7 || format != 2 || bitsPerPixel != 32 || width == 0 || height == 0 || width > 16384 ||
        height > 16384 || bytesPerLine < width * 4 || redMask != 0xFF0000 || greenMask != 0xFF00 || blueMask != 0xFF)
        return false;
    const size_t data = size_t(headerSize) + size_t(nColours) * 12;
    if (headerSize < 100 || data + size_t(bytesPerLine) * height > b.size()) return false;
    out.cx = int(width);
    out.cy = int(height);
    out.pixels.resize(size_t(width) * height);
    for (uint32_t y = 0; y < height; ++y) {
        const unsigned char* row = reinterpret_cast<const unsigned char*>(b.data()) + data + size_t(y) * bytesPerLine;
        for (uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = row + size_t(x) * 4;
            out.pixels[size_t(y) * width + x] =
                byteOrder == 0 ? (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0]
                               : (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
        }
    }
    return true;
}

bool HasDisplayPicture()
{
    const std::wstring path = FramebufferPath();
    return !path.empty() && ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadDisplayPicture(Picture& out)
{
    const std::wstring path = FramebufferPath();
    std::string bytes;
    return !path.empty() && zeltest::ReadFileBytes(path, bytes) && ParseXwd(bytes, out);
}

bool ReadProcessPicture(Picture& out, const RECT* pArea)
{
    const RECT whole{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    const RECT rc = pArea ? *pArea : whole;
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0) return false;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP dib = CreateTopDownDib(screen, cx, cy, &bits);
    bool ok = false;
    if (dib && bits) {
        HGDIOBJ old = ::SelectObject(mem, dib);
        ok = ::BitBlt(mem, 0, 0, cx, cy, screen, rc.left, rc.top, SRCCOPY) != FALSE;
        ::SelectObject(mem, old);
        if (ok) {
            const uint32_t* p = static_cast<const uint32_t*>(bits);
            out.cx = cx;
            out.cy = cy;
            out.pixels.assign(p, p + size_t(cx) * size_t(cy));
            for (uint32_t& v : out.pixels) v &= 0xFFFFFF;
        }
    }
    if (dib) ::DeleteObject(dib);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    return ok;
}

bool SavePicturePng(const Picture& picture, const std::wstring& path)
{
    if (picture.cx <= 0 || picture.cy <= 0) return false;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
    bool saved = false;
    {
        std::vector<uint32_t> opaque(picture.pixels);
        for (uint32_t& v : opaque) v |= 0xFF000000u;
        Gdiplus::Bitmap bitmap(picture.cx, picture.cy, picture.cx * 4, PixelFormat32bppARGB,
                               reinterpret_cast<BYTE*>(opaque.data()));
        const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        saved = bitmap.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

WindowVerdict JudgeWindow(const Picture& display, const Picture& process, const RECT& rcWindow,
                          const RECT& rcPointer, double fMaxDiffering, int nTolerance)
{
    WindowVerdict verdict;
    const Picture a = display.Crop(rcWindow), b = process.Crop(rcWindow);
    if (a.pixels.empty()) return verdict;  // off the screen: nothing shown
    std::vector<uint32_t> colours;
    for (uint32_t v : a.pixels) {
        if (std::find(colours.begin(), colours.end(), v) == colours.end()) {
            colours.push_back(v);
            if (colours.size() > 2) break;
        }
    }
    verdict.nColours = int(colours.size());
    if (b.cx == a.cx && b.cy == a.cy) {
        const int left = std::max(0, int(rcWindow.left)), top = std::max(0, int(rcWindow.top));
        size_t differing = 0;
        for (int y = 0; y < a.cy; ++y) {
            for (int x = 0; x < a.cx; ++x) {
                const POINT pt{left + x, top + y};
                const size_t i = size_t(y) * size_t(a.cx) + size_t(x);
                if (!SameColour(a.pixels[i], b.pixels[i], nTolerance) && !::PtInRect(&rcPointer, pt)) ++differing;
            }
        }
        verdict.fDiffering = double(differing) / double(a.pixels.size());
    } else {
        verdict.fDiffering = 1.0;
    }
    char why[160] = {};
    if (verdict.nColours <= 2) {
        std::snprintf(why, sizeof why, "a block of %d colour%s on the display", verdict.nColours,
                      verdict.nColours == 1 ? "" : "s");
    } else if (verdict.fDiffering > fMaxDiffering) {
        std::snprintf(why, sizeof why, "%.1f%% of its pixels differ between the display and the program's picture",
                      verdict.fDiffering * 100.0);
    }
    verdict.why = why;
    verdict.bOk = verdict.why.empty();
    return verdict;
}

std::string ShootAndJudge(DWORD pid, const std::wstring& folder, const std::wstring& name)
{
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring base = folder + L"\\" + name;
    Picture process, display;
    if (!HasDisplayPicture()) {
        if (ReadProcessPicture(process)) SavePicturePng(process, base + L".png");
        return std::string();
    }
    std::string failures;
    // Wine hands a window's new pixels to the X server a moment after painting them: a picture
    // caught in between differs, so a few tries are taken before a difference counts.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt) ::Sleep(300);
        ProcessWindows shown{pid, {}};
        ::EnumWindows(CollectShown, reinterpret_cast<LPARAM>(&shown));
        if (!ReadProcessPicture(process)) return "no in-process picture of the screen";
        ::Sleep(100);
        if (!ReadDisplayPicture(display)) return "no picture of the display";
        failures.clear();
        POINT pointer{-100, -100};
        ::GetCursorPos(&pointer);
        const RECT rcPointer{pointer.x - 24, pointer.y - 24, pointer.x + 40, pointer.y + 40};
        for (HWND h : shown.found) {
            RECT rc;
            if (!::GetWindowRect(h, &rc)) continue;
            const WindowVerdict v = JudgeWindow(display, process, rc, rcPointer);
            if (!v.bOk) failures += WindowName(h) + ": " + v.why + CoveredBy(h) + "\n";
        }
        if (failures.empty()) break;
    }
    SavePicturePng(process, base + L".png");
    SavePicturePng(display, base + L"_display.png");
    return failures;
}

}  // namespace journey
