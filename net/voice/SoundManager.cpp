#include "net/voice/SoundManager.h"

#include <cstring>

#include "core/MyLogFile.h"
#include "net/socket/SentMessageWait.h"
#include "net/voice/OpusVoiceCodec.h"
#include "net/voice/TVTClientManager.h"
#include "net/voice/WinMMAudioInput.h"
#include "net/voice/WinMMAudioOutput.h"
#include "platform/SingleLock.h"

namespace {

const DWORD kCaptureWaitMs = 200;
const DWORD kPlaybackWaitMs = 50;
const DWORD kStopPollMs = 100;

}  // namespace

CSoundManager::CSoundManager()
    : m_bCaptureRunning(FALSE),
      m_hCaptureThread(nullptr),
      m_bPlaybackRunning(FALSE),
      m_hPlaybackThread(nullptr),
      m_pInput(new CWinMMAudioInput()),
      m_pOutput(new CWinMMAudioOutput()),
      m_pCodec(new COpusVoiceCodec()),
      m_sendFrame([](const BYTE* pFrame, int nLength) {
          if (CTVTClientManager* p = CTVTClientManager::GetInstance()) p->SendVoice(pFrame, nLength);
      }),
      m_captureEnded([] {
          if (CTVTClientManager* p = CTVTClientManager::GetInstance()) p->NotifyListener();
      }),
      m_pRing(nullptr),
      m_bStopping(FALSE),
      m_bEndNotified(FALSE)
{
    std::memset(m_captureBuffer, 0, sizeof m_captureBuffer);
    std::memset(m_encodedBuffer, 0, sizeof m_encodedBuffer);
    std::memset(m_decodedBuffer, 0, sizeof m_decodedBuffer);
}

CSoundManager::~CSoundManager()
{
    try {
        StopPlayback();
        StopCapture();
    } catch (...) {
        g_ApplicationLog.Log(4, L"CSoundManager: exception while stopping");
    }
    delete[] m_pRing;
}

bool CSoundManager::SetAudioDevices(std::unique_ptr<IAudioInput> pInput, std::unique_ptr<IAudioOutput> pOutput)
{
    CSingleLock lock(&m_csThreads, TRUE);
    if (m_hCaptureThread || m_hPlaybackThread) return false;
    CSingleLock ringLock(&m_csRing, TRUE);
    if (pInput) m_pInput = std::move(pInput);
    if (pOutput) m_pOutput = std::move(pOutput);
    return true;
}

bool CSoundManager::SetCodec(std::unique_ptr<IVoiceCodec> pCodec)
{
    CSingleLock lock(&m_csThreads, TRUE);
    if (m_hCaptureThread || m_hPlaybackThread) return false;
    CSingleLock ringLock(&m_csRing, TRUE);
    if (pCodec) m_pCodec = std::move(pCodec);
    return true;
}

bool CSoundManager::SetCaptureTargets(FrameTarget sendFrame, EndTarget captureEnded)
{
    CSingleLock lock(&m_csThreads, TRUE);
    if (m_hCaptureThread) return false;
    if (sendFrame) m_sendFrame = std::move(sendFrame);
    if (captureEnded) m_captureEnded = std::move(captureEnded);
    return true;
}

bool CSoundManager::IsThreadAlive(HANDLE& hThread)
{
    CSingleLock lock(&m_csThreads, TRUE);
    return hThread != nullptr;
}

bool CSoundManager::IsCaptureThreadAlive()
{
    return IsThreadAlive(m_hCaptureThread);
}

bool CSoundManager::IsPlaybackThreadAlive()
{
    return IsThreadAlive(m_hPlaybackThread);
}

void CSoundManager::ReleaseThreadHandle(HANDLE& hThread)
{
    CSingleLock lock(&m_csThreads, TRUE);
    if (hThread) CloseHandle(hThread);
    hThread = nullptr;
}

void CSoundManager::WaitForThreadEnd(HANDLE& hThread)
{
    // The thread may be sending a message to this thread's windows (the end of capture goes to the
    // listener window): sent messages are handled while waiting.
    while (IsThreadAlive(hThread)) SleepHandlingSentMessages(kStopPollMs);
}

