// Mouse and pen input of the canvas: tool modes, strokes, shapes, the eraser, the laser pointer,
// memos and the undo history.
#include "whiteboard/canvas/BoardDrawCtrl.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/SettingManager.h"
#include "platform/ResourceHandle.h"
#include "platform/SingleLock.h"
#include "ui/controls/ZELTouchFunc.h"
#include "ui/host/MainDlg.h"
#include "whiteboard/WhiteboardLog.h"
#include "whiteboard/canvas/IBoardCanvasHost.h"
#include "whiteboard/canvas/PenCanvas.h"

namespace {
const int kEraserHalf = 5;
const double kPointerStep = 15.0;
const int kStringMemoOutsidePage = 183;
const int kStringMemoLimit = 184;

bool Holds(const CMMFigureHolder& layer, const std::shared_ptr<CMMFigure>& figure)
{
    const auto& figures = layer.GetFigures();
    return std::find(figures.begin(), figures.end(), figure) != figures.end();
}

// History codes of a figure added in private view, by figure type.
int AddedCode(int figureType)
{
    static const int codes[] = {0, 2, 10, 4, 6, 8};
    return figureType >= 0 && figureType < 6 ? codes[figureType] : 4;
}
}  // namespace

int CBoardDrawCtrl::FigureTypeOfMode(int mode)
{
    switch (mode) {
    case kLine: return 1;
    case kCheck: return 2;
    case kRect: return 3;
    case kRoundRect: return 4;
    case kEllipse: return 5;
    default: return 0;
    }
}

int CBoardDrawCtrl::GetEffectiveWidth() const
{
    return m_fOpacity < 1.0f ? (int)(m_nLineWidth * 2.5 + 1) : m_nLineWidth;
}

BOOL CBoardDrawCtrl::BorderCrossing(const RECT& rc, POINT a, POINT b, POINT& crossing)
{
    // Edges in the order top, right, left, bottom.
    const double edges[4][4] = {
        {(double)rc.left, (double)rc.top, (double)rc.right, (double)rc.top},
        {(double)rc.right, (double)rc.top, (double)rc.right, (double)rc.bottom},
        {(double)rc.left, (double)rc.top, (double)rc.left, (double)rc.bottom},
        {(double)rc.left, (double)rc.bottom, (double)rc.right, (double)rc.bottom},
    };
    const double dx = b.x - a.x, dy = b.y - a.y;
    for (const auto& e : edges) {
        const double ex = e[2] - e[0], ey = e[3] - e[1];
        const double denom = dx * ey - dy * ex;
        if (denom == 0.0)
            continue;  // parallel or collinear
        const double t = ((e[0] - a.x) * ey - (e[1] - a.y) * ex) / denom;
        const double u = ((e[0] - a.x) * dy - (e[1] - a.y) * dx) / denom;
        if (t >= 0.0 && t <= 1.0 && u >= 0.0 && u <= 1.0) {
            crossing.x = (LONG)(a.x + t * dx);
            crossing.y = (LONG)(a.y + t * dy);
            return TRUE;
        }
    }
    return FALSE;
}

// ---- modes and tool bar commands ----

void CBoardDrawCtrl::SetMode(int mode)
{
    m_selection.clear();
    if (m_pMemoLayer)
        m_pMemoLayer->Hide();
    m_mode = mode;
    if (m_pTouch)
        m_pTouch->SyncMode(mode);
    Redraw();
}

void CBoardDrawCtrl::ResetTools()
{
    m_nLineWidth = 5;
    m_clrLine = kDefaultLineColor;
    m_fOpacity = 1.0f;
    m_nPointerColor = 0;
    m_nRemotePointerColor = 0;
    m_nPointerSize = 2;
    SetMode(kPan);
    if (m_pToolBar)
        m_pToolBar->Reset();
    // The floating palette still shows the user's tool: it announces it again, and the board
    // takes it instead of panning under a palette that shows a pen.
    if (IPenPalette* palette = Palette())
        palette->ApplyCurrent(IsPenInput());
}

void CBoardDrawCtrl::OnUndo()
{
    // While the page follows the presenter nobody steps the history: the buttons are off, and a
    // command that reaches the canvas all the same is refused.
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page || !m_history.CanUndo() || IsSynced())
        return;
    if (m_history.Undo(page->m_ownLayer))
        page->SetModified(TRUE);
    UpdateHistoryButtons();
    Redraw();
}

