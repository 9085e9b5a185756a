#include "whiteboard/canvas/BoardShareThread.h"

#include <exception>

#include "platform/SingleLock.h"
#include "platform/WinThread.h"
#include "whiteboard/WhiteboardLog.h"

namespace {
// The longest idle wait; queueing anything wakes the thread at once.
const DWORD kIdleWaitMs = 100;
}  // namespace

CBoardShareThread::CBoardShareThread(IBoardShareWork* pWork)
    : m_pWork(pWork), m_hWake(::CreateEventW(nullptr, FALSE, FALSE, nullptr))
{
}

CBoardShareThread::~CBoardShareThread()
{
    Stop();
    if (m_hWake)
        ::CloseHandle(m_hWake);
}

int CBoardShareThread::Start()
{
    // A thread that ended on a failure is let go, so that sharing again starts a new one.
    if (m_pThread && ::WaitForSingleObject(m_pThread->m_hThread, 0) == WAIT_OBJECT_0) {
        delete m_pThread;
        m_pThread = nullptr;
    }
    if (m_pThread)
        return 0;
    m_bRunThread = true;
    CWinThread* pThread = AfxBeginThread(ThreadProc, this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!pThread) {
        m_bRunThread = false;
        CWhiteboardLog::Log(4, L"Shared thread error : %s", L"the thread could not be created");
        return 0;
    }
    pThread->m_bAutoDelete = FALSE;
    m_pThread = pThread;
    pThread->ResumeThread();
    return 1;
}

void CBoardShareThread::Stop()
{
    if (!m_pThread)
        return;
    m_bRunThread = false;
    ::SetEvent(m_hWake);
    const HANDLE hThread = m_pThread->m_hThread;
    // Messages sent to this thread while it waits are answered, so a thread that sends one
    // cannot hold the join up; posted messages stay queued for the caller's own loop.
    for (;;) {
        const DWORD r = ::MsgWaitForMultipleObjects(1, &hThread, FALSE, INFINITE, QS_SENDMESSAGE);
        if (r != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    delete m_pThread;
    m_pThread = nullptr;
}

void CBoardShareThread::QueueSend(const S_BOARD_CONTENT& content)
{
    {
        CSingleLock lock(&m_csQueues, TRUE);
        m_sendQueue.push_back(content);
    }
    ::SetEvent(m_hWake);
}

void CBoardShareThread::QueueRemoteZoom(const S_BOARD_ZOOM& zoom)
{
    {
        CSingleLock lock(&m_csQueues, TRUE);
        m_zoomQueue.push_back(zoom);
    }
    ::SetEvent(m_hWake);
}

void CBoardShareThread::Wake()
{
    ::SetEvent(m_hWake);
}

size_t CBoardShareThread::SendQueueSize()
{
    CSingleLock lock(&m_csQueues, TRUE);
    return m_sendQueue.size();
}

size_t CBoardShareThread::ZoomQueueSize()
{
    CSingleLock lock(&m_csQueues, TRUE);
    return m_zoomQueue.size();
}

BOOL CBoardShareThread::RunPass()
{
    ++m_nPasses;
    if (m_pWork->ApplyIncomingStrokes())
        return TRUE;
    S_BOARD_ZOOM zoom;
    bool haveZoom = false;
    {
        CSingleLock lock(&m_csQueues, TRUE);
        if (!m_zoomQueue.empty()) {
            zoom = m_zoomQueue.front();
            m_zoomQueue.pop_front();
            haveZoom = true;
        }
    }
    if (haveZoom) {
        if (zoom.zoomFactor == -1.0f)
            zoom.zoomFactor = 0.0f;
        m_pWork->ApplyRemoteZoom(zoom);
        return TRUE;
    }
    S_BOARD_CONTENT content;
    bool haveContent = false;
    {
        CSingleLock lock(&m_csQueues, TRUE);
        if (!m_sendQueue.empty()) {
            content = m_sendQueue.front();
            m_sendQueue.pop_front();
            haveContent = true;
        }
    }
    if (haveContent) {
        m_pWork->SendDrawing(content);
        return TRUE;
    }
    return FALSE;
}

UINT __cdecl CBoardShareThread::ThreadProc(LPVOID pParam)
{
    static_cast<CBoardShareThread*>(pParam)->Loop();
    return 0;
}

void CBoardShareThread::Loop()
{
    try {
        while (m_bRunThread) {
            if (!RunPass())
                ::WaitForSingleObject(m_hWake, kIdleWaitMs);
        }
    } catch (const std::exception& e) {
        CWhiteboardLog::Log(2, L"Shared thread error : %hs", e.what());
    } catch (...) {
        CWhiteboardLog::Log(2, L"Shared thread error : %s", L"unknown failure");
    }
}
