#include "whiteboard/board/PageDecoder.h"

#include <exception>

#include "platform/SingleLock.h"
#include "platform/WinThread.h"
#include "whiteboard/PagePicture.h"
#include "whiteboard/WhiteboardLog.h"

CPageDecoder::CPageDecoder() : m_hWake(::CreateEventW(nullptr, FALSE, FALSE, nullptr))
{
}

CPageDecoder::~CPageDecoder()
{
    Stop();
    if (m_hWake)
        ::CloseHandle(m_hWake);
}

void CPageDecoder::DropQueued()
{
    std::deque<S_BOARD_IMAGE*> dropped;
    {
        CSingleLock lock(&m_csQueue, TRUE);
        dropped.swap(m_queue);
    }
    for (S_BOARD_IMAGE* record : dropped)
        delete record;
}

BOOL CPageDecoder::Decode(HWND target, UINT message, std::deque<S_BOARD_IMAGE*> records)
{
    DropQueued();
    if (!m_pThread) {
        m_bRun = true;
        // The shown page's picture comes from here too, while the user waits for it: the thread
        // runs at the window's priority.
        CWinThread* thread = AfxBeginThread(ThreadProc, this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        if (!thread) {
            m_bRun = false;
            for (S_BOARD_IMAGE* record : records)
                delete record;
            CWhiteboardLog::Log(4, L"Page decoder: the thread could not be created");
            return FALSE;
        }
        thread->m_bAutoDelete = FALSE;
        m_pThread = thread;
        thread->ResumeThread();
    }
    {
        CSingleLock lock(&m_csQueue, TRUE);
        m_hTarget = target;
        m_uMessage = message;
        for (S_BOARD_IMAGE* record : records) {
            if (m_nBusyPage && record->page == m_nBusyPage && record->serial == m_nBusySerial
                && record->docId == m_strBusyDoc)
                delete record;
            else
                m_queue.push_back(record);
        }
    }
    ::SetEvent(m_hWake);
    return TRUE;
}

void CPageDecoder::Stop()
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

size_t CPageDecoder::PendingCount()
{
    CSingleLock lock(&m_csQueue, TRUE);
    return m_queue.size();
}

UINT __cdecl CPageDecoder::ThreadProc(LPVOID pParam)
{
    static_cast<CPageDecoder*>(pParam)->Loop();
    return 0;
}

void CPageDecoder::Loop()
{
    while (m_bRun) {
        S_BOARD_IMAGE* record = nullptr;
        HWND target = nullptr;
        UINT message = 0;
        {
            CSingleLock lock(&m_csQueue, TRUE);
            m_nBusyPage = 0;
            if (!m_queue.empty()) {
                record = m_queue.front();
                m_queue.pop_front();
                target = m_hTarget;
                message = m_uMessage;
                m_strBusyDoc = record->docId;
                m_nBusyPage = record->page;
                m_nBusySerial = record->serial;
            }
        }
        if (!record) {
            ::WaitForSingleObject(m_hWake, INFINITE);
            continue;
        }
        try {
            if (!record->picture)
                record->picture = CPagePicture::Decode(reinterpret_cast<const BYTE*>(record->bytes.data()),
                                                       record->bytes.size());
            if (record->picture && record->fit.cx > 0 && record->fit.cy > 0)
                record->fitted = record->picture->ScaledTo(record->fit.cx, record->fit.cy);
            record->ok = record->picture != nullptr;
        } catch (const std::exception& e) {
            record->ok = FALSE;
            CWhiteboardLog::Log(4, L"Page decoder: page %d failed: %hs", record->page, e.what());
        } catch (...) {
            record->ok = FALSE;
            CWhiteboardLog::Log(4, L"Page decoder: page %d failed", record->page);
        }
        record->bytes.clear();
        if (!::PostMessageW(target, message, 0, (LPARAM)record))
            delete record;
    }
}
