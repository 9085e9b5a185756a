#pragma once
// The option bar's rules that need no window: which page and document buttons a page counter
// shows and enables, the slider position, and the minutes left of the meeting.
#include <windows.h>

#include <json/json.h>

#include "platform/CString.h"

struct S_PAGE_BUTTONS {
    BOOL prevEnabled = FALSE, nextEnabled = FALSE, sliderEnabled = FALSE, editEnabled = FALSE;
    BOOL prevShown = TRUE, nextShown = TRUE, prevDocShown = FALSE, nextDocShown = FALSE;
    int sliderPercent = 0;
};

struct S_PAGE_STATE {
    int current = 1, total = 1;
    int docIndex = 0, docCount = 0;
    BOOL meetingEnded = FALSE;
    // Page synchronisation on, not the presenter, meeting not closed, sharing not allowed.
    BOOL follower = FALSE;
    // The documents are fixed (opened from the detail) or the whiteboard is open.
    BOOL noDocumentButtons = FALSE;
};

S_PAGE_BUTTONS ComputePageButtons(const S_PAGE_STATE& state);

// Where the slider and the chairman's status button go in a bar of the given width: the status
// button (180 wide, centred) between the page controls on the left and the column of tool
// buttons on the right, which begins at 'toolsLeft'. In a narrow bar (the meeting screen with
// both side columns open) the status button moves right and narrows down to its text
// ('statusTextWidth' plus a margin) and the slider gives up what is still missing, so that
// nothing lies over anything else.
struct S_OPT_BAR_ROW {
    RECT slider;
    RECT status;
};
S_OPT_BAR_ROW LayOutOptBarRow(int width, int height, int toolsLeft, int statusTextWidth);

// The meeting's end time from the meeting detail ("mtngEndYmd", "mtngEndHour", "mtngEndMin");
// FALSE when the detail carries no end date.
BOOL ReadMeetingEndTime(const Json::Value& detail, SYSTEMTIME& end);
// Minutes from now to the end (in a report: since the end), "%d"; without an end time "0".
CString RemainMinutesText(BOOL hasEnd, const SYSTEMTIME& end, const SYSTEMTIME& now, BOOL report);
