#include "screens/list/ListPaint.h"

#include "core/DrawHelpers.h"
#include "platform/ResourceHandle.h"

HFONT CreateListFont(HDC hdc, int nHeight, int nWeight)
{
    LOGFONTW lf = {};
    lf.lfHeight = nHeight < 0 ? nHeight : -::MulDiv(nHeight, ::GetDeviceCaps(hdc, LOGPIXELSY), 72);
    lf.lfWeight = nWeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const CString face = GetDefaultFontName();
    lstrcpynW(lf.lfFaceName, face.GetString(), LF_FACESIZE);
    return ::CreateFontIndirectW(&lf);
}

void FillRoundBox(HDC hdc, const RECT& rc, int nRadius, COLORREF clr)
{
    HBRUSH brush = ::CreateSolidBrush(clr);
    HPEN pen = ::CreatePen(PS_SOLID, 1, clr);
    HGDIOBJ oldBrush = ::SelectObject(hdc, brush);
    HGDIOBJ oldPen = ::SelectObject(hdc, pen);
    ::RoundRect(hdc, rc.left, rc.top, rc.right, rc.bottom, nRadius, nRadius);
    ::SelectObject(hdc, oldBrush);
    ::SelectObject(hdc, oldPen);
    ::DeleteObject(brush);
    ::DeleteObject(pen);
}

int DrawListText(HDC hdc, const CString& strText, RECT rc, HFONT hFont, COLORREF clr, UINT nFormat)
{
    HGDIOBJ old = ::SelectObject(hdc, hFont);
    const int nMode = ::SetBkMode(hdc, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(hdc, clr);
    const int n = ::DrawTextW(hdc, strText.GetString(), strText.GetLength(), &rc, nFormat);
    ::SetTextColor(hdc, oldColor);
    ::SetBkMode(hdc, nMode);
    ::SelectObject(hdc, old);
    return n;
}

int MeasureListText(HDC hdc, const CString& strText, HFONT hFont)
{
    HGDIOBJ old = ::SelectObject(hdc, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32W(hdc, strText.GetString(), strText.GetLength(), &size);
    ::SelectObject(hdc, old);
    return size.cx;
}

void DrawResourceBitmap(HDC hdc, UINT nId, int x, int y, COLORREF clrTransparent, int cx, int cy)
{
    HBITMAP bmp = (HBITMAP)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nId), IMAGE_BITMAP, 0, 0, 0);
    if (!bmp) return;
    BITMAP info = {};
    ::GetObjectW(bmp, sizeof(info), &info);
    HDC mem = ::CreateCompatibleDC(hdc);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::GdiTransparentBlt(hdc, x, y, cx ? cx : info.bmWidth, cy ? cy : info.bmHeight, mem, 0, 0, info.bmWidth,
                        info.bmHeight, clrTransparent);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ::DeleteObject(bmp);
}
