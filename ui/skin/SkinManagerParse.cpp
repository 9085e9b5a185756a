// The element and attribute reading of the skin loader. Every attribute listed is read whether
// the element carries it or not: a missing one reads as the empty text and gives its value's
// "missing" result (0, black, empty), not the record's default.
#include "ui/skin/SkinManager.h"

#include <cwchar>

#include "core/ColorText.h"
#include "platform/MessageBox.h"
#include "ui/skin/SkinValues.h"
#include "ui/skin/SkinXml.h"

namespace {

const wchar_t kMalgunGothic[] = L"맑은 고딕";

struct Attrs {
    const tinyxml2::XMLElement* e;
    CString Text(const char* name) const { return CSkinManager::GetAttribute(e, name); }
    int Int(const char* name) const { return SkinTextToInt(Text(name)); }
};

} // namespace

void CSkinManager::ParseScreenList(const tinyxml2::XMLNode* pDocument)
{
    const tinyxml2::XMLElement* list = SkinXml::FindFirstDescendant(pDocument, "SCREENLIST");
    if (!list) {
        AfxMessageBox(L"[ScreenList] Node not found", MB_OK);
        return;
    }
    delete m_pCommon;
    m_pCommon = new SKIN_OBJECT;
    m_pCommon->m_strName = L"COMMON";
    m_pCommon->m_nType = SKINTYPE_CUSTOM;
    m_pCommon->m_date.SetDefaultLanguage();

    if (const tinyxml2::XMLElement* common = list->FirstChildElement("COMMON")) {
        m_pCommon->m_date.m_strLang = GetAttribute(common, "DATE_LANG");
        bool done = false;
        SkinXml::ForEachChild(common, "OBJECT", [&](const tinyxml2::XMLElement* e) {
            if (done || GetAttribute(e, "NAME") != m_pCommon->m_strName)
                return;
            SKIN_OBJECT temp;
            ParseObject(e, temp);
            m_pCommon->m_custom.Copy(temp.m_custom);
            done = true;
        });
    }

    // Screens come after COMMON, so that their fonts can name its entries by DEFFONT.
    SkinXml::ForEachChild(list, "SCREEN", [&](const tinyxml2::XMLElement* e) {
        const Attrs a{e};
        SKIN_SCREEN screen;
        screen.m_nId = a.Int("ID");
        screen.m_nIndex = a.Int("INDEX");
        screen.m_strName = a.Text("NAME");
        screen.m_strBgColor = a.Text("BGCOLOR");
        screen.m_strBgColorOver = a.Text("BGCOLOR_OVER");
        screen.m_strBgColorDown = a.Text("BGCOLOR_DOWN");
        screen.m_strBgColorDim = a.Text("BGCOLOR_DIM");
        screen.m_strBgImage = ResolvePath(a.Text("BGIMG"));
        screen.m_rcScreen = ParseRect(a.Text("RECT"));
        screen.m_nVisible = a.Int("VISIBLE");
        screen.m_nBorderSize = a.Int("BORDERSIZE");
        screen.m_strBorderColor = a.Text("BORDERCOLOR");
        screen.m_nMinCx = ParseScaledInt(a.Text("MINCX"));
        screen.m_nMinCy = ParseScaledInt(a.Text("MINCY"));
        screen.m_nRound = a.Int("ROUND");
        screen.m_clrBack = ParseSkinColor(screen.m_strBgColor);
        screen.m_clrOver = ParseSkinColor(screen.m_strBgColorOver);
        screen.m_clrDown = ParseSkinColor(screen.m_strBgColorDown);
        screen.m_clrDim = ParseSkinColor(screen.m_strBgColorDim);
        screen.m_clrBorder = ParseSkinColor(screen.m_strBorderColor);
        screen.m_image.m_strPath = screen.m_strBgImage;
        ParseScreenObjects(e, screen);
        m_screens.InsertSorted(screen);
    });
}

void CSkinManager::ParseScreenObjects(const tinyxml2::XMLElement* pScreen, SKIN_SCREEN& screen)
{
    SkinXml::ForEachChild(pScreen, "OBJECT", [&](const tinyxml2::XMLElement* e) {
        SKIN_OBJECT temp;
        ParseObject(e, temp);
        screen.m_objects.Add(temp);
    });
}

