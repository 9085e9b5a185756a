#include "whiteboard/canvas/BoardDrawCtrl.h"

#include "core/ClientMessages.h"
#include "core/SettingManager.h"
#include "platform/SingleLock.h"
#include "ui/controls/ZELLoadingBG.h"
#include "ui/controls/ZELTouchFunc.h"
#include "ui/host/MainDlg.h"
#include "whiteboard/WhiteboardLog.h"
#include "whiteboard/canvas/IBoardCanvasHost.h"
#include "whiteboard/canvas/PenCanvas.h"

BEGIN_MESSAGE_MAP(CBoardDrawCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_TOUCH, &CBoardDrawCtrl::OnTouch)
    ON_MESSAGE(WM_CANVAS_SHARED_REDRAW, &CBoardDrawCtrl::OnSharedRedraw)
    ON_MESSAGE(WM_CANVAS_SHARED_ZOOM, &CBoardDrawCtrl::OnSharedZoom)
    ON_MESSAGE(WM_CANVAS_REMOTE_POINTER, &CBoardDrawCtrl::OnRemotePointerMessage)
END_MESSAGE_MAP()

namespace {
const COLORREF kBackground = RGB(246, 247, 251);
const int kLoadingStripHeight = 50;
// The strips at the canvas' top and bottom edge that open the presenter's bars (wider on a touch
// machine, where a finger is less exact than the mouse).
const int kBannerStrip = 1, kBannerStripTouch = 6;
const int kToolbarStrip = 1, kToolbarStripTouch = 3;
const UINT kBarsHideMs = 1000;
const UINT kNavHideMs = 500;
// Where the tool bar sits: the canvas' bottom-right corner.
const int kToolBarWidth = 185, kToolBarHeight = 367;
}  // namespace

CBoardDrawCtrl::CBoardDrawCtrl(IBoardDrawCtrlEventListener* pListener, IBoardCanvasHost* pHost)
    : m_pListener(pListener), m_pHost(pHost), m_clrLine(kDefaultLineColor), m_share(this)
{
}

CBoardDrawCtrl::~CBoardDrawCtrl()
{
    m_share.Stop();
    if (m_hWnd)
        DestroyWindow();
    m_pLoading.reset();
    ReleaseBackBuffer();
}

BOOL CBoardDrawCtrl::Create(CWnd* pParent, const RECT& rc)
{
    return CWnd::CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, kControlId);
}

int CBoardDrawCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    RECT rc;
    GetClientRect(&rc);
    m_view.SetClientSize(rc.right, rc.bottom);
    m_pLoading.reset(new ZELLoadingBG);
    if (m_pLoading->Create(nullptr, L"", WS_CHILD | WS_VISIBLE,
                           RECT{0, rc.bottom - kLoadingStripHeight, rc.right, rc.bottom}, this, kControlId))
        m_pLoading->Start(kBackground, 300);
    m_nLastToolMode = kFreeLine;
    // Touch is taken where the system is 6.1 or later and a digitiser is ready; the version comes
    // from the kernel, which reports it whatever the program's compatibility settings say.
    RTL_OSVERSIONINFOW version = {sizeof version};
    using RtlGetVersionFn = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
    const auto rtlGetVersion =
        reinterpret_cast<RtlGetVersionFn>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion"));
    if (rtlGetVersion && rtlGetVersion(&version) == 0
        && IsTouchCapable(version.dwMajorVersion, version.dwMinorVersion, ::GetSystemMetrics(SM_DIGITIZER)))
        EnableTouch();
    CSettingManager* settings = CSettingManager::GetInstance();
    SetWheelStep(settings->GetWheelScroll());
    m_touch.SetSensitivity(settings->m_nTouchSensitive, settings->m_nTouchTrembling);
    return 0;
}

void CBoardDrawCtrl::EnableTouch()
{
    if (m_pTouch)
        return;
    m_pTouch.reset(new CZELTouchFunc);
    m_pTouch->SyncMode(m_mode);
    if (m_hWnd)
        RegisterTouchWindow();
}

void CBoardDrawCtrl::OnDestroy()
{
    // The thread posts to this window and reads the shown page: it ends before the window does.
    m_share.Stop();
    KillTimer(kTimerMemoPress);
    KillTimer(kTimerBarsHide);
    KillTimer(kTimerNavHide);
    KillTimer(kTimerNextPage);
    KillTimer(kTimerPrevPage);
    if (m_pLoading && m_pLoading->GetSafeHwnd())
        m_pLoading->DestroyWindow();
    CWnd::OnDestroy();
}

