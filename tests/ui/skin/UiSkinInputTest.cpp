// Mouse input of skinned screens in real windows: presses, clicks, toggles and radio groups,
// disabled and overlapping buttons, offsets, text selection and copying, and the drop-down and
// picker pop-ups, run modally and answered by the test.
#include <gtest/gtest.h>

#include "tests/platform/UiTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/controls/MySkinCalendarDlg.h"
#include "ui/controls/MySkinComboDlg.h"

namespace {

const wchar_t kScreen[] = LR"(<SCREEN NAME="I" RECT="0,0,320,240" VISIBLE="1" BGCOLOR="FFFFFF">
    <OBJECT ID="1" INDEX="1" NAME="lower" TYPE="BUTTON" RECT="10,10,100,30" VISIBLE="1" COLOR="EEEEEE"/>
    <OBJECT ID="2" INDEX="2" NAME="upper" TYPE="BUTTON" RECT="60,10,100,30" VISIBLE="1" COLOR="DDDDDD"/>
    <OBJECT ID="3" INDEX="3" NAME="toggle" TYPE="BUTTON" RECT="10,50,60,30" VISIBLE="1" BTN_CLROUT="CCCCCC" BTN_CLROVER="00FF00"
            BTN_IMAGEOVER="$(TARGETDIR)\none.png" BTN_TOOLTIP="off%COMMA%on"/>
    <OBJECT ID="10" INDEX="10" NAME="group" TYPE="CUSTOM" RECT="100,50,200,30" VISIBLE="1"><CUSTOM_LIST NAME="CSS_BTN_STYLE:" VALUE="RADIO"/></OBJECT>
    <OBJECT ID="11" INDEX="11" NAME="r1" TYPE="BUTTON" PARENTIDX="10" RECT="100,50,60,30" VISIBLE="1" BTN_CLROUT="CCCCCC" BTN_CLROVER="0000FF"/>
    <OBJECT ID="12" INDEX="12" NAME="r2" TYPE="BUTTON" PARENTIDX="10" RECT="170,50,60,30" VISIBLE="1" BTN_CLROUT="CCCCCC" BTN_CLROVER="0000FF"/>
    <OBJECT ID="13" INDEX="13" NAME="r3" TYPE="BUTTON" PARENTIDX="10" RECT="240,50,60,30" VISIBLE="1" BTN_CLROUT="CCCCCC" BTN_CLROVER="0000FF"/>
    <OBJECT ID="20" INDEX="20" NAME="copy" TYPE="TEXT" RECT="10,100,300,30" VISIBLE="1" COPYTEXT="1" TEXT_TEXT="Hello world">
        <FONT NAME="STATIC_" SIZE="16" COLOR="000000" ALIGN="0" FACENAME="Tahoma"/></OBJECT>
    <OBJECT ID="30" INDEX="30" NAME="combo" TYPE="COMBO" RECT="10,140,150,30" VISIBLE="1" COMBO_SIZE_W="0" COMBO_SIZE_H="300"
            COMBO_ITEM_H="30" COMBO_DATA="0,10,0,0|ten\n0,20,0,2|more\n0,30,20,0|thirty\n0,40,20,0|forty">
        <FONT NAME="COMBO_" SIZE="13" COLOR="000000"/></OBJECT>
    <OBJECT ID="40" INDEX="40" NAME="time" TYPE="DATE" RECT="180,140,130,30" VISIBLE="1" DATE_TYPE="2" DATE_FORMAT="|t h:mm"
            SYSTEMTIME="2024-03-05 14:30" COLOR_DOWNRECT="FFCC00">
        <FONT NAME="DATE_" SIZE="16" ALIGN="0" FACENAME="Tahoma"/></OBJECT>
    <OBJECT ID="50" INDEX="50" NAME="small" TYPE="BUTTON" RECT="10,200,40,20" VISIBLE="1" COLOR="EEEEEE"/>
    </SCREEN>)";

class SkinInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skintest::LoadFixtureSkin(kScreen));
        dlg = new skintest::CTestSkinDialog(L"I");
        // A press that no object takes drags the recorder instead of the test's window.
        dlg->m_pDragWnd = &drag;
        ASSERT_TRUE(dlg->Open());
        hwnd = dlg->m_hWnd;
    }
    void TearDown() override
    {
        CWnd::SetModalLoopHook(nullptr);
        if (::IsWindow(hwnd))
            dlg->DestroyWindow();
        delete dlg;
    }
    SKIN_OBJECT* Object(const wchar_t* name) { return dlg->m_Screen.FindObject(name); }
    skintest::CDragRecorder drag;
    skintest::CTestSkinDialog* dlg = nullptr;
    HWND hwnd = nullptr;
};