void CBoardDrawCtrl::OnRedo()
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page || !m_history.CanRedo() || IsSynced())
        return;
    if (m_history.Redo(page->m_ownLayer))
        page->SetModified(TRUE);
    UpdateHistoryButtons();
    Redraw();
}

void CBoardDrawCtrl::OnPenMode()
{
    m_fOpacity = 1.0f;
    SetMode(m_nLastToolMode);
}

void CBoardDrawCtrl::OnHighlighterMode()
{
    m_fOpacity = 0.4f;
    SetMode(m_nLastToolMode);
}

void CBoardDrawCtrl::OnPointerMode() { SetMode(kPointer); }
void CBoardDrawCtrl::OnClearPanel() { UpdateClearButtons(); }
void CBoardDrawCtrl::OnLineWidth(int width) { m_nLineWidth = width; }
void CBoardDrawCtrl::OnPointerSize(int size) { m_nPointerSize = size; }

void CBoardDrawCtrl::OnLineColor(int index, COLORREF color)
{
    m_clrLine = color;
    m_nPointerColor = 0;
}

void CBoardDrawCtrl::OnFreeLineMode() { m_nLastToolMode = kFreeLine; SetMode(kFreeLine); }
void CBoardDrawCtrl::OnShapeMode6() { m_nLastToolMode = kLine; SetMode(kLine); }
void CBoardDrawCtrl::OnShapeMode7() { m_nLastToolMode = kCheck; SetMode(kCheck); }
void CBoardDrawCtrl::OnShapeMode8() { m_nLastToolMode = kRect; SetMode(kRect); }
void CBoardDrawCtrl::OnShapeMode9() { m_nLastToolMode = kRoundRect; SetMode(kRoundRect); }
void CBoardDrawCtrl::OnShapeMode10() { m_nLastToolMode = kEllipse; SetMode(kEllipse); }

void CBoardDrawCtrl::ClearCurrentPage()
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page)
        return;
    if (m_nBoardView == kViewOwn || (m_pHost && !m_pHost->IsPresenting() && IsSynced())) {
        page->m_ownLayer.Clear();
        page->SetModified(TRUE);
        m_history.Clear();
        UpdateHistoryButtons();
    } else {
        page->ClearSharedLayer();
    }
    Redraw();
}

void CBoardDrawCtrl::ClearAllPages()
{
    m_history.Clear();
    UpdateHistoryButtons();
    if (m_pHost)
        m_pHost->ClearPagesLayer(m_nBoardView);
    Redraw();
}

void CBoardDrawCtrl::UpdateClearButtons()
{
    const std::shared_ptr<CMMPage> page = GetPage();
    BOOL pageDrawing = FALSE;
    if (page) {
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        pageDrawing = (IsSynced() && page->m_sharedLayer.HasFigures()) || page->m_ownLayer.HasFigures();
    }
    const BOOL any = pageDrawing || (m_pHost && m_pHost->HasDrawingOnPages(m_nBoardView));
    if (m_pHost)
        m_pHost->EnableClearButtons(pageDrawing, any);
}

void CBoardDrawCtrl::UpdateHistoryButtons()
{
    BOOL canUndo = m_history.CanUndo(), canRedo = m_history.CanRedo();
    if (IsSynced())
        canUndo = canRedo = FALSE;
    if (m_pHost)
        m_pHost->UpdateHistoryButtons(canUndo, canRedo);
    if (IPenPalette* palette = Palette())
        palette->EnableUndoRedo(canUndo, canRedo);
}

IPenPalette* CBoardDrawCtrl::Palette()
{
    IZELMainDlg* main = GetMainDlg();
    CWnd* wnd = main ? main->GetDrawToolWnd() : nullptr;
    return wnd && wnd->GetSafeHwnd() ? dynamic_cast<IPenPalette*>(wnd) : nullptr;
}

BOOL CBoardDrawCtrl::IsPenInput()
{
    // The palette is in its pen mode exactly while the pen setting is on.
    return CSettingManager::GetInstance()->m_bUsePen != 0 && Palette() != nullptr;
}

int CBoardDrawCtrl::GetPaletteMode()
{
    IPenPalette* palette = Palette();
    return palette ? CCanvasTouch::PaletteMode(IsPenInput(), palette->GetToolMode(), palette->GetLineType()) : 0;
}

