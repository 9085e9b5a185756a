#pragma once
// The local checks of a password change, in the order the user is told about them: all fields
// filled, new differs from old, confirmation equals new, 8 to 50 characters, and only digits,
// letters and ten symbols with at least one of each kind.
#include "platform/CString.h"

enum PASSWORD_RULE {
    PASSWORD_OK = 0,
    PASSWORD_MISSING = 1,
    PASSWORD_SAME_AS_OLD = 2,
    PASSWORD_CONFIRM_DIFFERS = 3,
    PASSWORD_TOO_SHORT = 4,
    PASSWORD_TOO_LONG = 5,
    PASSWORD_COMPOSITION = 6,
};

// The first rule the three texts break, or PASSWORD_OK.
PASSWORD_RULE CheckPasswordChange(const CString& strOld, const CString& strNew, const CString& strConfirm);
// The message the user sees for a broken rule (empty for PASSWORD_OK).
CString PasswordRuleMessage(PASSWORD_RULE nRule);
