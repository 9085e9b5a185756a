#include "net/socket/Win32Event.h"

CWin32Event::CWin32Event() : m_hEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr))
{
    if (!m_hEvent) throw "Failed to create event!";
}

CWin32Event::~CWin32Event()
{
    if (m_hEvent) CloseHandle(m_hEvent);
}

void CWin32Event::Pulse()
{
    if (m_hEvent) PulseEvent(m_hEvent);
}

void CWin32Event::Set()
{
    if (m_hEvent) SetEvent(m_hEvent);
}

void CWin32Event::Reset()
{
    if (m_hEvent) ResetEvent(m_hEvent);
}

bool CWin32Event::Wait(unsigned long timeoutMs)
{
    return WaitForSingleObject(m_hEvent, timeoutMs) == WAIT_TIMEOUT;
}
