#pragma once
// CYesNoPopup: a question with a Yes button and, after SetShowCancelButton, a No button
// (template 110). Yes or Enter gives 1, No or Esc 2, the close button 3. As a notice (the notice
// flag) it also posts WM_YESNO_ANSWER (1 yes, 0 no) to its parent before it ends, so it can run
// modeless; the post is skipped, and the answer kept in GetResult, when the parent is gone.
#include "ui/controls/DialogPopupBase.h"

class CYesNoPopup : public CDialogPopupBase {
public:
    CYesNoPopup(CWnd* pParent, int nWidth, int nHeight, int x, int y, const CString& strTitle,
                const CString& strHeading, const CString& strText, const CString& strContext, BOOL bNotice,
                BOOL bCenterOnDesktop);

    void SetShowCancelButton(BOOL bShow) { m_bTwoButtons = bShow; }
    // The text; after initialisation the composed one (heading included).
    CString GetText() const { return m_strText; }
    const CString& GetContext() const { return m_strContext; }
    const CPopupMessage& Message() const { return m_message; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void Answer(int nResult);

    CStatic m_stMessage;
    CStatic m_stHeading;
    CStatic m_stExtra;
    CxSkinButton m_btnYes;
    CxSkinButton m_btnNo;
    CString m_strHeading;
    CString m_strText;
    CString m_strContext;
    BOOL m_bCenterOnDesktop;
    BOOL m_bTwoButtons = FALSE;
    CPopupMessage m_message{10};
    // The window the notice answers, by handle: the parent object may be gone before the answer.
    HWND m_hNoticeParent;
};
