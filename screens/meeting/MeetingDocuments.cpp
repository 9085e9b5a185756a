// Opening documents on the board, in the viewer or in the outside player; thumbnails; the page
// commands of the whiteboard documents.
#include "core/ClientMessages.h"
#include "screens/meeting/MeetingLayer.h"

#include "ui/host/MainDlg.h"
#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "features/documents/DocViewerDlg.h"
#include "net/protocol/TasClientManager.h"
#include "resources/resource.h"
#include "screens/meeting/MeetingRules.h"
#include "screens/meeting/RightContainerWnd.h"
#include "ui/controls/OkCancelDlg.h"
#include "whiteboard/WhiteboardLog.h"
#include "whiteboard/board/BoardLayer.h"

LRESULT CMeetingLayer::OnOpenDocumentMessage(WPARAM wParam, LPARAM lParam)
{
    if (!m_pMeeting) return 0;
    const int nIndex = (int)wParam;
    IZELMainDlg* pMain = GetMainDlg();
    CMeeting* pSource = (lParam == 1 && m_pMinutesMeeting) ? m_pMinutesMeeting : m_pMeeting;
    CMeetingDocument* pDocument = pSource->GetDocumentByIndex(nIndex);
    if (lParam != 1 && m_bPageSync && pDocument && pDocument->IsRefDoc() && pMain) {
        pMain->CheckPageSyncBlocked();
        return 0;
    }
    if (CMeetingDocument* pCurrent = m_pMeeting->GetCurrentDocument()) m_strPrevDocumentId = pCurrent->GetFileId();
    m_bMinutesDocument = lParam == 1;
    if (pDocument) {
        if (pDocument->IsViewable()) {
            m_bSaveBeforeOpen = TRUE;
            m_bOpenPending = TRUE;
            SetOpenPending(pDocument, lParam == 1);
            m_strOpenedDocumentId = pDocument->GetFileId();
            m_strPresenceDocumentId = pDocument->GetFileId();
            if (m_nDocumentIndex >= 0) m_nPrevDocumentIndex = m_nDocumentIndex;
            m_nDocumentIndex = nIndex;
            m_nDocumentSource = (int)lParam;
            // Loading begins before the opening, which ends it itself when no page comes (a
            // video, an expired document, the document already shown).
            BeginLoading();
            OpenDocument(TRUE, pDocument, 1);
            SetWhiteboardMode(nIndex < 0);
        } else if (!m_bMayConvert) {
            Toast(IDS_CONVERSION_WAIT);
            return 0;
        } else {
            m_strPendingDocumentId = pDocument->GetFileId();
            Listen();
            CTasClientManager::GetInstance()->RequestM00000046(pDocument->GetFileId(), pDocument->GetFileName(), 1, L"1.0");
            m_bMayConvert = FALSE;
            SetTimer(TIMER_DETAIL, 3000, nullptr);
            return 0;
        }
    }
    if (!IsKeyNavigationMode() && m_pInfoPanel && !m_pInfoPanel->IsShown()) return 0;
    return 0;
}

void CMeetingLayer::OpenDocument(BOOL bSaveFirst, CMeetingDocument* pDocument, int nPage)
{
    if (!m_pMeeting || !pDocument) return;
    if (bSaveFirst || m_bSaveBeforeOpen) {
        m_bSaveBeforeOpen = FALSE;
        if (SaveBoardChanges(1, FALSE, TRUE) == 1) m_strPendingDocumentId = pDocument->GetFileId();
    }
    const CString strId = pDocument->GetFileId();
    const int n = _wtoi(strId);
    if (n != 0) {
        if (m_nDocumentSource == 1002)
            nPage = 1;
        else if (m_nDocumentSource == 1003)
            nPage = pDocument->GetTotalPage();
        else {
            const auto it = m_lastPages.find(strId);
            if (it != m_lastPages.end()) nPage = it->second;
        }
    }
    CWhiteboardLog::Log(2, L"FileID : %d, FileName : %s", n, pDocument->GetFileName().GetString());
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    if (m_pMeeting->GetMeetingTypeNumber() == 14) {
        CWhiteboardLog::Log(2, L"전자회의 서명 >>> 파일변경 >>> 참석자 리스트 갱신(M00000004) : %d, FileName : %s", n,
                            pDocument->GetFileName().GetString());
        Listen();
        pTas->RequestM00000004(m_strMeetingId, strId);
    }
    if (CMeetingManager::GetInstance()->IsPresenterMe() && m_bPageSync && !pDocument->IsVideo()) {
        Listen();
        pTas->RequestM00000015(m_strMeetingId, strId, TRUE, nPage, TRUE, TRUE, FALSE);
    }
    ShowDocument(strId, nPage);
}

