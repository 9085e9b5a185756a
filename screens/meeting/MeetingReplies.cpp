// The application server's replies while the meeting screen is the reply window.
#include "core/ClientMessages.h"
#include "screens/meeting/MeetingLayer.h"

#include "ui/host/MainDlg.h"
#include "ui/host/TitleBar.h"
#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "features/documents/DocViewerDlg.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "resources/resource.h"
#include "screens/meeting/MeetingRules.h"
#include "screens/meeting/RightContainerWnd.h"
#include "ui/controls/OkCancelDlg.h"
#include "whiteboard/WhiteboardLog.h"
#include "whiteboard/board/BoardLayer.h"

namespace {

const Json::Value& BodyOf(CTasResponse* pReply)
{
    static const Json::Value kNull;
    const Json::Value* pBody = pReply ? pReply->GetBody() : nullptr;
    return pBody ? *pBody : kNull;
}

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

}  // namespace

LRESULT CMeetingLayer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Replies: WM_USER+99+n for "M" n up to 64, WM_USER+100+n from 67 on.
    if (message >= WM_USER + 99 && message <= WM_USER + 200) {
        const int offset = (int)(message - WM_USER);
        HandleReply(offset <= 163 ? offset - 99 : offset - 100, reinterpret_cast<CTasResponse*>(lParam));
        return 0;
    }
    return CZELWnd::WindowProc(message, wParam, lParam);
}

void CMeetingLayer::HandleReply(int n, CTasResponse* pReply)
{
    if (!pReply) return;
    const Json::Value& body = BodyOf(pReply);
    const int status = pReply->GetStatusCode();
    switch (n) {
    case 4: OnReceiveM00000004(pReply); break;
    case 5: OnReceiveM00000005(pReply); break;
    case 6:
        // The photo travels as the reply's attachment.
        if (IsWindowVisible() && m_pInfoPanel)
            m_pInfoPanel->OnUserProfile(body, pReply->GetRawBody(), pReply->GetRawBodyLength());
        break;
    case 8: OnReceiveM00000008(pReply); break;
    case 10: OnSaveReply(pReply); break;
    case 11:
        if (m_pBoardLayer)
            m_pBoardLayer->OnReceiveM00000011(body, status, pReply->GetRawBody(), pReply->GetRawBodyLength());
        break;
    case 15: OnReceiveM00000015(pReply); break;
    case 18:
        if (m_pInfoPanel) m_pInfoPanel->OnAttendeeConfirm(body, status == 0 && GetJsonInt(body, "status") == 0);
        break;
    case 21: OnReceiveM00000021(pReply); break;
    case 24:
        if (IsViewerReply(pReply)) {
            if (m_pDocViewer) m_pDocViewer->OnReceiveM00000024(pReply);
        } else {
            // A refused page image brings no page: the loading ends here.
            if (status != 0) EndLoading();
            if (m_pBoardLayer) m_pBoardLayer->OnReceiveM00000024(body, status);
        }
        break;
    case 31:
        // The message shows at once as sent; a failed send marks it as not sent. The history is
        // not fetched again: its newest page would be appended after the messages shown.
        if (m_pRightContainer) m_pRightContainer->OnChatReply(pReply);
        break;
    case 32:
        if (m_pRightContainer) {
            m_pRightContainer->OnChatReply(pReply);
            IZELMainDlg* pMain = GetMainDlg();
            ITitleBar* pTitle = pMain ? pMain->GetTitleLayer() : nullptr;
            if (pTitle && status == 0) pTitle->SetChatButtonState(m_pRightContainer->GetChatItemCount() > 0, 0);
        }
        break;
    case 39:
        if (m_pBoardLayer) m_pBoardLayer->OnReceiveM00000039(body, status);
        break;
    case 46: OnReceiveM00000046(pReply); break;
    case 47: OnReceiveM00000047(pReply); break;
    case 52: OnReceiveM00000052(pReply); break;
    case 63:
        EndLoading();
        if (m_pBoardLayer) m_pBoardLayer->OnReceiveM00000063(body, status);
        break;
    case 64:
        // The notes take what was saved first; then the save it belongs to may end.
        if (m_pBoardLayer) m_pBoardLayer->OnReceiveM00000064(body, status);
        OnMemoSaveReply(pReply);
        break;
    case 67: OnReceiveM00000067(pReply); break;
    case 69: OnReceiveM00000069(pReply); break;
    case 70: OnReceiveM00000070(pReply); break;
    case 74:
        if (status == 0)
            CWhiteboardLog::Log(2, L"Receive(M00000074), Chatting ON/OFF result success >>> %d", status);
        else
            CWhiteboardLog::Log(4, L"Receive(M00000074), Chatting ON/OFF result fail >>> %d", status);
        break;
    case 76:
        if (status == 0)
            CWhiteboardLog::Log(2, L"Receive(M00000076), Approval confirm result success >>> %d", status);
        else
            CWhiteboardLog::Log(4, L"Receive(M00000076), Approval confirm result fail >>> %d", status);
        break;
    case 78:
        if (m_pBoardLayer) m_pBoardLayer->OnReceiveM00000078(body, status);
        break;
    case 79:
        if (GetJsonInt(body, "status") != 0)
            CWhiteboardLog::Log(4, L"OnReceiveM00000079 error >>> %d", GetJsonInt(body, "status"));
        break;
    case 100: OnReceiveM00000100(pReply); break;
    default: break;   // read-only or unhandled replies
    }
}

