#pragma once
// A notice of the server shown to the user, with OK, close and a "do not show again" box that
// the main dialog reads after OK.
#include "ui/skin/MyBaseDialog.h"

class CAnnouncementDlg : public CMyBaseDialog {
public:
    explicit CAnnouncementDlg(CWnd* pParent = nullptr);

    SKIN_OBJECT* m_pBtnClose = nullptr;
    SKIN_OBJECT* m_pBtnOK = nullptr;
    SKIN_OBJECT* m_pBtnCheck = nullptr;
    SKIN_OBJECT* m_pAnnouncement = nullptr;
    CString m_strContent;
    BYTE m_bDontShowAgain = 0;

    void SetContent(const CString& strText) { m_strContent = strText; }
    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

protected:
    void OnOK() override {}
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    DECLARE_MESSAGE_MAP()
};
