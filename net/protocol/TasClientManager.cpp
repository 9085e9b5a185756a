#include "net/protocol/TasClientManager.h"

#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/PlatformHeader.h"
#include "net/protocol/TasMessageCatalogue.h"
#include "net/protocol/ThreadAnsiText.h"
#include "net/socket/CriticalAutoRelease.h"
#include "net/socket/TlsPeerCheck.h"
#include "platform/Convert.h"

namespace {

const UINT_PTR kReloginTimer = 1;
const UINT_PTR kReconnectTimer = 2;

std::atomic<uint32_t> g_nTransactionCounter{0};

int32_t PendingKey(uint64_t nTransactionId)
{
    return (int32_t)(uint32_t)nTransactionId;
}

}  // namespace

CTasClientManager::CTasClientManager() : m_pProtocolDef(new CProtocolDef()), m_pLock(new CWin32CriticalSection())
{
    _CLIENT_TIMINGS timings;
    timings.dwConnectTimeout = 30000;
    timings.dwIdleTimeout = 60000;
    SetTimings(timings);
    m_pQueue.reset(new CUiThreadQueue());
}

CTasClientManager::~CTasClientManager()
{
    m_pQueue.reset();
    delete m_pClient;
    m_pClient = nullptr;
    DeletePendingRequests();
    delete m_pParkedClient;
    m_pParkedClient = nullptr;
    delete m_pProtocolDef;
    delete m_pLock;
}

BOOL CTasClientManager::Init(const wchar_t* pszDefinitionPath)
{
    const int bLoaded = m_pProtocolDef->Load(pszDefinitionPath);
    m_mapReplyMessage.clear();
    for (const std::string& id : TasMessageCatalogue::DeliveredIds())
        m_mapReplyMessage[id] = TasMessageCatalogue::ReplyMessageOf(id);
    m_vecMissing = CheckMessagesDefined(*m_pProtocolDef, TasMessageCatalogue::RequiredMessages(), L"TAS client");
    if (!m_pClient) m_pClient = new CTasClient(this, m_pProtocolDef, 1, 1);
    return bLoaded && m_vecMissing.empty();
}

void CTasClientManager::Connect(const CString& strHost, int nPort)
{
    g_TasLog.Log(2, L"1 접속 서버 : %s, 접속포트 : %d\n", (LPCTSTR)strHost, nPort);
    Connect(ToThreadAnsi(strHost), nPort);
}

void CTasClientManager::Connect(const std::string& strHost, int nPort)
{
    CCriticalAutoRelease guard(m_pLock);
    if (!m_pClient || m_pClient->IsConnected() || m_bConnecting) return;
    SetHostAndPort(strHost, nPort);
    g_TasLog.Log(2, L"2 접속 서버 : %s, 접속포트 : %d \n", (LPCTSTR)FromThreadAnsi(strHost), nPort);
    m_bConnecting = 1;
    const _CLIENT_TIMINGS timings = GetTimings();
    m_pClient->SetConnectionTimeout(timings.dwConnectTimeout);
    m_pClient->SetTimeout(timings.dwIdleTimeout);
    m_pClient->Connect(strHost, nPort);
}

uint32_t CTasClientManager::NextTransactionId()
{
    uint32_t nCurrent = g_nTransactionCounter.load();
    uint32_t nNext;
    do {
        nNext = nCurrent + 1;
        if (nNext == 0xFFFFFFFFu) nNext = 0;
    } while (!g_nTransactionCounter.compare_exchange_weak(nCurrent, nNext));
    return nNext;
}

void CTasClientManager::SetTransactionCounter(uint32_t nValue)
{
    g_nTransactionCounter = nValue;
}

std::vector<uint8_t> CTasClientManager::MakePlatformHeader(const char* pszMessageId, const char* pszApplicationId)
{
    return PlatformHeader::BuildPhv102(
        PlatformHeader::ClientValues(pszApplicationId, pszMessageId, NextTransactionId(), 5, "              ", 'W'));
}

Json::Value* CTasClientManager::MakeHeaderJson(BOOL bEmpty)
{
    Json::Value* pHeader = new Json::Value(Json::objectValue);
    // Null on a worker once the session's owner is gone (shut-down): an empty session then.
    CLoginManager* pLogin = CLoginManager::GetInstance();
    (*pHeader)["userProfile"] = bEmpty || !pLogin ? std::string() : pLogin->GetUserProfile();
    (*pHeader)["userSessionId"] = bEmpty || !pLogin ? std::string() : pLogin->GetUserSessionId();
    (*pHeader)["udid"] = "";
    return pHeader;
}

