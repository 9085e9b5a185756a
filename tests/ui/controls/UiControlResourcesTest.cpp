// The templates and pictures the pop-ups and controls take from the three language libraries.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/ui/controls/UiControlsSupport.h"

namespace {

class ControlResources : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(ControlResources, SkinnedDialogTemplatesArePopupAndChild)
{
    ctltest::ShippedResources library(GetParam());
    ASSERT_TRUE(library.Ok());
    ctltest::CHostWnd host;
    ASSERT_TRUE(host.Open(300, 200));
    CDialog popup;
    ASSERT_TRUE(popup.Create(IDD_SKIN_POPUP, &host));
    EXPECT_TRUE(popup.GetStyle() & WS_POPUP);
    EXPECT_FALSE(popup.GetStyle() & WS_CAPTION);
    popup.DestroyWindow();
    CDialog child;
    ASSERT_TRUE(child.Create(IDD_SKIN_CHILD, &host));
    EXPECT_TRUE(child.GetStyle() & WS_CHILD);
    EXPECT_EQ(child.GetParent(), &host);
    child.DestroyWindow();
    // The pop-ups' templates hold the controls they bind.
    struct Template { UINT id; std::vector<int> controls; } templates[] = {
        {IDD_YES_NO_POPUP, {IDOK, IDCANCEL, IDC_POPUP_HEADING, IDC_POPUP_MESSAGE, IDC_POPUP_EXTRA}},
        {IDD_CONFIRM_POPUP, {IDOK, IDC_POPUP_HEADING, IDC_POPUP_MESSAGE}},
        {IDD_OK_CANCEL, {IDOK, IDCANCEL, IDC_OK_CANCEL_CLOSE}},
        {IDD_COMMON_DLG, {IDOK}},
        {IDD_POPUP_BASE, {}},
        {IDD_TOAST, {}},
    };
    for (const Template& t : templates) {
        CDialog dlg;
        ASSERT_TRUE(dlg.Create(t.id, &host)) << t.id;
        EXPECT_FALSE(dlg.GetStyle() & WS_CAPTION) << t.id;
        for (int id : t.controls)
            EXPECT_NE(::GetDlgItem(dlg.GetSafeHwnd(), id), nullptr) << t.id << "/" << id;
        dlg.DestroyWindow();
    }
    host.DestroyWindow();
}

TEST_P(ControlResources, PicturesAndStringsAreThere)
{
    ctltest::ShippedResources library(GetParam());
    ASSERT_TRUE(library.Ok());
    struct Picture { UINT first, last; int cx, cy; } pictures[] = {
        {IDB_CANCEL_DISABLED, IDB_CANCEL_DOWN, 90, 27}, {IDB_NO_DISABLED, IDB_YES_DOWN, 90, 27},
        {IDB_BUTTON_MASK, IDB_BUTTON_MASK, 90, 27}, {IDB_SMALL_CLOSE, IDB_SMALL_CLOSE_DOWN, 16, 16},
        {IDB_SMALL_CLOSE_HOVER, IDB_SMALL_CLOSE_HOVER, 16, 16}, {IDB_NOTICE_HEADER, IDB_NOTICE_HEADER, 164, 20},
        {IDB_NOTICE_BACK, IDB_NOTICE_BACK, 275, 107}, {IDB_CLOCK_DIGIT_0, IDB_CLOCK_DIGIT_0 + 9, 32, 44},
        {IDB_CLOCK_COLON, IDB_CLOCK_COLON, 14, 44}, {IDB_SPINNER_FIRST, IDB_SPINNER_FIRST + 3, 24, 24},
        {IDB_PANE_FOOT, IDB_PANE_FOOT, 283, 70}, {IDB_PANE_BODY, IDB_PANE_BODY, 283, 1},
        {IDB_POPUP_FRAME_TL, IDB_POPUP_FRAME_TL, 12, 45}, {IDB_FRAME_GRID_FIRST, IDB_FRAME_GRID_FIRST + 8, 8, 8},
    };
    for (const Picture& p : pictures) {
        for (UINT id = p.first; id <= p.last; ++id) {
            CBitmap bitmap;
            ASSERT_TRUE(bitmap.LoadBitmap(id)) << id;
            BITMAP bm = {};
            bitmap.GetBitmap(&bm);
            EXPECT_EQ(CSize(bm.bmWidth, bm.bmHeight), CSize(p.cx, p.cy)) << id;
        }
    }
    for (UINT id : {IDB_POPUP_LOGO, IDB_LOADING_PICTURE, IDB_SLIDER_TRACK, IDB_SLIDER_THUMB, IDB_SLIDER_THUMB_HOVER,
                    IDB_SLIDER_THUMB_DOWN, IDB_PANE_BACK, IDB_PANE_TOP_LINE, IDB_PANE_EXPANDED, IDB_PANE_COLLAPSED,
                    IDB_PANE_OPTION_ON, IDB_PANE_OPTION_OFF_DISABLED, IDB_NOTICE_CLOSE_DISABLED}) {
        CBitmap bitmap;
        EXPECT_TRUE(bitmap.LoadBitmap(id)) << id;
    }
    for (UINT id = IDS_WEEKDAY_SUNDAY; id <= IDS_DATE_LINE_FORMAT; ++id) {
        CString text;
        EXPECT_TRUE(text.LoadString(id)) << id;
    }
    for (UINT id : {IDS_LOADING_LINE1, IDS_LOADING_LINE2, IDS_LOADING_LINE3, IDS_LOADING_FAILED, IDS_LOADING_EMPTY}) {
        CString text;
        EXPECT_TRUE(text.LoadString(id)) << id;
    }
    // The date line takes year, month, day and the weekday name.
    CString format, line;
    format.LoadString(IDS_DATE_LINE_FORMAT);
    line.Format(format, 2024, 12, 5, L"X");
    EXPECT_NE(line.Find(L"2024"), -1);
    EXPECT_NE(line.Find(L"X"), -1);
}

INSTANTIATE_TEST_SUITE_P(Libraries, ControlResources,
                         ::testing::Values(L"Res_Kor.dll", L"Res_Eng.dll", L"Res_Jpn.dll"));

}  // namespace
