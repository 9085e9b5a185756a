// The ways into the login window that the client's own flow does not start: the single sign-on
// check window against the server's sign-on message, the local VPN agent's log-in, and the
// embedded browser's window closed after an outside signer confirmed the log-in.
#include <gtest/gtest.h>

#include "core/LoginManager.h"
#include "core/SettingManager.h"
#include "resources/resource.h"
#include "screens/login/SingleSignOn.h"
#include "tests/screens/login/FakeAgent.h"
#include "tests/screens/login/LoginTestSupport.h"

using namespace logintest;

namespace {

class UiLoginOutsideTest : public LoginWindowTest {};

// Runs the check window with a page text; its timers are started as a page view would.
INT_PTR RunCheck(const CString& page, int nPort, UINT_PTR timer = 1, bool bUse = false)
{
    zeltest::TempDir dir;
    if (bUse) WritePrivateProfileStringW(L"SSO", L"use", L"1", dir.File(L"setting.ini").c_str());
    CSSOCheckDlg check;
    check.LoadSettings(dir.File(L"setting.ini").c_str());
    check.SetPageTextSource([page] { return page; });
    check.SetServer(L"127.0.0.1", nPort);
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        if (wnd == &check) check.SetTimer(timer, 10);
    });
    const INT_PTR result = check.DoModal();
    CWnd::SetModalLoopHook(nullptr);
    return result;
}

TEST_F(UiLoginOutsideTest, SignOnPageLogsInWithTheEmployeeNumber)
{
    EXPECT_EQ(RunCheck(L"<p>isLogin=success&emp_id=kim</p>", ServerPort(PORT_TAS)), IDCANCEL)
        << "the server refuses a login it does not know (status 16)";
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    CString unknown;
    unknown.LoadString(IDS_LOGIN_WRONG_PASSWORD);
    EXPECT_STREQ(m_boxes.Texts()[0].c_str(), unknown);
    const Json::Value frames = Frames("tas", nullptr, "G00000001");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0]["body"]["sawonNo"].asString(), "C1kim</p>");
    EXPECT_EQ(frames[0]["body"]["isSSO"].asBool(), true);
    EXPECT_EQ(frames[0]["body"]["appType"].asString(), "6");
}

TEST_F(UiLoginOutsideTest, SignOnCheckStoresTheSessionOfAKnownEmployee)
{
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "G00000001";
    rule["status"] = 0;
    Json::Value body;
    body["userProfile"] = "p";
    body["userSessionId"] = "sso-session";
    body["userId"] = "1001";
    body["userName"] = "\xEA\xB9\x80\xEB\xAF\xBC\xEC\xA4\x80";
    rule["body"] = body;
    Control(rule);
    EXPECT_EQ(RunCheck(L" isLogin=success&emp_id=20931", ServerPort(PORT_TAS)), IDOK);
    EXPECT_TRUE(m_boxes.Texts().empty());
    CLoginManager* login = CLoginManager::GetInstance();
    EXPECT_EQ(login->GetUserSessionId(), "sso-session");
    EXPECT_STREQ(login->GetLoginId(), L"C120931");
    EXPECT_EQ(login->GetSsoLogin(), 1);
}

TEST_F(UiLoginOutsideTest, SignOnPageWithoutItsResultEndsTheCheck)
{
    EXPECT_EQ(RunCheck(L"no result on this page", ServerPort(PORT_TAS)), IDCANCEL);
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_STREQ(m_boxes.Texts()[0].c_str(), L"SSO연동 정보를 찾을 수 없습니다.");
    EXPECT_EQ(RunCheck(L" isLogin=success&emp_id=", ServerPort(PORT_TAS)), IDCANCEL);
    CString noEmployee;
    noEmployee.LoadString(IDS_SSO_NO_EMPLOYEE);
    EXPECT_STREQ(m_boxes.LastText().c_str(), noEmployee);
    EXPECT_EQ(Frames("tas", nullptr, "G00000001").size(), 0u);
    // Timer 2: in use without a token fails; not in use it lets the log-in go on.
    EXPECT_EQ(RunCheck(L"", ServerPort(PORT_TAS), 2, true), IDCANCEL);
    EXPECT_STREQ(m_boxes.LastText().c_str(), L"SSO연동을 실패하였습니다.");
    EXPECT_EQ(RunCheck(L"", ServerPort(PORT_TAS), 2, false), IDOK);
}

