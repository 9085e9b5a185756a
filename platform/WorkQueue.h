#pragma once
// One worker thread that runs jobs in the order they were queued: work a window must not wait
// for (decoding and scaling pictures). A job hands its result to its window itself, as a heap
// record it posts (and frees when the post fails). The thread starts with the first job and runs
// until Stop; a job that throws is logged and the next one runs.
#include <windows.h>

#include <atomic>
#include <deque>
#include <functional>

#include "platform/CriticalSection.h"

class CWinThread;

class CWorkQueue {
public:
    using Job = std::function<void()>;

    explicit CWorkQueue(int priority = THREAD_PRIORITY_NORMAL);
    ~CWorkQueue();
    CWorkQueue(const CWorkQueue&) = delete;
    CWorkQueue& operator=(const CWorkQueue&) = delete;

    // FALSE when no thread could be started (the job is dropped).
    BOOL Add(Job job);
    // Drops the jobs not yet started (their captures are freed here).
    void DropQueued();
    // Drops the jobs not yet started and waits for the one under way.
    void Stop();
    // The jobs queued and the one under way.
    size_t PendingCount();

private:
    static UINT __cdecl ThreadProc(LPVOID pParam);
    void Loop();

    int m_nPriority;
    CCriticalSection m_csQueue;
    std::deque<Job> m_queue;
    BOOL m_bBusy = FALSE;
    HANDLE m_hWake;
    std::atomic<bool> m_bRun{false};
    CWinThread* m_pThread = nullptr;
};
