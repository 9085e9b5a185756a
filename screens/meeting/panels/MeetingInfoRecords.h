#pragma once
// What the meeting information view knows of the open meeting: its attendees (from the attendee
// reply), its host, and its details (from the meeting detail reply). Plain data and the rules
// that fill and search it; the view draws it. The chat panel's recipient list and the
// add-attendee page read the collections through the view.
#include <vector>

#include <json/json.h>

#include "platform/CString.h"

struct S_INFO_ATTENDEE {
    int nUserId = 0;
    CString strSawonNo;
    CString strName;
    CString strEmail;
    CString strPosition;
    CString strPhone;
    CString strOfficeTel;
    CString strDeptName;
    BOOL bProcess = FALSE;     // presenter
    BOOL bMain = FALSE;        // host
    BOOL bRequired = FALSE;    // required approver of a report (ncryPtptYn)
    BOOL bPresence = FALSE;
    int nRemarkTurn = -1;
    CString strConfirmYn;
    CString strConfirmDate;
};

struct S_MEETING_INFO {
    CString strTitle;
    CString strRoom;
    CString strSummary;
    CString strStartYmd;       // yyyymmdd
    int nStartAmPm = 0;
    CString strStartHour;
    CString strStartMin;
    CString strEndYmd;
    int nEndAmPm = 0;
    CString strEndHour;
    CString strEndMin;
    CString strMeetingType;    // mtngMeetingType
    CString strTypeText;       // kept only for mtngType 14
    // Empties everything but the meeting type and its text.
    void Clear();
};

class CMeetingInfoRecords {
public:
    // Attendee reply: the host record, the other attendees (for a report only the required
    // approvers) and every attendee in list order. nMyUserId: the logged-in user, whose approval
    // state is logged.
    void FillAttendees(const Json::Value& reply, BOOL bReport, int nMyUserId);
    void FillMeetingDetail(const Json::Value& detail);
    // Empties the collections, the host and the meeting's texts (the presence total stays).
    void Clear();
    // Every attendee whose name contains the text (case-sensitive), in list order.
    std::vector<S_INFO_ATTENDEE> Filter(const CString& strText) const;
    // "%s / %s" of the host's department and position, or the one there is.
    CString HostLine() const;
    // 1 when the user is the host; else the required-approver flag of the user's record (0 when
    // the user is no attendee).
    int CheckOtherTarget(int nUserId) const;
    // The meeting's date and times by the format (year, month, day, weekday, start h:m, end h:m).
    CString DateText(const CString& strFormat, const CString* pWeekdays) const;

    S_INFO_ATTENDEE m_host;
    std::vector<S_INFO_ATTENDEE> m_others;
    std::vector<S_INFO_ATTENDEE> m_all;
    int m_nPresenceTotal = 0;
    S_MEETING_INFO m_info;
};
