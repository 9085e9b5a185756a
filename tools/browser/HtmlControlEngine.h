#pragma once
// The browser layer over the system's HTML control (the web browser control hosted through the
// system's ATL host window). Usable only where the system can make HTML documents.
#include "tools/browser/BrowserLayer.h"

class CHtmlControlEngine : public IBrowserEngine {
public:
    // Fails at once when the system has no HTML document class or no control host.
    HRESULT CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                              EnvironmentCompleted completed) override;

    // Whether an HTML document can be made here; the answer of the attempt.
    static HRESULT ProbeHtmlDocument();
};
