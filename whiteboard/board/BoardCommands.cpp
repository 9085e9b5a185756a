// The board bars' commands that end in a question, a request or a change of document: the
// meeting-status buttons, the page favourite, the save button and the switch to the meeting's
// whiteboard.
#include <winsock2.h>

#include "whiteboard/board/BoardLayer.h"

#include <algorithm>
#include <memory>

#include "core/FileHelpers.h"
#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/SystemHelpers.h"
#include "platform/MessageBox.h"
#include "resources/resource.h"
#include "ui/host/MainDlg.h"
#include "whiteboard/WhiteboardLog.h"

namespace {

CString ResourceText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

void Toast(UINT id)
{
    if (IZELMainDlg* main = GetMainDlg())
        main->ShowToast(ResourceText(id));
}

}  // namespace

// ---- meeting status ----

BOOL CBoardLayer::ConfirmCommand(UINT questionId)
{
    HideDrawToolBar();
    IZELMainDlg* main = GetMainDlg();
    return main && main->ShowMessagePopup(ResourceText(IDS_POPUP_TITLE), ResourceText(questionId), 137, nullptr, TRUE)
                       == IDOK;
}

void CBoardLayer::HideDrawToolBar()
{
    if (m_pCanvas)
        m_pCanvas->UpdateToolBarVisibility(FALSE);
}

void CBoardLayer::ShowRemainingTime()
{
    IZELMainDlg* main = GetMainDlg();
    if (!main || !m_pOptBar)
        return;
    main->SetRemainTime(m_pOptBar->GetRemainMinutes());
    main->CheckRemainTime();
}

void CBoardLayer::SendMeetingStatus(const CString& type, const wchar_t* status, BOOL repeat)
{
    if (m_pServer)
        m_pServer->RequestMeetingStatus(GetMeetingId(), type, status, repeat);
}

void CBoardLayer::OnStartMeeting()
{
    if (!m_pMeeting || !ConfirmCommand(IDS_DETAIL_START_QUESTION))
        return;
    ShowRemainingTime();
    SendMeetingStatus(m_pMeeting->GetMeetingType(), L"02", FALSE);
}

void CBoardLayer::OnEndMeeting()
{
    if (!m_pMeeting || !ConfirmCommand(IDS_DETAIL_END_QUESTION))
        return;
    m_pMeeting->SaveBoardChanges(9, 0, 1);
    SendMeetingStatus(m_pMeeting->GetMeetingType(), L"04", FALSE);
    if (IZELMainDlg* main = GetMainDlg())
        main->ClearRemainTime();
}

void CBoardLayer::OnRestartMeeting()
{
    if (!m_pMeeting || !ConfirmCommand(IDS_DETAIL_RESTART_QUESTION))
        return;
    IZELMainDlg* main = GetMainDlg();
    if (main && m_pMeeting->GetCurrentMeetingType().CompareNoCase(L"20") == 0)
        main->RefreshDocumentList(L"10", 1);
    ShowRemainingTime();
    m_pMeeting->SetPageSync(FALSE);
    SendMeetingStatus(m_pMeeting->GetMeetingType(), L"02", TRUE);
}

void CBoardLayer::SendReportStatus(UINT questionId, const wchar_t* status)
{
    if (!m_pMeeting || !ConfirmCommand(questionId))
        return;
    m_pMeeting->SaveBoardChanges(9, 0, 1);
    SendMeetingStatus(L"30", status, FALSE);
}

void CBoardLayer::OnReportStatus13()
{
    SendReportStatus(IDS_WBT_REPORT_CONFIRM_QUESTION, L"13");
}

void CBoardLayer::OnReportStatus14()
{
    SendReportStatus(IDS_WBT_REPORT_COMPLETE_QUESTION, L"14");
}

// ---- favourites ----

void CBoardLayer::ShowFavoriteControls(BOOL check)
{
    if (m_pOptBar) {
        m_pOptBar->SetFavoriteCheck(check);
        m_pOptBar->EnableFavorite(TRUE);
    }
    if (m_pInfoBar) {
        m_pInfoBar->SetFavoriteCheck(check);
        m_pInfoBar->EnableFavorite(TRUE);
    }
}

void CBoardLayer::OnFavorite(BOOL on)
{
    const DWORD now = m_ticks();
    // A toggle right after a page move would mark a page the user did not mean: dropped, and the
    // checks stay usable.
    if (now - m_dwLastAction <= kStepGuardMs || !m_pServer || !m_pages.GetPage(m_nCurrentPage)) {
        ShowFavoriteControls(on);
        return;
    }
    CWhiteboardLog::Log(2, L"==> %lu---%lu\n", (unsigned long)now, (unsigned long)m_dwLastAction);
    m_dwLastAction = now;
    m_pServer->RequestFavorite(GetMeetingId(), m_strDocId, m_nCurrentPage, on);
}

void CBoardLayer::OnReceiveM00000078(const Json::Value& body, int status)
{
    if (status != 0 || !body.isObject())
        return;
    const auto page = m_pages.GetPage(m_nCurrentPage);
    if (GetJsonInt(body, "status") != 0) {
        const CString message = GetJsonString(body, "status_message");
        CWhiteboardLog::Log(4, L"OnReceiveM00000078 >>> %s", message.GetString());
        AfxMessageBox(message, MB_OK);
        // The checks go back to what the page is, so a failed toggle can be tried again.
        ShowFavoriteControls(page && page->IsFavorite());
        return;
    }
    const CString favoriteYn = GetJsonString(body, "favoriteYn");
    const CString fileId = GetJsonString(body, "attcFileId");
    const CString pageText = GetJsonString(body, "page");
    CWhiteboardLog::Log(4, L"OnReceiveM00000078 >>> favorite : %s, page : %s, fileId : %s", favoriteYn.GetString(),
                        pageText.GetString(), fileId.GetString());
    const BOOL favorite = favoriteYn.CompareNoCase(L"Y") == 0;
    if (page && fileId.CompareNoCase(GetCurrentDocumentId()) == 0 && _wtoi(pageText) == m_nCurrentPage
        && page->IsFavorite() != favorite) {
        page->SetFavorite(favorite);
        if (m_pMeeting)
            m_pMeeting->OnPageFavoriteChanged(m_nCurrentPage, favorite);
        Toast(favorite ? IDS_WBT_FAVORITE_ON : IDS_WBT_FAVORITE_OFF);
    }
    ShowFavoriteControls(page ? page->IsFavorite() : favorite);
}