void CSkinManager::ParseObject(const tinyxml2::XMLElement* pElement, SKIN_OBJECT& dest)
{
    const Attrs a{pElement};
    SKIN_OBJECT o;
    o.m_nId = a.Int("ID");
    o.m_nIndex = a.Int("INDEX");
    o.m_strName = a.Text("NAME");
    o.m_nScreenIdx = a.Int("SCREENIDX");
    o.m_nParentIdx = a.Int("PARENTIDX");
    o.m_nType = ParseObjectType(a.Text("TYPE"));
    o.m_rcObject = ParseRect(a.Text("RECT"));
    o.m_rcSkin = o.m_rcObject;
    o.m_nRound = a.Int("ROUND");
    const CString align = a.Text("ALIGNLTRB");
    if (!align.IsEmpty())
        swscanf(align.GetString(), L"%d,%d,%d,%d", &o.m_nAlign[0], &o.m_nAlign[1], &o.m_nAlign[2], &o.m_nAlign[3]);
    o.m_nAlignIdxL = a.Int("ALIGNIDXL");
    o.m_nAlignIdxT = a.Int("ALIGNIDXT");
    o.m_nAlignIdxR = a.Int("ALIGNIDXR");
    o.m_nAlignIdxB = a.Int("ALIGNIDXB");
    o.m_nMaxWidth = a.Int("MAXWIDTH");
    o.m_nMaxHeight = a.Int("MAXHEIGHT");
    o.m_nVisible = a.Int("VISIBLE");
    o.m_nGone = a.Int("GONE");
    o.m_nTopMost = a.Int("TOPMOST");
    o.m_strColor = a.Text("COLOR");
    o.m_nBorderSize = a.Int("BORDERSIZE");
    o.m_strBorderColor = a.Text("BORDERCOLOR");
    o.m_nMargin = a.Int("MARGIN");
    o.m_nMarginL = a.Int("MARGINL");
    o.m_nMarginT = a.Int("MARGINT");
    o.m_nMarginR = a.Int("MARGINR");
    o.m_nMarginB = a.Int("MARGINB");
    o.m_strMarginColor = a.Text("MARGINCOLOR");
    o.m_strMarginColorL = a.Text("MARGINCOLORL");
    o.m_strMarginColorT = a.Text("MARGINCOLORT");
    o.m_strMarginColorR = a.Text("MARGINCOLORR");
    o.m_strMarginColorB = a.Text("MARGINCOLORB");
    o.m_nPadding = a.Int("PADDING");
    o.m_nPaddingL = a.Int("PADDINGL");
    o.m_nPaddingT = a.Int("PADDINGT");
    o.m_nPaddingR = a.Int("PADDINGR");
    o.m_nPaddingB = a.Int("PADDINGB");
    o.m_clrColor = ParseSkinColor(o.m_strColor);
    o.m_clrBorder = ParseSkinColor(o.m_strBorderColor);
    o.m_clrMargin = ParseSkinColor(o.m_strMarginColor);
    o.m_clrMarginL = ParseSkinColor(o.m_strMarginColorL);
    o.m_clrMarginT = ParseSkinColor(o.m_strMarginColorT);
    o.m_clrMarginR = ParseSkinColor(o.m_strMarginColorR);
    o.m_clrMarginB = ParseSkinColor(o.m_strMarginColorB);
    ParseObjectPart(pElement, o);
    dest = o;
}

