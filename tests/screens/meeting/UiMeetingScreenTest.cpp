// The meeting screen as a user meets it: the real screen, board and right-hand container under
// Xvfb, the program's own application-server and synchronisation clients logged in as an
// attendee, against the local test servers (page images over HTTP).
#include <winsock2.h>

#include <gtest/gtest.h>

#include <json/json.h>

#include <functional>
#include <memory>

#include "core/LoginManager.h"
#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "features/documents/DocViewerDlg.h"
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "platform/MessageBox.h"
#include "platform/ResourceHandle.h"
#include "platform/WinApp.h"
#include "core/ClientMessages.h"
#include "screens/meeting/MeetingLayer.h"
#include "screens/meeting/MeetingRules.h"
#include "screens/meeting/RightContainerWnd.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/screens/meeting/MeetingTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "tests/whiteboard/WhiteboardTestSupport.h"
#include "tests/whiteboard/canvas/CanvasTestSupport.h"
#include "ui/controls/PopupAnswer.h"
#include "whiteboard/board/BoardLayer.h"

using meetingtest::S;

namespace {

class MeetingScreenTest : public prototest::EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        const std::wstring dll = zeltest::BinaryDir() + L"\\bin\\Res_Kor.dll";
        m_hLanguage = ::LoadLibraryW(dll.c_str());
        ASSERT_NE(m_hLanguage, nullptr);
        m_hPrevious = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hLanguage);
        ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));

        ASSERT_TRUE(meetingtest::OpenMeetingBench(L"Meeting", ServerPort(PORT_HTTP), m_window, m_main));
        LogIn("lee");

        SMeetingPanelMakers makers;
        makers.makeInfoLayer = [this](CWnd* pParent, UINT nId, const CRect& rc, IMeetingInfoPanel** ppPanel) {
            m_pPanel = new meetingtest::RecordingInfoPanel();
            m_pPanel->CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)::GetStockObject(WHITE_BRUSH)), L"",
                               WS_CHILD | WS_VISIBLE, rc, pParent, nId);
            *ppPanel = m_pPanel;
            return (CWnd*)m_pPanel;
        };
        SetMeetingPanelMakers(makers);
        m_pScreen.reset(meetingtest::CreateMeetingScreen(m_window));
        ASSERT_NE(m_pScreen, nullptr);
    }

    void TearDown() override
    {
        m_tds.reset();
        m_pScreen.reset();
        SetMeetingPanelMakers(SMeetingPanelMakers());
        meetingtest::CloseMeetingBench(m_window);
        if (m_hLanguage) {
            AfxSetResourceHandle(m_hPrevious);
            ::FreeLibrary(m_hLanguage);
        }
        EndToEndTest::TearDown();
    }

    void LogIn(const char* user)
    {
        ASSERT_TRUE(meetingtest::LogInAs(user, ServerPort(PORT_TAS), m_listener, m_events.Handle())) << "no login";
    }

    void ConnectSync()
    {
        m_tds.reset(new CTDSClientManager());
        ASSERT_TRUE(m_tds->Init(zeltest::SourcePath(L"protocols/tds_protocol.xml").c_str()));
        m_tdsEvents.Expect(WM_TDS_CONNECTED, prototest::RecordingWindow::LPARAM_VALUE);
        m_tds->SetEventWindow(m_events.Handle());
        m_tds->Connect(CString(L"127.0.0.1"), ServerPort(PORT_TDS));
        m_tds->SetListener(m_window.GetSafeHwnd(), nullptr);
        ASSERT_TRUE(PumpUntil([this] { return Frames("tds", nullptr, "M00000001").size() >= 1; }, 15000));
    }

    std::vector<Json::Value> Bodies(const char* msg)
    {
        std::vector<Json::Value> out;
        for (const Json::Value& f : Frames("tas", nullptr, msg)) out.push_back(f["body"]);
        return out;
    }

    void Rule(const char* msg, const Json::Value& extra)
    {
        Json::Value rule = extra;
        rule["cmd"] = "rule";
        rule["server"] = "tas";
        rule["msg"] = msg;
        Control(rule);
    }

    // Enters the meeting and waits until the board shows the page with its image.
    void EnterAndShow(const wchar_t* id, int page = 1)
    {
        m_pScreen->EnterMeeting(id);
        CBoardLayer* board = m_pScreen->GetBoardLayer();
        ASSERT_TRUE(PumpUntil(
            [&] {
                const auto p = board->GetPageManager().GetPage(page);
                return p && p->HasImage() && board->GetCanvas()->GetPageNumber() == page;
            },
            20000))
            << "the page image did not come";
    }

    BOOL BoardShows(const wchar_t* doc, int page)
    {
        CBoardLayer* board = m_pScreen->GetBoardLayer();
        const auto p = board->GetPageManager().GetPage(page);
        return m_pScreen->GetCurrentDocumentId() == doc && p && p->HasImage() &&
               board->GetCanvas()->GetPageNumber() == page;
    }

    HMODULE m_hLanguage = nullptr;
    HINSTANCE m_hPrevious = nullptr;
    meetingtest::StandInMain m_main;
    meetingtest::MainWindow m_window;
    meetingtest::RecordingInfoPanel* m_pPanel = nullptr;
    std::unique_ptr<CMeetingLayer> m_pScreen;
    std::unique_ptr<CTDSClientManager> m_tds;
    prototest::RecordingWindow m_tdsEvents;
};

