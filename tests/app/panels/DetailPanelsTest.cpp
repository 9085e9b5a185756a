// The detail screen with the attendee panel and the meeting chat the program gives it, against
// the local test servers: the attendees of the meeting opened, the search, the profile card, the
// hand-over, the chat pop-up's history and messages, and the panels going with the screen.
#include "tests/screens/detail/DetailTestSupport.h"

#include <gtest/gtest.h>

#include "app/panels/AttendeeChatAdapters.h"
#include "app/panels/ProgramPanels.h"
#include "core/ClientMessages.h"
#include "features/attendees/MemberLayer.h"
#include "features/attendees/ProfileDlg.h"
#include "features/chat/ChatEditCtrl.h"
#include "features/chat/ChatViewCtrl.h"
#include "features/chat/MeetingChatCtrl.h"
#include "screens/detail/DetailChatPopup.h"
#include "tests/app/panels/PanelTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

using panelstest::N;

class DetailWithPanels : public detailtest::DetailScreenTest {
protected:
    void SetUp() override
    {
        DetailScreenTest::SetUp();
        if (HasFatalFailure())
            return;
        // The screen again, this time with the program's panels instead of the stand-ins.
        m_pScreen->DestroyWindow();
        delete m_pScreen;
        m_pScreen = nullptr;
        SetDetailScreenHooks(SDetailScreenHooks());
        SetDetailPanelMakers();
        MakeScreen();
    }

