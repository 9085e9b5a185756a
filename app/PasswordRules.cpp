#include "app/PasswordRules.h"

#include <cwchar>

namespace {

const wchar_t kSymbols[] = L"!@#$%^&*?_";

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool IsSymbol(wchar_t c) { return c != 0 && std::wcschr(kSymbols, c) != nullptr; }

bool HasGoodComposition(const CString& str)
{
    bool bDigit = false, bLetter = false, bSymbol = false;
    for (int i = 0; i < str.GetLength(); ++i) {
        const wchar_t c = str[i];
        if (IsDigit(c))
            bDigit = true;
        else if (IsLetter(c))
            bLetter = true;
        else if (IsSymbol(c))
            bSymbol = true;
        else
            return false;
    }
    return bDigit && bLetter && bSymbol;
}

} // namespace

PASSWORD_RULE CheckPasswordChange(const CString& strOld, const CString& strNew, const CString& strConfirm)
{
    if (strOld.IsEmpty() || strNew.IsEmpty() || strConfirm.IsEmpty())
        return PASSWORD_MISSING;
    if (strNew == strOld)
        return PASSWORD_SAME_AS_OLD;
    if (strConfirm != strNew)
        return PASSWORD_CONFIRM_DIFFERS;
    if (strNew.GetLength() < 8)
        return PASSWORD_TOO_SHORT;
    if (strNew.GetLength() > 50)
        return PASSWORD_TOO_LONG;
    if (!HasGoodComposition(strNew))
        return PASSWORD_COMPOSITION;
    return PASSWORD_OK;
}

CString PasswordRuleMessage(PASSWORD_RULE nRule)
{
    switch (nRule) {
    case PASSWORD_MISSING: return L"누락된 항목이 있습니다. 모든 항목을 입력해주십시요.";
    case PASSWORD_SAME_AS_OLD:
        return L"기존 비밀번호와 동일한 비밀번호를 입력하였습니다. 새로운 비밀번호를 입력하세요.";
    case PASSWORD_CONFIRM_DIFFERS:
        return L"신규 비밀번호와 확인 비밀번호가 다릅니다. 동일한 비밀번호를 입력해주십시요.";
    case PASSWORD_TOO_SHORT: return L"신규 비밀번호는 8자리 이상이어야 합니다.";
    case PASSWORD_TOO_LONG: return L"비밀번호를 50자리 이하로 입력하여 주십시오.";
    case PASSWORD_COMPOSITION: return L"숫자, 영문, 기호가 조합된 8자리 이상으로 변경해주시기 바랍니다.";
    default: return CString();
    }
}
