#include "whiteboard/board/BoardLayer.h"

#include <algorithm>

#include "core/AesBase64.h"
#include "core/ClientMessages.h"
#include "core/JsonHelpers.h"
#include "platform/MessageBox.h"
#include "ui/host/MainDlg.h"
#include "whiteboard/SvgFigureReader.h"
#include "whiteboard/LineEventReader.h"
#include "whiteboard/WhiteboardLog.h"

BEGIN_MESSAGE_MAP(CBoardLayer, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_BOARD_SELECT_PAGE, &CBoardLayer::OnSelectPage)
    ON_MESSAGE(WM_BOARD_IMAGE_FETCHED, &CBoardLayer::OnImageFetched)
    ON_MESSAGE(WM_BOARD_PAGE_DECODED, &CBoardLayer::OnPageDecoded)
    ON_MESSAGE(WM_SIDEPANEL_PAGE_FAVORITE, &CBoardLayer::OnPageFavorite)
END_MESSAGE_MAP()

CBoardLayer::CBoardLayer(IBoardMeetingContext* pMeeting, IBoardServer* pServer)
    : m_pMeeting(pMeeting), m_pServer(pServer), m_ticks([] { return ::GetTickCount(); })
{
}

CBoardLayer::~CBoardLayer()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CBoardLayer::Create(CWnd* pParent, const RECT& rc)
{
    return CWnd::CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, kControlId);
}

int CBoardLayer::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    RECT rc;
    GetClientRect(&rc);
    m_pCanvas.reset(new CBoardDrawCtrl(this, this));
    const RECT rcCanvas = {0, kInfoBarHeight, rc.right, rc.bottom - kOptBarHeight};
    if (!m_pCanvas->Create(this, rcCanvas))
        return -1;
    CreateBars();
    LayoutChildren(rc.right, rc.bottom);
    return 0;
}

// ---- the bars ----

namespace {
S_BOARD_BAR_MAKERS& BarMakers()
{
    static S_BOARD_BAR_MAKERS makers;
    return makers;
}
}  // namespace

void SetBoardBarMakers(const S_BOARD_BAR_MAKERS& makers)
{
    BarMakers() = makers;
}

const S_BOARD_BAR_MAKERS& GetBoardBarMakers()
{
    return BarMakers();
}

void CBoardLayer::CreateBars()
{
    const S_BOARD_BAR_MAKERS& makers = GetBoardBarMakers();
    S_BOARD_BAR_CONTEXT context;
    context.pBoard = this;
    context.pCanvas = m_pCanvas.get();
    context.onToolChosen = [this](int tool) {
        if (m_pOptBar)
            m_pOptBar->HideToolPopups(tool, 1);
        // The tool bar counts from its pen (0 pen, 1 highlighter, 2 pointer, 3 eraser); the
        // other bars count from the move tool.
        ShowToolIndex(tool + 1);
    };
    context.getMeetingId = [this] { return GetMeetingId(); };
    context.getDocumentId = [this] { return m_strDocId; };
    context.getCurrentPage = [this] { return m_nCurrentPage; };
    context.getBoardMode = [this] { return GetOptMode(); };
    context.getMeeting = [this] { return m_pMeeting; };
    context.isPresentingSynced = [this] {
        return (BOOL)(m_pMeeting && m_pMeeting->IsPageSync() && m_pMeeting->IsPresenterMe());
    };
    if (makers.makeInfoBar)
        m_pInfoBar.reset(makers.makeInfoBar(context, this));
    if (makers.makeOptBar)
        m_pOptBar.reset(makers.makeOptBar(context, this));
    if (makers.makeDrawToolBar) {
        m_pDrawToolBar.reset(makers.makeDrawToolBar(context));
        m_pCanvas->SetToolBar(m_pDrawToolBar.get());
    }
    if (makers.makeMemoLayer) {
        m_pMemoLayer.reset(makers.makeMemoLayer(context));
        m_pCanvas->SetMemoLayer(m_pMemoLayer.get());
    }
    if (makers.makeNavigator) {
        m_pNavigator.reset(makers.makeNavigator(context));
        m_pCanvas->SetNavigator(m_pNavigator.get());
    }
    if (makers.makeStickyNote)
        m_pStickyNote.reset(makers.makeStickyNote(context));
    if (makers.makePresenterBars) {
        m_pPresenterBars.reset(makers.makePresenterBars(context, this, this));
        m_pCanvas->SetPresenterBars(m_pPresenterBars.get());
    }
}

void CBoardLayer::DestroyBars()
{
    if (m_pCanvas) {
        m_pCanvas->SetMemoLayer(nullptr);
        m_pCanvas->SetToolBar(nullptr);
        m_pCanvas->SetPresenterBars(nullptr);
        m_pCanvas->SetNavigator(nullptr);
    }
    m_pPresenterBars.reset();
    m_pStickyNote.reset();
    m_pNavigator.reset();
    m_pMemoLayer.reset();
    m_pDrawToolBar.reset();
    m_pOptBar.reset();
    m_pInfoBar.reset();
}

int CBoardLayer::GetOptMode()
{
    return m_pOptBar ? m_pOptBar->GetMode() : 0;
}

void CBoardLayer::SetOptMode(int mode)
{
    if (m_pOptBar)
        m_pOptBar->SetMode(mode);
    if (!m_pCanvas)
        return;
    // The bare page (2) and a report receiver's drawing (3) are views of their own; any other
    // mode shows the drawing sharing gives the board.
    const int view = mode == 2   ? CBoardDrawCtrl::kViewImage
                     : mode == 3 ? CBoardDrawCtrl::kViewThird
                     : m_bSharing ? CBoardDrawCtrl::kViewShared
                                  : CBoardDrawCtrl::kViewOwn;
    if (view != m_pCanvas->GetBoardView()) {
        m_pCanvas->SetBoardView(view);
        m_pCanvas->Redraw();
    }
}

void CBoardLayer::UpdateFavorite()
{
    if (const auto page = m_pages.GetPage(m_nCurrentPage)) {
        if (m_pOptBar)
            m_pOptBar->SetFavoriteCheck(page->IsFavorite());
        if (m_pInfoBar)
            m_pInfoBar->SetFavoriteCheck(page->IsFavorite());
    }
}