    CMemberLayer* Members() { return dynamic_cast<CMemberLayer*>(m_pScreen->GetMemberPanelWnd()); }
    CMeetingChatCtrl* Chat()
    {
        HWND hChat = ::GetDlgItem(m_pScreen->GetChatPopup()->GetSafeHwnd(), CDetailChatPopup::CHAT_CTRL_ID);
        return dynamic_cast<CMeetingChatCtrl*>(CWnd::FromHandlePermanent(hChat));
    }
    std::vector<std::string> RowNames() { return panelstest::RowNames(Members()); }
    void Type(const CString& text)
    {
        HWND hEdit = Chat()->GetEdit()->GetSafeHwnd();
        ::SetFocus(hEdit);
        for (int i = 0; i < text.GetLength(); ++i)
            ::SendMessageW(hEdit, WM_CHAR, text[i], 1);
        ::SendMessageW(hEdit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        ::SendMessageW(hEdit, WM_CHAR, L'\r', 0x001C0001);
        ::SendMessageW(hEdit, WM_KEYUP, VK_RETURN, 0xC01C0001);
    }
    // Opens the chat pop-up and waits for its history.
    void OpenChat()
    {
        Command("clear_log");
        m_pScreen->ToggleChatPopup();
        ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000032", 1));
        ASSERT_TRUE(WaitForLoad());
        ASSERT_TRUE(m_pScreen->IsChatPopupVisible());
        ASSERT_NE(Chat(), nullptr);
    }
};

TEST_F(DetailWithPanels, TheAttendeesOfTheMeetingAreListedSearchedAndShowTheirProfile)
{
    Show("101", ZEL_MODE_MEETING);
    CMemberLayer* pMembers = Members();
    ASSERT_NE(pMembers, nullptr) << "no attendee panel";
    EXPECT_TRUE(pMembers->IsWindowVisible());
    // It fills the screen's left area.
    CRect rcPanel, rcScreen;
    pMembers->GetWindowRect(&rcPanel);
    m_pScreen->GetWindowRect(&rcScreen);
    EXPECT_GT(rcPanel.Width(), 100);
    EXPECT_LT(rcPanel.right, rcScreen.CenterPoint().x);
    // The host on the card, the others as rows in the server's order.
    EXPECT_EQ(pMembers->GetHost().userIdnfr, 1001);
    EXPECT_EQ(N(pMembers->Object(L"textNameP")->m_text.m_strText), N(L"김민준 부장"));
    EXPECT_EQ(RowNames(), (std::vector<std::string>{N(L"이서연"), N(L"박지훈"), N(L"최수아")}));
    EXPECT_EQ(N(pMembers->GetCountText()), N(L"참석 1명 / 전체 3명"));

    // The host's photo arrives through the detail screen.
    ASSERT_TRUE(PumpUntil([&] { return Requests("M00000006").size() >= 1; }));
    WaitForLoad();

    // Typing in the search box leaves the matching rows.
    SKIN_OBJECT* pSearch = pMembers->Object(L"search");
    ASSERT_NE(pSearch, nullptr);
    const CPoint ptSearch = pSearch->m_rcObject.CenterPoint();
    skintest::Click(pMembers->GetSafeHwnd(), ptSearch.x, ptSearch.y);
    ctltest::PumpTranslated();
    ASSERT_EQ(::GetFocus(), pSearch->m_edit.m_edit.GetSafeHwnd()) << "a click in the box lets the user type";
    for (wchar_t c : std::wstring(L"박지"))
        pSearch->m_edit.m_edit.SendMessage(WM_CHAR, c, 1);
    ctltest::PumpTranslated();
    CMemberListCtrl* pList = pMembers->GetList();
    EXPECT_EQ(pList->GetRowHeight(0), 0);
    EXPECT_GT(pList->GetRowHeight(1), 0);
    EXPECT_EQ(pList->GetRowHeight(2), 0);

    // A click on the row opens the profile card, and the server's profile fills it.
    Command("clear_log");
    panelstest::ClickRow(pMembers, 1);
    ASSERT_NE(pMembers->GetProfileDlg(), nullptr) << "no profile card";
    CProfileDlg* pCard = pMembers->GetProfileDlg();
    EXPECT_TRUE(pCard->IsWindowVisible());
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000006", 1));
    EXPECT_EQ(LastBody("M00000006")["userIdnfr"].asString(), "1003");
    EXPECT_EQ(N(pCard->GetFieldText(L"textName")), N(L"박지훈"));
    ASSERT_TRUE(PumpUntil([&] { return pCard->HasPhoto() != FALSE; }, 5000)) << "the profile reply did not reach the card";
    EXPECT_FALSE(pCard->GetFieldText(L"textEmail").IsEmpty());
    CRect rcCard;
    EXPECT_TRUE(m_pScreen->GetMemberPanel()->GetProfileRect(rcCard));
    EXPECT_EQ(rcCard.Width() > 0, true);
    EXPECT_TRUE(ctltest::SaveScreenshot(&m_host, L"detail_attendees"));

    // The screen's pop-ups close with the card.
    m_pScreen->ClosePopups();
    EXPECT_FALSE(pCard->IsWindowVisible());

    // Another meeting gets a new panel; the old one and its card are gone.
    const HWND hOld = pMembers->GetSafeHwnd();
    const HWND hOldCard = pCard->GetSafeHwnd();
    Show("102", ZEL_MODE_MEETING);
    EXPECT_FALSE(::IsWindow(hOld));
    EXPECT_FALSE(::IsWindow(hOldCard));
    ASSERT_NE(Members(), nullptr);
    EXPECT_EQ(Members()->GetHost().userIdnfr, 1003);
    EXPECT_EQ(RowNames(), (std::vector<std::string>{N(L"김민준"), N(L"이서연")}));
}

TEST_F(DetailWithPanels, PresenterAndAttendancePushesReachThePanel)
{
    Show("101", ZEL_MODE_MEETING);
    ASSERT_NE(Members(), nullptr);
    // 박지훈 comes in; then 이서연 takes the presentation.
    m_pScreen->OnPushBroadcast23(1003, L"Y");
    EXPECT_EQ(N(Members()->GetCountText()), N(L"참석 2명 / 전체 3명"));
    m_pScreen->OnPushBroadcast05(1002);
    EXPECT_EQ(Members()->GetList()->GetRowInfo(0)->processYn, 1);
    EXPECT_EQ(Members()->GetHost().processYn, 0);
    EXPECT_FALSE(Members()->Object(L"iconHost")->m_nVisible);
}

TEST_F(DetailWithPanels, ARefusedHandOverLeavesThePanelUsable)
{
    Show("101", ZEL_MODE_MEETING);
    CMemberLayer* pMembers = Members();
    ASSERT_NE(pMembers, nullptr);
    // Someone else presents: the host (the user) may take the presentation back on his card.
    m_pScreen->OnPushBroadcast05(1002);
    SKIN_OBJECT* pButton = pMembers->Object(L"btnHost");
    ASSERT_NE(pButton, nullptr);
    ASSERT_TRUE(pButton->m_nVisible);
    const struct {
        int nStatus;
        const char* what;
    } answers[] = {{5, "refused"}, {0, "accepted"}};
    for (const auto& a : answers) {
        Command("clear_log");
        Rule("M00000018", a.nStatus);
        m_main.answers.push_back(IDOK);
        const CPoint c = pButton->m_rcObject.CenterPoint();
        skintest::Click(pMembers->GetSafeHwnd(), c.x, c.y);
        ASSERT_TRUE(m_main.IndexOf(L"question ") >= 0) << a.what;
        ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000018", 1)) << a.what;
        EXPECT_EQ(LastBody("M00000018")["userIdnfr"].asString(), "1001");
        EXPECT_TRUE(PumpUntil([&] { return pMembers->IsWindowEnabled() != FALSE; }, 5000))
            << "the panel stays disabled after the " << a.what << " hand-over";
        m_main.calls.clear();
    }
}

TEST_F(DetailWithPanels, TheChatPopUpShowsTheHistoryAndSendsToTheServer)
{
    Show("101", ZEL_MODE_MEETING);
    OpenChat();
    CMeetingChatCtrl* pChat = Chat();
    CChatViewCtrl* pView = pChat->GetChatView();
    // The server's three messages, oldest first; the user's own on the right.
    ASSERT_EQ(pView->GetItemCount(), 3);
    EXPECT_EQ(N(pView->GetItem(0).message), N(L"자료 1쪽부터 보시면 됩니다."));
    EXPECT_EQ(pView->GetItem(0).mine, 0);
    EXPECT_EQ(N(pView->GetItem(2).message), N(L"네, 곧 공유하겠습니다."));
    EXPECT_EQ(pView->GetItem(2).mine, 1);
    EXPECT_EQ(m_main.title.chatStates.back(), 1) << "the title's chat button shows there are messages";
    EXPECT_TRUE(pChat->GetSendButton().IsWindowEnabled()) << "a running meeting's chat is written";

    // A message typed and sent with Enter reaches the server and gets its id.
    Type(L"회의 자료 잘 받았습니다");
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000031", 1));
    const Json::Value sent = LastBody("M00000031");
    EXPECT_EQ(sent["mtngId"].asString(), "101");
    EXPECT_EQ(sent["message"].asString(), N(L"회의 자료 잘 받았습니다"));
    ASSERT_EQ(pView->GetItemCount(), 4);
    ASSERT_TRUE(PumpUntil([&] { return !pView->GetItem(3).messageId.IsEmpty(); }, 5000)) << "the answer was dropped";
    EXPECT_EQ(pView->GetItem(3).sendFailed, 0);

    // One the server refuses is marked as not sent.
    Rule("M00000031", 3);
    Type(L"전송이 거부될 메시지");
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000031", 2));
    ASSERT_EQ(pView->GetItemCount(), 5);
    EXPECT_TRUE(PumpUntil([&] { return pView->GetItem(4).sendFailed == 1; }, 5000))
        << "a refused message looks sent";
    EXPECT_EQ(pView->GetItem(3).sendFailed, 0);
    Pump(300);
    EXPECT_TRUE(ctltest::SaveScreenshot(&m_host, L"detail_chat"));

    // A refused older page takes the loading picture down.
    Rule("M00000032", 4);
    ::SendMessageW(pChat->GetSafeHwnd(), WM_CHAT_OLDER_PAGE, 0, 0);
    EXPECT_TRUE(pView->IsLoadingVisible());
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000032", 2));
    EXPECT_TRUE(PumpUntil([&] { return !pView->IsLoadingVisible(); }, 5000)) << "the loading picture waits for ever";
    EXPECT_EQ(pView->GetItemCount(), 5);
}

TEST_F(DetailWithPanels, AnEndedMeetingsChatIsReadNotWritten)
{
    Show("103", ZEL_MODE_MEETING);
    OpenChat();
    EXPECT_EQ(Chat()->GetChatView()->GetItemCount(), 1);
    EXPECT_FALSE(Chat()->GetSendButton().IsWindowEnabled());
}

TEST_F(DetailWithPanels, AReportsPanelAndTheChatGoWithTheScreen)
{
    Show("105", ZEL_MODE_MEETING);
    CMemberLayer* pMembers = Members();
    ASSERT_NE(pMembers, nullptr);
    // The report form: approver and reporter cards, no list.
    EXPECT_EQ(N(pMembers->Object(L"textNameApprover")->m_text.m_strText), N(L"김민준 부장"));
    EXPECT_EQ(N(pMembers->Object(L"textNameReporter")->m_text.m_strText), N(L"정예준 감사관"));
    EXPECT_FALSE(pMembers->GetList()->IsWindowVisible());
    OpenChat();
    const HWND hMembers = pMembers->GetSafeHwnd();
    const HWND hChat = Chat()->GetSafeHwnd();
    // Closing the screen destroys both windows and deletes both objects once.
    m_pScreen->DestroyWindow();
    delete m_pScreen;
    m_pScreen = nullptr;
    Pump(100);
    EXPECT_FALSE(::IsWindow(hMembers));
    EXPECT_FALSE(::IsWindow(hChat));
}

}  // namespace
