#include "core/Meeting.h"

#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/TextHelpers.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CMeeting, CObject)

namespace {

typedef std::lock_guard<std::mutex> CMeetingLock;

// "number text": the member read as a number, nDefault when it is absent.
int NumberText(const Json::Value& obj, const char* key, int nDefault)
{
    return GetJsonIntOr(obj, key, nDefault);
}

CString TextOr(const Json::Value& obj, const char* key, const wchar_t* pszDefault)
{
    return FindJsonMember(obj, key) ? GetJsonString(obj, key) : CString(pszDefault);
}

template <class T>
void DeleteAll(std::vector<T*>& v)
{
    for (T* p : v)
        delete p;
    v.clear();
}

template <class T>
void MoveAll(std::vector<T*>& from, std::vector<T*>& to)
{
    to.insert(to.end(), from.begin(), from.end());
    from.clear();
}

// Takes out of pool the first object whose key equals key (keyOf(object) == key) and returns it,
// or returns null when there is none. Lets a refill reuse the objects of entries still listed.
template <class T, class Key, class KeyOf>
T* TakeFromPool(std::vector<T*>& pool, const Key& key, KeyOf keyOf)
{
    for (auto it = pool.begin(); it != pool.end(); ++it) {
        if (keyOf(**it) == key) {
            T* p = *it;
            pool.erase(it);
            return p;
        }
    }
    return nullptr;
}

// The object of a refilled entry: the one that had its key before the refill (still listed or
// set aside earlier), else a new one.
template <class T, class Key, class KeyOf>
T* Reuse(std::vector<T*>& previous, std::vector<T*>& retired, const Key& key, KeyOf keyOf)
{
    T* p = TakeFromPool(previous, key, keyOf);
    if (p == nullptr)
        p = TakeFromPool(retired, key, keyOf);
    return p ? p : new T();
}

}  // namespace

CMeeting::CMeeting(const CString& strMtngId)
    : m_strMtngId(strMtngId), m_bAttach(0), m_bType12(0), m_nStatus(0), m_nSyncStatus(0),
      m_tStart(0), m_tEnd(0), m_bMain(0), m_pRequiredUser(nullptr), m_pMainUser(nullptr),
      m_pPresenter(nullptr), m_pFirstSpeaker(nullptr), m_pCurrentDoc(nullptr), m_bAttendanceSent(0),
      m_bType13(0), m_bPresence(0), m_bIsAttendee(0), m_nKind(1), m_nReportUserType(0),
      m_bHiddenUser(0), m_bNote(0), m_bFeedback(0), m_strFileType(L"10"), m_bPaper(0), m_bDelay(0),
      m_bUrgent(0), m_bUpdate(0), m_bModify(0), m_bSecretary(0)
{
}

CMeeting::~CMeeting()
{
    ClearDocuments();
    ClearAttendees();
    DeleteAll(m_vecRetiredDocuments);
    DeleteAll(m_vecRetiredUsers);
}

void CMeeting::LoadFromJson(const Json::Value& obj)
{
    m_strTitle = GetJsonString(obj, "mtngTitl");
    m_strSummary = GetJsonString(obj, "mtngSmmrCntn");
    m_strRoomTitle = GetJsonString(obj, "mtngRoomTilt");
    m_strOpinion = GetJsonString(obj, "mtngOpinion");
    m_nStatus = NumberText(obj, "mtngStatus", 1);
    LoadSchedule(obj);
    m_bMain = GetJsonFlag(obj, "mainYn", m_bMain);
    m_bAttach = GetJsonFlag(obj, "attchYn", m_bAttach);

    m_strMeetingType = TextOr(obj, "mtngMeetingType", L"01");
    const int meetingType = _wtoi(m_strMeetingType);
    if (meetingType == 12)
        m_bType12 = 1;
    if (meetingType == 13)
        m_bType13 = 1;

    {
        CMeetingLock lock(m_lock);
        if (TextOr(obj, "mtngType", L"10") == L"10") {
            m_nKind = 1;
        } else {
            m_nKind = 30;
            const int reportUserType = GetJsonIntOr(obj, "reportUserType", 1);
            if (reportUserType != 0)
                m_nReportUserType = reportUserType;
        }
    }

    m_bPaper = GetJsonFlag(obj, "isPaper", m_bPaper);
    m_bDelay = GetJsonFlag(obj, "isDelay", m_bDelay);
    m_bUrgent = GetJsonFlag(obj, "isUrgent", m_bUrgent);
    m_bUpdate = GetJsonFlag(obj, "isUpdate", m_bUpdate);
    m_bPresence = GetJsonFlag(obj, "presenceYn", m_bPresence);
    m_bHiddenUser = GetJsonFlag(obj, "hiddenUserYn", m_bHiddenUser);
    m_bNote = GetJsonFlag(obj, "noteYn", 0);
    m_bFeedback = GetJsonFlag(obj, "feedbackYn", 0);
    m_strOrganizersInfo = GetJsonString(obj, "organizersInfo");
    m_strReporterInfo = GetJsonString(obj, "reporterInfo");

    const Json::Value* list = FindJsonMember(obj, "list");
    if (list != nullptr && list->isArray() && list->size() > 0)
        SetDocuments(*list, L"10");
    else
        ClearDocuments();
}

