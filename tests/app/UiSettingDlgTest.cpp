// The settings window as a real window against the local application server: the schedule read
// at opening and sent whole after each change (never before it has loaded), the rows and pages,
// the pen and close-alarm options stored at once, and the server's refusals answered after the
// reply handler has returned.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/SettingDlg.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "tests/app/AppTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/controls/PopupAnswer.h"

namespace {

struct PopupRecord {
    std::wstring text;
    bool inSentMessage;
};

class SettingDlgTest : public apptest::ShellDialogTest {
protected:
    void SetUp() override
    {
        apptest::ShellDialogTest::SetUp();
        g_ApplicationLog.InitAppData(L"TALVORA", L"Brindlecast");
        CSettingManager::GetInstance()->Load();
        SetPopupAnswerHook([this](const POPUP_QUESTION& q) {
            popups.push_back({q.strText.GetString(), ::InSendMessage() != FALSE});
            return 1;
        });
    }
    void TearDown() override
    {
        SetPopupAnswerHook(nullptr);
        CWnd::SetModalLoopHook(nullptr);
        CSettingManager::DestroyInstance();
        apptest::ShellDialogTest::TearDown();
    }
    static bool WaitLoaded(CSettingDlg& d) { return zeltest::PumpUntil([&] { return d.IsPushLoaded(); }, 10000); }
    std::vector<PopupRecord> popups;
};

TEST_F(SettingDlgTest, ScheduleIsReadAtOpeningAndEveryChangeSendsTheWholeSchedule)
{
    LogIn("kim");
    CSettingDlg dlg;
    const INT_PTR result = apptest::RunModal<CSettingDlg>(dlg, [&](CSettingDlg& d) {
        ASSERT_TRUE(WaitLoaded(d));
        EXPECT_EQ(d.m_pList->GetRowValue(1), CString(L"ON"));
        EXPECT_TRUE(::IsWindowVisible(d.m_pPushPage->m_hWnd));
        EXPECT_FALSE(::IsWindowVisible(d.m_pVersionPage->m_hWnd));
        CSettingPushDlg* page = d.m_pPushPage;
        EXPECT_EQ(page->GetTimeText(page->m_pDateStart), CString(L"0900"));
        EXPECT_TRUE(page->IsChecked(page->m_pBtnMon));
        EXPECT_FALSE(page->IsChecked(page->m_pBtnSun));
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"SettingDlg"));
        apptest::ClickObject(page, page->m_pBtnSun);
        EXPECT_TRUE(WaitForFrames("tas", nullptr, "M00000019", 1));
        apptest::ClickObject(page, page->m_pBtnAlarm);   // off: the schedule's controls go
        EXPECT_TRUE(WaitForFrames("tas", nullptr, "M00000019", 2));
        EXPECT_EQ(page->m_pGroup->m_nVisible, 0);
        EXPECT_EQ(d.m_pList->GetRowValue(1), CString(L"OFF"));
        apptest::ClickObject(&d, d.m_Screen.FindObject(L"btnClose"));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(CTasClientManager::GetInstance()->GetListener(), m_listener.Handle()) << "replies given back";
    const auto read = TasBodies("M00000020");
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0]["userIdnfr"], Json::Value(1001));
    const auto sent = TasBodies("M00000019");
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0]["applyYn"], Json::Value(true));
    EXPECT_EQ(sent[0]["sunYn"], Json::Value(true));
    EXPECT_EQ(sent[0]["monYn"], Json::Value(true));
    EXPECT_EQ(sent[0]["satYn"], Json::Value(false));
    EXPECT_EQ(sent[0]["thurYn"], Json::Value(true));
    EXPECT_EQ(sent[0]["starttime"], Json::Value("0900"));
    EXPECT_EQ(sent[0]["endtime"], Json::Value("1800"));
    EXPECT_EQ(sent[1]["applyYn"], Json::Value(false));
    EXPECT_TRUE(popups.empty());
}

