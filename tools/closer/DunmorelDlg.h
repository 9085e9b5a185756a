#pragma once
// The uninstall dialog: runs the uninstall steps once, shortly after it appears, and lists what
// each step did. It ends by itself when nothing was removed; otherwise the list stays until OK.
#include "platform/UI.h"

#include "tools/closer/UninstallSteps.h"
#include "tools/closer/ZELCloseResource.h"

class CDunmorelDlg : public CDialogEx {
public:
    explicit CDunmorelDlg(CWnd* pParent = nullptr);

    enum { IDD = IDD_DUNMOREL_DIALOG };

    // Where the steps look; the machine's installation unless set.
    void SetTarget(const SUninstallTarget& target)
    {
        m_target = target;
        m_strRegKey = target.strKey;
    }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    // 0 when nothing was removed, 1 when the steps ran (see CUninstallSteps).
    int RunUninstall();
    void AddLine(const CString& strLine);

    HICON m_hIcon;
    CString m_strRegKey;
    SUninstallTarget m_target;

    DECLARE_MESSAGE_MAP()
};
