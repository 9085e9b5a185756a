#pragma once
// The data-box page the title bar opens for the current meeting.
#include "core/DataBoxUrl.h"

inline CString MakeDataBoxUrl(BOOL bHttps, const CString& strAddress, int nPort, const CString& strMtngId,
                              const CString& strSawonNo)
{
    return MakeDataBoxUrl(bHttps, strAddress, nPort, L"databoxmain", strMtngId, strSawonNo);
}
