#include "net/voice/TVTClientManager.h"

#include <ctime>

#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "net/protocol/MacAddressText.h"
#include "net/protocol/PlatformHeader.h"
#include "net/protocol/ThreadAnsiText.h"
#include "net/voice/TVTDataController.h"
#include "platform/Convert.h"
#include "platform/MessageBox.h"
#include "platform/SingleLock.h"

namespace {

const char kApplicationId[] = "A002";
const int kMaxConnectAttempts = 2;

bool IsNetworkUnreachable(int nErrorCode)
{
    return nErrorCode == WSAEHOSTUNREACH || nErrorCode == WSAENETUNREACH;
}

}  // namespace

const wchar_t CTVTClientManager::kReconnectQuestion[] =
    L"네트워크 상태가 원활하지 않아\n음성회의 연결이 끊어졌습니다.\n다시 연결하시겠습니까?\n(‘아니요’ 선택시 음성회의 연결종료)";

CTVTClientManager::CTVTClientManager()
    : m_pClient(nullptr),
      m_pProtocolDef(new CProtocolDef()),
      m_dwDataSessionTimeout(CTVTDataController::SESSION_TIMEOUT_MS),
      m_pQueue(new CUiThreadQueue())
{
    _CLIENT_TIMINGS timings;
    timings.dwConnectTimeout = 30000;
    timings.dwIdleTimeout = 20000;
    SetTimings(timings);
}

CTVTClientManager::~CTVTClientManager()
{
    m_pQueue.reset();
    delete m_pClient;
    ReplaceDataChannel(nullptr);
}

std::vector<_REQUIRED_MESSAGE> CTVTClientManager::RequiredMessages()
{
    return {{kApplicationId, "CON000001"}, {kApplicationId, "CON000000"}, {kApplicationId, "SAY000001"},
            {kApplicationId, "SAY000011"}, {kApplicationId, "MEET00009"}, {kApplicationId, "CALB00010"}};
}

BOOL CTVTClientManager::Init(const wchar_t* pszDefinitionPath)
{
    const int bLoaded = m_pProtocolDef->Load(pszDefinitionPath);
    const bool bComplete = CheckMessagesDefined(*m_pProtocolDef, RequiredMessages(), L"TVT client").empty();
    if (!m_pClient) m_pClient = new CTasClient(this, m_pProtocolDef.get(), 1, 1);
    m_nRetryCount = 0;
    return bLoaded && bComplete;
}

void CTVTClientManager::Start(const CString& strGroupId)
{
    if (!m_pClient) {
        g_ApplicationLog.Log(4, L"CTVTClientManager: started before Init; no voice conference");
        return;
    }
    m_bStopped = 0;
    {
        CSingleLock lock(&m_cs, TRUE);
        m_strGroupId = strGroupId;
    }
    const _CLIENT_TIMINGS timings = GetTimings();
    m_pClient->SetConnectionTimeout(timings.dwConnectTimeout);
    m_pClient->SetTimeout(timings.dwIdleTimeout);
    m_nRetryCount = 0;
    Reconnect();
}

void CTVTClientManager::Stop()
{
    m_bStopped = 1;
    ReplaceDataChannel(nullptr);
}

// ----------------------------------------------------------------------------------- requests

std::vector<uint8_t> CTVTClientManager::MakePlatformHeader(const char* pszApplicationId, const char* pszMessageId)
{
    // The server matches nothing by the transaction id: the current time in seconds serves.
    return PlatformHeader::BuildPhv102(PlatformHeader::ClientValues(pszApplicationId, pszMessageId,
                                                                    (uint64_t)time(nullptr), 0, "00000000000000", 'I'));
}

Json::Value* CTVTClientManager::MakeHeaderJson()
{
    Json::Value* pHeader = new Json::Value(Json::objectValue);
    (*pHeader)["GROUPID"] = WideToUtf8(GetGroupId());
    CLoginManager* pLogin = CLoginManager::GetInstance();
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    (*pHeader)["ACCOUNTID"] = std::to_string(pLogin ? pLogin->GetUserIdNumber() : 0);
    (*pHeader)["AUTHORITY_TYPE"] = pMeetings && pMeetings->IsPresenterMe() ? "1" : "0";
    (*pHeader)["AUTHKEY"] = "";
    (*pHeader)["APP_VERSION"] = "";
    (*pHeader)["APP_UPDATE_URL"] = "";
    (*pHeader)["ERRORMSG"] = "";
    return pHeader;
}

