// The speech codec: a tone survives encoding and decoding, and no call writes past its buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "net/voice/OpusVoiceCodec.h"
#include "net/voice/VoiceFormat.h"
#include "tests/net/voice/VoiceTestSupport.h"

using namespace voicetest;

namespace {

TEST(OpusVoiceCodec, ToneSurvivesOneBlock)
{
    COpusVoiceCodec codec;
    std::vector<short> tone = Tone(440.0, voice::kBlockSamples, 8000);
    unsigned char frame[voice::kFrameBufferBytes];
    int nBytes = codec.Encode(tone.data(), (int)tone.size(), frame, sizeof frame);
    ASSERT_GT(nBytes, 0);
    // 8000 bit/s over 100 ms is about 100 bytes.
    EXPECT_LE(nBytes, 160);

    std::vector<short> decoded(voice::kBlockSamples);
    ASSERT_EQ(codec.Decode(frame, nBytes, decoded.data(), (int)decoded.size()), voice::kBlockSamples);
    // A fresh coder per frame needs a few milliseconds to settle: judge the second half.
    std::vector<short> tail(decoded.begin() + voice::kBlockSamples / 2, decoded.end());
    std::vector<short> toneTail(tone.begin() + voice::kBlockSamples / 2, tone.end());
    EXPECT_NEAR(Rms(tail), Rms(toneTail), Rms(toneTail) * 0.5);
    EXPECT_NEAR(DominantFrequency(tail, 8000), 440.0, 40.0);
}

TEST(OpusVoiceCodec, RefusesBlocksItCannotCode)
{
    COpusVoiceCodec codec;
    std::vector<short> samples(voice::kBlockSamples, 0);
    unsigned char frame[16];
    EXPECT_EQ(codec.Encode(samples.data(), 799, frame, sizeof frame), -1);
    EXPECT_EQ(codec.Encode(nullptr, 800, frame, sizeof frame), -1);
    short out[800];
    const unsigned char garbage[] = {0xFF, 0xFF, 0xFF};
    EXPECT_EQ(codec.Decode(nullptr, 0, out, 800), -1);
    EXPECT_EQ(codec.Decode(garbage, 0, out, 800), -1);
}

TEST(OpusVoiceCodec, StaysWithinTheOutputCapacity)
{
    COpusVoiceCodec codec;
    // A frame of 120 ms decodes to 960 samples, more than a 100 ms buffer holds.
    std::vector<short> longBlock = Tone(300.0, 960, 8000);
    unsigned char frame[400];
    int nBytes = codec.Encode(longBlock.data(), (int)longBlock.size(), frame, sizeof frame);
    ASSERT_GT(nBytes, 0);
    std::vector<short> out(voice::kBlockSamples + 16, 0x5A5A);
    EXPECT_EQ(codec.Decode(frame, nBytes, out.data(), voice::kBlockSamples), -1);
    for (size_t i = voice::kBlockSamples; i < out.size(); ++i) ASSERT_EQ(out[i], 0x5A5A) << i;

    // The encoder keeps to a small capacity as well.
    std::vector<short> tone = Tone(440.0, voice::kBlockSamples, 8000);
    unsigned char small[24];
    std::memset(small, 0xA5, sizeof small);
    int nSmall = codec.Encode(tone.data(), (int)tone.size(), small, 16);
    EXPECT_LE(nSmall, 16);
    for (size_t i = 16; i < sizeof small; ++i) ASSERT_EQ(small[i], 0xA5) << i;
}

}  // namespace