TEST_F(SkinInput, OverlappingButtonsPressBothAndClickBoth)
{
    skintest::SendMouse(hwnd, WM_LBUTTONDOWN, 80, 20, MK_LBUTTON);
    ASSERT_EQ(dlg->events.size(), 2u);
    EXPECT_EQ(dlg->events[0].object, Object(L"upper"));
    EXPECT_EQ(dlg->events[1].object, Object(L"lower"));
    EXPECT_EQ(dlg->events[0].code, UINT(WM_LBUTTONDOWN));
    EXPECT_EQ(Object(L"upper")->m_nHover, 3);
    EXPECT_EQ(dlg->m_Screen.OnLButtonUp(dlg, 80, 20, nullptr, nullptr, nullptr), 1);   // the lower one answers last
    EXPECT_EQ(Object(L"upper")->m_bPressed, 0);
    dlg->events.clear();
    skintest::Click(hwnd, 80, 20);
    EXPECT_EQ(dlg->CountEvents(WM_LBUTTONUP), 2);
}

TEST_F(SkinInput, APressDraggedOffClicksNothing)
{
    SKIN_OBJECT* toggle = Object(L"toggle");
    skintest::SendMouse(hwnd, WM_LBUTTONDOWN, 20, 60, MK_LBUTTON);
    skintest::SendMouse(hwnd, WM_MOUSEMOVE, 300, 220, MK_LBUTTON);
    EXPECT_EQ(toggle->m_nHover, 0);
    skintest::SendMouse(hwnd, WM_MOUSEMOVE, 20, 60, MK_LBUTTON);
    EXPECT_EQ(toggle->m_nHover, 3);
    skintest::SendMouse(hwnd, WM_MOUSEMOVE, 300, 220, MK_LBUTTON);
    skintest::SendMouse(hwnd, WM_LBUTTONUP, 300, 220);
    EXPECT_EQ(dlg->CountEvents(WM_LBUTTONUP), 0);
    EXPECT_EQ(toggle->m_button.m_nCheck, 0);
    // A press begun on one button and released on another clicks neither.
    skintest::SendMouse(hwnd, WM_LBUTTONDOWN, 20, 210, MK_LBUTTON);
    skintest::SendMouse(hwnd, WM_LBUTTONUP, 20, 60);
    EXPECT_EQ(toggle->m_button.m_nCheck, 0);
    EXPECT_EQ(dlg->CountEvents(WM_LBUTTONUP), 0);
}

TEST_F(SkinInput, TogglesSwitchTheirCheckAndTooltip)
{
    SKIN_OBJECT* toggle = Object(L"toggle");
    skintest::Click(hwnd, 20, 60);
    EXPECT_EQ(toggle->m_button.m_nCheck, 1);
    EXPECT_EQ(dlg->CountEvents(WM_LBUTTONUP), 1);
    CString tip;
    dlg->m_ToolTip.GetText(tip, dlg, 3);
    EXPECT_EQ(tip, CString(L"on"));
    skintest::Click(hwnd, 20, 60);
    EXPECT_EQ(toggle->m_button.m_nCheck, 0);
    dlg->m_ToolTip.GetText(tip, dlg, 3);
    EXPECT_EQ(tip, CString(L"off"));
}

TEST_F(SkinInput, RadioButtonsStayExclusive)
{
    skintest::Click(hwnd, 120, 60);
    EXPECT_EQ(dlg->m_Screen.GetRadioIndex(10), 0);
    EXPECT_EQ(dlg->CountEvents(WM_LBUTTONUP), 1);
    skintest::Click(hwnd, 120, 60);   // the checked one: nothing
    EXPECT_EQ(dlg->m_Screen.GetRadioIndex(10), 0);
    EXPECT_EQ(dlg->CountEvents(WM_LBUTTONUP), 1);
    skintest::Click(hwnd, 260, 60);
    EXPECT_EQ(Object(L"r1")->m_button.m_nCheck, 0);
    EXPECT_EQ(Object(L"r3")->m_button.m_nCheck, 1);
    EXPECT_EQ(dlg->CountEvents(WM_LBUTTONUP), 2);
}

