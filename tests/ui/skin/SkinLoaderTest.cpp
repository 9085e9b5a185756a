// Reading the skin file: failures reported as "could not load", the element look-ups, screen
// order, fonts with DEFFONT and the face substitution, custom entries and per-type attributes.
#include <gtest/gtest.h>

#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/SkinValues.h"

namespace {

using skintest::LoadFixtureDocument;
using skintest::LoadFixtureSkin;
using skintest::MessageBoxRecorder;

TEST(SkinLoader, FailuresGiveTheirMessageAndResult)
{
    struct Case {
        const char* document;
        BOOL result;
        const wchar_t* message;
    };
    const Case cases[] = {
        {"", FALSE, L"Fail to project open"},
        {"<TSKIN><SCREENLIST>", FALSE, L"Fail to project open"},
        {"not xml at all", FALSE, L"Fail to project open"},
        {"<SKIN><SCREENLIST/></SKIN>", FALSE, L"[TSKIN] Node not found"},
        {"<TSKIN/>", TRUE, L"[ScreenList] Node not found"},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        EXPECT_EQ(LoadFixtureDocument(c.document), c.result) << c.document;
        ASSERT_EQ(boxes.texts.size(), 1u) << c.document;
        EXPECT_EQ(boxes.texts[0], c.message) << c.document;
        EXPECT_EQ(g_SkinManager.m_screens.GetCount(), 0) << c.document;
    }
}

TEST(SkinLoader, MissingFileCannotBeOpened)
{
    MessageBoxRecorder boxes;
    skintest::ResetSkin();
    EXPECT_FALSE(g_SkinManager.LoadSkinFile(L"Z:\\no\\such\\folder\\ZEL.kor.skin"));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], L"Fail to project open");
}

TEST(SkinLoader, ScreenListOutsideTheSkinElementIsStillFound)
{
    MessageBoxRecorder boxes;
    ASSERT_TRUE(LoadFixtureDocument("<ROOT><TSKIN/><SCREENLIST><SCREEN NAME=\"A\" VISIBLE=\"1\"/></SCREENLIST></ROOT>"));
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_NE(g_SkinManager.m_screens.FindByName(L"A"), nullptr);
}

TEST(SkinLoader, ScreensSortByIndexAndTheFirstOfANameWins)
{
    MessageBoxRecorder boxes;
    ASSERT_TRUE(LoadFixtureSkin(LR"(
        <SCREEN ID="1" INDEX="5" NAME="Main"><OBJECT ID="1" NAME="late" TYPE="TEXT"/></SCREEN>
        <SCREEN ID="2" INDEX="2" NAME="Main"><OBJECT ID="1" NAME="first" TYPE="TEXT"/></SCREEN>
        <SCREEN ID="3" INDEX="2" NAME="Other"/>
        <SCREEN ID="4" INDEX="0" NAME="Zero"/>)"));
    const CDataScreenList& screens = g_SkinManager.m_screens;
    ASSERT_EQ(screens.GetCount(), 4);
    const int order[] = {4, 2, 3, 1};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(screens.RecordAtIndex(i)->m_nId, order[i]);
    EXPECT_NE(g_SkinManager.FindObject(L"Main", L"first"), nullptr);
    // Only the first "Main" is searched.
    EXPECT_EQ(g_SkinManager.FindObject(L"Main", L"late"), nullptr);
    EXPECT_EQ(g_SkinManager.FindObject(L"main", L"first"), nullptr);
    SKIN_SCREEN copy;
    EXPECT_EQ(screens.CopyByName(L"Main", nullptr), nullptr);
    EXPECT_EQ(screens.CopyByName(L"Missing", &copy), nullptr);
    EXPECT_TRUE(copy.m_strName.IsEmpty());
    EXPECT_NE(screens.CopyByName(L"Main", &copy), nullptr);
    EXPECT_EQ(copy.m_nId, 2);
}

TEST(SkinLoader, MissingAttributesReadAsZeroAndEmptyNotAsDefaults)
{
    ASSERT_TRUE(LoadFixtureSkin(LR"(<SCREEN NAME="S"><OBJECT ID="1" NAME="o" TYPE="BUTTON" ALIGNLTRB="2,0"/>
        <OBJECT ID="2" NAME="d" TYPE="DATE"/><OBJECT ID="3" NAME="c" TYPE="COMBO"/></SCREEN>)"));
    const SKIN_SCREEN* s = g_SkinManager.m_screens.FindByName(L"S");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->m_nVisible, 0);
    const SKIN_OBJECT* o = s->FindObject(L"o");
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->m_nVisible, 0);
    EXPECT_EQ(o->m_nAlign[0], 2);
    EXPECT_EQ(o->m_nAlign[1], 0);
    EXPECT_EQ(o->m_nAlign[2], 0);
    EXPECT_TRUE(o->m_strColor.IsEmpty());
    const SKIN_OBJECT* d = s->FindObject(L"d");
    EXPECT_TRUE(d->m_date.m_strFormat.IsEmpty());
    EXPECT_EQ(d->m_date.m_nShowTitle, 0);
    EXPECT_EQ(d->m_date.m_time.wYear, 0);
    EXPECT_TRUE(d->m_date.GetText().IsEmpty());
    const SKIN_OBJECT* c = s->FindObject(L"c");
    EXPECT_EQ(c->m_combo.m_nSizeW, 0);
    EXPECT_EQ(c->m_combo.m_nItemH, 0);
}

