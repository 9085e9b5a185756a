#pragma once
// The attendee panel's rules that need no window: an attendee as the attendee list reply gives
// it, who becomes the host card, the approver card and the rows, the logged-in user's own flags,
// the count line, the name filter, who may hand the presentation over, and the questions asked.
#include <json/json.h>

#include <vector>

#include "platform/CString.h"

struct _ATTENDEE_INFO {
    int userIdnfr = 0;
    CString sawonNo;
    CString name;
    CString email;
    CString position;
    BYTE processYn = 0;      // the current presenter
    CString phoneNumber;
    CString officeTel;
    BYTE mainYn = 0;         // the host (in a report: the reporter)
    BYTE ncryPtptYn = 0;     // the report's approver
    CString deptName;
    BYTE presenceYn = 0;
    BYTE hiddenUserYn = 0;
    BYTE meetingModifyYn = 0;
    BYTE secretaryYn = 0;
    int remarkTurn = 0;
    CString confirmYn;       // "Y", "N" or empty (not answered)
    CString confirmDate;
};

_ATTENDEE_INFO ReadAttendee(const Json::Value& entry);

// One attendee list reply sorted into the panel's parts.
struct SAttendeeList {
    _ATTENDEE_INFO host;
    _ATTENDEE_INFO approver;
    BOOL bHost = FALSE;
    BOOL bApprover = FALSE;
    std::vector<_ATTENDEE_INFO> rows;   // in the reply's order
    // The logged-in user's own entry (host, row or hidden; never the report's approver entry).
    BOOL bOwnFound = FALSE;
    int nApprovalPending = 1;           // the own entry has not answered yet
    int nModify = 0;
    int nSecretary = 0;
};
SAttendeeList SortAttendees(const Json::Value& body, int nOwnUserId, BOOL bReport);

// The count template with "{P}" the present rows and "{T}" all rows (cards not counted).
CString MakeAttendeeCount(const CString& strTemplate, const std::vector<_ATTENDEE_INFO>& rows);
// Whether a row stays shown for the search text: an empty text shows all, else the name must
// contain it (letter case counts).
BOOL IsAttendeeShown(const _ATTENDEE_INFO& a, const CString& strSearch);
// "name position" as the cards and rows show it.
CString AttendeeNameLine(const _ATTENDEE_INFO& a);

// Whether the user may hand the presentation over.
struct SControlFacts {
    BOOL bReport = FALSE;
    BOOL bStatus12Or13 = FALSE;
    BOOL bPresenterMe = FALSE;
    int nReportUserType = 0;
    BOOL bMainYn = FALSE;
};
BOOL CanControlPresentation(const SControlFacts& f);

// The string ids of the hand-over question for a card: 'H' host, 'A' approver, 'R' reporter,
// 'L' a list row; first the question, then its second line.
void HandOverStrings(char cCard, BOOL bMeetingMainYn, int nReportUserType, UINT* pQuestion, UINT* pNote);
