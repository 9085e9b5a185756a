#pragma once
// The first use of an image codec, of a font face and of GDI+ drawing each costs the process a
// one-time load (codec libraries, the font list and its fallbacks, the rasteriser) of tens of
// milliseconds. They are done once on a worker while the login window waits for the user, so that
// no window's thread pays for them in its first paint of a list, a page or a stroke.
#include <windows.h>

class CWinThread;

class CDrawingWarmUp {
public:
    CDrawingWarmUp() = default;
    // Waits for the worker: it must end before GDI+ is shut down.
    ~CDrawingWarmUp() { Wait(); }
    CDrawingWarmUp(const CDrawingWarmUp&) = delete;
    CDrawingWarmUp& operator=(const CDrawingWarmUp&) = delete;

    // Starts the worker (GDI+ must be started); the faces are the ones the screens draw with
    // (a null-terminated list of static strings). FALSE when no thread could be started.
    BOOL Start(const wchar_t* const* faces);
    void Wait();
    // The work itself, on the calling thread (the worker's, or a test's).
    static void Run(const wchar_t* const* faces);

private:
    static UINT __cdecl ThreadProc(LPVOID pParam);
    CWinThread* m_pThread = nullptr;
};
