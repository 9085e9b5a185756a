// The attendee panel on real windows against the local application server: the host's card and
// the rows with presence, presenter and confirmation marks, the count, the name search, the
// profile card filled from the row and then from the server, the presentation handed over (the
// server's log shows the request), and the panel's and the card's pictures.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "tests/host/MainDlgStandIn.h"
#include "ui/host/MainDlg.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "features/attendees/AttendeeListCtrl.h"
#include "features/attendees/AttendeePanel.h"
#include "features/attendees/MemberLayer.h"
#include "resources/resource.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "tests/features/FeatureServerSupport.h"

using featuretest::ServerSuite;

namespace {

// The main dialog as the panel sees it: it answers the hand-over question.
class StandInMainDlg : public CZELMainDlgStandIn {
public:
    CWnd* GetWnd() override { return wnd; }
    void SetScreenMode(int, const CString&) override {}
    int GetScreenMode() override { return ZEL_MODE_DETAIL; }
    int ShowMessagePopup(const CString&, const CString& strText, int, CWnd*, BOOL) override
    {
        questions.push_back(strText);
        return answer;
    }
    int ShowConfirmPopup(const CString&) override { return IDOK; }
    void ShowToast(const CString&) override {}
    CWnd* wnd = nullptr;
    int answer = IDOK;
    std::vector<CString> questions;
};

class AttendeePanel : public ServerSuite {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(skintest::LoadShippedSkin());
        ASSERT_TRUE(StartAndLogIn(600, 640)) << "servers or log-in";
    }
    static void TearDownTestSuite() { StopAll(); }
    void SetUp() override
    {
        ASSERT_TRUE(m_resources.Ok());
        ServerSuite::SetUp();
        m_main.wnd = s_pHost;
        SetMainDlg(&m_main);
    }
    void TearDown() override
    {
        if (m_pWnd) m_pWnd->DestroyWindow();
        SetMainDlg(nullptr);
        CMeetingManager::GetInstance()->ClearCurrentMeeting();
        ServerSuite::TearDown();
    }
    // The meeting as the detail reply describes it, then the panel with its attendee list.
    void Open(const wchar_t* mtngId, BOOL bReport = FALSE)
    {
        ASSERT_TRUE(Ask([&] { CTasClientManager::GetInstance()->RequestM00000005(mtngId, L"10"); }));
        CMeetingManager::GetInstance()->SetCurrentMeeting(mtngId)->LoadFromJson(s_pHost->last["M00000005"]);
        m_pWnd = CreateAttendeePanel(s_pHost, bReport);
        ASSERT_NE(m_pWnd, nullptr);
        m_pPanel = AsAttendeePanel(m_pWnd);
        m_pLayer = static_cast<CMemberLayer*>(m_pWnd);
        s_pHost->relay = [this](UINT message, const CTasResponse* reply) { m_pPanel->OnServerReply(message, reply); };
        m_pWnd->MoveWindow(0, 0, 255, 600);
        m_pWnd->ShowWindow(SW_SHOW);
        m_pPanel->SetMeetingId(mtngId);
        ASSERT_TRUE(Ask([&] { CTasClientManager::GetInstance()->RequestM00000004(mtngId, L""); }));
        // The host's photo follows.
        zeltest::PumpUntil([&] { return s_pHost->last.count("M00000006") > 0; }, 5000);
        ctltest::PumpTranslated();
    }
    SKIN_OBJECT* RowObject(int row, const wchar_t* name)
    {
        MYLIST_ITEM* item = m_pLayer->GetList()->GetRow(row);
        return item && item->pScreen ? item->pScreen->FindObject(name) : nullptr;
    }
    bool RowShows(int row, const wchar_t* name)
    {
        SKIN_OBJECT* o = RowObject(row, name);
        return o && o->m_nVisible;
    }
    // A press and a release on a row at a point of its own (list client coordinates).
    void ClickRow(int row, int x, int y, int moveBy = 0)
    {
        CMemberListCtrl* list = m_pLayer->GetList();
        list->SendMessage(WM_MOUSEMOVE, 0, 0);
        ctltest::PumpTranslated();
        const CRect rc = list->GetRowRect(row);
        ctltest::Mouse(list, WM_LBUTTONDOWN, rc.left + x, rc.top + y, MK_LBUTTON);
        ctltest::Mouse(list, WM_LBUTTONUP, rc.left + x + moveBy, rc.top + y);
        ctltest::PumpTranslated();
    }
    ctltest::ShippedResources m_resources;
    StandInMainDlg m_main;
    CWnd* m_pWnd = nullptr;
    IAttendeePanel* m_pPanel = nullptr;
    CMemberLayer* m_pLayer = nullptr;
};

