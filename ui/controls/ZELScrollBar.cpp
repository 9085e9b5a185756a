#include "ui/controls/ZELScrollBar.h"

#include "core/DrawHelpers.h"
#include "resources/resource.h"
#include "ui/controls/MemDCEX.h"
#include "ui/controls/ScrollBarMath.h"

namespace {

const COLORREF kTransparent = RGB(255, 0, 255);

// Draws a bitmap of the resource library (nothing when it is missing).
class CResourceBitmap {
public:
    explicit CResourceBitmap(UINT nId) { m_bitmap.LoadBitmap(nId); }
    HBITMAP Get() const { return (HBITMAP)m_bitmap.GetSafeHandle(); }

private:
    CBitmap m_bitmap;
};

void DrawKeyed(CDC* pDC, UINT nId, int x, int y)
{
    CResourceBitmap bitmap(nId);
    if (bitmap.Get())
        DrawTransparentBitmap(pDC->GetSafeHdc(), bitmap.Get(), x, y, kTransparent);
}

} // namespace

BEGIN_MESSAGE_MAP(CBitmapScrollBar, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_CAPTURECHANGED()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

int CBitmapScrollBar::ClientHeight() const
{
    CRect rc;
    GetClientRect(&rc);
    return rc.Height();
}

int CBitmapScrollBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CRect rc;
    GetClientRect(&rc);
    m_rcThumb = rc;
    m_rcThumb.bottom = rc.top + rc.Height() / 2;
    m_nLastPos = -1;
    m_nPressed = PART_NONE;
    return 0;
}

void CBitmapScrollBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    m_rcUp = CRect(-1, 0, 13, 10);
    m_rcDown = CRect(-1, cy - 10, 13, cy);
}

BOOL CBitmapScrollBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CBitmapScrollBar::SizeThumb(int nHeight)
{
    GetClientRect(&m_rcThumb);
    if (m_nDragTop >= 0)
        m_rcThumb.top = m_nDragTop - 10;
    m_rcThumb.bottom = m_rcThumb.top + nHeight;
    Invalidate(TRUE);
}

void CBitmapScrollBar::SetPos(int nPos, BOOL bNotify)
{
    m_nPos = ClampPos(nPos);
    const int nHeight = m_rcThumb.Height();
    const int nTop = ScrollThumbTop(ClientHeight(), nHeight, m_nPos, OffsetRange());
    m_rcThumb.top = nTop;
    m_rcThumb.bottom = nTop + nHeight;
    HWND hWnd = m_hWnd;
    if (bNotify)
        Report(m_nPos);
    if (::IsWindow(hWnd))
        Invalidate(TRUE);
}

void CBitmapScrollBar::Report(int nPos)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_SCROLLBAR_POS, (WPARAM)nPos, (LPARAM)GetDlgCtrlID());
}

void CBitmapScrollBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_nPressed = PART_NONE;
    if (m_rcThumb.PtInRect(point)) {
        m_nPressed = PART_THUMB;
    } else if (m_rcUp.PtInRect(point)) {
        m_nPressed = PART_UP;
        SetTimer(TIMER_UP, 100);
    } else if (m_rcDown.PtInRect(point)) {
        m_nPressed = PART_DOWN;
        SetTimer(TIMER_DOWN, 100);
    } else {
        return;   // the empty track does not page
    }
    SetCapture();
    m_nDragOffset = point.y - m_rcThumb.top;
    Invalidate(TRUE);
    Default();
}

void CBitmapScrollBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nPressed == PART_THUMB) {
        const int nHeight = m_rcThumb.Height();
        const int nClient = ClientHeight();
        m_nDragTop = point.y - m_nDragOffset;
        m_rcThumb.top = ClampScrollDragTop(nClient, nHeight, m_nDragTop);
        m_rcThumb.bottom = m_rcThumb.top + nHeight;
        const int nPos = ScrollPosFromThumbTop(nClient, nHeight, m_rcThumb.top, DragScale());
        if (nPos == m_nLastPos)
            return;
        m_nLastPos = m_nPos = nPos;
        HWND hWnd = m_hWnd;
        Report(nPos);
        if (!::IsWindow(hWnd))
            return;
        Invalidate(TRUE);
    }
    Default();
}

void CBitmapScrollBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_nPressed = PART_NONE;
    HWND hWnd = m_hWnd;
    if (m_rcUp.PtInRect(point))
        SetPos(m_nPos - 1, TRUE);
    else if (m_rcDown.PtInRect(point))
        SetPos(m_nPos + 1, TRUE);
    if (!::IsWindow(hWnd))
        return;
    StopPress();
    Invalidate(TRUE);
    Default();
}

void CBitmapScrollBar::StopPress()
{
    KillTimer(TIMER_DOWN);
    KillTimer(TIMER_UP);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

bool CBitmapScrollBar::Step(int nDelta)
{
    HWND hWnd = m_hWnd;
    SetPos(m_nPos + nDelta, TRUE);
    return ::IsWindow(hWnd) != FALSE;
}

void CBitmapScrollBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_DOWN || nIDEvent == TIMER_UP) {
        const bool bDown = nIDEvent == TIMER_DOWN;
        if (m_nPressed == (bDown ? PART_DOWN : PART_UP)) {
            // The parent may close the pane (and the bar) on the report: stop then.
            if (!Step(bDown ? 1 : -1))
                return;
            SetTimer(nIDEvent, 100);
        } else {
            KillTimer(nIDEvent);
        }
    }
    Default();
}

void CBitmapScrollBar::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the mouse (a pop-up, a drag elsewhere): the button-up will not come
    // here, so a held arrow must not go on stepping.
    if (pWnd->GetSafeHwnd() != m_hWnd && m_nPressed != PART_NONE) {
        m_nPressed = PART_NONE;
        KillTimer(TIMER_DOWN);
        KillTimer(TIMER_UP);
        Invalidate(TRUE);
    }
    Default();
}

void CBitmapScrollBar::OnDestroy()
{
    m_nPressed = PART_NONE;
    StopPress();
    CWnd::OnDestroy();
}

void CBitmapScrollBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CMemDCEX mem(&dc, &rc);
    mem.FillSolidRect(&rc, m_clrBack);
    if (!m_bFlat) {
        DrawKeyed(&mem, m_nPressed == PART_UP ? IDB_SCROLL_UP_PRESSED : IDB_SCROLL_UP, m_rcUp.left, m_rcUp.top);
        DrawKeyed(&mem, m_nPressed == PART_DOWN ? IDB_SCROLL_DOWN_PRESSED : IDB_SCROLL_DOWN, m_rcDown.left,
                  m_rcDown.top);
        if (PaintsThumb()) {
            const bool bHeld = m_nPressed == PART_THUMB;
            const int x = m_rcThumb.left + 2;
            DrawKeyed(&mem, bHeld ? IDB_SCROLL_THUMB_TOP_PRESSED : IDB_SCROLL_THUMB_TOP, x, m_rcThumb.top);
            CResourceBitmap middle(bHeld ? IDB_SCROLL_THUMB_MIDDLE_PRESSED : IDB_SCROLL_THUMB_MIDDLE);
            if (middle.Get() && m_rcThumb.Height() > 8) {
                CDC source;
                source.CreateCompatibleDC(&mem);
                HGDIOBJ hOld = source.SelectObject(middle.Get());
                mem.StretchBlt(x, m_rcThumb.top + 4, 7, m_rcThumb.Height() - 8, &source, 0, 0, 7, 4, SRCCOPY);
                source.SelectObject(hOld);
            }
            DrawKeyed(&mem, bHeld ? IDB_SCROLL_THUMB_BOTTOM_PRESSED : IDB_SCROLL_THUMB_BOTTOM, x,
                      m_rcThumb.bottom - 4);
        }
    }
    mem.Flush(SRCCOPY);
}

// ---- ZELScrollBar ----

void ZELScrollBar::SetThumbSize(int nPercent)
{
    SizeThumb(ScrollThumbHeightPercent(ClientHeight(), nPercent));
}

// ---- CThumbnailScrollBar ----

void CThumbnailScrollBar::SetThumbSize(int nVisible)
{
    SizeThumb(ScrollThumbHeightItems(ClientHeight(), nVisible, m_fRange));
}

int CThumbnailScrollBar::ClampPos(int nPos) const
{
    if (nPos < 0)
        return 0;
    return nPos > m_fRange ? int(m_fRange) : nPos;
}
