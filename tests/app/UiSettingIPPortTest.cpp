// The server address dialog as a real window: the stored values at opening, the defaults button
// following the fields, the checks before saving (ports digits only, 1..65535) and the save into
// the settings store, the registry and "setting.ini".
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/SettingIPPortDlg.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "tests/app/AppTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/controls/PopupAnswer.h"

namespace {

CString Resolve(const CString& host) { return host == L"tas.example" ? CString(L"10.1.2.3") : CString(L"0.0.0.0"); }

class SettingIPPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skintest::EnsureGdiplus();
        ASSERT_TRUE(language.IsLoaded());
        g_ApplicationLog.InitAppData(L"TALVORA", L"Brindlecast");
        CSettingManager* p = CSettingManager::GetInstance();
        p->Load();
        p->SetZELAddress(L"192.168.0.10");
        p->SetZELPort(16302);
        p->SetTMSAddress(L"192.168.0.10");
        p->SetTMSPort(16304);
        p->SetTPCAddress(L"192.168.0.10");
        p->SetTPCPort(16301);
        CSettingIPPortDlg::SetResolverForTest(Resolve);
        SetPopupAnswerHook([this](const POPUP_QUESTION& q) {
            popups.push_back(q.strText.GetString());
            return 1;
        });
    }
    void TearDown() override
    {
        SetPopupAnswerHook(nullptr);
        CSettingIPPortDlg::SetResolverForTest(nullptr);
        CSettingManager::DestroyInstance();
    }
    static void Type(CZELEditCtrl& e, const wchar_t* text) { e.SetText(text); }
    static CString Text(UINT id)
    {
        CString s;
        s.LoadString(id);
        s.Replace(L"\n", L"");
        return s;
    }
    apptest::LanguageLibrary language{L"Kor"};
    std::vector<std::wstring> popups;
};

TEST_F(SettingIPPortTest, PortsMustBeWholeNumbersFromOneTo65535AndASaveStoresEverywhere)
{
    CSettingIPPortDlg dlg;
    dlg.SetDefaultButtonEnabled(TRUE);
    const INT_PTR result = apptest::RunModal<CSettingIPPortDlg>(dlg, [&](CSettingIPPortDlg& d) {
        CString value;
        d.m_edit[1].GetWindowText(value);
        EXPECT_EQ(value, CString(L"16302"));
        EXPECT_TRUE(d.m_btnDefault.IsWindowEnabled());
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"SettingIPPortDlg"));
        for (const wchar_t* bad : {L"0", L"65536", L"12ab", L"abc"}) {
            Type(d.m_edit[3], bad);
            d.m_btnSave.SendMessage(BM_CLICK, 0, 0);
            EXPECT_TRUE(d.ContinueModal()) << CStringA(bad).GetString();
        }
        Type(d.m_edit[3], L"65535");
        Type(d.m_edit[2], L"tas.example");   // a name that resolves is kept as typed
        d.m_btnSave.SendMessage(BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(popups.size(), 5u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(popups[i], std::wstring(L"주소 또는 포트가 올바르지 않습니다. 포트는 1에서 65535 사이의 숫자입니다."));
    EXPECT_EQ(popups[4], std::wstring(L"서버 설정을 저장했습니다."));
    CSettingManager* p = CSettingManager::GetInstance();
    EXPECT_EQ(p->GetTMSPort(), 65535);
    EXPECT_EQ(p->GetTMSAddress(), CString(L"tas.example"));
    const CString ini = p->GetSettingIniPath();
    EXPECT_EQ(::GetPrivateProfileIntW(L"TMS", L"port", 0, ini), 65535u);
    wchar_t ip[64] = {};
    ::GetPrivateProfileStringW(L"TMS", L"ip", L"", ip, 64, ini);
    EXPECT_STREQ(ip, L"tas.example");
}

TEST_F(SettingIPPortTest, DefaultsButtonFollowsTheFieldsAndFillsOnlyFieldsWithInput)
{
    CSettingManager::GetInstance()->SetTPCAddress(L"");
    CSettingIPPortDlg dlg;
    apptest::RunModal<CSettingIPPortDlg>(dlg, [&](CSettingIPPortDlg& d) {
        EXPECT_FALSE(d.m_btnDefault.IsWindowEnabled()) << "opened for unusable values";
        EXPECT_TRUE(d.m_edit[4].IsHintShown());
        Type(d.m_edit[0], L"10.0.0.1");
        EXPECT_TRUE(d.m_btnDefault.IsWindowEnabled());
        d.m_btnDefault.SendMessage(BM_CLICK, 0, 0);
        CString value;
        d.m_edit[0].GetWindowText(value);
        EXPECT_EQ(value, CString(CSettingManager::DEFAULT_SERVER_ADDRESS));
        EXPECT_TRUE(d.m_edit[4].IsHintShown()) << "a field with its hint keeps it";
        d.m_btnSave.SendMessage(BM_CLICK, 0, 0);   // still one field empty
        EXPECT_TRUE(d.ContinueModal());
        MSG enter = {d.m_edit[0].m_hWnd, WM_KEYDOWN, VK_RETURN, 0};
        EXPECT_TRUE(d.PreTranslateMessage(&enter));
        MSG esc = {d.m_edit[0].m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0};
        EXPECT_TRUE(d.PreTranslateMessage(&esc));
        d.m_btnClose.SendMessage(BM_CLICK, 0, 0);
    });
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[0], std::wstring(L"기본값으로 채웠습니다. 저장을 눌러야 적용됩니다."));
    EXPECT_EQ(popups[1], std::wstring(L"입력하지 않은 항목이 있습니다. 모든 항목을 입력해 주십시오."));
    EXPECT_EQ(CSettingManager::GetInstance()->GetTPCAddress(), CString(L"")) << "nothing saved";
}

}  // namespace
