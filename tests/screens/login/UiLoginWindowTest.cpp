// The login window with real input against the local test servers: typed ID and password and a
// click on the log-in button, every refusal of the server, lost and refused connections, the
// saved and automatic login, the server settings guard and the outside signer's notice.
#include <gtest/gtest.h>

#include "core/LoginManager.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "resources/resource.h"
#include "platform/Profile.h"
#include "screens/login/SavedLogin.h"
#include "ui/controls/PopupAnswer.h"
#include "tests/screens/login/LoginTestSupport.h"

using namespace logintest;

namespace {

CString Res(UINT id)
{
    CString s;
    s.LoadString(id);
    return s;
}

class UiLoginWindowTest : public LoginWindowTest {};

TEST_F(UiLoginWindowTest, TypedIdAndPasswordLogInAndStoreTheSession)
{
    bool bScreenshot = false;
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        EXPECT_TRUE(::IsWindowVisible(dlg.GetSafeHwnd()));
        RECT rc;
        ::GetClientRect(dlg.GetSafeHwnd(), &rc);
        EXPECT_EQ(rc.right, 478);
        EXPECT_EQ(rc.bottom, 358);
        TypeCredentials(dlg, L"kim", L"1234");
        EXPECT_STREQ(TextOf(Item(dlg, IDC_LOGIN_ID)), L"kim");
        bScreenshot = SaveScreenshot(dlg.GetSafeHwnd(), L"Login");
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    EXPECT_TRUE(bScreenshot);
    EXPECT_EQ(run.result, ELoginResult::Success);
    EXPECT_TRUE(m_boxes.Texts().empty());
    CLoginManager* login = CLoginManager::GetInstance();
    EXPECT_FALSE(login->GetUserSessionId().empty());
    EXPECT_EQ(login->GetUserIdA(), "1001");
    EXPECT_STREQ(login->GetUserName(), L"\uae40\ubbfc\uc900");
    EXPECT_STREQ(login->GetSawonNo(), L"kim");
    EXPECT_STREQ(login->GetPassword(), L"1234");
    EXPECT_STREQ(CSettingManager::GetInstance()->GetTDSAddress(), L"127.0.0.1");
    EXPECT_EQ(CSettingManager::GetInstance()->GetTDSPort(), ServerPort(PORT_TDS));
    const Json::Value frames = LoginFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0]["body"]["sawonNo"].asString(), "kim");
    EXPECT_EQ(frames[0]["body"]["userPwd"].asString(), "1234");
    EXPECT_EQ(frames[0]["body"]["appType"].asString(), "7");
    EXPECT_EQ(frames[0]["body"]["groupCoCd"].asString(), "");
    EXPECT_TRUE(WaitForFrames("tas", nullptr, "M00000034", 1)) << "the push key follows the log-in";
    // Nothing was asked to be saved.
    const SSavedLogin saved = ReadSavedLogin();
    EXPECT_EQ(saved.nSaveId, 0);
    EXPECT_EQ(saved.nAutoLogin, 0);
}

struct RefusalCase {
    const char* name;
    int status;
    const char* body;   // JSON of the reply body, or null for the server's own
    UINT textId;
    const wchar_t* expectedFormatArgs;   // for the formatted texts: the arguments they take
};

CString Expected(const RefusalCase& c)
{
    CString text;
    if (c.status == 18) text.Format(IDS_LOGIN_LOCKED, 5, 10);
    else if (c.textId == IDS_LOGIN_FAILED_STATUS) text.Format(IDS_LOGIN_FAILED_STATUS, c.status);
    else text = Res(c.textId);
    return text;
}

