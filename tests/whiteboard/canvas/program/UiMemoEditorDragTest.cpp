// The memo editor over the canvas moves its layer like a caption, but only from a press on its
// panel: pointer movement and hit tests alone never start a move.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "whiteboard/tools/MemoLayer.h"

using namespace toolstest;

namespace {

// What the memo layer was asked: caption presses, which are recorded and not acted on (a real one
// would start the system's move loop).
WNDPROC g_layerProc = nullptr;
int g_captionPresses = 0;
LRESULT CALLBACK RecordingLayerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION) {
        ++g_captionPresses;
        return 0;
    }
    return ::CallWindowProcW(g_layerProc, hwnd, message, wParam, lParam);
}

TEST(MemoEditorDrag, OnlyAPressOnThePanelMovesTheLayer)
{
    BoardWithBars b;
    b.Open(2);
    CBoardDrawCtrl* canvas = b.Canvas();
    canvas->SetMode(CBoardDrawCtrl::kMemo);
    canvastest::Down(canvas->GetSafeHwnd(), 300, 250);
    canvastest::Up(canvas->GetSafeHwnd(), 300, 250);
    Settle(50);
    CMemoLayer* layer = nullptr;
    for (HWND child = ::GetWindow(canvas->GetSafeHwnd(), GW_CHILD); child && !layer;
         child = ::GetWindow(child, GW_HWNDNEXT))
        layer = dynamic_cast<CMemoLayer*>(CWnd::FromHandlePermanent(child));
    ASSERT_NE(layer, nullptr);
    ASSERT_TRUE(layer->IsShown());
    CMemoEditCtrl* editor = layer->Editor();
    const HWND hLayer = layer->GetSafeHwnd();
    g_captionPresses = 0;
    g_layerProc = (WNDPROC)::SetWindowLongPtrW(hLayer, GWLP_WNDPROC, (LONG_PTR)&RecordingLayerProc);

    // The pointer passing over the panel: hit tests and moves, no button.
    POINT on = {6, 6};
    POINT screen = on;
    editor->ClientToScreen(&screen);
    for (int i = 0; i < 3; ++i) {
        editor->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.x + i, screen.y));
        editor->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(on.x + i, on.y));
    }
    EXPECT_EQ(g_captionPresses, 0) << "no move without a press";

    // A press on the panel: one caption press for the layer.
    editor->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(on.x, on.y));
    EXPECT_EQ(g_captionPresses, 1);
    ::SetWindowLongPtrW(hLayer, GWLP_WNDPROC, (LONG_PTR)g_layerProc);
}

}  // namespace
