#pragma once
// Something a thread can wait on through its Win32 handle.
#include <winsock2.h>
#include <windows.h>

class CWaitableObject {
public:
    CWaitableObject() : m_bFlag(false) {}
    virtual HANDLE GetHandle() = 0;
    // Gives the object back after a successful wait (event: reset; semaphore: one count; mutex: unlock).
    virtual void Release() = 0;
    virtual bool GetFlag() const { return m_bFlag; }
    virtual ~CWaitableObject() {}
    void SetFlag() { m_bFlag = true; }

private:
    bool m_bFlag;
};
