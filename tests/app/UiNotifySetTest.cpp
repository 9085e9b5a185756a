// The notification settings dialog against the local application server: the state read at
// opening, OK without a change sends nothing, a change writes the whole week, OK waits for the
// server's state, and a refusal is told after the reply handler has returned.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/NotifySetDlg.h"
#include "tests/app/AppTestSupport.h"
#include "ui/controls/PopupAnswer.h"

namespace {

class NotifySetTest : public apptest::ShellDialogTest {
protected:
    void SetUp() override
    {
        apptest::ShellDialogTest::SetUp();
        SetPopupAnswerHook([this](const POPUP_QUESTION&) {
            popupsInSentMessage.push_back(::InSendMessage() != FALSE);
            return 1;
        });
    }
    void TearDown() override
    {
        SetPopupAnswerHook(nullptr);
        apptest::ShellDialogTest::TearDown();
    }
    static bool WaitState(CNotifySetDlg& d) { return zeltest::PumpUntil([&] { return d.IsStateLoaded(); }, 10000); }
    std::vector<bool> popupsInSentMessage;
};

TEST_F(NotifySetTest, StateShownAndOkWithoutAChangeSendsNothing)
{
    LogIn("kim");
    CNotifySetDlg dlg;
    const INT_PTR result = apptest::RunModal<CNotifySetDlg>(dlg, [&](CNotifySetDlg& d) {
        ASSERT_TRUE(WaitState(d));
        EXPECT_EQ(d.m_chkApply.GetCheck(), BST_CHECKED);
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"NotifySetDlg"));
        d.m_btnOK.SendMessage(BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(TasBodies("M00000022").size(), 1u);
    EXPECT_TRUE(TasBodies("M00000019").empty());
}

TEST_F(NotifySetTest, SwitchingOffWritesAnEmptyWeekAndClosesOnTheAnswer)
{
    LogIn("lee");
    CNotifySetDlg dlg;
    const INT_PTR result = apptest::RunModal<CNotifySetDlg>(dlg, [&](CNotifySetDlg& d) {
        ASSERT_TRUE(WaitState(d));
        d.m_chkApply.SendMessage(BM_CLICK, 0, 0);
        d.m_btnOK.SendMessage(BM_CLICK, 0, 0);
        EXPECT_TRUE(zeltest::PumpUntil([&] { return !d.ContinueModal(); }, 10000));
    });
    EXPECT_EQ(result, IDOK);
    const auto sent = TasBodies("M00000019");
    ASSERT_EQ(sent.size(), 1u);
    for (const char* k : {"applyYn", "sunYn", "monYn", "tueYn", "wedYn", "thurYn", "friYn", "satYn"})
        EXPECT_EQ(sent[0][k], Json::Value(false)) << k;
    EXPECT_EQ(sent[0]["starttime"], Json::Value("0000"));
    EXPECT_EQ(sent[0]["endtime"], Json::Value("2359"));
}

TEST_F(NotifySetTest, OkWaitsForTheServersStateAndARefusalIsToldLater)
{
    LogIn("park");
    Json::Value slow;
    slow["cmd"] = "rule";
    slow["server"] = "tas";
    slow["msg"] = "M00000022";
    slow["delay"] = 0.8;
    Control(slow);
    Json::Value refuse;
    refuse["cmd"] = "rule";
    refuse["server"] = "tas";
    refuse["msg"] = "M00000019";
    refuse["body"]["status"] = 1;
    Control(refuse);
    CNotifySetDlg dlg;
    const INT_PTR result = apptest::RunModal<CNotifySetDlg>(dlg, [&](CNotifySetDlg& d) {
        d.m_chkApply.SendMessage(BM_CLICK, 0, 0);
        d.m_btnOK.SendMessage(BM_CLICK, 0, 0);
        EXPECT_TRUE(d.ContinueModal()) << "OK before the state is known does nothing";
        ASSERT_TRUE(WaitState(d));
        d.m_chkApply.SetCheck(BST_UNCHECKED);
        d.m_btnOK.SendMessage(BM_CLICK, 0, 0);
        EXPECT_TRUE(zeltest::PumpUntil([&] { return !popupsInSentMessage.empty(); }, 10000));
        EXPECT_TRUE(d.ContinueModal()) << "a refused change leaves the dialog open";
        d.m_btnClose.SendMessage(BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(TasBodies("M00000019").size(), 1u);
    ASSERT_EQ(popupsInSentMessage.size(), 1u);
    EXPECT_FALSE(popupsInSentMessage[0]);
}

}  // namespace
