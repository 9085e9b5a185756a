#pragma once
// Holds one CSyncObject for a scope: unlocks in the destructor whatever way the scope is left.
#include <windows.h>

#include "platform/SyncObject.h"

class CSingleLock {
public:
    explicit CSingleLock(CSyncObject* object, BOOL initialLock = FALSE) : m_object(object)
    {
        if (initialLock)
            Lock();
    }
    ~CSingleLock() { Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    // Locking twice through the same CSingleLock takes the object once.
    BOOL Lock(DWORD timeout = INFINITE)
    {
        if (!m_locked && m_object)
            m_locked = m_object->Lock(timeout);
        return m_locked;
    }
    BOOL Unlock()
    {
        if (m_locked && m_object)
            m_locked = !m_object->Unlock();
        return !m_locked;
    }
    BOOL IsLocked() const { return m_locked; }

private:
    CSyncObject* m_object;
    BOOL m_locked = FALSE;
};
