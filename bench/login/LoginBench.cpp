// The log-in as the user sees it against what it has to wait for, in the same run:
//   Login/window   from the click on the log-in button (ID and password typed) until the login
//                  window has ended with the session stored: a new server client each time, so
//                  the connection is made inside the measured time
//   Login/floor    the round trips that log-in needs, bare: a new server client connects to the
//                  local test server and sends the log-in request until its reply reaches a
//                  window
// Run under Wine with a display (scripts/wine-env.sh); ZEL_SOURCE_DIR and ZEL_BINARY_DIR must
// name the trees.
#include <winsock2.h>

#include <benchmark/benchmark.h>

#include <memory>

#include "core/LoginManager.h"
#include "core/ProgramGlobals.h"
#include "core/SettingManager.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/TasClientManager.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "platform/MessageBox.h"
#include "resources/resource.h"
#include "screens/login/LoginDlgLayer.h"
#include "screens/login/SavedLogin.h"
#include "tests/net/protocol/RecordingWindow.h"
#include "tests/screens/login/LoginInput.h"
#include "tests/support/TestSupport.h"

namespace {

int StartServers()
{
    static bool library = CSocketBase::InitializeSockets(true, 10) && CTCPSocketAsyncSSL::InitializeSSL();
    static zeltest::PythonFixture servers;
    static bool started = library && servers.Start(L"tests/servers/run_servers.py");
    static logintest::ResourceLibrary resources(L"Res_Kor.dll");
    g_strAppVersion = L"4.2.0.0";
    g_bNetworkStop = FALSE;
    zel::SetMessageBoxHook([](LPCTSTR, LPCTSTR, UINT) { return IDOK; });
    return started && resources.Module() ? servers.Port() : 0;
}

void NewClient(int nPort)
{
    CTasClientManager::DestroyInstance();
    CTasClientManager::GetInstance()->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str());
    CSettingManager* settings = CSettingManager::GetInstance();
    for (auto set : { &CSettingManager::SetZELAddress, &CSettingManager::SetTMSAddress, &CSettingManager::SetTPCAddress })
        (settings->*set)(L"127.0.0.1");
    settings->SetZELPort(nPort);
    settings->SetTMSPort(16304);
    settings->SetTPCPort(16301);
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return double(to.QuadPart - from.QuadPart) / double(f.QuadPart);
}

void LoginWindow(benchmark::State& state)
{
    const int nPort = StartServers();
    if (!nPort) {
        state.SkipWithError("the test servers or the resources are missing");
        return;
    }
    ClearSavedLogin();
    for (auto _ : state) {
        NewClient(nPort);
        double seconds = 0;
        bool bDone = false;
        CWnd::SetModalLoopHook([&](CWnd* wnd) {
            CLoginDlgLayer* dlg = dynamic_cast<CLoginDlgLayer*>(wnd);
            if (!dlg) return;
            logintest::Type(::GetDlgItem(dlg->GetSafeHwnd(), IDC_LOGIN_ID), L"kim");
            logintest::Type(::GetDlgItem(dlg->GetSafeHwnd(), IDC_LOGIN_PASSWORD), L"1234");
            LARGE_INTEGER t0, t1;
            ::QueryPerformanceCounter(&t0);
            const HWND button = ::GetDlgItem(dlg->GetSafeHwnd(), IDC_LOGIN_BUTTON);
            ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 25));
            ::PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(60, 25));
            bDone = logintest::Drive([&] { return !dlg->ContinueModal(); }, 15000);
            ::QueryPerformanceCounter(&t1);
            seconds = Seconds(t0, t1);
        });
        const SLoginRunResult run = RunLoginWindow(nullptr);
        CWnd::SetModalLoopHook(nullptr);
        if (!bDone || run.result != ELoginResult::Success) {
            state.SkipWithError("the log-in did not succeed");
            break;
        }
        state.SetIterationTime(seconds);
    }
    CTasClientManager::DestroyInstance();
}

void LoginFloor(benchmark::State& state)
{
    const int nPort = StartServers();
    if (!nPort) {
        state.SkipWithError("the test servers or the resources are missing");
        return;
    }
    static prototest::RecordingWindow window;
    for (auto _ : state) {
        NewClient(nPort);
        CTasClientManager* tas = CTasClientManager::GetInstance();
        tas->SetListener(window.Handle());
        const size_t expected = window.Count(WM_USER + 100);
        LARGE_INTEGER t0, t1;
        ::QueryPerformanceCounter(&t0);
        tas->Connect(CString(L"127.0.0.1"), nPort);
        tas->RequestM00000001(L"", L"kim", L"1234");
        const bool bReplied = window.WaitFor(WM_USER + 100, expected + 1, 15000);
        ::QueryPerformanceCounter(&t1);
        if (!bReplied) {
            state.SkipWithError("no log-in reply");
            break;
        }
        state.SetIterationTime(Seconds(t0, t1));
    }
    CTasClientManager::DestroyInstance();
}

BENCHMARK(LoginFloor)->Name("Login/floor")->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(LoginWindow)->Name("Login/window")->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

}  // namespace
