#include "app/SplashWnd.h"

#include "platform/WinApp.h"

BOOL CSplashWnd::s_bEnabled = FALSE;
CSplashWnd* CSplashWnd::s_pActive = nullptr;

void CSplashWnd::EnableSplashScreen(BOOL bEnable) { s_bEnabled = bEnable; }

CSplashWnd::~CSplashWnd()
{
    if (s_pActive == this)
        s_pActive = nullptr;
}

BOOL CSplashWnd::ShowSplashScreen(UINT nTimeMs, UINT nBitmapId, CWnd* pParent)
{
    if (!s_bEnabled || s_pActive)
        return FALSE;
    CSplashWnd* pSplash = new CSplashWnd;
    s_pActive = pSplash;
    if (!pSplash->m_bitmap.LoadBitmap(nBitmapId)) {
        delete pSplash;
        return FALSE;
    }
    BITMAP bm = {};
    pSplash->m_bitmap.GetBitmap(&bm);
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW));
    if (!pSplash->CreateEx(0, pszClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, bm.bmWidth, bm.bmHeight,
                           pParent ? pParent->GetSafeHwnd() : nullptr, nullptr)) {
        delete pSplash;
        return FALSE;
    }
    pSplash->CenterWindow();
    pSplash->UpdateWindow();
    pSplash->SetTimer(1, nTimeMs, nullptr);
    return TRUE;
}

BOOL CSplashWnd::PreTranslateAppMessage(MSG* pMsg)
{
    if (!s_pActive || !s_pActive->m_hWnd)
        return FALSE;
    switch (pMsg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        s_pActive->HideSplashScreen();
        return TRUE;
    default: return FALSE;
    }
}

void CSplashWnd::HideActiveSplash()
{
    if (s_pActive && s_pActive->m_hWnd)
        s_pActive->HideSplashScreen();
}

void CSplashWnd::HideSplashScreen()
{
    DestroyWindow();
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->UpdateWindow();
}

void CSplashWnd::PostNcDestroy()
{
    delete this;
}

LRESULT CSplashWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        HideSplashScreen();
        return 0;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(m_hWnd, &ps);
        BITMAP bm = {};
        m_bitmap.GetBitmap(&bm);
        HDC hMem = ::CreateCompatibleDC(hdc);
        HGDIOBJ hOld = ::SelectObject(hMem, (HBITMAP)m_bitmap);
        ::BitBlt(hdc, 0, 0, bm.bmWidth, bm.bmHeight, hMem, 0, 0, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