TEST_F(MeetingScreenTest, EnteringAsksPresenceDetailAndChatThenShowsTheFirstDocument)
{
    EnterAndShow(L"101");
    const auto detail = Bodies("M00000005");
    ASSERT_EQ(detail.size(), 1u);
    EXPECT_EQ(detail[0]["mtngId"].asString(), "101");
    EXPECT_EQ(detail[0]["mtngType"].asString(), "10");
    EXPECT_EQ(Bodies("M00000004").size() >= 1, true);
    EXPECT_EQ(Bodies("M00000032").size(), 1u);
    // A running meeting asks for the presenter's view; nobody presents yet.
    EXPECT_EQ(Bodies("M00000021").size(), 1u);
    EXPECT_EQ(m_pScreen->GetCurrentDocumentId(), CString(L"D1011"));
    EXPECT_FALSE(m_pScreen->IsPageSync());
    // Every thumbnail of the 12 pages reached the side panel, batch after batch.
    ASSERT_TRUE(PumpUntil([this] { return m_pPanel->thumbnails.size() == 12; }, 20000)) << m_pPanel->thumbnails.size();
    EXPECT_EQ(m_pPanel->total, 12);
    EXPECT_GE(m_pPanel->attendees, 4);
    // The meeting's documents are listed on the right.
    EXPECT_EQ(m_pScreen->GetRightContainer()->GetDocumentCount(), 2);
    // The attendance of a running meeting was sent.
    EXPECT_TRUE(WaitForFrames("tas", nullptr, "M00000047", 1));
    // Accessors outside a meeting.
    m_pScreen->LeaveMeeting();
    EXPECT_EQ(m_pScreen->GetMeetingStatus(), 4);
    EXPECT_EQ(m_pScreen->GetMeetingKind(), 1);
    EXPECT_EQ(m_pScreen->GetMeetingTypeCode(), 1);
    EXPECT_TRUE(m_pScreen->IsMeetingClosed());
    EXPECT_TRUE(m_pScreen->GetMeetingId().IsEmpty());
}