void CTasClientManager::SendRequest(CTasClient* pClient, CTasRequest* pRequest)
{
    if (!pRequest) return;
    const bool bKeep = pRequest->GetMessageId() != "M00000000";
    if (bKeep) {
        std::lock_guard<std::mutex> lock(m_csPending);
        CTasRequest*& pSlot = m_mapPending[PendingKey(pRequest->GetTransactionIdNumber())];
        // An id used again after the counter wrapped replaces the forgotten request.
        if (pSlot && pSlot != pRequest) delete pSlot;
        pSlot = pRequest;
    }
    {
        CCriticalAutoRelease guard(m_pLock);
        if (pClient) pClient->Send(pRequest);
    }
    if (!bKeep) delete pRequest;
}

void CTasClientManager::SendToCurrentClient(CTasRequest* pRequest)
{
    CCriticalAutoRelease guard(m_pLock);
    SendRequest(m_pClient, pRequest);
}

UINT CTasClientManager::GetReplyMessage(const std::string& strMessageId) const
{
    auto it = m_mapReplyMessage.find(strMessageId);
    return it == m_mapReplyMessage.end() ? 0 : it->second;
}

size_t CTasClientManager::GetPendingCount()
{
    std::lock_guard<std::mutex> lock(m_csPending);
    return m_mapPending.size();
}

std::vector<uint64_t> CTasClientManager::GetPendingTransactionIds()
{
    std::lock_guard<std::mutex> lock(m_csPending);
    std::vector<uint64_t> ids;
    for (const auto& entry : m_mapPending) ids.push_back(entry.second->GetTransactionIdNumber());
    return ids;
}

bool CTasClientManager::RemovePendingRequest(const CTasResponse& reply)
{
    CTasRequest* pRequest = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_csPending);
        auto it = m_mapPending.find(PendingKey(reply.GetTransactionIdNumber()));
        if (it == m_mapPending.end()) return false;
        pRequest = it->second;
        m_mapPending.erase(it);
    }
    delete pRequest;
    return true;
}

void CTasClientManager::RememberAnswered(uint64_t nTransactionId)
{
    std::lock_guard<std::mutex> lock(m_csPending);
    m_answered.push_back(nTransactionId);
    if (m_answered.size() > kAnsweredKept) m_answered.pop_front();
}

bool CTasClientManager::WasAnswered(uint64_t nTransactionId)
{
    std::lock_guard<std::mutex> lock(m_csPending);
    for (uint64_t n : m_answered)
        if (n == nTransactionId) return true;
    return false;
}

void CTasClientManager::DeletePendingRequests()
{
    std::map<int32_t, CTasRequest*> pending;
    {
        std::lock_guard<std::mutex> lock(m_csPending);
        pending.swap(m_mapPending);
    }
    for (auto& entry : pending) delete entry.second;
}

void CTasClientManager::OnResponse(std::shared_ptr<CTasResponse> pResponse)
{
    const std::string strMessageId = pResponse->GetMessageId();
    if (g_bNetworkStop) return;
    m_nTimeoutCount = 0;
    ResetReconnectDelay();

    if (strMessageId == "M00000000") {
        g_TasLog.Log(2, L"<---receive KeepAlive From TasClient\n");
        return;
    }
    // The answer to a re-login is recognised by its transaction id, whatever its status: a
    // re-login that fails must end the recovery, not leave it waiting.
    if (m_bRelogin && strMessageId == "M00000001" && m_nReloginTransactionId != 0 &&
        pResponse->GetTransactionIdNumber() == m_nReloginTransactionId) {
        HandleReloginAnswer(*pResponse);
        return;
    }
    const HWND hListener = m_hListener;
    if (!hListener || GetPendingCount() == 0) return;

    if (pResponse->GetStatusCode() == 2) {
        if (m_bRelogin.exchange(1)) return;
        g_TasLog.Log(2, L"session expired....\n");
        // The pause before logging in again runs on the user-interface thread's timer, not on
        // this socket worker, whose other sockets would stall meanwhile.
        m_pQueue->PostDelayed(kReloginTimer, GetTimings().dwReloginDelay, [this] { Relogin(); });
        return;
    }

    // Only the first answer to a request reaches the window: a request resent after a lost
    // connection can be answered on both connections.
    if (RemovePendingRequest(*pResponse)) {
        RememberAnswered(pResponse->GetTransactionIdNumber());
    } else if (WasAnswered(pResponse->GetTransactionIdNumber())) {
        g_TasLog.Log(3, L"reply %s of transaction %llu came again: dropped\n",
                     (LPCTSTR)AnsiToWide(strMessageId), (unsigned long long)pResponse->GetTransactionIdNumber());
        return;
    }
    const UINT uMessage = GetReplyMessage(strMessageId);
    if (uMessage) SendMessage(hListener, uMessage, 0, (LPARAM)pResponse.get());
}