int CBoardDrawCtrl::TakeMouseSource(BOOL down)
{
    const int source = CCanvasTouch::MouseEventSource((ULONG_PTR)::GetMessageExtraInfo());
    if (!IsPenInput())
        return source;
    if (down && source == kMouseFromMouse) {
        if (m_touch.PointerType() != kPointerNone) {
            m_touch.SetPointerType(kPointerNone);
            CWhiteboardLog::Log(3, L"OnLButtonDown: GetMouseEventSource:PT_MOUSE m_pointerType = 0");
        }
        if (m_mode == kPan) {
            SetMode(GetPaletteMode());
            CWhiteboardLog::Log(3, L"OnLButtonDown: GetMouseEventSource:PT_MOUSE m_mode = %d", m_mode);
        }
        return source;
    }
    if (m_touch.PointerType() != kPointerNone)
        return source;
    if (source == kMouseFromTouch) {
        // A finger moves the page while the pen draws.
        if (m_mode != kPan)
            SetMode(kPan);
        m_touch.SetPointerType(kPointerTouch);
        CWhiteboardLog::Log(3, down ? L"OnLButtonDown: GetMouseEventSource:PT_TOUCH" : L"OnMouseMove: GetMouseEventSource:PT_TOUCH");
    } else if (down && source == kMouseFromPen && m_mode == kPan) {
        SetMode(GetPaletteMode());
        CWhiteboardLog::Log(1, L"OnLButtonDown: mode:%d", m_mode);
    }
    return source;
}

// ---- mouse ----

void CBoardDrawCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pToolBar && m_pToolBar->GetPanel() == 0) {
        CWnd* bar = m_pToolBar->GetBarWnd();
        if (bar && bar->GetSafeHwnd() && (bar->GetStyle() & WS_VISIBLE))
            bar->ShowWindow(SW_HIDE);
    }
    const int source = TakeMouseSource(TRUE);
    // A second finger makes a pinch, which only the pan mode takes.
    if (m_pTouch && m_pTouch->GetCount() > 1 && m_mode != kPan) {
        Default();
        return;
    }
    m_ptDown = m_ptMouse = m_ptLast = point;
    m_bButtonDown = TRUE;
    const std::shared_ptr<CMMPage> page = GetPage();
    if (page) {
        switch (m_mode) {
        case kPan:
            SetCapture();
            break;
        case kFreeLine:
            // A finger's stroke comes from its touch points, not from the mouse made of them.
            m_bMouseDrawing = !(m_pTouch && source == kMouseFromTouch);
            SetCapture();
            break;
        case kMemo:
            MemoButtonDown(point);
            break;
        case kPointer:
            m_bPointerCursor = TRUE;
            SetCapture();
            if (!m_bFingerPointer) {
                UpdatePointer(point, TRUE);
                SendMessage(WM_SETCURSOR, (WPARAM)m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
            }
            break;
        case kLine:
            SetCapture();
            break;
        case kCheck:
        case kRect:
        case kRoundRect:
        case kEllipse:
            SetCapture();
            AddShapePoint(point, FigureTypeOfMode(m_mode));
            break;
        case kEraser:
            SetFocus();
            SetCapture();
            m_ptEraserLast = point;
            break;
        default:
            break;
        }
    }
    Default();
}

void CBoardDrawCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_pTouch && m_pTouch->GetCount() > 1 && m_mode != kPan)
        return;
    TakeMouseSource(FALSE);
    RECT rcClient;
    GetClientRect(&rcClient);
    if (!::PtInRect(&rcClient, point)) {
        if (m_mode == kPointer && (m_ptPointer.x != -1 || m_ptPointer.y != -1))
            HidePointer();
        m_ptMouse = point;
        return;
    }
    CheckBarsHover(point);
    if ((nFlags & MK_LBUTTON) && ::GetCapture() == m_hWnd && GetPage()) {
        switch (m_mode) {
        case kPan:
            PanTo(point);
            break;
        case kFreeLine:
            if (m_bMouseDrawing)
                DrawTempLine(point);
            break;
        case kMemo:
            MemoDrag(point);
            break;
        case kPointer:
            if (!m_bFingerPointer)
                UpdatePointer(point, FALSE);
            break;
        case kLine:
            AddShapePoint(point, 1);
            ShowTempFigure(nullptr);
            break;
        case kCheck:
        case kRect:
        case kRoundRect:
        case kEllipse:
            ShowTempFigure(&point);
            break;
        case kEraser:
            EraseAt(point);
            break;
        default:
            break;
        }
    }
    m_ptMouse = point;
}

void CBoardDrawCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (::GetCapture() != m_hWnd) {
        Default();
        return;
    }
    ::ReleaseCapture();
    m_bButtonDown = FALSE;
    if (GetPage()) {
        switch (m_mode) {
        case kPan:
            if (!m_view.IsPageInsideClient() && (m_view.Origin().x != 0 || m_view.Origin().y != 0) && m_pListener)
                m_pListener->OnZoomChanged(m_view.Zoom(), m_view.Origin().x, m_view.Origin().y);
            StartNavigationTimer();
            break;
        case kFreeLine:
            CommitTempFigure(point);
            m_bMouseDrawing = FALSE;
            break;
        case kMemo:
            MemoButtonUp();
            break;
        case kPointer:
            m_bPointerCursor = FALSE;
            SetFingerPointer(FALSE, POINT{-1, -1});
            HidePointer();
            SendMessage(WM_SETCURSOR, (WPARAM)m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONUP));
            break;
        case kLine:
            CommitTempFigure(point);
            break;
        case kCheck:
        case kRect:
        case kRoundRect:
        case kEllipse:
            AddShapePoint(point, FigureTypeOfMode(m_mode));
            CommitTempFigure(point);
            break;
        case kEraser:
            Redraw();
            break;
        default:
            break;
        }
    }
    Default();
}

BOOL CBoardDrawCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (GetPage() && m_view.HasImage()) {
        if (nFlags & MK_CONTROL) {
            const float zoom = CCanvasView::WheelZoom(m_view.Zoom(), zDelta > 0);
            if (m_pHost)
                m_pHost->SetZoomCombo(zoom);
            SetZoom(zoom);
        } else {
            m_ptLast = pt;
            POINT target = pt;
            target.y += zDelta > 0 ? m_nWheelStep : -m_nWheelStep;
            PanTo(target);
            StartNavigationTimer();
        }
    }
    Default();
    return TRUE;
}

void CBoardDrawCtrl::PanTo(POINT point)
{
    if (m_view.PanBy(m_ptLast, point)) {
        if ((m_view.Origin().x != 0 || m_view.Origin().y != 0) && m_pListener)
            m_pListener->OnZoomChanged(m_view.Zoom(), m_view.Origin().x, m_view.Origin().y);
        m_ptLast = point;
        ShowNavigation();
        Redraw();
    }
}

BOOL CBoardDrawCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return (BOOL)Default();
    LPCWSTR system = IDC_HAND;
    UINT id = 0;
    switch (m_mode) {
    case kPan: id = 683; system = IDC_SIZEALL; break;
    case kFreeLine: case kLine: case kCheck: case kRect: case kRoundRect: case kEllipse:
        id = 671; system = IDC_CROSS; break;
    case 2: case kEraser: id = 673; system = IDC_CROSS; break;
    case kPointer:
        // While the button is down the cursor is the pointer itself, in its size and colour.
        id = m_bPointerCursor ? PointerCursorId(m_nPointerSize, m_nPointerColor) : 868;
        system = IDC_UPARROW;
        break;
    default: break;
    }
    HCURSOR cursor = id ? ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id)) : nullptr;
    if (!cursor)
        cursor = ::LoadCursorW(nullptr, system);
    ::SetCursor(cursor);
    return TRUE;
}

void CBoardDrawCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerBarsHide) {
        KillTimer(kTimerBarsHide);
        m_bBarsTimer = FALSE;
        SetBarsShown(FALSE, FALSE);
        return;
    }
    if (nIDEvent == kTimerNavHide) {
        KillTimer(kTimerNavHide);
        m_bNavTimer = FALSE;
        if (m_pNavigator)
            m_pNavigator->HideView();
        return;
    }
    if (nIDEvent == kTimerNextPage || nIDEvent == kTimerPrevPage) {
        KillTimer(nIDEvent);
        if (m_pHost)
            nIDEvent == kTimerNextPage ? m_pHost->MoveNextPage() : m_pHost->MovePrevPage();
        return;
    }
    if (nIDEvent == kTimerMemoPress) {
        KillTimer(kTimerMemoPress);
        const std::shared_ptr<CMMPage> page = GetPage();
        if (m_spDragMemo && page) {
            m_spDragMemo->SetSelected(TRUE);
            page->m_memos.Remove(m_spDragMemo);
            page->m_memos.Add(m_spDragMemo);
            Redraw();
        }
        return;
    }
    CWnd::OnTimer(nIDEvent);
}

