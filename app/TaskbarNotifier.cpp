#include "app/TaskbarNotifier.h"

#include <vector>

#include "platform/ResourceHandle.h"

namespace {
const UINT_PTR TIMER_APPEAR = 1;
const UINT_PTR TIMER_WAIT = 2;
const UINT_PTR TIMER_DISAPPEAR = 3;

// time / (size / increment) with the divisor kept at one step at least.
int StepDelay(int nTime, int nSize, int nIncrement)
{
    const unsigned nSteps = nIncrement > 0 ? unsigned(nSize / nIncrement) : 0u;
    return nSteps ? int(unsigned(nTime) / nSteps) : nTime;
}
} // namespace

int NotifierEdge(const RECT& rcWork, int cxScreen, int cyScreen)
{
    const int cxWork = rcWork.right - rcWork.left;
    const int cyWork = rcWork.bottom - rcWork.top;
    if (cxWork < cxScreen)
        return rcWork.left == 0 ? NOTIFIER_EDGE_RIGHT : NOTIFIER_EDGE_LEFT;
    if (cyWork < cyScreen)
        return rcWork.top != 0 ? NOTIFIER_EDGE_TOP : NOTIFIER_EDGE_BOTTOM;
    return NOTIFIER_EDGE_BOTTOM;
}

NOTIFIER_SLIDE ComputeNotifierSlide(const RECT& rcWork, int cxScreen, int cyScreen, int cx, int cy, int nIncrement,
                                    int nTimeToAppear, int nTimeToDisappear)
{
    NOTIFIER_SLIDE s;
    s.nEdge = NotifierEdge(rcWork, cxScreen, cyScreen);
    switch (s.nEdge) {
    case NOTIFIER_EDGE_RIGHT:
        s.ptStart = {rcWork.right, rcWork.bottom - cy};
        s.ptShown = {rcWork.right - cx, rcWork.bottom - cy};
        break;
    case NOTIFIER_EDGE_LEFT:
        s.ptStart = {rcWork.left - cx, rcWork.bottom - cy};
        s.ptShown = {rcWork.left, rcWork.bottom - cy};
        break;
    case NOTIFIER_EDGE_TOP:
        s.ptStart = {rcWork.right - cx, rcWork.top - cy};
        s.ptShown = {rcWork.right - cx, rcWork.top};
        break;
    default:
        s.ptStart = {rcWork.right - cx, rcWork.bottom};
        s.ptShown = {rcWork.right - cx, rcWork.bottom - cy};
        break;
    }
    const bool bSideways = s.nEdge == NOTIFIER_EDGE_LEFT || s.nEdge == NOTIFIER_EDGE_RIGHT;
    const int nSize = bSideways ? cx : cy;
    s.nDelayIn = StepDelay(nTimeToAppear, nSize, nIncrement);
    s.nDelayOut = StepDelay(nTimeToDisappear, nSize, nIncrement);
    return s;
}

BOOL StepNotifier(const NOTIFIER_SLIDE& s, int cx, int cy, int nIncrement, BOOL bIn, POINT& pt)
{
    if (bIn) {
        switch (s.nEdge) {
        case NOTIFIER_EDGE_TOP:
            if (pt.y - s.ptStart.y < cy) { pt.y += nIncrement; return TRUE; }
            return FALSE;
        case NOTIFIER_EDGE_LEFT:
            if (pt.x - s.ptStart.x < cx) { pt.x += nIncrement; return TRUE; }
            return FALSE;
        case NOTIFIER_EDGE_RIGHT:
            if (s.ptStart.x - cx < pt.x) { pt.x -= nIncrement; return TRUE; }
            return FALSE;
        default:
            if (s.ptStart.y - cy < pt.y) { pt.y -= nIncrement; return TRUE; }
            return FALSE;
        }
    }
    switch (s.nEdge) {
    case NOTIFIER_EDGE_TOP:
        if (s.ptStart.y < pt.y) { pt.y -= nIncrement; return TRUE; }
        return FALSE;
    case NOTIFIER_EDGE_LEFT:
        if (s.ptStart.x < pt.x) { pt.x -= nIncrement; return TRUE; }
        return FALSE;
    case NOTIFIER_EDGE_RIGHT:
        if (pt.x < s.ptStart.x) { pt.x += nIncrement; return TRUE; }
        return FALSE;
    default:
        if (pt.y < s.ptStart.y) { pt.y += nIncrement; return TRUE; }
        return FALSE;
    }
}

