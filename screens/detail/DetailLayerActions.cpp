// The meeting detail screen: what its buttons and rows do - status changes, report
// confirmation, attendance, joining an open meeting, documents, favourites, the data box and
// uploads.
#include "screens/detail/DetailLayer.h"

#include <memory>

#include "ui/host/MainDlg.h"
#include "ui/host/MeetingScreen.h"
#include "core/HttpMultipartClient.h"
#include "core/LoginManager.h"
#include "core/Meeting.h"
#include "core/MeetingDocument.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "core/SystemHelpers.h"
#include "core/TextHelpers.h"
#include "core/Utf8Text.h"
#include "features/approvals/ReportDialogs.h"
#include "net/protocol/TasClientManager.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "resources/resource.h"
#include "screens/detail/DetailListCtrl.h"
#include "ui/skin/SkinCombo.h"

namespace {

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

CTasClientManager* Tas()
{
    return CTasClientManager::GetInstance();
}

// The wait cursor while an upload runs.
struct WAIT_CURSOR {
    HCURSOR hOld = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    ~WAIT_CURSOR() { ::SetCursor(hOld); }
};

const wchar_t kShareQuestion[] = L"보고자에게 판서 및 메모를 공유하시겠습니까?";

}  // namespace

// 1 yes; 2 no or closed.
int CDetailLayer::AskQuestion(const CString& strText)
{
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain)
        return 2;
    return pMain->ShowMessagePopup(LoadText(IDS_POPUP_TITLE), strText, 137, nullptr, TRUE) == IDOK ? 1 : 2;
}

void CDetailLayer::SendStatusRequest(const detailrules::SStatusRequest& r, const CString& strDateTime)
{
    Tas()->RequestM00000017(m_strMeetingId, m_strMeetingType, r.strStatus, r.bReptYn, strDateTime, r.bPaper,
                            r.bFeedback);
}

void CDetailLayer::RunStatusAction(detailrules::EAction eAction, const CString& strQuestion)
{
    const int nAnswer = AskQuestion(strQuestion);
    const detailrules::SStatusRequest r =
        detailrules::StatusRequestFor(eAction, nAnswer, m_pMeeting ? m_pMeeting->GetPaper() : FALSE);
    if (!r.bSend)
        return;
    IZELMainDlg* pMain = GetMainDlg();
    if (pMain && (eAction == detailrules::ACTION_START || eAction == detailrules::ACTION_RESTART)) {
        pMain->SetRemainTime(IntToString(GetRemainMinutes()));
        pMain->CheckRemainTime();
    }
    // The meeting-end push for this meeting is then the user's own end.
    if (pMain && eAction == detailrules::ACTION_END)
        pMain->SetWatchMeetingId(m_strMeetingId);
    if (eAction == detailrules::ACTION_REPORT_END || eAction == detailrules::ACTION_FEEDBACK_UPDATE)
        m_bRefreshOnStatusReply = r.bRefreshOnReply;
    Tas()->SetListener(this);
    SendStatusRequest(r, CString());
    if (pMain && eAction == detailrules::ACTION_END)
        pMain->ClearRemainTime();
}

void CDetailLayer::OnStartMeeting() { RunStatusAction(detailrules::ACTION_START, LoadText(IDS_DETAIL_START_QUESTION)); }
void CDetailLayer::OnEndMeeting() { RunStatusAction(detailrules::ACTION_END, LoadText(IDS_DETAIL_END_QUESTION)); }
void CDetailLayer::OnRestartMeeting() { RunStatusAction(detailrules::ACTION_RESTART, LoadText(IDS_DETAIL_RESTART_QUESTION)); }
void CDetailLayer::OnStartReport() { RunStatusAction(detailrules::ACTION_REPORT_START, L"보고를 시작하시겠습니까?"); }
void CDetailLayer::OnEndReport() { RunStatusAction(detailrules::ACTION_REPORT_END, kShareQuestion); }
void CDetailLayer::OnUpdateFeedback() { RunStatusAction(detailrules::ACTION_FEEDBACK_UPDATE, kShareQuestion); }

void CDetailLayer::ProcReportConfirm()
{
    CReportConfirmDlg dlg(nullptr);
    dlg.m_bPaper = m_pMeeting ? m_pMeeting->GetPaper() : 0;
    m_pConfirmDlg = &dlg;
    if (dlg.DoModal() == IDOK && AskQuestion(L"해당 보고를 확정하시겠습니까?") == 1) {
        g_ApplicationLog.Log(1, L"ProcReportConfirm %d, %s", dlg.m_bPaper, (LPCTSTR)dlg.m_strDate);
        detailrules::SStatusRequest r;
        r.strStatus = L"12";
        r.bPaper = dlg.m_bPaper;
        Tas()->SetListener(this);
        SendStatusRequest(r, dlg.m_strDate);
    }
    m_pConfirmDlg = nullptr;
}

