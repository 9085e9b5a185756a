// Touch and pen input of the canvas: WM_TOUCH's points, the finger pointer, finger strokes, pinch
// zoom and the flick that turns the page. The rules that need no window are CCanvasTouch's.
#include "whiteboard/canvas/BoardDrawCtrl.h"

#include "ui/controls/ZELTouchFunc.h"
#include "whiteboard/WhiteboardLog.h"
#include "whiteboard/canvas/IBoardCanvasHost.h"

namespace {
// The finger pointer is drawn above the finger, which would hide it.
const int kFingerLift = 48;

std::function<BOOL(HTOUCHINPUT, UINT, TOUCHINPUT*)>& TouchReader()
{
    static std::function<BOOL(HTOUCHINPUT, UINT, TOUCHINPUT*)> reader;
    return reader;
}
}  // namespace

void CBoardDrawCtrl::SetTouchInputReader(std::function<BOOL(HTOUCHINPUT, UINT, TOUCHINPUT*)> reader)
{
    TouchReader() = std::move(reader);
}

LRESULT CBoardDrawCtrl::OnTouch(WPARAM wParam, LPARAM lParam)
{
    const UINT count = LOWORD(wParam);
    const HTOUCHINPUT handle = (HTOUCHINPUT)lParam;
    std::vector<TOUCHINPUT> inputs(count);
    const BOOL read = count > 0
                      && (TouchReader() ? TouchReader()(handle, count, inputs.data())
                                        : ::GetTouchInputInfo(handle, count, inputs.data(), sizeof(TOUCHINPUT)));
    BOOL taken = read;
    for (UINT i = 0; read && i < count; ++i) {
        // Touch coordinates are hundredths of a screen pixel.
        POINT point = {TOUCH_COORD_TO_PIXEL(inputs[i].x), TOUCH_COORD_TO_PIXEL(inputs[i].y)};
        ScreenToClient(&point);
        if (!OnTouchInput(point, (int)i, (int)count, inputs[i]))
            taken = FALSE;
    }
    if (!taken)
        return Default();
    if (!TouchReader())
        ::CloseTouchInputHandle(handle);
    return 0;
}

void CBoardDrawCtrl::SetFingerPointer(BOOL on, POINT point)
{
    const BOOL was = m_bFingerPointer;
    m_bFingerPointer = on;
    m_ptFinger = on ? POINT{point.x, point.y - kFingerLift} : POINT{-1, -1};
    if (on != was)
        ::ShowCursor(on ? FALSE : TRUE);
    if (m_hWnd && (on || was))
        Invalidate(FALSE);
}

BOOL CBoardDrawCtrl::OnTouchInput(POINT point, int index, int count, const TOUCHINPUT& input)
{
    const BOOL down = (input.dwFlags & TOUCHEVENTF_DOWN) != 0;
    const BOOL move = !down && (input.dwFlags & TOUCHEVENTF_MOVE) != 0;
    const BOOL up = !down && !move && (input.dwFlags & TOUCHEVENTF_UP) != 0;
    const DWORD now = ::GetTickCount();

    if (IsPenInput()) {
        int mode = m_mode;
        BOOL taken = TRUE;
        UINT_PTR flick = 0;
        if (down) {
            taken = m_touch.PenInputDown(count, (input.dwFlags & TOUCHEVENTF_PEN) != 0, point, now, GetPaletteMode(),
                                         mode);
        } else if (move) {
            taken = m_touch.PenInputMove(count, GetPaletteMode(), mode);
            if (mode != m_mode)
                CWhiteboardLog::Log(4, L"OnTouchInputUp:MOVE m_mode == DrawingBoard::PanningMode %d ", mode);
        } else if (up) {
            taken = m_touch.PenInputUp(count, point, now, m_mode, flick);
            if (!taken)
                CWhiteboardLog::Log(1, L"OnTouchInputUp: mode:%d, count:%d, m_bIsMultiTouch return", m_mode, count);
        }
        if (mode != m_mode)
            SetMode(mode);
        if (flick)
            SetTimer(flick, 1);
        if (!taken)
            return FALSE;
    }

    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page || !m_view.HasImage())
        return FALSE;
    m_bMouseDrawing = FALSE;
    const int id = (int)input.dwID;
    if (down) {
        if (m_pTouch)
            m_pTouch->OnTouchDown(point.x, point.y, id);
        if (m_mode == kPointer)
            SetFingerPointer(TRUE, point);
        if (m_mode == kFreeLine || m_mode == kEraser)
            m_ptMouse = m_ptLast = point;
        m_touch.StartStroke(point);
        return TRUE;
    }
    if (move) {
        switch (m_mode) {
        case kPointer:
            if (m_bFingerPointer)
                SetFingerPointer(TRUE, point);
            break;
        case kFreeLine:
            if (m_touch.TakeStrokePoint(point)) {
                DrawTempLine(point);
                if (m_touch.PointerType() == kPointerTouch)
                    CWhiteboardLog::Log(4, L"OnTouchInput move:DrawTempLine mode:%d, IsMultiTouch:%d, nInputsCount:%d",
                                        m_mode, m_touch.IsMultiTouch(), count);
                m_ptMouse = point;
            }
            break;
        case kPan:
            if (m_pTouch) {
                int zoomed = 0, pan = 0;
                m_pTouch->OnTouchMove(point.x, point.y, id, &zoomed, &pan);
                if (zoomed && m_touch.TakeZoomPoint(point)) {
                    m_view.ApplyPinchZoom(m_pTouch->GetZoom());
                    Redraw();
                    NotifyZoom(m_view.Zoom());
                    if (m_pHost)
                        m_pHost->SetZoomCombo(m_view.Zoom());
                }
            }
            break;
        default:
            break;
        }
        return TRUE;
    }
    if (up) {
        if (m_mode == kPointer && m_bFingerPointer)
            SetFingerPointer(FALSE, point);
        if (m_mode == kFreeLine && m_spTempFigure) {
            if (m_touch.PointerType() == kPointerTouch)
                CWhiteboardLog::Log(4, L"OnTouchInput Up:DrawTempLine  mode:%d, IsMultiTouch:%d, nInputsCount:%d, ",
                                    m_mode, m_touch.IsMultiTouch(), count);
            CommitTempFigure(point);
        }
        if (m_pTouch) {
            int swipe = 0, direction = 0;
            m_pTouch->OnTouchUp(point.x, point.y, id, &swipe, &direction);
            if (!swipe) {
                if (m_view.IsPageInsideClient() && (m_view.Origin().x != 0 || m_view.Origin().y != 0))
                    NotifyZoom(m_view.Zoom());
                StartNavigationTimer();
            } else if (m_pHost && (m_pHost->IsPresenting() || !IsSynced())) {
                // Turning the page belongs to whoever leads it: a follower's flick does nothing.
                const UINT_PTR timer = CCanvasTouch::FlickTimer(direction, m_view.Page(), m_view.ClientWidth());
                if (timer)
                    SetTimer(timer, 1);
            }
        }
        return TRUE;
    }
    return FALSE;
}
