#include "core/ClientMessages.h"
#include "screens/meeting/MeetingLayer.h"

#include <shellapi.h>

#include "ui/host/MainDlg.h"
#include "ui/host/TitleBar.h"
#include "core/LoginManager.h"
#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "features/documents/DocViewerDlg.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "screens/meeting/MeetingRules.h"
#include "screens/meeting/RightContainerWnd.h"
#include "whiteboard/WhiteboardLog.h"
#include "whiteboard/board/BoardLayer.h"
#include "whiteboard/board/BoardTasServer.h"
#include "ui/controls/OkCancelDlg.h"

CMeetingLayer* g_pMeetingLayer = nullptr;
HHOOK g_hKeyboardHook = nullptr;


BEGIN_MESSAGE_MAP(CMeetingLayer, CZELWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_SHOWWINDOW()
    ON_MESSAGE(WM_MEETING_OPEN_DOCUMENT, &CMeetingLayer::OnOpenDocumentMessage)
    ON_MESSAGE(WM_MEETING_UPLOAD, &CMeetingLayer::OnUploadMessage)
    ON_MESSAGE(WM_MEETING_SAVE_DONE, &CMeetingLayer::OnSaveDone)
    ON_MESSAGE(WM_MEETING_BACK_TO_DETAIL, &CMeetingLayer::OnBackToDetail)
    ON_MESSAGE(WM_MEETING_SYNC_COMMAND, &CMeetingLayer::OnSyncCommand)
    ON_MESSAGE(WM_CONTAINER_TOGGLED, &CMeetingLayer::OnRelayout)
    ON_MESSAGE(WM_CONTAINER_OPTION, &CMeetingLayer::OnChatSwitch)
    ON_MESSAGE(WM_MEETING_ARCHIVE, &CMeetingLayer::OnArchiveMessage)
    ON_MESSAGE(WM_MEETING_DOCLIST_BUTTON, &CMeetingLayer::OnNothing)
    ON_MESSAGE(WM_MEETING_VIEWER_REQUEST, &CMeetingLayer::OnViewerRequest)
END_MESSAGE_MAP()

CMeetingLayer::CMeetingLayer()
{
    g_pMeetingLayer = this;
    m_seams.sleep = [](DWORD ms) { ::Sleep(ms); };
    m_seams.readPlayerFolder = [](const CString& strKey) {
        wchar_t buffer[MAX_PATH] = {};
        DWORD size = sizeof buffer;
        if (::RegGetValueW(HKEY_LOCAL_MACHINE, strKey, L"Installation Directory", RRF_RT_REG_SZ, nullptr, buffer,
                           &size) != ERROR_SUCCESS)
            return CString();
        return CString(buffer);
    };
    m_seams.startPlayer = [](const CString& strDirectory, const CString& strParameters) {
        return (INT_PTR)::ShellExecuteW(nullptr, L"open", L"wmplayer.exe", strParameters, strDirectory, SW_SHOW) > 32;
    };
    m_seams.chooseUploadFile = [this](CString& strPath) {
        CString filter;
        filter.LoadString(IDS_UPLOAD_FILTER);
        filter += L"(*.pdf, *.html, *.pptx, *.ppt, *.pps, *.ppsx, *.xls, *.xlsx, *.doc, *.docx, *.txt, *.jpg, *.jpeg, "
                  L"*.gif, *.png, *.tif, *.hwp, *.bmp, *.mp4, *.avi, *.flv, *.swf, *.mkv, *.mov, *.mpg, *.tp, *.ts, "
                  L"*.wmv)|*.pdf;*.html;*.pptx;*.ppt;*.pps;*.ppsx;*.xls;*.xlsx;*.doc;*.docx;*.txt;*.jpg;*.jpeg;*.gif;"
                  L"*.png;*.tif;*.hwp;*.bmp;*.mp4; *.avi; *.flv; *.swf; *.mkv; *.mov; *.mpg; *.tp; *.ts; *.wmv||";
        filter.Replace(L'|', L'\0');
        wchar_t file[MAX_PATH] = {};
        OPENFILENAMEW ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = GetSafeHwnd();
        ofn.lpstrFilter = filter.GetString();
        ofn.lpstrFile = file;
        ofn.nMaxFile = MAX_PATH;
        ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        if (!::GetOpenFileNameW(&ofn)) return FALSE;
        strPath = file;
        return TRUE;
    };
}

CMeetingLayer::~CMeetingLayer()
{
    if (GetSafeHwnd()) DestroyWindow();
    if (g_pMeetingLayer == this) g_pMeetingLayer = nullptr;
    if (g_hKeyboardHook) {
        ::UnhookWindowsHookEx(g_hKeyboardHook);
        g_hKeyboardHook = nullptr;
    }
}

BOOL CMeetingLayer::Create(CWnd* pParent, const CRect& rc)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_CLIPCHILDREN, rc, pParent, kControlId);
}

// ------------------------------------------------------------------------------- lifecycle

int CMeetingLayer::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZELWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CRect rc;
    GetClientRect(&rc);
    const SMeetingPanelMakers& makers = GetMeetingPanelMakers();
    if (makers.makeInfoLayer) m_pInfoWnd = makers.makeInfoLayer(this, kInfoLayerId, CRect(0, 100, 283, 600), &m_pInfoPanel);

    m_pRightContainer = new CRightContainerWnd(this);
    m_pRightContainer->Create(this, CRect(rc.right - 283, 100, rc.right, 600), CRightContainerWnd::kControlId);
    CString title;
    title.LoadString(IDS_RIGHT_PANE_TITLE);
    m_pRightContainer->SetTitle(title);

    m_pBoardServer.reset(new CBoardTasServer(GetSafeHwnd()));
    m_pBoardLayer = new CBoardLayer(this, m_pBoardServer.get());
    m_pBoardLayer->Create(this, CRect(283, 100, rc.right - 283, 600));

    m_pDocViewer = new CDocViewerDlg(nullptr);
    if (m_pDocViewer->CreateViewer(this, this)) {
        m_pDocViewer->PlaceOnCreate();
        m_pDocViewer->ShowWindow(SW_HIDE);
    }
    UpdateLayout();
    if (!g_hKeyboardHook)
        g_hKeyboardHook = ::SetWindowsHookExW(WH_KEYBOARD, &CMeetingLayer::KeyboardHookProc, AfxGetInstanceHandle(),
                                              ::GetCurrentThreadId());
    return 0;
}

