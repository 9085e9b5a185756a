#pragma once
// The decisions of the login window that need no window: which text a refused log-in shows,
// whether the server settings can be used, and what a successful reply asks of the client.
#include <json/json.h>

#include "platform/CString.h"

// The message of a log-in reply with a status other than 0 (texts of the resource library).
CString LoginFailureText(int nStatus, const Json::Value& body);
// The message of a connection error notice (error code of the socket library).
CString LoginSocketErrorText(int nErrorCode);

struct SServerPair {
    CString strAddress;
    int nPort = 0;
};
// Unusable when any address is empty or exactly "0.0.0.0", or any port is 0.
bool ServerSettingsUsable(const SServerPair& zel, const SServerPair& tms, const SServerPair& tpc);
// The three pairs of the settings store.
bool CurrentServerSettingsUsable();

// "https://" anywhere in the lower-cased crash upload address.
bool CrashUploadUsesHttps(const std::string& strCrashUploadUrl);
// An upgrade is offered only for "upgrade" exactly "true" with an address.
bool LoginReplyOffersUpgrade(const std::string& strUpgrade, const std::string& strUpgradeUrl);

// What the password box's change notice leaves as the typed password: its text, unless that is
// empty or the hint (compared without regard to case), which keeps the previous one.
CString NextTypedPassword(const CString& strPrevious, const CString& strBoxText, const CString& strHint);
