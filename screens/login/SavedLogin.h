#pragma once
// The saved login of the login window: the last ID, its group code and, for the automatic login,
// the enciphered password, kept in the application profile's section "Settings" and written only
// after a successful log-in. Every failed log-in and every log-out forgets all of it.
#include <windows.h>

#include "platform/CString.h"

struct SSavedLogin {
    int nSaveId = 0;
    CString strGroupCode;
    CString strLastId;
    int nAutoLogin = 0;
    CString strKey;
};

// The values as stored (empty and 0 where missing).
SSavedLogin ReadSavedLogin();
// saveId 0, autoLogin 0, and empty lastGroupcode, lastId and key.
void ClearSavedLogin();
// True when the profile integer autoLogin is exactly 1.
bool IsAutoLoginSaved();
// Only autoLogin (the server settings guard switches it off alone).
void WriteAutoLoginOff();

// Writes what a successful log-in leaves behind, by the two check boxes. A password whose key
// would not give it back whole (a character the ANSI code page cannot hold) is not saved: the
// automatic login is then left off, the ID is still remembered. Returns whether a key was stored.
bool WriteSavedLogin(BOOL bSaveId, BOOL bAutoLogin, const CString& strGroupCode, const CString& strLoginId,
                     const CString& strPassword);

// The key of a password, or empty when the key would not decipher to the same password.
CString MakeSavedKey(const CString& strPassword);
// The password of a key; empty for an empty or damaged key.
CString ReadSavedKey(const CString& strKey);
