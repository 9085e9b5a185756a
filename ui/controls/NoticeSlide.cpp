#include "ui/controls/NoticeSlide.h"

int NoticeEdge(const RECT& rcWork, int cxScreen, int cyScreen)
{
    const int workWidth = rcWork.right - rcWork.left;
    const int workHeight = rcWork.bottom - rcWork.top;
    if (workWidth < cxScreen && rcWork.left == 0)
        return NOTICE_EDGE_RIGHT;
    if (workWidth < cxScreen)
        return NOTICE_EDGE_LEFT;
    if (workHeight < cyScreen && rcWork.top > 0)
        return NOTICE_EDGE_TOP;
    return NOTICE_EDGE_BOTTOM;
}

UINT NoticeStepInterval(UINT nTime, int nExtent, int nStep)
{
    const int steps = nStep > 0 ? nExtent / nStep : 0;
    return steps > 0 ? nTime / (UINT)steps : nTime;
}

void NOTICE_SLIDE::Begin(const RECT& rcWork, int edge, int W, int H, UINT nShowTime, UINT nHideTime)
{
    nEdge = edge;
    nWidth = W;
    nHeight = H;
    nVisibleHeight = 0;
    const bool sideways = edge == NOTICE_EDGE_LEFT || edge == NOTICE_EDGE_RIGHT;
    const int extent = sideways ? W : H;
    nAppearInterval = NoticeStepInterval(nShowTime, extent, nStep);
    nDisappearInterval = NoticeStepInterval(nHideTime, extent, nStep);
    switch (edge) {
    case NOTICE_EDGE_RIGHT: nStartX = rcWork.right; nStartY = rcWork.bottom - H; break;
    case NOTICE_EDGE_LEFT: nStartX = rcWork.left - W; nStartY = rcWork.bottom - H; break;
    case NOTICE_EDGE_TOP: nStartX = rcWork.right - W; nStartY = rcWork.top - H; break;
    default: nStartX = rcWork.right - W; nStartY = rcWork.bottom; break;
    }
    nCurX = nStartX;
    nCurY = nStartY;
}

bool NOTICE_SLIDE::StepIn()
{
    switch (nEdge) {
    case NOTICE_EDGE_BOTTOM:
        if (nCurY <= nStartY - nHeight) return false;
        nCurY -= nStep;
        nVisibleHeight = nVisibleHeight + nStep > nHeight ? nHeight : nVisibleHeight + nStep;
        return true;
    case NOTICE_EDGE_TOP:
        if (nCurY - nStartY >= nHeight) return false;
        nCurY += nStep;
        return true;
    case NOTICE_EDGE_LEFT:
        if (nCurX - nStartX >= nWidth) return false;
        nCurX += nStep;
        return true;
    default:
        if (nCurX <= nStartX - nWidth) return false;
        nCurX -= nStep;
        return true;
    }
}

bool NOTICE_SLIDE::StepOut()
{
    switch (nEdge) {
    case NOTICE_EDGE_BOTTOM:
        if (nCurY >= nStartY) return false;
        nCurY += nStep;
        nVisibleHeight -= nStep;
        return true;
    case NOTICE_EDGE_TOP:
        if (nCurY <= nStartY) return false;
        nCurY -= nStep;
        return true;
    case NOTICE_EDGE_LEFT:
        if (nCurX <= nStartX) return false;
        nCurX -= nStep;
        return true;
    default:
        if (nCurX >= nStartX) return false;
        nCurX += nStep;
        return true;
    }
}

void NOTICE_SLIDE::JumpShown(const RECT& rcWork)
{
    switch (nEdge) {
    case NOTICE_EDGE_RIGHT: nCurX = rcWork.right - nWidth; break;
    case NOTICE_EDGE_LEFT: nCurX = rcWork.left; break;
    case NOTICE_EDGE_TOP: nCurY = rcWork.top; break;
    default: nCurY = rcWork.bottom - nHeight; nVisibleHeight = nHeight; break;
    }
}

CRect NOTICE_SLIDE::WindowRect() const
{
    const int h = nEdge == NOTICE_EDGE_BOTTOM ? nVisibleHeight : nHeight;
    return CRect(nCurX, nCurY, nCurX + nWidth, nCurY + (h > 0 ? h : 0));
}

void SplitTitledText(const CString& strValue, CString& strTitle, CString& strText)
{
    const int at = strValue.Find(L"\r\n\r\n");
    if (at > 0) {
        strTitle = strValue.Left(at);
        strText = strValue.Mid(at + 4);
    } else {
        strTitle.Empty();
        strText = strValue;
    }
}

void DeriveNoticeTitle(int nMessageId, CString& strTitle, CString& strText)
{
    if (nMessageId == 0 || !strTitle.IsEmpty())
        return;
    const int at = strText.Find(L'-');
    if (at > 13) {
        strTitle = L"[" + strText.Left(at - 1) + L"]";
        strText = strText.Mid(at + 1);
    }
}
