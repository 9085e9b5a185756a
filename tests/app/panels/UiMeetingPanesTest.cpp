// The meeting screen with the chat and minutes panes the program gives it, as a user meets it:
// the real screen under Xvfb, the program's application-server client logged in as an attendee,
// against the local test servers; what was sent is read from the servers' log.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <json/json.h>

#include <cstdlib>
#include <memory>

#include "app/panels/ProgramPanels.h"
#include "core/ClientMessages.h"
#include "core/MeetingManager.h"
#include "features/chat/ChatEditCtrl.h"
#include "features/chat/ChatViewCtrl.h"
#include "features/chat/MeetingChatCtrl.h"
#include "net/protocol/TasClientManager.h"
#include "platform/MessageBox.h"
#include "screens/detail/MinutesListCtrl.h"
#include "screens/meeting/MeetingLayer.h"
#include "screens/meeting/RightContainerWnd.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/screens/meeting/MeetingTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/controls/PopupAnswer.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/board/BoardLayer.h"
#include "whiteboard/tools/ToolMakers.h"

using meetingtest::S;

// Frees are counted for one watched object, so a test sees who deletes a pane's window object and
// how often (a second delete of the same object does not always crash).
namespace {
void* g_pWatched = nullptr;
int g_nWatchedFrees = 0;
}  // namespace

void operator delete(void* p) noexcept
{
    if (p && p == g_pWatched) ++g_nWatchedFrees;
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    ::operator delete(p);
}

namespace {

struct DeleteWatch {
    explicit DeleteWatch(void* p)
    {
        g_pWatched = p;
        g_nWatchedFrees = 0;
    }
    ~DeleteWatch() { g_pWatched = nullptr; }
    int Frees() const { return g_nWatchedFrees; }
};

// The board's sticky-note window, reduced to what the server's note replies bring it.
class RecordingNotes : public IStickyNoteView {
public:
    BOOL IsShown() override { return FALSE; }
    void ShowPageNote(int) override {}
    BOOL HasNoteForPage() override { return FALSE; }
    void HideKeepState(BOOL) override {}
    void ShowWindowAt() override {}
    void OnNotesLoaded(const Json::Value& body) override { loaded.push_back(body); }
    void OnNotesSaved(const Json::Value& body) override { saved.push_back(body); }
    void SaveNotes() override {}
    BOOL IsModified() override { return FALSE; }
    void InsertPageNote(int, int) override {}
    void DeletePageNote(int, int) override {}
    void DropAllNotes() override {}
    void SetLocked(BOOL) override {}
    void ShowIfWanted(BOOL) override {}
    void DiscardChanges() override {}

    std::vector<Json::Value> loaded;
    std::vector<Json::Value> saved;
};

class MeetingPanes : public prototest::EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        ASSERT_TRUE(m_resources.Ok());
        ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
        ASSERT_TRUE(meetingtest::OpenMeetingBench(L"MeetingPanes", ServerPort(PORT_HTTP), m_window, m_main));
        // "lee" (user 1002) attends meeting 101, whose history holds one message of his.
        ASSERT_TRUE(meetingtest::LogInAs("lee", ServerPort(PORT_TAS), m_listener, m_events.Handle())) << "no login";

