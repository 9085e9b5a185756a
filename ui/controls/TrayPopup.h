#pragma once
// CTrayPopup: the 275 x 107 notice that slides in beside the taskbar, waits three seconds and
// slides out again; a click on it brings the hidden or minimised main window back (its restore
// command). Created once by its owner with CreatePopup and filled with Notify. Every notice is
// told to the pop-up test hook (SetPopupAnswerHook, kind POPUP_TRAY_NOTICE).
#include "platform/Bitmap.h"
#include "platform/Wnd.h"
#include "ui/controls/NoticeSlide.h"
#include "ui/controls/xSkinButton.h"

class CTrayPopup : public CWnd {
public:
    enum { STATE_HIDDEN = 0, STATE_APPEARING = 1, STATE_WAITING = 2, STATE_DISAPPEARING = 3 };
    enum { TIMER_APPEAR = 1, TIMER_STAY = 2, TIMER_DISAPPEAR = 3 };

    CTrayPopup();

    BOOL CreatePopup(CWnd* pOwner);
    void Notify(const CString& strDescription, const CString& strText, const CString& strTitle, int nMessageId,
                const CString& strAltText, BOOL bAlt);
    void Show(UINT nShowTime, UINT nStayTime, UINT nHideTime);
    void Hide();
    void BringToFront();

    int GetState() const { return m_nState; }
    const NOTICE_SLIDE& Slide() const { return m_slide; }
    const CString& GetTitle() const { return m_strTitle; }
    const CString& GetText() const { return m_strText; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnDestroy();
    afx_msg void OnCloseButton();
    DECLARE_MESSAGE_MAP()

private:
    void PlaceNow();
    static BOOL IsMainHiddenOrMinimized();

    int m_nMessageId = 0;
    CString m_strTitle, m_strText, m_strDescription, m_strAltText;
    CBitmap m_bmpBack, m_bmpHeader;
    CxSkinButton m_btnClose;
    HCURSOR m_hHand = nullptr;
    int m_nState = STATE_HIDDEN;
    UINT m_nShowTime = 0, m_nStayTime = 0, m_nHideTime = 0;
    NOTICE_SLIDE m_slide;
    BOOL m_bAlt = FALSE;
};
