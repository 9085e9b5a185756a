#pragma once
// The upgrade offer's download: a small skinned dialog that downloads the installer into the
// temporary folder, shows the progress and lets the user cancel. The caller reads its two
// variables afterwards: result 18 and the file's path when the installer arrived whole.
#include <winsock2.h>
#include <windows.h>

#include "app/main/UpgradeDownload.h"
#include "platform/Font.h"
#include "platform/ProgressCtrl.h"
#include "platform/Static.h"
#include "resources/resource.h"
#include "ui/skin/MyBaseDialog.h"

class CUpgradeDlg : public CMyBaseDialog {
public:
    // The result a completed download stores.
    enum { RESULT_DOWNLOADED = 18 };
    // How long a cancel waits for the download to stop before the dialog closes anyway.
    enum { CANCEL_WAIT_MS = 1000 };

    CUpgradeDlg(const CString& strUrl, CString* pPathOut, int* pResultOut, CWnd* pParent);
    ~CUpgradeDlg() override;

    BOOL OnInitDialog() override;
    void OnCancel() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

    CString GetTargetPath() const { return m_strFile; }
    CProgressCtrl& GetProgress() { return m_progress; }
    CStatic& GetStatus() { return m_status; }

protected:
    afx_msg LRESULT OnDownloadProgress(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDownloadDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    void LayOut();
    void Finish(int nResult);

    CProgressCtrl m_progress;
    CStatic m_status;
    CFont m_font;
    CString m_strUrl;
    CString m_strFile;
    int* m_pResult;
    CString* m_pPath;
    CUpgradeDownload m_download;
    BOOL m_bCancelling;
    BOOL m_bFinished;
};

// Runs the download dialog for the installer at the address: the downloaded installer's path, or
// empty when nothing arrived whole (a failed or cancelled download, no temporary folder).
CString RunUpgradeDownload(const CString& strUrl, CWnd* pParent);
