#pragma once
// SKIN_TEXT: the TEXT part of a skin object.
#include "platform/CString.h"
#include "ui/skin/SkinFont.h"

struct SKIN_TEXT {
    CString m_strText;     // line feeds unescaped
    CString m_strFile;
    SKIN_FONT m_font;      // "STATIC_"
    int m_nVCenter = 0;
    int m_nCopyText = 0;   // the text can be selected and copied
};
