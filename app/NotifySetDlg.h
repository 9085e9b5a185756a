#pragma once
// The notification settings dialog: one switch for all push alarms, read from the application
// server at opening and written as a whole-week schedule when the user changes it.
#include <json/json.h>

#include "app/FramedDialog.h"
#include "app/ReplyTarget.h"
#include "platform/Brush.h"
#include "platform/Button.h"

class CNotifySetDlg : public CFramedDialog {
public:
    explicit CNotifySetDlg(CWnd* pParent = nullptr);

    CBrush m_brushBack;
    BYTE m_bApply = 0;
    CButton m_chkApply;

    BOOL OnInitDialog() override;
    void RequestState();
    void SendSetting(BOOL bOn);
    // The server's state has arrived: until then OK waits, so that nothing is written over it.
    BOOL IsStateLoaded() const { return m_bStateLoaded; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnBnClickedOk();
    afx_msg void OnBnClickedClose();
    afx_msg LRESULT OnReceiveM00000019(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000022(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReplyReady(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CReplyTarget m_replyTarget;
    BOOL m_bStateLoaded = FALSE;
};
