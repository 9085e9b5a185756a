#include "ui/skin/SkinFont.h"

#include <cwchar>

const wchar_t SKIN_DEFAULT_FACE[] = L"양재블럭체";

SKIN_FONT& SKIN_FONT::operator=(const SKIN_FONT& other)
{
    if (this == &other)
        return *this;
    m_strFaceName = other.m_strFaceName;
    m_nSize = other.m_nSize;
    m_strColor = other.m_strColor;
    m_nAlign = other.m_nAlign;
    m_nBold = other.m_nBold;
    m_nItalic = other.m_nItalic;
    m_nUnderline = other.m_nUnderline;
    m_nStrikeOut = other.m_nStrikeOut;
    m_clrText = other.m_clrText;
    return *this;
}

LOGFONT SKIN_FONT::MakeLogFont() const
{
    LOGFONT lf;
    ZeroMemory(&lf, sizeof(lf));
    lf.lfHeight = -m_nSize;
    lf.lfWeight = m_nBold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = BYTE(m_nItalic);
    lf.lfUnderline = BYTE(m_nUnderline);
    lf.lfStrikeOut = BYTE(m_nStrikeOut);
    lf.lfCharSet = DEFAULT_CHARSET;
    // A face name from the skin may be longer than the record holds: keep what fits.
    wcsncpy(lf.lfFaceName, m_strFaceName.GetString(), LF_FACESIZE - 1);
    lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return lf;
}

BOOL SKIN_FONT::CreateFont()
{
    const LOGFONT lf = MakeLogFont();
    m_font.DeleteObject();
    return m_font.CreateFontIndirect(&lf);
}

CFont* SKIN_FONT::GetFont()
{
    if (m_font.GetSafeHandle() == nullptr && !CreateFont())
        return nullptr;
    return &m_font;
}
