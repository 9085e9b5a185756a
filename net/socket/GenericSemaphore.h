#pragma once
#include "net/socket/WaitableObject.h"

class CGenericSemaphore : public CWaitableObject {
public:
    using CWaitableObject::Release;
    // True only when the wait timed out.
    virtual bool Wait(unsigned long timeoutMs) = 0;
    // Returns the previous count, or -1 when the release failed.
    virtual long Release(long count) = 0;
};
