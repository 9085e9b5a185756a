#include <winsock2.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "net/voice/IAudioOutput.h"
#include "net/voice/OpusVoiceCodec.h"
#include "net/voice/PlaybackRing.h"
#include "net/voice/SoundManager.h"
#include "net/voice/VoiceFormat.h"

namespace {

std::vector<short> Speechlike()
{
    // Two tones with a slow swell, so that the coder has something to work on.
    std::vector<short> samples(voice::kBlockSamples);
    for (int i = 0; i < voice::kBlockSamples; ++i) {
        double t = (double)i / voice::kSampleRate;
        samples[i] = (short)(9000 * (1 + std::sin(2 * 3.14159 * 3 * t)) *
                             (std::sin(2 * 3.14159 * 220 * t) + 0.5 * std::sin(2 * 3.14159 * 1330 * t)));
    }
    return samples;
}

std::string EncodedFrame()
{
    std::vector<short> samples = Speechlike();
    unsigned char frame[voice::kFrameBufferBytes];
    int n = COpusVoiceCodec().Encode(samples.data(), (int)samples.size(), frame, sizeof frame);
    return std::string((const char*)frame, n > 0 ? n : 0);
}

// A device that plays at a fixed position and does nothing else.
class StillOutput : public IAudioOutput {
public:
    explicit StillOutput(DWORD dwPlayed) : m_dwPlayed(dwPlayed) {}
    bool Open() override { return true; }
    bool Play(BYTE*, DWORD) override { return true; }
    bool WaitForEnd(DWORD dwWaitMs) override
    {
        Sleep(dwWaitMs);
        return false;
    }
    bool Pause() override { return true; }
    bool Restart() override { return true; }
    bool Reset() override { return true; }
    void Close() override {}
    DWORD GetPlayedBytes() override { return m_dwPlayed; }

private:
    DWORD m_dwPlayed;
};

void BM_EncodeFrameFreshState(benchmark::State& state)
{
    COpusVoiceCodec codec;
    std::vector<short> samples = Speechlike();
    unsigned char frame[voice::kFrameBufferBytes];
    for (auto _ : state) benchmark::DoNotOptimize(codec.Encode(samples.data(), (int)samples.size(), frame, sizeof frame));
    state.counters["frames/s"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EncodeFrameFreshState);

void BM_DecodeFrameFreshState(benchmark::State& state)
{
    COpusVoiceCodec codec;
    std::string frame = EncodedFrame();
    short out[voice::kBlockSamples];
    for (auto _ : state)
        benchmark::DoNotOptimize(
            codec.Decode((const unsigned char*)frame.data(), (int)frame.size(), out, voice::kBlockSamples));
    state.counters["frames/s"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
    state.counters["bytes/frame"] = (double)frame.size();
}
BENCHMARK(BM_DecodeFrameFreshState);

void BM_PlaceFrame(benchmark::State& state)
{
    CPlaybackRing ring;
    DWORD dwPlayPos = 0;
    ring.Reset();
    for (auto _ : state) {
        // The device moves on as fast as the writer: a steady run with a wrap every 6000 frames.
        benchmark::DoNotOptimize(ring.PlaceFrame(dwPlayPos, voice::kBlockBytes));
        dwPlayPos = (dwPlayPos + voice::kBlockBytes) % CPlaybackRing::RING_BYTES;
    }
}
BENCHMARK(BM_PlaceFrame);

// A received frame into playback: decode, place, copy. The steady case follows a first frame;
// with a device far into the ring the first frame silences everything before it.
void BM_PlayVoice(benchmark::State& state)
{
    const DWORD dwPlayed = (DWORD)state.range(0);
    const bool bFirstEachTime = state.range(1) != 0;
    std::unique_ptr<CSoundManager> manager(new CSoundManager());
    manager->SetAudioDevices(nullptr, std::unique_ptr<IAudioOutput>(new StillOutput(dwPlayed)));
    manager->StartPlayback();
    while (!manager->PlayVoice(nullptr, 0, L"")) Sleep(5);   // the ring exists once the thread has made it
    std::string frame = EncodedFrame();
    for (auto _ : state) {
        if (bFirstEachTime) {
            state.PauseTiming();
            manager->StopPlayback();
            manager->StartPlayback();
            state.ResumeTiming();
        }
        manager->PlayVoice((const BYTE*)frame.data(), (unsigned short)frame.size(), L"");
    }
    manager->StopPlayback();
}
BENCHMARK(BM_PlayVoice)->Args({0, 0})->Args({4800000, 1})->Args({9500000, 1})->Unit(benchmark::kMicrosecond);

}  // namespace