TEST(SkinLoader, FontsTakeTheirSlotAndDefFontTakesTheCommonEntry)
{
    ASSERT_TRUE(LoadFixtureSkin(LR"(
        <COMMON DATE_LANG="a,b,c,d,e,f,g,AM!,PM!,yyyy">
          <OBJECT NAME="COMMON" TYPE="CUSTOM">
            <CUSTOM_LIST ID="3" NAME="f3" TYPE="FONT"><FONT NAME="CUSTOM_" SIZE="14" BOLD="1" COLOR="112233" FACENAME="맑은 고딕 Semilight" ALIGN="2"/></CUSTOM_LIST>
          </OBJECT>
        </COMMON>
        <SCREEN NAME="S">
          <OBJECT ID="1" NAME="a" TYPE="TEXT"><FONT NAME="STATIC_" DEFFONT="3" SIZE="20" ALIGN="1" COLOR="FFFFFF"/></OBJECT>
          <OBJECT ID="2" NAME="b" TYPE="TEXT"><FONT NAME="STATIC_" DEFFONT="9" SIZE="20"/></OBJECT>
          <OBJECT ID="3" NAME="c" TYPE="TEXT"><FONT NAME="OTHER" SIZE="30"/><FONT NAME="STATIC_" SIZE="10" COLOR="ABCDEF"/><FONT NAME="STATIC_" SIZE="99"/></OBJECT>
          <OBJECT ID="4" NAME="d" TYPE="TEXT"><FONT NAME="STATIC_"/></OBJECT>
          <OBJECT ID="5" NAME="e" TYPE="BUTTON"/>
        </SCREEN>)",
                                1.5f));
    const SKIN_SCREEN* s = g_SkinManager.m_screens.FindByName(L"S");
    const SKIN_FONT& a = s->FindObject(L"a")->m_text.m_font;
    EXPECT_EQ(a.m_nSize, 21);   // the entry's 14 at 1.5, not 20
    EXPECT_EQ(a.m_nAlign, 1);   // only ALIGN of the naming element
    EXPECT_EQ(a.m_nBold, 1);
    EXPECT_EQ(a.m_strColor, CString(L"112233"));
    EXPECT_EQ(a.m_clrText, RGB(0x11, 0x22, 0x33));
    const SKIN_FONT& b = s->FindObject(L"b")->m_text.m_font;
    EXPECT_EQ(b.m_nSize, 12);   // no such entry: the plain default font
    EXPECT_EQ(b.m_strFaceName, CString(SKIN_DEFAULT_FACE));
    EXPECT_EQ(b.m_nAlign, 1);
    const SKIN_FONT& c = s->FindObject(L"c")->m_text.m_font;
    EXPECT_EQ(c.m_nSize, 15);
    EXPECT_EQ(c.m_clrText, RGB(0xAB, 0xCD, 0xEF));
    const SKIN_FONT& d = s->FindObject(L"d")->m_text.m_font;
    EXPECT_EQ(d.m_nSize, 0);
    EXPECT_TRUE(d.m_strFaceName.IsEmpty());
    EXPECT_TRUE(d.m_strColor.IsEmpty());
    EXPECT_EQ(d.m_nAlign, 0);
    const SKIN_BUTTON& e = s->FindObject(L"e")->m_button;
    EXPECT_EQ(e.m_font.m_strColor, CString(L"000000"));
    EXPECT_TRUE(e.m_fontOver.m_strColor.IsEmpty());
    EXPECT_TRUE(e.m_fontDim.m_strColor.IsEmpty());
}

