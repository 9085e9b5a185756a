#pragma once
// The address of the data-box web page for the current meeting, opened from the title bar (in the
// default browser) and in the client's own data-box window.
#include "platform/CString.h"

// "http(s)://<address>:<port>/brindlecast/sso/ssoPage.jsp?actionFlag=<flag>&mtngId=..&sawonNo=.."
// with sawonNo the Base64 of the employee number's UTF-8. Each query value is percent-encoded
// (UTF-8, everything but letters, digits and "-._~"), so a Base64 "+", "/" or "=" reaches the
// server as itself and an "&" or "#" in a meeting id cannot add parameters.
CString MakeDataBoxUrl(BOOL bHttps, const CString& strAddress, int nPort, const CString& strActionFlag,
                       const CString& strMtngId, const CString& strSawonNo);
// The percent-encoding of one query value.
CString PercentEncodeQueryValue(const CString& strValue);
