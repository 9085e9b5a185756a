#pragma once
// The browser layer over the system's HTML control (the web browser control hosted through the
// system's ATL host window). Usable only where the system can make HTML documents.
#include "tools/browser/BrowserLayer.h"

#include <exdisp.h>

class CHtmlControlEngine : public IBrowserEngine {
public:
    // Fails at once when the system has no HTML document class or no control host.
    HRESULT CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                              EnvironmentCompleted completed) override;

    // Whether an HTML document can be made here; the answer of the attempt.
    static HRESULT ProbeHtmlDocument();
};

// The same control hosted in a window of one's own, for views that talk with their page: the host
// window gets the control on the address; the browser of a hosting window; the object the page
// reaches as window.external. Each fails cleanly where the system cannot make HTML documents.
HRESULT HostHtmlControl(HWND hHost, LPCWSTR lpszUrl);
HRESULT GetHostedBrowser(HWND hHost, IWebBrowser2** ppBrowser);
HRESULT SetHostedExternal(HWND hHost, IDispatch* pExternal);
