// The bitmap button on a real window: the picture of each state (pixel probes), clicks, drags
// off and back, held and disabled buttons, check boxes and radio buttons, masks and tooltips.
#include "ControlsTestResources.h"
#include "UiControlsSupport.h"
#include "core/DrawHelpers.h"
#include "ui/controls/xSkinButton.h"

namespace {

using ctltest::Mouse;
using ctltest::Pixel;

const COLORREF kNormal = RGB(0, 128, 0);
const COLORREF kPressed = RGB(0, 0, 160);
const COLORREF kHover = RGB(200, 200, 0);
const COLORREF kDisabled = RGB(128, 128, 128);
const COLORREF kFocus = RGB(0, 160, 160);
const UINT kId = 20100;

class SkinButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Open(300, 120));
        ::SetCursorPos(0, 0);
    }
    void Make(CxSkinButton& button, DWORD style, const wchar_t* text = L"", UINT id = kId, int x = 20)
    {
        ASSERT_TRUE(button.Create(text, WS_CHILD | WS_VISIBLE | style, CRect(x, 20, x + 60, 50), &host, id));
    }
    void Skin(CxSkinButton& button, UINT hover = IDB_TEST_HOVER, UINT mask = 0, short mode = 0)
    {
        button.SetSkin(IDB_TEST_NORMAL, IDB_TEST_PRESSED, hover, IDB_TEST_DISABLED, IDB_TEST_FOCUS, mask, mode, 0, 0);
    }
    int Clicks() const { return host.Count(WM_COMMAND, BN_CLICKED); }
    ctltest::OwnResources resources;
    ctltest::CHostWnd host;
};

TEST_F(SkinButton, PicturesFollowHoverPressAndDrag)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON);
    Skin(button);
    EXPECT_EQ(Pixel(&button, 3, 3), kNormal);

    Mouse(&button, WM_MOUSEMOVE, 5, 5);
    EXPECT_TRUE(button.IsHovered());
    EXPECT_EQ(Pixel(&button, 3, 3), kHover);

    Mouse(&button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_TRUE(button.IsTracking());
    EXPECT_FALSE(button.IsHovered());
    EXPECT_EQ(Pixel(&button, 3, 3), kPressed);

    // Off the button and back: the pushed look follows each crossing of the edge.
    Mouse(&button, WM_MOUSEMOVE, 100, 5, MK_LBUTTON);
    EXPECT_FALSE(button.GetState() & BST_PUSHED);
    EXPECT_EQ(Pixel(&button, 3, 3), kNormal);
    Mouse(&button, WM_MOUSEMOVE, 5, 5, MK_LBUTTON);
    EXPECT_TRUE(button.GetState() & BST_PUSHED);
    EXPECT_EQ(Pixel(&button, 3, 3), kPressed);
    Mouse(&button, WM_MOUSEMOVE, 100, 5, MK_LBUTTON);

    // Released off the button: no click.
    Mouse(&button, WM_LBUTTONUP, 100, 5);
    zeltest::PumpFor(20);
    EXPECT_EQ(Clicks(), 0);
    EXPECT_FALSE(button.IsTracking());

    Mouse(&button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(&button, WM_LBUTTONUP, 5, 5);
    zeltest::PumpFor(20);
    EXPECT_EQ(Clicks(), 1);
    EXPECT_EQ(LOWORD(host.reports.back().wParam), kId);

    // Leaving clears the hover look.
    Mouse(&button, WM_MOUSEMOVE, 5, 5);
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.IsHovered());
    EXPECT_EQ(Pixel(&button, 3, 3), kNormal);
    EXPECT_TRUE(ctltest::SaveScreenshot(&host, L"SkinButton"));
}

