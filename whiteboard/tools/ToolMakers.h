#pragma once
// Every bar and small window of the whiteboard tools, as the board's makers. The program sets
// them once at start-up: SetBoardBarMakers(WhiteboardToolMakers());
#include "whiteboard/board/BoardBars.h"

S_BOARD_BAR_MAKERS WhiteboardToolMakers();
