#include "whiteboard/canvas/BoardDrawCtrl.h"

#include "core/ClientMessages.h"
#include "platform/SingleLock.h"
#include "whiteboard/WhiteboardLog.h"
#include "whiteboard/canvas/IBoardCanvasHost.h"

BEGIN_MESSAGE_MAP(CBoardDrawCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_CANVAS_SHARED_REDRAW, &CBoardDrawCtrl::OnSharedRedraw)
    ON_MESSAGE(WM_CANVAS_SHARED_ZOOM, &CBoardDrawCtrl::OnSharedZoom)
    ON_MESSAGE(WM_CANVAS_REMOTE_POINTER, &CBoardDrawCtrl::OnRemotePointerMessage)
END_MESSAGE_MAP()

namespace {
// Colour 0 of the drawing tool bar's colour table: the pen's colour until the user picks one.
const COLORREF kDefaultLineColor = RGB(233, 0, 0);
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
    m_nLastToolMode = kFreeLine;
    // Touch is taken where the system is 6.1 or later and a digitiser is ready; the version comes
    // from the kernel, which reports it whatever the program's compatibility settings say.
    RTL_OSVERSIONINFOW version = {sizeof version};
    using RtlGetVersionFn = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
    const auto rtlGetVersion =
        reinterpret_cast<RtlGetVersionFn>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion"));
    if (rtlGetVersion && rtlGetVersion(&version) == 0
        && IsTouchCapable(version.dwMajorVersion, version.dwMinorVersion, ::GetSystemMetrics(SM_DIGITIZER)))
        RegisterTouchWindow();
    return 0;
}

void CBoardDrawCtrl::OnDestroy()
{
    // The thread posts to this window and reads the shown page: it ends before the window does.
    m_share.Stop();
    KillTimer(kTimerMemoPress);
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
    SetPage(nullptr);
    SetZoom(0.0f);
    if (m_pMemoLayer)
        m_pMemoLayer->Hide();
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
        m_bLoadingShown = TRUE;
        m_view.SetImageSize(0, 0);
    } else {
        m_bLoadingShown = FALSE;
        m_view.SetImageSize(page->m_nImageWidth, page->m_nImageHeight);
    }
    m_history.Clear();
    UpdateHistoryButtons();
    if (m_pMemoLayer)
        m_pMemoLayer->Hide();
    RecalcLayout(FALSE);
    m_fMinZoom = m_view.Zoom();
    Redraw();
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
    if (m_pMemoLayer)
        m_pMemoLayer->Hide();
    RecalcLayout(FALSE);
    m_bDirty = TRUE;
    if (GetPage())
        m_fMinZoom = m_view.Zoom();
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
    const std::shared_ptr<CMMPage> page = GetPage();
    if (share && m_pHost && !m_pHost->IsPresenting()) {
        m_bPointerCursor = FALSE;
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
    const int n = page->GetIncomingCount();
    if (n <= 0)
        return FALSE;
    {
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        for (int i = 0; i < n; ++i) {
            page->MoveIncomingEvent();
            page->ApplyNextEvent();
        }
    }
    PostLiveRedraw();
    return TRUE;
}

void CBoardDrawCtrl::PostLiveRedraw()
{
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