void CMeetingLayer::OnDestroy()
{
    LeaveMeeting();
    if (m_pInfoWnd) {
        if (m_pInfoWnd->GetSafeHwnd()) m_pInfoWnd->DestroyWindow();
        delete m_pInfoWnd;
        m_pInfoWnd = nullptr;
        m_pInfoPanel = nullptr;
    }
    delete m_pBoardLayer;
    m_pBoardLayer = nullptr;
    if (m_pDocViewer) {
        if (m_pDocViewer->GetSafeHwnd()) m_pDocViewer->DestroyWindow();
        delete m_pDocViewer;
        m_pDocViewer = nullptr;
    }
    delete m_pRightContainer;
    m_pRightContainer = nullptr;
    CZELWnd::OnDestroy();
}

void CMeetingLayer::OnSize(UINT nType, int cx, int cy)
{
    CZELWnd::OnSize(nType, cx, cy);
    UpdateLayout();
}

LRESULT CMeetingLayer::OnRelayout(WPARAM, LPARAM)
{
    UpdateLayout();
    return 0;
}

void CMeetingLayer::UpdateLayout()
{
    // In full view the board has the whole screen, however the screen was resized.
    LayoutColumns(IsKeyNavigationMode());
}

void CMeetingLayer::LayoutColumns(BOOL bFullView)
{
    if (!GetSafeHwnd() || !m_pBoardLayer || !m_pRightContainer) return;
    CRect rc, rcLeft, rcBoard, rcRight;
    GetClientRect(&rc);
    const BOOL bLeft = m_pInfoPanel && m_pInfoPanel->IsShown();
    MeetingRules::ColumnLayout(rc, bLeft, !m_pRightContainer->IsCollapsed(), rcLeft, rcBoard, rcRight);
    UINT sideFlags = SWP_NOZORDER | SWP_SHOWWINDOW;
    if (bFullView) {
        // Both side columns go (width 0, hidden) and come back with the next normal layout.
        rcLeft = CRect(rc.left, rc.top, rc.left, rc.bottom);
        rcRight = CRect(rc.right, rc.top, rc.right, rc.bottom);
        rcBoard = rc;
        sideFlags = SWP_NOZORDER | SWP_HIDEWINDOW;
    }
    // One deferred positioning: the three columns move together, without a frame in between.
    HDWP hdwp = ::BeginDeferWindowPos(3);
    if (m_pInfoWnd && m_pInfoWnd->GetSafeHwnd())
        hdwp = ::DeferWindowPos(hdwp, m_pInfoWnd->GetSafeHwnd(), nullptr, rcLeft.left, rcLeft.top, rcLeft.Width(),
                                rcLeft.Height(), sideFlags);
    hdwp = ::DeferWindowPos(hdwp, m_pBoardLayer->GetSafeHwnd(), nullptr, rcBoard.left, rcBoard.top, rcBoard.Width(),
                            rcBoard.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
    hdwp = ::DeferWindowPos(hdwp, m_pRightContainer->GetSafeHwnd(), nullptr, rcRight.left, rcRight.top,
                            rcRight.Width(), rcRight.Height(), sideFlags);
    ::EndDeferWindowPos(hdwp);
    // The floating palette over the screen is placed (and put back on top) by the title bar.
    if (IZELMainDlg* pMain = bFullView ? nullptr : GetMainDlg())
        if (ITitleBar* pTitle = pMain->GetTitleLayer()) pTitle->Relayout();
}

void CMeetingLayer::RelayoutPanels()
{
    LayoutColumns(TRUE);
    // The full view's board has the presenter's bars at its edges instead of its own.
    if (m_pBoardLayer) m_pBoardLayer->HideControlsForFullView();
}

void CMeetingLayer::RecalcLayout()
{
    LayoutColumns(FALSE);
    if (m_pRightContainer) m_pRightContainer->RelayoutChat();
    if (m_pBoardLayer) m_pBoardLayer->ShowControls();
}

void CMeetingLayer::Listen()
{
    CTasClientManager::GetInstance()->SetListener(GetSafeHwnd());
}

void CMeetingLayer::Toast(UINT nId)
{
    CString text;
    text.LoadString(nId);
    Toast(text);
}

void CMeetingLayer::Toast(const CString& strText)
{
    if (IZELMainDlg* pMain = GetMainDlg()) pMain->ShowToast(strText);
}

void CMeetingLayer::EnterMeeting(const CString& strMeetingId)
{
    if (m_pBoardLayer) m_pBoardLayer->ResetPages();
    m_pMeeting = CMeetingManager::GetInstance()->SetCurrentMeeting(strMeetingId);
    m_pMeeting->SelectDocument(L"");
    m_strMeetingId = strMeetingId;
    m_strOtherMeetingId.Empty();
    m_bLeaving = FALSE;
    m_nPrevDocumentIndex = 0;
    m_nDocumentIndex = 0;
    m_strPendingDocumentId.Empty();
    m_bPageSync = FALSE;
    m_pMinutesMeeting = nullptr;
    m_bMinutesDocument = FALSE;
    m_strBoardDocumentId.Empty();
    SetOpenPending(nullptr, FALSE);
    m_bOpenPending = FALSE;
    ForgetSave();
    DropStickyNotes();
    m_lastPages.clear();
    if (m_pInfoPanel) m_pInfoPanel->LoadSettings();
    if (m_pBoardLayer) {
        m_pBoardLayer->ResetBoard();
        // A new meeting starts with the default pen and the tool the floating palette shows.
        if (CBoardDrawCtrl* pCanvas = m_pBoardLayer->GetCanvas()) pCanvas->ResetTools();
    }
    if (m_pRightContainer) m_pRightContainer->SetMeeting(strMeetingId, CLoginManager::GetInstance()->GetUserIdNumber());
    m_strMeetingType = m_pMeeting->GetKind() == 30 ? L"30" : L"10";
    StartMeeting(FALSE, 1);
    m_strVoicePermitYn.Empty();
    UpdateLayout();
}

void CMeetingLayer::StartMeeting(int bUsePage, int nPage)
{
    if (!m_pMeeting) return;
    if (m_pBoardLayer) {
        m_pBoardLayer->ResetPages();
        m_pBoardLayer->SetCurrentPage(bUsePage ? nPage : 1);
    }
    if (m_pRightContainer) m_pRightContainer->SetMeeting(m_strMeetingId, CLoginManager::GetInstance()->GetUserIdNumber());
    BeginLoading();
    Listen();
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    pTas->RequestM00000004(m_strMeetingId, m_strPresenceDocumentId);
    pTas->RequestM00000005(m_strMeetingId, m_strMeetingType);
    if (m_pRightContainer)
        pTas->RequestM00000032(m_strMeetingId, m_pRightContainer->GetChatLastMessageId(),
                               m_pRightContainer->GetChatPageNum(), m_pRightContainer->GetChatPageSize());
    else
        pTas->RequestM00000032(m_strMeetingId, L"", 1, 10);
    m_strThumbFileId.Empty();
}

void CMeetingLayer::BeginLoading()
{
    m_bLoading = TRUE;
    if (IZELMainDlg* pMain = GetMainDlg()) {
        if (pMain->GetWnd() && pMain->GetWnd()->GetSafeHwnd())
            ::PostMessageW(pMain->GetWnd()->GetSafeHwnd(), WM_MEETING_WAIT_CURSOR, 0, 0);
        pMain->EnableRefreshButton(FALSE);
        pMain->EnableBackButton(FALSE);
    }
}

void CMeetingLayer::EndLoading()
{
    m_bLoading = FALSE;
    if (IZELMainDlg* pMain = GetMainDlg()) {
        if (pMain->GetWnd() && pMain->GetWnd()->GetSafeHwnd())
            ::PostMessageW(pMain->GetWnd()->GetSafeHwnd(), UWM_END_WAIT_CURSOR, 0, 0);
        pMain->EnableBackButton(TRUE);
        if (!m_bPageSync) pMain->ScheduleRefreshButton(TRUE, 3000);
    }
}

void CMeetingLayer::LeaveMeeting()
{
    if (GetSafeHwnd()) KillTimer(TIMER_PRESENCE);
    // The sharing thread reads the shown page: it is ended and waited for before any page goes.
    if (m_pBoardLayer && m_pBoardLayer->GetCanvas()) m_pBoardLayer->GetCanvas()->StopSharedThread();
    m_pMeeting = nullptr;
    m_bPageSync = FALSE;
    // The documents belong to the meeting: nothing may open one of them later.
    SetOpenPending(nullptr, FALSE);
    m_bOpenPending = FALSE;
    m_pMinutesMeeting = nullptr;
    ForgetSave();
    if (m_pBoardLayer) m_pBoardLayer->ResetPages();
    // The notes of this meeting's document go with it: unsaved ones were saved on the way out.
    DropStickyNotes();
    m_bMinutesDocument = FALSE;
    m_strPrevDocumentId.Empty();
    m_strPresenceDocumentId.Empty();
    m_nEntryDocument = 0;
    m_bSkipPageSync = FALSE;
    if (m_pDocViewer && m_pDocViewer->GetSafeHwnd() && m_pDocViewer->IsWindowVisible()) m_pDocViewer->CloseViewer();
}

// ------------------------------------------------------------------------------- saving

BOOL CMeetingLayer::HasUnsavedDrawing()
{
    if (!m_pBoardLayer) return FALSE;
    const CMMPageManager& pages = m_pBoardLayer->GetPageManager();
    for (int n = 1; n <= pages.GetPageCount(); ++n) {
        const auto page = pages.GetPage(n);
        if (page && page->GetModified()) return TRUE;
    }
    return FALSE;
}

void CMeetingLayer::SetOpenPending(CMeetingDocument* pDocument, BOOL bMinutes)
{
    m_pOpenPendingDocument = pDocument;
    m_strOpenPendingId = pDocument ? pDocument->GetFileId() : CString();
    m_bOpenPendingMinutes = bMinutes;
}

void CMeetingLayer::RefindOpenPending()
{
    if (m_strOpenPendingId.IsEmpty()) return;
    CMeeting* pOwner = m_bOpenPendingMinutes ? m_pMinutesMeeting : m_pMeeting;
    m_pOpenPendingDocument = pOwner ? pOwner->FindDocument(m_strOpenPendingId) : nullptr;
    if (!m_pOpenPendingDocument) m_strOpenPendingId.Empty();
}

BOOL CMeetingLayer::HasUnsavedMemos()
{
    IStickyNoteView* pNotes = m_pBoardLayer ? m_pBoardLayer->GetStickyNote() : nullptr;
    return pNotes && pNotes->IsModified();
}

void CMeetingLayer::DropStickyNotes()
{
    IStickyNoteView* pNotes = m_pBoardLayer ? m_pBoardLayer->GetStickyNote() : nullptr;
    if (!pNotes) return;
    pNotes->DropAllNotes();
    if (IBoardOptBar* pBar = m_pBoardLayer->GetOptBar()) pBar->SetStickyNoteButton(FALSE);
}

BOOL CMeetingLayer::StartBoardSave(int nAction)
{
    if (!m_pBoardLayer) return FALSE;
    const BOOL bRunning = HasSaveRunning();
    CString strDocument = GetCurrentDocumentId();
    if (strDocument.IsEmpty()) strDocument = m_strBoardDocumentId;
    const BOOL bDrawing = !strDocument.IsEmpty() && HasUnsavedDrawing();
    // The notes travel with the document the board shows.
    IStickyNoteView* pNotes = m_pBoardLayer->GetStickyNote();
    const BOOL bMemos = !m_strBoardDocumentId.IsEmpty() && HasUnsavedMemos();
    if (!bRunning && !bDrawing && !bMemos) return FALSE;
    if (!bRunning) {
        m_nSaveAction = nAction;
        m_bSaveFailed = FALSE;
        m_savedPages.clear();
        if (IZELMainDlg* pMain = GetMainDlg())
            if (pMain->GetWnd() && pMain->GetWnd()->GetSafeHwnd())
                ::PostMessageW(pMain->GetWnd()->GetSafeHwnd(), WM_MEETING_WAIT_CURSOR, 0, 0);
    } else if (m_nSaveAction != 7 && m_nSaveAction != 10) {
        // One save at a time: the one in flight is not started again; it goes on to the latest
        // request, except that a close or log-out waiting for it is never given up.
        m_nSaveAction = nAction;
    }
    Listen();
    // Pages in flight are not modified any more: only what changed since joins the save.
    const CMMPageManager& pages = m_pBoardLayer->GetPageManager();
    for (int n = 1; bDrawing && n <= pages.GetPageCount(); ++n) {
        const auto page = pages.GetPage(n);
        if (!page || !page->GetModified()) continue;
        // What is drawn from now on belongs to the next save.
        page->SetModified(FALSE);
        m_savedPages.push_back(page);
        ++m_nSavesPending;
        CTasClientManager::GetInstance()->RequestM00000010(m_strMeetingId, m_strMeetingType, strDocument, n,
                                                           page->ToSvg(), page->GetMemoJsonList());
    }
    if (bMemos) {
        ++m_nSavesPending;
        ++m_nMemoSavesAwaited;
        pNotes->SaveNotes();
    }
    return TRUE;
}

void CMeetingLayer::CountSaveReply(BOOL bFailed)
{
    if (m_nSavesPending <= 0) return;
    if (bFailed) m_bSaveFailed = TRUE;
    if (--m_nSavesPending == 0 && !m_bSaveDonePosted) {
        m_bSaveDonePosted = TRUE;
        PostMessage(WM_MEETING_SAVE_DONE, m_bSaveFailed ? 0 : 1, m_nSaveAction);
    }
}

void CMeetingLayer::ForgetSave()
{
    m_nSavesPending = 0;
    m_nMemoSavesAwaited = 0;
    m_bSaveFailed = FALSE;
    m_bSaveDonePosted = FALSE;
    m_savedPages.clear();
}

void CMeetingLayer::OnSaveReply(CTasResponse* pReply)
{
    const Json::Value* pBody = pReply->GetBody();
    CountSaveReply(pReply->GetStatusCode() != 0 ||
                   (pBody && pBody->isObject() && pBody->get("status", 0).asInt() != 0));
}

void CMeetingLayer::OnMemoSaveReply(CTasResponse* pReply)
{
    if (m_nMemoSavesAwaited <= 0) return;   // the note window's own save button
    --m_nMemoSavesAwaited;
    const Json::Value* pBody = pReply->GetBody();
    CountSaveReply(pReply->GetStatusCode() != 0 ||
                   (pBody && pBody->isObject() && pBody->get("status", 0).asInt() != 0));
}

int CMeetingLayer::SaveBoardChanges(int nAction, int bTwoButtons, int bSilent)
{
    if (!m_pMeeting) return 0;
    const BOOL bDrawing = HasUnsavedDrawing();
    const BOOL bMemos = HasUnsavedMemos();
    const int status = m_pMeeting->GetStatus();
    if (status == 12 || status == 13 || status == 14)
        CWhiteboardLog::Log(2, L"보고 진행중/종료 자동저장");
    // A save still in flight takes the request over: it ends with this action.
    if (!bDrawing && !bMemos && !HasSaveRunning()) return 0;
    if (!bSilent && !HasSaveRunning() && !AskSaveBoardChanges(bTwoButtons)) return 0;
    return StartBoardSave(nAction) ? 1 : 0;
}

BOOL CMeetingLayer::AskSaveBoardChanges(BOOL bTwoButtons)
{
    CString text, caption;
    text.LoadString(IDS_BOARD_SAVE_ASK);
    caption.LoadString(IDS_POPUP_TITLE);
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain || pMain->ShowMessagePopup(caption, text, 137, nullptr, bTwoButtons) == IDOK) return TRUE;
    if (IStickyNoteView* pNotes = m_pBoardLayer ? m_pBoardLayer->GetStickyNote() : nullptr) pNotes->DiscardChanges();
    if (m_pBoardLayer) m_pBoardLayer->GetPageManager().ClearModifiedFlags();
    return FALSE;
}

