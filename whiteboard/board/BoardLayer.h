#pragma once
// CBoardLayer: the centre pane of the meeting screen. It holds the pages of the open document,
// moves between pages and to the neighbouring documents, hosts the drawing canvas and answers its
// bars through the three listener interfaces, switches sharing on and off, sends the presenter's
// view changes and pointer, and takes the presenter's strokes, zoom and pointer from the
// synchronisation client.
//
// Threads: everything runs on the user-interface thread except the synchronisation entry points
// (AddRemoteLine, RemoveLine, ClearAllOverlays, QueueRemoteZoom, ShowRemotePointer), which the
// synchronisation client may call on another thread. Those touch only the page manager and the
// pages (each guarded by its own lock) and the canvas' queues; repaints they cause are posted to
// the canvas. While shared, AddRemoteLine applies the points on the calling thread at once.
// Events of that connection keep their order: a delete first applies the points queued before it.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include <json/json.h>

#include "platform/CString.h"
#include "platform/Wnd.h"
#include "whiteboard/MMPageManager.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/board/BoardImageFetcher.h"
#include "whiteboard/board/IBoardInfoCtrlEventListener.h"
#include "whiteboard/board/IBoardMeetingContext.h"
#include "whiteboard/board/IBoardOptCtrlEventListener.h"
#include "whiteboard/board/PagesAhead.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"
#include "whiteboard/canvas/IBoardCanvasHost.h"
#include "whiteboard/canvas/IBoardDrawCtrlEventListener.h"

// Board layer to meeting screen (SendMessage).
#define WM_BOARD_OPEN_DOCUMENT (WM_USER + 2003)  // wParam document index, lParam 1002 next / 1003 previous
#define WM_BOARD_SYNC_COMMAND (WM_USER + 2010)   // wParam the option bar's code
// Side panel to board layer.
#define WM_BOARD_SELECT_PAGE (WM_USER + 2018)    // wParam zero-based page index