TEST(SkinLoader, FaceSubstitutionReplacesTheDefaultFaceOnly)
{
    const std::wstring body = LR"(<SCREEN NAME="S">
        <OBJECT ID="1" NAME="a" TYPE="TEXT"><FONT NAME="STATIC_" FACENAME="맑은 고딕"/></OBJECT>
        <OBJECT ID="2" NAME="b" TYPE="TEXT"><FONT NAME="STATIC_" FACENAME="Tahoma"/></OBJECT></SCREEN>)";
    skintest::ResetSkin();
    const std::wstring path = skintest::FixtureFolder() + L"\\face.skin";
    zeltest::WriteFileBytes(path, "<TSKIN><SCREENLIST>" + zeltest::Narrow(body) + "</SCREENLIST></TSKIN>");
    g_SkinManager.SetProgramFolder((skintest::FixtureFolder() + L"\\").c_str());
    ASSERT_TRUE(g_SkinManager.LoadSkin(L"face.skin", 1.0f, L"맑은고딕"));
    EXPECT_EQ(g_SkinManager.FindObject(L"S", L"a")->m_text.m_font.m_strFaceName, CString(L"맑은고딕"));
    EXPECT_EQ(g_SkinManager.FindObject(L"S", L"b")->m_text.m_font.m_strFaceName, CString(L"Tahoma"));
    g_SkinManager.m_strFace = L"";
}

TEST(SkinLoader, CustomEntriesByKind)
{
    ASSERT_TRUE(LoadFixtureSkin(LR"(<SCREEN NAME="S"><OBJECT ID="1" NAME="c" TYPE="custom">
        <CUSTOM_LIST ID="1" NAME="n" TYPE="int" VALUE="7"/>
        <CUSTOM_LIST ID="2" NAME="r" TYPE="RECT" VALUE="10,20,101,31"/>
        <CUSTOM_LIST ID="3" NAME="i" TYPE="Image" VALUE="$(TARGETDIR)\pic.png"/>
        <CUSTOM_LIST ID="4" NAME="CSS_DISPLAY:" TYPE="" VALUE="FLEX"/>
        <CUSTOM_LIST ID="x5" NAME="t" TYPE="TEXT" VALUE=" as written "/></OBJECT></SCREEN>)",
                                1.25f));
    const SKIN_OBJECT* c = g_SkinManager.FindObject(L"S", L"c");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetCustomValue(L"n"), CString(L"8"));
    EXPECT_EQ(c->GetCustomValue(L"r"), CString(L"12,25,126,38"));
    EXPECT_EQ(c->GetCustomValue(L"i"), CString((skintest::FixtureFolder() + L"\\pic.png").c_str()));
    EXPECT_EQ(c->FindCustom(L"i")->m_image.m_strPath, c->GetCustomValue(L"i"));
    EXPECT_EQ(c->GetCustomValue(L"css_display:"), CString(L"FLEX"));
    EXPECT_EQ(c->GetCustomValue(L"t"), CString(L" as written "));
    EXPECT_EQ(c->m_custom.GetNameAt(4), CString(L"t"));
    EXPECT_EQ(c->m_custom.FindById(0)->m_strName, CString(L"t"));   // "x5" reads as 0
    EXPECT_TRUE(c->GetCustomValue(L"missing").IsEmpty());
}

