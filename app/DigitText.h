#pragma once
#include "platform/CString.h"

// A number typed as plain decimal digits only (no sign, no blanks), at most nMaxDigits of them.
// FALSE, with nValue untouched, for anything else.
BOOL ParseDigitText(const CString& strText, int nMaxDigits, int& nValue);
