// The push dispatch against a stand-in main dialog and stand-in screens: each push in, the calls
// it must cause out.
#include <winsock2.h>

#include <gtest/gtest.h>
#include <json/json.h>

#include <functional>

#include "app/main/PushDispatcher.h"
#include "net/protocol/JsonText.h"
#include "net/protocol/TPCClientManager.h"
#include "tests/app/main/StandInScreens.h"

using appmaintest::StandInScreens;

namespace {

typedef std::vector<std::string> Calls;
typedef std::function<void(StandInScreens&)> Setup;

Json::Value Parse(const char* text)
{
    Json::Value v;
    EXPECT_TRUE(ParseJsonText(std::string(text), v)) << text;
    return v;
}

// The shown meeting is "M1" in modes 1 and 2 (the meeting screen's id is empty outside mode 2).
void Show(StandInScreens& s, int mode)
{
    s.mode = mode;
    s.detailId = mode == 1 ? L"M1" : L"";
    s.meetingId = mode == 2 ? L"M1" : L"";
    s.currentDocumentId = mode == 2 ? L"D12" : L"";
}

struct PushCase {
    const char* name;
    int mode;
    Setup setup;
    const char* payload;
    Calls expected;
};

const Setup kNone = [](StandInScreens&) {};
const Setup kSync = [](StandInScreens& s) { s.pageSync = TRUE; };
const Setup kHidden = [](StandInScreens& s) { s.visible = FALSE; };

#define NOTE(t, tray) "ShowNotice(head,msg," #t "," #tray ")"

const PushCase kCases[] = {
    // Meeting started / started again
    {"01 list", 0, kNone, R"({"messageId":"broadcasting:01","message":"msg","content":"head","mtngId":"M1"})",
     {"meeting.MarkMeetingEntered()", NOTE(1, 1), "StartTimer(1200,100)", "PlayMeetingStartSound()"}},
    {"01 detail same", 1, kNone, R"({"messageId":"broadcasting:01","message":"msg","content":"head","mtngId":"M1"})",
     {"meeting.MarkMeetingEntered()", NOTE(1, 1), "detail.OnPushBroadcast01()", "PlayMeetingStartSound()"}},
    {"01 meeting other", 2, kNone, R"({"messageId":"broadcasting:01","message":"msg","content":"head","mtngId":"M9"})",
     {"meeting.MarkMeetingEntered()", NOTE(1, 1), "PlayMeetingStartSound()"}},
    {"10 meeting same", 2, kNone, R"({"messageId":"broadcasting:10","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "meeting.OnMeetingStatusChanged(2)", "PlayMeetingStartSound()"}},
    {"10 detail same", 1, kNone, R"({"messageId":"broadcasting:10","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "detail.OnPushBroadcast10()", "PlayMeetingStartSound()"}},
    // Meeting ended
    {"02 list", 0, kNone, R"({"messageId":"broadcasting:02","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "StartTimer(1200,100)", "ClearRemainTime()"}},
    {"02 detail same", 1, kNone, R"({"messageId":"broadcasting:02","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "detail.OnPushBroadcast02()", "ClearRemainTime()"}},
    {"02 detail other", 1, kNone, R"({"messageId":"broadcasting:02","message":"msg","content":"head","mtngId":"M9"})", {}},
    {"02 detail same type 12, another attendee", 1, [](StandInScreens& s) { s.currentMeetingType12 = TRUE; },
     R"({"messageId":"broadcasting:02","message":"msg","content":"head","mtngId":"M1"})",
     {"ShowConfirmPopup(msg)", "SetScreenMode(0,)", "ClearRemainTime()"}},
    {"02 meeting same", 2, kNone, R"({"messageId":"broadcasting:02","message":"msg","content":"head","mtngId":"M1"})",
     {"meeting.SaveBoardChanges(9,0,1)", NOTE(1, 1), "meeting.OnMeetingStatusChanged(4)", "ClearRemainTime()"}},
    {"02 meeting same type 12", 2, [](StandInScreens& s) { s.meetingType12 = TRUE; },
     R"({"messageId":"broadcasting:02","message":"msg","content":"head","mtngId":"M1"})",
     {"meeting.SaveBoardChanges(9,0,1)", "ShowConfirmPopup(msg)", "SetScreenMode(0,)", "ClearRemainTime()"}},
    // The end of another meeting keeps the open meeting's remaining time.
    {"02 meeting other", 2, kNone, R"({"messageId":"broadcasting:02","message":"msg","content":"head","mtngId":"M9"})",
     {"meeting.SaveBoardChanges(9,0,1)"}},
    // Synchronisation switched
    {"03 list", 0, kNone, R"({"messageId":"broadcasting:03","message":"msg","content":"head","mtngId":"M1","syncYn":"N"})",
     {NOTE(1, 0)}},
    {"03 detail same", 1, kNone, R"({"messageId":"broadcasting:03","message":"msg","content":"head","mtngId":"M1"})",
     {"detail.OnPushBroadcast03()", NOTE(1, 0)}},
    {"03 following, sync off", 2, kSync,
     R"({"messageId":"broadcasting:03","message":"msg","content":"head","mtngId":"M1","syncYn":"N"})",
     {"ShowNotice(head,msg\r\n<289>,1,0)", "meeting.RequestPresenceAndSync(0)"}},
    {"03 following, sync on", 2, kSync,
     R"({"messageId":"broadcasting:03","message":"msg","content":"head","mtngId":"M1","syncYn":"Y"})",
     {NOTE(1, 0), "meeting.RequestPresenceAndSync(1)"}},
    {"03 not following", 2, kNone,
     R"({"messageId":"broadcasting:03","message":"msg","content":"head","mtngId":"M1","syncYn":"Y"})",
     {NOTE(1, 0), "meeting.RequestPresenceAndSync(0)"}},
    {"03 meeting other", 2, kSync, R"({"messageId":"broadcasting:03","message":"msg","content":"head","mtngId":"M9"})", {}},
    // Presenter changed
    {"05 list", 0, kNone, R"({"messageId":"broadcasting:05","message":"msg","content":"head","mtngId":"M1"})", {NOTE(1, 0)}},
    {"05 detail same", 1, kNone,
     R"({"messageId":"broadcasting:05","message":"msg","content":"head","mtngId":"M1","userIdnfr":"1001"})",
     {"detail.OnPushBroadcast05(1001)", NOTE(1, 0)}},
    {"05 following on a whiteboard, sync off", 2, [](StandInScreens& s) { s.pageSync = TRUE; s.whiteboardDocument = TRUE; },
     R"({"messageId":"broadcasting:05","message":"msg","content":"head","mtngId":"M1","syncYn":"N","page":"7"})",
     {"meeting.RequestPresenceAndSync(0)", "meeting.SaveBoardChanges(12,0,1)", "meeting.OpenBuiltInWhiteboard(1)",
      "ShowNotice(head,msg\r\n<289>,1,0)"}},
    {"05 meeting other", 2, kSync, R"({"messageId":"broadcasting:05","message":"msg","content":"head","mtngId":"M9"})",
     {NOTE(1, 0)}},
    // Forced share
    {"06 observer on the list", 0, [](StandInScreens& s) { s.observer = 1; },
     R"({"messageId":"broadcasting:06","message":"msg","content":"head","mtngId":"M1","attachId":"D1","page":"3"})", {}},
    {"06 already following", 2, kSync,
     R"({"messageId":"broadcasting:06","message":"msg","content":"head","mtngId":"M1","attachId":"D1","page":"3"})", {}},
    {"06 minimised, meeting kind", 0, [](StandInScreens& s) { s.showCmd = SW_SHOWMINIMIZED; s.observer = 0; },
     R"({"messageId":"broadcasting:06","message":"msg","content":"0123456789ABCDEF공유합니다","mtngId":"M1",
         "mtngType":"10","attachId":"D1","page":"3","mtngDT":"20261210153000","compulsionYn":"Y"})",
     {"RestoreMinimizedWindow()", "StopTimer(1000)", "StartTimer(1000,5000)", "EnsureMeeting(10,M1)",
      "ShowForcedSharePopup(,공유합니다,20261210153000,0)", "meeting.CloseMinutesViewer()"}},
    {"06 hidden, from the file box, answered", 1,
     [](StandInScreens& s) { s.visible = FALSE; s.currentMeetingType = L"20"; s.popupAnswer = IDOK; s.observer = 1; },
     R"({"messageId":"broadcasting:06","message":"msg","content":"head","mtngId":"M1","mtngType":"30",
         "attachId":"D1","page":"3","mtngDT":"20261210153000"})",
     {NOTE(1, 1), "RefreshDocumentList(10,0)", "StopTimer(1000)", "StartTimer(1000,5000)", "EnsureMeeting(30,M1)",
      "ShowForcedSharePopup(,head,20261210153000,0)", "StopTimer(1000)", "meeting.CloseMinutesViewer()"}},
    // Notices, documents
    {"07 detail", 1, kNone, R"({"messageId":"broadcasting:07","message":"msg","content":"head","mtngId":"M9"})", {NOTE(1, 1)}},
    {"08 list", 0, kNone, R"({"messageId":"broadcasting:08","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "StartTimer(1200,100)"}},
    {"08 detail same", 1, kNone, R"({"messageId":"broadcasting:08","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "detail.OnPushBroadcast08()"}},
    {"08 the open document", 2, kNone,
     R"({"messageId":"broadcasting:08","message":"msg","content":"head","mtngId":"M1","attachId":"D12"})",
     {NOTE(1, 1), "StartTimer(1300,100)"}},
    {"08 another document", 2, kNone,
     R"({"messageId":"broadcasting:08","message":"msg","content":"head","mtngId":"M1","attachId":"D13"})", {NOTE(1, 1)}},
    {"09 list", 0, kNone, R"({"messageId":"broadcasting:09","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "StartTimer(1200,100)"}},
    {"09 meeting same", 2, kNone, R"({"messageId":"broadcasting:09","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "StartTimer(1300,100)"}},
    {"09 detail (meeting screen empty)", 1, kNone,
     R"({"messageId":"broadcasting:09","message":"msg","content":"head","mtngId":"M1"})", {NOTE(1, 1)}},
    // Page of the synchronised document
    {"11 built-in whiteboard", 2, [](StandInScreens& s) { s.embeddedId = L"WB1"; },
     R"({"messageId":"broadcasting:11","mtngId":"M1","attachId":"WB1","page":"3"})",
     {"meeting.ClearOtherMeetingDocument()", "meeting.OnSyncPagePush(M1,WB1,3,1)", "board.OnOptShare(1,0)",
      "info.SetWhiteboardMode(1)"}},
    {"11 document", 2, [](StandInScreens& s) { s.embeddedId = L"WB1"; },
     R"({"messageId":"broadcasting:11","mtngId":"M1","attachId":"D12","page":"x"})",
     {"meeting.ClearOtherMeetingDocument()", "meeting.OnSyncPagePush(M1,D12,0,1)", "board.OnOptShare(0,0)",
      "info.SetWhiteboardMode(0)"}},
    {"11 detail", 1, kNone, R"({"messageId":"broadcasting:11","mtngId":"M1","attachId":"D12","page":"3"})", {}},
    // Attendees changed
    {"14 list", 0, kNone, R"({"messageId":"broadcasting:14","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "StartTimer(1200,100)"}},
    {"14 detail same", 1, kNone, R"({"messageId":"broadcasting:14","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "detail.OnPushBroadcast14()"}},
    {"14 meeting same, following", 2, kSync, R"({"messageId":"broadcasting:14","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 1), "meeting.RequestPresenceAndSync(1)"}},
    {"14 meeting other", 2, kNone, R"({"messageId":"broadcasting:14","message":"msg","content":"head","mtngId":"M9"})", {}},
    // Document list changed
    {"15 meeting same", 2, kNone, R"({"messageId":"broadcasting:15","message":"msg","mtngId":"M1"})",
     {"ShowToast(msg)", "meeting.RequestDocumentList(10)"}},
    {"15 meeting same, hidden", 2, kHidden, R"({"messageId":"broadcasting:15","message":"msg","mtngId":"M1"})",
     {"meeting.RequestDocumentList(10)"}},
    {"15 detail", 1, kNone, R"({"messageId":"broadcasting:15","message":"msg","mtngId":"M1"})", {}},
    // Duplicate login
    {"16 hidden", 2, kHidden, R"({"messageId":"broadcasting:16"})",
     {"OnCmdRestoreWindow()", "ShowConfirmPopup(<251>)", "RequestLogout(1)"}},
    {"17 voice permission", 2, kNone, R"({"messageId":"broadcasting:17","mtngId":"M1","voicePermitYn":"Y"})", {}},
    // Chat switched
    {"18 off, attendee", 2, kNone, R"({"messageId":"broadcasting:18","mtngId":"M1","chattingYn":"N"})",
     {"meeting.EnableChat(0)", "ShowToast(<361>)"}},
    {"18 on, attendee", 2, kNone, R"({"messageId":"broadcasting:18","mtngId":"M1","chattingYn":"Y"})",
     {"meeting.EnableChat(1)", "ShowToast(<359>)"}},
    {"18 on, presenter", 2, [](StandInScreens& s) { s.presenter = 1; },
     R"({"messageId":"broadcasting:18","mtngId":"M1","chattingYn":"Y"})", {"meeting.EnableChat(1)"}},
    // Report states
    {"19 list", 0, kNone, R"({"messageId":"broadcasting:19","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 0), "StartTimer(1200,100)"}},
    {"19 meeting same", 2, kNone, R"({"messageId":"broadcasting:19","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 0), "meeting.OnMeetingStatusChanged(13)"}},
    {"20 detail same", 1, kNone, R"({"messageId":"broadcasting:20","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 0), "detail.OnPushBroadcast20()"}},
    {"20 meeting same", 2, kNone, R"({"messageId":"broadcasting:20","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 0), "meeting.OnMeetingStatusChanged(14)"}},
    // Synchronisation family
    {"sync 01 any meeting", 2, kNone, R"({"messageId":"synchronization:01","mtngId":"M9","attachId":"D1","page":"4"})",
     {"meeting.OnSyncPagePush(M9,D1,4,1)"}},
    {"sync 01 list", 0, kNone, R"({"messageId":"synchronization:01","mtngId":"M1","attachId":"D1","page":"4"})", {}},
    {"sync 02 on a whiteboard", 2, [](StandInScreens& s) { s.whiteboardDocument = TRUE; },
     R"({"messageId":"synchronization:02","message":"msg","content":"head","mtngId":"M1","attachId":"D1","page":"4"})",
     {NOTE(1, 1), "meeting.SetFollowPresenter(M1,D1,4,0)", "meeting.OpenBuiltInWhiteboard(0)"}},
    {"sync 03 to everyone", 2, kNone,
     R"({"messageId":"synchronization:03","mtngId":"M1","message":"hello","userName":"lee","sentDate":"20261210093000","receiverId":"","senderId":"lee"})",
     {"meeting.OnChatPush(lee,20261210093000,<114> 9:30,hello)", "title.SetChatButtonState(1,0)", "title.SetChatBlink(1)"}},
    {"sync 03 whisper to me in the detail", 1, kNone,
     R"({"messageId":"synchronization:03","mtngId":"M1","message":"hi","userName":"lee","sentDate":"20261210150500","receiverId":"kim"})",
     {"detail.OnPushSync03(lee<339>,20261210150500,<115> 3:05,hi)", "title.SetChatButtonState(1,0)",
      "title.SetChatBlink(1)"}},
    // A whisper to somebody else is neither shown nor signalled.
    {"sync 03 whisper to another", 2, kNone,
     R"({"messageId":"synchronization:03","mtngId":"M1","message":"hi","userName":"lee","sentDate":"20261210150500","receiverId":"park"})",
     {}},
    {"sync 03 short date", 2, kNone,
     R"({"messageId":"synchronization:03","mtngId":"M1","message":"hi","userName":"lee","sentDate":"2026121015050"})", {}},
    {"sync 03 other meeting", 2, kNone,
     R"({"messageId":"synchronization:03","mtngId":"M9","message":"hi","userName":"lee","sentDate":"20261210150500"})", {}},
    // Attendance
    {"23 list", 0, kNone, R"({"messageId":"broadcasting:23","mtngId":"M1","userIdnfr":"1001","attendanceYn":"Y"})", {}},
    {"23 detail same", 1, kNone, R"({"messageId":"broadcasting:23","mtngId":"M1","userIdnfr":"1001","attendanceYn":"Y"})",
     {"detail.OnPushBroadcast23(1001,Y)"}},
    {"23 meeting, absent", 2, kNone, R"({"messageId":"broadcasting:23","mtngId":"M1","userIdnfr":"1001","attendanceYn":"N"})",
     {"meeting.RequestPresenceAndSync(0)"}},
    {"23 meeting, following", 2, kSync, R"({"messageId":"broadcasting:23","mtngId":"M1","attendanceYn":"N"})",
     {"meeting.RequestPresenceAndSync(1)"}},
    // File box, conversions
    {"24 list", 0, kNone, R"({"messageId":"broadcasting:24","message":"msg"})", {"ShowNotice(<369>,msg,1,1)"}},
    // "D12" is not among "D123,D124": whole ids are compared.
    {"25 open document not converted", 2, kNone,
     R"({"messageId":"broadcasting:25","mtngId":"M1","attachId":"D123,D124","mergeDocYn":"N"})",
     {"meeting.RequestDocumentList(10)", "StartTimer(1300,100)"}},
    {"25 open document converted", 2, kNone,
     R"({"messageId":"broadcasting:25","mtngId":"M1","attachId":"D11, D12","mergeDocYn":"N"})",
     {"meeting.RequestDocumentList(10)"}},
    {"25 merged", 2, kNone, R"({"messageId":"broadcasting:25","mtngId":"M1","attachId":"D12","mergeDocYn":"y"})",
     {"meeting.RequestDocumentList(10)", "StartTimer(1300,100)"}},
    {"25 detail same", 1, kNone, R"({"messageId":"broadcasting:25","mtngId":"M1"})", {"detail.OnPushBroadcast25()"}},
    {"25 list", 0, kNone, R"({"messageId":"broadcasting:25","mtngId":"M1"})", {"StartTimer(1200,100)"}},
    // Security meeting files deleted
    {"26 meeting same", 2, kNone, R"({"messageId":"broadcasting:26","mtngId":"M1","title":"t","content":"head"})",
     {"ShowConfirmPopup(head)", "SetScreenMode(0,)"}},
    {"26 meeting same, hidden", 2, kHidden, R"({"messageId":"broadcasting:26","mtngId":"M1","title":"t","content":"head"})",
     {"ShowNotice(head,t,1,0)", "SetScreenMode(0,)"}},
    {"26 list", 0, kNone, R"({"messageId":"broadcasting:26","mtngId":"M1","title":"t","content":"head"})",
     {"ShowConfirmPopup(head)", "list.RefreshList()"}},
    {"26 detail", 1, kNone, R"({"messageId":"broadcasting:26","mtngId":"M1","title":"t","content":"head"})", {}},
    // Approvals
    {"27 meeting same", 2, kNone, R"({"messageId":"broadcasting:27","mtngId":"M1","confirmYn":"Y"})",
     {"meeting.RequestPresence()"}},
    {"27 detail", 1, kNone, R"({"messageId":"broadcasting:27","mtngId":"M1"})", {}},
    {"28 detail same", 1, kNone, R"({"messageId":"broadcasting:28","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 0), "detail.OnPushBroadcast28()"}},
    {"28 meeting same", 2, kNone, R"({"messageId":"broadcasting:28","message":"msg","content":"head","mtngId":"M1"})",
     {NOTE(1, 0), "StartTimer(1300,100)"}},
    // Whiteboard page commands: numbers or digit strings
    {"29 attendee", 2, kSync,
     R"({"messageId":"broadcasting:29","mtngId":"M1","attachId":"WB1","command":1,"page":"3","totalPage":5,"requestPage":"4"})",
     {"meeting.ApplyPageCommand(WB1,1,3,5,4)"}},
    {"29 presenter while synchronising", 2, [](StandInScreens& s) { s.pageSync = TRUE; s.presenter = 1; },
     R"({"messageId":"broadcasting:29","mtngId":"M1","attachId":"WB1","command":2,"page":3})", {}},
    // Rows without an effect
    {"04", 2, kNone, R"({"messageId":"broadcasting:04","mtngId":"M1"})", {}},
    {"12", 2, kNone, R"({"messageId":"broadcasting:12","mtngId":"M1"})", {}},
    {"13", 2, kNone, R"({"messageId":"broadcasting:13","mtngId":"M1"})", {}},
    {"sync 04", 2, kNone, R"({"messageId":"synchronization:04","mtngId":"M1"})", {}},
    {"sync 06", 2, kNone, R"({"messageId":"synchronization:06","mtngId":"M1"})", {}},
};

