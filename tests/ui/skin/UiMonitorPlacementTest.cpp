// Monitors and window placement: placing beside an anchor by flags, keeping rectangles inside
// a work area, and window rectangles saved in and restored from "MainRect.ini" on the monitors
// there are (an injected list stands for other arrangements).
#include <gtest/gtest.h>

#include "core/MyLogFile.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/MonitorInfo.h"

namespace {

std::string Text(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

MONITORINFOEXW Monitor(const RECT& full, const RECT& work, bool primary)
{
    MONITORINFOEXW m = {};
    m.cbSize = sizeof(m);
    m.rcMonitor = full;
    m.rcWork = work;
    m.dwFlags = primary ? MONITORINFOF_PRIMARY : 0;
    return m;
}

// Two monitors side by side for the test's life.
struct TwoMonitors {
    TwoMonitors()
    {
        CMonitorInfo::SetMonitorSource([](CArray<MONITORINFOEXW>& list) {
            list.Add(Monitor(CRect(0, 0, 1600, 1000), CRect(0, 0, 1600, 960), true));
            list.Add(Monitor(CRect(1600, 0, 2880, 1024), CRect(1600, 40, 2880, 1024), false));
            return true;
        });
    }
    ~TwoMonitors() { CMonitorInfo::SetMonitorSource(nullptr); }
};

TEST(MonitorPlacement, PlaceNearByFlags)
{
    const CRect W(0, 0, 1600, 1000);
    const CRect A(500, 300, 700, 400);
    const CRect B(20, 30, 120, 80);
    struct Case {
        UINT flags;
        CRect anchor;
        CRect window;
        POINT expected;
    };
    const Case cases[] = {
        {4112, A, B, {550, 325}},  {4098, A, B, {705, 325}},    {4104, A, B, {600, 325}},  {258, A, B, {705, 300}},
        {1032, A, B, {600, 245}},  {0, A, B, {20, 30}},         {4, A, B, {395, 30}},      {512, A, B, {20, 405}},
        {2048, A, B, {20, 350}},   {1 | 256, A, B, {500, 300}}, {3, A, B, {0, 30}},        {0x300, A, B, {20, 0}},
        // Near the right edge the window ends flush with it, over the anchor.
        {2, CRect(1450, 300, 1550, 400), B, {1500, 30}},
        // Wider than the work area: its left edge.
        {16, A, CRect(0, 0, 2000, 50), {0, 0}},
        {1024, CRect(500, 20, 700, 60), B, {20, 0}},
    };
    for (const Case& c : cases) {
        const CPoint at = ComputePlaceNear(c.anchor, c.window, W, c.flags);
        EXPECT_EQ(at.x, c.expected.x) << c.flags;
        EXPECT_EQ(at.y, c.expected.y) << c.flags;
    }
}

TEST(MonitorPlacement, FitAndWorkAreaOnTheMonitorTouched)
{
    TwoMonitors monitors;
    CMonitorInfo info;
    struct Case {
        RECT in;
        BOOL found;
        RECT fitted;
        RECT work;
    };
    const Case cases[] = {
        {{1500, 900, 1700, 1100}, TRUE, {1400, 760, 1600, 960}, {0, 0, 1600, 960}},
        {{1700, 10, 1800, 60}, TRUE, {1700, 40, 1800, 90}, {1600, 40, 2880, 1024}},
        {{-300, 100, -100, 200}, FALSE, {-300, 100, -100, 200}, {-300, 100, -100, 200}},
        {{100, 100, 2000, 200}, TRUE, {0, 100, 1900, 200}, {0, 0, 1600, 960}},
    };
    for (const Case& c : cases) {
        RECT fit = c.in;
        EXPECT_EQ(info.FitToWorkArea(fit), c.found) << Text(c.in);
        EXPECT_EQ(Text(fit), Text(c.fitted)) << Text(c.in);
        RECT work = c.in;
        EXPECT_EQ(info.GetWorkArea(work), c.found) << Text(c.in);
        EXPECT_EQ(Text(work), Text(c.work)) << Text(c.in);
    }
    RECT primary;
    EXPECT_TRUE(info.GetPrimaryMonitorRect(&primary, FALSE));
    EXPECT_EQ(Text(primary), "0,0,1600,1000");
    EXPECT_TRUE(info.FindMonitorContaining(1700, 10, 1800, 60));
    EXPECT_FALSE(info.FindMonitorContaining(1500, 10, 1700, 60));
}

TEST(MonitorPlacement, RefreshFailingLeavesTheListAndPlacesNothing)
{
    CMonitorInfo::SetMonitorSource([](CArray<MONITORINFOEXW>&) { return false; });
    CMonitorInfo info;
    RECT r = {1, 2, 3, 4};
    EXPECT_EQ(info.Refresh(), -1);
    EXPECT_FALSE(info.FitToWorkArea(r));
    CMonitorInfo::SetMonitorSource(nullptr);
    EXPECT_EQ(info.Refresh(), 0);
    EXPECT_GE(info.m_monitors.GetSize(), 1);
    EXPECT_GE(info.m_nMegaPixels, 1);
}

class Placement : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_ApplicationLog.InitAppData(L"ZelTest", L"Placement"));
        ini = g_ApplicationLog.GetAppDataFolder() + L"MainRect.ini";
        ::DeleteFileW(ini.GetString());
        SetPlacementPath(g_ApplicationLog.GetAppDataFolder());
        wnd.CreateEx(0, AfxRegisterWndClass(0), L"placed", WS_POPUP, 100, 50, 800, 600, nullptr, nullptr);
    }
    void TearDown() override
    {
        wnd.DestroyWindow();
        SetPlacementPath(L"");
        ::DeleteFileW(ini.GetString());
    }
    CRect Where()
    {
        CRect r;
        wnd.GetWindowRect(&r);
        return r;
    }
    CString ini;
    CWnd wnd;
};

