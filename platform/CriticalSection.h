#pragma once
// A Win32 critical section: re-entrant for the owning thread, never times out.
#include <windows.h>

#include "platform/SyncObject.h"

class CCriticalSection : public CSyncObject {
public:
    CCriticalSection() { ::InitializeCriticalSection(&m_sect); }
    ~CCriticalSection() override { ::DeleteCriticalSection(&m_sect); }

    // A critical section has no time-out: any timeout waits until it is free.
    BOOL Lock() { ::EnterCriticalSection(&m_sect); return TRUE; }
    BOOL Lock(DWORD timeout) override { return Lock(); }
    BOOL Unlock() override { ::LeaveCriticalSection(&m_sect); return TRUE; }
    operator CRITICAL_SECTION*() { return &m_sect; }

    CRITICAL_SECTION m_sect;
};
