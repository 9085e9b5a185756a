#pragma once
// The test form shown when Vistrel starts without a URL: a URL and a user-data folder to try the
// browser window with, a button that opens the folder, and a font check for Thai script.
#include "platform/UI.h"

#include "tools/browser/VistrelResource.h"

#include <functional>

class CPelloranDlg : public CDialogEx {
public:
    explicit CPelloranDlg(CWnd* pParent = nullptr);

    enum { IDD = IDD_PELLORAN_DIALOG };

    // The address the URL box starts with: the test server's agency list, with no access token.
    static CString GetDefaultTestUrl();

    // What "..." does with the folder text (the shell's open by default).
    void SetFolderOpener(std::function<void(const CString&)> opener) { m_openFolder = std::move(opener); }
    // What "Button1" does with the URL and folder (the browser window by default).
    void SetBrowserRunner(std::function<void(const CString&, const CString&)> runner) { m_runBrowser = std::move(runner); }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnBnClickedButton1();
    afx_msg void OnBnClickedButtonFolder();
    afx_msg void OnBnClickedButton2();

    // Draws the font check's sample into the client area.
    void DrawFontTest();

    HICON m_hIcon;
    std::function<void(const CString&)> m_openFolder;
    std::function<void(const CString&, const CString&)> m_runBrowser;

    DECLARE_MESSAGE_MAP()
};
