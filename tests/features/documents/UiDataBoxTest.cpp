// The data box window on a machine without an HTML control (as under this test system): the
// page's address is built and logged, the view says the page cannot be shown, and the page's
// script calls end the window as they would with a page.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "core/SettingManager.h"
#include "features/documents/WebPageViews.h"
#include "tests/features/documents/DocViewerTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"

namespace {

class StandInDataBoxHost : public IDataBoxHost {
public:
    CString GetCurrentMeetingId() override { return L"M2027-01"; }
    void RefreshCurrentScreen() override { ++refreshes; }
    int refreshes = 0;
};

class DataBox : public ::testing::Test {
protected:
    void TearDown() override { CWnd::SetModalLoopHook(nullptr); }

    // Runs the data box; while it shows, the page calls the named method of window.external.
    INT_PTR RunWithPageCall(const wchar_t* method, bool screenshot = false)
    {
        CINoteFileAdd dialog(&m_host, nullptr);
        CWnd::SetModalLoopHook([&](CWnd*) {
            if (screenshot) {
                dialog.UpdateWindow();
                zeltest::PumpFor(50);
                m_saved = ctltest::SaveScreenshot(&dialog, L"DataBox");
            }
            m_hasBrowser = dialog.GetView()->HasBrowser();
            m_url = dialog.GetUrl();
            CScriptExternal& external = dialog.GetView()->External();
            LPOLESTR names[] = {const_cast<LPOLESTR>(method)};
            DISPID id = DISPID_UNKNOWN;
            ASSERT_EQ(external.GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
            DISPPARAMS none = {nullptr, nullptr, 0, 0};
            external.Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
        });
        return dialog.DoModal();
    }

    doctest::KoreanResources m_resources;
    StandInDataBoxHost m_host;
    bool m_hasBrowser = true;
    bool m_saved = false;
    CString m_url;
};

TEST_F(DataBox, ClosingFromThePageRefreshesNothing)
{
    ASSERT_TRUE(m_resources.Loaded());
    EXPECT_EQ(RunWithPageCall(L"databoxCloseDlg", true), IDCANCEL);
    EXPECT_EQ(m_host.refreshes, 0);
    EXPECT_FALSE(m_hasBrowser);
    EXPECT_TRUE(m_saved);
    EXPECT_GE(m_url.Find(L"actionFlag=databox&mtngId=M2027-01&sawonNo="), 0);
    const CString start = CSettingManager::GetInstance()->GetUseHttps() ? L"https://" : L"http://";
    EXPECT_EQ(m_url.Left(start.GetLength()), start);
}

TEST_F(DataBox, ReloadAndUserInfoRefreshTheScreenFirst)
{
    ASSERT_TRUE(m_resources.Loaded());
    EXPECT_EQ(RunWithPageCall(L"setReload"), IDCANCEL);
    EXPECT_EQ(m_host.refreshes, 1);
    EXPECT_EQ(RunWithPageCall(L"setUserInfo"), IDCANCEL);
    EXPECT_EQ(m_host.refreshes, 2);
}

}  // namespace