TEST_F(SkinInput, DisabledButtonsHoverButTakeNoClick)
{
    SKIN_OBJECT* small = Object(L"small");
    dlg->EnableObject(small, FALSE, TRUE);
    skintest::SendMouse(hwnd, WM_MOUSEMOVE, 20, 210);
    EXPECT_EQ(small->m_nHover, 1);
    EXPECT_EQ(small->GetDrawState(), SKINSTATE_DIM);
    skintest::SendMouse(hwnd, WM_LBUTTONDOWN, 20, 210, MK_LBUTTON);
    skintest::SendMouse(hwnd, WM_LBUTTONUP, 20, 210);
    EXPECT_TRUE(dlg->events.empty());
    EXPECT_EQ(drag.drags, 1);   // nothing took the press: it drags
    small->m_bClickWhenDisabled = 1;
    skintest::Click(hwnd, 20, 210);
    EXPECT_EQ(dlg->CountEvents(WM_LBUTTONUP), 1);
}

TEST_F(SkinInput, AnOffsetMovesEveryObjectForHitTesting)
{
    // As a list row drawn 40 pixels down: y 50 hits what spans 0..20 plus 10.
    EXPECT_EQ(dlg->m_Screen.OnLButtonDown(dlg, 20, 50, nullptr, nullptr, 0, 40), 1);
    EXPECT_EQ(dlg->m_Screen.OnLButtonDown(dlg, 20, 20, nullptr, nullptr, 0, 40), 0);
}

TEST_F(SkinInput, ACallbackThatClosesTheWindowEndsTheWalk)
{
    dlg->destroyOnEvent = true;
    skintest::SendMouse(hwnd, WM_LBUTTONDOWN, 20, 210, MK_LBUTTON);
    skintest::SendMouse(hwnd, WM_LBUTTONUP, 20, 210);
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(SkinInput, AHandledPressStopsTheWalk)
{
    dlg->answer = 1;
    EXPECT_EQ(dlg->m_Screen.OnLButtonDown(dlg, 80, 20, &skintest::CTestSkinDialog::ObjectEventThunkForTest, nullptr), -1);
    EXPECT_EQ(dlg->events.size(), 1u);
}

TEST_F(SkinInput, DraggingOverSelectableTextCopiesTheSelection)
{
    ::OpenClipboard(hwnd);
    ::EmptyClipboard();
    ::CloseClipboard();
    CRect content;
    Object(L"copy")->GetContentRect(content, nullptr);
    skintest::SendMouse(hwnd, WM_LBUTTONDOWN, content.left + 1, content.top + 5, MK_LBUTTON);
    EXPECT_EQ(dlg->m_Screen.m_nSelObjectId, 20);
    EXPECT_EQ(dlg->m_Screen.m_nSelStart, 0);
    skintest::SendMouse(hwnd, WM_MOUSEMOVE, content.right - 5, content.top + 5, MK_LBUTTON);
    dlg->UpdateWindow();
    EXPECT_EQ(dlg->m_Screen.m_strSelText, CString(L"Hello world"));
    skintest::SendMouse(hwnd, WM_LBUTTONUP, content.right - 5, content.top + 5);
    EXPECT_EQ(dlg->m_Screen.m_nSelObjectId, 0);
    ASSERT_TRUE(::OpenClipboard(hwnd));
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const wchar_t*>(::GlobalLock(data)), L"Hello world");
    ::GlobalUnlock(data);
    ::CloseClipboard();

    // A click without a drag copies nothing.
    ::OpenClipboard(hwnd);
    ::EmptyClipboard();
    ::CloseClipboard();
    skintest::Click(hwnd, content.left + 1, content.top + 5);
    ::OpenClipboard(hwnd);
    EXPECT_EQ(::GetClipboardData(CF_UNICODETEXT), nullptr);
    ::CloseClipboard();
}

// Answers the next modal pop-ups: each step gets the pop-up's window.
void AnswerPopups(std::vector<std::function<void(CWnd*)>> steps)
{
    auto shared = std::make_shared<std::vector<std::function<void(CWnd*)>>>(std::move(steps));
    auto index = std::make_shared<size_t>(0);
    CWnd::SetModalLoopHook([shared, index](CWnd* wnd) {
        if (*index < shared->size())
            (*shared)[(*index)++](wnd);
    });
}

CPoint RowCentre(CMySkinComboDlg* popup, int row)
{
    return CRect(popup->GetRow(row)->m_rcItem).CenterPoint();
}

