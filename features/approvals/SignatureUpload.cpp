#include "features/approvals/SignatureUpload.h"

#include <json/json.h>

#include <memory>

#include "core/HttpMultipartClient.h"
#include "core/JsonHelpers.h"
#include "platform/StringConversion.h"

const wchar_t SIGNATURE_UPLOAD_OBJECT[] = L"/brindlecast/rest/fileRestService/sign";

DWORD PostSignatureImage(const SSignatureUpload& upload, CString& strAnswer)
{
    strAnswer.Empty();
    CHttpMultipartClient client;
    client.SetCodePage(CP_UTF8);
    DWORD dwError = client.Open(L"myagnt", upload.strHost.GetString(), upload.nPort);
    if (dwError)
        return dwError;
    const int nSlash = upload.strImagePath.ReverseFind(L'\\');
    const CString strFileName = nSlash >= 0 ? upload.strImagePath.Mid(nSlash + 1) : upload.strImagePath;
    const struct {
        const wchar_t* pszName;
        CString strValue;
    } fields[] = {{L"mtngId", upload.strMtngId},
                  {L"userId", upload.strUserId},
                  {L"attcFileId", upload.strAttcFileId},
                  {L"locale", L"ko_KR"},
                  {L"Filename", strFileName}};
    for (const auto& f : fields) {
        if ((dwError = client.AddField(f.pszName, f.strValue.GetString())) != 0)
            return dwError;
    }
    if ((dwError = client.AddFile(L"Filedata", strFileName.GetString(), upload.strImagePath.GetString())) != 0)
        return dwError;
    LPWSTR pszReply = nullptr;
    DWORD dwStatus = 0;
    dwError = client.Post(SIGNATURE_UPLOAD_OBJECT, nullptr, nullptr, &pszReply, &dwStatus, upload.bTls);
    if (pszReply) {
        strAnswer = pszReply;
        CHttpMultipartClient::FreeBuffer(pszReply);
    }
    return dwError;
}

CString SignatureStoredPath(const CString& strAnswer)
{
    if (strAnswer.Find(L"200") < 0)
        return CString();
    Json::Value root;
    if (!ParseJsonObjectText((const char*)CW2A(strAnswer.GetString(), CP_UTF8), root))
        return CString();
    return GetJsonString(root, "filePath");
}