TEST_F(UiLoginOutsideTest, AgentLogInFollowsTheAgentsAnswer)
{
    {
        FakeAgent agent(0);
        const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
            dlg.SetAgentAddress("127.0.0.1", agent.Port());
            TypeCredentials(dlg, L"kim", L"1234");
            dlg.ProcVpnLogin(1);
            Drive([&] { return !dlg.ContinueModal(); }, 15000);
        });
        EXPECT_EQ(run.result, ELoginResult::Success) << "the agent's success leads to the server log-in"
                                                     << zeltest::Narrow(m_boxes.LastText());
        EXPECT_EQ(agent.Received().compare(0, 2, "r="), 0);
    }
    {
        Command("clear_log");
        FakeAgent agent(-7);
        Run([&](CLoginDlgLayer& dlg) {
            dlg.SetAgentAddress("127.0.0.1", agent.Port());
            TypeCredentials(dlg, L"kim", L"bad");
            dlg.ProcVpnLogin(1);
            CString hint;
            hint.LoadString(IDS_LOGIN_ID_HINT);
            EXPECT_STREQ(TextOf(Item(dlg, IDC_LOGIN_ID)), hint) << "both boxes emptied";
        });
        EXPECT_STREQ(m_boxes.LastText().c_str(), L"아이디 또는 비밀번호가 틀렸습니다. (-7)");
        EXPECT_EQ(LoginFrames().size(), 0u) << Frames("tas").toStyledString();
    }
    {
        FakeAgent agent(5);
        Run([&](CLoginDlgLayer& dlg) {
            dlg.SetAgentAddress("127.0.0.1", agent.Port());
            TypeCredentials(dlg, L"kim", L"1234");
            dlg.ProcVpnLogin(1);
            EXPECT_STREQ(dlg.GetLastToast(), L"보안접속 진행중입니다.") << "a first failure is retried";
        });
    }
    {
        FakeAgent agent(5);
        Run([&](CLoginDlgLayer& dlg) {
            dlg.SetAgentAddress("127.0.0.1", agent.Port());
            TypeCredentials(dlg, L"kim", L"1234");
            dlg.ProcVpnLogin(0);
        });
        EXPECT_STREQ(m_boxes.LastText().c_str(), L"보안접속에 실패하였습니다.");
    }
}

// A window of the embedded browser's class that closes on the n-th WM_CLOSE.
struct HelperWindow {
    static int s_nCloses;
    static int s_nCloseOn;
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_CLOSE) {
            if (++s_nCloses >= s_nCloseOn) DestroyWindow(hWnd);
            return 0;
        }
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }
    explicit HelperWindow(int nCloseOn)
    {
        s_nCloses = 0;
        s_nCloseOn = nCloseOn;
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &HelperWindow::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Talvora_Vistrel_Class";
        RegisterClassW(&wc);
        hWnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~HelperWindow()
    {
        if (IsWindow(hWnd)) DestroyWindow(hWnd);
    }
    HWND hWnd;
};
int HelperWindow::s_nCloses = 0;
int HelperWindow::s_nCloseOn = 0;

TEST(BrowserHelper, ClosedWithinSevenTries)
{
    EXPECT_EQ(CLoginDlgLayer::CloseBrowserHelper(L"Talvora_Vistrel_Class", nullptr, nullptr), 0) << "none there";
    {
        HelperWindow helper(3);
        EXPECT_EQ(CLoginDlgLayer::CloseBrowserHelper(L"Talvora_Vistrel_Class", nullptr, nullptr), 1);
        EXPECT_EQ(HelperWindow::s_nCloses, 3);
    }
    {
        HelperWindow helper(100);
        EXPECT_EQ(CLoginDlgLayer::CloseBrowserHelper(L"Talvora_Vistrel_Class", nullptr, nullptr), 0);
        EXPECT_EQ(HelperWindow::s_nCloses, 7);
    }
}

TEST_F(UiLoginOutsideTest, ConfirmedSignerClosesTheBrowserOnceTheServerLoggedIn)
{
    HelperWindow helper(1);
    Json::Value rule;
    rule["hold"] = true;
    LoginRule(rule);
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        TypeCredentials(dlg, L"kim", L"1234");
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        ASSERT_TRUE(WaitForFrames("tas", "PP01", "M00000001", 1));
        COPYDATASTRUCT data{};
        data.lpData = const_cast<wchar_t*>(L"kim");
        data.cbData = 4 * sizeof(wchar_t);
        ::SendMessageW(dlg.GetSafeHwnd(), WM_COPYDATA, 0x1315, (LPARAM)&data);
        DriveFor(100);
        EXPECT_TRUE(::IsWindow(helper.hWnd)) << "not before the server's answer";
        Command("release");
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    EXPECT_EQ(run.result, ELoginResult::Success);
    EXPECT_FALSE(::IsWindow(helper.hWnd));
}

}  // namespace
