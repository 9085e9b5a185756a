#pragma once
// Tries browser engines in order and keeps the first that makes an environment.
#include "tools/browser/BrowserLayer.h"

#include <memory>
#include <vector>

class CBrowserEngineChain : public IBrowserEngine {
public:
    explicit CBrowserEngineChain(std::vector<std::shared_ptr<IBrowserEngine>> engines) : m_engines(std::move(engines)) {}

    // The first engine that does not fail at once answers; when all fail, the last failure.
    HRESULT CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                              EnvironmentCompleted completed) override;

private:
    std::vector<std::shared_ptr<IBrowserEngine>> m_engines;
};
