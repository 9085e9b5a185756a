#include "app/DigitText.h"

BOOL ParseDigitText(const CString& strText, int nMaxDigits, int& nValue)
{
    if (strText.IsEmpty() || strText.GetLength() > nMaxDigits)
        return FALSE;
    int n = 0;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const wchar_t c = strText[i];
        if (c < L'0' || c > L'9')
            return FALSE;
        n = n * 10 + (c - L'0');
    }
    nValue = n;
    return TRUE;
}
