#pragma once
#include "net/socket/GenericSemaphore.h"

// An unnamed semaphore. Throws "Failed to create semaphore!".
class CWin32Semaphore : public CGenericSemaphore {
public:
    CWin32Semaphore(long initialCount, long maximumCount);
    ~CWin32Semaphore() override;
    CWin32Semaphore(const CWin32Semaphore&) = delete;
    CWin32Semaphore& operator=(const CWin32Semaphore&) = delete;

    HANDLE GetHandle() override { return m_hSemaphore; }
    void Release() override { Release(1); }
    bool Wait(unsigned long timeoutMs) override;
    long Release(long count) override;

private:
    HANDLE m_hSemaphore;
};
