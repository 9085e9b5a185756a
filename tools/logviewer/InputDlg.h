#pragma once
// The password dialog that guards the unlock request of the control message.
#include "platform/UI.h"

class CInputDlg : public CDialogEx {
public:
    explicit CInputDlg(CWnd* pParent = nullptr);

    // The text typed into the password box.
    CString m_strText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnOkButton();
    DECLARE_MESSAGE_MAP()
};
