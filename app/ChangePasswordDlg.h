#pragma once
// The change-password dialog: three masked fields checked locally, then the change asked of the
// application server; ends with IDOK only when the server accepted it.
#include "app/ReplyTarget.h"
#include "ui/skin/MyBaseDialog.h"

class CChangePasswordDlg : public CMyBaseDialog {
public:
    explicit CChangePasswordDlg(CWnd* pParent = nullptr);

    SKIN_OBJECT* m_pBtnClose = nullptr;
    SKIN_OBJECT* m_pBtnOK = nullptr;
    SKIN_OBJECT* m_pEditOld = nullptr;
    SKIN_OBJECT* m_pEditNew = nullptr;
    SKIN_OBJECT* m_pEditChk = nullptr;

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The rules, in order; the first broken one is shown and FALSE returned.
    BOOL CheckInput();
    void RequestChange();

protected:
    void OnOK() override {}
    afx_msg LRESULT OnReceiveM00000044(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReplyReady(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void MoveFocusFrom(HWND hFocus, BOOL bBackwards);
    CReplyTarget m_replyTarget;
    // What the reply said, kept for the posted answer.
    int m_nReplyStatus = 0;
    BOOL m_bReplyAccepted = FALSE;
    CString m_strReplyMessage;
};