BOOL CMeetingLayer::IsViewerReply(CTasResponse* pReply)
{
    const BOOL bAsked = m_viewerRequests.erase(pReply->GetTransactionIdNumber()) > 0;
    const Json::Value& body = BodyOf(pReply);
    if (body.isObject() && body.isMember("isPIP")) return GetJsonFlag(body, "isPIP") != 0;
    return bAsked;
}

void CMeetingLayer::OnReceiveM00000004(CTasResponse* pReply)
{
    if (!m_pMeeting || pReply->GetStatusCode() != 0) return;
    const Json::Value& body = BodyOf(pReply);
    m_pMeeting->SetStatus(GetJsonUtf8(body, "mtngStatus").empty() ? "04" : GetJsonUtf8(body, "mtngStatus"));
    const Json::Value* pList = FindJsonMember(body, "list");
    m_pMeeting->SetAttendees(pList ? *pList : Json::Value(Json::arrayValue));
    if (m_pInfoPanel) m_pInfoPanel->OnAttendeeList(body);
    // The user's own entry says whether his approval is still pending: the board's selector follows.
    SetApprovalPending(IsApprovalPending());
    if (m_pRightContainer) m_pRightContainer->SetChatState(IsMeetingClosed(), PresenterOrMain(), TRUE);
    // The chairman's status button (start, end, restart, a report's decisions) on the option bar.
    if (m_pBoardLayer) m_pBoardLayer->ShowOptTypeButtons(m_pMeeting->GetStatus(), PresenterOrMain());
    if (m_bPageSync && m_bSyncPending) ApplySyncState(m_nPendingSyncState);
    m_bSyncPending = FALSE;
}

void CMeetingLayer::OnReceiveM00000005(CTasResponse* pReply)
{
    if (!m_pMeeting) return;
    CWhiteboardLog::Log(2, L"미팅 상세 정보 초기화!");
    IZELMainDlg* pMain = GetMainDlg();
    if (pReply->GetStatusCode() != 0) {
        EndLoading();
        if (pMain) {
            pMain->ShowConfirmPopup(LoadText(IDS_MEETING_DETAIL_FAILED));
            pMain->SetScreenMode(ZEL_MODE_LIST, CString());
        }
        LeaveMeeting();
        return;
    }
    const Json::Value& body = BodyOf(pReply);
    if (GetJsonString(body, "mtngId") != m_strMeetingId) {
        CWhiteboardLog::Log(2, L"old meeting's M00000005 response is incoming...so ignore it");
        return;
    }
    m_strMinutesId = GetJsonString(body, "minutesId");
    if (!m_strMinutesId.IsEmpty() && m_strMinutesId != L"0") {
        // A look-up only: making the minutes current, even for a moment, could delete the open
        // meeting's record when a list fill had set it aside.
        CMeetingManager* pManager = CMeetingManager::GetInstance();
        pManager->FindOrCreateMeeting(m_strMinutesId, L"10");
        m_pMinutesMeeting = pManager->FindMeeting(m_strMinutesId);
        if (m_pMinutesMeeting) m_pMinutesMeeting->SelectDocument(L"");
    }
    const Json::Value* pMine = FindJsonMember(body, "myFilelist");
    m_bHasMyFiles = pMine && pMine->isArray() && pMine->size() > 0;
    m_strVoicePermitYn = GetJsonString(body, "voicePermitYn");
    const Json::Value* pList = FindJsonMember(body, "list");
    CString strFirst;
    if (pList && pList->isArray() && pList->size() > 0) strFirst = GetJsonString((*pList)[0], "attcFileId");
    m_strOpenedDocumentId = GetCurrentDocumentId();
    if (m_strOpenedDocumentId.IsEmpty()) m_strOpenedDocumentId = strFirst;
    CWhiteboardLog::Log(2, L"회의록Id, fileId, MeetingId : %s, %s, %s", m_strMinutesId.GetString(),
                        strFirst.GetString(), m_strMeetingId.GetString());
    ApplyMeetingDetail(body);
}

