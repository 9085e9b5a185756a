#pragma once
// Helpers of the application shell's tests: the language library the dialogs take their
// templates and texts from, and pictures of real windows under the build's screenshots folder.
#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Wnd.h"
#include "ui/skin/SkinObject.h"

#include "tests/net/protocol/EndToEndSupport.h"

namespace apptest {

// Loads bin\Res_<lang>.dll of the build ("Kor", "Eng", "Jpn") and makes it the resource handle;
// the previous handle comes back when the object goes.
class LanguageLibrary {
public:
    explicit LanguageLibrary(const wchar_t* pszLang = L"Kor");
    ~LanguageLibrary();
    bool IsLoaded() const { return m_hModule != nullptr; }
private:
    HMODULE m_hModule = nullptr;
    HINSTANCE m_hPrevious = nullptr;
};

// Paints the window now and saves what the display shows of it as screenshots\<name>.png in
// the build folder. True when the file was written.
bool SaveScreenshot(HWND hWnd, const std::wstring& name);

// A click in the middle of a skin object of the window.
void ClickObject(CWnd* pWnd, const SKIN_OBJECT* pObject);

// Runs the dialog modally; the script drives it from inside its modal loop once it is up.
template <class D>
INT_PTR RunModal(D& dlg, const std::function<void(D&)>& script)
{
    CWnd::SetModalLoopHook([&](CWnd* pWnd) {
        if (pWnd == &dlg) script(dlg);
    });
    const INT_PTR result = dlg.DoModal();
    CWnd::SetModalLoopHook(nullptr);
    return result;
}

// A test of a shell dialog against the local test servers: the language library, the shipped
// skin, and the program's own application-server client logged in as a user of the data set.
class ShellDialogTest : public prototest::EndToEndTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Connects the client singleton and logs in; its replies then go to m_listener.
    void LogIn(const char* pszUser, const char* pszPassword = "1234");
    // The frames of one message the application server received (their bodies).
    std::vector<Json::Value> TasBodies(const char* msg);

    LanguageLibrary* m_pLanguage = nullptr;
};

// Every message box of the programs, answered with OK; each remembers whether it came while a
// socket worker's SendMessage was waiting for this thread.
class BoxRecorder {
public:
    struct Box {
        std::wstring text;
        bool inSentMessage;
    };
    BoxRecorder();
    ~BoxRecorder();
    std::vector<Box> boxes;
};

}  // namespace apptest
