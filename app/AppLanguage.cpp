#include "app/AppLanguage.h"

namespace {
const LANGID LANG_ID_ENGLISH_US = 1033;
const LANGID LANG_ID_JAPANESE = 1041;
const LANGID LANG_ID_KOREAN = 1042;
}

LPCTSTR ResourceLibraryForLanguage(LANGID nLangId)
{
    switch (nLangId) {
    case LANG_ID_JAPANESE: return L"Res_Jpn.dll";
    case LANG_ID_KOREAN: return L"Res_Kor.dll";
    case LANG_ID_ENGLISH_US:
    default: return L"Res_Eng.dll";
    }
}

APP_FONT_CHOICE FontForLanguage(LANGID nLangId)
{
    switch (nLangId) {
    case LANG_ID_JAPANESE: return {L"Meiryo", 9, 14, 30};
    case LANG_ID_KOREAN: return {L"나눔고딕", 10, 17, 30};
    default: return {L"맑은 고딕", 10, 17, 30};
    }
}

float DpiRatioFromLogPixels(int nLogPixels)
{
    return float(nLogPixels * 100 / 96) / 100.0f;
}
