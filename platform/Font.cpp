#include "platform/Font.h"

#include "platform/DC.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return Attach(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONTW logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    // A face name longer than the record holds is cut, not overrun.
    if (lpszFaceName) wcsncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    HDC dc = pDC ? pDC->GetSafeHdc() : nullptr;
    HDC screen = dc ? nullptr : ::GetDC(nullptr);
    HDC used = dc ? dc : screen;
    LOGFONTW logFont = *lpLogFont;
    // Tenths of a point to logical units of the DC.
    POINT size = { 0, ::MulDiv(::GetDeviceCaps(used, LOGPIXELSY), lpLogFont->lfHeight, 720) };
    POINT origin = { 0, 0 };
    ::DPtoLP(used, &size, 1);
    ::DPtoLP(used, &origin, 1);
    logFont.lfHeight = -abs((int)(size.y - origin.y));
    if (screen) ::ReleaseDC(nullptr, screen);
    return CreateFontIndirect(&logFont);
}
