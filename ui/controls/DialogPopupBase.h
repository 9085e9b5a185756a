#pragma once
// CDialogPopupBase: the base of the client's message pop-ups: a frameless dialog with rounded
// corners painted from nine frame bitmaps, a painted title, an optional logo and an optional
// small close button (result 3). It places itself over the main window (or at a given point)
// and hides or shows itself on WM_POPUP_HIDE / WM_POPUP_SHOW without ending.
//
// Results: 1 OK or Yes, 2 No, Cancel or Esc, 3 the close button. A modal pop-up whose window is
// destroyed under it (its owner closed) ends with 2, as if dismissed; GetResult keeps the last
// answer for modeless owners. Tests answer pop-ups through SetPopupAnswerHook (PopupAnswer.h).
#include "platform/DialogEx.h"
#include "platform/Static.h"
#include "ui/controls/PopupAnswer.h"
#include "ui/controls/PopupMessage.h"
#include "ui/controls/xSkinButton.h"

class CDialogPopupBase : public CDialogEx {
public:
    CDialogPopupBase(UINT nIDTemplate, CWnd* pParent, int nWidth, int nHeight, int x, int y,
                     const CString& strTitle, BOOL bLogo);
    // Template 109, width 500; the owner sets the size.
    explicit CDialogPopupBase(CWnd* pParent);
    CDialogPopupBase(UINT nIDTemplate, CWnd* pParent);

    void SetShowCloseButton(BOOL bShow) { m_bShowCloseButton = bShow; }
    void SetWidth(int nWidth) { m_nWidth = nWidth; }
    void SetHeight(int nHeight) { m_nHeight = nHeight; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    const CString& GetTitle() const { return m_strTitle; }
    // The answer that ended the pop-up (1, 2 or 3); 0 while it has none.
    int GetResult() const { return m_nResult; }

    // Places and shapes the window and creates the title static and the close button.
    void InitPopupLayout();

    BOOL OnInitDialog() override;
    INT_PTR DoModal() override;
    void OnOK() override { EndPopup(IDOK); }
    void OnCancel() override { EndPopup(IDCANCEL); }

protected:
    // Ends the pop-up with the answer, remembering it.
    void EndPopup(int nResult);
    // Measures the message (it may enlarge the pop-up), sizes the window and lays it out.
    void LayoutWithMessage(CPopupMessage& message, const CString& strText);
    // The frame, the title and the message lines.
    void PaintWithMessage(CDC* pDC, CPopupMessage& message);
    // Tells the test hook about the pop-up; an answer is applied once it runs.
    void OfferToAnswerHook(POPUP_KIND kind, const CString& strText, int nButtons);
    BOOL IsRunningModal() const { return (m_nFlags & kFlagContinueModal) != 0; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CStatic m_stTitle;
    CPopupFrame m_frame;
    CBitmap m_bmpLogo;
    CxSkinButton m_btnClose;
    int m_nX = 0;
    int m_nY = 0;
    int m_nWidth = 500;
    int m_nHeight = 0;
    CString m_strTitle;
    BOOL m_bLogo = FALSE;
    BOOL m_bShowCloseButton = FALSE;

private:
    int m_nResult = 0;
    BOOL m_bWindowMade = FALSE;
};
