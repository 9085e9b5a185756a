#pragma once
#include <winsock2.h>
#include <windows.h>

#include "net/socket/GenericCriticalSection.h"

// A Win32 critical section: recursive for the thread that owns it.
class CWin32CriticalSection : public CGenericCriticalSection {
public:
    CWin32CriticalSection() { InitializeCriticalSection(&m_cs); }
    ~CWin32CriticalSection() override { DeleteCriticalSection(&m_cs); }
    CWin32CriticalSection(const CWin32CriticalSection&) = delete;
    CWin32CriticalSection& operator=(const CWin32CriticalSection&) = delete;

    void Enter() override { EnterCriticalSection(&m_cs); }
    void Exit() override { LeaveCriticalSection(&m_cs); }
    // Enters only when no other thread holds the section.
    bool TryEnter() { return TryEnterCriticalSection(&m_cs) != FALSE; }

private:
    CRITICAL_SECTION m_cs;
};
