#include "net/socket/SocketThreadManager.h"

#include "net/socket/CriticalAutoRelease.h"
#include "net/socket/SentMessageWait.h"
#include "net/socket/SyncFactory.h"
#include "net/socket/WaitList.h"
#include "net/socket/Win32CriticalSection.h"
#include "net/socket/Win32Thread.h"

unsigned int CSocketThreadManager::s_uNextTimerID = 1000000;

namespace {

const char kWindowClassName[] = "CSocketThreadManagerImp";

int LoadOf(const CSocketThreadManager::WorkerRecord* worker)
{
    return worker->nSockets + worker->nTimeouts;
}

}  // namespace

CSocketThreadManager::CSocketThreadManager()
    : m_ulThreadCount(0),
      m_hInstance(GetModuleHandleA(nullptr)),
      // Made before anything that can fail: every operation takes it, and a null lock would
      // make each of them fail (or crash) later.
      m_pManagerLock(new CWin32CriticalSection()),
      m_bInitialized(FALSE),
      m_dwThreadExitTimeout(DefaultExitTimeout)
{
    try {
        SetName("CSocketThreadManager");
    } catch (...) {
        ReportLastError("CSocketThreadManager");
    }
}

CSocketThreadManager::~CSocketThreadManager()
{
    try {
        if (m_bInitialized) Uninitialize();
        delete m_pManagerLock;
    } catch (...) {
        ReportLastError("~CSocketThreadManager");
    }
}

BOOL CSocketThreadManager::DispatchWorkerMessage(MSG* message, WorkerRecord*)
{
    DispatchMessageA(message);
    return TRUE;
}

BOOL CSocketThreadManager::Initialize(unsigned long threadCount)
{
    try {
        if (m_bInitialized) {
            ReportError("Initialize", "Already initialized!");
            return FALSE;
        }
        if (threadCount > MaxThreads) {
            ReportError("Initialize", "Too many threads to spawn!");
            return FALSE;
        }
        if (threadCount == 0) {
            ReportError("Initialize", "Can't have zero threads!");
            return FALSE;
        }
        m_ulThreadCount = threadCount;
        return SpawnThreads();
    } catch (...) {
        ReportLastError("Initialize");
        return FALSE;
    }
}

BOOL CSocketThreadManager::Uninitialize()
{
    try {
        if (m_bInitialized) {
            CleanThreads(FALSE);
            m_bInitialized = FALSE;
        }
        return TRUE;
    } catch (...) {
        ReportLastError("Uninitialize");
        return FALSE;
    }
}

BOOL CSocketThreadManager::SpawnThreads()
{
    try {
        m_sWindowClassName = kWindowClassName;
        for (unsigned long i = 0; i < m_ulThreadCount; ++i) {
            WorkerRecord* worker = new WorkerRecord();
            worker->hWindow = nullptr;
            worker->nSockets = 0;
            worker->nTimeouts = 0;
            worker->bPassOver = FALSE;
            worker->pThread = nullptr;
            worker->hInstance = nullptr;
            worker->pReadyEvent = nullptr;
            worker->pLock = new CWin32CriticalSection();
            worker->pManager = this;
            worker->pExtension = nullptr;
            worker->iIndex = (int)i + 1;
            worker->bAbandoned = false;
            m_pWorkers.push_back(worker);
        }
        for (WorkerRecord* worker : m_pWorkers) {
            worker->sWindowClassName = m_sWindowClassName;
            worker->pReadyEvent = NewEvent();
            worker->hInstance = m_hInstance;
            CreateExtendedData(&worker->pExtension);
            worker->pThread = new CWin32Thread(SocketThread);
            worker->pThread->Start(worker);
        }
        // Every worker is waited for, 64 at a time, within one time limit.
        DWORD start = GetTickCount();
        for (size_t first = 0; first < m_pWorkers.size(); first += CWaitList::MaxObjects) {
            CWaitList started;
            for (size_t i = first; i < m_pWorkers.size() && i < first + CWaitList::MaxObjects; ++i)
                started.AddObject(m_pWorkers[i]->pReadyEvent);
            DWORD elapsed = GetTickCount() - start;
            DWORD index = 0;
            if (started.Wait(index, elapsed >= SpawnTimeout ? 0 : SpawnTimeout - elapsed)) {
                ReportError("SpawnThreads", "Timeout waiting for threads!");
                CleanThreads(TRUE);
                return FALSE;
            }
        }
        // A worker without a window would never receive an event; with none at all there is no pool.
        bool anyWindow = false;
        for (WorkerRecord* worker : m_pWorkers) anyWindow = anyWindow || worker->hWindow;
        if (!anyWindow) {
            ReportError("SpawnThreads", "Failed to create window!");
            CleanThreads(TRUE);
            return FALSE;
        }
        m_bInitialized = TRUE;
        return TRUE;
    } catch (...) {
        ReportLastError("SpawnThreads");
        return FALSE;
    }
}