void CSkinManager::ParseObjectPart(const tinyxml2::XMLElement* pElement, SKIN_OBJECT& o)
{
    const Attrs a{pElement};
    switch (o.m_nType) {
    case SKINTYPE_BUTTON: {
        SKIN_BUTTON& b = o.m_button;
        b.m_nOverShow = a.Int("BTN_BOVERSHOW");
        ParseFont(pElement, b.m_font, L"BTN_");
        ParseFont(pElement, b.m_fontOver, L"BTN_OVER");
        ParseFont(pElement, b.m_fontDown, L"BTN_DOWN");
        ParseFont(pElement, b.m_fontDim, L"BTN_DIM");
        b.m_nType = a.Int("BTN_TYPE");
        b.m_nType2 = a.Int("BTN_TYPE2");
        b.m_strClrOut = a.Text("BTN_CLROUT");
        b.m_strClrOver = a.Text("BTN_CLROVER");
        b.m_strImageOut = ResolvePath(a.Text("BTN_IMAGEOUT"));
        b.m_strImageOver = ResolvePath(a.Text("BTN_IMAGEOVER"));
        b.m_nImageWidth = a.Int("BTN_IMAGEWIDTH");
        b.m_strText = UnescapeNewline(a.Text("BTN_TEXT"));
        b.m_strTooltip = UnescapeNewline(a.Text("BTN_TOOLTIP"));
        const int split = b.m_strTooltip.Find(L"%COMMA%");
        if (!b.m_strImageOver.IsEmpty() && split >= 0) {
            b.m_strTooltipChecked = b.m_strTooltip.Mid(split + 7);
            b.m_strTooltip = b.m_strTooltip.Left(split);
        }
        b.m_clrOut = ParseSkinColor(b.m_strClrOut);
        b.m_clrOver = ParseSkinColor(b.m_strClrOver);
        b.m_imageOut.m_strPath = b.m_strImageOut;
        b.m_imageOver.m_strPath = b.m_strImageOver;
        break;
    }
    case SKINTYPE_TEXT:
        o.m_text.m_strText = UnescapeNewline(a.Text("TEXT_TEXT"));
        o.m_text.m_strFile = a.Text("TEXT_FILE");
        ParseFont(pElement, o.m_text.m_font, L"STATIC_");
        o.m_text.m_nVCenter = a.Int("VCENTER");
        o.m_text.m_nCopyText = a.Int("COPYTEXT");
        break;
    case SKINTYPE_IMAGE: {
        SKIN_IMAGEPART& p = o.m_image;
        ParseFont(pElement, p.m_font, L"IMAGE_");
        p.m_strText = UnescapeNewline(a.Text("IMAGE_TEXT"));
        p.m_nImageWidth = a.Int("IMAGE_IMAGEWIDTH");
        p.m_nRepeatW = a.Int("IMAGE_REPEAT_W");
        p.m_nRepeatH = a.Int("IMAGE_REPEAT_H");
        p.m_strBgImage = ResolvePath(a.Text("IMAGE_BGIMAGE"));
        p.m_image.m_strPath = p.m_strBgImage;
        ParseFileList(pElement, p.m_files, "IMAGE_FILE");
        break;
    }
    case SKINTYPE_DATE: {
        SKIN_DATE& d = o.m_date;
        ParseFont(pElement, d.m_font, L"DATE_");
        d.m_nDateType = a.Int("DATE_TYPE");
        d.SetDateTime(nullptr, a.Text("SYSTEMTIME"));
        d.m_strFormat = a.Text("DATE_FORMAT");
        ParseFont(pElement, d.m_fontCal, L"DATE_CAL");
        d.m_nShowTitle = a.Int("DATE_SHOW_TITLE");
        d.m_strColorDownRect = a.Text("COLOR_DOWNRECT");
        d.m_strColorBg = a.Text("COLOR_BG");
        d.m_strColorBorder = a.Text("COLOR_BORDER");
        d.m_strColorSelect = a.Text("COLOR_SELECT");
        d.m_strColorTitle = a.Text("COLOR_TITLE");
        d.m_strColorDayOfWeek = a.Text("COLOR_DAYOFWEEK");
        d.m_strColorSunday = a.Text("COLOR_SUNDAY");
        d.m_strColorNormal = a.Text("COLOR_NORMAL");
        d.m_strColorPreNext = a.Text("COLOR_PRENEXT");
        d.m_strLang = a.Text("DATE_LANG");
        d.SetLanguage(d.m_strLang, m_pCommon ? m_pCommon->m_date.m_strLang : CString());
        break;
    }
    case SKINTYPE_CUSTOM:
        ParseCustomList(pElement, o.m_custom, "CUSTOM_LIST");
        break;
    case SKINTYPE_EDIT: {
        SKIN_EDIT& ed = o.m_edit;
        ParseFont(pElement, ed.m_font, L"EDIT_");
        ed.m_strHint = a.Text("HINT_TEXT");
        ParseFont(pElement, ed.m_fontHint, L"EDIT_HINT_");
        ed.m_nMaxLen = a.Int("MAX_LEN");
        ed.m_nAlwaysShow = a.Int("ALWAYS_SHOW");
        ed.m_nVScroll = a.Int("WS_VSCROLL");
        ed.m_nHScroll = a.Int("WS_HSCROLL");
        ed.m_nAutoVScroll = a.Int("ES_AUTOVSCROLL");
        ed.m_nAutoHScroll = a.Int("ES_AUTOHSCROLL");
        ed.m_nMultiLine = a.Int("ES_MULTILINE");
        ed.m_nNumber = a.Int("ES_NUMBER");
        ed.m_nWantReturn = a.Int("ES_WANTRETURN");
        ed.m_nPassword = a.Int("ES_PASSWORD");
        ed.m_nReadOnly = a.Int("ES_READONLY");
        break;
    }
    case SKINTYPE_COMBO: {
        SKIN_COMBO& c = o.m_combo;
        ParseFont(pElement, c.m_font, L"COMBO_");
        c.m_nComboType = a.Int("COMBO_TYPE");
        c.m_strBgImage = ResolvePath(a.Text("COMBO_BGIMAGE"));
        c.m_nImageWidth = a.Int("COMBO_IMAGEWIDTH");
        c.m_nBgButton = a.Int("COMBO_BGBUTTON");
        c.m_nDrawArrow = a.Int("COMBO_DRAWARROW");
        c.m_nSizeW = a.Int("COMBO_SIZE_W");
        c.m_nSizeH = a.Int("COMBO_SIZE_H");
        c.m_nItemH = a.Int("COMBO_ITEM_H");
        c.m_nPadding = a.Int("COMBO_PADDING");
        c.m_nPaddingL = a.Int("COMBO_PADDING_L");
        c.m_nPaddingT = a.Int("COMBO_PADDING_T");
        c.m_nPaddingR = a.Int("COMBO_PADDING_R");
        c.m_nPaddingB = a.Int("COMBO_PADDING_B");
        c.m_nLeftGap = a.Int("COMBO_LEFT_G");
        c.m_nTextGap = a.Int("COMBO_TEXT_G");
        c.m_nImageSize = a.Int("COMBO_IMAGE_SIZE");
        c.SetItems(a.Text("COMBO_DATA"));
        ParseFileList(pElement, c.m_files, "COMBO_IMAGE_FILE");
        ParseFont(pElement, c.m_fontList, L"COMBO_LIST");
        c.m_strColorBg = a.Text("COLOR_BG");
        c.m_strColorBorder = a.Text("COLOR_BORDER");
        c.m_strColorSelect = a.Text("COLOR_SELECT");
        c.m_strColorScrollBg = a.Text("COLOR_SCROLL_BG");
        c.m_strColorScrollBorder = a.Text("COLOR_SCROLL_BORDER");
        c.m_strColorScroll = a.Text("COLOR_SCROLL");
        c.m_strColorLine = a.Text("COLOR_LINE");
        c.m_image.m_strPath = c.m_strBgImage;
        break;
    }
    default:
        break;
    }
}