void CMeetingLayer::ApplyMeetingDetail(const Json::Value& body)
{
    m_pMeeting->LoadFromJson(body);
    RefindOpenPending();
    if (m_pInfoPanel) m_pInfoPanel->SetMeetingDetail(body);
    const std::vector<CMeetingDocument*>& documents = m_pMeeting->GetDocuments();
    if (m_pRightContainer) {
        m_pRightContainer->SetActiveDocumentPane(L"10", TRUE);
        m_pRightContainer->SetDocuments(documents);
        m_pRightContainer->ShowDocumentPane(L"10", TRUE);
    }
    if (m_pBoardLayer) {
        std::vector<CString> ids;
        for (CMeetingDocument* p : documents) ids.push_back(p->GetFileId());
        m_pBoardLayer->SetDocumentList(ids);
        m_pBoardLayer->SetMeetingTime(body);
    }
    const BOOL bChatOn = GetJsonString(body, "chattingYn") != L"N";
    if (m_pRightContainer) m_pRightContainer->SetChatState(IsMeetingClosed(), PresenterOrMain(), bChatOn);

    if (IsMeetingRunning()) {
        if (m_pRightContainer) m_pRightContainer->ResetChat(FALSE);
        Listen();
        CTasClientManager::GetInstance()->RequestM00000021(m_strMeetingId, FALSE);
    } else {
        m_bPageSync = FALSE;
        EndLoading();
        CMeeting* pMeeting = DocumentMeeting();
        CMeetingDocument* pBefore = pMeeting->GetCurrentDocument();
        if (!pBefore) {
            if (m_bMinutesDocument)
                pMeeting->SelectFirstDocument();
            else
                pMeeting->SelectDocumentOrFirst(m_strPresenceDocumentId);
        }
        CMeetingDocument* pNow = pMeeting->GetCurrentDocument();
        if (!pNow) {
            // Nothing to show: the canvas says so (an ended meeting has nothing more to come).
            if (CBoardDrawCtrl* pCanvas = m_pBoardLayer ? m_pBoardLayer->GetCanvas() : nullptr) {
                if (IsMeetingClosed())
                    pCanvas->SetLoadingProgress(7);
                else
                    pCanvas->RestartLoading();
            }
        } else {
            CWhiteboardLog::Log(2, L"현재 fileId, 첫번째 fileId : %d, %d", pBefore ? _wtoi(pBefore->GetFileId()) : 0,
                                _wtoi(pNow->GetFileId()));
            if (pBefore != pNow || m_strBoardDocumentId != pNow->GetFileId()) OpenDocument(FALSE, pNow, 1);
        }
    }
    ApplySyncState(m_bPageSync);
    if (IsMeetingClosed()) ShowClosedMeetingView();
    if (m_pRightContainer) m_pRightContainer->UpdateTitle();
    CheckAttendance();
    UpdateLayout();
}