class PushDispatcherTest : public ::testing::Test {
protected:
    StandInScreens m_screens;
    CPushDispatcher m_dispatcher{m_screens};

    void Push(const char* text) { m_dispatcher.Dispatch(Parse(text)); }
    // The dispatcher's log lines as UTF-8.
    std::vector<std::string> Log() const
    {
        std::vector<std::string> out;
        for (const std::wstring& l : m_screens.logLines) out.push_back(StandInScreens::S(l.c_str()));
        return out;
    }
};

TEST_F(PushDispatcherTest, EveryPushCausesItsCallsOnTheShownScreen)
{
    for (const PushCase& c : kCases) {
        StandInScreens screens;
        CPushDispatcher dispatcher(screens);
        Show(screens, c.mode);
        c.setup(screens);
        dispatcher.Dispatch(Parse(c.payload));
        EXPECT_EQ(screens.Take(), c.expected) << c.name;
        ASSERT_FALSE(screens.logLines.empty()) << c.name;
        EXPECT_EQ(StandInScreens::S(screens.logLines[0].c_str()).rfind("[Push Message : {", 0), 0u) << c.name;
    }
}

TEST_F(PushDispatcherTest, TheTableHasTheThirtyTwoIdsExactly)
{
    int nKnown = 0;
    for (int i = 1; i <= 29; ++i) {
        CString id;
        id.Format(L"broadcasting:%02d", i);
        const bool expected = i != 21 && i != 22;
        EXPECT_EQ(!!m_dispatcher.HasHandler(id), expected) << i;
        nKnown += m_dispatcher.HasHandler(id) ? 1 : 0;
    }
    for (int i = 1; i <= 6; ++i) {
        CString id;
        id.Format(L"synchronization:%02d", i);
        EXPECT_EQ(!!m_dispatcher.HasHandler(id), i != 5) << i;
        nKnown += m_dispatcher.HasHandler(id) ? 1 : 0;
    }
    EXPECT_EQ(nKnown, 32);
}

