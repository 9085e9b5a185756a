#pragma once

class CGenericReadWriteLock {
public:
    // False while a writer holds or waits for the lock, or when the time-out passes.
    virtual bool LockRead(unsigned long timeoutMs) = 0;
    virtual void UnlockRead() = 0;
    virtual bool TryLockWrite() = 0;
    virtual void UnlockWrite() = 0;
    // Tries up to 'tries' times, sleeping 'intervalMs' after each failure; new readers are turned
    // away meanwhile (and until UnlockWrite or CancelLockWrite when the tries run out).
    virtual bool LockWrite(unsigned long intervalMs, unsigned long tries) = 0;
    virtual void CancelLockWrite() = 0;
    virtual ~CGenericReadWriteLock() {}
};
