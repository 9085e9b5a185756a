#include "screens/meeting/panels/MeetingInfoRecords.h"

#include "core/JsonHelpers.h"
#include "core/MyLogFile.h"
#include "platform/CivilDate.h"

namespace {

S_INFO_ATTENDEE ReadAttendee(const Json::Value& a)
{
    S_INFO_ATTENDEE r;
    r.nUserId = GetJsonInt(a, "userIdnfr");
    r.strSawonNo = GetJsonString(a, "sawonNo");
    r.strName = GetJsonString(a, "name");
    r.strEmail = GetJsonString(a, "email");
    r.strPosition = GetJsonString(a, "position");
    r.strPhone = GetJsonString(a, "phoneNumber");
    r.strOfficeTel = GetJsonString(a, "officeTel");
    r.strDeptName = GetJsonString(a, "deptName");
    r.bProcess = GetJsonFlag(a, "processYn");
    r.bMain = GetJsonFlag(a, "mainYn");
    r.bRequired = GetJsonFlag(a, "ncryPtptYn");
    r.bPresence = GetJsonFlag(a, "presenceYn");
    r.nRemarkTurn = GetJsonIntOr(a, "remarkTurn", -1);
    r.strConfirmYn = GetJsonString(a, "confirmYn");
    r.strConfirmDate = GetJsonString(a, "confirmDate");
    return r;
}

}  // namespace

void S_MEETING_INFO::Clear()
{
    const CString strType = strMeetingType;
    const CString strText = strTypeText;
    *this = S_MEETING_INFO();
    strMeetingType = strType;
    strTypeText = strText;
}

void CMeetingInfoRecords::Clear()
{
    m_host = S_INFO_ATTENDEE();
    m_others.clear();
    m_all.clear();
    m_info.Clear();
}

void CMeetingInfoRecords::FillAttendees(const Json::Value& reply, BOOL bReport, int nMyUserId)
{
    m_host = S_INFO_ATTENDEE();
    m_others.clear();
    m_all.clear();
    m_nPresenceTotal = GetJsonIntOr(reply, "presenceTotal", 0);
    const Json::Value* pList = FindJsonMember(reply, "list");
    if (!pList || !pList->isArray())
        return;
    int nPresent = 0;
    for (Json::ArrayIndex i = 0; i < pList->size(); ++i) {
        if (!(*pList)[i].isObject())
            continue;
        const S_INFO_ATTENDEE a = ReadAttendee((*pList)[i]);
        if (a.nUserId != 0 && a.nUserId == nMyUserId) {
            if (a.strConfirmYn.IsEmpty())
                g_ApplicationLog.Log(2, L"아직 결재하지 않은 상태(%d)\n", a.nUserId);
            else
                g_ApplicationLog.Log(2, L"서명 승인 또는 반려 완료(%d)\n", a.nUserId);
        }
        nPresent += a.bPresence ? 1 : 0;
        if (a.bMain)
            m_host = a;
        else if (!bReport || a.bRequired)
            m_others.push_back(a);
        m_all.push_back(a);
    }
    if (!FindJsonMember(reply, "presenceTotal"))
        m_nPresenceTotal = nPresent;
}

void CMeetingInfoRecords::FillMeetingDetail(const Json::Value& d)
{
    m_info.strTitle = GetJsonString(d, "mtngTitl");
    m_info.strSummary = GetJsonString(d, "mtngSmmrCntn");
    m_info.strRoom = GetJsonString(d, "mtngRoomTilt");
    m_info.strStartYmd = GetJsonString(d, "mtngStrtYmd");
    m_info.nStartAmPm = GetJsonInt(d, "mtngStrtAmPmCd");
    m_info.strStartHour = GetJsonString(d, "mtngStrtHour");
    m_info.strStartMin = GetJsonString(d, "mtngStrtMin");
    m_info.strEndYmd = GetJsonString(d, "mtngEndYmd");
    m_info.nEndAmPm = GetJsonInt(d, "mtngEndAmPmCd");
    m_info.strEndHour = GetJsonString(d, "mtngEndHour");
    m_info.strEndMin = GetJsonString(d, "mtngEndMin");
    m_info.strMeetingType = GetJsonString(d, "mtngMeetingType");
    m_info.strTypeText = GetJsonString(d, "mtngType") == L"14" ? GetJsonString(d, "mtngMeetingType") : CString();
}

std::vector<S_INFO_ATTENDEE> CMeetingInfoRecords::Filter(const CString& strText) const
{
    std::vector<S_INFO_ATTENDEE> found;
    for (const S_INFO_ATTENDEE& a : m_others) {
        if (a.strName.Find(strText) >= 0)
            found.push_back(a);
    }
    return found;
}

CString CMeetingInfoRecords::HostLine() const
{
    CString line;
    if (!m_host.strDeptName.IsEmpty() && !m_host.strPosition.IsEmpty())
        line.Format(L"%s / %s", m_host.strDeptName.GetString(), m_host.strPosition.GetString());
    else if (!m_host.strDeptName.IsEmpty())
        line = m_host.strDeptName;
    else
        line = m_host.strPosition;
    return line;
}

int CMeetingInfoRecords::CheckOtherTarget(int nUserId) const
{
    if (nUserId != 0 && nUserId == m_host.nUserId)
        return 1;
    for (const S_INFO_ATTENDEE& a : m_others) {
        if (a.nUserId == nUserId)
            return a.bRequired ? 1 : 0;
    }
    return 0;
}

CString CMeetingInfoRecords::DateText(const CString& strFormat, const CString* pWeekdays) const
{
    const CString& ymd = m_info.strStartYmd;
    if (ymd.GetLength() < 8)
        return CString();
    const int y = _wtoi(ymd.Left(4)), m = _wtoi(ymd.Mid(4, 2)), d = _wtoi(ymd.Mid(6, 2));
    const long long days = zel::DaysFromCivil(y, m, d);   // 1970-01-01 was a Thursday
    const int nWeekday = (int)(((days % 7) + 7 + 4) % 7);
    CString text;
    text.Format(strFormat, y, m, d, pWeekdays ? pWeekdays[nWeekday].GetString() : L"",
                _wtoi(m_info.strStartHour), _wtoi(m_info.strStartMin), _wtoi(m_info.strEndHour),
                _wtoi(m_info.strEndMin));
    return text;
}