void CTVTClientManager::SendRequest(const char* pszMessageId, Json::Value* pHeader, Json::Value* pBody)
{
    CTasRequest* pRequest = new CTasRequest(CTasRequest::HEADER_FORM_PHV102,
                                            MakePlatformHeader(kApplicationId, pszMessageId), pHeader, pBody);
    if (m_pClient)
        m_pClient->Send(pRequest);
    else
        g_ApplicationLog.Log(3, L"CTVTClientManager: %S not sent, the client is not initialised", pszMessageId);
    delete pRequest;
}

void CTVTClientManager::RequestConnect()
{
    Json::Value* pBody = new Json::Value(Json::objectValue);
    (*pBody)["pushKey"] = "PPM-" + GetMacAddressText() + "-W";
    SendRequest("CON000001", MakeHeaderJson(), pBody);
}

void CTVTClientManager::SendKeepAlive()
{
    SendRequest("CON000000", MakeHeaderJson(), nullptr);
}

void CTVTClientManager::RequestSpeak(int nAccountId)
{
    Json::Value* pBody = new Json::Value(Json::objectValue);
    (*pBody)["IN_REQ_TYPE"] = 1;
    (*pBody)["IN_ACCOUNTID"] = std::to_string(nAccountId);
    SendRequest("SAY000001", MakeHeaderJson(), pBody);
}

void CTVTClientManager::RequestSpeakState(BOOL bSpeak)
{
    Json::Value* pBody = new Json::Value(Json::objectValue);
    (*pBody)["IN_REQ_TYPE"] = bSpeak ? "1" : "0";
    SendRequest("SAY000011", MakeHeaderJson(), pBody);
}

void CTVTClientManager::RequestAuthority()
{
    Json::Value* pHeader = MakeHeaderJson();
    (*pHeader)["AUTHORITY_TYPE"] = "1";
    SendRequest("MEET00009", pHeader, nullptr);
}

// -------------------------------------------------------------------------------- voice channel

CString CTVTClientManager::GetGroupId()
{
    CSingleLock lock(&m_cs, TRUE);
    return m_strGroupId;
}

std::shared_ptr<CTVTDataController> CTVTClientManager::GetDataChannel()
{
    CSingleLock lock(&m_cs, TRUE);
    return m_pDataChannel;
}

void CTVTClientManager::ReplaceDataChannel(std::shared_ptr<CTVTDataController> pChannel)
{
    std::shared_ptr<CTVTDataController> pOld;
    {
        CSingleLock lock(&m_cs, TRUE);
        pOld = std::move(m_pDataChannel);
        m_pDataChannel = std::move(pChannel);
    }
    // Closed and released outside the lock; a sender still holding it keeps it until its send is
    // done, and an event of its sockets still under way opens no session again.
    if (pOld) pOld->Close();
}

void CTVTClientManager::SendVoice(const BYTE* pData, int nLength)
{
    std::shared_ptr<CTVTDataController> pChannel = GetDataChannel();
    if (pChannel) pChannel->SendVoice(pData, nLength);
}

void CTVTClientManager::SendToListener(UINT uMsg, LPARAM lParam)
{
    const HWND hListener = m_hListener;
    if (hListener) SendMessage(hListener, uMsg, 0, lParam);
}

void CTVTClientManager::NotifyListener()
{
    SendToListener(WM_TVT_CAPTURE_END, 0);
}

// ------------------------------------------------------------------------------------- events

void CTVTClientManager::Reconnect()
{
    if (m_pClient) m_pClient->Close();
    ReplaceDataChannel(nullptr);
    if (m_nRetryCount >= kMaxConnectAttempts) {
        m_nRetryCount = 0;
        PostEventMessage(WM_TVT_CONNECT_FAILED, 0, 0);
        return;
    }
    ++m_nRetryCount;
    CSettingManager* pSettings = CSettingManager::GetInstance();
    if (!pSettings) return;
    const std::string strHost = ToThreadAnsi(pSettings->GetTVTAddress());
    // A connect that cannot even start shows later as a disconnect or a time-out.
    if (m_pClient) m_pClient->Connect(strHost, pSettings->GetTVTPort());
}

