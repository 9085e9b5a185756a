// What a message costs through the window classes (handle map, thread state, exception barrier,
// message-map search along a three-class chain) against a bare window procedure.
#include "platform/UI.h"

#include <benchmark/benchmark.h>

namespace {

const UINT kMsgFirst = WM_APP + 1;   // found in the most derived map
const UINT kMsgBase = WM_APP + 40;   // found in the base map, after every other entry
const UINT kMsgNone = WM_APP + 99;   // in no map: the default procedure answers

class CBenchBase : public CWnd {
protected:
    afx_msg LRESULT OnAnswer(WPARAM wParam, LPARAM) { return (LRESULT)wParam + 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchBase, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(kMsgBase, &CBenchBase::OnAnswer)
END_MESSAGE_MAP()

class CBenchMiddle : public CBenchBase {
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchMiddle, CBenchBase)
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

class CBenchWnd : public CBenchMiddle {
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchWnd, CBenchMiddle)
    ON_MESSAGE(kMsgFirst, &CBenchWnd::OnAnswer)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

LRESULT CALLBACK BareProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kMsgFirst) return (LRESULT)wParam + 1;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

void SendLoop(benchmark::State& state, HWND hWnd, UINT message)
{
    WPARAM n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(::SendMessageW(hWnd, message, n++, 0));
}

void BM_BareWindowProcedure(benchmark::State& state)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZelBenchBare";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    SendLoop(state, hWnd, kMsgFirst);
    ::DestroyWindow(hWnd);
}
BENCHMARK(BM_BareWindowProcedure);

void BM_MessageMap(benchmark::State& state)
{
    CBenchWnd wnd;
    wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    const UINT messages[] = { kMsgFirst, kMsgBase, kMsgNone };
    SendLoop(state, wnd.m_hWnd, messages[state.range(0)]);
}
BENCHMARK(BM_MessageMap)->Arg(0)->Arg(1)->Arg(2)->ArgName("first_base_none");

}  // namespace
