#pragma once
// The client's vertical bitmap scroll bars. A pane owns one beside its content, sets the
// thumb's size and position, and hears every position the user chooses, by dragging the thumb
// or holding an arrow, as WM_SCROLLBAR_POS (wParam the position, lParam the bar's control id),
// sent to the bar's parent. ZELScrollBar counts in percent (or its own range), the thumbnail
// bar in items.
#include "core/ClientMessages.h"
#include "platform/Wnd.h"



// What both bars share: geometry, mouse, timers and painting.
class CBitmapScrollBar : public CWnd {
public:
    enum Part { PART_NONE = 0, PART_THUMB = 1, PART_UP = 2, PART_DOWN = 3 };
    enum : UINT_PTR { TIMER_DOWN = 1000, TIMER_UP = 2000 };

    void SetPos(int nPos, BOOL bNotify);
    int GetPos() const { return m_nPos; }
    void SetBkColor(COLORREF clr) { m_clrBack = clr; }
    void SetFlat(BOOL bFlat) { m_bFlat = bFlat; }

    CRect GetThumbRect() const { return m_rcThumb; }
    CRect GetUpRect() const { return m_rcUp; }
    CRect GetDownRect() const { return m_rcDown; }
    int GetPressedPart() const { return m_nPressed; }

protected:
    CBitmapScrollBar() = default;
    // The range positions are counted in for the thumb's place, and for a dragged thumb.
    virtual double OffsetRange() const = 0;
    virtual double DragScale() const = 0;
    virtual int ClampPos(int nPos) const = 0;
    virtual bool PaintsThumb() const { return true; }
    // The thumb from the client rectangle (or the last drag) with the given height.
    void SizeThumb(int nHeight);
    int ClientHeight() const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CRect m_rcUp;
    CRect m_rcDown;
    CRect m_rcThumb;
    int m_nPressed = PART_NONE;
    int m_nDragOffset = 0;
    int m_nLastPos = -1;
    int m_nDragTop = -1;
    int m_nPos = 0;
    COLORREF m_clrBack = RGB(255, 255, 255);
    BOOL m_bFlat = FALSE;

private:
    // Steps one position from a held arrow; false when the parent destroyed the bar meanwhile.
    bool Step(int nDelta);
    void StopPress();
    void Report(int nPos);
};

class ZELScrollBar : public CBitmapScrollBar {
public:
    ZELScrollBar() = default;
    // The thumb's height as a percentage of the track.
    void SetThumbSize(int nPercent);
    // 0 counts as 100.
    void SetRange(int nRange) { m_nRange = nRange; }
    int GetRange() const { return m_nRange; }

protected:
    double OffsetRange() const override { return m_nRange ? double(m_nRange) : 100.0; }
    double DragScale() const override { return 100.0; }
    int ClampPos(int nPos) const override { return nPos < 0 ? 0 : nPos; }

private:
    int m_nRange = 0;
};

// The thumbnail and bookmark bar: positions are items, from 0 to the range.
class CThumbnailScrollBar : public CBitmapScrollBar {
public:
    CThumbnailScrollBar() = default;
    // The number of visible items out of the range; none or all visible leaves no thumb.
    void SetThumbSize(int nVisible);
    void SetRange(int nRange) { m_fRange = nRange; }
    double GetRange() const { return m_fRange; }

protected:
    double OffsetRange() const override { return m_fRange; }
    double DragScale() const override { return m_fRange; }
    int ClampPos(int nPos) const override;
    bool PaintsThumb() const override { return m_rcThumb.Height() > 0; }

private:
    double m_fRange = 100.0;
};
