#include "ui/controls/SquareCtrl.h"

#include "core/DrawHelpers.h"

BEGIN_MESSAGE_MAP(CSquareCtrl, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CSquareCtrl::CSquareCtrl()
{
    for (CBitmap*& b : m_pBitmaps)
        b = new CBitmap;
}

CSquareCtrl::~CSquareCtrl()
{
    for (CBitmap* b : m_pBitmaps)
        delete b;
}

int CSquareCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CWnd::OnCreate(lpCreateStruct);
}

void CSquareCtrl::SetBitmaps(UINT nTopLeft, UINT nLeft, UINT nBottomLeft, UINT nBottom, UINT nBottomRight,
                             UINT nRight, UINT nTopRight, UINT nTop, UINT nCentre)
{
    const UINT ids[PIECES] = {nTopLeft, nLeft, nBottomLeft, nBottom, nBottomRight, nRight, nTopRight, nTop, nCentre};
    for (int i = 0; i < PIECES; ++i) {
        m_pBitmaps[i]->DeleteObject();
        m_pBitmaps[i]->LoadBitmap(ids[i]);
    }
}

void CSquareCtrl::Sizes(SIZE sizes[PIECES]) const
{
    for (int i = 0; i < PIECES; ++i) {
        BITMAP bm = {};
        sizes[i] = {0, 0};
        if (m_pBitmaps[i]->GetSafeHandle() && m_pBitmaps[i]->GetBitmap(&bm))
            sizes[i] = {bm.bmWidth, bm.bmHeight};
    }
}

void CSquareCtrl::FrameRects(const SIZE s[PIECES], int x, int y, int cx, int cy, RECT out[PIECES])
{
    auto put = [&](int i, int px, int py, int w, int h) { out[i] = {px, py, px + w, py + h}; };
    put(TOP_LEFT, x, y, s[0].cx, s[0].cy);
    put(LEFT, x, y + s[0].cy, s[1].cx, cy - s[0].cy - s[2].cy);
    put(BOTTOM_LEFT, x, y + cy - s[2].cy, s[2].cx, s[2].cy);
    put(BOTTOM, x + s[2].cx, y + cy - s[3].cy, cx - s[2].cx - s[4].cx, s[3].cy);
    put(BOTTOM_RIGHT, x + cx - s[4].cx, y + cy - s[4].cy, s[4].cx, s[4].cy);
    put(RIGHT, x + cx - s[5].cx, y + s[6].cy, s[5].cx, cy - s[6].cy - s[4].cy);
    put(TOP_RIGHT, x + cx - s[6].cx, y, s[6].cx, s[6].cy);
    put(TOP, x + s[0].cx, y, cx - s[0].cx - s[6].cx, s[7].cy);
    put(CENTRE, x + s[1].cx, y + s[7].cy, cx - s[1].cx - s[5].cx, cy - s[7].cy - s[3].cy);
}

void CSquareCtrl::Piece(CDC* pDC, int index, int x, int y, int cx, int cy)
{
    CBitmap* bitmap = m_pBitmaps[index];
    BITMAP bm = {};
    if (!bitmap->GetSafeHandle() || !bitmap->GetBitmap(&bm) || cx <= 0 || cy <= 0)
        return;
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CBitmap* old = mem.SelectObject(bitmap);
    TransparentStretchBlt(pDC->GetSafeHdc(), x, y, cx, cy, mem.GetSafeHdc(), 0, 0, bm.bmWidth, bm.bmHeight,
                          RGB(255, 0, 255));
    mem.SelectObject(old);
}

void CSquareCtrl::DrawFrame(CDC* pDC, int x, int y, int cx, int cy)
{
    SIZE sizes[PIECES];
    Sizes(sizes);
    RECT rects[PIECES];
    FrameRects(sizes, x, y, cx, cy, rects);
    for (int i = 0; i < PIECES; ++i)
        Piece(pDC, i, rects[i].left, rects[i].top, rects[i].right - rects[i].left, rects[i].bottom - rects[i].top);
}

void CSquareCtrl::DrawFrameTiled(CDC* pDC, int x, int y, int cx, int cy)
{
    SIZE s[PIECES];
    Sizes(s);
    RECT r[PIECES];
    FrameRects(s, x, y, cx, cy, r);
    auto whole = [&](int i) { Piece(pDC, i, r[i].left, r[i].top, r[i].right - r[i].left, r[i].bottom - r[i].top); };
    // Edges as 4-pixel strips; the last strip may run on under the next corner.
    whole(TOP_LEFT);
    for (int yy = y + s[TOP_LEFT].cy; yy < y + cy - s[BOTTOM_LEFT].cy; yy += 4)
        Piece(pDC, LEFT, x, yy, s[LEFT].cx, 4);
    whole(BOTTOM_LEFT);
    for (int xx = x + s[BOTTOM_LEFT].cx; xx < x + cx - s[BOTTOM_RIGHT].cx; xx += 4)
        Piece(pDC, BOTTOM, xx, y + cy - s[BOTTOM].cy, 4, s[BOTTOM].cy);
    whole(BOTTOM_RIGHT);
    for (int yy = y + s[TOP_RIGHT].cy; yy < y + cy - s[BOTTOM_RIGHT].cy; yy += 4)
        Piece(pDC, RIGHT, x + cx - s[RIGHT].cx, yy, s[RIGHT].cx, 4);
    whole(TOP_RIGHT);
    for (int xx = x + s[TOP_LEFT].cx; xx < x + cx - s[TOP_RIGHT].cx; xx += 4)
        Piece(pDC, TOP, xx, y, 4, s[TOP].cy);
    whole(CENTRE);
}
