#include "net/socket/VantrelAsyncSocket.h"

#include "net/socket/CriticalAutoRelease.h"
#include "net/socket/SentMessageWait.h"
#include "net/socket/SocketThreadManagerImp.h"
#include "net/socket/SyncFactory.h"
#include "net/socket/Win32CriticalSection.h"

bool CVantrelAsyncSocket::s_bInitialized = false;
CSocketThreadManagerImp* CVantrelAsyncSocket::s_pThreadManager = nullptr;

namespace {

const CSocketThreadManager::TimerID kNoTimer = {0, 0, 0};

}  // namespace

CVantrelAsyncSocket::CVantrelAsyncSocket()
    : m_bRegistered(FALSE),
      m_uTimer(0),
      m_hWindow(nullptr),
      m_bBlocked(FALSE),
      m_uAsyncMessage(0),
      m_lAsyncEvents(0),
      m_pThreadManager(nullptr),
      m_pBlockedBuffer(nullptr),
      m_aSystemTimer(kNoTimer),
      m_aDeleteTimer(kNoTimer),
      m_bClosing(FALSE),
      m_pWriteEvent(nullptr),
      m_bWaitOnWouldBlock(TRUE),
      m_pWorkerThread(nullptr),
      m_bKeepOpen(FALSE),
      m_dwSendWaitTimeout(SendWaitTimeout)
{
    try {
        m_pWriteEvent = NewEvent();
        Initialize();
        ResetAsyncState();
    } catch (...) {
        ReportLastError("CAsyncSocket");
    }
}

CVantrelAsyncSocket::~CVantrelAsyncSocket()
{
    try {
        CSocketThreadManagerImp* manager = GetThreadManager();
        if (manager) {
            if (m_aSystemTimer.uTimerID) manager->RemoveTimeout(m_aSystemTimer);
            if (m_aDeleteTimer.uTimerID) manager->RemoveTimeout(m_aDeleteTimer);
            manager->DecreaseSocketCount(m_hWindow, FALSE);
        }
        CSocketThreadManagerImp::ForgetDispatching(this);
        delete m_pBlockedBuffer;
        delete m_pWriteEvent;
    } catch (...) {
        ReportLastError("~CAsyncSocket");
    }
}

CSocketThreadManagerImp* CVantrelAsyncSocket::GetThreadManager() const
{
    return m_pThreadManager ? m_pThreadManager : s_pThreadManager;
}

void CVantrelAsyncSocket::AllocateHandle()
{
    try {
        CCriticalAutoRelease library(&LibraryLock());
        // A stopped library's layer may still be ending: no new socket joins it.
        CSocketThreadManagerImp* manager = m_pThreadManager ? m_pThreadManager : IsInitialized() ? s_pThreadManager : nullptr;
        m_hWindow = manager ? manager->GetWindowHandle(this) : nullptr;
        m_pWorkerThread = manager && m_hWindow ? manager->GetThreadByHWND(m_hWindow) : nullptr;
    } catch (...) {
        ReportLastError("AllocateHandle");
        throw;
    }
}

void CVantrelAsyncSocket::AddSocketToList()
{
    try {
        AllocateHandle();
        // Without a worker window the socket would never hear of an event.
        m_bRegistered = m_hWindow != nullptr;
    } catch (...) {
        ReportLastError("AddSocketToList");
    }
}

void CVantrelAsyncSocket::RemoveSocketFromList()
{
    try {
        if (!m_bRegistered) return;
        CSocketThreadManagerImp* manager = GetThreadManager();
        if (manager) manager->RemoveSocket(this);
        m_bRegistered = FALSE;
        m_hWindow = nullptr;
        m_pWorkerThread = nullptr;
    } catch (...) {
        ReportLastError("RemoveSocketFromList");
    }
}

bool CVantrelAsyncSocket::IsInThread() const
{
    try {
        return m_pWorkerThread && m_pWorkerThread->IsInThread();
    } catch (...) {
        ReportLastError("IsInThread");
        return false;
    }
}

void CVantrelAsyncSocket::ClearWindowAndThread()
{
    m_hWindow = nullptr;
    m_pWorkerThread = nullptr;
}

int CVantrelAsyncSocket::InternalWSAAsyncSelect(unsigned int message, long events)
{
    try {
        m_uAsyncMessage = message;
        m_lAsyncEvents = events;
        if (m_bBlocked) return 0;
        return WSAAsyncSelect(GetAsyncHandle(), m_hWindow, message, events);
    } catch (...) {
        ReportLastError("InternalWSAAsyncSelect");
        return -1;
    }
}

