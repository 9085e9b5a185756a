#pragma once
// ZELSlideBar: the horizontal slider of the option bars: a thumb picture on a track. The owner
// sets the position in percent (SetPos, silent); the user's moves reach the parent as
// WM_SLIDER_MOVING while dragging (only on a change) and WM_SLIDER_RELEASED on every release,
// wParam the truncated percentage, lParam the slider's control id.
#include "platform/Bitmap.h"
#include "platform/Wnd.h"

class ZELSlideBar : public CWnd {
public:
    ZELSlideBar();

    void SetPos(double dPercent);
    // Track, thumb, pressed thumb, hover thumb, fifth and sixth (unused by the drawing); the
    // fifth takes the thumb when 0.
    void SetBitmaps(UINT nTrack, UINT nThumb, UINT nThumbDown, UINT nThumbHover, UINT nFifth = 0, UINT nSixth = 0);

    const CRect& ThumbRect() const { return m_rcThumb; }
    double GetPosition() const { return m_dPosition; }
    BOOL IsDragging() const { return m_bDragging; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void MoveThumbTo(int x, BOOL bRelease);
    CSize BitmapSize(const CBitmap& bitmap) const;

    COLORREF m_clrBack = RGB(255, 255, 255);
    COLORREF m_clrLeft = 0x707E7F;
    COLORREF m_clrRight = 0x9CB0B2;
    CRect m_rcThumb;
    BOOL m_bDragging = FALSE;
    int m_nGrabOffset = 0;
    double m_dPosition = -1.0;
    CBitmap m_bmpTrack, m_bmpThumb, m_bmpThumbDown, m_bmpFourth, m_bmpThumbHover, m_bmpSixth;
    int m_nLastThumbLeft = 0;
    int m_nWidth = 0;   // the client width the thumb was placed in
};
