// The playback ring's arithmetic: where frames go, the laps, resynchronisation, pause and restart.
#include <gtest/gtest.h>

#include "net/voice/PlaybackRing.h"

namespace {

const LONGLONG kLap = CPlaybackRing::LAP_STEP;
const DWORD kEnd = CPlaybackRing::RING_BYTES;
const int kNone = S_RING_PLACEMENT::None;
const int kPause = S_RING_PLACEMENT::Pause;
const int kRestart = S_RING_PLACEMENT::Restart;

struct PlaceCase {
    const char* name;
    // state before
    LONGLONG readLap, writeLap;
    DWORD writeOffset;
    bool paused;
    // the frame
    DWORD playPos, length;
    // expected
    DWORD offset, silenceEnd;
    int action;
    LONGLONG readLapAfter, writeLapAfter;
    bool pausedAfter;
};

const PlaceCase kPlaceCases[] = {
    {"first frame one second ahead", 0, 0, 0, false, 5000, 1600, 21000, 5000, kNone, 0, 0, false},
    {"first frame with the device at the start", 0, 0, 0, false, 0, 1600, 16000, 0, kNone, 0, 0, false},
    {"first frame while paused does not restart", 0, 0, 0, true, 3000, 1600, 19000, 3000, kNone, 0, 0, true},
    {"next frame follows the last", 0, 0, 21000, false, 6000, 1600, 21000, 0, kNone, 0, 0, false},
    {"frame that ends exactly at the ring's end", 0, 0, kEnd - 1600, false, kEnd - 16000, 1600, kEnd - 1600, 0, kNone, 0, 0, false},
    {"frame past the end wraps to a new lap", 0, 0, kEnd - 1000, false, kEnd - 15000, 1600, 0, 0, kNone, 0, kLap, false},
    {"device overtook the writer: pause", 0, 0, 100000, false, 120000, 1600, 100000, 0, kPause, 0, 0, true},
    {"overtaken while already paused: nothing", 0, 0, 100000, true, 120000, 1600, 100000, 0, kNone, 0, 0, true},
    {"paused, writer on a new lap: restart", 0, kLap, 3200, true, kEnd - 2000, 1600, 3200, 0, kRestart, 0, kLap, false},
    {"paused, same lap, more than a second ahead: restart", 0, 0, 40000, true, 20000, 1600, 40000, 0, kRestart, 0, 0, false},
    {"paused, same lap, a second ahead or less: stay", 0, 0, 36000, true, 20000, 1600, 36000, 0, kNone, 0, 0, true},
    {"device into the new lap: laps caught up and back to 0", 0, kLap, 3200, false, 1000, 1600, 3200, 0, kNone, 0, 0, false},
    {"device still at the old lap's end: laps stay", 0, kLap, 3200, false, kEnd - 8000, 1600, 3200, 0, kNone, 0, kLap, false},
    {"more than 30000 ahead: pulled back to one second", 0, 0, 80000, false, 40000, 1600, 56000, 40000, kNone, 0, 0, false},
    {"exactly 30000 ahead: kept", 0, 0, 70000, false, 40000, 1600, 70000, 0, kNone, 0, 0, false},
    {"equal non-zero laps ahead of the device: laps back to 0", kLap, kLap, 9000, false, 5000, 1600, 9000, 0, kNone, 0, 0, false},
    {"first frame near the end stays inside the ring", 0, 0, 0, false, kEnd - 10000, 1600, 0, kEnd - 10000, kNone, 0, kLap, false},
    {"first frame whose end would pass the ring's end", 0, 0, 0, false, kEnd - 17000, 1600, 0, kEnd - 17000, kNone, 0, kLap, false},
};

class PlaceFrame : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceFrame, FollowsTheRules)
{
    const PlaceCase& c = GetParam();
    CPlaybackRing ring;
    ring.SetState(c.readLap, c.writeLap, c.writeOffset, c.paused);
    S_RING_PLACEMENT placement = ring.PlaceFrame(c.playPos, c.length);
    EXPECT_EQ(placement.dwOffset, c.offset);
    EXPECT_EQ(placement.dwSilenceEnd, c.silenceEnd);
    EXPECT_EQ(placement.nDeviceAction, c.action);
    EXPECT_EQ(ring.GetReadLap(), c.readLapAfter);
    EXPECT_EQ(ring.GetWriteLap(), c.writeLapAfter);
    EXPECT_EQ(ring.IsPaused(), c.pausedAfter);
    EXPECT_EQ(ring.GetWriteOffset(), c.offset + c.length);
    EXPECT_LE(placement.dwOffset + c.length, kEnd) << "the frame must stay inside the ring";
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaceFrame, ::testing::ValuesIn(kPlaceCases),
                         [](const ::testing::TestParamInfo<PlaceCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!isalnum((unsigned char)ch)) ch = '_';
                             return name;
                         });

