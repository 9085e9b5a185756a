// A stand-in for the WebView2 loader library: it makes environments, controllers and views that
// record every call in one line of text, so a test can check what the browser layer asked for.
// The test drives it through the exported FakeWebView2_* functions.
#include "tools/browser/WebView2Abi.h"

#include <string>

using namespace webview2abi;

namespace {

std::wstring g_log;
LONG g_nLiveObjects = 0;
HRESULT g_hrEnvironment = S_OK;   // answer of the entry point
HRESULT g_hrController = S_OK;    // result handed to the controller completion
IZoomFactorChangedHandler* g_pZoomHandler = nullptr;

void Log(const std::wstring& s)
{
    if (!g_log.empty()) g_log += L";";
    g_log += s;
}

template <typename Interface>
class CFakeObject : public Interface {
public:
    CFakeObject() { ::InterlockedIncrement(&g_nLiveObjects); }
    virtual ~CFakeObject() { ::InterlockedDecrement(&g_nLiveObjects); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid != IID_IUnknown) { *ppv = nullptr; return E_NOINTERFACE; }
        *ppv = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG n = --m_nRefs;
        if (n == 0) delete this;
        return (ULONG)n;
    }

private:
    LONG m_nRefs = 1;
};

class CFakeWebView : public CFakeObject<ICoreWebView2> {
public:
    HRESULT STDMETHODCALLTYPE get_Settings(IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Source(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Navigate(LPCWSTR lpszUri) override
    {
        Log(std::wstring(L"Navigate ") + lpszUri);
        return S_OK;
    }
};

class CFakeController : public CFakeObject<ICoreWebView2Controller> {
public:
    ~CFakeController() override { Log(L"ControllerGone"); }
    HRESULT STDMETHODCALLTYPE get_IsVisible(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_IsVisible(BOOL b) override { Log(L"IsVisible " + std::to_wstring(b)); return S_OK; }
    HRESULT STDMETHODCALLTYPE get_Bounds(RECT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Bounds(RECT rc) override
    {
        Log(L"Bounds " + std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L"," +
            std::to_wstring(rc.right) + L"," + std::to_wstring(rc.bottom));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ZoomFactor(double* p) override { *p = 1.25; Log(L"GetZoom"); return S_OK; }
    HRESULT STDMETHODCALLTYPE put_ZoomFactor(double) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE add_ZoomFactorChanged(IZoomFactorChangedHandler* p, EventRegistrationToken* t) override
    {
        Log(L"AddZoom");
        p->AddRef();
        if (g_pZoomHandler) g_pZoomHandler->Release();
        g_pZoomHandler = p;
        t->value = 42;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE remove_ZoomFactorChanged(EventRegistrationToken t) override
    {
        Log(L"RemoveZoom " + std::to_wstring(t.value));
        if (g_pZoomHandler) g_pZoomHandler->Release();
        g_pZoomHandler = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetBoundsAndZoomFactor(RECT, double) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE MoveFocus(int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused1(IUnknown*, EventRegistrationToken*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused2(EventRegistrationToken) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused3(IUnknown*, EventRegistrationToken*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused4(EventRegistrationToken) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused5(IUnknown*, EventRegistrationToken*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused6(EventRegistrationToken) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused7(IUnknown*, EventRegistrationToken*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused8(EventRegistrationToken) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ParentWindow(HWND*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ParentWindow(HWND) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NotifyParentWindowPositionChanged() override { Log(L"ParentMoved"); return S_OK; }
    HRESULT STDMETHODCALLTYPE Close() override { Log(L"Close"); return S_OK; }
    HRESULT STDMETHODCALLTYPE get_CoreWebView2(ICoreWebView2** pp) override
    {
        Log(L"GetWebView");
        *pp = new CFakeWebView();
        return S_OK;
    }
};

class CFakeEnvironment : public CFakeObject<ICoreWebView2Environment> {
public:
    HRESULT STDMETHODCALLTYPE CreateCoreWebView2Controller(HWND hParent, IControllerCompletedHandler* p) override
    {
        Log(hParent ? L"CreateController" : L"CreateController null");
        CFakeController* pController = SUCCEEDED(g_hrController) ? new CFakeController() : nullptr;
        p->Invoke(g_hrController, pController);
        if (pController) pController->Release();
        return S_OK;
    }
};

}  // namespace

extern "C" {

__declspec(dllexport) HRESULT STDAPICALLTYPE CreateCoreWebView2EnvironmentWithOptions(
    LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder, IUnknown* pOptions, IEnvironmentCompletedHandler* p)
{
    Log(std::wstring(L"CreateEnvironment ") + (lpszBrowserFolder ? lpszBrowserFolder : L"(null)") + L" " +
        (lpszUserDataFolder ? lpszUserDataFolder : L"(null)") + (pOptions ? L" options" : L""));
    if (FAILED(g_hrEnvironment)) return g_hrEnvironment;
    CFakeEnvironment* pEnvironment = new CFakeEnvironment();
    p->Invoke(S_OK, pEnvironment);
    pEnvironment->Release();
    return S_OK;
}

__declspec(dllexport) void FakeWebView2_Reset(HRESULT hrEnvironment, HRESULT hrController)
{
    g_log.clear();
    g_hrEnvironment = hrEnvironment;
    g_hrController = hrController;
}

__declspec(dllexport) const wchar_t* FakeWebView2_Log() { return g_log.c_str(); }

__declspec(dllexport) LONG FakeWebView2_LiveObjects() { return g_nLiveObjects; }

// Calls the registered zoom handler as the runtime would after a zoom change.
__declspec(dllexport) BOOL FakeWebView2_FireZoom()
{
    if (!g_pZoomHandler) return FALSE;
    g_pZoomHandler->Invoke(nullptr, nullptr);
    return TRUE;
}

}  // extern "C"
