#pragma once
// CMeetingLayer: the in-meeting screen (mode 2 of the main dialog). It lays out the information
// side panel on the left, the board in the centre and the right-hand container, owns the separate
// document viewer, holds which meeting and document are open, enters and leaves meetings, follows
// the presenter, and is the application server's reply window while a meeting is open.
//
// Everything runs on the user-interface thread: replies come by SendMessage from the socket
// worker and are handled before the worker goes on; the reply object is not kept.
#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <memory>
#include <vector>

#include <json/json.h>

#include "ui/host/BoardScreen.h"
#include "ui/host/MeetingScreen.h"
#include "features/documents/DocViewerHost.h"
#include "features/documents/MeetingDocListHost.h"
#include "screens/meeting/MeetingPanelMakers.h"
#include "ui/controls/ZELWnd.h"
#include "whiteboard/MMPageManager.h"
#include "whiteboard/board/IBoardMeetingContext.h"

class CBoardLayer;
class CDocViewerDlg;
class CRightContainerWnd;
class CMeeting;
class CMeetingDocument;
class CTasResponse;

class CMeetingLayer : public CZELWnd,
                      public IMeetingScreen,
                      public IBoardLayer,
                      public IInfoLayer,
                      public IBoardMeetingContext,
                      public IMeetingDocListHost,
                      public IDocViewerHost {
public:
    static constexpr UINT kControlId = 22720;
    static constexpr UINT kInfoLayerId = 22730;
    enum : UINT_PTR { TIMER_PRESENCE = 6000, TIMER_STATUS_SAVE = 6001, TIMER_DETAIL = 6002 };

    // Outside-world seams (tests replace them): the player start, the file chosen for an upload,
    // the sleeps of the sharing switches.
    struct Seams {
        std::function<BOOL(const CString& strDirectory, const CString& strParameters)> startPlayer;
        std::function<CString(const CString& strKeyPath)> readPlayerFolder;
        std::function<BOOL(CString& strPath)> chooseUploadFile;
        std::function<void(DWORD ms)> sleep;
    };

    CMeetingLayer();
    ~CMeetingLayer() override;
    BOOL Create(CWnd* pParent, const CRect& rc);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    Seams& GetSeams() { return m_seams; }

    // ---- lifecycle and layout ----
    void UpdateLayout();
    // The three columns; in full view only the board, over the whole screen.
    void LayoutColumns(BOOL bFullView);
    void RelayoutPanels() override;
    void RecalcLayout() override;
    void EnterMeeting(const CString& strMeetingId) override;
    void StartMeeting(int bUsePage, int nPage) override;
    void LeaveMeeting() override;
    void LeaveMeetingByTitle() override;
    void LeaveMeetingByCommand(BOOL bReadBoard) override;
    void BeginLoading();
    void EndLoading();
    int SaveBoardChanges(int nAction, int bTwoButtons, int bSilent) override;
    void RunPendingAction(int nAction);
    void MarkMeetingEntered() override { m_bDocumentValid = TRUE; }
    void ForgetDocumentSource() override { m_nDocumentSource = 0; }
    int GetDocumentSource() const { return m_nDocumentSource; }

    // ---- accessors ----
    CMeeting* GetMeeting() const { return m_pMeeting; }
    CString GetMeetingId() override;
    CString GetMinutesId() const { return m_strMinutesId; }
    CString GetCurrentDocumentId() override;
    CString GetCurrentDocumentName();
    CString GetMeetingType() override { return m_strMeetingType; }
    CString GetCurrentMeetingType() override;
    BOOL IsMeetingType12() override;
    int GetMeetingTypeCode() override;
    int GetMeetingKind() override;
    int GetMeetingStatus() override;
    BOOL IsReport() override { return GetMeetingKind() == 30; }
    BOOL IsMeetingRunning() override;
    BOOL IsReportRunning();
    BOOL IsMeetingClosed();
    BOOL IsPageSync() override { return m_bPageSync; }
    void SetPageSync(BOOL bOn) override { m_bPageSync = bOn; }
    void EndPageSync(const CString& strDocumentId) override;
    BOOL IsSyncActive();
    BOOL IsVoicePermitted() { return m_strVoicePermitYn == L"Y"; }
    void SetVoicePermitted(BOOL bOn) override { m_strVoicePermitYn = bOn ? L"Y" : L"N"; }
    BOOL IsWhiteboardDocument() override;
    BOOL IsEmbeddedDocument(const CString& strDocumentId) override;
    BOOL IsKeyNavigationMode();
    BOOL HasUnsavedDrawing();
    BOOL HasUnsavedMemos();
    // Asks whether to save the board's and the notes' changes; a "no" gives them up (the notes
    // go back to what was saved, the pages are no longer marked for saving). TRUE: save them.
    BOOL AskSaveBoardChanges(BOOL bTwoButtons);
    BOOL IsVideoFile(const CString& strName);
    void MovePrevPage();
    void MoveNextPage();
    void HideDocumentViewer() override;
    void ShowStickyNoteIfWanted(BOOL bShow) override;
    void ShowRemainingTime() override;
    void RequestPresence() override;
    void RequestDocumentList(const CString& strFileType) override;
    void ToggleChat() override;
    int GetCurrentDocumentIndex() override;

    // ---- page synchronisation ----
    void ApplySyncState(int nState);
    void SetFollowPresenter(const CString& strMeetingId, const CString& strDocumentId, int nPage, int bOn) override;
    void SetPendingFollow(const CString& strMeetingId, const CString& strDocumentId, int nOption) override;
    void ClearOtherMeetingDocument() override { m_strOtherMeetingId.Empty(); m_strPendingDocumentId.Empty(); }
    void RequestPresenceAndSync(int nState) override;
    void OnSyncPagePush(const CString& strMeetingId, const CString& strDocumentId, int nPage, int nShowCmd) override;
    void ShowDocumentToast(const CString& strName, int nShowCmd);
    // The option bar's whiteboard buttons (close, add page) instead of its open and favourite ones.
    void ShowSyncButtons(BOOL bOn);

    // ---- documents ----
    void OpenDocument(BOOL bSaveFirst, CMeetingDocument* pDocument, int nPage);
    void ShowDocument(const CString& strAttcFileId, int nPage);
    void LoadCurrentDocument(int nPage);
    void RequestThumbnailPages(int nStartPage);
    void ClearThumbnails() override;
    void PlayVideo(const CString& strUrl);
    void SendPageCommand(int nCommand, int nPage) override;
    void RefreshDocumentList(const CString& strFileType, int nRequest) override;
    void ApplyPageCommand(const CString& strDocumentId, int nCommand, int nPage, int nTotalPage,
                          int nRequestPage) override;
    void OpenBuiltInWhiteboard(BOOL bPost) override;
    void OnRawMouseInput(POINT ptScreen, USHORT usButtonFlags) override;

    // ---- timers and status ----
    void OnMeetingStatusChanged(int nStatus) override;
    static LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    // The hook's decision for one key event: -1 previous page, 1 next page, 0 nothing.
    static int PageKeyStep(int nCode, WPARAM key, LPARAM flags, BOOL bVisible, BOOL bFullView);

    // ---- uploads and approvals ----
    BOOL UploadSignature(const CString& strMeetingId, const CString& strAttcFileId, const CString& strConfirmYn,
                         const CString& strConfirmDate, const CString& strImagePath) override;
    BOOL IsApprovalPending() override;
    void SetApprovalPending(BOOL bPending) override;

    // ---- right container relays ----
    void CloseMinutesViewer() override;
    void EnableChat(BOOL bOn) override;
    void OnChatPush(const CString& strUserName, const CString& strSentDate, const CString& strTime,
                    const CString& strMessage) override;
    void RefreshChatRecipients() override;
    BOOL IsChatOpen() override;
    void OnConnectionLost() override;

    // ---- the detail screen's entries and the minutes panel ----
    void EnterWithWhiteboard() override;
    void ShowWhiteboardShare() override;
    void ClearDocumentPages() override;
    void EnableBoard(BOOL bEnable) override;

    // ---- IBoardLayer (the main dialog's access to the board) ----
    void OnOptShare(int bOn, int nReserved) override;
    int GetCurrentPage() override;
    HWND GetBoardWindow() override;
    int GetOptPageIndex() override;
    void EnableInfoSync(BOOL bEnable) override;
    void AddRemoteLine(int nPage, const Json::Value& line) override;
    void RemoveLine(int nPage, const CString& strLineId) override;
    void ClearAllOverlays() override;
    void QueueRemoteZoom(float fZoom, int nOriginX, int nOriginY) override;
    void ShowRemotePointer(const CString& strMeetingId, int nUserId, const CString& strDocumentId, int nPage,
                           const CString& strX, const CString& strY, const CString& strColor, const CString& strSize,
                           const CString& strShape) override;
    // ---- IInfoLayer ----
    void SetWhiteboardMode(BOOL bWhiteboard) override;
    void ShowMainTab() override;

    // ---- IBoardMeetingContext ----
    void SetBoardDocumentId(const CString& documentId) override { m_strBoardDocumentId = documentId; }
    BOOL IsMeetingLive() override { return IsMeetingRunning(); }
    BOOL IsPresenterMe() override;
    int GetPresenterIdnfr() override;
    int GetReportReceiverId() override;
    BOOL TakeSkipPageSync() override;
    BOOL CanShare() override;
    BOOL IsDocumentFixed() override { return FALSE; }
    int GetDocumentCount() override;
    int GetSyncDocumentCount() override;
    BOOL IsBeyondSyncDocuments(int nIndex) override;
    BOOL IsPersonalWhiteboard() override;
    void OnPageFavoriteChanged(int nPage, BOOL bFavorite) override;
    void OnBoardPageShown(int nPage) override
    {
        if (m_pInfoPanel) m_pInfoPanel->SelectPage(nPage);
    }

    // ---- IMeetingDocListHost ----
    BOOL IsMeetingEnded() override { return IsMeetingClosed(); }
    BOOL IsDocumentListHidden() override { return FALSE; }
    BOOL IsPageSyncOn() override { return m_bPageSync; }
    void ShowPageSyncBlocked() override;
    void RefreshDocumentList(const CString& strFileType) override { RefreshDocumentList(strFileType, 1); }
    BOOL OpenDocumentOnBoard(const CString& strAttcFileId) override;
    CWnd* GetMenuCommandTarget() override;

    // ---- IDocViewerHost ----
    void RequestViewerPages(const CString& strMtngId, const CString& strAttcFileId) override;
    BOOL IsBoardOnWhiteboardDocument() override { return IsWhiteboardDocument(); }
    BOOL GetBoardDocument(S_DOCVIEWER_DOCUMENT* pDocument) override;
    int GetBoardPage() override { return GetCurrentPage(); }
    void MoveBoardPage(int nPage) override;
    void SetBoardBookmarkPage(const CString& strAttcFileId, int nPage) override;
    void OpenOnBoard(const CString& strAttcFileId) override;

    // ---- parts, for the program and tests ----
    CBoardLayer* GetBoardLayer() const { return m_pBoardLayer; }
    CRightContainerWnd* GetRightContainer() const { return m_pRightContainer; }
    CDocViewerDlg* GetDocViewer() const { return m_pDocViewer; }
    IMeetingInfoPanel* GetInfoPanel() const { return m_pInfoPanel; }
    CWnd* GetInfoWnd() const { return m_pInfoWnd; }
    const CMMPageManager& GetThumbPages() const { return m_thumbPages; }
    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsLeaving() const { return m_bLeaving; }
    int GetSavesPending() const { return m_nSavesPending; }
    // The option bar's mode (4 following or sharing, 5 free): the sync replies act on what the bar
    // shows; without a board the screen keeps it itself.
    int GetOptMode() const;
    void SetOptMode(int nMode);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnOpenDocumentMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUploadMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSaveDone(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnBackToDetail(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSyncCommand(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRelayout(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChatSwitch(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnArchiveMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNothing(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnViewerRequest(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

public:
    // One reply (the message id's number n and the reply); public for the dispatch table.
    void HandleReply(int n, CTasResponse* pReply);

private:
    void OnReceiveM00000004(CTasResponse* pReply);
    void OnReceiveM00000005(CTasResponse* pReply);
    void ApplyMeetingDetail(const Json::Value& body);
    // What an ended meeting lets the user do on the board.
    void ShowClosedMeetingView();
    void CheckAttendance();
    void OnReceiveM00000008(CTasResponse* pReply);
    void OnReceiveM00000015(CTasResponse* pReply);
    void OnReceiveM00000021(CTasResponse* pReply);
    void OnReceiveM00000046(CTasResponse* pReply);
    void OnReceiveM00000047(CTasResponse* pReply);
    void OnReceiveM00000052(CTasResponse* pReply);
    void OnReceiveM00000067(CTasResponse* pReply);
    void RequestNextThumbnails();
    // The slide bar's page of the thumbnail strip asked for next, when it is not here yet.
    BOOL JumpToSlidePage();
    // The page favourite checks of the option and information bars.
    void SetFavouriteChecks(BOOL bCheck);
    void EnableFavouriteChecks(BOOL bEnable);
    void MarkBoardPageFavourite(int nPage);
    void OnReceiveM00000069(CTasResponse* pReply);
    void OnReceiveM00000070(CTasResponse* pReply);
    void OnReceiveM00000100(CTasResponse* pReply);
    // A page-image reply goes to the viewer when it says "isPIP" (any form of yes) or, saying
    // nothing, answers one of the viewer's own requests.
    BOOL IsViewerReply(CTasResponse* pReply);
    void RequestViewerPage(const CString& strAttcFileId);
    void OnSaveReply(CTasResponse* pReply);

    void SyncOff(const CString& strAttcFileId);
    void StartShareOrFollow(int nCode);
    void StopShare();
    BOOL PresenterOrMain();
    CMeeting* DocumentMeeting() const;
    // A save is running from its first request until its end has been handled.
    BOOL HasSaveRunning() const { return m_nSavesPending > 0 || m_bSaveDonePosted; }
    // Saves what is unsaved now (drawing and sticky notes) and ends with the action; a save in
    // flight is joined, not started again. FALSE when nothing is saved.
    BOOL StartBoardSave(int nAction);
    void CountSaveReply(BOOL bFailed);
    void OnMemoSaveReply(CTasResponse* pReply);
    // The save in flight is forgotten (its late replies are ignored): the meeting is left.
    void ForgetSave();
    void DropStickyNotes();
    void SetOpenPending(CMeetingDocument* pDocument, BOOL bMinutes);
    void RefindOpenPending();
    // The presence refresh runs only while the screen shows the open meeting.
    BOOL MayRefreshPresence();
    void UploadFile(const CString& strPath);
    BOOL PostForm(const CString& strObject, const std::vector<std::pair<CString, CString>>& fields,
                  const CString& strFileName, const CString& strPath, DWORD& dwError, CString& strAnswer);
    void DownloadToArchive();
    void Toast(UINT nId);
    void Toast(const CString& strText);
    void Listen();

    // Parts.
    CBoardLayer* m_pBoardLayer = nullptr;
    std::unique_ptr<IBoardServer> m_pBoardServer;
    CWnd* m_pInfoWnd = nullptr;
    IMeetingInfoPanel* m_pInfoPanel = nullptr;
    CDocViewerDlg* m_pDocViewer = nullptr;
    CRightContainerWnd* m_pRightContainer = nullptr;
    Seams m_seams;

    // State.
    BOOL m_bAnnounceFollow = FALSE;
    BOOL m_bPageSync = FALSE;
    int m_nPendingSyncState = 0;
    BOOL m_bSyncPending = FALSE;
    CString m_strMeetingId;
    CString m_strOpenedDocumentId;
    CString m_strMinutesId;
    CString m_strVoicePermitYn;
    CMeeting* m_pMeeting = nullptr;
    BOOL m_bLoading = FALSE;
    BOOL m_bLeaving = FALSE;
    CString m_strOtherMeetingId;
    CString m_strPendingDocumentId;
    int m_nFollowOption = 0;
    int m_nPrevDocumentIndex = 0;
    int m_nDocumentIndex = 0;
    int m_nDocumentSource = 0;
    CString m_strPresenceDocumentId;
    int m_nEntryDocument = 0;
    // Set when the screen opens a document itself: the side panel's selection of its page at the
    // end of the thumbnail load is not the presenter's choice of a page to share.
    BOOL m_bSkipPageSync = FALSE;
    CMMPageManager m_thumbPages;
    // The document an answer still to come opens; found again by its id whenever the documents
    // are replaced, so that it never points at a document that is gone.
    CMeetingDocument* m_pOpenPendingDocument = nullptr;
    CString m_strOpenPendingId;
    BOOL m_bOpenPendingMinutes = FALSE;
    CMeeting* m_pMinutesMeeting = nullptr;
    BOOL m_bMinutesDocument = FALSE;
    BOOL m_bMinutesValid = TRUE;
    BOOL m_bDocumentValid = TRUE;
    BOOL m_bOpenPending = FALSE;
    BOOL m_bSaveBeforeOpen = FALSE;
    BOOL m_bMayConvert = TRUE;
    CString m_strPrevDocumentId;
    CString m_strMeetingType = L"10";
    CString m_strThumbFileId;
    BOOL m_bHasMyFiles = FALSE;
    int m_nBookmarkPage = 0;
    BOOL m_bFollowOnEntry = FALSE;
    // The option bar's board mode as far as following goes: 4 synchronised, 5 free.
    int m_nOptMode = 5;
    CString m_strBoardDocumentId;
    // The page last shown of each document (document id -> page), for opening it again there.
    std::map<CString, int> m_lastPages;
    // The viewer's page-image requests still unanswered (transaction ids).
    std::set<uint64_t> m_viewerRequests;
    // The board save this screen runs: the replies still awaited (one per page and one for the
    // sticky notes), whether one failed, the action to resume afterwards, the pages it took (a
    // failed save marks them changed again), the notes' replies among them, and whether its
    // end is on its way to the screen.
    int m_nSavesPending = 0;
    BOOL m_bSaveFailed = FALSE;
    int m_nSaveAction = 0;
    std::vector<std::weak_ptr<CMMPage>> m_savedPages;
    int m_nMemoSavesAwaited = 0;
    BOOL m_bSaveDonePosted = FALSE;

public:
    // Set by the detail screen before it switches to this screen.
    void SetEntryDocument(int nEntry) override { m_nEntryDocument = nEntry; }
    void SetEntryDocument(const CString& strDocumentId, int nEntry) override
    {
        SetPresenceDocumentId(strDocumentId);
        SetEntryDocument(nEntry);
    }
    void SetFollowOnEntry(BOOL bFollow) override { m_bFollowOnEntry = bFollow; }
    void SetPresenceDocumentId(const CString& strId) override { m_strPresenceDocumentId = strId; }
};

// The one meeting screen; null outside its lifetime.
extern CMeetingLayer* g_pMeetingLayer;
extern HHOOK g_hKeyboardHook;
