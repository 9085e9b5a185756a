#pragma once
// How a row of the meeting list shows its meeting, without a window: the status icon, the
// colours, the parts of the first line, the title prefix and the flag icons from the right.
#include <vector>

#include "platform/CString.h"
#include "platform/Time.h"

class CMeeting;

// What the row drawing needs of a meeting (taken from CMeeting, or filled by hand).
struct SListRowData {
    int nStatus = 0;
    int bReport = 0;
    int nMeetingType = 0;
    int nReportUserType = 0;
    int bPaper = 0;
    int bDelay = 0;
    int bUrgent = 0;
    int bHiddenUser = 0;
    int bNote = 0;
    int bFeedback = 0;
    CTime tStart;
    CTime tEnd;
    CString strTitle;
    CString strRightText;   // reporter (report) or organizers (meeting)
};
SListRowData RowDataOf(const CMeeting& meeting);

// The status icon's bitmap id, 0 for none.
UINT RowStatusIcon(int nStatus, int bDelay);
// Accent and title colours: grey for finished statuses.
COLORREF RowAccentColor(int nStatus);
COLORREF RowTitleColor(int nStatus);

// One piece of the first line, drawn left to right.
struct SRowTextPart {
    CString strText;
    COLORREF clr;
};
// The first line's pieces (empty for a meeting of type 2). Status labels come from the string
// table (ids 387-390).
std::vector<SRowTextPart> RowFirstLine(const SListRowData& row);
// "[긴급]" before an urgent report's title, else empty.
CString RowTitlePrefix(const SListRowData& row);

// A flag icon: its bitmap, how far left of the previous one it starts, its size, its top offset
// in the row and the colour left out.
struct SRowFlagIcon {
    UINT nBitmap;
    int nStep;
    int cx;
    int cy;
    int y;
    COLORREF clrTransparent;
};
std::vector<SRowFlagIcon> RowFlagIcons(const SListRowData& row);