struct OverrunCase {
    LONGLONG readLap, writeLap;
    DWORD writeOffset;
    bool paused;
    DWORD playPos;
    bool pause;
};

TEST(PlaybackRing, PausesWhenTheDeviceOvertakesTheWriter)
{
    const OverrunCase cases[] = {
        {0, 0, 1000, false, 2000, true},     // device past the writer
        {0, 0, 1000, false, 1000, false},    // level with it
        {0, 0, 1000, false, 0, false},       // behind it
        {0, kLap, 1000, false, 2000, false}, // writer already on the next lap
        {kLap, kLap, 1000, false, 2000, true},
        {0, 0, 1000, true, 2000, false},     // already paused
    };
    for (const OverrunCase& c : cases) {
        CPlaybackRing ring;
        ring.SetState(c.readLap, c.writeLap, c.writeOffset, c.paused);
        EXPECT_EQ(ring.CheckOverrun(c.playPos), c.pause) << c.playPos << " lap " << c.writeLap;
        EXPECT_EQ(ring.IsPaused(), c.pause || c.paused);
    }
}

TEST(PlaybackRing, PlayPositionIsTheDeviceCountModuloTheRing)
{
    CPlaybackRing ring;
    EXPECT_EQ(ring.PlayPosition(0, false), 0u);
    EXPECT_EQ(ring.PlayPosition(12345, false), 12345u);
    EXPECT_EQ(ring.PlayPosition(kEnd + 5, false), 5u);
    EXPECT_EQ(ring.PlayPosition(12345, true), 0u) << "while stopping";
}

TEST(PlaybackRing, ARunPausesAndRestartsAroundALateWriter)
{
    CPlaybackRing ring;
    ring.Reset();
    // The device plays on before the first frame: the writer is "behind" and the device pauses.
    EXPECT_TRUE(ring.CheckOverrun(800));
    S_RING_PLACEMENT first = ring.PlaceFrame(800, 1600);
    EXPECT_EQ(first.dwOffset, 16800u);
    EXPECT_EQ(first.nDeviceAction, kNone);
    // The second frame leaves the writer more than a second ahead: the device plays again.
    S_RING_PLACEMENT second = ring.PlaceFrame(800, 1600);
    EXPECT_EQ(second.dwOffset, 18400u);
    EXPECT_EQ(second.nDeviceAction, kRestart);
    EXPECT_FALSE(ring.IsPaused());
    // A new run starts from scratch.
    ring.Reset();
    EXPECT_EQ(ring.PlaceFrame(100, 1600).dwOffset, 16100u);
}

TEST(PlaybackRing, SilenceAtTheEndKeepsWhatTheNewLapHolds)
{
    CPlaybackRing ring;
    ring.SetState(0, kLap, 4800, false);
    EXPECT_EQ(ring.SilenceStartAtEnd(), 4800u);
    ring.SetState(0, 0, 4800, false);
    EXPECT_EQ(ring.SilenceStartAtEnd(), 0u);
}

}  // namespace
