#pragma once
#include <winsock2.h>
#include <windows.h>

#include "net/socket/WaitableObject.h"

class CWaitableObjectAutoRelease;

// Waits for all of up to 64 waitable objects at once.
class CWaitList {
public:
    enum { MaxObjects = MAXIMUM_WAIT_OBJECTS };

    CWaitList();
    virtual ~CWaitList();
    CWaitList(const CWaitList&) = delete;
    CWaitList& operator=(const CWaitList&) = delete;

    // A list that already holds 64 objects ignores further ones.
    void AddObject(CWaitableObject* object, bool release = false);
    // Waits until every object is signalled. True when the wait timed out; 'index' is the index
    // the system returned, or 64 on a time-out, a failure or an empty list.
    bool Wait(DWORD& index, unsigned long timeoutMs);
    // Whether each object is given back (Release) when the list is destroyed after a wait.
    void SetReleaseAll(bool release) { m_bReleaseAll = release; }
    int GetCount() const { return m_iCount; }

private:
    void DeleteGuards();

    HANDLE m_aHandles[MaxObjects];
    CWaitableObject* m_aObjects[MaxObjects];
    bool m_aRelease[MaxObjects];
    int m_iCount;
    bool m_bReleaseAll;
    CWaitableObjectAutoRelease** m_ppGuards;
};