void CTasClientManager::Relogin()
{
    if (g_bNetworkStop) {
        m_bRelogin = 0;
        return;
    }
    CLoginManager* pLogin = CLoginManager::GetInstance();
    if (!pLogin) {
        m_bRelogin = 0;
        return;
    }
    // The id is set before the request goes out: an answer that came back before it was set would
    // be taken for an ordinary log-in reply, and the recovery would wait for ever.
    SendLoginRequest(pLogin->GetGroupCode(), pLogin->GetLoginId(), pLogin->GetPassword(), &m_nReloginTransactionId);
}

void CTasClientManager::HandleReloginAnswer(const CTasResponse& reply)
{
    RemovePendingRequest(reply);
    m_nReloginTransactionId = 0;
    const int nStatus = reply.GetStatusCode();
    const Json::Value kEmpty(Json::objectValue);
    const Json::Value& body = reply.GetBody() ? *reply.GetBody() : kEmpty;
    if (nStatus == 0) {
        const std::string strUpgrade = GetJsonUtf8(body, "upgrade");
        CString strUrl = Utf8ToWide(GetJsonUtf8(body, "upgradeUrl"));
        g_TasLog.Log(2, L"Upgreade Url >>> %s ", (LPCTSTR)strUrl);
        if (strUpgrade == "true" && !strUrl.IsEmpty()) {
            // The upgrade ends the recovery: later expiries must be able to start a new one.
            m_bRelogin = 0;
            SendEventMessage(WM_TAS_UPGRADE, 0, (LPARAM)&strUrl);
            return;
        }
        ResendAfterRelogin(reply);
        return;
    }
    // A refused re-login would be answered "expired" again for ever: the requests stay pending
    // and the event window decides (its reconnect sends them again and may log in anew).
    g_TasLog.Log(4, L"re-login failed, status %d: %d requests kept\n", nStatus, (int)GetPendingCount());
    m_bRelogin = 0;
    SendEventMessage(WM_TAS_CONNECTION_LOST, 0, 0);
}

void CTasClientManager::ResendAfterRelogin(const CTasResponse& reply)
{
    const Json::Value kEmpty(Json::objectValue);
    if (CLoginManager* pLogin = CLoginManager::GetInstance())
        pLogin->SetSessionFromReply(reply.GetBody() ? *reply.GetBody() : kEmpty, false);
    std::map<int32_t, CTasRequest*> pending;
    {
        std::lock_guard<std::mutex> lock(m_csPending);
        pending.swap(m_mapPending);
    }
    std::vector<CTasRequest*> renewed;
    for (auto& entry : pending) {
        std::unique_ptr<Json::Value> pHeader(MakeHeaderJson(FALSE));
        CTasRequest* pOld = entry.second;
        // Same message id and transaction id, new session header.
        renewed.push_back(CTasRequest::FromPlatformHeader(pOld->GetPlatformHeader(), pHeader.get(), pOld->GetBody()));
        delete pOld;
    }
    for (CTasRequest* pRequest : renewed) SendToCurrentClient(pRequest);
    m_bRelogin = 0;
}

