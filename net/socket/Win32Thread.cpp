#include "net/socket/Win32Thread.h"

namespace {

const int kWin32Priorities[] = {THREAD_PRIORITY_IDLE,         THREAD_PRIORITY_LOWEST,
                                THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL,
                                THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                                THREAD_PRIORITY_TIME_CRITICAL};

}  // namespace

CWin32Thread::CWin32Thread(ThreadProc proc) : CGenericThread(proc), m_hThread(nullptr)
{
    try {
        SetName("CWin32Thread");
        if (!proc) throw "No thread proc!";
        CreateSuspended();
        SetThreadStatus(tsSuspended);
    } catch (...) {
        ReportLastError("CWin32Thread");
        throw;
    }
}

CWin32Thread::~CWin32Thread()
{
    try {
        Stop();
    } catch (...) {
        ReportLastError("~CWin32Thread");
    }
}

void CWin32Thread::CreateSuspended()
{
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, ThreadRoutine, this, CREATE_SUSPENDED, &id);
    if (!thread) throw "Failed to create thread!";
    m_hThread = thread;
    m_dwThreadID = id;
}

DWORD WINAPI CWin32Thread::ThreadRoutine(LPVOID param)
{
    try {
        CWin32Thread* self = static_cast<CWin32Thread*>(param);
        self->SetThreadStatus(tsRunning);
        bool autoDelete = self->m_bAutoDelete != 0;
        DWORD result = (DWORD)-1;
        try {
            result = self->m_pThreadProc(self->GetData());
        } catch (...) {
            ReportStaticLastError("CWin32Thread", "Win32Thread - Proc");
        }
        if (autoDelete) {
            // The destructor must not terminate the thread it runs on.
            self->m_bTerminateOnStop = 0;
            delete self;
            return result;
        }
        if (result != (DWORD)-1) self->SetThreadStatus(tsStopped);
        return result;
    } catch (...) {
        ReportStaticLastError("CWin32Thread", "Win32Thread");
        return (DWORD)-1;
    }
}

bool CWin32Thread::Start(LPVOID data)
{
    try {
        if (m_eStatus == tsStopped) {
            if (m_hThread) CloseHandle(m_hThread);
            m_hThread = nullptr;
            CreateSuspended();
            SetThreadStatus(tsSuspended);
        } else if (m_eStatus != tsSuspended) {
            return false;
        }
        CGenericThread::Start(data);
        return m_hThread && ResumeThread(m_hThread) != (DWORD)-1;
    } catch (...) {
        ReportLastError("Start");
        return false;
    }
}

bool CWin32Thread::Stop()
{
    try {
        if (!m_hThread) return false;
        if (m_eStatus == tsRunning && m_bTerminateOnStop) {
            if (!TerminateThread(m_hThread, (DWORD)-1)) {
                CloseHandle(m_hThread);
                m_hThread = nullptr;
                return false;
            }
        }
        if (m_eStatus == tsSuspended || m_eStatus == tsRunning) {
            if (!CloseHandle(m_hThread)) return false;
            m_hThread = nullptr;
            SetThreadStatus(tsStopped);
            return true;
        }
        if (CloseHandle(m_hThread)) m_hThread = nullptr;
        return false;
    } catch (...) {
        ReportLastError("Stop");
        return false;
    }
}

bool CWin32Thread::SetPriority(int priority)
{
    try {
        if (priority < tpIdle || priority > tpTimeCritical) return false;
        if (m_eStatus == tsStopped) {
            if (m_hThread) CloseHandle(m_hThread);
            m_hThread = nullptr;
            CreateSuspended();
            SetThreadStatus(tsSuspended);
        }
        return SetThreadPriority(m_hThread, kWin32Priorities[priority]) != FALSE;
    } catch (...) {
        ReportLastError("SetPriority");
        return false;
    }
}

int CWin32Thread::GetPriority() const
{
    if (!m_hThread) return tpNormal;
    int win32 = GetThreadPriority(m_hThread);
    for (int i = 0; i <= tpTimeCritical; ++i)
        if (kWin32Priorities[i] == win32) return i;
    return tpNormal;
}

bool CWin32Thread::IsInThread() const
{
    return GetThreadID() == GetCurrentThreadId();
}
