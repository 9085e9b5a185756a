#pragma once
// Downloads a URL into memory for the document viewer's page-download thread.
#include <windows.h>
#include "platform/CString.h"

struct S_DOCVIEWER_DOWNLOAD;

// TRUE when the whole body of a 200 reply was received and handed over (a 200 reply without a
// body hands over nothing). A reply other than 200, a failed or cut-short read is FALSE.
// bIgnoreCertificateErrors accepts any server certificate for HTTPS (the organisation's page
// servers may use self-signed ones); without it the system checks them.
BOOL HttpGetToMemory(const CString& strUrl, S_DOCVIEWER_DOWNLOAD* pRecord, BOOL bIgnoreCertificateErrors = TRUE);
