// The drop shadow window beside a real parent window.
#include <gtest/gtest.h>

#include "platform/Wnd.h"
#include "ui/controls/WndShadow.h"

namespace {

TEST(Shadow, FollowsItsParentAndHidesWhenTheParentIsMinimised)
{
    CWndShadow::Initialize(::GetModuleHandleW(nullptr));
    ASSERT_TRUE(CWndShadow::IsAvailable());
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr));
    CWndShadow shadow;
    shadow.Create(parent.m_hWnd);
    HWND hwnd = shadow.GetShadowWnd();
    ASSERT_TRUE(::IsWindow(hwnd));
    RECT r;
    ::GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, 96);
    EXPECT_EQ(r.top, 96);
    EXPECT_EQ(r.right - r.left, 308);
    EXPECT_EQ(r.bottom - r.top, 208);
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), parent.m_hWnd);
    parent.MoveWindow(200, 150, 300, 200);
    ::GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, 196);
    parent.ShowWindow(SW_MINIMIZE);
    EXPECT_FALSE(::IsWindowVisible(hwnd));
    parent.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(Shadow, AParentMaximisedAtCreationGetsNoVisibleShadow)
{
    CWndShadow::Initialize(::GetModuleHandleW(nullptr));
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP | WS_VISIBLE | WS_MAXIMIZE, 0, 0, 300, 200, nullptr, nullptr));
    CWndShadow shadow;
    shadow.Create(parent.m_hWnd);
    EXPECT_FALSE(::IsWindowVisible(shadow.GetShadowWnd()));
    parent.DestroyWindow();
}

} // namespace
