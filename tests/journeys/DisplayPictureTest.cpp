// The judge of the display pictures: reading the X server's frame buffer file and telling a window
// that the display does not show as the program paints it.
#include <gtest/gtest.h>

#include "tests/journeys/DisplayPicture.h"

namespace {

using journey::Picture;

void PutBigEndian(std::string& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = char((v >> (24 - 8 * i)) & 0xFF);
}

// An XWD file as Xvfb keeps its frame buffer: a 100-byte header, the window's name, a colour map,
// then 32-bit pixels in the byte order the header gives.
std::string Xwd(int cx, int cy, const std::vector<uint32_t>& rgb, uint32_t byteOrder, int nColours = 2)
{
    const uint32_t header = 112, line = uint32_t(cx) * 4 + 8;  // rows padded past the pixels
    std::string b(header + size_t(nColours) * 12 + size_t(line) * size_t(cy), '\0');
    const uint32_t fields[25] = {header, 7, 2, 24, uint32_t(cx), uint32_t(cy), 0, byteOrder, 32, byteOrder, 32, 32, line,
                                 4, 0xFF0000, 0xFF00, 0xFF, 8, uint32_t(nColours), uint32_t(nColours), uint32_t(cx),
                                 uint32_t(cy), 0, 0, 0};
    for (int i = 0; i < 25; ++i) PutBigEndian(b, size_t(i) * 4, fields[i]);
    const size_t data = header + size_t(nColours) * 12;
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            const uint32_t v = rgb[size_t(y) * size_t(cx) + size_t(x)];
            char* p = &b[data + size_t(y) * line + size_t(x) * 4];
            const unsigned char r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, bl = v & 0xFF;
            if (byteOrder == 0) { p[0] = char(bl); p[1] = char(g); p[2] = char(r); }
            else { p[1] = char(r); p[2] = char(g); p[3] = char(bl); }
        }
    }
    return b;
}

TEST(DisplayPicture, ReadsTheFrameBufferInEitherByteOrder)
{
    const std::vector<uint32_t> rgb = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000001};
    for (uint32_t order : {0u, 1u}) {
        Picture p;
        ASSERT_TRUE(journey::ParseXwd(Xwd(3, 2, rgb, order), p)) << "byte order " << order;
        EXPECT_EQ(p.cx, 3);
        EXPECT_EQ(p.cy, 2);
        EXPECT_EQ(p.pixels, rgb) << "byte order " << order;
    }
}

TEST(DisplayPicture, RefusesWhatIsNotAFrameBufferPicture)
{
    const std::string good = Xwd(2, 2, {1, 2, 3, 4}, 0);
    struct Case { const char* what; std::string bytes; };
    std::string cutShort = good.substr(0, good.size() - 3);
    std::string wrongVersion = good;
    PutBigEndian(wrongVersion, 4, 6);
    std::string sixteenBits = good;
    PutBigEndian(sixteenBits, 44, 16);
    std::string huge = good;
    PutBigEndian(huge, 16, 0x7FFFFFFF);
    const Case cases[] = {{"empty", std::string()}, {"cut short", cutShort}, {"old version", wrongVersion},
                          {"16 bits a pixel", sixteenBits}, {"larger than its bytes", huge}};
    for (const Case& c : cases) {
        Picture p;
        EXPECT_FALSE(journey::ParseXwd(c.bytes, p)) << c.what;
    }
}

// A 40x20 picture: a frame of one colour, a row of "text" of another, grey shades as anti-aliasing.
Picture Painted()
{
    Picture p;
    p.cx = 40;
    p.cy = 20;
    p.pixels.assign(800, 0xFFFFFF);
    for (int x = 0; x < 40; ++x) p.pixels[size_t(x)] = p.pixels[size_t(19 * 40 + x)] = 0x0090C0;
    for (int x = 5; x < 30; ++x) p.pixels[size_t(10 * 40 + x)] = x % 3 ? 0x202020 : 0x808080;
    return p;
}

Picture Filled(uint32_t v)
{
    Picture p;
    p.cx = 40;
    p.cy = 20;
    p.pixels.assign(800, v);
    return p;
}

