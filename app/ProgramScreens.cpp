#include "app/ProgramScreens.h"

#include <winsock2.h>
#include <windows.h>

#include "app/TitleLayerMaker.h"
#include "app/main/ScreenMakers.h"
#include "app/panels/ProgramPanels.h"
#include "screens/detail/DetailScreenMaker.h"
#include "screens/list/ListScreenMaker.h"
#include "screens/meeting/MeetingScreenMaker.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/tools/ToolMakers.h"

void SetProgramScreens()
{
    SScreenMakers makers;
    makers.makeTitleBar = MakeTitleLayer;
    makers.makeList = MakeListScreen;
    makers.makeDetail = MakeDetailScreen;
    makers.makeMeeting = MakeMeetingScreen;
    SetScreenMakers(makers);

    SetProgramPanels();

    // The board's bars: information, options, tools, memos, mini-map and sticky note.
    SetBoardBarMakers(WhiteboardToolMakers());
}
