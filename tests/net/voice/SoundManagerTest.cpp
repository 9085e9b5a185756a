// Capture and playback with fake devices, and with the machine's own (absent) WinMM devices.
#include <winsock2.h>
#include <windows.h>
#include <mmsystem.h>
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/voice/OpusVoiceCodec.h"
#include "net/voice/SoundManager.h"
#include "tests/net/voice/VoiceTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace voicetest;

namespace {

const DWORD kEnd = CPlaybackRing::RING_BYTES;

std::string EncodeTone(double dFrequency)
{
    std::vector<short> tone = Tone(dFrequency, voice::kBlockSamples, voice::kSampleRate);
    unsigned char frame[voice::kFrameBufferBytes];
    int n = COpusVoiceCodec().Encode(tone.data(), (int)tone.size(), frame, sizeof frame);
    return n > 0 ? std::string((const char*)frame, n) : std::string();
}

std::string Decode(const std::string& frame)
{
    short out[voice::kBlockSamples];
    int n = COpusVoiceCodec().Decode((const unsigned char*)frame.data(), (int)frame.size(), out, voice::kBlockSamples);
    return n > 0 ? std::string((const char*)out, n * 2) : std::string();
}

class PlaybackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_manager.reset(new CSoundManager());
        ASSERT_TRUE(m_manager->SetAudioDevices(nullptr, std::unique_ptr<IAudioOutput>(new FakeAudioOutput(m_output))));
        m_frame = EncodeTone(440.0);
        ASSERT_FALSE(m_frame.empty());
        m_decoded = Decode(m_frame);
        ASSERT_EQ(m_decoded.size(), (size_t)voice::kBlockBytes);
    }
    void TearDown() override { m_manager.reset(); }

    void SetPlayed(DWORD dwPlayed)
    {
        std::lock_guard<std::mutex> lock(m_output->mutex);
        m_output->dwPlayed = dwPlayed;
    }
    // Starts playback and waits until the thread has handed the ring to the device.
    void Start()
    {
        ASSERT_TRUE(m_manager->StartPlayback());
        ASSERT_TRUE(zeltest::PumpUntil([&] { return m_output->Count("play") >= 1; }, 5000));
    }
    BOOL Play() { return m_manager->PlayVoice((const BYTE*)m_frame.data(), (unsigned short)m_frame.size(), L""); }
    std::string Ring(DWORD dwOffset, DWORD dwBytes)
    {
        std::string out;
        EXPECT_TRUE(m_manager->CopyRing(dwOffset, dwBytes, out));
        return out;
    }

    std::shared_ptr<FakeAudioOutput::State> m_output = std::make_shared<FakeAudioOutput::State>();
    std::unique_ptr<CSoundManager> m_manager;
    std::string m_frame;
    std::string m_decoded;
};

TEST_F(PlaybackTest, FramesBeforePlaybackAreDropped)
{
    EXPECT_FALSE(Play());
    std::string out;
    EXPECT_FALSE(m_manager->CopyRing(0, 1, out));
}

TEST_F(PlaybackTest, FirstFrameGoesOneSecondAheadOfTheDevice)
{
    SetPlayed(4000);
    Start();
    ASSERT_TRUE(Play());
    EXPECT_EQ(Ring(20000, voice::kBlockBytes), m_decoded);
    EXPECT_EQ(Ring(0, 20000), std::string(20000, '\0'));
    ASSERT_TRUE(Play());
    EXPECT_EQ(Ring(21600, voice::kBlockBytes), m_decoded);
    EXPECT_EQ(m_manager->GetRingState().GetWriteOffset(), 23200u);
}

TEST_F(PlaybackTest, DevicePausedWhenAheadAndRestartedOnceTheWriterLeads)
{
    SetPlayed(800);
    Start();
    // Nothing written yet and the device moving: the playback thread pauses it.
    ASSERT_TRUE(zeltest::PumpUntil([&] { return m_output->Count("pause") == 1; }, 5000));
    ASSERT_TRUE(Play());
    EXPECT_EQ(m_output->Count("restart"), 0);
    ASSERT_TRUE(Play());
    EXPECT_EQ(m_output->Count("restart"), 1);
    EXPECT_FALSE(m_manager->GetRingState().IsPaused());
}

TEST_F(PlaybackTest, EndOfTheRingKeepsTheFramesOfTheNewLap)
{
    SetPlayed(kEnd - 20000);
    Start();
    ASSERT_TRUE(Play());   // at kEnd - 4000
    ASSERT_TRUE(Play());   // at kEnd - 2400
    ASSERT_TRUE(Play());   // does not fit: at 0, on the next lap
    EXPECT_EQ(m_manager->GetRingState().GetWriteOffset(), (DWORD)voice::kBlockBytes);
    EXPECT_EQ(Ring(kEnd - 4000, voice::kBlockBytes), m_decoded);
    {
        std::lock_guard<std::mutex> lock(m_output->mutex);
        m_output->bEndPending = true;
    }
    ASSERT_TRUE(zeltest::PumpUntil([&] { return m_output->Count("play") == 2; }, 5000));
    EXPECT_EQ(Ring(0, voice::kBlockBytes), m_decoded) << "the new lap's frame was silenced";
    EXPECT_EQ(Ring(kEnd - 4000, voice::kBlockBytes), std::string(voice::kBlockBytes, '\0'));
}

