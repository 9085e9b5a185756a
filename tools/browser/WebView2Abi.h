#pragma once
// The binary interfaces of the Edge WebView2 loader and runtime that this program calls, declared
// here because the toolchain has no header for them. Only the slot order matters: each interface
// lists every method up to the last one used, unused ones as placeholders of the same arity.
#include <windows.h>
#include <unknwn.h>

namespace webview2abi {

struct EventRegistrationToken { INT64 value; };

struct ICoreWebView2;
struct ICoreWebView2Controller;
struct ICoreWebView2Environment;

struct IEnvironmentCompletedHandler : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(HRESULT hr, ICoreWebView2Environment* pEnvironment) = 0;
};

struct IControllerCompletedHandler : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(HRESULT hr, ICoreWebView2Controller* pController) = 0;
};

struct IZoomFactorChangedHandler : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2Controller* pSender, IUnknown* pArgs) = 0;
};

struct ICoreWebView2Environment : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateCoreWebView2Controller(HWND hParent,
                                                                   IControllerCompletedHandler* pHandler) = 0;
};

struct ICoreWebView2Controller : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_IsVisible(BOOL* pVisible) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsVisible(BOOL bVisible) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Bounds(RECT* pBounds) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Bounds(RECT rcBounds) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ZoomFactor(double* pZoom) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ZoomFactor(double dZoom) = 0;
    virtual HRESULT STDMETHODCALLTYPE add_ZoomFactorChanged(IZoomFactorChangedHandler* pHandler,
                                                            EventRegistrationToken* pToken) = 0;
    virtual HRESULT STDMETHODCALLTYPE remove_ZoomFactorChanged(EventRegistrationToken token) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetBoundsAndZoomFactor(RECT rcBounds, double dZoom) = 0;
    virtual HRESULT STDMETHODCALLTYPE MoveFocus(int nReason) = 0;
    // Focus and accelerator events: add and remove, four times.
    virtual HRESULT STDMETHODCALLTYPE Unused1(IUnknown* pHandler, EventRegistrationToken* pToken) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unused2(EventRegistrationToken token) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unused3(IUnknown* pHandler, EventRegistrationToken* pToken) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unused4(EventRegistrationToken token) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unused5(IUnknown* pHandler, EventRegistrationToken* pToken) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unused6(EventRegistrationToken token) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unused7(IUnknown* pHandler, EventRegistrationToken* pToken) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unused8(EventRegistrationToken token) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ParentWindow(HWND* pParent) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ParentWindow(HWND hParent) = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyParentWindowPositionChanged() = 0;
    virtual HRESULT STDMETHODCALLTYPE Close() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CoreWebView2(ICoreWebView2** ppWebView) = 0;
};

struct ICoreWebView2 : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_Settings(IUnknown** ppSettings) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Source(LPWSTR* ppUri) = 0;
    virtual HRESULT STDMETHODCALLTYPE Navigate(LPCWSTR lpszUri) = 0;
};

// The loader's entry point. The options argument may be null.
typedef HRESULT(STDAPICALLTYPE* CreateEnvironmentWithOptionsProc)(LPCWSTR lpszBrowserFolder,
                                                                   LPCWSTR lpszUserDataFolder,
                                                                   IUnknown* pOptions,
                                                                   IEnvironmentCompletedHandler* pHandler);
const char* const kCreateEnvironmentWithOptions = "CreateCoreWebView2EnvironmentWithOptions";

}  // namespace webview2abi