void CMeetingLayer::ShowClosedMeetingView()
{
    if (!m_pBoardLayer) return;
    // A document entered from the detail's feedback is only looked at: the receiver's drawing,
    // with no tools and no other view; otherwise the user draws on his own layer.
    const BOOL bLookOnly = m_nEntryDocument != 0;
    if (CBoardDrawCtrl* pCanvas = m_pBoardLayer->GetCanvas()) pCanvas->SetPresentationMode(bLookOnly ? 3 : 0);
    SetOptMode(bLookOnly ? 3 : 1);
    if (IBoardOptBar* pBar = m_pBoardLayer->GetOptBar()) {
        pBar->EnableTabButtons(!bLookOnly);
        pBar->EnablePalette(!bLookOnly);
    }
    if (IStickyNoteView* pNotes = m_pBoardLayer->GetStickyNote()) pNotes->SetLocked(bLookOnly);
}

void CMeetingLayer::CheckAttendance()
{
    if (!m_pMeeting) return;
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    const int status = m_pMeeting->GetStatus();
    const int flag = m_pMeeting->GetAttendanceSent();
    if (m_pMeeting->IsReport()) {
        if ((status == 12 || status == 13) && !flag) {
            m_pMeeting->SetAttendanceSent(1);
            Listen();
            pTas->RequestM00000047(m_strMeetingId, L"Y");
        }
        return;
    }
    const BOOL bShare = m_pMeeting->CanShare();
    if (status == 2 && !flag && !bShare) {
        m_pMeeting->SetAttendanceSent(1);
        pTas->RequestM00000047(m_strMeetingId, L"Y");
    } else if (status == 1 && !flag && m_pMeeting->GetMeetingTypeNumber() == 2) {
        m_pMeeting->SetAttendanceSent(1);
        pTas->RequestM00000047(m_strMeetingId, L"Y");
    } else if (status != 2 && flag && !bShare) {
        m_pMeeting->SetAttendanceSent(0);
        pTas->RequestM00000004(m_strMeetingId, GetCurrentDocumentId());
    }
}

void CMeetingLayer::OnReceiveM00000047(CTasResponse* pReply)
{
    IZELMainDlg* pMain = GetMainDlg();
    const int status = pReply->GetStatusCode();
    if (status == 0) {
        if (pMain && pMain->GetScreenMode() == ZEL_MODE_MEETING && m_pMeeting && m_pMeeting->GetAttendanceSent())
            CTasClientManager::GetInstance()->RequestM00000004(m_strMeetingId, GetCurrentDocumentId());
    } else if (status == 15000) {
        if (m_pMeeting) m_pMeeting->SetAttendanceSent(0);
        CString text;
        text.Format(IDS_ATTENDANCE_REFUSED, status);
        if (pMain) pMain->ShowConfirmPopup(text);
        SendMessage(WM_MEETING_BACK_TO_DETAIL, 1, 0);
        return;
    }
    if (m_pMeeting && m_pMeeting->GetStatus() == 2 && m_pMeeting->GetAttendanceSent() && MayRefreshPresence())
        SetTimer(TIMER_PRESENCE, 90000, nullptr);
    else
        KillTimer(TIMER_PRESENCE);
}

void CMeetingLayer::OnReceiveM00000008(CTasResponse* pReply)
{
    IZELMainDlg* pMain = GetMainDlg();
    if (pReply->GetStatusCode() != 0) {
        if (pMain) {
            pMain->ShowConfirmPopup(LoadText(IDS_DOCUMENT_LIST_FAILED));
            pMain->SetScreenMode(ZEL_MODE_LIST, CString());
        }
        LeaveMeeting();
        return;
    }
    if (!m_pMeeting) return;
    const Json::Value& body = BodyOf(pReply);
    const CString kind = GetJsonString(body, "fileType").CompareNoCase(L"20") == 0 ? L"20" : L"10";
    const Json::Value* pList = FindJsonMember(body, "list");
    if (m_pRightContainer) m_pRightContainer->SetActiveDocumentPane(kind, TRUE);
    m_pMeeting->SetDocuments(pList ? *pList : Json::Value(Json::arrayValue), kind);
    RefindOpenPending();
    const std::vector<CMeetingDocument*>& documents = m_pMeeting->GetDocuments();
    if (m_pRightContainer) m_pRightContainer->SetDocuments(documents);
    if (m_pBoardLayer) {
        std::vector<CString> ids;
        for (CMeetingDocument* p : documents) ids.push_back(p->GetFileId());
        m_pBoardLayer->SetDocumentList(ids);
    }
    if (m_pRightContainer) m_pRightContainer->ShowDocumentPane(kind, TRUE);
}