void CBoardLayer::UpdateBarsForPage()
{
    if (m_pOptBar) {
        m_pOptBar->SetDocumentCount((int)m_documentIds.size());
        m_pOptBar->SetDocumentIndex(m_nDocIndex);
        m_pOptBar->SetPageCounter(m_nCurrentPage, m_nTotalPage);
    }
    if (m_pPresenterBars) {
        m_pPresenterBars->SetDocuments(m_nDocIndex, (int)m_documentIds.size());
        m_pPresenterBars->SetPage(m_nCurrentPage, m_nTotalPage);
    }
    UpdateFavorite();
    if (m_pStickyNote) {
        if (m_pStickyNote->IsShown())
            m_pStickyNote->ShowPageNote(m_nCurrentPage);
        if (m_pOptBar)
            m_pOptBar->SetStickyNoteButton(m_pStickyNote->HasNoteForPage());
    }
}

void CBoardLayer::OnStickyNote()
{
    if (!m_pStickyNote)
        return;
    if (m_pStickyNote->IsShown()) {
        m_pStickyNote->HideKeepState(TRUE);
        return;
    }
    m_pStickyNote->ShowPageNote(m_nCurrentPage);
    if (m_pOptBar)
        m_pOptBar->SetStickyNoteButton(m_pStickyNote->HasNoteForPage());
    m_pStickyNote->ShowWindowAt();
}

void CBoardLayer::OnReceiveM00000063(const Json::Value& body, int status)
{
    if (status != 0 || !body.isObject() || GetJsonString(body, "attcFileId") != m_strDocId)
        return;
    if (body.isMember("userIdnfr"))
        m_bReceiverNotesLoaded = TRUE;
    if (!m_pStickyNote)
        return;
    m_pStickyNote->OnNotesLoaded(body);
    m_pStickyNote->ShowPageNote(m_nCurrentPage);
    if (m_pOptBar)
        m_pOptBar->SetStickyNoteButton(m_pStickyNote->HasNoteForPage());
}

void CBoardLayer::OnReceiveM00000064(const Json::Value& body, int status)
{
    if (status != 0 || !body.isObject() || GetJsonString(body, "attcFileId") != m_strDocId || !m_pStickyNote)
        return;
    m_pStickyNote->OnNotesSaved(body);
    m_pStickyNote->ShowPageNote(m_nCurrentPage);
    if (m_pOptBar)
        m_pOptBar->SetStickyNoteButton(m_pStickyNote->HasNoteForPage());
}

void CBoardLayer::UpdateHistoryButtons(BOOL canUndo, BOOL canRedo)
{
    if (m_pDrawToolBar)
        m_pDrawToolBar->EnableUndoRedo(canUndo, canRedo);
}

void CBoardLayer::EnableClearButtons(BOOL pageDrawing, BOOL anyDrawing)
{
    if (m_pDrawToolBar)
        m_pDrawToolBar->EnableClearButtons(pageDrawing, anyDrawing);
}

void CBoardLayer::LayoutChildren(int cx, int cy)
{
    if (m_bFullView) {
        if (m_pCanvas && m_pCanvas->GetSafeHwnd())
            m_pCanvas->MoveWindow(0, 0, cx, cy, TRUE);
        return;
    }
    // With the bars, the canvas sits between the information bar and the option bar; without
    // them it keeps the same place, so the board looks the same whichever bars the program sets.
    if (m_pCanvas && m_pCanvas->GetSafeHwnd())
        m_pCanvas->MoveWindow(0, kInfoBarHeight, cx, std::max(0, cy - kInfoBarHeight - kOptBarHeight), TRUE);
    if (m_pInfoBar && m_pInfoBar->GetBarWnd())
        m_pInfoBar->GetBarWnd()->MoveWindow(0, 0, cx, kInfoBarHeight, TRUE);
    if (m_pOptBar && m_pOptBar->GetBarWnd())
        m_pOptBar->GetBarWnd()->MoveWindow(0, std::max(0, cy - kOptBarHeight), cx, kOptBarHeight, TRUE);
    if (m_pDrawToolBar)
        m_pDrawToolBar->LayoutPanel(m_pDrawToolBar->GetPanel(), 0);
}

void CBoardLayer::OnSize(UINT nType, int cx, int cy)
{
    LayoutChildren(cx, cy);
}

void CBoardLayer::OnDestroy()
{
    m_fetcher.Stop();
    m_ahead.Stop();
    // A page image posted but not yet taken is freed here: nothing will handle it any more.
    CBoardImageFetcher::DropPosted(m_hWnd, WM_BOARD_IMAGE_FETCHED);
    CBoardImageFetcher::DropPosted(m_hWnd, WM_BOARD_PAGE_DECODED);
    DestroyBars();
    ResetPages();
    if (m_pCanvas) {
        m_pCanvas->StopSharedThread();
        m_pCanvas->DestroyWindow();
        m_pCanvas.reset();
    }
    CWnd::OnDestroy();
}

// ---- documents and pages ----

void CBoardLayer::OpenDocument(const CString& mtngId, const CString& docId, const CString& name, const CString& url,
                               int startPage)
{
    if (mtngId == m_strMeetingId && docId == m_strDocId && !m_pages.IsEmpty())
        return;  // already open
    m_strMeetingId = mtngId;
    m_strDocId = docId;
    m_strDocName = name;
    m_strDocUrl = url;
    // The bar's approval names the document it concerns.
    if (m_pInfoBar)
        m_pInfoBar->SetDocumentInfo(name, docId);
    // The full view's banner names the document as the information bar does.
    if (m_pCanvas)
        m_pCanvas->ShowBannerText(name);
    ResetPages();
    SetCurrentPage(startPage);
    if (m_pMeeting)
        m_pMeeting->SetBoardDocumentId(docId);
    m_failedPages.clear();
    RequestPageImage(startPage);
    if (m_pOptBar)
        m_pOptBar->ApplyShareState(m_bSharing);
    if (m_pCanvas)
        m_pCanvas->SetZoom(0.0f);
    m_fZoomCombo = 0.0f;
    m_nDocIndex = (int)m_documentIds.size();
    for (size_t i = 0; i < m_documentIds.size(); ++i) {
        if (m_documentIds[i] == docId) {
            m_nDocIndex = (int)i;
            break;
        }
    }
}

