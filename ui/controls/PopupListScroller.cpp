#include "ui/controls/PopupListScroller.h"

void CPopupListScroller::Update()
{
    m_bScrollable = m_rcList.Height() < m_rcContent.Height();
    m_rcTrack = CRect(m_rcList.right, m_rcList.top, m_rcList.right + m_nBarWidth, m_rcList.bottom);
    // Ratio and thumb matter only while the list scrolls; a list that fits never shows them.
    if (!m_bScrollable)
        return;
    m_fRatio = float(m_rcList.Height()) / float(m_rcContent.Height());
    const int thumbHeight = int(float(m_rcTrack.Height()) * m_fRatio);
    const int offset = int(float(m_rcList.top - m_rcContent.top) * m_fRatio);
    m_rcThumb = CRect(m_rcTrack.left, m_rcTrack.top + offset, m_rcTrack.right, m_rcTrack.top + offset + thumbHeight);
}

int CPopupListScroller::ContentShift(int d) const
{
    const int span = m_rcList.Height() - m_rcThumb.Height();
    if (span <= 0)
        return 0;
    return int(double(d) * double(m_rcContent.Height() - m_rcList.Height()) / double(span));
}

void CPopupListScroller::MoveRows(int dy, const std::vector<RECT*>& rows)
{
    for (RECT* r : rows)
        ::OffsetRect(r, 0, dy);
    m_rcContent.OffsetRect(0, dy);
}

void CPopupListScroller::ScrollBy(int d, const std::vector<RECT*>& rows)
{
    MoveRows(-ContentShift(d), rows);
    m_rcThumb.OffsetRect(0, d);
}

void CPopupListScroller::Page(bool bDown, const std::vector<RECT*>& rows)
{
    int d = int(float(m_rcList.Height()) * m_fRatio);
    if (bDown) {
        if (m_rcThumb.bottom + d > m_rcTrack.bottom)
            d = m_rcTrack.bottom - m_rcThumb.bottom;
    } else {
        d = -d;
        if (m_rcThumb.top + d < m_rcTrack.top)
            d = m_rcTrack.top - m_rcThumb.top;
    }
    if (d != 0)
        ScrollBy(d, rows);
}

bool CPopupListScroller::WheelDown(const std::vector<RECT*>& rows, bool bClampToEnd)
{
    int shift = 0;
    for (const RECT* r : rows) {
        if (r->top > m_rcList.top) {
            shift = r->top - m_rcList.top;
            break;
        }
    }
    const int room = m_rcContent.bottom - m_rcList.bottom;
    if (shift <= 0 || room <= 0)
        return false;
    if (shift > room) {
        if (!bClampToEnd)
            return false;
        shift = room;
    }
    MoveRows(-shift, rows);
    Update();
    return true;
}

bool CPopupListScroller::WheelUp(const std::vector<RECT*>& rows)
{
    int shift = 0;
    for (const RECT* r : rows) {
        if (r->top < m_rcList.top)
            shift = m_rcList.top - r->top;
    }
    if (shift <= 0 || m_rcContent.top + shift > m_rcList.top)
        return false;
    MoveRows(shift, rows);
    Update();
    return true;
}

bool CPopupListScroller::TrackDrag(int y, bool bClamp)
{
    int c = y - m_ptDragStart.y;
    if (bClamp) {
        if (m_rcThumb.top + c <= m_rcTrack.top)
            c = m_rcTrack.top - m_rcThumb.top;
        if (m_rcThumb.bottom + c >= m_rcList.bottom)
            c = m_rcList.bottom - m_rcThumb.bottom;
    } else if (m_rcThumb.top + c < m_rcTrack.top || m_rcThumb.bottom + c > m_rcTrack.bottom) {
        return false;
    }
    if (c == m_nDragOffset)
        return false;
    m_nDragOffset = c;
    return true;
}

bool CPopupListScroller::Press(CPoint pt, const std::vector<RECT*>& rows)
{
    if (!m_bScrollable || !m_rcTrack.PtInRect(pt))
        return false;
    if (m_rcThumb.PtInRect(pt)) {
        m_bDragging = true;
        m_ptDragStart = pt;
        m_nDragOffset = 0;
    } else {
        Page(pt.y >= m_rcThumb.bottom, rows);
    }
    return true;
}

void CPopupListScroller::Release(const std::vector<RECT*>& rows)
{
    if (!m_bDragging)
        return;
    if (m_nDragOffset != 0)
        ScrollBy(m_nDragOffset, rows);
    m_bDragging = false;
    m_nDragOffset = 0;
}