TEST_F(MeetingScreenTest, FollowsThePresentersPageAndDocumentAndLeavesCleanly)
{
    ConnectSync();
    EnterAndShow(L"101");
    ASSERT_TRUE(PumpUntil([this] { return m_pPanel->thumbnails.size() == 12; }, 20000));
    // The presenter shows page 3 of the first document.
    Json::Value view;
    view["body"]["mtngId"] = "101";
    view["body"]["mtngStatus"] = "02";
    view["body"]["attcFileId"] = "D1011";
    view["body"]["page"] = 3;
    view["body"]["zoomFactor"] = "-1";
    view["body"]["originX"] = "0";
    view["body"]["originY"] = "0";
    Rule("M00000021", view);
    m_pScreen->SendMessage(WM_MEETING_SYNC_COMMAND, 4, 0);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000015", 1));
    const auto sync = Bodies("M00000015");
    EXPECT_TRUE(sync[0]["syncYn"].asBool());
    EXPECT_EQ(sync[0]["page"].asInt(), 3);
    ASSERT_TRUE(PumpUntil([this] { return BoardShows(L"D1011", 3); }, 15000));
    ASSERT_TRUE(PumpUntil([this] { return m_pScreen->IsPageSync() && m_pScreen->GetOptMode() == 4; }, 10000));
    EXPECT_TRUE(m_main.Called("ShowToast(진행자 화면을 따라갑니다.)"));
    EXPECT_TRUE(m_pScreen->GetBoardLayer()->GetCanvas()->IsSharedThreadRunning());

    // A page change pushed by the synchronisation server.
    Json::Value page;
    page["cmd"] = "tds";
    page["action"] = "page";
    page["data"]["mtngId"] = "101";
    page["data"]["attachId"] = "D1011";
    page["data"]["page"] = "5";
    Control(page);
    ASSERT_TRUE(PumpUntil([this] { return BoardShows(L"D1011", 5); }, 15000));

    // A document change: the second document at its page 2, with the toast naming it.
    m_main.Take();
    page["data"]["attachId"] = "D1012";
    page["data"]["page"] = "2";
    Control(page);
    ASSERT_TRUE(PumpUntil([this] { return BoardShows(L"D1012", 2); }, 20000));
    EXPECT_TRUE(m_main.Called("ShowToast(진행자가 [참고자료_예산집행현황.xlsx] 문서를 보고 있습니다.)"));
    const auto change = Bodies("M00000015");
    ASSERT_GE(change.size(), 2u);
    EXPECT_EQ(change.back()["attcFileId"].asString(), "D1012");
    EXPECT_EQ(change.back()["page"].asInt(), 0);

    // A page push for another meeting or an unknown document changes nothing.
    page["data"]["mtngId"] = "102";
    Control(page);
    page["data"]["mtngId"] = "101";
    page["data"]["attachId"] = "NOPE";
    Control(page);
    zeltest::PumpFor(500);
    EXPECT_TRUE(BoardShows(L"D1012", 2));

    // The right-hand pane open, with the meeting's documents (the chat column is another panel's).
    if (m_pScreen->GetRightContainer()->IsCollapsed()) m_pScreen->GetRightContainer()->OnToggle();
    m_pScreen->UpdateLayout();
    zeltest::PumpFor(300);
    canvastest::SaveScreenshot(m_window.GetSafeHwnd(), L"meeting_screen");

    // Back to the detail: one sync-off request, the sharing thread ended and waited for, the
    // pages gone; a late page-sync reply is ignored.
    const size_t before = Bodies("M00000015").size();
    m_pScreen->SendMessage(WM_MEETING_BACK_TO_DETAIL, 0, 0);
    EXPECT_TRUE(m_main.Called("SetScreenMode(1,101)"));
    EXPECT_FALSE(m_pScreen->GetBoardLayer()->GetCanvas()->IsSharedThreadRunning());
    EXPECT_TRUE(m_pScreen->GetBoardLayer()->GetPageManager().IsEmpty());
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000015", before + 1));
    const auto off = Bodies("M00000015");
    EXPECT_FALSE(off.back()["syncYn"].asBool());
    EXPECT_EQ(off.back()["attcFileId"].asString(), "D1012");
    zeltest::PumpFor(300);
    EXPECT_TRUE(m_pScreen->IsLeaving());
    EXPECT_FALSE(m_pScreen->IsPageSync());
}

TEST_F(MeetingScreenTest, UploadsAndTheArchiveCopy)
{
    EnterAndShow(L"101");
    const std::wstring file = zeltest::BinaryDir() + L"\\meeting_upload_test.txt";
    ASSERT_TRUE(zeltest::WriteFileBytes(file, "minutes draft"));
    m_pScreen->GetSeams().chooseUploadFile = [&](CString& path) {
        path = file.c_str();
        return TRUE;
    };
    m_main.Take();
    m_pScreen->SendMessage(WM_MEETING_UPLOAD, 0, 0);
    EXPECT_TRUE(m_main.Called("ShowToast(파일을 올렸습니다.)"));
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000008", 1));
    EXPECT_EQ(Bodies("M00000008")[0]["fileType"].asString(), "10");

    // The archive copy is asked first; declining sends nothing.
    m_main.messageAnswer = IDCANCEL;
    m_pScreen->SendMessage(WM_MEETING_ARCHIVE, 0, 0);
    EXPECT_TRUE(m_main.Called("ShowMessagePopup(회의문서를 자료함으로 다운로드하시겠습니까?)"));
    zeltest::PumpFor(300);
    EXPECT_TRUE(Bodies("M00000052").empty());
    m_main.messageAnswer = IDOK;
    m_pScreen->SendMessage(WM_MEETING_ARCHIVE, 0, 0);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000052", 1));
    EXPECT_EQ(Bodies("M00000052")[0]["attcFileId"].asString(), "D1011");
    ASSERT_TRUE(PumpUntil([this] { return m_main.Called("ShowToast(회의문서를 자료함으로 저장했습니다.)"); }, 10000));

    // Signatures: a missing image is told, not dropped; a refusal sends no image; an approval
    // sends the path the server stored.
    std::vector<std::wstring> boxes;
    zel::SetMessageBoxHook([&](LPCTSTR text, LPCTSTR, UINT) {
        boxes.push_back(text);
        return IDOK;
    });
    EXPECT_FALSE(m_pScreen->UploadSignature(L"101", L"D1011", L"Y", L"2026-12-10 10:00:00", L"C:\\nowhere\\sign.png"));
    ASSERT_EQ(boxes.size(), 1u);
    zeltest::PumpFor(300);
    EXPECT_TRUE(Bodies("M00000076").empty());
    m_pScreen->UploadSignature(L"101", L"D1011", L"n", L"2026-12-10 10:00:00", file.c_str());
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000076", 1));
    EXPECT_EQ(Bodies("M00000076")[0]["path"].asString(), "");
    EXPECT_TRUE(m_pScreen->UploadSignature(L"101", L"D1011", L"Y", L"2026-12-10 10:00:00", file.c_str()));
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000076", 2));
    const std::string path = Bodies("M00000076")[1]["path"].asString();
    EXPECT_EQ(path.rfind("/sign/", 0), 0u) << path;
    ::DeleteFileW(file.c_str());
}

