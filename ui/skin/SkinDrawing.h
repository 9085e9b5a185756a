#pragma once
// Drawing helpers of the skin on GDI and GDI+ (started by the program): anti-aliased rounded
// shapes filled with a colour or an image, frames of filled strips, translucent fills, clipping
// to a rounded rectangle, a bitmap in a rounded frame and an image on a layered window.
// Rectangles are left, top, right, bottom in device pixels; colours are COLORREF, drawn opaque
// unless an alpha is given. Every function that takes a DC does nothing without one.
#include <windows.h>

#include <functional>

class CDC;

namespace Gdiplus {
class Graphics;
class GraphicsPath;
class Image;
}

// The rectangle (reduced by half the outline width when outlined) filled to a percentage of
// its width (-1: all of it) and outlined.
void DrawFilledRoundRect(CDC* pDC, const RECT& rc, int nPercent, float fOutlineWidth, BOOL bFill,
                         COLORREF clrFill, BOOL bOutline, COLORREF clrOutline, float fRadius);
void DrawRoundRectEx(CDC* pDC, const RECT& rc, float fOutlineWidth, BOOL bFill, COLORREF clrFill,
                     BOOL bOutline, COLORREF clrOutline, float fRadius);
void DrawRoundRectImage(CDC* pDC, const RECT& rc, float fOutlineWidth, Gdiplus::Image* pImage,
                        COLORREF clrFill, COLORREF clrOutline, float fRadius);
void FillRoundRect(CDC* pDC, const RECT& rc, COLORREF clr, Gdiplus::Image* pImage, float fRadius);
void FillRoundRectG(Gdiplus::Graphics* pGraphics, const RECT& rc, COLORREF clr, Gdiplus::Image* pImage, float fRadius);
void DrawRoundRectBorder(CDC* pDC, const RECT& rc, float fPenWidth, COLORREF clr, float fRadius);
// A plain rectangle for a radius of 0 or less, a capsule from half the shorter side on, else
// four quarter arcs.
void AddRoundRectPath(Gdiplus::GraphicsPath* pPath, float x, float y, float w, float h, float r);
void AddCapsulePath(Gdiplus::GraphicsPath* pPath, float x, float y, float w, float h);
void SetClipRoundRect(Gdiplus::Graphics* pGraphics, const RECT& rc, float fRadius);
// Four bars of the given width along the inner edges of the rectangle (left, top, right,
// bottom).
void FillFrameStrips(CDC* pDC, const RECT& rc, int nWidth, COLORREF clr);
// Four strips of size x scale (at least 1 pixel; nothing for size 0).
void DrawFrameRect(CDC* pDC, int x, int y, int w, int h, COLORREF clr, int nSize, float fScale);
void DrawFrameRectF(CDC* pDC, int x, int y, int w, int h, COLORREF clr, float fSize, float fScale);
void DrawFrameLines(CDC* pDC, int x, int y, int w, int h, COLORREF clr, float fSize, float fScale);
void FillRectAlpha(CDC* pDC, int x, int y, int w, int h, BYTE nAlpha, COLORREF clr, float fScale);
void FillRectAlphaRect(CDC* pDC, const RECT& rc, BYTE nAlpha, COLORREF clr, float fScale);
void FillRectSmooth(CDC* pDC, int x, int y, int w, int h, COLORREF clr, float fScale);
// The bitmap without its bottom 5 rows, stretched into a rounded frame and outlined.
void DrawBitmapRounded(CDC* pDC, const RECT& rc, float fRadius, HBITMAP hBitmap, COLORREF clrOutline);
// Shows the image on a layered window with per-pixel alpha, at the window's place.
void UpdateLayeredImage(HWND hWnd, Gdiplus::Image* pImage);

// A small glyph painted pixel by pixel into a w x h bitmap on the background colour, then
// stretched (SRCCOPY) onto the destination rectangle.
void DrawGlyphBitmap(HDC hdc, const RECT& rcDest, int w, int h, COLORREF clrBack, const std::function<void(HDC)>& paint);
// A 2 x 2 block of the glyph bitmaps.
void FillGlyphBlock(HDC hdc, int x, int y, COLORREF clr);
