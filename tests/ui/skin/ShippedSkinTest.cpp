// The skin shipped beside the programs: it loads, and holds every screen and object the client
// looks up, with the right types and existing pictures.
#include <gtest/gtest.h>

#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/SkinLookups.h"

namespace {

TEST(ShippedSkin, LoadsWithoutAMessage)
{
    skintest::MessageBoxRecorder boxes;
    ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_GT(g_SkinManager.m_screens.GetCount(), 0);
    ASSERT_NE(g_SkinManager.m_pCommon, nullptr);
    EXPECT_GT(g_SkinManager.m_pCommon->m_custom.GetCount(), 0);
}

TEST(ShippedSkin, HoldsEveryNameTheClientLooksUp)
{
    ASSERT_TRUE(skintest::LoadShippedSkin(1.25f));
    CStringArray problems;
    const int count = CheckSkinLookups(g_SkinManager, problems);
    for (INT_PTR i = 0; i < problems.GetSize(); ++i)
        ADD_FAILURE() << CStringA(problems[i]).GetString();
    EXPECT_EQ(count, 0);
}

TEST(ShippedSkin, FacesAreSubstitutedAndFontsComeFromTheCommonEntries)
{
    ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
    const SKIN_OBJECT* ok = g_SkinManager.FindObject(L"AnnouncementDlg", L"btnOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->m_button.m_font.m_strFaceName, CString(L"맑은고딕"));
    EXPECT_EQ(ok->m_button.m_font.m_nBold, 1);
    EXPECT_EQ(ok->m_button.m_font.m_clrText, RGB(255, 255, 255));
}

TEST(ShippedSkin, TheCheckFindsMistakes)
{
    ASSERT_TRUE(skintest::LoadFixtureSkin(LR"(<SCREEN NAME="Main"><OBJECT ID="1" NAME="menuCopyText" TYPE="TEXT"/></SCREEN>
        <SCREEN NAME="SettingPush"><OBJECT ID="1" NAME="btnAlarm" TYPE="BUTTON" VISIBLE="1"/>
        <OBJECT ID="2" NAME="dateStart" TYPE="DATE" VISIBLE="1" DATE_FORMAT="h:mm"/>
        <OBJECT ID="3" NAME="btnMon" TYPE="BUTTON" VISIBLE="1" BTN_IMAGEOUT="$(TARGETDIR)\missing.png" BTN_CLROVER="00FF00"/></SCREEN>)"));
    CStringArray problems;
    CheckSkinLookups(g_SkinManager, problems);
    auto has = [&](const wchar_t* text) {
        for (INT_PTR i = 0; i < problems.GetSize(); ++i)
            if (problems[i].Find(text) >= 0)
                return true;
        return false;
    };
    EXPECT_TRUE(has(L"Main/menuCopyText: type 5, expected 17"));
    EXPECT_TRUE(has(L"object missing: Main/menuTitleLayer"));
    EXPECT_TRUE(has(L"screen missing: PopupMenu"));
    EXPECT_TRUE(has(L"SettingPush/btnAlarm: not a toggle button"));
    EXPECT_TRUE(has(L"SettingPush/dateStart: DATE_FORMAT"));
    EXPECT_TRUE(has(L"SettingPush/btnMon: picture not found"));
    EXPECT_FALSE(has(L"SettingPush/btnMon: not a toggle"));
}

} // namespace
