#pragma once
// CLoginDlgLayer: the borderless modal window in which the user logs in to the application
// server. It owns the whole exchange: it reads ID and password, connects the server client,
// makes itself the client's reply and connection-event window, sends the log-in request and
// reads its reply. Saved and automatic login, the server settings guard, the single sign-on
// hand-over, the outside signer's notice and the local VPN agent log-in are parts of it too.
#include "platform/Bitmap.h"
#include "platform/Brush.h"
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/Static.h"
#include "screens/login/LoginWindow.h"
#include "ui/controls/ZELEditCtrl.h"
#include "ui/controls/xSkinButton.h"

#include <json/json.h>

#include <functional>
#include <string>

class CLoginDlgLayer : public CDialog {
public:
    explicit CLoginDlgLayer(CWnd* pParent = nullptr);
    ~CLoginDlgLayer() override;

    // The one place that starts a log-in.
    void LogIn(const CString& strGroupCode, const CString& strLoginId, const CString& strPassword);
    // 1 when the single sign-on check window ended with IDOK (a log-in then follows by timer 2).
    int TrySingleSignOn();
    // The agent log-in (flag 1: first try, 0: the retry) and the agent's status.
    void ProcVpnLogin(int nFlag);
    int ProcVpnStatus();
    void ShowLoginToast(const CString& strText, BOOL bLong);
    // Closes every window of that class (and name, when given): WM_CLOSE at most 7 times, 100 ms
    // apart. 1 when it went, 0 when there was none or it stayed.
    static int CloseBrowserHelper(LPCTSTR pszClass, LPCTSTR pszName, LPCTSTR pszProcessFile);

    ELoginResult GetResult() const { return m_eResult; }
    int GetThirdCheckState() const { return m_nThirdCheck; }
    // Work done once the window is shown and painted, while it waits for the user (the main
    // dialog is built then); set before DoModal.
    void SetWhileWaiting(std::function<void()> work) { m_whileWaiting = std::move(work); }
    BOOL IsAttemptOutstanding() const { return m_bAttempt; }
    int GetRightClickCountdown() const { return m_nRightClickCountdown; }
    const CString& GetTypedPassword() const { return m_strTypedPassword; }
    const CString& GetLastToast() const { return m_strLastToast; }
    void SetAgentAddress(const char* pszHost, int nPort) { m_strAgentHost = pszHost; m_nAgentPort = nPort; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnLoginClicked();
    afx_msg void OnMinimizeClicked();
    afx_msg void OnCloseClicked();
    afx_msg void OnSaveIdClicked();
    afx_msg void OnAutoLoginClicked();
    afx_msg void OnServerSettings();
    afx_msg LRESULT OnLoginReply(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNoticeReply(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSocketError(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnConnectionLost(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAutoLogin(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWaitCursorOn(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWaitCursorOff(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPasswordChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMove(int x, int y);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    void InitControls();
    void PlaceControl(CWnd& wnd, int nId, int x, int y, int cx, int cy);
    bool CheckServerSettings();
    void StartAutoLoginIfSet();
    // Connects the server client and makes this window its reply and event window.
    void ConnectServer();
    // Reads the reply of a successful log-in; false when an upgrade was offered (the window is
    // then cancelled and nothing is stored).
    bool ApplyLoginReply(const Json::Value& body);
    void EndAttempt();
    void CancelWith(ELoginResult eResult);
    void FocusAtStart(CZELEditCtrl& edit);
    void EmptyBox(CZELEditCtrl& edit);
    CZELEditCtrl* EditOf(HWND hWnd);
    BOOL HandleTab(MSG* pMsg);
    void OnSignedInNotice(const COPYDATASTRUCT* pData);

    // The attempt.
    CString m_strLoginId;
    CString m_strGroupCode;
    CString m_strPassword;
    int m_bSocketErrorSeen = 0;
    int m_nRightClickCountdown = 7;
    int m_nAgentWaitSeconds = 20;
    CString m_strTypedPassword;
    CString m_strPasswordBoxText;
    int m_nThirdCheck = 0;
    int m_nLastX = 0;
    int m_nLastY = 0;

    // A log-in request is out and its reply or an error notice has not come yet.
    BOOL m_bAttempt = FALSE;
    // An outside signer confirmed the ID of the outstanding attempt.
    BOOL m_bSignerConfirmed = FALSE;
    int m_nWaitCursor = 0;
    ELoginResult m_eResult = ELoginResult::Cancel;
    std::function<void()> m_whileWaiting;
    CString m_strLastToast;
    class CToastPopup* m_pToast = nullptr;
    std::string m_strAgentHost;
    int m_nAgentPort;

    CZELEditCtrl m_editId;
    CZELEditCtrl m_editPassword;
    CZELEditCtrl m_editHidden;
    CxSkinButton m_btnLogin;
    CxSkinButton m_btnMinimize;
    CxSkinButton m_btnClose;
    CxSkinButton m_btnServer;
    CButton m_chkSaveId;
    CButton m_chkAutoLogin;
    CButton m_chkThird;
    CStatic m_staticInfo;
    CBitmap m_bmpFace;
    CBrush m_brushEdit;
};
