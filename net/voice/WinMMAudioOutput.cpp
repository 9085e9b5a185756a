#include "net/voice/WinMMAudioOutput.h"

#include "net/voice/VoiceFormat.h"
#include "platform/SingleLock.h"

CWinMMAudioOutput::CWinMMAudioOutput()
    : m_hEvent(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      m_hWaveOut(nullptr),
      m_header(),
      m_bPrepared(false),
      m_bEndReported(false)
{
}

CWinMMAudioOutput::~CWinMMAudioOutput()
{
    Close();
    if (m_hEvent) CloseHandle(m_hEvent);
}

bool CWinMMAudioOutput::Open()
{
    CSingleLock lock(&m_cs, TRUE);
    if (m_hWaveOut) return true;
    WAVEFORMATEX format = voice::MakeWaveFormat();
    HWAVEOUT hWaveOut = nullptr;
    MMRESULT result = waveOutOpen(&hWaveOut, WAVE_MAPPER, &format, (DWORD_PTR)m_hEvent, 0, CALLBACK_EVENT);
    if (result != MMSYSERR_NOERROR) return false;
    m_hWaveOut = hWaveOut;
    return true;
}

bool CWinMMAudioOutput::Play(BYTE* pData, DWORD dwBytes)
{
    CSingleLock lock(&m_cs, TRUE);
    if (!m_hWaveOut || !pData || dwBytes == 0) return false;
    if (m_bPrepared && (m_header.lpData != (LPSTR)pData || m_header.dwBufferLength != dwBytes)) Unprepare();
    if (!m_bPrepared) {
        ZeroMemory(&m_header, sizeof m_header);
        m_header.lpData = (LPSTR)pData;
        m_header.dwBufferLength = dwBytes;
        if (waveOutPrepareHeader(m_hWaveOut, &m_header, sizeof m_header) != MMSYSERR_NOERROR) return false;
        m_bPrepared = true;
    }
    m_bEndReported = false;
    return waveOutWrite(m_hWaveOut, &m_header, sizeof m_header) == MMSYSERR_NOERROR;
}

bool CWinMMAudioOutput::WaitForEnd(DWORD dwWaitMs)
{
    WaitForSingleObject(m_hEvent, dwWaitMs);
    CSingleLock lock(&m_cs, TRUE);
    if (!m_hWaveOut || !m_bPrepared || m_bEndReported || !(m_header.dwFlags & WHDR_DONE)) return false;
    m_bEndReported = true;
    return true;
}

bool CWinMMAudioOutput::Pause()
{
    CSingleLock lock(&m_cs, TRUE);
    return m_hWaveOut && waveOutPause(m_hWaveOut) == MMSYSERR_NOERROR;
}

bool CWinMMAudioOutput::Restart()
{
    CSingleLock lock(&m_cs, TRUE);
    return m_hWaveOut && waveOutRestart(m_hWaveOut) == MMSYSERR_NOERROR;
}

bool CWinMMAudioOutput::Reset()
{
    CSingleLock lock(&m_cs, TRUE);
    return m_hWaveOut && waveOutReset(m_hWaveOut) == MMSYSERR_NOERROR;
}

void CWinMMAudioOutput::Unprepare()
{
    if (m_bPrepared && m_hWaveOut) waveOutUnprepareHeader(m_hWaveOut, &m_header, sizeof m_header);
    m_bPrepared = false;
    ZeroMemory(&m_header, sizeof m_header);
}

void CWinMMAudioOutput::Close()
{
    CSingleLock lock(&m_cs, TRUE);
    if (!m_hWaveOut) return;
    // The buffer has to be handed back before it can be unprepared and the device closed.
    waveOutReset(m_hWaveOut);
    Unprepare();
    waveOutClose(m_hWaveOut);
    m_hWaveOut = nullptr;
}

DWORD CWinMMAudioOutput::GetPlayedBytes()
{
    CSingleLock lock(&m_cs, TRUE);
    if (!m_hWaveOut) return 0;
    MMTIME time = {};
    time.wType = TIME_BYTES;
    if (waveOutGetPosition(m_hWaveOut, &time, sizeof time) != MMSYSERR_NOERROR || time.wType != TIME_BYTES) return 0;
    return time.u.cb;
}
