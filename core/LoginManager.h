#pragma once
#include <json/json.h>

#include <mutex>
#include <string>

#include "core/Singleton.h"
#include "platform/CString.h"
#include "platform/Convert.h"

// The logged-in user's session: what the user typed at login, what the server's login reply
// returned, and the employee number that requests carry. No I/O.
//
// The application-server client's re-login writes the session on a socket worker thread while
// the user-interface thread reads it, so every member is read and written under one lock, the
// UTF-8 texts are handed out as copies, and a reply's session values are stored in one step
// (SetSessionFromReply) so that no reader sees a profile of one login with the session id of
// another.
class CLoginManager : public CSingleton<CLoginManager> {
public:
    CLoginManager();
    ~CLoginManager() override;

    void SetGroupCode(const CString& strValue) { Store(m_strGroupCode, strValue); }
    void SetLoginId(const CString& strValue) { Store(m_strLoginId, strValue); }
    void SetPassword(const CString& strValue) { Store(m_strPassword, strValue); }
    void SetSawonNo(const CString& strValue) { Store(m_strSawonNo, strValue); }
    void SetUserProfile(const std::string& value) { Store(m_userProfile, value); }
    void SetUserSessionId(const std::string& value) { Store(m_userSessionId, value); }
    void SetUserId(const std::string& value) { Store(m_userId, value); }
    void SetLocale(const std::string& value) { Store(m_locale, value); }
    void SetUserName(const std::string& utf8) { Store(m_strUserName, Utf8ToWide(utf8)); }
    void SetDeptName(const std::string& utf8) { Store(m_strDeptName, Utf8ToWide(utf8)); }
    void SetPositionName(const std::string& utf8) { Store(m_strPositionName, Utf8ToWide(utf8)); }
    // 1 only for exactly "Y".
    void SetObserver(const std::string& value);
    // 1 only for exactly "true".
    void SetUpgrade(const std::string& value);
    void SetSsoLogin(int nValue) { Store(m_bSsoLogin, nValue); }

    // Stores "userProfile", "userSessionId", "userId", "userName", "positionName" and "deptName"
    // of a login reply body (each empty when absent), and with bLocaleAndObserver also "locale"
    // and "observerYn", all under one hold of the lock.
    void SetSessionFromReply(const Json::Value& body, bool bLocaleAndObserver);

    CString GetGroupCode() const { return Load(m_strGroupCode); }
    CString GetLoginId() const { return Load(m_strLoginId); }
    CString GetPassword() const { return Load(m_strPassword); }
    CString GetSawonNo() const { return Load(m_strSawonNo); }
    CString GetUserName() const { return Load(m_strUserName); }
    CString GetDeptName() const { return Load(m_strDeptName); }
    CString GetPositionName() const { return Load(m_strPositionName); }
    std::string GetUserProfile() const { return Load(m_userProfile); }
    std::string GetUserSessionId() const { return Load(m_userSessionId); }
    std::string GetUserIdA() const { return Load(m_userId); }
    std::string GetLocale() const { return Load(m_locale); }
    // atoi of the user id; 0 before any login.
    int GetUserIdNumber() const;
    // The user id decoded from UTF-8 (also kept in m_strUserId).
    CString GetUserId();
    // The user id read in the system's ANSI code page.
    CString GetUserIdAnsi() const;
    int IsObserver() const { return Load(m_bObserver); }
    int GetUpgradeFlag() const { return Load(m_bUpgrade); }
    int GetSsoLogin() const { return Load(m_bSsoLogin); }

private:
    template <class T, class V>
    void Store(T& member, const V& value)
    {
        std::lock_guard<std::mutex> lock(m_lock);
        member = value;
    }
    template <class T>
    T Load(const T& member) const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return member;
    }

    mutable std::mutex m_lock;
    CString m_strGroupCode;
    CString m_strLoginId;
    CString m_strPassword;
    std::string m_userProfile;
    std::string m_userSessionId;
    std::string m_userId;
    CString m_strUserId;
    CString m_strUserName;
    CString m_strDeptName;
    CString m_strPositionName;
    int m_bSsoLogin;
    int m_bUpgrade;
    std::string m_locale;
    CString m_strSawonNo;
    int m_bObserver;
};