bool CVantrelAsyncSocket::ClearEvents()
{
    if (!CheckAsyncSocketValid()) return false;
    return InternalWSAAsyncSelect(0, 0) == 0;
}

bool CVantrelAsyncSocket::Block()
{
    if (WSAAsyncSelect(GetAsyncHandle(), m_hWindow, 0, 0) == SOCKET_ERROR) {
        SetLastError("Block");
        return false;
    }
    u_long nonBlocking = 0;
    if (ioctlsocket(GetAsyncHandle(), FIONBIO, &nonBlocking) == SOCKET_ERROR) {
        SetLastError("Block");
        return false;
    }
    return true;
}

bool CVantrelAsyncSocket::ReBlock()
{
    if (m_bBlocked) return true;
    if (!CheckAsyncSocketValid() || !Block()) return false;
    m_bBlocked = TRUE;
    return true;
}

bool CVantrelAsyncSocket::ReAsync()
{
    if (!m_bBlocked) return true;
    if (!CheckAsyncSocketValid()) return false;
    if (WSAAsyncSelect(GetAsyncHandle(), m_hWindow, m_uAsyncMessage, m_lAsyncEvents) == SOCKET_ERROR) {
        SetLastError("ReAsync");
        return false;
    }
    m_bBlocked = FALSE;
    return true;
}

bool CVantrelAsyncSocket::CheckAsyncSocketValid() const
{
    if (GetAsyncHandle() != INVALID_SOCKET) return true;
    ReportError("CheckAsyncSocketValid", "Operation made on non existant socket!");
    return false;
}

void CVantrelAsyncSocket::ResetAsyncState()
{
    m_bRegistered = FALSE;
    m_hWindow = nullptr;
    m_pWorkerThread = nullptr;
    m_bBlocked = FALSE;
    m_lAsyncEvents = 0;
    m_bClosing = FALSE;
    m_aSystemTimer = kNoTimer;
    m_aDeleteTimer = kNoTimer;
}

UINT_PTR CVantrelAsyncSocket::SetTimeout(unsigned long ms)
{
    if (!m_hWindow) return 0;
    m_uTimer = ::SetTimer(m_hWindow, (UINT_PTR)GetAsyncHandle(), ms, nullptr);
    return m_uTimer;
}

BOOL CVantrelAsyncSocket::KillTimer()
{
    if (!m_hWindow || !m_uTimer) return FALSE;
    m_uTimer = 0;
    BOOL killed = ::KillTimer(m_hWindow, (UINT_PTR)GetAsyncHandle());
    if (!killed) ReportLastError("KillTimer");
    return killed;
}

bool CVantrelAsyncSocket::SetSystemTimeout(unsigned long ms)
{
    if (m_aSystemTimer.uTimerID) {
        ReportError("SetSystemTimeout", "Please kill previous timer!");
        return false;
    }
    CSocketThreadManagerImp* manager = GetThreadManager();
    if (manager) manager->RegisterTimeout(ms, SystemTimerProc, this, m_hWindow, &m_aSystemTimer);
    if (!m_aSystemTimer.uTimerID) {
        ReportError("SetSystemTimeout", "Failed creating the timer!");
        return false;
    }
    return true;
}

bool CVantrelAsyncSocket::KillSystemTimer()
{
    if (!m_aSystemTimer.uTimerID) return true;
    CSocketThreadManagerImp* manager = GetThreadManager();
    return manager && manager->RemoveTimeout(m_aSystemTimer);
}

void CVantrelAsyncSocket::SystemTimerProc(LPVOID data)
{
    try {
        CVantrelAsyncSocket* socket = static_cast<CVantrelAsyncSocket*>(data);
        socket->m_aSystemTimer = kNoTimer;
        socket->SystemTimeout();
    } catch (...) {
        ReportStaticLastError("CAsyncSocketClass", "SystemTimerProc");
    }
}

void CVantrelAsyncSocket::DeleteTimerProc(LPVOID data)
{
    try {
        static_cast<CVantrelAsyncSocket*>(data)->OnSocketDelete();
    } catch (...) {
        ReportStaticLastError("CAsyncSocketClass", "SystemTimerProc");
    }
}