TEST_F(PushDispatcherTest, UnknownIdsAreLoggedAndChangeNothing)
{
    const char* payloads[] = {
        R"({"messageId":"broadcasting:21","mtngId":"M1"})",
        R"({"messageId":"broadcasting:22"})",
        R"({"messageId":"synchronization:05"})",
        R"({"messageId":"Broadcasting:01","mtngId":"M1"})",   // letter case
        R"({"messageId":"broadcasting:1","mtngId":"M1"})",    // leading zero
        R"({"messageId":""})",
        R"({"mtngId":"M1"})",
        R"({"messageId":7})",
    };
    Show(m_screens, 2);
    for (const char* p : payloads) {
        m_screens.logLines.clear();
        Push(p);
        EXPECT_TRUE(m_screens.Take().empty()) << p;
        const std::vector<std::string> log = Log();
        ASSERT_EQ(log.size(), 2u) << p;
        EXPECT_EQ(log[0].rfind("[Push Message : ", 0), 0u);
        EXPECT_EQ(log[1].rfind("push received...but unknown message id, so skip it... >>> ", 0), 0u) << log[1];
    }
}

TEST_F(PushDispatcherTest, DuplicateLoginBlocksEveryPushUntilTheLogOutReply)
{
    Show(m_screens, 2);
    // A second duplicate-login push arriving while the first one's message is open is dropped.
    m_screens.duringPopup = [this] { Push(R"({"messageId":"broadcasting:16"})"); };
    Push(R"({"messageId":"broadcasting:16"})");
    m_screens.duringPopup = nullptr;
    EXPECT_EQ(m_screens.Take(), (Calls{"ShowConfirmPopup(<251>)", "RequestLogout(1)"}));
    EXPECT_TRUE(m_dispatcher.IsPushBlocked());

    m_screens.logLines.clear();
    Push(R"({"messageId":"broadcasting:01","message":"msg","content":"head","mtngId":"M1"})");
    Push(R"({"messageId":"broadcasting:07","message":"msg","content":"head"})");
    Push(R"({"messageId":"broadcasting:99"})");
    EXPECT_TRUE(m_screens.Take().empty());
    EXPECT_TRUE(m_screens.logLines.empty()) << "dropped pushes are not logged";

    // The push client's item through the window message, while blocked and after.
    CPushItem item;
    item.data = Parse(R"({"messageId":"broadcasting:07","message":"msg","content":"head"})");
    EXPECT_EQ(m_dispatcher.OnPushMessage(0, (LPARAM) &item), 0);
    EXPECT_TRUE(m_screens.Take().empty());
    m_dispatcher.ClearPushBlock();
    EXPECT_EQ(m_dispatcher.OnPushMessage(0, (LPARAM) &item), 0);
    EXPECT_EQ(m_screens.Take(), (Calls{NOTE(1, 1)}));
    EXPECT_EQ(m_dispatcher.OnPushMessage(0, 0), 0);
    EXPECT_TRUE(m_screens.Take().empty());
}

