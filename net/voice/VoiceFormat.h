#pragma once
// The one audio format of the voice conference, both directions: PCM, mono, 8000 samples per
// second, 16 bits per sample. Capture and coding work on blocks of 100 ms.
#include <winsock2.h>
#include <windows.h>
#include <mmreg.h>

namespace voice {

const int kSampleRate = 8000;
const int kBytesPerSample = 2;
const int kBytesPerSecond = kSampleRate * kBytesPerSample;   // 16000
const int kBlockSamples = kSampleRate / 10;                  // 800, 100 ms
const int kBlockBytes = kBlockSamples * kBytesPerSample;     // 1600
// Each capture buffer is allocated this large; only kBlockBytes of it are recorded into.
const int kCaptureAllocBytes = 16000;
const int kCaptureBuffers = 3;
// The encoded and decoded frame buffers.
const int kFrameBufferBytes = 1600;

// Coding: 8000 bit/s, complexity 2, no in-band FEC, no DTX, no expected loss.
const int kBitRate = 8000;
const int kComplexity = 2;

inline WAVEFORMATEX MakeWaveFormat()
{
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = kSampleRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = kBytesPerSecond;
    format.cbSize = 0;
    return format;
}

}  // namespace voice