LRESULT CMeetingLayer::OnSaveDone(WPARAM wParam, LPARAM lParam)
{
    BOOL bSaved = wParam != 0;
    int nAction = (int)lParam;
    if (m_bSaveDonePosted) {
        // The screen's own save: it ends with the latest action; pages that joined it after this
        // message went are still awaited, and their last reply ends it.
        m_bSaveDonePosted = FALSE;
        if (m_nSavesPending > 0) return 0;
        bSaved = !m_bSaveFailed;
        nAction = m_nSaveAction;
    }
    if (bSaved) {
        m_savedPages.clear();
        RunPendingAction(nAction);
        return 0;
    }
    // What was not saved is still to be saved.
    for (const auto& weak : m_savedPages)
        if (const auto page = weak.lock()) page->SetModified(TRUE);
    m_savedPages.clear();
    if (IZELMainDlg* pMain = GetMainDlg()) {
        CString text;
        text.LoadString(IDS_BOARD_SAVE_FAILED);
        pMain->ShowConfirmPopup(text);
    }
    return 0;
}

void CMeetingLayer::SyncOff(const CString& strAttcFileId)
{
    CTasClientManager::GetInstance()->RequestM00000015(m_strMeetingId, strAttcFileId, FALSE, 0, FALSE, FALSE, FALSE);
}

