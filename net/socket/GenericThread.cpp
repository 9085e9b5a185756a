#include "net/socket/GenericThread.h"

#include "net/socket/CriticalAutoRelease.h"
#include "net/socket/Win32CriticalSection.h"

CGenericThread::CGenericThread(ThreadProc proc)
    : m_eStatus(tsUninitialized),
      m_pStatusLock(new CWin32CriticalSection()),
      m_bAutoDelete(0),
      m_bTerminateOnStop(1),
      m_pThreadProc(proc),
      m_dwThreadID(0),
      m_pData(nullptr)
{
    SetName("CGenericThread");
}

CGenericThread::~CGenericThread()
{
    delete m_pStatusLock;
}

bool CGenericThread::Start(LPVOID data)
{
    m_pData = data;
    return true;
}

void CGenericThread::SetThreadStatus(int status)
{
    try {
        CCriticalAutoRelease guard(m_pStatusLock);
        m_eStatus = status;
    } catch (...) {
        ReportLastError("SetThreadStatus");
    }
}
