// The scroll view: a drawing larger than its window, made through its run-time class, scrolled
// by position, scroll bar and wheel, and drawn with the origin moved to the scroll position.
#include "platform/UI.h"

#include <gtest/gtest.h>

#include "tests/platform/UiTestSupport.h"

namespace {

const COLORREF kBand = RGB(250, 120, 0);

// Draws a 150 x 600 picture: white, with an orange band from y = 400 to 420.
class CTallView : public CScrollView {
    DECLARE_DYNCREATE(CTallView)
public:
    static int s_deleted;
    int m_initialUpdates = 0;
    ~CTallView() override { ++s_deleted; }
    void OnInitialUpdate() override
    {
        CScrollView::OnInitialUpdate();
        ++m_initialUpdates;
        SetScrollSizes(MM_TEXT, CSize(150, 600));
    }
    void OnDraw(CDC* pDC) override
    {
        pDC->FillSolidRect(0, 0, 150, 600, RGB(255, 255, 255));
        pDC->FillSolidRect(0, 400, 150, 20, kBand);
    }
};

int CTallView::s_deleted = 0;
IMPLEMENT_DYNCREATE(CTallView, CScrollView)

class ScrollViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, L"views", WS_POPUP | WS_VISIBLE, 20, 20, 240, 240, nullptr, nullptr));
        m_view = static_cast<CTallView*>(RUNTIME_CLASS(CTallView)->CreateObject());
        ASSERT_NE(m_view, nullptr);
        ASSERT_TRUE(m_view->Create(nullptr, nullptr, WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 200, 200), &m_parent, 1));
        m_view->SendMessage(WM_INITIALUPDATE);
    }
    CWnd m_parent;
    CTallView* m_view = nullptr;
};

TEST_F(ScrollViewFixture, ScrollsWithinItsDrawing)
{
    EXPECT_EQ(m_view->m_initialUpdates, 1);
    EXPECT_EQ(m_view->GetTotalSize(), CSize(150, 600));
    // Only the vertical bar: the drawing is narrower than the window.
    SCROLLINFO horizontal = {};
    m_view->GetScrollInfo(SB_HORZ, &horizontal);
    EXPECT_GE(horizontal.nPage, (UINT)horizontal.nMax + 1);
    CRect client;
    m_view->GetClientRect(&client);
    const int lastPosition = 600 - client.Height();
    m_view->ScrollToPosition(CPoint(0, 390));
    EXPECT_EQ(m_view->GetScrollPosition(), CPoint(0, 390));
    EXPECT_EQ(m_view->GetScrollPos(SB_VERT), 390);
    // Beyond the end and before the start the position stops at the ends.
    m_view->ScrollToPosition(CPoint(0, 5000));
    EXPECT_EQ(m_view->GetScrollPosition().y, lastPosition);
    m_view->ScrollToPosition(CPoint(0, -20));
    EXPECT_EQ(m_view->GetScrollPosition().y, 0);

    m_view->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(m_view->GetScrollPosition().y, 60);   // a page is a tenth of the total
    m_view->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(m_view->GetScrollPosition().y, 66);   // a line is a tenth of a page
    m_view->SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(m_view->GetScrollPosition().y, lastPosition);
    m_view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(30, 30));
    EXPECT_LT(m_view->GetScrollPosition().y, lastPosition);
}

TEST_F(ScrollViewFixture, DrawsAtTheScrolledOrigin)
{
    m_view->ScrollToPosition(CPoint(0, 390));
    m_view->Invalidate();
    m_view->UpdateWindow();
    // The band at y = 400..420 of the drawing shows at client y = 10..30.
    EXPECT_EQ(uitest::PixelWhenSettled(m_view->m_hWnd, 50, 20, kBand), kBand);
    EXPECT_EQ(uitest::PixelWhenSettled(m_view->m_hWnd, 50, 60, RGB(255, 255, 255)), RGB(255, 255, 255));
}

TEST_F(ScrollViewFixture, ViewGoesWithItsWindow)
{
    const int before = CTallView::s_deleted;
    m_parent.DestroyWindow();
    EXPECT_EQ(CTallView::s_deleted, before + 1);
}

}  // namespace