void CDetailLayer::SendAttendance(BOOL bAttend)
{
    if (!m_pMeeting)
        return;
    if (!detailrules::ShouldSendAttendance(IsReport(), m_pMeeting->GetStatus(), m_pMeeting->GetType13Flag(),
                                           m_pMeeting->IsAttendee()))
        return;
    m_pMeeting->SetAttendanceSent(bAttend ? 1 : 0);
    Tas()->SetListener(this);
    Tas()->RequestM00000047(m_strMeetingId, bAttend ? L"Y" : L"N");
}

void CDetailLayer::RequestJoinOpenMeeting()
{
    if (!m_pMeeting || m_pMeeting->IsAttendee())
        return;
    CLoginManager* pLogin = CLoginManager::GetInstance();
    Tas()->RequestM00000038(m_strMeetingId, pLogin->GetUserId(), pLogin->GetUserName(), TRUE);
}

// ---- Rows ----

void CDetailLayer::OnListButtonDown(NMHDR* pNotify, LRESULT* pResult)
{
    *pResult = 0;
    const MYLIST_NOTIFY* pInfo = reinterpret_cast<const MYLIST_NOTIFY*>(pNotify);
    if (pInfo->pItem)
        ::GetCursorPos(&m_ptListPress);
}

void CDetailLayer::OnListButtonUp(NMHDR* pNotify, LRESULT* pResult)
{
    *pResult = 0;
    const MYLIST_NOTIFY* pInfo = reinterpret_cast<const MYLIST_NOTIFY*>(pNotify);
    MYLIST_ITEM* pItem = reinterpret_cast<MYLIST_ITEM*>(pInfo->pItem);
    if (!pItem || pNotify->idFrom != LIST_CTRL_ID || pItem->nType != DETAIL_ITEM_DOCUMENT)
        return;
    POINT pt;
    ::GetCursorPos(&pt);
    if (abs(pt.x - m_ptListPress.x) > 2 || abs(pt.y - m_ptListPress.y) > 2)
        return;
    OpenDocument(CDetailListCtrl::GetRowDocument(pItem), 0);
}

MYLIST_ITEM* CDetailLayer::PostedRow(WPARAM wParam)
{
    return m_pList ? m_pList->FindRowById((int)wParam) : nullptr;
}

LRESULT CDetailLayer::OnAddFileButton(WPARAM wParam, LPARAM)
{
    // The row and its button as they are now: a refresh may have replaced both since the click.
    MYLIST_ITEM* pItem = PostedRow(wParam);
    const SKIN_OBJECT* pObject = pItem && pItem->pScreen ? pItem->pScreen->FindObject(L"btnAddFile") : nullptr;
    POINT pt;
    if (pObject && pItem && m_pListArea) {
        CRect rcList;
        m_pListArea->GetContentRect(rcList, nullptr);
        pt.x = pObject->m_rcObject.left + pItem->rcItem.left + rcList.left;
        pt.y = pObject->m_rcObject.bottom + pItem->rcItem.top + rcList.top;
        ClientToScreen(&pt);
    } else {
        ::GetCursorPos(&pt);
    }
    SKIN_OBJECT* pCombo = m_Screen.FindObject(L"comboFileAdd");
    if (!pCombo)
        return 0;
    const int nChoice = pCombo->m_combo.ShowDropDown(this, pt.x, pt.y);
    if (nChoice == 1)
        UploadFile();
    else if (nChoice == 2) {
        if (IZELMainDlg* pMain = GetMainDlg())
            pMain->OpenDataBox();
    }
    return 0;
}

LRESULT CDetailLayer::OnAddToDataBox(WPARAM wParam, LPARAM)
{
    const CMeetingDocument* pDocument = CDetailListCtrl::GetRowDocument(PostedRow(wParam));
    if (!pDocument)
        return 0;
    // The question's modal loop may run a refresh that deletes the row and its document.
    const CString strFileId = pDocument->GetFileId();
    if (AskQuestion(L"회의문서를 자료함으로 다운로드하시겠습니까?") != 1)
        return 0;
    Tas()->SetListener(this);
    Tas()->RequestM00000052(m_strMeetingId, strFileId, CString());
    return 0;
}

