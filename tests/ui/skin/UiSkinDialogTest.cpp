// The skinned dialog base: resize borders, maximising by double click with its button, the key
// relay to the main window, relayed object events, GONE subtrees, borders and caption drags.
#include <gtest/gtest.h>

#include "platform/WinApp.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

const wchar_t kScreen[] = LR"(<SCREEN NAME="D" RECT="0,0,300,200" VISIBLE="1" BGCOLOR="FFFFFF" BORDERSIZE="1" BORDERCOLOR="FF0000" MINCX="200" MINCY="150">
    <OBJECT ID="1" INDEX="1" NAME="btnMax" TYPE="BUTTON" RECT="270,5,20,20" VISIBLE="1" ALIGNLTRB="2,0,2,0" BTN_CLROUT="CCCCCC"
            BTN_CLROVER="333333" BTN_IMAGEOVER="$(TARGETDIR)\none.png" BTN_TOOLTIP="maximise%COMMA%restore"/>
    <OBJECT ID="2" INDEX="2" NAME="box" TYPE="CUSTOM" RECT="10,40,200,100" VISIBLE="1"><CUSTOM_LIST NAME="btn" VALUE="1"/></OBJECT>
    <OBJECT ID="3" INDEX="3" NAME="inner" TYPE="BUTTON" PARENTIDX="2" RECT="20,50,50,30" VISIBLE="1" COLOR="00FF00" BTN_TOOLTIP="inner"/>
    <OBJECT ID="4" INDEX="4" NAME="deep" TYPE="TEXT" PARENTIDX="3" RECT="25,55,10,10" VISIBLE="1" TEXT_TEXT="x"/>
    <OBJECT ID="5" INDEX="5" NAME="after" TYPE="NULL" RECT="220,40,60,30" VISIBLE="1" ALIGNLTRB="2,0,2,0" ALIGNIDXL="2" ALIGNIDXR="2" COLOR="0000FF"/>
    </SCREEN>)";

class SkinDialog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(skintest::LoadFixtureSkin(kScreen)); }
    skintest::CDragRecorder drag;
};

TEST_F(SkinDialog, ResizeBordersByClientPoint)
{
    skintest::CTestSkinDialog dlg(L"D", TRUE);
    ASSERT_TRUE(dlg.Open());
    struct Case {
        int x, y;
        LRESULT hit;
    };
    const Case cases[] = {{0, 0, HTTOPLEFT},   {5, 5, HTTOPLEFT},      {6, 0, HTTOP},         {-1, 6, HTLEFT},
                          {6, 6, HTNOWHERE},   {299, 2, HTTOPRIGHT},   {150, 198, HTBOTTOM},  {2, 199, HTBOTTOMLEFT},
                          {299, 199, HTBOTTOMRIGHT}, {296, 100, HTRIGHT}, {6, 100, HTNOWHERE}};
    for (const Case& c : cases)
        EXPECT_EQ(dlg.HitTestResizeBorder(CPoint(c.x, c.y)), c.hit) << c.x << "," << c.y;
    CPoint corner(0, 0);
    dlg.ClientToScreen(&corner);
    EXPECT_EQ(dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTTOPLEFT);
    dlg.m_bMaximized = TRUE;
    EXPECT_NE(dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTTOPLEFT);
    dlg.m_bMaximized = FALSE;
    MINMAXINFO mmi = {};
    dlg.SendMessage(WM_GETMINMAXINFO, 0, LPARAM(&mmi));
    EXPECT_EQ(mmi.ptMinTrackSize.x, 200);
    EXPECT_EQ(mmi.ptMinTrackSize.y, 150);
    dlg.DestroyWindow();
}

TEST_F(SkinDialog, DoubleClickOnAnEmptySpotTogglesMaximiseAndTheButton)
{
    skintest::CTestSkinDialog dlg(L"D", TRUE);
    dlg.m_pDragWnd = &drag;
    ASSERT_TRUE(dlg.Open());
    SKIN_OBJECT* max = dlg.m_Screen.FindObject(L"btnMax");
    skintest::SendMouse(dlg.m_hWnd, WM_LBUTTONDBLCLK, 250, 180);
    zeltest::PumpFor(50);
    EXPECT_TRUE(dlg.m_bMaximized);
    EXPECT_TRUE(dlg.IsZoomed());
    EXPECT_EQ(max->m_button.m_nCheck, 1);
    CString tip;
    dlg.m_ToolTip.GetText(tip, &dlg, 1);
    EXPECT_EQ(tip, CString(L"restore"));
    // Maximised, an empty-spot press drags nothing.
    skintest::SendMouse(dlg.m_hWnd, WM_LBUTTONDOWN, 250, 180, MK_LBUTTON);
    skintest::SendMouse(dlg.m_hWnd, WM_LBUTTONUP, 250, 180);
    EXPECT_EQ(drag.drags, 0);
    skintest::SendMouse(dlg.m_hWnd, WM_LBUTTONDBLCLK, 250, 180);
    zeltest::PumpFor(50);
    EXPECT_FALSE(dlg.m_bMaximized);
    EXPECT_EQ(max->m_button.m_nCheck, 0);
    dlg.m_ToolTip.GetText(tip, &dlg, 1);
    EXPECT_EQ(tip, CString(L"maximise"));
    dlg.DestroyWindow();
}

