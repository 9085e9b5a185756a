#include "tools/browser/BrowserEngineChain.h"

#include "tools/browser/HtmlControlEngine.h"
#include "tools/browser/ShellBrowserEngine.h"
#include "tools/browser/WebView2Engine.h"

HRESULT CBrowserEngineChain::CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                                               EnvironmentCompleted completed)
{
    HRESULT hr = BROWSER_E_RUNTIME_MISSING;
    for (const auto& engine : m_engines) {
        hr = engine->CreateEnvironment(lpszBrowserFolder, lpszUserDataFolder, completed);
        if (SUCCEEDED(hr)) return hr;
    }
    return hr;
}

std::shared_ptr<IBrowserEngine> CBrowserEngineChain::CreateDefault()
{
    return std::make_shared<CBrowserEngineChain>(std::vector<std::shared_ptr<IBrowserEngine>>{
        std::make_shared<CWebView2Engine>(), std::make_shared<CHtmlControlEngine>(),
        std::make_shared<CShellBrowserEngine>()});
}
