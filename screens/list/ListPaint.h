#pragma once
// Small painting helpers of the list screen's windows: fonts in the application's face, rounded
// panels and text in one call each, all restoring the device context.
#include <windows.h>

#include "platform/CString.h"

// A font of the application's face; a negative height is in pixels, a positive one in points.
// The caller deletes it.
HFONT CreateListFont(HDC hdc, int nHeight, int nWeight);
// A box with curved corners filled and outlined in one colour.
void FillRoundBox(HDC hdc, const RECT& rc, int nRadius, COLORREF clr);
// Text with a transparent background in the font and colour; returns DrawText's result.
int DrawListText(HDC hdc, const CString& strText, RECT rc, HFONT hFont, COLORREF clr, UINT nFormat);
// The width the text takes in that font.
int MeasureListText(HDC hdc, const CString& strText, HFONT hFont);
// A resource bitmap drawn at (x, y) in its own size (or the given size), one colour left out.
void DrawResourceBitmap(HDC hdc, UINT nId, int x, int y, COLORREF clrTransparent, int cx = 0, int cy = 0);
