#pragma once
// The last resort of the browser layer: the page is handed to the shell's default web browser and
// the window says so in a line of text where the page would be.
#include "tools/browser/BrowserLayer.h"

#include <functional>
#include <string>

class CShellBrowserEngine : public IBrowserEngine {
public:
    // Opens the URL outside the program; true when that worked.
    typedef std::function<bool(LPCWSTR lpszUrl)> UrlOpener;

    CShellBrowserEngine();
    explicit CShellBrowserEngine(UrlOpener opener) : m_opener(std::move(opener)) {}

    HRESULT CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                              EnvironmentCompleted completed) override;

    // The texts the window shows after handing the page on, or failing to.
    static std::wstring OpenedText(LPCWSTR lpszUrl);
    static std::wstring FailedText(LPCWSTR lpszUrl);

    // ShellExecute with the URL as the file: the user's default browser.
    static bool OpenWithShell(LPCWSTR lpszUrl);

private:
    UrlOpener m_opener;
};
