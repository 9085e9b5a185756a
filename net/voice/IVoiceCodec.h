#pragma once
// The speech codec as the capture and playback side see it: one 100 ms block of 16-bit mono PCM
// at 8 kHz in, one encoded frame out, and back. Implementations never write past the capacity
// they are given.
class IVoiceCodec {
public:
    virtual ~IVoiceCodec() {}

    // Encodes nSamples samples into pOut; the number of bytes written (at most nCapacity), or -1
    // when the block cannot be encoded.
    virtual int Encode(const short* pSamples, int nSamples, unsigned char* pOut, int nCapacity) = 0;
    // Decodes one frame into pOut; the number of samples written (at most nCapacity), or -1 when
    // the frame cannot be decoded or would not fit.
    virtual int Decode(const unsigned char* pFrame, int nLength, short* pOut, int nCapacity) = 0;
};
