#include "ui/skin/SkinDrawing.h"

#include "platform/DC.h"
#include "ui/skin/GdiPlus.h"

namespace {

Gdiplus::Color Opaque(COLORREF clr)
{
    return Gdiplus::Color(255, GetRValue(clr), GetGValue(clr), GetBValue(clr));
}

HDC Hdc(CDC* pDC)
{
    return pDC ? pDC->GetSafeHdc() : nullptr;
}

Gdiplus::RectF PathRect(const RECT& rc)
{
    return Gdiplus::RectF(float(rc.left), float(rc.top), float(rc.right - rc.left - 1), float(rc.bottom - rc.top - 1));
}

} // namespace

void AddCapsulePath(Gdiplus::GraphicsPath* pPath, float x, float y, float w, float h)
{
    try {
        if (w > h) {
            pPath->AddArc(x, y, h, h, 90.0f, 180.0f);
            pPath->AddArc(x + w - h, y, h, h, 270.0f, 180.0f);
        } else if (h > w) {
            pPath->AddArc(x, y, w, w, 180.0f, 180.0f);
            pPath->AddArc(x, y + h - w, w, w, 0.0f, 180.0f);
        } else {
            pPath->AddEllipse(x, y, w, h);
        }
    } catch (...) {
        pPath->Reset();
        pPath->AddEllipse(x, y, w, h);
    }
    pPath->CloseFigure();
}

void AddRoundRectPath(Gdiplus::GraphicsPath* pPath, float x, float y, float w, float h, float r)
{
    if (r <= 0.0f) {
        pPath->AddRectangle(Gdiplus::RectF(x, y, w, h));
        return;
    }
    const float shorter = w < h ? w : h;
    if (r >= shorter / 2.0f) {
        AddCapsulePath(pPath, x, y, w, h);
        return;
    }
    const float d = 2.0f * r;
    pPath->AddArc(x, y, d, d, 180.0f, 90.0f);
    pPath->AddArc(x + w - d, y, d, d, 270.0f, 90.0f);
    pPath->AddArc(x + w - d, y + h - d, d, d, 0.0f, 90.0f);
    pPath->AddArc(x, y + h - d, d, d, 90.0f, 90.0f);
    pPath->CloseFigure();
}

void FillRoundRectG(Gdiplus::Graphics* pGraphics, const RECT& rc, COLORREF clr, Gdiplus::Image* pImage, float fRadius)
{
    if (!pGraphics)
        return;
    pGraphics->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const Gdiplus::RectF r = PathRect(rc);
    Gdiplus::GraphicsPath path;
    AddRoundRectPath(&path, r.X, r.Y, r.Width, r.Height, fRadius);
    if (pImage) {
        Gdiplus::Region region(&path);
        pGraphics->SetClip(&region);
        pGraphics->DrawImage(pImage, r, 0.0f, 0.0f, float(pImage->GetWidth()), float(pImage->GetHeight()),
                             Gdiplus::UnitPixel);
        pGraphics->ResetClip();
    } else {
        Gdiplus::SolidBrush brush(Opaque(clr));
        pGraphics->FillPath(&brush, &path);
    }
}

void FillRoundRect(CDC* pDC, const RECT& rc, COLORREF clr, Gdiplus::Image* pImage, float fRadius)
{
    if (!Hdc(pDC))
        return;
    Gdiplus::Graphics graphics(Hdc(pDC));
    FillRoundRectG(&graphics, rc, clr, pImage, fRadius);
}

void DrawRoundRectBorder(CDC* pDC, const RECT& rc, float fPenWidth, COLORREF clr, float fRadius)
{
    if (!Hdc(pDC))
        return;
    Gdiplus::Graphics graphics(Hdc(pDC));
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::Pen pen(Opaque(clr), fPenWidth);
    const Gdiplus::RectF r = PathRect(rc);
    Gdiplus::GraphicsPath path;
    AddRoundRectPath(&path, r.X, r.Y, r.Width, r.Height, fRadius);
    graphics.DrawPath(&pen, &path);
}

