#pragma once
// The browser window: one dialog of its own window class that shows one URL in the embedded
// browser, sized to its whole client area. WM_CLOSE (as ZEL sends it) ends it.
#include "platform/UI.h"

#include "tools/browser/BrowserLayer.h"
#include "tools/browser/ComponentBase.h"
#include "tools/browser/VistrelResource.h"

#include <memory>
#include <vector>

class CSampleDlg : public CDialogEx {
public:
    // Without an engine the WebView2 runtime is used, and nothing else: where it is missing the
    // window stays empty (no page is handed to another program).
    CSampleDlg(const CString& strUrl, const CString& strUserDataFolder,
               std::shared_ptr<IBrowserEngine> engine = nullptr, CWnd* pParent = nullptr);
    ~CSampleDlg() override;

    enum { IDD = IDD_SAMPLE_DIALOG };

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();

    void InitializeBrowser();
    void OnEnvironmentCreated(HRESULT hr, std::shared_ptr<IBrowserEnvironment> environment);
    void OnControllerCreated(HRESULT hr, std::shared_ptr<IBrowserController> controller);
    void ResizeBrowser();
    // Deletes the components, then lets go of web view, controller and environment.
    void ReleaseBrowser();

    CString m_strUrl;
    CString m_strUserDataFolder;
    int m_nCreationMode = 0;   // a window of its own; the composition mode (195) is never chosen
    std::shared_ptr<IBrowserEngine> m_engine;
    std::shared_ptr<IBrowserEnvironment> m_environment;
    std::shared_ptr<IBrowserController> m_controller;
    std::shared_ptr<IBrowserView> m_webView;
    std::vector<std::unique_ptr<ComponentBase>> m_components;
    // Completions that arrive after the window is gone find this expired and do nothing.
    std::shared_ptr<bool> m_pAlive;

    DECLARE_MESSAGE_MAP()
};
