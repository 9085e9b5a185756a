#include "ui/skin/SkinScreen.h"

#include "platform/Wnd.h"
#include "ui/skin/SkinManager.h"

SKIN_SCREEN& SKIN_SCREEN::operator=(const SKIN_SCREEN& o)
{
    if (this == &o)
        return *this;
    m_nId = o.m_nId;
    m_nIndex = o.m_nIndex;
    m_strName = o.m_strName;
    m_fScale = o.m_fScale;
    m_strBgColor = o.m_strBgColor;
    m_strBgColorOver = o.m_strBgColorOver;
    m_strBgColorDown = o.m_strBgColorDown;
    m_strBgColorDim = o.m_strBgColorDim;
    m_strBgImage = o.m_strBgImage;
    m_rcScreen = o.m_rcScreen;
    m_nVisible = o.m_nVisible;
    m_nBorderSize = o.m_nBorderSize;
    m_strBorderColor = o.m_strBorderColor;
    m_nMinCx = o.m_nMinCx;
    m_nMinCy = o.m_nMinCy;
    m_nRound = o.m_nRound;
    m_clrBack = o.m_clrBack;
    m_clrOver = o.m_clrOver;
    m_clrDown = o.m_clrDown;
    m_clrDim = o.m_clrDim;
    m_clrBorder = o.m_clrBorder;
    m_objects.Copy(o.m_objects);
    m_image = o.m_image;
    return *this;
}

void SKIN_SCREEN::LoadScreen(const CString& strName)
{
    g_SkinManager.m_screens.CopyByName(strName, this);
    m_image.Load();
    const float ratio = g_SkinManager.m_fRatio;
    int radioGroup = 0;
    for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
        SKIN_OBJECT* o = m_objects.NextRecord(pos);
        o->m_fScale = ratio;
        switch (o->m_nType) {
        case SKINTYPE_CUSTOM:
            if (o->GetCustomValue(L"CSS_BTN_STYLE:").CompareNoCase(L"RADIO") == 0)
                radioGroup = o->m_nId;
            break;
        case SKINTYPE_BUTTON:
            o->m_button.m_imageOut.Load();
            o->m_button.m_imageOver.Load();
            if (radioGroup != 0 && radioGroup == o->m_nParentIdx)
                o->m_button.m_bRadio = 1;
            break;
        case SKINTYPE_IMAGE:
            o->m_image.m_image.Load();
            break;
        case SKINTYPE_EDIT:
            o->m_edit.m_edit.CreateFromObject(o, m_pOwner, UINT(o->m_nId + 1000));
            break;
        case SKINTYPE_DATE:
            if (o->m_date.m_nDateType == 3)
                o->m_date.m_wndCalendar.CreateForObject(o, m_pOwner, UINT(o->m_nId + 1000), ratio);
            break;
        case SKINTYPE_COMBO:
            o->m_combo.m_image.Load();
            break;
        default:
            break;
        }
    }
}

void SKIN_SCREEN::ReleaseImages()
{
    m_image.Free();
    m_objects.ReleaseImages();
}

CString SKIN_SCREEN::GetSkinPath() const
{
    return g_SkinManager.m_strSkinPath;
}

void SKIN_SCREEN::SetDefaultFont(const SKIN_FONT& font)
{
    g_SkinManager.SetDefaultFont(font);
}

CString SKIN_SCREEN::Dump() const
{
    CString s;
    s.Format(L" %s%s ", L"\n m_strName = ", m_strName.GetString());
    return s;
}

void SKIN_SCREEN::SetSubtreeShown(SKIN_OBJECT* pObject, int bShown)
{
    if (!pObject)
        return;
    pObject->m_bShown = bShown;
    m_objects.ForEach([&](SKIN_OBJECT& o) {
        if (o.m_nType != SKINTYPE_EDIT || !m_objects.IsDescendant(pObject->m_nId, o.m_nId))
            return;
        const BOOL shown = m_objects.IsShownChain(o.m_nId);
        if ((!shown || o.m_nVisible) && ::IsWindow(o.m_edit.m_edit.GetSafeHwnd()))
            o.m_edit.m_edit.ShowWindow(shown ? SW_SHOW : SW_HIDE);
    });
}

void SKIN_SCREEN::HideEditWindows()
{
    m_objects.ForEach([](SKIN_OBJECT& o) {
        if (o.m_nType == SKINTYPE_EDIT && !o.m_edit.m_nAlwaysShow && ::IsWindow(o.m_edit.m_edit.GetSafeHwnd()))
            o.m_edit.m_edit.ShowWindow(SW_HIDE);
    });
}