void CMeetingLayer::OnReceiveM00000046(CTasResponse* pReply)
{
    if (m_strPendingDocumentId.IsEmpty() || pReply->GetStatusCode() != 0) return;
    const Json::Value& body = BodyOf(pReply);
    const int code = GetJsonIntOr(body, "statusCode", -1);
    if (code >= 1) {
        CMeetingDocument* pDocument = m_pMeeting ? m_pMeeting->FindDocument(m_strPendingDocumentId) : nullptr;
        if (!pDocument) return;
        pDocument->SetConverted(1);
        m_bSaveBeforeOpen = TRUE;
        m_bOpenPending = TRUE;
        SetOpenPending(pDocument, FALSE);
        OpenDocument(TRUE, pDocument, 1);
    } else if (code == 0) {
        Toast(IDS_CONVERSION_WAIT);
        if (m_pRightContainer) m_pRightContainer->SelectDocument(GetCurrentDocumentId());
    } else if (code == -312) {
        Toast(GetJsonString(body, "errMsg"));
    } else {
        Toast(IDS_CONVERSION_FAILED);
    }
}

void CMeetingLayer::OnReceiveM00000052(CTasResponse* pReply)
{
    const int status = pReply->GetStatusCode();
    if (status == 0) {
        Toast(IDS_ARCHIVE_DONE);
        return;
    }
    CString text = GetJsonString(BodyOf(pReply), "status_message");
    if (text.IsEmpty()) {
        if (status == 21) text = L"최대 파일 첨부 크기 초과하였습니다.";
        if (status == 22) text = L"자료를 업로드할 수 있는 용량이 초과되었습니다.";
    }
    CWhiteboardLog::Log(4, L"OnReceiveM00000052 >>> %d, %s", status, text.GetString());
    ShowOkCancel(text, LoadText(IDS_POPUP_TITLE), TRUE, FALSE);
}

