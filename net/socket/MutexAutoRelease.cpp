#include "net/socket/MutexAutoRelease.h"

CMutexAutoRelease::CMutexAutoRelease(CGenericMutex* mutex) : m_pMutex(mutex), m_iHeld(0)
{
    if (m_pMutex) Lock();
}

CMutexAutoRelease::~CMutexAutoRelease()
{
    try {
        while (m_iHeld > 0 && Unlock()) {
        }
    } catch (...) {
    }
}

bool CMutexAutoRelease::Lock()
{
    if (!m_pMutex) return false;
    if (m_pMutex->Wait(INFINITE)) return true;
    ++m_iHeld;
    return false;
}

bool CMutexAutoRelease::Unlock()
{
    if (!m_pMutex || m_iHeld <= 0) return true;
    if (!m_pMutex->Unlock()) return false;
    --m_iHeld;
    return true;
}