TEST_F(SkinDialog, DoubleClickOnAButtonGivesItsEventsAndNotMaximise)
{
    skintest::CTestSkinDialog dlg(L"D", TRUE);
    dlg.m_pDragWnd = &drag;
    ASSERT_TRUE(dlg.Open());
    skintest::SendMouse(dlg.m_hWnd, WM_LBUTTONDBLCLK, 30, 60);
    skintest::SendMouse(dlg.m_hWnd, WM_LBUTTONUP, 30, 60);
    EXPECT_EQ(dlg.CountEvents(WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(dlg.CountEvents(WM_LBUTTONUP), 1);
    EXPECT_FALSE(dlg.m_bMaximized);
    // A non-resizable dialog does nothing on an empty spot.
    skintest::CTestSkinDialog fixed(L"D", FALSE);
    ASSERT_TRUE(fixed.Open());
    skintest::SendMouse(fixed.m_hWnd, WM_LBUTTONDBLCLK, 250, 180);
    EXPECT_FALSE(fixed.m_bMaximized);
    EXPECT_EQ(fixed.CountEvents(WM_LBUTTONDBLCLK), 1);   // reported with no object
    EXPECT_EQ(fixed.events.back().object, nullptr);
    fixed.DestroyWindow();
    dlg.DestroyWindow();
}

TEST_F(SkinDialog, AnEmptySpotPressDragsTheDragWindowAndAButtonPressDoesNot)
{
    skintest::CTestSkinDialog dlg(L"D");
    dlg.m_pDragWnd = &drag;
    ASSERT_TRUE(dlg.Open());
    skintest::SendMouse(dlg.m_hWnd, WM_LBUTTONDOWN, 250, 180, MK_LBUTTON);
    EXPECT_EQ(drag.drags, 1);
    EXPECT_EQ(drag.lastHit, HTCAPTION);
    skintest::SendMouse(dlg.m_hWnd, WM_LBUTTONUP, 250, 180);
    skintest::Click(dlg.m_hWnd, 30, 60);
    EXPECT_EQ(drag.drags, 1);
    // A press inside a CUSTOM object is taken by it: no drag either.
    skintest::Click(dlg.m_hWnd, 150, 120);
    EXPECT_EQ(drag.drags, 1);
    dlg.DestroyWindow();
}

TEST_F(SkinDialog, CtrlKeysGoToTheMainWindowAndOthersStay)
{
    struct App : CWinApp {
        App() : CWinApp(L"SkinDialogTest") {}
    } app;
    struct Main : CWnd {
        std::vector<std::pair<WPARAM, LPARAM>> got;
        Main() { CreateEx(0, AfxRegisterWndClass(0), L"main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr); }
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_SKIN_OBJECT_EVENT)
                got.push_back({wParam, lParam});
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } main;
    app.m_pMainWnd = &main;
    skintest::CTestSkinDialog dlg(L"D");
    ASSERT_TRUE(dlg.Open());
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG msg = {dlg.m_hWnd, WM_KEYDOWN, 'G', 0, 0, {0, 0}};
    EXPECT_TRUE(dlg.PreTranslateMessage(&msg));
    // Ctrl+A and a plain G go their normal way (the dialog manager's): nothing is relayed.
    msg.wParam = 'A';
    dlg.PreTranslateMessage(&msg);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    msg.wParam = 'G';
    dlg.PreTranslateMessage(&msg);
    zeltest::PumpFor(30);
    ASSERT_EQ(main.got.size(), 1u);
    EXPECT_EQ(main.got[0].first, WPARAM(WM_KEYDOWN));
    EXPECT_EQ(main.got[0].second, LPARAM('G'));
    app.m_pMainWnd = nullptr;
    dlg.DestroyWindow();
    main.DestroyWindow();
}

TEST_F(SkinDialog, RelayedEventsReachTheDialogAndCode16EndsAModalOne)
{
    std::vector<WORD> words(12, 0);
    reinterpret_cast<DLGTEMPLATE*>(words.data())->style = WS_POPUP;
    struct Modal : skintest::CTestSkinDialog {
        Modal() : CTestSkinDialog(L"D") {}
    } dlg;
    dlg.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(words.data()));
    SKIN_OBJECT* seen = nullptr;
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        seen = dlg.m_Screen.FindObject(L"box");
        wnd->PostMessage(WM_SKIN_OBJECT_EVENT, SKINEVENT_COMBO_CHOSEN, LPARAM(seen));
        wnd->PostMessage(WM_SKIN_OBJECT_EVENT, 999, 0);
        wnd->PostMessage(WM_SKIN_OBJECT_EVENT, 16, 0);
    });
    uitest::Watchdog watchdog;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_EQ(dlg.events.size(), 1u);
    EXPECT_EQ(dlg.events[0].code, UINT(SKINEVENT_COMBO_CHOSEN));
    EXPECT_EQ(dlg.events[0].object, seen);
}

