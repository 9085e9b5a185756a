#pragma once
// CConfirmPopup: a message with one OK button (template 112). Modal through DoModal (1 OK or
// Enter, 2 Esc, 3 close button), or modeless through Create(IDD_CONFIRM_POPUP) and ShowWindow.
#include "ui/controls/DialogPopupBase.h"

class CConfirmPopup : public CDialogPopupBase {
public:
    CConfirmPopup(CWnd* pParent, int nWidth, int nHeight, int x, int y, const CString& strTitle,
                  const CString& strHeading, const CString& strText, BOOL bCenterOnDesktop);

    BOOL OnInitDialog() override;
    const CString& GetText() const { return m_strText; }
    const CPopupMessage& Message() const { return m_message; }
    CxSkinButton& OkButton() { return m_btnOK; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_stMessage;
    CStatic m_stHeading;
    CxSkinButton m_btnOK;
    CString m_strHeading;
    CString m_strText;
    BOOL m_bCenterOnDesktop;
    CPopupMessage m_message{5};
};