void CMeetingLayer::RunPendingAction(int nAction)
{
    IZELMainDlg* pMain = GetMainDlg();
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    switch (nAction) {
    case 0:
        Toast(IDS_BOARD_SAVED);
        break;
    case 1:
        if (m_pMeeting)
            if (CMeetingDocument* pDocument = m_pMeeting->FindDocument(m_strPendingDocumentId)) {
                m_strPendingDocumentId.Empty();
                m_bSaveBeforeOpen = FALSE;
                m_bOpenPending = TRUE;
                SetOpenPending(pDocument, FALSE);
                OpenDocument(FALSE, pDocument, 1);
            }
        break;
    case 2:
        Listen();
        pTas->RequestM00000015(m_strMeetingId, m_strPendingDocumentId, TRUE, GetCurrentPage(), TRUE, FALSE, FALSE);
        break;
    case 3:
        SendMessage(WM_MEETING_SYNC_COMMAND, 4, 0);
        break;
    case 4:
        EnterMeeting(m_strOtherMeetingId);
        m_bPageSync = TRUE;
        break;
    case 5:
    case 6: {
        const CString strId = m_strMeetingId;
        if (IsSyncActive() && !GetCurrentDocumentId().IsEmpty()) SyncOff(GetCurrentDocumentId());
        if (pMain) pMain->SetScreenMode(nAction == 5 ? ZEL_MODE_LIST : ZEL_MODE_DETAIL, nAction == 5 ? CString() : strId);
        // The list does not leave the meeting for the screen (the detail does).
        if (nAction == 5) LeaveMeeting();
        break;
    }
    case 7:
    case 10:
        LeaveMeeting();
        if (pMain) pMain->RequestLogout(nAction == 7);
        break;
    case 8:
        StartMeeting(FALSE, 1);
        break;
    case 9:
        Listen();
        pTas->RequestM00000005(m_strMeetingId, m_strMeetingType);
        break;
    case 11:
        SetFollowPresenter(m_strOtherMeetingId, m_strPendingDocumentId, m_nFollowOption, TRUE);
        break;
    case 12:
        StartMeeting(TRUE, GetCurrentPage());
        break;
    default:
        break;
    }
}