void CTVTClientManager::OnConnect()
{
    m_nRetryCount = 0;
    RequestConnect();
}

void CTVTClientManager::OnConnectReply(const std::shared_ptr<CTasResponse>& pResponse)
{
    const Json::Value kNull;
    const Json::Value& body = pResponse->GetBody() ? *pResponse->GetBody() : kNull;
    const unsigned short nSendPort = (unsigned short)atoi(GetJsonUtf8(body, "OUT_SENT_PORT").c_str());
    const unsigned short nReceivePort = (unsigned short)atoi(GetJsonUtf8(body, "OUT_RECEIVE_PORT").c_str());
    std::shared_ptr<CTVTDataController> pChannel = std::make_shared<CTVTDataController>(
        GetGroupId(), GetJsonUtf8(body, "OUT_RECEIVE_IP"), nReceivePort, GetJsonUtf8(body, "OUT_SENT_IP"), nSendPort);
    pChannel->SetSessionTimeout(m_dwDataSessionTimeout);
    ReplaceDataChannel(pChannel);
    pChannel->Start();
    SendToListener(WM_TVT_RESPONSE, (LPARAM)pResponse.get());
    m_bSession = 1;
}

void CTVTClientManager::OnResponse(std::shared_ptr<CTasResponse> pResponse)
{
    try {
        if (m_bStopped || !pResponse) return;
        if (pResponse->GetStatusCode() != 0) return;
        const std::string strMessageId = pResponse->GetMessageId();
        if (strMessageId == "CON000001") {
            OnConnectReply(pResponse);
        } else if (strMessageId == "CON000000") {
            m_bKeepAliveSent = 0;
        } else if (strMessageId == "CALB00010" || strMessageId == "SAY000011" || strMessageId == "SAY000001") {
            SendToListener(WM_TVT_RESPONSE, (LPARAM)pResponse.get());
        }
    } catch (...) {
        g_ApplicationLog.Log(4, L"CTVTClientManager: exception while handling a reply");
    }
}

void CTVTClientManager::OnTimeout(CTasClient* pClient)
{
    try {
        if (GetGroupId().IsEmpty()) return;
        if (m_bStopped) {
            m_bStopped = 0;
            if (m_pClient) m_pClient->Close();
            return;
        }
        if (m_bKeepAliveSent || !m_bSession) {
            m_bKeepAliveSent = 0;
            Reconnect();
            return;
        }
        m_bKeepAliveSent = 1;
        SendKeepAlive();
    } catch (...) {
        g_ApplicationLog.Log(4, L"CTVTClientManager: exception in the idle time-out");
    }
}

void CTVTClientManager::OnDisconnect(int nErrorCode)
{
    try {
        m_bSession = 0;
        if (IsNetworkUnreachable(nErrorCode)) {
            const HWND hEvent = GetEventWindow();
            if (hEvent && IsWindow(hEvent)) {
                PostMessage(hEvent, WM_TVT_SOCKET_ERROR, 0, (LPARAM)nErrorCode);
                return;
            }
            // Asked on the user-interface thread: a question on this socket worker would hold up
            // every socket it serves until the user answers.
            m_pQueue->Post([this] { AskToReconnect(); });
            return;
        }
        // The meeting model belongs to the user-interface thread: it is read there.
        m_pQueue->Post([this] { ReconnectIfMeetingRuns(); });
    } catch (...) {
        g_ApplicationLog.Log(4, L"CTVTClientManager: exception in the disconnect handler");
    }
}

void CTVTClientManager::AskToReconnect()
{
    if (AfxMessageBox(kReconnectQuestion, MB_YESNO) == IDYES) Reconnect();
}

void CTVTClientManager::ReconnectIfMeetingRuns()
{
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    if (pMeetings && pMeetings->GetCurrentMeeting() && !pMeetings->IsNotStarted()) Reconnect();
}
