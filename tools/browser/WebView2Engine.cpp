#include "tools/browser/WebView2Engine.h"

#include "tools/browser/CallbackGuard.h"
#include "tools/browser/WebView2Abi.h"

#include <set>

using namespace webview2abi;

namespace {

// A COM object that answers one call with a C++ function. The runtime holds it while it may call.
template <typename Interface>
class CHandlerBase : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv) return E_POINTER;
        if (riid == IID_IUnknown) {
            *ppv = static_cast<IUnknown*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)::InterlockedIncrement(&m_nRefs); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG n = ::InterlockedDecrement(&m_nRefs);
        if (n == 0) delete this;
        return (ULONG)n;
    }

protected:
    virtual ~CHandlerBase() = default;

private:
    LONG m_nRefs = 1;
};

// Holds one COM reference for as long as the layer object that wraps it lives.
template <typename T>
class CComRef {
public:
    explicit CComRef(T* p) : m_p(p) { if (m_p) m_p->AddRef(); }
    ~CComRef() { if (m_p) m_p->Release(); }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }

private:
    T* m_p;
};

class CView : public IBrowserView {
public:
    explicit CView(ICoreWebView2* p) : m_p(p) {}
    HRESULT Navigate(LPCWSTR lpszUrl) override { return m_p->Navigate(lpszUrl); }

private:
    CComRef<ICoreWebView2> m_p;
};

class CZoomHandler : public CHandlerBase<IZoomFactorChangedHandler> {
public:
    CZoomHandler(IBrowserController& owner, IBrowserController::ZoomFactorChangedHandler fn)
        : m_owner(owner), m_fn(std::move(fn)) {}
    HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2Controller*, IUnknown*) override
    {
        RunGuarded("zoom factor handler", [&] { if (m_fn) m_fn(m_owner); });
        return S_OK;
    }

private:
    IBrowserController& m_owner;
    IBrowserController::ZoomFactorChangedHandler m_fn;
};

class CController : public IBrowserController {
public:
    explicit CController(ICoreWebView2Controller* p) : m_p(p) {}
    ~CController() override
    {
        // Handlers still registered would call back into a controller that is gone.
        for (INT64 nToken : m_tokens) m_p->remove_ZoomFactorChanged(EventRegistrationToken{nToken});
    }

    HRESULT GetView(std::shared_ptr<IBrowserView>* pView) override
    {
        if (!pView) return E_POINTER;
        pView->reset();
        ICoreWebView2* pWebView = nullptr;
        HRESULT hr = m_p->get_CoreWebView2(&pWebView);
        if (SUCCEEDED(hr) && pWebView) {
            *pView = std::make_shared<CView>(pWebView);
            pWebView->Release();   // the view holds its own reference
        }
        return hr;
    }
    HRESULT SetBounds(const RECT& rc) override { return m_p->put_Bounds(rc); }
    HRESULT SetVisible(BOOL bVisible) override { return m_p->put_IsVisible(bVisible); }
    HRESULT NotifyParentWindowPositionChanged() override { return m_p->NotifyParentWindowPositionChanged(); }
    HRESULT AddZoomFactorChanged(ZoomFactorChangedHandler handler, INT64* pToken) override
    {
        if (!pToken) return E_POINTER;
        CZoomHandler* pHandler = new CZoomHandler(*this, std::move(handler));
        EventRegistrationToken token = {};
        HRESULT hr = m_p->add_ZoomFactorChanged(pHandler, &token);
        pHandler->Release();   // the runtime keeps its own reference while registered
        if (SUCCEEDED(hr)) {
            m_tokens.insert(token.value);
            *pToken = token.value;
        }
        return hr;
    }
    HRESULT RemoveZoomFactorChanged(INT64 nToken) override
    {
        m_tokens.erase(nToken);
        return m_p->remove_ZoomFactorChanged(EventRegistrationToken{nToken});
    }
    HRESULT GetZoomFactor(double* pZoom) override { return m_p->get_ZoomFactor(pZoom); }
    HRESULT Close() override { return m_p->Close(); }

private:
    CComRef<ICoreWebView2Controller> m_p;
    std::set<INT64> m_tokens;
};

// The completion of a creation: wraps what the runtime made (when it made anything) in the layer's
// object and hands it on with the runtime's result.
template <typename Handler, typename Raw, typename Layer, typename Wrapper>
class CCreationCompleted : public CHandlerBase<Handler> {
public:
    typedef std::function<void(HRESULT, std::shared_ptr<Layer>)> Completed;
    CCreationCompleted(const char* lpszWhat, Completed fn) : m_lpszWhat(lpszWhat), m_fn(std::move(fn)) {}
    HRESULT STDMETHODCALLTYPE Invoke(HRESULT hr, Raw* p) override
    {
        RunGuarded(m_lpszWhat, [&] {
            std::shared_ptr<Layer> made;
            if (p) made = std::make_shared<Wrapper>(p);
            if (m_fn) m_fn(hr, made);
        });
        return S_OK;
    }

private:
    const char* m_lpszWhat;
    Completed m_fn;
};

typedef CCreationCompleted<IControllerCompletedHandler, ICoreWebView2Controller, IBrowserController, CController>
    CControllerCompleted;

class CEnvironment : public IBrowserEnvironment {
public:
    explicit CEnvironment(ICoreWebView2Environment* p) : m_p(p) {}
    HRESULT CreateController(HWND hParent, ControllerCompleted completed) override
    {
        CControllerCompleted* pHandler = new CControllerCompleted("controller completion", std::move(completed));
        HRESULT hr = m_p->CreateCoreWebView2Controller(hParent, pHandler);
        pHandler->Release();
        return hr;
    }

private:
    CComRef<ICoreWebView2Environment> m_p;
};

typedef CCreationCompleted<IEnvironmentCompletedHandler, ICoreWebView2Environment, IBrowserEnvironment, CEnvironment>
    CEnvironmentCompleted;

}  // namespace

CWebView2Engine::CWebView2Engine(LPCWSTR lpszLoaderPath) : m_strLoaderPath(lpszLoaderPath ? lpszLoaderPath : L"") {}

HRESULT CWebView2Engine::CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                                           EnvironmentCompleted completed)
{
    // The loader stays loaded for the rest of the process: the runtime's objects live in it.
    HMODULE hLoader = ::LoadLibraryW(m_strLoaderPath.c_str());
    if (!hLoader) return HRESULT_FROM_WIN32(::GetLastError());
    auto pfnCreate = reinterpret_cast<CreateEnvironmentWithOptionsProc>(
        reinterpret_cast<void*>(::GetProcAddress(hLoader, kCreateEnvironmentWithOptions)));
    if (!pfnCreate) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    CEnvironmentCompleted* pHandler = new CEnvironmentCompleted("environment completion", std::move(completed));
    HRESULT hr = pfnCreate(lpszBrowserFolder, lpszUserDataFolder, nullptr, pHandler);
    pHandler->Release();
    return hr;
}