void CMeetingLayer::LeaveMeetingByTitle()
{
    if (StartBoardSave(7)) return;
    CString text, title;
    text.LoadString(IDS_MEETING_EXIT_QUESTION);
    title.LoadString(IDS_POPUP_TITLE);
    if (ShowOkCancel(text, title, FALSE, FALSE) != IDOK) return;
    if (m_bPageSync && !GetCurrentDocumentId().IsEmpty()) {
        m_bLeaving = TRUE;
        SyncOff(GetCurrentDocumentId());
    }
    LeaveMeeting();
    if (IZELMainDlg* pMain = GetMainDlg()) pMain->RequestLogout(TRUE);
}

void CMeetingLayer::LeaveMeetingByCommand(BOOL)
{
    if (StartBoardSave(10)) return;
    if (m_bPageSync) {
        m_bLeaving = TRUE;
        if (!GetCurrentDocumentId().IsEmpty()) SyncOff(GetCurrentDocumentId());
    }
    LeaveMeeting();
    if (IZELMainDlg* pMain = GetMainDlg()) pMain->RequestLogout(FALSE);
}

LRESULT CMeetingLayer::OnBackToDetail(WPARAM wParam, LPARAM)
{
    IZELMainDlg* pMain = GetMainDlg();
    if (IsSyncActive()) {
        if (CMeetingManager::GetInstance()->IsPresenterMe() && wParam != 1 && pMain) {
            CString text;
            text.LoadString(IDS_STOP_SHARING_QUESTION);
            if (pMain->ShowMessagePopup(L"", text, 137, nullptr, TRUE) != IDOK) return (LRESULT)-1;
        }
        m_bLeaving = TRUE;
        const CString strDocument = GetCurrentDocumentId();
        SyncOff(strDocument.IsEmpty() ? m_strOpenedDocumentId : strDocument);
    } else if (SaveBoardChanges(6, TRUE, TRUE) == 1) {
        return 0;
    }
    const CString strId = m_strMeetingId;
    if (m_pBoardLayer) m_pBoardLayer->ResetPages();
    if (m_pInfoPanel) m_pInfoPanel->ResetBookmarks();
    if (pMain) pMain->SetScreenMode(ZEL_MODE_DETAIL, strId);
    if (m_pRightContainer) m_pRightContainer->SetChatState(FALSE, FALSE, FALSE);
    LeaveMeeting();
    return 0;
}