void DrawFilledRoundRect(CDC* pDC, const RECT& rc, int nPercent, float fOutlineWidth, BOOL bFill,
                         COLORREF clrFill, BOOL bOutline, COLORREF clrOutline, float fRadius)
{
    if (!Hdc(pDC))
        return;
    RECT r = rc;
    if (bOutline) {
        const int half = int(fOutlineWidth / 2.0f);
        ::InflateRect(&r, -half, -half);
    }
    if (bFill) {
        RECT fill = r;
        if (nPercent != -1)
            fill.right = fill.left + (fill.right - fill.left) * nPercent / 100;
        FillRoundRect(pDC, fill, clrFill, nullptr, fRadius);
    }
    if (fOutlineWidth > 0.0f && bOutline)
        DrawRoundRectBorder(pDC, r, fOutlineWidth, clrOutline, fRadius);
}

void DrawRoundRectEx(CDC* pDC, const RECT& rc, float fOutlineWidth, BOOL bFill, COLORREF clrFill,
                     BOOL bOutline, COLORREF clrOutline, float fRadius)
{
    DrawFilledRoundRect(pDC, rc, -1, fOutlineWidth, bFill, clrFill, bOutline, clrOutline, fRadius);
}

void DrawRoundRectImage(CDC* pDC, const RECT& rc, float fOutlineWidth, Gdiplus::Image* pImage,
                        COLORREF clrFill, COLORREF clrOutline, float fRadius)
{
    if (!Hdc(pDC))
        return;
    RECT r = rc;
    const int half = int(fOutlineWidth / 2.0f);
    ::InflateRect(&r, -half, -half);
    FillRoundRect(pDC, r, clrFill, pImage, fRadius);
    if (fOutlineWidth > 0.0f)
        DrawRoundRectBorder(pDC, r, fOutlineWidth, clrOutline, fRadius);
}

void SetClipRoundRect(Gdiplus::Graphics* pGraphics, const RECT& rc, float fRadius)
{
    if (!pGraphics)
        return;
    Gdiplus::GraphicsPath path;
    AddRoundRectPath(&path, float(rc.left), float(rc.top), float(rc.right - rc.left), float(rc.bottom - rc.top), fRadius);
    Gdiplus::Region region(&path);
    pGraphics->SetClip(&region);
}

void FillFrameStrips(CDC* pDC, const RECT& rc, int nWidth, COLORREF clr)
{
    if (!Hdc(pDC))
        return;
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    pDC->FillSolidRect(rc.left, rc.top, nWidth, h, clr);
    pDC->FillSolidRect(rc.left, rc.top, w, nWidth, clr);
    pDC->FillSolidRect(rc.right - nWidth, rc.top, nWidth, h, clr);
    pDC->FillSolidRect(rc.left, rc.bottom - nWidth, w, nWidth, clr);
}

void DrawFrameRect(CDC* pDC, int x, int y, int w, int h, COLORREF clr, int nSize, float fScale)
{
    if (!Hdc(pDC) || nSize == 0)
        return;
    int strip = int(float(nSize) * fScale);
    if (strip < 1)
        strip = 1;
    if (w == 0)
        w = 1;
    if (h == 0)
        h = 1;
    FillFrameStrips(pDC, CRect(x, y, x + w, y + h), strip, clr);
}

void DrawFrameRectF(CDC* pDC, int x, int y, int w, int h, COLORREF clr, float fSize, float fScale)
{
    if (!Hdc(pDC))
        return;
    FillFrameStrips(pDC, CRect(x, y, x + w, y + h), int(fSize * fScale), clr);
}

void DrawFrameLines(CDC* pDC, int x, int y, int w, int h, COLORREF clr, float fSize, float fScale)
{
    if (!Hdc(pDC))
        return;
    Gdiplus::Graphics graphics(Hdc(pDC));
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const float s = fSize * fScale;
    const float half = s / 2.0f;
    Gdiplus::Pen pen(Opaque(clr), s);
    const float fx = float(x), fy = float(y), fw = float(w), fh = float(h);
    graphics.DrawLine(&pen, fx, fy + half, fx + fw, fy + half);
    graphics.DrawLine(&pen, fx + fw - half, fy, fx + fw - half, fy + fh);
    graphics.DrawLine(&pen, fx + fw, fy + fh - half, fx, fy + fh - half);
    graphics.DrawLine(&pen, fx + half, fy + fh, fx + half, fy);
}