void CSkinManager::ParseFont(const tinyxml2::XMLElement* pElement, SKIN_FONT& dest, const CString& strSlot)
{
    for (const tinyxml2::XMLElement* e = pElement->FirstChildElement("FONT"); e; e = e->NextSiblingElement("FONT")) {
        if (GetAttribute(e, "NAME") != strSlot)
            continue;
        const Attrs a{e};
        SKIN_FONT temp;
        const int nDefFont = a.Int("DEFFONT");
        if (nDefFont != 0) {
            const SKIN_CUSTOM* entry = m_pCommon ? m_pCommon->m_custom.FindById(nDefFont) : nullptr;
            if (entry) {
                temp = entry->m_font;
                temp.m_nAlign = a.Int("ALIGN");
            }
        } else {
            temp.m_nBold = a.Int("BOLD");
            temp.m_nItalic = a.Int("ITALIC");
            temp.m_nUnderline = a.Int("UNDERLINE");
            temp.m_nStrikeOut = a.Int("STRKIEOUT");
            temp.m_nAlign = a.Int("ALIGN");
            temp.m_nSize = ParseScaledInt(a.Text("SIZE"));
            temp.m_strColor = a.Text("COLOR");
            temp.m_strFaceName = a.Text("FACENAME");
        }
        if (!m_strFace.IsEmpty())
            temp.m_strFaceName.Replace(kMalgunGothic, m_strFace.GetString());
        temp.m_clrText = ParseSkinColor(temp.m_strColor);
        dest = temp;
        return;
    }
}

void CSkinManager::ParseCustomList(const tinyxml2::XMLElement* pElement, CDataCustomList& list, const char* pszName)
{
    SkinXml::ForEachChild(pElement, pszName, [&](const tinyxml2::XMLElement* e) {
        SKIN_CUSTOM entry;
        entry.m_nId = _wtoi(GetAttribute(e, "ID").GetString());
        entry.m_strName = GetAttribute(e, "NAME");
        entry.m_strType = GetAttribute(e, "TYPE");
        entry.m_strValue = GetAttribute(e, "VALUE");
        if (entry.m_strType.CompareNoCase(L"IMAGE") == 0) {
            entry.m_strValue = ResolvePath(entry.m_strValue);
            entry.m_image.m_strPath = entry.m_strValue;
        } else if (entry.m_strType.CompareNoCase(L"FONT") == 0) {
            ParseFont(e, entry.m_font, L"CUSTOM_");
        } else if (entry.m_strType.CompareNoCase(L"INT") == 0) {
            entry.m_strValue = IntToText(ParseScaledInt(entry.m_strValue));
        } else if (entry.m_strType.CompareNoCase(L"RECT") == 0) {
            entry.m_strValue = RectToText(ParseRect(entry.m_strValue));
        }
        list.Add(entry);
    });
}

void CSkinManager::ParseFileList(const tinyxml2::XMLElement* pElement, CDataFileList& list, const char* pszName)
{
    SkinXml::ForEachChild(pElement, pszName, [&](const tinyxml2::XMLElement* e) {
        SKIN_FILE file;
        file.m_strFile = GetAttribute(e, "FILE");
        file.m_image.m_strPath = ResolvePath(file.m_strFile);
        list.Add(file);
    });
}