void CMeeting::LoadDateTime(const Json::Value& obj, const char* ymdKey, const char* hourKey,
                            const char* minKey, CString& strYmd, CTime& tTime)
{
    strYmd = GetJsonString(obj, ymdKey);
    if (strYmd.GetLength() <= 6)
        return;
    // A date that makes no calendar time (logged there) leaves the time as it was.
    const CTime t = MakeTimeFromYmd(strYmd, TextOr(obj, hourKey, L"00"), TextOr(obj, minKey, L"00"));
    if (t.GetTime() != -1)
        tTime = t;
}

void CMeeting::LoadSchedule(const Json::Value& obj)
{
    // The AM/PM codes are not consulted: the servers send the hour on a 24-hour clock.
    LoadDateTime(obj, "mtngStrtYmd", "mtngStrtHour", "mtngStrtMin", m_strStartYmd, m_tStart);
    LoadDateTime(obj, "mtngEndYmd", "mtngEndHour", "mtngEndMin", m_strEndYmd, m_tEnd);
}

void CMeeting::SetAttendees(const Json::Value& list)
{
    std::vector<CUser*> previous;
    previous.swap(m_vecUsers);
    m_bIsAttendee = 0;
    m_pRequiredUser = m_pMainUser = m_pPresenter = m_pFirstSpeaker = nullptr;

    const int me = CLoginManager::GetInstance()->GetUserIdNumber();
    const Json::ArrayIndex count = list.isArray() ? list.size() : 0;
    for (Json::ArrayIndex i = 0; i < count; ++i) {
        const Json::Value& item = list[i];
        if (!item.isObject())
            continue;
        CUser* user = Reuse(previous, m_vecRetiredUsers, GetJsonIntOr(item, "userIdnfr", 0),
                            [](const CUser& u) { return u.GetUserIdnfr(); });
        user->LoadFromJson(item);
        m_vecUsers.push_back(user);
        if (user->IsMain())
            m_pMainUser = user;
        if (user->IsProcess())
            m_pPresenter = user;
        if (user->IsFirstSpeaker())
            m_pFirstSpeaker = user;
        if (user->IsRequired())
            m_pRequiredUser = user;
        if (user->GetUserIdnfr() == me)
            m_bIsAttendee = 1;
    }
    MoveAll(previous, m_vecRetiredUsers);
}

void CMeeting::ClearAttendees()
{
    MoveAll(m_vecUsers, m_vecRetiredUsers);
    m_bIsAttendee = 0;
    m_pRequiredUser = m_pMainUser = m_pPresenter = m_pFirstSpeaker = nullptr;
}

void CMeeting::ResetReferences()
{
    m_pRequiredUser = m_pMainUser = m_pPresenter = m_pFirstSpeaker = nullptr;
    m_pCurrentDoc = nullptr;
}

void CMeeting::SetPresenterById(int nId)
{
    for (CUser* user : m_vecUsers) {
        if (user->GetUserIdnfr() == nId)
            m_pPresenter = user;
    }
}

void CMeeting::SetDocuments(const Json::Value& list, const CString& strFileType)
{
    m_strFileType = strFileType;
    const CString current = m_pCurrentDoc ? m_pCurrentDoc->GetFileId() : CString();
    std::vector<CMeetingDocument*> previous;
    previous.swap(m_vecDocuments);
    m_pCurrentDoc = nullptr;

    const Json::ArrayIndex count = list.isArray() ? list.size() : 0;
    for (Json::ArrayIndex i = 0; i < count; ++i) {
        const Json::Value& item = list[i];
        if (!item.isObject())
            continue;
        const int wbType = GetJsonInt(item, "wbType");
        if (wbType == 1) {
            m_docWhiteboard1.LoadFromJson(item);
        } else if (wbType == 2) {
            m_docWhiteboard2.LoadFromJson(item);
        } else if (wbType == 0) {
            CMeetingDocument* doc =
                Reuse(previous, m_vecRetiredDocuments, GetJsonStringAnsi(item, "attcFileId"),
                      [](const CMeetingDocument& d) { return d.GetFileId(); });
            doc->LoadFromJson(item);
            m_vecDocuments.push_back(doc);
        }
    }
    MoveAll(previous, m_vecRetiredDocuments);
    if (!current.IsEmpty())
        SelectDocument(current);
}

