#pragma once
// The browser layer over the Edge WebView2 runtime, reached through its loader library.
#include "tools/browser/BrowserLayer.h"

#include <string>

class CWebView2Engine : public IBrowserEngine {
public:
    // The loader is looked for under this name (the program's folder first, then the system's).
    explicit CWebView2Engine(LPCWSTR lpszLoaderPath = L"WebView2Loader.dll");

    // Fails at once when the loader cannot be loaded; otherwise what the runtime answers.
    HRESULT CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                              EnvironmentCompleted completed) override;

private:
    std::wstring m_strLoaderPath;
};
