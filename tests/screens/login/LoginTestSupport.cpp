#include "tests/screens/login/LoginTestSupport.h"

#include <gdiplus.h>

#include "core/LoginManager.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "platform/ResourceHandle.h"
#include "platform/WinThread.h"
#include "resources/resource.h"
#include "screens/login/SavedLogin.h"
#include "tests/platform/UiTestSupport.h"
#include "ui/skin/ImageSave.h"

namespace logintest {

ResourceLibrary* LoginWindowTest::s_pResources = nullptr;

ResourceLibrary::ResourceLibrary(const wchar_t* fileName) : m_previous(AfxGetResourceHandle())
{
    const std::wstring path = zeltest::BinaryDir() + L"\\bin\\" + fileName;
    m_module = ::LoadLibraryW(path.c_str());
    if (m_module) AfxSetResourceHandle(m_module);
}

ResourceLibrary::~ResourceLibrary()
{
    AfxSetResourceHandle(m_previous);
    if (m_module) ::FreeLibrary(m_module);
}

bool Drive(const std::function<bool()>& pred, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage((int)msg.wParam);
                return pred();
            }
            if (!AfxPreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        if (pred()) return true;
        if (::GetTickCount() - start >= ms) return pred();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void DriveFor(DWORD ms)
{
    Drive([] { return false; }, ms);
}

void PressKey(HWND hWnd, UINT vk)
{
    ::PostMessageW(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessageW(hWnd, WM_KEYUP, vk, 0xC0000001);
    DriveFor(30);
}

void Type(HWND hWnd, const wchar_t* text)
{
    // The characters as the system's translation of the key presses delivers them.
    for (; *text; ++text) {
        ::PostMessageW(hWnd, WM_CHAR, *text, 1);
        DriveFor(5);
    }
    DriveFor(30);
}

void Click(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    const LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    ::PostMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(hWnd, WM_LBUTTONUP, 0, at);
    DriveFor(30);
}

void RightClick(HWND hWnd)
{
    // The press alone: the window takes it for its gesture, and a release on an edit box would
    // open the box's own context menu.
    ::PostMessageW(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    DriveFor(10);
}

CString TextOf(HWND hWnd)
{
    wchar_t buffer[512] = {};
    ::GetWindowTextW(hWnd, buffer, 512);
    return buffer;
}

bool SaveScreenshot(HWND hWnd, const wchar_t* name)
{
    DriveFor(300);
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::BitBlt(mem, 0, 0, cx, cy, screen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);

    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    bool saved = false;
    {
        Gdiplus::Bitmap image(bmp, nullptr);
        CLSID png;
        const std::wstring folder = zeltest::BinaryDir() + L"\\screenshots";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        const std::wstring path = folder + L"\\" + name + L".png";
        if (GetEncoderClsid(L"image/png", &png) >= 0)
            saved = image.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    ::DeleteObject(bmp);
    return saved;
}

void LoginWindowTest::SetUpTestSuite()
{
    EndToEndTest::SetUpTestSuite();
    s_pResources = new ResourceLibrary(L"Res_Kor.dll");
}

void LoginWindowTest::TearDownTestSuite()
{
    delete s_pResources;
    s_pResources = nullptr;
    EndToEndTest::TearDownTestSuite();
}

void LoginWindowTest::SetUp()
{
    EndToEndTest::SetUp();
    ASSERT_TRUE(s_pResources && s_pResources->Module()) << "Res_Kor.dll did not load";
    ClearSavedLogin();
    CSettingManager* settings = CSettingManager::GetInstance();
    settings->SetZELAddress(L"127.0.0.1");
    settings->SetZELPort(ServerPort(PORT_TAS));
    settings->SetTMSAddress(L"127.0.0.1");
    settings->SetTMSPort(ServerPort(PORT_HTTP));
    settings->SetTPCAddress(L"127.0.0.1");
    settings->SetTPCPort(ServerPort(PORT_PUSH));
    settings->SetUseHttps(0);
    CTasClientManager* tas = CTasClientManager::GetInstance();
    _CLIENT_TIMINGS timings = tas->GetTimings();
    timings.dwIdleTimeout = 1500;
    timings.dwBackoffFirst = 100;
    tas->SetTimings(timings);
    ASSERT_TRUE(tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
    SLoginShellHooks hooks;
    hooks.runServerSettings = [this](BOOL bDefaults) {
        ++m_nSettingsCalls;
        m_nSettingsDefaultsEnabled = bDefaults;
        if (m_onSettings) m_onSettings();
        return m_nSettingsAnswer;
    };
    SetLoginShellHooks(hooks);
}

void LoginWindowTest::TearDown()
{
    CWnd::SetModalLoopHook(nullptr);
    SetLoginShellHooks(SLoginShellHooks());
    CTasClientManager::DestroyInstance();
    CSettingManager::DestroyInstance();
    EndToEndTest::TearDown();
}

SLoginRunResult LoginWindowTest::Run(const std::function<void(CLoginDlgLayer&)>& script)
{
    uitest::Watchdog watchdog(40000);
    bool bRan = false;
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        CLoginDlgLayer* dlg = dynamic_cast<CLoginDlgLayer*>(wnd);
        if (!dlg || bRan) return;
        bRan = true;
        script(*dlg);
        if (::IsWindow(dlg->GetSafeHwnd()) && dlg->ContinueModal()) dlg->SendMessage(WM_CLOSE);
    });
    const SLoginRunResult result = RunLoginWindow(nullptr);
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_FALSE(watchdog.Fired()) << "the login window hung";
    return result;
}

void LoginWindowTest::TypeCredentials(CLoginDlgLayer& dlg, const wchar_t* id, const wchar_t* password)
{
    Type(Item(dlg, IDC_LOGIN_ID), id);
    Type(Item(dlg, IDC_LOGIN_PASSWORD), password);
}

void LoginWindowTest::LoginRule(const Json::Value& extra)
{
    Json::Value rule = extra;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "M00000001";
    if (!rule.isMember("count")) rule["count"] = 1;
    Control(rule);
}

}  // namespace logintest
