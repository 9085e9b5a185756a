#include "net/voice/PlaybackRing.h"

const DWORD CPlaybackRing::RING_BYTES;
const DWORD CPlaybackRing::LEAD_BYTES;
const DWORD CPlaybackRing::RESYNC_BYTES;
const LONGLONG CPlaybackRing::LAP_STEP;

CPlaybackRing::CPlaybackRing(DWORD dwSize)
    : m_dwSize(dwSize), m_llReadLap(0), m_llWriteLap(0), m_dwWriteOffset(0), m_bPaused(false)
{
}

void CPlaybackRing::Reset()
{
    m_llReadLap = 0;
    m_llWriteLap = 0;
    m_dwWriteOffset = 0;
    m_bPaused = false;
}

void CPlaybackRing::SetState(LONGLONG llReadLap, LONGLONG llWriteLap, DWORD dwWriteOffset, bool bPaused)
{
    m_llReadLap = llReadLap;
    m_llWriteLap = llWriteLap;
    m_dwWriteOffset = dwWriteOffset;
    m_bPaused = bPaused;
}

DWORD CPlaybackRing::PlayPosition(DWORD dwPlayedBytes, bool bStopping) const
{
    if (bStopping || dwPlayedBytes == 0) return 0;
    return dwPlayedBytes % m_dwSize;
}

DWORD CPlaybackRing::KeepInside(DWORD dwOffset, DWORD dwLength)
{
    if ((ULONGLONG)dwOffset + dwLength <= m_dwSize) return dwOffset;
    m_llWriteLap += LAP_STEP;
    return 0;
}

S_RING_PLACEMENT CPlaybackRing::PlaceFrame(DWORD dwPlayPos, DWORD dwLength)
{
    S_RING_PLACEMENT placement = {0, 0, S_RING_PLACEMENT::None};
    const DWORD w = m_dwWriteOffset;
    const ULONGLONG p = dwPlayPos;
    ULONGLONG x;
    if (w == 0 && m_llWriteLap == 0) {
        // The first frame of the run: one second ahead of the device, silence before it.
        placement.dwSilenceEnd = dwPlayPos;
        x = p + LEAD_BYTES;
    } else if ((ULONGLONG)w + dwLength > m_dwSize) {
        m_llWriteLap += LAP_STEP;
        x = 0;
    } else {
        x = w;
        if (m_llWriteLap <= m_llReadLap && w < p && !m_bPaused) {
            // The device has overtaken the writer.
            m_bPaused = true;
            placement.nDeviceAction = S_RING_PLACEMENT::Pause;
        } else if (m_bPaused && m_llWriteLap > m_llReadLap) {
            m_bPaused = false;
            placement.nDeviceAction = S_RING_PLACEMENT::Restart;
        } else if (m_bPaused && m_llWriteLap == m_llReadLap && w > p + LEAD_BYTES) {
            m_bPaused = false;
            placement.nDeviceAction = S_RING_PLACEMENT::Restart;
        } else if (m_llWriteLap > m_llReadLap && w > p) {
            m_llReadLap = m_llWriteLap;
        }
    }
    if (m_llWriteLap == m_llReadLap && x > p + RESYNC_BYTES) {
        // Too far ahead: back to one second ahead, the ring up to the device silenced.
        placement.dwSilenceEnd = dwPlayPos;
        x = p + LEAD_BYTES;
        m_llReadLap = m_llWriteLap = 0;
    } else if (m_llWriteLap == m_llReadLap && x > p && m_llWriteLap != 0) {
        m_llReadLap = m_llWriteLap = 0;
    }
    // One second ahead of a device near the ring's end may not leave room for the frame.
    placement.dwOffset = x > m_dwSize ? KeepInside(m_dwSize, dwLength) : KeepInside((DWORD)x, dwLength);
    m_dwWriteOffset = placement.dwOffset + dwLength;
    return placement;
}

bool CPlaybackRing::CheckOverrun(DWORD dwPlayPos)
{
    if (m_llWriteLap <= m_llReadLap && dwPlayPos > m_dwWriteOffset && !m_bPaused) {
        m_bPaused = true;
        return true;
    }
    return false;
}

DWORD CPlaybackRing::SilenceStartAtEnd() const
{
    return m_llWriteLap > m_llReadLap ? m_dwWriteOffset : 0;
}
