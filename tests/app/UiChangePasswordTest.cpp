// The change-password dialog as a real window against the local application server: local rules
// before any request, the server's refusal shown after the reply handler has returned, the
// accepted change ending the dialog, and the keyboard.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/ChangePasswordDlg.h"
#include "core/ClientMessages.h"
#include "net/protocol/TasClientManager.h"
#include "platform/WinApp.h"
#include "tests/app/AppTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

class ChangePasswordTest : public apptest::ShellDialogTest {
protected:
    void TearDown() override
    {
        CWnd::SetModalLoopHook(nullptr);
        apptest::ShellDialogTest::TearDown();
    }
    static void Type(SKIN_OBJECT* p, const wchar_t* text) { p->m_edit.SetText(text); }
};

TEST_F(ChangePasswordTest, LocalRulesAreShownAndNothingIsSent)
{
    LogIn("park");
    apptest::BoxRecorder boxes;
    CChangePasswordDlg dlg;
    const INT_PTR result = apptest::RunModal<CChangePasswordDlg>(dlg, [&](CChangePasswordDlg& d) {
        apptest::ClickObject(&d, d.m_pBtnOK);                      // all empty: one message, rule 1
        Type(d.m_pEditOld, L"1234");
        Type(d.m_pEditNew, L"1234");
        Type(d.m_pEditChk, L"zzzz");
        apptest::ClickObject(&d, d.m_pBtnOK);                      // same as old beats the mismatch
        Type(d.m_pEditNew, L"abcd1234");
        Type(d.m_pEditChk, L"abcd1234");
        apptest::ClickObject(&d, d.m_pBtnOK);                      // no symbol
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"ChangePasswordDlg"));
        apptest::ClickObject(&d, d.m_pBtnClose);
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_EQ(boxes.boxes[0].text, L"누락된 항목이 있습니다. 모든 항목을 입력해주십시요.");
    EXPECT_EQ(boxes.boxes[1].text,
              L"기존 비밀번호와 동일한 비밀번호를 입력하였습니다. 새로운 비밀번호를 입력하세요.");
    EXPECT_EQ(boxes.boxes[2].text, L"숫자, 영문, 기호가 조합된 8자리 이상으로 변경해주시기 바랍니다.");
    zeltest::PumpFor(200);
    EXPECT_TRUE(TasBodies("M00000044").empty());
}

