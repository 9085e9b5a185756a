// Uploads of the meeting screen (a file into the meeting's documents, an approval's signature)
// and the copy of the current document into the user's archive.
#include "screens/meeting/MeetingLayer.h"

#include "ui/host/MainDlg.h"
#include "core/HttpMultipartClient.h"
#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/SettingManager.h"
#include "features/approvals/SignatureUpload.h"
#include "platform/Convert.h"
#include "net/protocol/JsonText.h"
#include "net/protocol/TasClientManager.h"
#include "platform/MessageBox.h"
#include "resources/resource.h"
#include "screens/meeting/MeetingRules.h"
#include "whiteboard/WhiteboardLog.h"
#include "whiteboard/board/BoardLayer.h"

namespace {

CString FileNameOf(const CString& strPath)
{
    const int slash = strPath.ReverseFind(L'\\');
    return slash >= 0 ? strPath.Mid(slash + 1) : strPath;
}

// A wait cursor for as long as the upload blocks this thread.
class CWaitCursorScope {
public:
    CWaitCursorScope() : m_hOld(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
    ~CWaitCursorScope() { ::SetCursor(m_hOld); }
private:
    HCURSOR m_hOld;
};

}  // namespace

BOOL CMeetingLayer::PostForm(const CString& strObject, const std::vector<std::pair<CString, CString>>& fields,
                             const CString& strFileName, const CString& strPath, DWORD& dwError, CString& strAnswer)
{
    CSettingManager* pSettings = CSettingManager::GetInstance();
    CHttpMultipartClient client;
    client.SetCodePage(65001);
    dwError = client.Open(L"myagnt", pSettings->GetTMSAddress(), (INTERNET_PORT)pSettings->GetTMSPort());
    if (dwError != 0) return TRUE;
    for (const auto& field : fields) client.AddField(field.first, field.second);
    const DWORD fileError = client.AddFile(L"Filedata", strFileName, strPath);
    if (fileError != 0) {
        wchar_t* pText = nullptr;
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, fileError, 0, (LPWSTR)&pText, 0, nullptr);
        AfxMessageBox(pText ? pText : L"", MB_OK);
        if (pText) ::LocalFree(pText);
        return FALSE;
    }
    LPWSTR pszReply = nullptr;
    DWORD dwStatus = 0;
    dwError = client.Post(strObject, nullptr, nullptr, &pszReply, &dwStatus, pSettings->GetUseHttps());
    if (pszReply) {
        strAnswer = pszReply;
        CHttpMultipartClient::FreeBuffer(pszReply);
    }
    return TRUE;
}

LRESULT CMeetingLayer::OnUploadMessage(WPARAM, LPARAM)
{
    CString path;
    if (!m_seams.chooseUploadFile || !m_seams.chooseUploadFile(path) || path.IsEmpty()) return 0;
    UploadFile(path);
    return 0;
}

void CMeetingLayer::UploadFile(const CString& strPath)
{
    CWaitCursorScope wait;
    const CString name = FileNameOf(strPath);
    std::vector<std::pair<CString, CString>> fields = {
        {L"mtngId", m_strMeetingId},
        {L"userId", CLoginManager::GetInstance()->GetUserId()},
        {L"bizGubnCd", L"01"},
        {L"locale", L"ko_KR"},
        {L"Filename", name},
    };
    DWORD dwError = 0;
    CString answer;
    if (!PostForm(L"/brindlecast/rest/fileRestService/upload", fields, name, strPath, dwError, answer)) return;
    if (!MeetingRules::IsUploadAccepted(dwError, answer)) {
        Toast(IDS_UPLOAD_FAILED);
        return;
    }
    Toast(IDS_UPLOAD_DONE);
    Listen();
    CTasClientManager::GetInstance()->RequestM00000008(m_strMeetingId, m_strMeetingType, L"10");
}