TEST_F(SkinDialog, GoneSubtreesCollapseWithOneLayoutAndHiddenGoneObjectsStay)
{
    skintest::CTestSkinDialog dlg(L"D");
    ASSERT_TRUE(dlg.Open());
    SKIN_OBJECT* box = dlg.m_Screen.FindObject(L"box");
    SKIN_OBJECT* after = dlg.m_Screen.FindObject(L"after");
    const int before = after->m_rcObject.left;
    dlg.SetObjectGone(box, TRUE, TRUE);
    EXPECT_EQ(dlg.m_Screen.FindObject(L"inner")->m_nGone, 1);
    EXPECT_EQ(dlg.m_Screen.FindObject(L"deep")->m_nGone, 1);
    EXPECT_EQ(box->m_rcObject.Width(), 0);
    EXPECT_EQ(after->m_rcObject.left, before - 200);
    CString tip;
    dlg.m_ToolTip.GetText(tip, &dlg, 3);
    EXPECT_TRUE(tip.IsEmpty());
    dlg.SetObjectVisible(box, FALSE, TRUE);   // GONE: nothing changes
    EXPECT_EQ(box->m_nVisible, 1);
    dlg.SetObjectGone(box, FALSE, TRUE);
    EXPECT_EQ(after->m_rcObject.left, before);
    dlg.SetObjectVisibleTree(box, FALSE, TRUE);
    EXPECT_EQ(dlg.m_Screen.FindObject(L"deep")->m_nVisible, 0);
    dlg.DestroyWindow();
}

TEST_F(SkinDialog, BordersOfOneAndOfThreePixels)
{
    skintest::CTestSkinDialog one(L"D", TRUE);
    ASSERT_TRUE(one.Open());
    {
        skintest::Snapshot shot(&one);
        EXPECT_EQ(shot.At(0, 100), RGB(255, 255, 255));   // the line is in the frame, not the client
    }
    one.SendMessage(WM_NCPAINT, 1, 0);
    HDC frame = ::GetWindowDC(one.m_hWnd);
    EXPECT_EQ(::GetPixel(frame, 0, 100), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(frame, 100, 0), RGB(255, 0, 0));
    ::ReleaseDC(one.m_hWnd, frame);
    one.DestroyWindow();
    ASSERT_TRUE(skintest::LoadFixtureSkin(LR"(<SCREEN NAME="D3" RECT="0,0,100,100" VISIBLE="1" BGCOLOR="FFFFFF" BORDERSIZE="3" BORDERCOLOR="FF0000"/>)"));
    skintest::CTestSkinDialog three(L"D3");
    ASSERT_TRUE(three.Open());
    skintest::Snapshot shot(&three);
    EXPECT_EQ(shot.At(0, 50), RGB(255, 0, 0));
    EXPECT_EQ(shot.At(1, 50), RGB(255, 0, 0));
    EXPECT_EQ(shot.At(2, 50), RGB(255, 255, 255));
    three.DestroyWindow();
}

TEST_F(SkinDialog, HandCursorOverClickableObjects)
{
    skintest::CTestSkinDialog dlg(L"D");
    ASSERT_TRUE(dlg.Open());
    CPoint pt(150, 120);   // the CUSTOM object with "btn"
    dlg.ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    EXPECT_TRUE(dlg.SendMessage(WM_SETCURSOR, WPARAM(dlg.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
    dlg.DestroyWindow();
}

} // namespace
