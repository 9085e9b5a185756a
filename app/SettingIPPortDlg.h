#pragma once
// The server address dialog: addresses and ports of the main, web and push servers, checked
// (addresses as IPv4 or resolvable names, ports 1..65535) and saved to the settings store, the
// registry and "setting.ini" at once.
#include "platform/Bitmap.h"
#include "platform/Dialog.h"
#include "platform/Font.h"
#include "platform/Static.h"
#include "ui/controls/ZELEditCtrl.h"
#include "ui/controls/xSkinButton.h"

class CSettingIPPortDlg : public CDialog {
public:
    explicit CSettingIPPortDlg(CWnd* pParent = nullptr);

    CZELEditCtrl m_edit[6];   // ZEL address, ZEL port, TMS address, TMS port, TPC address, TPC port
    CBitmap m_bmpBack;
    CxSkinButton m_btnClose;
    CxSkinButton m_btnDefault;
    CxSkinButton m_btnSave;
    CStatic m_label[4];
    BOOL m_bDefaultEnabled = FALSE;

    void SetDefaultButtonEnabled(BOOL bEnabled) { m_bDefaultEnabled = bEnabled; }
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    BOOL IsAllFilled();
    BOOL IsAllValid();
    void FillDefaults();
    void StoreValues();
    // Seam: the resolver of host names (the socket library's when not set).
    typedef CString (*PFN_RESOLVE)(const CString& strHost);
    static void SetResolverForTest(PFN_RESOLVE pfn);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnBnClickedClose();
    afx_msg void OnBnClickedDefault();
    afx_msg void OnBnClickedSave();
    afx_msg LRESULT OnEditUpdate(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void InitControls();
    void LoadValues();
    void PutValue(CZELEditCtrl& edit, const CString& strValue);
    void ShowPopup(UINT nTextId);
    CString FieldText(int i);
    CFont m_fontBold;
    CFont m_fontNormal;
};