LRESULT CDetailLayer::OnFavoriteButton(WPARAM wParam, LPARAM lParam)
{
    CMeetingDocument* pDocument = CDetailListCtrl::GetRowDocument(PostedRow(wParam));
    if (!pDocument)
        return 0;
    Tas()->SetListener(this);
    Tas()->RequestM00000096(pDocument->GetFileId(), lParam ? L"Y" : L"N");
    return 0;
}

LRESULT CDetailLayer::OnFeedbackButton(WPARAM wParam, LPARAM)
{
    OpenDocument(CDetailListCtrl::GetRowDocument(PostedRow(wParam)), 1);
    return 0;
}

LRESULT CDetailLayer::OnWhiteboardButton(WPARAM, LPARAM)
{
    if (!m_pMeeting)
        return 0;
    CMeetingDocument* pWhiteboard = m_pMeeting->GetDocumentByIndex(-1);
    if (!pWhiteboard)
        return 0;
    OpenDocument(pWhiteboard, 0);
    if (IZELMainDlg* pMain = GetMainDlg()) {
        if (IMeetingScreen* pMeeting = pMain->GetMeetingLayer())
            pMeeting->EnterWithWhiteboard();
    }
    return 0;
}

void CDetailLayer::OpenDocument(CMeetingDocument* pDocument, int nEntry)
{
    if (!pDocument || !m_pMeeting)
        return;
    IZELMainDlg* pMain = GetMainDlg();
    if (pDocument->IsViewable()) {
        if (pMain) {
            if (IMeetingScreen* pMeeting = pMain->GetMeetingLayer())
                pMeeting->SetEntryDocument(pDocument->GetFileId(), nEntry);
            pMain->SetScreenMode(ZEL_MODE_MEETING, m_pMeeting->GetMeetingId());
        }
        return;
    }
    Tas()->SetListener(this);
    Tas()->RequestM00000046(pDocument->GetFileId(), pDocument->GetFileName(), 1, L"1.0");
    if (pMain)
        pMain->ShowToast(L"파일변환중입니다. 잠시후 다시 시도해 주세요");
}

// ---- Upload ----

void CDetailLayer::UploadFile()
{
    const CString strFilter = detailrules::UploadFileFilter(LoadText(IDS_DETAIL_UPLOAD_FILTER));
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, strFilter, this);
    if (dlg.DoModal() != IDOK)
        return;
    WAIT_CURSOR wait;
    const CString strPath = dlg.GetPathName();
    const CString strName = detailrules::UploadFileName(strPath, dlg.GetFileName());

    CSettingManager* pSettings = CSettingManager::GetInstance();
    CHttpMultipartClient client;
    client.SetCodePage(CP_UTF8);
    DWORD dwError = client.Open(L"myagnt", pSettings->GetTMSAddress(), (INTERNET_PORT)pSettings->GetTMSPort());
    const CString strUserId = Utf8ToCString(CLoginManager::GetInstance()->GetUserIdA());
    if (dwError == 0) {
        client.AddField(L"mtngId", m_strMeetingId);
        client.AddField(L"userId", strUserId);
        client.AddField(L"bizGubnCd", L"01");
        client.AddField(L"locale", L"ko_KR");
        client.AddField(L"Filename", strName);
        const DWORD dwFileError = client.AddFile(L"Filedata", strName, strPath);
        if (dwFileError != 0) {
            AfxMessageBox(GetSystemErrorText(dwFileError));
            client.Close();
            return;
        }
    }
    LPWSTR pszAnswer = nullptr;
    DWORD dwStatus = 0;
    if (dwError == 0)
        dwError = client.Post(L"/brindlecast/rest/fileRestService/upload", nullptr, nullptr, &pszAnswer, &dwStatus,
                              pSettings->GetUseHttps());
    const CString strAnswer = pszAnswer ? CString(pszAnswer) : CString();
    CHttpMultipartClient::FreeBuffer(pszAnswer);
    client.Close();
    g_ApplicationLog.Log(2, L"Upload >>> %u, %u, [%s]", dwError, dwStatus, (LPCTSTR)strAnswer);
    IZELMainDlg* pMain = GetMainDlg();
    if (!detailrules::IsUploadAnswerSuccess(dwError, dwStatus, strAnswer)) {
        if (pMain)
            pMain->ShowToast(LoadText(IDS_DETAIL_UPLOAD_FAILED));
        return;
    }
    if (pMain)
        pMain->ShowToast(LoadText(IDS_DETAIL_UPLOAD_DONE));
    Tas()->SetListener(this);
    Tas()->RequestM00000008(GetMeetingId(), m_strMeetingType, L"10");
}
