#pragma once
// The audio end of the voice conference. Capture records the microphone in 100 ms blocks, codes
// each block and hands the frame to the voice-conference client; playback decodes the frames
// that arrive on the voice channel into one looping 600-second ring that the output device plays,
// keeping about one second ahead of the device.
//
// The ring's state, the ring itself and the output device are shared by the playback thread, the
// socket worker that delivers frames and the caller of the stop operations, so they are used
// under one lock. Devices and codec sit behind small interfaces so that tests can replace them.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "core/Singleton.h"
#include "net/voice/IAudioInput.h"
#include "net/voice/IAudioOutput.h"
#include "net/voice/IVoiceCodec.h"
#include "net/voice/PlaybackRing.h"
#include "net/voice/VoiceFormat.h"
#include "platform/CString.h"
#include "platform/CriticalSection.h"

class CSoundManager : public CSingleton<CSoundManager> {
public:
    // Where capture hands its frames and its end; by default the voice-conference client, which
    // the caller has started before capture starts.
    typedef std::function<void(const BYTE* pFrame, int nLength)> FrameTarget;
    typedef std::function<void()> EndTarget;

    CSoundManager();
    ~CSoundManager() override;

    // False when a capture thread exists.
    BOOL StartCapture();
    BOOL StopCapture();
    // False when a playback thread exists.
    BOOL StartPlayback();
    // False when playback is not running.
    BOOL StopPlayback();
    // Decodes one frame and writes it into the ring; false when playback has never started (the
    // frame is dropped).
    BOOL PlayVoice(const BYTE* pFrame, unsigned short nLength, const CString& strAddress);

    // Replace the devices, the codec or the capture targets; only while no thread runs (false
    // otherwise). A null argument keeps what is there.
    bool SetAudioDevices(std::unique_ptr<IAudioInput> pInput, std::unique_ptr<IAudioOutput> pOutput);
    bool SetCodec(std::unique_ptr<IVoiceCodec> pCodec);
    bool SetCaptureTargets(FrameTarget sendFrame, EndTarget captureEnded);

    bool IsCaptureThreadAlive();
    bool IsPlaybackThreadAlive();
    // A copy of bytes of the ring (false when there is no ring or the range is outside it).
    bool CopyRing(DWORD dwOffset, DWORD dwBytes, std::string& out);
    // A copy of the ring's write state.
    CPlaybackRing GetRingState();

private:
    // A sound thread's entry: runs its body behind an exception barrier.
    template <void (CSoundManager::*Run)(), HANDLE CSoundManager::*Handle>
    static DWORD WINAPI ThreadProc(LPVOID pParam);
    // Under m_csThreads: sets the running flag and starts the thread.
    BOOL StartThreadLocked(HANDLE& hThread, std::atomic<BOOL>& bRunning, LPTHREAD_START_ROUTINE pfnProc);
    void RunCapture();
    void RunPlayback();
    bool OnRecordedBlock(BYTE* pData, DWORD dwRecorded);
    void ReportCaptureEnd();
    // Ends a thread's run: closes and clears its handle.
    void ReleaseThreadHandle(HANDLE& hThread);
    void WaitForThreadEnd(HANDLE& hThread);
    bool IsThreadAlive(HANDLE& hThread);
    // Under m_csRing.
    DWORD PlayPositionLocked();
    void Silence(DWORD dwStart, DWORD dwEnd);
    void ApplyDeviceAction(int nAction);

    std::atomic<BOOL> m_bCaptureRunning;
    HANDLE m_hCaptureThread;
    std::atomic<BOOL> m_bPlaybackRunning;
    HANDLE m_hPlaybackThread;
    CCriticalSection m_csThreads;   // the two thread handles and the replaceable parts

    std::unique_ptr<IAudioInput> m_pInput;
    std::unique_ptr<IAudioOutput> m_pOutput;
    std::unique_ptr<IVoiceCodec> m_pCodec;
    FrameTarget m_sendFrame;
    EndTarget m_captureEnded;

    CCriticalSection m_csRing;      // the ring, its state, the output device, the decoded buffer
    BYTE* m_pRing;
    CPlaybackRing m_ring;
    std::atomic<BOOL> m_bStopping;

    BYTE m_captureBuffer[voice::kBlockBytes];
    BYTE m_encodedBuffer[voice::kFrameBufferBytes];
    BYTE m_decodedBuffer[voice::kFrameBufferBytes];
    BOOL m_bEndNotified;
};
