#include "ui/controls/PopupLayout.h"

void SplitPopupLines(const CString& strText, CStringArray& lines)
{
    lines.RemoveAll();
    int start = 0;
    for (int at = strText.Find(L'\n'); at >= 0; at = strText.Find(L'\n', start)) {
        lines.Add(strText.Mid(start, at - start));
        start = at + 1;
    }
    lines.Add(strText.Mid(start));
}

CSize PopupSizeForText(int nTextWidth, int nLineHeight, int nLines, int nGap, CSize minimum)
{
    CSize size(nTextWidth + 100, (nLineHeight + nGap) * nLines + 155 - nGap);
    if (size.cx < minimum.cx) size.cx = minimum.cx;
    if (size.cy < minimum.cy) size.cy = minimum.cy;
    return size;
}

POPUP_BUTTONS PopupButtonLayout(int nWidth, int nHeight, BOOL bTwoButtons)
{
    const int top = nHeight - 50;
    POPUP_BUTTONS buttons;
    if (bTwoButtons) {
        buttons.rcFirst = CRect(CPoint(nWidth / 2 - 96, top), CSize(90, 27));
        buttons.rcSecond = CRect(CPoint(nWidth / 2 + 6, top), CSize(90, 27));
    } else {
        buttons.rcFirst = CRect(CPoint((nWidth - 90) / 2, top), CSize(90, 27));
    }
    return buttons;
}

CRect PopupTargetRect(BOOL bHasMain, const CRect& rcMainClientOnScreen, int x, int y, int nWidth, int nHeight)
{
    if (!bHasMain || x != 0 || y != 0)
        return CRect(x, y, x + nWidth, y + nHeight);
    const int left = rcMainClientOnScreen.Width() / 2 + rcMainClientOnScreen.left - nWidth / 2;
    const int top = rcMainClientOnScreen.Height() / 2 + rcMainClientOnScreen.top - nHeight / 2;
    return CRect(left, top, left + nWidth, top + nHeight);
}

CPoint OkCancelOrigin(const CRect& rcParentWindow, int nWidth, int nHeight)
{
    return CPoint(rcParentWindow.left + rcParentWindow.Width() / 2 - nWidth / 2 - 12,
                  rcParentWindow.top + (rcParentWindow.Height() - nHeight) / 2);
}

void PopupFramePieces(int W, int H, const SIZE s[9], BOOL bInset, POPUP_FRAME_PIECE p[9])
{
    enum { TL, T, TR, L, C, R, BL, B, BR };
    const int in = bInset ? 1 : 0;
    auto piece = [&](int i, int x, int y, int cx, int cy, SIZE src, BOOL corner) {
        p[i].rcDest = CRect(CPoint(x, y), CSize(cx, cy));
        p[i].szSource = src;
        p[i].bCorner = corner;
    };
    piece(TL, 0, 0, s[TL].cx, s[TL].cy, s[TL], TRUE);
    piece(T, s[TL].cx, 0, W - s[TL].cx - s[TR].cx, s[T].cy, CSize(1, s[T].cy), FALSE);
    piece(TR, W - s[TR].cx - in, 0, s[TR].cx, s[TR].cy, s[TR], TRUE);
    piece(L, 0, s[TL].cy, s[L].cx, H - s[TL].cy - s[BL].cy, CSize(s[L].cx, 1), FALSE);
    piece(C, s[L].cx, s[T].cy, W - s[L].cx - s[R].cx, H - s[T].cy - s[B].cy, CSize(1, 1), FALSE);
    piece(R, W - s[R].cx - in, s[TR].cy, s[R].cx, H - s[TR].cy - s[BR].cy, CSize(s[R].cx, 1), FALSE);
    piece(BL, 0, bInset ? H - s[BL].cy - 1 : H - s[BL].cy, s[BL].cx, s[BL].cy, s[BL], TRUE);
    // The rounded pop-ups align the bottom edge with the bottom-left corner; the flush frame
    // puts every bottom piece against the bottom.
    piece(B, s[BL].cx, bInset ? H - s[BL].cy - 1 : H - s[B].cy, W - s[BL].cx - s[BR].cx, s[B].cy,
          CSize(1, s[B].cy), FALSE);
    piece(BR, W - s[BR].cx - in, H - s[BR].cy - in, s[BR].cx, s[BR].cy, s[BR], TRUE);
}