void CBoardDrawCtrl::SetWheelStep(int step)
{
    m_nWheelStep = step < 10 ? 100 : step;
}

void CBoardDrawCtrl::Reset()
{
    SetMode(kPan);
    m_nBoardView = kViewOwn;
    m_nLineWidth = 5;
    m_clrLine = kDefaultLineColor;
    m_fOpacity = 1.0f;
    m_nPointerColor = 0;
    m_nRemotePointerColor = 0;
    m_nPointerSize = 2;
    SetFingerPointer(FALSE, POINT{-1, -1});
    SetPage(nullptr);
    SetZoom(0.0f);
    if (m_pMemoLayer)
        m_pMemoLayer->Hide();
    if (m_pToolBar)
        m_pToolBar->Reset();
    if (m_pBars)
        m_pBars->Reset();
    m_spDragMemo.reset();
    m_selection.clear();
    m_spTempFigure.reset();
}

std::shared_ptr<CMMPage> CBoardDrawCtrl::GetPage()
{
    CSingleLock lock(&m_csPage, TRUE);
    return m_spPage;
}

int CBoardDrawCtrl::GetPageNumber()
{
    const std::shared_ptr<CMMPage> page = GetPage();
    return page ? page->m_nPageNumber : -1;
}

void CBoardDrawCtrl::SetPage(const std::shared_ptr<CMMPage>& page)
{
    {
        CSingleLock lock(&m_csPage, TRUE);
        m_spPage = page;
    }
    m_spTempFigure.reset();
    m_spDragMemo.reset();
    m_selection.clear();
    if (!page || !page->HasImage()) {
        m_view.SetImageSize(0, 0);
        if (m_pLoading && m_pLoading->GetSafeHwnd()) {
            // The spinner over the whole canvas until the page's image is there.
            RECT rc;
            GetClientRect(&rc);
            m_pLoading->SetImage(0);
            m_pLoading->MoveWindow(&rc, TRUE);
            m_pLoading->ShowWindow(SW_SHOW);
        }
        UpdateToolBarVisibility(FALSE);
    } else {
        m_view.SetImageSize(page->m_nImageWidth, page->m_nImageHeight);
        if (m_pLoading && m_pLoading->GetSafeHwnd())
            m_pLoading->ShowWindow(SW_HIDE);
    }
    m_history.Clear();
    UpdateHistoryButtons();
    if (m_pMemoLayer)
        m_pMemoLayer->Hide();
    RecalcLayout(FALSE);
    m_fMinZoom = m_view.Zoom();
    if (m_pTouch) {
        if (m_view.IsFit())
            m_pTouch->SetMinZoom(m_view.Zoom());
        m_pTouch->SetZoom(m_view.Zoom());
    }
    Redraw();
}

// ---- the loading indicator ----

BOOL CBoardDrawCtrl::IsLoadingShown() const
{
    return m_pLoading && m_pLoading->GetSafeHwnd() && (m_pLoading->GetStyle() & WS_VISIBLE) != 0;
}

void CBoardDrawCtrl::ShowLoading()
{
    if (!m_pLoading || !m_pLoading->GetSafeHwnd())
        return;
    m_pLoading->SetImage(1);
    m_pLoading->SetFrame(2);
    m_pLoading->ShowWindow(SW_SHOW);
}

void CBoardDrawCtrl::RestartLoading()
{
    if (m_pLoading && m_pLoading->GetSafeHwnd())
        m_pLoading->SetImage(1);
}

void CBoardDrawCtrl::SetLoadingProgress(int value)
{
    if (m_pLoading && m_pLoading->GetSafeHwnd())
        m_pLoading->SetFrame(value);
}

// ---- the tool bar and the presenter's bars ----

void CBoardDrawCtrl::SetPresenterBars(IPresenterBars* pBars)
{
    m_pBars = pBars;
    m_bBarsShown = FALSE;
    if (m_pBars && m_hWnd) {
        RECT rc;
        GetClientRect(&rc);
        m_pBars->Place(rc.right, rc.bottom);
    }
}

void CBoardDrawCtrl::ShowNavigation()
{
    if (!m_pNavigator)
        return;
    if (m_bNavTimer && m_hWnd)
        KillTimer(kTimerNavHide);
    m_bNavTimer = FALSE;
    m_pNavigator->ShowView();
}

void CBoardDrawCtrl::StartNavigationTimer()
{
    if (!m_pNavigator || !m_pNavigator->IsViewShown() || !m_hWnd)
        return;
    SetTimer(kTimerNavHide, kNavHideMs);
    m_bNavTimer = TRUE;
}