TEST_F(AttendeePanel, HostCardRowsRolesAndCount)
{
    Open(L"101");
    EXPECT_EQ(m_pLayer->GetHost().userIdnfr, 1001);
    SKIN_OBJECT* hostName = m_pLayer->Object(L"textNameP");
    ASSERT_NE(hostName, nullptr);
    EXPECT_TRUE(hostName->m_nVisible) << "the host is present";
    EXPECT_EQ(zeltest::Narrow((LPCTSTR)hostName->m_text.m_strText), zeltest::Narrow(L"김민준 부장"));
    EXPECT_TRUE(m_pLayer->Object(L"iconHost")->m_nVisible) << "the host presents";
    ASSERT_EQ(m_pLayer->GetRowCount(), 3);
    EXPECT_EQ(m_pLayer->GetList()->GetRowInfo(0)->userIdnfr, 1002);
    EXPECT_TRUE(RowShows(0, L"textNameP")) << "present";
    EXPECT_TRUE(RowShows(0, L"btnHost")) << "the main person may hand over to a present attendee";
    EXPECT_FALSE(RowShows(1, L"btnHost")) << "not to an absent one";
    EXPECT_TRUE(RowShows(1, L"textName"));
    EXPECT_EQ(zeltest::Narrow((LPCTSTR)m_pLayer->GetCountText()), zeltest::Narrow(L"참석 1명 / 전체 3명"));
    EXPECT_EQ(m_pPanel->IsApprovalPending(), 1) << "the user has not confirmed";
}

TEST_F(AttendeePanel, SearchFiltersByName)
{
    Open(L"101");
    SKIN_OBJECT* search = m_pLayer->Object(L"search");
    ASSERT_NE(search, nullptr);
    // Typed as a user would: the box takes the focus (its hint goes), then the characters.
    search->m_edit.m_edit.SetFocus();
    ctltest::PumpTranslated();
    for (wchar_t c : std::wstring(L"박지")) search->m_edit.m_edit.SendMessage(WM_CHAR, c, 1);
    ctltest::PumpTranslated();
    CMemberListCtrl* list = m_pLayer->GetList();
    EXPECT_EQ(list->GetRowHeight(0), 0) << "이서연 hidden";
    EXPECT_GT(list->GetRowHeight(1), 0) << "박지훈 shown";
    EXPECT_EQ(list->GetRowHeight(2), 0);
    EXPECT_TRUE(m_pLayer->Object(L"btnSearchClear")->IsEnabledForClick());
    // A name differing only in letter case is not found either way; the clear button shows all.
    search->m_edit.m_edit.SetWindowText(L"");
    ctltest::PumpTranslated();
    for (int i = 0; i < 3; ++i) EXPECT_GT(list->GetRowHeight(i), 0) << i;
    for (wchar_t c : std::wstring(L"최수")) search->m_edit.m_edit.SendMessage(WM_CHAR, c, 1);
    ctltest::PumpTranslated();
    EXPECT_EQ(list->GetRowHeight(0), 0);
    EXPECT_GT(list->GetRowHeight(2), 0);
    m_pLayer->OnObjectEvent(WM_LBUTTONUP, m_pLayer->Object(L"btnSearchClear"));
    ctltest::PumpTranslated();
    for (int i = 0; i < 3; ++i) EXPECT_GT(list->GetRowHeight(i), 0) << i;
}

