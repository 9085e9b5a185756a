#pragma once
#include <windows.h>

#include "platform/CString.h"
#include "platform/DC.h"
#include "platform/Geometry.h"
#include "platform/Wnd.h"

// Drawing helpers of the owner-drawn windows: text in the client's font, bitmaps blitted with a
// transparent colour, and three small tests. Each restores what it changes in the device context.

// The text colour that means "keep the device context's text colour".
const COLORREF CLR_KEEP_DC_TEXT = 0xFF000000;

// The user-interface font face by the user's language: Japanese "Meiryo", Korean "나눔고딕",
// otherwise "맑은 고딕".
CString GetDefaultFontName();
// Its size in points: 9 for Japanese, otherwise 10.
int GetDefaultFontSize();
// A font of the user-interface face, nPointSize points high on hdc, with the given weight; the
// caller deletes it.
HFONT CreateUiFont(HDC hdc, int nPointSize, int nWeight);

// DrawText with the caller's format in a font of nPointSize points (weight 600 when nBold is 1,
// else 400), the given background colour, and with bTransparent a transparent background.
void DrawTextWithFont(HDC hdc, RECT* pRect, LPCTSTR pszText, COLORREF clrText, COLORREF clrBk,
                      BOOL bTransparent, int nPointSize, UINT uFormat, int nBold);
// Breaks the text character by character at the rectangle's width (and at carriage returns) by
// inserting line feeds, and returns the rectangle it needs; with bDraw it also draws it.
CRect DrawWrappedText(HDC hdc, const RECT& rect, const CString& strText, BOOL bDraw, int nPointSize);

// The language library's bitmap nId stretched over the destination, from its top-left part of
// cxSource x cySource pixels (0: its whole width or height). Nothing without the bitmap.
void StretchBitmap(CDC* pDC, UINT nId, const CRect& rcDest, int cxSource = 0, int cySource = 0);

// Draws the bitmap at (x, y) in its own size, leaving its pixels of clrTransparent unpainted.
void DrawTransparentBitmap(HDC hdc, HBITMAP hBitmap, int x, int y, COLORREF clrTransparent);
// Copies (stretching when the sizes differ) the source rectangle to the destination rectangle,
// leaving the source pixels of clrTransparent out. FALSE when a device context or bitmap cannot
// be had.
BOOL TransparentStretchBlt(HDC hdcDest, int nXDest, int nYDest, int nWidthDest, int nHeightDest,
                           HDC hdcSrc, int nXSrc, int nYSrc, int nWidthSrc, int nHeightSrc,
                           COLORREF clrTransparent);

// TRUE when the points differ by at most 2 in x and in y.
BOOL IsNearPoint(POINT a, POINT b);
// 1 when the window's style has WS_VISIBLE.
int HasWindowStyle(HWND hWnd);
// TRUE when GDI+ (started by the caller) opens the file as an image.
BOOL IsImageFileValid(LPCTSTR pszPath);

// The same on the class library's device context and window objects (null gives no drawing
// and 0).
inline void DrawTextWithFont(CDC* pDC, RECT* pRect, LPCTSTR pszText, COLORREF clrText,
                             COLORREF clrBk, BOOL bTransparent, int nPointSize, UINT uFormat, int nBold)
{
    DrawTextWithFont(pDC->GetSafeHdc(), pRect, pszText, clrText, clrBk, bTransparent, nPointSize,
                     uFormat, nBold);
}
inline CRect DrawWrappedText(CDC* pDC, const RECT& rect, const CString& strText, BOOL bDraw,
                             int nPointSize)
{
    return DrawWrappedText(pDC->GetSafeHdc(), rect, strText, bDraw, nPointSize);
}
inline int HasWindowStyle(CWnd* pWnd)
{
    return pWnd->GetSafeHwnd() ? HasWindowStyle(pWnd->GetSafeHwnd()) : 0;
}