TEST_F(SkinInput, AComboClickChoosesAnEntryInTheDropDown)
{
    AnswerPopups({[](CWnd* wnd) {
        auto* popup = dynamic_cast<CMySkinComboDlg*>(wnd);
        ASSERT_NE(popup, nullptr);
        ASSERT_EQ(popup->GetRowCount(), 2);   // the top level only
        const CPoint pt = RowCentre(popup, 0);
        skintest::PostMouse(wnd->m_hWnd, WM_MOUSEMOVE, pt.x, pt.y);
        skintest::PostMouse(wnd->m_hWnd, WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
        skintest::PostMouse(wnd->m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
    }});
    uitest::Watchdog watchdog;
    skintest::Click(hwnd, 20, 150);
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(Object(L"combo")->m_combo.GetSelectedValue(), 10);
    zeltest::PumpFor(50);
    ASSERT_EQ(dlg->CountEvents(SKINEVENT_COMBO_CHOSEN), 1);
}

TEST_F(SkinInput, ASubListChoiceClosesEveryLevel)
{
    AnswerPopups({[](CWnd* wnd) {
                      auto* popup = dynamic_cast<CMySkinComboDlg*>(wnd);
                      const CPoint pt = RowCentre(popup, 1);   // "more" opens the sub-list
                      skintest::PostMouse(wnd->m_hWnd, WM_MOUSEMOVE, pt.x, pt.y);
                  },
                  [](CWnd* wnd) {
                      auto* sub = dynamic_cast<CMySkinComboDlg*>(wnd);
                      ASSERT_NE(sub, nullptr);
                      ASSERT_EQ(sub->GetRowCount(), 2);
                      const CPoint pt = RowCentre(sub, 1);
                      skintest::PostMouse(wnd->m_hWnd, WM_MOUSEMOVE, pt.x, pt.y);
                      skintest::PostMouse(wnd->m_hWnd, WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
                      skintest::PostMouse(wnd->m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
                  }});
    uitest::Watchdog watchdog;
    skintest::Click(hwnd, 20, 150);
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(Object(L"combo")->m_combo.GetSelectedValue(), 40);
    EXPECT_EQ(Object(L"combo")->m_combo.m_selected.m_nRow, 1);
}

TEST_F(SkinInput, APressOutsideCancelsTheDropDown)
{
    Object(L"combo")->m_combo.SelectByValue(20);
    AnswerPopups({[](CWnd* wnd) {
        skintest::PostMouse(wnd->m_hWnd, WM_LBUTTONDOWN, -50, -50, MK_LBUTTON);
    }});
    uitest::Watchdog watchdog;
    skintest::Click(hwnd, 20, 150);
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(Object(L"combo")->m_combo.GetSelectedValue(), 20);
    zeltest::PumpFor(50);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_COMBO_CHOSEN), 0);
}

TEST_F(SkinInput, TheHourSegmentOpensItsPickerAndTakesTheChoice)
{
    SKIN_DATE& date = Object(L"time")->m_date;
    const CRect hour = date.m_rcHour;
    ASSERT_FALSE(hour.IsRectEmpty());
    ASSERT_LT(CRect(date.m_rcAmPm).right, hour.left + 1);
    bool pressedWhileOpen = false;
    AnswerPopups({[&](CWnd* wnd) {
        auto* picker = dynamic_cast<CMySkinCalendarDlg*>(wnd);
        ASSERT_NE(picker, nullptr);
        pressedWhileOpen = date.m_bHourPressed != 0;
        ASSERT_EQ(picker->GetItemCount(), 12);
        const CPoint pt = CRect(picker->GetItem(2)->rcItem).CenterPoint();   // "3"
        skintest::PostMouse(wnd->m_hWnd, WM_MOUSEMOVE, pt.x, pt.y);
        skintest::PostMouse(wnd->m_hWnd, WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
        skintest::PostMouse(wnd->m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
    }});
    uitest::Watchdog watchdog;
    skintest::Click(hwnd, hour.CenterPoint().x, hour.CenterPoint().y);
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(pressedWhileOpen);
    EXPECT_EQ(date.m_bHourPressed, 0);
    EXPECT_EQ(date.m_time.wHour, 15);   // 3 in the afternoon
    EXPECT_EQ(date.m_time.wMinute, 30);
    zeltest::PumpFor(50);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_HOUR_PICKED), 1);
}

TEST_F(SkinInput, AClickOutsideThePickerKeepsTheValue)
{
    SKIN_DATE& date = Object(L"time")->m_date;
    const CRect minute = date.m_rcMinute;
    AnswerPopups({[](CWnd* wnd) { skintest::PostMouse(wnd->m_hWnd, WM_LBUTTONDOWN, -30, -30, MK_LBUTTON); }});
    uitest::Watchdog watchdog;
    skintest::Click(hwnd, minute.CenterPoint().x, minute.CenterPoint().y);
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(date.m_time.wMinute, 30);
    zeltest::PumpFor(50);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_MINUTE_PICKED), 0);
}

} // namespace