        // The panels and the board's bars as the program sets them.
        SetMeetingPanelMakers(SMeetingPanelMakers());
        SetInfoPanelMaker();
        SetMeetingPaneMakers();
        SetBoardBarMakers(WhiteboardToolMakers());
    }

    void TearDown() override
    {
        m_pScreen.reset();
        SetMeetingPanelMakers(SMeetingPanelMakers());
        SetBoardBarMakers(S_BOARD_BAR_MAKERS());
        SetChatMeetingFacts(SChatMeetingFacts());
        meetingtest::CloseMeetingBench(m_window);
        EndToEndTest::TearDown();
    }

    void OpenScreen()
    {
        m_pScreen.reset(meetingtest::CreateMeetingScreen(m_window));
        ASSERT_NE(m_pScreen, nullptr);
    }

    // Enters the meeting with the right-hand pane open and waits for its history to show; the
    // number of messages shown. The servers keep what earlier tests sent.
    int Enter(const wchar_t* id)
    {
        m_pScreen->EnterMeeting(id);
        CRightContainerWnd* right = m_pScreen->GetRightContainer();
        if (right->IsCollapsed()) right->OnToggle();
        m_pScreen->UpdateLayout();
        EXPECT_NE(Chat(), nullptr) << "no chat pane in the right-hand container";
        if (!Chat()) return -1;
        EXPECT_TRUE(PumpUntil([&] { return View()->GetItemCount() > 0; }, 20000)) << "no history";
        zeltest::PumpFor(200);
        return View()->GetItemCount();
    }

    CMeetingChatCtrl* Chat()
    {
        HWND hChat = ::GetDlgItem(m_pScreen->GetRightContainer()->GetSafeHwnd(), CRightContainerWnd::ID_CHAT);
        return dynamic_cast<CMeetingChatCtrl*>(CWnd::FromHandlePermanent(hChat));
    }
    CChatViewCtrl* View() { return Chat()->GetChatView(); }
    const _ChatItem& Last() { return View()->GetItem(View()->GetItemCount() - 1); }

    void Type(const CString& text)
    {
        HWND edit = Chat()->GetEdit()->GetSafeHwnd();
        for (int i = 0; i < text.GetLength(); ++i) ::SendMessageW(edit, WM_CHAR, text[i], 1);
    }
    void PressEnter()
    {
        HWND edit = Chat()->GetEdit()->GetSafeHwnd();
        ::SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        ::SendMessageW(edit, WM_CHAR, L'\r', 0x001C0001);
        ::SendMessageW(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
    }
    void ClickSend()
    {
        CWnd* button = &Chat()->GetSendButton();
        CRect rc;
        button->GetClientRect(&rc);
        ctltest::Mouse(button, WM_LBUTTONDOWN, rc.CenterPoint().x, rc.CenterPoint().y, MK_LBUTTON);
        ctltest::Mouse(button, WM_LBUTTONUP, rc.CenterPoint().x, rc.CenterPoint().y);
        ctltest::PumpTranslated();
    }

    std::vector<Json::Value> Bodies(const char* msg)
    {
        std::vector<Json::Value> out;
        for (const Json::Value& f : Frames("tas", nullptr, msg)) out.push_back(f["body"]);
        return out;
    }

    ctltest::ShippedResources m_resources;
    meetingtest::StandInMain m_main;
    meetingtest::MainWindow m_window;
    std::unique_ptr<CMeetingLayer> m_pScreen;
};

