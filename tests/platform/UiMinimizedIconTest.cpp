// A minimised window's paint: the icon in the middle, drawn only while the window is minimised.
#include "platform/UI.h"

#include <gtest/gtest.h>

namespace {

class CIconWnd : public CWnd {
public:
    int m_nIconErases = 0;
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ICONERASEBKGND) ++m_nIconErases;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(UiMinimizedIcon, OnlyAMinimizedWindowGetsTheIcon)
{
    // The system sends a minimised window no paint of its own here (its client area is empty),
    // so the paint is called as a WM_PAINT handler would call it.
    CIconWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"icon", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 150, nullptr, nullptr));
    HICON hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    EXPECT_FALSE(zel::PaintMinimizedIcon(wnd, hIcon));
    EXPECT_EQ(wnd.m_nIconErases, 0);

    wnd.ShowWindow(SW_MINIMIZE);
    ASSERT_TRUE(wnd.IsIconic());
    wnd.m_nIconErases = 0;
    EXPECT_TRUE(zel::PaintMinimizedIcon(wnd, hIcon));
    EXPECT_EQ(wnd.m_nIconErases, 1);

    wnd.ShowWindow(SW_RESTORE);
    EXPECT_FALSE(zel::PaintMinimizedIcon(wnd, hIcon));
    EXPECT_EQ(wnd.m_nIconErases, 1);
    wnd.DestroyWindow();
}

}  // namespace
