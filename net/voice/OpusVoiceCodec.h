#pragma once
// The speech codec over libopus in its narrow-band voice mode: 8 kHz mono, 8000 bit/s,
// complexity 2, no in-band FEC, no DTX. Like the codec it stands in for, each call makes a fresh
// coder state and frees it afterwards, so frames are coded independently of each other.
//
// Frames made here are Opus frames: they do not interoperate with a peer that expects another
// speech codec.
#include "net/voice/IVoiceCodec.h"

class COpusVoiceCodec : public IVoiceCodec {
public:
    int Encode(const short* pSamples, int nSamples, unsigned char* pOut, int nCapacity) override;
    int Decode(const unsigned char* pFrame, int nLength, short* pOut, int nCapacity) override;

    // A block length in samples that one Opus packet can carry at 8 kHz (2.5 ms to 120 ms).
    static bool IsCodableBlock(int nSamples);
};
