#include "net/protocol/SessionClientManager.h"

#include "core/MyLogFile.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/ThreadAnsiText.h"
#include "net/socket/CriticalAutoRelease.h"

namespace {

const UINT_PTR kReconnectTimer = 1;

bool IsUnreachable(int nErrorCode)
{
    return nErrorCode == WSAEADDRNOTAVAIL || nErrorCode == WSAENETUNREACH || nErrorCode == WSAEHOSTUNREACH;
}

}  // namespace

CSessionClientManager::CSessionClientManager(const wchar_t* pszServerName, int bJson, DWORD dwIdleTimeout)
    : m_pszServerName(pszServerName), m_bJson(bJson), m_pProtocolDef(new CProtocolDef()), m_pQueue(new CUiThreadQueue())
{
    _CLIENT_TIMINGS timings;
    timings.dwConnectTimeout = 30000;
    timings.dwIdleTimeout = dwIdleTimeout;
    SetTimings(timings);
}

CSessionClientManager::~CSessionClientManager()
{
    StopClients();
}

void CSessionClientManager::StopClients()
{
    m_hListener = nullptr;
    if (m_pQueue) m_pQueue->Cancel(kReconnectTimer);
    CTasClient* pClient;
    CTasClient* pParked;
    {
        CCriticalAutoRelease guard(&m_csClients);
        pClient = m_pClient;
        pParked = m_pParkedClient;
        m_pClient = nullptr;
        m_pParkedClient = nullptr;
    }
    // Outside the lock: deleting waits for a callback of that client still under way, and the
    // callback may want the lock.
    delete pClient;
    delete pParked;
    m_pQueue.reset();
}

CTasClient* CSessionClientManager::NewClient()
{
    return new CTasClient(this, m_pProtocolDef.get(), m_bJson, 1);
}

BOOL CSessionClientManager::InitClient(const wchar_t* pszDefinitionPath, const std::vector<_REQUIRED_MESSAGE>& required)
{
    const int bLoaded = m_pProtocolDef->Load(pszDefinitionPath);
    CString strName;
    strName.Format(L"%s client", m_pszServerName);
    m_vecMissing = CheckMessagesDefined(*m_pProtocolDef, required, strName);
    CCriticalAutoRelease guard(&m_csClients);
    if (!m_pClient) m_pClient = NewClient();
    return bLoaded && m_vecMissing.empty();
}

void CSessionClientManager::Connect(const CString& strHost, int nPort)
{
    Connect(ToThreadAnsi(strHost), nPort);
}

void CSessionClientManager::Connect(const std::string& strHost, int nPort)
{
    CCriticalAutoRelease guard(&m_csClients);
    if (!m_pClient || m_pClient->IsConnected() || m_bConnecting) return;
    SetHostAndPort(strHost, nPort);
    m_bConnecting = 1;
    const _CLIENT_TIMINGS timings = GetTimings();
    m_pClient->SetConnectionTimeout(timings.dwConnectTimeout);
    m_pClient->SetTimeout(timings.dwIdleTimeout);
    m_pClient->Connect(strHost, nPort);
}

void CSessionClientManager::SendThroughClient(CTasRequest* pRequest)
{
    {
        CCriticalAutoRelease guard(&m_csClients);
        if (m_pClient) m_pClient->Send(pRequest);
    }
    delete pRequest;
}

void CSessionClientManager::OnSessionOpened(int nKeepAliveSeconds)
{
    m_bSession = 1;
    m_bKeepAliveSent = 0;
    ResetReconnectDelay();
    if (nKeepAliveSeconds > 0) {
        CCriticalAutoRelease guard(&m_csClients);
        if (m_pClient) m_pClient->SetTimeout((unsigned long)nKeepAliveSeconds * GetTimings().dwKeepAliveUnit);
    }
}

void CSessionClientManager::OnTimeout(CTasClient* pClient)
{
    {
        CCriticalAutoRelease guard(&m_csClients);
        // After a log-out the timer is the parked client's: it only ends that connection.
        if (!m_hListener || pClient != m_pClient) {
            if (m_pParkedClient && m_pParkedClient->IsConnected()) m_pParkedClient->Close();
            if (pClient && pClient != m_pClient && pClient != m_pParkedClient) pClient->Close();
            if (!m_hListener) m_bSession = 0;
            return;
        }
    }
    if (m_bKeepAliveSent || !m_bSession) {
        // The last keep-alive went unanswered, or the session never opened.
        m_bKeepAliveSent = 0;
        ScheduleReconnect();
        return;
    }
    m_bKeepAliveSent = 1;
    SendKeepAlive();
}

void CSessionClientManager::OnDisconnect(int nErrorCode)
{
    m_bSession = 0;
    if (IsUnreachable(nErrorCode)) {
        PostEventMessage(WM_CLIENT_SOCKET_ERROR, 0, (LPARAM)nErrorCode);
        return;
    }
    ScheduleReconnect();
}

void CSessionClientManager::ScheduleReconnect()
{
    // The first reconnect goes at once; while the server stays away, the next ones wait longer,
    // so a server that is down is not hammered.
    const DWORD dwDelay = NextReconnectDelay();
    if (dwDelay == 0) {
        Reconnect();
        return;
    }
    g_TasLog.Log(2, L"reconnect to %s server in %u ms\n", m_pszServerName, (unsigned)dwDelay);
    m_pQueue->PostDelayed(kReconnectTimer, dwDelay, [this] { Reconnect(); });
}

void CSessionClientManager::Reconnect()
{
    if (!m_hListener) {
        m_bSession = 0;
        return;
    }
    if (g_bNetworkStop) return;
    CCriticalAutoRelease guard(&m_csClients);
    if (!m_pClient) return;
    m_pClient->Close();
    g_TasLog.Log(2, L"reconect to %s server....\n", m_pszServerName);
    if (!m_pClient->Connect(GetHost(), GetPort())) g_TasLog.Log(4, L"%s reconnetion is failed...\n", m_pszServerName);
}

void CSessionClientManager::ResetClient()
{
    m_hListener = nullptr;
    OnListenerCleared();
    m_pQueue->Cancel(kReconnectTimer);
    CTasClient* pOldParked;
    {
        CCriticalAutoRelease guard(&m_csClients);
        pOldParked = m_pParkedClient;
        if (m_pClient) m_pClient->SetClosed();
        m_pParkedClient = m_pClient;
        m_pClient = NewClient();
        m_bConnecting = 0;
        // The session was the parked client's: the fresh one has to open its own.
        m_bSession = 0;
        m_bKeepAliveSent = 0;
        ResetReconnectDelay();
    }
    // Outside the lock: deleting waits for a callback of that client still under way.
    delete pOldParked;
}

void CSessionClientManager::FreeParkedClient()
{
    CTasClient* pParked;
    {
        CCriticalAutoRelease guard(&m_csClients);
        pParked = m_pParkedClient;
        m_pParkedClient = nullptr;
    }
    delete pParked;
}
