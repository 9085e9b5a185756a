#include "tests/tools/browser/FakeBrowserLayer.h"

#include <deque>
#include <functional>
#include <map>

namespace {

std::deque<std::function<void()>>& Pending()
{
    static std::deque<std::function<void()>> pending;
    return pending;
}

void CALLBACK RunPendingTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    RunFakeBrowserCompletions();
}

// Runs the completion now or, in the asynchronous script, from the thread's message loop.
void Complete(bool bAsync, std::function<void()> fn)
{
    if (!bAsync) {
        fn();
        return;
    }
    Pending().push_back(std::move(fn));
    SetTimer(nullptr, 0, 1, RunPendingTimer);
}

std::wstring Hex(HRESULT hr)
{
    wchar_t sz[16];
    _snwprintf(sz, 16, L"%08lX", (unsigned long)hr);
    return sz;
}

class CFakeView : public IBrowserView {
public:
    CFakeView(const SFakeBrowserScript& s, FakeBrowserLog log) : m_script(s), m_log(std::move(log)) {}
    ~CFakeView() override { m_log->push_back(L"~View"); }
    HRESULT Navigate(LPCWSTR url) override
    {
        m_log->push_back(std::wstring(L"Navigate ") + url);
        return m_script.hrNavigate;
    }

private:
    SFakeBrowserScript m_script;
    FakeBrowserLog m_log;
};

class CFakeController;
CFakeController* g_pLastController = nullptr;

class CFakeController : public IBrowserController {
public:
    CFakeController(const SFakeBrowserScript& s, FakeBrowserLog log) : m_script(s), m_log(std::move(log))
    {
        g_pLastController = this;
    }
    ~CFakeController() override
    {
        if (g_pLastController == this) g_pLastController = nullptr;
        m_log->push_back(L"~Controller");
    }
    HRESULT GetView(std::shared_ptr<IBrowserView>* p) override
    {
        m_log->push_back(L"GetView");
        if (m_script.bNoView) p->reset();
        else *p = std::make_shared<CFakeView>(m_script, m_log);
        return S_OK;
    }
    HRESULT SetBounds(const RECT& rc) override
    {
        m_log->push_back(L"SetBounds " + std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L"," +
                         std::to_wstring(rc.right) + L"," + std::to_wstring(rc.bottom));
        return S_OK;
    }
    HRESULT SetVisible(BOOL b) override { m_log->push_back(L"SetVisible " + std::to_wstring(b)); return S_OK; }
    HRESULT NotifyParentWindowPositionChanged() override { m_log->push_back(L"ParentMoved"); return S_OK; }
    HRESULT AddZoomFactorChanged(ZoomFactorChangedHandler h, INT64* t) override
    {
        *t = ++m_nLastToken;
        m_handlers[*t] = std::move(h);
        m_log->push_back(L"AddZoom " + std::to_wstring(*t));
        return S_OK;
    }
    HRESULT RemoveZoomFactorChanged(INT64 t) override
    {
        m_handlers.erase(t);
        m_log->push_back(L"RemoveZoom " + std::to_wstring(t));
        return S_OK;
    }
    HRESULT GetZoomFactor(double* p) override { *p = 1.0; m_log->push_back(L"GetZoom"); return S_OK; }
    HRESULT Close() override { m_log->push_back(L"Close"); return S_OK; }

    void FireZoom()
    {
        auto handlers = m_handlers;
        for (auto& h : handlers) h.second(*this);
    }

private:
    SFakeBrowserScript m_script;
    FakeBrowserLog m_log;
    INT64 m_nLastToken = 0;
    std::map<INT64, ZoomFactorChangedHandler> m_handlers;
};

class CFakeEnvironment : public IBrowserEnvironment {
public:
    CFakeEnvironment(const SFakeBrowserScript& s, FakeBrowserLog log) : m_script(s), m_log(std::move(log)) {}
    ~CFakeEnvironment() override { m_log->push_back(L"~Environment"); }
    HRESULT CreateController(HWND hParent, ControllerCompleted completed) override
    {
        m_log->push_back(IsWindow(hParent) ? L"CreateController" : L"CreateController without window");
        SFakeBrowserScript s = m_script;
        FakeBrowserLog log = m_log;
        Complete(s.bAsync, [s, log, completed] {
            std::shared_ptr<IBrowserController> controller;
            if (!s.bNoController) controller = std::make_shared<CFakeController>(s, log);
            completed(s.hrControllerCompleted, controller);
        });
        return S_OK;
    }

private:
    SFakeBrowserScript m_script;
    FakeBrowserLog m_log;
};

}  // namespace

HRESULT CFakeBrowserEngine::CreateEnvironment(LPCWSTR lpszBrowserFolder, LPCWSTR lpszUserDataFolder,
                                              EnvironmentCompleted completed)
{
    m_log->push_back(std::wstring(L"CreateEnvironment ") + (lpszBrowserFolder ? lpszBrowserFolder : L"(null)") + L" " +
                     (lpszUserDataFolder ? lpszUserDataFolder : L"(null)"));
    if (FAILED(m_script.hrCreateEnvironment)) return m_script.hrCreateEnvironment;
    SFakeBrowserScript s = m_script;
    FakeBrowserLog log = m_log;
    Complete(s.bAsync, [s, log, completed] {
        std::shared_ptr<IBrowserEnvironment> environment;
        if (!s.bNoEnvironment) environment = std::make_shared<CFakeEnvironment>(s, log);
        if (FAILED(s.hrEnvironmentCompleted)) log->push_back(L"EnvironmentCompleted " + Hex(s.hrEnvironmentCompleted));
        completed(s.hrEnvironmentCompleted, environment);
    });
    return S_OK;
}

void CFakeBrowserEngine::FireZoom()
{
    if (g_pLastController) g_pLastController->FireZoom();
}

bool RunFakeBrowserCompletions()
{
    while (!Pending().empty()) {
        auto fn = std::move(Pending().front());
        Pending().pop_front();
        fn();
    }
    return true;
}
