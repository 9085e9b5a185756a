// The browser window's flow against the fake browser layer: what it asks for in which order, what
// it says when something fails, how it sizes the browser, and what it lets go of when closed.
#include "tools/browser/PelloranApp.h"
#include "tools/browser/SampleDlg.h"

#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TestSupport.h"
#include "tests/tools/browser/FakeBrowserLayer.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const wchar_t* kUrl = L"http://localhost:17000/meeting/video?id=7 &name=\"Kim\"";
const wchar_t* kData = L"C:\\users\\me\\AppData\\Local\\TALVORA\\PelloranWebView2\\";

std::wstring Bounds(const RECT& rc)
{
    return L"SetBounds " + std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L"," + std::to_wstring(rc.right) +
           L"," + std::to_wstring(rc.bottom);
}

class SampleDlg : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CPelloranApp::RegisterWindowClass());
        m_log = std::make_shared<std::vector<std::wstring>>();
    }

    // Runs the window modally; whileOpen sees it after the layer's completions have run, then the
    // window is sent WM_CLOSE. Returns DoModal's result.
    INT_PTR Run(const SFakeBrowserScript& script, const std::function<void(HWND)>& whileOpen)
    {
        CSampleDlg dlg(kUrl, kData, std::make_shared<CFakeBrowserEngine>(script, m_log));
        s_pWhileOpen = &whileOpen;
        s_pDlg = &dlg;
        UINT_PTR timer = SetTimer(nullptr, 0, 30, &SampleDlg::Watch);
        INT_PTR result = dlg.DoModal();
        KillTimer(nullptr, timer);
        s_pDlg = nullptr;
        return result;
    }

    static void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD)
    {
        if (!s_pDlg || !s_pDlg->GetSafeHwnd() || !s_pWhileOpen) return;
        // The modal loop shows the window once it is idle: look at it when it is up (or after
        // three seconds, so that a window that never shows fails instead of hanging).
        if (!IsWindowVisible(s_pDlg->GetSafeHwnd()) && ++s_nTicksHidden < 100) return;
        s_nTicksHidden = 0;
        RunFakeBrowserCompletions();
        const std::function<void(HWND)>* whileOpen = s_pWhileOpen;
        s_pWhileOpen = nullptr;
        HWND hWnd = s_pDlg->GetSafeHwnd();
        if (*whileOpen) (*whileOpen)(hWnd);
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
    }

    static const std::function<void(HWND)>* s_pWhileOpen;
    static CSampleDlg* s_pDlg;
    static int s_nTicksHidden;
    FakeBrowserLog m_log;
    zeltest::MessageBoxRecorder m_boxes;
};

const std::function<void(HWND)>* SampleDlg::s_pWhileOpen = nullptr;
CSampleDlg* SampleDlg::s_pDlg = nullptr;
int SampleDlg::s_nTicksHidden = 0;

TEST_F(SampleDlg, CreatesNavigatesSizesAndReleasesInOrder)
{
    for (bool bAsync : {false, true}) {
        SCOPED_TRACE(bAsync ? "completions later" : "completions at once");
        m_log->clear();
        SFakeBrowserScript script;
        script.bAsync = bAsync;
        RECT rcClient = {}, rcWindow = {};
        wchar_t szClass[64] = {}, szTitle[64] = {};
        Run(script, [&](HWND hWnd) {
            GetClientRect(hWnd, &rcClient);
            GetWindowRect(hWnd, &rcWindow);
            GetClassNameW(hWnd, szClass, 64);
            GetWindowTextW(hWnd, szTitle, 64);
        });
        EXPECT_STREQ(szClass, L"Talvora_Vistrel_Class");
        EXPECT_STREQ(szTitle, L"BrindlecastWeb*");
        EXPECT_EQ(rcWindow.right - rcWindow.left, 1024);
        EXPECT_EQ(rcWindow.bottom - rcWindow.top, 768);
        std::vector<std::wstring> expected = {
            std::wstring(L"CreateEnvironment (null) ") + kData, L"CreateController", L"GetView", L"AddZoom 1",
            L"SetBounds 0,0,0,0", std::wstring(L"Navigate ") + kUrl, Bounds(rcClient),
            // WM_CLOSE: the component goes first, then web view, controller and environment.
            L"RemoveZoom 1", L"~View", L"~Controller", L"~Environment"};
        EXPECT_EQ(*m_log, expected);
        EXPECT_TRUE(m_boxes.Texts().empty());
    }
}