void CTasClientManager::OnTimeout(CTasClient* pClient)
{
    CCriticalAutoRelease guard(m_pLock);
    // The timer of a client that is no longer the current one only ends that client.
    if (pClient != m_pClient) {
        if (pClient) pClient->Close();
        return;
    }
    const int nPending = (int)GetPendingCount();
    if (nPending == 0) {
        g_TasLog.Log(2, L"expire close socket after last request...");
        pClient->Close();
        return;
    }
    const int nCount = ++m_nTimeoutCount;
    if (nCount >= 2) {
        guard.Exit();
        SendEventMessage(WM_TAS_CONNECTION_LOST, 0, 0);
        return;
    }
    g_TasLog.Log(2, L"[%d]Disconnect tasClient and Retransmite old requests(%d)...\n", nCount, nPending);
    ReconnectAndResend();
}

void CTasClientManager::ReconnectAndResend()
{
    CCriticalAutoRelease guard(m_pLock);
    if (!m_pClient) return;
    m_pClient->Close();
    m_pClient->Connect(GetHost(), GetPort());
    m_pClient->SetTimeout(GetTimings().dwIdleTimeout);
    ResendPendingRequests();
}

void CTasClientManager::ResendPendingRequests()
{
    CCriticalAutoRelease guard(m_pLock);
    if (!m_pClient) return;
    // The client sends copies; the table keeps the requests.
    std::lock_guard<std::mutex> lock(m_csPending);
    for (const auto& entry : m_mapPending) m_pClient->Send(entry.second);
}

void CTasClientManager::OnDisconnect(int nErrorCode)
{
    CCriticalAutoRelease guard(m_pLock);
    g_TasLog.Log(2, L"TasClientManager socket disconnected.................\n");
    const bool bFirstConnection = m_bConnecting.exchange(0) != 0;
    if (nErrorCode > 0) {
        PostEventMessage(WM_TAS_SOCKET_ERROR, 0, (LPARAM)nErrorCode);
        return;
    }
    if (bFirstConnection) {
        // The connection asked for never came up (a time-out, or a close during the handshake):
        // whoever waits for it is told, instead of waiting for ever.
        // A server that the certificate check refused keeps its own code, whose text says so.
        const int nReported = nErrorCode == -100 ? WSAETIMEDOUT : nErrorCode == kTlsPeerRejectedError ? nErrorCode : WSAECONNRESET;
        PostEventMessage(WM_TAS_SOCKET_ERROR, 0, (LPARAM)nReported);
        return;
    }
    ScheduleReconnectAfterClose();
}

void CTasClientManager::ScheduleReconnectAfterClose()
{
    // The first reconnect goes at once; while the server keeps closing, the next ones wait longer.
    const DWORD dwDelay = NextReconnectDelay();
    if (dwDelay == 0) {
        ReconnectAfterClose();
        return;
    }
    m_pQueue->PostDelayed(kReconnectTimer, dwDelay, [this] { ReconnectAfterClose(); });
}

void CTasClientManager::ReconnectAfterClose()
{
    CCriticalAutoRelease guard(m_pLock);
    if (g_bNetworkStop || m_bConnecting) return;
    m_bConnecting = 1;
    ReconnectAndResend();
    m_bConnecting = 0;
}

void CTasClientManager::OnConnect()
{
    g_TasLog.Log(2, L"CTasClientManager's socket is just connect...\n");
    m_bConnecting = 0;
}

void CTasClientManager::Reconnect()
{
    ReconnectAndResend();
}

void CTasClientManager::ResetClient()
{
    m_hListener = nullptr;
    m_pQueue->Cancel(kReloginTimer);
    m_pQueue->Cancel(kReconnectTimer);
    DeletePendingRequests();
    CTasClient* pOldParked;
    {
        CCriticalAutoRelease guard(m_pLock);
        pOldParked = m_pParkedClient;
        // The parked client keeps its connection until it is freed, but nothing of it reaches
        // this manager any more: its late replies belong to the old session.
        if (m_pClient) m_pClient->SetClosed();
        m_pParkedClient = m_pClient;
        m_pClient = new CTasClient(this, m_pProtocolDef, 1, 1);
        m_bConnecting = 0;
        m_bRelogin = 0;
        m_nTimeoutCount = 0;
        ResetReconnectDelay();
    }
    // Outside the lock: deleting waits for a callback of that client still under way.
    delete pOldParked;
}

void CTasClientManager::FreeParkedClient()
{
    CTasClient* pParked;
    {
        CCriticalAutoRelease guard(m_pLock);
        pParked = m_pParkedClient;
        m_pParkedClient = nullptr;
    }
    delete pParked;
}