void CBoardLayer::CreatePages(int total)
{
    m_pages.CreatePages(total);
    m_nTotalPage = m_pages.GetPageCount();
    UpdateBarsForPage();
}

BOOL CBoardLayer::AddWhiteBoardPage(int page, int totalPage, int requestPage)
{
    if (m_pages.IsEmpty() || m_nTotalPage == totalPage || m_nTotalPage + 1 != totalPage) {
        CWhiteboardLog::Log(3, L"CBoardLayer::AddWhiteBoardPage m_nTotalPage == total page:%d, total:%d, requestPage:%d",
                            page, totalPage, requestPage);
        return FALSE;
    }
    // The new page lands where the board goes: the page it shows afterwards.
    const int at = std::max(1, std::min(page, m_nTotalPage + 1));
    if (const auto left = m_pages.GetPage(m_nCurrentPage))
        left->ApplyAllEvents();
    m_pages.InsertPage(at);
    ShiftPageNumbers(at, 1);
    if (m_pStickyNote)
        m_pStickyNote->InsertPageNote(at, at);
    AfterPageCommand(at);
    return TRUE;
}

BOOL CBoardLayer::DelWhiteBoardPage(int page, int totalPage, int requestPage)
{
    if (m_pages.IsEmpty() || m_nTotalPage == totalPage || m_nTotalPage - 1 != totalPage
        || !m_pages.HasPage(requestPage)) {
        CWhiteboardLog::Log(3, L"CBoardLayer::DelWhiteBoardPage m_nTotalPage == total page:%d, total:%d, requestPage:%d",
                            page, totalPage, requestPage);
        return FALSE;
    }
    if (const auto left = m_pages.GetPage(m_nCurrentPage))
        left->ApplyAllEvents();
    // The canvas lets go of the page before it leaves the manager.
    if (m_pCanvas)
        m_pCanvas->SetPage(nullptr);
    m_pages.DeletePage(requestPage);
    m_failedPages.erase(requestPage);
    ShiftPageNumbers(requestPage + 1, -1);
    const int shown = std::max(1, std::min(page, m_pages.GetPageCount()));
    if (m_pStickyNote)
        m_pStickyNote->DeletePageNote(shown, requestPage);
    AfterPageCommand(shown);
    return TRUE;
}

void CBoardLayer::ShiftPageNumbers(int n, int step)
{
    std::set<int> failed;
    for (int p : m_failedPages)
        failed.insert(p >= n ? p + step : p);
    m_failedPages.swap(failed);
    if (m_nImageWaitPage >= n)
        m_nImageWaitPage += step;
    if (m_nJumpPage >= n)
        m_nJumpPage += step;
}

void CBoardLayer::AfterPageCommand(int page)
{
    m_nTotalPage = m_pages.GetPageCount();
    ShowPage(page, TRUE);
    m_nSliderPercent = SliderPercent(m_nCurrentPage, m_nTotalPage);
    // The new page's background: the meeting's whiteboard has its own picture at hand; any other
    // is asked for now unless the image chain is running (it takes the shown page first).
    const auto shown = m_pages.GetPage(page);
    if (shown && !shown->HasImage() && !LoadWhiteBoardBackground(page) && !shown->m_bImageRequested
        && !m_bImageChainBusy)
        RequestPageImage(page);
}

void CBoardLayer::ResetBoard()
{
    m_strDocId.Empty();
    m_nLastImageRequest = 0;
    if (m_pInfoBar) {
        m_pInfoBar->ResetZoomCombo();
        m_pInfoBar->ResetSelection();
    }
    if (m_pCanvas)
        m_pCanvas->Reset();
}

void CBoardLayer::ResetPages()
{
    if (m_pCanvas)
        m_pCanvas->SetPage(nullptr);
    m_pages.CreatePages(0);
    m_nTotalPage = 0;
    m_nPictureWaitPage = 0;
    m_bReceiverNotesLoaded = FALSE;
}

void CBoardLayer::SetDocumentList(const std::vector<CString>& documentIds)
{
    m_documentIds = documentIds;
}

int CBoardLayer::SliderPage(int total, int percent)
{
    if (percent >= 100)
        return total;
    return total * percent / 100 + 1;
}

int CBoardLayer::SliderPercent(int current, int total)
{
    if (total <= 1)
        return current >= total ? 100 : 0;
    if (current <= 1)
        return 0;
    return (current - 1) * 100 / (total - 1);
}

BOOL CBoardLayer::CanvasHasCapture() const
{
    return m_pCanvas && m_pCanvas->GetSafeHwnd() && ::GetCapture() == m_pCanvas->GetSafeHwnd();
}

void CBoardLayer::ShowPage(int page, BOOL alwaysGiveCanvas)
{
    // Strokes still queued for the page being left land on it before it goes.
    if (const auto left = m_pages.GetPage(m_nCurrentPage))
        left->ApplyAllEvents();
    SetCurrentPage(page);
    const auto shown = m_pages.GetPage(page);
    m_nPictureWaitPage = 0;
    if (m_pCanvas && (alwaysGiveCanvas || m_pCanvas->GetPageNumber() != page)) {
        m_pCanvas->SetPage(shown);
        m_pCanvas->AlignPageAfterMove();
        m_pCanvas->UpdateClearButtons();
    }
    if (!shown->HasImage()) {
        m_bImageWait = TRUE;
        m_nImageWaitPage = page;
        // A page whose image failed earlier is asked for again now that it is shown.
        if (m_failedPages.erase(page)) {
            shown->m_bImageRequested = FALSE;
            if (!m_bImageChainBusy)
                RequestPageImage(page);
        }
    } else if (!shown->m_bFiguresLoaded && m_pServer) {
        m_pServer->RequestFigures(m_strMeetingId, m_strDocId, page);
    }
    UpdateBarsForPage();
    if (m_pMeeting)
        m_pMeeting->OnBoardPageShown(page);
    FollowPagesAhead();
    RequestReceiverLayer();
}

