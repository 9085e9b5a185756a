// What the user made in a meeting is not lost: the meeting screen with the side panel, panes and
// board bars the program gives it (its own sticky-note window among them), the program's
// application-server client logged in as an attendee, against the local test servers. What was
// saved is read from the servers' log and by loading it again.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <json/json.h>

#include <functional>
#include <memory>
#include <string>

#include "app/panels/ProgramPanels.h"
#include "core/ClientMessages.h"
#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "net/protocol/TasClientManager.h"
#include "screens/meeting/MeetingLayer.h"
#include "screens/meeting/RightContainerWnd.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/screens/meeting/MeetingTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "tests/whiteboard/canvas/CanvasTestSupport.h"
#include "ui/controls/PopupAnswer.h"
#include "whiteboard/board/BoardLayer.h"
#include "whiteboard/tools/StickyNoteDlg.h"
#include "whiteboard/tools/ToolMakers.h"

using meetingtest::S;

namespace {

class MeetingWork : public prototest::EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        ASSERT_TRUE(m_resources.Ok());
        ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
        ASSERT_TRUE(meetingtest::OpenMeetingBench(L"MeetingWork", ServerPort(PORT_HTTP), m_window, m_main));
        ASSERT_TRUE(meetingtest::LogInAs("lee", ServerPort(PORT_TAS), m_listener, m_events.Handle())) << "no login";
        // The panels and the board's bars as the program sets them.
        SetMeetingPanelMakers(SMeetingPanelMakers());
        SetInfoPanelMaker();
        SetMeetingPaneMakers();
        SetBoardBarMakers(WhiteboardToolMakers());
        m_pScreen.reset(meetingtest::CreateMeetingScreen(m_window));
        ASSERT_NE(m_pScreen, nullptr);
        // Closing asks OK/Cancel when nothing is to be saved: the user says OK.
        SetPopupAnswerHook([](const POPUP_QUESTION&) { return IDOK; });
    }

    void TearDown() override
    {
        m_pScreen.reset();
        SetMeetingPanelMakers(SMeetingPanelMakers());
        SetBoardBarMakers(S_BOARD_BAR_MAKERS());
        meetingtest::CloseMeetingBench(m_window);
        EndToEndTest::TearDown();
    }

    CBoardLayer* Board() { return m_pScreen->GetBoardLayer(); }
    CStickyNoteDlg* Note() { return dynamic_cast<CStickyNoteDlg*>(Board()->GetStickyNote()); }

    BOOL Shows(const wchar_t* doc, int page)
    {
        const auto p = Board()->GetPageManager().GetPage(page);
        return m_pScreen->GetCurrentDocumentId() == doc && p && p->HasImage() &&
               Board()->GetCanvas()->GetPageNumber() == page;
    }

    // Enters the meeting and waits until the board shows its first document's first page and
    // that document's notes have been loaded.
    void EnterAndShow(const wchar_t* id)
    {
        const size_t notes = Frames("tas", nullptr, "M00000063").size();
        m_pScreen->EnterMeeting(id);
        ASSERT_TRUE(PumpUntil([&] { return Shows(L"D1011", 1); }, 20000)) << "the page image did not come";
        ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000063", notes + 1));
        zeltest::PumpFor(300);
    }

    // Opens the note of the shown page with the option bar's button and types into it as the user.
    void TypeNote(const CString& text)
    {
        Board()->OnStickyNote();
        ASSERT_TRUE(Note()->IsShown());
        SKIN_OBJECT* edit = Note()->FindObject(L"edit");
        ASSERT_NE(edit, nullptr);
        CMySkinEdit& box = edit->m_edit.m_edit;
        box.SetFocus();
        box.SetSel(0, -1);
        box.SendMessage(WM_CHAR, VK_BACK, 0);
        for (int i = 0; i < text.GetLength(); ++i) box.SendMessage(WM_CHAR, text[i], 1);
        zeltest::PumpFor(100);
        ASSERT_TRUE(Note()->IsModified()) << "the typed note did not count as changed";
    }

    // Draws a stroke over the shown page with the pen, as the user does.
    void Draw()
    {
        Board()->OnPenTool();
        HWND canvas = Board()->GetCanvas()->GetSafeHwnd();
        RECT rc;
        ::GetClientRect(canvas, &rc);
        // Over the middle of the page, where the picture always is.
        const int x = rc.right / 2, y = rc.bottom / 2;
        canvastest::Drag(canvas, {{x - 40, y - 30}, {x - 10, y}, {x + 20, y + 20}, {x + 40, y + 30}});
        zeltest::PumpFor(100);
    }

    std::vector<Json::Value> Bodies(const char* msg)
    {
        std::vector<Json::Value> out;
        for (const Json::Value& f : Frames("tas", nullptr, msg)) out.push_back(f["body"]);
        return out;
    }

    void Rule(const char* msg, Json::Value rule)
    {
        rule["cmd"] = "rule";
        rule["server"] = "tas";
        rule["msg"] = msg;
        Control(rule);
    }

    ctltest::ShippedResources m_resources;
    meetingtest::StandInMain m_main;
    meetingtest::MainWindow m_window;
    std::unique_ptr<CMeetingLayer> m_pScreen;
};

