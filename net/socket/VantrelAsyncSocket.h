#pragma once
// The asynchronous half of every asynchronous socket: it places the socket on one socket worker
// thread, selects Winsock events onto that worker's window, runs the socket's timers there and
// deletes the socket there. Every callback of a socket runs on its worker.
#include <winsock2.h>
#include <windows.h>

#include "net/socket/BlockedBuffer.h"
#include "net/socket/SocketBase.h"
#include "net/socket/SocketThreadManager.h"

class CGenericEvent;
class CGenericThread;
class CSocketThreadManagerImp;

// Messages of the worker windows; wParam carries the socket handle.
enum SocketWindowMessage {
    WM_SOCKET_NOTIFY = WM_USER + 1,       // FD_READ, FD_WRITE, FD_OOB, FD_CLOSE
    WM_SOCKET_ACCEPT = WM_USER + 2,       // FD_ACCEPT
    WM_SOCKET_CONNECT = WM_USER + 3,      // FD_CONNECT
    WM_SOCKET_DELETE = WM_USER + 5,       // lParam: event to set afterwards, or 0
    WM_SOCKET_FORCE_RECEIVE = WM_USER + 6,
    WM_SOCKET_ACTIVATE = WM_USER + 7      // lParam: the socket; see CSocketThreadManagerImp
};

class CVantrelAsyncSocket : public virtual CSocketBase {
public:
    class CAsyncShutdown : public CSocketBase {
    public:
        CAsyncShutdown();
        void NotifyShutdown() override;
    };

    enum { SendWaitTimeout = 5000, DeleteWaitTimeout = 15000 };

    CVantrelAsyncSocket();
    ~CVantrelAsyncSocket() override;
    CVantrelAsyncSocket(const CVantrelAsyncSocket&) = delete;
    CVantrelAsyncSocket& operator=(const CVantrelAsyncSocket&) = delete;

    virtual void DeleteSocketFromThread(unsigned long timeoutMs);
    virtual void OnSocketDelete();
    virtual void DeleteSocketFromThreadWait();
    virtual bool ReAsync();
    virtual bool ReBlock();

    // User callbacks, on the socket's worker.
    virtual BOOL OnSocketTimeout() = 0;
    virtual BOOL OnSocketConnect(int error) = 0;
    virtual BOOL OnSocketAccept(int error) = 0;
    virtual BOOL OnSocketClose(int error) = 0;
    virtual BOOL OnSocketOOB(int error) = 0;
    virtual BOOL OnSocketWrite(int error) = 0;
    virtual BOOL OnSocketReceive(int error) = 0;

    virtual SOCKET GetAsyncHandle() const = 0;
    virtual BOOL SetAsync() = 0;
    // Sends from the head of a record waiting in the blocked-send buffer and drops what went out;
    // false when nothing could be sent.
    virtual BOOL SendBlockedBuffer(CBlockedBuffer::CBlockedData& record);

    // Event slots: the library's part of each event; they decide whether the user callback runs.
    virtual BOOL SocketConnected(int error, BOOL noEvent = FALSE);
    virtual BOOL SocketClosed(int error, BOOL noEvent = FALSE);
    virtual BOOL SocketWrite(int error);
    virtual BOOL SocketReceive(int error, BOOL noEvent = FALSE);
    virtual BOOL SocketAccept(int error, BOOL noEvent = FALSE);
    virtual void SystemTimeout() {}
    virtual void DeleteSocket(CGenericEvent* done);
    virtual void ResetAsyncState();
    virtual bool ClearEvents();

    // Per-socket repeating window timer; its id is the socket handle.
    UINT_PTR SetTimeout(unsigned long ms);
    BOOL KillTimer();
    // One-shot timer through the thread manager.
    bool SetSystemTimeout(unsigned long ms);
    bool KillSystemTimer();

    void ForceReceiveEvent();
    bool IsInThread() const;
    CSocketThreadManagerImp* GetThreadManager() const;

    HWND GetWindowHandle() const { return m_hWindow; }
    bool IsRegistered() const { return m_bRegistered != FALSE; }
    bool IsBlocking() const { return m_bBlocked != FALSE; }
    bool IsClosing() const { return m_bClosing != FALSE; }
    bool IsSystemTimerArmed() const { return m_aSystemTimer.uTimerID != 0; }
    UINT_PTR GetTimerValue() const { return m_uTimer; }
    bool GetWaitOnWouldBlock() const { return m_bWaitOnWouldBlock != FALSE; }
    // Off: a send that would block returns at once (0) and the caller sends the rest on the write
    // notification. A waiting send handles sent messages, so its caller's window handlers can run
    // inside it: an owner that holds a lock of its own while sending must turn the wait off.
    void SetWaitOnWouldBlock(bool bWait) { m_bWaitOnWouldBlock = bWait ? TRUE : FALSE; }
    bool GetKeepOpen() const { return m_bKeepOpen != FALSE; }
    void SetKeepOpen() { m_bKeepOpen = TRUE; }
    void ClearWindowAndThread();
    // Waits for a write notification (or closing): true when the wait timed out.
    bool WaitForWriteEvent();
    void ResetWriteEvent();
    void SetWriteEvent();
    CBlockedBuffer* GetBlockedBuffer() const { return m_pBlockedBuffer; }
    // Takes ownership; a send that would block then queues its data there.
    void SetBlockedBuffer(CBlockedBuffer* buffer);
    unsigned int GetAsyncMessage() const { return m_uAsyncMessage; }
    long GetAsyncEvents() const { return m_lAsyncEvents; }
    // How long a send off the worker waits for a write notification (the shipped value is 5000 ms).
    void SetSendWaitTimeout(DWORD ms) { m_dwSendWaitTimeout = ms; }

    static void Initialize();
    static bool SetHandlers();
    static void Shutdown();
    static void SetSocketThreadExitTimeout(DWORD ms);
    static CSocketThreadManagerImp* GetGlobalThreadManager() { return s_pThreadManager; }

protected:
    void AllocateHandle();
    void AddSocketToList();
    void RemoveSocketFromList();
    int InternalWSAAsyncSelect(unsigned int message, long events);
    bool Block();
    bool CheckAsyncSocketValid() const;
    void SocketClosing();
    // After a concrete Create: registers the fresh handle with a worker; false when none took it.
    bool AttachToWorker();
    // Before a concrete Close: no more events, timers or callbacks, and off its worker.
    void DetachFromWorker();

private:
    static void SystemTimerProc(LPVOID data);
    static void DeleteTimerProc(LPVOID data);

    BOOL m_bRegistered;
    UINT_PTR m_uTimer;
    HWND m_hWindow;
    BOOL m_bBlocked;
    unsigned int m_uAsyncMessage;
    long m_lAsyncEvents;
    CSocketThreadManagerImp* m_pThreadManager;
    CBlockedBuffer* m_pBlockedBuffer;
    CSocketThreadManager::TimerID m_aSystemTimer;
    CSocketThreadManager::TimerID m_aDeleteTimer;
    volatile BOOL m_bClosing;
    CGenericEvent* m_pWriteEvent;
    BOOL m_bWaitOnWouldBlock;
    CGenericThread* m_pWorkerThread;
    BOOL m_bKeepOpen;
    DWORD m_dwSendWaitTimeout;

    static bool s_bInitialized;
    static CSocketThreadManagerImp* s_pThreadManager;
};
