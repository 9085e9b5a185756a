// The date and time picker pop-up: its lists, wheel limits, placement at the screen's edges,
// and the date chosen in its calendar; the inline calendar window's events.
#include <gtest/gtest.h>

#include <functional>

#include "tests/platform/UiTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/controls/MySkinCalendarDlg.h"

namespace {

const wchar_t kScreen[] = LR"(<SCREEN NAME="P" RECT="0,0,400,300" VISIBLE="1" BGCOLOR="FFFFFF">
    <OBJECT ID="1" INDEX="1" NAME="when" TYPE="DATE" RECT="10,10,200,30" VISIBLE="1" DATE_TYPE="0" DATE_FORMAT="yyyy.M.d|t h:mm"
            SYSTEMTIME="2024-03-05 14:30" DATE_SHOW_TITLE="1" COLOR_SELECT="E0E0E0">
        <FONT NAME="DATE_" SIZE="14" ALIGN="0" FACENAME="Tahoma"/><FONT NAME="DATE_CAL" SIZE="12" ALIGN="1" FACENAME="Tahoma"/></OBJECT>
    <OBJECT ID="2" INDEX="2" NAME="inline" TYPE="DATE" RECT="10,50,196,228" VISIBLE="1" DATE_TYPE="3" DATE_FORMAT="|"
            SYSTEMTIME="2024-03-05" DATE_SHOW_TITLE="1"><FONT NAME="DATE_CAL" SIZE="12" ALIGN="1" FACENAME="Tahoma"/></OBJECT>
    </SCREEN>)";

class Picker : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skintest::LoadFixtureSkin(kScreen));
        dlg.reset(new skintest::CTestSkinDialog(L"P"));
        ASSERT_TRUE(dlg->Open(200, 200));
        date = &dlg->m_Screen.FindObject(L"when")->m_date;
    }
    void TearDown() override
    {
        CWnd::SetModalLoopHook(nullptr);
        dlg->DestroyWindow();
    }
    // Runs a picker with the check done inside its loop; the check ends it.
    int Run(int mode, POINT anchor, const std::function<void(CMySkinCalendarDlg*)>& check)
    {
        CWnd::SetModalLoopHook([&](CWnd* wnd) {
            if (auto* picker = dynamic_cast<CMySkinCalendarDlg*>(wnd))
                check(picker);
        });
        uitest::Watchdog watchdog;
        int result = -1;
        switch (mode) {
        case 0: result = date->PickDate(dlg.get(), anchor.x, anchor.y, 1.0f); break;
        case 2: result = date->PickHour(dlg.get(), anchor.x, anchor.y, 1.0f); break;
        case 3: result = date->PickMinute(dlg.get(), anchor.x, anchor.y, 1.0f); break;
        default: result = date->PickMarker(dlg.get(), anchor.x, anchor.y, 1.0f); break;
        }
        CWnd::SetModalLoopHook(nullptr);
        EXPECT_FALSE(watchdog.Fired());
        return result;
    }
    static void ClickOutside(CMySkinCalendarDlg* picker) { picker->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-20, -20)); }
    static void ClickAt(CMySkinCalendarDlg* picker, CPoint pt)
    {
        picker->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        picker->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        picker->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    std::unique_ptr<skintest::CTestSkinDialog> dlg;
    SKIN_DATE* date = nullptr;
};

TEST_F(Picker, MinuteListScrollsByTheWheelWithoutWrapping)
{
    EXPECT_EQ(Run(3, CPoint(300, 100), [](CMySkinCalendarDlg* picker) {
                  ASSERT_EQ(picker->GetItemCount(), 60);
                  const CPopupListScroller& s = picker->Scroller();
                  auto top = [&]() {
                      for (int i = 0; i < 60; ++i)
                          if (picker->GetItem(i)->rcItem.top >= s.m_rcList.top)
                              return i;
                      return -1;
                  };
                  EXPECT_EQ(top(), 0);
                  picker->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
                  EXPECT_EQ(top(), 0);
                  picker->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
                  EXPECT_EQ(top(), 1);
                  for (int i = 0; i < 60; ++i)
                      picker->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
                  EXPECT_EQ(top(), 50);
                  EXPECT_EQ(picker->GetItem(59)->strText, CString(L"59"));
                  ClickOutside(picker);
              }),
              -1);
    EXPECT_EQ(date->m_time.wMinute, 30);
}

