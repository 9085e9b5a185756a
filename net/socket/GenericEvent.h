#pragma once
#include "net/socket/WaitableObject.h"

class CGenericEvent : public CWaitableObject {
public:
    virtual void Pulse() = 0;
    virtual void Set() = 0;
    virtual void Reset() = 0;
    // True only when the wait timed out; a failed wait does not count as a time-out.
    virtual bool Wait(unsigned long timeoutMs) = 0;
};