TEST_F(SkinButton, DoubleClickCountsAsTwoClicks)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON);
    Skin(button);
    Mouse(&button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(&button, WM_LBUTTONUP, 5, 5);
    Mouse(&button, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    Mouse(&button, WM_LBUTTONUP, 5, 5);
    zeltest::PumpFor(20);
    EXPECT_EQ(Clicks(), 2);
}

TEST_F(SkinButton, HeldAndDisabledButtons)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON);
    Skin(button);
    button.SetHeld(TRUE);
    EXPECT_TRUE(button.IsWindowEnabled());
    EXPECT_EQ(Pixel(&button, 3, 3), kDisabled);
    Mouse(&button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(&button, WM_LBUTTONUP, 5, 5);
    zeltest::PumpFor(20);
    EXPECT_EQ(Clicks(), 0);
    EXPECT_EQ(Pixel(&button, 3, 3), kDisabled);

    ::SetCursorPos(0, 0);
    button.SendMessage(WM_MOUSELEAVE);
    button.SetHeld(FALSE);
    EXPECT_EQ(Pixel(&button, 3, 3), kNormal);
    button.EnableWindow(FALSE);
    EXPECT_EQ(Pixel(&button, 3, 3), kDisabled);

    // Without a disabled picture the normal one stands in.
    button.SetSkin(IDB_TEST_NORMAL, IDB_TEST_PRESSED, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_TRUE(button.HasPicture(SKINPIC_DISABLED));
    button.Invalidate();
    EXPECT_EQ(Pixel(&button, 3, 3), kNormal);

    // No pictures at all: the plain button face.
    button.SetSkin(0, 0, 0, 0, 0, 0, 0, 0, 0);
    button.EnableWindow(TRUE);
    EXPECT_FALSE(button.HasPicture(SKINPIC_DISABLED));
    EXPECT_EQ(Pixel(&button, 3, 3), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(SkinButton, FocusPictureOnlyWithoutAHoverPicture)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON);
    Skin(button, 0);
    button.SetFocus();
    Mouse(&button, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(Pixel(&button, 3, 3), kFocus);
    Skin(button, IDB_TEST_HOVER);
    button.Invalidate();
    EXPECT_EQ(Pixel(&button, 3, 3), kHover);
}

TEST_F(SkinButton, CheckBoxAndRadioButton)
{
    CxSkinButton check, radio, push;
    Make(check, BS_AUTOCHECKBOX, L"", kId, 10);
    Make(radio, BS_AUTORADIOBUTTON, L"", kId + 1, 80);
    Make(push, BS_PUSHBUTTON, L"", kId + 2, 150);
    for (CxSkinButton* b : {&check, &radio, &push})
        Skin(*b);
    EXPECT_EQ(check.GetKind(), SKINBUTTON_CHECKBOX);
    EXPECT_EQ(radio.GetKind(), SKINBUTTON_RADIO);
    EXPECT_EQ(push.GetKind(), SKINBUTTON_PUSH);
    EXPECT_TRUE((check.GetStyle() & 0xF) == BS_OWNERDRAW);

    auto click = [](CxSkinButton& b) {
        Mouse(&b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        Mouse(&b, WM_LBUTTONUP, 5, 5);
        Mouse(&b, WM_MOUSEMOVE, 200, 200);
        b.SendMessage(WM_MOUSELEAVE);
    };
    click(check);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_EQ(Pixel(&check, 3, 3), kPressed);   // a checked box looks pressed
    click(check);
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(Pixel(&check, 3, 3), kNormal);
    check.SetFocus();
    check.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);

    click(radio);
    click(radio);
    EXPECT_EQ(radio.GetCheck(), BST_CHECKED);   // a radio button only sets
    radio.SendMessage(WM_SKINBUTTON_UNCHECK);
    EXPECT_EQ(radio.GetCheck(), BST_UNCHECKED);
    push.SetCheck(1);
    EXPECT_EQ(push.GetCheck(), BST_UNCHECKED);  // a push button is never checked
    push.SendMessage(WM_SKINBUTTON_UNCHECK);
    zeltest::PumpFor(20);
    EXPECT_EQ(host.Count(WM_COMMAND, BN_CLICKED), 4);
}

TEST_F(SkinButton, DrawModesAndTheMask)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON);
    const struct {
        short given;
        short kept;
    } modes[] = {{5, 3}, {-1, 0}, {1, 1}, {2, 2}};
    for (const auto& m : modes) {
        button.SetSkin(IDB_TEST_NORMAL, 0, 0, 0, 0, 0, m.given, 0, 0);
        EXPECT_EQ(button.GetDrawMode(), m.kept) << m.given;
    }

    // Modes 1 to 3 keep the size with a mask; mode 0 takes the mask's size.
    button.SetSkin(IDB_TEST_NORMAL, 0, 0, 0, 0, IDB_TEST_MASK_ROUND, 1, 0, 0);
    CRect rc;
    button.GetWindowRect(&rc);
    EXPECT_EQ(rc.Size(), CSize(60, 30));
    button.SetSkin(IDB_TEST_NORMAL, 0, 0, 0, 0, IDB_TEST_MASK_ROUND, 0, 0, 0);
    button.GetWindowRect(&rc);
    EXPECT_EQ(rc.Size(), CSize(40, 20));

    // The window is cut to the mask's opaque pixels.
    HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(button.GetWindowRgn(rgn), ERROR);
    EXPECT_FALSE(::PtInRegion(rgn, 0, 0));
    EXPECT_FALSE(::PtInRegion(rgn, 39, 19));
    EXPECT_TRUE(::PtInRegion(rgn, 3, 0));
    EXPECT_TRUE(::PtInRegion(rgn, 20, 10));
    ::DeleteObject(rgn);
    EXPECT_EQ(Pixel(&button, 20, 10), kNormal);

    // A mask whose rows end opaque: each row's run reaches the right edge.
    HRGN cut = button.CreateRgnFromBitmap((HBITMAP)::LoadImageW(::GetModuleHandleW(nullptr),
        MAKEINTRESOURCEW(IDB_TEST_MASK_LEFT), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION), RGB(255, 0, 255));
    ASSERT_NE(cut, nullptr);
    CRect box;
    ::GetRgnBox(cut, &box);
    EXPECT_EQ(box, CRect(10, 0, 30, 12));
    ::DeleteObject(cut);
    EXPECT_EQ(button.CreateRgnFromBitmap(nullptr, 0), nullptr);
}