TEST_F(Picker, HourListShowsTwelveAndChoosesOnTheTwelveHourClock)
{
    EXPECT_EQ(Run(2, CPoint(300, 100), [](CMySkinCalendarDlg* picker) {
                  ASSERT_EQ(picker->GetItemCount(), 12);
                  EXPECT_FALSE(picker->Scroller().m_bScrollable);
                  ClickAt(picker, CRect(picker->GetItem(11)->rcItem).CenterPoint());   // "12"
              }),
              11);
    EXPECT_EQ(date->m_time.wHour, 12);
    EXPECT_EQ(date->m_time.wMinute, 30);
}

TEST_F(Picker, MarkerListTakesTheLanguageTexts)
{
    EXPECT_EQ(Run(1, CPoint(300, 100), [](CMySkinCalendarDlg* picker) {
                  ASSERT_EQ(picker->GetItemCount(), 2);
                  EXPECT_EQ(picker->GetItem(0)->strText, CString(L"오전"));
                  ClickAt(picker, CRect(picker->GetItem(0)->rcItem).CenterPoint());
              }),
              0);
    EXPECT_EQ(date->m_time.wHour, 2);
}

TEST_F(Picker, PlacedInsideTheVirtualScreen)
{
    const int screenW = ::GetSystemMetrics(SM_CXVIRTUALSCREEN), screenH = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    Run(3, CPoint(screenW - 10, screenH - 10), [&](CMySkinCalendarDlg* picker) {
        CRect window;
        picker->GetWindowRect(&window);
        EXPECT_EQ(window.right, screenW);
        EXPECT_EQ(window.bottom, screenH - 30);
        EXPECT_EQ(window.Width(), 62);
        EXPECT_EQ(window.Height(), 302);
        ClickOutside(picker);
    });
}

TEST_F(Picker, DateModeChoosesADayAndIgnoresTheWheel)
{
    EXPECT_EQ(Run(0, CPoint(300, 100), [](CMySkinCalendarDlg* picker) {
                  CMySkinCalendar& cal = picker->Calendar();
                  EXPECT_EQ(cal.GetMonth(), 3);
                  picker->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
                  EXPECT_EQ(cal.GetMonth(), 3);
                  const CRect grid = cal.GetGridRect();
                  const int w = grid.Width() / 7, h = grid.Height() / 6;
                  // Cell 36 of March 2024 is 1 April; the calendar lies 20 pixels in.
                  const CPoint pt(20 + grid.left + 1 * w + w / 2, 20 + grid.top + 5 * h + h / 2);
                  ClickAt(picker, pt);
              }),
              36);
    EXPECT_EQ(date->m_time.wMonth, 4);
    EXPECT_EQ(date->m_time.wDay, 1);
    EXPECT_EQ(date->m_time.wDayOfWeek, 1);
    EXPECT_EQ(date->m_time.wHour, 14);
}

TEST_F(Picker, TheInlineCalendarReportsDaysAndMonths)
{
    SKIN_OBJECT* inlineObject = dlg->m_Screen.FindObject(L"inline");
    CMySkinCalendarWnd& wnd = inlineObject->m_date.m_wndCalendar;
    ASSERT_TRUE(::IsWindow(wnd.m_hWnd));
    EXPECT_EQ(wnd.GetDlgCtrlID(), 1002);
    CMySkinCalendar& cal = wnd.Calendar();
    skintest::Click(wnd.m_hWnd, cal.GetPrevRect().CenterPoint().x, cal.GetPrevRect().CenterPoint().y);
    EXPECT_EQ(cal.GetMonth(), 2);
    const CRect grid = cal.GetGridRect();
    const int w = grid.Width() / 7, h = grid.Height() / 6;
    skintest::Click(wnd.m_hWnd, grid.left + w / 2, grid.top + 5 * h + h / 2);   // a grey day of March
    EXPECT_EQ(cal.GetMonth(), 2);
    zeltest::PumpFor(50);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_CALENDAR_MONTH), 1);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_DATE_PICKED), 1);
    SYSTEMTIME st = {};
    cal.GetSelected(&st);
    EXPECT_EQ(st.wMonth, 3);
    EXPECT_EQ(inlineObject->m_date.m_time.wMonth, 3);   // the inline calendar only records the day
}

} // namespace