TEST_F(PushDispatcherTest, TypeTwelveEndByThisUserReturnsToTheListAfterASecond)
{
    Show(m_screens, 1);
    m_screens.currentMeetingType12 = TRUE;
    m_dispatcher.SetWatchMeetingId(L"M1");
    Push(R"({"messageId":"broadcasting:02","message":"msg","content":"head","mtngId":"M1"})");
    EXPECT_EQ(m_screens.Take(), (Calls{NOTE(1, 1), "StartTimer(1010,1000)", "ClearRemainTime()"}));
    EXPECT_TRUE(m_dispatcher.GetWatchMeetingId().IsEmpty());
    EXPECT_TRUE(m_dispatcher.OnTimer(CPushDispatcher::TIMER_BACK_TO_LIST));
    EXPECT_EQ(m_screens.Take(), (Calls{"StopTimer(1010)", "SetScreenMode(0,)"}));
}

TEST_F(PushDispatcherTest, TimersRefreshReloadAndForceTheShare)
{
    Show(m_screens, 0);
    EXPECT_TRUE(m_dispatcher.OnTimer(CPushDispatcher::TIMER_REFRESH_LIST));
    EXPECT_EQ(m_screens.Take(), (Calls{"StopTimer(1200)", "list.RefreshList()"}));
    EXPECT_TRUE(m_dispatcher.OnTimer(CPushDispatcher::TIMER_RELOAD));
    EXPECT_EQ(m_screens.Take(), (Calls{"StopTimer(1300)"})) << "mode 0 reloads nothing";
    EXPECT_FALSE(m_dispatcher.OnTimer(1001));
    EXPECT_TRUE(m_screens.Take().empty());

    Show(m_screens, 1);
    m_dispatcher.OnTimer(CPushDispatcher::TIMER_RELOAD);
    EXPECT_EQ(m_screens.Take(), (Calls{"StopTimer(1300)", "detail.RefreshDetail()"}));

    Show(m_screens, 2);
    m_dispatcher.OnTimer(CPushDispatcher::TIMER_RELOAD);
    EXPECT_EQ(m_screens.Take(), (Calls{"StopTimer(1300)", "meeting.SaveBoardChanges(8,0,1)", "meeting.StartMeeting(0,1)",
                                       "title.SetTitleText()", "CloseOpenPopups()"}));
    m_screens.saveStarted = 1;   // the screen re-enters itself once the save has finished
    m_dispatcher.OnTimer(CPushDispatcher::TIMER_RELOAD);
    EXPECT_EQ(m_screens.Take(),
              (Calls{"StopTimer(1300)", "meeting.SaveBoardChanges(8,0,1)", "title.SetTitleText()", "CloseOpenPopups()"}));
}