void CVantrelAsyncSocket::SocketClosing()
{
    if (m_bClosing || GetAsyncHandle() == INVALID_SOCKET) return;
    m_bClosing = TRUE;
    if (m_pWriteEvent) m_pWriteEvent->Set();
    if (m_uTimer) KillTimer();
    if (m_aSystemTimer.uTimerID) KillSystemTimer();
    m_uAsyncMessage = 0;
    m_lAsyncEvents = 0;
    if (WSAAsyncSelect(GetAsyncHandle(), m_hWindow, 0, 0) == SOCKET_ERROR) SetLastError("SocketClosing");
}

bool CVantrelAsyncSocket::AttachToWorker()
{
    // Held until the answer is read: a shutdown on another thread deletes a registered socket
    // with its worker, and must not do so half-way through.
    CCriticalAutoRelease library(&LibraryLock());
    ResetAsyncState();
    AddSocketToList();
    return IsRegistered();
}

void CVantrelAsyncSocket::DetachFromWorker()
{
    SocketClosing();
    RemoveSocketFromList();
}

void CVantrelAsyncSocket::ForceReceiveEvent()
{
    // An unregistered socket has no worker to run the callback on: nothing to do.
    if (m_bRegistered) PostMessageA(m_hWindow, WM_SOCKET_FORCE_RECEIVE, (WPARAM)GetAsyncHandle(), 0);
}

bool CVantrelAsyncSocket::WaitForWriteEvent()
{
    HANDLE event = m_pWriteEvent->GetHandle();
    if (WaitHandlingSentMessages(&event, 1, m_dwSendWaitTimeout) != 0) return true;
    return m_bClosing != FALSE;
}

void CVantrelAsyncSocket::ResetWriteEvent()
{
    if (m_pWriteEvent) m_pWriteEvent->Reset();
}

void CVantrelAsyncSocket::SetWriteEvent()
{
    if (m_pWriteEvent) m_pWriteEvent->Set();
}

void CVantrelAsyncSocket::SetBlockedBuffer(CBlockedBuffer* buffer)
{
    if (buffer != m_pBlockedBuffer) delete m_pBlockedBuffer;
    m_pBlockedBuffer = buffer;
}

BOOL CVantrelAsyncSocket::SendBlockedBuffer(CBlockedBuffer::CBlockedData&)
{
    return FALSE;
}

void CVantrelAsyncSocket::OnSocketDelete()
{
    try {
        SocketClosing();
        if (m_bRegistered) {
            if (PostMessageA(m_hWindow, WM_SOCKET_DELETE, (WPARAM)GetAsyncHandle(), 0)) return;
            // The worker's queue refused the message: take the socket off the worker here.
            RemoveSocketFromList();
        }
        // Inside one of this socket's own callbacks the object is still in use further up the
        // stack: it goes once that callback has returned.
        if (CSocketThreadManagerImp::DeferDeleteIfDispatching(this)) return;
        DeleteSocket(nullptr);
    } catch (...) {
        ReportLastError("OnSocketDelete");
    }
}

void CVantrelAsyncSocket::DeleteSocketFromThread(unsigned long timeoutMs)
{
    try {
        if (timeoutMs == 0) {
            OnSocketDelete();
            return;
        }
        SocketClosing();
        if (!m_bRegistered) {
            if (CSocketThreadManagerImp::DeferDeleteIfDispatching(this)) return;
            DeleteSocket(nullptr);
            return;
        }
        CSocketThreadManagerImp* manager = GetThreadManager();
        if (manager) manager->RegisterTimeout(timeoutMs, DeleteTimerProc, this, m_hWindow, &m_aDeleteTimer);
        if (!m_aDeleteTimer.uTimerID) {
            ReportError("DeleteSocketFromThread", "Failed to create timeout!");
            OnSocketDelete();
        }
    } catch (...) {
        ReportLastError("DeleteSocketFromThread");
    }
}

void CVantrelAsyncSocket::DeleteSocketFromThreadWait()
{
    try {
        // On its own worker the deletion message could not run while this thread waits for it.
        if (IsInThread()) {
            OnSocketDelete();
            return;
        }
        SocketClosing();
        if (!m_bRegistered) {
            DeleteSocket(nullptr);
            return;
        }
        CGenericEvent* done = NewEvent();
        if (!PostMessageA(m_hWindow, WM_SOCKET_DELETE, (WPARAM)GetAsyncHandle(), (LPARAM)done)) {
            delete done;
            RemoveSocketFromList();
            DeleteSocket(nullptr);
            return;
        }
        HANDLE handle = done->GetHandle();
        if (WaitHandlingSentMessages(&handle, 1, DeleteWaitTimeout) == 0) {
            delete done;
        } else {
            // The worker may still set it later: it stays.
            ReportStaticError("CAsyncSocketClass", "DeleteSocketFromThreadWait", "Timeout waiting for event!");
        }
    } catch (...) {
        ReportLastError("OnSocketDelete");
    }
}

