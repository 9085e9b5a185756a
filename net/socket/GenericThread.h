#pragma once
#include <winsock2.h>
#include <windows.h>

#include "net/socket/ErrorHandler.h"

class CGenericCriticalSection;

// A thread that runs one procedure with a data pointer. Status: 3 not created, 0 created and
// suspended, 1 running, 2 stopped.
class CGenericThread : public CErrorHandler {
public:
    typedef DWORD (*ThreadProc)(LPVOID data);
    enum ThreadStatus { tsSuspended = 0, tsRunning = 1, tsStopped = 2, tsUninitialized = 3 };
    enum ThreadPriority {
        tpIdle = 0, tpLowest = 1, tpBelowNormal = 2, tpNormal = 3, tpAboveNormal = 4, tpHighest = 5,
        tpTimeCritical = 6
    };

    explicit CGenericThread(ThreadProc proc);
    ~CGenericThread() override;
    CGenericThread(const CGenericThread&) = delete;
    CGenericThread& operator=(const CGenericThread&) = delete;

    virtual bool IsInThread() const = 0;
    virtual bool SetPriority(int priority) = 0;
    virtual int GetPriority() const = 0;
    virtual bool Start(LPVOID data);
    virtual bool Stop() = 0;
    virtual DWORD GetThreadID() const { return m_dwThreadID; }
    virtual LPVOID GetData() const { return m_pData; }

    void SetThreadStatus(int status);
    int GetThreadStatus() const { return m_eStatus; }
    // Whether deleting or stopping a running thread terminates it (set at construction).
    void SetTerminateOnStop(bool terminate) { m_bTerminateOnStop = terminate ? 1 : 0; }
    void SetAutoDelete(bool autoDelete) { m_bAutoDelete = autoDelete ? 1 : 0; }

protected:
    volatile int m_eStatus;
    CGenericCriticalSection* m_pStatusLock;
    int m_bAutoDelete;
    volatile int m_bTerminateOnStop;
    ThreadProc m_pThreadProc;
    DWORD m_dwThreadID;
    LPVOID m_pData;
};