HRGN RegionWithoutColor(HBITMAP hBitmap, COLORREF clr)
{
    BITMAP bm = {};
    if (!::GetObjectW(hBitmap, sizeof(bm), &bm))
        return nullptr;
    const int w = bm.bmWidth & ~3, h = bm.bmHeight;
    HRGN hRgn = ::CreateRectRgn(0, 0, bm.bmWidth, h);
    if (w <= 0 || h <= 0)
        return hRgn;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;   // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<BYTE> bits(size_t(w) * 3 * h);   // w is a multiple of 4: no row padding
    HDC hdc = ::GetDC(nullptr);
    const int nRows = ::GetDIBits(hdc, hBitmap, 0, h, bits.data(), &bi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdc);
    for (int y = 0; y < nRows; ++y) {
        for (int x = 0; x < w; ++x) {
            const BYTE* p = &bits[(size_t(y) * w + x) * 3];
            if (RGB(p[2], p[1], p[0]) != clr)
                continue;
            HRGN hPixel = ::CreateRectRgn(x, y, x + 1, y + 1);
            ::CombineRgn(hRgn, hRgn, hPixel, RGN_XOR);
            ::DeleteObject(hPixel);
        }
    }
    return hRgn;
}

CTaskbarNotifier::CTaskbarNotifier() = default;

CTaskbarNotifier::~CTaskbarNotifier()
{
    if (m_hWnd)
        DestroyWindow();
    if (m_hSkinRegion)
        ::DeleteObject(m_hSkinRegion);
}

BOOL CTaskbarNotifier::Create(CWnd* pParent)
{
    m_pParent = pParent;
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_WINDOW));
    if (!CreateEx(0, pszClass, L"", WS_POPUP, 0, 0, 0, 0, pParent ? pParent->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    m_hCursor = ::LoadCursorW(nullptr, IDC_HAND);
    return TRUE;
}

BOOL CTaskbarNotifier::ApplySkin(HBITMAP hBitmap, short red, short green, short blue)
{
    if (!hBitmap)
        return FALSE;
    m_bmpSkin.DeleteObject();
    m_bmpSkin.Attach(hBitmap);
    BITMAP bm = {};
    m_bmpSkin.GetBitmap(&bm);
    m_nSkinWidth = bm.bmWidth;
    m_nSkinHeight = bm.bmHeight;
    m_rcText = {0, 0, m_nSkinWidth, m_nSkinHeight};
    if (red != -1 && green != -1 && blue != -1) {
        HRGN hRgn = RegionWithoutColor(hBitmap, RGB(red, green, blue));
        if (m_hWnd && hRgn) {
            // The window owns a region it is given; keep our own copy for callers.
            HRGN hCopy = ::CreateRectRgn(0, 0, 0, 0);
            ::CombineRgn(hCopy, hRgn, nullptr, RGN_COPY);
            ::SetWindowRgn(m_hWnd, hCopy, TRUE);
        }
        if (m_hSkinRegion)
            ::DeleteObject(m_hSkinRegion);
        m_hSkinRegion = hRgn;
    }
    return TRUE;
}

BOOL CTaskbarNotifier::SetSkin(UINT nBitmapId, short red, short green, short blue)
{
    HBITMAP hBmp = (HBITMAP)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nBitmapId), IMAGE_BITMAP, 0, 0,
                                         LR_CREATEDIBSECTION);
    return ApplySkin(hBmp, red, green, blue);
}

