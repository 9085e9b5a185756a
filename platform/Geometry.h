#pragma once
// CPoint, CSize and CRect: the Win32 POINT, SIZE and RECT with their arithmetic. They derive from
// the Win32 structures, so they pass straight to any API taking a POINT*, SIZE* or RECT*.
// Rectangles are half-open: right and bottom are outside.
#include <windows.h>

class CPoint;
class CRect;

class CSize : public SIZE {
public:
    CSize() { cx = 0; cy = 0; }
    CSize(int x, int y) { cx = x; cy = y; }
    CSize(SIZE s) { cx = s.cx; cy = s.cy; }
    CSize(POINT p) { cx = p.x; cy = p.y; }
    // Low word is cx, high word cy, each a signed 16-bit value.
    CSize(DWORD packed) { cx = static_cast<short>(LOWORD(packed)); cy = static_cast<short>(HIWORD(packed)); }

    void SetSize(int x, int y) { cx = x; cy = y; }
    bool operator==(SIZE s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(SIZE s) const { return !(*this == s); }
    void operator+=(SIZE s) { cx += s.cx; cy += s.cy; }
    void operator-=(SIZE s) { cx -= s.cx; cy -= s.cy; }
    CSize operator+(SIZE s) const { return CSize(cx + s.cx, cy + s.cy); }
    CSize operator-(SIZE s) const { return CSize(cx - s.cx, cy - s.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    inline CPoint operator+(POINT p) const;
    inline CPoint operator-(POINT p) const;
    inline CRect operator+(const RECT* r) const;
    inline CRect operator-(const RECT* r) const;
};

class CPoint : public POINT {
public:
    CPoint() { x = 0; y = 0; }
    CPoint(int px, int py) { x = px; y = py; }
    CPoint(POINT p) { x = p.x; y = p.y; }
    CPoint(SIZE s) { x = s.cx; y = s.cy; }
    // A mouse message's lParam: signed 16-bit x in the low word, y in the high word.
    // (Not windowsx.h for this: its macros, SubclassWindow and CopyRgn among them, clash with
    // the window classes' member names.)
    CPoint(LPARAM packed) { x = static_cast<short>(LOWORD(packed)); y = static_cast<short>(HIWORD(packed)); }

    void Offset(int dx, int dy) { x += dx; y += dy; }
    void Offset(POINT p) { Offset(p.x, p.y); }
    void Offset(SIZE s) { Offset(s.cx, s.cy); }
    void SetPoint(int px, int py) { x = px; y = py; }

    bool operator==(POINT p) const { return x == p.x && y == p.y; }
    bool operator!=(POINT p) const { return !(*this == p); }
    void operator+=(SIZE s) { Offset(s); }
    void operator-=(SIZE s) { Offset(-s.cx, -s.cy); }
    void operator+=(POINT p) { Offset(p); }
    void operator-=(POINT p) { Offset(-p.x, -p.y); }
    CPoint operator+(SIZE s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(SIZE s) const { return CPoint(x - s.cx, y - s.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint operator+(POINT p) const { return CPoint(x + p.x, y + p.y); }
    CSize operator-(POINT p) const { return CSize(x - p.x, y - p.y); }
    inline CRect operator+(const RECT* r) const;
    inline CRect operator-(const RECT* r) const;
};

class CRect : public RECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { SetRect(l, t, r, b); }
    CRect(const RECT& r) { CopyRect(&r); }
    CRect(const RECT* r) { SetRectEmpty(); CopyRect(r); }
    CRect(POINT topLeft, SIZE size) { SetRect(topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy); }
    CRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft, bottomRight); }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    // The corners as points that alias the rectangle's own fields.
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    void SwapLeftRight() { LONG t = left; left = right; right = t; }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    // Empty: no area (width or height <= 0). Null: all four fields zero.
    BOOL IsRectEmpty() const { return left >= right || top >= bottom; }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    void SetRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(const RECT* r) { if (r) SetRect(r->left, r->top, r->right, r->bottom); }
    BOOL EqualRect(const RECT* r) const
    {
        return r && left == r->left && top == r->top && right == r->right && bottom == r->bottom;
    }

    void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
    void InflateRect(SIZE s) { InflateRect(s.cx, s.cy); }
    void InflateRect(const RECT* r) { InflateRect(r->left, r->top, r->right, r->bottom); }
    void InflateRect(int l, int t, int r, int b) { left -= l; top -= t; right += r; bottom += b; }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(SIZE s) { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(const RECT* r) { InflateRect(-r->left, -r->top, -r->right, -r->bottom); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
    void OffsetRect(SIZE s) { OffsetRect(s.cx, s.cy); }
    void MoveToX(int x) { right = Width() + x; left = x; }
    void MoveToY(int y) { bottom = Height() + y; top = y; }
    void MoveToXY(int x, int y) { MoveToX(x); MoveToY(y); }
    void MoveToXY(POINT p) { MoveToXY(p.x, p.y); }
    // Swaps edges so that left <= right and top <= bottom.
    void NormalizeRect()
    {
        if (left > right) SwapLeftRight();
        if (top > bottom) { LONG t = top; top = bottom; bottom = t; }
    }

    // These follow the Win32 functions of the same names: an empty result is stored as all zero
    // and reported as FALSE.
    BOOL IntersectRect(const RECT* a, const RECT* b) { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(const RECT* a, const RECT* b) { return ::UnionRect(this, a, b); }
    BOOL SubtractRect(const RECT* from, const RECT* cut) { return ::SubtractRect(this, from, cut); }

    // Scales every coordinate by mul/div, rounded as MulDiv does.
    void MulDiv(int mul, int div)
    {
        left = ::MulDiv(left, mul, div); top = ::MulDiv(top, mul, div);
        right = ::MulDiv(right, mul, div); bottom = ::MulDiv(bottom, mul, div);
    }

    CRect& operator=(const RECT& r) { CopyRect(&r); return *this; }
    bool operator==(const RECT& r) const { return EqualRect(&r) != FALSE; }
    bool operator!=(const RECT& r) const { return !(*this == r); }
    void operator+=(POINT p) { OffsetRect(p); }
    void operator+=(SIZE s) { OffsetRect(s); }
    void operator+=(const RECT* r) { InflateRect(r); }
    void operator-=(POINT p) { OffsetRect(-p.x, -p.y); }
    void operator-=(SIZE s) { OffsetRect(-s.cx, -s.cy); }
    void operator-=(const RECT* r) { DeflateRect(r); }
    void operator&=(const RECT& r) { RECT a = *this; IntersectRect(&a, &r); }
    void operator|=(const RECT& r) { RECT a = *this; UnionRect(&a, &r); }
    CRect operator+(POINT p) const { CRect c(*this); c.OffsetRect(p); return c; }
    CRect operator-(POINT p) const { CRect c(*this); c.OffsetRect(-p.x, -p.y); return c; }
    CRect operator+(SIZE s) const { CRect c(*this); c.OffsetRect(s); return c; }
    CRect operator-(SIZE s) const { CRect c(*this); c.OffsetRect(-s.cx, -s.cy); return c; }
    CRect operator+(const RECT* r) const { CRect c(*this); c.InflateRect(r); return c; }
    CRect operator-(const RECT* r) const { CRect c(*this); c.DeflateRect(r); return c; }
    CRect operator&(const RECT& r) const { CRect c; c.IntersectRect(this, &r); return c; }
    CRect operator|(const RECT& r) const { CRect c; c.UnionRect(this, &r); return c; }
};

inline CPoint CSize::operator+(POINT p) const { return CPoint(cx + p.x, cy + p.y); }
inline CPoint CSize::operator-(POINT p) const { return CPoint(cx - p.x, cy - p.y); }
inline CRect CSize::operator+(const RECT* r) const { CRect c(r); c.OffsetRect(*this); return c; }
inline CRect CSize::operator-(const RECT* r) const { CRect c(r); c.OffsetRect(-cx, -cy); return c; }
inline CRect CPoint::operator+(const RECT* r) const { CRect c(r); c.OffsetRect(*this); return c; }
inline CRect CPoint::operator-(const RECT* r) const { CRect c(r); c.OffsetRect(-x, -y); return c; }