TEST_F(SkinButton, TiledAndRightAlignedPictures)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON);
    button.SetSkin(IDB_TEST_TILE, 0, 0, 0, 0, 0, SKINDRAW_TILE, 0, 0);
    // The 7 x 5 tile's first column is red: every seventh column of the button.
    EXPECT_EQ(Pixel(&button, 0, 1), RGB(200, 0, 0));
    EXPECT_EQ(Pixel(&button, 7, 6), RGB(200, 0, 0));
    EXPECT_EQ(Pixel(&button, 56, 26), RGB(200, 0, 0));
    EXPECT_EQ(Pixel(&button, 8, 1), RGB(0, 0, 200));
    // Mode 3: the picture's own width against the right edge; the face elsewhere.
    button.SetSkin(IDB_TEST_TILE, 0, 0, 0, 0, 0, SKINDRAW_STRETCH_RIGHT, 0, 0);
    button.Invalidate();
    EXPECT_EQ(Pixel(&button, 53, 10), RGB(200, 0, 0));
    EXPECT_EQ(Pixel(&button, 58, 10), RGB(0, 0, 200));
    EXPECT_EQ(Pixel(&button, 20, 10), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(SkinButton, ToolTipIsMadeOnceAndUpdated)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON, L"\ud655\uc778");
    Skin(button);
    button.SetToolTipColor(RGB(1, 2, 3), RGB(4, 5, 6));   // no tooltip yet: nothing happens
    EXPECT_EQ(button.GetToolTip().m_hWnd, nullptr);
    button.SetToolTipText(L"\ud68c\uc758 \uc5f4\uae30");
    CToolTipPelk& tip = button.GetToolTip();
    ASSERT_NE(tip.m_hWnd, nullptr);
    EXPECT_EQ(tip.GetToolCount(), 1);
    EXPECT_EQ(tip.GetMaxTipWidth(), 160);
    CString text;
    tip.GetText(text, &button, 0);
    EXPECT_EQ(text, CString(L"\ud68c\uc758 \uc5f4\uae30"));
    button.SetToolTipText(L"\ub2eb\uae30");
    EXPECT_EQ(tip.GetToolCount(), 1);
    tip.GetText(text, &button, 0);
    EXPECT_EQ(text, CString(L"\ub2eb\uae30"));
    button.SetToolTipColor(RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(tip.GetTipTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(tip.GetTipBkColor(), RGB(4, 5, 6));
    // The pointer's moves reach the tooltip without upsetting the button.
    Mouse(&button, WM_MOUSEMOVE, 5, 5);
    EXPECT_TRUE(button.IsHovered());

    CToolTipPelk own;
    ASSERT_TRUE(own.CreateTip(&host, &button, L"\uc124\uba85"));
    EXPECT_EQ(own.GetToolCount(), 1);
    EXPECT_EQ(own.GetMaxTipWidth(), 400);
    EXPECT_EQ(own.GetDelayTime(TTDT_AUTOPOP), 5000);
    EXPECT_TRUE(own.GetStyle() & TTS_NOPREFIX);
}

TEST_F(SkinButton, TextColourAndFont)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON, L"\ud655\uc778");
    Skin(button);
    EXPECT_EQ(button.SetTextColor(RGB(255, 255, 255)), ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(button.SetTextColor(RGB(250, 250, 250)), RGB(255, 255, 255));
    button.SetAppFont();
    LOGFONT lf = {};
    ASSERT_TRUE(::GetObjectW((HFONT)button.SendMessage(WM_GETFONT), sizeof(lf), &lf));
    EXPECT_EQ(lf.lfCharSet, HANGUL_CHARSET);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    HDC dc = ::GetDC(button.m_hWnd);
    EXPECT_EQ(lf.lfHeight, -MulDiv(GetDefaultFontSize(), ::GetDeviceCaps(dc, LOGPIXELSY), 72));
    ::ReleaseDC(button.m_hWnd, dc);
    // White text over the green picture somewhere in the middle.
    button.Invalidate();
    int white = 0;
    for (int x = 10; x < 50; ++x)
        for (int y = 8; y < 22; ++y)
            white += Pixel(&button, x, y) == RGB(250, 250, 250) ? 1 : 0;
    EXPECT_GT(white, 5);
}