LRESULT CBoardLayer::OnPageFavorite(WPARAM wParam, LPARAM lParam)
{
    const auto page = m_pages.GetPage((int)wParam);
    if (!page)
        return 0;
    page->SetFavorite(lParam != 0);
    if ((int)wParam == m_nCurrentPage) {
        if (m_pOptBar)
            m_pOptBar->SetFavoriteCheck(lParam != 0);
        if (m_pInfoBar)
            m_pInfoBar->SetFavoriteCheck(lParam != 0);
    }
    return 0;
}

// ---- saving ----

void CBoardLayer::OnSave(int)
{
    if (!m_pages.IsAnyPageModified()) {
        Toast(IDS_WBT_NOTHING_TO_SAVE);
        return;
    }
    if (m_pMeeting)
        m_pMeeting->SaveBoardChanges(0, 0, 1);
}

// ---- the meeting's whiteboard ----

void CBoardLayer::OnWhiteboardMode(BOOL on, BOOL notify)
{
    if (!m_pMeeting)
        return;
    const BOOL sync = m_pMeeting->IsPageSync();
    // Leaving needs a document to go back to: while following, one the presenter may show.
    if (!on && (m_pMeeting->GetDocumentCount() == 0 || (sync && m_pMeeting->GetSyncDocumentCount() == 0))) {
        if (m_pOptBar)
            m_pOptBar->ShowWhiteboardButtons(TRUE);
        return;
    }
    if (m_pOptBar)
        m_pOptBar->ShowWhiteboardButtons(on);
    if (!notify)
        return;
    CWnd* parent = GetParent();
    if (!parent)
        return;
    if (on) {
        if (!m_pMeeting->IsWhiteboardDocument())
            m_nWhiteboardReturn = m_pMeeting->GetCurrentDocumentIndex();
        parent->SendMessage(WM_BOARD_OPEN_DOCUMENT, (WPARAM)(sync ? -2 : -1), 0);
        return;
    }
    const int back = sync && m_pMeeting->IsBeyondSyncDocuments(m_nWhiteboardReturn) ? 0 : m_nWhiteboardReturn;
    parent->SendMessage(WM_BOARD_OPEN_DOCUMENT, (WPARAM)back, 0);
}

// ---- whiteboard pages ----

BOOL CBoardLayer::ReadWhiteBoardBackground(S_BOARD_IMAGE& record)
{
    if (!m_pMeeting || !m_pMeeting->IsWhiteboardDocument())
        return FALSE;
    const CString path = GetModuleFolder() + (m_pMeeting->IsPersonalWhiteboard() ? L"image\\whiteboard\\pwb.png"
                                                                                  : L"image\\whiteboard\\swb.png");
    DWORD length = 0;
    std::unique_ptr<BYTE[]> bytes(ReadWholeFile(path, &length));
    if (!bytes || length == 0) {
        CWhiteboardLog::Log(4, L"Whiteboard picture %s could not be read", path.GetString());
        return FALSE;
    }
    record.bytes.assign(reinterpret_cast<const char*>(bytes.get()), length);
    record.ok = TRUE;
    return TRUE;
}

BOOL CBoardLayer::LoadWhiteBoardBackground(int page)
{
    S_BOARD_IMAGE record;
    record.page = page;
    if (!ReadWhiteBoardBackground(record))
        return FALSE;
    SetPageImage(record.bytes, page);
    const auto target = m_pages.GetPage(page);
    return target && target->HasImage();
}

// ---- approval ----

void CBoardLayer::OnApproval(int kind, const CString& text)
{
    const wchar_t* decision = kind == 1 ? L"Y" : kind == 2 ? L"N" : nullptr;
    IZELMainDlg* main = GetMainDlg();
    const CString signPath = main ? main->GetSignDataPath() : CString();
    CLoginManager* login = CLoginManager::GetInstance();
    const CString signer = login->GetUserName() + L" " + login->GetPositionName();
    const auto& confirm = GetBoardBarMakers().confirmApproval;
    const INT_PTR answer = confirm ? confirm(main ? main->GetWnd() : this, signer, signPath, kind == 1) : IDCANCEL;
    if (answer != IDOK || !decision || !m_pMeeting) {
        if (m_pInfoBar)
            m_pInfoBar->SetApprovalSelection(0);
        return;
    }
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CString confirmDate;
    confirmDate.Format(L"%04d-%02d-%02d %02d:%02d:%02d", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                       now.wSecond);
    // The approval stays pending until the server took the decision: a failed upload can be
    // tried again from the selector.
    if (!m_pMeeting->UploadSignature(GetMeetingId(), text, decision, confirmDate, signPath)) {
        if (m_pInfoBar)
            m_pInfoBar->SetApprovalSelection(0);
        return;
    }
    m_pMeeting->SetApprovalPending(FALSE);
    if (m_pInfoBar)
        m_pInfoBar->ResetSelection();
    Toast(kind == 1 ? IDS_WBT_APPROVED : IDS_WBT_REJECTED);
}
