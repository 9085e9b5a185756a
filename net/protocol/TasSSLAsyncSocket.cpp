#include "net/protocol/TasSSLAsyncSocket.h"

#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "platform/Convert.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/TasClient.h"
#include "net/protocol/TasSocketLink.h"

namespace {

void DebugErrorText(int error)
{
    const std::string text = CErrorHandler::ErrorCodeToString(error) + "\n";
    OutputDebugStringA(text.c_str());
}

// No exception may leave a callback into the socket library.
template <class F>
BOOL Guarded(const char* pszWhere, F f)
{
    try {
        return f();
    } catch (...) {
        g_TasLog.Log(4, L"exception in CTasSSLAsyncSocket::%hs\n", pszWhere);
        return FALSE;
    }
}

}  // namespace

CTasSSLAsyncSocket::CTasSSLAsyncSocket(std::shared_ptr<CTasSocketLink> link) : m_pLink(std::move(link))
{
    SetName("CTasSSLAsyncSocket");
}

ITasSocket* CTasSSLAsyncSocket::CreateFor(std::shared_ptr<CTasSocketLink> link, bool bTls)
{
    CTasSSLAsyncSocket* pSocket = new CTasSSLAsyncSocket(std::move(link));
    if (!pSocket->Create()) {
        OutputDebugStringA("socket create failed.....\n");
        pSocket->Release();
        return nullptr;
    }
    const int nSize = kBufferSize;
    if (setsockopt(pSocket->GetHandle(), SOL_SOCKET, SO_SNDBUF, (const char*)&nSize, sizeof nSize) != 0)
        OutputDebugStringA("setsockopt(SO_SNDBUF) is failed....\n");
    if (setsockopt(pSocket->GetHandle(), SOL_SOCKET, SO_RCVBUF, (const char*)&nSize, sizeof nSize) != 0)
        OutputDebugStringA("setsockopt(SO_RCVBUF) is failed....\n");
    if (!bTls) pSocket->DisableSSL();
    // The client writes under its send lock: a send that waited for buffer space would handle
    // sent messages there, and a reply's window handler sending again on this thread would find
    // the lock taken for good. What the network does not take goes out on the write notification
    // (the TLS socket keeps its ciphertext, the client its unsent bytes).
    pSocket->SetWaitOnWouldBlock(false);
    SetSocketThreadExitTimeout(1000);
    pSocket->SetConnectionTimeout(30000);
    pSocket->SetPeerPolicy(PolicyFromSettings());
    return pSocket;
}

TlsPeerPolicy CTasSSLAsyncSocket::PolicyFromSettings()
{
    // Not verified unless the installation asks for it: organisations run their servers with
    // self-signed certificates. The fingerprint in the server log lets an administrator pin it.
    TlsPeerPolicy policy;
    CSettingManager* pSettings = CSettingManager::GetInstance();
    if (!pSettings) return policy;
    switch (pSettings->GetTlsVerify()) {
    case CSettingManager::TLS_VERIFY_SYSTEM:
        policy.mode = TlsPeerPolicy::VERIFY_SYSTEM;
        break;
    case CSettingManager::TLS_VERIFY_PIN:
        policy.mode = TlsPeerPolicy::VERIFY_PIN;
        policy.pinnedSha256 = WideToUtf8(pSettings->GetTlsPinnedSha256());
        break;
    default:
        break;
    }
    return policy;
}

void CTasSSLAsyncSocket::OnPeerCertificate(const std::string& sha256Hex, bool accepted, const std::string& why)
{
    if (accepted)
        g_TasLog.Log(2, L"server certificate SHA-256 %hs\n", sha256Hex.c_str());
    else
        g_TasLog.Log(4, L"server certificate SHA-256 %hs refused: %hs\n", sha256Hex.c_str(), why.c_str());
}

BOOL CTasSSLAsyncSocket::OnSocketReceive(int error)
{
    return Guarded("OnSocketReceive", [&] {
        if (g_bNetworkStop || error != 0) return TRUE;
        char buffer[kReadChunk + 1];
        const int n = Receive(buffer, kReadChunk);
        if (n > 0 && !g_bNetworkStop) m_pLink->Call([&](CTasClient& client) { client.OnData(buffer, n); });
        // One chunk per turn of the worker's loop, so that one busy socket does not starve the
        // others of its worker; -3 says more ciphertext is waiting without plaintext yet.
        if (n > 0 || n == -3) ForceReceiveEvent();
        return TRUE;
    });
}

BOOL CTasSSLAsyncSocket::OnSocketConnect(int error)
{
    return Guarded("OnSocketConnect", [&] {
        if (error == 0) {
            m_pLink->Call([](CTasClient& client) { client.OnConnect(); });
            return TRUE;
        }
        OutputDebugStringA("socket connection error....\n");
        DebugErrorText(error);
        m_pLink->Call([&](CTasClient& client) { client.OnClose(error); });
        return FALSE;
    });
}

BOOL CTasSSLAsyncSocket::OnSocketClose(int error)
{
    return Guarded("OnSocketClose", [&] {
        if (error != 0) DebugErrorText(error);
        m_pLink->Call([&](CTasClient& client) { client.OnClose(error); });
        return error == 0 ? TRUE : FALSE;
    });
}

BOOL CTasSSLAsyncSocket::OnSocketTimeout()
{
    return Guarded("OnSocketTimeout", [&] {
        m_pLink->Call([](CTasClient& client) { client.OnTimeout(); });
        return TRUE;
    });
}

BOOL CTasSSLAsyncSocket::OnSocketWrite(int error)
{
    return Guarded("OnSocketWrite", [&] {
        if (error == 0) m_pLink->Call([](CTasClient& client) { client.OnWritable(); });
        return TRUE;
    });
}

BOOL CTasSSLAsyncSocket::SocketWrite(int error)
{
    const BOOL bResult = CTCPSocketAsyncSSL::SocketWrite(error);
    // In plain mode the library keeps write notifications to itself, while the client still holds
    // the bytes that the network did not take: it hears of them as in TLS mode.
    if (IsPlainMode()) OnSocketWrite(error);
    return bResult;
}

bool CTasSSLAsyncSocket::OnSSLError(const std::string& method, const std::string& text, const std::string& sslErrors)
{
    std::string line = "socket ssl operation failed[" + method + "]....\n";
    OutputDebugStringA(line.c_str());
    // A broken TLS session cannot carry frames any more: close it, and the client hears of it.
    return true;
}

bool CTasSSLAsyncSocket::StartConnect(const std::string& strHost, unsigned short nPort)
{
    return Connect(strHost, nPort, FALSE, TRUE);
}

int CTasSSLAsyncSocket::SendBytes(const char* pData, int nSize, int& nError)
{
    nError = 0;
    const int n = Send(pData, nSize);
    if (n < 0) {
        nError = WSAGetLastError();
        return -1;
    }
    // The TLS socket takes the whole plaintext (it keeps what the network does not take yet) and
    // answers with its ciphertext count; a plain socket answers with the bytes it took.
    return IsPlainMode() ? n : nSize;
}

void CTasSSLAsyncSocket::Release()
{
    m_pLink->Detach(false);
    OnSocketDelete();
}