// Replies shaped through the servers' control port, and what the screen makes of each.
TEST_F(MeetingScreenTest, ReplyHandlersTable)
{
    struct Case {
        const char* name;
        const char* msg;
        const char* rule;   // JSON members of the rule
        std::vector<std::string> expected;   // calls of the main dialog that must appear
    } cases[] = {
        {"detail refused", "M00000005", R"({"status": 3})",
         {"ShowConfirmPopup(회의 정보를 불러오지 못했습니다. 회의 목록으로 돌아갑니다.)", "SetScreenMode(0,)"}},
        {"attendance refused", "M00000047", R"({"status": 15000})",
         {"ShowConfirmPopup(출석 처리를 할 수 없습니다. (오류 코드: 15000))", "SetScreenMode(1,101)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Json::Value rule;
        ASSERT_TRUE(Json::Reader().parse(c.rule, rule));
        Rule(c.msg, rule);
        m_main.Take();
        m_main.mode = ZEL_MODE_MEETING;
        m_pScreen->EnterMeeting(L"101");
        for (const std::string& call : c.expected)
            EXPECT_TRUE(PumpUntil([&] { return m_main.Called(call); }, 10000)) << call;
        m_pScreen->LeaveMeeting();
        Command("clear_rules");
        zeltest::PumpFor(300);
    }
}

TEST_F(MeetingScreenTest, ADetailOfAnotherMeetingIsIgnored)
{
    wbtest::LogCapture log;
    Json::Value rule;
    rule["body"]["mtngId"] = "999";
    Rule("M00000005", rule);
    m_pScreen->EnterMeeting(L"101");
    ASSERT_TRUE(PumpUntil([&] { return log.Contains(L"old meeting's M00000005 response is incoming...so ignore it"); },
                          10000));
    zeltest::PumpFor(300);
    EXPECT_TRUE(Bodies("M00000021").empty());
}

TEST_F(MeetingScreenTest, TheArchiveRefusalShowsTheServersReason)
{
    EnterAndShow(L"101");
    std::vector<std::string> shown;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) {
        shown.push_back(S(q.strText));
        return 1;
    });
    Json::Value rule;
    rule["status"] = 21;
    rule["body"] = Json::Value(Json::objectValue);
    Rule("M00000052", rule);
    m_pScreen->SendMessage(WM_MEETING_ARCHIVE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !shown.empty(); }, 10000));
    EXPECT_EQ(shown[0], "최대 파일 첨부 크기 초과하였습니다.");
}

TEST_F(MeetingScreenTest, AThumbnailBatchLongerThanItsAttachmentStopsWithoutReadingPastIt)
{
    EnterAndShow(L"101");
    ASSERT_TRUE(PumpUntil([this] { return m_pPanel->thumbnails.size() == 12; }, 20000));
    m_pScreen->ClearThumbnails();
    wbtest::LogCapture log;
    CTasResponse reply;
    Json::Value* body = new Json::Value();
    (*body)["attcFileId"] = "D1011";
    (*body)["totalPage"] = 3;
    (*body)["startIdx"] = 1;
    (*body)["totalFavoriteCnt"] = 0;
    const std::string first = m_pPanel->images[1];
    ASSERT_FALSE(first.empty());
    Json::Value item;
    item["page"] = 1;
    item["size"] = (int)first.size();
    item["isFavorite"] = "N";
    (*body)["list"].append(item);
    item["page"] = 2;
    item["size"] = 5000;
    (*body)["list"].append(item);
    reply.SetBody(body);
    // The first image whole, then 20 bytes where the list promises 5000.
    const std::string raw = first + std::string(20, 'x');
    reply.SetRawBody(raw.data(), raw.size());
    m_pScreen->HandleReply(67, &reply);
    EXPECT_TRUE(log.Contains(L"M00000067 >>> Thumnail stream error!"));
    EXPECT_TRUE(m_pScreen->GetThumbPages().GetPage(1)->HasImage());
    EXPECT_FALSE(m_pScreen->GetThumbPages().GetPage(2)->HasImage());
}