class CBoardLayer : public CWnd,
                    public IBoardOptCtrlEventListener,
                    public IBoardInfoCtrlEventListener,
                    public IBoardDrawCtrlEventListener,
                    private IBoardCanvasHost {
public:
    static constexpr UINT kControlId = 22750;
    static constexpr int kInfoBarHeight = 40;
    static constexpr int kOptBarHeight = 43;
    static constexpr int kCodeNextDocument = 1002;
    static constexpr int kCodePrevDocument = 1003;

    CBoardLayer(IBoardMeetingContext* pMeeting, IBoardServer* pServer);
    ~CBoardLayer() override;

    BOOL Create(CWnd* pParent, const RECT& rc);
    CBoardDrawCtrl* GetCanvas() { return m_pCanvas.get(); }
    CMMPageManager& GetPageManager() { return m_pages; }
    // The clock of the 100 ms page-move guard (tests give their own).
    void SetTickSource(std::function<DWORD()> ticks) { m_ticks = std::move(ticks); }

    // Documents and pages.
    void OpenDocument(const CString& mtngId, const CString& docId, const CString& name, const CString& url,
                      int startPage);
    // Makes the open document's pages (the first page-image reply says how many).
    void CreatePages(int total);
    // A whiteboard page was added (shown as 'page') / page 'requestPage' was deleted, leaving
    // 'totalPage' pages: only that page comes or goes, every other page keeps its drawing, and
    // the board shows 'page'. A change the board already has (its page count is 'totalPage'
    // already) is not made twice. FALSE when nothing was changed.
    BOOL AddWhiteBoardPage(int page, int totalPage, int requestPage);
    BOOL DelWhiteBoardPage(int page, int totalPage, int requestPage);
    void ResetBoard();
    void ResetPages();
    void SetDocumentList(const std::vector<CString>& documentIds);
    int GetCurrentDocumentIndex() const { return m_nDocIndex; }
    void MovePage(int page);
    void MovePrevPage();
    void MoveNextPage();
    void RequestPageSync(int page);
    int GetCurrentPage() const { return m_nCurrentPage; }
    int GetTotalPage() const { return m_nTotalPage; }
    // Remembers the page for the open document too (by its numeric id), until the detail screen
    // is left for the list.
    void SetCurrentPage(int page);
    void ClearDocumentPages() { m_pageByDocument.clear(); }
    // Disabling also empties the option bar's page counter: a disabled board shows no page.
    void EnableBoard(BOOL enable);
    int GetLastImageRequest() const { return m_nLastImageRequest; }
    // The option bar's slider: the page a position gives, and the position a page shows.
    static int SliderPage(int total, int percent);
    static int SliderPercent(int current, int total);
    int GetSliderPercent() const { return m_nSliderPercent; }

    // What the meeting screen sets on the board.
    // The board shows (on) or leaves (off) the meeting's whiteboard: the option bar's mode.
    void SetWhiteBoardMode(BOOL on);
    // The sticky-note window hidden (keep: it comes back at the same place); the bar's note look.
    void HideStickyNote(BOOL keep);
    // The option bar's remaining minutes to the title bar, checked against the close alarm.
    void ShowRemainingTime();
    // Full view: the canvas over the whole board without the bars, and back.
    void HideControlsForFullView();
    void ShowControls();
    BOOL IsFullView() const { return m_bFullView; }
    // The presenter's page-sync answer: what was shared on the pages before is gone.
    void OnPageSyncReply();
    // A finished report shows its receiver's drawing of the current page and the receiver's
    // notes: each is asked for once (the notes once per document).
    void RequestReceiverLayer();
    // The meeting's start and end times from its detail: the option bar counts the minutes left.
    void SetMeetingTime(const Json::Value& detail);
    // The chairman's status button of the meeting's state on the option bar.
    void ShowOptTypeButtons(int type, BOOL show);
    // The bars' favourite checks show the current page's mark.
    void UpdateFavorite();
    BOOL IsStickyNoteModified() { return m_pStickyNote && m_pStickyNote->IsModified(); }
    void ClearDocumentId() { m_strDocId.Empty(); }
    // A click anywhere (screen point): the option bar's page pop-up closes when the click misses it.
    void HideOptPopup(POINT ptScreen);

    // Sharing.
    void SetShareMode(int share);
    BOOL IsSharing() const { return m_bSharing; }
    BOOL HasDrawingOnPages(int sharing) override;
    void ClearPagesLayer(int sharing) override;

    // Page loading. The page-image reply (M00000024): its image is downloaded off this thread,
    // then the next page's image is asked for, one request at a time: the current page first,
    // then from the slider's jump target, then the first page still missing.
    void OnReceiveM00000024(const Json::Value& body, int status);
    // A page with its picture in the reply (M00000011): like a page-image reply for the page
    // 'startIdx', then the page-image request of that page brings its stored drawing. A reply
    // with an error text says it in the main dialog's pop-up.
    void OnReceiveM00000011(const Json::Value& body, int status, const char* raw, int rawLength);
    void RequestPageImage(int page);
    // The page's stored strokes (M00000039): they become its live shared layer; a stroke whose
    // last part is still to come goes on growing from the presenter's events.
    void OnReceiveM00000039(const Json::Value& body, int status);
    void SetFetchTimeouts(DWORD connectMs, DWORD readMs) { m_fetcher.SetTimeouts(connectMs, readMs); }
    BOOL IsLoadingImages() const { return m_bImageChainBusy; }
    // The next page whose image is still to be asked for (0: none); clears a used jump target.
    static int NextImagePage(const CMMPageManager& pages, int current, int& jumpTarget, int total);

    // The presenter's view (from the synchronisation client's socket worker).
    void AddRemoteLine(int page, const Json::Value& line);
    void RemoveLine(int page, const CString& lineId);
    void ClearAllOverlays();
    void QueueRemoteZoom(float zoomFactor, int originX, int originY);
    void ShowRemotePointer(const S_REMOTE_POINTER& pointer);
    // The presenter's zoom reported when joining, applied once the current page is shown.
    void SetPendingZoom(float zoomFactor, int originX, int originY);
    void ApplyPendingZoom();
    void ApplyZoom(float zoomFactor, int originX, int originY);
    float GetZoomCombo() const { return m_fZoomCombo; }

    // The bars around the board, made by the program's makers (null when a maker is not set).
    IBoardInfoBar* GetInfoBar() { return m_pInfoBar.get(); }
    IBoardOptBar* GetOptBar() { return m_pOptBar.get(); }
    IBoardDrawToolBar* GetDrawToolBar() { return m_pDrawToolBar.get(); }
    IBoardNavigator* GetNavigator() { return m_pNavigator.get(); }
    IStickyNoteView* GetStickyNote() { return m_pStickyNote.get(); }
    IPresenterBars* GetPresenterBars() { return m_pPresenterBars.get(); }
    // The sticky notes' replies (M00000063 load, M00000064 save), handed on by the meeting screen.
    void OnReceiveM00000063(const Json::Value& body, int status);
    void OnReceiveM00000064(const Json::Value& body, int status);
    // The option bar's board mode (0 when there is no option bar).
    int GetOptMode();
    void SetOptMode(int mode);
    BOOL HasOptBar() const { return m_pOptBar != nullptr; }

    // IBoardOptCtrlEventListener
    void OnPrevPage() override;
    void OnNextPage() override;
    void OnOpenDocument(WPARAM wParam, LPARAM lParam) override;
    void OnSliderPage(int percent) override;
    void OnSliderPreview(int percent) override;
    void OnStickyNote() override;
    void OnMemoTool() override;
    void OnPenTool() override;
    void OnEraserTool() override;
    void OnHighlighterTool() override;
    void OnPointerTool() override;
    void OnPanTool() override;
    // The chairman's status commands ask first, then send the meeting's new status.
    void OnStartMeeting() override;
    void OnEndMeeting() override;
    void OnRestartMeeting() override;
    void OnSyncCommand(int code) override;
    void OnGoToPage(int page) override;
    // The shown page's favourite: one request; the reply sets the page and the checks.
    void OnFavorite(BOOL on) override;
    // On (1) or off (0) the meeting's whiteboard; with notify the meeting screen opens the
    // whiteboard document or the document the user came from.
    void OnWhiteboardMode(BOOL on, BOOL notify) override;
    // The floating palette chose the pen, highlighter or eraser: the bars show the tool (the
    // palette sets the canvas' tool through the drawing tool bar; the bar's visibility stays).
    void SelectPenTool() { ShowToolIndex(1); }
    void SelectHighlighterTool() { ShowToolIndex(2); }
    void SelectEraserTool() { ShowToolIndex(4); }
    void OnReportStatus13() override;
    void OnReportStatus14() override;
    // The favourite reply (M00000078).
    void OnReceiveM00000078(const Json::Value& body, int status);
    // IBoardInfoCtrlEventListener
    void OnSave(int flag) override;
    void OnZoom(float zoom) override;
    // Approve (1) or reject (2) the document named by the text: confirmed with the user's
    // signature first, then sent with it; a cancelled confirmation puts the selector back.
    void OnApproval(int kind, const CString& text) override;
    // IBoardDrawCtrlEventListener
    void OnZoomChanged(float zoom, int originX, int originY) override;
    void OnPointer(int x, int y, int color, int size, int shape) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSelectPage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImageFetched(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPageDecoded(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPageFavorite(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // IBoardCanvasHost
    CString GetMeetingId() override;
    CString GetCurrentDocumentId() override;
    BOOL IsPresenting() override;
    BOOL IsPageSync() override;
    int GetPresenterIdnfr() override;
    void SetZoomCombo(float zoom) override
    {
        m_fZoomCombo = zoom;
        if (m_pInfoBar)
            m_pInfoBar->SetZoom(zoom);
    }
    void ShowConfirmPopup(UINT stringId) override;
    void UpdateHistoryButtons(BOOL canUndo, BOOL canRedo) override;
    void EnableClearButtons(BOOL pageDrawing, BOOL anyDrawing) override;
    void SendDrawing(const S_BOARD_CONTENT& content) override;

    // The bar commands' pieces.
    BOOL ConfirmCommand(UINT questionId);
    void HideDrawToolBar();
    void SendMeetingStatus(const CString& type, const wchar_t* status, BOOL repeat);
    void SendReportStatus(UINT questionId, const wchar_t* status);
    void ShowFavoriteControls(BOOL check);
    void UpdateStickyNoteLock(int share);
    void ShowDrawToolBar();
    // The tool the user chose, checked on the option bar (0 move ... 5 memo).
    void ShowToolIndex(int tool);
    // The meeting's whiteboard pages have a picture of their own instead of a download; FALSE
    // when it cannot be read.
    BOOL LoadWhiteBoardBackground(int page);
    // The picture of the meeting's whiteboard into the record; FALSE for other documents or when
    // it cannot be read.
    BOOL ReadWhiteBoardBackground(S_BOARD_IMAGE& record);

    // Presenting: the meeting is live, page sync is on and the user presents.
    BOOL IsPresentingLive();
    BOOL CanvasHasCapture() const;
    BOOL StepGuardPasses();
    void MoveBy(int step);
    void ShowPage(int page, BOOL alwaysGiveCanvas);
    // The pages near the shown one decoded (and scaled to the canvas' fit) ahead of a turn.
    // TRUE when the shown page's picture is being decoded (it comes with WM_BOARD_PAGE_DECODED).
    BOOL FollowPagesAhead();
    // After a page came (+1) or went (-1) at n: the page numbers the board keeps move with it.
    void ShiftPageNumbers(int n, int step);
    void AfterPageCommand(int page);
    void LayoutChildren(int cx, int cy);
    void CreateBars();
    void DestroyBars();
    // The bars follow the shown page: page counter, slider and sticky-note button.
    void UpdateBarsForPage();
    // The document's pages made on its first page reply (with what that asks for).
    void PreparePages(int total, int page);
    void LoadPageImage(S_BOARD_IMAGE* record, int total);
    // FALSE when the page cannot take the picture. 'decoded': the picture decoded off this
    // thread already (null: decoded here).
    // Stores a page's image; the shown page goes to the canvas once its picture is decoded (off
    // this thread), at once when none is coming.
    BOOL SetPageImage(const std::string& bytes, int page);
    void GivePageToCanvas(const std::shared_ptr<CMMPage>& page);
    // The canvas' board view for a page shown now.
    int BoardViewForMode();
    // The page's picture is here (downloaded or read): shown, its drawing read, the chain goes on.
    void ApplyFetchedImage(S_BOARD_IMAGE& record);
    void ReadStoredDrawing(const S_BOARD_IMAGE& record);
    void ContinueImageChain();
    // Applies the presenter's points already queued for the page (keeps the order of a delete).
    static void DrainIncoming(CMMPage& page);

    IBoardMeetingContext* m_pMeeting;
    IBoardServer* m_pServer;
    std::unique_ptr<CBoardDrawCtrl> m_pCanvas;
    CMMPageManager m_pages;
    int m_nCurrentPage = 0;
    int m_nTotalPage = 0;
    CString m_strMeetingId;
    CString m_strDocId;
    CString m_strDocName;
    CString m_strDocUrl;
    int m_nLastImageRequest = 0;
    BOOL m_bImageWait = FALSE;
    int m_nImageWaitPage = 0;
    // The shown page whose image is in and whose picture the canvas waits for (0: none).
    int m_nPictureWaitPage = 0;
    float m_fPendingZoom = -1.0f;
    int m_nPendingX = 0, m_nPendingY = 0;
    std::vector<CString> m_documentIds;
    int m_nDocIndex = 0;
    // The last accepted page move or favourite toggle: another within 100 ms is dropped.
    DWORD m_dwLastAction = 0;
    static constexpr DWORD kStepGuardMs = 99;
    BOOL m_bFullView = FALSE;
    // The meeting's document to go back to when the user leaves the whiteboard.
    int m_nWhiteboardReturn = 0;
    int m_nJumpPage = 0;
    int m_nSliderPercent = 0;
    BOOL m_bSharing = FALSE;
    float m_fZoomCombo = 0.0f;
    std::function<DWORD()> m_ticks;
    CBoardImageFetcher m_fetcher;
    CPagesAhead m_ahead;
    BOOL m_bImageChainBusy = FALSE;
    std::map<int, int> m_pageByDocument;
    BOOL m_bReceiverNotesLoaded = FALSE;
    std::unique_ptr<IBoardInfoBar> m_pInfoBar;
    std::unique_ptr<IBoardOptBar> m_pOptBar;
    std::unique_ptr<IBoardDrawToolBar> m_pDrawToolBar;
    std::unique_ptr<IMemoLayerView> m_pMemoLayer;
    std::unique_ptr<IBoardNavigator> m_pNavigator;
    std::unique_ptr<IStickyNoteView> m_pStickyNote;
    std::unique_ptr<IPresenterBars> m_pPresenterBars;
    // Pages whose image could not be had: asked for again when the user goes to them.
    std::set<int> m_failedPages;
};
