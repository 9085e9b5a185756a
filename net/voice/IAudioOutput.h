#pragma once
// The output device of playback as the sound manager uses it: one buffer played from its start to
// its end, again and again, with pause and restart. The WinMM implementation is the real one;
// tests put a fake in its place.
#include <winsock2.h>
#include <windows.h>

class IAudioOutput {
public:
    virtual ~IAudioOutput() {}

    // Opens the device (8 kHz mono 16-bit PCM); false when there is none.
    virtual bool Open() = 0;
    // Plays the buffer once from its start; the same buffer may be given again once it has played
    // to its end.
    virtual bool Play(BYTE* pData, DWORD dwBytes) = 0;
    // Waits up to dwWaitMs for the buffer to have played to its end; true once for each end.
    virtual bool WaitForEnd(DWORD dwWaitMs) = 0;
    virtual bool Pause() = 0;
    virtual bool Restart() = 0;
    // Stops playing and hands the buffer back.
    virtual bool Reset() = 0;
    // Closes the device; nothing of the buffer is used afterwards.
    virtual void Close() = 0;
    // Bytes played since the device was opened; 0 when the device cannot tell.
    virtual DWORD GetPlayedBytes() = 0;
};