TEST_F(AttendeePanel, ProfileCardFromTheRowThenFromTheServer)
{
    Open(L"101");
    const size_t asked = Frames("tas", nullptr, "M00000006").size();
    ClickRow(1, 60, 20, 5);
    EXPECT_EQ(Frames("tas", nullptr, "M00000006").size(), asked) << "moved more than 2 pixels: no card";
    EXPECT_EQ(m_pLayer->GetProfileDlg(), nullptr);

    s_pHost->last.erase("M00000006");
    ClickRow(1, 60, 20);
    ASSERT_NE(m_pLayer->GetProfileDlg(), nullptr);
    EXPECT_EQ(LastBody("M00000006")["userIdnfr"].asInt(), 1003);
    CProfileDlg* card = m_pLayer->GetProfileDlg();
    EXPECT_TRUE(card->IsWindowVisible());
    EXPECT_EQ(zeltest::Narrow((LPCTSTR)card->GetFieldText(L"textName")), zeltest::Narrow(L"박지훈"));
    ASSERT_TRUE(zeltest::PumpUntil([&] { return card->HasPhoto(); }, 5000)) << "the server's photo";
    EXPECT_FALSE(card->GetFieldText(L"textEmail").IsEmpty());
    EXPECT_TRUE(ctltest::SaveScreenshot(card, L"profile_card"));

    // Esc only hides it; the next row shows it where it was, keeping the last photo until the
    // new one comes.
    CRect before;
    card->GetWindowRect(&before);
    card->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(card->IsWindowVisible());
    ClickRow(0, 60, 20);
    EXPECT_TRUE(card->IsWindowVisible());
    CRect after;
    card->GetWindowRect(&after);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(card->HasPhoto());
}

TEST_F(AttendeePanel, HandOverAsksThenSendsTheRequest)
{
    Open(L"101");
    m_main.answer = IDCANCEL;
    SKIN_OBJECT* button = RowObject(0, L"btnHost");
    ASSERT_NE(button, nullptr);
    const CRect rcButton = button->m_rcObject;
    ClickRow(0, rcButton.CenterPoint().x, rcButton.CenterPoint().y);
    ASSERT_EQ(m_main.questions.size(), 1u);
    EXPECT_EQ(Frames("tas", nullptr, "M00000018").size(), 0u) << "declined";

    m_main.answer = IDOK;
    ASSERT_TRUE(Ask([&] { ClickRow(0, rcButton.CenterPoint().x, rcButton.CenterPoint().y); }));
    const Json::Value body = LastBody("M00000018");
    EXPECT_EQ(body["mtngId"].asString(), "101");
    EXPECT_EQ(body["userIdnfr"].asString(), "1002");
    EXPECT_TRUE(m_pWnd->IsWindowEnabled()) << "a row's hand-over leaves the panel enabled";

    // The answer is on the list the next time it comes.
    ASSERT_TRUE(Ask([&] { CTasClientManager::GetInstance()->RequestM00000004(L"101", L""); }));
    EXPECT_TRUE(RowShows(0, L"iconConfirmY"));
    EXPECT_TRUE(ctltest::SaveScreenshot(m_pWnd, L"attendee_panel"));
}

TEST_F(AttendeePanel, NoHandOverWithoutControl)
{
    Open(L"103");   // 최수아 hosts; the user is a present attendee
    SKIN_OBJECT* button = m_pLayer->Object(L"btnHost");
    ASSERT_NE(button, nullptr);
    // The user is neither main person nor presenter here: no button on the host card.
    EXPECT_FALSE(button->m_nVisible);
    EXPECT_FALSE(RowShows(0, L"btnHost"));
}

TEST_F(AttendeePanel, ReportShowsApproverAndReporterCardsWithoutAList)
{
    Open(L"105", TRUE);
    EXPECT_EQ(zeltest::Narrow((LPCTSTR)m_pLayer->Object(L"textNameApprover")->m_text.m_strText),
              zeltest::Narrow(L"김민준 부장"));
    EXPECT_EQ(zeltest::Narrow((LPCTSTR)m_pLayer->Object(L"textNameReporter")->m_text.m_strText),
              zeltest::Narrow(L"정예준 감사관"));
    EXPECT_TRUE(m_pLayer->Object(L"iconReporter")->m_nVisible) << "the reporter presents";
    EXPECT_FALSE(m_pLayer->Object(L"btnAddUser")->m_nVisible);
    EXPECT_FALSE(m_pLayer->GetList()->IsWindowVisible());
    EXPECT_EQ(m_pLayer->GetRowCount(), 0);
    // Both cards' profiles are asked for.
    ASSERT_TRUE(zeltest::PumpUntil([&] { return Frames("tas", nullptr, "M00000006").size() >= 2; }, 5000));
}

