// The month calendar's model: the 42 cells, leap years, range limits, the layout by scale and
// font, and the time-list rule of the picker.
#include <gtest/gtest.h>

#include "ui/controls/MySkinCalendar.h"
#include "ui/controls/MySkinCalendarDlg.h"
#include "ui/skin/SkinObject.h"

namespace {

int Cell(const CMySkinCalendar& c, int i)
{
    return int(c.GetDays()[i]);
}

TEST(CalendarModel, MarchTwentyTwentyFour)
{
    CMySkinCalendar c;
    c.SetYearMonthOnly(2024, 3);
    c.BuildMonth();
    ASSERT_EQ(c.GetDays().GetSize(), 42);
    EXPECT_EQ(c.GetLeadingDays(), 5);
    EXPECT_EQ(Cell(c, 0), 20240225);
    EXPECT_EQ(Cell(c, 4), 20240229);
    EXPECT_EQ(Cell(c, 5), 20240301);
    EXPECT_EQ(Cell(c, 35), 20240331);
    EXPECT_EQ(Cell(c, 36), 20240401);
    EXPECT_EQ(Cell(c, 41), 20240406);
}

TEST(CalendarModel, MonthsAtTheEdges)
{
    struct Case {
        int year, month, leading, first, last;
    };
    const Case cases[] = {
        {2024, 9, 0, 20240901, 20241012},    // starts on a Sunday
        {1900, 2, 4, 19000128, 19000310},    // 28 days
        {2000, 2, 2, 20000130, 20000311},    // 29 days
        {2024, 1, 1, 20231231, 20240210},    // December of the year before
        {2024, 12, 0, 20241201, 20250111},   // January of the next year
    };
    for (const Case& c : cases) {
        CMySkinCalendar cal;
        cal.SetYearMonthOnly(c.year, c.month);
        cal.BuildMonth();
        EXPECT_EQ(cal.GetLeadingDays(), c.leading) << c.year << "-" << c.month;
        EXPECT_EQ(Cell(cal, 0), c.first) << c.year << "-" << c.month;
        EXPECT_EQ(Cell(cal, 41), c.last) << c.year << "-" << c.month;
    }
    EXPECT_EQ(CMySkinCalendar::GetDaysInPrevMonth(2024, 3), 29);
    EXPECT_EQ(CMySkinCalendar::GetDaysInNextMonth(2023, 12), 31);
    EXPECT_EQ(CMySkinCalendar::GetDaysInPrevMonth(2000, 1), 31);
}

TEST(CalendarModel, RangeLimitsHideArrowsAndRefuseDays)
{
    SKIN_OBJECT object;
    object.m_date.m_nShowTitle = 1;
    object.m_date.m_fontCal.m_nSize = 12;
    CMySkinCalendar c;
    c.SetObject(&object);
    c.SetRange(20240315, 20240410);
    c.SetYearMonthOnly(2024, 3);
    c.Init(nullptr);
    EXPECT_FALSE(c.IsPrevAllowed());
    EXPECT_TRUE(c.IsNextAllowed());
    const CRect area(0, 0, 196, 228);
    auto cellCentre = [&](int i) {
        const CRect grid = c.GetGridRect();
        const int w = grid.Width() / 7, h = grid.Height() / 6;
        return CPoint(grid.left + (i % 7) * w + w / 2, grid.top + (i / 7) * h + h / 2);
    };
    EXPECT_EQ(c.OnClick(cellCentre(5), area), 0);    // 1 March: before the range
    EXPECT_EQ(c.GetSelected(nullptr), 5);            // still the selected cell
    SYSTEMTIME st = {};
    EXPECT_EQ(c.OnClick(cellCentre(19), area), 1);   // 15 March
    EXPECT_EQ(c.GetSelected(&st), 19);
    EXPECT_EQ(st.wDay, 15);
    EXPECT_EQ(st.wDayOfWeek, 5);
    EXPECT_EQ(c.OnClick(c.GetPrevRect().CenterPoint(), area), 0);
    EXPECT_EQ(c.GetMonth(), 3);   // the arrow is off
    EXPECT_EQ(c.OnClick(c.GetNextRect().CenterPoint(), area), 0);
    EXPECT_EQ(c.GetMonth(), 4);
    EXPECT_FALSE(c.IsNextAllowed());
    EXPECT_EQ(c.GetSelected(nullptr), -1);   // a month change clears the selection
}

TEST(CalendarModel, ArrowsCarryTheYear)
{
    CMySkinCalendar c;
    c.SetYearMonthOnly(2024, 1);
    c.Init(nullptr);
    c.PrevMonth();
    EXPECT_EQ(c.GetYear(), 2023);
    EXPECT_EQ(c.GetMonth(), 12);
    c.NextMonth();
    c.NextMonth();
    EXPECT_EQ(c.GetYear(), 2024);
    EXPECT_EQ(c.GetMonth(), 2);
}

TEST(CalendarModel, LayoutByScaleAndTitle)
{
    SKIN_OBJECT object;
    object.m_date.m_fontCal.m_nSize = 12;
    object.m_date.m_nShowTitle = 1;
    CMySkinCalendar c;
    c.SetObject(&object);
    c.SetScale(1.5f);
    c.SetSize(294, 342);
    c.Layout();
    EXPECT_EQ(c.GetTitleRect().Height(), 45);
    EXPECT_EQ(c.GetWeekRect().Height(), 45);
    EXPECT_EQ(c.GetPrevRect().Width(), 45);
    EXPECT_EQ(c.GetGridRect().top, 90);
    object.m_date.m_nShowTitle = 0;
    c.Layout();
    EXPECT_EQ(c.GetTitleRect().Height(), 0);
    EXPECT_EQ(c.GetWeekRect().top, 0);
    EXPECT_EQ(c.GetWeekRect().Height(), 45);
}

TEST(CalendarModel, PickerTimeChoices)
{
    struct Case {
        int mode, value, hour, minute;
        int newHour, newMinute;
    };
    const Case cases[] = {
        {CMySkinCalendarDlg::MODE_HOUR, 12, 14, 30, 12, 30}, {CMySkinCalendarDlg::MODE_HOUR, 12, 9, 30, 0, 30},
        {CMySkinCalendarDlg::MODE_HOUR, 3, 14, 30, 15, 30},  {CMySkinCalendarDlg::MODE_HOUR, 3, 9, 30, 3, 30},
        {CMySkinCalendarDlg::MODE_AMPM, 0, 15, 10, 3, 10},   {CMySkinCalendarDlg::MODE_AMPM, 1, 15, 10, 15, 10},
        {CMySkinCalendarDlg::MODE_AMPM, 1, 9, 10, 21, 10},   {CMySkinCalendarDlg::MODE_AMPM, 0, 0, 5, 0, 5},
        {CMySkinCalendarDlg::MODE_MINUTE, 59, 9, 10, 9, 59},
    };
    for (const Case& c : cases) {
        SYSTEMTIME st = {};
        st.wHour = WORD(c.hour);
        st.wMinute = WORD(c.minute);
        CMySkinCalendarDlg::ApplyTimeChoice(c.mode, c.value, st);
        EXPECT_EQ(st.wHour, c.newHour) << c.mode << " " << c.value << " at " << c.hour;
        EXPECT_EQ(st.wMinute, c.newMinute) << c.mode << " " << c.value << " at " << c.hour;
    }
}

} // namespace