BOOL CTaskbarNotifier::SetSkin(LPCTSTR pszFile, short red, short green, short blue)
{
    HBITMAP hBmp = (HBITMAP)::LoadImageW(nullptr, pszFile, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    return ApplySkin(hBmp, red, green, blue);
}

void CTaskbarNotifier::SetTextFont(LPCTSTR pszFace, int nPointSize, int nNormalStyle, int nHoverStyle)
{
    CFont base;
    base.CreatePointFont(nPointSize, pszFace);
    LOGFONT lf = {};
    base.GetLogFont(&lf);
    auto make = [&](CFont& font, int nStyle) {
        LOGFONT l = lf;
        l.lfWeight = (nStyle & 1) ? FW_BOLD : FW_NORMAL;
        l.lfItalic = (nStyle & 2) ? TRUE : FALSE;
        l.lfUnderline = (nStyle & 4) ? TRUE : FALSE;
        font.DeleteObject();
        font.CreateFontIndirect(&l);
    };
    make(m_fontNormal, nNormalStyle);
    make(m_fontHover, nHoverStyle);
}

void CTaskbarNotifier::SetTextColor(COLORREF clrNormal, COLORREF clrHover)
{
    m_clrNormal = clrNormal;
    m_clrHover = clrHover;
}

void CTaskbarNotifier::Place()
{
    ::SetWindowPos(m_hWnd, nullptr, m_pt.x, m_pt.y, m_nSkinWidth, m_nSkinHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void CTaskbarNotifier::Show(LPCTSTR pszText, DWORD dwTimeToAppear, DWORD dwTimeToStay, DWORD dwTimeToDisappear)
{
    m_strText = pszText;
    m_dwTimeToAppear = dwTimeToAppear;
    m_dwTimeToStay = dwTimeToStay;
    m_dwTimeToDisappear = dwTimeToDisappear;
    RECT rcWork = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN), cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    switch (m_nState) {
    case 0:
        ShowWindow(SW_SHOWNOACTIVATE);
        m_slide = ComputeNotifierSlide(rcWork, cxScreen, cyScreen, m_nSkinWidth, m_nSkinHeight, m_nIncrement,
                                       (int)dwTimeToAppear, (int)dwTimeToDisappear);
        m_pt = m_slide.ptStart;
        Place();
        SetTimer(TIMER_APPEAR, m_slide.nDelayIn, nullptr);
        break;
    case 1:
        RedrawWindow();
        break;
    case 2:
        RedrawWindow();
        KillTimer(TIMER_WAIT);
        SetTimer(TIMER_WAIT, m_dwTimeToStay, nullptr);
        break;
    case 3:
        KillTimer(TIMER_DISAPPEAR);
        SetTimer(TIMER_WAIT, m_dwTimeToStay, nullptr);
        m_pt = m_slide.ptShown;
        Place();
        RedrawWindow();
        break;
    }
}

void CTaskbarNotifier::Hide()
{
    if (m_nState >= 1 && m_nState <= 3)
        KillTimer(m_nState);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    ShowWindow(SW_HIDE);
    m_nState = 0;
}

void CTaskbarNotifier::OnTimerStep(UINT_PTR nId)
{
    if (nId == TIMER_APPEAR) {
        m_nState = 1;
        if (StepNotifier(m_slide, m_nSkinWidth, m_nSkinHeight, m_nIncrement, TRUE, m_pt)) {
            Place();
        } else {
            KillTimer(TIMER_APPEAR);
            SetTimer(TIMER_WAIT, m_dwTimeToStay, nullptr);
            m_nState = 2;
        }
    } else if (nId == TIMER_WAIT) {
        KillTimer(TIMER_WAIT);
        SetTimer(TIMER_DISAPPEAR, m_slide.nDelayOut, nullptr);
    } else if (nId == TIMER_DISAPPEAR) {
        m_nState = 3;
        if (StepNotifier(m_slide, m_nSkinWidth, m_nSkinHeight, m_nIncrement, FALSE, m_pt)) {
            Place();
        } else {
            KillTimer(TIMER_DISAPPEAR);
            Hide();
        }
    }
}

void CTaskbarNotifier::Paint(HDC hdc)
{
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, m_bHovered ? m_clrHover : m_clrNormal);
    HGDIOBJ hFont = (HFONT)(m_bHovered ? m_fontHover : m_fontNormal);
    HGDIOBJ hOld = hFont ? ::SelectObject(hdc, hFont) : nullptr;
    RECT rc = m_rcText;
    ::DrawTextW(hdc, m_strText, -1, &rc, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS);
    if (hOld)
        ::SelectObject(hdc, hOld);
}

LRESULT CTaskbarNotifier::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        OnTimerStep(wParam);
        return 0;
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE, m_hWnd, 1};
        ::TrackMouseEvent(&tme);
        return 0;
    }
    case WM_MOUSEHOVER:
        m_bHovered = 1;
        Invalidate(TRUE);
        return 0;
    case WM_MOUSELEAVE:
        m_bHovered = 0;
        Invalidate(TRUE);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && m_hCursor) {
            ::SetCursor(m_hCursor);
            return TRUE;
        }
        break;
    case WM_LBUTTONUP:
        if (m_pParent && m_pParent->GetSafeHwnd())
            m_pParent->PostMessage(UWM_TASKBAR_NOTIFIER_CLICK, 0, 0);
        return 0;
    case WM_ERASEBKGND:
        if (m_bmpSkin.GetSafeHandle()) {
            HDC hdc = (HDC)wParam;
            HDC hMem = ::CreateCompatibleDC(hdc);
            HGDIOBJ hOld = ::SelectObject(hMem, (HBITMAP)m_bmpSkin);
            ::BitBlt(hdc, 0, 0, m_nSkinWidth, m_nSkinHeight, hMem, 0, 0, SRCCOPY);
            ::SelectObject(hMem, hOld);
            ::DeleteDC(hMem);
            return TRUE;
        }
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(m_hWnd, &ps);
        Paint(hdc);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