BOOL CBoardLayer::FollowPagesAhead()
{
    return m_ahead.Follow(m_hWnd, m_pages, m_strDocId, m_nCurrentPage, [this](const CMMPage& page) {
        // The canvas' fit applied to that page's size: what its turn would scale the picture to.
        SIZE fit = {0, 0};
        if (!m_pCanvas)
            return fit;
        CCanvasView view = m_pCanvas->View();
        if (!view.IsFit())
            return fit;
        view.SetImageSize(page.m_nImageWidth, page.m_nImageHeight);
        if (view.RecalcLayout())
            fit = SIZE{view.Page().right - view.Page().left, view.Page().bottom - view.Page().top};
        return fit;
    });
}

void CBoardLayer::MovePage(int page)
{
    if (!m_pages.HasPage(page))
        return;
    ShowPage(page, FALSE);
}

BOOL CBoardLayer::StepGuardPasses()
{
    const DWORD now = m_ticks();
    if (now - m_dwLastAction <= kStepGuardMs)
        return FALSE;
    m_dwLastAction = now;
    return TRUE;
}

void CBoardLayer::MoveBy(int step)
{
    if (!StepGuardPasses() || CanvasHasCapture())
        return;
    const int target = m_nCurrentPage + step;
    if (!m_pages.HasPage(target)) {
        // Past the first or last page: the neighbouring document, when there is one.
        if (m_pMeeting && m_pMeeting->IsDocumentFixed())
            return;
        const int count = (int)m_documentIds.size();
        if (step < 0 && m_nDocIndex > 0)
            OnOpenDocument((WPARAM)(m_nDocIndex - 1), kCodePrevDocument);
        else if (step > 0 && m_nDocIndex < count - 1)
            OnOpenDocument((WPARAM)(m_nDocIndex + 1), kCodeNextDocument);
        return;
    }
    if (m_pMeeting && m_pMeeting->IsMeetingLive() && m_pMeeting->IsPageSync()) {
        if (m_pMeeting->IsPresenterMe()) {
            RequestPageSync(target);
        } else if (!m_pMeeting->CanShare()) {
            return;
        } else {
            CWhiteboardLog::Log(2, step < 0 ? L"Attendee page move allowed >> Prev" : L"Attendee page move allowed >> Next");
        }
    }
    ShowPage(target, TRUE);
}

void CBoardLayer::MovePrevPage()
{
    MoveBy(-1);
}

void CBoardLayer::MoveNextPage()
{
    MoveBy(1);
}

void CBoardLayer::RequestPageSync(int page)
{
    if (m_pServer && IsPresentingLive())
        m_pServer->RequestPageSync(m_strMeetingId, m_strDocId, page);
}

LRESULT CBoardLayer::OnSelectPage(WPARAM wParam, LPARAM)
{
    if (CanvasHasCapture())
        return 0;
    const int page = (int)wParam + 1;
    // The flag is spent by whichever selection comes first after the screen opened a document.
    const BOOL skip = m_pMeeting && m_pMeeting->TakeSkipPageSync();
    if (!skip && IsPresentingLive())
        RequestPageSync(page);
    MovePage(page);
    return 0;
}

// ---- sharing ----

void CBoardLayer::SetShareMode(int share)
{
    m_bSharing = share != 0;
    UpdateStickyNoteLock(share);
    if (!m_pCanvas)
        return;
    m_pCanvas->SetShareMode(share);
    if (m_pOptBar)
        m_pOptBar->ApplyShareState(share);
    if (share && m_pCanvas->GetMode() == CBoardDrawCtrl::kMemo)
        m_pCanvas->SetMode(CBoardDrawCtrl::kPan);
    if (share)
        m_pCanvas->StartSharedThread();
    else
        m_pCanvas->StopSharedThread();
    if (const auto page = m_pages.GetPage(m_nCurrentPage)) {
        if (share) {
            m_pCanvas->RepaintIfMode(CBoardDrawCtrl::kViewShared);
            if (page->m_bFiguresLoaded) {
                page->m_bApplyEvents = TRUE;
                m_pCanvas->WakeSharedThread();
            } else if (page->HasImage() && m_pServer) {
                // The presenter's strokes wait for the page's figures; a follower who stays on the
                // page he had open would otherwise never see them.
                m_pServer->RequestFigures(m_strMeetingId, m_strDocId, m_nCurrentPage);
            }
        } else {
            m_pCanvas->RepaintIfMode(CBoardDrawCtrl::kViewOwn);
            page->m_bApplyEvents = FALSE;
        }
    }
}

void CBoardLayer::UpdateStickyNoteLock(int share)
{
    if (!m_pStickyNote)
        return;
    // The own notes (board mode 1) stay the user's to change; someone following the presenter
    // changes none; otherwise the notes are fixed while the board is shared.
    BOOL locked = share != 0;
    if (GetOptMode() == 1)
        locked = FALSE;
    else if (m_pMeeting && m_pMeeting->IsPageSync() && !m_pMeeting->IsPresenterMe())
        locked = TRUE;
    m_pStickyNote->SetLocked(locked);
}

BOOL CBoardLayer::HasDrawingOnPages(int sharing)
{
    return sharing ? m_pages.HasSharedFigures() : m_pages.HasOwnFigures();
}

void CBoardLayer::ClearPagesLayer(int sharing)
{
    if (!sharing || (m_pMeeting && !m_pMeeting->IsPresenterMe() && m_pMeeting->IsPageSync()))
        m_pages.ClearOwnLayers();
    else
        m_pages.ClearSharedLayers();
}

// ---- the presenter's view ----

void CBoardLayer::DrainIncoming(CMMPage& page)
{
    std::lock_guard<std::recursive_mutex> guard(page.GetLock());
    if (!page.m_bApplyEvents)
        return;
    for (int n = page.GetIncomingCount(); n > 0; --n) {
        page.MoveIncomingEvent();
        page.ApplyNextEvent();
    }
}

void CBoardLayer::AddRemoteLine(int page, const Json::Value& line)
{
    const auto target = m_pages.GetPage(page);
    if (!target)
        return;
    if (!CLineEventReader::QueueRemoteLine(*target, line) || !m_pCanvas)
        return;
    // Applied here rather than handed to the sharing thread and back: the stroke reaches the
    // screen one thread switch sooner, which on busy cores is most of its way.
    if (!m_pCanvas->ApplyIncomingStrokesNow())
        m_pCanvas->WakeSharedThread();
}