TEST_F(PlaybackTest, StartAndStopOnce)
{
    Start();
    EXPECT_FALSE(m_manager->StartPlayback()) << "a second start while the thread exists";
    EXPECT_TRUE(m_manager->StopPlayback());
    EXPECT_FALSE(m_manager->IsPlaybackThreadAlive());
    EXPECT_EQ(m_output->Count("pause"), 1);
    EXPECT_EQ(m_output->Count("reset"), 1);
    EXPECT_GE(m_output->Count("close"), 1);
    EXPECT_FALSE(m_manager->StopPlayback()) << "not running any more";
    // The ring stays: a late frame still goes somewhere harmless.
    EXPECT_TRUE(Play());
    Start();
    EXPECT_TRUE(m_manager->StopPlayback());
}

TEST_F(PlaybackTest, UndecodableFrameIsDropped)
{
    Start();
    const BYTE junk[] = {0xFF};
    EXPECT_TRUE(m_manager->PlayVoice(junk, 0, L""));
    EXPECT_EQ(m_manager->GetRingState().GetWriteOffset(), 0u) << "nothing placed";
}

// ------------------------------------------------------------------------------------ capture

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_manager.reset(new CSoundManager());
        ASSERT_TRUE(m_manager->SetAudioDevices(std::unique_ptr<IAudioInput>(new FakeAudioInput(m_input)), nullptr));
        ASSERT_TRUE(m_manager->SetCaptureTargets(
            [this](const BYTE* p, int n) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_frames.emplace_back((const char*)p, n);
            },
            [this] {
                std::lock_guard<std::mutex> lock(m_mutex);
                ++m_nEnds;
            }));
    }
    void Feed(const std::string& block)
    {
        std::lock_guard<std::mutex> lock(m_input->mutex);
        m_input->blocks.push_back(block);
    }
    size_t Frames()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_frames.size();
    }
    int Ends()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_nEnds;
    }

    std::shared_ptr<FakeAudioInput::State> m_input = std::make_shared<FakeAudioInput::State>();
    std::unique_ptr<CSoundManager> m_manager;
    std::mutex m_mutex;
    std::vector<std::string> m_frames;
    int m_nEnds = 0;
};

TEST_F(CaptureTest, EncodesEachBlockAndReportsTheEndOnce)
{
    std::string block = ToBytes(Tone(440.0, voice::kBlockSamples, voice::kSampleRate));
    Feed(block);
    Feed(block);
    Feed(block.substr(0, 600));   // a stopped device hands back a short block
    Feed(block.substr(0, 200));
    ASSERT_TRUE(m_manager->StartCapture());
    EXPECT_FALSE(m_manager->StartCapture()) << "a second start while the thread exists";
    ASSERT_TRUE(zeltest::PumpUntil([&] { return Ends() >= 1 && m_input->blocks.empty(); }, 5000));
    EXPECT_TRUE(m_manager->StopCapture());
    EXPECT_FALSE(m_manager->IsCaptureThreadAlive());
    ASSERT_EQ(Frames(), 2u);
    EXPECT_EQ(Ends(), 1) << "the end is reported once per run";
    EXPECT_EQ(m_input->nRequeued, 2) << "short blocks are not queued again";
    EXPECT_EQ(m_input->nClosed, 1);
    std::vector<short> decoded = ToSamples(Decode(m_frames[0]));
    EXPECT_EQ(decoded.size(), (size_t)voice::kBlockSamples);
}

TEST_F(CaptureTest, FailedStartEndsTheRunAndReportsIt)
{
    m_input->bStartSucceeds = false;
    ASSERT_TRUE(m_manager->StartCapture());
    ASSERT_TRUE(zeltest::PumpUntil([&] { return !m_manager->IsCaptureThreadAlive(); }, 5000));
    EXPECT_EQ(Ends(), 1);
    EXPECT_EQ(m_input->nClosed, 1);
    // A new run is possible and reports its own end.
    ASSERT_TRUE(m_manager->StartCapture());
    ASSERT_TRUE(zeltest::PumpUntil([&] { return Ends() == 2; }, 5000));
    EXPECT_TRUE(m_manager->StopCapture());
}

// --------------------------------------------------------------------------- real devices

// Under a headless Wine there is no sound device: both sides must give up cleanly.
TEST(SoundManagerDevices, AbsentDevicesFailCleanly)
{
    if (waveInGetNumDevs() != 0 || waveOutGetNumDevs() != 0) GTEST_SKIP() << "this machine has sound devices";
    CSoundManager manager;
    int nEnds = 0;
    ASSERT_TRUE(manager.SetCaptureTargets(nullptr, [&] { ++nEnds; }));
    ASSERT_TRUE(manager.StartCapture());
    ASSERT_TRUE(zeltest::PumpUntil([&] { return !manager.IsCaptureThreadAlive(); }, 5000));
    EXPECT_EQ(nEnds, 1);

    ASSERT_TRUE(manager.StartPlayback());
    std::string frame = EncodeTone(300.0);
    ASSERT_TRUE(zeltest::PumpUntil([&] {
        return manager.PlayVoice((const BYTE*)frame.data(), (unsigned short)frame.size(), L"") != FALSE;
    }, 5000));
    // Without a device the play position stays 0.
    std::string out;
    ASSERT_TRUE(manager.CopyRing(16000, voice::kBlockBytes, out));
    EXPECT_EQ(out, Decode(frame));
    EXPECT_TRUE(manager.StopPlayback());
    EXPECT_FALSE(manager.IsPlaybackThreadAlive());
}

}  // namespace
