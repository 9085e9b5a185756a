#pragma once
// A bitmap shown centred on the screen for a while; it goes at the first key or mouse press or
// when its time is over. One at a time; the client carries it but shows none by default.
#include "platform/Bitmap.h"
#include "platform/Wnd.h"

class CSplashWnd : public CWnd {
public:
    static void EnableSplashScreen(BOOL bEnable);
    static BOOL ShowSplashScreen(UINT nTimeMs, UINT nBitmapId, CWnd* pParent);
    // For the application's message loop: TRUE when the message was used to hide the splash.
    static BOOL PreTranslateAppMessage(MSG* pMsg);
    static void HideActiveSplash();
    static CSplashWnd* GetActive() { return s_pActive; }

protected:
    CSplashWnd() = default;
    ~CSplashWnd() override;
    void HideSplashScreen();
    void PostNcDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CBitmap m_bitmap;
    static BOOL s_bEnabled;
    static CSplashWnd* s_pActive;
};