TEST_F(SampleDlg, ClosesOnWmCloseWithCancel)
{
    EXPECT_EQ(Run(SFakeBrowserScript{}, nullptr), IDCANCEL);
}

TEST_F(SampleDlg, ResizingTheWindowResizesTheBrowserToTheWholeClientArea)
{
    RECT rcClient = {};
    Run(SFakeBrowserScript{}, [&](HWND hWnd) {
        m_log->clear();
        SetWindowPos(hWnd, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
        GetClientRect(hWnd, &rcClient);
    });
    ASSERT_FALSE(m_log->empty());
    EXPECT_EQ(m_log->front(), Bounds(rcClient));
    EXPECT_EQ(rcClient.left, 0);
    EXPECT_GT(rcClient.right, 500);
}

TEST_F(SampleDlg, MinimisingAndRestoringLeaveTheBrowsersVisibilityAlone)
{
    bool bWasIconic = false;
    Run(SFakeBrowserScript{}, [&](HWND hWnd) {
        m_log->clear();
        SendMessageW(hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        bWasIconic = IsIconic(hWnd);
        SendMessageW(hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    });
    EXPECT_TRUE(bWasIconic);
    for (const std::wstring& line : *m_log) EXPECT_EQ(line.find(L"SetVisible"), std::wstring::npos) << zeltest::Narrow(line);
}

TEST_F(SampleDlg, FailuresEndTheFlowWhereTheyHappen)
{
    struct SCase {
        const char* name;
        std::function<void(SFakeBrowserScript&)> script;
        std::vector<std::wstring> log;   // up to the closing
        std::vector<std::wstring> messages;
    } cases[] = {
        {"environment refused", [](SFakeBrowserScript& s) { s.hrCreateEnvironment = E_ACCESSDENIED; },
         {L"CreateEnvironment"}, {L"Failed to create webview environment"}},
        {"runtime missing", [](SFakeBrowserScript& s) { s.hrCreateEnvironment = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND); },
         {L"CreateEnvironment"}, {}},
        {"loader missing", [](SFakeBrowserScript& s) { s.hrCreateEnvironment = HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND); },
         {L"CreateEnvironment"}, {}},
        {"no environment made", [](SFakeBrowserScript& s) { s.hrEnvironmentCompleted = E_FAIL; s.bNoEnvironment = true; },
         {L"CreateEnvironment", L"EnvironmentCompleted 80004005"}, {}},
        {"controller failed", [](SFakeBrowserScript& s) { s.hrControllerCompleted = E_FAIL; },
         {L"CreateEnvironment", L"CreateController", L"~Controller"}, {}},
        {"no controller", [](SFakeBrowserScript& s) { s.bNoController = true; },
         {L"CreateEnvironment", L"CreateController"}, {}},
        {"no web view", [](SFakeBrowserScript& s) { s.bNoView = true; },
         {L"CreateEnvironment", L"CreateController", L"GetView", L"AddZoom 1", L"SetBounds 0,0,0,0"}, {}},
        {"navigation failed", [](SFakeBrowserScript& s) { s.hrNavigate = E_FAIL; },
         {L"CreateEnvironment", L"CreateController", L"GetView", L"AddZoom 1", L"SetBounds 0,0,0,0",
          std::wstring(L"Navigate ") + kUrl}, {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_log->clear();
        m_boxes.Clear();
        SFakeBrowserScript script;
        c.script(script);
        std::vector<std::wstring> whileOpen;
        bool bVisible = false;
        EXPECT_EQ(Run(script, [&](HWND hWnd) {
            whileOpen = *m_log;
            bVisible = IsWindowVisible(hWnd);
        }), IDCANCEL);
        // The log's first line carries the folders; compare its start only.
        ASSERT_EQ(whileOpen.size(), c.log.size());
        EXPECT_EQ(whileOpen[0].rfind(L"CreateEnvironment", 0), 0u);
        for (size_t i = 1; i < c.log.size(); ++i) EXPECT_EQ(whileOpen[i], c.log[i]);
        EXPECT_EQ(m_boxes.Texts(), c.messages);
        EXPECT_TRUE(bVisible) << "the window stays open, empty";
    }
}

}  // namespace
