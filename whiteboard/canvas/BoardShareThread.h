#pragma once
// The canvas' sharing thread and its two queues. While the board is shared it applies the
// presenter's strokes that arrived for the shown page, hands the presenter's view changes on one
// per pass, and sends the user's own drawing events one per pass, in the order they were queued.
// The user-interface thread and the synchronisation client's socket worker only fill queues; each
// queue is guarded by one lock held for a push or a pop, and the thread sleeps until something is
// queued (or, at the latest, 100 ms).
#include <windows.h>

#include <atomic>
#include <deque>

#include "platform/CString.h"
#include "platform/CriticalSection.h"

class CWinThread;

// One drawing event to send: one JSON line event of a page of a meeting's document.
struct S_BOARD_CONTENT {
    CString mtngId;
    CString attcFileId;
    int page = 0;
    CString content;
};

// One view change of the presenter: zoom (-1 and 0 both mean fit) and the page point at the
// centre of the presenter's view.
struct S_BOARD_ZOOM {
    float zoomFactor = 0.0f;
    int originX = 0;
    int originY = 0;
};

// What one pass does with the canvas; called on the sharing thread.
class IBoardShareWork {
public:
    virtual ~IBoardShareWork() = default;
    // Applies every incoming stroke event waiting for the shown page; TRUE when there were any.
    virtual BOOL ApplyIncomingStrokes() = 0;
    // Hands one view change to the user-interface thread (a zoom of -1 arrives here as 0).
    virtual void ApplyRemoteZoom(const S_BOARD_ZOOM& zoom) = 0;
    // Sends one drawing event to the application server.
    virtual void SendDrawing(const S_BOARD_CONTENT& content) = 0;
};

class CBoardShareThread {
public:
    explicit CBoardShareThread(IBoardShareWork* pWork);
    ~CBoardShareThread();
    CBoardShareThread(const CBoardShareThread&) = delete;
    CBoardShareThread& operator=(const CBoardShareThread&) = delete;

    // 0 when a thread runs already; else starts one and returns 1.
    int Start();
    // Ends the thread and waits for it (answering messages sent to this thread meanwhile);
    // queued records stay and go out when a thread runs again.
    void Stop();
    BOOL IsRunning() const { return m_pThread != nullptr; }

    // From any thread.
    void QueueSend(const S_BOARD_CONTENT& content);
    void QueueRemoteZoom(const S_BOARD_ZOOM& zoom);
    // Something arrived for the shown page (incoming strokes are queued on the page itself).
    void Wake();

    size_t SendQueueSize();
    size_t ZoomQueueSize();
    // Passes run so far (tests).
    long PassCount() const { return m_nPasses.load(); }

    // One pass, first matching case: incoming strokes, else one zoom record, else one drawing
    // event; FALSE when there was nothing to do. Public for tests that run passes by hand.
    BOOL RunPass();

private:
    static UINT __cdecl ThreadProc(LPVOID pParam);
    void Loop();

    IBoardShareWork* m_pWork;
    CCriticalSection m_csQueues;
    std::deque<S_BOARD_CONTENT> m_sendQueue;
    std::deque<S_BOARD_ZOOM> m_zoomQueue;
    HANDLE m_hWake;
    std::atomic<bool> m_bRunThread{false};
    std::atomic<long> m_nPasses{0};
    CWinThread* m_pThread = nullptr;
};
