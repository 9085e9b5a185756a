#pragma once
// The time keeper dialog: a switch and one of five time choices, kept in the registry
// ("KeeperUse", "TimeInfo" under the product's Settings key) and shown again at the next opening.
#include "platform/Brush.h"
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "ui/controls/PopupMessage.h"
#include "ui/controls/ZELComboBox.h"
#include "ui/controls/xSkinButton.h"

#define TIME_KEEPER_REG_KEY L"Software\\TALVORA\\Brindlecast\\Settings"

class CTimeKeeperDlg : public CDialog {
public:
    explicit CTimeKeeperDlg(CWnd* pParent = nullptr);
    ~CTimeKeeperDlg() override;

    CBrush m_brushBack;
    int m_bKeeperUse = 1;
    int m_nTimeInfo = 0;
    ZELComboBox* m_pTimeCombo = nullptr;
    CButton m_chkUse;
    CxSkinButton m_btnCancel;
    CxSkinButton m_btnOK;
    CxSkinButton m_btnClose;

    void LoadSetting();
    static void SaveSetting(int nUse, int nIndex);
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
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
    CPopupFrame m_frame;
};