void CBoardLayer::RemoveLine(int page, const CString& lineId)
{
    const auto target = m_pages.GetPage(page);
    if (!target)
        return;
    DrainIncoming(*target);
    target->RemoveSharedLine(lineId);
    if (m_pCanvas)
        m_pCanvas->PostLiveRedraw();
}

void CBoardLayer::ClearAllOverlays()
{
    for (int n = 1; n <= m_pages.GetPageCount(); ++n)
        if (const auto page = m_pages.GetPage(n))
            DrainIncoming(*page);
    m_pages.ClearSharedLayers();
    if (m_pCanvas)
        m_pCanvas->PostLiveRedraw();
}

void CBoardLayer::QueueRemoteZoom(float zoomFactor, int originX, int originY)
{
    if (m_pCanvas)
        m_pCanvas->QueueRemoteZoom(zoomFactor, originX, originY);
}

void CBoardLayer::ShowRemotePointer(const S_REMOTE_POINTER& pointer)
{
    if (m_pCanvas)
        m_pCanvas->ShowRemotePointer(pointer);
}

void CBoardLayer::SetPendingZoom(float zoomFactor, int originX, int originY)
{
    m_fPendingZoom = zoomFactor;
    m_nPendingX = originX;
    m_nPendingY = originY;
}

void CBoardLayer::ApplyPendingZoom()
{
    if (!m_pCanvas || m_pCanvas->GetPageNumber() != m_nCurrentPage)
        return;
    if (m_fPendingZoom > 0.0f)
        ApplyZoom(m_fPendingZoom, m_nPendingX, m_nPendingY);
    SetPendingZoom(0.0f, 0, 0);
}

void CBoardLayer::ApplyZoom(float zoomFactor, int originX, int originY)
{
    if (zoomFactor == -1.0f)
        zoomFactor = 0.0f;
    if (m_pCanvas)
        m_pCanvas->ApplyRemoteZoom(zoomFactor, originX, originY);
    m_fZoomCombo = zoomFactor;
}

// ---- listeners ----

void CBoardLayer::OnPrevPage()
{
    MovePrevPage();
    m_nSliderPercent = SliderPercent(m_nCurrentPage, m_nTotalPage);
    if (m_pCanvas)
        m_pCanvas->UpdateClearButtons();
}

void CBoardLayer::OnNextPage()
{
    MoveNextPage();
    m_nSliderPercent = SliderPercent(m_nCurrentPage, m_nTotalPage);
    if (m_pCanvas)
        m_pCanvas->UpdateClearButtons();
}

void CBoardLayer::OnOpenDocument(WPARAM wParam, LPARAM lParam)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_BOARD_OPEN_DOCUMENT, wParam, lParam);
}

void CBoardLayer::OnSliderPage(int percent)
{
    const int page = SliderPage(m_nTotalPage, percent);
    RequestPageSync(page);
    m_nJumpPage = page;
    MovePage(page);
}

void CBoardLayer::OnSliderPreview(int percent)
{
    const int page = SliderPage(m_nTotalPage, percent);
    if (!m_pages.HasPage(page))
        return;
    // The page the thumb points at is shown on the bar before the user lets go.
    if (m_pOptBar)
        m_pOptBar->ShowPagePreview(page, m_nTotalPage);
    if (m_pCanvas)
        m_pCanvas->UpdateClearButtons();
}

void CBoardLayer::ShowDrawToolBar()
{
    // The canvas decides: only over a page with its picture, and a second choice of the same
    // kind of tool while the bar is open closes it.
    if (m_pCanvas)
        m_pCanvas->UpdateToolBarVisibility(TRUE);
}

void CBoardLayer::ShowToolIndex(int tool)
{
    // The option bar and the full view's toolbar show the same tool.
    if (m_pOptBar)
        m_pOptBar->CheckToolButton(tool);
    if (m_pPresenterBars)
        m_pPresenterBars->SelectTool(tool);
}

void CBoardLayer::OnMemoTool()
{
    HideDrawToolBar();
    if (m_pCanvas && m_pCanvas->GetMode() != CBoardDrawCtrl::kMemo)
        m_pCanvas->SetMode(CBoardDrawCtrl::kMemo);
    ShowToolIndex(5);
}

void CBoardLayer::OnPenTool()
{
    if (m_pCanvas)
        m_pCanvas->SetMode(m_pCanvas->GetLastToolMode());
    ShowDrawToolBar();
    ShowToolIndex(1);
}

void CBoardLayer::OnEraserTool()
{
    if (!m_pCanvas)
        return;
    m_pCanvas->SetMode(CBoardDrawCtrl::kEraser);
    ShowDrawToolBar();
    m_pCanvas->UpdateClearButtons();
    ShowToolIndex(4);
}

void CBoardLayer::OnHighlighterTool()
{
    if (m_pCanvas)
        m_pCanvas->SetMode(m_pCanvas->GetLastToolMode());
    ShowDrawToolBar();
    ShowToolIndex(2);
}

void CBoardLayer::OnPointerTool()
{
    if (m_pCanvas)
        m_pCanvas->SetMode(CBoardDrawCtrl::kPointer);
    ShowToolIndex(3);
    if (const auto& select = GetBoardBarMakers().selectPalettePointer)
        select();
}

void CBoardLayer::OnPanTool()
{
    HideDrawToolBar();
    if (m_pCanvas)
        m_pCanvas->SetMode(CBoardDrawCtrl::kPan);
    ShowToolIndex(0);
}

void CBoardLayer::OnSyncCommand(int code)
{
    HideDrawToolBar();
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_BOARD_SYNC_COMMAND, (WPARAM)code, 0);
}

void CBoardLayer::OnGoToPage(int page)
{
    if (CanvasHasCapture())
        return;
    RequestPageSync(page);
    MovePage(page);
}

void CBoardLayer::OnZoom(float zoom)
{
    if (m_pCanvas)
        m_pCanvas->SetZoom(zoom);
}

