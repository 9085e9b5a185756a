#pragma once
// The about box: product, version, build and copyright on the small dialogs' frame, with a
// hidden right-click menu over the build number for support staff.
#include "app/FramedDialog.h"

class CAboutDlg : public CFramedDialog {
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

    int m_nWidth = 0;
    int m_nHeight = 0;

    BOOL OnInitDialog() override;
    // The support command: 32801 log viewer, 32802 program folder, 32803 data folder.
    void RunSupportCommand(UINT nCommand);

    // Seams: the menu's choice (tracking when not set) and what would be started.
    typedef UINT (*PFN_CHOOSE)(HMENU hMenu);
    static void SetChooserForTest(PFN_CHOOSE pfn);
    typedef void (*PFN_LAUNCH)(const CString& strFile, const CString& strParams);
    static void SetLauncherForTest(PFN_LAUNCH pfn);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnBnClickedClose();
    DECLARE_MESSAGE_MAP()
};
