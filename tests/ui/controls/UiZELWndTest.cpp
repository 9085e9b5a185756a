// The layer base: Escape pressed anywhere inside a layer hides the main window and is not
// passed on; other keys go their usual way.
#include "UiControlsSupport.h"
#include "platform/WinApp.h"
#include "platform/WinThread.h"
#include "ui/controls/ZELWnd.h"

namespace {

class CTestLayer : public CZELWnd {
public:
    using CZELWnd::OnNcHitTest;
};

TEST(ZELWnd, EscapeInsideALayerHidesTheMainWindow)
{
    CWinApp app(L"ZelLayerTest");
    ctltest::CHostWnd main;
    ASSERT_TRUE(main.Open(300, 200));
    app.m_pMainWnd = &main;

    CTestLayer layer;
    ASSERT_TRUE(layer.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150), &main, 20110));
    CWnd edit;
    ASSERT_TRUE(edit.Create(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 150, 40), &layer, 20111));
    edit.SetFocus();

    MSG escape = {edit.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
    EXPECT_TRUE(AfxPreTranslateMessage(&escape));   // consumed: never reaches the edit
    ASSERT_EQ(main.Count(WM_COMMAND), 1);
    EXPECT_EQ(LOWORD(main.reports[0].wParam), ZEL_CMD_HIDE_WINDOW);

    MSG key = {edit.m_hWnd, WM_KEYDOWN, 'A', 1, 0, {0, 0}};
    EXPECT_FALSE(AfxPreTranslateMessage(&key));
    MSG escapeUp = {edit.m_hWnd, WM_KEYUP, VK_ESCAPE, 1, 0, {0, 0}};
    EXPECT_FALSE(AfxPreTranslateMessage(&escapeUp));
    EXPECT_EQ(main.Count(WM_COMMAND), 1);

    // Without a main window Escape is still consumed.
    app.m_pMainWnd = nullptr;
    EXPECT_TRUE(layer.PreTranslateMessage(&escape));
    EXPECT_EQ(main.Count(WM_COMMAND), 1);

    // The non-client hit test is the default one: the whole layer is client area.
    CRect rc;
    layer.GetWindowRect(&rc);
    EXPECT_EQ(layer.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.left + 5, rc.top + 5)), HTCLIENT);
    layer.DestroyWindow();
    main.DestroyWindow();
}

} // namespace