TEST(SkinLoader, CommonObjectWithoutCustomTypeGivesNoEntriesAndTheLanguageFallsBack)
{
    ASSERT_TRUE(LoadFixtureSkin(LR"(<COMMON><OBJECT NAME="COMMON"><CUSTOM_LIST ID="1" NAME="x" VALUE="1"/></OBJECT></COMMON>
        <SCREEN NAME="S"><OBJECT ID="1" NAME="d" TYPE="DATE" DATE_FORMAT="|t h" SYSTEMTIME="2024-03-05 14:07"/>
        <OBJECT ID="2" NAME="own" TYPE="DATE" DATE_LANG="일,월,화,수,목,금,토,오전,오후" DATE_FORMAT="|t h" SYSTEMTIME="2024-03-05 14:07"/></SCREEN>)"));
    ASSERT_NE(g_SkinManager.m_pCommon, nullptr);
    EXPECT_EQ(g_SkinManager.m_pCommon->m_custom.GetCount(), 0);
    EXPECT_EQ(g_SkinManager.FindObject(L"S", L"d")->m_date.GetTimeText(), CString(L"PM 2"));
    EXPECT_EQ(g_SkinManager.FindObject(L"S", L"own")->m_date.GetTimeText(), CString(L"오후 2"));

    // Without COMMON the Korean list serves.
    ASSERT_TRUE(LoadFixtureSkin(LR"(<SCREEN NAME="S"><OBJECT ID="1" NAME="d" TYPE="DATE" DATE_FORMAT="|t h" SYSTEMTIME="2024-03-05 09:07"/></SCREEN>)"));
    EXPECT_EQ(g_SkinManager.FindObject(L"S", L"d")->m_date.GetTimeText(), CString(L"오전 9"));
}

TEST(SkinLoader, ButtonTooltipSplitsOnlyForToggleButtons)
{
    ASSERT_TRUE(LoadFixtureSkin(LR"(<SCREEN NAME="S">
        <OBJECT ID="1" NAME="plain" TYPE="BUTTON" BTN_TOOLTIP="one%COMMA%two" BTN_TEXT="a\nb"/>
        <OBJECT ID="2" NAME="toggle" TYPE="BUTTON" BTN_TOOLTIP="one%COMMA%two%COMMA%three" BTN_IMAGEOVER="$(TARGETDIR)\on.png"/>
        <OBJECT ID="3" NAME="colour" TYPE="BUTTON" BTN_CLROVER="FF0000" BTN_TOOLTIP="x%COMMA%y"/></SCREEN>)"));
    const SKIN_BUTTON& plain = g_SkinManager.FindObject(L"S", L"plain")->m_button;
    EXPECT_EQ(plain.m_strTooltip, CString(L"one%COMMA%two"));
    EXPECT_TRUE(plain.m_strTooltipChecked.IsEmpty());
    EXPECT_EQ(plain.m_strText, CString(L"a\nb"));
    EXPECT_FALSE(plain.IsToggle());
    const SKIN_BUTTON& toggle = g_SkinManager.FindObject(L"S", L"toggle")->m_button;
    EXPECT_EQ(toggle.m_strTooltip, CString(L"one"));
    EXPECT_EQ(toggle.m_strTooltipChecked, CString(L"two%COMMA%three"));
    EXPECT_EQ(toggle.m_imageOver.m_strPath, CString((skintest::FixtureFolder() + L"\\on.png").c_str()));
    EXPECT_TRUE(toggle.IsToggle());
    const SKIN_BUTTON& colour = g_SkinManager.FindObject(L"S", L"colour")->m_button;
    EXPECT_TRUE(colour.IsToggle());
    EXPECT_EQ(colour.m_strTooltip, CString(L"x%COMMA%y"));
    EXPECT_EQ(colour.m_clrOver, RGB(255, 0, 0));
}

TEST(SkinLoader, ScaledScreenAndObjectValues)
{
    ASSERT_TRUE(LoadFixtureSkin(LR"(<SCREEN NAME="S" RECT="0,0,400,300" MINCX="101" MINCY="7" BORDERSIZE="3" ROUND="9">
        <OBJECT ID="1" NAME="o" TYPE="TEXT" RECT="10,20,101,31" MAXWIDTH="100" MARGIN="3"/></SCREEN>)",
                                1.25f));
    const SKIN_SCREEN* s = g_SkinManager.m_screens.FindByName(L"S");
    EXPECT_TRUE(s->m_rcScreen.EqualRect(CRect(0, 0, 500, 375)));
    EXPECT_EQ(s->m_nMinCx, 126);
    EXPECT_EQ(s->m_nMinCy, 8);
    EXPECT_EQ(s->m_nBorderSize, 3);   // stored as written
    EXPECT_EQ(s->m_nRound, 9);
    const SKIN_OBJECT* o = s->FindObject(L"o");
    EXPECT_TRUE(o->m_rcObject.EqualRect(CRect(12, 25, 138, 63)));
    EXPECT_TRUE(o->m_rcSkin.EqualRect(o->m_rcObject));
    EXPECT_EQ(o->m_nMaxWidth, 100);
    EXPECT_EQ(o->m_nMargin, 3);
}

TEST(SkinLoader, ASecondLoadAddsItsScreensAfterTheFirst)
{
    ASSERT_TRUE(LoadFixtureSkin(LR"(<SCREEN NAME="S" ID="1"/>)"));
    const std::wstring path = skintest::FixtureFolder() + L"\\second.skin";
    zeltest::WriteFileBytes(path, "<TSKIN><SCREENLIST><SCREEN NAME=\"S\" ID=\"2\"/><SCREEN NAME=\"T\"/></SCREENLIST></TSKIN>");
    ASSERT_TRUE(g_SkinManager.LoadSkinFile(path.c_str()));
    EXPECT_EQ(g_SkinManager.m_screens.GetCount(), 3);
    EXPECT_EQ(g_SkinManager.m_screens.FindByName(L"S")->m_nId, 1);
}

} // namespace