// ------------------------------------------------------------------------------- accessors

CMeeting* CMeetingLayer::DocumentMeeting() const
{
    return m_bMinutesDocument && m_pMinutesMeeting ? m_pMinutesMeeting : m_pMeeting;
}

CString CMeetingLayer::GetMeetingId()
{
    return m_pMeeting ? m_pMeeting->GetMeetingId() : CString();
}

CString CMeetingLayer::GetCurrentDocumentId()
{
    CMeeting* pMeeting = DocumentMeeting();
    CMeetingDocument* pDocument = pMeeting ? pMeeting->GetCurrentDocument() : nullptr;
    return pDocument ? pDocument->GetFileId() : CString();
}

CString CMeetingLayer::GetCurrentDocumentName()
{
    CMeeting* pMeeting = DocumentMeeting();
    CMeetingDocument* pDocument = pMeeting ? pMeeting->GetCurrentDocument() : nullptr;
    return pDocument ? pDocument->GetFileName() : CString();
}

CString CMeetingLayer::GetCurrentMeetingType()
{
    if (!m_pMeeting) return CString();
    return m_pMeeting->GetFileType();
}

BOOL CMeetingLayer::IsMeetingType12()
{
    return m_pMeeting && m_pMeeting->IsType12();
}

int CMeetingLayer::GetMeetingTypeCode()
{
    return m_pMeeting ? m_pMeeting->GetMeetingTypeNumber() : 1;
}

int CMeetingLayer::GetMeetingKind()
{
    return m_pMeeting ? m_pMeeting->GetKind() : 1;
}

int CMeetingLayer::GetMeetingStatus()
{
    return m_pMeeting ? m_pMeeting->GetStatus() : 4;
}

BOOL CMeetingLayer::IsMeetingRunning()
{
    const int s = GetMeetingStatus();
    return s == 2 || s == 12 || s == 13;
}

BOOL CMeetingLayer::IsReportRunning()
{
    const int s = GetMeetingStatus();
    return s == 12 || s == 13;
}

BOOL CMeetingLayer::IsMeetingClosed()
{
    return !m_pMeeting || m_pMeeting->IsNotStarted();
}

BOOL CMeetingLayer::IsSyncActive()
{
    return m_bPageSync && !IsMeetingClosed();
}

BOOL CMeetingLayer::IsWhiteboardDocument()
{
    CMeeting* pMeeting = DocumentMeeting();
    CMeetingDocument* pDocument = pMeeting ? pMeeting->GetCurrentDocument() : nullptr;
    return pDocument && pDocument->GetWbType() > 0;
}

BOOL CMeetingLayer::IsPersonalWhiteboard()
{
    CMeeting* pMeeting = DocumentMeeting();
    CMeetingDocument* pDocument = pMeeting ? pMeeting->GetCurrentDocument() : nullptr;
    return pDocument && pMeeting->GetEmbeddedDocumentIndex(pDocument->GetFileId()) == -1;
}

void CMeetingLayer::OnPageFavoriteChanged(int nPage, BOOL bFavorite)
{
    if (const auto pPage = m_thumbPages.GetPage(nPage)) pPage->SetFavorite(bFavorite);
    if (m_pInfoPanel) m_pInfoPanel->OnPageFavoriteChanged(nPage, bFavorite);
}

int CMeetingLayer::GetDocumentCount()
{
    return m_pRightContainer ? m_pRightContainer->GetDocumentCount() : 0;
}

int CMeetingLayer::GetSyncDocumentCount()
{
    return m_pRightContainer ? m_pRightContainer->GetMainDocumentCount() : 0;
}

BOOL CMeetingLayer::IsBeyondSyncDocuments(int nIndex)
{
    return m_pRightContainer && m_pRightContainer->IsPageBeyond(nIndex);
}

BOOL CMeetingLayer::IsEmbeddedDocument(const CString& strDocumentId)
{
    return m_pMeeting && m_pMeeting->GetEmbeddedDocumentIndex(strDocumentId) != 0;
}

BOOL CMeetingLayer::IsKeyNavigationMode()
{
    IZELMainDlg* pMain = GetMainDlg();
    return pMain && pMain->IsKeyNavigationMode();
}

BOOL CMeetingLayer::IsVideoFile(const CString& strName)
{
    return MeetingRules::IsVideoFileName(strName);
}

void CMeetingLayer::MovePrevPage()
{
    if (m_pBoardLayer) m_pBoardLayer->MovePrevPage();
}

void CMeetingLayer::MoveNextPage()
{
    if (m_pBoardLayer) m_pBoardLayer->MoveNextPage();
}

void CMeetingLayer::HideDocumentViewer()
{
    if (m_pDocViewer && m_pDocViewer->GetSafeHwnd()) m_pDocViewer->CloseViewer();
}

void CMeetingLayer::ShowStickyNoteIfWanted(BOOL bShow)
{
    if (IStickyNoteView* pNotes = m_pBoardLayer ? m_pBoardLayer->GetStickyNote() : nullptr) pNotes->ShowIfWanted(bShow);
}

void CMeetingLayer::ShowRemainingTime()
{
    if (m_pBoardLayer) m_pBoardLayer->ShowRemainingTime();
}

void CMeetingLayer::RequestPresence()
{
    if (!m_pMeeting) return;
    CTasClientManager::GetInstance()->RequestM00000004(m_strMeetingId, GetCurrentDocumentId());
}

void CMeetingLayer::RequestDocumentList(const CString& strFileType)
{
    Listen();
    CTasClientManager::GetInstance()->RequestM00000008(m_strMeetingId, m_strMeetingType, strFileType);
}

