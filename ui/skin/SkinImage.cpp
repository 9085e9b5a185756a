#include "ui/skin/SkinImage.h"

#include "ui/skin/GdiPlus.h"

SKIN_IMAGE& SKIN_IMAGE::operator=(const SKIN_IMAGE& other)
{
    if (this != &other)
        m_strPath = other.m_strPath;
    return *this;
}

Gdiplus::Image* SKIN_IMAGE::Load()
{
    Free();
    if (!m_strPath.IsEmpty())
        m_pImage = new Gdiplus::Image(m_strPath.GetString(), FALSE);
    return m_pImage;
}

void SKIN_IMAGE::Free()
{
    delete m_pImage;
    m_pImage = nullptr;
}

Gdiplus::Image* SKIN_IMAGE::GetUsable() const
{
    if (m_pImage && m_pImage->GetLastStatus() == Gdiplus::Ok)
        return m_pImage;
    return nullptr;
}
