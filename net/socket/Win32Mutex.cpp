#include "net/socket/Win32Mutex.h"

CWin32Mutex::CWin32Mutex() : m_hMutex(CreateMutexA(nullptr, FALSE, nullptr))
{
    if (!m_hMutex) throw "Failed to create mutex!";
}

CWin32Mutex::~CWin32Mutex()
{
    if (m_hMutex) CloseHandle(m_hMutex);
}

bool CWin32Mutex::Wait(unsigned long timeoutMs)
{
    return WaitForSingleObject(m_hMutex, timeoutMs) == WAIT_TIMEOUT;
}

bool CWin32Mutex::Unlock()
{
    return ReleaseMutex(m_hMutex) != FALSE;
}