BOOL CBoardLayer::IsPresentingLive()
{
    return m_pMeeting && m_pMeeting->IsMeetingLive() && m_pMeeting->IsPageSync() && m_pMeeting->IsPresenterMe();
}

void CBoardLayer::OnZoomChanged(float zoom, int originX, int originY)
{
    if (m_pServer && IsPresentingLive())
        m_pServer->RequestZoom(m_strMeetingId, m_strDocId, zoom, originX, originY);
}

void CBoardLayer::OnPointer(int x, int y, int color, int size, int shape)
{
    if (m_pServer && IsPresentingLive())
        m_pServer->RequestPointer(m_strMeetingId, m_pMeeting->GetPresenterIdnfr(), m_strDocId, m_nCurrentPage, x, y,
                                  color, size, shape);
}

// ---- the canvas' host ----

CString CBoardLayer::GetMeetingId()
{
    return m_pMeeting ? m_pMeeting->GetMeetingId() : m_strMeetingId;
}

CString CBoardLayer::GetCurrentDocumentId()
{
    return m_pMeeting ? m_pMeeting->GetCurrentDocumentId() : m_strDocId;
}

BOOL CBoardLayer::IsPresenting()
{
    return m_pMeeting && m_pMeeting->IsPresenterMe();
}

BOOL CBoardLayer::IsPageSync()
{
    return m_pMeeting && m_pMeeting->IsPageSync();
}

int CBoardLayer::GetPresenterIdnfr()
{
    return m_pMeeting ? m_pMeeting->GetPresenterIdnfr() : 0;
}

void CBoardLayer::ShowConfirmPopup(UINT stringId)
{
    AfxMessageBox(stringId, MB_OK | MB_ICONINFORMATION);
}

void CBoardLayer::SendDrawing(const S_BOARD_CONTENT& content)
{
    if (m_pServer)
        m_pServer->RequestDrawingEvent(content.mtngId, content.attcFileId, content.page, content.content);
}

// ---- page loading ----


void CBoardLayer::RequestPageImage(int page)
{
    m_nLastImageRequest = page;
    if (const auto target = m_pages.GetPage(page))
        target->m_bImageRequested = TRUE;
    m_bImageChainBusy = TRUE;
    if (m_pServer)
        m_pServer->RequestPageImage(GetMeetingId(), m_strDocId, page);
}

void CBoardLayer::OnReceiveM00000024(const Json::Value& body, int status)
{
    if (status != 0 || !body.isObject())
        return;
    const CString docId = GetJsonString(body, "attcFileId");
    const int page = GetJsonInt(body, "page");
    const int total = GetJsonInt(body, "totalPage");
    const BOOL receiver = body.isMember("userIdnfr");
    CWhiteboardLog::Log(2, L"OnReceiveM00000024 >>> : MeetingID : %s, DocID : %s, Page : %d, total : %d ",
                        GetJsonString(body, "mtngId").GetString(), docId.GetString(), page, total);
    if (docId != m_strDocId) {
        CWhiteboardLog::Log(2, L"OnReceiveM00000024 >>> : MeetingID : %s, strDocID : %s, m_strDocId : %s",
                            GetJsonString(body, "mtngId").GetString(), docId.GetString(), m_strDocId.GetString());
        return;
    }
    if (!receiver && total <= 0) {
        // A document without pages: the canvas says so instead of waiting for an image.
        if (m_pCanvas)
            m_pCanvas->RestartLoading();
        return;
    }
    CString url = GetJsonString(body, "imageUrl");
    if (GetJsonFlag(body, "isEnc"))
        url = DecryptAes256Base64(url, GetJsonString(body, "aesKey"));
    S_BOARD_IMAGE* record = new S_BOARD_IMAGE;
    record->url = url;
    record->docId = docId;
    record->page = page;
    record->receiver = receiver;
    record->meta = GetJsonUtf8(body, "meta");
    if (!receiver && page <= total) {
        m_nLastImageRequest = page;
        LoadPageImage(record, total);
        return;
    }
    ReadStoredDrawing(*record);
    delete record;
}

void CBoardLayer::OnReceiveM00000011(const Json::Value& body, int status, const char* raw, int rawLength)
{
    if (status != 0 || !body.isObject()) {
        if (m_pCanvas)
            m_pCanvas->RestartLoading();
        return;
    }
    const CString error = GetJsonString(body, "errMsg");
    if (!error.IsEmpty()) {
        if (IZELMainDlg* main = GetMainDlg())
            main->ShowConfirmPopup(error);
        if (m_pCanvas)
            m_pCanvas->RestartLoading();
        return;
    }
    const CString docId = GetJsonString(body, "attcFileId");
    const int total = GetJsonInt(body, "totalPage");
    const int page = GetJsonInt(body, "startIdx");
    if (docId != m_strDocId) {
        CWhiteboardLog::Log(2, L"this page response is old...so skip it..");
        return;
    }
    if (total <= 0) {
        if (m_pCanvas)
            m_pCanvas->RestartLoading();
        return;
    }
    PreparePages(total, page);
    const auto target = m_pages.GetPage(page);
    if (!target)
        return;
    target->m_bImageRequested = TRUE;
    // The page's picture came with the reply; its stored drawing comes with the page-image reply.
    if (!SetPageImage(raw && rawLength > 0 ? std::string(raw, (size_t)rawLength) : std::string(), page)) {
        if (m_pCanvas)
            m_pCanvas->RestartLoading();
        return;
    }
    RequestPageImage(page);
}

void CBoardLayer::OnReceiveM00000039(const Json::Value& body, int status)
{
    if (status != 0 || !body.isObject() || GetJsonString(body, "attcFileId") != GetCurrentDocumentId())
        return;
    const int number = GetJsonInt(body, "page");
    const auto page = m_pages.GetPage(number);
    if (!page)
        return;
    std::shared_ptr<CMMFigure> building;
    {
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        CMMFigureHolder layer = page->m_sharedLayer;
        const Json::Value* content = FindJsonMember(body, "content");
        if (content && content->isArray())
            CLineEventReader::ReadFigureList(*content, page->m_nImageWidth, page->m_nImageHeight, layer, building);
        page->m_sharedLayer = layer;
        page->m_bFiguresLoaded = TRUE;
    }
    if (m_pCanvas && number == m_nCurrentPage) {
        m_pCanvas->RepaintIfMode(CBoardDrawCtrl::kViewShared);
        if (building && m_pCanvas->GetPageNumber() == number)
            m_pCanvas->SetRemoteFigure(building);
    }
    page->m_bApplyEvents = TRUE;
    if (m_pCanvas)
        m_pCanvas->WakeSharedThread();
}