void CBoardDrawCtrl::LayoutToolBar()
{
    if (m_pToolBar && m_pToolBar->GetBarWnd() && m_pToolBar->GetBarWnd()->GetSafeHwnd())
        m_pToolBar->LayoutPanel(m_pToolBar->GetPanel(), m_bBarsShown);
}

void CBoardDrawCtrl::UpdateToolBarVisibility(BOOL show)
{
    CWnd* bar = m_pToolBar ? m_pToolBar->GetBarWnd() : nullptr;
    if (!bar || !bar->GetSafeHwnd())
        return;
    const BOOL visible = (bar->GetStyle() & WS_VISIBLE) != 0;
    if (show && GetPage() && m_view.HasImage() && !IsLoadingShown() && !visible) {
        bar->ShowWindow(SW_SHOW);
        bar->EnableWindow(TRUE);
        LayoutToolBar();
    } else {
        bar->ShowWindow(SW_HIDE);
        bar->EnableWindow(FALSE);
    }
}

void CBoardDrawCtrl::ShowPresentationOpt()
{
    CWnd* bar = m_pToolBar ? m_pToolBar->GetBarWnd() : nullptr;
    if (!bar || !bar->GetSafeHwnd() || !(bar->GetStyle() & WS_VISIBLE))
        return;
    bar->ShowWindow(SW_SHOW);
    bar->EnableWindow(TRUE);
    LayoutToolBar();
}

void CBoardDrawCtrl::SetBarsShown(BOOL shown, BOOL atOnce)
{
    m_bBarsShown = shown;
    if (m_pBars) {
        if (shown)
            m_pBars->SlideOpen(IPresenterBars::kHeight);
        else
            m_pBars->SlideClosed(atOnce);
    }
    LayoutToolBar();
    Redraw();
}

void CBoardDrawCtrl::StopBarsHideTimer()
{
    if (m_bBarsTimer && m_hWnd)
        KillTimer(kTimerBarsHide);
    m_bBarsTimer = FALSE;
}

void CBoardDrawCtrl::ShowBannerText(const CString& text)
{
    if (m_pBars)
        m_pBars->SetBannerText(text);
    POINT cursor;
    if (m_hWnd && ::GetCursorPos(&cursor)) {
        ScreenToClient(&cursor);
        CheckBarsHover(cursor);
    }
}

BOOL CBoardDrawCtrl::IsFullView()
{
    IZELMainDlg* main = GetMainDlg();
    return main && main->IsKeyNavigationMode();
}

void CBoardDrawCtrl::CheckBarsHover(POINT point)
{
    if (!m_pBars)
        return;
    if (!IsFullView()) {
        // The bars belong to the full view: leaving it, however it was left, closes them.
        if (m_bBarsShown) {
            StopBarsHideTimer();
            SetBarsShown(FALSE, TRUE);
        }
        return;
    }
    RECT rc;
    GetClientRect(&rc);
    const int top = m_pTouch ? kBannerStripTouch : kBannerStrip;
    const int bottom = m_pTouch ? kToolbarStripTouch : kToolbarStrip;
    const BOOL stroking = m_mode == kFreeLine && m_bMouseDrawing;
    const BOOL atEdge = point.x >= 0 && point.x < rc.right
                        && ((point.y >= 0 && point.y < top) || (point.y >= rc.bottom - bottom && point.y < rc.bottom));
    if (atEdge && !stroking) {
        StopBarsHideTimer();
        if (!m_bBarsShown)
            SetBarsShown(TRUE, FALSE);
    } else if (!atEdge && m_bBarsShown && !m_bBarsTimer && m_pBars->GetOpenHeight() >= IPresenterBars::kHeight) {
        SetTimer(kTimerBarsHide, kBarsHideMs);
        m_bBarsTimer = TRUE;
    }
}

void CBoardDrawCtrl::RecalcLayout(BOOL notify)
{
    if (m_hWnd) {
        RECT rc;
        GetClientRect(&rc);
        m_view.SetClientSize(rc.right, rc.bottom);
    }
    if (!m_view.RecalcLayout())
        return;
    if (notify)
        NotifyZoom(m_view.GetZoom());
}

void CBoardDrawCtrl::NotifyZoom(float zoom)
{
    if (m_pListener)
        m_pListener->OnZoomChanged(zoom, m_view.Origin().x, m_view.Origin().y);
}

