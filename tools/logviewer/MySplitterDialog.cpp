#include "tools/logviewer/MySplitterDialog.h"

#include <commctrl.h>

namespace {

const UINT_PTR kSubclassId = 0x5A4C;   // this file's subclass of a dialog
const int kHalfBar = 2;                // the bar is 4 pixels wide

CRect RectXYWH(int x, int y, int cx, int cy)
{
    return CRect(x, y, x + cx, y + cy);
}

}  // namespace

CTypedPtrMap<CMapPtrToPtr, HWND, CMySplitterDialog*> CMySplitterDialog::s_mapDialogs(10);

BEGIN_MESSAGE_MAP(CMySplitterDialog, CDialogEx)
    ON_WM_SIZE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CMySplitterDialog::CMySplitterDialog(UINT nIDTemplate, CWnd* pParent) : CDialogEx(nIDTemplate, pParent) {}

CMySplitterDialog::~CMySplitterDialog()
{
    ForgetWindow();
    delete m_pLeft;
    delete m_pRight;
}

void CMySplitterDialog::SetPanes(S_SPLITTER_PANE* pLeft, S_SPLITTER_PANE* pRight)
{
    delete m_pLeft;
    delete m_pRight;
    m_pLeft = pLeft;
    m_pRight = pRight;
    if (!m_pLeft || !m_pRight) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int W = rcClient.Width();
    const int H = rcClient.Height();
    const int nSplit = W * 40 / 100;
    const int yLeft = m_pLeft->bNoTopOffset ? 0 : m_pLeft->nTopOffset;
    const int yRight = m_pRight->bNoTopOffset ? 0 : m_pRight->nTopOffset;
    m_rcLeft = RectXYWH(m_pLeft->nMargin, yLeft, nSplit - m_pLeft->nMargin - kHalfBar, H - m_pLeft->nTopOffset);
    m_rcRight = RectXYWH(nSplit + kHalfBar, yRight, W - m_pRight->nMargin - nSplit - kHalfBar,
                         H - m_pRight->nTopOffset);
    m_rcSplitter = CRect(nSplit - kHalfBar, 0, nSplit + kHalfBar, H);
    PlacePane(m_pLeft, m_rcLeft);
    PlacePane(m_pRight, m_rcRight);
    // Each window keeps its own previous procedure, whatever its class.
    if (!m_bSubclassed) m_bSubclassed = SetWindowSubclass(m_hWnd, SubclassWndProc, kSubclassId, 0) != FALSE;
    s_mapDialogs.SetAt(m_hWnd, this);
}

void CMySplitterDialog::PlacePane(const S_SPLITTER_PANE* pPane, const CRect& rc)
{
    if (pPane->pControl && pPane->pControl->GetSafeHwnd())
        pPane->pControl->MoveWindow(rc.left, rc.top, rc.Width(), rc.Height());
}

void CMySplitterDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialogEx::OnSize(nType, cx, cy);
    if (!m_pLeft || !m_pRight) return;
    m_rcLeft.bottom = m_rcLeft.top + (cy - m_pLeft->nTopOffset);
    m_rcRight = RectXYWH(m_rcRight.left, m_rcRight.top, cx - m_pRight->nMargin - m_rcSplitter.right,
                         cy - m_pRight->nTopOffset);
    m_rcSplitter.bottom = cy;
    PlacePane(m_pLeft, m_rcLeft);
    PlacePane(m_pRight, m_rcRight);
}

void CMySplitterDialog::MoveSplitter(int x)
{
    if (!m_pLeft || !m_pRight) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int W = rcClient.Width();
    if (x < m_pLeft->nMargin + m_pLeft->nMinWidth) x = m_pLeft->nMargin + m_pLeft->nMinWidth;
    if (x > W - m_pRight->nMargin - m_pRight->nMinWidth) x = W - m_pRight->nMargin - m_pRight->nMinWidth;
    m_rcSplitter = CRect(x - kHalfBar, m_rcSplitter.top, x + kHalfBar, m_rcSplitter.bottom);
    m_rcLeft = RectXYWH(m_rcLeft.left, m_rcLeft.top, x - m_pLeft->nMargin - kHalfBar, m_rcLeft.Height());
    m_rcRight = RectXYWH(x + kHalfBar, m_rcRight.top, W - m_pRight->nMargin - x - kHalfBar, m_rcRight.Height());
    PlacePane(m_pLeft, m_rcLeft);
    PlacePane(m_pRight, m_rcRight);
}

void CMySplitterDialog::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_rcSplitter.PtInRect(point)) ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
    if (m_bDragging) MoveSplitter(point.x);
    CDialogEx::OnMouseMove(nFlags, point);
}

void CMySplitterDialog::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_rcSplitter.PtInRect(point)) {
        SetCapture();
        ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
        m_bDragging = true;
    }
    CDialogEx::OnLButtonDown(nFlags, point);
}

void CMySplitterDialog::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDragging) {
        MoveSplitter(point.x);
        m_bDragging = false;
        ::ReleaseCapture();
    }
    CDialogEx::OnLButtonUp(nFlags, point);
}

void CMySplitterDialog::OnNcDestroy()
{
    ForgetWindow();
    CDialogEx::OnNcDestroy();
}

void CMySplitterDialog::ForgetWindow()
{
    if (!m_hWnd) return;
    CMySplitterDialog* pFound = nullptr;
    if (s_mapDialogs.Lookup(m_hWnd, pFound) && pFound == this) s_mapDialogs.RemoveKey(m_hWnd);
    if (m_bSubclassed) RemoveWindowSubclass(m_hWnd, SubclassWndProc, kSubclassId);
    m_bSubclassed = false;
}

void CMySplitterDialog::LimitSizing(RECT* pRect, UINT nSide) const
{
    const int nMinWidth = m_pRight->nMargin + m_rcSplitter.right + 8 + m_pRight->nMinWidth;
    const int nLeftHeight = m_pLeft->nTopOffset + m_pLeft->nMinHeight;
    const int nRightHeight = m_pRight->nTopOffset + m_pRight->nMinHeight;
    const int nMinHeight = (nLeftHeight > nRightHeight ? nLeftHeight : nRightHeight) + 8;
    // The edge being dragged is the one that gives way.
    if (pRect->right - pRect->left < nMinWidth) {
        if (nSide == WMSZ_LEFT || nSide == WMSZ_TOPLEFT || nSide == WMSZ_BOTTOMLEFT) pRect->left = pRect->right - nMinWidth;
        else pRect->right = pRect->left + nMinWidth;
    }
    if (pRect->bottom - pRect->top < nMinHeight) {
        if (nSide == WMSZ_TOP || nSide == WMSZ_TOPLEFT || nSide == WMSZ_TOPRIGHT) pRect->top = pRect->bottom - nMinHeight;
        else pRect->bottom = pRect->top + nMinHeight;
    }
}

LRESULT CALLBACK CMySplitterDialog::SubclassWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                    UINT_PTR, DWORD_PTR)
{
    try {
        if (message == WM_SIZING) {
            CMySplitterDialog* pDialog = nullptr;
            if (s_mapDialogs.Lookup(hWnd, pDialog) && pDialog->m_pLeft && pDialog->m_pRight)
                pDialog->LimitSizing(reinterpret_cast<RECT*>(lParam), (UINT)wParam);
            return 0;
        }
        if (message == WM_NCDESTROY) RemoveWindowSubclass(hWnd, SubclassWndProc, kSubclassId);
    } catch (...) {
        OutputDebugStringW(L"CMySplitterDialog::SubclassWndProc: exception\n");
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}
