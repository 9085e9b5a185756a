#include "net/socket/Win32ReadWriteLock.h"

#include <winsock2.h>
#include <windows.h>

#include "net/socket/MutexAutoRelease.h"
#include "net/socket/Win32Mutex.h"
#include "net/socket/Win32Semaphore.h"

CWin32ReadWriteLock::CWin32ReadWriteLock(long maxReaders)
    : m_lMaxReaders(maxReaders > 0 ? maxReaders : 1),
      m_pReaders(new CWin32Semaphore(m_lMaxReaders, m_lMaxReaders)),
      m_pStateMutex(new CWin32Mutex()),
      m_bWriter(false),
      m_bWriterPending(false),
      m_lReaders(0)
{
}

CWin32ReadWriteLock::~CWin32ReadWriteLock()
{
    delete m_pStateMutex;
    delete m_pReaders;
}

bool CWin32ReadWriteLock::LockRead(unsigned long timeoutMs)
{
    CMutexAutoRelease guard(m_pStateMutex);
    if (m_bWriter || m_bWriterPending) return false;
    if (m_lReaders >= m_lMaxReaders) {
        guard.Unlock();
        if (m_pReaders->Wait(timeoutMs)) return false;
        guard.Lock();
        if (m_bWriter || m_bWriterPending) {
            m_pReaders->Release(1);
            return false;
        }
        ++m_lReaders;
        return true;
    }
    if (m_pReaders->Wait(timeoutMs)) return false;
    ++m_lReaders;
    return true;
}

void CWin32ReadWriteLock::UnlockRead()
{
    CMutexAutoRelease guard(m_pStateMutex);
    if (m_lReaders <= 0) return;
    m_pReaders->Release(1);
    --m_lReaders;
}

bool CWin32ReadWriteLock::TryLockWriteHeld()
{
    if (m_lReaders != 0 || m_bWriter) return false;
    m_bWriter = true;
    return true;
}

bool CWin32ReadWriteLock::TryLockWrite()
{
    CMutexAutoRelease guard(m_pStateMutex);
    return TryLockWriteHeld();
}

void CWin32ReadWriteLock::UnlockWrite()
{
    CMutexAutoRelease guard(m_pStateMutex);
    if (!m_bWriter) return;
    m_bWriter = false;
    m_bWriterPending = false;
}

bool CWin32ReadWriteLock::LockWrite(unsigned long intervalMs, unsigned long tries)
{
    CMutexAutoRelease guard(m_pStateMutex);
    if (TryLockWriteHeld()) return true;
    m_bWriterPending = true;
    guard.Unlock();
    for (unsigned long i = 0; i < tries; ++i) {
        guard.Lock();
        bool locked = TryLockWriteHeld();
        guard.Unlock();
        if (locked) return true;
        Sleep(intervalMs);
    }
    return false;
}

void CWin32ReadWriteLock::CancelLockWrite()
{
    CMutexAutoRelease guard(m_pStateMutex);
    m_bWriterPending = false;
}
