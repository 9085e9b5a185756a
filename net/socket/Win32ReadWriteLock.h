#pragma once
#include "net/socket/GenericReadWriteLock.h"

class CGenericMutex;
class CGenericSemaphore;

class CWin32ReadWriteLock : public CGenericReadWriteLock {
public:
    explicit CWin32ReadWriteLock(long maxReaders);
    ~CWin32ReadWriteLock() override;
    CWin32ReadWriteLock(const CWin32ReadWriteLock&) = delete;
    CWin32ReadWriteLock& operator=(const CWin32ReadWriteLock&) = delete;

    bool LockRead(unsigned long timeoutMs) override;
    void UnlockRead() override;
    bool TryLockWrite() override;
    void UnlockWrite() override;
    bool LockWrite(unsigned long intervalMs, unsigned long tries) override;
    void CancelLockWrite() override;

private:
    bool TryLockWriteHeld();

    long m_lMaxReaders;
    CGenericSemaphore* m_pReaders;
    CGenericMutex* m_pStateMutex;
    bool m_bWriter;
    bool m_bWriterPending;
    long m_lReaders;
};