// A changed sticky note is saved with its document on every way out of it, and the way out goes
// on once the server took it; the notes then leave with the meeting.
TEST_F(MeetingWork, ChangedStickyNotesAreSavedOnEveryWayOut)
{
    struct WayOut {
        const char* name;
        std::function<void(CMeetingLayer*)> leave;
        const char* then;   // what the stand-in main dialog is asked once the notes are saved
    };
    const WayOut ways[] = {
        {"back to the detail", [](CMeetingLayer* s) { s->SendMessage(WM_MEETING_BACK_TO_DETAIL, 0, 0); },
         "SetScreenMode(1,101)"},
        {"closing the program", [](CMeetingLayer* s) { s->LeaveMeetingByTitle(); }, "RequestLogout(1)"},
        {"logging out", [](CMeetingLayer* s) { s->LeaveMeetingByCommand(FALSE); }, "RequestLogout(0)"},
        {"the meeting's end", [](CMeetingLayer* s) { s->OnMeetingStatusChanged(4); }, nullptr},
        {"another document", [](CMeetingLayer* s) { s->SendMessage(WM_MEETING_OPEN_DOCUMENT, 1, 0); }, nullptr},
    };
    for (const WayOut& way : ways) {
        SCOPED_TRACE(way.name);
        EnterAndShow(L"101");
        const CString text = CString(L"메모: ") + CString(way.name);
        TypeNote(text);
        const size_t saves = Bodies("M00000064").size();
        const size_t details = Bodies("M00000005").size();
        m_main.Take();
        way.leave(m_pScreen.get());
        ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000064", saves + 1)) << "the note was not saved";
        const Json::Value saved = Bodies("M00000064")[saves];
        EXPECT_EQ(saved["attcFileId"].asString(), "D1011");
        ASSERT_EQ(saved["list"].size(), 1u);
        EXPECT_NE(saved["list"][0].asString().find(S(text)), std::string::npos) << saved["list"][0].asString();
        if (way.then) {
            ASSERT_TRUE(PumpUntil([&] { return m_main.Called(way.then); }, 10000)) << way.then;
        } else if (std::string(way.name) == "the meeting's end") {
            // The detail is reloaded after the save, not before.
            ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000005", details + 1));
        } else {
            ASSERT_TRUE(PumpUntil([&] { return Shows(L"D1012", 1); }, 20000)) << "the other document did not open";
            // The first document's notes are not the second one's.
            EXPECT_FALSE(Note()->IsModified());
            EXPECT_EQ(CStickyNoteBook::Find(Note()->Book().Own(), 1) ? CStickyNoteBook::Find(Note()->Book().Own(), 1)->m_strText
                                                                       : CString(),
                      CString());
        }
        // Leaving drops the notes and hides their window: nothing of them reaches the next meeting.
        m_pScreen->LeaveMeeting();
        EXPECT_FALSE(Note()->IsModified());
        EXPECT_FALSE(Note()->IsShown());
        EXPECT_TRUE(Note()->Book().Own().empty());
    }
    // What the last way out saved is there when the meeting is entered again.
    EnterAndShow(L"101");
    ASSERT_TRUE(PumpUntil([&] { return CStickyNoteBook::Find(Note()->Book().Own(), 1) != nullptr; }, 10000));
    EXPECT_EQ(CStickyNoteBook::Find(Note()->Book().Own(), 1)->m_strText, CString(L"메모: another document"));
}

