// One window with the small controls side by side in their states and with Korean texts, saved
// as a picture to look at: bitmap buttons (normal, checked, held, disabled), the colour and
// picture labels, the flat button, the lock layer and the hint and password edits.
#include "ControlsTestResources.h"
#include "UiControlsSupport.h"
#include "ui/controls/StaticControls.h"
#include "ui/controls/ZELEditCtrl.h"
#include "ui/controls/xSkinButton.h"

namespace {

TEST(ControlsGallery, EveryControlInItsStates)
{
    ctltest::OwnResources resources;
    ctltest::CHostWnd host;
    ASSERT_TRUE(host.Open(440, 220));
    ::SetCursorPos(0, 0);

    const wchar_t* ok = L"\ud655\uc778";
    CxSkinButton buttons[4];
    const DWORD styles[4] = {BS_PUSHBUTTON, BS_AUTOCHECKBOX, BS_PUSHBUTTON, BS_PUSHBUTTON};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(buttons[i].Create(ok, WS_CHILD | WS_VISIBLE | styles[i], CRect(10 + i * 70, 10, 70 + i * 70, 40),
                                      &host, 20140 + i));
        buttons[i].SetSkin(IDB_TEST_NORMAL, IDB_TEST_PRESSED, IDB_TEST_HOVER, IDB_TEST_DISABLED, IDB_TEST_NORMAL, 0, 0,
                           0, 0);
        buttons[i].SetAppFont();
        buttons[i].SetTextColor(RGB(255, 255, 255));
    }
    buttons[1].SetCheck(1);
    buttons[2].SetHeld(TRUE);
    buttons[3].EnableWindow(FALSE);

    CColorStatic label;
    ASSERT_TRUE(label.Create(L"", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 55, 200, 80), &host, 20150));
    label.SetBkColor(RGB(0, 90, 120));
    label.SetTextColor(RGB(255, 255, 255));
    label.SetFontSize(11);
    label.SetText(L"\ud68c\uc758\uc2e4 \uc608\uc57d \ud604\ud669");

    CBmpStatic picture;
    ASSERT_TRUE(picture.Create(L"", WS_CHILD | SS_BITMAP, CRect(220, 58, 236, 74), &host, 20151));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_PICTURE));
    picture.SetBitmap(bitmap);
    picture.ShowWindow(SW_SHOW);

    CColorBtn flat;
    ASSERT_TRUE(flat.Create(L"\uc800\uc7a5", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(250, 52, 330, 82), &host,
                            20152));
    CLockLayer lock;
    ASSERT_TRUE(lock.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(345, 52, 425, 82), &host, 20153));

    CZELEditCtrl hint, password;
    ASSERT_TRUE(hint.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 100, 210, 126), &host, 20154));
    hint.SetHintText(L"\uc544\uc774\ub514\ub97c \uc785\ub825\ud558\uc138\uc694");
    hint.SetWindowText(L"");
    ASSERT_TRUE(password.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(220, 100, 420, 126), &host,
                                20155));
    password.SetHintText(L"\ube44\ubc00\ubc88\ud638");
    password.SetPassword(TRUE);
    password.SetText(L"secret");
    password.SendMessage(EM_SETPASSWORDCHAR, L'*');

    for (CWnd* w : std::initializer_list<CWnd*>{&hint, &password, &label, &flat})
        w->SetFont(buttons[0].GetFont());
    EXPECT_TRUE(hint.IsHintShown());
    EXPECT_EQ(ctltest::Pixel(&buttons[1], 3, 3), RGB(0, 0, 160));
    EXPECT_EQ(ctltest::Pixel(&buttons[2], 3, 3), RGB(128, 128, 128));
    EXPECT_TRUE(ctltest::SaveScreenshot(&host, L"ControlsGallery"));
}

} // namespace
