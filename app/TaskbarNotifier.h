#pragma once
// A skinned notification window that slides out of the taskbar's edge, stays, and slides back;
// a click posts UWM_TASKBAR_NOTIFIER_CLICK to its parent. The client keeps it for notices but
// shows its own toasts instead. The slide arithmetic is apart from the window, so it can be
// checked without one.
#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "platform/Wnd.h"

#define UWM_TASKBAR_NOTIFIER_CLICK (WM_USER + 123)

enum NOTIFIER_EDGE { NOTIFIER_EDGE_TOP = 1, NOTIFIER_EDGE_LEFT = 2, NOTIFIER_EDGE_RIGHT = 3, NOTIFIER_EDGE_BOTTOM = 4 };

struct NOTIFIER_SLIDE {
    int nEdge = NOTIFIER_EDGE_BOTTOM;
    POINT ptStart = {0, 0};    // hidden, outside the work area
    POINT ptShown = {0, 0};    // fully shown
    int nDelayIn = 0;          // ms per step
    int nDelayOut = 0;
};

// Where the taskbar lies, from the work area and the screen size: the edge the window comes from.
int NotifierEdge(const RECT& rcWork, int cxScreen, int cyScreen);
// Start and shown places and step delays for a window of cx x cy moving nIncrement pixels a step.
// A window narrower (or lower) than one step still moves: the delay is then the whole time.
NOTIFIER_SLIDE ComputeNotifierSlide(const RECT& rcWork, int cxScreen, int cyScreen, int cx, int cy, int nIncrement,
                                    int nTimeToAppear, int nTimeToDisappear);
// One step from pt toward the shown place (bIn) or back to the start; FALSE when already there.
BOOL StepNotifier(const NOTIFIER_SLIDE& slide, int cx, int cy, int nIncrement, BOOL bIn, POINT& pt);
// The rectangle of the bitmap without the pixels of exactly that colour; the caller deletes it.
HRGN RegionWithoutColor(HBITMAP hBitmap, COLORREF clrTransparent);

class CTaskbarNotifier : public CWnd {
public:
    CTaskbarNotifier();
    ~CTaskbarNotifier() override;

    BOOL Create(CWnd* pParent);
    BOOL SetSkin(UINT nBitmapId, short red = -1, short green = -1, short blue = -1);
    BOOL SetSkin(LPCTSTR pszFile, short red = -1, short green = -1, short blue = -1);
    void SetTextFont(LPCTSTR pszFace, int nPointSize, int nNormalStyle, int nHoverStyle);
    void SetTextColor(COLORREF clrNormal, COLORREF clrHover);
    void SetTextRect(const RECT& rc) { m_rcText = rc; }
    void Show(LPCTSTR pszText, DWORD dwTimeToAppear, DWORD dwTimeToStay, DWORD dwTimeToDisappear);
    void Hide();

    int GetState() const { return m_nState; }
    POINT GetPosition() const { return m_pt; }
    const NOTIFIER_SLIDE& GetSlide() const { return m_slide; }
    int m_nIncrement = 2;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL ApplySkin(HBITMAP hBitmap, short red, short green, short blue);
    void OnTimerStep(UINT_PTR nId);
    void Place();
    void Paint(HDC hdc);

    CWnd* m_pParent = nullptr;
    CFont m_fontNormal;
    CFont m_fontHover;
    COLORREF m_clrNormal = RGB(133, 146, 181);
    COLORREF m_clrHover = RGB(10, 36, 106);
    HCURSOR m_hCursor = nullptr;
    CBitmap m_bmpSkin;
    HRGN m_hSkinRegion = nullptr;
    RECT m_rcText = {0, 0, 0, 0};
    int m_nSkinWidth = 0;
    int m_nSkinHeight = 0;
    CString m_strText;
    int m_bHovered = 0;
    int m_nState = 0;   // 0 idle, 1 appearing, 2 waiting, 3 disappearing
    DWORD m_dwTimeToAppear = 0;
    DWORD m_dwTimeToStay = 0;
    DWORD m_dwTimeToDisappear = 0;
    NOTIFIER_SLIDE m_slide;
    POINT m_pt = {0, 0};
};