TEST_F(SettingDlgTest, ChangesBeforeTheScheduleHasLoadedAreNotSent)
{
    LogIn("lee");
    // The user's stored schedule, then a slow read of it.
    CTasClientManager::GetInstance()->RequestM00000019(TRUE, 0, 0, 1, 0, 0, 0, 0, L"0830", L"1705");
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000019", 1));
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "M00000020";
    rule["delay"] = 1.0;
    Control(rule);
    CSettingDlg dlg;
    apptest::RunModal<CSettingDlg>(dlg, [&](CSettingDlg& d) {
        CSettingPushDlg* page = d.m_pPushPage;
        EXPECT_FALSE(d.IsPushLoaded());
        apptest::ClickObject(page, page->m_pBtnSat);
        zeltest::PumpFor(300);
        ASSERT_TRUE(WaitLoaded(d));
        EXPECT_FALSE(page->IsChecked(page->m_pBtnSat)) << "the server's schedule replaces the early click";
        EXPECT_TRUE(page->IsChecked(page->m_pBtnTue));
        EXPECT_EQ(page->GetTimeText(page->m_pDateStart), CString(L"0830"));
        EXPECT_EQ(page->GetTimeText(page->m_pDateEnd), CString(L"1705"));
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(TasBodies("M00000019").size(), 1u) << "only the test's own request reached the server";
}

TEST_F(SettingDlgTest, RowsPagesPenAndCloseAlarm)
{
    LogIn("park");
    CSettingManager::GetInstance()->SetUsePen(1);
    CSettingManager::GetInstance()->SetCloseAlarm(0);
    CSettingDlg dlg;
    dlg.SetStartKey(4);
    apptest::RunModal<CSettingDlg>(dlg, [&](CSettingDlg& d) {
        EXPECT_TRUE(::IsWindowVisible(d.m_pVersionPage->m_hWnd));
        EXPECT_EQ(d.m_pList->GetCurSel(), 3);
        EXPECT_EQ(d.m_pVersionPage->m_pTextVersion->m_text.m_strText, CString(L"Version 4.2.0.0"));
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"SettingVersion"));
        EXPECT_EQ(d.m_pList->GetRowValue(2), CString(L"ON"));
        EXPECT_EQ(d.m_pList->GetRowValue(3), CString(L"사용 안 함"));
        // A click on the pen row shows its page.
        RECT row;
        d.m_pList->GetItemRect(&row, 1);
        skintest::Click(d.m_pList->m_hWnd, (row.left + row.right) / 2, (row.top + row.bottom) / 2);
        EXPECT_TRUE(::IsWindowVisible(d.m_pTouchPage->m_hWnd));
        EXPECT_FALSE(::IsWindowVisible(d.m_pVersionPage->m_hWnd));
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"SettingTouch"));
        apptest::ClickObject(d.m_pTouchPage, d.m_pTouchPage->m_pBtnPen);
        zeltest::PumpFor(100);
        EXPECT_EQ(CSettingManager::GetInstance()->m_bUsePen, 0);
        EXPECT_EQ(d.m_pList->GetRowValue(2), CString(L"OFF"));
        // Touch values: a valid number is stored at once; a cleared field keeps the last one.
        d.m_pTouchPage->m_pEditTrembling->m_edit.SetText(L"7");
        d.m_pTouchPage->OnObjectEvent(1297, d.m_pTouchPage->m_pEditTrembling);
        EXPECT_EQ(CSettingManager::GetInstance()->m_nTouchTrembling, 7);
        d.m_pTouchPage->m_pEditTrembling->m_edit.SetText(L"");
        d.m_pTouchPage->OnObjectEvent(1297, d.m_pTouchPage->m_pEditTrembling);
        EXPECT_EQ(CSettingManager::GetInstance()->m_nTouchTrembling, 7);
        // The close alarm's 30-minute choice.
        d.ShowPage(3);
        apptest::ClickObject(d.m_pCloseAlarmPage, d.m_pCloseAlarmPage->m_pBtn30);
        zeltest::PumpFor(100);
        EXPECT_EQ(CSettingManager::GetInstance()->m_nCloseAlarm, 30);
        EXPECT_EQ(d.m_pList->GetRowValue(3), CString(L"30분 전"));
        EXPECT_TRUE(apptest::SaveScreenshot(d.m_hWnd, L"SettingCloseAlarm"));
        d.m_pCloseAlarmPage->SetValue(15);
        EXPECT_EQ(d.m_pCloseAlarmPage->GetValue(), 0);
        EXPECT_TRUE(d.m_pCloseAlarmPage->GetValueText().IsEmpty());
        d.EndDialog(IDCANCEL);
    });
    const CString ini = CSettingManager::GetInstance()->GetSettingIniPath();
    EXPECT_EQ(::GetPrivateProfileIntW(L"OPT", L"m_nclosealarm", -1, ini), 30u);
    EXPECT_EQ(::GetPrivateProfileIntW(L"OPT", L"m_busepen", -1, ini), 0u);
}

TEST_F(SettingDlgTest, RefusedSaveAndFailedLoadAreToldAfterTheReply)
{
    LogIn("jung");
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "M00000019";
    rule["body"]["status"] = 1;
    Control(rule);
    CSettingDlg dlg;
    const INT_PTR kept = apptest::RunModal<CSettingDlg>(dlg, [&](CSettingDlg& d) {
        ASSERT_TRUE(WaitLoaded(d));
        apptest::ClickObject(d.m_pPushPage, d.m_pPushPage->m_pBtnWed);
        EXPECT_TRUE(zeltest::PumpUntil([&] { return !popups.empty(); }, 10000));
        EXPECT_TRUE(::IsWindowVisible(d.m_hWnd)) << "a refused change leaves the window open";
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(kept, IDCANCEL);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_FALSE(popups[0].inSentMessage);

    popups.clear();
    Json::Value fail;
    fail["cmd"] = "rule";
    fail["server"] = "tas";
    fail["msg"] = "M00000020";
    fail["status"] = 500;
    Control(fail);
    CSettingDlg dlg2;
    // The window closes itself once the failure has been told (maybe before it was first idle).
    const INT_PTR closed = apptest::RunModal<CSettingDlg>(dlg2, [&](CSettingDlg& d) {
        if (!zeltest::PumpUntil([&] { return !d.ContinueModal(); }, 10000)) d.EndDialog(100);
    });
    EXPECT_EQ(closed, IDCANCEL);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_FALSE(popups[0].inSentMessage);
    EXPECT_TRUE(TasBodies("M00000019").size() == 1u) << "nothing more was sent";
}

}  // namespace
