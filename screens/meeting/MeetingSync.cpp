// Following the presenter and sharing: the single sync state, the presenter and follow commands
// of the board's bars, the page-sync and presenter-view replies and the presenter's page pushes.
#include "core/ClientMessages.h"
#include "screens/meeting/MeetingLayer.h"

#include "ui/host/MainDlg.h"
#include "core/JsonHelpers.h"
#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "features/documents/DocViewerDlg.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "resources/resource.h"
#include "screens/meeting/MeetingRules.h"
#include "screens/meeting/RightContainerWnd.h"
#include "whiteboard/board/BoardLayer.h"

int CMeetingLayer::GetOptMode() const
{
    return m_pBoardLayer && m_pBoardLayer->HasOptBar() ? m_pBoardLayer->GetOptMode() : m_nOptMode;
}

void CMeetingLayer::SetOptMode(int nMode)
{
    m_nOptMode = nMode;
    if (m_pBoardLayer) m_pBoardLayer->SetOptMode(nMode);
}

void CMeetingLayer::ApplySyncState(int nState)
{
    m_bPageSync = nState;
    if (m_pBoardLayer) m_pBoardLayer->SetShareMode(nState);
    const BOOL bLocked = CMeetingManager::GetInstance()->IsPresenterMe() || IsMeetingClosed() || nState == 0;
    if (m_pRightContainer) m_pRightContainer->OnThumbnailState(bLocked);
    if (m_pInfoPanel) m_pInfoPanel->OnSyncStateChanged(bLocked, nState);
    if (!m_bLoading)
        if (IZELMainDlg* pMain = GetMainDlg()) pMain->EnableRefreshButton(nState == 0 || IsMeetingClosed());
}

void CMeetingLayer::ShowSyncButtons(BOOL bOn)
{
    if (IBoardOptBar* pBar = m_pBoardLayer ? m_pBoardLayer->GetOptBar() : nullptr) pBar->ShowWhiteboardButtons(bOn);
}

void CMeetingLayer::RequestPresenceAndSync(int nState)
{
    m_bSyncPending = TRUE;
    m_nPendingSyncState = nState;
    Listen();
    CTasClientManager::GetInstance()->RequestM00000004(m_strMeetingId, GetCurrentDocumentId());
}

void CMeetingLayer::SetPendingFollow(const CString& strMeetingId, const CString& strDocumentId, int nOption)
{
    m_strOtherMeetingId = strMeetingId;
    m_strPendingDocumentId = strDocumentId;
    m_nFollowOption = nOption;
}

void CMeetingLayer::SetFollowPresenter(const CString& strMeetingId, const CString&, int, int bOn)
{
    if (!bOn && strMeetingId != m_strMeetingId) return;
    if (bOn && !m_bPageSync) {
        if (strMeetingId != m_strMeetingId) m_strOtherMeetingId = strMeetingId;
        m_bAnnounceFollow = TRUE;
        m_bPageSync = TRUE;
        m_bDocumentValid = TRUE;
        Listen();
        CTasClientManager::GetInstance()->RequestM00000021(strMeetingId, FALSE);
        return;
    }
    if (!bOn && m_bPageSync) SetOptMode(5);
    ApplySyncState(bOn);
    if (m_pDocViewer && m_pDocViewer->GetSafeHwnd()) m_pDocViewer->HoldChangeButton();
}

LRESULT CMeetingLayer::OnSyncCommand(WPARAM wParam, LPARAM)
{
    switch ((int)wParam) {
    case 0:
        ApplySyncState(1);
        m_bPageSync = FALSE;
        break;
    case 1:
        ApplySyncState(0);
        m_bPageSync = FALSE;
        break;
    case 2:
    case 3:
        // The bare page or a report receiver's drawing: ending the sharing put the bars and the
        // canvas back on the user's own drawing, so the chosen view is set again on both.
        ApplySyncState(0);
        m_bPageSync = FALSE;
        if (m_pBoardLayer) {
            if (CBoardDrawCtrl* pCanvas = m_pBoardLayer->GetCanvas()) pCanvas->SetPresentationMode((int)wParam);
            SetOptMode((int)wParam);
            if (wParam == 3) m_pBoardLayer->UpdateFavorite();
        }
        break;
    case 4:
    case 7:
        StartShareOrFollow((int)wParam);
        break;
    case 5:
        StopShare();
        break;
    default:
        break;
    }
    return 0;
}

