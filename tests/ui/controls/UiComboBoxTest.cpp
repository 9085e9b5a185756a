// The two owner-painted combo boxes on real windows: what the closed box shows and in which
// colours, and the drop button following the mouse.
#include <gtest/gtest.h>

#include <functional>

#include "resources/resource.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "ui/controls/ZELComboBox.h"

namespace {

// How many pixels of the window's client rectangle pass the test.
int CountPixels(CWnd* wnd, const CRect& rc, const std::function<bool(COLORREF)>& test)
{
    ::RedrawWindow(wnd->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CClientDC dc(wnd);
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += test(dc.GetPixel(x, y)) ? 1 : 0;
    return n;
}

bool Inked(COLORREF c) { return GetRValue(c) < 160 && GetGValue(c) < 160 && GetBValue(c) < 160; }
bool Orange(COLORREF c) { return GetRValue(c) > 150 && GetBValue(c) < 100 && GetRValue(c) > GetGValue(c) + 40; }
bool Blue(COLORREF c) { return GetBValue(c) > GetRValue(c) + 50 && GetBValue(c) > GetGValue(c) + 50; }

class ComboBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(host.Open(400, 300, 60, 40));
    }
    void TearDown() override { host.DestroyWindow(); }
    ctltest::ShippedResources resources;
    ctltest::CHostWnd host;
};

TEST_F(ComboBoxes, StoredTextOverridesTheSelectionUntilCleared)
{
    ZELComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 210, 200), &host, 3001));
    combo.AddString(L"10분");
    combo.AddString(L"20분");
    CRect client;
    combo.GetClientRect(&client);
    const CRect textArea(5, 2, client.right - 22, client.bottom);

    // Nothing chosen, nothing stored: only the white box and the glyph.
    EXPECT_STREQ(combo.GetShownText(), L"");
    EXPECT_EQ(CountPixels(&combo, textArea, Inked), 0);
    EXPECT_GT(CountPixels(&combo, CRect(client.right - 20, 0, client.right, client.bottom), Inked), 0);

    combo.SetCurSel(1);
    EXPECT_STREQ(combo.GetShownText(), L"20분");
    combo.SetText(L"직접 입력");
    EXPECT_STREQ(combo.GetShownText(), L"직접 입력");
    EXPECT_GT(CountPixels(&combo, textArea, Inked), 0);
    zeltest::PumpFor(100);
    ctltest::SaveScreenshot(&combo, L"ZELComboBox");
    combo.ClearText();
    EXPECT_STREQ(combo.GetShownText(), L"20분");
    combo.DestroyWindow();
}

TEST_F(ComboBoxes, SkinComboColoursTheNothingChosenEntryOrange)
{
    CString special;
    ASSERT_TRUE(special.LoadString(IDS_COMBO_PLACEHOLDER));
    CZELSkinComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 210, 200), &host, 3002));
    combo.AddString(special);
    combo.AddString(L"김철수");
    CRect client;
    combo.GetClientRect(&client);
    const CRect textArea(2, 2, client.right - 22, client.bottom - 2);

    EXPECT_EQ(CountPixels(&combo, textArea, Inked), 0);   // nothing selected: no text
    combo.SetCurSel(0);
    EXPECT_GT(CountPixels(&combo, textArea, Orange), 0);
    EXPECT_EQ(CountPixels(&combo, textArea, Blue), 0);
    zeltest::PumpFor(100);
    ctltest::SaveScreenshot(&combo, L"CZELSkinComboBox");
    combo.SetCurSel(1);
    EXPECT_GT(CountPixels(&combo, textArea, Blue), 0);
    EXPECT_EQ(CountPixels(&combo, textArea, Orange), 0);
    // The border in its colour.
    EXPECT_EQ(ctltest::Pixel(&combo, 40, 0), RGB(235, 235, 235));
    combo.DestroyWindow();
}

TEST_F(ComboBoxes, SkinComboDropButtonFollowsTheMouseAndAgainAfterTheListCloses)
{
    CZELSkinComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 210, 200), &host, 3003));
    combo.AddString(L"모두에게");
    CRect client;
    combo.GetClientRect(&client);
    const CPoint dropFace(client.right - 15, 3);   // the drop picture's face: white, grey when hovered

    combo.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));
    EXPECT_TRUE(combo.IsHover());
    EXPECT_EQ(::GetCapture(), combo.GetSafeHwnd());
    EXPECT_EQ(ctltest::Pixel(&combo, dropFace.x, dropFace.y), RGB(200, 200, 200));
    combo.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-30, 5));
    EXPECT_FALSE(combo.IsHover());
    EXPECT_NE(::GetCapture(), combo.GetSafeHwnd());
    EXPECT_EQ(ctltest::Pixel(&combo, dropFace.x, dropFace.y), RGB(255, 255, 255));

    combo.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
    EXPECT_TRUE(combo.IsPressed());
    combo.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
    combo.ShowDropDown(FALSE);
    zeltest::PumpFor(50);
    EXPECT_FALSE(combo.IsPressed());
    combo.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));
    EXPECT_TRUE(combo.IsHover());
    ::ReleaseCapture();
    combo.DestroyWindow();
}

}  // namespace