TEST_F(MeetingScreenTest, AVideoIsNeverLoadedOnTheBoardAndItsAddressStaysOneArgument)
{
    std::vector<std::pair<CString, CString>> started;
    m_pScreen->GetSeams().readPlayerFolder = [](const CString&) { return CString(L"C:\\Player"); };
    m_pScreen->GetSeams().startPlayer = [&](const CString& dir, const CString& params) {
        started.push_back({dir, params});
        return TRUE;
    };
    m_pScreen->PlayVideo(L"http://127.0.0.1/v/talk 1.mp4");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].second, CString(L"\"http://127.0.0.1/v/talk 1.mp4\" /Task NowPlaying"));
    std::vector<std::string> shown;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) {
        shown.push_back(S(q.strText));
        return 1;
    });
    m_pScreen->PlayVideo(L"http://x/a.mp4\" /evil");
    m_pScreen->PlayVideo(L"");
    EXPECT_EQ(started.size(), 1u);
    EXPECT_EQ(shown, (std::vector<std::string>{"Invalid video address", "Invalid video address"}));
    // Without a player the user is told.
    m_pScreen->GetSeams().readPlayerFolder = [](const CString&) { return CString(); };
    m_pScreen->PlayVideo(L"http://127.0.0.1/v/a.mp4");
    EXPECT_TRUE(m_main.Called("ShowConfirmPopup(동영상을 재생할 미디어 플레이어가 설치되어 있지 않습니다.)"));
}

TEST_F(MeetingScreenTest, ThePrivateListTakesTheDocumentListsPlaceWhileItIsActive)
{
    EnterAndShow(L"101");
    CRightContainerWnd* right = m_pScreen->GetRightContainer();
    if (right->IsCollapsed()) right->OnToggle();
    m_pScreen->UpdateLayout();
    right->SetActiveDocumentPane(L"20", TRUE);
    right->SetDocuments(m_pScreen->GetMeeting()->GetDocuments());
    right->ShowDocumentPane(L"20", TRUE);
    CRect rcPrivate, rcDocs;
    EXPECT_TRUE(right->GetPrivateList()->IsWindowVisible());
    EXPECT_FALSE(right->GetDocumentList()->IsWindowVisible());
    // Collapsing and opening again keeps the active pane the visible one, in the list's place.
    right->OnToggle();
    right->OnToggle();
    EXPECT_TRUE(right->GetPrivateList()->IsWindowVisible());
    EXPECT_FALSE(right->GetDocumentList()->IsWindowVisible());
    right->GetPrivateList()->GetWindowRect(&rcPrivate);
    right->ScreenToClient(&rcPrivate);
    CRect rcClient;
    right->GetClientRect(&rcClient);
    CRect rcChat, rcExpected;
    MeetingRules::RightPaneLayout(rcClient.Width(), rcClient.Height(), rcChat, rcExpected);
    EXPECT_EQ(rcPrivate, rcExpected);
    EXPECT_EQ(right->GetPrivateList()->GetRowCount(), 2);
    // Back to the meeting's documents.
    right->ShowDocumentPane(L"10", TRUE);
    EXPECT_FALSE(right->GetPrivateList()->IsWindowVisible());
    EXPECT_TRUE(right->GetDocumentList()->IsWindowVisible());
}

}  // namespace

namespace {

// Closing the program from the meeting screen: unsaved drawing is saved first and the close goes
// on only when the server confirmed the save; without changes the user is asked.
TEST_F(MeetingScreenTest, ClosingSavesUnsavedDrawingFirstOrAsks)
{
    EnterAndShow(L"101");
    m_pScreen->GetBoardLayer()->GetPageManager().GetPage(1)->SetModified(TRUE);
    m_main.Take();
    m_pScreen->LeaveMeetingByTitle();
    EXPECT_FALSE(m_main.Called("RequestLogout(1)"));
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000010", 1));
    EXPECT_EQ(Bodies("M00000010")[0]["page"].asInt(), 1);
    ASSERT_TRUE(PumpUntil([this] { return m_main.Called("RequestLogout(1)"); }, 10000));
    EXPECT_EQ(m_pScreen->GetMeeting(), nullptr);

    // Without changes: the question; Cancel keeps the meeting, OK leaves and closes.
    EnterAndShow(L"101");
    std::vector<int> answers = {2, 1};
    std::vector<std::string> asked;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) {
        if (q.kind != POPUP_OK_CANCEL) return 0;
        asked.push_back(S(q.strText));
        const int a = answers.front();
        answers.erase(answers.begin());
        return a;
    });
    m_main.Take();
    m_pScreen->LeaveMeetingByTitle();
    EXPECT_NE(m_pScreen->GetMeeting(), nullptr);
    EXPECT_FALSE(m_main.Called("RequestLogout(1)"));
    m_pScreen->LeaveMeetingByTitle();
    EXPECT_TRUE(m_main.Called("RequestLogout(1)"));
    EXPECT_EQ(asked, (std::vector<std::string>(2, "프로그램을 종료하시겠습니까?")));
    EXPECT_EQ(Bodies("M00000010").size(), 1u);
}

