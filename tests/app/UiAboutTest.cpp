// The about box as a real window: its texts and size, a drag from the surface or a corner, and
// the support menu only over the build number.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/AboutDlg.h"
#include "core/ProgramGlobals.h"
#include "tests/app/AppTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

int g_menuShown = 0;
UINT ChooseLog(HMENU) { ++g_menuShown; return 32801; }
CString g_launched;
void RecordLaunch(const CString& file, const CString& params) { g_launched = file + params; }

TEST(AboutDlg, SupportMenuOnlyOverTheBuildNumber)
{
    apptest::LanguageLibrary language(L"Kor");
    ASSERT_TRUE(language.IsLoaded());
    skintest::EnsureGdiplus();
    g_strAppVersion = L"4.2.0.0";
    CAboutDlg::SetChooserForTest(ChooseLog);
    CAboutDlg::SetLauncherForTest(RecordLaunch);
    CAboutDlg dlg;
    const INT_PTR result = apptest::RunModal<CAboutDlg>(dlg, [&](CAboutDlg& d) {
        CRect rc;
        d.GetClientRect(&rc);
        EXPECT_EQ(rc.Width(), 305);
        EXPECT_EQ(rc.Height(), 177);
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"AboutDlg"));
        d.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(20, 150));
        EXPECT_EQ(g_menuShown, 0);
        d.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(150, 78));
        EXPECT_EQ(g_menuShown, 1);
        EXPECT_NE(g_launched.Find(L"ZELLog.exe show"), -1);
        EXPECT_EQ(CFramedDialog::HitCodeAt(CPoint(3, 3), rc), HTTOPLEFT);
        EXPECT_EQ(CFramedDialog::HitCodeAt(CPoint(300, 172), rc), HTBOTTOMRIGHT);
        EXPECT_EQ(CFramedDialog::HitCodeAt(CPoint(150, 90), rc), HTCAPTION);
        d.m_btnClose.SendMessage(BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    CAboutDlg::SetChooserForTest(nullptr);
    CAboutDlg::SetLauncherForTest(nullptr);
}

}  // namespace