BOOL CMeetingLayer::UploadSignature(const CString& strMeetingId, const CString& strAttcFileId,
                                    const CString& strConfirmYn, const CString& strConfirmDate,
                                    const CString& strImagePath)
{
    if (::GetFileAttributesW(strImagePath) == INVALID_FILE_ATTRIBUTES) {
        // A confirmed approval must not vanish without a word: the user learns it was not sent.
        CWhiteboardLog::Log(4, L"Sign image >>> file not found >>> [%s]", strImagePath.GetString());
        CString text;
        text.LoadString(IDS_SIGNATURE_MISSING);
        AfxMessageBox(text, MB_OK);
        return FALSE;
    }
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    if (strConfirmYn.CompareNoCase(L"N") == 0) {
        Listen();
        pTas->RequestM00000076(strMeetingId, strAttcFileId, strConfirmYn, strConfirmDate, L"");
        CWhiteboardLog::Log(2, L"sign reject!");
        return TRUE;
    }
    CWaitCursorScope wait;
    CSettingManager* pSettings = CSettingManager::GetInstance();
    SSignatureUpload upload;
    upload.strHost = pSettings->GetTMSAddress();
    upload.nPort = (INTERNET_PORT)pSettings->GetTMSPort();
    upload.bTls = pSettings->GetUseHttps();
    upload.strMtngId = m_strMeetingId;
    upload.strUserId = CLoginManager::GetInstance()->GetUserId();
    upload.strAttcFileId = strAttcFileId;
    upload.strImagePath = strImagePath;
    CString answer;
    const DWORD dwError = PostSignatureImage(upload, answer);
    if (answer.IsEmpty()) {
        Toast(IDS_UPLOAD_FAILED);
        return FALSE;
    }
    CWhiteboardLog::Log(1, L"Sign image >>> File upload result >>> [%s]", answer.GetString());
    // A failed upload ends here: no approval goes out with a path the server never stored.
    if (!MeetingRules::IsUploadAccepted(dwError, answer)) {
        Toast(IDS_UPLOAD_FAILED);
        return FALSE;
    }
    const CString path = SignatureStoredPath(answer);
    if (path.IsEmpty()) {
        CWhiteboardLog::Log(1, L"Sign image >>> filePath not found! >>> [%s]", answer.GetString());
        CString text;
        text.LoadString(IDS_SIGNATURE_NO_PATH);
        AfxMessageBox(text + L"(From Server)", MB_OK);
        return FALSE;
    }
    Listen();
    pTas->RequestM00000076(strMeetingId, strAttcFileId, strConfirmYn, strConfirmDate, path);
    return TRUE;
}

BOOL CMeetingLayer::IsApprovalPending()
{
    return m_pInfoPanel && m_pInfoPanel->IsApprovalPending();
}

void CMeetingLayer::SetApprovalPending(BOOL bPending)
{
    if (m_pInfoPanel) m_pInfoPanel->SetApprovalPending(bPending);
    if (IBoardInfoBar* pBar = m_pBoardLayer ? m_pBoardLayer->GetInfoBar() : nullptr) pBar->SetApprovalPending(bPending ? 1 : 0);
}

LRESULT CMeetingLayer::OnArchiveMessage(WPARAM, LPARAM)
{
    DownloadToArchive();
    return 0;
}

void CMeetingLayer::DownloadToArchive()
{
    const CString strDocument = GetCurrentDocumentId();
    if (strDocument.IsEmpty()) {
        CWhiteboardLog::Log(2, L"The document could not be found.");
        AfxMessageBox(L"The document could not be found.", MB_OK);
        return;
    }
    IZELMainDlg* pMain = GetMainDlg();
    CString caption;
    caption.LoadString(IDS_POPUP_TITLE);
    if (!pMain || pMain->ShowMessagePopup(caption, L"회의문서를 자료함으로 다운로드하시겠습니까?", 137, nullptr, TRUE) != IDOK)
        return;
    Listen();
    CTasClientManager::GetInstance()->RequestM00000052(m_strMeetingId, strDocument, L"");
}