BOOL CSoundManager::StartThreadLocked(HANDLE& hThread, std::atomic<BOOL>& bRunning, LPTHREAD_START_ROUTINE pfnProc)
{
    bRunning = TRUE;
    // The thread clears its own handle when it ends, so it must not run before the handle is stored.
    HANDLE hNew = CreateThread(nullptr, 0, pfnProc, this, CREATE_SUSPENDED, nullptr);
    if (!hNew) {
        bRunning = FALSE;
        g_ApplicationLog.Log(4, L"CSoundManager: a sound thread did not start (%d)", (int)GetLastError());
        return FALSE;
    }
    hThread = hNew;
    ResumeThread(hNew);
    return TRUE;
}

template <void (CSoundManager::*Run)(), HANDLE CSoundManager::*Handle>
DWORD WINAPI CSoundManager::ThreadProc(LPVOID pParam)
{
    CSoundManager* pThis = static_cast<CSoundManager*>(pParam);
    try {
        (pThis->*Run)();
    } catch (...) {
        g_ApplicationLog.Log(4, L"CSoundManager: exception in a sound thread");
        pThis->ReleaseThreadHandle(pThis->*Handle);
    }
    return 0;
}

// ------------------------------------------------------------------------------------ capture

BOOL CSoundManager::StartCapture()
{
    CSingleLock lock(&m_csThreads, TRUE);
    if (m_hCaptureThread) return FALSE;
    return StartThreadLocked(m_hCaptureThread, m_bCaptureRunning, ThreadProc<&CSoundManager::RunCapture, &CSoundManager::m_hCaptureThread>);
}

BOOL CSoundManager::StopCapture()
{
    if (m_bCaptureRunning) {
        m_bCaptureRunning = FALSE;
        WaitForThreadEnd(m_hCaptureThread);
    }
    return TRUE;
}

void CSoundManager::RunCapture()
{
    m_bEndNotified = FALSE;
    if (!m_pInput->Open()) g_ApplicationLog.Log(3, L"CSoundManager: no input device could be opened");
    m_pInput->QueueBuffers(voice::kCaptureBuffers, voice::kBlockBytes, voice::kCaptureAllocBytes);
    if (!m_pInput->Start()) {
        m_pInput->Close();
        ReleaseThreadHandle(m_hCaptureThread);
        ReportCaptureEnd();
        return;
    }
    IAudioInput::BlockHandler handler = [this](int, BYTE* pData, DWORD dwRecorded) {
        return OnRecordedBlock(pData, dwRecorded);
    };
    while (m_bCaptureRunning) m_pInput->Service(kCaptureWaitMs, handler);
    m_pInput->Close();
    ReleaseThreadHandle(m_hCaptureThread);
}

bool CSoundManager::OnRecordedBlock(BYTE* pData, DWORD dwRecorded)
{
    if (!m_bCaptureRunning) return false;
    DWORD dwCopy = dwRecorded < (DWORD)voice::kBlockBytes ? dwRecorded : (DWORD)voice::kBlockBytes;
    std::memcpy(m_captureBuffer, pData, dwCopy);
    if (dwRecorded < (DWORD)voice::kBlockBytes) {
        // A short block is what the device hands back when it stops.
        ReportCaptureEnd();
        return false;
    }
    int nEncoded = m_pCodec->Encode((const short*)m_captureBuffer, voice::kBlockSamples, m_encodedBuffer,
                                    (int)sizeof m_encodedBuffer);
    if (nEncoded < 0) nEncoded = 0;
    if (m_sendFrame) m_sendFrame(m_encodedBuffer, nEncoded);
    std::memset(pData, 0, dwRecorded);
    return true;
}

void CSoundManager::ReportCaptureEnd()
{
    if (m_bEndNotified) return;
    if (m_captureEnded) m_captureEnded();
    m_bEndNotified = TRUE;
}

// ----------------------------------------------------------------------------------- playback

BOOL CSoundManager::StartPlayback()
{
    CSingleLock lock(&m_csThreads, TRUE);
    if (m_hPlaybackThread) return FALSE;
    {
        CSingleLock ringLock(&m_csRing, TRUE);
        m_ring.Reset();
        m_bStopping = FALSE;
    }
    return StartThreadLocked(m_hPlaybackThread, m_bPlaybackRunning, ThreadProc<&CSoundManager::RunPlayback, &CSoundManager::m_hPlaybackThread>);
}

