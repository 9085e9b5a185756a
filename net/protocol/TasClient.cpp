#include "net/protocol/TasClient.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>

#include "core/MyLogFile.h"
#include "core/SystemHelpers.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/ProtocolDef.h"
#include "net/protocol/SocketErrorLog.h"
#include "net/protocol/TasClientBaseManager.h"
#include "net/protocol/TasSSLAsyncSocket.h"
#include "net/protocol/TasSocketLink.h"
#include "platform/Convert.h"

namespace {

PFN_TAS_SOCKET_FACTORY g_pfnSocketFactory = nullptr;

bool IsKeepAliveRequest(const std::string& strMessageId)
{
    return strMessageId == "M00000000" || strMessageId == "CON000000";
}

}  // namespace

PFN_TAS_SOCKET_FACTORY CTasClient::SetSocketFactory(PFN_TAS_SOCKET_FACTORY pfn)
{
    PFN_TAS_SOCKET_FACTORY pfnOld = g_pfnSocketFactory;
    g_pfnSocketFactory = pfn;
    return pfnOld;
}

CTasClient::CTasClient(CTasClientBaseManager* pManager, const CProtocolDef* pProtocolDef, int bJson, int bTls)
    : m_pManager(pManager), m_pProtocolDef(pProtocolDef), m_bTls(bTls), m_bJson(bJson), m_reader(pProtocolDef, bJson != 0)
{
    AttachSocketErrorLog();
    std::lock_guard<std::mutex> lock(m_csSend);
    CreateSocket();
}

CTasClient::~CTasClient()
{
    m_bClosed = 1;
    ReleaseSocket(true);
    std::vector<std::shared_ptr<CTasSocketLink>> retired;
    {
        std::lock_guard<std::mutex> lock(m_csSend);
        retired.swap(m_vecRetiredLinks);
    }
    // A reconnect drops the socket from inside its own time-out or close callback, which then
    // goes on through the manager: deleting now would pull the manager away under it.
    for (const std::shared_ptr<CTasSocketLink>& link : retired) link->Detach(true);
}

bool CTasClient::CreateSocket()
{
    if (m_pSocket) return true;
    std::shared_ptr<CTasSocketLink> link = std::make_shared<CTasSocketLink>(this);
    PFN_TAS_SOCKET_FACTORY pfn = g_pfnSocketFactory ? g_pfnSocketFactory : &CTasSSLAsyncSocket::CreateFor;
    m_pSocket = pfn(link, m_bTls != 0);
    if (!m_pSocket) return false;
    m_pLink = link;
    if (m_ulConnectionTimeout) m_pSocket->SetConnectTimeout(m_ulConnectionTimeout);
    return true;
}

void CTasClient::ReleaseSocket(bool bWait)
{
    ITasSocket* pSocket;
    std::shared_ptr<CTasSocketLink> link;
    {
        std::lock_guard<std::mutex> lock(m_csSend);
        pSocket = m_pSocket;
        link = m_pLink;
        m_pSocket = nullptr;
        m_pLink.reset();
        m_bLinkUp = false;
        m_strUnsent.clear();
        if (!bWait) {
            auto idle = [](const std::shared_ptr<CTasSocketLink>& l) { return !l->IsBusy(); };
            m_vecRetiredLinks.erase(std::remove_if(m_vecRetiredLinks.begin(), m_vecRetiredLinks.end(), idle),
                                    m_vecRetiredLinks.end());
            if (link) m_vecRetiredLinks.push_back(link);
        }
    }
    if (link) link->Detach(bWait);
    if (pSocket) pSocket->Release();
}

int CTasClient::Connect(const std::string& strHost, int nPort)
{
    {
        std::lock_guard<std::mutex> lock(m_csSend);
        CreateSocket();
        m_strHost = strHost;
        m_nPort = nPort;
    }
    g_TasLog.Log(2, L"3 접속 서버 : %s, 접속포트 : %d \n", (LPCTSTR)AnsiToWide(strHost), nPort);
    return ConnectSocket();
}

int CTasClient::ConnectSocket()
{
    if (g_bNetworkStop || m_bClosed) {
        OutputDebugStringA("cancel tasClient connect...\n");
        return 0;
    }
    std::string strHost;
    int nPort;
    ITasSocket* pSocket;
    {
        std::lock_guard<std::mutex> lock(m_csSend);
        if (!CreateSocket()) return 0;
        m_bConnecting = 1;
        strHost = m_strHost;
        nPort = m_nPort;
        pSocket = m_pSocket;
    }
    g_TasLog.Log(2, L"4 접속 서버 : %s, 접속포트 : %d \n", (LPCTSTR)AnsiToWide(strHost), nPort);
    // Outside the lock: a failure to start is reported at once, on this thread, through the
    // client's own handlers. Its manager never closes and connects one client on two threads
    // at the same time, so the socket stays while this runs.
    return pSocket->StartConnect(strHost, (unsigned short)nPort) ? 1 : 0;
}