TEST_F(Placement, SavedAndRestoredByName)
{
    ASSERT_TRUE(SaveWindowRect(L"CDocViewerDlg", &wnd));
    wchar_t value[64] = {0};
    ::GetPrivateProfileStringW(L"Rect", L"CDocViewerDlg(xywh)", L"", value, 64, ini.GetString());
    EXPECT_STREQ(value, L"100,50,800,600");
    wnd.MoveWindow(10, 10, 200, 100);
    EXPECT_TRUE(RestoreWindowRect(L"CDocViewerDlg", &wnd));
    EXPECT_EQ(Text(Where()), "100,50,900,650");
    EXPECT_FALSE(RestoreWindowRect(L"Unknown", &wnd));
    EXPECT_FALSE(SaveWindowRect(L"", &wnd));
    EXPECT_FALSE(SaveWindowRect(L"X", nullptr));
    SetPlacementPath(L"");
    EXPECT_FALSE(SaveWindowRect(L"Other", &wnd));
    EXPECT_EQ(::GetPrivateProfileStringW(L"Rect", L"Other(xywh)", L"", value, 64, ini.GetString()), 0u);
}

TEST_F(Placement, ARectangleOnAMonitorThatWentIsNotRestoredAndAPartlyVisibleOneIsFitted)
{
    TwoMonitors monitors;
    WriteWindowRectEntry(L"Rect", L"Gone", CRect(3000, 100, 3400, 400), ini.GetString());
    WriteWindowRectEntry(L"Rect", L"Edge", CRect(1400, 800, 1800, 1100), ini.GetString());
    EXPECT_FALSE(RestoreWindowRect(L"Gone", &wnd));
    EXPECT_EQ(Text(Where()), "100,50,900,650");
    EXPECT_TRUE(RestoreWindowRect(L"Edge", &wnd));
    EXPECT_EQ(Text(Where()), "1400,800,1800,1100");
    EXPECT_TRUE(RestoreWindowRectFitted(L"Edge", &wnd));
    EXPECT_EQ(Text(Where()), "1200,660,1600,960");
    RECT read;
    EXPECT_GT(ReadWindowRectEntry(L"Rect", L"Edge", &read, ini.GetString()), 0);
    EXPECT_EQ(Text(read), "1400,800,1800,1100");
}

TEST_F(Placement, PlacedBesideAnAnchorOrCentredWithoutOne)
{
    TwoMonitors monitors;
    CWnd anchor;
    anchor.CreateEx(0, AfxRegisterWndClass(0), L"anchor", WS_POPUP, 500, 300, 200, 100, nullptr, nullptr);
    PlaceWindowNear(&anchor, &wnd, 4098);
    EXPECT_EQ(Text(Where()), "705,50,1505,650");
    anchor.MoveWindow(-5000, -5000, 200, 100);
    PlaceWindowNear(&anchor, &wnd, 4098);
    EXPECT_EQ(Where().Width(), 800);
    EXPECT_NE(Where().left, 705);
    anchor.DestroyWindow();
}

} // namespace
