#pragma once
// CLoginEdit: the one-line input box of the login window. While empty it shows its hint (in the
// same colour as text, and in clear even in a password box), the hint cannot be edited, no space
// can be typed, and after every change of its text it tells the notify window with
// WM_USER + 5000 (sent, 0, 0).
#include "platform/Edit.h"

const UINT WM_LOGIN_EDIT_CHANGED = WM_USER + 5000;

class CLoginEdit : public CEdit {
public:
    CLoginEdit() = default;

    void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    void SetHintText(const CString& strHint) { m_strHint = strHint; }
    void SetPassword(BOOL bPassword) { m_bPassword = bPassword; }
    // The text counts as typed input, even an empty one (the next change brings the hint back).
    void SetText(const CString& strText);
    BOOL IsHintShown() const { return m_bHintShown; }
    const CString& GetHintText() const { return m_strHint; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg void OnUpdateReflect();
    DECLARE_MESSAGE_MAP()

private:
    void ClearHint();

    CWnd* m_pNotifyWnd = nullptr;
    BOOL m_bHintShown = FALSE;
    CString m_strHint;
    BOOL m_bPassword = FALSE;
    BOOL m_bClearing = FALSE;
};
