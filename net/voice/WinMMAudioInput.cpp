#include "net/voice/WinMMAudioInput.h"

#include "net/voice/VoiceFormat.h"

CWinMMAudioInput::CWinMMAudioInput() : m_hEvent(CreateEventW(nullptr, FALSE, FALSE, nullptr)), m_hWaveIn(nullptr)
{
}

CWinMMAudioInput::~CWinMMAudioInput()
{
    Close();
    if (m_hEvent) CloseHandle(m_hEvent);
}

bool CWinMMAudioInput::Open()
{
    if (m_hWaveIn) return true;
    WAVEFORMATEX format = voice::MakeWaveFormat();
    HWAVEIN hWaveIn = nullptr;
    if (waveInOpen(&hWaveIn, 0, &format, (DWORD_PTR)m_hEvent, 0, CALLBACK_EVENT) != MMSYSERR_NOERROR) return false;
    m_hWaveIn = hWaveIn;
    return true;
}

bool CWinMMAudioInput::QueueBuffers(int nCount, DWORD dwBytes, DWORD dwAlloc)
{
    if (dwBytes > dwAlloc) return false;
    bool bAllQueued = true;
    for (int i = 0; i < nCount; ++i) {
        Buffer buffer = {};
        buffer.header.lpData = (LPSTR)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, dwAlloc);
        if (!buffer.header.lpData) return false;
        buffer.header.dwBufferLength = dwBytes;
        buffer.header.dwUser = (DWORD_PTR)i;
        m_buffers.push_back(buffer);
    }
    // Prepared and queued in place: the driver keeps the header's address.
    for (Buffer& buffer : m_buffers) {
        if (buffer.bQueued) continue;
        buffer.bQueued = m_hWaveIn &&
                         waveInPrepareHeader(m_hWaveIn, &buffer.header, sizeof buffer.header) == MMSYSERR_NOERROR &&
                         waveInAddBuffer(m_hWaveIn, &buffer.header, sizeof buffer.header) == MMSYSERR_NOERROR;
        bAllQueued = bAllQueued && buffer.bQueued;
    }
    return bAllQueued;
}

bool CWinMMAudioInput::Start()
{
    return m_hWaveIn && waveInStart(m_hWaveIn) == MMSYSERR_NOERROR;
}

void CWinMMAudioInput::Service(DWORD dwWaitMs, const BlockHandler& handler)
{
    WaitForSingleObject(m_hEvent, dwWaitMs);
    if (!m_hWaveIn) return;
    for (size_t i = 0; i < m_buffers.size(); ++i) {
        Buffer& buffer = m_buffers[i];
        if (!buffer.bQueued || !(buffer.header.dwFlags & WHDR_DONE)) continue;
        buffer.bQueued = false;
        if (!handler((int)i, (BYTE*)buffer.header.lpData, buffer.header.dwBytesRecorded)) continue;
        buffer.header.dwBytesRecorded = 0;
        buffer.bQueued = waveInAddBuffer(m_hWaveIn, &buffer.header, sizeof buffer.header) == MMSYSERR_NOERROR;
    }
}

void CWinMMAudioInput::FreeBuffers()
{
    for (Buffer& buffer : m_buffers) {
        if (m_hWaveIn && (buffer.header.dwFlags & WHDR_PREPARED))
            waveInUnprepareHeader(m_hWaveIn, &buffer.header, sizeof buffer.header);
        if (buffer.header.lpData) HeapFree(GetProcessHeap(), 0, buffer.header.lpData);
    }
    m_buffers.clear();
}

void CWinMMAudioInput::Close()
{
    if (m_hWaveIn) {
        // Reset hands every queued buffer back, so none is freed while the driver still holds it.
        waveInStop(m_hWaveIn);
        waveInReset(m_hWaveIn);
    }
    FreeBuffers();
    if (m_hWaveIn) {
        waveInClose(m_hWaveIn);
        m_hWaveIn = nullptr;
    }
}
