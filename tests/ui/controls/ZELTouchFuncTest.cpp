// The touch tracker fed with synthetic points (there is no digitizer under Wine).
#include <gtest/gtest.h>

#include "ui/controls/ZELTouchFunc.h"

namespace {

DWORD g_dwNow = 1000;
DWORD FakeTicks() { return g_dwNow; }

class TouchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_dwNow = 1000;
        m_touch.SetTickSource(&FakeTicks);
    }
    // Two fingers down 'apart' pixels apart on a horizontal line, then the second moves so that
    // they are 'to' apart; returns whether the zoom was reported changed.
    int Pinch(int apart, int to)
    {
        m_touch.OnTouchDown(100, 100, 1);
        m_touch.OnTouchDown(100 + apart, 100, 2);
        int changed = 0;
        m_touch.OnTouchMove(100 + to, 100, 2, &changed, nullptr);
        return changed;
    }
    void LiftAll()
    {
        m_touch.OnTouchUp(0, 0, 2, nullptr, nullptr);
        m_touch.OnTouchUp(0, 0, 1, nullptr, nullptr);
    }
    CZELTouchFunc m_touch;
};

TEST_F(TouchTest, SpreadingDoublesTheZoomAndClosingIsFlooredAtTheMinimum)
{
    EXPECT_EQ(Pinch(100, 200), 1);
    EXPECT_FLOAT_EQ(m_touch.GetZoom(), 2.0f);
    EXPECT_EQ(m_touch.IsGesture(), 1);
    LiftAll();
    EXPECT_FLOAT_EQ(m_touch.GetBaseZoom(), 2.0f);
    EXPECT_EQ(m_touch.IsGesture(), 0);

    // From zoom 2.0, closing from 200 to 100 halves the current zoom.
    EXPECT_EQ(Pinch(200, 100), 1);
    EXPECT_FLOAT_EQ(m_touch.GetZoom(), 1.0f);
    // A further close would give 0.5: the minimum (1.0) holds and drops one step.
    int changed = 0;
    m_touch.OnTouchMove(150, 100, 2, &changed, nullptr);
    EXPECT_FLOAT_EQ(m_touch.GetZoom(), 1.0f);
    EXPECT_NEAR(m_touch.GetMinZoom(), 0.99f, 1e-5);
}

TEST_F(TouchTest, MinimumZoomDriftsDownToItsFloorAndTheZoomIsCappedAtFive)
{
    m_touch.OnTouchDown(0, 0, 1);
    m_touch.OnTouchDown(400, 0, 2);
    int changed = 0;
    // Alternate between two close positions: every move computes a zoom below the minimum.
    for (int i = 0; i < 200; ++i) m_touch.OnTouchMove(i % 2 ? 10 : 20, 0, 2, &changed, nullptr);
    EXPECT_LE(m_touch.GetMinZoom(), 0.4601f);
    EXPECT_GE(m_touch.GetMinZoom(), 0.4499f);
    // Once the minimum stops falling the zoom rests on it.
    EXPECT_FLOAT_EQ(m_touch.GetZoom(), m_touch.GetMinZoom());
    LiftAll();

    EXPECT_EQ(Pinch(10, 600), 1);
    EXPECT_FLOAT_EQ(m_touch.GetZoom(), 5.0f);
}

TEST_F(TouchTest, OneFingerScrollsPastItsThresholds)
{
    const struct {
        int dy;       // finger movement (negative: up)
        int scroll;   // expected output, -1 for "not written"
    } cases[] = {
        {-3, -1},   // below the 4-pixel move step: no output at all
        {-10, 10},  // up by 10
        {12, -12},  // down by 12
    };
    for (const auto& c : cases) {
        CZELTouchFunc touch;
        touch.OnTouchDown(50, 200, 7);
        int scroll = -1;
        touch.OnTouchMove(50, 200 + c.dy, 7, nullptr, &scroll);
        EXPECT_EQ(scroll, c.scroll) << "dy " << c.dy;
    }
    // The smallest move that counts (4 pixels) is above the scroll threshold (3): it scrolls.
    CZELTouchFunc touch;
    touch.OnTouchDown(50, 200, 7);
    int scroll = -1;
    touch.OnTouchMove(50, 196, 7, nullptr, &scroll);
    EXPECT_EQ(scroll, 4);
}