TEST(DisplayPicture, AWindowIsJudgedByItsDisplayPicture)
{
    const RECT window{0, 0, 40, 20};
    Picture twoColours = Filled(0);
    for (int x = 0; x < 40; ++x) twoColours.pixels[size_t(x)] = 0xFFFFFF;
    Picture smudged = Painted();
    for (int i = 0; i < 40; ++i) smudged.pixels[size_t(200 + i)] = 0xFF00FF;  // 5% of the window
    Picture slightlyOff = Painted();
    for (uint32_t& v : slightlyOff.pixels) v ^= 0x000404;                       // within the tolerance
    struct Case { const char* what; Picture display; bool ok; };
    const Case cases[] = {
        {"as painted", Painted(), true},
        {"colours a little off", slightlyOff, true},
        {"a black block", Filled(0), false},
        {"two colours only", twoColours, false},
        {"a twentieth differs", smudged, false},
    };
    for (const Case& c : cases) {
        const journey::WindowVerdict v = journey::JudgeWindow(c.display, Painted(), window);
        EXPECT_EQ(v.bOk, c.ok) << c.what << ": " << v.why;
        EXPECT_EQ(v.why.empty(), c.ok) << c.what;
    }
}

TEST(DisplayPicture, ThePointerAndTheRestOfTheScreenDoNotCount)
{
    Picture display = Painted();
    for (int y = 2; y < 12; ++y)
        for (int x = 20; x < 30; ++x) display.pixels[size_t(y * 40 + x)] = 0xFF00FF;  // 12% under the pointer
    EXPECT_FALSE(journey::JudgeWindow(display, Painted(), RECT{0, 0, 40, 20}).bOk);
    EXPECT_TRUE(journey::JudgeWindow(display, Painted(), RECT{0, 0, 40, 20}, RECT{18, 0, 34, 14}).bOk);
    // A window of which only a part is on the screen is judged by that part; one wholly off it not.
    EXPECT_TRUE(journey::JudgeWindow(Painted(), Painted(), RECT{-20, -5, 60, 30}).bOk);
    EXPECT_TRUE(journey::JudgeWindow(Filled(0), Filled(0), RECT{100, 100, 140, 120}).bOk);
}

}  // namespace

namespace {

LRESULT CALLBACK PaintedProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_ERASEBKGND) {
        RECT rc;
        ::GetClientRect(h, &rc);
        HBRUSH frame = ::CreateSolidBrush(RGB(0, 144, 192));
        ::FillRect(reinterpret_cast<HDC>(w), &rc, frame);
        ::DeleteObject(frame);
        ::InflateRect(&rc, -6, -6);
        ::FillRect(reinterpret_cast<HDC>(w), &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::TextOutW(reinterpret_cast<HDC>(w), 10, 10, L"Yes / No", 8);
        return 1;
    }
    return ::DefWindowProcW(h, m, w, l);
}

void Pump(DWORD ms)
{
    const DWORD end = ::GetTickCount() + ms;
    MSG msg;
    while (::GetTickCount() < end) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::Sleep(20);
    }
}

// Pop-ups wholly inside another window of the program (a question over the main window, a menu, a
// palette) are on the display as painted; xwd once showed them as black blocks.
TEST(DisplayPicture, PopUpsInsideTheirOwnerShowOnTheDisplayAsPainted)
{
    if (!journey::HasDisplayPicture()) GTEST_SKIP() << "no frame buffer of the display (ZEL_FRAMEBUFFER)";
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PaintedProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DisplayPictureTestWnd";
    ::RegisterClassW(&wc);
    HWND owner = ::CreateWindowExW(0, wc.lpszClassName, L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 500, 300, nullptr,
                                   nullptr, wc.hInstance, nullptr);
    HWND plain = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 140, 140, 140, 80, owner, nullptr,
                                   wc.hInstance, nullptr);
    HWND layered = ::CreateWindowExW(WS_EX_LAYERED, wc.lpszClassName, L"", WS_POPUP, 320, 140, 140, 80, owner, nullptr,
                                     wc.hInstance, nullptr);
    ::SetLayeredWindowAttributes(layered, RGB(255, 0, 255), 255, LWA_COLORKEY | LWA_ALPHA);
    ::SetWindowRgn(layered, ::CreateRoundRectRgn(0, 0, 141, 81, 11, 11), TRUE);
    ::ShowWindow(layered, SW_SHOWNA);
    Pump(800);
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::string faults = journey::ShootAndJudge(::GetCurrentProcessId(), temp, L"display_picture_test");
    EXPECT_EQ(faults, "");
    ::DestroyWindow(owner);
}

}  // namespace