BOOL CBoardDrawCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE && pMsg->hwnd == m_hWnd) {
        // The hit list holds the figures the last eraser move already removed: only those still
        // on their layer are deleted, so an undo afterwards cannot put a figure back twice.
        const std::shared_ptr<CMMPage> page = GetPage();
        if (page && !m_selection.empty()) {
            std::vector<std::shared_ptr<CMMFigure>> hits;
            hits.swap(m_selection);
            m_history.BeginStep();
            for (const auto& figure : hits) {
                const BOOL present = EraseTargetIsOwn() ? Holds(page->m_ownLayer, figure)
                                                        : Holds(page->m_sharedLayer, figure);
                if (present)
                    DeleteSelectedFigure(figure);
            }
            Redraw();
        }
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- strokes and shapes ----

void CBoardDrawCtrl::DrawTempLine(POINT point)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page)
        return;
    const RECT& rcPage = m_view.Page();
    if (::PtInRect(&rcPage, point)) {
        if (m_spTempFigure)
            m_spTempFigure->AddPoint(m_view.ScreenToPage(point));
        else
            m_spTempFigure = std::make_shared<CMMFigure>(m_view.ScreenToPage(m_ptLast), m_view.ScreenToPage(point),
                                                         (int)m_clrLine, GetEffectiveWidth(), 0, m_fOpacity,
                                                         CString());
    } else if (m_spTempFigure) {
        POINT crossing;
        if (BorderCrossing(rcPage, m_ptLast, point, crossing))
            m_spTempFigure->AddPoint(m_view.ScreenToPage(crossing));
    }
    if (m_spTempFigure && IsPresentingSynced() && m_spTempFigure->HasPendingChunk())
        QueueChunk(*m_spTempFigure, 0, FALSE);
    if (m_spTempFigure)
        ShowTempFigure(nullptr);
    m_ptLast = point;
}

void CBoardDrawCtrl::AddShapePoint(POINT point, int type)
{
    const RECT& rcPage = m_view.Page();
    const BOOL inside = ::PtInRect(&rcPage, point);
    if (!m_spTempFigure) {
        m_spTempFigure = std::make_shared<CMMFigure>(m_view.ScreenToPage(m_ptLast), m_view.ScreenToPage(point),
                                                     (int)m_clrLine, GetEffectiveWidth(), type, m_fOpacity, CString());
    } else if (inside || type >= 3) {
        if (m_spTempFigure->GetPointCount() < 7)
            m_spTempFigure->AddPoint(m_view.ScreenToPage(point));
    } else {
        // A line or check mark leaving the page ends where it crosses the border.
        POINT crossing;
        if (BorderCrossing(rcPage, m_ptLast, point, crossing) && m_spTempFigure->GetPointCount() < 7)
            m_spTempFigure->AddPoint(m_view.ScreenToPage(crossing));
    }
}

void CBoardDrawCtrl::QueueChunk(CMMFigure& figure, int figureType, BOOL last)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page || !m_pHost)
        return;
    const CString content = figure.ToInsertJson(m_view.ImageSize().cx, m_view.ImageSize().cy, figureType, last);
    if (!content.IsEmpty())
        QueueSend(m_pHost->GetMeetingId(), m_pHost->GetCurrentDocumentId(), page->m_nPageNumber, content);
}

