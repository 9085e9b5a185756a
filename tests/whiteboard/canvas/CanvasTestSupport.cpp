#include "tests/whiteboard/canvas/CanvasTestSupport.h"

#include "tests/support/TestSupport.h"
#include "tests/support/WindowPicture.h"
#include "ui/skin/ImageSave.h"

namespace canvastest {

std::string MakePagePng(int w, int h)
{
    Gdiplus::Bitmap bitmap(w, h, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&bitmap);
        g.Clear(Gdiplus::Color(255, 250, 250, 250));
        Gdiplus::Pen grid(Gdiplus::Color(255, 200, 200, 210), 1.0f);
        for (int x = 0; x < w; x += 100)
            g.DrawLine(&grid, x, 0, x, h);
        for (int y = 0; y < h; y += 100)
            g.DrawLine(&grid, 0, y, w, y);
    }
    IStream* stream = nullptr;
    ::CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    CLSID clsid;
    GetEncoderClsid(L"image/png", &clsid);
    bitmap.Save(stream, &clsid, nullptr);
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    std::string bytes((size_t)stat.cbSize.QuadPart, '\0');
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(&bytes[0], (ULONG)bytes.size(), &read);
    stream->Release();
    return bytes;
}

std::shared_ptr<CMMPage> MakePage(int number, int w, int h)
{
    auto page = std::make_shared<CMMPage>(number);
    const std::string png = MakePagePng(w, h);
    page->SetImage(reinterpret_cast<const BYTE*>(png.data()), png.size());
    return page;
}

void FakeBoard::SendDrawing(const S_BOARD_CONTENT& content)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_sent.push_back(content);
}

std::vector<S_BOARD_CONTENT> FakeBoard::Sent()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_sent;
}

size_t FakeBoard::SentCount()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_sent.size();
}

BOOL HostWindow::Open(int w, int h)
{
    RECT rc = {0, 0, w, h};
    ::AdjustWindowRectEx(&rc, WS_POPUP | WS_VISIBLE, FALSE, 0);
    return CreateEx(0, nullptr, L"canvas host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, rc.right - rc.left,
                    rc.bottom - rc.top, nullptr, nullptr);
}

void Down(HWND hwnd, int x, int y) { ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
void Move(HWND hwnd, int x, int y) { ::SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
void Up(HWND hwnd, int x, int y) { ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

void Drag(HWND hwnd, const std::vector<POINT>& path)
{
    Down(hwnd, path.front().x, path.front().y);
    for (size_t i = 1; i < path.size(); ++i)
        Move(hwnd, path[i].x, path[i].y);
    Up(hwnd, path.back().x, path.back().y);
}

COLORREF ScreenPixel(HWND hwnd, int x, int y)
{
    ::UpdateWindow(hwnd);
    HDC dc = ::GetDC(hwnd);
    const COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(hwnd, dc);
    return c;
}

bool SaveScreenshot(HWND hwnd, const std::wstring& name)
{
    ::UpdateWindow(hwnd);
    zeltest::WindowPicture picture(hwnd);
    picture.CopyFromWindow();
    const std::wstring folder = zeltest::BinaryDir() + L"\\screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    CLSID clsid;
    if (GetEncoderClsid(L"image/png", &clsid) < 0)
        return false;
    Gdiplus::Bitmap image(picture.Bitmap(), nullptr);
    return image.Save((folder + L"\\" + name + L".png").c_str(), &clsid, nullptr) == Gdiplus::Ok;
}

}  // namespace canvastest
