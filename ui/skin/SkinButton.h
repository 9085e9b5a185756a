#pragma once
// SKIN_BUTTON: the BUTTON part of a skin object. A button whose BTN_IMAGEOVER or BTN_CLROVER is
// set is a toggle button: checked, it shows the OVER image and colour.
#include <windows.h>

#include "platform/CString.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImage.h"

struct SKIN_BUTTON {
    CString m_strClrOut;
    CString m_strClrOver;
    CString m_strImageOut;      // resolved paths
    CString m_strImageOver;
    int m_nOverShow = 0;
    int m_nImageWidth = 0;      // > 0 icon strip at the left, < 0 at the right, 0 shared
    CString m_strText;
    SKIN_FONT m_font;           // "BTN_"
    SKIN_FONT m_fontOver;       // "BTN_OVER"; the state fonts count only with a colour
    SKIN_FONT m_fontDown;       // "BTN_DOWN"
    SKIN_FONT m_fontDim;        // "BTN_DIM"
    int m_nType = 0;
    int m_nType2 = 0;
    CString m_strTooltip;
    CString m_strTooltipChecked;
    COLORREF m_clrOut = 0;
    COLORREF m_clrOver = 0;
    SKIN_IMAGE m_imageOut;
    SKIN_IMAGE m_imageOver;
    int m_nCheck = 0;
    int m_bRadio = 0;

    SKIN_BUTTON();

    BOOL IsChecked() const { return m_nCheck == 1; }
    SKIN_BUTTON* SetChecked(BOOL bCheck)
    {
        m_nCheck = bCheck ? 1 : 0;
        return this;
    }
    bool IsToggle() const { return !m_strImageOver.IsEmpty() || !m_strClrOver.IsEmpty(); }
    void ReleaseImages()
    {
        m_imageOut.Free();
        m_imageOver.Free();
    }
};