TEST_F(PushDispatcherTest, ForcedShareLeftAloneEntersTheMeetingAndFollows)
{
    const char* share = R"({"messageId":"broadcasting:06","message":"msg","content":"head","mtngId":"M7",
                            "mtngType":"30","attachId":"D5","page":"3","mtngDT":"20261210153000"})";
    // From the list: the meeting is entered, then followed.
    Show(m_screens, 0);
    Push(share);
    m_screens.Take();
    EXPECT_EQ(StandInScreens::S(m_dispatcher.GetShareMeetingId()), "M7");
    m_screens.visible = FALSE;
    EXPECT_TRUE(m_dispatcher.OnTimer(CPushDispatcher::TIMER_FORCE_SHARE));
    EXPECT_EQ(m_screens.Take(), (Calls{"StopTimer(1000)", "OnCmdRestoreWindow()", "CloseCurrentPopupWithText(<353>)",
                                       "CloseOpenPopups()", "SetScreenMode(2,M7)", "meeting.SetFollowPresenter(M7,D5,3,1)"}));
    const std::vector<std::string> log = Log();
    EXPECT_EQ(log.back(), "화면 강제 공유 미팅 ID : M7");

    // In a meeting with unsaved drawing: saved first, the target handed to the screen.
    Show(m_screens, 2);
    m_screens.saveStarted = 1;
    m_dispatcher.OnTimer(CPushDispatcher::TIMER_FORCE_SHARE);
    EXPECT_EQ(m_screens.Take(), (Calls{"StopTimer(1000)", "CloseCurrentPopupWithText(<353>)", "CloseOpenPopups()",
                                       "meeting.SaveBoardChanges(11,0,1)", "meeting.SetPendingFollow(M7,D5,3)"}));
    m_screens.saveStarted = 0;
    m_dispatcher.OnTimer(CPushDispatcher::TIMER_FORCE_SHARE);
    EXPECT_EQ(m_screens.Take(), (Calls{"StopTimer(1000)", "CloseCurrentPopupWithText(<353>)", "CloseOpenPopups()",
                                       "meeting.SaveBoardChanges(11,0,1)", "meeting.SetFollowPresenter(M7,D5,3,1)"}));
}