// A click whose handler runs a modal loop (the title bar's menu) leaves the button without its
// leave notice: the hover look then follows where the pointer is, not where it was.
TEST_F(SkinButton, HoverFollowsThePointerAfterAModalClick)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON);
    Skin(button);
    CRect rc;
    button.GetWindowRect(&rc);
    struct Case { const char* where; POINT pointer; BOOL hovered; COLORREF look; };
    const Case cases[] = {
        {"pointer gone to the menu", {rc.right + 80, rc.bottom + 40}, FALSE, kNormal},
        {"pointer still on the button", {rc.CenterPoint().x, rc.CenterPoint().y}, TRUE, kHover},
    };
    for (const Case& c : cases) {
        Mouse(&button, WM_MOUSEMOVE, 5, 5);
        ASSERT_TRUE(button.IsHovered()) << c.where;
        ::SetCursorPos(c.pointer.x, c.pointer.y);
        button.RefreshHover();
        EXPECT_EQ(button.IsHovered(), c.hovered) << c.where;
        EXPECT_EQ(Pixel(&button, 3, 3), c.look) << c.where;
        button.SendMessage(WM_MOUSELEAVE);
        ::SetCursorPos(0, 0);
    }
}

// The loop can also take the release of the press that opened it (Escape closing the menu): the
// button is then no longer shown pushed once the pointer is elsewhere.
TEST_F(SkinButton, APressWhoseReleaseAModalLoopTookEnds)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON);
    Skin(button);
    CRect rc;
    button.GetWindowRect(&rc);
    button.SetState(TRUE);
    ASSERT_EQ(Pixel(&button, 3, 3), kPressed);
    ::SetCursorPos(rc.right + 80, rc.bottom + 40);
    button.RefreshHover();
    EXPECT_EQ(button.GetState() & BST_PUSHED, 0u);
    EXPECT_EQ(Pixel(&button, 3, 3), kNormal);
    button.SetFocus();
    EXPECT_EQ(Pixel(&button, 3, 3), kNormal) << "focused";
    ::SetCursorPos(0, 0);
}

TEST_F(SkinButton, LosingFocusOrCancellingEndsAPress)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON);
    Skin(button);
    Mouse(&button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    ASSERT_EQ(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(::GetFocus(), button.m_hWnd);
    host.SetFocus();
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_FALSE(button.IsTracking());

    Mouse(&button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    ASSERT_EQ(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(button.CancelTracking(), 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_FALSE(button.IsTracking());
    Mouse(&button, WM_LBUTTONUP, 100, 5);
    zeltest::PumpFor(20);
    EXPECT_EQ(Clicks(), 0);
}

TEST_F(SkinButton, TextFontIsOnePointSmaller)
{
    CxSkinButton button;
    Make(button, BS_PUSHBUTTON, L"\ud655\uc778");
    CClientDC dc(&button);
    HGDIOBJ original = ::GetCurrentObject(dc.m_hDC, OBJ_FONT);
    button.SelectTextFont(&dc);
    LOGFONT lf = {};
    ASSERT_TRUE(::GetObjectW(::GetCurrentObject(dc.m_hDC, OBJ_FONT), sizeof(lf), &lf));
    EXPECT_EQ(lf.lfHeight, -MulDiv(GetDefaultFontSize() - 1, dc.GetDeviceCaps(LOGPIXELSY), 72));
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_EQ(CString(lf.lfFaceName), GetDefaultFontName());
    button.SelectTextFont(&dc);   // again: the font in use stays valid
    EXPECT_NE(::GetObjectType(::GetCurrentObject(dc.m_hDC, OBJ_FONT)), 0u);
    ::SelectObject(dc.m_hDC, original);
}

} // namespace
