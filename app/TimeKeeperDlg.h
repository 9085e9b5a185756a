#pragma once
// The time keeper dialog: a switch and one of five time choices, kept in the registry
// ("KeeperUse", "TimeInfo" under the product's Settings key) and shown again at the next opening.
#include "app/FramedDialog.h"
#include "platform/Brush.h"
#include "platform/Button.h"
#include "ui/controls/ZELComboBox.h"

#define TIME_KEEPER_REG_KEY L"Software\\TALVORA\\Brindlecast\\Settings"

class CTimeKeeperDlg : public CFramedDialog {
public:
    explicit CTimeKeeperDlg(CWnd* pParent = nullptr);
    ~CTimeKeeperDlg() override;

    CBrush m_brushBack;
    int m_bKeeperUse = 1;
    int m_nTimeInfo = 0;
    ZELComboBox* m_pTimeCombo = nullptr;
    CButton m_chkUse;

    void LoadSetting();
    static void SaveSetting(int nUse, int nIndex);
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;
    void OnCreateControls() override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnBnClickedOk();
    afx_msg void OnBnClickedUse();
    afx_msg void OnBnClickedClose();
    DECLARE_MESSAGE_MAP()

private:
    void CreateTimeCombo();
};