const RefusalCase kRefusals[] = {
    { "WrongPassword", 16, nullptr, IDS_LOGIN_WRONG_PASSWORD, nullptr },
    { "Locked", 18, "{\"loginFailMaxCount\":5,\"loginFailRetryTime\":600,\"loginFailCount\":5}", IDS_LOGIN_LOCKED, nullptr },
    { "UnknownUser100", 100, nullptr, IDS_LOGIN_NO_USER, nullptr },
    { "UnknownUser104", 104, nullptr, IDS_LOGIN_NO_USER, nullptr },
    { "NotAllowed", 106, nullptr, IDS_LOGIN_NOT_ALLOWED, nullptr },
    { "UpgradeOrOther23", 23, nullptr, IDS_LOGIN_FAILED_STATUS, nullptr },
};

class UiLoginRefusals : public LoginWindowTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(UiLoginRefusals, ShowTheirTextKeepTheWindowOpenAndForgetTheSavedLogin)
{
    const RefusalCase& c = GetParam();
    WriteSavedLogin(TRUE, TRUE, L"", L"kim", L"1234");
    Json::Value rule;
    rule["status"] = c.status;
    if (c.body) {
        Json::Value body;
        ASSERT_TRUE(Json::Reader().parse(c.body, body));
        rule["body"] = body;
    }
    // The saved key logs in by itself; the rule answers that request.
    LoginRule(rule);
    bool bStayedOpen = false;
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        Drive([&] { return !m_boxes.Texts().empty(); }, 15000);
        DriveFor(50);
        bStayedOpen = dlg.ContinueModal() != FALSE;
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_LOGIN_BUTTON)));
        EXPECT_FALSE(dlg.IsAttemptOutstanding());
        EXPECT_EQ(::GetFocus(), Item(dlg, IDC_LOGIN_ID));
    });
    EXPECT_TRUE(bStayedOpen) << "a refusal leaves the window open for another try";
    EXPECT_EQ(run.result, ELoginResult::Cancel);
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_STREQ(m_boxes.Texts()[0].c_str(), Expected(c));
    const SSavedLogin saved = ReadSavedLogin();
    EXPECT_EQ(saved.nSaveId, 0);
    EXPECT_EQ(saved.nAutoLogin, 0);
    EXPECT_TRUE(saved.strLastId.IsEmpty());
    EXPECT_TRUE(saved.strKey.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Status, UiLoginRefusals, ::testing::ValuesIn(kRefusals),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(UiLoginWindowTest, ServerThatRefusesTheConnectionEndsTheProgramWithItsMessage)
{
    // A port nobody listens on.
    CSettingManager::GetInstance()->SetZELPort(ServerPort(PORT_CONTROL) + 1000);
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        TypeCredentials(dlg, L"kim", L"1234");
        PressKey(Item(dlg, IDC_LOGIN_PASSWORD), VK_RETURN);
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    EXPECT_EQ(run.result, ELoginResult::Exit);
    ASSERT_EQ(m_boxes.Texts().size(), 1u) << "one message for the failed connection";
    EXPECT_STREQ(m_boxes.Texts()[0].c_str(), Res(IDS_SOCKET_TIMEOUT));
}

TEST_F(UiLoginWindowTest, ServerThatNeverAnswersEndsTheProgramAfterTheSecondTimeOut)
{
    Json::Value rule;
    rule["drop"] = true;
    rule["count"] = 10;
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        LoginRule(rule);
        TypeCredentials(dlg, L"kim", L"1234");
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        Drive([&] { return !dlg.ContinueModal(); }, 20000);
    });
    EXPECT_EQ(run.result, ELoginResult::Exit);
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_STREQ(m_boxes.Texts()[0].c_str(), Res(IDS_SOCKET_LOST));
}