HWND CSocketThreadManager::CreateWorkerWindow(WorkerRecord* worker)
{
    // A message-only window: it receives posted messages and timers exactly as a hidden top-level
    // window does, and it needs no display.
    return CreateWindowExA(0, worker->sWindowClassName.c_str(), "Socket notification sink", 0, 0, 0, 0, 0,
                           HWND_MESSAGE, nullptr, worker->hInstance, nullptr);
}

void CSocketThreadManager::RunTimeout(WorkerRecord* worker, unsigned int id)
{
    TimeoutEntry entry;
    {
        CCriticalAutoRelease guard(worker->pLock);
        auto it = worker->mapTimeouts.find(id);
        if (it == worker->mapTimeouts.end()) return;
        entry = it->second;
        KillTimer(worker->hWindow, id);
        if (entry.pClearOnExpiry) {
            entry.pClearOnExpiry->uTimerID = 0;
            entry.pClearOnExpiry->iWorkerIndex = 0;
            entry.pClearOnExpiry->dwTimeout = 0;
        }
        worker->mapTimeouts.erase(it);
        --worker->nTimeouts;
    }
    try {
        entry.pfnCallback(entry.pCallbackData);
    } catch (...) {
        ReportStaticLastError("CSocketThreadManager", "SocketThread - Proc");
    }
}

DWORD CSocketThreadManager::SocketThread(LPVOID data)
{
    WorkerRecord* worker = static_cast<WorkerRecord*>(data);
    try {
        worker->hWindow = worker->pManager->CreateWorkerWindow(worker);
        worker->pReadyEvent->Set();
        if (!worker->hWindow) {
            ReportStaticError("CSocketThreadManager", "SocketThread", "Failed to create window!");
            worker->pReadyEvent->Set();
            return 0;
        }
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (worker->bAbandoned) break;
            TranslateMessage(&msg);
            bool timeout = false;
            if (msg.message == WM_TIMER) {
                CCriticalAutoRelease guard(worker->pLock);
                timeout = worker->mapTimeouts.count((unsigned int)msg.wParam) != 0;
            }
            try {
                if (timeout)
                    RunTimeout(worker, (unsigned int)msg.wParam);
                else
                    worker->pManager->DispatchWorkerMessage(&msg, worker);
            } catch (...) {
                ReportStaticLastError("CSocketThreadManager", "SocketThread - Proc");
            }
        }
        worker->pReadyEvent->Set();
        return 0;
    } catch (...) {
        ReportStaticLastError("CSocketThreadManager", "SocketThread");
        return 1;
    }
}

int CSocketThreadManager::GetMostAvailableThread()
{
    CCriticalAutoRelease guard(m_pManagerLock);
    // Only workers that have a window can serve a socket.
    int candidate = -1;
    for (size_t i = 0; i < m_pWorkers.size(); ++i) {
        WorkerRecord* worker = m_pWorkers[i];
        if (!worker->hWindow) continue;
        if (!worker->bPassOver) {
            candidate = (int)i;
            break;
        }
        worker->bPassOver = FALSE;
    }
    if (candidate < 0) {
        for (WorkerRecord* worker : m_pWorkers)
            if (worker->hWindow) return GetMostAvailableThread();
        return 0;
    }
    for (size_t i = (size_t)candidate + 1; i < m_pWorkers.size(); ++i) {
        WorkerRecord* worker = m_pWorkers[i];
        if (!worker->hWindow || !worker->pThread || worker->pThread->GetThreadID() == 0) continue;
        if (LoadOf(worker) < LoadOf(m_pWorkers[candidate])) {
            if (worker->bPassOver)
                worker->bPassOver = FALSE;
            else
                candidate = (int)i;
        }
    }
    return candidate + 1;
}

