#include "screens/login/SavedLogin.h"

#include <cstring>

#include "core/SavedPassword.h"
#include "platform/Profile.h"
#include "platform/StringConversion.h"
#include "platform/WinApp.h"

namespace {

const wchar_t kSection[] = L"Settings";

// The application object's profile; without one (tests, tools) the same registry place.
zel::Profile StandInProfile() { return zel::Profile(L"TALVORA", L"Brindlecast"); }

int GetInt(LPCTSTR entry, int nDefault)
{
    if (CWinApp* app = AfxGetApp()) return (int)app->GetProfileInt(kSection, entry, nDefault);
    return (int)StandInProfile().GetProfileInt(kSection, entry, nDefault);
}

CString GetString(LPCTSTR entry)
{
    if (CWinApp* app = AfxGetApp()) return app->GetProfileString(kSection, entry, L"");
    return StandInProfile().GetProfileString(kSection, entry, L"");
}

void PutInt(LPCTSTR entry, int nValue)
{
    if (CWinApp* app = AfxGetApp()) app->WriteProfileInt(kSection, entry, nValue);
    else StandInProfile().WriteProfileInt(kSection, entry, nValue);
}

void PutString(LPCTSTR entry, LPCTSTR value)
{
    if (CWinApp* app = AfxGetApp()) app->WriteProfileString(kSection, entry, value);
    else StandInProfile().WriteProfileString(kSection, entry, value);
}

}  // namespace

SSavedLogin ReadSavedLogin()
{
    SSavedLogin saved;
    saved.nSaveId = GetInt(L"saveId", 0);
    saved.strGroupCode = GetString(L"lastGroupcode");
    saved.strLastId = GetString(L"lastId");
    saved.nAutoLogin = GetInt(L"autoLogin", 0);
    saved.strKey = GetString(L"key");
    return saved;
}

void ClearSavedLogin()
{
    PutInt(L"saveId", 0);
    PutString(L"lastGroupcode", L"");
    PutString(L"lastId", L"");
    PutInt(L"autoLogin", 0);
    PutString(L"key", L"");
}

bool IsAutoLoginSaved()
{
    return GetInt(L"autoLogin", 0) == 1;
}

void WriteAutoLoginOff()
{
    PutInt(L"autoLogin", 0);
}

CString ReadSavedKey(const CString& strKey)
{
    if (strKey.IsEmpty()) return CString();
    char* plain = DecryptSavedPassword(strKey);
    if (!plain) return CString();
    CString password(CA2W(plain, CP_ACP));
    // The deciphered password does not stay behind in freed memory.
    ::SecureZeroMemory(plain, std::strlen(plain));
    delete[] plain;
    return password;
}

CString MakeSavedKey(const CString& strPassword)
{
    if (strPassword.IsEmpty()) return CString();
    char* digits = EncryptSavedPassword(strPassword);
    if (!digits) return CString();
    CString key(CA2W(digits, CP_ACP));
    delete[] digits;
    // A key that does not give the password back whole would log in with a wrong password,
    // count as a failed attempt at the server and then wipe the saved login: keep none.
    if (ReadSavedKey(key) != strPassword) return CString();
    return key;
}

bool WriteSavedLogin(BOOL bSaveId, BOOL bAutoLogin, const CString& strGroupCode, const CString& strLoginId,
                     const CString& strPassword)
{
    if (bSaveId) {
        PutInt(L"saveId", 1);
        PutString(L"lastGroupcode", strGroupCode);
        PutString(L"lastId", strLoginId);
    } else {
        PutInt(L"saveId", 0);
        PutString(L"lastGroupcode", L"");
        PutString(L"lastId", L"");
    }
    const CString key = bAutoLogin ? MakeSavedKey(strPassword) : CString();
    if (!key.IsEmpty()) {
        PutInt(L"autoLogin", 1);
        PutString(L"key", key);
        return true;
    }
    PutInt(L"autoLogin", 0);
    PutString(L"key", L"");
    return false;
}
