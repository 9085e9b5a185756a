// Pushes sent by the local push server arrive through the real push client and reach the
// dispatcher on the user-interface thread, as the main dialog receives them.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/main/PushDispatcher.h"
#include "app/main/SyncRelay.h"
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TPCClientManager.h"
#include "tests/app/main/PushWindow.h"
#include "tests/app/main/StandInScreens.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/support/TestSupport.h"

using appmaintest::PushWindow;
using appmaintest::StandInScreens;
using prototest::EndToEndTest;

namespace {

class PushEndToEndTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        m_screens.mode = 2;
        m_screens.meetingId = L"101";
        m_screens.currentDocumentId = L"D1011";
        ASSERT_TRUE(m_tpc.Init(zeltest::SourcePath(L"protocols/pps_protocol.xml").c_str()));
        m_tpc.Connect(CString(L"127.0.0.1"), ServerPort(PORT_PUSH));
        m_tpc.SetEventWindow(m_events.Handle());
        m_tpc.SetListener(m_window.Handle());
        ASSERT_TRUE(PumpUntil([this] { return m_window.m_bSession; }, 15000)) << "no push session";
    }
    size_t Dispatched() const
    {
        return (size_t) std::count_if(m_screens.logLines.begin(), m_screens.logLines.end(),
                                      [](const std::wstring& l) { return l.rfind(L"[Push Message", 0) == 0; });
    }
    bool Called(const std::string& call) const
    {
        return std::find(m_screens.calls.begin(), m_screens.calls.end(), call) != m_screens.calls.end();
    }

    StandInScreens m_screens;
    CPushDispatcher m_dispatcher{m_screens};
    CTPCClientManager m_tpc;
    PushWindow m_window{m_dispatcher, m_tpc};
};

TEST_F(PushEndToEndTest, EveryPushOfTheTableReachesItsHandlerOnTheUserInterfaceThread)
{
    // Every id but the duplicate login (which blocks all that follow it), in table order but for
    // the security meeting's end, which leaves the meeting screen and so goes last.
    Json::Value command;
    command["cmd"] = "push_sample";
    command["ids"].append("all");
    command["mtngId"] = "101";
    const Json::Value all = Control(command);
    ASSERT_EQ(all["ids"].size(), 32u);
    command["ids"] = Json::Value(Json::arrayValue);
    for (const Json::Value& id : all["ids"])
        if (id.asString() != "broadcasting:16" && id.asString() != "broadcasting:26") command["ids"].append(id);
    command["ids"].append("broadcasting:26");
    // The delivery above already arrived whole: count from here.
    ASSERT_TRUE(PumpUntil([this] { return m_window.m_threads.size() == 32; }));
    m_dispatcher.ClearPushBlock();
    m_screens.Take();
    m_screens.logLines.clear();
    m_window.m_threads.clear();

    Control(command);
    ASSERT_TRUE(PumpUntil([this] { return Dispatched() == 31; })) << Dispatched();
    for (DWORD thread : m_window.m_threads) EXPECT_EQ(thread, GetCurrentThreadId());
    for (const std::wstring& line : m_screens.logLines)
        EXPECT_EQ(line.find(L"unknown message id"), std::wstring::npos) << StandInScreens::S(line.c_str());

    // A sample of what the meeting screen was told, texts and numbers intact.
    EXPECT_TRUE(Called("ShowNotice(회의 시작,회의가 시작되었습니다.,1,1)"));
    EXPECT_TRUE(Called("meeting.OnMeetingStatusChanged(2)"));
    EXPECT_TRUE(Called("meeting.OnMeetingStatusChanged(4)"));
    EXPECT_TRUE(Called("meeting.OnSyncPagePush(101,D1011,3,1)"));
    EXPECT_TRUE(Called("meeting.OnChatPush(이영희,20261210093000,<114> 9:30,안녕하세요)"));
    EXPECT_TRUE(Called("meeting.ApplyPageCommand(D1011,1,2,3,2)"));
    EXPECT_TRUE(Called("meeting.EnableChat(0)"));
    EXPECT_TRUE(Called("ShowForcedSharePopup(,진행자 화면을 공유합니다.,20261210140000,0)"));
    EXPECT_EQ(m_screens.calls.back(), "SetScreenMode(0,)");
    EXPECT_TRUE(WaitForFrames("push", "PFAP", "M00000002", 2)) << "each delivery is acknowledged";
}

TEST_F(PushEndToEndTest, DuplicateLoginDropsWhatFollowsInTheSameDelivery)
{
    Json::Value command;
    command["cmd"] = "push_sample";
    command["ids"].append("broadcasting:07");
    command["ids"].append("broadcasting:16");
    command["ids"].append("broadcasting:01");
    command["ids"].append("broadcasting:16");
    Control(command);
    ASSERT_TRUE(PumpUntil([this] { return m_window.m_threads.size() == 4; }));
    EXPECT_EQ(Dispatched(), 2u);
    EXPECT_EQ(m_screens.Take(), (std::vector<std::string>{"ShowNotice(공지,공지사항이 있습니다.,1,1)",
                                                          "ShowConfirmPopup(<251>)", "RequestLogout(1)"}));
    EXPECT_TRUE(m_dispatcher.IsPushBlocked());
}

// Strokes from the synchronisation server through the real client reach the board on this thread,
// and only those of the shown meeting.
TEST_F(EndToEndTest, SynchronisationStrokesOfTheShownMeetingOnly)
{
    StandInScreens screens;
    screens.mode = 2;
    screens.meetingId = L"7";
    screens.currentDocumentId = L"3";
    screens.boardPage = 1;
    screens.pageSync = TRUE;
    CSyncRelay relay(screens);
    CTDSClientManager tds;
    ASSERT_TRUE(tds.Init(zeltest::SourcePath(L"protocols/tds_protocol.xml").c_str()));
    tds.Connect(CString(L"127.0.0.1"), ServerPort(PORT_TDS));
    tds.SetEventWindow(m_events.Handle());
    tds.SetListener(m_listener.Handle(), &relay);
    ASSERT_TRUE(m_listener.WaitFor(WM_TDS_CONNECTED, 1, 15000)) << "no synchronisation session";
    const char* lines[] = {
        R"({"mtngId":"8","attachId":"3","page":"1","metaType":"1","content":"{\"line\":{\"lineId\":\"OTHER\"}}"})",
        R"({"mtngId":"7","attachId":"3","page":"1","metaType":"1","content":"{\"line\":{\"lineId\":\"L1\"}}"})",
    };
    for (const char* data : lines) {
        Json::Value command;
        command["cmd"] = "tds";
        command["action"] = "lines";
        command["data"] = data;
        Control(command);
    }
    ASSERT_TRUE(PumpUntil([&screens] { return !screens.calls.empty(); }));
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(screens.Take(), (std::vector<std::string>{"board.AddRemoteLine(1,L1)"}));
}

}  // namespace
