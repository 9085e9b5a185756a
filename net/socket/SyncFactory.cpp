#include "net/socket/SyncFactory.h"

#include "net/socket/Win32CriticalSection.h"
#include "net/socket/Win32Event.h"
#include "net/socket/Win32Thread.h"

CGenericEvent* NewEvent()
{
    return new CWin32Event();
}

CGenericCriticalSection* NewCriticalSection()
{
    return new CWin32CriticalSection();
}

CGenericThread* NewThread(CGenericThread::ThreadProc proc)
{
    return new CWin32Thread(proc);
}