void CMeetingLayer::OnReceiveM00000067(CTasResponse* pReply)
{
    if (pReply->GetStatusCode() != 0) return;
    const Json::Value& body = BodyOf(pReply);
    const int total = GetJsonInt(body, "totalPage");
    const int start = GetJsonInt(body, "startIdx");
    const int favourites = GetJsonInt(body, "totalFavoriteCnt");
    CWhiteboardLog::Log(2, L"Total Page : [%d], Start Page : [%s], BookMark count : [%d]", total,
                        GetJsonString(body, "startIdx").GetString(), favourites);
    const CString strFile = GetJsonString(body, "attcFileId");
    if (strFile != m_strThumbFileId) {
        CWhiteboardLog::Log(2, L"M00000067 >>> Refresh");
        return;
    }
    if (total < 1) {
        CWhiteboardLog::Log(4, L"M00000067 >>> The page is not invalid.");
        return;
    }
    if (m_thumbPages.IsEmpty()) {
        m_thumbPages.CreatePages(total);
        // Until the batches tell, no page is known to be a favourite.
        SetFavouriteChecks(FALSE);
        CWhiteboardLog::Log(2, L"M00000067 >>> Create thumnail page : %s", m_strThumbFileId.GetString());
    }
    const Json::Value* pList = FindJsonMember(body, "list");
    const char* pRaw = pReply->GetRawBody();
    const long long rawLength = pReply->GetRawBodyLength();
    long long offset = 0;
    int page = start < 1 ? 1 : start;
    const int count = pList && pList->isArray() ? (int)pList->size() : 0;
    for (int i = 0; i < count; ++i) {
        const Json::Value& item = (*pList)[i];
        const auto pPage = m_thumbPages.GetPage(page);
        if (!pPage) {
            if (m_pRightContainer) m_pRightContainer->OnThumbnailState(1);
            CWhiteboardLog::Log(4, L"M00000067 >>> Thumnail page error! , m_strThumbFileID : %s, fileId : %s, count : %d",
                                m_strThumbFileId.GetString(), strFile.GetString(), page);
            return;
        }
        const long long size = GetJsonInt(item, "size");
        // The list's sizes must stay inside the attachment: a short or wrong reply stops the batch.
        if (!pRaw || !MeetingRules::SliceFits(offset, size, rawLength) ||
            !pPage->SetImage(reinterpret_cast<const BYTE*>(pRaw + offset), (size_t)size)) {
            if (m_pRightContainer) m_pRightContainer->OnThumbnailState(1);
            CWhiteboardLog::Log(4, L"M00000067 >>> Thumnail stream error!");
            return;
        }
        const BOOL bFavourite = favourites > 0 && GetJsonString(item, "isFavorite") == L"Y";
        const std::string image(pRaw + offset, (size_t)size);
        if (i == 0 && start == 1) {
            if (m_pInfoPanel) {
                m_pInfoPanel->ClearThumbnails();
                m_pInfoPanel->InitThumbnails(total);
                m_pInfoPanel->ResetBookmarks();
            }
        }
        if (m_pInfoPanel) m_pInfoPanel->SetThumbnail(page, image, bFavourite);
        BOOL bTaken = bFavourite;
        if (bFavourite && !(i == 0 && start == 1)) {
            if (page == m_nBookmarkPage + 1)
                CWhiteboardLog::Log(2, L"북마크2 : %d", page);
            bTaken = MeetingRules::TakeBatchFavourite(page, m_nBookmarkPage);
        }
        if (bTaken) {
            pPage->SetFavorite(TRUE);
            if (m_pInfoPanel) m_pInfoPanel->AddBookmark(page, image);
            if (page == GetOptPageIndex()) MarkBoardPageFavourite(page);
        }
        offset += size;
        ++page;
    }
    if (JumpToSlidePage()) return;
    RequestNextThumbnails();
}

void CMeetingLayer::SetFavouriteChecks(BOOL bCheck)
{
    if (!m_pBoardLayer) return;
    if (IBoardOptBar* pOpt = m_pBoardLayer->GetOptBar()) pOpt->SetFavoriteCheck(bCheck);
    if (IBoardInfoBar* pInfo = m_pBoardLayer->GetInfoBar()) pInfo->SetFavoriteCheck(bCheck);
}

void CMeetingLayer::EnableFavouriteChecks(BOOL bEnable)
{
    if (!m_pBoardLayer) return;
    if (IBoardOptBar* pOpt = m_pBoardLayer->GetOptBar()) pOpt->EnableFavorite(bEnable);
    if (IBoardInfoBar* pInfo = m_pBoardLayer->GetInfoBar()) pInfo->EnableSync(bEnable);
}

void CMeetingLayer::MarkBoardPageFavourite(int nPage)
{
    // The board keeps the page's mark and shows it on both bars' checks.
    if (m_pBoardLayer && m_pBoardLayer->GetSafeHwnd())
        m_pBoardLayer->PostMessage(WM_SIDEPANEL_PAGE_FAVORITE, (WPARAM)nPage, 1);
}

BOOL CMeetingLayer::JumpToSlidePage()
{
    // The user moved the thumbnail strip's slide bar to pages not loaded yet: those come next,
    // instead of the batch after the last one.
    const int nPage = m_pInfoPanel ? m_pInfoPanel->GetThumbnailSlidePage() : 0;
    const auto pPage = m_thumbPages.GetPage(nPage);
    if (!pPage || pPage->HasImage() || pPage->m_bImageRequested)
        return FALSE;
    for (int n = 1; n <= m_thumbPages.GetPageCount(); ++n) {
        if (!m_thumbPages.GetPage(n)) return FALSE;
    }
    m_nBookmarkPage = nPage;
    RequestThumbnailPages(nPage);
    pPage->m_bImageRequested = TRUE;
    CWhiteboardLog::Log(2, L"썸네일 로딩 페이지(중복 요청 방지) : %d", nPage);
    return TRUE;
}

