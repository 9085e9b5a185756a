#include "core/LoginManager.h"

#include "core/JsonHelpers.h"

#include <cstdlib>

typedef std::lock_guard<std::mutex> CLoginLock;

CLoginManager::CLoginManager() : m_bSsoLogin(0), m_bUpgrade(0), m_bObserver(0) {}

CLoginManager::~CLoginManager() {}

void CLoginManager::SetObserver(const std::string& value)
{
    CLoginLock lock(m_lock);
    m_bObserver = value == "Y" ? 1 : 0;
}

void CLoginManager::SetUpgrade(const std::string& value)
{
    CLoginLock lock(m_lock);
    m_bUpgrade = value == "true" ? 1 : 0;
}

void CLoginManager::SetSessionFromReply(const Json::Value& body, bool bLocaleAndObserver)
{
    const std::string profile = GetJsonUtf8(body, "userProfile");
    const std::string sessionId = GetJsonUtf8(body, "userSessionId");
    const std::string userId = GetJsonUtf8(body, "userId");
    const CString userName = GetJsonString(body, "userName");
    const CString positionName = GetJsonString(body, "positionName");
    const CString deptName = GetJsonString(body, "deptName");
    const std::string locale = GetJsonUtf8(body, "locale");
    const std::string observer = GetJsonUtf8(body, "observerYn");

    CLoginLock lock(m_lock);
    m_userProfile = profile;
    m_userSessionId = sessionId;
    m_userId = userId;
    m_strUserName = userName;
    m_strPositionName = positionName;
    m_strDeptName = deptName;
    if (bLocaleAndObserver) {
        m_locale = locale;
        m_bObserver = observer == "Y" ? 1 : 0;
    }
}

int CLoginManager::GetUserIdNumber() const
{
    CLoginLock lock(m_lock);
    return std::atoi(m_userId.c_str());
}

CString CLoginManager::GetUserId()
{
    CLoginLock lock(m_lock);
    m_strUserId = Utf8ToWide(m_userId);
    return m_strUserId;
}

CString CLoginManager::GetUserIdAnsi() const
{
    CLoginLock lock(m_lock);
    return AnsiToWide(m_userId);
}

