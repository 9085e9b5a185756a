// The application object's life on the program's thread: InitInstance, the message loop,
// ExitInstance, the main window, and message boxes answered through the test hook.
#include "platform/UI.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/UiTestSupport.h"

namespace {

class CTestApp : public CWinApp {
public:
    explicit CTestApp(BOOL initResult, bool withMainWindow = false)
        : CWinApp(L"ZelUiTestApp"), m_initResult(initResult), m_withMainWindow(withMainWindow) {}
    int m_runs = 0;
    int m_exits = 0;
    CString m_cmdLine;
    BOOL InitInstance() override
    {
        m_cmdLine = m_lpCmdLine;
        if (m_withMainWindow) {
            auto* wnd = new CWnd;
            wnd->CreateEx(0, nullptr, L"main", WS_POPUP | WS_VISIBLE, 0, 0, 100, 50, nullptr, nullptr);
            m_pMainWnd = wnd;
            m_mainWnd = wnd;
            // Closing the main window ends the application's loop.
            wnd->PostMessage(WM_CLOSE);
        }
        return m_initResult;
    }
    int Run() override
    {
        ++m_runs;
        return CWinApp::Run();
    }
    int ExitInstance() override
    {
        ++m_exits;
        return CWinApp::ExitInstance() + 40;
    }
    CWnd* m_mainWnd = nullptr;
private:
    BOOL m_initResult;
    bool m_withMainWindow;
};

TEST(UiWinApp, InitInstanceFalseSkipsTheLoopAndExits)
{
    wchar_t cmdLine[] = L"show now";
    CTestApp app(FALSE);
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxWinMain(::GetModuleHandleW(nullptr), nullptr, cmdLine, SW_SHOW), 40);
    EXPECT_EQ(app.m_runs, 0);
    EXPECT_EQ(app.m_exits, 1);
    EXPECT_STREQ(app.m_cmdLine, L"show now");
    EXPECT_STREQ(AfxGetAppName(), L"ZelUiTestApp");
}

TEST(UiWinApp, MainWindowClosingEndsTheRunLoop)
{
    uitest::Watchdog watchdog;
    wchar_t cmdLine[] = L"";
    CTestApp app(TRUE, true);
    EXPECT_EQ(AfxWinMain(::GetModuleHandleW(nullptr), nullptr, cmdLine, SW_SHOW), 40);
    EXPECT_EQ(app.m_runs, 1);
    EXPECT_EQ(app.m_exits, 1);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.m_mainWnd->m_hWnd, nullptr);
    delete app.m_mainWnd;
    EXPECT_FALSE(watchdog.Fired());
}

TEST(UiWinApp, MessageBoxesGoThroughTheHookWithTheAppsCaption)
{
    CTestApp app(FALSE);
    std::wstring text, caption;
    UINT type = 0;
    zel::SetMessageBoxHook([&](LPCTSTR t, LPCTSTR c, UINT ty) {
        text = t;
        caption = c;
        type = ty;
        return IDNO;
    });
    EXPECT_EQ(AfxMessageBox(L"Delete it?", MB_YESNO), IDNO);
    EXPECT_EQ(text, L"Delete it?");
    EXPECT_EQ(caption, L"ZelUiTestApp");
    EXPECT_EQ(type, (UINT)(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(AfxMessageBox(L"Done", MB_OK | MB_ICONINFORMATION), IDNO);
    EXPECT_EQ(type, (UINT)(MB_OK | MB_ICONINFORMATION));
    zel::SetMessageBoxHook(nullptr);
}

}  // namespace
