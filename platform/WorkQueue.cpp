#include "platform/WorkQueue.h"

#include <exception>

#include "platform/SingleLock.h"
#include "platform/StringConversion.h"
#include "platform/UiState.h"
#include "platform/WinThread.h"

CWorkQueue::CWorkQueue(int priority) : m_nPriority(priority), m_hWake(::CreateEventW(nullptr, FALSE, FALSE, nullptr))
{
}

CWorkQueue::~CWorkQueue()
{
    Stop();
    if (m_hWake)
        ::CloseHandle(m_hWake);
}

BOOL CWorkQueue::Add(Job job)
{
    if (!m_pThread) {
        m_bRun = true;
        CWinThread* thread = AfxBeginThread(ThreadProc, this, m_nPriority, 0, CREATE_SUSPENDED);
        if (!thread) {
            m_bRun = false;
            return FALSE;
        }
        thread->m_bAutoDelete = FALSE;
        m_pThread = thread;
        thread->ResumeThread();
    }
    {
        CSingleLock lock(&m_csQueue, TRUE);
        m_queue.push_back(std::move(job));
    }
    ::SetEvent(m_hWake);
    return TRUE;
}

void CWorkQueue::DropQueued()
{
    std::deque<Job> dropped;
    CSingleLock lock(&m_csQueue, TRUE);
    dropped.swap(m_queue);
    lock.Unlock();
}

void CWorkQueue::Stop()
{
    DropQueued();
    if (!m_pThread)
        return;
    m_bRun = false;
    ::SetEvent(m_hWake);
    ::WaitForSingleObject(m_pThread->m_hThread, INFINITE);
    delete m_pThread;
    m_pThread = nullptr;
}

size_t CWorkQueue::PendingCount()
{
    CSingleLock lock(&m_csQueue, TRUE);
    return m_queue.size() + (m_bBusy ? 1 : 0);
}

UINT __cdecl CWorkQueue::ThreadProc(LPVOID pParam)
{
    static_cast<CWorkQueue*>(pParam)->Loop();
    return 0;
}

void CWorkQueue::Loop()
{
    while (m_bRun) {
        Job job;
        {
            CSingleLock lock(&m_csQueue, TRUE);
            m_bBusy = FALSE;
            if (!m_queue.empty()) {
                m_bBusy = TRUE;
                job = std::move(m_queue.front());
                m_queue.pop_front();
            }
        }
        if (!job) {
            ::WaitForSingleObject(m_hWake, INFINITE);
            continue;
        }
        try {
            job();
        } catch (const std::exception& e) {
            zel::TraceError(L"work queue", zel::ToWideString(e.what(), -1, CP_UTF8).c_str());
        } catch (...) {
            zel::TraceError(L"work queue", L"unknown exception");
        }
    }
}
