#pragma once
#include "net/socket/GenericCriticalSection.h"

// Scope guard of a critical section: leaves it as many times as it entered it.
class CCriticalAutoRelease {
public:
    CCriticalAutoRelease(CGenericCriticalSection* section, bool enter = true);
    virtual ~CCriticalAutoRelease();
    CCriticalAutoRelease(const CCriticalAutoRelease&) = delete;
    CCriticalAutoRelease& operator=(const CCriticalAutoRelease&) = delete;

    void Enter();
    void Exit();

private:
    CGenericCriticalSection* m_pSection;
    int m_iEntered;
};
