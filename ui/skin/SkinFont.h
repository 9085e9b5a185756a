#pragma once
// SKIN_FONT: one font slot of a skin object (face, pixel size, colour text, alignment, style)
// and the GDI font made from it on demand. A copy takes every field but the GDI font.
#include <windows.h>

#include "platform/CString.h"
#include "platform/Font.h"

extern const wchar_t SKIN_DEFAULT_FACE[];   // "양재블럭체"

struct SKIN_FONT {
    CString m_strFaceName = SKIN_DEFAULT_FACE;
    int m_nSize = 12;                 // pixels, already multiplied by the DPI ratio when loaded
    CString m_strColor = L"000000";   // empty: the device context's text colour is kept
    int m_nAlign = 1;                 // 0 left, 1 centre, 2 right
    int m_nBold = 0;
    int m_nItalic = 0;
    int m_nUnderline = 0;
    int m_nStrikeOut = 0;
    COLORREF m_clrText = 0;
    CFont m_font;

    SKIN_FONT() = default;
    SKIN_FONT(const SKIN_FONT& other) { *this = other; }
    SKIN_FONT& operator=(const SKIN_FONT& other);

    // height -SIZE, weight 700 or 400, DEFAULT_CHARSET and the face (cut to what LOGFONT
    // holds); replaces the GDI font held. FALSE when the font cannot be made.
    BOOL CreateFont();
    // The LOGFONT CreateFont uses.
    LOGFONT MakeLogFont() const;
    // The GDI font, made first when there is none yet; null when it cannot be made.
    CFont* GetFont();
    bool HasColor() const { return !m_strColor.IsEmpty(); }
};
