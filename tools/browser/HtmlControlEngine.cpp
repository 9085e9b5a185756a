#include "tools/browser/HtmlControlEngine.h"

#include "tools/browser/ChildWindowController.h"

#include <exdisp.h>
#include <ole2.h>

namespace {

typedef BOOL(WINAPI* AtlAxWinInitProc)();
typedef HRESULT(WINAPI* AtlAxCreateControlProc)(LPCOLESTR lpszName, HWND hWnd, IStream* pStream,
                                                 IUnknown** ppContainer);
typedef HRESULT(WINAPI* AtlAxGetControlProc)(HWND hWnd, IUnknown** ppControl);

struct SAtlHost {
    AtlAxCreateControlProc pfnCreate = nullptr;
    AtlAxGetControlProc pfnGetControl = nullptr;
};

// The host library stays loaded for the rest of the process: hosted controls live in it.
HRESULT LoadAtlHost(SAtlHost& host)
{
    HMODULE hAtl = ::LoadLibraryW(L"atl.dll");
    if (!hAtl) return HRESULT_FROM_WIN32(::GetLastError());
    auto pfnInit = reinterpret_cast<AtlAxWinInitProc>(reinterpret_cast<void*>(::GetProcAddress(hAtl, "AtlAxWinInit")));
    host.pfnCreate = reinterpret_cast<AtlAxCreateControlProc>(
        reinterpret_cast<void*>(::GetProcAddress(hAtl, "AtlAxCreateControl")));
    host.pfnGetControl = reinterpret_cast<AtlAxGetControlProc>(
        reinterpret_cast<void*>(::GetProcAddress(hAtl, "AtlAxGetControl")));
    if (!pfnInit || !host.pfnCreate || !host.pfnGetControl) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    return pfnInit() ? S_OK : E_FAIL;
}

class CHtmlController : public CChildWindowController {
public:
    CHtmlController(HWND hWnd, const SAtlHost& host) : CChildWindowController(hWnd), m_host(host) {}

    HRESULT Navigate(LPCWSTR lpszUrl) override
    {
        if (!GetWindow()) return E_UNEXPECTED;
        if (!lpszUrl) return E_INVALIDARG;
        if (!m_bHosting) {
            // A URL as the control's name makes the host create the web browser control on it.
            HRESULT hr = m_host.pfnCreate(lpszUrl, GetWindow(), nullptr, nullptr);
            m_bHosting = SUCCEEDED(hr);
            return hr;
        }
        IUnknown* pControl = nullptr;
        HRESULT hr = m_host.pfnGetControl(GetWindow(), &pControl);
        if (FAILED(hr) || !pControl) return FAILED(hr) ? hr : E_NOINTERFACE;
        IWebBrowser2* pBrowser = nullptr;
        hr = pControl->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&pBrowser));
        pControl->Release();
        if (FAILED(hr)) return hr;
        BSTR bstrUrl = ::SysAllocString(lpszUrl);
        hr = pBrowser->Navigate(bstrUrl, nullptr, nullptr, nullptr, nullptr);
        ::SysFreeString(bstrUrl);
        pBrowser->Release();
        return hr;
    }

private:
    SAtlHost m_host;
    bool m_bHosting = false;
};

class CHtmlEnvironment : public IBrowserEnvironment {
public:
    explicit CHtmlEnvironment(const SAtlHost& host) : m_host(host) {}

    HRESULT CreateController(HWND hParent, ControllerCompleted completed) override
    {
        if (!::IsWindow(hParent)) return E_INVALIDARG;
        HWND hHost = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                       hParent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (!hHost) return HRESULT_FROM_WIN32(::GetLastError());
        std::shared_ptr<IBrowserController> controller = std::make_shared<CHtmlController>(hHost, m_host);
        if (completed) completed(S_OK, controller);
        return S_OK;
    }

private:
    SAtlHost m_host;
};

}  // namespace

HRESULT CHtmlControlEngine::ProbeHtmlDocument()
{
    CLSID clsid;
    HRESULT hr = ::CLSIDFromProgID(L"htmlfile", &clsid);
    if (FAILED(hr)) return hr;
    IUnknown* pDocument = nullptr;
    hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&pDocument));
    if (pDocument) pDocument->Release();
    return hr;
}

HRESULT CHtmlControlEngine::CreateEnvironment(LPCWSTR, LPCWSTR, EnvironmentCompleted completed)
{
    // In-place activation of the control needs OLE on this thread; it stays up for the process.
    HRESULT hr = ::OleInitialize(nullptr);
    if (FAILED(hr)) return hr;
    hr = ProbeHtmlDocument();
    if (FAILED(hr)) return hr;
    SAtlHost host;
    hr = LoadAtlHost(host);
    if (FAILED(hr)) return hr;
    if (completed) completed(S_OK, std::make_shared<CHtmlEnvironment>(host));
    return S_OK;
}