void CMeetingLayer::ShowDocument(const CString& strAttcFileId, int nPage)
{
    CMeeting* pMeeting = DocumentMeeting();
    if (!pMeeting) return;
    const BOOL bHadDocument = pMeeting->GetCurrentDocument() != nullptr;
    if (strAttcFileId.IsEmpty()) {
        if (!pMeeting->GetCurrentDocument()) pMeeting->SelectFirstDocument();
    } else {
        pMeeting->SelectDocument(strAttcFileId);
    }
    if (!pMeeting->GetCurrentDocument() && !pMeeting->SelectFirstDocument()) {
        // Nothing to show: the canvas says it waits for a document.
        if (CBoardDrawCtrl* pCanvas = m_pBoardLayer ? m_pBoardLayer->GetCanvas() : nullptr) pCanvas->RestartLoading();
        EndLoading();
        return;
    }
    CMeetingDocument* pDocument = pMeeting->GetCurrentDocument();
    if (!pDocument) return;
    if (bHadDocument && !m_bDocumentValid) {
        // Its viewing period is over: the canvas says the document cannot be shown, and the
        // bars offer no page of it.
        if (m_pBoardLayer) {
            m_pBoardLayer->ResetBoard();
            if (CBoardDrawCtrl* pCanvas = m_pBoardLayer->GetCanvas()) pCanvas->SetLoadingProgress(1);
        }
        if (m_pRightContainer) {
            m_pRightContainer->SelectMinutes(pDocument->GetFileId());
            m_pRightContainer->SelectDocument(pDocument->GetFileId());
        }
        ClearThumbnails();
        if (m_pBoardLayer) m_pBoardLayer->EnableBoard(FALSE);
        CWhiteboardLog::Log(2, L"조회기간이 만료된 문서 >>> fileid : %d", _wtoi(pDocument->GetFileId()));
        EndLoading();
        return;
    }
    if (m_pBoardLayer) m_pBoardLayer->EnableBoard(TRUE);
    LoadCurrentDocument(nPage);
    if (IsVideoFile(pDocument->GetFileName())) {
        // The board still shows the document before the video: select that one again.
        const CString strShown = m_strBoardDocumentId;
        if (!strShown.IsEmpty()) {
            pMeeting->SelectDocument(strShown);
            if (m_pRightContainer) m_pRightContainer->SelectDocument(strShown);
        }
        return;
    }
    if (m_pRightContainer) {
        if (m_bMinutesDocument) m_pRightContainer->SelectMinutes(pDocument->GetFileId());
        m_pRightContainer->SelectDocument(pDocument->GetFileId());
    }
    if (m_strThumbFileId == pDocument->GetFileId() && !m_thumbPages.IsEmpty()) {
        CWhiteboardLog::Log(2, L"SelectDocument() >>> Thumbnail loading Pass!");
        return;
    }
    ClearThumbnails();
    m_strThumbFileId = pDocument->GetFileId();
    m_bSkipPageSync = TRUE;
    RequestThumbnailPages(1);
}

void CMeetingLayer::LoadCurrentDocument(int nPage)
{
    CMeeting* pMeeting = DocumentMeeting();
    CMeetingDocument* pDocument = pMeeting ? pMeeting->GetCurrentDocument() : nullptr;
    if (!pDocument || !pDocument->IsViewable()) {
        if (CBoardDrawCtrl* pCanvas = m_pBoardLayer ? m_pBoardLayer->GetCanvas() : nullptr) pCanvas->RestartLoading();
        EndLoading();
        return;
    }
    if (pDocument->IsVideo()) {
        // The player shows it outside: nothing loads here.
        PlayVideo(pDocument->GetFileURL());
        EndLoading();
        return;
    }
    // The board already shows it: no page comes to end the loading.
    if (pDocument->GetFileId() == m_strBoardDocumentId && m_pBoardLayer && m_pBoardLayer->GetTotalPage() > 0)
        EndLoading();
    if (nPage < 1) nPage = 1;
    // The notes shown are the board's document's: another document brings its own (changed ones
    // were saved before the switch).
    if (pDocument->GetFileId() != m_strBoardDocumentId) DropStickyNotes();
    if (m_pBoardLayer)
        m_pBoardLayer->OpenDocument(m_strMeetingId, pDocument->GetFileId(), pDocument->GetFileName(),
                                    pDocument->GetFileAbstPath(), nPage);
    // The approval selector is offered by the meeting's type and the user's and document's flags.
    if (IBoardInfoBar* pBar = m_pBoardLayer && m_pMeeting ? m_pBoardLayer->GetInfoBar() : nullptr)
        pBar->SetApprovalContext(m_pMeeting->GetMeetingTypeNumber(), m_pMeeting->GetHiddenUserYn(), pDocument->IsRefDoc());
}

