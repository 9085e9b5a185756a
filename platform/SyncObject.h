#pragma once
// The base of the lockable objects that CSingleLock works with.
#include <windows.h>

#include "platform/Object.h"

class CSyncObject : public CObject {
public:
    virtual BOOL Lock(DWORD timeout = INFINITE) = 0;
    virtual BOOL Unlock() = 0;
};
