// Everyday window operations the screens lean on: timers through the message map, capture,
// scroll limits, centring, finding descendants and the tooltip control's tool list.
#include "platform/UI.h"

#include <gtest/gtest.h>

#include "tests/platform/UiTestSupport.h"

namespace {

class CTimerWnd : public CWnd {
public:
    std::vector<UINT_PTR> m_ticks;
protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        m_ticks.push_back(nIDEvent);
        KillTimer(nIDEvent);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimerWnd, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(UiWndOps, TimersArriveWithTheirIds)
{
    CTimerWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"timers", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.SetTimer(4001, 10);
    wnd.SetTimer(4002, 20);
    EXPECT_TRUE(zeltest::PumpUntil([&] { return wnd.m_ticks.size() == 2; }, 3000));
    EXPECT_EQ(wnd.m_ticks, (std::vector<UINT_PTR>{ 4001, 4002 }));
}

TEST(UiWndOps, CaptureAndRelease)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"capture", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr));
    wnd.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &wnd);
    ::ReleaseCapture();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST(UiWndOps, ScrollLimitLeavesOutTheLastPage)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"scroll", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, nullptr));
    struct Case { int max; UINT page; int limit; };
    const Case cases[] = { { 99, 10, 90 }, { 99, 1, 99 }, { 99, 0, 99 } };
    for (const Case& c : cases) {
        SCROLLINFO info = {};
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMax = c.max;
        info.nPage = c.page;
        wnd.SetScrollInfo(SB_VERT, &info);
        EXPECT_EQ(wnd.GetScrollLimit(SB_VERT), c.limit) << "page " << c.page;
    }
    wnd.SetScrollPos(SB_VERT, 40);
    EXPECT_EQ(wnd.GetScrollPos(SB_VERT), 40);
}

TEST(UiWndOps, CenterWindowOnTheOwner)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, L"popup", WS_POPUP, 0, 0, 100, 50, owner.m_hWnd, nullptr));
    popup.CenterWindow();
    CRect rect;
    popup.GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(250, 225));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"child", 0, CRect(0, 0, 40, 20), &owner, 77));
    child.CenterWindow();
    child.GetWindowRect(&rect);
    owner.ScreenToClient(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(180, 140));
}

TEST(UiWndOps, DescendantsByIdAndFromTheTopLevel)
{
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, nullptr, L"top", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr));
    CWnd panel;
    ASSERT_TRUE(panel.Create(nullptr, L"panel", 0, CRect(0, 0, 100, 100), &top, 5));
    HWND deep = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, panel.m_hWnd, (HMENU)9, nullptr, nullptr);
    EXPECT_EQ(top.GetDescendantWindow(9)->m_hWnd, deep);
    EXPECT_EQ(top.GetDescendantWindow(9, TRUE), nullptr);   // not a permanent object
    EXPECT_EQ(top.GetDescendantWindow(5, TRUE), &panel);
    EXPECT_EQ(CWnd::FromHandle(deep)->GetTopLevelParent(), &top);
    EXPECT_EQ(top.GetDlgItem(5), &panel);
}

TEST(UiWndOps, TooltipToolsAreAddedFoundAndDeleted)
{
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, nullptr, L"tips", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr));
    CWnd button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"b", WS_VISIBLE, CRect(10, 10, 60, 30), &top, 3));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&top));
    EXPECT_TRUE(tips.AddTool(&button, L"press me"));
    EXPECT_TRUE(tips.AddTool(&top, L"area", CRect(100, 100, 150, 150), 42));
    EXPECT_EQ(tips.GetToolCount(), 2);
    TTTOOLINFOW info;
    EXPECT_TRUE(tips.GetToolInfo(info, &button));
    EXPECT_FALSE(tips.GetToolInfo(info, &top, 43));
    tips.UpdateTipText(L"changed", &button);
    CString text;
    tips.GetText(text, &button);
    EXPECT_STREQ(text, L"changed");
    tips.SetToolRect(&top, 42, CRect(0, 0, 5, 5));
    ASSERT_TRUE(tips.GetToolInfo(info, &top, 42));
    EXPECT_EQ(CRect(info.rect), CRect(0, 0, 5, 5));
    tips.DelTool(&button);
    EXPECT_EQ(tips.GetToolCount(), 1);
    tips.SetMaxTipWidth(300);
    EXPECT_EQ(tips.GetMaxTipWidth(), 300);
}

}  // namespace
