#pragma once
#include "net/socket/WaitableObject.h"

class CGenericMutex : public CWaitableObject {
public:
    // True only when the wait timed out.
    virtual bool Wait(unsigned long timeoutMs) = 0;
    virtual bool Unlock() = 0;
};