void CMeetingLayer::RequestThumbnailPages(int nStartPage)
{
    CMeeting* pMeeting = DocumentMeeting();
    CMeetingDocument* pDocument = pMeeting ? pMeeting->GetCurrentDocument() : nullptr;
    if (!pDocument || pDocument->GetFileId().IsEmpty()) {
        CWhiteboardLog::Log(4, L"RequestThumbnailPages, FileID is empty, %s",
                            pDocument ? pDocument->GetFileName().GetString() : L"");
        return;
    }
    CWhiteboardLog::Log(2, L"RequestThumbnailPages, FileID : %s, %s", pDocument->GetFileId().GetString(),
                        pDocument->GetFileName().GetString());
    Listen();
    CTasClientManager::GetInstance()->RequestM00000067(pDocument->GetFileId(), pDocument->GetFileName(), nStartPage,
                                                       m_strMeetingId);
}

void CMeetingLayer::ClearThumbnails()
{
    CWhiteboardLog::Log(2, L"Thumnail page Clear %s", m_strThumbFileId.GetString());
    if (m_pInfoPanel) m_pInfoPanel->ClearThumbnails();
    m_thumbPages.CreatePages(0);
}

void CMeetingLayer::PlayVideo(const CString& strUrl)
{
    CString title;
    title.LoadString(IDS_POPUP_TITLE);
    CString parameters;
    if (strUrl.IsEmpty() || !MeetingRules::MakePlayerParameters(strUrl, parameters)) {
        ShowOkCancel(L"Invalid video address", title, TRUE, FALSE);
        return;
    }
    CWhiteboardLog::Log(2, L"Movie url : [ %s ]", strUrl.GetString());
    const CString folder = m_seams.readPlayerFolder ? m_seams.readPlayerFolder(L"Software\\Microsoft\\MediaPlayer") : CString();
    if (folder.IsEmpty()) {
        CString text;
        text.LoadString(IDS_NO_MEDIA_PLAYER);
        if (IZELMainDlg* pMain = GetMainDlg()) pMain->ShowConfirmPopup(text);
        return;
    }
    if (!m_seams.startPlayer || !m_seams.startPlayer(folder, parameters)) return;
    // The player's window comes up in the middle of the screen the user looks at.
    if (m_seams.sleep) m_seams.sleep(100);
    if (HWND hPlayer = ::FindWindowW(nullptr, L"Windows Media Player")) {
        CRect rcPlayer, rcWork;
        ::GetWindowRect(hPlayer, &rcPlayer);
        MONITORINFO mi = {sizeof mi};
        ::GetMonitorInfoW(::MonitorFromWindow(GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &mi);
        rcWork = mi.rcWork;
        ::SetWindowPos(hPlayer, nullptr, rcWork.left + (rcWork.Width() - rcPlayer.Width()) / 2,
                       rcWork.top + (rcWork.Height() - rcPlayer.Height()) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

LRESULT CMeetingLayer::OnViewerRequest(WPARAM wParam, LPARAM lParam)
{
    if (!m_pMeeting) return 0;
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    switch ((int)wParam) {
    case 0: {
        CString id;
        id.Format(L"%d", (int)lParam);
        RequestViewerPage(id);
        break;
    }
    case 1:
        if (m_pBoardLayer) m_pBoardLayer->MovePage((int)lParam);
        break;
    case 514: {
        CMeetingDocument* pDocument = m_pMeeting->GetDocumentByIndex((int)lParam);
        if (!pDocument || !m_pDocViewer || !m_pDocViewer->GetSafeHwnd()) break;
        if (m_pDocViewer->IsEqual(m_strMeetingId, pDocument->GetFileId())) {
            CWhiteboardLog::Log(1, L"CMeetingLayer:: m_pDocViewer->IsEqual mtngId:%s, fileId:%s", m_strMeetingId.GetString(),
                                pDocument->GetFileId().GetString());
        } else {
            m_pDocViewer->OpenDocument(m_strMeetingId, pDocument->GetFileId(), pDocument->GetFileName(),
                                       pDocument->IsRefDoc());
            RequestViewerPage(pDocument->GetFileId());
        }
        m_pDocViewer->ShowViewer();
        break;
    }
    default:
        break;
    }
    return 0;
}

void CMeetingLayer::SendPageCommand(int nCommand, int nPage)
{
    const CString strDocument = GetCurrentDocumentId();
    if (strDocument.IsEmpty()) return;
    Listen();
    CTasClientManager::GetInstance()->RequestM00000100(strDocument, nCommand, nPage);
}

void CMeetingLayer::ApplyPageCommand(const CString& strDocumentId, int nCommand, int nPage, int nTotalPage,
                                     int nRequestPage)
{
    if (!m_pMeeting) return;
    m_pMeeting->SetWhiteboardPageCount(strDocumentId, nCommand, nPage, nTotalPage);
    if (!m_pBoardLayer) return;
    // Only the page added or deleted changes: the drawing on every other page stays.
    if (strDocumentId == m_strBoardDocumentId) {
        if (nCommand == 1)
            m_pBoardLayer->AddWhiteBoardPage(nPage, nTotalPage, nRequestPage);
        else if (nCommand == 2)
            m_pBoardLayer->DelWhiteBoardPage(nPage, nTotalPage, nRequestPage);
    }
    m_pBoardLayer->MovePage(nPage);
    if (m_pInfoPanel) m_pInfoPanel->SelectPage(m_pBoardLayer->GetCurrentPage());
}

void CMeetingLayer::RefreshDocumentList(const CString& strFileType, int nRequest)
{
    if (!m_bHasMyFiles && strFileType.CompareNoCase(L"20") == 0) {
        Toast(IDS_NO_FILE_BOX);
        return;
    }
    SaveBoardChanges(1, FALSE, TRUE);
    if (m_pRightContainer) m_pRightContainer->RequestDocuments(strFileType, nRequest);
}

void CMeetingLayer::OpenBuiltInWhiteboard(BOOL bPost)
{
    if (bPost)
        PostMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)-1, 0);
    else
        SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)-1, 0);
}