void CBoardDrawCtrl::CommitTempFigure(POINT point)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    std::shared_ptr<CMMFigure> figure;
    figure.swap(m_spTempFigure);
    if (!figure || !page)
        return;
    if (::PtInRect(&m_view.Page(), point)) {
        const Gdiplus::PointF last = m_view.ScreenToPage(point);
        const Gdiplus::PointF prev = figure->GetPoint(figure->GetPointCount() - 1);
        if (last.X != prev.X || last.Y != prev.Y)
            figure->AddPoint(last);
    }
    if (figure->GetFigureType() == 0 && figure->IsTwoPoint())
        figure->DuplicateLastPoint();
    if (m_nBoardView == kViewOwn || !IsPresentingSynced()) {
        page->m_ownLayer.Add(figure);
        m_history.BeginStep();
        m_history.Push(figure, m_nBoardView == kViewOwn ? AddedCode(figure->GetFigureType()) : 4);
        UpdateHistoryButtons();
        page->SetModified(TRUE);
    } else {
        {
            std::lock_guard<std::recursive_mutex> guard(page->GetLock());
            page->m_sharedLayer.Add(figure);
        }
        // Every point goes out: whole chunks first, then the last one.
        while (figure->HasPendingChunk())
            QueueChunk(*figure, figure->GetFigureType(), FALSE);
        QueueChunk(*figure, figure->GetFigureType(), TRUE);
    }
    Redraw();
}

// ---- eraser ----

BOOL CBoardDrawCtrl::EraseTargetIsOwn()
{
    const std::shared_ptr<CMMPage> page = GetPage();
    return m_nBoardView == kViewOwn
           || (page && m_pHost && !m_pHost->IsPresenting() && IsSynced() && page->m_ownLayer.HasFigures());
}

void CBoardDrawCtrl::EraseAt(POINT point)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page)
        return;
    ShowEraserBox(point);
    m_selection.clear();
    const BOOL own = EraseTargetIsOwn();
    const BOOL shared = !own && m_nBoardView == kViewShared && IsPresentingSynced();
    if (own || shared) {
        const Gdiplus::PointF a = m_view.ScreenToPage(POINT{point.x - kEraserHalf, point.y - kEraserHalf});
        const Gdiplus::PointF b = m_view.ScreenToPage(POINT{point.x + kEraserHalf, point.y + kEraserHalf});
        const Gdiplus::PointF from = m_view.ScreenToPage(m_ptEraserLast);
        const Gdiplus::PointF to = m_view.ScreenToPage(point);
        std::vector<std::shared_ptr<CMMFigure>> hits;
        {
            std::lock_guard<std::recursive_mutex> guard(page->GetLock());
            CMMFigureHolder& layer = own ? page->m_ownLayer : page->m_sharedLayer;
            hits = layer.HitTestRect(a, b);
            for (const auto& figure : layer.HitTestSegment(from, to))
                if (std::find(hits.begin(), hits.end(), figure) == hits.end())
                    hits.push_back(figure);
        }
        if (!hits.empty()) {
            m_history.BeginStep();
            for (const auto& figure : hits)
                DeleteSelectedFigure(figure);
            m_selection = hits;
            Redraw();
            m_bButtonDown = TRUE;
        }
    }
    m_ptEraserLast = point;
}

void CBoardDrawCtrl::DeleteSelectedFigure(const std::shared_ptr<CMMFigure>& figure)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page || !figure)
        return;
    if (EraseTargetIsOwn()) {
        page->m_ownLayer.Remove(figure);
        m_history.Push(figure, 1);
        UpdateHistoryButtons();
        page->SetModified(TRUE);
    } else if (m_nBoardView == kViewShared && IsPresentingSynced()) {
        {
            std::lock_guard<std::recursive_mutex> guard(page->GetLock());
            page->m_sharedLayer.Remove(figure);
        }
        QueueSend(m_pHost->GetMeetingId(), m_pHost->GetCurrentDocumentId(), page->m_nPageNumber,
                  figure->ToDeleteJson());
    }
}

// ---- laser pointer ----

void CBoardDrawCtrl::UpdatePointer(POINT point, BOOL force)
{
    if (!::PtInRect(&m_view.Page(), point)) {
        // Leaving the page is reported once.
        if (m_ptPointer.x != -1 || m_ptPointer.y != -1 || force)
            HidePointer();
        return;
    }
    m_ptPointerNow = point;
    m_ptPointer = m_view.ScreenToPageInt(point);
    if (m_ptPointer.x > 0 && m_ptPointer.y > 0) {
        const double dx = point.x - m_ptPointerSent.x, dy = point.y - m_ptPointerSent.y;
        if (force || std::sqrt(dx * dx + dy * dy) >= kPointerStep) {
            m_ptPointerSent = point;
            if (m_pListener)
                m_pListener->OnPointer(m_ptPointer.x, m_ptPointer.y, m_nPointerColor, m_nPointerSize, m_nPointerShape);
        }
    }
}