void FillRectAlpha(CDC* pDC, int x, int y, int w, int h, BYTE nAlpha, COLORREF clr, float fScale)
{
    if (!Hdc(pDC))
        return;
    Gdiplus::Graphics graphics(Hdc(pDC));
    Gdiplus::SolidBrush brush(Gdiplus::Color(nAlpha, GetRValue(clr), GetGValue(clr), GetBValue(clr)));
    graphics.FillRectangle(&brush, float(x), float(y), float(w) * fScale, float(h) * fScale);
}

void FillRectAlphaRect(CDC* pDC, const RECT& rc, BYTE nAlpha, COLORREF clr, float fScale)
{
    FillRectAlpha(pDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, nAlpha, clr, fScale);
}

void FillRectSmooth(CDC* pDC, int x, int y, int w, int h, COLORREF clr, float fScale)
{
    if (!Hdc(pDC))
        return;
    Gdiplus::Graphics graphics(Hdc(pDC));
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::SolidBrush brush(Opaque(clr));
    graphics.FillRectangle(&brush, float(x), float(y), float(w) * fScale, float(h) * fScale);
}

void DrawBitmapRounded(CDC* pDC, const RECT& rc, float fRadius, HBITMAP hBitmap, COLORREF clrOutline)
{
    if (!Hdc(pDC) || !hBitmap)
        return;
    Gdiplus::Bitmap bitmap(hBitmap, nullptr);
    RECT r = rc;
    if ((r.right - r.left) % 2)
        --r.right;
    if ((r.bottom - r.top) % 2)
        --r.bottom;
    {
        Gdiplus::Graphics graphics(Hdc(pDC));
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
        SetClipRoundRect(&graphics, r, fRadius);
        graphics.DrawImage(&bitmap, Gdiplus::RectF(float(r.left), float(r.top), float(r.right - r.left), float(r.bottom - r.top)),
                           0.0f, 0.0f, float(bitmap.GetWidth()), float(bitmap.GetHeight()) - 5.0f, Gdiplus::UnitPixel);
    }
    RECT outline = r;
    ++outline.right;
    ++outline.bottom;
    DrawFilledRoundRect(pDC, outline, -1, 1.0f, FALSE, 0, TRUE, clrOutline, fRadius);
}

void UpdateLayeredImage(HWND hWnd, Gdiplus::Image* pImage)
{
    if (!pImage || !::IsWindow(hWnd))
        return;
    const int w = int(pImage->GetWidth()), h = int(pImage->GetHeight());
    HDC hdcWindow = ::GetDC(hWnd);
    HDC hdcMem = ::CreateCompatibleDC(hdcWindow);
    HBITMAP bitmap = ::CreateCompatibleBitmap(hdcWindow, w, h);
    HGDIOBJ old = ::SelectObject(hdcMem, bitmap);
    {
        Gdiplus::Graphics graphics(hdcMem);
        graphics.DrawImage(pImage, 0, 0, w, h);
    }
    RECT rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    POINT ptDest = {rcWindow.left, rcWindow.top};
    SIZE size = {w, h};
    POINT ptSrc = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(hWnd, hdcWindow, &ptDest, &size, hdcMem, &ptSrc, 0, &blend, ULW_ALPHA);
    ::SelectObject(hdcMem, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(hdcMem);
    ::ReleaseDC(hWnd, hdcWindow);
}

void DrawGlyphBitmap(HDC hdc, const RECT& rcDest, int w, int h, COLORREF clrBack, const std::function<void(HDC)>& paint)
{
    if (!hdc)
        return;
    HDC mem = ::CreateCompatibleDC(hdc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(hdc, w, h);
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    RECT all = {0, 0, w, h};
    HBRUSH back = ::CreateSolidBrush(clrBack);
    ::FillRect(mem, &all, back);
    ::DeleteObject(back);
    paint(mem);
    ::StretchBlt(hdc, rcDest.left, rcDest.top, rcDest.right - rcDest.left, rcDest.bottom - rcDest.top, mem, 0, 0, w, h, SRCCOPY);
    ::SelectObject(mem, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
}

void FillGlyphBlock(HDC hdc, int x, int y, COLORREF clr)
{
    RECT r = {x, y, x + 2, y + 2};
    HBRUSH brush = ::CreateSolidBrush(clr);
    ::FillRect(hdc, &r, brush);
    ::DeleteObject(brush);
}