// A whiteboard page added or deleted (the presenter's own reply, another presenter's push) adds or
// deletes that one page: the drawing on every other page stays where it was.
TEST_F(MeetingWork, AWhiteboardPageComesOrGoesAndTheOtherPagesKeepTheirDrawing)
{
    EnterAndShow(L"101");
    m_pScreen->SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)-1, 0);
    ASSERT_TRUE(PumpUntil([&] { return Shows(L"W1011", 1); }, 20000)) << "the whiteboard did not open";
    Draw();
    const auto drawn = Board()->GetPageManager().GetPage(1);
    ASSERT_TRUE(drawn && drawn->m_ownLayer.HasFigures()) << "nothing was drawn";
    ASSERT_TRUE(drawn->GetModified());

    // The user adds a page after the first: the server answers with two pages, the board shows
    // the new one, and the first keeps its stroke.
    m_pScreen->SendPageCommand(1, 1);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000100", 1));
    ASSERT_TRUE(PumpUntil([&] { return Board()->GetTotalPage() == 2 && Board()->GetCurrentPage() == 2; }, 10000));
    EXPECT_EQ(Board()->GetPageManager().GetPage(1), drawn);
    EXPECT_TRUE(drawn->m_ownLayer.HasFigures());
    ASSERT_TRUE(PumpUntil([&] { return Shows(L"W1011", 2); }, 20000)) << "the new page's background did not come";

    // Pushed changes: a page put before the drawn one moves it to page 2; the same change told
    // twice (the presenter's reply and the push) is made once; a deleted page leaves the drawn one.
    struct Step {
        int command, page, total, request;
        int drawnAt;    // where the drawn page is afterwards
        int pages;
    } steps[] = {
        {1, 1, 3, 1, 2, 3},
        {1, 1, 3, 1, 2, 3},
        {2, 2, 2, 3, 2, 2},
        {2, 1, 1, 1, 1, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command * 1000 + step.page * 100 + step.total * 10 + step.request);
        m_pScreen->ApplyPageCommand(L"W1011", step.command, step.page, step.total, step.request);
        EXPECT_EQ(Board()->GetTotalPage(), step.pages);
        EXPECT_EQ(Board()->GetPageManager().GetPage(step.drawnAt), drawn);
        EXPECT_TRUE(drawn->m_ownLayer.HasFigures());
        EXPECT_TRUE(drawn->GetModified());
        EXPECT_EQ(Board()->GetCurrentPage(), std::min(step.page, step.pages));
        EXPECT_EQ(Board()->GetCanvas()->GetPageNumber(), Board()->GetCurrentPage());
    }
    // The drawn page, now page 1 of 1, is saved as such on the way out.
    m_main.Take();
    m_pScreen->LeaveMeetingByTitle();
    ASSERT_TRUE(PumpUntil([&] { return m_main.Called("RequestLogout(1)"); }, 10000));
    const auto saved = Bodies("M00000010");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0]["attcFileId"].asString(), "W1011");
    EXPECT_EQ(saved[0]["page"].asInt(), 1);
    EXPECT_NE(saved[0]["meta"].asString(), "");
}

// One save at a time: while the server has not answered, asking again sends nothing twice, what
// was drawn meanwhile joins the save, and a close waiting for it still closes.
TEST_F(MeetingWork, ASaveInFlightIsJoinedNotStartedAgainAndTheCloseWaitingForItStillCloses)
{
    EnterAndShow(L"101");
    Draw();
    Json::Value hold;
    hold["hold"] = true;
    Rule("M00000010", hold);
    m_main.Take();
    m_pScreen->LeaveMeetingByTitle();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000010", 1));
    // Waiting, the user turns to page 2 and draws, then clicks another document.
    Board()->MoveNextPage();
    ASSERT_TRUE(PumpUntil([&] { return Shows(L"D1011", 2); }, 20000));
    Draw();
    m_pScreen->SendMessage(WM_MEETING_OPEN_DOCUMENT, 1, 0);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000010", 2));
    zeltest::PumpFor(300);
    const auto sent = Bodies("M00000010");
    ASSERT_EQ(sent.size(), 2u) << "a page was saved twice";
    EXPECT_EQ(sent[0]["page"].asInt(), 1);
    EXPECT_EQ(sent[1]["page"].asInt(), 2);
    EXPECT_FALSE(m_main.Called("RequestLogout(1)"));
    Json::Value release;
    release["cmd"] = "release";
    Control(release);
    ASSERT_TRUE(PumpUntil([&] { return m_main.Called("RequestLogout(1)"); }, 10000)) << "the close was given up";
    EXPECT_EQ(m_pScreen->GetMeeting(), nullptr);
}