TEST_F(PushDispatcherTest, LogLinesOfTheHandlers)
{
    Show(m_screens, 2);
    m_screens.observer = 1;
    Show(m_screens, 0);
    Push(R"({"messageId":"broadcasting:06","mtngId":"M1"})");
    Show(m_screens, 2);
    Push(R"({"messageId":"broadcasting:05","mtngId":"M1","page":"7"})");
    Push(R"({"messageId":"broadcasting:24","message":"m"})");
    Push(R"({"messageId":"broadcasting:16"})");
    std::vector<std::string> lines;
    for (const std::string& l : Log())
        if (l.rfind("[Push Message", 0) != 0) lines.push_back(l);
    EXPECT_EQ(lines, (std::vector<std::string>{"Observer : Reject share on force.",
                                               "++++++++++ 진행자 변경시 문서 페이지 : [7]+++++++++",
                                               "++++++++++ Broadcasting24 파일함 문서 추가 +++++++++",
                                               "중복 로그인 푸시 수신..."}));
}

TEST_F(PushDispatcherTest, ChatTimeTextAcrossTheDay)
{
    const struct {
        const char* date;
        const char* text;
    } cases[] = {
        {"20261210093000", "<114> 9:30"}, {"20261210120500", "<115> 12:05"}, {"20261210150900", "<115> 3:09"},
        {"20261210000700", "<114> 0:07"}, {"2026121015", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StandInScreens::S(m_dispatcher.ChatTimeText(CString(c.date))), c.text) << c.date;
}

TEST_F(PushDispatcherTest, NoScreensYetMeansNoCallsIntoThem)
{
    // Before the screens exist (or after they are gone) no push may reach through a null screen.
    for (const PushCase& c : kCases) {
        for (int mode = 0; mode <= 2; ++mode) {
            StandInScreens screens;
            CPushDispatcher dispatcher(screens);
            Show(screens, mode);
            c.setup(screens);
            screens.withScreens = false;
            dispatcher.Dispatch(Parse(c.payload));
            for (const std::string& call : screens.Take())
                EXPECT_EQ(call.find('.'), std::string::npos) << c.name << " mode " << mode << ": " << call;
            for (UINT_PTR t : {1000, 1010, 1200, 1300}) dispatcher.OnTimer(t);
        }
    }
}

TEST(IdListTest, WholeIdsOnly)
{
    EXPECT_FALSE(CPushDispatcher::IdListContains(L"123", L"12"));
    EXPECT_FALSE(CPushDispatcher::IdListContains(L"D123,D124", L"D12"));
    EXPECT_TRUE(CPushDispatcher::IdListContains(L"D11, D12", L"D12"));
    EXPECT_TRUE(CPushDispatcher::IdListContains(L"D12", L"D12"));
    EXPECT_FALSE(CPushDispatcher::IdListContains(L"", L"D12"));
    EXPECT_FALSE(CPushDispatcher::IdListContains(L"D12", L""));
}

}  // namespace
