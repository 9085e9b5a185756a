#pragma once
#include "net/socket/GenericMutex.h"

// An unnamed mutex, not owned at creation. Throws "Failed to create mutex!".
class CWin32Mutex : public CGenericMutex {
public:
    CWin32Mutex();
    ~CWin32Mutex() override;
    CWin32Mutex(const CWin32Mutex&) = delete;
    CWin32Mutex& operator=(const CWin32Mutex&) = delete;

    HANDLE GetHandle() override { return m_hMutex; }
    void Release() override { Unlock(); }
    bool Wait(unsigned long timeoutMs) override;
    bool Unlock() override;

private:
    HANDLE m_hMutex;
};
