#include "WhiteboardTestSupport.h"

#include <gtest/gtest.h>

#include "platform/Convert.h"

#include <cstring>
#include "core/TopDownDib.h"

namespace {

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&m_token, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(m_token); }
private:
    ULONG_PTR m_token = 0;
};

::testing::Environment* const g_gdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace

namespace wbtest {

LogCapture::LogCapture()
{
    m_previous = CWhiteboardLog::SetSink([this](int, const std::wstring& line) { m_lines.push_back(line); });
}

LogCapture::~LogCapture()
{
    CWhiteboardLog::SetSink(m_previous);
}

bool LogCapture::Contains(const std::wstring& part) const
{
    for (const std::wstring& line : m_lines)
        if (line.find(part) != std::wstring::npos)
            return true;
    return false;
}

MemoryCanvas::MemoryCanvas(int width, int height) : m_width(width), m_height(height)
{
    void* bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateTopDownDib(m_dc, width, height, &bits);
    m_bits = static_cast<const DWORD*>(bits);
    m_old = SelectObject(m_dc, m_bitmap);
    RECT all = {0, 0, width, height};
    FillRect(m_dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
}

MemoryCanvas::~MemoryCanvas()
{
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

COLORREF MemoryCanvas::Pixel(int x, int y) const
{
    GdiFlush();
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return RGB(255, 255, 255);
    const DWORD v = m_bits[y * m_width + x];  // 0x00RRGGBB
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

bool MemoryCanvas::InkNear(int x, int y, int radius) const
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (Pixel(x + dx, y + dy) != RGB(255, 255, 255))
                return true;
    return false;
}

std::shared_ptr<CMMFigure> MakeFigure(int type, std::vector<Gdiplus::PointF> points, int color, int width,
                                      float opacity, const wchar_t* lineId)
{
    auto figure = std::make_shared<CMMFigure>(points.at(0), points.at(1), color, width, type, opacity, CString(lineId));
    for (size_t i = 2; i < points.size(); ++i)
        figure->AddPoint(points[i]);
    return figure;
}

FloatPoints Points(const CMMFigure& figure)
{
    FloatPoints out;
    for (const Gdiplus::PointF& p : figure.GetPoints())
        out.emplace_back(p.X, p.Y);
    return out;
}

std::string Narrow(const CString& text)
{
    return WideToUtf8(text);
}

std::vector<BYTE> BmpBytes(int width, int height, COLORREF colour)
{
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + stride * height;
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<BYTE> bytes(file.bfSize, 0);
    memcpy(bytes.data(), &file, sizeof(file));
    memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    for (int y = 0; y < height; ++y) {
        BYTE* row = bytes.data() + file.bfOffBits + (size_t)y * stride;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = GetBValue(colour);
            row[3 * x + 1] = GetGValue(colour);
            row[3 * x + 2] = GetRValue(colour);
        }
    }
    return bytes;
}

}  // namespace wbtest
