// The browser layer's engines on their own: the WebView2 adapter against a stand-in loader, the
// system HTML control where the system has none, the default-browser fallback and the chain.
#include "tools/browser/BrowserEngineChain.h"
#include "tools/browser/HtmlControlEngine.h"
#include "tools/browser/WebView2Engine.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring FakeLoaderPath() { return zeltest::BinaryDir() + L"\\tests\\fakewebview2\\WebView2Loader.dll"; }

// The stand-in loader's test functions.
struct SFakeLoader {
    HMODULE hModule = nullptr;
    void (*Reset)(HRESULT, HRESULT) = nullptr;
    const wchar_t* (*Log)() = nullptr;
    LONG (*LiveObjects)() = nullptr;
    BOOL (*FireZoom)() = nullptr;

    bool Load()
    {
        hModule = LoadLibraryW(FakeLoaderPath().c_str());
        if (!hModule) return false;
        Reset = reinterpret_cast<void (*)(HRESULT, HRESULT)>(reinterpret_cast<void*>(GetProcAddress(hModule, "FakeWebView2_Reset")));
        Log = reinterpret_cast<const wchar_t* (*)()>(reinterpret_cast<void*>(GetProcAddress(hModule, "FakeWebView2_Log")));
        LiveObjects = reinterpret_cast<LONG (*)()>(reinterpret_cast<void*>(GetProcAddress(hModule, "FakeWebView2_LiveObjects")));
        FireZoom = reinterpret_cast<BOOL (*)()>(reinterpret_cast<void*>(GetProcAddress(hModule, "FakeWebView2_FireZoom")));
        return Reset && Log && LiveObjects && FireZoom;
    }
};

