// The time keeper dialog as a real window: what the registry holds decides its opening state,
// OK stores the switch and the choice, Cancel and the close button store nothing.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/TimeKeeperDlg.h"
#include "tests/app/AppTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

DWORD ReadValue(const wchar_t* name, DWORD missing = 0xDEAD)
{
    DWORD value = 0, size = sizeof value;
    if (::RegGetValueW(HKEY_CURRENT_USER, TIME_KEEPER_REG_KEY, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return missing;
    return value;
}

class TimeKeeperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skintest::EnsureGdiplus();
        ASSERT_TRUE(language.IsLoaded());
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, TIME_KEEPER_REG_KEY, L"KeeperUse");
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, TIME_KEEPER_REG_KEY, L"TimeInfo");
        ::RegDeleteKeyW(HKEY_CURRENT_USER, TIME_KEEPER_REG_KEY);
    }
    static void Click(CWnd& button) { button.SendMessage(BM_CLICK, 0, 0); }
    apptest::LanguageLibrary language{L"Kor"};
};

TEST_F(TimeKeeperTest, FirstOpeningWithoutTheKeyThenUncheckAndOk)
{
    CTimeKeeperDlg dlg;
    const INT_PTR result = apptest::RunModal<CTimeKeeperDlg>(dlg, [&](CTimeKeeperDlg& d) {
        EXPECT_EQ(d.m_chkUse.GetCheck(), BST_CHECKED);
        ASSERT_NE(d.m_pTimeCombo, nullptr);
        EXPECT_TRUE(d.m_pTimeCombo->IsWindowEnabled());
        EXPECT_EQ(d.m_pTimeCombo->GetCurSel(), 0);
        EXPECT_EQ(d.m_pTimeCombo->GetCount(), 5);
        CRect rc;
        d.GetClientRect(&rc);
        EXPECT_EQ(rc.Width(), 303);
        EXPECT_EQ(rc.Height(), 205);
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"TimeKeeperDlg"));
        d.m_pTimeCombo->SetCurSel(2);
        Click(d.m_chkUse);
        EXPECT_FALSE(d.m_pTimeCombo->IsWindowEnabled());
        // The label of the choice is painted in the lighter, disabled colour.
        skintest::Snapshot shot(&d);
        EXPECT_GT(shot.Count(CRect(17, 125, 100, 142), RGB(0xC9, 0xC9, 0xC9)), 0);
        Click(d.m_btnOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadValue(L"KeeperUse"), 0u);
    EXPECT_EQ(ReadValue(L"TimeInfo"), 2u);
}

TEST_F(TimeKeeperTest, KeyWithoutTheSwitchValueOpensSwitchedOff)
{
    CTimeKeeperDlg::SaveSetting(1, 3);
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, TIME_KEEPER_REG_KEY, L"KeeperUse");
    CTimeKeeperDlg dlg;
    apptest::RunModal<CTimeKeeperDlg>(dlg, [&](CTimeKeeperDlg& d) {
        EXPECT_EQ(d.m_chkUse.GetCheck(), BST_UNCHECKED);
        EXPECT_FALSE(d.m_pTimeCombo->IsWindowEnabled());
        EXPECT_EQ(d.m_pTimeCombo->GetCurSel(), 3);
        d.EndDialog(IDCANCEL);
    });
}

TEST_F(TimeKeeperTest, CancelAndCloseStoreNothing)
{
    CTimeKeeperDlg::SaveSetting(1, 1);
    for (int closeButton = 0; closeButton < 2; ++closeButton) {
        CTimeKeeperDlg dlg;
        const INT_PTR result = apptest::RunModal<CTimeKeeperDlg>(dlg, [&](CTimeKeeperDlg& d) {
            Click(d.m_chkUse);
            d.m_pTimeCombo->SetCurSel(4);
            Click(closeButton ? d.m_btnClose : d.m_btnCancel);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(ReadValue(L"KeeperUse"), 1u);
        EXPECT_EQ(ReadValue(L"TimeInfo"), 1u);
        EXPECT_EQ(dlg.m_pTimeCombo, nullptr) << "the combo goes with the window";
    }
}

}  // namespace
