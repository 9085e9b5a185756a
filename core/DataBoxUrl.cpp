#include "core/DataBoxUrl.h"

#include "core/Base64.h"
#include "platform/Convert.h"

CString PercentEncodeQueryValue(const CString& strValue)
{
    const std::string utf8 = WideToUtf8(strValue);
    CString strOut;
    for (unsigned char c : utf8) {
        const bool bKeep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~';
        if (bKeep) {
            strOut += (wchar_t)c;
        } else {
            CString strHex;
            strHex.Format(L"%%%02X", (unsigned)c);
            strOut += strHex;
        }
    }
    return strOut;
}

CString MakeDataBoxUrl(BOOL bHttps, const CString& strAddress, int nPort, const CString& strActionFlag,
                       const CString& strMtngId, const CString& strSawonNo)
{
    CString strUrl;
    strUrl.Format(L"%s%s:%d/brindlecast/sso/ssoPage.jsp?actionFlag=%s&mtngId=%s&sawonNo=%s",
                  bHttps ? L"https://" : L"http://", strAddress.GetString(), nPort, strActionFlag.GetString(),
                  PercentEncodeQueryValue(strMtngId).GetString(),
                  PercentEncodeQueryValue(Base64EncodeToCString(WideToUtf8(strSawonNo).c_str())).GetString());
    return strUrl;
}
