#pragma once
// Helpers of the whiteboard tests: GDI+ for the whole run, captured log lines, memory bitmaps with
// pixel probes, and short ways to make figures.
#include <windows.h>
#include <gdiplus.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/WhiteboardLog.h"

namespace wbtest {

// Collects the whiteboard log lines written while it lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    const std::vector<std::wstring>& Lines() const { return m_lines; }
    bool Contains(const std::wstring& part) const;
private:
    std::vector<std::wstring> m_lines;
    CWhiteboardLog::Sink m_previous;
};

// A white 32-bit DIB section selected into a memory DC.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height);
    ~MemoryCanvas();
    HDC Dc() const { return m_dc; }
    COLORREF Pixel(int x, int y) const;
    // Whether any pixel of the square of the given radius around (x, y) is not white.
    bool InkNear(int x, int y, int radius = 1) const;
private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    const DWORD* m_bits = nullptr;
    int m_width, m_height;
};

std::shared_ptr<CMMFigure> MakeFigure(int type, std::vector<Gdiplus::PointF> points, int color = 0x0000FF,
                                      int width = 2, float opacity = 1.0f, const wchar_t* lineId = L"L1");

std::string Narrow(const CString& text);

// A 24-bit BMP file of the given size, every pixel of the colour.
std::vector<BYTE> BmpBytes(int width, int height, COLORREF colour = RGB(0x80, 0x80, 0x80));

// A figure's points as pairs, for comparing with a table.
using FloatPoints = std::vector<std::pair<float, float>>;
FloatPoints Points(const CMMFigure& figure);

}  // namespace wbtest