void CMeetingLayer::StartShareOrFollow(int nCode)
{
    const BOOL bPresenter = CMeetingManager::GetInstance()->IsPresenterMe();
    const int r = SaveBoardChanges(bPresenter ? 2 : 3, FALSE, TRUE);
    if (nCode == 4 && bPresenter && IsWhiteboardDocument()) {
        SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)-2, 0);
        m_seams.sleep(1000);
    }
    if (r == 1) {
        m_strPendingDocumentId = GetCurrentDocumentId();
        return;
    }
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    Listen();
    if (bPresenter) {
        const CString strDocument = GetCurrentDocumentId();
        pTas->RequestM00000015(m_strMeetingId, strDocument, TRUE, GetCurrentPage(), TRUE, FALSE, FALSE);
        CBoardDrawCtrl* pCanvas = m_pBoardLayer ? m_pBoardLayer->GetCanvas() : nullptr;
        const POINT origin = pCanvas ? pCanvas->GetOrigin() : POINT{0, 0};
        pTas->RequestM00000048(m_strMeetingId, strDocument, pCanvas ? pCanvas->GetZoom() : 0.0f, origin.x, origin.y);
    } else {
        m_bPageSync = TRUE;
        pTas->RequestM00000021(m_strMeetingId, FALSE);
    }
}

void CMeetingLayer::StopShare()
{
    if (CMeetingManager::GetInstance()->IsPresenterMe()) {
        IZELMainDlg* pMain = GetMainDlg();
        CString text, caption;
        text.LoadString(IDS_STOP_SHARING_QUESTION);
        caption.LoadString(IDS_POPUP_TITLE);
        if (!pMain || pMain->ShowMessagePopup(caption, text, 137, nullptr, TRUE) != IDOK) return;
    }
    Listen();
    SyncOff(GetCurrentDocumentId());
    if (IsWhiteboardDocument()) {
        m_seams.sleep(1000);
        PostMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)-1, 0);
    }
}

void CMeetingLayer::OnReceiveM00000015(CTasResponse* pReply)
{
    IZELMainDlg* pMain = GetMainDlg();
    if (m_bLeaving || pReply->GetStatusCode() != 0 || !pMain || pMain->GetScreenMode() != ZEL_MODE_MEETING) return;
    const Json::Value* pBody = pReply->GetBody();
    if (!pBody) return;
    const Json::Value& body = *pBody;
    const BOOL bAnother = GetJsonFlag(body, "anotherSyncYn");
    const int page = GetJsonInt(body, "page");
    if (GetJsonInt(body, "status") != 0) return;
    const BOOL bPresenter = CMeetingManager::GetInstance()->IsPresenterMe();
    const int lastSync = CTasClientManager::GetInstance()->GetLastSyncYn();
    const int nOptMode = GetOptMode();
    if (nOptMode == 4) {
        if (!bPresenter && lastSync) {
            if (m_pBoardLayer && m_pBoardLayer->GetCurrentPage() != page) m_pBoardLayer->MovePage(page);
            if (m_bAnnounceFollow) {
                Toast(IDS_FOLLOW_STARTED);
                m_bAnnounceFollow = FALSE;
                ApplySyncState(m_bPageSync);
            }
            return;
        }
        if (!(bPresenter && page > 0)) {
            if (IsWindowVisible()) Toast(bPresenter ? IDS_SHARE_NO_PAGE : IDS_FOLLOW_REFUSED);
            SetOptMode(5);
            m_bPageSync = FALSE;
        }
    } else if (nOptMode == 5) {
        // What was shared on the pages before is asked for again as the pages are shown.
        if (m_pBoardLayer) m_pBoardLayer->OnPageSyncReply();
        if (!lastSync) return;
        if (bPresenter) {
            Toast(IDS_SHARE_STARTED);
            if (m_pBoardLayer) m_pBoardLayer->MovePage(m_pBoardLayer->GetCurrentPage());
        } else if (bAnother) {
            m_bPageSync = TRUE;
            Listen();
            CTasClientManager::GetInstance()->RequestM00000021(m_strMeetingId, FALSE);
            ApplySyncState(m_bPageSync);
            return;
        } else {
            Toast(IDS_FOLLOW_STARTED);
            if (m_pBoardLayer) {
                m_pBoardLayer->MovePage(page);
                m_pBoardLayer->ApplyPendingZoom();
            }
            m_bAnnounceFollow = FALSE;
        }
        SetOptMode(4);
        m_bPageSync = TRUE;
    }
    ApplySyncState(m_bPageSync);
    if (m_pDocViewer && m_pDocViewer->GetSafeHwnd()) m_pDocViewer->HoldChangeButton();
}