TEST_F(TouchTest, SwipeNeedsSpeedDistanceOneFingerAndModeZero)
{
    const struct {
        const char* name;
        int mode;
        int dx;         // finger movement (negative: left)
        DWORD ms;       // time from down to up
        bool second;    // a second finger touched in between
        int swiped;
        int direction;
    } cases[] = {
        {"left flick", 0, -100, 200, false, 1, 1},
        {"right flick", 0, 100, 299, false, 1, -1},
        {"too slow", 0, -100, 300, false, 0, 0},
        {"too short", 0, -80, 100, false, 0, 0},
        {"after a second finger", 0, -100, 100, true, -1, 0},
        {"drawing tool active", 3, -100, 100, false, -1, 0},
    };
    for (const auto& c : cases) {
        CZELTouchFunc touch;
        touch.SetTickSource(&FakeTicks);
        touch.SyncMode(c.mode);
        g_dwNow = 5000;
        touch.OnTouchDown(300, 300, 1);
        if (c.second) {
            int changed = 0;
            touch.OnTouchDown(400, 300, 2);
            touch.OnTouchMove(450, 300, 2, &changed, nullptr);
            touch.OnTouchUp(450, 300, 2, nullptr, nullptr);
        }
        g_dwNow += c.ms;
        int swiped = -1, direction = 0;
        touch.OnTouchUp(300 + c.dx, 300, 1, &swiped, &direction);
        EXPECT_EQ(swiped, c.swiped) << c.name;
        EXPECT_EQ(direction, c.direction) << c.name;
        EXPECT_EQ(touch.GetCount(), 0) << c.name;
    }
}

TEST_F(TouchTest, LiftingAnUntrackedFingerOnlyTakesTheZoomAsBase)
{
    Pinch(100, 200);
    const int nBase = m_touch.GetBaseDistance();
    m_touch.OnTouchUp(0, 0, 99, nullptr, nullptr);
    EXPECT_EQ(m_touch.GetCount(), 2);
    EXPECT_EQ(m_touch.GetBaseDistance(), nBase);
    EXPECT_FLOAT_EQ(m_touch.GetBaseZoom(), 2.0f);
    // Lifting the second finger leaves one point, which becomes the anchor.
    m_touch.OnTouchUp(0, 0, 2, nullptr, nullptr);
    EXPECT_EQ(m_touch.GetCount(), 1);
    EXPECT_EQ(m_touch.GetAnchor().x, 100);
    EXPECT_EQ(m_touch.GetBaseDistance(), 0);
}

TEST_F(TouchTest, AThirtyThirdPointAndANullZoomOutputAreHarmless)
{
    for (int id = 1; id <= 33; ++id) m_touch.OnTouchDown(id * 10, 0, id);
    EXPECT_EQ(m_touch.GetCount(), 32);
    EXPECT_EQ(m_touch.OnTouchMove(900, 0, 33, nullptr, nullptr), 1);   // not tracked
    EXPECT_EQ(m_touch.OnTouchMove(900, 0, 32, nullptr, nullptr), 1);   // pinch, no output pointer
    m_touch.OnTouchUp(0, 0, 33, nullptr, nullptr);
    EXPECT_EQ(m_touch.GetCount(), 32);
}

TEST(TouchPlatformTest, VersionTestAcceptsWindowsTenAndNeedsADigitizer)
{
    const struct {
        DWORD major, minor;
        int digitizer;
        BOOL expected;
    } cases[] = {
        {6, 0, 0xC1, FALSE},   // Vista
        {6, 1, 0xC1, TRUE},    // Windows 7
        {6, 3, 0xC1, TRUE},
        {10, 0, 0xC1, TRUE},   // Windows 10 and 11 report 10.0
        {10, 0, 0, FALSE},     // no digitizer
    };
    for (const auto& c : cases)
        EXPECT_EQ(CZELTouchFunc::IsTouchPlatform(c.major, c.minor, c.digitizer), c.expected)
            << c.major << "." << c.minor;
}

}  // namespace
