#include <winsock2.h>  // before windows.h, which the headers below bring in

#include "app/ServerAddressRules.h"

#include "app/DigitText.h"

#include "net/socket/SocketBase.h"
#include "platform/Convert.h"

BOOL IsDottedText(const CString& str)
{
    for (int i = 0; i < str.GetLength(); ++i) {
        const wchar_t c = str[i];
        if (!((c >= L'0' && c <= L'9') || c == L'.'))
            return FALSE;
    }
    return TRUE;
}

BOOL IsValidIPv4(const CString& str)
{
    const int n = str.GetLength();
    if (n < 7 || n > 15 || str[0] == L'0')
        return FALSE;
    int nGroups = 0, nDigits = 0, nValue = 0;
    for (int i = 0; i <= n; ++i) {
        const wchar_t c = i < n ? str[i] : L'.';
        if (c >= L'0' && c <= L'9') {
            if (++nDigits > 3)
                return FALSE;
            nValue = nValue * 10 + (c - L'0');
        } else if (c == L'.') {
            if (nDigits == 0 || nValue > 255)
                return FALSE;
            ++nGroups;
            nDigits = 0;
            nValue = 0;
        } else {
            return FALSE;
        }
    }
    return nGroups == 4;
}

BOOL IsValidPort(const CString& str)
{
    // Port 0 cannot be connected to, and a login window that finds it stored opens this dialog
    // again; text that is not a number is refused rather than read as 0.
    int nValue = 0;
    if (!ParseDigitText(str, 5, nValue))
        return FALSE;
    return nValue >= 1 && nValue <= 65535;
}

CString ResolveHostToDottedText(const CString& strHost)
{
    const unsigned long nAddress = CSocketBase::StringToLong(WideToAnsi(strHost));
    const char* pszText = CSocketBase::LongToString(nAddress);
    return AnsiToWide(pszText ? pszText : "0.0.0.0");
}

BOOL IsValidAddress(const CString& str, PFN_RESOLVE_HOST pfnResolve)
{
    if (IsDottedText(str))
        return IsValidIPv4(str);
    const CString strDotted = (pfnResolve ? pfnResolve : ResolveHostToDottedText)(str);
    return strDotted != L"0.0.0.0";
}
