#pragma once
// SKIN_CUSTOM: one CUSTOM_LIST entry of an object (a named value, with a font or an image for
// the FONT and IMAGE kinds).
#include "platform/CString.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImage.h"

struct SKIN_CUSTOM {
    int m_nId = 0;
    CString m_strName;
    CString m_strType;    // "IMAGE", "FONT", "INT", "RECT" or other
    CString m_strValue;   // INT and RECT already scaled, IMAGE the resolved path
    SKIN_FONT m_font;
    SKIN_IMAGE m_image;
};
