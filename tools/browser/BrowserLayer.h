#pragma once
// The embedded-browser layer the browser window talks to: an engine makes an environment (with its
// user-data folder), the environment makes a controller for a parent window, the controller owns
// one view that navigates. Completion handlers run on the thread that asked, now or later through
// its message loop. Every call answers with an HRESULT, as the browsers behind the layer do.
#include <windows.h>

#include <functional>
#include <memory>

// The result that means "no browser runtime on this machine".
const HRESULT BROWSER_E_RUNTIME_MISSING = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);

class IBrowserView {
public:
    virtual ~IBrowserView() = default;
    virtual HRESULT Navigate(LPCWSTR lpszUrl) = 0;
};

class IBrowserController {
public:
    typedef std::function<void(IBrowserController& sender)> ZoomFactorChangedHandler;

    virtual ~IBrowserController() = default;
    // The view that this controller shows; null when there is none.
    virtual HRESULT GetView(std::shared_ptr<IBrowserView>* pView) = 0;
    virtual HRESULT SetBounds(const RECT& rcBounds) = 0;
    virtual HRESULT SetVisible(BOOL bVisible) = 0;
    virtual HRESULT NotifyParentWindowPositionChanged() = 0;
    virtual HRESULT AddZoomFactorChanged(ZoomFactorChangedHandler handler, INT64* pToken) = 0;
    virtual HRESULT RemoveZoomFactorChanged(INT64 nToken) = 0;
    virtual HRESULT GetZoomFactor(double* pZoomFactor) = 0;
    // Ends the browser; the controller and its view answer nothing useful afterwards.
    virtual HRESULT Close() = 0;
};

class IBrowserEnvironment {
public:
    typedef std::function<void(HRESULT hr, std::shared_ptr<IBrowserController> controller)> ControllerCompleted;

    virtual ~IBrowserEnvironment() = default;
    // Makes a controller whose browser is a child of the parent window.
    virtual HRESULT CreateController(HWND hParent, ControllerCompleted completed) = 0;
};

class IBrowserEngine {
public:
    typedef std::function<void(HRESULT hr, std::shared_ptr<IBrowserEnvironment> environment)> EnvironmentCompleted;

    virtual ~IBrowserEngine() = default;
    // Null browser folder: the installed runtime. A failure returned here means the handler is
    // never called.
    virtual HRESULT CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                                      EnvironmentCompleted completed) = 0;
};
