#include "net/socket/Win32Semaphore.h"

CWin32Semaphore::CWin32Semaphore(long initialCount, long maximumCount)
    : m_hSemaphore(CreateSemaphoreA(nullptr, initialCount, maximumCount, nullptr))
{
    if (!m_hSemaphore) throw "Failed to create semaphore!";
}

CWin32Semaphore::~CWin32Semaphore()
{
    if (m_hSemaphore) CloseHandle(m_hSemaphore);
}

bool CWin32Semaphore::Wait(unsigned long timeoutMs)
{
    return WaitForSingleObject(m_hSemaphore, timeoutMs) == WAIT_TIMEOUT;
}

long CWin32Semaphore::Release(long count)
{
    LONG previous = 0;
    if (!ReleaseSemaphore(m_hSemaphore, count, &previous)) return -1;
    return previous;
}