// ---- the document viewer's questions ----

void CMeetingLayer::RequestViewerPages(const CString& strMtngId, const CString& strAttcFileId)
{
    Listen();
    m_viewerRequests.insert(CTasClientManager::GetInstance()->RequestM00000024(strMtngId, strAttcFileId, 1, 0, TRUE));
}

void CMeetingLayer::RequestViewerPage(const CString& strAttcFileId)
{
    RequestViewerPages(m_strMeetingId, strAttcFileId);
}

BOOL CMeetingLayer::GetBoardDocument(S_DOCVIEWER_DOCUMENT* pDocument)
{
    CMeetingDocument* pCurrent = m_pMeeting ? m_pMeeting->GetCurrentDocument() : nullptr;
    if (!pCurrent || !pDocument) return FALSE;
    pDocument->strMtngId = m_strMeetingId;
    pDocument->strAttcFileId = pCurrent->GetFileId();
    pDocument->strFileName = pCurrent->GetFileName();
    pDocument->nRefFlag = pCurrent->IsRefDoc();
    return TRUE;
}

void CMeetingLayer::MoveBoardPage(int nPage)
{
    if (m_pBoardLayer) m_pBoardLayer->MovePage(nPage);
}

void CMeetingLayer::SetBoardBookmarkPage(const CString& strAttcFileId, int nPage)
{
    m_lastPages[strAttcFileId] = nPage;
}

void CMeetingLayer::OpenOnBoard(const CString& strAttcFileId)
{
    if (!m_pMeeting) return;
    const int index = m_pMeeting->GetDocumentIndex(strAttcFileId);
    if (index >= 0) SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)index, 0);
}

int CMeetingLayer::GetCurrentDocumentIndex()
{
    return m_pMeeting ? (m_pMeeting->GetDocumentIndex(GetCurrentDocumentId()) < 0 ? 0
                                                                                  : m_pMeeting->GetDocumentIndex(GetCurrentDocumentId()))
                      : 0;
}
