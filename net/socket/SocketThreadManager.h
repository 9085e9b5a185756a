#pragma once
// The pool of socket worker threads. Each worker owns one hidden window and a message loop; the
// sockets placed on it receive their network events, timers and callbacks on that thread. The
// manager chooses a worker by load and offers one-shot timeouts that run on a worker.
#include <winsock2.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "net/socket/ErrorHandler.h"

class CGenericCriticalSection;
class CGenericEvent;
class CGenericThread;

class CSocketThreadManager : public CErrorHandler {
public:
    typedef void (*TimeoutProc)(LPVOID data);

    // Identification of a registered timeout; uTimerID 0 means none.
    struct TimerID {
        unsigned int uTimerID;
        int iWorkerIndex;
        DWORD dwTimeout;
    };

    struct TimeoutEntry {
        TimeoutProc pfnCallback;
        LPVOID pCallbackData;
        BOOL bOneShot;
        TimerID* pClearOnExpiry;
    };

    struct WorkerRecord {
        volatile HWND hWindow;
        volatile int nSockets;
        volatile int nTimeouts;
        BOOL bPassOver;
        CGenericThread* pThread;
        HINSTANCE hInstance;
        CGenericEvent* pReadyEvent;
        std::map<unsigned int, TimeoutEntry> mapTimeouts;
        std::string sWindowClassName;
        CGenericCriticalSection* pLock;
        CSocketThreadManager* pManager;
        void* pExtension;
        int iIndex;                 // 1-based position in the pool
        volatile bool bAbandoned;   // left running at shutdown: the loop ends without touching the pool
    };

    enum { MaxThreads = 200, DefaultExitTimeout = 20000, SpawnTimeout = 20000 };

    CSocketThreadManager();
    ~CSocketThreadManager() override;
    CSocketThreadManager(const CSocketThreadManager&) = delete;
    CSocketThreadManager& operator=(const CSocketThreadManager&) = delete;

    virtual BOOL DispatchWorkerMessage(MSG* message, WorkerRecord* worker);
    virtual void CreateExtendedData(void** extension) {}
    virtual void DeleteExtendedData(void** extension) {}

    BOOL Initialize(unsigned long threadCount);
    BOOL Uninitialize();
    bool IsInitialized() const { return m_bInitialized != FALSE; }

    int GetMostAvailableThread();
    HWND GetWindowHandle();
    void DecreaseSocketCount(HWND window, BOOL passOver);
    CGenericThread* GetThreadByHWND(HWND window);
    WorkerRecord* GetDataByHWND(HWND window) const;
    int GetIndexByHWND(HWND window) const;

    TimerID RegisterTimeout(unsigned long timeoutMs, TimeoutProc callback, LPVOID callbackData,
                            HWND window = nullptr, TimerID* clearOnExpiry = nullptr);
    BOOL RemoveTimeout(TimerID& timer);

    void SetThreadExitTimeout(DWORD ms) { m_dwThreadExitTimeout = ms; }
    DWORD GetThreadExitTimeout() const { return m_dwThreadExitTimeout; }
    unsigned long GetThreadCount() const { return m_ulThreadCount; }
    // The record of a worker by its 1-based index; null outside the pool.
    WorkerRecord* GetWorker(int index) const;

protected:
    // Runs on the worker thread; a null result leaves the worker out of every choice.
    virtual HWND CreateWorkerWindow(WorkerRecord* worker);

private:
    BOOL SpawnThreads();
    void CleanThreads(BOOL errorMode);
    bool WaitForWorkers(DWORD timeoutMs);
    void FreeWorker(WorkerRecord* worker, BOOL errorMode);
    static DWORD SocketThread(LPVOID data);
    static void RunTimeout(WorkerRecord* worker, unsigned int id);

    unsigned long m_ulThreadCount;
    std::vector<WorkerRecord*> m_pWorkers;
    HINSTANCE m_hInstance;
    CGenericCriticalSection* m_pManagerLock;
    std::string m_sWindowClassName;
    BOOL m_bInitialized;
    DWORD m_dwThreadExitTimeout;

    static unsigned int s_uNextTimerID;
};
