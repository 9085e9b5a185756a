#pragma once
// The input device 0 through WinMM. Recorded buffers are signalled through an event that the
// capture thread waits on, so the buffers are handled and queued again on that thread and no
// driver callback runs code of ours.
#include <winsock2.h>
#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "net/voice/IAudioInput.h"

class CWinMMAudioInput : public IAudioInput {
public:
    CWinMMAudioInput();
    ~CWinMMAudioInput() override;
    CWinMMAudioInput(const CWinMMAudioInput&) = delete;
    CWinMMAudioInput& operator=(const CWinMMAudioInput&) = delete;

    bool Open() override;
    bool QueueBuffers(int nCount, DWORD dwBytes, DWORD dwAlloc) override;
    bool Start() override;
    void Service(DWORD dwWaitMs, const BlockHandler& handler) override;
    void Close() override;

private:
    struct Buffer {
        WAVEHDR header;
        bool bQueued;
    };
    void FreeBuffers();

    HANDLE m_hEvent;
    HWAVEIN m_hWaveIn;
    std::vector<Buffer> m_buffers;
};
