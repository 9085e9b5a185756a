#include "features/documents/DocViewGeometry.h"

namespace docview {

CRect FitImageRect(const CRect& B, int w, int h, float* pZoom)
{
    if (w == 0 && h == 0) return B;
    CRect r = B;
    const int fh = w != 0 ? (int)((long long)h * B.Width() / w) : 0;
    const int fw = h != 0 ? (int)((long long)w * B.Height() / h) : 0;
    if (fh < B.Height()) {
        const int m = (B.Height() - fh) / 2;
        r.top += m;
        r.bottom -= m;
        if (r.top == r.bottom) r.bottom += 1;
    } else {
        const int m = (B.Width() - fw) / 2;
        r.left += m;
        r.right -= m;
        if (r.left == r.right) r.right += 1;
    }
    if (pZoom) {
        if (r.Width() > r.Height())
            *pZoom = w != 0 ? (float)r.Width() / (float)w : 1.0f;
        else
            *pZoom = h != 0 ? (float)r.Height() / (float)h : 1.0f;
    }
    return r;
}

namespace {

// One axis of a page larger than the view: its near edge never comes inside the view, nor then
// its far edge.
void ClampAxis(LONG& nNear, LONG& nFar, int nSize, LONG nViewNear, LONG nViewFar)
{
    if (nNear > nViewNear) {
        nNear = nViewNear;
        nFar = nNear + nSize;
    }
    if (nFar < nViewFar) {
        nFar = nViewFar;
        nNear = nFar - nSize;
    }
}

// One axis of ZoomImageRect: a page smaller than the view is centred in it.
void PlaceAxis(LONG& nNear, LONG& nFar, int nSize, LONG nViewNear, LONG nViewFar)
{
    const int nView = nViewFar - nViewNear;
    if (nSize < nView) {
        nNear = nView / 2 + nViewNear - nSize / 2;
        nFar = nNear + nSize;
        return;
    }
    ClampAxis(nNear, nFar, nSize, nViewNear, nViewFar);
}

// One axis of PanImageRect: only a page larger than the view moves.
void PanAxis(LONG& nNear, LONG& nFar, int d, LONG nViewNear, LONG nViewFar)
{
    const int nSize = nFar - nNear;
    if (nSize <= nViewFar - nViewNear) return;
    nNear += d;
    nFar += d;
    ClampAxis(nNear, nFar, nSize, nViewNear, nViewFar);
}

}  // namespace

BOOL ZoomImageRect(const CRect& R, const CRect& B, int x, int y, int w, int h, float fZoom, CRect* pOut)
{
    int W = (int)(w * fZoom);
    int H = (int)(h * fZoom);
    if (W < 1) W = 1;
    if (H < 1) H = 1;
    const int dx = R.Width() != 0 ? (int)((long long)W * (x - R.left) / R.Width()) : 0;
    const int dy = R.Height() != 0 ? (int)((long long)H * (y - R.top) / R.Height()) : 0;
    CRect n;
    n.left = x - dx;
    n.right = n.left + W;
    n.top = y - dy;
    n.bottom = n.top + H;
    PlaceAxis(n.left, n.right, W, B.left, B.right);
    PlaceAxis(n.top, n.bottom, H, B.top, B.bottom);
    if (pOut) *pOut = n;
    return W < B.Width() && H < B.Height();
}

CRect PanImageRect(const CRect& R, const CRect& B, int dx, int dy)
{
    CRect r = R;
    PanAxis(r.left, r.right, dx, B.left, B.right);
    PanAxis(r.top, r.bottom, dy, B.top, B.bottom);
    return r;
}

BOOL IsImageSmallerThan(const CRect& B, int w, int h)
{
    return w < B.Width() && h < B.Height();
}

float ZoomInStep(float fZoom)
{
    const float z = fZoom * 1.1f;
    return z > kMaxZoom ? kMaxZoom : z;
}

float ZoomOutStep(float fZoom)
{
    return fZoom * 0.9f;
}

}  // namespace docview
