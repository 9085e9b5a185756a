#pragma once
// The input device of capture as the sound manager uses it: a few buffers recorded in turn, each
// handed over when it is full and queued again when the handler asks for it. The WinMM
// implementation is the real one; tests put a fake in its place.
#include <winsock2.h>
#include <windows.h>

#include <functional>

class IAudioInput {
public:
    // One recorded buffer: its index, its bytes and how many were recorded. Returns true to have
    // the buffer queued again.
    typedef std::function<bool(int nIndex, BYTE* pData, DWORD dwRecorded)> BlockHandler;

    virtual ~IAudioInput() {}

    // Opens the device (8 kHz mono 16-bit PCM); false when there is none.
    virtual bool Open() = 0;
    // Prepares and queues nCount zeroed buffers of dwAlloc bytes, of which dwBytes are recorded
    // into each.
    virtual bool QueueBuffers(int nCount, DWORD dwBytes, DWORD dwAlloc) = 0;
    virtual bool Start() = 0;
    // Waits up to dwWaitMs for recorded buffers and hands each to the handler on this thread.
    virtual void Service(DWORD dwWaitMs, const BlockHandler& handler) = 0;
    // Stops recording, frees the buffers and closes the device.
    virtual void Close() = 0;
};