HWND CSocketThreadManager::GetWindowHandle()
{
    try {
        CCriticalAutoRelease guard(m_pManagerLock);
        int index = GetMostAvailableThread();
        if (index == 0) return nullptr;
        WorkerRecord* worker = m_pWorkers[index - 1];
        ++worker->nSockets;
        return worker->hWindow;
    } catch (...) {
        ReportLastError("GetWindowHandle");
        return nullptr;
    }
}

void CSocketThreadManager::DecreaseSocketCount(HWND window, BOOL passOver)
{
    int index = GetIndexByHWND(window);
    if (index == 0) return;
    CCriticalAutoRelease guard(m_pManagerLock);
    WorkerRecord* worker = m_pWorkers[index - 1];
    if (worker->nSockets > 0) {
        --worker->nSockets;
        worker->bPassOver = passOver;
    }
}

CGenericThread* CSocketThreadManager::GetThreadByHWND(HWND window)
{
    int index = GetIndexByHWND(window);
    if (index == 0) return nullptr;
    CCriticalAutoRelease guard(m_pManagerLock);
    return m_pWorkers[index - 1]->pThread;
}

CSocketThreadManager::WorkerRecord* CSocketThreadManager::GetDataByHWND(HWND window) const
{
    int index = GetIndexByHWND(window);
    return index ? m_pWorkers[index - 1] : nullptr;
}

int CSocketThreadManager::GetIndexByHWND(HWND window) const
{
    if (!window) return 0;
    for (size_t i = 0; i < m_pWorkers.size(); ++i)
        if (m_pWorkers[i]->hWindow == window) return (int)i + 1;
    return 0;
}

CSocketThreadManager::WorkerRecord* CSocketThreadManager::GetWorker(int index) const
{
    if (index < 1 || (size_t)index > m_pWorkers.size()) return nullptr;
    return m_pWorkers[index - 1];
}

CSocketThreadManager::TimerID CSocketThreadManager::RegisterTimeout(unsigned long timeoutMs, TimeoutProc callback,
                                                                    LPVOID callbackData, HWND window,
                                                                    TimerID* clearOnExpiry)
{
    TimerID result = {0, 0, 0};
    try {
        if (clearOnExpiry) *clearOnExpiry = result;
        CCriticalAutoRelease managerGuard(m_pManagerLock);
        int index;
        if (window) {
            index = GetIndexByHWND(window);
            if (index == 0) {
                ReportError("RegisterTimeout", "Failed to find handle!");
                return result;
            }
        } else {
            index = GetMostAvailableThread();
            if (index == 0) {
                ReportError("RegisterTimeout", "Failed to find thread!");
                return result;
            }
        }
        WorkerRecord* worker = m_pWorkers[index - 1];
        unsigned int id = s_uNextTimerID++;
        {
            CCriticalAutoRelease workerGuard(worker->pLock);
            ++worker->nTimeouts;
            TimeoutEntry entry = {callback, callbackData, TRUE, clearOnExpiry};
            worker->mapTimeouts[id] = entry;
        }
        managerGuard.Exit();
        if (!SetTimer(worker->hWindow, id, timeoutMs, nullptr)) {
            CCriticalAutoRelease workerGuard(worker->pLock);
            --worker->nTimeouts;
            worker->mapTimeouts.erase(id);
            workerGuard.Exit();
            ReportError("RegisterTimeout", "Failed to create the timer!");
            return result;
        }
        result.uTimerID = id;
        result.iWorkerIndex = index;
        result.dwTimeout = timeoutMs;
        if (clearOnExpiry) {
            // The timeout may already have fired on its worker (and cleared this copy).
            CCriticalAutoRelease workerGuard(worker->pLock);
            if (worker->mapTimeouts.count(id)) *clearOnExpiry = result;
        }
        return result;
    } catch (...) {
        ReportLastError("RegisterTimeout");
        TimerID none = {0, 0, 0};
        return none;
    }
}