void CMeetingLayer::ToggleChat()
{
    if (m_pRightContainer) m_pRightContainer->OnToggle();
}

BOOL CMeetingLayer::IsPresenterMe()
{
    return m_pMeeting && m_pMeeting->IsPresenterMe();
}

int CMeetingLayer::GetPresenterIdnfr()
{
    CUser* pPresenter = m_pMeeting ? m_pMeeting->GetPresenter() : nullptr;
    return pPresenter ? pPresenter->GetUserIdnfr() : 0;
}

int CMeetingLayer::GetReportReceiverId()
{
    return m_pMeeting ? m_pMeeting->GetReportReceiverId() : 0;
}

BOOL CMeetingLayer::TakeSkipPageSync()
{
    const BOOL bSkip = m_bSkipPageSync;
    m_bSkipPageSync = FALSE;
    return bSkip;
}

BOOL CMeetingLayer::CanShare()
{
    return m_pMeeting && m_pMeeting->CanShare();
}

BOOL CMeetingLayer::PresenterOrMain()
{
    CMeetingManager* pManager = CMeetingManager::GetInstance();
    return pManager->IsPresenterMe() || pManager->IsMainUserMe();
}

void CMeetingLayer::ShowPageSyncBlocked()
{
    if (IZELMainDlg* pMain = GetMainDlg()) pMain->CheckPageSyncBlocked();
}

BOOL CMeetingLayer::OpenDocumentOnBoard(const CString& strAttcFileId)
{
    IZELMainDlg* pMain = GetMainDlg();
    return pMain ? pMain->OpenDocumentOnBoard(strAttcFileId) : TRUE;
}

void CMeetingLayer::EndPageSync(const CString& strDocumentId)
{
    // A presenter's followers must learn that the sharing ends, or they stay on his last page.
    if (CMeetingManager::GetInstance()->IsPresenterMe()) {
        Listen();
        SyncOff(strDocumentId.IsEmpty() ? GetCurrentDocumentId() : strDocumentId);
    }
    if (m_bPageSync) SetOptMode(5);
    ApplySyncState(0);
}

CWnd* CMeetingLayer::GetMenuCommandTarget()
{
    IZELMainDlg* pMain = GetMainDlg();
    return pMain ? pMain->GetWnd() : nullptr;
}

// ------------------------------------------------------------------------------- relays

void CMeetingLayer::CloseMinutesViewer()
{
    if (m_pRightContainer) m_pRightContainer->CloseMinutesViewer();
}

void CMeetingLayer::EnableChat(BOOL bOn)
{
    if (m_pRightContainer) m_pRightContainer->EnableChat(bOn);
}

void CMeetingLayer::OnChatPush(const CString& strUserName, const CString& strSentDate, const CString& strTime,
                               const CString& strMessage)
{
    if (m_pRightContainer) m_pRightContainer->OnChatPush(strUserName, strSentDate, strTime, strMessage);
}

void CMeetingLayer::OnConnectionLost()
{
    if (m_pRightContainer) m_pRightContainer->MarkChatSendsFailed();
}

void CMeetingLayer::RefreshChatRecipients()
{
    if (m_pRightContainer) m_pRightContainer->FillChatRecipients();
}

BOOL CMeetingLayer::IsChatOpen()
{
    return IsWindowVisible() && m_pRightContainer && m_pRightContainer->IsChatInView();
}

void CMeetingLayer::EnterWithWhiteboard()
{
    m_nDocumentIndex = -1;
    m_nPrevDocumentIndex = 0;
    OnOptShare(1, 0);
    SetWhiteboardMode(TRUE);
}

void CMeetingLayer::ShowWhiteboardShare()
{
    OnOptShare(1, 0);
}

void CMeetingLayer::ClearDocumentPages()
{
    if (m_pBoardLayer) m_pBoardLayer->ClearDocumentPages();
}

void CMeetingLayer::EnableBoard(BOOL bEnable)
{
    if (m_pBoardLayer) m_pBoardLayer->EnableBoard(bEnable);
}

LRESULT CMeetingLayer::OnChatSwitch(WPARAM wParam, LPARAM)
{
    if (m_pRightContainer) m_pRightContainer->EnableChat(wParam != 0);
    Listen();
    CTasClientManager::GetInstance()->RequestM00000074(m_strMeetingId, wParam ? L"Y" : L"N");
    return 0;
}

LRESULT CMeetingLayer::OnNothing(WPARAM, LPARAM)
{
    return 0;
}

int CMeetingLayer::GetCurrentPage()
{
    return m_pBoardLayer ? m_pBoardLayer->GetCurrentPage() : 0;
}

HWND CMeetingLayer::GetBoardWindow() { return m_pBoardLayer ? m_pBoardLayer->GetSafeHwnd() : nullptr; }

int CMeetingLayer::GetOptPageIndex()
{
    IBoardOptBar* pBar = m_pBoardLayer ? m_pBoardLayer->GetOptBar() : nullptr;
    return pBar ? pBar->GetCurrentPage() : 0;
}

void CMeetingLayer::EnableInfoSync(BOOL bEnable)
{
    if (IBoardInfoBar* pBar = m_pBoardLayer ? m_pBoardLayer->GetInfoBar() : nullptr) pBar->EnableSync(bEnable);
}

void CMeetingLayer::OnOptShare(int bOn, int bApply)
{
    // The bars' whiteboard buttons (on: the meeting's whiteboard is shown), not the board's
    // sharing: that follows the page synchronisation alone.
    if (m_pBoardLayer) m_pBoardLayer->OnWhiteboardMode(bOn, bApply);
}

