#pragma once
// Sending an approval's signature picture to the web service of the application server: the
// multipart form the service takes and the stored path it answers with.
#include <winsock2.h>
#include <windows.h>
#include <wininet.h>

#include "platform/CString.h"

struct SSignatureUpload {
    CString strHost;
    INTERNET_PORT nPort = 0;
    BOOL bTls = FALSE;
    CString strMtngId;
    CString strUserId;
    CString strAttcFileId;
    CString strImagePath;   // the user's signature file
};

extern const wchar_t SIGNATURE_UPLOAD_OBJECT[];   // "/brindlecast/rest/fileRestService/sign"

// Posts the form (fields "mtngId", "userId", "attcFileId", "locale", "Filename" and the file part
// "Filedata"). 0 with the server's answer (from UTF-8) when the server answered; else the Win32
// error of the step that failed, and nothing is sent when the picture cannot be attached.
DWORD PostSignatureImage(const SSignatureUpload& upload, CString& strAnswer);
// The stored picture's path that an accepted answer names ("200" in it and a JSON "filePath");
// empty otherwise.
CString SignatureStoredPath(const CString& strAnswer);