TEST_F(MeetingPanes, EnteringShowsTheHistoryAndWhatIsTypedReachesTheServer)
{
    OpenScreen();
    ASSERT_EQ(Enter(L"101"), 3);
    const auto history = Bodies("M00000032");
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0]["mtngId"].asString(), "101");
    EXPECT_EQ(history[0]["pageNum"].asInt(), 10);
    // Oldest first; the user's own message is told from the others'.
    struct Row {
        const wchar_t* text;
        int mine;
    } rows[] = {
        {L"자료 1쪽부터 보시면 됩니다.", 1},
        {L"예산 현황표도 함께 띄워 주세요.", 0},
        {L"네, 곧 공유하겠습니다.", 0},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(View()->GetItem(i).message, CString(rows[i].text)) << i;
        EXPECT_EQ(View()->GetItem(i).mine, rows[i].mine) << i;
    }
    EXPECT_EQ(View()->GetItem(1).displayName.Find(L"박지훈"), 0);
    EXPECT_TRUE(Chat()->IsWindowVisible());

    // The meeting is running and its chat is on: the send button takes what is typed.
    ASSERT_TRUE(PumpUntil([&] { return Chat()->GetSendButton().IsWindowEnabled() != FALSE; }, 10000));
    Type(L"예산 현황표 3쪽 수치 확인 부탁드립니다.");
    ClickSend();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000031", 1));
    Json::Value sent = Bodies("M00000031")[0];
    EXPECT_EQ(sent["mtngId"].asString(), "101");
    EXPECT_EQ(sent["message"].asString(), S(L"예산 현황표 3쪽 수치 확인 부탁드립니다."));
    EXPECT_EQ(sent["senderId"].asString(), "1002");
    EXPECT_EQ(sent["receiverId"].asString(), "");
    ASSERT_EQ(View()->GetItemCount(), 4);
    EXPECT_EQ(Last().mine, 1);
    // The server's answer reached the pane: the bubble takes the message's id.
    ASSERT_TRUE(PumpUntil([&] { return !Last().messageId.IsEmpty(); }, 10000)) << "the answer did not reach the chat";
    EXPECT_EQ(Last().sendFailed, 0);

    // Enter sends as well.
    Type(L"네, 확인했습니다.");
    PressEnter();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000031", 2));
    EXPECT_EQ(Bodies("M00000031")[1]["message"].asString(), S(L"네, 확인했습니다."));
    ASSERT_TRUE(PumpUntil([&] { return View()->GetItemCount() == 5 && !Last().messageId.IsEmpty(); }, 10000));
    CString typed;
    Chat()->GetEdit()->GetWindowText(typed);
    EXPECT_TRUE(typed.IsEmpty());

    // A message pushed by the server joins them.
    m_pScreen->OnChatPush(L"박지훈", L"20261211100500", L"오전 10:05", L"3쪽 수치는 6월 말 기준입니다.");
    ASSERT_EQ(View()->GetItemCount(), 6);
    EXPECT_EQ(Last().mine, 0);
    zeltest::PumpFor(300);
    EXPECT_TRUE(ctltest::SaveScreenshot(&m_window, L"meeting_chat_pane"));
}

TEST_F(MeetingPanes, AFailedSendIsMarkedAndTheHistoryIsNotShownTwice)
{
    OpenScreen();
    const int shown = Enter(L"101");
    ASSERT_GT(shown, 0);
    ASSERT_TRUE(PumpUntil([&] { return Chat()->GetSendButton().IsWindowEnabled() != FALSE; }, 10000));
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "M00000031";
    rule["status"] = 3;
    Control(rule);
    Type(L"전송되지 않을 메시지");
    PressEnter();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000031", 1));
    ASSERT_TRUE(PumpUntil([&] { return Last().sendFailed == 1; }, 10000)) << "the failed send is not marked";
    EXPECT_EQ(Last().message, CString(L"전송되지 않을 메시지"));
    zeltest::PumpFor(500);
    EXPECT_EQ(View()->GetItemCount(), shown + 1) << "the history came again";
    EXPECT_EQ(Bodies("M00000032").size(), 1u);

    // The next message goes through and only the refused one stays marked.
    Type(L"다시 보냅니다");
    PressEnter();
    ASSERT_TRUE(PumpUntil([&] { return View()->GetItemCount() == shown + 2 && !Last().messageId.IsEmpty(); }, 10000));
    EXPECT_EQ(Last().sendFailed, 0);
    EXPECT_EQ(View()->GetItem(shown).sendFailed, 1);
    zeltest::PumpFor(200);
    EXPECT_TRUE(ctltest::SaveScreenshot(Chat(), L"meeting_chat_pane_failed_send"));
}

TEST_F(MeetingPanes, AnotherMeetingStartsAFreshChatAndAnEndedOneTakesNoMessages)
{
    OpenScreen();
    ASSERT_GT(Enter(L"101"), 1);
    m_pScreen->LeaveMeeting();
    // Meeting 103 has ended; its history holds one message.
    ASSERT_EQ(Enter(L"103"), 1);
    EXPECT_EQ(View()->GetItem(0).message, CString(L"회의를 마치겠습니다."));
    // A chat switch that arrives later (the server's chat-on push) leaves sending off.
    m_pScreen->EnableChat(TRUE);
    EXPECT_FALSE(Chat()->GetSendButton().IsWindowEnabled());
    Type(L"끝난 회의");
    PressEnter();
    zeltest::PumpFor(300);
    EXPECT_EQ(Frames("tas", nullptr, "M00000031").size(), 0u);
    EXPECT_EQ(View()->GetItemCount(), 1);

    // Leaving the screen destroys the panes once; a new screen gets new ones.
    m_pScreen.reset();
    zeltest::PumpFor(100);
    OpenScreen();
    EXPECT_GT(Enter(L"101"), 1);
    m_pScreen.reset();
}