TEST_F(UiLoginWindowTest, SecondEnterWhileTheReplyIsAwaitedSendsNoSecondRequest)
{
    Json::Value rule;
    rule["hold"] = true;
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        LoginRule(rule);
        TypeCredentials(dlg, L"kim", L"1234");
        PressKey(Item(dlg, IDC_LOGIN_PASSWORD), VK_RETURN);
        ASSERT_TRUE(WaitForFrames("tas", "PP01", "M00000001", 1));
        EXPECT_TRUE(dlg.IsAttemptOutstanding());
        EXPECT_FALSE(::IsWindowEnabled(Item(dlg, IDC_LOGIN_BUTTON))) << "disabled while the reply is awaited";
        PressKey(Item(dlg, IDC_LOGIN_PASSWORD), VK_RETURN);
        PressKey(Item(dlg, IDC_LOGIN_ID), VK_RETURN);
        DriveFor(600);
        Command("release");
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    EXPECT_EQ(run.result, ELoginResult::Success);
    EXPECT_EQ(LoginFrames().size(), 1u) << "one log-in request in the server's log";
    EXPECT_TRUE(m_boxes.Texts().empty());
}

struct EmptyFieldCase {
    const char* name;
    const wchar_t* id;
    const wchar_t* password;
    bool typeThenErasePassword;
    UINT textId;
    int focusId;
};

const EmptyFieldCase kEmptyFields[] = {
    { "NoId", L"", L"1234", false, IDS_LOGIN_ENTER_ID, IDC_LOGIN_ID },
    { "NoPassword", L"kim", L"", false, IDS_LOGIN_ENTER_PASSWORD, IDC_LOGIN_PASSWORD },
    // The typed password is still remembered, but the box shows its hint again.
    { "PasswordTypedThenErased", L"kim", L"12", true, IDS_LOGIN_ENTER_PASSWORD, IDC_LOGIN_PASSWORD },
};

class UiLoginEmptyFields : public LoginWindowTest, public ::testing::WithParamInterface<EmptyFieldCase> {};

