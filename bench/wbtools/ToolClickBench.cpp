// From a click on the drawing tool bar to the canvas drawing with the new tool, against the
// floor of one message round trip to a bare window procedure (a click is two messages to the
// button, the button's command to the bar, and the bar's call into the canvas).
#include <winsock2.h>

#include <benchmark/benchmark.h>

#include <memory>

#include "platform/UI.h"
#include "whiteboard/board/BoardLayer.h"
#include "whiteboard/tools/BoardDrawToolCtrl.h"

namespace {

LRESULT CALLBACK BareProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP + 1)
        return (LRESULT)wParam + 1;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

void BM_MessageRoundTripFloor(benchmark::State& state)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZelToolBenchBare";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                                  nullptr);
    WPARAM n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(::SendMessageW(hWnd, WM_APP + 1, n++, 0));
    ::DestroyWindow(hWnd);
}
BENCHMARK(BM_MessageRoundTripFloor);

class Host : public CWnd {};

// arg 0: a click on the button as the user makes it; arg 1: the button's command alone.
void BM_ToolClickToCanvas(benchmark::State& state)
{
    const bool commandOnly = state.range(0) == 1;
    S_BOARD_BAR_MAKERS makers;
    makers.makeDrawToolBar = &MakeBoardDrawToolBar;
    SetBoardBarMakers(makers);
    Host host;
    host.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 900, 700, nullptr, nullptr);
    std::unique_ptr<CBoardLayer> board(new CBoardLayer(nullptr, nullptr));
    board->Create(&host, RECT{0, 0, 900, 700});
    auto* bar = dynamic_cast<CBoardDrawToolCtrl*>(board->GetDrawToolBar());
    bar->ShowWindow(SW_SHOW);
    HWND rect = bar->Button(32831)->GetSafeHwnd();
    HWND ellipse = bar->Button(32833)->GetSafeHwnd();
    const LPARAM at = MAKELPARAM(18, 18);
    bool flip = false;
    for (auto _ : state) {
        HWND button = flip ? rect : ellipse;
        if (commandOnly) {
            bar->SendMessage(WM_COMMAND, MAKEWPARAM(flip ? 32831 : 32833, BN_CLICKED), (LPARAM)button);
        } else {
            ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
            ::SendMessageW(button, WM_LBUTTONUP, 0, at);
        }
        const int expected = flip ? CBoardDrawCtrl::kRect : CBoardDrawCtrl::kEllipse;
        if (board->GetCanvas()->GetMode() != expected) {
            state.SkipWithError("the canvas did not take the tool");
            break;
        }
        flip = !flip;
    }
    board.reset();
    host.DestroyWindow();
    SetBoardBarMakers(S_BOARD_BAR_MAKERS());
}
BENCHMARK(BM_ToolClickToCanvas)->Arg(0)->Arg(1)->ArgName("command_only");

}  // namespace
