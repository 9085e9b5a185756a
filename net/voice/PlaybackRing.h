#pragma once
// The arithmetic of the playback ring: where each decoded frame goes in the looping output
// buffer, and when the output device has to be paused or restarted. No device and no memory
// here: the sound manager applies what these operations decide.
//
// The writer keeps about one second ahead of the device's play position. Two lap markers tell
// whether the writer has already wrapped to the ring's start while the device still plays the
// end: the writer's marker moves on at each wrap, and the device's marker catches up with it
// once the device is seen behind the writer in the new lap.
#include <winsock2.h>
#include <windows.h>

struct S_RING_PLACEMENT {
    enum DeviceAction { None = 0, Pause = 1, Restart = 2 };

    DWORD dwOffset;        // where the frame's bytes go
    DWORD dwSilenceEnd;    // silence the ring from 0 up to here first (0: nothing to silence)
    int nDeviceAction;
};

class CPlaybackRing {
public:
    static const DWORD RING_BYTES = 9600000;   // 600 s of audio
    static const DWORD LEAD_BYTES = 16000;     // one second ahead of the device
    static const DWORD RESYNC_BYTES = 30000;   // further ahead than this is pulled back
    static const LONGLONG LAP_STEP = 19200000;

    explicit CPlaybackRing(DWORD dwSize = RING_BYTES);

    // A new playback run: both laps 0, write offset 0, not paused.
    void Reset();
    // The playback thread's start: the next frame is the first one.
    void RewindWriter() { m_dwWriteOffset = 0; }

    // The play position from the device's played-byte count.
    DWORD PlayPosition(DWORD dwPlayedBytes, bool bStopping) const;

    // Places one frame of dwLength bytes (at most the ring's size) with the device at dwPlayPos,
    // updates the laps, the pause mark and the write offset, and says what to do.
    S_RING_PLACEMENT PlaceFrame(DWORD dwPlayPos, DWORD dwLength);

    // The playback thread's check: true when the device has overtaken the writer and is to be
    // paused now (the pause mark is then set).
    bool CheckOverrun(DWORD dwPlayPos);

    // The range to silence when the device has played the ring to its end, before it plays the
    // ring again: the whole ring, except what the writer has already put at the start of the new
    // lap.
    DWORD SilenceStartAtEnd() const;

    DWORD GetSize() const { return m_dwSize; }
    DWORD GetWriteOffset() const { return m_dwWriteOffset; }
    LONGLONG GetReadLap() const { return m_llReadLap; }
    LONGLONG GetWriteLap() const { return m_llWriteLap; }
    bool IsPaused() const { return m_bPaused; }

    // For tests of single rules.
    void SetState(LONGLONG llReadLap, LONGLONG llWriteLap, DWORD dwWriteOffset, bool bPaused);

private:
    // Puts a frame that would run past the ring's end at its start, on the next lap.
    DWORD KeepInside(DWORD dwOffset, DWORD dwLength);

    DWORD m_dwSize;
    LONGLONG m_llReadLap;
    LONGLONG m_llWriteLap;
    DWORD m_dwWriteOffset;
    bool m_bPaused;
};