BOOL CSocketThreadManager::RemoveTimeout(TimerID& timer)
{
    try {
        WorkerRecord* worker = GetWorker(timer.iWorkerIndex);
        if (timer.iWorkerIndex == 0 || !worker) {
            ReportError("RemoveTimeout", "Received invalid TimerID");
            return FALSE;
        }
        if (!KillTimer(worker->hWindow, timer.uTimerID)) ReportLastError("RemoveTimeout", "Failed to delete timer!");
        CCriticalAutoRelease guard(worker->pLock);
        if (worker->mapTimeouts.erase(timer.uTimerID)) --worker->nTimeouts;
        timer.uTimerID = 0;
        timer.iWorkerIndex = 0;
        timer.dwTimeout = 0;
        return TRUE;
    } catch (...) {
        ReportLastError("RemoveTimeout");
        return FALSE;
    }
}

bool CSocketThreadManager::WaitForWorkers(DWORD timeoutMs)
{
    // Each worker signals once its loop has ended; the thread's own end counts too, since a worker
    // that could not make its window has ended already and its signal may have been taken by the
    // start-up wait. Messages that workers send to this thread are handled meanwhile, or a worker
    // in the middle of such a call could never end.
    DWORD start = GetTickCount();
    bool all = true;
    for (WorkerRecord* worker : m_pWorkers) {
        CWin32Thread* thread = static_cast<CWin32Thread*>(worker->pThread);
        if (!thread || thread->GetThreadID() == 0 || !thread->GetThreadHandle()) continue;
        HANDLE handles[2] = {worker->pReadyEvent->GetHandle(), thread->GetThreadHandle()};
        DWORD elapsed = GetTickCount() - start;
        if (WaitHandlingSentMessages(handles, 2, elapsed >= timeoutMs ? 0 : timeoutMs - elapsed) < 0) {
            worker->bAbandoned = true;
            all = false;
        }
    }
    return all;
}

void CSocketThreadManager::FreeWorker(WorkerRecord* worker, BOOL errorMode)
{
    CWin32Thread* thread = static_cast<CWin32Thread*>(worker->pThread);
    if (!worker->bAbandoned && thread && thread->GetThreadHandle() &&
        WaitForSingleObject(thread->GetThreadHandle(), 2000) == WAIT_TIMEOUT)
        worker->bAbandoned = true;
    if (worker->bAbandoned) {
        // Still running, maybe inside a callback that holds a lock: terminating it could leave
        // that lock held for ever. The worker and everything it may touch stay allocated; its loop
        // ends by itself without touching the pool once the callback returns.
        if (thread) thread->SetTerminateOnStop(false);
        return;
    }
    DeleteExtendedData(&worker->pExtension);
    delete worker->pThread;
    delete worker->pLock;
    delete worker->pReadyEvent;
    if (!errorMode && worker->hWindow) DestroyWindow(worker->hWindow);
    delete worker;
}

void CSocketThreadManager::CleanThreads(BOOL errorMode)
{
    try {
        if (m_pWorkers.empty()) return;
        for (WorkerRecord* worker : m_pWorkers)
            if (worker->pThread && worker->pThread->GetThreadID() != 0)
                PostThreadMessageA(worker->pThread->GetThreadID(), WM_QUIT, 0, 0);
        if (!WaitForWorkers(errorMode ? 1000 : m_dwThreadExitTimeout))
            ReportError("CleanThreads", "Timeout waiting for threads!");
        for (WorkerRecord* worker : m_pWorkers) FreeWorker(worker, errorMode);
        m_pWorkers.clear();
        m_ulThreadCount = 0;
    } catch (...) {
        ReportLastError("CleanThreads");
    }
}
