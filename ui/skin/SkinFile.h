#pragma once
// SKIN_FILE: one IMAGE_FILE or COMBO_IMAGE_FILE entry; its image is loaded when first asked for.
#include "platform/CString.h"
#include "ui/skin/SkinImage.h"

struct SKIN_FILE {
    CString m_strFile;   // as written in the skin
    SKIN_IMAGE m_image;  // path = the file resolved
};
