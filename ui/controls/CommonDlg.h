#pragma once
// CCommonDlg: an owner-painted notice dialog (template 347) on the notice background bitmap:
// modal, centred on its parent and ended with OK or the close button (1); or modeless, closing
// itself after the display time (5000 ms), and in its notice layout rising from the bottom of
// the screen 2 px every 10 ms, waiting, sinking back and destroying (and deleting) itself. Esc is
// ignored; the whole surface drags the dialog, its 10-px corners resize it. Tests answer it
// through SetPopupAnswerHook (POPUP_COMMON; 1 or 3 end it, Esc-like 2 is ignored as Esc is).
#include "platform/Bitmap.h"
#include "platform/BitmapButton.h"
#include "platform/Dialog.h"
#include "ui/controls/xSkinButton.h"

class CCommonDlg : public CDialog {
public:
    enum { TIMER_DISPLAY = 2512, TIMER_SLIDE_IN = 2513, TIMER_SLIDE_OUT = 2514 };

    explicit CCommonDlg(CWnd* pParent);
    CCommonDlg(CWnd* pParent, const CString& strText, const CString& strCaption, const CString& strLabel,
               BOOL bModal, BOOL bNotice);
    CCommonDlg(CWnd* pParent, int nWidth, int nHeight, const CString& strText, const CString& strCaption,
               BOOL bModal, BOOL bNotice);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override {}

    // The hit code a press at the point gives: the 10-px corners resize, the rest drags.
    static LRESULT HitCodeFor(CPoint point, const CRect& rcClient);

    int GetSlideInOffset() const { return m_nSlideIn; }
    int GetSlideOutOffset() const { return m_nSlideOut; }
    UINT GetDisplayTime() const { return m_nDisplayTime; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void Close();

    UINT m_nDisplayTime = 5000;
    UINT_PTR m_nDisplayTimer = 0, m_nSlideInTimer = 0, m_nSlideOutTimer = 0;
    CWnd* m_pParent;
    BOOL m_bModal = FALSE;
    BOOL m_bNotice = FALSE;
    CString m_strCaption, m_strLabel, m_strSubject, m_strText;
    CBitmap m_bmpBack, m_bmpLogo;
    int m_nSlideIn = 0;
    int m_nSlideOut;
    int m_nWidth = 275;
    int m_nHeight = 107;
    CBitmapButton m_btnClose;
    CxSkinButton m_btnOK;
};
