#include "features/attendees/AttendeeRules.h"

#include "core/JsonHelpers.h"
#include "resources/resource.h"

_ATTENDEE_INFO ReadAttendee(const Json::Value& e)
{
    _ATTENDEE_INFO a;
    if (!e.isObject()) return a;
    a.userIdnfr = GetJsonInt(e, "userIdnfr");
    a.sawonNo = GetJsonString(e, "sawonNo");
    a.name = GetJsonString(e, "name");
    a.email = GetJsonString(e, "email");
    a.position = GetJsonString(e, "position");
    a.processYn = (BYTE)GetJsonFlag(e, "processYn");
    a.phoneNumber = GetJsonString(e, "phoneNumber");
    a.officeTel = GetJsonString(e, "officeTel");
    a.mainYn = (BYTE)GetJsonFlag(e, "mainYn");
    a.ncryPtptYn = (BYTE)GetJsonFlag(e, "ncryPtptYn");
    a.deptName = GetJsonString(e, "deptName");
    a.presenceYn = (BYTE)GetJsonFlag(e, "presenceYn");
    a.hiddenUserYn = (BYTE)GetJsonFlag(e, "hiddenUserYn");
    a.meetingModifyYn = (BYTE)GetJsonFlag(e, "meetingModifyYn");
    a.secretaryYn = (BYTE)GetJsonFlag(e, "secretaryYn");
    a.remarkTurn = GetJsonInt(e, "remarkTurn");
    a.confirmYn = GetJsonString(e, "confirmYn");
    a.confirmDate = GetJsonString(e, "confirmDate");
    return a;
}

SAttendeeList SortAttendees(const Json::Value& body, int nOwnUserId, BOOL bReport)
{
    SAttendeeList out;
    const Json::Value* pList = body.isObject() ? FindJsonMember(body, "list") : nullptr;
    if (!pList || !pList->isArray()) return out;
    for (const Json::Value& e : *pList) {
        const _ATTENDEE_INFO a = ReadAttendee(e);
        BOOL bApproverEntry = FALSE;
        if (a.mainYn) {
            out.host = a;
            out.bHost = TRUE;
        } else if (bReport && a.ncryPtptYn) {
            out.approver = a;
            out.bApprover = TRUE;
            bApproverEntry = TRUE;
        } else if (!a.hiddenUserYn) {
            out.rows.push_back(a);
        }
        if (a.userIdnfr == nOwnUserId && !bApproverEntry) {
            out.bOwnFound = TRUE;
            out.nApprovalPending = a.confirmYn.IsEmpty() ? 1 : 0;
            out.nModify = a.meetingModifyYn;
            out.nSecretary = a.secretaryYn;
        }
    }
    return out;
}

CString MakeAttendeeCount(const CString& strTemplate, const std::vector<_ATTENDEE_INFO>& rows)
{
    int nPresent = 0;
    for (const _ATTENDEE_INFO& a : rows) nPresent += a.presenceYn ? 1 : 0;
    CString s = strTemplate, n;
    n.Format(L"%d", nPresent);
    s.Replace(L"{P}", n);
    n.Format(L"%d", (int)rows.size());
    s.Replace(L"{T}", n);
    return s;
}

BOOL IsAttendeeShown(const _ATTENDEE_INFO& a, const CString& strSearch)
{
    return strSearch.IsEmpty() || a.name.Find(strSearch) >= 0;
}

CString AttendeeNameLine(const _ATTENDEE_INFO& a)
{
    return a.name + L" " + a.position;
}

BOOL CanControlPresentation(const SControlFacts& f)
{
    if (f.bReport) return f.bStatus12Or13 && (f.bPresenterMe || f.nReportUserType == 2);
    return f.bMainYn || f.bPresenterMe;
}

void HandOverStrings(char cCard, BOOL bMeetingMainYn, int nReportUserType, UINT* pQuestion, UINT* pNote)
{
    UINT q = IDS_HANDOVER_ASK, n = IDS_HANDOVER_NOTE;
    if (cCard == 'H' && bMeetingMainYn) {
        q = IDS_HANDOVER_ASK_MAIN;
        n = IDS_HANDOVER_NOTE_MAIN;
    } else if (cCard == 'R') {
        q = IDS_HANDOVER_ASK_MAIN;
        n = nReportUserType == 2 ? IDS_HANDOVER_NOTE_MAIN : IDS_HANDOVER_NOTE;
    }
    *pQuestion = q;
    *pNote = n;
}