void CBoardDrawCtrl::SetZoom(float zoom)
{
    m_view.SetZoom(zoom);
    RecalcLayout(TRUE);
    // A map on show follows the new zoom.
    if (m_pNavigator && m_pNavigator->IsViewShown())
        m_pNavigator->ShowView();
    Redraw();
}

void CBoardDrawCtrl::ApplyRemoteZoom(float zoom, int x, int y)
{
    if (m_pHost)
        m_pHost->SetZoomCombo(zoom);
    m_view.SetOrigin(x, y);
    SetZoom(zoom);
}

void CBoardDrawCtrl::AlignPageAfterMove()
{
    m_view.AlignPageAfterMove();
    Redraw();
}

void CBoardDrawCtrl::RepaintIfMode(int view)
{
    if (view == m_nBoardView)
        Redraw();
}

void CBoardDrawCtrl::Redraw()
{
    m_bDirty = TRUE;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CBoardDrawCtrl::OnSize(UINT nType, int cx, int cy)
{
    m_view.SetClientSize(cx, cy);
    if (m_pLoading && m_pLoading->GetSafeHwnd())
        m_pLoading->MoveWindow(0, 0, cx, cy, TRUE);
    if (CWnd* bar = m_pToolBar ? m_pToolBar->GetBarWnd() : nullptr) {
        if (bar->GetSafeHwnd()) {
            bar->ShowWindow(SW_HIDE);
            bar->MoveWindow(cx - kToolBarWidth, cy - kToolBarHeight, kToolBarWidth, kToolBarHeight, FALSE);
            LayoutToolBar();
        }
    }
    if (m_pMemoLayer)
        m_pMemoLayer->Hide();
    if (m_pBars)
        m_pBars->Place(cx, cy);
    RecalcLayout(FALSE);
    m_bDirty = TRUE;
    if (GetPage()) {
        m_fMinZoom = m_view.Zoom();
        if (m_pTouch)
            m_pTouch->SetMinZoom(m_view.Zoom());
    }
}

BOOL CBoardDrawCtrl::IsSynced()
{
    return m_pHost && m_pHost->IsPageSync();
}

BOOL CBoardDrawCtrl::IsPresentingSynced()
{
    return m_pHost && m_pHost->IsPresenting() && m_pHost->IsPageSync();
}

void CBoardDrawCtrl::SetShareMode(int share)
{
    UpdateHistoryButtons();
    if (share == 1 && m_pMemoLayer)
        m_pMemoLayer->Hide();
    m_nBoardView = share ? kViewShared : kViewOwn;
    if (m_pBars)
        m_pBars->SetShareState(share);
    const std::shared_ptr<CMMPage> page = GetPage();
    if (share && m_pHost && !m_pHost->IsPresenting()) {
        m_bPointerCursor = FALSE;
        SetFingerPointer(FALSE, POINT{-1, -1});
        // A stroke under way when sharing starts is kept, not lost.
        if (m_spTempFigure && page) {
            if (m_spTempFigure->IsTwoPoint())
                m_spTempFigure->DuplicateLastPoint();
            {
                std::lock_guard<std::recursive_mutex> guard(page->GetLock());
                page->m_sharedLayer.Add(m_spTempFigure);
            }
            if (IsSynced())
                QueueChunk(*m_spTempFigure, 1, FALSE);
            m_spTempFigure.reset();
            m_bMouseDrawing = FALSE;
        }
    }
    if (m_ptPointer.x != -1 || m_ptPointer.y != -1) {
        m_ptPointer = m_ptPointerNow = POINT{-1, -1};
    }
    Redraw();
}

// ---- sharing ----

void CBoardDrawCtrl::QueueSend(const CString& mtngId, const CString& attcFileId, int page, const CString& content)
{
    S_BOARD_CONTENT record;
    record.mtngId = mtngId;
    record.attcFileId = attcFileId;
    record.page = page;
    record.content = content;
    m_share.QueueSend(record);
}

void CBoardDrawCtrl::QueueRemoteZoom(float zoomFactor, int originX, int originY)
{
    S_BOARD_ZOOM zoom;
    zoom.zoomFactor = zoomFactor;
    zoom.originX = originX;
    zoom.originY = originY;
    m_share.QueueRemoteZoom(zoom);
}

BOOL CBoardDrawCtrl::ApplyIncomingStrokes()
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page || !page->m_bApplyEvents)
        return FALSE;
    {
        // Counted and applied under one hold of the lock: the sharing thread and the thread that
        // queued the points may both apply, and each event goes exactly once, in arrival order.
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        const int n = page->GetIncomingCount();
        if (n <= 0)
            return FALSE;
        for (int i = 0; i < n; ++i) {
            page->MoveIncomingEvent();
            page->ApplyNextEvent();
        }
    }
    PostLiveRedraw();
    return TRUE;
}

