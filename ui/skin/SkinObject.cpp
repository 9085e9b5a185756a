#include "ui/skin/SkinObject.h"

#include "platform/Wnd.h"
#include "ui/skin/SkinValues.h"

SKIN_OBJECT::SKIN_OBJECT()
{
    m_date.m_pObject = this;
    m_combo.m_pObject = this;
}

SKIN_OBJECT& SKIN_OBJECT::operator=(const SKIN_OBJECT& o)
{
    if (this == &o)
        return *this;
    m_nId = o.m_nId;
    m_nIndex = o.m_nIndex;
    m_strName = o.m_strName;
    m_nScreenIdx = o.m_nScreenIdx;
    m_nParentIdx = o.m_nParentIdx;
    m_nType = o.m_nType;
    m_rcObject = o.m_rcObject;
    m_nRound = o.m_nRound;
    for (int i = 0; i < 4; ++i)
        m_nAlign[i] = o.m_nAlign[i];
    m_nAlignIdxL = o.m_nAlignIdxL;
    m_nAlignIdxT = o.m_nAlignIdxT;
    m_nAlignIdxR = o.m_nAlignIdxR;
    m_nAlignIdxB = o.m_nAlignIdxB;
    m_nMaxWidth = o.m_nMaxWidth;
    m_nMaxHeight = o.m_nMaxHeight;
    m_nVisible = o.m_nVisible;
    m_nGone = o.m_nGone;
    m_nTopMost = o.m_nTopMost;
    m_nFillPercent = o.m_nFillPercent;
    m_strColor = o.m_strColor;
    m_nBorderSize = o.m_nBorderSize;
    m_strBorderColor = o.m_strBorderColor;
    m_nMargin = o.m_nMargin;
    m_nMarginL = o.m_nMarginL;
    m_nMarginT = o.m_nMarginT;
    m_nMarginR = o.m_nMarginR;
    m_nMarginB = o.m_nMarginB;
    m_strMarginColor = o.m_strMarginColor;
    m_strMarginColorL = o.m_strMarginColorL;
    m_strMarginColorT = o.m_strMarginColorT;
    m_strMarginColorR = o.m_strMarginColorR;
    m_strMarginColorB = o.m_strMarginColorB;
    m_nPadding = o.m_nPadding;
    m_nPaddingL = o.m_nPaddingL;
    m_nPaddingT = o.m_nPaddingT;
    m_nPaddingR = o.m_nPaddingR;
    m_nPaddingB = o.m_nPaddingB;
    m_button = o.m_button;
    m_text = o.m_text;
    m_image = o.m_image;
    m_date = o.m_date;
    m_custom.Copy(o.m_custom);
    m_edit = o.m_edit;
    m_combo = o.m_combo;
    m_combo.m_pObject = this;
    m_date.m_pObject = this;
    m_nControlId = o.m_nControlId;
    m_bShown = o.m_bShown;
    m_clrColor = o.m_clrColor;
    m_clrBorder = o.m_clrBorder;
    m_clrMargin = o.m_clrMargin;
    m_clrMarginL = o.m_clrMarginL;
    m_clrMarginT = o.m_clrMarginT;
    m_clrMarginR = o.m_clrMarginR;
    m_clrMarginB = o.m_clrMarginB;
    m_nState = o.m_nState;
    m_bClickWhenDisabled = o.m_bClickWhenDisabled;
    m_nHover = o.m_nHover;
    m_bPressed = o.m_bPressed;
    m_rcSkin = o.m_rcSkin;
    return *this;
}

void SKIN_OBJECT::DeflateByMargin(RECT& rc) const
{
    if (!m_nMargin && !m_nMarginL && !m_nMarginT && !m_nMarginR && !m_nMarginB)
        return;
    rc.left += ScaleSkinValue(MarginL(), m_fScale);
    rc.top += ScaleSkinValue(MarginT(), m_fScale);
    rc.right -= ScaleSkinValue(MarginR(), m_fScale);
    rc.bottom -= ScaleSkinValue(MarginB(), m_fScale);
}

void SKIN_OBJECT::DeflateByPadding(RECT& rc) const
{
    if (!m_nPadding && !m_nPaddingL && !m_nPaddingT && !m_nPaddingR && !m_nPaddingB)
        return;
    rc.left += ScaleSkinValue(PaddingL(), m_fScale);
    rc.top += ScaleSkinValue(PaddingT(), m_fScale);
    rc.right -= ScaleSkinValue(PaddingR(), m_fScale);
    rc.bottom -= ScaleSkinValue(PaddingB(), m_fScale);
}

void SKIN_OBJECT::DeflateToBorderInside(RECT& rc) const
{
    DeflateByMargin(rc);
    if (m_nBorderSize > 0)
        ::InflateRect(&rc, -m_nBorderSize, -m_nBorderSize);
}

void SKIN_OBJECT::DeflateToContent(RECT& rc) const
{
    DeflateToBorderInside(rc);
    DeflateByPadding(rc);
}

void SKIN_OBJECT::GetContentRect(RECT& rcOut, const POINT* pOffset) const
{
    rcOut = m_rcObject;
    if (pOffset)
        ::OffsetRect(&rcOut, pOffset->x, pOffset->y);
    DeflateToContent(rcOut);
}

void SKIN_OBJECT::SetText(CWnd* pWnd, const CString& strText, BOOL bRepaint)
{
    m_text.m_strText = strText;
    if (bRepaint && pWnd && ::IsWindow(pWnd->GetSafeHwnd()))
        pWnd->InvalidateRect(m_rcObject, TRUE);
}

void SKIN_OBJECT::SetEditText(CWnd* pWnd, const CString& strText, BOOL bRepaint)
{
    m_edit.SetText(strText);
    if (bRepaint && pWnd && ::IsWindow(pWnd->GetSafeHwnd()))
        pWnd->InvalidateRect(m_rcObject, TRUE);
}

void SKIN_OBJECT::SetColor(const CString& strColor)
{
    m_strColor = strColor;
    m_clrColor = ParseSkinColor(strColor);
    if (m_nType == SKINTYPE_EDIT)
        m_edit.m_edit.SetBkColor(m_clrColor);
}

void SKIN_OBJECT::ReleaseImages()
{
    m_button.ReleaseImages();
    m_image.ReleaseImages();
    m_custom.ReleaseImages();
    m_combo.ReleaseImage();
    m_combo.m_files.ReleaseImages();
}

void SKIN_OBJECT::Enable(CWnd* pWnd, BOOL bEnable)
{
    m_nState = bEnable ? -1 : SKINSTATE_DIM;
    if (pWnd && ::IsWindow(pWnd->GetSafeHwnd()))
        pWnd->InvalidateRect(m_rcObject, TRUE);
    if (m_nType == SKINTYPE_EDIT && ::IsWindow(m_edit.m_edit.GetSafeHwnd()))
        m_edit.m_edit.EnableWindow(bEnable);
}

CString SKIN_OBJECT::Dump() const
{
    CString s;
    s.Format(L" %s%s ", L"\n m_strName = ", m_strName.GetString());
    return s;
}
