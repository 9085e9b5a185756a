#include "ui/controls/ZELSlideBar.h"

#include "core/ClientMessages.h"
#include "resources/resource.h"
#include "ui/controls/MemDCEX.h"
#include "ui/controls/SlideBarMath.h"

BEGIN_MESSAGE_MAP(ZELSlideBar, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

ZELSlideBar::ZELSlideBar() = default;

CSize ZELSlideBar::BitmapSize(const CBitmap& bitmap) const
{
    BITMAP bm = {};
    if (!bitmap.GetSafeHandle() || !bitmap.GetBitmap(&bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

void ZELSlideBar::SetBitmaps(UINT nTrack, UINT nThumb, UINT nThumbDown, UINT nThumbHover, UINT nFifth, UINT nSixth)
{
    CBitmap* all[] = {&m_bmpTrack, &m_bmpThumb, &m_bmpThumbDown, &m_bmpThumbHover, &m_bmpFourth, &m_bmpSixth};
    for (CBitmap* b : all)
        b->DeleteObject();
    if (nTrack) m_bmpTrack.LoadBitmap(nTrack);
    if (nThumb) m_bmpThumb.LoadBitmap(nThumb);
    if (nThumbDown) m_bmpThumbDown.LoadBitmap(nThumbDown);
    if (nThumbHover) m_bmpThumbHover.LoadBitmap(nThumbHover);
    if (nFifth || nThumb) m_bmpFourth.LoadBitmap(nFifth ? nFifth : nThumb);
    if (nSixth) m_bmpSixth.LoadBitmap(nSixth);
}

int ZELSlideBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_bmpThumb.GetSafeHandle())
        SetBitmaps(IDB_SLIDER_TRACK, IDB_SLIDER_THUMB, IDB_SLIDER_THUMB_DOWN, IDB_SLIDER_THUMB_HOVER);
    CRect client;
    GetClientRect(&client);
    const CSize thumb = BitmapSize(m_bmpThumb);
    m_rcThumb = CRect(client.left, (client.Height() - thumb.cy) / 2, client.left + thumb.cx, client.bottom);
    m_bDragging = FALSE;
    m_dPosition = -1.0;
    m_nWidth = client.Width();
    return 0;
}

void ZELSlideBar::OnSize(UINT, int cx, int)
{
    // A narrower or wider bar keeps the thumb at the same share of the track.
    if (m_nWidth > 0 && cx != m_nWidth && !m_bDragging) {
        const int width = m_rcThumb.Width();
        const double percent = SlidePercentForThumbLeft(m_rcThumb.left, m_nWidth, width);
        m_rcThumb.left = SlideThumbLeftForPercent(cx, width, percent);
        m_rcThumb.right = m_rcThumb.left + width;
        Invalidate(TRUE);
    }
    m_nWidth = cx;
}

void ZELSlideBar::SetPos(double dPercent)
{
    CRect client;
    GetClientRect(&client);
    const int width = m_rcThumb.Width();
    m_rcThumb.left = client.left + SlideThumbLeftForPercent(client.Width(), width, dPercent);
    m_rcThumb.right = m_rcThumb.left + width;
    Invalidate(TRUE);
}

void ZELSlideBar::MoveThumbTo(int x, BOOL bRelease)
{
    CRect client;
    GetClientRect(&client);
    const int width = m_rcThumb.Width();
    m_nLastThumbLeft = SlideThumbLeftForPointer(x, m_nGrabOffset, client.Width(), width);
    m_rcThumb.left = m_nLastThumbLeft;
    m_rcThumb.right = m_nLastThumbLeft + width;
    const double percent = SlidePercentForThumbLeft(m_nLastThumbLeft, client.Width(), width);
    HWND parent = ::GetParent(m_hWnd);
    if (bRelease) {
        m_dPosition = percent;
        ::SendMessageW(parent, WM_SLIDER_RELEASED, (WPARAM)(int)percent, GetDlgCtrlID());
    } else if (percent != m_dPosition) {
        m_dPosition = percent;
        ::SendMessageW(parent, WM_SLIDER_MOVING, (WPARAM)(int)percent, GetDlgCtrlID());
    }
}

void ZELSlideBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_rcThumb.PtInRect(point)) {
        m_bDragging = TRUE;
        SetCapture();
        m_nGrabOffset = point.x - m_rcThumb.left;
        Invalidate(TRUE);
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    m_nGrabOffset = 0;
    MoveThumbTo(point.x, FALSE);
    Invalidate(TRUE);
}

void ZELSlideBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging) {
        MoveThumbTo(point.x, FALSE);
        Invalidate(FALSE);
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    Invalidate(FALSE);
}

void ZELSlideBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bDragging = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    MoveThumbTo(point.x, TRUE);
    Invalidate(TRUE);
    CWnd::OnLButtonUp(nFlags, point);
}

BOOL ZELSlideBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void ZELSlideBar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CMemDCEX mem(&dc, &client);
    mem.FillSolidRect(&client, m_clrBack);
    CDC src;
    src.CreateCompatibleDC(&dc);
    if (m_bmpTrack.GetSafeHandle()) {
        const CSize track = BitmapSize(m_bmpTrack);
        CBitmap* old = src.SelectObject(&m_bmpTrack);
        mem.StretchBlt(0, (client.Height() - track.cy) / 2, client.Width(), 2, &src, 0, 0, track.cx, track.cy, SRCCOPY);
        src.SelectObject(old);
    } else {
        const int y = (client.Height() - 1) / 2;
        const CRect left(0, y, m_rcThumb.left, y + 1), right(m_rcThumb.left, y, client.Width(), y + 1);
        mem.FillSolidRect(&left, m_clrLeft);
        mem.FillSolidRect(&right, m_clrRight);
    }
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    CBitmap* thumb = &m_bmpThumb;
    if (m_bDragging && m_bmpThumbDown.GetSafeHandle())
        thumb = &m_bmpThumbDown;
    else if (!m_bDragging && m_rcThumb.PtInRect(cursor) && m_bmpThumbHover.GetSafeHandle())
        thumb = &m_bmpThumbHover;
    if (thumb->GetSafeHandle()) {
        CBitmap* old = src.SelectObject(thumb);
        mem.BitBlt(m_rcThumb.left, m_rcThumb.top, m_rcThumb.Width(), m_rcThumb.Height(), &src, 0, 0, SRCCOPY);
        src.SelectObject(old);
    }
    mem.Flush(SRCCOPY);
}