TEST_F(ChangePasswordTest, RefusalShowsTheServersTextAfterTheReplyAndKeepsTheInput)
{
    LogIn("choi");
    apptest::BoxRecorder boxes;
    CChangePasswordDlg dlg;
    const INT_PTR result = apptest::RunModal<CChangePasswordDlg>(dlg, [&](CChangePasswordDlg& d) {
        Type(d.m_pEditOld, L"wrong");
        Type(d.m_pEditNew, L"abcd_123");
        Type(d.m_pEditChk, L"abcd_123");
        apptest::ClickObject(&d, d.m_pBtnOK);
        EXPECT_TRUE(zeltest::PumpUntil([&] { return !boxes.boxes.empty(); }, 10000));
        EXPECT_TRUE(::IsWindowVisible(d.m_hWnd));
        EXPECT_EQ(d.m_pEditNew->m_edit.GetText(), CString(L"abcd_123"));
        apptest::ClickObject(&d, d.m_pBtnClose);
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, L"현재 비밀번호가 일치하지 않습니다.");
    EXPECT_FALSE(boxes.boxes[0].inSentMessage) << "the socket worker must not wait for the user";
    const auto bodies = TasBodies("M00000044");
    ASSERT_EQ(bodies.size(), 1u);
    EXPECT_EQ(bodies[0]["groupCoCd"].asString(), "");
    EXPECT_EQ(bodies[0]["sawonNo"].asString(), "choi");
    EXPECT_EQ(bodies[0]["passwordOld"].asString(), "wrong");
    EXPECT_EQ(bodies[0]["passwordNew"].asString(), "abcd_123");
}

TEST_F(ChangePasswordTest, AcceptedChangeEndsWithOkAndEndsTheMainWaitCursor)
{
    struct App : CWinApp {
        App() : CWinApp(L"ChangePasswordTest") {}
    } app;
    prototest::RecordingWindow mainWnd;
    CWnd mainCWnd;
    mainCWnd.Attach(mainWnd.Handle());
    app.m_pMainWnd = &mainCWnd;
    LogIn("jung");
    apptest::BoxRecorder boxes;
    CChangePasswordDlg dlg;
    const INT_PTR result = apptest::RunModal<CChangePasswordDlg>(dlg, [&](CChangePasswordDlg& d) {
        Type(d.m_pEditOld, L"1234");
        Type(d.m_pEditNew, L"new_pw12");
        Type(d.m_pEditChk, L"new_pw12");
        // Enter in a field behaves like the button.
        d.m_pEditChk->m_edit.Activate();
        MSG msg = {::GetFocus(), WM_KEYDOWN, VK_RETURN, 0};
        EXPECT_TRUE(d.PreTranslateMessage(&msg));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(mainWnd.WaitFor(UWM_END_WAIT_CURSOR, 1, 2000));
    app.m_pMainWnd = nullptr;
    mainCWnd.Detach();
    // The server has the new password now.
    const auto bodies = TasBodies("M00000044");
    ASSERT_EQ(bodies.size(), 1u);
    EXPECT_EQ(bodies[0]["passwordNew"].asString(), "new_pw12");
}

TEST_F(ChangePasswordTest, TabAndShiftTabCycleTheThreeFields)
{
    CChangePasswordDlg dlg;
    apptest::RunModal<CChangePasswordDlg>(dlg, [&](CChangePasswordDlg& d) {
        auto tab = [&](bool shift) {
            BYTE keys[256];
            ::GetKeyboardState(keys);
            keys[VK_SHIFT] = shift ? 0x80 : 0;
            ::SetKeyboardState(keys);
            MSG msg = {::GetFocus(), WM_KEYDOWN, VK_TAB, 0};
            EXPECT_TRUE(d.PreTranslateMessage(&msg));
            keys[VK_SHIFT] = 0;
            ::SetKeyboardState(keys);
        };
        auto focused = [&]() -> SKIN_OBJECT* {
            for (SKIN_OBJECT* p : {d.m_pEditOld, d.m_pEditNew, d.m_pEditChk})
                if (::GetFocus() == p->m_edit.m_edit.m_hWnd) return p;
            return nullptr;
        };
        d.m_pEditOld->m_edit.Activate();
        tab(false);
        EXPECT_EQ(focused(), d.m_pEditNew);
        tab(false);
        EXPECT_EQ(focused(), d.m_pEditChk);
        tab(false);
        EXPECT_EQ(focused(), d.m_pEditOld);
        tab(true);
        EXPECT_EQ(focused(), d.m_pEditChk);
        d.EndDialog(IDCANCEL);
    });
}

TEST_F(ChangePasswordTest, RepliesGoBackToTheEarlierWindowWhenTheDialogHasGone)
{
    LogIn("lee");
    // The reply is held by the server until the dialog has closed.
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "M00000044";
    rule["delay"] = 0.5;
    Control(rule);
    apptest::BoxRecorder boxes;
    CChangePasswordDlg dlg;
    apptest::RunModal<CChangePasswordDlg>(dlg, [&](CChangePasswordDlg& d) {
        Type(d.m_pEditOld, L"1234");
        Type(d.m_pEditNew, L"abcd_123");
        Type(d.m_pEditChk, L"abcd_123");
        apptest::ClickObject(&d, d.m_pBtnOK);
        EXPECT_EQ(CTasClientManager::GetInstance()->GetListener(), d.m_hWnd);
        apptest::ClickObject(&d, d.m_pBtnClose);
    });
    EXPECT_EQ(CTasClientManager::GetInstance()->GetListener(), m_listener.Handle());
    EXPECT_TRUE(m_listener.WaitFor(WM_USER + 143, 1, 10000)) << "the late reply reaches the earlier window";
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
