#pragma once
// What the meeting detail screen and the minutes panels decide without a window: which buttons
// and status text a meeting shows, the status change each action button asks for, the remaining
// time, the document file-type pictures, whether an upload answer means success, and the texts,
// dates and scroll arithmetic of the minutes.
#include <windows.h>

#include "platform/CString.h"
#include "platform/Time.h"

namespace detailrules {

// 2, 12 and 13: the meeting or report is under way.
BOOL IsRunningStatus(int nStatus);
// 1, 2, 5, 11, 12 and 13: not closed (chat can be written, files added).
BOOL IsOpenStatus(int nStatus);

// The picture index of a document's file type (1..18) by the extension of its name.
int GetFileTypeImage(const CString& strFileName);

// ---- Status line and action buttons ----
struct SButtonInput {
    int nStatus = 0;
    BOOL bReport = FALSE;
    int nReportUserType = 1;
    BOOL bHost = FALSE;        // mainYn, or the user presents
    BOOL bSecretary = FALSE;   // the user is the meeting's secretary
    BOOL bUpdate = FALSE;      // the report's isUpdate flag
    BOOL bType12 = FALSE;      // the current meeting's type-12 flag
    int nRemainMinutes = 0;
};
struct SButtonState {
    UINT nStatusString = 0;    // a resource string for the status line, or 0
    CString strStatusText;     // else this fixed text (empty: the status line stays hidden)
    BOOL bStatusShown = FALSE;
    BOOL bReportConfirm = FALSE;
    BOOL bReportEnd = FALSE;
    BOOL bFeedbackUpdate = FALSE;
    BOOL bStart = FALSE;
    BOOL bEnd = FALSE;
    BOOL bRestart = FALSE;
    BOOL bTimeGroup = FALSE;
    CString strTime;           // "textTime" when the time group shows
};
SButtonState DecideButtons(const SButtonInput& in);

// Minutes left until the end (a meeting; negative once past) or since the end (a report).
int GetRemainMinutes(const CTime& tmEnd, const CTime& tmNow, BOOL bReport);
// "%02d:%02d" of hours and minutes.
CString FormatRemainTime(int nMinutes);

// Attendance is reported only while the meeting runs for this user.
BOOL ShouldSendAttendance(BOOL bReport, int nStatus, BOOL bType13, BOOL bAttendee);

// ---- The status change of an action button ----
enum EAction { ACTION_START, ACTION_END, ACTION_RESTART, ACTION_REPORT_START, ACTION_REPORT_END,
               ACTION_FEEDBACK_UPDATE };
// Answers of the question pop-up: 1 yes, 2 no (or closed), 3 its close button.
struct SStatusRequest {
    BOOL bSend = FALSE;
    CString strStatus;
    BOOL bReptYn = FALSE;
    BOOL bPaper = FALSE;
    BOOL bFeedback = FALSE;
    BOOL bRefreshOnReply = FALSE;   // the new state comes with the reply, not with a push
};
SStatusRequest StatusRequestFor(EAction eAction, int nAnswer, BOOL bReportPaper);

// ---- Uploads ----
// The upload succeeded only when the post went through, the web server answered 200 (when it
// reported a status at all), and the answer says 200 as a whole number: a JSON "code" or
// "status" member of 200, or, for a plain answer, "200" standing alone - never inside a longer
// number or path.
BOOL IsUploadAnswerSuccess(DWORD dwPostError, DWORD dwHttpStatus, const CString& strAnswer);
// The name sent for a chosen file: the part after the last backslash of the path when the path
// holds one after its first character, else the dialog's name.
CString UploadFileName(const CString& strPath, const CString& strChosenName);
// The open-file filter: the label, then the patterns.
CString UploadFileFilter(const CString& strLabel);
// The message of a refused copy into the data box.
CString DataBoxErrorText(int nStatus, const CString& strServerMessage);

// ---- Minutes ----
// A 14-digit stamp cut into year, month, day, hour, minute and second; short stamps give empty
// parts.
struct SStampParts {
    CString strYear, strMonth, strDay, strHour, strMinute, strSecond;
};
SStampParts SplitStamp(const CString& strStamp);
// "yyyy-mm-dd hh:mi ~ yyyy-mm-dd hh:mi(duration)".
CString FormatMinutesPeriod(const CString& strStart, const CString& strEnd, const CString& strDuration);
// "yyyy-mm-dd hh:mi".
CString FormatMinutesRegistration(const CString& strRegDate);
// The whole span between two stamps in hours, minutes and seconds; FALSE when a stamp is not a
// date.
BOOL MinutesDuration(const CString& strStart, const CString& strEnd, int& nHours, int& nMinutes, int& nSeconds);

// The minutes panel counts every row as this high.
const int MINUTES_ROW_HEIGHT = 34;
// The scroll position after one wheel step (away from the user: up), within 0..100.
int WheelScrollPos(int nPos, short zDelta);
// The rows brought into view for a scroll position: the first and how many.
void RowsForScrollPos(int nRows, int nRowsHeight, int nPos, int& nFirst, int& nCount);
// Where the bar goes for the selection: -1 keep its position (the selection is in view),
// else the new position.
int ScrollPosForSelection(int nRows, int nTopRow, int nRowsHeight, int nSelectedRow);

}  // namespace detailrules
