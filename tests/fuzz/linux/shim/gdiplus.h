#pragma once
// The GDI+ names the whiteboard's figure, memo and page classes use. Painting is not what the fuzz
// targets run, so every drawing call does nothing and no picture loads; only the point type
// carries values.
#include "Win32Shim.h"
#include "objidl.h"

namespace Gdiplus {

typedef float REAL;
typedef DWORD ARGB;
typedef UINT GraphicsContainer;
enum Status { Ok = 0, GenericError = 1 };
enum LineCap { LineCapFlat = 0, LineCapRound = 2 };
enum DashCap { DashCapFlat = 0, DashCapRound = 2 };
enum LineJoin { LineJoinMiter = 0, LineJoinRound = 2 };
enum SmoothingMode { SmoothingModeHighQuality = 2 };
enum Unit { UnitPixel = 2 };
enum MatrixOrder { MatrixOrderPrepend = 0 };
enum FontStyle { FontStyleRegular = 0 };
enum StringAlignment { StringAlignmentNear = 0 };
enum StringTrimming { StringTrimmingEllipsisWord = 4 };
typedef UINT GraphicsState;

struct PointF {
    PointF() : X(0), Y(0) {}
    PointF(REAL x, REAL y) : X(x), Y(y) {}
    bool Equals(const PointF& p) const { return X == p.X && Y == p.Y; }
    REAL X;
    REAL Y;
};

struct Rect {
    Rect(INT x, INT y, INT width, INT height) : X(x), Y(y), Width(width), Height(height) {}
    INT X, Y, Width, Height;
};

struct RectF {
    RectF(REAL x, REAL y, REAL width, REAL height) : X(x), Y(y), Width(width), Height(height) {}
    REAL X, Y, Width, Height;
};

class Color {
public:
    Color(BYTE a, BYTE r, BYTE g, BYTE b) : m_argb(((ARGB)a << 24) | ((ARGB)r << 16) | ((ARGB)g << 8) | b) {}
    Color(BYTE r, BYTE g, BYTE b) : Color(255, r, g, b) {}
    explicit Color(ARGB argb) : m_argb(argb) {}
    ARGB GetValue() const { return m_argb; }
    static ARGB MakeARGB(BYTE a, BYTE r, BYTE g, BYTE b) { return Color(a, r, g, b).GetValue(); }

private:
    ARGB m_argb;
};

class Pen {
public:
    Pen(const Color&, REAL) {}
    Status SetStartCap(LineCap) { return Ok; }
    Status SetEndCap(LineCap) { return Ok; }
    Status SetDashCap(DashCap) { return Ok; }
    Status SetLineJoin(LineJoin) { return Ok; }
};

class GraphicsPath {
public:
    Status AddLine(INT, INT, INT, INT) { return Ok; }
    Status AddLine(REAL, REAL, REAL, REAL) { return Ok; }
    Status AddArc(INT, INT, INT, INT, REAL, REAL) { return Ok; }
    Status CloseFigure() { return Ok; }
    Status CloseAllFigures() { return Ok; }
};

class Image {
public:
    Image() = default;
    explicit Image(IStream*) {}
    virtual ~Image() = default;
    Status GetLastStatus() const { return GenericError; }
    UINT GetWidth() const { return 0; }
    UINT GetHeight() const { return 0; }
};

class Bitmap : public Image {
public:
    static Bitmap* FromResource(HINSTANCE, const wchar_t*) { return nullptr; }
};

class Matrix {
public:
    Status RotateAt(REAL, const PointF&, MatrixOrder) { return Ok; }
};

class ImageAttributes {
public:
    Status SetColorKey(const Color&, const Color&) { return Ok; }
};

class SolidBrush {
public:
    explicit SolidBrush(const Color&) {}
};

class FontFamily {
public:
    explicit FontFamily(const wchar_t*) {}
    Status GetLastStatus() const { return Ok; }
    static const FontFamily* GenericSansSerif()
    {
        static const FontFamily family(L"");
        return &family;
    }
};

class Font {
public:
    Font(const FontFamily*, REAL, INT, Unit) {}
};

class StringFormat {
public:
    Status SetAlignment(StringAlignment) { return Ok; }
    Status SetTrimming(StringTrimming) { return Ok; }
};

class Graphics {
public:
    explicit Graphics(HDC) {}
    Status DrawCurve(const Pen*, const PointF*, INT, REAL) { return Ok; }
    Status DrawPath(const Pen*, const GraphicsPath*) { return Ok; }
    Status DrawLines(const Pen*, const PointF*, INT) { return Ok; }
    Status DrawRectangle(const Pen*, INT, INT, INT, INT) { return Ok; }
    Status DrawEllipse(const Pen*, INT, INT, INT, INT) { return Ok; }
    GraphicsContainer BeginContainer() { return 0; }
    Status EndContainer(GraphicsContainer) { return Ok; }
    Status SetSmoothingMode(SmoothingMode) { return Ok; }
    Status SetClip(const Rect&) { return Ok; }
    Status TranslateTransform(REAL, REAL) { return Ok; }
    Status ScaleTransform(REAL, REAL) { return Ok; }
    GraphicsState Save() { return 0; }
    Status Restore(GraphicsState) { return Ok; }
    Status SetPageUnit(Unit) { return Ok; }
    Status GetTransform(Matrix*) { return Ok; }
    Status SetTransform(const Matrix*) { return Ok; }
    Status DrawImage(Image*, const RectF&, REAL, REAL, REAL, REAL, Unit, const ImageAttributes*) { return Ok; }
    Status DrawString(const wchar_t*, INT, const Font*, const RectF&, const StringFormat*, const SolidBrush*)
    {
        return Ok;
    }
};

}  // namespace Gdiplus