int CTasClient::Send(const CTasRequest* pRequest)
{
    if (!pRequest) return 1;
    bool bNeedConnect;
    {
        std::lock_guard<std::mutex> lock(m_csSend);
        CreateSocket();
        bNeedConnect = !m_bLinkUp && !m_bConnecting;
    }
    if (bNeedConnect && ConnectSocket() == 0) OutputDebugStringA("connection error...!!!!!!!!\n");

    std::shared_ptr<CTasRequest> pCopy = std::make_shared<CTasRequest>(*pRequest);
    std::lock_guard<std::mutex> lock(m_csSend);
    if (m_pSocket && m_ulIdleTimeout) m_pSocket->ArmIdleTimer(m_ulIdleTimeout);
    // Written now while the connection is up (the TLS socket keeps what the network does not
    // take yet); otherwise kept for the connect event, in order.
    if (m_bLinkUp && m_pSocket) {
        WriteRequest(*pCopy);
        return 1;
    }
    // A request sent while the connection was down and then resent with the pending ones after
    // the reconnect would otherwise go out twice, and the server would act on it twice.
    for (const std::shared_ptr<CTasRequest>& pQueued : m_vecQueue)
        if (pQueued->GetTransactionIdNumber() == pCopy->GetTransactionIdNumber() &&
            pQueued->GetMessageId() == pCopy->GetMessageId())
            return 1;
    m_vecQueue.push_back(pCopy);
    return 1;
}

void CTasClient::WriteRequest(CTasRequest& copy)
{
    if (g_bNetworkStop || m_bClosed || !m_pSocket) return;
    const std::string strApplicationId = copy.GetApplicationId().substr(0, 4);
    const std::string strMessageId = copy.GetMessageId();
    static const _FIELD_INFO kNoHeader;
    static const std::vector<_FIELD_INFO> kNoFields;
    const _PROTOCOL_INFO* pProtocol = m_pProtocolDef ? m_pProtocolDef->FindProtocol(strApplicationId) : nullptr;
    const _MESSAGE_INFO* pMessage = pProtocol ? pProtocol->FindMessage(strMessageId) : nullptr;
    const std::string frame =
        copy.Serialize(pProtocol ? pProtocol->headerField : kNoHeader, pMessage ? pMessage->vecRequestFields : kNoFields);
    // The bytes go out before the line is logged: the log goes to the log service, another
    // process, and waiting for it first held every request (a presenter's stroke among them)
    // until that process had its turn on a core.
    WriteFrame(frame, strMessageId, strApplicationId);
    if (!IsKeepAliveRequest(strMessageId) && g_TasLog.Takes(2)) {
        const CString text = copy.PlatformHeaderText() + copy.HeaderText() + copy.BodyText();
        g_TasLog.Log(2, L"SendRequestMessage() >>>>>>>>>>>>>>>> \n %s", (LPCTSTR)text);
    }
}

void CTasClient::WriteFrame(const std::string& frame, const std::string& strMessageId,
                            const std::string& strApplicationId)
{
    // Bytes may not overtake a tail that a plain socket has not taken yet.
    if (!m_strUnsent.empty()) {
        m_strUnsent += frame;
        FlushUnsent();
        return;
    }
    int nError = 0;
    const int n = m_pSocket->SendBytes(frame.data(), (int)frame.size(), nError);
    if (n >= 0) {
        if ((size_t)n < frame.size()) m_strUnsent.assign(frame, (size_t)n, std::string::npos);
        return;
    }
    if (nError == WSAEWOULDBLOCK) {
        // Goes out on the write notification; nobody waits for it here.
        m_strUnsent = frame;
        return;
    }
    g_TasLog.Log(4, L"socket error occured during SendRequestMessage[%s:%s], errorCode[%d]",
                 (LPCTSTR)AnsiToWide(strMessageId), (LPCTSTR)AnsiToWide(strApplicationId), nError);
}