// Nothing of a meeting the screen left is read afterwards: the presence refresh stops with the
// screen, the minutes look-up keeps the open meeting's record, and a document waiting to open is
// found again when the documents are replaced.
TEST_F(MeetingWork, NothingOfALeftMeetingIsReadAgain)
{
    HWND screen = m_pScreen->GetSafeHwnd();
    // Ways to the list the main dialog takes without the screen's own exits: the screen is hidden
    // under the list (a type-12 end), or the meeting's detail fails.
    EnterAndShow(L"101");
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000047", 1));
    zeltest::PumpFor(500);
    m_main.mode = ZEL_MODE_LIST;
    m_pScreen->ShowWindow(SW_HIDE);
    EXPECT_EQ(m_pScreen->GetMeeting(), nullptr);
    EXPECT_FALSE(::KillTimer(screen, CMeetingLayer::TIMER_PRESENCE)) << "the presence timer outlived the screen";

    m_main.mode = ZEL_MODE_MEETING;
    m_pScreen->ShowWindow(SW_SHOW);
    Json::Value refuse;
    refuse["status"] = 5;
    EnterAndShow(L"101");
    m_main.Take();
    Rule("M00000005", refuse);
    m_pScreen->StartMeeting(FALSE, 1);
    ASSERT_TRUE(PumpUntil([&] { return m_main.Called("SetScreenMode(0,)"); }, 10000));
    EXPECT_EQ(m_pScreen->GetMeeting(), nullptr);
    EXPECT_FALSE(::KillTimer(screen, CMeetingLayer::TIMER_PRESENCE));
    m_main.mode = ZEL_MODE_MEETING;

    // The open meeting's record was set aside by a list page that did not list it; a detail
    // naming minutes must not delete it.
    EnterAndShow(L"101");
    CMeetingManager* manager = CMeetingManager::GetInstance();
    Json::Value others(Json::arrayValue);
    others[0]["mtngId"] = "102";
    manager->FillFromList(1, 1, others);
    ASSERT_EQ(manager->GetCurrentMeeting(), m_pScreen->GetMeeting());
    Json::Value detail;
    detail["body"]["mtngId"] = "101";
    detail["body"]["mtngStatus"] = "04";
    detail["body"]["minutesId"] = "9101";
    const size_t details = Bodies("M00000005").size();
    Rule("M00000005", detail);
    m_pScreen->StartMeeting(TRUE, 1);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000005", details + 1));
    zeltest::PumpFor(800);
    EXPECT_EQ(m_pScreen->GetMeeting(), manager->GetCurrentMeeting());
    ASSERT_NE(m_pScreen->GetMeeting(), nullptr);
    EXPECT_EQ(m_pScreen->GetMeetingId(), CString(L"101"));
    EXPECT_EQ(m_pScreen->GetMinutesId(), CString(L"9101"));
    m_pScreen->LeaveMeeting();

    // A document waits for its validity answer while the document list is loaded again.
    EnterAndShow(L"101");
    m_pScreen->SendMessage(WM_MEETING_OPEN_DOCUMENT, 1, 0);
    ASSERT_TRUE(PumpUntil([&] { return Shows(L"D1012", 1); }, 20000));
    m_pScreen->SendMessage(WM_MEETING_OPEN_DOCUMENT, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Shows(L"D1011", 1); }, 20000));
    const size_t lists = Bodies("M00000008").size();
    m_pScreen->RequestDocumentList(L"10");
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000008", lists + 1));
    zeltest::PumpFor(500);
    CTasClientManager::GetInstance()->RequestM00000070(L"101", L"D1011", L"");
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000070", 1));
    zeltest::PumpFor(500);
    EXPECT_TRUE(Shows(L"D1011", 1));
    EXPECT_NE(m_pScreen->GetMeeting()->FindDocument(L"D1011"), nullptr);
}

}  // namespace
