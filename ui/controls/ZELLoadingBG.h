#pragma once
// ZELLoadingBG: the overlay shown while the board or the chat view loads: a four-frame spinner
// (optionally over a picture), or centred message lines by mode and state.
#include "platform/Wnd.h"

class ZELLoadingBG : public CWnd {
public:
    enum { TIMER_SPIN = 7200 };

    void Start(COLORREF clrBack, int nInterval);
    void StartWithPicture(COLORREF clrBack, int nPicture, int nInterval);
    void SetMessageMode(int nMode);
    void SetState(int nState);
    // The whiteboard's names for the same two: the picture (0 the spinner, 1 the waiting text)
    // starts again at its first frame; the frame is the state shown.
    void SetImage(int nImage) { SetMessageMode(nImage); }
    void SetFrame(int nFrame) { SetState(nFrame); }
    int GetMessageMode() const { return m_nMessageMode; }
    int GetState() const { return m_nState; }

    int GetSpinnerBitmap() const { return m_nSpinnerBitmap; }
    int GetFrameIndex() const { return m_nFrame; }

    // The lines drawn for a mode and state: string ids and their downward offsets from the text
    // rectangle's first place (15 for the failure line, in red).
    struct LINE { UINT nString; int nOffset; COLORREF clr; };
    static int LinesFor(int nMode, int nState, LINE lines[3]);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    int m_nSpinnerBitmap = 0;
    COLORREF m_clrBack = 0;
    int m_nInterval = 500;
    int m_nFrame = 0;
    int m_nPicture = 0;
    int m_nMessageMode = 0;
    int m_nState = 0;
};
