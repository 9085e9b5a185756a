#pragma once
// The output device through the WinMM wave mapper. Completion is signalled through an event that
// the playback thread waits on, so no driver callback runs code of ours.
#include <winsock2.h>
#include <windows.h>
#include <mmsystem.h>

#include "net/voice/IAudioOutput.h"
#include "platform/CriticalSection.h"

class CWinMMAudioOutput : public IAudioOutput {
public:
    CWinMMAudioOutput();
    ~CWinMMAudioOutput() override;
    CWinMMAudioOutput(const CWinMMAudioOutput&) = delete;
    CWinMMAudioOutput& operator=(const CWinMMAudioOutput&) = delete;

    bool Open() override;
    bool Play(BYTE* pData, DWORD dwBytes) override;
    bool WaitForEnd(DWORD dwWaitMs) override;
    bool Pause() override;
    bool Restart() override;
    bool Reset() override;
    void Close() override;
    DWORD GetPlayedBytes() override;

private:
    void Unprepare();

    CCriticalSection m_cs;
    HANDLE m_hEvent;       // lives as long as the object: a waiter may still wait on it
    HWAVEOUT m_hWaveOut;
    WAVEHDR m_header;
    bool m_bPrepared;
    bool m_bEndReported;
};
