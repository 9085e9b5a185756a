#include "tools/browser/SampleDlg.h"

#include "tools/browser/ViewComponent.h"
#include "tools/browser/WebView2Engine.h"

#include <objbase.h>

BEGIN_MESSAGE_MAP(CSampleDlg, CDialogEx)
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CSampleDlg::CSampleDlg(const CString& strUrl, const CString& strUserDataFolder,
                       std::shared_ptr<IBrowserEngine> engine, CWnd* pParent)
    : CDialogEx(IDD, pParent),
      m_strUrl(strUrl),
      m_strUserDataFolder(strUserDataFolder),
      m_engine(engine ? std::move(engine) : std::make_shared<CWebView2Engine>())
{
}

CSampleDlg::~CSampleDlg()
{
    ReleaseBrowser();
}

BOOL CSampleDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    MoveWindow(0, 0, 1024, 768);
    CenterWindow();
    SetWindowText(_T("BrindlecastWeb*"));
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    InitializeBrowser();
    return TRUE;
}

void CSampleDlg::InitializeBrowser()
{
    if (m_controller) m_controller->Close();
    ReleaseBrowser();
    m_pAlive = std::make_shared<bool>(true);
    std::weak_ptr<bool> alive = m_pAlive;
    HRESULT hr = m_engine->CreateEnvironment(
        nullptr, m_strUserDataFolder, [this, alive](HRESULT hrResult, std::shared_ptr<IBrowserEnvironment> environment) {
            if (alive.expired()) return;
            OnEnvironmentCreated(hrResult, std::move(environment));
        });
    // Without WebView2 (its runtime, or the loader that finds it, is missing) the window stays
    // empty without a message box; the debugger output says why.
    if (hr == BROWSER_E_RUNTIME_MISSING || hr == HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND))
        OutputDebugStringW(L"Failed to create webview environment (no WebView2 runtime)\n");
    else if (FAILED(hr))
        AfxMessageBox(_T("Failed to create webview environment"));
}

void CSampleDlg::OnEnvironmentCreated(HRESULT, std::shared_ptr<IBrowserEnvironment> environment)
{
    if (!environment) return;
    m_environment = std::move(environment);
    std::weak_ptr<bool> alive = m_pAlive;
    m_environment->CreateController(
        m_hWnd, [this, alive](HRESULT hrResult, std::shared_ptr<IBrowserController> controller) {
            if (alive.expired()) return;
            OnControllerCreated(hrResult, std::move(controller));
        });
}

void CSampleDlg::OnControllerCreated(HRESULT hr, std::shared_ptr<IBrowserController> controller)
{
    if (FAILED(hr) || !controller) return;
    m_controller = std::move(controller);
    m_controller->GetView(&m_webView);
    m_components.push_back(std::make_unique<ViewComponent>(this, m_controller, m_webView));
    if (!m_webView) return;
    if (SUCCEEDED(m_webView->Navigate(m_strUrl))) ResizeBrowser();
}

void CSampleDlg::ResizeBrowser()
{
    if (!m_hWnd) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    for (const auto& component : m_components) {
        if (auto* pView = dynamic_cast<ViewComponent*>(component.get())) {
            pView->SetBounds(rcClient);
            break;
        }
    }
}

void CSampleDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialogEx::OnSize(nType, cx, cy);
    ResizeBrowser();
}

void CSampleDlg::OnDestroy()
{
    ReleaseBrowser();
    m_pAlive.reset();
    CDialogEx::OnDestroy();
}

void CSampleDlg::ReleaseBrowser()
{
    m_components.clear();
    m_webView.reset();
    m_controller.reset();
    m_environment.reset();
}
