#include "net/voice/TVTDataController.h"

#include <json/json.h>

#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "core/NetworkIdentity.h"
#include "net/protocol/JsonText.h"
#include "net/voice/SoundManager.h"
#include "net/voice/TVTDataAsyncSocket.h"
#include "net/voice/VoicePacket.h"
#include "platform/Convert.h"
#include "platform/SingleLock.h"

const DWORD CTVTDataController::SESSION_TIMEOUT_MS;

CTVTDataController::CTVTDataController(const CString& strGroupId, const std::string& strRAddress,
                                       unsigned short nRPort, const std::string& strSAddress,
                                       unsigned short nSPort)
    : m_bClosed(FALSE),
      m_strGroupId(strGroupId),
      m_r{'R', nullptr, strRAddress, nRPort, FALSE, FALSE, 0},
      m_s{'S', nullptr, strSAddress, nSPort, FALSE, FALSE, 0},
      m_dwSessionTimeout(SESSION_TIMEOUT_MS)
{
}

CTVTDataController::~CTVTDataController()
{
    Close();
}

void CTVTDataController::Close()
{
    std::shared_ptr<CTVTDataAsyncSocket> pR, pS;
    {
        CSingleLock lock(&m_cs, TRUE);
        m_bClosed = TRUE;
        pR = std::move(m_r.pSocket);
        pS = std::move(m_s.pSocket);
    }
    // Each socket goes to its worker for deletion once the last holder lets go of it.
}

std::string CTVTDataController::MakeRegistration(char cSessionType, const CString& strGroupId, int nAccountId,
                                                 const CString& strMacAddress)
{
    Json::Value registration(Json::objectValue);
    registration["IN_SES_TYPE"] = std::string(1, cSessionType);
    registration["IN_OS"] = "I";
    registration["IN_IMEI"] = "00000000000000000000";
    registration["IN_WIFI_MAC"] = WideToUtf8(strMacAddress);
    registration["IN_MSISDN"] = "00000000000000";
    registration["IN_UUID"] = "000000000000000000000000";
    registration["IN_GROUP_ID"] = WideToUtf8(strGroupId);
    registration["IN_ACCOUNT_ID"] = std::to_string(nAccountId);
    return StyledJson(registration);
}

CTVTDataController::Session* CTVTDataController::FindSession(char cSessionType)
{
    if (cSessionType == 'R') return &m_r;
    if (cSessionType == 'S') return &m_s;
    return nullptr;
}

CTVTDataController::Session* CTVTDataController::FindSession(const CTVTDataAsyncSocket* pSocket)
{
    // A socket that a reopened session has replaced may still deliver a queued event: it belongs
    // to no session any more.
    if (pSocket && m_r.pSocket.get() == pSocket) return &m_r;
    if (pSocket && m_s.pSocket.get() == pSocket) return &m_s;
    return nullptr;
}

void CTVTDataController::Start()
{
    if (weak_from_this().expired()) {
        g_ApplicationLog.Log(4, L"CTVTDataController: started without a shared owner; no voice channel");
        return;
    }
    std::shared_ptr<CTVTDataAsyncSocket> pOldS, pOldR;
    {
        CSingleLock lock(&m_cs, TRUE);
        if (m_bClosed) return;
        m_r.bKeepAliveSent = FALSE;
        m_s.bKeepAliveSent = FALSE;
        pOldS = OpenSession(m_s);
        pOldR = OpenSession(m_r);
    }
}

std::shared_ptr<CTVTDataAsyncSocket> CTVTDataController::OpenSession(Session& session)
{
    std::shared_ptr<CTVTDataAsyncSocket> pOld = std::move(session.pSocket);
    session.pSocket = CTVTDataAsyncSocket::Make(weak_from_this());
    ++session.nOpenCount;
    CTVTDataAsyncSocket* pSocket = session.pSocket.get();
    if (!pSocket->Create() || !pSocket->Bind(std::string(), 0) || !pSocket->Listen() ||
        !pSocket->SetTimeout(m_dwSessionTimeout)) {
        g_ApplicationLog.Log(4, L"CTVTDataController: the %c session's socket could not be set up (%d)",
                             (wchar_t)session.cType, (int)WSAGetLastError());
    }
    CLoginManager* pLogin = CLoginManager::GetInstance();
    std::string registration =
        MakeRegistration(session.cType, m_strGroupId, pLogin ? pLogin->GetUserIdNumber() : 0, GetMacAddress());
    SendPacket(session, CVoicePacket::Build(CVoicePacket::Registration, registration.data(), registration.size()));
    return pOld;
}

void CTVTDataController::SendPacket(Session& session, const std::string& packet)
{
    if (!session.pSocket || packet.empty()) return;
    session.pSocket->Send(session.strAddress, session.nPort, packet.data(), (unsigned short)packet.size());
}