void CMeetingLayer::AddRemoteLine(int nPage, const Json::Value& line)
{
    if (m_pBoardLayer) m_pBoardLayer->AddRemoteLine(nPage, line);
}

void CMeetingLayer::RemoveLine(int nPage, const CString& strLineId)
{
    if (m_pBoardLayer) m_pBoardLayer->RemoveLine(nPage, strLineId);
}

void CMeetingLayer::ClearAllOverlays()
{
    if (m_pBoardLayer) m_pBoardLayer->ClearAllOverlays();
}

void CMeetingLayer::QueueRemoteZoom(float fZoom, int nOriginX, int nOriginY)
{
    if (m_pBoardLayer) m_pBoardLayer->QueueRemoteZoom(fZoom, nOriginX, nOriginY);
}

void CMeetingLayer::ShowRemotePointer(const CString& strMeetingId, int nUserId, const CString& strDocumentId,
                                      int nPage, const CString& strX, const CString& strY, const CString& strColor,
                                      const CString& strSize, const CString& strShape)
{
    if (!m_pBoardLayer) return;
    S_REMOTE_POINTER pointer;
    pointer.mtngId = strMeetingId;
    pointer.userIdnfr = nUserId;
    pointer.attcFileId = strDocumentId;
    pointer.page = nPage;
    pointer.pointerX = _wtoi(strX);
    pointer.pointerY = _wtoi(strY);
    pointer.pointerColor = _wtoi(strColor);
    pointer.pointerSize = _wtoi(strSize);
    pointer.pointerShape = _wtoi(strShape);
    m_pBoardLayer->ShowRemotePointer(pointer);
}

void CMeetingLayer::SetWhiteboardMode(BOOL bWhiteboard)
{
    if (m_pInfoPanel) m_pInfoPanel->SetWhiteboardMode(bWhiteboard);
}

void CMeetingLayer::ShowMainTab()
{
    if (m_pInfoPanel) m_pInfoPanel->ShowMainTab();
}

// ------------------------------------------------------------------------------- timers, keys

void CMeetingLayer::OnMeetingStatusChanged(int nStatus)
{
    if (!m_pMeeting) return;
    if (nStatus == 4 || nStatus == 14) {
        KillTimer(TIMER_PRESENCE);
        if (HasUnsavedDrawing() || HasUnsavedMemos()) {
            SetTimer(TIMER_STATUS_SAVE, 1500, nullptr);
            return;
        }
    }
    if (nStatus != m_pMeeting->GetStatus()) SetTimer(TIMER_DETAIL, 100, nullptr);
}

void CMeetingLayer::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIMER_PRESENCE:
        KillTimer(nIDEvent);
        if (MayRefreshPresence()) {
            Listen();
            CTasClientManager::GetInstance()->RequestM00000004(m_strMeetingId, GetCurrentDocumentId());
        }
        break;
    case TIMER_STATUS_SAVE:
        KillTimer(nIDEvent);
        if (!m_pMeeting) break;
        if (StartBoardSave(9)) break;
        Listen();
        CTasClientManager::GetInstance()->RequestM00000005(m_strMeetingId, m_strMeetingType);
        break;
    case TIMER_DETAIL:
        KillTimer(nIDEvent);
        if (m_pMeeting) {
            Listen();
            CTasClientManager::GetInstance()->RequestM00000005(m_strMeetingId, m_strMeetingType);
        }
        m_bMayConvert = TRUE;
        break;
    default:
        CZELWnd::OnTimer(nIDEvent);
        break;
    }
}

BOOL CMeetingLayer::MayRefreshPresence()
{
    IZELMainDlg* pMain = GetMainDlg();
    return m_pMeeting && GetSafeHwnd() && IsWindowVisible() && pMain && pMain->GetScreenMode() == ZEL_MODE_MEETING;
}

void CMeetingLayer::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CZELWnd::OnShowWindow(bShow, nStatus);
    if (bShow || nStatus != 0) return;
    // Hidden because another screen took the main dialog's place: the meeting is left whichever
    // way out led there, so that nothing of it (its timer, its record) is read afterwards.
    KillTimer(TIMER_PRESENCE);
    IZELMainDlg* pMain = GetMainDlg();
    if (m_pMeeting && pMain && pMain->GetScreenMode() != ZEL_MODE_MEETING) LeaveMeeting();
}

int CMeetingLayer::PageKeyStep(int nCode, WPARAM key, LPARAM flags, BOOL bVisible, BOOL bFullView)
{
    if (!bVisible || nCode != HC_ACTION || !(flags & 0x80000000)) return 0;
    if (key == VK_PRIOR) return -1;
    if (key == VK_NEXT) return 1;
    if (bFullView) {
        if (key == VK_UP || key == VK_LEFT) return -1;
        if (key == VK_DOWN || key == VK_RIGHT) return 1;
    }
    return 0;
}

LRESULT CALLBACK CMeetingLayer::KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CMeetingLayer* pScreen = g_pMeetingLayer;
    if (pScreen && pScreen->GetSafeHwnd()) {
        const int step = PageKeyStep(nCode, wParam, lParam, pScreen->IsWindowVisible(), pScreen->IsKeyNavigationMode());
        if (step < 0) pScreen->MovePrevPage();
        if (step > 0) pScreen->MoveNextPage();
    }
    return ::CallNextHookEx(g_hKeyboardHook, nCode, wParam, lParam);
}

void CMeetingLayer::OnRawMouseInput(POINT ptScreen, USHORT usButtonFlags)
{
    if (usButtonFlags != 1) return;
    if (m_pInfoPanel) m_pInfoPanel->ClosePopupsOutside(ptScreen);
    if (m_pBoardLayer) m_pBoardLayer->HideOptPopup(ptScreen);
}
