#pragma once
// COkCancelDlg: the client's general confirmation (template 663): a title, a centred message and
// OK, or OK and Cancel, in the pop-up frame on a layered window whose magenta is transparent,
// with a small close button. ShowOkCancel runs one over the main window: 1 for OK or Enter, 2 for
// Cancel, Esc or the close button (also when the main window closes under it). Tests answer it
// through SetPopupAnswerHook (PopupAnswer.h).
#include "platform/Dialog.h"
#include "ui/controls/PopupAnswer.h"
#include "ui/controls/PopupMessage.h"
#include "ui/controls/xSkinButton.h"

class COkCancelDlg : public CDialog {
public:
    COkCancelDlg(const CString& strText, const CString& strTitle, BOOL bOneButton, BOOL bYesLook,
                 CWnd* pParent = nullptr);
    explicit COkCancelDlg(CWnd* pParent);

    BOOL OnInitDialog() override;
    INT_PTR DoModal() override;

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    const CPopupMessage& Message() const { return m_message; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnCloseButton();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CxSkinButton m_btnClose;
    CxSkinButton m_btnOK;
    CxSkinButton m_btnCancel;
    CString m_strTitle;
    CString m_strText;
    CPopupFrame m_frame;
    int m_nWidth = 275;
    int m_nHeight = 155;
    BOOL m_bOneButton = FALSE;
    BOOL m_bYesLook = FALSE;
    CPopupMessage m_message{5};
    BOOL m_bWindowMade = FALSE;
};

// Runs an OK/Cancel question over the main window and returns its answer.
int ShowOkCancel(const CString& strText, const CString& strTitle, BOOL bOneButton, BOOL bYesLook);
