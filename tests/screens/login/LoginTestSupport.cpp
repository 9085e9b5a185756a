#include "tests/screens/login/LoginTestSupport.h"

#include "core/LoginManager.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "platform/ResourceHandle.h"
#include "platform/WinThread.h"
#include "resources/resource.h"
#include "screens/login/SavedLogin.h"
#include "tests/platform/UiTestSupport.h"

namespace logintest {

ResourceLibrary* LoginWindowTest::s_pResources = nullptr;

void LoginWindowTest::SetUpTestSuite()
{
    EndToEndTest::SetUpTestSuite();
    s_pResources = new ResourceLibrary(L"Res_Kor.dll");
}

void LoginWindowTest::TearDownTestSuite()
{
    delete s_pResources;
    s_pResources = nullptr;
    EndToEndTest::TearDownTestSuite();
}

void LoginWindowTest::SetUp()
{
    EndToEndTest::SetUp();
    ASSERT_TRUE(s_pResources && s_pResources->Module()) << "Res_Kor.dll did not load";
    ClearSavedLogin();
    CSettingManager* settings = CSettingManager::GetInstance();
    settings->SetZELAddress(L"127.0.0.1");
    settings->SetZELPort(ServerPort(PORT_TAS));
    settings->SetTMSAddress(L"127.0.0.1");
    settings->SetTMSPort(ServerPort(PORT_HTTP));
    settings->SetTPCAddress(L"127.0.0.1");
    settings->SetTPCPort(ServerPort(PORT_PUSH));
    settings->SetUseHttps(0);
    CTasClientManager* tas = CTasClientManager::GetInstance();
    _CLIENT_TIMINGS timings = tas->GetTimings();
    timings.dwIdleTimeout = 1500;
    timings.dwBackoffFirst = 100;
    tas->SetTimings(timings);
    ASSERT_TRUE(tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
    SLoginShellHooks hooks;
    hooks.runServerSettings = [this](BOOL bDefaults) {
        ++m_nSettingsCalls;
        m_nSettingsDefaultsEnabled = bDefaults;
        if (m_onSettings) m_onSettings();
        return m_nSettingsAnswer;
    };
    SetLoginShellHooks(hooks);
}

void LoginWindowTest::TearDown()
{
    CWnd::SetModalLoopHook(nullptr);
    SetLoginShellHooks(SLoginShellHooks());
    CTasClientManager::DestroyInstance();
    CSettingManager::DestroyInstance();
    EndToEndTest::TearDown();
}

SLoginRunResult LoginWindowTest::Run(const std::function<void(CLoginDlgLayer&)>& script)
{
    uitest::Watchdog watchdog(40000);
    bool bRan = false;
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        CLoginDlgLayer* dlg = dynamic_cast<CLoginDlgLayer*>(wnd);
        if (!dlg || bRan) return;
        bRan = true;
        script(*dlg);
        if (::IsWindow(dlg->GetSafeHwnd()) && dlg->ContinueModal()) dlg->SendMessage(WM_CLOSE);
    });
    const SLoginRunResult result = RunLoginWindow(nullptr);
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_FALSE(watchdog.Fired()) << "the login window hung";
    return result;
}

void LoginWindowTest::TypeCredentials(CLoginDlgLayer& dlg, const wchar_t* id, const wchar_t* password)
{
    Type(Item(dlg, IDC_LOGIN_ID), id);
    Type(Item(dlg, IDC_LOGIN_PASSWORD), password);
}

void LoginWindowTest::LoginRule(const Json::Value& extra)
{
    Json::Value rule = extra;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "M00000001";
    if (!rule.isMember("count")) rule["count"] = 1;
    Control(rule);
}

}  // namespace logintest