void CVantrelAsyncSocket::DeleteSocket(CGenericEvent* done)
{
    delete this;
    if (done) done->Set();
}

BOOL CVantrelAsyncSocket::SocketConnected(int error, BOOL noEvent)
{
    try {
        if (error == 0) {
            BOOL result = noEvent ? TRUE : OnSocketConnect(0);
            if (!SetAsync()) return FALSE;
            return result;
        }
        return noEvent ? FALSE : OnSocketConnect(error);
    } catch (...) {
        ReportLastError("SocketConnected");
        return FALSE;
    }
}

BOOL CVantrelAsyncSocket::SocketClosed(int error, BOOL noEvent)
{
    try {
        SocketClosing();
        RemoveSocketFromList();
        return noEvent ? TRUE : OnSocketClose(error);
    } catch (...) {
        ReportLastError("SocketClosed");
        return FALSE;
    }
}

BOOL CVantrelAsyncSocket::SocketWrite(int error)
{
    try {
        if (m_pWriteEvent) m_pWriteEvent->Set();
        return OnSocketWrite(error);
    } catch (...) {
        ReportLastError("SocketWrite");
        return FALSE;
    }
}

BOOL CVantrelAsyncSocket::SocketReceive(int error, BOOL noEvent)
{
    try {
        return noEvent ? FALSE : OnSocketReceive(error);
    } catch (...) {
        ReportLastError("SocketConnected");
        return FALSE;
    }
}

BOOL CVantrelAsyncSocket::SocketAccept(int error, BOOL noEvent)
{
    try {
        return noEvent ? FALSE : OnSocketAccept(error);
    } catch (...) {
        ReportLastError("SocketConnected");
        return FALSE;
    }
}

void CVantrelAsyncSocket::Initialize()
{
    try {
        // Two threads that construct the first sockets at the same time must not both start the
        // layer, nor start it while the library shuts down.
        CCriticalAutoRelease library(&LibraryLock());
        if (s_bInitialized || s_pThreadManager || !CSocketBase::IsInitialized()) return;
        CSocketBase::RenewAddressLock();
        if (!SetHandlers()) {
            ReportStaticError("CAsyncSocketClass", "CAsyncSocket", "Failed to init handlers!");
            return;
        }
        new CAsyncShutdown();
        s_bInitialized = true;
    } catch (...) {
        ReportStaticLastError("CAsyncSocketClass", "Initialize");
    }
}

bool CVantrelAsyncSocket::SetHandlers()
{
    try {
        if (s_pThreadManager) return true;
        s_pThreadManager = new CSocketThreadManagerImp();
        unsigned long threads = CSocketBase::IsMultiThreaded() ? CSocketBase::GetNumberOfThreads() : 1;
        if (!s_pThreadManager->Initialize(threads)) {
            ReportStaticError("CAsyncSocketClass", "SetHandlers", "Failed to initialize the thread manager!");
            delete s_pThreadManager;
            s_pThreadManager = nullptr;
            return false;
        }
        return true;
    } catch (...) {
        ReportStaticLastError("CAsyncSocketClass", "CAsyncSocket");
        return false;
    }
}

void CVantrelAsyncSocket::Shutdown()
{
    CSocketThreadManagerImp* manager;
    {
        CCriticalAutoRelease library(&LibraryLock());
        if (!s_bInitialized) return;
        manager = s_pThreadManager;
        s_bInitialized = false;
    }
    // Outside the lock: the workers end first, and one of them may be making a socket. The layer
    // stays reachable meanwhile for the sockets its workers still delete; new ones are refused.
    delete manager;
    CCriticalAutoRelease library(&LibraryLock());
    s_pThreadManager = nullptr;
}

void CVantrelAsyncSocket::SetSocketThreadExitTimeout(DWORD ms)
{
    if (s_pThreadManager) s_pThreadManager->SetThreadExitTimeout(ms);
}

CVantrelAsyncSocket::CAsyncShutdown::CAsyncShutdown()
{
    SetName("CAsyncShutdown");
    SetAsyncShutdown(this);
}

void CVantrelAsyncSocket::CAsyncShutdown::NotifyShutdown()
{
    try {
        CVantrelAsyncSocket::Shutdown();
    } catch (...) {
        ReportLastError("NotifyShutdown");
    }
}
