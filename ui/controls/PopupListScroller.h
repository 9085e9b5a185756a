#pragma once
// The scrolling of the skin's pop-up lists (drop-down and time pickers): a visible list area, a
// content rectangle holding every row, a track beside the list and a thumb in it; rows move by
// thumb drags, by paging on the track and by the wheel, one row per notch.
#include <windows.h>

#include <vector>

#include "platform/Geometry.h"

class CPopupListScroller {
public:
    CRect m_rcList;
    CRect m_rcContent;
    CRect m_rcTrack;
    CRect m_rcThumb;
    bool m_bScrollable = false;
    float m_fRatio = 1.0f;          // list height / content height
    bool m_bDragging = false;
    CPoint m_ptDragStart;
    int m_nDragOffset = 0;
    int m_nBarWidth = 10;

    // Scrollable when the content is taller than the list; the track right of the list and the
    // thumb placed for the content's offset.
    void Update();
    // How far the content moves for a thumb movement of d.
    int ContentShift(int d) const;
    // Moves the rows and the content up for a thumb movement of d (and the thumb down by d).
    void ScrollBy(int d, const std::vector<RECT*>& rows);
    // Page up (negative) or down by the thumb height, the thumb kept inside the track.
    void Page(bool bDown, const std::vector<RECT*>& rows);
    // One row per notch: down makes the first row below the list top the top row, up the last
    // row above it. With bClampToEnd a last step down stops with the content's bottom on the
    // list bottom; without, a step that would leave a gap there is not taken. Returns whether
    // anything moved.
    bool WheelDown(const std::vector<RECT*>& rows, bool bClampToEnd);
    bool WheelUp(const std::vector<RECT*>& rows);
    // The drag offset for the pointer at y: with bClamp limited to the track, else -1 (kept)
    // when it would leave the track. Returns whether the offset changed.
    bool TrackDrag(int y, bool bClamp);
    // Starts a drag or pages for a press at pt; true when pt was on the bar.
    bool Press(CPoint pt, const std::vector<RECT*>& rows);
    // Ends a drag, applying its offset.
    void Release(const std::vector<RECT*>& rows);
    // How far an entry is drawn above its place while a drag is shown live.
    int DragShift() const { return m_bDragging ? ContentShift(m_nDragOffset) : 0; }

private:
    void MoveRows(int dy, const std::vector<RECT*>& rows);
};