BOOL CSoundManager::StopPlayback()
{
    if (!m_bPlaybackRunning) return FALSE;
    {
        CSingleLock ringLock(&m_csRing, TRUE);
        m_bStopping = TRUE;
        if (m_pOutput->Pause()) m_pOutput->Reset();
        m_pOutput->Close();
    }
    m_bPlaybackRunning = FALSE;
    WaitForThreadEnd(m_hPlaybackThread);
    return TRUE;
}

void CSoundManager::RunPlayback()
{
    {
        CSingleLock ringLock(&m_csRing, TRUE);
        if (!m_pOutput->Open()) g_ApplicationLog.Log(3, L"CSoundManager: no output device could be opened");
        m_ring.RewindWriter();
        if (!m_pRing) m_pRing = new BYTE[CPlaybackRing::RING_BYTES];
        Silence(0, CPlaybackRing::RING_BYTES);
        m_pOutput->Play(m_pRing, CPlaybackRing::RING_BYTES);
    }
    while (m_bPlaybackRunning) {
        bool bEnded = m_pOutput->WaitForEnd(kPlaybackWaitMs);
        CSingleLock ringLock(&m_csRing, TRUE);
        if (bEnded && m_bPlaybackRunning && !m_bStopping) {
            // Played to its end: the ring plays again from its start, silent where nothing new is.
            Silence(m_ring.SilenceStartAtEnd(), CPlaybackRing::RING_BYTES);
            m_pOutput->Play(m_pRing, CPlaybackRing::RING_BYTES);
        }
        if (m_ring.CheckOverrun(PlayPositionLocked())) m_pOutput->Pause();
    }
    {
        // A device that would not pause when playback stopped is closed here.
        CSingleLock ringLock(&m_csRing, TRUE);
        m_pOutput->Close();
    }
    ReleaseThreadHandle(m_hPlaybackThread);
}

DWORD CSoundManager::PlayPositionLocked()
{
    return m_ring.PlayPosition(m_bStopping ? 0 : m_pOutput->GetPlayedBytes(), m_bStopping != FALSE);
}

void CSoundManager::Silence(DWORD dwStart, DWORD dwEnd)
{
    if (m_pRing && dwStart < dwEnd && dwEnd <= CPlaybackRing::RING_BYTES) std::memset(m_pRing + dwStart, 0, dwEnd - dwStart);
}

void CSoundManager::ApplyDeviceAction(int nAction)
{
    if (nAction == S_RING_PLACEMENT::Pause) m_pOutput->Pause();
    if (nAction == S_RING_PLACEMENT::Restart) m_pOutput->Restart();
}

BOOL CSoundManager::PlayVoice(const BYTE* pFrame, unsigned short nLength, const CString& strAddress)
{
    CSingleLock ringLock(&m_csRing, TRUE);
    std::memset(m_decodedBuffer, 0, sizeof m_decodedBuffer);
    int nSamples = m_pCodec->Decode(pFrame, nLength, (short*)m_decodedBuffer, (int)sizeof m_decodedBuffer / 2);
    if (!m_pRing) return FALSE;
    if (nSamples <= 0) {
        // Nothing to play: a frame that does not decode (or would not fit) is dropped.
        g_ApplicationLog.Log(1, L"CSoundManager: a voice frame of %d bytes did not decode", (int)nLength);
        return TRUE;
    }
    DWORD dwBytes = (DWORD)nSamples * voice::kBytesPerSample;
    S_RING_PLACEMENT placement = m_ring.PlaceFrame(PlayPositionLocked(), dwBytes);
    Silence(0, placement.dwSilenceEnd);
    ApplyDeviceAction(placement.nDeviceAction);
    std::memcpy(m_pRing + placement.dwOffset, m_decodedBuffer, dwBytes);
    return TRUE;
}

bool CSoundManager::CopyRing(DWORD dwOffset, DWORD dwBytes, std::string& out)
{
    CSingleLock ringLock(&m_csRing, TRUE);
    if (!m_pRing || dwOffset > CPlaybackRing::RING_BYTES || dwBytes > CPlaybackRing::RING_BYTES - dwOffset) return false;
    out.assign((const char*)m_pRing + dwOffset, dwBytes);
    return true;
}

CPlaybackRing CSoundManager::GetRingState()
{
    CSingleLock ringLock(&m_csRing, TRUE);
    return m_ring;
}