// A status pushed for the open meeting reloads its detail; a failed save keeps the action undone.
TEST_F(MeetingScreenTest, AStatusChangeReloadsTheDetailAndAFailedSaveSaysSo)
{
    EnterAndShow(L"101");
    const size_t before = Bodies("M00000005").size();
    m_pScreen->OnMeetingStatusChanged(4);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000005", before + 1));
    m_main.Take();
    m_pScreen->SendMessage(WM_MEETING_SAVE_DONE, 0, 7);
    EXPECT_TRUE(m_main.Called("ShowConfirmPopup(판서와 메모를 저장하지 못했습니다.)"));
    EXPECT_FALSE(m_main.Called("RequestLogout(1)"));
    m_pScreen->SendMessage(WM_MEETING_SAVE_DONE, 1, 0);
    EXPECT_TRUE(m_main.Called("ShowToast(판서와 메모를 저장했습니다.)"));
    // Actions above 12 do nothing.
    m_main.Take();
    m_pScreen->SendMessage(WM_MEETING_SAVE_DONE, 1, 13);
    EXPECT_TRUE(m_main.Take().empty());
}

// Page Down turns a page on its release, through the thread's keyboard hook.
TEST_F(MeetingScreenTest, PageDownTurnsOnePageOnRelease)
{
    EnterAndShow(L"101");
    CBoardLayer* board = m_pScreen->GetBoardLayer();
    ASSERT_TRUE(PumpUntil([&] { return board->GetPageManager().GetPage(2) && board->GetPageManager().GetPage(2)->HasImage(); },
                          20000));
    m_window.SetForegroundWindow();
    ::keybd_event(VK_NEXT, 0, 0, 0);
    zeltest::PumpFor(200);
    EXPECT_EQ(board->GetCurrentPage(), 1);
    ::keybd_event(VK_NEXT, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(PumpUntil([&] { return board->GetCurrentPage() == 2; }, 3000));
}

}  // namespace

#include "core/IniFileHelpers.h"
#include "screens/meeting/MeetingScreenMaker.h"

namespace {

// The right-hand pane: its collapsed state kept in the settings, and when a pushed chat message
// also shows a tray notice.
TEST_F(MeetingScreenTest, TheRightPaneKeepsItsStateAndNotifiesChatWhereTheUserCannotSeeIt)
{
    EnterAndShow(L"101");
    CRightContainerWnd* right = m_pScreen->GetRightContainer();
    if (!right->IsCollapsed()) right->OnToggle();
    const CString ini = CSettingManager::GetInstance()->GetSettingIniPath();
    ASSERT_FALSE(ini.IsEmpty());
    right->OnToggle();
    right->OnToggle();
    int stored = -1;
    ReadIniInt(L"RIGHTLAYER", L"collapsed", stored, ini);
    EXPECT_EQ(stored, 1);
    right->OnToggle();
    ReadIniInt(L"RIGHTLAYER", L"collapsed", stored, ini);
    EXPECT_EQ(stored, 0);
    EXPECT_FALSE(right->IsCollapsed());
    // Its column is 283 wide when open, 28 when collapsed.
    CRect rc;
    right->GetWindowRect(&rc);
    EXPECT_EQ(rc.Width(), 283);

    struct Case {
        BOOL collapsed;
        int showCmd;
        const char* expected;   // the tray notice, or "" for none
    } cases[] = {
        {FALSE, 1, ""},
        {TRUE, 1, "ShowTrayPopup(첫 줄,이서연)"},
        {FALSE, 3, ""},
        {FALSE, 2, "ShowTrayPopup(첫 줄\r\n둘째 줄,이서연)"},
    };
    for (const Case& c : cases) {
        if (right->IsCollapsed() != c.collapsed) right->OnToggle();
        m_main.showCmd = c.showCmd;
        m_main.Take();
        m_pScreen->OnChatPush(L"이서연", L"20261210093000", L"오전 9:30", L"첫 줄\r\n둘째 줄");
        const auto calls = m_main.Take();
        if (*c.expected)
            EXPECT_EQ(calls, (std::vector<std::string>{c.expected})) << c.showCmd;
        else
            EXPECT_TRUE(calls.empty()) << c.showCmd;
    }
    m_main.showCmd = 1;
    // The title of a meeting's pane.
    EXPECT_EQ(right->GetTitle(), CString(L"회의"));
}

TEST_F(MeetingScreenTest, TheMakerCreatesTheOneScreenHiddenUnderTheMainDialog)
{
    m_pScreen.reset();
    EXPECT_EQ(g_pMeetingLayer, nullptr);
    IMeetingScreen* pScreen = nullptr;
    CWnd* pWnd = MakeMeetingScreen(&m_window, &pScreen);
    ASSERT_NE(pWnd, nullptr);
    EXPECT_EQ(static_cast<IMeetingScreen*>(g_pMeetingLayer), pScreen);
    EXPECT_EQ(pWnd->GetDlgCtrlID(), 22720);
    EXPECT_FALSE(pWnd->IsWindowVisible());
    EXPECT_NE(dynamic_cast<IBoardLayer*>(pScreen), nullptr);
    EXPECT_NE(dynamic_cast<IInfoLayer*>(pScreen), nullptr);
    EXPECT_TRUE(pScreen->GetMeetingId().IsEmpty());
    pWnd->DestroyWindow();
    delete pWnd;
    EXPECT_EQ(g_pMeetingLayer, nullptr);
}

}  // namespace