void CTasClient::FlushUnsent()
{
    while (!m_strUnsent.empty() && m_pSocket && !g_bNetworkStop && !m_bClosed) {
        int nError = 0;
        const int n = m_pSocket->SendBytes(m_strUnsent.data(), (int)m_strUnsent.size(), nError);
        if (n <= 0) {
            if (n < 0 && nError != WSAEWOULDBLOCK) {
                g_TasLog.Log(4, L"socket error occured while sending, errorCode[%d]", nError);
                m_strUnsent.clear();
            }
            return;
        }
        m_strUnsent.erase(0, (size_t)n);
    }
}

bool CTasClient::IsConnected()
{
    std::lock_guard<std::mutex> lock(m_csSend);
    return m_pSocket && m_pSocket->IsSocketConnected();
}

void CTasClient::Close()
{
    ReleaseSocket(false);
    std::lock_guard<std::mutex> lock(m_csReceive);
    m_reader.Reset();
}

void CTasClient::SetConnectionTimeout(unsigned long ms)
{
    m_ulConnectionTimeout = ms;
    std::lock_guard<std::mutex> lock(m_csSend);
    if (m_pSocket) m_pSocket->SetConnectTimeout(ms);
}

void CTasClient::SetTimeout(unsigned long ms)
{
    m_ulIdleTimeout = ms;
    std::lock_guard<std::mutex> lock(m_csSend);
    if (m_pSocket && ms) m_pSocket->ArmIdleTimer(ms);
}

size_t CTasClient::GetQueuedCount()
{
    std::lock_guard<std::mutex> lock(m_csSend);
    return m_vecQueue.size();
}

void CTasClient::OnConnect()
{
    {
        std::lock_guard<std::mutex> lock(m_csSend);
        m_bConnecting = 0;
        // What was sent before the connection came up goes first, in order.
        std::vector<std::shared_ptr<CTasRequest>> queue;
        queue.swap(m_vecQueue);
        m_bLinkUp = true;
        for (const std::shared_ptr<CTasRequest>& pRequest : queue) WriteRequest(*pRequest);
    }
    if (!m_bClosed) m_pManager->OnConnect();
}

void CTasClient::OnWritable()
{
    std::lock_guard<std::mutex> lock(m_csSend);
    FlushUnsent();
}

void CTasClient::OnClose(int nError)
{
    if (m_bClosed) return;
    {
        std::lock_guard<std::mutex> lock(m_csSend);
        m_bConnecting = 0;
        m_bLinkUp = false;
    }
    m_pManager->OnDisconnect(nError);
}

void CTasClient::OnTimeout()
{
    if (IsInternetConnected()) {
        m_pManager->OnTimeout(this);
        return;
    }
    OutputDebugStringA("network connection not reachable...\n");
    m_pManager->OnDisconnect(10065);
}

void CTasClient::OnData(const char* pData, int nSize)
{
    if (g_bNetworkStop || m_bClosed || nSize <= 0) return;
    std::shared_ptr<CTasSocketLink> link;
    {
        std::lock_guard<std::mutex> lock(m_csSend);
        link = m_pLink;
    }
    if (!link) return;
    std::vector<std::shared_ptr<CTasResponse>> replies;
    bool bIntact;
    {
        std::lock_guard<std::mutex> lock(m_csReceive);
        bIntact = m_reader.OnData(pData, (size_t)nSize, replies);
    }
    for (const std::shared_ptr<CTasResponse>& pReply : replies) {
        FinishMessageProcessing(pReply);
        // A Close (or the client's deletion) during the delivery ends this connection's
        // deliveries; nothing of the client may be touched once the link is detached.
        if (!link->IsAttached()) return;
    }
    if (!bIntact) {
        g_TasLog.Log(4, L"received a frame larger than allowed: connection dropped\n");
        Close();
        OnClose(kBrokenStreamError);
    }
}

void CTasClient::FinishMessageProcessing(const std::shared_ptr<CTasResponse>& pReply)
{
    if (g_bNetworkStop || m_bClosed) {
        g_TasLog.Log(2, L"force close FinishMessageProcessing....\n");
        return;
    }
    const bool bLog =
        g_TasLog.Takes(2) && !(pReply->GetMessageId() == "M00000000" && pReply->GetApplicationId().substr(0, 4) == "PFAP");
    // Handed on first, logged after, for the reason the requests are (a pushed stroke goes to the
    // user-interface thread without waiting for the log service's turn).
    const CString text = bLog ? pReply->PlatformHeaderText() + pReply->HeaderText() + pReply->BodyText() : CString();
    m_pManager->OnResponse(pReply);
    if (bLog) g_TasLog.Log(2, L"FinishMessageProcessing() <<<<<<<<<<<<<<<< \n %s", (LPCTSTR)text);
}