void CBoardLayer::PreparePages(int total, int page)
{
    if (!m_pages.IsEmpty())
        return;
    CreatePages(total);
    if (IsPageSync() && m_pServer)
        m_pServer->RequestFigures(GetMeetingId(), m_strDocId, page);
    // The document's own sticky notes, once its pages exist.
    if (m_pServer)
        m_pServer->RequestStickyNotes(GetMeetingId(), m_strDocId, 0, 0);
    // The page shown first came without a page move.
    RequestReceiverLayer();
}

void CBoardLayer::LoadPageImage(S_BOARD_IMAGE* record, int total)
{
    std::unique_ptr<S_BOARD_IMAGE> owned(record);
    if (total <= 0) {
        m_bImageChainBusy = FALSE;
        return;
    }
    PreparePages(total, record->page);
    const auto target = m_pages.GetPage(record->page);
    if (!target) {
        m_bImageChainBusy = FALSE;
        return;
    }
    target->m_bImageRequested = TRUE;
    // The meeting's whiteboard pages take their picture from the program's folder.
    if (ReadWhiteBoardBackground(*record)) {
        ApplyFetchedImage(*record);
        return;
    }
    // The download runs off this thread; the chain goes on when its result arrives.
    if (!m_fetcher.Fetch(m_hWnd, WM_BOARD_IMAGE_FETCHED, owned.get())) {
        CWhiteboardLog::Log(4, L"Page image %d: the download could not start", record->page);
        m_bImageChainBusy = FALSE;
        return;
    }
    owned.release();
}

LRESULT CBoardLayer::OnPageDecoded(WPARAM, LPARAM lParam)
{
    std::unique_ptr<S_BOARD_IMAGE> record(reinterpret_cast<S_BOARD_IMAGE*>(lParam));
    if (!record)
        return 0;
    CPagesAhead::Take(*record, m_pages, m_strDocId, m_nCurrentPage);
    // The shown page waited for this picture: the canvas gets the page now, with its picture or,
    // when the image could not be decoded, to try it itself.
    if (m_nPictureWaitPage && record->page == m_nPictureWaitPage && record->page == m_nCurrentPage
        && record->docId == m_strDocId) {
        const auto target = m_pages.GetPage(record->page);
        if (target && target->GetImageSerial() == record->serial) {
            m_nPictureWaitPage = 0;
            GivePageToCanvas(target);
        }
    }
    return 0;
}

LRESULT CBoardLayer::OnImageFetched(WPARAM, LPARAM lParam)
{
    std::unique_ptr<S_BOARD_IMAGE> record(reinterpret_cast<S_BOARD_IMAGE*>(lParam));
    // Another document opened meanwhile runs its own chain.
    if (record && record->docId == m_strDocId)
        ApplyFetchedImage(*record);
    return 0;
}

void CBoardLayer::ApplyFetchedImage(S_BOARD_IMAGE& image)
{
    S_BOARD_IMAGE* record = &image;
    if (record->ok) {
        SetPageImage(record->bytes, record->page);
    } else {
        CWhiteboardLog::Log(4, L"Page image %d of %s could not be loaded: %s", record->page, m_strDocId.GetString(),
                            record->url.GetString());
        m_failedPages.insert(record->page);
    }
    ReadStoredDrawing(*record);
    if (m_bImageWait && m_nImageWaitPage == record->page) {
        m_bImageWait = FALSE;
        if (m_pServer)
            m_pServer->RequestFigures(GetMeetingId(), m_strDocId, record->page);
    }
    ContinueImageChain();
}

BOOL CBoardLayer::SetPageImage(const std::string& bytes, int page)
{
    const auto target = m_pages.GetPage(page);
    // Only stored here (the size read from the header): the decoder decodes the pages near the
    // shown one beside the next download.
    if (!target || bytes.empty() || !target->SetImage(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size())) {
        m_failedPages.insert(page);
        return FALSE;
    }
    target->m_bImageRequested = TRUE;
    BOOL pictureComing = FALSE;
    if (CPagesAhead::IsNear(page, m_nCurrentPage))
        pictureComing = FollowPagesAhead();
    else
        target->DropPicture();
    if (page == m_nCurrentPage && m_pCanvas) {
        // The spinner stays until the picture is there, rather than the canvas decoding the
        // image on this thread meanwhile.
        if (pictureComing && !target->GetPicture())
            m_nPictureWaitPage = page;
        else
            GivePageToCanvas(target);
    }
    return TRUE;
}

void CBoardLayer::GivePageToCanvas(const std::shared_ptr<CMMPage>& page)
{
    if (!m_pCanvas)
        return;
    m_pCanvas->SetPage(page);
    m_pCanvas->SetBoardView(BoardViewForMode());
}

int CBoardLayer::BoardViewForMode()
{
    if (!m_pOptBar)
        return m_bSharing ? CBoardDrawCtrl::kViewShared : CBoardDrawCtrl::kViewOwn;
    // The option bar's mode says whose drawing the page shows: the shared one (a shared
    // whiteboard, following), the bare original, a report receiver's, or the user's own.
    switch (m_pOptBar->GetMode()) {
    case 0:
    case 4: return CBoardDrawCtrl::kViewShared;
    case 2: return CBoardDrawCtrl::kViewImage;
    case 3: return CBoardDrawCtrl::kViewThird;
    default: return CBoardDrawCtrl::kViewOwn;
    }
}

void CBoardLayer::ReadStoredDrawing(const S_BOARD_IMAGE& record)
{
    const auto target = m_pages.GetPage(record.page);
    if (!target || record.meta.empty())
        return;
    CMMFigureHolder* layer = &target->m_ownLayer;
    if (record.receiver) {
        target->m_bOtherDrawingLoaded = TRUE;
        layer = &target->m_thirdLayer;
    }
    if (CSvgFigureReader::Read(record.meta, target->m_nImageWidth, target->m_nImageHeight, *layer)
        && record.page == m_nCurrentPage && m_pCanvas)
        m_pCanvas->RepaintIfMode(record.receiver ? CBoardDrawCtrl::kViewThird : CBoardDrawCtrl::kViewOwn);
}

