#include <gtest/gtest.h>

#include "platform/UI.h"
#include "tests/platform/UiTestSupport.h"
#include "tools/logviewer/MySplitterDialog.h"

namespace {

const WORD kLeftId = 101;
const WORD kRightId = 102;
const UINT kProbe = WM_USER + 77;

// A splitter dialog from a template in memory, with two edits as its panes.
class CTestSplitter : public CMySplitterDialog {
public:
    CTestSplitter() : CMySplitterDialog(0, nullptr) {}
    bool Make(const wchar_t* className)
    {
        uitest::DialogTemplate t(WS_POPUP | WS_CAPTION | WS_THICKFRAME, 300, 160, L"splitter", className);
        t.Add(0x0081, kLeftId, WS_BORDER, 0, 20, 100, 100);
        t.Add(0x0081, kRightId, WS_BORDER, 120, 20, 100, 100);
        m_template = t;
        if (!CreateIndirect(m_template.Get(), nullptr)) return false;
        m_left.Attach(::GetDlgItem(m_hWnd, kLeftId));
        m_right.Attach(::GetDlgItem(m_hWnd, kRightId));
        return true;
    }
    void Panes(int leftMargin = 0, int rightMargin = 0)
    {
        S_SPLITTER_PANE* left = new S_SPLITTER_PANE;
        left->pControl = &m_left;
        left->nMargin = leftMargin;
        S_SPLITTER_PANE* right = new S_SPLITTER_PANE;
        right->pControl = &m_right;
        right->nMargin = rightMargin;
        SetPanes(left, right);
    }
    void Close()
    {
        m_left.Detach();
        m_right.Detach();
        DestroyWindow();
    }
    CRect ChildRect(CWnd& child)
    {
        CRect rc;
        child.GetWindowRect(&rc);
        ScreenToClient(&rc);
        return rc;
    }
    CWnd m_left;
    CWnd m_right;
    uitest::DialogTemplate m_template{0, 0, 0};
};

int g_probesSeen = 0;

LRESULT CALLBACK CountingDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe) ++g_probesSeen;
    return ::DefDlgProcW(hWnd, message, wParam, lParam);
}

TEST(MySplitterDialog, LaysThePanesOutAtFortyPercentAndKeepsTheMinimumsWhenDragged)
{
    uitest::Watchdog watchdog;
    CTestSplitter dlg;
    ASSERT_TRUE(dlg.Make(nullptr));
    dlg.Panes(3, 5);
    CRect client;
    dlg.GetClientRect(&client);
    const int W = client.Width(), H = client.Height(), split = W * 40 / 100;
    EXPECT_EQ(dlg.ChildRect(dlg.m_left), CRect(3, 30, split - 2, H));
    EXPECT_EQ(dlg.ChildRect(dlg.m_right), CRect(split + 2, 30, W - 5, H));
    EXPECT_EQ(dlg.GetSplitterRect(), CRect(split - 2, 0, split + 2, H));

    dlg.MoveSplitter(10);   // beyond the left pane's minimum: stops at margin + 50
    EXPECT_EQ(dlg.GetSplitterRect().left, 53 - 2);
    EXPECT_EQ(dlg.ChildRect(dlg.m_left).Width(), 53 - 3 - 2);
    dlg.MoveSplitter(W + 40);   // beyond the right edge: stops at W - margin - 50
    EXPECT_EQ(dlg.GetSplitterRect().right, W - 55 + 2);
    EXPECT_EQ(dlg.ChildRect(dlg.m_right), CRect(W - 55 + 2, 30, W - 5, H));

    // Dragging with the mouse moves the bar as well.
    const int x = W / 2;
    dlg.MoveSplitter(x);
    dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
    dlg.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 20, 5));
    dlg.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x + 30, 5));
    EXPECT_EQ(dlg.GetSplitterRect().left, x + 30 - 2);
    dlg.Close();
}

TEST(MySplitterDialog, ResizingFollowsTheFrameAndShrinkingStopsAtTheMinimum)
{
    uitest::Watchdog watchdog;
    CTestSplitter dlg;
    ASSERT_TRUE(dlg.Make(nullptr));
    dlg.Panes();
    const CRect bar = dlg.GetSplitterRect();
    dlg.SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    CRect client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(dlg.ChildRect(dlg.m_right), CRect(bar.right, 30, client.Width(), client.Height()));
    EXPECT_EQ(dlg.ChildRect(dlg.m_left).Height(), client.Height() - 30);

    RECT proposed = {100, 100, 110, 110};
    dlg.SendMessage(WM_SIZING, WMSZ_BOTTOMRIGHT, (LPARAM)&proposed);
    EXPECT_EQ(proposed.right - proposed.left, bar.right + 8 + 50);
    EXPECT_EQ(proposed.bottom - proposed.top, 30 + 100 + 8);
    EXPECT_EQ(proposed.left, 100);
    RECT fromLeft = {100, 100, 110, 110};
    dlg.SendMessage(WM_SIZING, WMSZ_TOPLEFT, (LPARAM)&fromLeft);
    EXPECT_EQ(fromLeft.right, 110);
    EXPECT_EQ(fromLeft.bottom, 110);
    EXPECT_EQ(fromLeft.right - fromLeft.left, bar.right + 8 + 50);
    dlg.Close();
}

TEST(MySplitterDialog, DialogsOfDifferentClassesEachKeepTheirOwnWindowProcedure)
{
    uitest::Watchdog watchdog;
    WNDCLASSW wc = {};
    ASSERT_TRUE(::GetClassInfoW(nullptr, L"#32770", &wc));
    wc.lpfnWndProc = CountingDialogProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = L"ZelCountingDialog";
    ASSERT_TRUE(AfxRegisterClass(&wc));

    CTestSplitter counting, standard;
    ASSERT_TRUE(counting.Make(L"ZelCountingDialog"));
    ASSERT_TRUE(standard.Make(nullptr));
    counting.Panes();
    standard.Panes();
    g_probesSeen = 0;
    standard.SendMessage(kProbe);
    EXPECT_EQ(g_probesSeen, 0);
    counting.SendMessage(kProbe);
    EXPECT_EQ(g_probesSeen, 1);

    RECT proposed = {0, 0, 10, 10};
    standard.SendMessage(WM_SIZING, WMSZ_RIGHT, (LPARAM)&proposed);
    EXPECT_GT(proposed.right, 10);
    counting.Close();
    // A dialog that is gone is no longer limited.
    standard.Close();
}

}  // namespace