void CMeeting::ClearDocuments()
{
    MoveAll(m_vecDocuments, m_vecRetiredDocuments);
    m_pCurrentDoc = nullptr;
}

CMeetingDocument* CMeeting::FindDocument(const CString& strId)
{
    for (CMeetingDocument* doc : m_vecDocuments) {
        if (doc->GetFileId() == strId)
            return doc;
    }
    if (m_docWhiteboard1.GetFileId() == strId)
        return &m_docWhiteboard1;
    if (m_docWhiteboard2.GetFileId() == strId)
        return &m_docWhiteboard2;
    return nullptr;
}

int CMeeting::SelectDocument(const CString& strId)
{
    if (strId.IsEmpty()) {
        m_pCurrentDoc = nullptr;
        return 1;
    }
    m_pCurrentDoc = FindDocument(strId);
    return m_pCurrentDoc ? 1 : 0;
}

int CMeeting::SelectFirstDocument()
{
    if (m_vecDocuments.empty())
        return 0;
    m_pCurrentDoc = m_vecDocuments.front();
    return 1;
}

int CMeeting::SelectDocumentOrFirst(const CString& strId)
{
    return strId.IsEmpty() ? SelectFirstDocument() : SelectDocument(strId);
}

CMeetingDocument* CMeeting::GetDocumentByIndex(int nIndex)
{
    if (nIndex == -1)
        return &m_docWhiteboard1;
    if (nIndex == -2)
        return &m_docWhiteboard2;
    if (nIndex >= 0 && size_t(nIndex) < m_vecDocuments.size())
        return m_vecDocuments[size_t(nIndex)];
    return nullptr;
}

int CMeeting::GetEmbeddedDocumentIndex(const CString& strId) const
{
    if (strId == m_docWhiteboard1.GetFileId())
        return -1;
    if (strId == m_docWhiteboard2.GetFileId())
        return -2;
    return 0;
}

int CMeeting::GetDocumentIndex(const CString& strId) const
{
    for (size_t i = 0; i < m_vecDocuments.size(); ++i) {
        if (m_vecDocuments[i]->GetFileId() == strId)
            return int(i);
    }
    return -1;
}

int CMeeting::CountReferenceDocuments(int nValue) const
{
    int n = 0;
    for (const CMeetingDocument* doc : m_vecDocuments) {
        if (doc->IsRefDoc() == nValue)
            ++n;
    }
    return n;
}

void CMeeting::SetWhiteboardPageCount(const CString& strId, int nCommand, int nPage, int nTotalPages)
{
    if (strId == m_docWhiteboard1.GetFileId())
        m_docWhiteboard1.SetTotalPage(nTotalPages);
}

void CMeeting::SetStatus(const std::string& digits)
{
    m_nStatus = std::atoi(digits.c_str());
}

void CMeeting::SetSyncStatus(const std::string& digits)
{
    m_nSyncStatus = std::atoi(digits.c_str());
}

int CMeeting::IsStatusLive() const
{
    return (m_nStatus == 2 || m_nStatus == 12 || m_nStatus == 13) ? 1 : 0;
}

int CMeeting::IsStatus12Or13() const
{
    return (m_nStatus == 12 || m_nStatus == 13) ? 1 : 0;
}

int CMeeting::IsNotStarted() const
{
    switch (m_nStatus) {
    case 1: case 2: case 5: case 11: case 12: case 13:
        return 0;
    default:
        return 1;
    }
}

int CMeeting::GetMeetingTypeNumber() const
{
    return _wtoi(m_strMeetingType);
}

int CMeeting::GetKind() const
{
    CMeetingLock lock(m_lock);
    return m_nKind;
}

int CMeeting::CanShare() const
{
    CMeetingLock lock(m_lock);
    return (m_bType13 && !m_bMain && !m_bPresence) ? 1 : 0;
}

int CMeeting::IsMainUserMe() const
{
    return (m_pMainUser && m_pMainUser->GetUserIdnfr() == CLoginManager::GetInstance()->GetUserIdNumber())
               ? 1 : 0;
}

int CMeeting::IsPresenterMe() const
{
    return (m_pPresenter && m_pPresenter->GetUserIdnfr() == CLoginManager::GetInstance()->GetUserIdNumber())
               ? 1 : 0;
}

int CMeeting::GetReportReceiverId() const
{
    return (IsReport() && m_pRequiredUser) ? m_pRequiredUser->GetUserIdnfr() : 0;
}
