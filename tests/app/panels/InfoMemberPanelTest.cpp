// The meeting screen's side panel with the attendee page the program gives it: the real meeting
// screen logged in as an attendee against the local test servers.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/panels/ProgramPanels.h"
#include "core/MeetingManager.h"
#include "features/attendees/MemberLayer.h"
#include "features/attendees/ProfileDlg.h"
#include "net/protocol/TasClientManager.h"
#include "screens/meeting/MeetingLayer.h"
#include "screens/meeting/MeetingPanelMakers.h"
#include "screens/meeting/panels/InfoLayer.h"
#include "tests/app/panels/PanelTestSupport.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/screens/meeting/MeetingTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/controls/PopupAnswer.h"

namespace {

using panelstest::N;

class SidePanelAttendees : public prototest::EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        ASSERT_TRUE(m_resources.Ok());
        ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
        ASSERT_TRUE(meetingtest::OpenMeetingBench(L"ProgramPanels", ServerPort(PORT_HTTP), m_window, m_main));
        ASSERT_TRUE(meetingtest::LogInAs("lee", ServerPort(PORT_TAS), m_listener, m_events.Handle())) << "no login";

        // The program's side panel, kept at hand for the test.
        SetMeetingPanelMakers(SMeetingPanelMakers());
        SetInfoPanelMaker();
        SMeetingPanelMakers makers = GetMeetingPanelMakers();
        const auto make = makers.makeInfoLayer;
        makers.makeInfoLayer = [this, make](CWnd* pParent, UINT nId, const CRect& rc, IMeetingInfoPanel** ppPanel) {
            CWnd* pWnd = make(pParent, nId, rc, ppPanel);
            m_pSide = dynamic_cast<CInfoLayer*>(pWnd);
            return pWnd;
        };
        SetMeetingPanelMakers(makers);
        m_pScreen.reset(meetingtest::CreateMeetingScreen(m_window));
        ASSERT_NE(m_pScreen, nullptr);
        ASSERT_NE(m_pSide, nullptr) << "the program's side panel was not made";
    }

    void TearDown() override
    {
        m_pScreen.reset();
        SetMeetingPanelMakers(SMeetingPanelMakers());
        SetInfoMemberPanelMaker(nullptr);
        meetingtest::CloseMeetingBench(m_window);
        EndToEndTest::TearDown();
    }

    CMemberLayer* Members()
    {
        IInfoMemberPanel* pPanel = m_pSide ? m_pSide->GetMemberPanel() : nullptr;
        return pPanel ? dynamic_cast<CMemberLayer*>(pPanel->GetWnd()) : nullptr;
    }
    std::vector<std::string> RowNames() { return panelstest::RowNames(Members()); }
    // Enters the meeting and waits for its attendees on the side panel's page.
    void Enter(const wchar_t* id, size_t nRows)
    {
        m_pScreen->EnterMeeting(id);
        ASSERT_NE(Members(), nullptr) << "no attendee page";
        ASSERT_TRUE(PumpUntil([&] { return Members() && (size_t)Members()->GetRowCount() == nRows; }, 15000))
            << "the attendees did not come";
        m_pSide->ShowPanel(TRUE, FALSE);
        ctltest::PumpTranslated();
    }

    ctltest::ShippedResources m_resources;
    meetingtest::StandInMain m_main;
    meetingtest::MainWindow m_window;
    std::unique_ptr<CMeetingLayer> m_pScreen;
    CInfoLayer* m_pSide = nullptr;
};

TEST_F(SidePanelAttendees, TheAttendeeTabShowsTheMeetingsAttendeesAndTheirProfiles)
{
    Enter(L"101", 3);
    CMemberLayer* pMembers = Members();
    EXPECT_TRUE(m_pSide->IsMemberPanelVisible());
    EXPECT_TRUE(pMembers->IsWindowVisible());
    EXPECT_EQ(pMembers->GetParent(), static_cast<CWnd*>(m_pSide));
    EXPECT_EQ(N(pMembers->Object(L"textNameP")->m_text.m_strText), N(L"김민준 부장"));
    EXPECT_EQ(RowNames(), (std::vector<std::string>{N(L"이서연"), N(L"박지훈"), N(L"최수아")}));
    EXPECT_TRUE(m_pSide->IsApprovalPending()) << "the user has not confirmed";

    // A row's click opens the profile card; the server's profile fills it.
    panelstest::ClickRow(pMembers, 2);
    ASSERT_NE(pMembers->GetProfileDlg(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !pMembers->GetProfileDlg()->GetFieldText(L"textEmail").IsEmpty(); }, 5000));
    EXPECT_EQ(N(pMembers->GetProfileDlg()->GetFieldText(L"textName")), N(L"최수아"));
    // The photo the server sends with the profile reaches the card through the meeting screen.
    EXPECT_TRUE(pMembers->GetProfileDlg()->HasPhoto());
    CRect rcCard;
    EXPECT_TRUE(m_pSide->GetMemberPanel()->GetProfileRect(rcCard));
    EXPECT_TRUE(ctltest::SaveScreenshot(&m_window, L"meeting_side_attendees"));
    // A press far from the card closes it.
    m_pSide->CloseProfileIfOutside(rcCard.right + 200, rcCard.bottom + 200);
    EXPECT_FALSE(pMembers->GetProfileDlg()->IsWindowVisible());
}

TEST_F(SidePanelAttendees, AnotherMeetingGetsANewPageAndTheApprovalFlagFollowsTheList)
{
    Enter(L"101", 3);
    const HWND hOld = Members()->GetSafeHwnd();
    // The side panel keeps the flag it is told until the next list says otherwise.
    m_pSide->SetApprovalPending(FALSE);
    EXPECT_FALSE(m_pSide->IsApprovalPending());

    m_pScreen->LeaveMeeting();
    Enter(L"102", 2);
    EXPECT_FALSE(::IsWindow(hOld)) << "the old page stays";
    EXPECT_EQ(Members()->GetHost().userIdnfr, 1003);
    EXPECT_EQ(RowNames(), (std::vector<std::string>{N(L"김민준"), N(L"이서연")}));
    EXPECT_TRUE(m_pSide->IsApprovalPending()) << "the list's own entry has not confirmed";
    // A refused hand-over leaves the page usable.
    Members()->EnableWindow(FALSE);
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "M00000018";
    rule["status"] = 5;
    Control(rule);
    CTasClientManager::GetInstance()->RequestM00000018(L"102", L"", L"1002");
    EXPECT_TRUE(PumpUntil([&] { return Members()->IsWindowEnabled() != FALSE; }, 5000));
}

}  // namespace
