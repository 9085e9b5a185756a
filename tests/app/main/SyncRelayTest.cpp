// The presenter's strokes, view, pointer and page reaching the board only for the shown meeting
// while the attendee follows the presenter.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/main/SyncRelay.h"
#include "net/protocol/JsonText.h"
#include "tests/app/main/StandInScreens.h"

using appmaintest::StandInScreens;

namespace {

typedef std::vector<std::string> Calls;

Json::Value Parse(const char* text)
{
    Json::Value v;
    EXPECT_TRUE(ParseJsonText(std::string(text), v)) << text;
    return v;
}

// Mode 2 showing meeting "7" with document "3" on page 2, following the presenter.
void Following(StandInScreens& s)
{
    s.mode = 2;
    s.meetingId = L"7";
    s.currentDocumentId = L"3";
    s.boardPage = 2;
    s.pageSync = TRUE;
}

TEST(SyncRelayTest, StrokesReachTheBoardOnlyForWhatItShows)
{
    const struct {
        const char* name;
        std::function<void(StandInScreens&)> setup;
        const char* data;
        Calls expected;
    } cases[] = {
        {"a stroke", nullptr,
         R"({"mtngId":"7","attachId":"3","page":"2","metaType":"1","content":"{\"line\":{\"lineId\":\"L1\"}}"})",
         {"board.AddRemoteLine(2,L1)"}},
        {"a deleted stroke", nullptr,
         R"({"mtngId":"7","attachId":"3","page":2,"metaType":"1","content":"{\"line\":{\"lineId\":\"L1\",\"mode\":\"delete\"}}"})",
         {"board.RemoveLine(2,L1)"}},
        {"\"Delete\" is not the peer's word", nullptr,
         R"({"mtngId":"7","attachId":"3","page":"2","metaType":"1","content":"{\"line\":{\"lineId\":\"L1\",\"mode\":\"Delete\"}}"})",
         {"board.AddRemoteLine(2,L1)"}},
        {"page cleared", nullptr, R"({"mtngId":"7","attachId":"3","page":"2","metaType":"2"})", {"board.RemoveLine(2,)"}},
        {"all cleared", nullptr, R"({"mtngId":"7","attachId":"3","page":"2","metaType":"3"})", {"board.ClearAllOverlays()"}},
        {"unknown kind", nullptr, R"({"mtngId":"7","attachId":"3","page":"2","metaType":"4"})", {}},
        // Another meeting's stroke on a document and page that happen to match is dropped.
        {"another meeting", nullptr,
         R"({"mtngId":"8","attachId":"3","page":"2","metaType":"1","content":"{\"line\":{\"lineId\":\"L1\"}}"})", {}},
        {"not following", [](StandInScreens& s) { s.pageSync = FALSE; },
         R"({"mtngId":"7","attachId":"3","page":"2","metaType":"3"})", {}},
        {"another page", nullptr, R"({"mtngId":"7","attachId":"3","page":"5","metaType":"3"})", {}},
        {"another document", nullptr, R"({"mtngId":"7","attachId":"4","page":"2","metaType":"3"})", {}},
        {"the presenter himself", [](StandInScreens& s) { s.presenter = 1; },
         R"({"mtngId":"7","attachId":"3","page":"2","metaType":"3"})", {}},
        {"the list is shown", [](StandInScreens& s) { s.mode = 0; },
         R"({"mtngId":"7","attachId":"3","page":"2","metaType":"3"})", {}},
        {"content not JSON", nullptr, R"({"mtngId":"7","attachId":"3","page":"2","metaType":"1","content":"{line"})", {}},
    };
    for (const auto& c : cases) {
        StandInScreens screens;
        Following(screens);
        if (c.setup) c.setup(screens);
        CSyncRelay relay(screens);
        relay.OnSyncLine(Parse(c.data));
        EXPECT_EQ(screens.Take(), c.expected) << c.name;
    }
}

TEST(SyncRelayTest, ViewAndPointerFollowTheShownMeeting)
{
    StandInScreens screens;
    Following(screens);
    CSyncRelay relay(screens);
    relay.OnSyncZoom(Parse(R"({"mtngId":"7","attachId":"9","zoomFactor":"1.5","originX":"10","originY":"-20"})"));
    relay.OnSyncPointer(Parse(R"({"mtngId":"7","userIdnfr":1001,"attcFileId":"3","page":"2","pointerX":"5",
                                  "pointerY":"6","pointerColor":"FF0000","pointerSize":"3","pointerShape":"1"})"));
    EXPECT_EQ(screens.Take(), (Calls{"board.QueueRemoteZoom(150,10,-20)",
                                     "board.ShowRemotePointer(7,1001,3,2,5,6,FF0000,3,1)"}));
    relay.OnSyncZoom(Parse(R"({"mtngId":"8","zoomFactor":"2"})"));
    screens.pageSync = FALSE;
    relay.OnSyncPointer(Parse(R"({"mtngId":"7","userIdnfr":"1001"})"));
    screens.withScreens = false;
    screens.pageSync = TRUE;
    relay.OnSyncZoom(Parse(R"({"mtngId":"7","zoomFactor":"2"})"));
    EXPECT_TRUE(screens.Take().empty());
}

TEST(SyncRelayTest, PageGoesToTheMeetingScreenInModeTwo)
{
    StandInScreens screens;
    Following(screens);
    CSyncRelay relay(screens);
    const Json::Value page = Parse(R"({"mtngId":"7","attachId":"3","page":"4"})");
    EXPECT_EQ(relay.OnTdsPage(0, (LPARAM) &page), 0);
    EXPECT_EQ(relay.OnTdsPage(0, 0), 0);
    screens.mode = 1;
    relay.OnTdsPage(0, (LPARAM) &page);
    EXPECT_EQ(screens.Take(), (Calls{"meeting.OnSyncPagePush(7,3,4,1)"}));
}

}  // namespace