TEST_P(UiLoginEmptyFields, AreRefusedBeforeAnyRequest)
{
    const EmptyFieldCase& c = GetParam();
    Run([&](CLoginDlgLayer& dlg) {
        TypeCredentials(dlg, c.id, c.password);
        if (c.typeThenErasePassword) {
            PressKey(Item(dlg, IDC_LOGIN_PASSWORD), VK_BACK);
            PressKey(Item(dlg, IDC_LOGIN_PASSWORD), VK_BACK);
            EXPECT_STREQ(dlg.GetTypedPassword(), L"1") << "the previous text stays the typed password";
        }
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        EXPECT_EQ(::GetFocus(), Item(dlg, c.focusId));
        EXPECT_FALSE(dlg.IsAttemptOutstanding());
    });
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_STREQ(m_boxes.Texts()[0].c_str(), Res(c.textId));
    EXPECT_EQ(LoginFrames().size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Fields, UiLoginEmptyFields, ::testing::ValuesIn(kEmptyFields),
                         [](const ::testing::TestParamInfo<EmptyFieldCase>& info) { return info.param.name; });

TEST_F(UiLoginWindowTest, SavedIdComesBackWithTheFocusOnThePasswordAndNoLogIn)
{
    Run([&](CLoginDlgLayer& dlg) {
        Click(Item(dlg, IDC_LOGIN_SAVE_ID));
        TypeCredentials(dlg, L"kim", L"1234");
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    const SSavedLogin saved = ReadSavedLogin();
    EXPECT_EQ(saved.nSaveId, 1);
    EXPECT_STREQ(saved.strLastId, L"kim");
    EXPECT_EQ(saved.nAutoLogin, 0);
    Command("clear_log");
    Run([&](CLoginDlgLayer& dlg) {
        EXPECT_STREQ(TextOf(Item(dlg, IDC_LOGIN_ID)), L"kim");
        EXPECT_EQ(::IsDlgButtonChecked(dlg.GetSafeHwnd(), IDC_LOGIN_SAVE_ID), (UINT)BST_CHECKED);
        EXPECT_EQ(::GetFocus(), Item(dlg, IDC_LOGIN_PASSWORD));
        DriveFor(400);
    });
    EXPECT_EQ(LoginFrames().size(), 0u);
}

TEST_F(UiLoginWindowTest, AutomaticLoginSendsTheWholeSavedPasswordAndTheSavedGroupCode)
{
    // A log-in with both boxes ticked saves a key for a 20-byte password ...
    const SLoginRunResult first = Run([&](CLoginDlgLayer& dlg) {
        Click(Item(dlg, IDC_LOGIN_AUTO));
        EXPECT_EQ(::IsDlgButtonChecked(dlg.GetSafeHwnd(), IDC_LOGIN_SAVE_ID), (UINT)BST_CHECKED);
        TypeCredentials(dlg, L"hong", L"LongPassword-2026!ab");
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    ASSERT_EQ(first.result, ELoginResult::Success);
    SSavedLogin saved = ReadSavedLogin();
    EXPECT_EQ(saved.nAutoLogin, 1);
    EXPECT_FALSE(saved.strKey.IsEmpty());
    // ... and the next window logs in by itself with it, untouched.
    Command("clear_log");
    bool bButtonDisabled = false;
    const SLoginRunResult second = Run([&](CLoginDlgLayer& dlg) {
        bButtonDisabled = !::IsWindowEnabled(Item(dlg, IDC_LOGIN_BUTTON));
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    EXPECT_TRUE(bButtonDisabled);
    EXPECT_EQ(second.result, ELoginResult::Success);
    const Json::Value frames = LoginFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0]["body"]["sawonNo"].asString(), "hong");
    EXPECT_EQ(frames[0]["body"]["userPwd"].asString(), "LongPassword-2026!ab");
    EXPECT_TRUE(m_boxes.Texts().empty());
}

TEST_F(UiLoginWindowTest, AutomaticLoginWithoutAKeyWaitsButEnterStillLogsIn)
{
    // autoLogin 1 with the ID but no key, as a damaged profile may hold it.
    WriteSavedLogin(TRUE, FALSE, L"", L"kim", L"");
    zel::Profile(L"TALVORA", L"Brindlecast").WriteProfileInt(L"Settings", L"autoLogin", 1);
    bool bButtonDisabled = false;
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        DriveFor(300);
        EXPECT_EQ(LoginFrames().size(), 0u);
        bButtonDisabled = !::IsWindowEnabled(Item(dlg, IDC_LOGIN_BUTTON));
        Type(Item(dlg, IDC_LOGIN_PASSWORD), L"1234");
        PressKey(Item(dlg, IDC_LOGIN_PASSWORD), VK_RETURN);
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    EXPECT_TRUE(bButtonDisabled);
    EXPECT_EQ(run.result, ELoginResult::Success);
}

TEST_F(UiLoginWindowTest, FailedAutomaticLoginClearsEverythingSaved)
{
    WriteSavedLogin(TRUE, TRUE, L"", L"kim", L"wrong");
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        Drive([&] { return !m_boxes.Texts().empty(); }, 15000);
    });
    EXPECT_EQ(run.result, ELoginResult::Cancel);
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_STREQ(m_boxes.Texts()[0].c_str(), Res(IDS_LOGIN_WRONG_PASSWORD));
    const SSavedLogin saved = ReadSavedLogin();
    EXPECT_EQ(saved.nSaveId, 0);
    EXPECT_EQ(saved.nAutoLogin, 0);
    EXPECT_TRUE(saved.strKey.IsEmpty());
}

TEST_F(UiLoginWindowTest, CheckBoxesKeepTheAutomaticLoginTiedToTheSavedId)
{
    Run([&](CLoginDlgLayer& dlg) {
        const HWND wnd = dlg.GetSafeHwnd();
        Click(Item(dlg, IDC_LOGIN_AUTO));
        EXPECT_EQ(::IsDlgButtonChecked(wnd, IDC_LOGIN_SAVE_ID), (UINT)BST_CHECKED);
        Click(Item(dlg, IDC_LOGIN_SAVE_ID));
        EXPECT_EQ(::IsDlgButtonChecked(wnd, IDC_LOGIN_SAVE_ID), (UINT)BST_UNCHECKED);
        EXPECT_EQ(::IsDlgButtonChecked(wnd, IDC_LOGIN_AUTO), (UINT)BST_UNCHECKED);
    });
}

struct GuardCase {
    const char* name;
    const wchar_t* zelAddress;
    int tmsPort;
    const wchar_t* tpcAddress;
    bool guarded;
};

const GuardCase kGuards[] = {
    { "Usable", L"127.0.0.1", 16304, L"127.0.0.1", false },
    { "TmsPortZero", L"127.0.0.1", 0, L"127.0.0.1", true },
    { "EmptyAddress", L"", 16304, L"127.0.0.1", true },
    { "AnyAddress", L"127.0.0.1", 16304, L"0.0.0.0", true },
    { "AnyAddressWithBlank", L"127.0.0.1", 16304, L" 0.0.0.0", false },
};

class UiLoginServerGuard : public LoginWindowTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(UiLoginServerGuard, OpensTheServerDialogBeforeTheWindowAndEndsWhenItIsCancelled)
{
    const GuardCase& c = GetParam();
    WriteSavedLogin(TRUE, TRUE, L"", L"kim", L"1234");
    CSettingManager* settings = CSettingManager::GetInstance();
    if (c.zelAddress[0] == 0) settings->SetZELAddress(c.zelAddress);
    settings->SetTMSPort(c.tmsPort);
    settings->SetTPCAddress(c.tpcAddress);
    m_nSettingsAnswer = IDCANCEL;
    bool bShown = false;
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        bShown = true;
        Drive([&] { return !dlg.ContinueModal(); }, 3000);
    });
    if (c.guarded) {
        EXPECT_EQ(m_nSettingsCalls, 1);
        EXPECT_EQ(m_nSettingsDefaultsEnabled, FALSE) << "the forced dialog has its defaults button off";
        EXPECT_EQ(run.result, ELoginResult::Cancel);
        EXPECT_EQ(ReadSavedLogin().nAutoLogin, 0);
        EXPECT_STREQ(ReadSavedLogin().strLastId, L"kim") << "the ID stays saved";
    } else {
        EXPECT_EQ(m_nSettingsCalls, 0);
        EXPECT_TRUE(bShown);
        EXPECT_EQ(run.result, ELoginResult::Success) << "the automatic login went on";
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, UiLoginServerGuard, ::testing::ValuesIn(kGuards),
                         [](const ::testing::TestParamInfo<GuardCase>& info) { return info.param.name; });

TEST_F(UiLoginWindowTest, RepairedServerSettingsLetTheWindowOpenForATypedLogIn)
{
    WriteSavedLogin(TRUE, TRUE, L"", L"kim", L"1234");
    CSettingManager::GetInstance()->SetTMSPort(0);
    m_onSettings = [] { CSettingManager::GetInstance()->SetTMSPort(16304); };
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        DriveFor(400);
        EXPECT_EQ(LoginFrames().size(), 0u) << "no automatic login after a repair";
        Type(Item(dlg, IDC_LOGIN_PASSWORD), L"1234");
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    EXPECT_EQ(m_nSettingsCalls, 1);
    EXPECT_EQ(run.result, ELoginResult::Success);
}

TEST_F(UiLoginWindowTest, SeventhRightClickAndTheButtonOpenTheServerDialogWithDefaults)
{
    Run([&](CLoginDlgLayer& dlg) {
        for (int i = 0; i < 6; ++i) RightClick(i % 2 ? dlg.GetSafeHwnd() : Item(dlg, IDC_LOGIN_ID));
        EXPECT_EQ(m_nSettingsCalls, 0);
        RightClick(dlg.GetSafeHwnd());
        EXPECT_EQ(m_nSettingsCalls, 1);
        for (int i = 0; i < 7; ++i) RightClick(dlg.GetSafeHwnd());
        EXPECT_EQ(m_nSettingsCalls, 2) << "the fourteenth opens it again";
        Click(Item(dlg, IDC_LOGIN_SERVER));
        EXPECT_EQ(m_nSettingsCalls, 3);
        EXPECT_EQ(m_nSettingsDefaultsEnabled, TRUE);
    });
}

TEST_F(UiLoginWindowTest, EscapeMinimisesAndNeverCloses)
{
    bool bOpen = false;
    Run([&](CLoginDlgLayer& dlg) {
        PressKey(Item(dlg, IDC_LOGIN_ID), VK_ESCAPE);
        DriveFor(100);
        EXPECT_TRUE(::IsIconic(dlg.GetSafeHwnd()));
        bOpen = dlg.ContinueModal() != FALSE;
    });
    EXPECT_TRUE(bOpen);
}

void SendSignedInNotice(HWND hWnd, const wchar_t* id, WPARAM wParam = 0x1315)
{
    COPYDATASTRUCT data{};
    data.lpData = const_cast<wchar_t*>(id);
    data.cbData = (DWORD)((wcslen(id) + 1) * sizeof(wchar_t));
    ::SendMessageW(hWnd, WM_COPYDATA, wParam, (LPARAM)&data);
}

TEST_F(UiLoginWindowTest, SignedInNoticeWithoutALogInUnderWayChangesNothing)
{
    bool bOpen = false;
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        SendSignedInNotice(dlg.GetSafeHwnd(), L"kim");
        SendSignedInNotice(dlg.GetSafeHwnd(), L"lee");
        SendSignedInNotice(dlg.GetSafeHwnd(), L"kim", 0x1316);
        DriveFor(100);
        bOpen = dlg.ContinueModal() != FALSE;
    });
    EXPECT_TRUE(bOpen) << "no session, no success; a stranger's notice does not end the program";
    EXPECT_EQ(run.result, ELoginResult::Cancel);
    EXPECT_TRUE(m_boxes.Texts().empty());
    EXPECT_TRUE(CLoginManager::GetInstance()->GetUserSessionId().empty());
}

