#include "net/protocol/TasClientBaseManager.h"

CTasClientBaseManager::CTasClientBaseManager()
{
    InitializeCriticalSection(&m_csFields);
}

CTasClientBaseManager::~CTasClientBaseManager()
{
    DeleteCriticalSection(&m_csFields);
}

void CTasClientBaseManager::SetTimings(const _CLIENT_TIMINGS& timings)
{
    EnterCriticalSection(&m_csFields);
    m_timings = timings;
    LeaveCriticalSection(&m_csFields);
}

_CLIENT_TIMINGS CTasClientBaseManager::GetTimings() const
{
    EnterCriticalSection(&m_csFields);
    _CLIENT_TIMINGS timings = m_timings;
    LeaveCriticalSection(&m_csFields);
    return timings;
}

std::string CTasClientBaseManager::GetHost() const
{
    EnterCriticalSection(&m_csFields);
    std::string host = m_strHost;
    LeaveCriticalSection(&m_csFields);
    return host;
}

void CTasClientBaseManager::SetHostAndPort(const std::string& strHost, int nPort)
{
    EnterCriticalSection(&m_csFields);
    m_strHost = strHost;
    LeaveCriticalSection(&m_csFields);
    m_nPort = nPort;
}

void CTasClientBaseManager::PostEventMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = m_hEventWnd;
    if (hWnd && IsWindow(hWnd)) PostMessage(hWnd, uMsg, wParam, lParam);
}

LRESULT CTasClientBaseManager::SendEventMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = m_hEventWnd;
    return hWnd && IsWindow(hWnd) ? SendMessage(hWnd, uMsg, wParam, lParam) : 0;
}

DWORD CTasClientBaseManager::NextReconnectDelay()
{
    const int nAttempt = m_nReconnectAttempts++;
    if (nAttempt == 0) return 0;
    const _CLIENT_TIMINGS timings = GetTimings();
    DWORD dwDelay = timings.dwBackoffFirst;
    for (int i = 1; i < nAttempt && dwDelay < timings.dwBackoffMax; ++i) dwDelay *= 2;
    return dwDelay < timings.dwBackoffMax ? dwDelay : timings.dwBackoffMax;
}