namespace {

// Documents chosen in the right-hand pane: a reference document is refused while following,
// others open on the board; the viewer request opens the document beside the board.
TEST_F(MeetingScreenTest, OpeningDocumentsFromThePaneAndTheViewer)
{
    EnterAndShow(L"101");
    CMeeting* meeting = m_pScreen->GetMeeting();
    const int ref = meeting->GetDocumentIndex(L"D1012");
    ASSERT_GE(ref, 0);
    m_pScreen->SetPageSync(TRUE);
    m_main.Take();
    m_pScreen->SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)ref, 0);
    EXPECT_TRUE(m_main.Called("CheckPageSyncBlocked"));
    EXPECT_EQ(m_pScreen->GetCurrentDocumentId(), CString(L"D1011"));
    m_pScreen->SetPageSync(FALSE);
    m_pScreen->SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)ref, 0);
    ASSERT_TRUE(PumpUntil([this] { return BoardShows(L"D1012", 1); }, 20000));

    // The viewer: an unknown request does nothing; 514 opens the document and asks its pages.
    const size_t before = Bodies("M00000024").size();
    m_pScreen->SendMessage(WM_MEETING_VIEWER_REQUEST, 77, 0);
    m_pScreen->SendMessage(WM_MEETING_VIEWER_REQUEST, 514, (LPARAM)meeting->GetDocumentIndex(L"D1011"));
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000024", before + 1));
    bool pip = false;
    for (const Json::Value& b : Bodies("M00000024"))
        if (b["attcFileId"].asString() == "D1011" && b["isPIP"].asBool()) pip = true;
    EXPECT_TRUE(pip);
    EXPECT_TRUE(m_pScreen->GetDocViewer()->IsWindowVisible());
    m_pScreen->HideDocumentViewer();
}


// A page-image reply reaches the reader that asked for it: "isPIP" in any form of yes goes to the
// viewer, and so does a reply to the viewer's own request that does not say.
TEST_F(MeetingScreenTest, APageImageReplyReachesTheReaderThatAskedForIt)
{
    EnterAndShow(L"101");
    const int index = m_pScreen->GetMeeting()->GetDocumentIndex(L"D1012");
    ASSERT_GE(index, 0);
    char prefix[80];
    sprintf(prefix, "http://127.0.0.1:%d/img/D1012/", ServerPort(PORT_HTTP));
    struct Case {
        const char* name;
        Json::Value isPIP;   // null: the reply does not say
        int total;
    } cases[] = {
        {"not said", Json::Value(), 4},
        {"true", Json::Value(true), 3},
        {"Y", Json::Value("Y"), 2},
        {"1", Json::Value(1), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_pScreen->HideDocumentViewer();
        Json::Value reply;
        reply["body"]["mtngId"] = "101";
        reply["body"]["attcFileId"] = "D1012";
        reply["body"]["totalPage"] = c.total;
        reply["body"]["isEnc"] = false;
        reply["body"]["prefixUrl"] = prefix;
        reply["body"]["aesKey"] = "";
        if (!c.isPIP.isNull()) reply["body"]["isPIP"] = c.isPIP;
        Rule("M00000024", reply);
        m_pScreen->SendMessage(WM_MEETING_VIEWER_REQUEST, 514, (LPARAM)index);
        ASSERT_TRUE(PumpUntil([&] { return m_pScreen->GetDocViewer()->GetTotalPage() == c.total; }, 10000))
            << "the viewer did not get its pages";
        EXPECT_TRUE(BoardShows(L"D1011", 1)) << "the board took the viewer's reply";
        EXPECT_EQ(m_pScreen->GetBoardLayer()->GetTotalPage(), 12);
    }
    m_pScreen->HideDocumentViewer();
}


// Opening a document whose pages never come to the board still ends the loading (the title bar's
// back and refresh buttons come back, the wait cursor goes): a video, which the outside player
// shows, a refused page image, a document whose viewing period is over, the document already shown.
TEST_F(MeetingScreenTest, LoadingEndsWhenNoPageComes)
{
    std::vector<CString> played;
    m_pScreen->GetSeams().readPlayerFolder = [](const CString&) { return CString(L"C:\\Player"); };
    m_pScreen->GetSeams().startPlayer = [&](const CString&, const CString& params) {
        played.push_back(params);
        return TRUE;
    };
    EnterAndShow(L"101");
    // The document list now also holds a converted video.
    Json::Value list;
    list["body"]["fileType"] = "10";
    const char* ids[] = {"D1011", "D1012", "V1013"};
    const char* names[] = {"1.pdf", "2.pdf", "talk.mp4"};
    for (int i = 0; i < 3; ++i) {
        Json::Value d;
        d["attcFileId"] = ids[i];
        d["attcFileName"] = names[i];
        d["attcFileURL"] = "http://127.0.0.1/v/talk.mp4";
        d["attcFileConvCompYn"] = "Y";
        d["attcFileConvSuccYn"] = "Y";
        d["attcFileTotalPage"] = "4";
        list["body"]["list"].append(d);
    }
    Rule("M00000008", list);
    m_pScreen->RequestDocumentList(L"10");
    CMeeting* meeting = m_pScreen->GetMeeting();
    ASSERT_TRUE(PumpUntil([&] { return meeting->GetDocumentIndex(L"V1013") >= 0; }, 10000));
    ASSERT_TRUE(PumpUntil([&] { return !m_pScreen->IsLoading(); }, 10000));

    struct Case {
        const char* name;
        const wchar_t* doc;
        std::function<void()> arrange;
    } cases[] = {
        {"the document already shown", L"D1011", [] {}},
        {"a video", L"V1013", [] {}},
        {"a refused page image", L"D1012",
         [this] {
             Json::Value refuse;
             refuse["status"] = 3;
             Rule("M00000024", refuse);
         }},
        {"a viewing period that is over", L"D1011",
         [this] {
             Json::Value expired;
             expired["body"]["attcFileId"] = "D1011";
             expired["body"]["result"] = false;
             Rule("M00000070", expired);
             CTasClientManager::GetInstance()->RequestM00000070(L"101", L"D1011", L"");
             ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000070", 1));
             zeltest::PumpFor(300);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        m_pScreen->SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)meeting->GetDocumentIndex(c.doc), 0);
        ASSERT_TRUE(PumpUntil([&] { return !m_pScreen->IsLoading(); }, 10000)) << "the loading did not end";
    }
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0], CString(L"\"http://127.0.0.1/v/talk.mp4\" /Task NowPlaying"));
}