TEST_F(UiLoginWindowTest, SignedInNoticeForTheAttemptWaitsForTheServersSession)
{
    Json::Value rule;
    rule["hold"] = true;
    bool bOpenAfterNotice = false;
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        LoginRule(rule);
        TypeCredentials(dlg, L"kim", L"1234");
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        ASSERT_TRUE(WaitForFrames("tas", "PP01", "M00000001", 1));
        SendSignedInNotice(dlg.GetSafeHwnd(), L"kim");
        DriveFor(100);
        bOpenAfterNotice = dlg.ContinueModal() != FALSE;
        Command("release");
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    EXPECT_TRUE(bOpenAfterNotice);
    EXPECT_EQ(run.result, ELoginResult::Success);
    EXPECT_FALSE(CLoginManager::GetInstance()->GetUserSessionId().empty());
}

TEST_F(UiLoginWindowTest, SignedInNoticeForAnotherIdDuringTheAttemptEndsTheWindow)
{
    Json::Value rule;
    rule["hold"] = true;
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        LoginRule(rule);
        TypeCredentials(dlg, L"kim", L"1234");
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        ASSERT_TRUE(WaitForFrames("tas", "PP01", "M00000001", 1));
        SendSignedInNotice(dlg.GetSafeHwnd(), L"KIM");   // differs only in case
        Drive([&] { return !dlg.ContinueModal(); }, 3000);
    });
    EXPECT_EQ(run.result, ELoginResult::Cancel);
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_STREQ(m_boxes.Texts()[0].c_str(), L"EPKI 전자서명이 동일한 계정이 아닙니다.");
}