// The screen destroys a pane's window and then deletes the object: the window's end must not
// delete it first.
TEST_F(MeetingPanes, APaneOutlivesItsWindowUntilTheScreenDeletesIt)
{
    const SMeetingPanelMakers& makers = GetMeetingPanelMakers();
    IMeetingChatPanel* pChat = nullptr;
    IMeetingMinutesList* pMinutes = nullptr;
    struct Case {
        const char* name;
        std::function<CWnd*()> make;
    } cases[] = {
        {"chat", [&] { return makers.makeChatPanel(&m_window, 1000, CRect(0, 0, 255, 400), &pChat); }},
        {"minutes", [&] { return makers.makeMinutesList(&m_window, 32882, CRect(0, 0, 255, 400), &pMinutes); }},
    };
    for (const Case& c : cases) {
        CWnd* pWnd = c.make();
        ASSERT_NE(pWnd, nullptr) << c.name;
        ASSERT_TRUE(pWnd->GetSafeHwnd()) << c.name;
        DeleteWatch watch(pWnd);
        pWnd->DestroyWindow();
        zeltest::PumpFor(50);
        EXPECT_EQ(watch.Frees(), 0) << c.name << " deleted itself with its window";
        if (watch.Frees() == 0) delete pWnd;
        EXPECT_EQ(watch.Frees(), 1) << c.name;
    }
    EXPECT_NE(pChat, nullptr);
    EXPECT_NE(pMinutes, nullptr);
}

TEST_F(MeetingPanes, NoteAndMinutesRepliesReachTheBoardAndTheMinutesList)
{
    RecordingNotes* notes = nullptr;
    S_BOARD_BAR_MAKERS bars = WhiteboardToolMakers();
    bars.makeStickyNote = [&notes](const S_BOARD_BAR_CONTEXT&) -> IStickyNoteView* {
        notes = new RecordingNotes();
        return notes;
    };
    SetBoardBarMakers(bars);
    OpenScreen();
    ASSERT_NE(notes, nullptr);
    ASSERT_GT(Enter(L"101"), 0);
    // The board asks for the document's notes once its pages exist; the screen hands it the answer.
    ASSERT_TRUE(PumpUntil([&] { return !notes->loaded.empty(); }, 20000)) << "the notes did not reach the board";
    EXPECT_EQ(notes->loaded[0]["attcFileId"].asString(), "D1011");
    const CString doc = m_pScreen->GetCurrentDocumentId();
    ASSERT_EQ(doc, CString(L"D1011"));
    CTasClientManager::GetInstance()->RequestM00000064(L"101", doc, L"", 0, {CString(L"{\"page\" : 1,\"message\" : \"메모\"}")});
    ASSERT_TRUE(PumpUntil([&] { return !notes->saved.empty(); }, 10000)) << "the save answer did not reach the board";
    EXPECT_EQ(notes->saved[0]["list"][0]["message"].asString(), S(L"메모"));

    // The minutes of the meeting reach the (hidden) minutes list.
    HWND hMinutes = ::GetDlgItem(m_pScreen->GetRightContainer()->GetSafeHwnd(), CRightContainerWnd::ID_MINUTES);
    CMinutesListCtrl* minutes = dynamic_cast<CMinutesListCtrl*>(CWnd::FromHandlePermanent(hMinutes));
    ASSERT_NE(minutes, nullptr) << "no minutes list in the right-hand container";
    EXPECT_FALSE(minutes->IsWindowVisible());
    CTasClientManager::GetInstance()->RequestM00000069(L"101");
    ASSERT_TRUE(PumpUntil([&] { return minutes->IsMinutesLoaded() != FALSE; }, 10000));
    EXPECT_EQ(minutes->GetMinutesText(4), CString(L"2분기 부서별 추진 실적과 하반기 계획을 보고합니다."));
    m_pScreen.reset();
}

}  // namespace