void CMeetingLayer::OnReceiveM00000021(CTasResponse* pReply)
{
    EndLoading();
    if (pReply->GetStatusCode() != 0 || !m_pMeeting) return;
    const Json::Value* pBody = pReply->GetBody();
    if (!pBody) return;
    const Json::Value& body = *pBody;
    const std::string status = GetJsonUtf8(body, "mtngStatus");
    m_pMeeting->SetSyncStatus(status);
    const CString strDocument = GetJsonString(body, "attcFileId");
    const int page = GetJsonInt(body, "page");
    CString zoomText = GetJsonString(body, "zoomFactor");
    if (zoomText == L"-1") zoomText = L"0";
    const float zoom = (float)_wtof(zoomText);
    const int originX = _wtoi(GetJsonString(body, "originX"));
    const int originY = _wtoi(GetJsonString(body, "originY"));
    CTasClientManager* pTas = CTasClientManager::GetInstance();

    if (!m_bPageSync && !strDocument.IsEmpty()) {
        ShowDocument(strDocument, 1);
        if (m_bFollowOnEntry) {
            m_bFollowOnEntry = FALSE;
            m_bPageSync = TRUE;
        }
    }
    if (m_strOtherMeetingId.IsEmpty() && atoi(status.c_str()) == 2 && !strDocument.IsEmpty() &&
        CMeetingManager::GetInstance()->IsPresenterMe()) {
        ShowDocument(strDocument, 1);
        Listen();
        pTas->RequestM00000015(m_strMeetingId, strDocument, TRUE, 1, FALSE, FALSE, FALSE);
        return;
    }
    if (m_bPageSync && strDocument.IsEmpty()) {
        ApplySyncState(0);
        Toast(IDS_PRESENTER_NO_DOCUMENT);
        return;
    }
    if (m_bPageSync) {
        if (!IsKeyNavigationMode() && m_pBoardLayer) m_pBoardLayer->SetPendingZoom(zoom, originX, originY);
        if (!m_strOtherMeetingId.IsEmpty() && m_strOtherMeetingId != m_strMeetingId) {
            KillTimer(TIMER_PRESENCE);
            EnterMeeting(m_strOtherMeetingId);
            m_bPageSync = TRUE;
            return;
        }
        if (GetCurrentDocumentId() != strDocument) ShowDocument(strDocument, 1);
        Listen();
        pTas->RequestM00000015(m_strMeetingId, strDocument, TRUE, page, FALSE, FALSE, FALSE);
        // On the presenter's whiteboard the follower's bars show the whiteboard's buttons.
        const BOOL bWhiteboard = IsWhiteboardDocument();
        ShowSyncButtons(bWhiteboard);
        SetWhiteboardMode(bWhiteboard);
        return;
    }
    m_pMeeting->SelectDocumentOrFirst(m_strPresenceDocumentId);
    ShowDocument(L"", 1);
}

void CMeetingLayer::OnSyncPagePush(const CString& strMeetingId, const CString& strDocumentId, int nPage, int nShowCmd)
{
    if (!m_pMeeting || strMeetingId != m_strMeetingId) return;
    CMeetingDocument* pDocument = m_pMeeting->FindDocument(strDocumentId);
    if (!pDocument) return;
    if (!m_bPageSync) {
        ShowDocumentToast(pDocument->GetFileName(), nShowCmd);
        return;
    }
    if (GetCurrentDocumentId() != strDocumentId) {
        m_strThumbFileId = strDocumentId;
        if (!CMeetingManager::GetInstance()->IsPresenterMe() && !GetCurrentDocumentId().IsEmpty() && HasUnsavedDrawing())
            StartBoardSave(1);
        Listen();
        CTasClientManager::GetInstance()->RequestM00000015(m_strMeetingId, strDocumentId, TRUE, 0, FALSE, FALSE, FALSE);
        ShowDocumentToast(pDocument->GetFileName(), nShowCmd);
        if (_wtoi(strDocumentId) != 0) m_lastPages[strDocumentId] = nPage;
        m_nDocumentSource = 0;
        OpenDocument(TRUE, pDocument, nPage);
        return;
    }
    if (m_pBoardLayer && m_pBoardLayer->GetCurrentPage() != nPage) {
        m_pBoardLayer->MovePage(nPage);
        if (m_pInfoPanel) m_pInfoPanel->SelectPage(nPage);
    }
}

void CMeetingLayer::ShowDocumentToast(const CString& strName, int nShowCmd)
{
    if (!MeetingRules::ShouldShowDocumentToast(nShowCmd, IsWindowVisible())) return;
    CString shortFormat, longFormat;
    shortFormat.LoadString(IDS_DOC_TOAST);
    longFormat.LoadString(IDS_DOC_TOAST_LONG);
    Toast(MeetingRules::DocumentToastText(strName, shortFormat, longFormat));
}