void CMeetingLayer::RequestNextThumbnails()
{
    const int total = m_thumbPages.GetPageCount();
    for (int n = 1; n <= total; ++n) {
        const auto pPage = m_thumbPages.GetPage(n);
        if (!pPage) return;
        if (!pPage->HasImage()) {
            // A page's favourite mark is not known before its batch: no toggling until then.
            EnableFavouriteChecks(FALSE);
            if (pPage->m_bImageRequested) return;
            m_nBookmarkPage = 0;
            pPage->m_bImageRequested = TRUE;
            RequestThumbnailPages(n);
            return;
        }
    }
    // Every page is here.
    m_bMinutesDocument = FALSE;
    if (m_pRightContainer) {
        m_pRightContainer->OnThumbnailState(1);
        m_pRightContainer->EnableMinutesList(TRUE);
    }
    EnableFavouriteChecks(TRUE);
    if (const auto pCurrent = m_thumbPages.GetPage(GetOptPageIndex())) {
        if (pCurrent->IsFavorite()) MarkBoardPageFavourite(pCurrent->m_nPageNumber);
    }
    if (m_pInfoPanel) {
        m_pInfoPanel->SortBookmarks();
        m_pInfoPanel->SelectPage(GetCurrentPage());
    }
    // The strip now selects the board's page, and that selection reaches the board as a user's
    // does; being the screen's own, it is not shared with the others again.
    if (m_pBoardLayer && m_pBoardLayer->GetSafeHwnd() && GetCurrentPage() > 0)
        m_pBoardLayer->SendMessage(WM_BOARD_SELECT_PAGE, (WPARAM)(GetCurrentPage() - 1), 0);
}

void CMeetingLayer::OnReceiveM00000069(CTasResponse* pReply)
{
    if (!m_pMeeting || pReply->GetStatusCode() != 0) return;
    const Json::Value& body = BodyOf(pReply);
    if (GetJsonString(body, "mtngId") != m_strMeetingId) {
        CWhiteboardLog::Log(2, L"old meeting's M00000069 response is incoming...so ignore it");
        return;
    }
    if (m_pRightContainer) m_pRightContainer->OnMinutesList(body, m_bMinutesValid);
    if (m_pMinutesMeeting) {
        const Json::Value* pList = FindJsonMember(body, "list");
        m_pMinutesMeeting->SetDocuments(pList ? *pList : Json::Value(Json::arrayValue), L"10");
        RefindOpenPending();
        if (m_pRightContainer) m_pRightContainer->SetMinutesDocuments(m_pMinutesMeeting->GetDocuments());
    }
}

void CMeetingLayer::OnReceiveM00000070(CTasResponse* pReply)
{
    const int status = pReply->GetStatusCode();
    CWhiteboardLog::Log(2, L"문서 유효기간 조회 Status Code : %s, %d", status != 0 ? L"fail" : L"0", status);
    if (status != 0) return;
    const Json::Value& body = BodyOf(pReply);
    const Json::Value* pResult = FindJsonMember(body, "result");
    m_bDocumentValid = pResult && pResult->isBool() ? pResult->asBool() : (pResult && GetJsonInt(body, "result") != 0);
    if (GetJsonString(body, "attcFileId") == L"0") {
        m_bMinutesValid = m_bDocumentValid;
        return;
    }
    if (m_bOpenPending && m_pOpenPendingDocument) {
        OpenDocument(FALSE, m_pOpenPendingDocument, 1);
        CWhiteboardLog::Log(2, L"M00000070 >>> Load Document");
    }
}

void CMeetingLayer::OnReceiveM00000100(CTasResponse* pReply)
{
    if (pReply->GetStatusCode() != 0) return;
    const Json::Value& body = BodyOf(pReply);
    if (GetJsonInt(body, "status") != 0) {
        CWhiteboardLog::Log(4, L"OnReceiveM00000100 error >>> %d", GetJsonInt(body, "status"));
        return;
    }
    const int page = GetJsonInt(body, "page");
    if (m_pBoardLayer) m_pBoardLayer->RequestPageSync(page);
    ApplyPageCommand(GetJsonString(body, "attcFileId"), GetJsonInt(body, "command"), page,
                     GetJsonInt(body, "totalPage"), GetJsonInt(body, "requestPage"));
}
