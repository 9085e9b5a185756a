#pragma once
// A browser layer for tests: it answers as a script says and writes every call into a shared log,
// so the order of what the browser window asks for can be compared as one list.
#include "tools/browser/BrowserLayer.h"

#include <memory>
#include <string>
#include <vector>

struct SFakeBrowserScript {
    HRESULT hrCreateEnvironment = S_OK;     // answer of the engine's call
    HRESULT hrEnvironmentCompleted = S_OK;  // result handed to the environment completion
    bool bNoEnvironment = false;            // completion without an environment
    HRESULT hrControllerCompleted = S_OK;   // result handed to the controller completion
    bool bNoController = false;             // completion without a controller
    bool bNoView = false;                   // the controller has no view
    HRESULT hrNavigate = S_OK;
    bool bAsync = false;                    // completions arrive later through the message loop
};

typedef std::shared_ptr<std::vector<std::wstring>> FakeBrowserLog;

class CFakeBrowserEngine : public IBrowserEngine {
public:
    CFakeBrowserEngine(const SFakeBrowserScript& script, FakeBrowserLog log) : m_script(script), m_log(std::move(log)) {}

    HRESULT CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                              EnvironmentCompleted completed) override;

    // Calls the zoom handlers registered with the last controller made.
    static void FireZoom();

private:
    SFakeBrowserScript m_script;
    FakeBrowserLog m_log;
};

// Runs what the fake layer deferred; true when nothing is left.
bool RunFakeBrowserCompletions();
