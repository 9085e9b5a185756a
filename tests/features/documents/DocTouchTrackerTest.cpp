#include <gtest/gtest.h>

#include "core/SystemHelpers.h"
#include "features/documents/DocTouchTracker.h"

namespace {

DWORD g_now = 1000;
DWORD FakeTick() { return g_now; }

class TouchTracker : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_now = 1000;
        CDocTouchTracker::s_pfnTick = FakeTick;
    }
    void TearDown() override { CDocTouchTracker::s_pfnTick = ::GetTickCount; }
    static TOUCHINPUT Input(DWORD id, DWORD flags = 0)
    {
        TOUCHINPUT in = {};
        in.dwID = id;
        in.dwFlags = flags;
        return in;
    }
    CDocTouchTracker t;
};

TEST_F(TouchTracker, OnlyAQuickLongHorizontalFlickOfOneFingerTurnsThePage)
{
    struct Case {
        int dx;
        DWORD ms;
        int swipe, direction;
    } cases[] = {
        {-100, 200, 1, 1},    // leftwards: next page
        {100, 200, 1, -1},    // rightwards: previous page
        {-60, 100, 0, 0},     // too short
        {-80, 100, 0, 0},     // 80 is not more than 80
        {-81, 299, 1, 1},
        {-100, 300, 0, 0},    // too slow
        {-100, 2000, 0, 0},
    };
    for (const Case& c : cases) {
        CDocTouchTracker one;
        g_now = 5000;
        one.OnTouchDown(300, 200, Input(7));
        g_now += c.ms;
        one.OnTouchMove(300 + c.dx, 210, Input(7), nullptr);
        int swipe = 0, direction = 0;
        one.OnTouchUp(300 + c.dx, 210, Input(7), &swipe, &direction);
        EXPECT_EQ(swipe, c.swipe) << c.dx << " in " << c.ms;
        EXPECT_EQ(direction, c.direction) << c.dx << " in " << c.ms;
        EXPECT_EQ(one.m_nCount, 0);
    }
}

TEST_F(TouchTracker, ATwoFingerGestureNeverFlicksAndPinchGivesTheSpreadRatio)
{
    t.OnTouchDown(100, 100, Input(1));
    EXPECT_TRUE(t.CanDrag());
    t.OnTouchDown(200, 100, Input(2));
    EXPECT_TRUE(t.m_bMultiTouch);
    EXPECT_FALSE(t.CanDrag());
    EXPECT_EQ(t.m_nSpread, 100);
    EXPECT_EQ(t.m_nCentreX, 150);
    float ratio = 0;
    EXPECT_TRUE(t.OnTouchMove(300, 100, Input(2), &ratio));
    EXPECT_FLOAT_EQ(ratio, 2.0f);   // relative to the spread at the last down
    EXPECT_FALSE(t.OnTouchMove(301, 100, Input(2), &ratio)) << "a one-pixel tremble is no move";
    EXPECT_FALSE(t.OnTouchMove(0, 0, Input(99), &ratio)) << "unknown finger";
    int swipe = 0, direction = 0;
    t.OnTouchUp(300, 100, Input(2), &swipe, &direction);
    g_now += 10;
    t.OnTouchUp(0, 100, Input(1), &swipe, &direction);   // a fast 100-pixel lift of the last finger
    EXPECT_EQ(swipe, 0);
    EXPECT_EQ(t.m_nCount, 0);
    EXPECT_FALSE(t.m_bMultiTouch);
    EXPECT_TRUE(t.CanDrag());
}

TEST_F(TouchTracker, ThreeFingersSpreadIsTwiceTheFarthestFromTheCentre)
{
    t.OnTouchDown(0, 0, Input(1));
    t.OnTouchDown(60, 0, Input(2));
    t.OnTouchDown(30, 90, Input(3, TOUCHEVENTF_PEN));
    EXPECT_EQ(t.m_nCentreX, 30);
    EXPECT_EQ(t.m_nCentreY, 30);
    EXPECT_EQ(t.m_nSpread, 120);   // the third point is 60 from the centre
    EXPECT_TRUE(t.HasPen());
    EXPECT_EQ(std::wstring(t.Describe()), L"3, c:30,30, d:120, pen:1");
    t.OnTouchUp(60, 0, Input(2), nullptr, nullptr);
    EXPECT_EQ(t.m_nCount, 2);
    EXPECT_EQ(t.m_points[0].nId, 1);
    EXPECT_EQ(t.m_points[1].nId, 3) << "later points move down a slot";
    EXPECT_EQ(t.m_points[2].nId, 0);
}

TEST_F(TouchTracker, ATouchBeyondTheTableIsIgnoredWithItsMovesAndLift)
{
    for (DWORD id = 1; id <= 32; ++id) EXPECT_TRUE(t.OnTouchDown((int)id, 0, Input(id)));
    const CDocTouchTracker before = t;
    EXPECT_FALSE(t.OnTouchDown(500, 500, Input(33)));
    EXPECT_EQ(t.m_nCount, 32);
    EXPECT_FALSE(t.OnTouchMove(600, 600, Input(33), nullptr));
    t.OnTouchUp(600, 600, Input(33), nullptr, nullptr);
    EXPECT_EQ(t.m_nCount, 32);
    EXPECT_EQ(memcmp(t.m_points, before.m_points, sizeof t.m_points), 0);
    for (DWORD id = 32; id >= 1; --id) t.OnTouchUp(0, 0, Input(id), nullptr, nullptr);
    EXPECT_EQ(t.m_nCount, 0);
}

TEST(TouchSupport, VersionIsComparedAsAPairAndTheDigitizerMustBeReady)
{
    struct Case {
        DWORD major, minor;
        int digitizer;
        BOOL expected;
    } cases[] = {
        {6, 1, 0xC0, TRUE}, {6, 2, 0x80, TRUE}, {10, 0, 0x40, TRUE}, {7, 0, 0xC0, TRUE},
        {6, 0, 0xC0, FALSE}, {5, 1, 0xC0, FALSE}, {10, 0, 0x3F, FALSE}, {10, 0, 0, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsTouchSupported(c.major, c.minor, c.digitizer), c.expected) << c.major << "." << c.minor;
}

}  // namespace