// A plain top-level window to parent the browsers.
class CParentWindow {
public:
    CParentWindow()
    {
        m_hWnd = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    }
    ~CParentWindow() { if (m_hWnd) DestroyWindow(m_hWnd); }
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

TEST(WebView2Engine, MissingLoaderFailsAtOnceWithoutCallingBack)
{
    CWebView2Engine engine(L"Z:\\nowhere\\WebView2Loader.dll");
    bool bCalled = false;
    HRESULT hr = engine.CreateEnvironment(nullptr, L"C:\\data\\", [&](HRESULT, std::shared_ptr<IBrowserEnvironment>) { bCalled = true; });
    EXPECT_TRUE(FAILED(hr));
    EXPECT_NE(hr, BROWSER_E_RUNTIME_MISSING);
    EXPECT_FALSE(bCalled);
}

TEST(WebView2Engine, DrivesTheRuntimeThroughItsInterfacesAndReleasesEverything)
{
    SFakeLoader fake;
    ASSERT_TRUE(fake.Load());
    fake.Reset(S_OK, S_OK);
    CParentWindow parent;
    {
        CWebView2Engine engine(FakeLoaderPath().c_str());
        std::shared_ptr<IBrowserEnvironment> environment;
        ASSERT_EQ(engine.CreateEnvironment(nullptr, L"C:\\data\\", [&](HRESULT hr, std::shared_ptr<IBrowserEnvironment> e) {
            EXPECT_EQ(hr, S_OK);
            environment = e;
        }), S_OK);
        ASSERT_TRUE(environment);
        std::shared_ptr<IBrowserController> controller;
        ASSERT_EQ(environment->CreateController(parent.Get(), [&](HRESULT hr, std::shared_ptr<IBrowserController> c) {
            EXPECT_EQ(hr, S_OK);
            controller = c;
        }), S_OK);
        ASSERT_TRUE(controller);
        std::shared_ptr<IBrowserView> view;
        ASSERT_EQ(controller->GetView(&view), S_OK);
        ASSERT_TRUE(view);
        EXPECT_EQ(view->Navigate(L"http://localhost:1/a b"), S_OK);
        EXPECT_EQ(controller->SetBounds(RECT{1, 2, 300, 200}), S_OK);
        EXPECT_EQ(controller->SetVisible(FALSE), S_OK);
        EXPECT_EQ(controller->NotifyParentWindowPositionChanged(), S_OK);
        int nZoomCalls = 0;
        INT64 nToken = 0;
        EXPECT_EQ(controller->AddZoomFactorChanged([&](IBrowserController& sender) {
            double d = 0;
            sender.GetZoomFactor(&d);
            EXPECT_EQ(d, 1.25);
            ++nZoomCalls;
        }, &nToken), S_OK);
        EXPECT_EQ(nToken, 42);
        EXPECT_TRUE(fake.FireZoom());
        EXPECT_EQ(nZoomCalls, 1);
        EXPECT_EQ(controller->RemoveZoomFactorChanged(nToken), S_OK);
        EXPECT_FALSE(fake.FireZoom());
        EXPECT_EQ(controller->Close(), S_OK);
    }
    EXPECT_EQ(std::wstring(fake.Log()),
              L"CreateEnvironment (null) C:\\data\\;CreateController;GetWebView;Navigate http://localhost:1/a b;"
              L"Bounds 1,2,300,200;IsVisible 0;ParentMoved;AddZoom;GetZoom;RemoveZoom 42;Close;ControllerGone");
    EXPECT_EQ(fake.LiveObjects(), 0);
}

TEST(WebView2Engine, FailuresOfTheRuntimeComeBackUnchanged)
{
    SFakeLoader fake;
    ASSERT_TRUE(fake.Load());
    CWebView2Engine engine(FakeLoaderPath().c_str());

    fake.Reset(BROWSER_E_RUNTIME_MISSING, S_OK);
    bool bCalled = false;
    EXPECT_EQ(engine.CreateEnvironment(nullptr, L"x", [&](HRESULT, std::shared_ptr<IBrowserEnvironment>) { bCalled = true; }),
              BROWSER_E_RUNTIME_MISSING);
    EXPECT_FALSE(bCalled);

    fake.Reset(S_OK, E_ACCESSDENIED);
    CParentWindow parent;
    HRESULT hrController = S_OK;
    bool bController = true;
    engine.CreateEnvironment(nullptr, L"x", [&](HRESULT, std::shared_ptr<IBrowserEnvironment> e) {
        e->CreateController(parent.Get(), [&](HRESULT hr, std::shared_ptr<IBrowserController> c) {
            hrController = hr;
            bController = (bool)c;
        });
    });
    EXPECT_EQ(hrController, E_ACCESSDENIED);
    EXPECT_FALSE(bController);
    EXPECT_EQ(fake.LiveObjects(), 0);
}

TEST(HtmlControlEngine, FailsCleanlyWhereTheSystemCannotMakeHtmlDocuments)
{
    // This machine's Wine has no HTML engine: the probe and the engine fail at once.
    if (SUCCEEDED(CHtmlControlEngine::ProbeHtmlDocument())) GTEST_SKIP() << "this system can make HTML documents";
    CHtmlControlEngine engine;
    bool bCalled = false;
    DWORD t0 = GetTickCount();
    EXPECT_TRUE(FAILED(engine.CreateEnvironment(nullptr, L"x", [&](HRESULT, std::shared_ptr<IBrowserEnvironment>) { bCalled = true; })));
    EXPECT_LT(GetTickCount() - t0, 5000u);
    EXPECT_FALSE(bCalled);
}

// An engine that answers with a fixed result and counts its calls.
class CCountingEngine : public IBrowserEngine {
public:
    explicit CCountingEngine(HRESULT hr) : m_hr(hr) {}
    HRESULT CreateEnvironment(LPCWSTR, LPCWSTR, EnvironmentCompleted completed) override
    {
        ++m_nCalls;
        if (SUCCEEDED(m_hr) && completed) completed(m_hr, nullptr);
        return m_hr;
    }
    int m_nCalls = 0;

private:
    HRESULT m_hr;
};

TEST(BrowserEngineChain, TakesTheFirstEngineThatDoesNotFail)
{
    struct SCase {
        std::vector<HRESULT> results;
        HRESULT hrExpected;
        std::vector<int> calls;
    } cases[] = {
        {{S_OK, S_OK}, S_OK, {1, 0}},
        {{BROWSER_E_RUNTIME_MISSING, E_FAIL, S_OK}, S_OK, {1, 1, 1}},
        {{BROWSER_E_RUNTIME_MISSING, E_FAIL}, E_FAIL, {1, 1}},
        {{E_FAIL, BROWSER_E_RUNTIME_MISSING}, BROWSER_E_RUNTIME_MISSING, {1, 1}},
    };
    for (const SCase& c : cases) {
        std::vector<std::shared_ptr<CCountingEngine>> engines;
        std::vector<std::shared_ptr<IBrowserEngine>> chainList;
        for (HRESULT hr : c.results) {
            engines.push_back(std::make_shared<CCountingEngine>(hr));
            chainList.push_back(engines.back());
        }
        CBrowserEngineChain chain(chainList);
        int nCompleted = 0;
        EXPECT_EQ(chain.CreateEnvironment(nullptr, L"x", [&](HRESULT, std::shared_ptr<IBrowserEnvironment>) { ++nCompleted; }), c.hrExpected);
        EXPECT_EQ(nCompleted, SUCCEEDED(c.hrExpected) ? 1 : 0);
        for (size_t i = 0; i < engines.size(); ++i) EXPECT_EQ(engines[i]->m_nCalls, c.calls[i]) << i;
    }
}

}  // namespace
