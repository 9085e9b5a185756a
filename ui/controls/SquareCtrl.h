#pragma once
// CSquareCtrl: draws a resizable frame from nine bitmaps into any DC (stretched or with tiled
// edges); its window is never needed for drawing.
#include "platform/Bitmap.h"
#include "platform/Wnd.h"

class CSquareCtrl : public CWnd {
public:
    // Pieces in the order the bitmaps are kept.
    enum { TOP_LEFT, LEFT, BOTTOM_LEFT, BOTTOM, BOTTOM_RIGHT, RIGHT, TOP_RIGHT, TOP, CENTRE, PIECES };

    CSquareCtrl();
    ~CSquareCtrl() override;

    // Nine resource ids in the order above (a row-by-row grid 202..210 is passed as 202, 205,
    // 208, 209, 210, 207, 204, 203, 206).
    void SetBitmaps(UINT nTopLeft, UINT nLeft, UINT nBottomLeft, UINT nBottom, UINT nBottomRight, UINT nRight,
                    UINT nTopRight, UINT nTop, UINT nCentre);
    void DrawFrame(CDC* pDC, int x, int y, int cx, int cy);
    void DrawFrameTiled(CDC* pDC, int x, int y, int cx, int cy);

    // Where each piece lands (stretched frame) for pieces of the given sizes.
    static void FrameRects(const SIZE sizes[PIECES], int x, int y, int cx, int cy, RECT out[PIECES]);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    void Sizes(SIZE sizes[PIECES]) const;
    void Piece(CDC* pDC, int index, int x, int y, int cx, int cy);
    CBitmap* m_pBitmaps[PIECES];
};
