#pragma once
#include "net/socket/GenericMutex.h"

// Scope guard of a mutex: waits for it without limit and releases every acquisition it holds.
class CMutexAutoRelease {
public:
    explicit CMutexAutoRelease(CGenericMutex* mutex);
    virtual ~CMutexAutoRelease();
    CMutexAutoRelease(const CMutexAutoRelease&) = delete;
    CMutexAutoRelease& operator=(const CMutexAutoRelease&) = delete;

    // True only when the wait timed out.
    bool Lock();
    // False (count kept) only when the release failed.
    bool Unlock();

private:
    CGenericMutex* m_pMutex;
    int m_iHeld;
};