TEST_F(UiLoginWindowTest, UpgradeOfferedEndsTheWindowWithoutStoringTheSession)
{
    Json::Value config;
    config["cmd"] = "config";
    config["upgrade_url"] = "http://127.0.0.1/zel_upgrade.exe";
    Control(config);
    CString upgradeUrl;
    SLoginShellHooks hooks = GetLoginShellHooks();
    hooks.runUpgrade = [&](const CString& url) {
        upgradeUrl = url;
        return CString();
    };
    SetLoginShellHooks(hooks);
    std::vector<POPUP_QUESTION> questions;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) {
        questions.push_back(q);
        return 1;
    });
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        Click(Item(dlg, IDC_LOGIN_AUTO));
        TypeCredentials(dlg, L"kim", L"1234");
        Click(Item(dlg, IDC_LOGIN_BUTTON));
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    });
    config["upgrade_url"] = "";
    Control(config);
    EXPECT_EQ(run.result, ELoginResult::Exit);
    SetPopupAnswerHook(nullptr);
    EXPECT_STREQ(upgradeUrl, L"http://127.0.0.1/zel_upgrade.exe");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].kind, POPUP_YES_NO);
    EXPECT_EQ(questions[0].nButtons, 1);
    EXPECT_STREQ(questions[0].strTitle, Res(IDS_UPGRADE_CAPTION));
    EXPECT_NE(questions[0].strText.Find(Res(IDS_UPGRADE_TEXT)), -1);
    EXPECT_TRUE(m_boxes.Texts().empty());
    EXPECT_TRUE(CLoginManager::GetInstance()->GetUserSessionId().empty());
    EXPECT_EQ(ReadSavedLogin().nAutoLogin, 0) << "nothing saved when the log-in did not complete";
}

}  // namespace

