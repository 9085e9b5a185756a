#pragma once
// The address of the data-box web page the title bar opens for the current meeting.
#include "platform/CString.h"

// "http(s)://<address>:<port>/brindlecast/sso/ssoPage.jsp?actionFlag=databoxmain&mtngId=..&sawonNo=.."
// with sawonNo the Base64 of the employee number's UTF-8. Each query value is percent-encoded
// (UTF-8, everything but letters, digits and "-._~"), so a Base64 "+", "/" or "=" reaches the
// server as itself and an "&" or "#" in a meeting id cannot add parameters.
CString MakeDataBoxUrl(BOOL bHttps, const CString& strAddress, int nPort, const CString& strMtngId,
                       const CString& strSawonNo);
// The percent-encoding of one query value.
CString PercentEncodeQueryValue(const CString& strValue);
