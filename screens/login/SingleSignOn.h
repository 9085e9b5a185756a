#pragma once
// Single sign-on: the settings of the SSO agent (section [SSO] of "setting.ini"), the result text
// of the SSO web page, and the check window that logs in with the server's sign-on message.
#include "platform/Bitmap.h"
#include "platform/Dialog.h"
#include "platform/Font.h"

#include <functional>

// The password the login window puts into its disabled password box for a sign-on log-in.
extern const wchar_t kSsoPasswordFiller[];

class CPentaSec {
public:
    // Reads [SSO]; missing keys keep their values.
    void Load(LPCTSTR pszIniPath);

    CString m_strLog;
    int m_nType = 0;
    int m_nUse = 0;
    int m_nUseTokenSave = 0;
    int m_nUseLogout = 0;
    CString m_strServer;
    CString m_strSsid;
    CString m_strKey;
    CString m_strReserved1;
    CString m_strReserved2;
    CString m_strTokenId;
};

struct SSsoPageResult {
    bool bFound = false;   // "isLogin" stands in the text (not at its very start)
    CString strIsLogin;
    CString strEmpId;
};
// "...isLogin=<value>&emp_id=<value>..." of the page body.
SSsoPageResult ParseSsoPageText(const CString& strBody);

class CSSOCheckDlg : public CDialog {
public:
    explicit CSSOCheckDlg(CWnd* pParent = nullptr);

    void LoadSettings(LPCTSTR pszIniPath) { m_sec.Load(pszIniPath); }
    const CPentaSec& GetSettings() const { return m_sec; }
    // Where the page's body text comes from (the page view itself needs a browser engine).
    void SetPageTextSource(std::function<CString()> source) { m_pageText = std::move(source); }
    // The sign-on server: the configured server's address and port 16302 unless set otherwise.
    void SetServer(const CString& strAddress, int nPort)
    {
        m_strServer = strAddress;
        m_nServerPort = nPort;
    }
    const CString& GetText() const { return m_strText; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnSignOnReply(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSocketError(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnConnectionLost(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void ReadPage();
    void Fail(const CString& strText);

    CBitmap m_bmpFace;
    CFont m_font;
    CString m_strText;
    int m_bConnectionErrorSeen = 0;
    CPentaSec m_sec;
    std::function<CString()> m_pageText;
    CString m_strServer;
    int m_nServerPort;
};