void CBoardDrawCtrl::HidePointer()
{
    m_ptPointer = m_ptPointerSent = m_ptPointerNow = POINT{-1, -1};
    if (m_pListener)
        m_pListener->OnPointer(-1, -1, m_nPointerColor, m_nPointerSize, m_nPointerShape);
    Redraw();
}

// ---- memos ----

RECT CBoardDrawCtrl::CentredMemoRect() const
{
    const int cx = m_view.ClientWidth() / 2, cy = m_view.ClientHeight() / 2;
    return RECT{cx - 200, cy - 110, cx + 199, cy + 110};
}

void CBoardDrawCtrl::MemoButtonDown(POINT point)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (m_pMemoLayer && m_pMemoLayer->IsShown()) {
        m_pMemoLayer->Hide();
        return;
    }
    if (!::PtInRect(&m_view.Page(), point)) {
        if (m_pHost)
            m_pHost->ShowConfirmPopup(kStringMemoOutsidePage);
        return;
    }
    m_spDragMemo = page->m_memos.FindTopmostAt(m_view.ScreenToPage(point));
    if (m_spDragMemo) {
        SetCapture();
        SetTimer(kTimerMemoPress, 1000);
        return;
    }
    if (page->m_memos.GetCount() < kMaxMemos) {
        if (m_pMemoLayer)
            m_pMemoLayer->OpenEditor(CentredMemoRect(), CString(), 1 + std::rand() % 4, 0, TRUE);
    } else if (m_pHost) {
        m_pHost->ShowConfirmPopup(kStringMemoLimit);
    }
}

void CBoardDrawCtrl::MemoDrag(POINT point)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!m_spDragMemo || !m_spDragMemo->IsSelected() || !page)
        return;
    page->SetModified(TRUE);
    const float zoom = m_view.Zoom();
    m_spDragMemo->MoveBy((point.x - m_ptLast.x) / zoom, (point.y - m_ptLast.y) / zoom);
    m_spDragMemo->ClampToPage(m_view.ImageSize().cx, m_view.ImageSize().cy);
    Redraw();
    m_ptLast = point;
}

void CBoardDrawCtrl::MemoButtonUp()
{
    KillTimer(kTimerMemoPress);
    if (m_spDragMemo && !(m_pMemoLayer && m_pMemoLayer->IsShown())) {
        if (!m_spDragMemo->IsSelected()) {
            OpenMemoView();
        } else {
            m_spDragMemo->SetSelected(FALSE);
            m_spDragMemo.reset();
        }
    }
    Redraw();
}

void CBoardDrawCtrl::OpenMemoView()
{
    if (m_pMemoLayer && m_spDragMemo)
        m_pMemoLayer->OpenView(CentredMemoRect(), m_spDragMemo->GetText(), m_spDragMemo->GetBGColor(),
                               m_spDragMemo->GetTextColor());
}

void CBoardDrawCtrl::OpenMemoEditor(const CString& text, int bgColor, int textColor)
{
    if (m_pMemoLayer)
        m_pMemoLayer->OpenEditor(CentredMemoRect(), text, bgColor, textColor, FALSE);
}

void CBoardDrawCtrl::SaveMemo(const CString& text, int bgColor, int textColor)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page)
        return;
    page->SetModified(TRUE);
    Gdiplus::PointF position;
    const bool replacing = m_spDragMemo != nullptr;
    if (replacing) {
        // The edited memo is replaced where it stood, not copied.
        position = m_spDragMemo->GetPosition();
        page->m_memos.Remove(m_spDragMemo);
        m_spDragMemo.reset();
    } else {
        position = m_view.ScreenToPage(m_ptLast);
    }
    auto memo = std::make_shared<CMMMemo>(position, text, bgColor, textColor);
    if (!replacing)
        memo->ClampToPage(m_view.ImageSize().cx, m_view.ImageSize().cy);
    page->m_memos.Add(memo);
    Redraw();
}

void CBoardDrawCtrl::DeleteMemo()
{
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page || !m_spDragMemo)
        return;
    page->m_memos.Remove(m_spDragMemo);
    page->SetModified(TRUE);
    m_spDragMemo.reset();
    Redraw();
}
