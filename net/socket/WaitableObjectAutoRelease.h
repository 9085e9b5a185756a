#pragma once
#include "net/socket/WaitableObject.h"

// Gives a waitable object back (its Release) at the end of the scope.
class CWaitableObjectAutoRelease {
public:
    explicit CWaitableObjectAutoRelease(CWaitableObject* object) : m_pObject(object) {}
    virtual ~CWaitableObjectAutoRelease()
    {
        if (m_pObject) m_pObject->Release();
    }
    CWaitableObjectAutoRelease(const CWaitableObjectAutoRelease&) = delete;
    CWaitableObjectAutoRelease& operator=(const CWaitableObjectAutoRelease&) = delete;

private:
    CWaitableObject* m_pObject;
};