TEST_F(AttendeePanel, AddUserInAnOpenMeetingAddsTheUserHimself)
{
    Open(L"106");   // an open (type 13) meeting the user neither hosts nor attends
    ASSERT_TRUE(Ask([&] { m_pLayer->OnObjectEvent(WM_LBUTTONUP, m_pLayer->Object(L"btnAddUser")); }));
    const Json::Value body = LastBody("M00000038");
    EXPECT_EQ(body["mtngId"].asString(), "106");
    EXPECT_EQ(body["userIdnfr"].asString(), "1001");
    EXPECT_EQ(zeltest::Widen(body["name"].asString()), L"김민준");
    EXPECT_EQ(body["isMtngOpenMode"].asString(), "Y");
}

TEST_F(AttendeePanel, InformationPanelListRowsClicksAndHandOver)
{
    ASSERT_TRUE(Ask([&] { CTasClientManager::GetInstance()->RequestM00000005(L"101", L"10"); }));
    CMeetingManager::GetInstance()->SetCurrentMeeting(L"101")->LoadFromJson(s_pHost->last["M00000005"]);
    s_pHost->reports.clear();
    CAttendeeListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(300, 10, 554, 250), s_pHost, 26100));
    list.SetOwnerWnd(s_pHost);
    const struct { int id; const wchar_t* name; int presence; int flag; } people[] = {
        {1002, L"이서연", 1, 0}, {1003, L"박지훈", 0, 1}, {1004, L"최수아", 1, 0},
    };
    for (const auto& p : people) {
        S_ATTENDEE_ROW* row = new S_ATTENDEE_ROW;
        row->userIdnfr = p.id;
        row->name = p.name;
        row->position = L"과장";
        row->dept = L"기획조정실";
        row->presence = p.presence;
        row->roleFlag = p.flag;
        row->iconCount = 1;
        list.AddRow(row);
    }
    ctltest::PumpTranslated();
    // The row's name is drawn in its colour.
    bool blue = false;
    for (int x = 14; x < 120 && !blue; ++x)
        for (int y = 6; y < 20 && !blue; ++y) blue = ctltest::Pixel(&list, x, y) == RGB(63, 72, 204);
    EXPECT_TRUE(blue) << "the name in blue";
    EXPECT_EQ(list.GetRowTipInfo(0, nullptr), 1) << "the main person may hand over";
    EXPECT_EQ(list.GetRowTipInfo(1, nullptr), 2) << "already flagged";

    // A click on a flagged row reports the row; on another, the question, then the hand-over.
    m_main.answer = IDOK;
    ctltest::Mouse(&list, WM_LBUTTONDOWN, 60, 48 + 20, MK_LBUTTON);
    ctltest::Mouse(&list, WM_LBUTTONUP, 60, 48 + 20);
    ctltest::PumpTranslated();
    ASSERT_EQ(s_pHost->Count(WM_ATTENDEE_LIST_ROW), 1);
    EXPECT_EQ(s_pHost->Only(WM_ATTENDEE_LIST_ROW)[0].wParam, 1003u);
    ctltest::Mouse(&list, WM_LBUTTONDOWN, 60, 20, MK_LBUTTON);
    ctltest::Mouse(&list, WM_LBUTTONUP, 60, 20);
    ctltest::PumpTranslated();
    EXPECT_EQ(m_main.questions.size(), 1u);
    ASSERT_EQ(s_pHost->Count(WM_ATTENDEE_LIST_HANDOVER), 1);
    EXPECT_EQ(s_pHost->Only(WM_ATTENDEE_LIST_HANDOVER)[0].wParam, 1002u);
    list.DestroyWindow();

    CAttendeeDetailPopup card(s_pHost, 0, 0, L"프로필");
    ASSERT_TRUE(card.Create(IDD_SKIN_POPUP, s_pHost));
    card.SetProfile(L"이서연", L"과장", L"기획조정실", L"seoyeon.lee@talvora.example", L"02-3456-1002", L"010-2345-1002");
    card.ShowWindow(SW_SHOW);
    ctltest::PumpTranslated();
    EXPECT_EQ(zeltest::Narrow((LPCTSTR)card.GetScreen().FindObject(L"textName")->m_text.m_strText), zeltest::Narrow(L"이서연"));
    EXPECT_NE(ctltest::Pixel(&card, 150, 100), RGB(0, 0, 0)) << "the card's screen is painted";
    card.DestroyWindow();
}

}  // namespace
