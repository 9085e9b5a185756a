#include "ui/skin/SkinButton.h"

SKIN_BUTTON::SKIN_BUTTON()
{
    m_fontOver.m_strColor.Empty();
    m_fontDown.m_strColor.Empty();
    m_fontDim.m_strColor.Empty();
}