int CBoardLayer::NextImagePage(const CMMPageManager& pages, int current, int& jumpTarget, int total)
{
    const auto wanted = [&](int n) {
        const auto page = pages.GetPage(n);
        return page && !page->m_bImageRequested;
    };
    if (wanted(current))
        return current;
    if (jumpTarget > 0) {
        for (int n = jumpTarget; n <= total; ++n)
            if (wanted(n))
                return n;
    }
    jumpTarget = 0;
    for (int n = 1; n <= total; ++n)
        if (wanted(n))
            return n;
    return 0;
}

void CBoardLayer::ContinueImageChain()
{
    const int next = NextImagePage(m_pages, m_nCurrentPage, m_nJumpPage, m_nTotalPage);
    if (next > 0)
        RequestPageImage(next);
    else
        m_bImageChainBusy = FALSE;
}

void CBoardLayer::SetCurrentPage(int page)
{
    m_nCurrentPage = page;
    if (const int number = _wtoi(m_strDocId)) m_pageByDocument[number] = page;
}

// ---- the meeting screen's settings ----

void CBoardLayer::SetWhiteBoardMode(BOOL on)
{
    if (!m_pOptBar)
        return;
    if (!on)
        m_pOptBar->SetMode(6);
    else if (m_pOptBar->GetMode() == 6)
        m_pOptBar->ApplyShareState(m_pMeeting && m_pMeeting->IsPageSync());
}

void CBoardLayer::EnableBoard(BOOL enable)
{
    if (!enable && m_pOptBar) m_pOptBar->SetPageCounter(0, 0);
    if (m_pInfoBar && m_pInfoBar->GetBarWnd()) m_pInfoBar->GetBarWnd()->EnableWindow(enable);
    if (m_pOptBar && m_pOptBar->GetBarWnd()) m_pOptBar->GetBarWnd()->EnableWindow(enable);
    // The full view's bars too: no page to page through there either.
    if (m_pPresenterBars) {
        if (!enable) m_pPresenterBars->SetPage(0, 0);
        m_pPresenterBars->EnableBars(enable);
    }
}

void CBoardLayer::HideStickyNote(BOOL keep)
{
    if (!m_pStickyNote)
        return;
    if (m_pOptBar)
        m_pOptBar->SetStickyNoteButton(m_pStickyNote->HasNoteForPage());
    m_pStickyNote->HideKeepState(keep);
}

void CBoardLayer::HideControlsForFullView()
{
    m_bFullView = TRUE;
    for (CWnd* bar : {m_pInfoBar ? m_pInfoBar->GetBarWnd() : nullptr, m_pOptBar ? m_pOptBar->GetBarWnd() : nullptr})
        if (bar && bar->GetSafeHwnd())
            bar->ShowWindow(SW_HIDE);
    if (m_pInfoBar)
        m_pInfoBar->ResetZoom();
    // The title bar that holds the floating palette is gone; the banner brings it back when it
    // opens.
    IZELMainDlg* main = GetMainDlg();
    if (CWnd* palette = main ? main->GetDrawToolWnd() : nullptr)
        if (palette->GetSafeHwnd())
            palette->ShowWindow(SW_HIDE);
    RECT rc;
    GetClientRect(&rc);
    LayoutChildren(rc.right, rc.bottom);
}

void CBoardLayer::ShowControls()
{
    m_bFullView = FALSE;
    // However the full view was left, the presenter's bars go with it at once.
    if (m_pCanvas) {
        m_pCanvas->StopBarsHideTimer();
        m_pCanvas->SetBarsShown(FALSE, TRUE);
    }
    for (CWnd* bar : {m_pInfoBar ? m_pInfoBar->GetBarWnd() : nullptr, m_pOptBar ? m_pOptBar->GetBarWnd() : nullptr})
        if (bar && bar->GetSafeHwnd())
            bar->ShowWindow(SW_SHOW);
    RECT rc;
    GetClientRect(&rc);
    LayoutChildren(rc.right, rc.bottom);
}

void CBoardLayer::OnPageSyncReply()
{
    m_pages.ClearSharedLayers();
    if (m_pCanvas)
        m_pCanvas->RepaintIfMode(CBoardDrawCtrl::kViewShared);
}

void CBoardLayer::RequestReceiverLayer()
{
    if (!m_pMeeting || !m_pServer || !m_pMeeting->IsReport())
        return;
    switch (m_pMeeting->GetMeetingStatus()) {
    case 1: case 2: case 5: case 11: case 12: case 13:
        return;   // not finished: the receiver is still at work
    default:
        break;
    }
    const int receiver = m_pMeeting->GetReportReceiverId();
    const auto page = m_pages.GetPage(m_nCurrentPage);
    if (!page)
        return;
    // Each is asked for once: a page the receiver left bare answers with no drawing, and a page
    // shown again while its answer is on the way is not asked twice.
    if (!page->m_bOtherDrawingLoaded) {
        page->m_bOtherDrawingLoaded = TRUE;
        m_pServer->RequestUserDrawing(GetMeetingId(), m_strDocId, m_nCurrentPage, receiver);
    }
    if (!m_bReceiverNotesLoaded) {
        m_bReceiverNotesLoaded = TRUE;
        m_pServer->RequestStickyNotes(GetMeetingId(), m_strDocId, 0, receiver);
    }
}

void CBoardLayer::SetMeetingTime(const Json::Value& detail)
{
    if (m_pOptBar)
        m_pOptBar->SetMeetingTime(detail);
}

void CBoardLayer::ShowOptTypeButtons(int type, BOOL show)
{
    if (m_pOptBar)
        m_pOptBar->ShowTypeButtons(type, show);
}

void CBoardLayer::HideOptPopup(POINT ptScreen)
{
    if (m_pOptBar)
        m_pOptBar->HidePopupOutside(ptScreen);
}
