#include "tools/browser/BrowserEngineChain.h"

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
