#include "tools/browser/HtmlControlEngine.h"

#include "tools/browser/ChildWindowController.h"

#include <exdisp.h>
#include <ole2.h>

namespace {

typedef BOOL(WINAPI* AtlAxWinInitProc)();
typedef HRESULT(WINAPI* AtlAxCreateControlProc)(LPCOLESTR lpszName, HWND hWnd, IStream* pStream,
                                                 IUnknown** ppContainer);
typedef HRESULT(WINAPI* AtlAxGetControlProc)(HWND hWnd, IUnknown** ppControl);
typedef HRESULT(WINAPI* AtlAxGetHostProc)(HWND hWnd, IUnknown** ppHost);

struct SAtlHost {
    AtlAxCreateControlProc pfnCreate = nullptr;
    AtlAxGetControlProc pfnGetControl = nullptr;
    AtlAxGetHostProc pfnGetHost = nullptr;
};

// The host window's own interface, as the host library publishes it; only the call that sets
// window.external is used.
struct IAxWinHostWindowLite : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateControl(LPCOLESTR, HWND, IStream*) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateControlEx(LPCOLESTR, HWND, IStream*, IUnknown**, REFIID, IUnknown*) = 0;
    virtual HRESULT STDMETHODCALLTYPE AttachControl(IUnknown*, HWND) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryControl(REFIID, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetExternalDispatch(IDispatch*) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetExternalUIHandler(IUnknown*) = 0;
};
const IID IID_IAxWinHostWindowLite = {0xb6ea2050, 0x048a, 0x11d1, {0x82, 0xb9, 0x00, 0xc0, 0x4f, 0xb9, 0x94, 0x2e}};

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
    host.pfnGetHost = reinterpret_cast<AtlAxGetHostProc>(reinterpret_cast<void*>(::GetProcAddress(hAtl, "AtlAxGetHost")));
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

namespace {

// Loaded once for the process, on the first hosted control.
HRESULT HostLibrary(SAtlHost& host)
{
    static SAtlHost s_atlHost;
    static HRESULT s_hr = E_PENDING;
    if (s_hr == E_PENDING) {
        s_hr = ::OleInitialize(nullptr);
        if (SUCCEEDED(s_hr))
            s_hr = CHtmlControlEngine::ProbeHtmlDocument();
        if (SUCCEEDED(s_hr))
            s_hr = LoadAtlHost(s_atlHost);
    }
    host = s_atlHost;
    return s_hr;
}

}  // namespace

HRESULT HostHtmlControl(HWND hHost, LPCWSTR lpszUrl)
{
    if (!::IsWindow(hHost) || !lpszUrl)
        return E_INVALIDARG;
    SAtlHost host;
    const HRESULT hr = HostLibrary(host);
    if (FAILED(hr))
        return hr;
    return host.pfnCreate(lpszUrl, hHost, nullptr, nullptr);
}

HRESULT GetHostedBrowser(HWND hHost, IWebBrowser2** ppBrowser)
{
    if (!ppBrowser)
        return E_POINTER;
    *ppBrowser = nullptr;
    SAtlHost host;
    HRESULT hr = HostLibrary(host);
    if (FAILED(hr))
        return hr;
    IUnknown* pControl = nullptr;
    hr = host.pfnGetControl(hHost, &pControl);
    if (FAILED(hr) || !pControl)
        return FAILED(hr) ? hr : E_NOINTERFACE;
    hr = pControl->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(ppBrowser));
    pControl->Release();
    return hr;
}

HRESULT SetHostedExternal(HWND hHost, IDispatch* pExternal)
{
    SAtlHost host;
    HRESULT hr = HostLibrary(host);
    if (FAILED(hr))
        return hr;
    if (!host.pfnGetHost)
        return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    IUnknown* pHostObject = nullptr;
    hr = host.pfnGetHost(hHost, &pHostObject);
    if (FAILED(hr) || !pHostObject)
        return FAILED(hr) ? hr : E_NOINTERFACE;
    IAxWinHostWindowLite* pHostWindow = nullptr;
    hr = pHostObject->QueryInterface(IID_IAxWinHostWindowLite, reinterpret_cast<void**>(&pHostWindow));
    pHostObject->Release();
    if (FAILED(hr))
        return hr;
    hr = pHostWindow->SetExternalDispatch(pExternal);
    pHostWindow->Release();
    return hr;
}
