#include "screens/login/LoginRules.h"

#include <algorithm>
#include <cctype>

#include "core/JsonHelpers.h"
#include "core/SettingManager.h"
#include "resources/resource.h"

CString LoginFailureText(int nStatus, const Json::Value& body)
{
    CString text;
    switch (nStatus) {
    case 16:
        text.LoadString(IDS_LOGIN_WRONG_PASSWORD);
        break;
    case 18: {
        // The retry time comes in seconds and is shown in whole minutes; the count of failures
        // so far is not shown.
        const unsigned int nMinutes = (unsigned int)GetJsonInt(body, "loginFailRetryTime") / 60u;
        text.Format(IDS_LOGIN_LOCKED, GetJsonInt(body, "loginFailMaxCount"), (int)nMinutes);
        break;
    }
    case 100:
    case 104:
        text.LoadString(IDS_LOGIN_NO_USER);
        break;
    case 106:
        text.LoadString(IDS_LOGIN_NOT_ALLOWED);
        break;
    default:
        text.Format(IDS_LOGIN_FAILED_STATUS, nStatus);
        break;
    }
    return text;
}

CString LoginSocketErrorText(int nErrorCode)
{
    CString text;
    if (nErrorCode == 10060 || nErrorCode == 10061) text.LoadString(IDS_SOCKET_TIMEOUT);
    else if (nErrorCode == 9999) text.LoadString(IDS_SOCKET_LOST);
    else text.LoadString(IDS_SOCKET_OTHER);
    return text;
}

bool ServerSettingsUsable(const SServerPair& zel, const SServerPair& tms, const SServerPair& tpc)
{
    for (const SServerPair* pair : { &zel, &tms, &tpc }) {
        if (pair->strAddress.IsEmpty() || pair->nPort == 0) return false;
        if (pair->strAddress == L"0.0.0.0") return false;
    }
    return true;
}

bool CurrentServerSettingsUsable()
{
    CSettingManager* s = CSettingManager::GetInstance();
    return ServerSettingsUsable({ s->GetZELAddress(), s->GetZELPort() }, { s->GetTMSAddress(), s->GetTMSPort() },
                                { s->GetTPCAddress(), s->GetTPCPort() });
}

bool CrashUploadUsesHttps(const std::string& strCrashUploadUrl)
{
    std::string lower = strCrashUploadUrl;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return (char)std::tolower(c); });
    return lower.find("https://") != std::string::npos;
}

bool LoginReplyOffersUpgrade(const std::string& strUpgrade, const std::string& strUpgradeUrl)
{
    return strUpgrade == "true" && !strUpgradeUrl.empty();
}

CString NextTypedPassword(const CString& strPrevious, const CString& strBoxText, const CString& strHint)
{
    if (strBoxText.IsEmpty() || strBoxText.CompareNoCase(strHint) == 0) return strPrevious;
    return strBoxText;
}
