// The announcement dialog as a real window: the notice's text, OK and close, and the
// "do not show again" box read after OK.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/AnnouncementDlg.h"
#include "tests/app/AppTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

class AnnouncementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(language.IsLoaded());
        ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
    }
    apptest::LanguageLibrary language{L"Kor"};
};

TEST_F(AnnouncementTest, OkWithTheBoxTickedAsksNotToShowAgain)
{
    CAnnouncementDlg dlg;
    dlg.SetContent(L"시스템 점검 안내\n12월 20일 22시부터 2시간 동안 회의 시스템을 점검합니다.");
    const INT_PTR result = apptest::RunModal<CAnnouncementDlg>(dlg, [&](CAnnouncementDlg& d) {
        ASSERT_NE(d.m_pAnnouncement, nullptr);
        EXPECT_EQ(d.m_pAnnouncement->m_text.m_strText, d.m_strContent);
        MINMAXINFO mmi = {};
        d.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
        EXPECT_EQ(mmi.ptMinTrackSize.x, d.m_Screen.m_nMinCx);
        apptest::ClickObject(&d, d.m_pBtnCheck);
        EXPECT_EQ(d.m_bDontShowAgain, 1);
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"AnnouncementDlg"));
        apptest::ClickObject(&d, d.m_pBtnOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_bDontShowAgain, 1);
}

TEST_F(AnnouncementTest, CloseAndEscapeCancelAndEnterDoesNothing)
{
    CAnnouncementDlg dlg;
    const INT_PTR result = apptest::RunModal<CAnnouncementDlg>(dlg, [&](CAnnouncementDlg& d) {
        d.SendMessage(WM_COMMAND, IDOK, 0);   // Enter
        EXPECT_TRUE(d.ContinueModal());
        apptest::ClickObject(&d, d.m_pBtnClose);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.m_bDontShowAgain, 0);
}

}  // namespace