void CTVTDataController::SendVoice(const BYTE* pData, int nLength)
{
    if (nLength < 0 || nLength > CVoicePacket::MAX_PAYLOAD) return;
    std::string packet = CVoicePacket::Build(CVoicePacket::Voice, pData, (size_t)nLength);
    std::shared_ptr<CTVTDataAsyncSocket> pSocket;
    std::string strAddress;
    unsigned short nPort;
    {
        CSingleLock lock(&m_cs, TRUE);
        if (!m_r.bRegistered) return;
        pSocket = m_r.pSocket;
        strAddress = m_r.strAddress;
        nPort = m_r.nPort;
    }
    // Sent outside the lock; the reference keeps the socket alive should the session be reopened
    // meanwhile.
    if (pSocket && !packet.empty()) pSocket->Send(strAddress, nPort, packet.data(), (unsigned short)packet.size());
}

void CTVTDataController::OnSocketTimeout(CTVTDataAsyncSocket* pSocket)
{
    std::shared_ptr<CTVTDataAsyncSocket> pOld;
    CSingleLock lock(&m_cs, TRUE);
    Session* pSession = FindSession(pSocket);
    if (!pSession) return;
    if (pSession->bKeepAliveSent || !pSession->bRegistered) {
        pSession->bKeepAliveSent = FALSE;
        pOld = OpenSession(*pSession);
        lock.Unlock();
        return;
    }
    pSession->bKeepAliveSent = TRUE;
    SendPacket(*pSession, CVoicePacket::Build(CVoicePacket::KeepAlive, nullptr, 0));
}

void CTVTDataController::ReadRegistrationAnswer(const Session& session, const char* pText, int nLength)
{
    // The session counts as registered whatever the answer says; a refusal is only logged.
    std::string text(pText, nLength);
    text = text.c_str();
    Json::Value answer;
    if (!ParseJsonText(text, answer)) {
        g_ApplicationLog.Log(3, L"CTVTDataController: the %c session's registration answer does not parse",
                             (wchar_t)session.cType);
        return;
    }
    int nStatus = GetJsonInt(answer, "OUT_STATUS");
    if (nStatus != 0)
        g_ApplicationLog.Log(3, L"CTVTDataController: the %c session's registration answered status %d (%s)",
                             (wchar_t)session.cType, nStatus, GetJsonString(answer, "OUT_ERRORMSG"));
}

void CTVTDataController::OnSocketData(CTVTDataAsyncSocket* pSocket, const char* pData, int nCount)
{
    S_VOICE_PACKET packet = CVoicePacket::Parse(pData, nCount);
    std::string voiceFrame;
    std::string strAddress;
    {
        CSingleLock lock(&m_cs, TRUE);
        Session* pSession = FindSession(pSocket);
        if (!pSession) return;
        switch (packet.nType) {
        case CVoicePacket::KeepAlive:
            pSession->bKeepAliveSent = FALSE;
            break;
        case CVoicePacket::Registration:
            pSession->bRegistered = TRUE;
            ReadRegistrationAnswer(*pSession, packet.pPayload, packet.nLength);
            break;
        case CVoicePacket::Voice:
            if (pSession != &m_s) break;
            if (!CVoicePacket::IsComplete(packet)) {
                // The header announces more than arrived: a cut frame would only decode to noise.
                g_ApplicationLog.Log(1, L"CTVTDataController: voice datagram of %d bytes announces %d; dropped",
                                     nCount, packet.nDeclaredLength);
                break;
            }
            voiceFrame.assign(packet.pPayload, packet.nLength);
            strAddress = m_s.strAddress;
            break;
        default:
            break;
        }
    }
    CSoundManager* pSound = voiceFrame.empty() ? nullptr : CSoundManager::GetInstance();
    if (pSound)
        pSound->PlayVoice((const BYTE*)voiceFrame.data(), (unsigned short)voiceFrame.size(),
                                                AnsiToWide(strAddress));
}

void CTVTDataController::SetSessionTimeout(DWORD dwMs)
{
    CSingleLock lock(&m_cs, TRUE);
    m_dwSessionTimeout = dwMs;
}

bool CTVTDataController::IsRegistered(char cSessionType)
{
    CSingleLock lock(&m_cs, TRUE);
    Session* pSession = FindSession(cSessionType);
    return pSession && pSession->bRegistered;
}

bool CTVTDataController::IsKeepAliveSent(char cSessionType)
{
    CSingleLock lock(&m_cs, TRUE);
    Session* pSession = FindSession(cSessionType);
    return pSession && pSession->bKeepAliveSent;
}

unsigned short CTVTDataController::GetLocalPort(char cSessionType)
{
    CSingleLock lock(&m_cs, TRUE);
    Session* pSession = FindSession(cSessionType);
    return pSession && pSession->pSocket ? pSession->pSocket->GetBindPort() : 0;
}

int CTVTDataController::GetOpenCount(char cSessionType)
{
    CSingleLock lock(&m_cs, TRUE);
    Session* pSession = FindSession(cSessionType);
    return pSession ? pSession->nOpenCount : 0;
}