// Full view: the main dialog gives the screen the whole monitor and the board takes all of it, both
// side columns hidden; back from full view they return where they were.
TEST_F(MeetingScreenTest, FullViewGivesTheBoardTheWholeScreenAndGivesTheColumnsBack)
{
    EnterAndShow(L"101");
    // Under the main dialog's title bar, as the program shows it.
    m_pScreen->MoveWindow(0, 60, 1280, 800 - 60, TRUE);
    CWnd* left = m_pScreen->GetInfoWnd();
    CWnd* right = m_pScreen->GetRightContainer();
    CWnd* board = m_pScreen->GetBoardLayer();
    CRect rcLeft, rcRight, rcBoard;
    left->GetWindowRect(&rcLeft);
    right->GetWindowRect(&rcRight);
    board->GetWindowRect(&rcBoard);
    ASSERT_TRUE(left->IsWindowVisible() && right->IsWindowVisible());

    // Entering: the main dialog moves the screen over the whole window (it had the title bar above).
    m_main.fullView = TRUE;
    m_pScreen->MoveWindow(0, 0, 1280, 800, TRUE);
    EXPECT_FALSE(left->IsWindowVisible());
    EXPECT_FALSE(right->IsWindowVisible());
    CRect rc, rcFull;
    m_pScreen->GetWindowRect(&rc);
    board->GetWindowRect(&rcFull);
    EXPECT_EQ(rcFull, rc);
    // The main dialog's own call lays out the same.
    m_pScreen->RelayoutPanels();
    board->GetWindowRect(&rcFull);
    EXPECT_EQ(rcFull, rc);
    EXPECT_FALSE(left->IsWindowVisible());

    // Leaving: the screen goes back under the title bar and the columns come back.
    m_main.fullView = FALSE;
    m_pScreen->MoveWindow(0, 60, 1280, 800 - 60, TRUE);
    m_pScreen->RecalcLayout();
    EXPECT_TRUE(left->IsWindowVisible());
    EXPECT_TRUE(right->IsWindowVisible());
    CRect rcLeft2, rcRight2, rcBoard2;
    left->GetWindowRect(&rcLeft2);
    right->GetWindowRect(&rcRight2);
    board->GetWindowRect(&rcBoard2);
    EXPECT_EQ(rcLeft2, rcLeft);
    EXPECT_EQ(rcRight2, rcRight);
    EXPECT_EQ(rcBoard2, rcBoard);
}

}  // namespace