namespace {

TEST_F(UiLoginWindowTest, ConnectionErrorIsReportedOnceAndANoticeWithoutCodeHidesNothing)
{
    const SLoginRunResult run = Run([&](CLoginDlgLayer& dlg) {
        // A notice without an error code says nothing and must not swallow the real one.
        ::PostMessageW(dlg.GetSafeHwnd(), WM_USER + 9999, 0, 0);
        DriveFor(50);
        EXPECT_TRUE(m_boxes.Texts().empty());
        EXPECT_TRUE(dlg.ContinueModal());
        ::PostMessageW(dlg.GetSafeHwnd(), WM_USER + 9999, 0, 10061);
        ::PostMessageW(dlg.GetSafeHwnd(), WM_USER + 9999, 0, 10054);
        Drive([&] { return !dlg.ContinueModal(); }, 3000);
        DriveFor(50);
    });
    EXPECT_EQ(run.result, ELoginResult::Exit);
    ASSERT_EQ(m_boxes.Texts().size(), 1u) << "two notices, one message";
    EXPECT_STREQ(m_boxes.Texts()[0].c_str(), Res(IDS_SOCKET_TIMEOUT));
}

TEST_F(UiLoginWindowTest, HintBoxesTakeTheFocusWithTheCaretAtTheStart)
{
    Run([&](CLoginDlgLayer& dlg) {
        const HWND id = Item(dlg, IDC_LOGIN_ID);
        const HWND password = Item(dlg, IDC_LOGIN_PASSWORD);
        EXPECT_EQ(::GetFocus(), id);
        // Tab from the ID box into the password box that shows its hint: caret at 0, no selection.
        PressKey(id, VK_TAB);
        EXPECT_EQ(::GetFocus(), password);
        DWORD start = 1, end = 1;
        ::SendMessageW(password, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u);
        // A click into the ID box's hint only focuses it.
        ::PostMessageW(id, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 5));
        ::PostMessageW(id, WM_LBUTTONUP, 0, MAKELPARAM(40, 5));
        DriveFor(50);
        EXPECT_EQ(::GetFocus(), id);
        ::SendMessageW(id, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u);
        // Typing replaces the hint; the password box masks what is typed, never its hint.
        Type(password, L"ab");
        EXPECT_EQ(::SendMessageW(password, EM_GETPASSWORDCHAR, 0, 0), (LRESULT)L'*');
        EXPECT_STREQ(dlg.GetTypedPassword(), L"ab");
    });
}

}  // namespace
