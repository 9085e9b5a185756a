// The makers the program sets for the panels the screens host.
#include <gtest/gtest.h>

#include "app/panels/ProgramPanels.h"
#include "screens/meeting/MeetingPanelMakers.h"

namespace {

TEST(ProgramPanels, SettingOneGroupKeepsTheMakersOfTheOthers)
{
    SetMeetingPanelMakers(SMeetingPanelMakers());
    SMeetingPanelMakers chat;
    chat.makeChatPanel = [](CWnd*, UINT, const CRect&, IMeetingChatPanel**) -> CWnd* { return nullptr; };
    SetMeetingPanelMakers(chat);
    SetInfoPanelMaker();
    EXPECT_TRUE(GetMeetingPanelMakers().makeInfoLayer);
    EXPECT_TRUE(GetMeetingPanelMakers().makeChatPanel) << "the side panel's maker replaced the chat's";
}

}  // namespace
