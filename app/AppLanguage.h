#pragma once
// What the client chooses by the user's language and the screen's density: the language
// resource library, the interface font, and the skin's scale. Pure functions, so that every
// language can be checked on one machine.
#include <windows.h>

#include "platform/CString.h"

// "Res_Kor.dll" for Korean (1042), "Res_Jpn.dll" for Japanese (1041), "Res_Eng.dll" for every
// other language identifier (the full identifier: 2057 English (UK) is not 1033 but still English).
LPCTSTR ResourceLibraryForLanguage(LANGID nLangId);

struct APP_FONT_CHOICE {
    LPCTSTR pszFace;
    int nDefaultSize;   // points
    int nLargeSize;
    int nDisplaySize;
};
APP_FONT_CHOICE FontForLanguage(LANGID nLangId);

// LOGPIXELSX * 100 / 96 (integer division), then / 100: 96 -> 1.0, 120 -> 1.25, 100 -> 1.04.
float DpiRatioFromLogPixels(int nLogPixels);