BOOL CBoardDrawCtrl::ApplyIncomingStrokesNow()
{
    // Not shared: the points wait on the page, as they would for the sharing thread.
    if (!m_share.IsRunning())
        return FALSE;
    return ApplyIncomingStrokes();
}

void CBoardDrawCtrl::PostLiveRedraw()
{
    // On the window's own thread the repaint is asked for directly (no message round trip).
    if (m_hWnd && ::GetWindowThreadProcessId(m_hWnd, nullptr) == ::GetCurrentThreadId()) {
        m_bLiveDirty = TRUE;
        Invalidate(FALSE);
        return;
    }
    // One repaint request stands for every change until the window has handled it.
    if (m_hWnd && !m_bRedrawPosted.exchange(true) && !::PostMessageW(m_hWnd, WM_CANVAS_SHARED_REDRAW, 0, 0))
        m_bRedrawPosted = false;
}

void CBoardDrawCtrl::ApplyRemoteZoom(const S_BOARD_ZOOM& zoom)
{
    S_BOARD_ZOOM* copy = new S_BOARD_ZOOM(zoom);
    if (!::PostMessageW(m_hWnd, WM_CANVAS_SHARED_ZOOM, 0, (LPARAM)copy))
        delete copy;
}

void CBoardDrawCtrl::SendDrawing(const S_BOARD_CONTENT& content)
{
    if (m_pHost)
        m_pHost->SendDrawing(content);
}

LRESULT CBoardDrawCtrl::OnSharedRedraw(WPARAM, LPARAM)
{
    m_bRedrawPosted = false;
    m_bLiveDirty = TRUE;
    Invalidate(FALSE);
    return 0;
}

LRESULT CBoardDrawCtrl::OnSharedZoom(WPARAM, LPARAM lParam)
{
    std::unique_ptr<S_BOARD_ZOOM> zoom(reinterpret_cast<S_BOARD_ZOOM*>(lParam));
    if (zoom)
        ApplyRemoteZoom(zoom->zoomFactor, zoom->originX, zoom->originY);
    return 0;
}

void CBoardDrawCtrl::SetRemoteFigure(const std::shared_ptr<CMMFigure>& figure)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page || !figure)
        return;
    {
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        page->QueueFigurePoints(figure);
        for (int i = 0; i < figure->GetPointCount(); ++i) {
            page->MoveReplayEvent();
            page->ApplyNextEvent();
        }
    }
    Redraw();
}

void CBoardDrawCtrl::ShowRemotePointer(const S_REMOTE_POINTER& pointer)
{
    // Reports arrive on the synchronisation client's thread: the window takes them on its own.
    if (m_hWnd && ::GetWindowThreadProcessId(m_hWnd, nullptr) != ::GetCurrentThreadId()) {
        S_REMOTE_POINTER* copy = new S_REMOTE_POINTER(pointer);
        if (!::PostMessageW(m_hWnd, WM_CANVAS_REMOTE_POINTER, 0, (LPARAM)copy))
            delete copy;
        return;
    }
    if (!m_pHost || pointer.mtngId != m_pHost->GetMeetingId() || pointer.attcFileId != m_pHost->GetCurrentDocumentId()
        || pointer.page != GetPageNumber() || pointer.userIdnfr != m_pHost->GetPresenterIdnfr())
        return;
    if (pointer.pointerX > 0 && pointer.pointerY > 0)
        m_ptPointer = m_view.PageToScreen(Gdiplus::PointF((float)pointer.pointerX, (float)pointer.pointerY));
    else
        m_ptPointer = POINT{-1, -1};
    m_nRemotePointerSize = pointer.pointerSize;
    m_nRemotePointerColor = pointer.pointerColor;
    Redraw();
}

LRESULT CBoardDrawCtrl::OnRemotePointerMessage(WPARAM, LPARAM lParam)
{
    std::unique_ptr<S_REMOTE_POINTER> pointer(reinterpret_cast<S_REMOTE_POINTER*>(lParam));
    if (pointer)
        ShowRemotePointer(*pointer);
    return 0;
}

BOOL CBoardDrawCtrl::IsTouchCapable(DWORD major, DWORD minor, int digitizer)
{
    const BOOL version = major > 6 || (major == 6 && minor >= 1);
    return version && (digitizer & (NID_READY | NID_MULTI_INPUT)) != 0;
}
