#include "core/MeetingManager.h"

#include "core/JsonHelpers.h"
#include "core/MyLogFile.h"

IMPLEMENT_DYNAMIC(CMeetingManager, CObject)

CMeetingManager::CMeetingManager()
    : m_pCurrentMeeting(nullptr), m_nCurPage(0), m_nTotalPage(0), m_bObserver(0),
      m_pDetachedCurrent(nullptr)
{
}

CMeetingManager::~CMeetingManager()
{
    ClearMeetings();
    delete m_pDetachedCurrent;
}

int CMeetingManager::FillFromList(int nCurPage, int nTotalPage, const Json::Value& list)
{
    if (nCurPage == 1)
        ClearMeetings();
    m_nCurPage = nCurPage;
    m_nTotalPage = nTotalPage;
    const int nBefore = int(m_vecMeetings.size());
    if (!list.isArray() && !list.isNull())
        g_ApplicationLog.Log(3, L"FillFromList: the meeting list is no array\n");
    const Json::ArrayIndex count = list.isArray() ? list.size() : 0;
    for (Json::ArrayIndex i = 0; i < count; ++i) {
        const Json::Value& item = list[i];
        const CString id = GetJsonString(item, "mtngId");
        CMeeting* meeting = FindMeeting(id);
        if (meeting == nullptr) {
            meeting = Append(id);
        } else if (meeting == m_pDetachedCurrent) {
            m_vecMeetings.push_back(meeting);
            m_pDetachedCurrent = nullptr;
        }
        meeting->LoadFromJson(item);
    }
    return nBefore;
}

CMeeting* CMeetingManager::FindMeeting(const CString& strId)
{
    for (CMeeting* meeting : m_vecMeetings) {
        if (meeting->GetMeetingId() == strId)
            return meeting;
    }
    if (m_pDetachedCurrent && m_pDetachedCurrent->GetMeetingId() == strId)
        return m_pDetachedCurrent;
    return nullptr;
}

CMeeting* CMeetingManager::SetCurrentMeeting(const CString& strId)
{
    CMeeting* meeting = FindMeeting(strId);
    if (meeting == nullptr)
        meeting = Append(strId);
    DropDetached(meeting);
    m_pCurrentMeeting = meeting;
    return meeting;
}

int CMeetingManager::ClearCurrentMeeting()
{
    if (m_pCurrentMeeting == nullptr)
        return 0;
    m_pCurrentMeeting->ResetReferences();
    m_pCurrentMeeting = nullptr;
    DropDetached(nullptr);
    return 1;
}

void CMeetingManager::FindOrCreateMeeting(const CString& strId, const CString& strType)
{
    if (FindMeeting(strId) != nullptr)
        return;
    CMeeting* meeting = Append(strId);
    if (strType.CompareNoCase(L"30") == 0)
        meeting->SetKind(30);
}

void CMeetingManager::ClearMeetings()
{
    for (CMeeting* meeting : m_vecMeetings) {
        if (meeting == m_pCurrentMeeting)
            m_pDetachedCurrent = meeting;
        else
            delete meeting;
    }
    m_vecMeetings.clear();
}

CMeeting* CMeetingManager::Append(const CString& strId)
{
    CMeeting* meeting = new CMeeting(strId);
    m_vecMeetings.push_back(meeting);
    return meeting;
}

void CMeetingManager::DropDetached(const CMeeting* pKeep)
{
    if (m_pDetachedCurrent && m_pDetachedCurrent != pKeep) {
        delete m_pDetachedCurrent;
        m_pDetachedCurrent = nullptr;
    }
}

int CMeetingManager::IsMainUserMe() const
{
    return m_pCurrentMeeting ? m_pCurrentMeeting->IsMainUserMe() : 0;
}

int CMeetingManager::IsPresenterMe() const
{
    return m_pCurrentMeeting ? m_pCurrentMeeting->IsPresenterMe() : 0;
}

int CMeetingManager::IsReport() const
{
    return m_pCurrentMeeting ? m_pCurrentMeeting->IsReport() : 0;
}

int CMeetingManager::IsNotStarted() const
{
    return m_pCurrentMeeting ? m_pCurrentMeeting->IsNotStarted() : 0;
}

int CMeetingManager::IsMeetingEnded() const
{
    return m_pCurrentMeeting && m_pCurrentMeeting->IsNotStarted() && m_pCurrentMeeting->GetStatus() != 0 ? 1 : 0;
}

int CMeetingManager::SetModifyFlag(int nValue)
{
    if (m_pCurrentMeeting == nullptr)
        return 0;
    m_pCurrentMeeting->SetModifyFlag(nValue);
    return 1;
}

int CMeetingManager::SetSecretaryFlag(int nValue)
{
    if (m_pCurrentMeeting == nullptr)
        return 0;
    m_pCurrentMeeting->SetSecretaryFlag(nValue);
    return 1;
}

int CMeetingManager::GetModifyFlag() const
{
    return m_pCurrentMeeting ? m_pCurrentMeeting->GetModifyFlag() : 0;
}

int CMeetingManager::GetSecretaryFlag() const
{
    return m_pCurrentMeeting ? m_pCurrentMeeting->GetSecretaryFlag() : 0;
}
